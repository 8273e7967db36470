// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/new_document.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <utility>

#include "model/channel_list.h"
#include "model/dat_file.h"
#include "model/document.h"
#include "model/document_copies.h"
#include "model/file_paths.h"

namespace zq61 {
namespace {

constexpr std::string_view kSettingsDefaultFile = "ZQ-61_0.dat";

// A single NUL: the radio's way of writing an empty text.
const std::string kNul(1, '\0');

void setKeys(KeySettings& keys) {
    keys.KeyModeSet = 3;
    for (std::size_t i = 0; i < keys.KeyFunctions.size(); ++i)
        keys.KeyFunctions[i] = static_cast<int16_t>(i + 1);
}

// The trailing bytes are left as they were.
void setOptions(OptionsRecord& o) {
    o.CurGroup = 0;
    o.OptItem[0] = 0;
    o.OptItem[1] = 0;
    o.CurMemCh = 1;
    o.GroupOn = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    o.GroupCh1 = {};
    o.GroupCh2 = {};
    o.GroupCh3 = {};
    o.EmgModulation1 = {};
    o.EmgModulation2 = {};
    constexpr std::array<int16_t, 15> kItems2To16{0, 4, 1, 1, 3, 0, 3, 0, 0, 0, 1, 1, 1, 0, 0};
    for (std::size_t i = 0; i < kItems2To16.size(); ++i)
        o.OptItem[i + 2] = kItems2To16[i];
    o.MaxLimitOn = 1;
    o.MaxLimit = 160;
}

// Fields from the offset on; number, reserved, scan, frequency and the spare
// fields are left as they were.
void setFeatChannel(ChannelRecord& f) {
    f.OffSetFre = 5;
    for (int16_t* field :
         {&f.RDCT, &f.TDCT, &f.DUP, &f.HI_CUT, &f.BUSY, &f.NB, &f.Add_Sub_5K, &f.AM_FM, &f.Tx_Power,
          &f.Public, &f.RBTone, &f.DTMF_BOT, &f.DTMF_EOT, &f.DTMF_Call, &f.TSQ})
        *field = 0;
}

// The ten trailing Integers are left as they were.
void setDtmf(DtmfSettings& d) {
    d.DtmfRate = 10;
    d.FirstDigitTime = 0;
    d.FirstDigitDelay = 2;
    d.StarHashTime = 0;
    d.DKeySetting = 0;
    d.DtmfDisplay = 1;
    for (DtmfCode& code : d.Codes) {
        code.Length = 0;
        code.Code = "";
    }
}

// Text of a frequency in MHz with up to 15 significant digits, "." always:
// the band middles 27.185, 27.86 and 28.85 come out exactly so.
std::string mhzText(double mhz) {
    std::array<char, 32> buf{};
    const auto result =
        std::to_chars(buf.data(), buf.data() + buf.size(), mhz, std::chars_format::general, 15);
    return std::string(buf.data(), result.ptr);
}

void addDefaultChannels(Document& doc) {
    doc.WorkData.ChannelCount = 0;
    doc.GridRow = 1;
    const std::string middle = mhzText((doc.BandLowMHz + doc.BandHighMHz) / 2);
    const std::array<std::pair<int, std::string>, 10> channels{{
        {1, middle},
        {401, middle},
        {402, "28.015000"},
        {403, "28.145000"},
        {404, "28.115000"},
        {405, "28.085000"},
        {406, "28.055000"},
        {407, "28.025000"},
        {408, "28.075000"},
        {409, "28.005000"},
    }};
    for (const auto& [chNo, frequency] : channels)
        addChannel(doc, chNo, frequency);
    doc.ChannelWindowOpen = false;
    doc.ChannelEditOpen = false;
}

// Steps not listed, and tips 6 to 8, are left as they were.
void setToneTips(ToneTipTable& table) {
    using Steps = std::initializer_list<ToneStep>;
    auto setTip = [&](int tip, Steps steps) {
        ToneTip& t = table.Tips[static_cast<std::size_t>(tip - 1)];
        t.Count = 1;
        t.Pause = 0;
        std::size_t i = 0;
        for (const ToneStep& step : steps)
            t.Steps[i++] = step;
    };
    setTip(1, {{210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}});
    setTip(2, {{80, 4},
               {0, 4},
               {80, 4},
               {0, 4},
               {80, 4},
               {0, 4},
               {80, 4},
               {0, 4},
               {80, 4},
               {0, 4},
               {80, 4},
               {0, 4},
               {80, 4},
               {0, 4}});
    setTip(3, {{170, 3}, {90, 3}, {170, 3}, {90, 3}, {170, 3}, {90, 3}, {170, 3}});
    setTip(4, {{64, 6}, {94, 6}, {134, 6}, {163, 6}, {192, 6}});
    setTip(5, {{150, 20}, {70, 20}, {150, 20}, {70, 20}, {150, 20}, {70, 20}});
}

void setRadioInfo(Document& doc, const CalendarDate& today) {
    RadioInfo& info = doc.Info;
    const std::string date = dateText(today) + kNul;
    std::array<char, 8> month{};
    std::snprintf(month.data(), month.size(), "%02d", today.month % 100);

    info.BandMode = doc.WorkData.Header.HeaderBandMode;
    info.FirmwareVersion = "V1.00";
    info.ModelText = doc.WorkData.Header.Model.str();
    info.ShortText = "";
    info.Block1 = {FixedString<16>(kNul), FixedString<16>(kNul), FixedString<16>(date),
                   FixedString<16>(date)};
    info.Text96 = kNul;
    info.Text8 = std::string(month.data()) + "-1-E-1";
    info.Text4 = "001A";
    info.Block2 = {FixedString<16>(kNul), FixedString<16>(date), FixedString<16>(date),
                   FixedString<16>(kNul)};
}

DefaultFile applyDefaultFile(Document& doc, bool initialize, const std::string& programDir) {
    const std::string initDir = joinPath(programDir, "Init");
    const std::string file = joinPath(initDir, doc.ModelName + "_" + std::to_string(doc.BandMode) +
                                                   (initialize ? ".dat" : "_NEW.dat"));
    std::error_code ec;
    if (std::filesystem::exists(filePath(file), ec))
        return fullRead(doc, file) ? DefaultFile::Complete : DefaultFile::None;
    if (kSettingsDefaultFile.starts_with(doc.ModelName + "_") &&
        settingsOnlyRead(doc, joinPath(initDir, kSettingsDefaultFile)))
        return DefaultFile::SettingsOnly;
    return DefaultFile::None;
}

}  // namespace

CalendarDate systemDate() {
    using namespace std::chrono;
    const auto now = system_clock::to_time_t(system_clock::now());
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string dateText(const CalendarDate& date) {
    std::array<char, 32> buf{};
    std::snprintf(buf.data(), buf.size(), "%04d-%02d-%02d", date.year, date.month, date.day);
    return buf.data();
}

DefaultFile newDocument(Document& doc, const NewDocumentOptions& options) {
    doc.IsUntitled = true;
    doc.DataFileName = "new.dat";
    if (options.resetLink) options.resetLink();

    RadioData& w = doc.WorkData;
    setKeys(w.Keys);
    setOptions(w.Options);
    setFeatChannel(w.FeatChannel);
    setDtmf(w.Dtmf);
    addDefaultChannels(doc);
    w.Header.HeaderBandMode = doc.BandMode;
    w.Header.Model = doc.ModelName;
    w.Header.Version = kDataVersion;
    setToneTips(w.ToneTips);
    setRadioInfo(doc, options.today ? options.today() : systemDate());

    copyWorkToFile(doc);
    return applyDefaultFile(doc, options.initialize, options.programDir);
}

}  // namespace zq61
