#include "gui/frames/WindowMenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

#include <algorithm>

#include "app/FirApp.h"
#include "document/DocCommands.h"
#include "gui/app/MainFrame.h"
#include "gui/frames/FramePlacement.h"
#include "gui/frames/ProjectCommands.h"
#include "gui/frames/ProjectFrame.h"
#include "gui/platform/CoreText.h"
#include "gui/plot/CommandMenu.h"

namespace tapwright::gui {

namespace {

constexpr std::string_view kFilterRoot = "Fi&lter";
constexpr std::string_view kViewRoot = "&View";
constexpr std::string_view kResponsePopup = "&View/&Frequency Response";
// Room between minimised windows lined up along the bottom of the area.
constexpr int kIconSpacing = 2;

const Command<CFirDoc>& DocumentCommand(CommandId id) {
    return *FirDocCommands().Find(id);
}

const char* AppMenuText(CommandId id) {
    return FirAppCommands().Find(id)->menuText.c_str();
}

QString StatusLine(const std::string& statusText) {
    return ToQString(statusText.substr(0, statusText.find('\n')));
}

}  // namespace

WindowMenus::WindowMenus(MainFrame& mainFrame, ProjectCommands& commands, QMdiArea& area)
    : mainFrame_(mainFrame), commands_(commands), area_(area) {
    file_ = MakeFileMenu();
    edit_ = MakeEditMenu();
    AddEditKeys();
    filter_ = MakeFilterMenu();
    view_ = MakeViewMenu(false);
    coefficientView_ = MakeViewMenu(true);
    window_ = MakeWindowMenu();
}

std::vector<QMenu*> WindowMenus::MenusFor(ProjectFrame& frame) const {
    std::vector<QMenu*> menus{file_, edit_, filter_};
    if (QMenu* own = frame.Content().KindMenu()) {
        menus.push_back(own);
    }
    menus.push_back(frame.Kind() == ViewKind::CoefficientEditor ? coefficientView_ : view_);
    menus.push_back(window_);
    menus.push_back(mainFrame_.HelpMenu());
    return menus;
}

// Opening a menu bar menu also brings the tool bar up to date, as the frame's own menus do.
QMenu* WindowMenus::NewMenu(const char* title) {
    auto* menu = new QMenu(title, &mainFrame_);
    Watch(*menu);
    QObject::connect(menu, &QMenu::aboutToShow, &mainFrame_, &MainFrame::RefreshCommandStates);
    return menu;
}

// ---- The menus ----------------------------------------------------------------------------

QMenu* WindowMenus::MakeFileMenu() {
    QMenu* menu = NewMenu("&File");
    AddToolBarItem(*menu, AppMenuText(kCmdNewProject), FrameCommand::NewProject);
    AddToolBarItem(*menu, AppMenuText(kCmdOpenProject), FrameCommand::OpenProject);
    for (CommandId id : {kCmdCloseProject, kCmdSaveProject, kCmdSaveProjectAs}) {
        AddDocumentCommand(*menu, id);
    }
    menu->addSeparator();
    AddDocumentCommand(*menu, kCmdImportCoefficients);
    AddDocumentCommand(*menu, kCmdExportCoefficients);
    menu->addSeparator();
    AddToolBarItem(*menu, "&Print...\tCtrl+P", FrameCommand::Print);
    AddItem(*menu, "Print Pre&view", [this] { commands_.PrintPreview(); },
            {[this] { return commands_.CanPrintPreview(); }, {}});
    mainFrame_.AddFileMenuTail(*menu);
    return menu;
}

// Undo and Redo name the step they would take back or do again.
QMenu* WindowMenus::MakeEditMenu() {
    QMenu* menu = NewMenu("&Edit");
    const auto named = [this](std::string (*text)(const CFirDoc&), const char* idle) {
        return [this, text, idle] {
            const CFirDoc* document = commands_.CurrentDocument();
            return ToQString(document != nullptr ? text(*document) : idle);
        };
    };
    texts_[AddDocumentCommand(*menu, kCmdUndo)] = named(&UndoMenuText, kUndoMenuText);
    texts_[AddDocumentCommand(*menu, kCmdRedo)] = named(&RedoMenuText, kRedoMenuText);
    return menu;
}

void WindowMenus::AddEditKeys() {
    const auto addKeys = [this](const char* keys, CommandId id) {
        auto* action = new QAction(&mainFrame_);
        action->setShortcuts(QKeySequence::listFromString(keys));
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, action,
                         [this, id] { commands_.RunCommand(id); });
        mainFrame_.addAction(action);
    };
    addKeys("Ctrl+Z; Alt+Backspace", kCmdUndo);
    addKeys("Ctrl+Shift+Z; Ctrl+Y", kCmdRedo);
}

QMenu* WindowMenus::MakeFilterMenu() {
    QMenu* menu = NewMenu("Fi&lter");
    // The last item copies the coefficients to the clipboard; its name is its status text.
    AddDocumentCommands(*menu, kFilterRoot,
                        {{kCmdSineInphase, kCmdMix, kCmdCopyInphaseToQuadrature,
                          kCmdCopyToClipboard},
                         {{kCmdCopyToClipboard, "Copy"}},
                         {}});
    return menu;
}

// The coefficient editor's window offers a shorter "&Frequency Response" popup of the
// magnitudes and phases.
QMenu* WindowMenus::MakeViewMenu(bool coefficientEditor) {
    QMenu* menu = NewMenu("&View");
    if (!coefficientEditor) {
        AddDocumentCommands(
            *menu, kViewRoot,
            {{ResponseCommand(ResponseDisplay::Magnitude, ChannelSelection::Inphase)}, {}, {}});
    } else {
        AddDocumentCommands(*menu, kViewRoot,
                            {{ImpulseCommand(ImpulseDisplay::Inphase)}, {}, kResponsePopup});
        auto* responses = new QMenu("&Frequency Response", menu);
        Watch(*responses);
        for (const MenuAlias& alias : kCoefficientEditorResponseItems) {
            AddCommandItem(*responses, DocumentCommand(alias.id), alias.menuText);
        }
        menu->insertMenu(Submenu(*menu, "&Impulse Response").menuAction(), responses);
    }
    menu->addSeparator();
    mainFrame_.AddViewMenuTail(*menu, "Status &Bar");
    return menu;
}

QMenu* WindowMenus::MakeWindowMenu() {
    QMenu* menu = NewMenu("&Window");
    const auto always = [] { return true; };
    AddItem(*menu, "&Cascade", [this] { CascadeFrames(area_); }, {always, {}});
    AddItem(*menu, "&Tile", [this] { area_.tileSubWindows(); }, {always, {}});
    AddItem(*menu, "&Arrange Icons", [this] { ArrangeIcons(); }, {always, {}});
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu] { ListWindows(*menu); });
    return menu;
}

// ---- Items --------------------------------------------------------------------------------

void WindowMenus::AddDocumentCommands(QMenu& menu, std::string_view root,
                                      const TableLayout& layout) {
    for (const Command<CFirDoc>& command : FirDocCommands().Commands()) {
        QStringList popups;
        if (command.menuText.empty() || !PathBelowRoot(command.menuPath, root, popups)) {
            continue;
        }
        if (!layout.skipBelow.empty() &&
            std::string_view(command.menuPath).substr(0, layout.skipBelow.size()) ==
                layout.skipBelow) {
            continue;
        }
        const bool separated = std::find(layout.separateBefore.begin(), layout.separateBefore.end(),
                                         command.id) != layout.separateBefore.end();
        // The separator goes where the item or the first new popup of its path begins.
        QMenu* parent = &menu;
        bool separatorPlaced = !separated;
        for (const QString& popup : popups) {
            const QList<QAction*> items = parent->actions();
            const bool existed = std::any_of(items.begin(), items.end(), [&popup](const QAction* a) {
                return a->menu() != nullptr && a->text() == popup;
            });
            if (!existed && !separatorPlaced && !parent->isEmpty()) {
                parent->addSeparator();
                separatorPlaced = true;
            }
            parent = &Submenu(*parent, popup);
            Watch(*parent);
        }
        if (!separatorPlaced && !parent->isEmpty()) {
            parent->addSeparator();
        }
        const auto text = layout.texts.find(command.id);
        AddCommandItem(*parent, command,
                       text != layout.texts.end() ? text->second : command.menuText.c_str());
    }
}

QAction* WindowMenus::AddDocumentCommand(QMenu& menu, CommandId id) {
    const Command<CFirDoc>& command = DocumentCommand(id);
    return AddCommandItem(menu, command, command.menuText.c_str());
}

QAction* WindowMenus::AddCommandItem(QMenu& menu, const Command<CFirDoc>& command,
                                     const char* text) {
    const CommandId id = command.id;
    ItemRule rule{[this, id] { return commands_.IsCommandEnabled(id); }, {}};
    if (command.checked) {
        rule.checked = [this, id] { return commands_.IsCommandChecked(id); };
    }
    QAction* action = AddItem(menu, text, [this, id] { commands_.RunCommand(id); }, rule);
    // An item shown under a shorter text keeps the command's full name as its prompt.
    action->setStatusTip(command.statusText.empty() && command.menuText != text
                             ? ToQString(command.menuText)
                             : StatusLine(command.statusText));
    return action;
}

// An item that does what a tool bar button does, with the button's prompt; its key belongs
// to the button.
QAction* WindowMenus::AddToolBarItem(QMenu& menu, const char* text, FrameCommand command) {
    QAction* action = AddItem(menu, text, [this, command] { commands_.Execute(command); },
                              {[this, command] { return commands_.IsEnabled(command); }, {}});
    action->setStatusTip(mainFrame_.CommandAction(command)->statusTip());
    return action;
}

QAction* WindowMenus::AddItem(QMenu& menu, const QString& text, std::function<void()> run,
                              ItemRule rule) {
    QAction* action = menu.addAction(text);
    action->setCheckable(static_cast<bool>(rule.checked));
    QObject::connect(action, &QAction::triggered, action, [run = std::move(run)] { run(); });
    rules_[action] = std::move(rule);
    return action;
}

void WindowMenus::Watch(QMenu& menu) {
    if (menu.property("windowMenusWatched").toBool()) {
        return;
    }
    menu.setProperty("windowMenusWatched", true);
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [this, &menu] { Refresh(menu); });
}

void WindowMenus::Refresh(QMenu& menu) const {
    for (QAction* action : menu.actions()) {
        const auto rule = rules_.find(action);
        if (rule == rules_.end()) {
            continue;
        }
        action->setEnabled(rule->second.enabled());
        if (const auto text = texts_.find(action); text != texts_.end()) {
            action->setText(text->second());
        }
        if (rule->second.checked) {
            action->setChecked(rule->second.checked());
        }
    }
}

// ---- The Window menu ----------------------------------------------------------------------

// Minimised windows line up along the bottom of the area, left to right.
void WindowMenus::ArrangeIcons() {
    const QSize area = area_.viewport()->size();
    int x = 0;
    int y = area.height();
    for (QMdiSubWindow* window : area_.subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized()) {
            continue;
        }
        const QSize icon = window->size();
        if (x > 0 && x + icon.width() > area.width()) {
            x = 0;
            y -= icon.height() + kIconSpacing;
        }
        window->move(x, y - icon.height());
        x += icon.width() + kIconSpacing;
    }
}

// The open windows follow the three commands, numbered, the one the user works in checked.
void WindowMenus::ListWindows(QMenu& menu) {
    for (QAction* entry : windowList_) {
        menu.removeAction(entry);
        entry->deleteLater();
    }
    windowList_.clear();
    const QList<QMdiSubWindow*> windows = area_.subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) {
        return;
    }
    windowList_.push_back(menu.addSeparator());
    int number = 1;
    for (QMdiSubWindow* window : windows) {
        QString title = window->windowTitle();
        title.replace('&', "&&");
        QAction* entry = menu.addAction(QString("&%1 %2").arg(number++).arg(title));
        entry->setCheckable(true);
        entry->setChecked(window == area_.currentSubWindow());
        QObject::connect(entry, &QAction::triggered, &area_,
                [this, window = QPointer<QMdiSubWindow>(window)] {
                    if (window != nullptr) {
                        area_.setActiveSubWindow(window);
                    }
                });
        windowList_.push_back(entry);
    }
}

}  // namespace tapwright::gui
