// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingschoices.h"

#include "common/constants.h"

const QStringList& memberCountryItems()
{
    static const QStringList items = [] {
        QStringList list{QString()};
        for (int country = 1; country < NUM_COUNTRIES; ++country)
            list << countrynamesWords[static_cast<size_t>(country)];
        list << QString() << QString() << QString()
             << QStringLiteral(QT_TRANSLATE_NOOP("Country", "Other European Country")) << QString()
             << QStringLiteral(QT_TRANSLATE_NOOP("Country", "North Africa"))
             << QStringLiteral(QT_TRANSLATE_NOOP("Country", "South Africa"))
             << QStringLiteral(QT_TRANSLATE_NOOP("Country", "West Asia"))
             << QStringLiteral(QT_TRANSLATE_NOOP("Country", "East Asia"))
             << QStringLiteral(QT_TRANSLATE_NOOP("Country", "Australia"))
             << QStringLiteral(QT_TRANSLATE_NOOP("Country", "Pacific"))
             << QStringLiteral(QT_TRANSLATE_NOOP("Country", "North America"))
             << QStringLiteral(QT_TRANSLATE_NOOP("Country", "South America"))
             << QStringLiteral(QT_TRANSLATE_NOOP("Country", "Arctis"))
             << QStringLiteral(QT_TRANSLATE_NOOP("Country", "Antarctis"));
        return list;
    }();
    return items;
}

const QStringList& townSizeItems()
{
    static const QStringList items{QString(),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TownSize", "< 500")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TownSize", "500 - 1,000")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TownSize", "1,000 - 5,000")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TownSize", "5,000 - 10,000")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TownSize", "10,000 - 50,000")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TownSize", "50,000 - 100,000")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TownSize", "100,000 - 500,000")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TownSize", "500,000 - 1,000,000")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TownSize", "1,000,000 - 5,000,000")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TownSize", "> 5,000,000")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TownSize", "I do not know it"))};
    return items;
}

QString itemValueTuples(const QStringList& items, const QString& tail)
{
    QString text;
    for (int i = 0; i < items.size(); ++i)
        text += QStringLiteral("(%1,'%2'").arg(i).arg(items.at(i)) + tail + QStringLiteral("),");
    text.chop(1);
    return text;
}
