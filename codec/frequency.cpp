#include "codec/frequency.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "codec/text_helpers.h"
#include "model/bands.h"
#include "model/channel_list.h"
#include "model/document.h"
#include "model/text_ids.h"

namespace zq61 {

namespace {

constexpr const char* kNoFrequency = "FFFFFFFF";
constexpr int kStoredLength = 8;
constexpr int kIntegerDigits = 3;
constexpr int64_t kUnitsPerMHz = 100000;  // the stored form counts 10 Hz units
constexpr int64_t kGridUnits = 500;       // 5 kHz
constexpr int kHighestOrdinaryCbChannel = 360;
constexpr int kUkGroup = 3;
constexpr int kCbMemoryGroup = 8;
constexpr double kTopOfCbBandMHz = 27.405;

// The shortest text that reads back as the same number ("26.965", "28").
std::string decimalText(double value) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return ec == std::errc() ? std::string(buf, end) : std::string("0");
}

bool isPlainDecimal(std::string_view t) {
    int points = 0;
    for (char c : t) {
        if (c == '.')
            ++points;
        else if (c < '0' || c > '9')
            return false;
    }
    return points <= 1;
}

// The typed text as digits with at most one "." (blanks and a "+" dropped,
// an exponent written out); nothing for a text that is no usable frequency.
std::optional<std::string> frequencyDigits(std::string_view text) {
    const auto value = parseNumber(text);
    if (!value || *value < 0) return std::nullopt;
    std::string t = cleanString(text);
    t.erase(0, t.find_first_not_of(" \t"));
    if (!t.empty() && t.front() == '+') t.erase(0, 1);
    if (isPlainDecimal(t)) return t;
    char buf[400];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, *value, std::chars_format::fixed, 6);
    if (ec != std::errc()) return std::nullopt;
    return std::string(buf, end);
}

// The frequency in MHz of a stored form; nothing for "no frequency" and for
// a stored form that is not numeric.
std::optional<double> storedValue(std::string_view stored) {
    const std::string s = cleanString(stored);
    if (s.empty() || s == kNoFrequency || !isNumeric(s)) return std::nullopt;
    const std::string withPoint = s.substr(0, kIntegerDigits) + "." +
                                  (s.size() > kIntegerDigits ? s.substr(kIntegerDigits) : "");
    return parseNumber(withPoint);
}

bool isNoFrequency(std::string_view stored) {
    const std::string s = cleanString(stored);
    return s.empty() || s == kNoFrequency;
}

// The UK rule applies to a text of the display form only ("27.60100").
bool hasFiveDecimals(const std::string& d) {
    return d.size() >= 7 && d[d.size() - 6] == '.';
}

bool ukRuleApplies(double mhz, int group, int bandMode) {
    return bandMode == kBandCB &&
           (group == kUkGroup || (group == kCbMemoryGroup && mhz > kTopOfCbBandMHz));
}

std::optional<int64_t> toUnits(double mhz) {
    const double scaled = mhz * kUnitsPerMHz;
    if (!std::isfinite(scaled) || std::fabs(scaled) > 1e15) return std::nullopt;
    return static_cast<int64_t>(std::nearbyint(scaled));  // ties to even
}

void warnOutOfBand(const Document& doc) {
    doc.prompter->message(doc.text(txt::kOutOfBand), PromptIcon::Warning);
}

}  // namespace

std::string textToStored(std::string_view text, double bandLowMHz) {
    if (isBlankText(text)) return "";
    std::string s = frequencyDigits(text).value_or(decimalText(bandLowMHz));
    std::string r;
    const auto point = s.find('.');
    if (point == std::string::npos) {
        r = s;
    } else {
        std::size_t a = point;
        if (a < kIntegerDigits) {
            s.insert(0, kIntegerDigits - a, '0');
            a = kIntegerDigits;
        }
        // An integer part of more than three digits loses its fourth digit.
        r = s.substr(0, kIntegerDigits) + s.substr(a + 1);
    }
    if (r.size() > kStoredLength) r.resize(kStoredLength);  // extra decimals are cut
    if (r.size() < kIntegerDigits) r.insert(0, kIntegerDigits - r.size(), '0');
    r.append(kStoredLength - r.size(), '0');
    return r;
}

std::string storedToDisplay(std::string_view stored, double bandLowMHz, Prompter& prompter) {
    if (isNoFrequency(stored)) return "";
    if (const auto mhz = storedValue(stored)) return formatFiveDecimals(*mhz);
    prompter.message(kNotNumericText, PromptIcon::None);
    return decimalText(bandLowMHz);
}

std::string displayForGroup(std::string_view stored, int group, int bandMode, double bandLowMHz,
                            Prompter& prompter) {
    std::string d = storedToDisplay(stored, bandLowMHz, prompter);
    if (!hasFiveDecimals(d)) return d;
    const auto mhz = parseNumber(d);
    if (mhz && ukRuleApplies(*mhz, group, bandMode)) d.replace(d.size() - 3, 3, "125");
    return d;
}

double snapToGrid(double mhz, double bandLowMHz) {
    const auto v = toUnits(mhz);
    const auto b = toUnits(bandLowMHz);
    if (!v || !b) return mhz;
    const int64_t r = (*v - *b) % kGridUnits;  // sign of the dividend: snaps toward the low edge
    return static_cast<double>(*v - r) / kUnitsPerMHz;
}

double checkRange(double mhz, const Document& doc) {
    if (!(mhz >= doc.BandLowMHz)) {  // also a NaN
        warnOutOfBand(doc);
        return doc.BandLowMHz;
    }
    if (mhz <= doc.BandHighMHz) return snapToGrid(mhz, doc.BandLowMHz);
    warnOutOfBand(doc);
    return doc.BandHighMHz;
}

std::string validateEntry(std::string_view typed, int group, int bandMode, const Document& doc) {
    const auto mhz = parseNumber(typed);
    if (!mhz) {
        warnOutOfBand(doc);
        return formatFiveDecimals(doc.BandLowMHz);
    }
    if (group == kCbMemoryGroup && bandMode == kBandCB) {
        const auto nearest = nearestMemoryFrequency(*mhz, doc);
        if (nearest.found) return formatFiveDecimals(nearest.mhz);
        // A document without any CB channel frequency: keep the band's rule.
    }
    return formatFiveDecimals(checkRange(*mhz, doc));
}

NearestMemoryFrequency nearestMemoryFrequency(double mhz, const Document& doc) {
    NearestMemoryFrequency result;
    double best = std::numeric_limits<double>::infinity();
    const int count = usedChannelCount(doc);
    for (int i = 0; i < count; ++i) {
        const ChannelRecord& ch = doc.WorkChannels[static_cast<std::size_t>(i)];
        if (ch.ChNo < 1 || ch.ChNo > kHighestOrdinaryCbChannel) continue;
        const auto stored = storedValue(ch.Frequency.view());
        if (!stored) continue;
        const int group = GroupOfChannel(ch.ChNo, kBandCB);
        // Distances are measured to what the user sees (the UK rule included).
        double shown = *stored;
        if (ukRuleApplies(shown, group, kBandCB)) {
            std::string d = formatFiveDecimals(shown);
            d.replace(d.size() - 3, 3, "125");
            shown = parseNumber(d).value_or(shown);
        }
        const double distance = std::fabs(shown - mhz);
        if (distance < best) {  // the first of equal distances wins
            best = distance;
            result.found = true;
            result.mhz = *stored;
            result.group = group;
            result.channelInGroup = ch.ChNo - GroupStart(group, kBandCB) - 1;
        }
    }
    return result;
}

BandLimits bandLimitsFromText(std::string_view rangeText) {
    BandLimits limits;
    const auto dash = rangeText.find(" - ");
    if (dash == std::string_view::npos) return limits;
    const auto unit = rangeText.find(" MHz", dash + 3);
    const auto highText = unit == std::string_view::npos
                              ? rangeText.substr(dash + 3)
                              : rangeText.substr(dash + 3, unit - dash - 3);
    limits.lowMHz = parseNumber(rangeText.substr(0, dash)).value_or(100);
    limits.highMHz = parseNumber(highText).value_or(500);
    return limits;
}

}  // namespace zq61
