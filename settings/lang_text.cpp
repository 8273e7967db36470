// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/lang_text.h"

#include <array>
#include <utility>

#include "model/file_io.h"
#include "model/profile_file.h"

namespace zq61 {
namespace {

// Lower bound of each range of identifiers and the section that holds it.
constexpr std::array<std::pair<int, const char*>, 24> kSections = {{
    {9000, "Msg"},       {10000, "Menu"},        {11000, "ToolBar"},     {12000, "Main"},
    {13000, "Model"},    {14000, "ChannelInfo"}, {15000, "ChannelEdit"}, {16000, "Option"},
    {17000, "Radio"},    {18000, "DTMF"},        {19000, "TestFre"},     {20000, "EMG"},
    {21000, "Local"},    {22000, "Port"},        {23000, "Lang"},        {24000, "About"},
    {25000, "KeySet"},   {26000, "ScanSet"},     {27000, "AlertSet"},    {28000, "CHEdit"},
    {29000, "TONETIPS"}, {30000, "GroupName"},   {31000, "ResetMode"},   {32000, "Others"},
}};

// Texts are read into a buffer of 255 characters, the last for the end mark.
constexpr std::size_t kTextBuffer = 255;

}  // namespace

std::string languageSection(int id) {
    std::string section = "OTHER";
    for (const auto& [lowerBound, name] : kSections) {
        if (id < lowerBound) break;
        section = name;
    }
    return section;
}

std::string LangText::text(int id) const {
    return readProfileString(languageFilePath(settings_), languageSection(id), std::to_string(id),
                             "", kTextBuffer);
}

std::optional<FileProblem> LangText::fileProblem() const {
    return readFileBytes(languageFilePath(settings_), 1).problem;
}

}  // namespace zq61
