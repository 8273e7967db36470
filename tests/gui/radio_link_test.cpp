// SPDX-License-Identifier: GPL-3.0-or-later
// The radio link of the window program against the virtual radio on a
// pseudo-terminal: read, write, password, identity refusals, cancel, the
// failure prompt's restart, the information window and the port dialog.

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>

#include "app/window_names.h"
#include "gui_test_support.h"
#include "link/engine/memory_map.h"
#include "link/engine/radio_info.h"
#include "link/qt/qt_serial_link.h"
#include "link/windows/password_dialog.h"
#include "link/windows/port_dialog.h"
#include "link/windows/port_problem.h"
#include "link/windows/progress_window.h"
#include "link/windows/radio_link.h"
#include "model/text_ids.h"
#include "radio_link_support.h"
#include "support/pseudo_terminal.h"

namespace zq61::test {

namespace {

// A serial line whose radio never answers.
class SilentLine : public PseudoTerminal {
  public:
    QString path() const { return QString::fromStdString(slavePath()); }
};

// Lets a test look at the windows while a question is up.
class WatchingPrompter : public ScriptedPrompter {
  public:
    std::function<void(const Prompt&)> onQuestion;
    PromptAnswer okCancel(const Prompt& p) override {
        if (onQuestion) onQuestion(p);
        return ScriptedPrompter::okCancel(p);
    }
};

// Records every value of the progress window's bar, from the moment the
// window is there.
struct ProgressWatch {
    explicit ProgressWatch(gui::RadioLink& link) {
        timer.setInterval(1);
        QObject::connect(&timer, &QTimer::timeout, [this, &link] {
            auto* w = link.progressWindow();
            if (!w || w == watched) return;
            watched = w;
            auto* bar = w->findChild<QProgressBar*>("ProgressBar1");
            highest = std::max(highest, bar->value());
            QObject::connect(bar, &QProgressBar::valueChanged, &timer,
                             [this](int v) { highest = std::max(highest, v); });
        });
        timer.start();
    }
    QTimer timer;
    QPointer<gui::FrmProgress> watched;
    int highest = -1;
};

}  // namespace

class RadioLinkTest : public QObject {
    Q_OBJECT

  private slots:
    // A read replaces the document with the radio's memory, shows it as a
    // new untitled document with its channel window; the bar reaches 100.
    void readFillsDocument() {
        LinkRun run;
        Document& doc = run.gui.doc();
        const int16_t before = doc.WorkData.Options.MaxLimit;
        const MemoryBytes image = radioImage(doc);
        SimRadio radio({}, bytesOf(image));
        run.usePort(radio.port());
        run.gui.main().closeWindowsNamed(gui::win::kChannels);
        ProgressWatch watch(*run.link);
        run.command("mnuReadFromRadio");
        run.waitIdle();
        QVERIFY(run.gui.prompter.showed(txt::kConfirmRead));
        QVERIFY(run.gui.prompter.showed(txt::kReadDone));
        QCOMPARE(bytesOf(run.link->engine().memoryImage()), bytesOf(image));
        QCOMPARE(doc.WorkData.Options.MaxLimit, before + 7);
        QCOMPARE(packed(doc), bytesOf(image));
        QCOMPARE(QString::fromStdString(doc.DataFileName), QString("new.dat"));
        QVERIFY(doc.IsUntitled);
        QVERIFY(run.gui.main().findWindow(gui::win::kChannels));
        QCOMPARE(watch.highest, 100);
        QVERIFY(!run.link->progressWindow());
    }

    // A write leaves the radio holding the packed document; a radio without
    // CTCSS/DCS is warned about once and written; a radio of another band
    // is refused before any frame.
    void writeToRadio_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("written");
        QTest::newRow("no tone feature") << QStringList{"--no-ctcss"} << true;
        QTest::newRow("other band") << QStringList{"--band", "cb"} << false;
    }
    void writeToRadio() {
        QFETCH(QStringList, args);
        QFETCH(bool, written);
        LinkRun run;
        const QByteArray blank(int(MemoryBytes{}.size()), '\0');
        SimRadio radio(args, blank);
        run.usePort(radio.port());
        run.command("mnuWriteToRadio");
        run.waitIdle();
        const QByteArray held = radio.stop();
        QCOMPARE(run.gui.prompter.showed(txt::kWriteDone), written);
        if (written) {
            QCOMPARE(run.count(FixedText::NoToneFeature), 1);
            QCOMPARE(held, packed(run.gui.doc()));
        } else {
            QVERIFY(run.gui.prompter.showed(txt::kOtherBandOrVersion));
            QCOMPARE(held, blank);
        }
    }

    // The password dialog comes only for a protected radio whose password
    // was not entered before; the right one lets the read go on to the
    // blocks, Cancel without one (or a wrong letter case) ends it with
    // "PassWord Failure!" and changes nothing.
    void password_data() {
        QTest::addColumn<QString>("radioPassword");
        QTest::addColumn<QString>("enteredBefore");  // through the menu's dialog
        QTest::addColumn<QString>("answer");         // "<cancel>": Cancel
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("read");
        QTest::newRow("unprotected") << ""
                                     << ""
                                     << "<cancel>" << false << true;
        QTest::newRow("right password") << "AB12"
                                        << ""
                                        << "AB12" << true << true;
        QTest::newRow("entered before") << "ab"
                                        << "ab"
                                        << "<cancel>" << false << true;
        QTest::newRow("cancel") << "AB12"
                                << ""
                                << "<cancel>" << true << false;
        QTest::newRow("letter case") << "Ab"
                                     << ""
                                     << "ab" << true << false;
    }
    void password() {
        QFETCH(QString, radioPassword);
        QFETCH(QString, enteredBefore);
        QFETCH(QString, answer);
        QFETCH(bool, asked);
        QFETCH(bool, read);
        LinkRun run;
        Document& doc = run.gui.doc();
        const int16_t before = doc.WorkData.Options.MaxLimit;
        QStringList args;
        if (!radioPassword.isEmpty()) args << "--password" << radioPassword;
        SimRadio radio(args, bytesOf(radioImage(doc)));
        run.usePort(radio.port());
        if (!enteredBefore.isEmpty()) {
            run.gui.answerDialog = [&](QDialog& d) {
                auto* box = d.findChild<QLineEdit*>("Text1");
                if (!box || box->echoMode() != QLineEdit::Password || box->maxLength() != 4)
                    return int(QDialog::Rejected);
                QTest::keyClicks(box, enteredBefore + "xyz");  // cut at 4 characters
                // A star for each character typed.
                if (box->displayText() != QString(box->text().size(), '*'))
                    return int(QDialog::Rejected);
                box->setText(box->text().left(enteredBefore.size()));
                d.findChild<QPushButton*>("CommandOK")->click();
                return d.result();
            };
            run.command("MnuProPassWord");
            QCOMPARE(QString::fromStdString(run.link->engine().enteredPassword()), enteredBefore);
        }
        if (answer != "<cancel>") run.gui.prompter.passwords.push_back(answer.toStdString());
        run.command("mnuReadFromRadio");
        // Past the password, the first blocks are enough to know.
        QTRY_VERIFY_WITH_TIMEOUT(
            run.link->engine().snapshot().blockIndex >= 1 || !run.link->engine().isBusy(), 10000);
        const bool passed = run.link->engine().isBusy();
        run.link->engine().cancel();
        run.waitIdle();
        int dialogs = 0;
        for (const auto& r : run.gui.prompter.shown)
            dialogs += r.kind == "password";
        QCOMPARE(dialogs, asked ? 1 : 0);
        QCOMPARE(passed, read);
        QCOMPARE(run.gui.prompter.showed(FixedText::PasswordFailure), !read);
        QCOMPARE(doc.WorkData.Options.MaxLimit, before);
    }

    // Cancel in the progress window ends a read or a write at once; the
    // document, its file name and the open windows stay as they were. A
    // cancelled write says the radio is partly written.
    void cancel_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("escape");  // Esc rather than the Cancel button
        QTest::newRow("read") << "mnuReadFromRadio" << false;
        QTest::newRow("write, Esc") << "mnuWriteToRadio" << true;
    }
    void cancel() {
        QFETCH(QString, command);
        QFETCH(bool, escape);
        LinkRun run;
        Document& doc = run.gui.doc();
        SimRadio radio({"--reply-delay", "3"}, bytesOf(radioImage(doc)));
        run.usePort(radio.port());
        const QByteArray before = packed(doc);
        const std::string fileName = doc.DataFileName;
        const QStringList windows = run.gui.main().openWindowNames();
        run.command(command.toLatin1().constData());
        QTRY_VERIFY_WITH_TIMEOUT(run.link->engine().snapshot().blockIndex >= 20, 20000);
        QVERIFY(run.link->progressWindow());
        if (escape)
            QTest::keyClick(run.link->progressWindow(), Qt::Key_Escape);
        else
            run.link->progressWindow()->findChild<QPushButton*>("CommandCancel")->click();
        run.waitIdle();
        QVERIFY(!run.link->progressWindow());
        QVERIFY(!run.gui.prompter.showed(txt::kReadDone));
        QVERIFY(!run.gui.prompter.showed(txt::kWriteDone));
        QCOMPARE(run.gui.prompter.showed(txt::kWritePartly), command == "mnuWriteToRadio");
        QCOMPARE(packed(doc), before);
        QCOMPARE(doc.DataFileName, fileName);
        QCOMPARE(run.gui.main().openWindowNames(), windows);
    }

    // After the failure prompt's OK the transfer starts again: the bar and
    // its label are back at 0; Cancel ends it, closes the window and leaves
    // the document and the open windows as they were.
    void failurePromptRestartsProgress() {
        WatchingPrompter prompter;  // outlives the run that uses it
        LinkRun run;
        SilentLine line;
        run.usePort(line.path());
        prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok, PromptAnswer::Cancel};
        std::vector<std::pair<int, QString>> seen;
        prompter.onQuestion = [&](const Prompt& p) {
            gui::FrmProgress* w = run.link->progressWindow();
            if (!p.is(txt::kLinkFailed) || !w) return;
            seen.emplace_back(w->progressValue(), w->percentText());
            w->SetProgressValue(37);  // as if blocks had been read
        };
        run.gui.doc().prompter = &prompter;
        const QByteArray before = packed(run.gui.doc());
        const QStringList windows = run.gui.main().openWindowNames();
        run.command("mnuReadFromRadio");
        run.waitIdle();
        QCOMPARE(packed(run.gui.doc()), before);
        QCOMPARE(run.gui.main().openWindowNames(), windows);
        QCOMPARE(int(seen.size()), 2);
        QCOMPARE(seen[1].first, 0);
        QCOMPARE(seen[1].second, QString("0%"));
        QVERIFY(!run.link->progressWindow());
        QVERIFY(!prompter.showed(txt::kReadDone));
    }

    // The information window shows the radio's texts, its band mode and
    // range ("Unknown" and no range for a band mode outside CB, HF, HAM),
    // and a fresh window comes with every command.
    void radioInformation_data() {
        QTest::addColumn<int>("band");
        QTest::addColumn<QString>("bandName");
        QTest::addColumn<QString>("range");
        QTest::newRow("HAM") << 2 << "HAM"
                             << "28.000 - 29.700 MHz";
        QTest::newRow("band 15") << 15 << "Unknown"
                                 << "";
    }
    void radioInformation() {
        QFETCH(int, band);
        QFETCH(QString, bandName);
        QFETCH(QString, range);
        QByteArray info(kInfoSize, char(0xFF));
        info[0] = char(0xF0 | band);
        auto put = [&info](int at, const QByteArray& text) { info.replace(at, text.size(), text); };
        put(44, "A7");
        put(48, "SN-0042");
        put(96, "Antenna loose");
        put(240, "J. Smith");
        SimRadio radio({}, {}, info);
        LinkRun run;
        run.usePort(radio.port());
        QPointer<QWidget> first;
        for (int round = 0; round < 2; ++round) {
            run.command("MnuLocalInfo");
            run.waitIdle();
            QWidget* w = run.gui.main().findWindow(gui::win::kRadioInfo);
            QVERIFY(w);
            QVERIFY(w != first);
            first = w;
        }
        auto text = [&](const char* name) { return first->findChild<QLineEdit*>(name)->text(); };
        QCOMPARE(text("Text1_0"), QString("A7"));
        QCOMPARE(text("Text1_1"), QString("SN-0042"));
        QCOMPARE(text("Text1_2"), QString());
        QCOMPARE(text("Text1_4"), QString("Antenna loose"));
        QCOMPARE(text("Text1_11"), QString("J. Smith"));
        QCOMPARE(first->findChild<QLineEdit*>("Text1_4")->cursorPosition(), 0);
        QCOMPARE(first->findChild<QComboBox*>("Combo3")->currentText(), bandName);
        QCOMPARE(first->findChild<QComboBox*>("Combo1_1")->currentText(), range);
        QVERIFY(first->findChild<QPushButton*>("CommandHelp")->isHidden());
        QCOMPARE(first->findChild<QPushButton*>("CommandClose")->text(), QString("Close"));
        // Every caption stands in the row of the field it names.
        auto* grid = first->findChild<QGridLayout*>();
        QVERIFY(grid);
        for (int i = 0; i < grid->count(); ++i) {
            auto* label = qobject_cast<QLabel*>(grid->itemAt(i)->widget());
            if (!label || !label->buddy()) continue;
            int row, column, rows, columns, buddyRow;
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            grid->getItemPosition(grid->indexOf(label->buddy()), &buddyRow, &column, &rows,
                                  &columns);
            QVERIFY2(row == buddyRow, qPrintable(label->text()));
        }
    }

    // A port that cannot be opened is explained after 9003: the ports that
    // exist, the group to join, or the other program that holds it.
    void portProblem_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("accessible");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<int>("advice");
        QTest::addColumn<QString>("ending");
        QTest::newRow("missing") << false << false << QStringList{"/dev/ttyUSB0", "/dev/ttyS0"}
                                 << int(txt::kPortMissing) << "/dev/ttyUSB0\r\n/dev/ttyS0";
        QTest::newRow("no port at all")
            << false << false << QStringList{} << int(txt::kPortNoneFound) << "";
        QTest::newRow("permission")
            << true << false << QStringList{} << int(txt::kPortNoPermission) << " uucp";
        QTest::newRow("busy") << true << true << QStringList{} << int(txt::kPortBusy) << "";
    }
    void portProblem() {
        QFETCH(bool, exists);
        QFETCH(bool, accessible);
        QFETCH(QStringList, present);
        QFETCH(int, advice);
        QFETCH(QString, ending);
        LinkRun run;
        gui::PortFacts facts{"/dev/ttyUSB1", "No such file", exists, accessible, "uucp", present};
        const QString shown = gui::portProblemText(run.gui.ctx().texts, facts);
        QVERIFY(shown.startsWith(run.gui.ctx().text(txt::kPortError)));
        QVERIFY(shown.contains("/dev/ttyUSB1: No such file"));
        QVERIFY(shown.contains(run.gui.ctx().text(advice)));
        QVERIFY(shown.endsWith(ending));
    }
    // The same through the commands, on ports that are really missing or
    // held by another program; the transfer does not start.
    void portProblemLive() {
        LinkRun run;
        run.link->setPortLister([] { return std::vector<gui::PresentPort>{{"/dev/ttyUSB7", ""}}; });
        run.usePort("/dev/zq61-no-such-port");
        run.command("mnuReadFromRadio");
        SimRadio radio({});
        QtSerialLink other;
        other.setPortName(radio.port());
        QVERIFY(other.open());
        run.usePort(radio.port());
        run.command("MnuLocalInfo");
        run.waitIdle();
        std::vector<std::string> errors;
        for (const auto& r : run.gui.prompter.shown)
            if (r.textId == txt::kPortError) errors.push_back(r.text);
        QCOMPARE(int(errors.size()), 2);
        QVERIFY(QString::fromStdString(errors[0]).endsWith("/dev/ttyUSB7"));
        QVERIFY(QString::fromStdString(errors[1]).endsWith(run.gui.ctx().text(txt::kPortBusy)));
        QVERIFY(!run.gui.prompter.showed(txt::kConfirmRead));
    }

    // The port dialog enables exactly the ports that exist and keeps a
    // selected port that vanished; OK stores a number or a path, and the
    // status bar shows the port.
    void portDialog() {
        LinkRun run;
        run.gui.ctx().settings.ComPortNumber = 5;
        std::vector<gui::PresentPort> present = {
            {"/dev/ttyS0", ""}, {"/dev/ttyS2", ""}, {"/dev/ttyUSB0", "FT232R USB UART, FTDI"}};
        run.link->setPortLister([&present] { return present; });
        std::vector<int> enabled, checked;
        auto look = [&](gui::FrmSetComm& d) {
            enabled.clear();
            checked.clear();
            for (int n = 1; n <= 16; ++n) {
                if (d.portButton(n)->isEnabled()) enabled.push_back(n);
                if (d.portButton(n)->isChecked()) checked.push_back(n);
            }
        };
        QStringList captions;
        run.gui.answerDialog = [&](QDialog& dialog) {
            auto& d = static_cast<gui::FrmSetComm&>(dialog);
            for (const char* name : {"CommandOK", "CommandCancel"})
                captions << d.findChild<QPushButton*>(name)->text();
            look(d);
            if (enabled != std::vector<int>{1, 3} || checked != std::vector<int>{5}) return 0;
            if (d.otherPorts()->count() != 1 || !d.otherPorts()->item(0)->text().contains("FT232R"))
                return 0;
            d.portButton(3)->click();
            present.erase(present.begin() + 1);  // COM3 is unplugged
            d.refreshPorts();                    // what the one-second timer does
            look(d);
            d.findChild<QPushButton*>("CommandOK")->click();
            return d.result();
        };
        run.command("mnuComm");
        QCOMPARE(captions, QStringList({"OK", "Cancel"}));
        QCOMPARE(enabled, std::vector<int>{1});
        QCOMPARE(checked, std::vector<int>{3});
        QCOMPARE(run.gui.install.setupValue("comPort"), QString("3"));

        run.gui.answerDialog = [&](QDialog& dialog) {
            auto& d = static_cast<gui::FrmSetComm&>(dialog);
            QTest::keyClicks(d.pathField(), "/dev/pts/7");
            d.findChild<QPushButton*>("CommandOK")->click();
            return d.result();
        };
        run.command("mnuComm");
        QCOMPARE(run.gui.install.setupValue("portName"), QString("/dev/pts/7"));
        QCOMPARE(run.link->portName(), QString("/dev/pts/7"));
        bool shown = false;
        for (QLabel* l : run.gui.main().statusBar()->findChildren<QLabel*>())
            shown = shown || l->text().endsWith(": /dev/pts/7");
        QVERIFY(shown);

        // The demo's port override is for the run only.
        qputenv(gui::kPortOverrideVariable, "/dev/pts/99");
        QCOMPARE(run.link->portName(), QString("/dev/pts/99"));
        qunsetenv(gui::kPortOverrideVariable);
        QCOMPARE(run.gui.install.setupValue("portName"), QString("/dev/pts/7"));
    }
};

ZQ61_GUI_TEST(RadioLinkTest)

}  // namespace zq61::test

#include "radio_link_test.moc"
