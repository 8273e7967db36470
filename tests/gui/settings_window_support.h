// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A program run for the settings editors (keys, DTMF, tone tips): opens one
// of them over the document as it is at that moment, and counts the
// redisplay calls that reach the other open windows.

#include <QComboBox>
#include <QtTest>
#include <string>
#include <vector>

#include "app/window_names.h"
#include "gui_test_support.h"
#include "model/document_observer.h"

namespace zq61::test {

// Stands in for the channel edit window: records the redisplay calls.
class ObservingWindow : public QWidget, public DocumentObserver {
  public:
    std::vector<std::string>* calls;
    explicit ObservingWindow(std::vector<std::string>* c) : calls(c) {}
    void ShowRB() override { calls->push_back("ShowRB"); }
    void ShowRBOpt() override { calls->push_back("ShowRBOpt"); }
    void RefreshDtmfLists() override { calls->push_back("RefreshDtmfLists"); }
};

struct SettingsRun {
    GuiRun r;
    gui::MainWindow& main;
    std::vector<std::string> calls;

    SettingsRun() : main(r.start()) {
        r.ctx().windows.set(gui::win::kChannelEdit,
                            [this](gui::MainWindow&) { return new ObservingWindow(&calls); });
        main.show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(&main)); }();
    }
    Document& doc() { return r.doc(); }

    // Opens the window `name` (closing it first) and returns it.
    template <typename Window>
    Window& open(const char* name) {
        main.closeWindowsNamed(name);
        auto* w = qobject_cast<Window*>(main.showWindowOnce(name));
        [&] { QVERIFY2(w, name); }();
        return *w;
    }
    void openObserver() { main.showWindowOnce(gui::win::kChannelEdit); }
};

}  // namespace zq61::test
