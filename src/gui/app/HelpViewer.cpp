#include "gui/app/HelpViewer.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/app/Resources.h"

namespace tapwright::gui {

namespace {

constexpr QSize kInitialSize(640, 560);

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser) {
    LoadResources();
    setWindowTitle(kTitle);
    browser_->setObjectName("helpBrowser");
    browser_->setOpenExternalLinks(true);

    auto* contents = new QPushButton("&Contents");
    auto* back = new QPushButton("&Back");
    auto* forward = new QPushButton("&Forward");
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, &HelpViewer::ShowContents);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(kInitialSize);
}

void HelpViewer::ShowContents() {
    browser_->setSource(QUrl(kContentsPage));
    show();
    raise();
    activateWindow();
}

}  // namespace tapwright::gui
