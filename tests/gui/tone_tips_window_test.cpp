// SPDX-License-Identifier: GPL-3.0-or-later
// The tone tips window: what the lists show and store, the bar graph as
// painted, the preview's sounds, Stop, and closing while a tip plays.

#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QtTest>

#include "app/twips.h"
#include "editors/tone_preview_player.h"
#include "editors/tone_tip_graph.h"
#include "editors/tone_tips_window.h"
#include "model/text_ids.h"
#include "settings_window_support.h"

using namespace zq61;
using namespace zq61::test;

namespace {

ToneTip& tipOf(Document& doc, int k) {
    return doc.WorkData.ToneTips.Tips[static_cast<std::size_t>(k - 1)];
}

// Tip k holds these steps (pitch, length) and nothing else.
void setTip(Document& doc, int k, std::initializer_list<std::pair<int, int>> steps, int count = 1,
            int pause = 0) {
    ToneTip& tip = tipOf(doc, k);
    tip = ToneTip{};
    std::size_t j = 0;
    for (auto [pitch, length] : steps)
        tip.Steps[j++] = {static_cast<int16_t>(pitch), static_cast<int16_t>(length)};
    tip.Count = static_cast<int16_t>(count);
    tip.Pause = static_cast<int16_t>(pause);
}

struct ToneRun : SettingsRun {
    gui::ToneTipsWindow& open(int tip = 1) {
        auto& w = SettingsRun::open<gui::ToneTipsWindow>(gui::win::kToneTips);
        w.player()->setSilent(true);
        w.tabs()->setCurrentIndex(tip - 1);
        return w;
    }
};

}  // namespace

class ToneTipsWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void pitchListsShowOfferedPitchesOnly_data() {
        QTest::addColumn<int>("pitch");
        QTest::addColumn<QString>("shown");  // "-" for the silence text
        QTest::newRow("400 Hz") << 40 << "400";
        QTest::newRow("2550 Hz") << 255 << "2550";
        QTest::newRow("200 Hz") << 20 << "-";
        QTest::newRow("silence") << 0 << "-";
        QTest::newRow("above the list") << 300 << "-";
    }
    void pitchListsShowOfferedPitchesOnly() {
        QFETCH(int, pitch);
        QFETCH(QString, shown);
        ToneRun s;
        setTip(s.doc(), 2, {{50, 5}, {pitch, 5}});
        auto& w = s.open(2);
        const QString silence = s.r.ctx().text(txt::kTipSilence);
        QCOMPARE(w.pitchList(1)->currentText(), shown == "-" ? silence : shown);
        QCOMPARE(tipOf(s.doc(), 2).Steps[1].Pitch, pitch);  // showing stores nothing
    }

    void choicesStoreIntoTheShownTip() {
        ToneRun s;
        setTip(s.doc(), 1, {{50, 5}});
        setTip(s.doc(), 4, {{60, 7}}, 3, 9);
        auto& w = s.open(4);
        QCOMPARE(w.countList()->currentIndex(), 3);
        QCOMPARE(w.pauseList()->currentText(), QString("90"));
        QCOMPARE(w.lengthList(0)->currentText(), QString("70"));
        w.pitchList(0)->setCurrentIndex(w.pitchList(0)->findText("2550"));
        w.lengthList(2)->setCurrentIndex(w.lengthList(2)->findText("2550"));
        w.pauseList()->setCurrentIndex(w.pauseList()->findText("2550"));
        w.pitchList(1)->setCurrentIndex(0);
        const ToneTip& tip = tipOf(s.doc(), 4);
        QCOMPARE(tip.Steps[0].Pitch, 255);
        QCOMPARE(tip.Steps[2].Duration, 255);
        QCOMPARE(tip.Pause, 255);
        QCOMPARE(tip.Steps[1].Pitch, 0);
        QCOMPARE(tipOf(s.doc(), 1).Steps[0].Pitch, 50);  // the other tips stay
    }

    void unusableTipsAreNoLongerReferred() {
        ToneRun s;
        Document& doc = s.doc();
        setTip(doc, 3, {{50, 5}});
        doc.WorkData.ChannelCount = 2;
        doc.WorkChannels[0].RBTone = 3;
        doc.WorkChannels[1].RBTone = 1;
        doc.WorkData.FeatChannel.RBTone = 3;
        s.openObserver();
        auto& w = s.open(3);
        w.countList()->setCurrentIndex(0);
        QCOMPARE(tipOf(doc, 3).Count, 0);
        QCOMPARE(doc.WorkChannels[0].RBTone, 0);
        QCOMPARE(doc.WorkData.FeatChannel.RBTone, 0);
        QCOMPARE(doc.WorkChannels[1].RBTone, 1);
        QCOMPARE(s.calls, (std::vector<std::string>{"ShowRB", "ShowRBOpt"}));

        // The last length going to 0 does the same for tip 3 once usable again.
        w.countList()->setCurrentIndex(1);
        doc.WorkChannels[0].RBTone = 3;
        w.lengthList(0)->setCurrentIndex(0);
        QCOMPARE(doc.WorkChannels[0].RBTone, 0);
    }

    void graphPaintsTheBarsOfTheTip() {
        ToneRun s;
        setTip(s.doc(), 1, {{128, 10}, {255, 10}, {0, 0}, {200, 20}});
        auto& w = s.open(1);
        gui::ToneTipGraph* graph = w.graph();
        graph->resize(400, 150);
        const QImage picture = graph->grab().toImage();
        // Three bars across the width less a 50-twip margin on each side, as
        // high as pitch / 256 of the height less the margins.
        const double tpp = gui::twipsPerPixel(graph);
        const double W = std::round(400 * tpp - 100), H = std::round(150 * tpp - 100);
        const double bottom = 150 * tpp - 50;
        struct Bar {
            double from, to, pitch;
            QColor colour;
        };
        const Bar bars[] = {{50, 50 + W / 4, 128, Qt::red},
                            {50 + W / 4, 50 + W / 2, 255, Qt::blue},
                            {50 + W / 2, 50 + W, 200, Qt::blue}};  // step 4: even
        for (const Bar& b : bars) {
            const int x = static_cast<int>((b.from + b.to) / 2 / tpp);
            const double top = bottom - b.pitch * H / 256;
            const int inside = static_cast<int>((bottom + top) / 2 / tpp);
            const int above = static_cast<int>(top / tpp) - 3;
            QCOMPARE(picture.pixelColor(x, inside), b.colour);
            QCOMPARE(picture.pixelColor(x, above), QColor(Qt::white));
        }
        // The margins stay empty.
        QCOMPARE(picture.pixelColor(1, 140), QColor(Qt::white));
        QCOMPARE(picture.pixelColor(398, 140), QColor(Qt::white));

        // A change redraws at once; a tip without lengths draws nothing.
        w.lengthList(3)->setCurrentIndex(0);
        w.lengthList(1)->setCurrentIndex(0);
        w.lengthList(0)->setCurrentIndex(0);
        QVERIFY(graph->bars().empty());
        const QImage empty = graph->grab().toImage();
        QCOMPARE(empty.pixelColor(200, 140), QColor(Qt::white));
    }

    void tipWithoutLengthsDoesNotPlay() {
        ToneRun s;
        setTip(s.doc(), 5, {{100, 0}, {200, 0}}, 3);
        auto& w = s.open(5);
        QSignalSpy sounds(w.player(), &gui::TonePreviewPlayer::soundStarted);
        w.playButton()->click();
        QVERIFY(w.playButton()->isEnabled());
        QVERIFY(!w.player()->isPlaying());
        QCOMPARE(sounds.count(), 0);
    }

    void previewPlaysEveryStepAndThePause() {
        ToneRun s;
        // 200 Hz is not offered by the lists but plays; 40 Hz is silent.
        setTip(s.doc(), 1, {{20, 1}, {4, 1}, {0, 0}, {100, 2}}, 2, 3);
        auto& w = s.open(1);
        QSignalSpy sounds(w.player(), &gui::TonePreviewPlayer::soundStarted);
        QSignalSpy done(w.player(), &gui::TonePreviewPlayer::finished);
        w.playButton()->click();
        QVERIFY(!w.playButton()->isEnabled());
        QVERIFY(done.wait(2000));
        QVERIFY(w.playButton()->isEnabled());
        QList<QVariantList> expected;
        for (int r = 0; r < 2; ++r)
            expected << QVariantList{200, 10, false} << QVariantList{0, 10, false}
                     << QVariantList{1000, 20, false} << QVariantList{0, 30, true};
        QCOMPARE(QList<QVariantList>(sounds), expected);
    }

    void stopEndsAfterTheCurrentTone() {
        ToneRun s;
        setTip(s.doc(), 1, {{100, 20}, {200, 20}, {300, 20}}, 5);
        auto& w = s.open(1);
        QSignalSpy sounds(w.player(), &gui::TonePreviewPlayer::soundStarted);
        QSignalSpy done(w.player(), &gui::TonePreviewPlayer::finished);
        w.playButton()->click();
        QCOMPARE(sounds.count(), 1);
        w.stopButton()->click();
        QVERIFY(w.playButton()->isEnabled());
        QVERIFY(w.player()->isPlaying());  // the first tone plays to its end
        QVERIFY(done.wait(2000));
        QCOMPARE(sounds.count(), 1);
        QVERIFY(!w.player()->isPlaying());
    }

    void closingOrReplacingTheDocumentEndsThePreview() {
        for (bool newDocument : {false, true}) {
            ToneRun s;
            setTip(s.doc(), 1, {{100, 100}, {200, 100}}, 10);
            auto& w = s.open(1);
            QPointer<gui::TonePreviewPlayer> player = w.player();
            w.playButton()->click();
            QVERIFY(player->isPlaying());
            if (newDocument)
                s.main.CloseCurAllWindows();
            else
                s.main.closeWindowsNamed(gui::win::kToneTips);
            QTRY_VERIFY(player.isNull());
            QTest::qWait(50);  // no timer of the old window fires any more
            QVERIFY(!s.main.findWindow(gui::win::kToneTips));
        }
    }
};

ZQ61_GUI_TEST(ToneTipsWindowTest)
#include "tone_tips_window_test.moc"
