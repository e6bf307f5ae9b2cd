// SPDX-License-Identifier: GPL-3.0-or-later
#include "romanian_qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace view {

void InstallRomanianQtTexts(QCoreApplication &app) {
    const QLocale romanian(QLocale::Romanian, QLocale::Romania);
    auto *qt = new QTranslator(&app);
    if (qt->load(romanian, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QStringLiteral(":/i18n")) ||
        qt->load(romanian, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}

} // namespace view
