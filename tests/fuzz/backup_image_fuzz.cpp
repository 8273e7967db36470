// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a backup's memory image (.img) and information area
// (.info). An image of the right size and a name with a band mode becomes a
// document, whose .dat bytes read back to the same document and which, once
// held as the radio holds it, stays so; any other image is refused
// for its size or its name. The information area is decoded as a read
// decodes it.

#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "link/engine/memory_map.h"
#include "link/engine/radio_info.h"
#include "link/engine/read_documents.h"
#include "model/dat_file.h"
#include "model/document.h"
#include "support/scripted_prompter.h"
#include "support/table_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zq61;
    if (size == 0) return 0;
    // The first byte: the band mode of the name (or none), and whether the
    // image is taken as it is or made whole.
    static const char* const kBands[] = {"CB", "HF", "HAM", "unknown"};
    const int nameBand = data[0] % 4;
    const bool asItIs = data[0] & 0x80;
    const std::string name =
        std::string("2026-12-08_091800.123Z_ZQ-61_") + kBands[nameBand] + ".img";
    constexpr std::size_t kImage = mem::kImageSize;
    const uint8_t* rest = data + 1;
    const std::size_t restSize = size - 1;
    std::vector<uint8_t> image(rest, rest + std::min(restSize, kImage));
    if (!asItIs) image.resize(kImage, 0xFF);
    InfoBytes info{};
    if (restSize > kImage)
        std::copy_n(rest + kImage, std::min(restSize - kImage, info.size()), info.begin());

    test::ScriptedPrompter prompter;
    test::TableTexts texts;
    RadioInfo decoded;
    DecodeInfoImage(info, decoded);

    Document doc(prompter, texts);
    const ImageFileResult result = documentOfImageFile(doc, image, name, "/nonexistent");
    if (image.size() != kImage) {
        fuzz::check(result == ImageFileResult::WrongSize);
        return 0;
    }
    if (nameBand == 3) {
        fuzz::check(result == ImageFileResult::NoBandMode);
        return 0;
    }
    fuzz::check(result == ImageFileResult::Done && doc.BandMode == nameBand);
    fuzz::check(doc.WorkData.ChannelCount >= 0 && doc.WorkData.ChannelCount <= kMaxChannels);

    // The backup's .dat: read back, it is the same document.
    const std::vector<uint8_t> file = documentFileBytes(doc);
    const std::string path = fuzz::writeScratchFile(
        "backup.dat", std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
    Document reread(prompter, texts);
    fuzz::check(fullRead(reread, path) && documentFileBytes(reread) == file);

    // Held as the radio holds it (written and read back), it stays so when
    // held once more: what a comparison with the radio relies on.
    Document held(prompter, texts);
    copyWorkingDocument(doc, held);
    holdAsTheRadioDoes(held);
    Document heldAgain(prompter, texts);
    copyWorkingDocument(held, heldAgain);
    holdAsTheRadioDoes(heldAgain);
    const int count = held.WorkData.ChannelCount;
    fuzz::check(heldAgain.WorkData == held.WorkData &&
                std::equal(held.WorkChannels.begin(), held.WorkChannels.begin() + count,
                           heldAgain.WorkChannels.begin()));
    return 0;
}
