// SPDX-License-Identifier: GPL-3.0-or-later
#include "json_writer.h"

#include <array>
#include <cstdio>
#include <ostream>

namespace zq61::cli {

void JsonWriter::newline() {
    out_ << '\n';
    for (std::size_t i = 0; i < hasItems_.size(); ++i)
        out_ << "  ";
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (hasItems_.empty()) return;
    if (hasItems_.back()) out_ << ',';
    hasItems_.back() = true;
    newline();
}

void JsonWriter::key(std::string_view name) {
    beforeValue();
    writeString(out_, name);
    out_ << ": ";
    afterKey_ = true;
}

void JsonWriter::beginObject() {
    beforeValue();
    out_ << '{';
    hasItems_.push_back(false);
}

void JsonWriter::endObject() {
    const bool had = hasItems_.back();
    hasItems_.pop_back();
    if (had) newline();
    out_ << '}';
    if (hasItems_.empty()) out_ << '\n';
}

void JsonWriter::beginArray() {
    beforeValue();
    out_ << '[';
    hasItems_.push_back(false);
}

void JsonWriter::endArray() {
    const bool had = hasItems_.back();
    hasItems_.pop_back();
    if (had) newline();
    out_ << ']';
}

void JsonWriter::value(int64_t number) {
    beforeValue();
    out_ << number;
}

void JsonWriter::literal(std::string_view text) {
    beforeValue();
    out_ << text;
}

void JsonWriter::value(std::string_view text) {
    beforeValue();
    writeString(out_, text);
}

void JsonWriter::writeString(std::ostream& out, std::string_view text) {
    out << '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out << "\\\"";
                break;
            case '\\':
                out << "\\\\";
                break;
            case '\n':
                out << "\\n";
                break;
            case '\r':
                out << "\\r";
                break;
            case '\t':
                out << "\\t";
                break;
            default:
                if (byte < 0x20 || byte >= 0x7F) {
                    std::array<char, 8> escaped{};
                    std::snprintf(escaped.data(), escaped.size(), "\\u%04x", byte);
                    out << escaped.data();
                } else {
                    out << c;
                }
        }
    }
    out << '"';
}

}  // namespace zq61::cli
