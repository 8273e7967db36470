// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The start window: the start picture of the current language for two
// seconds, or until it is clicked; then the main window opens.

#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

namespace zq61::gui {

class SplashWindow : public QWidget {
    Q_OBJECT
  public:
    // `picturePath` may name a missing file: the window then stays empty.
    // `openMain` runs once, when the splash ends.
    SplashWindow(const QString& picturePath, std::function<void()> openMain);

    QTimer* timer() const { return timer_; }
    QLabel* picture() const { return picture_; }

    // Ends the splash: the timer stops, the main window opens, the splash
    // closes. Runs once; later calls do nothing.
    void finish();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* picture_;
    QTimer* timer_;
    std::function<void()> openMain_;
    bool finished_ = false;
};

}  // namespace zq61::gui
