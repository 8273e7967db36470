// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/frequency.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "codec/band_mode.h"
#include "codec/text_helpers.h"

namespace zq61 {

namespace {

constexpr const char* kNoFrequency = "FFFFFFFF";
constexpr int kStoredLength = 8;
constexpr int kIntegerDigits = 3;
constexpr int64_t kUnitsPerMHz = 100000;  // the stored form counts 10 Hz units
constexpr int64_t kGridUnits = 500;       // 5 kHz
constexpr int kUkGroup = 3;
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

}  // namespace

std::optional<double> storedValue(std::string_view stored) {
    const std::string s = cleanString(stored);
    if (s.empty() || s == kNoFrequency || !isNumeric(s)) return std::nullopt;
    const std::string withPoint = s.substr(0, kIntegerDigits) + "." +
                                  (s.size() > kIntegerDigits ? s.substr(kIntegerDigits) : "");
    return parseNumber(withPoint);
}

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

DisplayText storedToDisplay(std::string_view stored, double bandLowMHz) {
    if (isNoFrequency(stored)) return {};
    if (const auto mhz = storedValue(stored)) return {formatFiveDecimals(*mhz)};
    return {decimalText(bandLowMHz), true};
}

DisplayText displayForGroup(std::string_view stored, int group, int bandMode, double bandLowMHz) {
    DisplayText d = storedToDisplay(stored, bandLowMHz);
    if (!hasFiveDecimals(d.text)) return d;
    const auto mhz = parseNumber(d.text);
    if (mhz && ukRuleApplies(*mhz, group, bandMode)) d.text.replace(d.text.size() - 3, 3, "125");
    return d;
}

double shownValue(double mhz, int group, int bandMode) {
    if (!ukRuleApplies(mhz, group, bandMode)) return mhz;
    std::string d = formatFiveDecimals(mhz);
    d.replace(d.size() - 3, 3, "125");
    return parseNumber(d).value_or(mhz);
}

double snapToGrid(double mhz, double bandLowMHz) {
    const auto v = toUnits(mhz);
    const auto b = toUnits(bandLowMHz);
    if (!v || !b) return mhz;
    const int64_t r = (*v - *b) % kGridUnits;  // sign of the dividend: snaps toward the low edge
    return static_cast<double>(*v - r) / kUnitsPerMHz;
}

BandCheck checkBand(double mhz, double bandLowMHz, double bandHighMHz) {
    if (!(mhz >= bandLowMHz)) return {bandLowMHz, true};  // also a NaN
    if (mhz <= bandHighMHz) return {snapToGrid(mhz, bandLowMHz), false};
    return {bandHighMHz, true};
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
