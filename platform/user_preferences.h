// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Choices of the user that are kept per user in the program's settings store
// (QSettings "zq61"/"preferences"), not in mysetup.ini, which belongs to the
// installation.

#include <optional>

#include "model/file_io.h"

namespace zq61 {

// Whether every successful write is read back and compared with what was
// written (Settings > Verify after Write). Off until the user turns it on.
// Setting it returns the store's file and why when it cannot be saved (the
// choice still holds until the program ends).
bool verifyAfterWrite();
std::optional<FileProblem> setVerifyAfterWrite(bool on);

}  // namespace zq61
