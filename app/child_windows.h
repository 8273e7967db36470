// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The child windows the main window can open, one factory per window name.
// The main window opens each name at most once (show window once) and closes
// windows by name; a later window replaces its factory here.

#include <QHash>
#include <QString>
#include <functional>

class QWidget;

namespace zq61::gui {

class MainWindow;

// Makes the window's widget; the main window names it and wraps it in a
// child window frame.
using ChildWindowFactory = std::function<QWidget*(MainWindow&)>;

// A child window that holds typed text not yet handed to the document (an
// open cell editor) implements this. The main window calls it on every open
// child window before it saves, opens or creates a document, exits, talks
// to the radio or changes the language, so no typed text is ever dropped.
class PendingEditCommitter {
  public:
    virtual ~PendingEditCommitter() = default;
    virtual void commitPendingEdit() = 0;
};

// A window that can bring one channel into view and make it the channel the
// channel edit window shows (the channel window does); the compare window
// opens a differing channel through it.
class ChannelShower {
  public:
    virtual ~ChannelShower() = default;
    virtual void showChannel(int chNo) = 0;
};

class ChildWindowRegistry {
  public:
    void set(const QString& name, ChildWindowFactory factory) { factories_[name] = factory; }
    const ChildWindowFactory* find(const QString& name) const {
        auto it = factories_.constFind(name);
        return it == factories_.constEnd() ? nullptr : &it.value();
    }

  private:
    QHash<QString, ChildWindowFactory> factories_;
};

}  // namespace zq61::gui
