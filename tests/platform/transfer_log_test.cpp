// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/transfer_log.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <thread>

#include "platform/transfer_recorder.h"

namespace zq61 {
namespace {

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TransferRun run(int n, const char* result = "success") {
    TransferRun r;
    r.id = "run " + std::to_string(n);
    r.program = "zq61-cli 1.0.0";
    r.started = "2026-12-08T09:18:0" + std::to_string(n % 10) + ".000Z";
    r.transfers.push_back({"read", "/dev/ttyUSB0", {"TX 02", "RX 49"}, "yes", "set", 0, result});
    return r;
}

// The newest runs are kept in order; a run recorded again (after each of its
// transfers) stays one run, in its place; text before the first run that
// this program did not write is kept as a run of its own.
TEST(TransferLogTest, KeepsTheNewestRunsAndRewritesARunInPlace) {
    QTemporaryDir temp;
    const TransferLog log((temp.path() + "/logs").toStdString());
    ASSERT_TRUE(QDir().mkpath(temp.path() + "/logs"));
    write(QString::fromStdString(log.filePath()), "a note of the user\n");
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(log.record(run(i), 3), "");
    TransferRun twice = run(3);
    twice.transfers.push_back({"verify", "COM3", {}, "no", "refused: x", 2, "failed: gone"});
    ASSERT_EQ(log.record(twice, 3), "");

    const std::vector<LoggedRun> runs = log.runs();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].id, "run 1");
    EXPECT_EQ(runs[2].id, "run 3");
    EXPECT_EQ(runs[2].started, "2026-12-08T09:18:03.000Z");
    EXPECT_EQ(runs[2].purposes, (std::vector<std::string>{"read", "verify"}));
    EXPECT_EQ(runs[2].ports, (std::vector<std::string>{"/dev/ttyUSB0", "COM3"}));
    EXPECT_EQ(runs[2].results, (std::vector<std::string>{"success", "failed: gone"}));
    EXPECT_EQ(runs[2].text, runText(twice));
    EXPECT_NE(runs[2].text.find("\nlow latency: refused: x\nretries: 2\n"), std::string::npos);

    const std::vector<LoggedRun> foreign = parseTransferLog("notes\r\n" + runText(run(7)));
    ASSERT_EQ(foreign.size(), 2u);
    EXPECT_EQ(foreign[0].text, "notes\n");
    EXPECT_EQ(foreign[1].id, "run 7");
}

// Recorders that write at the same time wait for each other: no run is lost.
TEST(TransferLogTest, RecordersAtTheSameTimeLoseNothing) {
    QTemporaryDir temp;
    const TransferLog log(temp.path().toStdString());
    std::vector<std::thread> writers;
    for (int w = 0; w < 2; ++w)
        writers.emplace_back([&log, w] {
            for (int i = 0; i < 8; ++i)
                EXPECT_EQ(log.record(run(w * 100 + i), 50), "");
        });
    for (std::thread& t : writers)
        t.join();
    EXPECT_EQ(log.runs().size(), 16u);
}

// A log that cannot be written names the file and the system's reason; an
// old log that cannot be read is not replaced.
TEST(TransferLogTest, FailuresNameTheFileAndKeepTheOldLog) {
    QTemporaryDir temp;
    write(temp.path() + "/blocked", "a file where the folder must be");
    const std::string error =
        TransferLog((temp.path() + "/blocked/logs").toStdString()).record(run(1));
    EXPECT_NE(error.find("/blocked/logs: "), std::string::npos) << error;
    EXPECT_GT(error.size(), (temp.path() + "/blocked/logs: ").size());

    const TransferLog odd(temp.path().toStdString());
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(odd.filePath())));  // a folder in its place
    std::string why;
    EXPECT_TRUE(odd.runs(&why).empty());
    EXPECT_NE(why.find("transfers.log: "), std::string::npos) << why;
    EXPECT_NE(odd.record(run(1)).find("transfers.log: "), std::string::npos);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(odd.filePath())).isDir());
}

// The recorder makes one run of a user's command, however many transfers it
// holds; a transfer declined before anything was sent leaves nothing; the
// log's failure is told once.
TEST(TransferRecorderTest, OneRunPerCommandAndTheFailureToldOnce) {
    QTemporaryDir temp;
    TransferRecorder recorder(TransferLog(temp.path().toStdString()), "zq61 1.0.0");
    recorder.startRun();
    recorder.begin(TransferPurpose::Write, "/dev/pts/4");
    recorder.line("port /dev/pts/4 opened, low latency: refused: Inappropriate ioctl");
    recorder.frame("TX 50 52 4F 47 52 41 4D", TransferPhase::Handshake);
    recorder.frame("TX 02", TransferPhase::Identify);
    EXPECT_FALSE(recorder.end({TransferResult::Success, 1, true, "refused: x", ""}));
    recorder.begin(TransferPurpose::Verify, "/dev/pts/4");
    recorder.frame("TX 50 52 4F 47 52 41 4D", TransferPhase::Handshake);
    recorder.end({TransferResult::Failed, 3, false, "set", "the port is gone"});
    recorder.startRun();
    recorder.begin(TransferPurpose::Read, "/dev/pts/4");
    recorder.discard();

    const std::vector<LoggedRun> runs = recorder.log().runs();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].purposes, (std::vector<std::string>{"write", "verify"}));
    EXPECT_EQ(runs[0].results, (std::vector<std::string>{"success", "failed: the port is gone"}));
    for (const char* line :
         {"program: zq61 1.0.0", "echo: no (the cable does not echo)",
          "echo: unknown (the radio did not answer the handshake)", "low latency: set",
          "retries: 3", "port /dev/pts/4 opened, low latency: refused: Inappropriate ioctl"})
        EXPECT_NE(runs[0].text.find(std::string("\n") + line + "\n"), std::string::npos) << line;

    write(temp.path() + "/blocked", "x");
    recorder.setLog(TransferLog((temp.path() + "/blocked/logs").toStdString()));
    for (int i = 0; i < 2; ++i) {
        recorder.startRun();
        recorder.begin(TransferPurpose::Read, "COM1");
        EXPECT_EQ(recorder.end({}).has_value(), i == 0);
    }
}

}  // namespace
}  // namespace zq61
