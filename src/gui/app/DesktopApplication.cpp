#include "gui/app/DesktopApplication.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinterInfo>
#include <QWindow>

#include "document/FirDoc.h"
#include "gui/app/IdleCommandRefresh.h"
#include "gui/app/MainFrame.h"
#include "gui/frames/ProjectCommands.h"
#include "gui/frames/ProjectFrame.h"
#include "gui/frames/WindowMenus.h"
#include "gui/frames/WindowParts.h"
#include "gui/platform/CoreText.h"
#include "platform/SettingsStore.h"
#include "platform/UserInterface.h"

namespace tapwright::gui {

namespace {

constexpr const char* kWatchedProperty = "mainTitleWatched";
// How long the start waits for the window manager to show the main window.
constexpr qint64 kLongestMapWaitMs = 2000;
constexpr int kMapPollMs = 20;

}  // namespace

DesktopApplication::DesktopApplication(SettingsStore& settings)
    : installed_(ui_), settings_(settings), frames_(MakeWindowParts), app_(frames_) {}

DesktopApplication::~DesktopApplication() {
    if (mainFrame_ != nullptr) {
        // The windows close with the main window, and nothing may follow them any more.
        listener_.reset();
        mainFrame_->SetCommandTarget(nullptr);
        frames_.SetArea(nullptr);
        ui_.Attach(nullptr, nullptr);
    }
    idleRefresh_.reset();
    commands_.reset();
    mainFrame_.reset();
}

bool DesktopApplication::Start(const QStringList& arguments) {
    // The settings store is the one the program was given, and the five templates were made
    // with the application model; the preferences come first, before any window.
    app_.Preferences().LoadSettings(settings_);

    mainFrame_ = std::make_unique<MainFrame>(settings_, app_.Preferences());
    ui_.Attach(mainFrame_.get(), mainFrame_->MessagePane());
    QMdiArea& area = *mainFrame_->MdiArea();
    frames_.SetArea(&area);
    commands_ = std::make_unique<ProjectCommands>(app_, frames_, *mainFrame_);
    menus_ = std::make_unique<WindowMenus>(*mainFrame_, *commands_, area);
    frames_.SetTitleListener([this](CFirDoc& document) {
        commands_->RememberFile(document);
        UpdateMainTitle();
    });
    listener_ = std::make_unique<QObject>();
    QObject::connect(&area, &QMdiArea::subWindowActivated, listener_.get(),
                     [this] { OnWindowActivated(); });
    mainFrame_->SetCommandTarget(commands_.get());
    idleRefresh_ = std::make_unique<IdleCommandRefresh>([this] {
        mainFrame_->RefreshCommandStates();
        frames_.RefreshCaptions();
    });

    // Dropped files are accepted by the main window itself.
    mainFrame_->showMaximized();
    WaitUntilShown();
    mainFrame_->repaint();

    QString project;
    for (const QString& argument : arguments) {
        if (!argument.startsWith('-')) {
            project = argument;
            break;
        }
    }
    if (!project.isEmpty()) {
        CFirDoc* document = commands_->OpenProject(project);
        if (document == nullptr) {
            return false;
        }
        if (arguments.contains(kShowResponseOption)) {
            ShowResponseBesideEditor(*document);
        }
    } else {
        commands_->NewProject();
    }

    // Plots are wider than tall, so pages start in landscape on the default printer.
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        mainFrame_->Printer();
    }
    return true;
}

// A window manager maximises the main window when it maps it, after showMaximized has
// returned; the first project's windows are placed in the work area that it then has.
void DesktopApplication::WaitUntilShown() {
    QWindow* window = mainFrame_->windowHandle();
    QElapsedTimer waited;
    waited.start();
    while (window != nullptr && !window->isExposed() && waited.elapsed() < kLongestMapWaitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, kMapPollMs);
    }
}

// A designed project shows what it does at once: its frequency response and its editor side
// by side, the editor at its own size (a new window goes beside the one the user works in).
// A project without coefficients has no response to show.
void DesktopApplication::ShowResponseBesideEditor(CFirDoc& document) {
    if (document.HasPoints()) {
        document.ViewDefaultResponse();
    }
}

void DesktopApplication::OnWindowActivated() {
    ProjectFrame* frame = frames_.CurrentFrame();
    if (frame == nullptr) {
        mainFrame_->ShowOwnMenus();
        activeFrame_ = nullptr;
    } else {
        mainFrame_->ShowMenus(menus_->MenusFor(*frame));
        if (frame != activeFrame_) {
            activeFrame_ = frame;
            WatchWindowState(*frame);
            frame->OnActivated();
        }
    }
    UpdateMainTitle();
    mainFrame_->RefreshCommandStates();
}

// The area writes the caption of a maximised window into the main window's caption itself,
// when it is maximised and when its caption changes; the caption is put right again after.
void DesktopApplication::WatchWindowState(ProjectFrame& frame) {
    if (frame.property(kWatchedProperty).toBool()) {
        return;
    }
    frame.setProperty(kWatchedProperty, true);
    QObject::connect(&frame, &QMdiSubWindow::windowStateChanged, listener_.get(),
                     [this] { UpdateMainTitle(); });
    QObject::connect(&frame, &QWidget::windowTitleChanged, listener_.get(),
                     [this] { UpdateMainTitle(); });
}

// The caption names the project the user works in, and the window too while it is maximised.
void DesktopApplication::UpdateMainTitle() {
    const ProjectFrame* frame = frames_.CurrentFrame();
    QString title = kApplicationTitle;
    if (frame != nullptr && frame->Document() != nullptr) {
        title += frame->isMaximized() ? " - [" + frame->windowTitle() + "]"
                                      : " - " + ToQString(frame->Document()->GetTitle());
    }
    mainFrame_->setWindowTitle(title);
}

}  // namespace tapwright::gui
