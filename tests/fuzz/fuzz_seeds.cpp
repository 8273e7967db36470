// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed inputs of the fuzz targets, each into the folder of its
// name: documents as New makes them in each band mode, transfers that run to
// their end, their CSV exports, the program's own ini files, backup names and
// the memory images of a read.
//   fuzz_seeds <seed-folder> <source-folder>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "link/engine/memory_map.h"
#include "model/backup_names.h"
#include "model/bands.h"
#include "model/channel_csv.h"
#include "model/dat_file.h"
#include "model/document.h"
#include "model/document_copies.h"
#include "model/new_document.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

namespace {

namespace fs = std::filesystem;

std::string folder;

void seed(const std::string& target, const std::string& name, const std::string& bytes) {
    fs::create_directories(folder + "/" + target);
    std::ofstream out(folder + "/" + target + "/" + name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void seed(const std::string& target, const std::string& name, const std::vector<uint8_t>& bytes) {
    seed(target, name, std::string(bytes.begin(), bytes.end()));
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Engine inputs: the settings bytes (echo, band HAM, CTCSS/DCS, no
// password, echo expected, prompts OK, no password answer, transfer), the
// number of sound answers, then a few events: a time-out, a sound answer,
// bytes of a block reply.
void engineSeeds() {
    int n = 0;
    for (uint8_t echo : {0, 1}) {
        for (uint8_t op : {0, 1, 2}) {
            for (uint16_t sound : {3, 40, 470}) {
                std::vector<uint8_t> bytes = {echo,
                                              2,
                                              1,
                                              0,
                                              0,
                                              1,
                                              0,
                                              op,
                                              static_cast<uint8_t>(sound & 0xFF),
                                              static_cast<uint8_t>(sound >> 8),
                                              10,
                                              60,
                                              100 + 22,
                                              0x57,
                                              0x00,
                                              0x10,
                                              0x10};
                bytes.resize(bytes.size() + 18, 0x00);
                seed("engine_replies_fuzz", "seed-" + std::to_string(n++), bytes);
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zq61;
    if (argc != 3) return 2;
    folder = argv[1];
    const std::string source = argv[2];
    test::ScriptedPrompter prompter;
    test::TableTexts texts;
    const std::string mixed = fileText(source + "/tests/data/chirp_mixed.csv");
    for (int band : {kBandCB, kBandHF, kBandHAM}) {
        Document doc(prompter, texts);
        setBand(doc, band);
        NewDocumentOptions options;
        options.programDir = "/nonexistent";
        newDocument(doc, options);
        const std::string b = std::to_string(band);
        seed("dat_file_fuzz", "new-" + b + ".dat", documentFileBytes(doc));
        // The first byte: the band mode, then the column set (header, CHIRP, full).
        for (int set = 0; set < 3; ++set) {
            const std::string csv =
                exportChannelsCsv(doc, set == 2 ? CsvColumnSet::Full : CsvColumnSet::Chirp);
            seed("csv_import_fuzz", "new-" + b + "-" + std::to_string(set) + ".csv",
                 char(band + 3 * set) + csv);
        }
        seed("csv_import_fuzz", "mixed-" + b + ".csv", char(band) + mixed);
        MemoryBytes image{};
        PackDocument(doc, image);
        std::string img(1, char(band));
        img.append(image.begin(), image.end());
        img.append(256, '\x20');
        seed("backup_image_fuzz", "new-" + b + ".img", img);
        seed("backup_names_fuzz", "dat-" + b,
             backupStem(backupNameOf(2026, 12, 8, 9, 18, 0, 123, "ZQ-61", band)) + ".dat");
    }
    seed("backup_names_fuzz", "image", std::string("2026-01-31_235959.999Z_ZQ-61_unknown.img"));
    seed("backup_names_fuzz", "other", std::string("notes.txt"));
    seed("backup_names_fuzz", "renamed", std::string("radio_HF.img"));
    for (const char* file : {"english.ini", "chinese.ini", "mysetup.ini"})
        seed("profile_files_fuzz", file, fileText(source + "/lang/" + file));
    seed("version_table_fuzz", "Version.ini", fileText(source + "/lang/Version.ini"));
    seed("version_table_fuzz", "two.ini",
         std::string("[Version]\nCurrentVersion=V100\nSoftVersionCount=2\nFirmVersionCount=2\n"
                     "[Soft]\nVersion0=V100\nVersion1=V200\n[Firm]\nFirm0=V100V100\n"
                     "Firm1=V200V101\n"));
    engineSeeds();
    return 0;
}
