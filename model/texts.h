// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace zq61 {

// The source of every user-visible text, looked up by text identifier
// (the language file in the program; a table in tests). Never fails: an
// unknown identifier gives an empty text.
class Texts {
public:
    virtual ~Texts() = default;
    virtual std::string text(int id) const = 0;
};

}  // namespace zq61
