#include "settings/settingschoices.h"

#include "common/constants.h"

const QStringList& memberCountryItems()
{
    static const QStringList items = [] {
        QStringList list{QString()};
        for (int country = 1; country < NUM_COUNTRIES; ++country)
            list << countrynamesWords[static_cast<size_t>(country)];
        list << QString() << QString() << QString() << QStringLiteral("Other European Country") << QString()
             << QStringLiteral("North Africa") << QStringLiteral("South Africa") << QStringLiteral("West Asia")
             << QStringLiteral("East Asia") << QStringLiteral("Australia") << QStringLiteral("Pacific")
             << QStringLiteral("North America") << QStringLiteral("South America") << QStringLiteral("Arctis")
             << QStringLiteral("Antarctis");
        return list;
    }();
    return items;
}

const QStringList& townSizeItems()
{
    static const QStringList items{QString(),
                                   QStringLiteral("< 500"),
                                   QStringLiteral("500 - 1,000"),
                                   QStringLiteral("1,000 - 5,000"),
                                   QStringLiteral("5,000 - 10,000"),
                                   QStringLiteral("10,000 - 50,000"),
                                   QStringLiteral("50,000 - 100,000"),
                                   QStringLiteral("100,000 - 500,000"),
                                   QStringLiteral("500,000 - 1,000,000"),
                                   QStringLiteral("1,000,000 - 5,000,000"),
                                   QStringLiteral("> 5,000,000"),
                                   QStringLiteral("I do not know it")};
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
