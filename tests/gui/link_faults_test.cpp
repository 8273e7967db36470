// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's transfers when the link breaks, against the virtual
// radio: reads and writes through the progress window over radios that
// drop, delay, damage and refuse answers (a few seeds each), and a cable
// pulled out during a read, a write, the read-back of a verify and a
// comparison.

#include <QElapsedTimer>

#include "app/window_names.h"
#include "model/text_ids.h"
#include "platform/user_preferences.h"
#include "radio_link_support.h"

namespace zq61::test {

namespace {

// Working and file copy, as a read that fails must leave them.
struct DocumentState {
    RadioData work, file;
    ChannelArray workChannels, fileChannels;
    explicit DocumentState(const Document& d)
        : work(d.WorkData),
          file(d.FileData),
          workChannels(d.WorkChannels),
          fileChannels(d.FileChannels) {}
    bool operator==(const DocumentState&) const = default;
};

}  // namespace

class LinkFaultsTest : public QObject {
    Q_OBJECT

  private slots:
    // Over radios that drop, delay, damage and refuse answers (a few seeds,
    // kept few for time), every transfer ends (done, or the failure prompt
    // answered Cancel), the progress window does not stay, a read gives the
    // document exactly the radio's image or leaves it alone, a write that is
    // done put exactly the document into the radio; afterwards a transfer
    // over a sound link works in the same program.
    void transfersUnderFaults() {
        LinkRun run;
        Document& doc = run.gui.doc();
        const MemoryBytes image = radioImage(doc);
        run.gui.prompter.defaultAnswer = PromptAnswer::Cancel;
        const std::pair<const char*, int> radios[] = {{"0.003", 1}, {"0.003", 2}, {"0.3", 4}};
        for (const auto& [rate, seed] : radios) {
            const QByteArray tag =
                QByteArray("faults ") + rate + ", seed " + QByteArray::number(seed);
            SimRadio radio({"--faults", rate, "--seed", QString::number(seed)}, bytesOf(image));
            run.usePort(radio.port());

            const DocumentState before(doc);
            run.gui.prompter.shown.clear();
            run.gui.prompter.answers = {PromptAnswer::Ok};  // the confirmation
            run.command("mnuReadFromRadio");
            run.waitIdle();
            QVERIFY2(!run.link->progressWindow(), tag);
            if (run.gui.prompter.showed(txt::kReadDone))
                QVERIFY2(packed(doc) == bytesOf(image), tag);
            else
                QVERIFY2(DocumentState(doc) == before && run.gui.prompter.showed(txt::kLinkFailed),
                         tag);

            run.gui.prompter.shown.clear();
            run.gui.prompter.answers = {PromptAnswer::Ok};
            const QByteArray written = packed(doc);
            run.command("mnuWriteToRadio");
            run.waitIdle();
            QVERIFY2(!run.link->progressWindow(), tag);
            const bool writeDone = run.gui.prompter.showed(txt::kWriteDone);
            const QByteArray held = radio.stop();
            if (writeDone) QVERIFY2(held == written, tag);
            if (!writeDone) QVERIFY2(run.gui.prompter.showed(txt::kLinkFailed), tag);
        }
        SimRadio sound({}, bytesOf(image));
        run.usePort(sound.port());
        run.gui.prompter.shown.clear();
        run.gui.prompter.answers = {PromptAnswer::Ok};
        run.command("mnuReadFromRadio");
        run.waitIdle();
        QVERIFY(run.gui.prompter.showed(txt::kReadDone));
        QCOMPARE(packed(doc), bytesOf(image));
    }

    // The device goes away mid-transfer: the transfer ends at once (no
    // time-outs, no failure prompt) with the port and the system's reason;
    // a write says the radio is partly written; the document stays.
    void pulledCable_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("vanishAfter");  // answers the radio gives first
        QTest::addColumn<bool>("partlyWritten");
        QTest::addColumn<int>("alsoShown");  // what the command says on top
        QTest::newRow("read") << "mnuReadFromRadio" << 120 << false << 0;
        QTest::newRow("write") << "mnuWriteToRadio" << 120 << true << 0;
        // A write is 468 answers (handshake, identify, protection block, 464
        // frames, end); its read-back breaks off.
        QTest::newRow("verify") << "mnuWriteToRadio" << 600 << false << int(txt::kVerifyNoReadBack);
        QTest::newRow("compare") << "mnuFileCompareRadio" << 120 << false << 0;
    }
    void pulledCable() {
        QFETCH(QString, command);
        QFETCH(int, vanishAfter);
        QFETCH(bool, partlyWritten);
        QFETCH(int, alsoShown);
        LinkRun run;
        Document& doc = run.gui.doc();
        const bool verify = command == "mnuWriteToRadio" && alsoShown != 0;
        if (verify) QVERIFY(!setVerifyAfterWrite(true));
        SimRadio radio({"--vanish-after", QString::number(vanishAfter)}, bytesOf(radioImage(doc)));
        run.usePort(radio.port());
        const DocumentState before(doc);
        run.command(command.toLatin1().constData());
        run.waitIdle();
        if (verify) QVERIFY(!setVerifyAfterWrite(false));

        const PromptRecord* lost = run.gui.prompter.lastShown(txt::kLinkLost);
        QVERIFY(lost);
        QCOMPARE(lost->icon, PromptIcon::Error);
        const QString text = QString::fromStdString(lost->text);
        QVERIFY2(text.contains(radio.port() + ": "), qPrintable(text));
        QCOMPARE(text.contains(run.gui.ctx().text(txt::kRadioPartlyWritten)), partlyWritten);
        QVERIFY(!run.gui.prompter.showed(txt::kLinkFailed));
        if (alsoShown) QVERIFY(run.gui.prompter.showed(alsoShown));
        QVERIFY(!run.gui.prompter.showed(txt::kReadDone));
        QVERIFY(!run.link->progressWindow());
        QVERIFY(!run.gui.main().findWindow(gui::win::kCompare));
        QVERIFY(DocumentState(doc) == before);
    }
};

ZQ61_GUI_TEST(LinkFaultsTest)

}  // namespace zq61::test

#include "link_faults_test.moc"
