// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A document with a scripted prompter and table texts in a private temporary
// folder, for the file and new-document tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "codec/frequency.h"
#include "model/bands.h"
#include "model/document.h"
#include "model/new_document.h"
#include "model/program_versions.h"
#include "support/recording_starter.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace zq61::test {

// Everything of a document that open, save and New may change.
struct DocumentState {
    RadioData WorkData, FileData;
    ChannelArray WorkChannels, FileChannels;
    std::string ModelName, DataFileName;
    int16_t BandMode;
    bool IsUntitled;
    bool operator==(const DocumentState&) const = default;

    static DocumentState of(const Document& d) {
        return {d.WorkData,  d.FileData,     d.WorkChannels, d.FileChannels,
                d.ModelName, d.DataFileName, d.BandMode,     d.IsUntitled};
    }
};

class DocumentTest : public ::testing::Test {
  protected:
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("zq61-doc-" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    ScriptedPrompter prompter;
    TableTexts texts;
    Document doc{prompter, texts};
    RecordingStarter starter;

    void SetUp() override {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    void setBand(int mode) {
        doc.BandMode = static_cast<int16_t>(mode);
        doc.BandRangeText = bandRangeText(mode);
        const BandLimits limits = bandLimitsFromText(doc.BandRangeText);
        doc.BandLowMHz = limits.lowMHz;
        doc.BandHighMHz = limits.highMHz;
    }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    static CalendarDate fixedDate() { return {2024, 7, 15}; }
    NewDocumentOptions newOptions(bool initialize = false) {
        NewDocumentOptions o;
        o.initialize = initialize;
        o.programDir = dir.string();
        o.today = fixedDate;
        return o;
    }

    static std::vector<uint8_t> readAll(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void writeAll(const std::string& p, const std::vector<uint8_t>& bytes) {
        std::ofstream(p, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
};

}  // namespace zq61::test
