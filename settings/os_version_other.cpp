// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings.h"

namespace zq61 {

// Only Windows has an NT 6.0 generation.
bool detectIsNt60() {
    return false;
}

}  // namespace zq61
