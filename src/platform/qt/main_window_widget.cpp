// Laid out from the main window's template, in dialog units, with its menu above.
#include "platform/qt/main_window_widget.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "platform/qt/app_icon.h"
#include "platform/qt/control_names.h"
#include "platform/qt/dialog_units.h"
#include "platform/qt/qt_output_pane.h"
#include "platform/qt/qt_rom_list.h"
#include "res/resource.h"
#include "ui/velmora_dlg.h"

namespace velmora::qt {

MainWindowWidget::MainWindowWidget(QWidget* owner) : DialogWindow(owner) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Velmora"));
    const DialogUnits units(font());

    auto* menuBar = new QMenuBar(this);
    BuildMenu(menuBar);
    const int menuHeight = menuBar->sizeHint().height();
    const QSize client = units.Size(368, 246);
    menuBar->setGeometry(0, 0, client.width(), menuHeight);

    m_client = new QWidget(this);
    m_client->setGeometry(0, menuHeight, client.width(), client.height());
    m_client->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_client, &QWidget::customContextMenuRequested, this,
            &MainWindowWidget::ShowBackgroundMenu);

    // Template order is tab order: the list, then the pane; the labels take no focus.
    m_romList = new QtRomList(m_client);
    m_romList->setObjectName(ControlName(IDC_ROMLIST));
    m_romList->setGeometry(units.Rect(7, 16, 354, 113));
    connect(m_romList, &QtRomList::EntryDoubleClicked, this, [this] {
        if (Dialog() != nullptr) {
            Dialog()->OnListDoubleClick(IDC_ROMLIST);
        }
    });

    m_output = new QtOutputPane(m_client);
    m_output->setObjectName(ControlName(IDC_OUTPUT));
    m_output->setGeometry(units.Rect(7, 143, 354, 98));

    AddLabel(m_client, QStringLiteral("M.A.M.E. Output"), units.Rect(7, 131, 99, 9));
    AddLabel(m_client, QStringLiteral("Arcade ROM List"), units.Rect(7, 7, 80, 8));

    setFixedSize(client.width(), client.height() + menuHeight);
    m_romList->setFocus();
}

void MainWindowWidget::BuildMenu(QMenuBar* menuBar) {
    auto addEntry = [this](QMenu* menu, const QString& text, unsigned id) {
        QAction* action = menu->addAction(text);
        action->setObjectName(ControlName(static_cast<int>(id)));
        connect(action, &QAction::triggered, this, [this, id] { Forward(id); });
    };
    QMenu* file = menuBar->addMenu(QStringLiteral("&File"));
    addEntry(file, QStringLiteral("Setup Mame &Paths"), ID_FILE_SETUPPATHS);
    file->addSeparator();
    addEntry(file, QStringLiteral("E&xit"), ID_FILE_EXIT);
    QMenu* help = menuBar->addMenu(QStringLiteral("&Help"));
    addEntry(help, QStringLiteral("&About"), ID_HELP_ABOUT);
}

OutputPane* MainWindowWidget::EditControl(int id) {
    return id == IDC_OUTPUT ? m_output : nullptr;
}

ListBoxControl* MainWindowWidget::ListBox(int id) {
    return id == IDC_ROMLIST ? m_romList : nullptr;
}

// Linux windows have no system menu; the window's background offers the entry instead.
bool MainWindowWidget::AppendSystemMenuEntry(unsigned id, std::string_view text) {
    m_aboutEntryId = id;
    m_aboutEntryText = QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
    return true;
}

void MainWindowWidget::ShowBackgroundMenu(const QPoint& position) {
    CDialog* dialog = Dialog();
    if (m_aboutEntryText.isEmpty() || dialog == nullptr) {
        return;
    }
    QMenu menu(this);
    QAction* about = menu.addAction(m_aboutEntryText);
    if (menu.exec(m_client->mapToGlobal(position)) == about) {
        dialog->OnSysCommand(m_aboutEntryId);
    }
}

void MainWindowWidget::SetIcons() {
    setWindowIcon(AppIcon());
}

// Enter is the dialog's OK whichever control has the focus; the list does not launch on it.
void MainWindowWidget::keyPressEvent(QKeyEvent* event) {
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        Forward(kIdOk);
        return;
    }
    DialogWindow::keyPressEvent(event);
}

}  // namespace velmora::qt
