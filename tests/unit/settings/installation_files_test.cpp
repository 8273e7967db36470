// SPDX-License-Identifier: GPL-3.0-or-later
// An installation where Windows users have one: in a folder named in Chinese
// or with blanks, reached by paths with the platform's own separators
// (backslashes on Windows), its text files with CR LF line ends as Windows
// editors write them. Every file the core opens is found, read and written
// there.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/dat_file.h"
#include "model/document.h"
#include "model/file_paths.h"
#include "model/new_document.h"
#include "model/program_versions.h"
#include "model/version_table.h"
#include "settings/lang_text.h"
#include "settings/serial_ports.h"
#include "settings/settings.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace zq61 {
namespace {

namespace fs = std::filesystem;

struct NoStarter : ProgramStarter {
    bool start(const std::string&) override { return false; }
};

void writeText(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

std::string readText(const std::string& file) {
    std::ifstream in(filePath(file), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(InstallationFiles, FoundReadAndWrittenWhereverTheProgramIs) {
    for (const char* name : {"zq61-install", "zq61-无线电 编程"}) {
        SCOPED_TRACE(name);
        const fs::path root = fs::temp_directory_path() / filePath(name);
        fs::remove_all(root);
        const std::string program = pathText(root / "V100");
        writeText(root / "Version.ini",
                  "[Version]\r\nCurrentVersion=V100\r\nSoftVersionCount=1\r\n"
                  "FirmVersionCount=2\r\n[Soft]\r\nVersion0=V100\r\n"
                  "[Firm]\r\nFirm0=V100V100\r\nFirm1=V100V101\r\n");
        writeText(root / "language" / "mysetup.ini",
                  "[language]\r\nIsFirstRun=0\r\ncomPort=12\r\nCurrentLanguage=2\r\n");
        writeText(root / "V100" / "language" / "chinese.ini",
                  "[Msg]\r\n9002=文件错误\r\n[Main]\r\n12000=ZQ-61 编程软件\r\n");

        Settings settings;
        settings.ProgramFolder = program;
        EXPECT_EQ(mySetupPath(settings), pathText(root / "language" / "mysetup.ini"));
        readStartupSettings(settings, "en_US.UTF-8");
        EXPECT_EQ(settings.CurrentLanguage, kChinese);
        EXPECT_EQ(settings.ComPortNumber, 12);
        const LangText texts(settings);
        EXPECT_EQ(texts.text(9002), "文件错误");
        EXPECT_EQ(texts.text(12000), "ZQ-61 编程软件");

        const VersionTable table = VersionTable::load(SettingsRoot(program));
        EXPECT_EQ(table.CurrentVersion, "V100");
        EXPECT_TRUE(table.isCompatible("V100", "V101"));

        // A document saved into the Init folder is the next new document;
        // a document is saved over an earlier one and opened again.
        test::ScriptedPrompter prompter;
        test::TableTexts tableTexts;
        Document doc(prompter, tableTexts);
        fs::create_directories(root / "V100" / "Init");
        ASSERT_TRUE(saveDocumentAs(doc, pathText(root / "V100" / "Init" / "ZQ-61_2_NEW.dat")));
        NewDocumentOptions fromInit;
        fromInit.programDir = program;
        EXPECT_EQ(newDocument(doc, fromInit), DefaultFile::Complete);
        const std::string file = joinPath(program, "频道 1.dat");
        ASSERT_TRUE(saveDocumentAs(doc, file));
        ASSERT_TRUE(saveDocumentAs(doc, file));
        NoStarter starter;
        const ProgramVersions versions(table, SettingsRoot(program), "zq61", starter);
        EXPECT_EQ(openDocument(doc, file, versions), OpenResult::Opened);
        EXPECT_TRUE(prompter.shown.empty());

        settings.ReservedSettingBytes = {9, 9, 9, 9};
        loadSettingBytes(settings);
        EXPECT_EQ(settings.ReservedSettingBytes, (std::array<uint8_t, 4>{}));
        settings.ReservedSettingBytes = {1, 2, 3, 4};
        ASSERT_TRUE(saveSettingBytes(settings));
        EXPECT_EQ(readText(settingBytesPath(settings)), "\x01\x02\x03\x04");

        // Windows' form of a two-digit port is kept as it is.
        ASSERT_TRUE(applyPortChoice(settings, 10, "\\\\.\\COM10"));
        readStartupSettings(settings, "en_US.UTF-8");
        EXPECT_EQ(settings.ComPortNumber, 10);
        EXPECT_EQ(settingsPortDeviceName(settings), "\\\\.\\COM10");
#ifdef _WIN32
        // Written back as Windows' own text files are.
        const std::string setup = readText(mySetupPath(settings));
        EXPECT_NE(setup.find("portName=\\\\.\\COM10\r\n"), std::string::npos) << setup;
        for (std::size_t i = setup.find('\n'); i != std::string::npos; i = setup.find('\n', i + 1))
            EXPECT_EQ(setup[i - 1], '\r') << setup;
#endif
        fs::remove_all(root);
    }
}

}  // namespace
}  // namespace zq61
