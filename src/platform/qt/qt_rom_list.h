// The ROM list: a sorted, single-selection list of the ROM directory's file names.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <string>
#include <vector>

#include "ui/list_box_control.h"

namespace velmora::qt {

// Holds each name twice: the file system's bytes, which a launch needs unchanged, and the
// text shown.
class RomListModel : public QAbstractListModel {
public:
    struct Entry {
        std::string bytes;
        QString text;
    };
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    void Reset(std::vector<Entry> entries);
    const Entry& At(int row) const { return m_entries[static_cast<std::size_t>(row)]; }

private:
    std::vector<Entry> m_entries;
};

class QtRomList : public QListView, public ListBoxControl {
    Q_OBJECT

public:
    explicit QtRomList(QWidget* parent = nullptr);

    int GetCurSel() const override;
    std::string GetText(int index) const override;
    bool DirList(const std::string& directory) override;

    int Count() const { return m_model->rowCount(); }
    QStringList Texts() const;

signals:
    // A double-click on an entry, which it has selected.
    void EntryDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    RomListModel* m_model;
};

}  // namespace velmora::qt
