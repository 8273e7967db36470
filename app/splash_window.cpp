// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace zq61::gui {

namespace {
constexpr int kSplashMs = 2000;
const QSize kEmptySize(480, 300);
}  // namespace

SplashWindow::SplashWindow(const QString& picturePath, std::function<void()> openMain)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      picture_(new QLabel(this)),
      timer_(new QTimer(this)),
      openMain_(std::move(openMain)) {
    setObjectName("frmSplash");
    picture_->setObjectName("picLogo");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture_);
    const QPixmap pixmap(picturePath);
    if (pixmap.isNull())
        picture_->setFixedSize(kEmptySize);
    else
        picture_->setPixmap(pixmap);
    picture_->installEventFilter(this);
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    timer_->setObjectName("Timer1");
    timer_->setSingleShot(true);
    timer_->setInterval(kSplashMs);
    connect(timer_, &QTimer::timeout, this, &SplashWindow::finish);
    timer_->start();
}

void SplashWindow::finish() {
    if (finished_) return;
    finished_ = true;
    timer_->stop();
    if (openMain_) openMain_();
    close();
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picture_ && event->type() == QEvent::MouseButtonRelease) {
        finish();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zq61::gui
