// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/user_preferences.h"

#include <QSettings>

#include "platform/settings_store.h"

namespace zq61 {
namespace {

constexpr char kVerifyKey[] = "Radio/VerifyAfterWrite";

QSettings store() {
    return QSettings(QStringLiteral("zq61"), QStringLiteral("preferences"));
}

}  // namespace

bool verifyAfterWrite() {
    return store().value(kVerifyKey, false).toBool();
}

std::optional<FileProblem> setVerifyAfterWrite(bool on) {
    QSettings settings = store();
    settings.setValue(kVerifyKey, on);
    return saveSettingsStore(settings);
}

}  // namespace zq61
