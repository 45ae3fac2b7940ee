// The real program's windows on their templates, driven the way a user would drive them.
#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "app/velmora_app.h"
#include "launch/cmd_dialect.h"
#include "platform/win32/win32_child_process.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_dialog_runner.h"
#include "platform/win32/win32_file_picker.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_runner_host.h"
#include "platform/win32/win32_script_file.h"
#include "res/resource.h"
#include "win32_test_support.h"

namespace velmora::testing {
namespace {

constexpr char kKeyPath[] = "Software\\Tarnwick\\Velmora";

std::string TextOf(HWND window) {
    char text[512] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

// Plays the user: whenever the dialog that takes input has the caption the next step waits
// for, the step acts on it. Runs on a thread timer, which every modal loop dispatches.
class User {
public:
    using Action = std::function<void(HWND)>;

    explicit User(std::deque<std::pair<std::string, Action>> steps) : m_steps(std::move(steps)) {
        s_current = this;
        m_timer = ::SetTimer(nullptr, 0, 20, Tick);
    }
    ~User() {
        ::KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }

    std::vector<std::string> seen;

private:
    static BOOL CALLBACK FindInputDialog(HWND window, LPARAM found) {
        char className[16] = {};
        ::GetClassNameA(window, className, sizeof className);
        if (::IsWindowVisible(window) && ::IsWindowEnabled(window) &&
            std::string(className) == "#32770") {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (s_current != nullptr) {
            s_current->OnTick();
        }
    }
    void OnTick() {
        HWND dialog = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), FindInputDialog,
                            reinterpret_cast<LPARAM>(&dialog));
        if (dialog == nullptr || dialog == m_lastActedOn) {
            return;
        }
        const std::string caption = TextOf(dialog);
        if (m_steps.empty() || caption != m_steps.front().first) {
            // Nobody expected this window: close it, so a broken flow fails instead of hanging.
            if (++m_unexpectedTicks > 500) {
                seen.push_back("unexpected " + caption);
                ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                m_lastActedOn = dialog;
            }
            return;
        }
        m_unexpectedTicks = 0;
        seen.push_back(caption);
        const Action action = m_steps.front().second;
        m_steps.pop_front();
        m_lastActedOn = dialog;
        action(dialog);
    }

    static User* s_current;
    std::deque<std::pair<std::string, Action>> m_steps;
    UINT_PTR m_timer = 0;
    HWND m_lastActedOn = nullptr;
    int m_unexpectedTicks = 0;
};
User* User::s_current = nullptr;

void Press(HWND dialog, int id) {
    ::PostMessageA(dialog, WM_COMMAND, id, 0);
}

class AppWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kKeyPath); }
    void TearDown() override { ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kKeyPath); }

    void RunProgram() {
        win32::WindowStack windows;
        win32::Win32RunnerHost host(windows);
        win32::Win32DialogRunner dialogs(::GetModuleHandleA(nullptr), windows);
        win32::Win32FilePicker picker(windows);
        win32::Win32SettingsRegistry settings;
        win32::Win32MessageBox messageBox(windows);
        win32::Win32ScriptFile scriptFile;
        win32::Win32ProcessFactory processes;
        const CmdDialect dialect;
        AppServices services{dialogs, picker, settings,
                             LaunchServices{dialect, win32::AnsiCodePage(), scriptFile, processes,
                                            messageBox, host}};
        CVelmoraApp app(services);
        EXPECT_FALSE(app.InitInstance());
    }

    bool KeyExists() {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        ::RegCloseKey(key);
        return true;
    }
};

TEST_F(AppWindowTest, FirstStartAsksForPathsThenShowsTheFilledMainWindow) {
    ScratchFolder roms("app-roms");
    roms.Touch("pacman.zip");
    roms.Touch("galaga.zip");
    std::vector<std::string> listed;
    bool paneReadOnly = false;
    std::string lastSystemEntry;
    bool iconsSet = false;
    std::string versionLine;
    User user({
        {"Velmora - Path Setup",
         [&](HWND dialog) {
             ::SetDlgItemTextA(dialog, IDC_MAMEPATH, "C:\\MAME\\mame.exe");
             ::SetDlgItemTextA(dialog, IDC_ROMPATH, roms.Path().c_str());
             Press(dialog, IDOK);
         }},
        {"Velmora",
         [&](HWND main) {
             HWND list = ::GetDlgItem(main, IDC_ROMLIST);
             for (LRESULT i = 0; i < ::SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
                 char entry[MAX_PATH] = {};
                 ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry));
                 listed.push_back(entry);
             }
             paneReadOnly =
                 (::GetWindowLongA(::GetDlgItem(main, IDC_OUTPUT), GWL_STYLE) & ES_READONLY) != 0;
             HMENU menu = ::GetSystemMenu(main, FALSE);
             const int count = ::GetMenuItemCount(menu);
             char entry[64] = {};
             ::GetMenuStringA(menu, count - 1, entry, sizeof entry, MF_BYPOSITION);
             if (::GetMenuItemID(menu, count - 1) == IDM_ABOUTBOX &&
                 (::GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR) != 0) {
                 lastSystemEntry = entry;
             }
             iconsSet = ::SendMessageA(main, WM_GETICON, ICON_BIG, 0) != 0 &&
                        ::SendMessageA(main, WM_GETICON, ICON_SMALL, 0) != 0;
             // Any id whose low four bits are dropped by the mask reaches About.
             ::PostMessageA(main, WM_SYSCOMMAND, IDM_ABOUTBOX | 0x3, 0);
         }},
        {"About Velmora",
         [&](HWND about) {
             versionLine = TextOf(::GetDlgItem(about, IDC_VERSION));
             Press(about, IDCANCEL);
         }},
        {"Velmora", [](HWND main) { Press(main, IDOK); }},
    });

    RunProgram();

    EXPECT_EQ(user.seen, (std::vector<std::string>{"Velmora - Path Setup", "Velmora",
                                                   "About Velmora", "Velmora"}));
    EXPECT_EQ(listed, (std::vector<std::string>{"galaga.zip", "pacman.zip"}));
    EXPECT_TRUE(paneReadOnly);
    EXPECT_EQ(lastSystemEntry, "&About Velmora...");
    EXPECT_TRUE(iconsSet);
    EXPECT_EQ(versionLine, "Velmora Version 1.0 Release Candidate 2");
    EXPECT_TRUE(KeyExists());
}

TEST_F(AppWindowTest, CancelAtFirstStartStoresNothingAndEscapeEndsTheProgram) {
    LRESULT entries = -1;
    User user({
        {"Velmora - Path Setup", [](HWND dialog) { Press(dialog, IDCANCEL); }},
        {"Velmora",
         [&](HWND main) {
             entries = ::SendDlgItemMessageA(main, IDC_ROMLIST, LB_GETCOUNT, 0, 0);
             Press(main, IDCANCEL);
         }},
    });

    RunProgram();

    EXPECT_EQ(user.seen, (std::vector<std::string>{"Velmora - Path Setup", "Velmora"}));
    EXPECT_EQ(entries, 0);
    EXPECT_FALSE(KeyExists());
}

}  // namespace
}  // namespace velmora::testing
