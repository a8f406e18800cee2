// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/utilities.h"

#include "common/config.h"
#include "common/constants.h"

#include <QCoreApplication>
#include <QFile>

QString errorMessageOf(unsigned code)
{
    return code < NUM_ERROR_CODES ? errormessage[code] : QString();
}

QString errorHelpOf(unsigned code)
{
    if (code >= NUM_ERROR_CODES || !errorhelp[code].text)
        return QString();
    const QString help = QCoreApplication::translate("ErrorHelp", errorhelp[code].text);
    return errorhelp[code].address ? help.arg(QLatin1String(errorhelp[code].address)) : help;
}

QString errorMessageAndSolution(unsigned code)
{
    QString text = errorMessageOf(code);
    const QString help = errorHelpOf(code);
    if (help.isEmpty())
        text += QCoreApplication::translate(
                    "ErrorHelp", "\n\nPlease write a short message\nwith a description of this problem\nto %1")
                    .arg(QStringLiteral(ZUV_PROBLEM_EMAIL));
    else
        text += QCoreApplication::translate("ErrorHelp", "\nPossible solution:\n") + help;
    return text;
}

int copyFile(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return ZUV_FILE_NOT_EXIST;
    QFile target(to);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return ZUV_FILE_WRITE_OPENING_ERROR;

    constexpr qint64 chunkSize = 64 * 1024;
    bool failed = false;
    while (!source.atEnd() && !failed) {
        const QByteArray chunk = source.read(chunkSize);
        failed = chunk.isEmpty() || target.write(chunk) != chunk.size();
    }
    failed = failed || source.error() != QFileDevice::NoError;
    source.close();
    if (failed)
        return ZUV_FILE_CLOSING_ERROR;
    target.close();
    if (target.error() != QFileDevice::NoError)
        return ZUV_FILE_CLOSING_ERROR;
    return ZUV_NO_ERROR;
}

bool isEmail(const QString& address)
{
    if (address.length() <= 6)
        return false;
    const int at = address.indexOf(QLatin1Char('@'));
    if (at <= 0 || at == address.length() - 1)
        return false;
    const int dot = address.indexOf(QLatin1Char('.'));
    return dot >= 0 && dot != address.length() - 1;
}

bool is_it_Windows()
{
    return false;
}

int minOf2(int a, int b)
{
    return a < b ? a : b;
}

int maxOf2(int a, int b)
{
    return a > b ? a : b;
}

QString fillFirstPlaceholder(const QString& text, const QString& value)
{
    for (int number = 1; number <= 99; ++number) {
        const QString placeholder = QLatin1Char('%') + QString::number(number);
        for (qsizetype at = text.indexOf(placeholder); at >= 0; at = text.indexOf(placeholder, at + 1)) {
            // "%1" must not be the start of "%10".
            const qsizetype end = at + placeholder.size();
            if (end < text.size() && text.at(end).isDigit())
                continue;
            QString filled = text;
            return filled.replace(at, placeholder.size(), value);
        }
    }
    return text;
}

int doNothing(int value)
{
    return value;
}

QString doNothing(const QString& value)
{
    return value;
}
