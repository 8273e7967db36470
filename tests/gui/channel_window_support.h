// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A program run with its channel window, and short ways to fill the
// document, pick a group and reach the grid's cells and editors.

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "app/window_names.h"
#include "codec/frequency.h"
#include "editors/channel_grid.h"
#include "editors/channel_window.h"
#include "editors/group_panel.h"
#include "gui_test_support.h"
#include "model/bands.h"
#include "model/channel_list.h"

namespace zq61::test {

struct ChannelRun {
    GuiRun r;
    gui::MainWindow& main;

    ChannelRun() : main(r.start()) {
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
    }

    Document& doc() { return r.doc(); }
    gui::ChannelWindow& win() {
        return *qobject_cast<gui::ChannelWindow*>(main.findWindow(gui::win::kChannels));
    }
    gui::ChannelGrid* grid() { return win().grid(); }
    template <typename T = QComboBox>
    T* child(const char* name) {
        return win().findChild<T*>(name);
    }
    QLineEdit* text1() { return child<QLineEdit>("Text1"); }
    QLineEdit* text2() { return child<QLineEdit>("Text2"); }

    // The document in `mode` without channels; the window opens anew when
    // `reopen` is called.
    void setBand(int mode) {
        Document& d = doc();
        d.BandMode = static_cast<int16_t>(mode);
        d.BandRangeText = bandRangeText(mode);
        const BandLimits limits = bandLimitsFromText(d.BandRangeText);
        d.BandLowMHz = limits.lowMHz;
        d.BandHighMHz = limits.highMHz;
        d.WorkData.ChannelCount = 0;
        d.WorkData.Options.CurGroup = 0;
    }
    void reopen() {
        main.closeWindowsNamed(gui::win::kChannels);
        QVERIFY(main.showWindowOnce(gui::win::kChannels));
    }
    ChannelRecord& add(int chNo, const char* mhz) {
        addChannel(doc(), chNo, mhz);
        return record(chNo);
    }
    ChannelRecord& record(int chNo) {
        const int i = findChannel(doc(), chNo);
        [&] { QVERIFY2(i >= 0, "channel missing"); }();
        return doc().WorkChannels[static_cast<std::size_t>(i < 0 ? 0 : i)];
    }
    bool exists(int chNo) { return findChannel(doc(), chNo) >= 0; }

    void showGroup(int group) { child("ComboGroup")->setCurrentIndex(group); }
    // Grid rows count from 1, as the row numbers show.
    QString cell(int row, int column) { return grid()->item(row - 1, column)->text(); }
    void goTo(int row, int column) { grid()->setCurrentCell(row - 1, column); }
    void enter(int row, int column) {
        goTo(row, column);
        QTest::keyClick(grid(), Qt::Key_Return);
    }
    // The editor that is open over the grid, by name ("" for none).
    QString openEditor() {
        for (const char* name : {"Text1", "Text2", "Combo1", "Combo2", "Combo3", "Combo4"})
            if (!child<QWidget>(name)->isHidden()) return name;
        return {};
    }
};

}  // namespace zq61::test
