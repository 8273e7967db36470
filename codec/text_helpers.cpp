// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/text_helpers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zq61 {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Checks the decimal syntax of a trimmed text: optional sign, digits with at
// most one "." (at least one digit), optional exponent with its own digits.
bool hasDecimalSyntax(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    int digits = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (isDigit(t[i])) {
            ++digits;
        } else if (t[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        int expDigits = 0;
        for (; i < t.size() && isDigit(t[i]); ++i)
            ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == t.size();
}

}  // namespace

std::string cleanString(std::string_view text) {
    // Cut at the first NUL first, so that blanks in front of a NUL go as well.
    text = text.substr(0, text.find('\0'));
    const auto last = text.find_last_not_of(' ');
    return std::string(last == std::string_view::npos ? std::string_view{}
                                                      : text.substr(0, last + 1));
}

bool isBlankText(std::string_view text) {
    return trimBlanks(text.substr(0, text.find('\0'))).empty();
}

std::optional<double> parseNumber(std::string_view text) {
    std::string_view t = trimBlanks(text);
    if (!hasDecimalSyntax(t)) return std::nullopt;
    if (t.front() == '+') t.remove_prefix(1);  // from_chars takes no "+"
    double value = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int64_t> parseScaledDecimal(std::string_view text, int decimals) {
    std::string_view t = trimBlanks(text);
    bool negative = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    constexpr int64_t kLimit = 1'000'000'000'000'000;
    int64_t value = 0;
    int fractionDigits = 0;
    bool point = false;
    bool anyDigit = false;
    for (char c : t) {
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        anyDigit = true;
        if (point && fractionDigits >= decimals) {
            if (c != '0') return std::nullopt;  // finer than the unit
            continue;
        }
        if (point) ++fractionDigits;
        value = value * 10 + (c - '0');
        if (value > kLimit) return std::nullopt;
    }
    if (!anyDigit) return std::nullopt;
    for (; fractionDigits < decimals; ++fractionDigits) {
        value *= 10;
        if (value > kLimit) return std::nullopt;
    }
    return negative ? -value : value;
}

bool isNumeric(std::string_view text) {
    return parseNumber(text).has_value();
}

int clampValue(std::string_view text, int min, int max, int step, int def) {
    const auto number = parseNumber(text);
    if (!number) return def;
    // Limit while still a double, so that a huge typed number cannot overflow.
    const double whole = std::trunc(*number);
    int v;
    if (whole < min) {
        v = min;
    } else if (whole > max) {
        v = max;
    } else {
        v = static_cast<int>(whole);
    }
    if (step >= 2) v -= v % step;
    return v;
}

int32_t longOrDefault(std::string_view text, int32_t def) {
    const auto number = parseNumber(text);
    if (!number) return def;
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    const double whole = std::trunc(*number);
    if (whole < lo) return std::numeric_limits<int32_t>::min();
    if (whole > hi) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(whole);
}

std::string listItem(const std::vector<std::string>& items, int index) {
    if (items.empty()) return {};
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return items.front();
    return items[static_cast<std::size_t>(index)];
}

std::string findListItem(const std::vector<std::string>& items, std::string_view text) {
    if (items.empty()) return {};
    for (const auto& item : items)
        if (item == text) return item;
    return items.front();
}

std::string dtmfToDisplay(std::string_view stored) {
    std::string out(stored);
    for (char& c : out) {
        if (c == 'E')
            c = '#';
        else if (c == 'F')
            c = '*';
    }
    return out;
}

std::string dtmfToStored(std::string_view typed) {
    std::string out(typed);
    for (char& c : out) {
        if (c == '#')
            c = 'E';
        else if (c == '*')
            c = 'F';
    }
    return out;
}

std::string fileNameOfPath(std::string_view path) {
    const auto slash = path.find_last_of("\\/");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string formatFiveDecimals(double value) {
    char buf[400];  // room for the largest double in fixed notation
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 5);
    if (ec != std::errc()) return {};
    return std::string(buf, end);
}

}  // namespace zq61
