// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The per-user settings store (QSettings) says only "AccessError" when it
// cannot save: this finds the file and the operating system's reason.

#include <optional>

#include "model/file_io.h"

class QSettings;

namespace zq61 {

// Writes the store out now; nothing when it is saved, else its file and why
// it could not be written (asked of its folder and its file).
std::optional<FileProblem> saveSettingsStore(QSettings& store);

}  // namespace zq61
