// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A small JSON writer for the command line's output: objects and arrays are
// indented by two blanks per level, strings are escaped. Texts are written
// byte for byte: control bytes and bytes above 127 (document fields hold
// raw bytes, not UTF-8) as \u00XX, so any field gives valid JSON.

#include <cstdint>
#include <ostream>
#include <string_view>
#include <vector>

namespace zq61::cli {

class JsonWriter {
  public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(std::string_view name);  // inside an object, before each value
    void value(int64_t number);
    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    // A number or true/false formatted already ("12.3"), written as it is.
    void literal(std::string_view text);

    // "name": [1, 2, 3] on one line.
    template <typename Range>
    void numbers(std::string_view name, const Range& values) {
        key(name);
        beforeValue();
        out_ << '[';
        const char* separator = "";
        for (const auto& v : values) {
            out_ << separator << static_cast<int64_t>(v);
            separator = ", ";
        }
        out_ << ']';
    }

    template <typename T>
    void field(std::string_view name, const T& v) {
        key(name);
        value(v);
    }

    static void writeString(std::ostream& out, std::string_view text);

  private:
    void beforeValue();
    void newline();
    std::ostream& out_;
    std::vector<bool> hasItems_;  // per open object or array
    bool afterKey_ = false;
};

}  // namespace zq61::cli
