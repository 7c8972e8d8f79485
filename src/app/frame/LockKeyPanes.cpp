#include "app/frame/LockKeyPanes.h"

#include <QtGui/qguiapplication_platform.h>

#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include "app/frame/XkbIndicators.h"

namespace sky::app {

namespace {

struct Lock {
    const char* indicator;  // the XKB indicator's name
    const char* text;       // the pane's text while it is on
};
constexpr Lock kLocks[] = {{"Caps Lock", "CAP"}, {"Num Lock", "NUM"}, {"Scroll Lock", "SCRL"}};

}  // namespace

LockKeyPanes::LockKeyPanes(QStatusBar& bar) : QObject(&bar) {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display()) return;
    display_ = x11->display();
    for (int i = 0; i < 3; ++i) {
        auto* pane = new QLabel(&bar);
        pane->setObjectName(QString("LockPane%1").arg(i));
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameShape(QFrame::StyledPanel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(" SCRL "));
        bar.addPermanentWidget(pane);
        panes_[i] = pane;
        indicators_[i] = xkbIndicator(display_, kLocks[i].indicator);
    }
    // X11 sends no event for a lock's change to a window without the focus; a light poll keeps
    // the panes right.
    poll_ = new QTimer(this);
    poll_->setInterval(250);
    connect(poll_, &QTimer::timeout, this, &LockKeyPanes::update);
    poll_->start();
    update();
}

void LockKeyPanes::update() {
    for (int i = 0; i < 3; ++i) {
        const QString text = xkbIndicatorOn(display_, indicators_[i]) ? kLocks[i].text : QString();
        if (panes_[i]->text() != text) panes_[i]->setText(text);
    }
}

}  // namespace sky::app
