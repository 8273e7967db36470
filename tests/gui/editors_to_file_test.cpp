// SPDX-License-Identifier: GPL-3.0-or-later
// Edits made through the editor windows reach the saved .dat file, and
// nothing else in it changes: a channel field in the channel edit window, an
// option and the common channel in the optional features window, a DTMF
// code, a tone tip step and a key assignment, saved with Save As.
//
// With ZQ61_E2E_OUT set, the original file, the edited file and a list of the
// edited fields (expected-changes.txt) are left in that folder for the
// end-to-end script that writes both files into virtual radios.

#include <QDir>
#include <QTabWidget>
#include <QtTest>
#include <utility>
#include <vector>

#include "channel_window_support.h"
#include "editors/channel_edit_window.h"
#include "editors/dtmf_code_box.h"
#include "editors/dtmf_window.h"
#include "editors/key_window.h"
#include "editors/options_window.h"
#include "editors/tone_preview_player.h"
#include "editors/tone_tips_window.h"
#include "model/dat_layout.h"

using namespace zq61;
using namespace zq61::test;

namespace {

// A byte range of the .dat file that an edit may change, and the line that
// names the edited field for the end-to-end script.
struct EditedField {
    std::size_t offset, size;
    QString name;
};

// Opens a window through its Edit menu item.
QWidget* openFromMenu(gui::MainWindow& main, const char* item, const char* window) {
    QAction* menuItem = action(main, item);
    if (!menuItem) return nullptr;
    menuItem->trigger();
    return main.findWindow(window);
}

}  // namespace

class EditorsToFileTest : public QObject {
    Q_OBJECT
  private slots:
    void editsChangeTheSavedFileInTheirFieldsOnly() {
        QTemporaryDir temp;
        const QString out = qEnvironmentVariableIsEmpty("ZQ61_E2E_OUT")
                                ? temp.path()
                                : qEnvironmentVariable("ZQ61_E2E_OUT");
        QVERIFY(QDir().mkpath(out));
        const QString original = out + "/original.dat", edited = out + "/edited.dat";
        QFile::remove(original);
        QFile::remove(edited);

        // The new HAM document with its channel 1 private, saved and opened again.
        ChannelRun c;
        QCOMPARE(c.doc().BandMode, 2);
        c.record(1).Public = 0;
        c.record(1).OffSetFre = 100;
        c.r.dialogs.saveAnswers = {original};
        QVERIFY(c.main.saveAs());
        c.main.openFile(original);
        c.reopen();
        QCOMPARE(c.cell(1, 1), QString("28.85000"));
        const int channelIndex = findChannel(c.doc(), 1);
        QVERIFY(channelIndex >= 0);

        std::vector<EditedField> fields;
        const auto field = [&fields](std::size_t offset, std::size_t size, const QString& name) {
            fields.push_back({offset, size, name});
        };

        // Channel 1's offset, from the edit window opened on the grid's row.
        c.enter(1, 7);
        auto* edit = qobject_cast<gui::FrmCHInfoEdit*>(c.main.findWindow(gui::win::kChannelEdit));
        QVERIFY(edit);
        typeAndLeave(c.main, edit->findChild<QLineEdit*>("Text2"), "250");
        QCOMPARE(c.record(1).OffSetFre, 250);
        field(
            dat::kChannels + dat::kChannelRecordSize * std::size_t(channelIndex) + dat::kOffSetFre,
            2, "channel 1 OffSetFre");

        // Option item 5 (volume) and the common channel's offset.
        QWidget* options = openFromMenu(c.main, "mnuOptFeature", gui::win::kOptFeatures);
        QVERIFY(qobject_cast<gui::FrmOptFeatures*>(options));
        stepByKeyboard(options->findChild<QComboBox*>("Combo1_5"));
        field(dat::kOptItem2 + 2 * (5 - 2), 2, "option 5 OptItem");
        const int16_t oldOffset = c.doc().WorkData.FeatChannel.OffSetFre;
        typeAndLeave(c.main, options->findChild<QLineEdit*>("Text2"),
                     oldOffset == 300 ? "400" : "300");
        QVERIFY(c.doc().WorkData.FeatChannel.OffSetFre != oldOffset);
        field(dat::kFeatChannel + dat::kOffSetFre, 2, "common-channel 0 OffSetFre");

        // DTMF code 2 typed from the keyboard.
        auto* dtmf =
            qobject_cast<gui::DtmfWindow*>(openFromMenu(c.main, "MnuDTMF", gui::win::kDtmf));
        QVERIFY(dtmf);
        gui::DtmfCodeBox* code = dtmf->codeBox(2);
        for (int tab = 0; tab < dtmf->tabs()->count(); ++tab)
            if (dtmf->tabs()->widget(tab)->isAncestorOf(code)) dtmf->tabs()->setCurrentIndex(tab);
        code->setFocus();
        code->clear();
        QTest::keyClicks(code, "1a*#9");
        QCOMPARE(code->text(), QString("1A*#9"));
        field(dat::kDtmfCodes + dat::kDtmfCodeSize * 1, dat::kDtmfCodeSize, "dtmf-code 2 Code");

        // The pitch of tone tip 3's first step.
        auto* tips = qobject_cast<gui::ToneTipsWindow*>(
            openFromMenu(c.main, "mnuToneTips", gui::win::kToneTips));
        QVERIFY(tips);
        tips->player()->setSilent(true);
        tips->tabs()->setCurrentIndex(2);
        stepByKeyboard(tips->pitchList(0));
        field(dat::kToneTips + dat::kToneTipSize * 2, 2, "tone-tip 3 Pitch");

        // Key P3 of key mode 2.
        auto* keys = qobject_cast<gui::KeyWindow*>(openFromMenu(c.main, "MnuKey", gui::win::kKeys));
        QVERIFY(keys);
        stepByKeyboard(keys->functionList(1, 2));
        field(dat::kKeyFunctions + 2 * 8, 2, "key 9 KeyFunctions");

        c.r.dialogs.saveAnswers = {edited};
        QVERIFY(c.main.saveAs());
        QVERIFY(c.r.prompter.shown.empty());

        // The files differ in every edited field and nowhere else.
        const QByteArray before = fileBytes(original), after = fileBytes(edited);
        QCOMPARE(before.size(), qsizetype(dat::kFileSize));
        QCOMPARE(after.size(), qsizetype(dat::kFileSize));
        const auto edits = [&fields](std::size_t at) {
            for (const EditedField& f : fields)
                if (at >= f.offset && at < f.offset + f.size) return true;
            return false;
        };
        for (std::size_t at = 0; at < dat::kFileSize; ++at)
            if (before[qsizetype(at)] != after[qsizetype(at)])
                QVERIFY2(edits(at), qPrintable(QString("byte %1 changed").arg(at)));
        for (const EditedField& f : fields)
            QVERIFY2(before.mid(qsizetype(f.offset), qsizetype(f.size)) !=
                         after.mid(qsizetype(f.offset), qsizetype(f.size)),
                     qPrintable(f.name + " did not change"));

        QFile list(out + "/expected-changes.txt");
        QVERIFY(list.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text));
        for (const EditedField& f : fields)
            list.write((f.name + "\n").toUtf8());
    }
};

ZQ61_GUI_TEST(EditorsToFileTest)
#include "editors_to_file_test.moc"
