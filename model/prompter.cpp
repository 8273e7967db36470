// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/prompter.h"

namespace zq61 {

const char* fixedText(FixedText kind) {
    switch (kind) {
        case FixedText::PasswordFailure:
            return "PassWord Failure!";
        case FixedText::NoToneFeature:
            return "CTCSS/DCS Function is invalid,\r\nSome features will not work.";
        case FixedText::NotNumeric:
            return "Not IsNumeric";
        case FixedText::CountryModeError:
            return "Country Mode Error!";
        case FixedText::LanguageFileUnreadable:
            return "The language file cannot be read, so the program shows no texts:";
        case FixedText::None:
        case FixedText::WindowError:
        case FixedText::SystemReason:
            break;
    }
    return "";
}

}  // namespace zq61
