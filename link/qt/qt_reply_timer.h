// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The transfer engine's one-shot reply timer on a QTimer.

#include <QObject>
#include <QTimer>

#include <functional>

#include "link/engine/link_interfaces.h"

namespace zq61 {

class QtReplyTimer : public QObject, public ReplyTimer {
    Q_OBJECT

  public:
    explicit QtReplyTimer(QObject* parent = nullptr);

    // Called once each time the timer runs out (the engine's OnReplyTimeout).
    void setHandler(std::function<void()> handler) { handler_ = std::move(handler); }
    bool isActive() const { return timer_.isActive(); }

    void start(int milliseconds) override { timer_.start(milliseconds); }
    void stop() override { timer_.stop(); }

  private:
    QTimer timer_;
    std::function<void()> handler_;
};

}  // namespace zq61
