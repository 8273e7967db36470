#include "platform/user_preferences.h"

#include <QSettings>

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

void setVerifyAfterWrite(bool on) {
    QSettings settings = store();
    settings.setValue(kVerifyKey, on);
}

}  // namespace zq61
