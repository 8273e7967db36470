// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/qt_reply_timer.h"

namespace zq61 {

QtReplyTimer::QtReplyTimer(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    // A coarse timer may be 5 % late; a reply time of 150 ms should not be.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (handler_) handler_();
    });
}

}  // namespace zq61
