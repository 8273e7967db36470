// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts for tests: a text identifier gives "T<id>" unless the table holds
// another text, so tests can tell which message was shown.

#include <map>
#include <string>

#include "model/texts.h"

namespace zq61::test {

class TableTexts : public Texts {
public:
    std::map<int, std::string> table;
    std::string text(int id) const override {
        auto it = table.find(id);
        return it != table.end() ? it->second : "T" + std::to_string(id);
    }
};

}  // namespace zq61::test
