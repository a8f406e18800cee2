// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/serveranswer.h"

#include "common/constants.h"
#include "common/exceptions.h"
#include "storage/bytestring.h"
#include "storage/streamformat.h"

#include <QDataStream>
#include <QDebug>
#include <QIODevice>
#include <QTextStream>

namespace {

// A record that breaks off or does not add up is not an answer of ours.
void requireReadable(const QDataStream& s)
{
    if (s.status() != QDataStream::Ok)
        throw StreamErr(TCP_SERVER_HAS_BAD_DATA_FORMAT);
}

// The byte string reader checks the announced length against what is left
// before it allocates, and fails the stream instead.
void readByteString(QDataStream& s, std::string& text)
{
    s >> text;
    requireReadable(s);
}

// A date alone travels as the date half of a date and time.
void writeDate(QDataStream& s, const QDate& date)
{
    s << qint32(date.isValid() ? date.toJulianDay() : 0);
}

QDate readDate(QDataStream& s)
{
    qint32 julianDay = 0;
    s >> julianDay;
    return julianDay == 0 ? QDate() : QDate::fromJulianDay(julianDay);
}

QString latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

QDataStream& operator<<(QDataStream& s, const ServerAnswer& answer)
{
    s << qint16(FORMAT_VERSION) << qint8(answer.flags);
    s << answer.serverAddress << qint16(answer.serverPort) << answer.ftpServer << answer.downloadLocation;
    s << qint32(answer.memberNumber) << answer.welcome;
    writeDateTime(s, answer.memberSince);
    s << qint16(answer.newestVersion) << qint16(answer.lastTxtMessage) << qint16(answer.lastPicture)
      << qint16(answer.lastAnalysisPage);
    writeDate(s, answer.nextSessionDate);
    s << qint32(answer.numMembers) << qint32(answer.numPurses) << qint32(answer.totalSumCents)
      << qint8(answer.lastUploadCountry);
    s << answer.serverMessage << answer.personalMessage;
    return s;
}

QDataStream& operator>>(QDataStream& s, ServerAnswer& answer)
{
    s >> answer.version;
    requireReadable(s);
    if (const unsigned problem =
            versionProblem(answer.version, TCP_SERVER_ANSWER_TOO_OLD_FORMAT, TCP_SERVER_ANSWER_TOO_NEW_FORMAT)) {
        qDebug() << "version error in QDataStream& operator>> (ServerAnswer &SA): version" << answer.version;
        throw StreamErr(problem);
    }
    s >> answer.flags;
    readByteString(s, answer.serverAddress);
    s >> answer.serverPort;
    readByteString(s, answer.ftpServer);
    readByteString(s, answer.downloadLocation);
    s >> answer.memberNumber;
    readByteString(s, answer.welcome);
    answer.memberSince = readDateTime(s);
    s >> answer.newestVersion >> answer.lastTxtMessage >> answer.lastPicture >> answer.lastAnalysisPage;
    answer.nextSessionDate = readDate(s);
    s >> answer.numMembers >> answer.numPurses >> answer.totalSumCents >> answer.lastUploadCountry;
    requireReadable(s);
    readByteString(s, answer.serverMessage);
    readByteString(s, answer.personalMessage);
    return s;
}

quint32 sizeOf(const ServerAnswer& answer)
{
    return serializedSize(answer);
}

QTextStream& operator<<(QTextStream& s, const ServerAnswer& answer)
{
    qDebug() << "Why is this called? Shouldn't be used normally: QTextStream & operator<< (QTextStream& s, "
                "ServerAnswer SA)";
    s << answer.version << unsigned(answer.flags) << latin1(answer.serverAddress) << answer.serverPort
      << latin1(answer.ftpServer) << latin1(answer.downloadLocation) << answer.memberNumber << latin1(answer.welcome)
      << answer.memberSince.toString(Qt::TextDate) << answer.newestVersion << answer.lastTxtMessage
      << answer.lastPicture << answer.lastAnalysisPage << answer.nextSessionDate.toString(Qt::TextDate)
      << answer.numMembers << answer.numPurses << answer.totalSumCents << unsigned(answer.lastUploadCountry)
      << latin1(answer.serverMessage) << latin1(answer.personalMessage);
    return s;
}
