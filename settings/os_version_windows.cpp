// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings.h"

#include <windows.h>

namespace zq61 {

bool detectIsNt60() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExA(&info)) return false;
    return info.dwPlatformId == 2 && info.dwMajorVersion == 6 && info.dwMinorVersion == 0;
}

}  // namespace zq61
