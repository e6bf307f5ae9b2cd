// SPDX-License-Identifier: GPL-3.0-or-later
#include "romanian_qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <string_view>

namespace view {
namespace {

// The menu of a text field, as QLineEdit names its entries.
class EditMenuTexts final : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *,
                      int) const override {
        static constexpr std::pair<std::string_view, std::string_view> kTexts[] = {
            {"&Undo", "&Anulează"},
            {"&Redo", "&Refă"},
            {"Cu&t", "&Taie"},
            {"&Copy", "&Copiază"},
            {"&Paste", "&Lipește"},
            {"Delete", "Șt&erge"},
            {"Select All", "&Selectează tot"},
        };
        if (!context || !sourceText || std::string_view(context) != "QLineEdit")
            return {};
        for (const auto &[english, romanian] : kTexts) {
            if (english == sourceText)
                return QString::fromUtf8(romanian.data(), static_cast<qsizetype>(romanian.size()));
        }
        return {};
    }

    bool isEmpty() const override { return false; }
};

} // namespace

void InstallRomanianQtTexts(QCoreApplication &app) {
    QCoreApplication::installTranslator(new EditMenuTexts(&app));
    // A translator installed later is asked first.
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
