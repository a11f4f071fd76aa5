#include "gui/app/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QWhatsThis>

#include <algorithm>

#include "app/PrefsDlg.h"
#include "data/Preferences.h"
#include "gui/app/AboutBox.h"
#include "gui/app/HelpViewer.h"
#include "gui/app/LockKeyPanes.h"
#include "gui/app/Resources.h"
#include "gui/platform/CoreText.h"
#include "gui/platform/QtUserInterface.h"
#include "gui/widgets/DialogFrame.h"
#include "platform/UserInterface.h"

namespace tapwright::gui {

namespace {

constexpr QSize kToolBarIconSize(16, 16);
// Recent-file entries longer than this are shortened in the middle.
constexpr int kRecentEntryWidth = 420;

QList<QKeySequence> KeysOf(const char* keys) {
    return QKeySequence::listFromString(keys);
}

}  // namespace

MainFrame::MainFrame(SettingsStore& settings, CPreferences& preferences, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      preferences_(preferences),
      recentFiles_(settings),
      mdiArea_(new QMdiArea(this)),
      messagePane_(new QLabel(this)) {
    LoadResources();
    setWindowTitle(kApplicationTitle);
    setWindowIcon(QIcon(":/icons/tapwright.svg"));
    setAcceptDrops(true);
    mdiArea_->setObjectName("mdiArea");
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    helpViewer_ = new HelpViewer(this);
    CreateToolBar();
    CreateStatusBar();
    CreateMenus();
    CreateFrameKeys();
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] { RefreshCommandStates(); });
    RefreshCommandStates();
}

// The area's windows close as the frame's widgets go; by then the frame's own members are
// gone, so it no longer hears of them.
MainFrame::~MainFrame() {
    QObject::disconnect(mdiArea_, nullptr, this, nullptr);
}

void MainFrame::CreateToolBar() {
    toolBar_ = new QToolBar("Toolbar", this);
    toolBar_->setObjectName("mainToolBar");
    toolBar_->setIconSize(kToolBarIconSize);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    addToolBar(Qt::TopToolBarArea, toolBar_);

    for (const ToolButton& button : ToolButtons()) {
        if (button.separatorBefore) {
            toolBar_->addSeparator();
        }
        auto* action = new QAction(QIcon(button.icon), ToolTipOf(button.statusText), this);
        action->setToolTip(ToolTipOf(button.statusText));
        action->setStatusTip(StatusLineOf(button.statusText));
        action->setWhatsThis(StatusLineOf(button.statusText));
        action->setIconVisibleInMenu(false);
        action->setShortcuts(KeysOf(button.keys));
        action->setShortcutContext(Qt::WindowShortcut);
        const FrameCommand command = button.command;
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
        toolBar_->addAction(action);
        addAction(action);  // its keys work while the tool bar is hidden too
        commandActions_[command] = action;
    }
}

void MainFrame::CreateStatusBar() {
    messagePane_->setText(QtUserInterface::kIdleText);
    messagePane_->setObjectName("messagePane");
    statusBar()->addWidget(messagePane_, 1);
    lockPanes_ = new LockKeyPanes(*statusBar());
}

QAction* MainFrame::AddMenuAction(QMenu* menu, const char* text, const char* statusTip) {
    QAction* action = menu->addAction(text);
    action->setStatusTip(statusTip);
    return action;
}

void MainFrame::CreateMenus() {
    // The menu bar of the frame while no project is open.
    QMenu* file = menuBar()->addMenu("&File");
    QAction* newProject = CommandAction(FrameCommand::NewProject);
    QAction* openProject = CommandAction(FrameCommand::OpenProject);
    newProject->setText("&New\tCtrl+N");
    openProject->setText("&Open...\tCtrl+O");
    file->addAction(newProject);
    file->addAction(openProject);
    file->addSeparator();
    AddFileMenuTail(*file);

    QMenu* view = menuBar()->addMenu("&View");
    AddViewMenuTail(*view, "&Status Bar");

    helpMenu_ = menuBar()->addMenu("&Help");
    connect(AddMenuAction(helpMenu_, "&Help Topics", "List the help topics"), &QAction::triggered,
            this, &MainFrame::ShowHelpTopics);
    helpMenu_->addSeparator();
    connect(AddMenuAction(helpMenu_, "&About Tapwright...", "Show the program's version"),
            &QAction::triggered, this, &MainFrame::ShowAbout);

    ownMenus_ = {file, view, helpMenu_};
    for (QMenu* menu : ownMenus_) {
        connect(menu, &QMenu::aboutToShow, this, &MainFrame::RefreshCommandStates);
    }
}

void MainFrame::AddFileMenuTail(QMenu& menu) {
    connect(AddMenuAction(&menu, "P&rint Setup...", "Change the printer and printing options"),
            &QAction::triggered, this, &MainFrame::ShowPrintSetup);
    RecentFileSlot slot{&menu, menu.addSeparator(), menu.addSeparator(), {}};
    connect(AddMenuAction(&menu, "E&xit", "Quit the program"), &QAction::triggered, this,
            &QWidget::close);
    RebuildRecentFileSlot(slot);
    recentFileSlots_.push_back(std::move(slot));
}

void MainFrame::AddViewMenuTail(QMenu& menu, const char* statusBarText) {
    QAction* toolBarShown = AddMenuAction(&menu, "&Toolbar", "Show or hide the toolbar");
    toolBarShown->setCheckable(true);
    toolBarShown->setChecked(toolBar_->isVisibleTo(this));
    connect(toolBarShown, &QAction::toggled, toolBar_, &QToolBar::setVisible);
    connect(toolBar_, &QToolBar::visibilityChanged, toolBarShown, &QAction::setChecked);

    QAction* statusBarShown = AddMenuAction(&menu, statusBarText, "Show or hide the status bar");
    statusBarShown->setCheckable(true);
    statusBarShown->setChecked(statusBar()->isVisibleTo(this));
    connect(statusBarShown, &QAction::toggled, this, &MainFrame::SetStatusBarShown);
    statusBarToggles_.push_back(statusBarShown);

    menu.addSeparator();
    connect(AddMenuAction(&menu, "&Preferences...", "Change the program's preferences"),
            &QAction::triggered, this, &MainFrame::EditPreferences);
}

void MainFrame::SetStatusBarShown(bool shown) {
    statusBar()->setVisible(shown);
    for (QAction* toggle : statusBarToggles_) {
        const QSignalBlocker quiet(toggle);
        toggle->setChecked(shown);
    }
}

void MainFrame::ShowMenus(const std::vector<QMenu*>& menus) {
    menuBar()->clear();
    for (QMenu* menu : menus) {
        menuBar()->addMenu(menu);
    }
}

void MainFrame::ShowOwnMenus() {
    ShowMenus(ownMenus_);
}

// Keys of the frame that no menu item shows: help, and moving between the windows.
void MainFrame::CreateFrameKeys() {
    const auto addKey = [this](const char* keys, auto handler) {
        auto* action = new QAction(this);
        action->setShortcuts(KeysOf(keys));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
    };
    addKey("F1", [this] { ShowHelpTopics(); });
    addKey("F6", [this] { mdiArea_->activateNextSubWindow(); });
    addKey("Shift+F6", [this] { mdiArea_->activatePreviousSubWindow(); });
}

void MainFrame::SetCommandTarget(FrameCommandTarget* target) {
    target_ = target;
    RefreshCommandStates();
}

void MainFrame::RefreshCommandStates() {
    for (const auto& [command, action] : commandActions_) {
        const bool ownCommand = command == FrameCommand::ContextHelp;
        action->setEnabled(ownCommand || (target_ != nullptr && target_->IsEnabled(command)));
    }
    for (const RecentFileSlot& slot : recentFileSlots_) {
        for (QAction* entry : slot.entries) {
            entry->setEnabled(target_ != nullptr);
        }
    }
}

void MainFrame::RunCommand(FrameCommand command) {
    if (command == FrameCommand::ContextHelp) {
        QWhatsThis::enterWhatsThisMode();
        return;
    }
    if (target_ != nullptr && target_->IsEnabled(command)) {
        target_->Execute(command);
        RefreshCommandStates();
    }
}

void MainFrame::AddRecentFile(const QString& path) {
    recentFiles_.Add(ToCoreString(path));
    RebuildRecentFileMenus();
}

void MainFrame::RebuildRecentFileMenus() {
    for (RecentFileSlot& slot : recentFileSlots_) {
        RebuildRecentFileSlot(slot);
    }
}

// The entries stand between Print Setup and Exit, numbered from 1 with the number as the
// mnemonic; with no entries the menu shows none.
void MainFrame::RebuildRecentFileSlot(RecentFileSlot& slot) {
    for (QAction* entry : slot.entries) {
        slot.menu->removeAction(entry);
        entry->deleteLater();
    }
    slot.entries.clear();

    const QFontMetrics metrics(slot.menu->font());
    int number = 1;
    for (const std::string& stored : recentFiles_.Entries()) {
        const QString path = ToQString(stored);
        QString shown = metrics.elidedText(path, Qt::ElideMiddle, kRecentEntryWidth);
        shown.replace('&', "&&");
        auto* entry = new QAction(QString("&%1 %2").arg(number++).arg(shown), slot.menu);
        entry->setStatusTip("Open this project");
        entry->setEnabled(target_ != nullptr);
        connect(entry, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
        slot.menu->insertAction(slot.end, entry);
        slot.entries.push_back(entry);
    }
    slot.start->setVisible(!slot.entries.empty());
}

void MainFrame::OpenRecentFile(const QString& path) {
    if (target_ == nullptr) {
        return;
    }
    if (!target_->OpenProjectFile(path)) {
        recentFiles_.Remove(ToCoreString(path));
        RebuildRecentFileMenus();
    }
}

QPrinter& MainFrame::Printer() {
    if (printer_ == nullptr) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Plots are wider than they are tall, so pages start in landscape.
        printer_->setPageOrientation(QPageLayout::Landscape);
    }
    return *printer_;
}

void MainFrame::ShowPrintSetup() {
    QPageSetupDialog dialog(&Printer(), this);
    UseDialogFrame(dialog);
    dialog.exec();
}

void MainFrame::EditPreferences() {
    tapwright::EditPreferences(preferences_, settings_);
}

void MainFrame::ShowHelpTopics() {
    helpViewer_->ShowContents();
}

void MainFrame::ShowAbout() {
    AboutBox box(this);
    box.exec();
}

bool MainFrame::event(QEvent* event) {
    // Menu and tool bar prompts go to the message pane; when a prompt ends the pane shows
    // the last command's result, or else the idle text, rather than whatever was there
    // before the prompt.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (!tip.isEmpty()) {
            messagePane_->setText(tip);
        } else if (auto* desktop = dynamic_cast<QtUserInterface*>(&Ui())) {
            messagePane_->setText(desktop->RestingText());
        } else {
            messagePane_->setText(QtUserInterface::kIdleText);
        }
        return true;
    }
    return QMainWindow::event(event);
}

// The program ends with its main window, once every project agrees to close.
void MainFrame::closeEvent(QCloseEvent* event) {
    if (target_ != nullptr && !target_->CloseAllProjects()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainFrame::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    const bool anyFile =
        std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
    if (target_ != nullptr && anyFile) {
        event->acceptProposedAction();
    }
}

// Each file dropped on the frame is opened as a project.
void MainFrame::dropEvent(QDropEvent* event) {
    if (target_ == nullptr) {
        return;
    }
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            target_->OpenProjectFile(url.toLocalFile());
        }
    }
    event->acceptProposedAction();
}

}  // namespace tapwright::gui
