// Listing and sorting by the user's locale, ignoring case.
#include "platform/qt/qt_rom_list.h"

#include <unistd.h>

#include <QCollator>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <algorithm>
#include <numeric>

#include "platform/qt/directory_files.h"

namespace velmora::qt {

int RomListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

QVariant RomListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    return At(index.row()).text;
}

void RomListModel::Reset(std::vector<Entry> entries) {
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

QtRomList::QtRomList(QWidget* parent) : QListView(parent), m_model(new RomListModel(this)) {
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

int QtRomList::GetCurSel() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

std::string QtRomList::GetText(int index) const {
    if (index < 0 || index >= m_model->rowCount()) {
        return {};
    }
    return m_model->At(index).bytes;
}

bool QtRomList::DirList(const std::string& directory) {
    std::optional<std::vector<std::string>> names = RegularFiles(directory);
    if (!names) {
        return false;
    }
    // Sort keys are computed once per name; comparing through the collator would redo
    // that work on every comparison. The names are case-folded first because the collator
    // ignores its case setting for sort keys in the C locale.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const std::size_t count = names->size();
    std::vector<RomListModel::Entry> entries(count);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        entries[i].bytes = std::move((*names)[i]);
        entries[i].text = QString::fromLocal8Bit(entries[i].bytes.data(),
                                                 static_cast<qsizetype>(entries[i].bytes.size()));
        keys.push_back(collator.sortKey(entries[i].text.toCaseFolded()));
    }
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int byKey = keys[a].compare(keys[b]);
        return byKey != 0 ? byKey < 0 : entries[a].bytes < entries[b].bytes;
    });
    std::vector<RomListModel::Entry> sorted;
    sorted.reserve(count);
    for (std::size_t i : order) {
        sorted.push_back(std::move(entries[i]));
    }
    m_model->Reset(std::move(sorted));
    selectionModel()->clear();
    // The file pickers open in the current directory, so the ROM picker starts where the
    // ROMs are, as it does on Windows.
    ::chdir(directory.c_str());
    return true;
}

// Every double-click on an entry counts, also one whose first click the view saw as a
// press elsewhere; the entry under the pointer is the one launched.
void QtRomList::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !index.isValid()) {
        QListView::mouseDoubleClickEvent(event);
        return;
    }
    setCurrentIndex(index);
    emit EntryDoubleClicked();
}

QStringList QtRomList::Texts() const {
    QStringList texts;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        texts << m_model->At(row).text;
    }
    return texts;
}

}  // namespace velmora::qt
