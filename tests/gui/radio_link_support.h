// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window tests of the radio link share: the virtual radio
// (zq61-sim) on a pseudo-terminal, a program run with the real radio link,
// and radio images made from a document.

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "gui_test_support.h"
#include "link/engine/memory_map.h"
#include "link/windows/radio_link.h"

namespace zq61::test {

inline QByteArray bytesOf(const MemoryBytes& image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()), int(image.size()));
}

// zq61-sim in the background; its first line is its port. Its memory (and
// information area) start from the given bytes; the memory it holds at the
// end is saved.
class SimRadio {
  public:
    explicit SimRadio(QStringList args, const QByteArray& memory = {},
                      const QByteArray& info = {}) {
        savePath_ = dir_.filePath("saved.bin");
        if (!memory.isEmpty()) args << "--memory" << file("memory.bin", memory);
        if (!info.isEmpty()) args << "--info" << file("info.bin", info);
        // Answers at once unless the test asks for a delay.
        if (!args.contains("--reply-delay"))
            args << "--reply-delay"
                 << "0";
        args << "--save-memory" << savePath_;
        // A test tool: its leak check at exit is skipped, so that stopping it
        // never waits on the sanitizer.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":detect_leaks=0");
        process_.setProcessEnvironment(env);
        process_.start(ZQ61_PROGRAM_DIR "/zq61-sim", args);
        if (process_.waitForReadyRead(5000)) port_ = QString(process_.readLine()).trimmed();
    }
    ~SimRadio() { stop(); }
    QString port() const { return port_; }
    // Stops the radio and returns the memory it held.
    QByteArray stop() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            process_.waitForFinished(5000);
        }
        QFile f(savePath_);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

  private:
    QString file(const QString& name, const QByteArray& bytes) {
        QFile f(dir_.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
    QTemporaryDir dir_;
    QProcess process_;
    QString port_;
    QString savePath_;
};

// A program run with the real radio link on the given port (with the
// mysetup.ini `mysetup`, or the installed one).
struct LinkRun {
    explicit LinkRun(const QString& mysetup = QString()) : gui(mysetup) {
        // Every read keeps a backup: in a folder of this run only.
        gui.ctx().backupFolder = backups.path();
        gui.start();
        link = std::make_unique<gui::RadioLink>(gui.main());
    }
    // The port of this run only (mysetup.ini is not written).
    void usePort(const QString& port) { gui.ctx().settings.PortName = port.toStdString(); }
    void command(const char* name) { action(gui.main(), name)->trigger(); }
    ~LinkRun() { link.reset(); }
    int count(int id) const {
        int n = 0;
        for (const auto& r : gui.prompter.shown)
            n += r.textId == id;
        return n;
    }
    int count(FixedText kind) const {
        int n = 0;
        for (const auto& r : gui.prompter.shown)
            n += r.fixed == kind;
        return n;
    }
    // Idle, and still idle once the events already posted have run: a write
    // that is read back starts its read from the event loop.
    void waitIdle() {
        const auto idle = [this] {
            return !link->engine().isBusy() && !link->waitSaveDataTimer().isActive() &&
                   !link->readOkTimer().isActive();
        };
        for (int calm = 0; calm < 2;) {
            QTRY_VERIFY_WITH_TIMEOUT(idle(), 30000);
            QCoreApplication::processEvents();
            calm = idle() ? calm + 1 : 0;
        }
    }
    QTemporaryDir backups;
    GuiRun gui;
    std::unique_ptr<gui::RadioLink> link;
};

// The radio's memory: the program's document with one setting changed, so
// that a read visibly replaces the document.
inline MemoryBytes radioImage(Document& doc) {
    const int16_t before = doc.WorkData.Options.MaxLimit;
    doc.WorkData.Options.MaxLimit = static_cast<int16_t>(before + 7);
    MemoryBytes image{};
    PackDocument(doc, image);
    doc.WorkData.Options.MaxLimit = before;
    return image;
}

inline QByteArray packed(Document& doc) {
    MemoryBytes image{};
    PackDocument(doc, image);
    return bytesOf(image);
}

}  // namespace zq61::test
