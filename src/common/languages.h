// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

// The languages the program and the results page speak. English is the texts'
// own language and needs no translation; the others are embedded as
// ":/i18n/zuv_<language>.qm".

// "en" first, then every translated language.
const QStringList& spokenLanguages();

// Loads `language` ("de") into `translator`; false for English and for a
// language the program does not speak.
bool loadLanguage(QTranslator& translator, const QString& language);

// The spoken language that fits a list of wishes best, taken in order
// ("de-AT", "fr_CH", "it"); English when none fits.
QString bestLanguage(const QStringList& wishes);

// The languages of an HTTP Accept-Language field ("de-AT,de;q=0.9,en;q=0.5"),
// the most wished first; those with q=0 are refused and left out.
QStringList acceptedLanguages(const QByteArray& field);

// Makes the program speak the language of the system's locale (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG); under LANG=C it stays English.
void installSystemLanguage();
