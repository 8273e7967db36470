#include "cli_language.h"

#include <array>
#include <cstdlib>
#include <string_view>
#include <utility>

#include "model/profile_file.h"
#include "model/version_table.h"

namespace zq61::cli {
namespace {

// Reads the language file on every lookup, as the program does. A text the
// file lacks is named by its number: on a terminal an empty message would
// leave the user guessing.
class LanguageFileTexts : public Texts {
  public:
    explicit LanguageFileTexts(std::string path) : path_(std::move(path)) {}
    std::string text(int id) const override {
        const std::string key = std::to_string(id);
        std::string found = readProfileString(path_, section(id), key, "", 255);
        return found.empty() ? "(text " + key + ")" : found;
    }

  private:
    static const char* section(int id) {
        static constexpr std::array<std::pair<int, const char*>, 24> kSections{{
            {9000, "Msg"},       {10000, "Menu"},        {11000, "ToolBar"},     {12000, "Main"},
            {13000, "Model"},    {14000, "ChannelInfo"}, {15000, "ChannelEdit"}, {16000, "Option"},
            {17000, "Radio"},    {18000, "DTMF"},        {19000, "TestFre"},     {20000, "EMG"},
            {21000, "Local"},    {22000, "Port"},        {23000, "Lang"},        {24000, "About"},
            {25000, "KeySet"},   {26000, "ScanSet"},     {27000, "AlertSet"},    {28000, "CHEdit"},
            {29000, "TONETIPS"}, {30000, "GroupName"},   {31000, "ResetMode"},   {32000, "Others"},
        }};
        const char* name = "OTHER";
        for (const auto& [from, section] : kSections)
            if (id >= from) name = section;
        return name;
    }
    std::string path_;
};

std::string environmentLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return value;
    }
    return {};
}

}  // namespace

std::unique_ptr<Texts> programTexts(const std::string& programDir) {
    const std::string setup = installationRoot(programDir) + "/language/mysetup.ini";
    bool chinese = std::string_view(environmentLocale()).starts_with("zh_CN");
    const std::string firstRun = readProfileString(setup, "language", "IsFirstRun", "1", 512);
    if (firstRun == "0") {
        const std::string language =
            readProfileString(setup, "language", "CurrentLanguage", "", 512);
        if (language == "1" || language == "2") chinese = language == "2";
    }
    return std::make_unique<LanguageFileTexts>(programDir + "/language/" +
                                               (chinese ? "chinese.ini" : "english.ini"));
}

}  // namespace zq61::cli
