// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>

const QStringList& spokenLanguages()
{
    static const QStringList languages{QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"),
                                       QStringLiteral("it"), QStringLiteral("es"), QStringLiteral("nl")};
    return languages;
}

bool loadLanguage(QTranslator& translator, const QString& language)
{
    if (language == spokenLanguages().constFirst() || !spokenLanguages().contains(language))
        return false;
    return translator.load(QStringLiteral(":/i18n/zuv_%1.qm").arg(language));
}

QString bestLanguage(const QStringList& wishes)
{
    for (const QString& wish : wishes) {
        // Only the language counts, not the region: de-AT speaks "de".
        const QString language = wish.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (spokenLanguages().contains(language))
            return language;
    }
    return spokenLanguages().constFirst();
}

QStringList acceptedLanguages(const QByteArray& field)
{
    QList<QPair<double, QString>> weighed;
    for (const QByteArray& item : field.split(',')) {
        const QList<QByteArray> parts = item.split(';');
        const QString language = QString::fromLatin1(parts.first().trimmed());
        double weight = 1;
        for (const QByteArray& parameter : parts.mid(1)) {
            const QByteArray trimmed = parameter.trimmed();
            if (trimmed.startsWith("q="))
                weight = trimmed.mid(2).toDouble();
        }
        if (!language.isEmpty() && weight > 0)
            weighed.append({weight, language});
    }
    // Equal weights keep the browser's order.
    std::stable_sort(weighed.begin(), weighed.end(),
                     [](const auto& one, const auto& other) { return one.first > other.first; });
    QStringList languages;
    for (const auto& wish : weighed)
        languages << wish.second;
    return languages;
}

void installSystemLanguage()
{
    // The C locale names no language; uiLanguages() would still say "en-US".
    if (QLocale::system().language() == QLocale::C)
        return;
    const QString language = bestLanguage(QLocale::system().uiLanguages());
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!loadLanguage(*translator, language)) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    // Qt's own texts (the file dialog's), when Debian's qt6-translations-l10n is installed.
    auto* qtTexts = new QTranslator(QCoreApplication::instance());
    if (qtTexts->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
}
