// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/accessible_child_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QMdiSubWindow>

namespace zq61::gui {

namespace {

class AccessibleChildWindow : public QAccessibleWidget {
  public:
    explicit AccessibleChildWindow(QMdiSubWindow* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Name) return frame()->windowTitle().remove(QLatin1String("[*]"));
        return QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override {
        const QMdiSubWindow* window = frame();
        QAccessible::State state;
        state.focusable = true;
        state.movable = state.sizeable = !window->isMaximized();
        const QWidget* focus = QApplication::focusWidget();
        state.focused = focus && (focus == window || window->isAncestorOf(focus));
        state.invisible = !window->isVisible();
        // Off screen only when nothing of it is in the area (scrolled away).
        if (const QWidget* area = window->parentWidget())
            state.offscreen = !area->contentsRect().intersects(window->geometry());
        state.disabled = !window->isEnabled();
        return state;
    }

    // The window's own contents are its one child; the frame's buttons are
    // reached through its system menu.
    int childCount() const override { return frame()->widget() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        QWidget* contents = frame()->widget();
        return index == 0 && contents ? QAccessible::queryAccessibleInterface(contents) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() && child->object() == frame()->widget() ? 0 : -1;
    }

  private:
    QMdiSubWindow* frame() const { return static_cast<QMdiSubWindow*>(widget()); }
};

QAccessibleInterface* describeChildWindow(const QString& className, QObject* object) {
    if (className != QLatin1String("QMdiSubWindow")) return nullptr;
    auto* window = qobject_cast<QMdiSubWindow*>(object);
    return window ? new AccessibleChildWindow(window) : nullptr;
}

}  // namespace

void installAccessibleChildWindows() {
    static const bool installed = [] {
        QAccessible::installFactory(describeChildWindow);
        return true;
    }();
    (void)installed;
}

}  // namespace zq61::gui
