// Fakes of the window seams: a dialog runner driven by scripts, views, list box, picker, store.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "fakes/fake_output_pane.h"
#include "settings/settings_registry.h"
#include "ui/dialog.h"
#include "ui/file_picker.h"
#include "ui/list_box_control.h"

namespace velmora::testing {

class FakeListBox : public ListBoxControl {
public:
    int GetCurSel() const override { return selected; }
    std::string GetText(int index) const override { return entries.at(index); }
    bool DirList(const std::string& directory) override {
        listed.push_back(directory);
        const auto found = directories.find(directory);
        if (found == directories.end()) {
            return false;
        }
        entries = found->second;
        selected = -1;
        return true;
    }

    std::vector<std::string> entries;
    int selected = -1;
    std::map<std::string, std::vector<std::string>> directories;  // what exists on "disk"
    std::vector<std::string> listed;
};

class FakeDialogView : public DialogView {
public:
    std::string GetItemText(int id) const override {
        const auto found = items.find(id);
        return found == items.end() ? std::string() : found->second;
    }
    void SetItemText(int id, std::string_view text) override { items[id] = std::string(text); }
    void EndDialog(int result) override { this->result = result; }
    OutputPane* EditControl(int) override { return hasControls ? &pane : nullptr; }
    ListBoxControl* ListBox(int) override { return hasControls ? &list : nullptr; }
    bool AppendSystemMenuEntry(unsigned id, std::string_view text) override {
        systemMenu.emplace_back(id, std::string(text));
        return true;
    }
    void SetIcons() override { iconsSet = true; }

    std::map<int, std::string> items;
    int result = 0;  // 0 while the dialog has not ended
    bool hasControls = false;
    FakeOutputPane pane;
    FakeListBox list;
    std::vector<std::pair<unsigned, std::string>> systemMenu;
    bool iconsSet = false;
};

// Runs each dialog the way a front end would: attach, initialise, show, then play the next
// script queued for its template, which stands for what the user does.
class FakeDialogRunner : public DialogRunner {
public:
    using Script = std::function<void(CDialog&, FakeDialogView&)>;

    FakeDialogRunner() { mainView.hasControls = true; }

    int RunModal(CDialog& dialog) override {
        const unsigned id = dialog.TemplateId();
        FakeDialogView ownView;
        FakeDialogView& view = id == mainTemplate ? mainView : ownView;
        view.result = 0;
        dialog.Attach(&view);
        dialog.OnInitDialog();
        events.push_back("show " + std::to_string(id));
        auto& queue = scripts[id];
        if (!queue.empty()) {
            Script script = std::move(queue.front());
            queue.pop_front();
            script(dialog, view);
        }
        if (view.result == 0) {
            dialog.OnCommand(kIdCancel);  // a dialog nobody scripted is closed with Escape
        }
        events.push_back("end " + std::to_string(id));
        dialog.Attach(nullptr);
        lastView = view;
        return view.result;
    }

    unsigned mainTemplate = 0;
    FakeDialogView mainView;  // the main window's controls outlive each run
    FakeDialogView lastView;
    std::map<unsigned, std::deque<Script>> scripts;
    std::vector<std::string> events;
};

class FakeFilePicker : public FilePicker {
public:
    std::optional<std::string> Pick(FilePickerKind kind) override {
        kinds.push_back(kind);
        if (answers.empty()) {
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<std::optional<std::string>> answers;
    std::vector<FilePickerKind> kinds;
};

// Keys as maps of value names to data, with switches for each kind of failure.
class FakeSettingsRegistry : public SettingsRegistry {
public:
    using Values = std::map<std::string, std::string>;

    class Key : public SettingsKey {
    public:
        Key(FakeSettingsRegistry& registry, Values& values)
            : m_registry(registry), m_values(values) {}
        std::vector<std::optional<std::string>> QueryValues(
            const std::vector<std::string>& names) override {
            std::vector<std::optional<std::string>> out;
            for (const std::string& name : names) {
                const auto found = m_values.find(name);
                out.push_back(found == m_values.end() ? std::nullopt
                                                      : std::optional(found->second));
            }
            return out;
        }
        bool SetValue(const std::string& name, std::string_view data) override {
            m_registry.writes.push_back(name);
            if (name == m_registry.failingValue) {
                return false;
            }
            m_values[name] = std::string(data);
            return true;
        }
        bool Close() override { return !m_registry.closeFails; }

    private:
        FakeSettingsRegistry& m_registry;
        Values& m_values;
    };

    std::unique_ptr<SettingsKey> OpenForReading(const std::string& keyPath) override {
        const auto found = keys.find(keyPath);
        if (found == keys.end()) {
            return nullptr;
        }
        return std::make_unique<Key>(*this, found->second);
    }
    std::unique_ptr<SettingsKey> CreateForWriting(const std::string& keyPath) override {
        if (createFails) {
            return nullptr;
        }
        return std::make_unique<Key>(*this, keys[keyPath]);
    }

    std::map<std::string, Values> keys;
    bool createFails = false;
    bool closeFails = false;
    std::string failingValue;
    std::vector<std::string> writes;
};

}  // namespace velmora::testing
