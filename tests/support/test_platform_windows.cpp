// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_platform.h"

#include <cstdlib>

namespace zq61::test {

bool filePermissionsBind() {
    return false;
}

std::string reasonForAFolderInTheWay() {
    return "Permission denied";
}

void setEnvironment(const char* name, const std::string& value) {
    _putenv_s(name, value.c_str());
}

void unsetEnvironment(const char* name) {
    _putenv_s(name, "");  // an empty value removes the variable
}

// Windows has no per-process limit on file size.
FileSizeLimit::FileSizeLimit(std::uint64_t) {}
FileSizeLimit::~FileSizeLimit() = default;

}  // namespace zq61::test
