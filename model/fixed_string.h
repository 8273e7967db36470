// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zq61 {

// A text field of exactly N characters, as the radio data records keep them:
// a shorter value is padded on the right with blanks, a longer one is cut.
// A field the program never assigned holds N NUL characters (the state of
// every record at program start), which is not the same as N blanks.
template <std::size_t N>
class FixedString {
public:
    FixedString() { chars_.fill('\0'); }
    FixedString(std::string_view text) { assign(text); }  // NOLINT: implicit on purpose

    FixedString& operator=(std::string_view text) {
        assign(text);
        return *this;
    }

    void assign(std::string_view text) {
        const std::size_t n = std::min(text.size(), N);
        std::copy_n(text.begin(), n, chars_.begin());
        std::fill(chars_.begin() + static_cast<std::ptrdiff_t>(n), chars_.end(), ' ');
    }

    // Sets the raw bytes without padding rules (file and radio images).
    void setBytes(const char* bytes) { std::copy_n(bytes, N, chars_.begin()); }

    std::string_view view() const { return {chars_.data(), N}; }
    std::string str() const { return std::string(chars_.data(), N); }
    const char* data() const { return chars_.data(); }
    char* data() { return chars_.data(); }
    static constexpr std::size_t size() { return N; }

    bool operator==(const FixedString&) const = default;

private:
    std::array<char, N> chars_;
};

}  // namespace zq61
