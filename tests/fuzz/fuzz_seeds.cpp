// Writes the seed inputs of the fuzz targets: documents as New makes them in
// each band mode, and transfers that run to their end.
//   fuzz_seeds <dat-seed-folder> <engine-seed-folder>

#include <fstream>
#include <string>
#include <vector>

#include "model/bands.h"
#include "model/dat_file.h"
#include "model/document.h"
#include "model/new_document.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

int main(int argc, char** argv) {
    using namespace zq61;
    if (argc != 3) return 2;
    test::ScriptedPrompter prompter;
    test::TableTexts texts;
    for (int band : {kBandCB, kBandHF, kBandHAM}) {
        Document doc(prompter, texts);
        doc.BandMode = static_cast<int16_t>(band);
        doc.BandRangeText = bandRangeText(band);
        NewDocumentOptions options;
        options.programDir = "/nonexistent";
        newDocument(doc, options);
        if (!saveDocumentAs(doc, std::string(argv[1]) + "/new-" + std::to_string(band) + ".dat"))
            return 1;
    }
    // Engine inputs: the settings bytes (echo, band HAM, CTCSS/DCS, no
    // password, echo expected, prompts OK, no password answer, transfer),
    // the number of sound answers, then a few events: a time-out, a sound
    // answer, bytes of a block reply.
    int n = 0;
    for (uint8_t echo : {0, 1}) {
        for (uint8_t op : {0, 1, 2}) {
            for (uint16_t sound : {3, 40, 470}) {
                std::vector<uint8_t> seed = {echo,
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
                seed.resize(seed.size() + 18, 0x00);
                std::ofstream out(std::string(argv[2]) + "/seed-" + std::to_string(n++),
                                  std::ios::binary);
                out.write(reinterpret_cast<const char*>(seed.data()),
                          static_cast<std::streamsize>(seed.size()));
            }
        }
    }
    return 0;
}
