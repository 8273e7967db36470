// SPDX-License-Identifier: GPL-3.0-or-later
// The language dialog with the change it brings to the open windows, and the
// model information dialog switching the band mode.

#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "app/language_dialog.h"
#include "app/model_info_dialog.h"
#include "app/navigation_pane.h"
#include "gui_test_support.h"
#include "model/document_copies.h"
#include "model/text_ids.h"

using namespace zq61;
using namespace zq61::test;

namespace {

// Answers a modal dialog: picks `index` in its list `list`, presses `button`.
std::function<int(QDialog&)> pick(const char* list, int index, const char* button) {
    return [=](QDialog& d) {
        d.findChild<QComboBox*>(list)->setCurrentIndex(index);
        d.findChild<QPushButton*>(button)->click();
        return d.result();
    };
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void languageChangeReopensOnlyTheChannelWindow() {
        GuiRun r;
        gui::MainWindow& main = r.start();
        main.showWindowOnce("FrmDTMF");
        main.showWindowOnce("FrmKey");
        const QString englishFile = action(main, "mnuFile")->text();
        // The dialog opens on the current language, captioned in it.
        const QStringList english = {r.ctx().text(txt::kLangCaption),
                                     r.ctx().text(txt::kLangEnglish), r.ctx().text(txt::kOk)};
        QStringList shown;
        r.answerDialog = [&](QDialog& d) {
            shown << d.windowTitle() << d.findChild<QComboBox*>("Combo1")->currentText()
                  << d.findChild<QPushButton*>("CommandOK")->text();
            return pick("Combo1", 1, "CommandOK")(d);
        };
        action(main, "mnuLanguage")->trigger();
        QCOMPARE(shown, english);

        QCOMPARE(r.ctx().settings.ShownLanguage, 2);
        QCOMPARE(r.install.setupValue("CurrentLanguage"), QString("2"));
        QCOMPARE(main.openWindowNames(), QStringList{"frmCommChInfo"});
        QVERIFY(action(main, "mnuFile")->text() != englishFile);
        QCOMPARE(action(main, "mnuFile")->text(), r.ctx().text(txt::kMenuFile));
        QCOMPARE(main.navigationPane()->tree()->topLevelItem(0)->child(0)->text(0),
                 r.ctx().text(txt::kNodeChannels));
    }

    void sameLanguageOrCancelKeepsTheWindows() {
        GuiRun r(setupIni(1));
        gui::MainWindow& main = r.start();
        main.showWindowOnce("FrmDTMF");
        r.install.write("language/mysetup.ini", "[language]\nIsFirstRun=0\ncomPort=1\n");
        r.answerDialog = pick("Combo1", 0, "CommandOK");
        action(main, "mnuLanguage")->trigger();
        QCOMPARE(r.install.setupValue("CurrentLanguage"), QString("1"));  // written all the same
        r.answerDialog = pick("Combo1", 1, "CommandCancel");
        action(main, "mnuLanguage")->trigger();
        QCOMPARE(r.ctx().settings.CurrentLanguage, 1);
        QCOMPARE(main.openWindowNames(), (QStringList{"frmCommChInfo", "FrmDTMF"}));
    }

    void modelDialogSwitchesTheBandMode_data() {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("warningAnswer");
        QTest::addColumn<int>("bandMode");
        QTest::newRow("OK without a change") << 2 << -1 << 2;
        QTest::newRow("CB, confirmed") << 0 << int(PromptAnswer::Ok) << 0;
        QTest::newRow("HF, confirmation cancelled") << 1 << int(PromptAnswer::Cancel) << 2;
    }
    void modelDialogSwitchesTheBandMode() {
        QFETCH(int, chosen);
        QFETCH(int, warningAnswer);
        QFETCH(int, bandMode);
        GuiRun r;
        gui::MainWindow& main = r.start();
        main.showWindowOnce("FrmKey");
        r.changeDocument();  // the band change never asks to save
        if (warningAnswer >= 0) r.prompter.answers = {static_cast<PromptAnswer>(warningAnswer)};
        QStringList shownLists;
        r.answerDialog = [&](QDialog& d) {
            for (const char* name : {"Combo1", "Combo3", "Combo2"})
                shownLists << d.findChild<QComboBox*>(name)->currentText();
            return pick("Combo3", chosen, "CommandOK")(d);
        };
        action(main, "mnuModelInfo")->trigger();

        QCOMPARE(shownLists, (QStringList{"ZQ-61", "HAM", "28.000 - 29.700 MHz"}));
        QCOMPARE(r.prompter.shown.size(), size_t(warningAnswer >= 0 ? 1 : 0));
        if (warningAnswer >= 0) {
            QCOMPARE(r.prompter.shown[0].text, r.ctx().texts.text(txt::kBandChangeDiscards));
            QCOMPARE(r.prompter.shown[0].title, r.ctx().texts.text(txt::kBandChangeTitle));
        }
        const bool switched = bandMode != 2;
        QCOMPARE(main.newDocTimer()->isActive(), switched);
        r.waitForNewDocument();
        const Document& doc = r.doc();
        QCOMPARE(doc.BandMode, bandMode);
        QCOMPARE(isChanged(doc), !switched);
        if (!switched) {
            QCOMPARE(main.openWindowNames(), (QStringList{"frmCommChInfo", "FrmKey"}));
            return;
        }
        QCOMPARE(doc.BandRangeText, std::string("26.965 - 27.405 MHz"));
        QCOMPARE(doc.BandLowMHz, 26.965);
        QCOMPARE(doc.BandHighMHz, 27.405);
        QCOMPARE(doc.WorkData.Header.HeaderBandMode, 0);
        QCOMPARE(doc.Info.BandMode, 0);
        QCOMPARE(main.openWindowNames(), QStringList{"frmCommChInfo"});
        QVERIFY(main.windowTitle().contains("[ZQ-61:CB:Frequency]"));
    }
};

ZQ61_GUI_TEST(DialogsTest)
#include "dialogs_test.moc"
