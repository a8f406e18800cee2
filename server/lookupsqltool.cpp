// zuv-lookup-sql: writes the C++ source that hands the server the settings
// dialog's country and town-size lists. It builds the dialog (offscreen is
// enough) and asks it, so the server's member tables always carry the
// indices the client stores, without a second copy of the item texts.

#include "settings/dialogs.h"

#include <QApplication>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

const QString rawDelimiter = QStringLiteral("zuvsql");

QString function(const QString& name, const QString& tuples)
{
    return QStringLiteral("QString %1()\n{\n    return QString::fromUtf8(R\"%2(%3)%2\");\n}\n")
        .arg(name, rawDelimiter, tuples);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zuv-lookup-sql <output.cpp>\n");
        return 2;
    }
    const QString countries = Dialogs::giveAllMemberCountriesAsTextTupels(QString());
    const QString sizes = Dialogs::giveAllCitySizesAsTextTupels(QString());
    const QString end = QLatin1Char(')') + rawDelimiter + QLatin1Char('"');
    if (countries.isEmpty() || sizes.isEmpty() || countries.contains(end) || sizes.contains(end)) {
        std::fprintf(stderr, "zuv-lookup-sql: the dialog's lists cannot be written as they are\n");
        return 1;
    }

    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "zuv-lookup-sql: cannot write %s\n", argv[1]);
        return 1;
    }
    QTextStream out(&file);
    out.setEncoding(QStringConverter::Utf8);
    out << "// Written by zuv-lookup-sql from the settings dialog; changes here are overwritten.\n"
        << "#include \"server/lookuptuples.h\"\n\n"
        << function(QStringLiteral("memberCountryTuples"), countries) << "\n"
        << function(QStringLiteral("townSizeTuples"), sizes);
    out.flush();
    if (out.status() != QTextStream::Ok || !file.commit()) {
        std::fprintf(stderr, "zuv-lookup-sql: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
