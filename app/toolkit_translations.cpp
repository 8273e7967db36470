// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolkit_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include "settings/settings.h"

namespace zq61::gui {

void useToolkitTexts(const Settings& settings) {
    // The translator in use; it belongs to the application and goes with it.
    static QPointer<QTranslator> installed;
    delete installed.data();  // leaves the application's list as it goes
    if (settings.LanguageFileName != languageFileNameFor(kChinese)) return;
    auto* chinese = new QTranslator(QCoreApplication::instance());
    if (!chinese->load(QStringLiteral("qtbase_zh_CN"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete chinese;
        return;
    }
    QCoreApplication::installTranslator(chinese);
    installed = chinese;
}

}  // namespace zq61::gui
