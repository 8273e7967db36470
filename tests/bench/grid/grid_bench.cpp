// SPDX-License-Identifier: GPL-3.0-or-later
// How long the channel window takes to show a group: a change to the 80
// rows of "DE" in CB mode, and reShowAllGrid with all 409 channels in HAM
// mode. Prints the median and the maximum of each in milliseconds; the goal
// is below 5 ms each in a Release build.
//
//   QT_QPA_PLATFORM=offscreen zq61_grid_bench [runs]

#include <QApplication>
#include <QComboBox>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "codec/frequency.h"
#include "editors/channel_window.h"
#include "model/bands.h"
#include "model/channel_list.h"
#include "model/document.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace {

using Clock = std::chrono::steady_clock;

void setBand(zq61::Document& doc, int mode) {
    doc.BandMode = static_cast<int16_t>(mode);
    doc.BandRangeText = zq61::bandRangeText(mode);
    const zq61::BandLimits limits = zq61::bandLimitsFromText(doc.BandRangeText);
    doc.BandLowMHz = limits.lowMHz;
    doc.BandHighMHz = limits.highMHz;
    doc.WorkData.ChannelCount = 0;
    doc.WorkData.Options.CurGroup = 0;
}

// Every channel number the band mode uses, in descending order so that each
// lookup walks far.
void fill(zq61::Document& doc) {
    const int mode = doc.BandMode;
    for (int chNo = zq61::kMaxChannels; chNo >= 1; --chNo) {
        if (mode == zq61::kBandCB && chNo > 360 && chNo < zq61::kFirstMemoryChannel) continue;
        const bool cb = mode == zq61::kBandCB;
        const double mhz = (cb ? 26.965 : 28.0) + (chNo % 80) * 0.005;
        zq61::addChannel(doc, chNo, std::to_string(mhz));
    }
}

struct Figures {
    double median = 0, max = 0;
};

Figures measure(int runs, const std::function<void()>& prepare, const std::function<void()>& op) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QCoreApplication::processEvents();  // painting is not part of the refresh
        const auto t0 = Clock::now();
        op();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

void print(const char* name, const Figures& f) {
    std::printf("%-40s median %7.3f ms   max %7.3f ms\n", name, f.median, f.max);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    zq61::test::ScriptedPrompter prompter;
    zq61::test::TableTexts texts;

    {
        zq61::Document doc(prompter, texts);
        setBand(doc, zq61::kBandCB);
        fill(doc);
        zq61::gui::ChannelWindow window(doc);
        window.show();
        auto* groups = window.findChild<QComboBox*>("ComboGroup");
        constexpr int kEU = 0, kDE = 6;
        print("group change to \"DE\" (80 rows, CB)",
              measure(
                  runs, [&] { groups->setCurrentIndex(kEU); },
                  [&] { groups->setCurrentIndex(kDE); }));
        print("reShowAllGrid of \"DE\" (CB)", measure(
                                                  runs, [] {}, [&] { window.reShowAllGrid(); }));
    }
    {
        zq61::Document doc(prompter, texts);
        setBand(doc, zq61::kBandHAM);
        fill(doc);
        zq61::gui::ChannelWindow window(doc);
        window.show();
        print("reShowAllGrid, 409 channels (HAM, \"A\")",
              measure(
                  runs, [] {}, [&] { window.reShowAllGrid(); }));
        auto* groups = window.findChild<QComboBox*>("ComboGroup");
        print("group change \"A\" -> \"B\" (HAM)",
              measure(
                  runs, [&] { groups->setCurrentIndex(0); }, [&] { groups->setCurrentIndex(1); }));
    }
    if (!prompter.shown.empty()) std::printf("note: %zu messages shown\n", prompter.shown.size());
    return 0;
}
