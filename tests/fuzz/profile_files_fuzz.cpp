// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a language file and as mysetup.ini, read as the
// program reads them: texts looked up (trimmed, at most 254 characters),
// the start-up settings read and written back, a language and a port chosen.
// Whatever the file held, every value written reads back as written, and no
// write fails.

#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "model/profile_file.h"
#include "model/text_ids.h"
#include "settings/lang_text.h"
#include "settings/settings.h"

namespace {

using namespace zq61;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Characters as the language texts count them: UTF-8 lead bytes.
std::size_t characters(const std::string& text) {
    std::size_t n = 0;
    for (const char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string setupValue(const Settings& settings, const char* key) {
    return readProfileString(mySetupPath(settings), "language", key, "", 512);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::writeScratchFile("V100/language/english.ini", bytes);
    fuzz::writeScratchFile("language/mysetup.ini", bytes);
    Settings settings;
    settings.ProgramFolder = fuzz::scratchFolder() + "/V100";

    const LangText texts(settings);
    fuzz::check(!texts.fileProblem());
    // A text of each section, and the numbers the input's first bytes make.
    static const std::vector<int> ids = allTextIds();
    for (std::size_t i = 0; i < 12; ++i) {
        const int id = i < size ? ids[(data[i] * 131 + i * 977) % ids.size()] : 9000 + int(i);
        const std::string text = texts.text(id);
        fuzz::check(characters(text) <= 254);
        fuzz::check(text.empty() || (!isBlank(text.front()) && !isBlank(text.back())));
    }

    readStartupSettings(settings, "en_US.UTF-8");
    fuzz::check(settings.WriteProblems.empty());
    fuzz::check(settings.LanguageFileName == "english.ini" ||
                settings.LanguageFileName == "chinese.ini");
    fuzz::check(setupValue(settings, "comPort") == std::to_string(settings.ComPortNumber));
    fuzz::check(setupValue(settings, "CurrentLanguage") ==
                std::to_string(settings.CurrentLanguage));

    fuzz::check(applyLanguageChoice(settings, kChinese));
    fuzz::check(applyPortChoice(settings, 7, "/dev/ttyUSB3"));
    fuzz::check(setupValue(settings, "CurrentLanguage") == "2");
    fuzz::check(setupValue(settings, "comPort") == "7");
    fuzz::check(setupValue(settings, "portName") == "/dev/ttyUSB3");
    // The next start takes what was chosen.
    Settings next;
    next.ProgramFolder = settings.ProgramFolder;
    readStartupSettings(next, "en_US.UTF-8");
    fuzz::check(next.CurrentLanguage == kChinese && next.ComPortNumber == 7 &&
                next.PortName == "/dev/ttyUSB3");
    return 0;
}
