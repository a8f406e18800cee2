// SPDX-License-Identifier: GPL-3.0-or-later
#include "invitations/invitedperson.h"

#include "storage/bytestring.h"
#include "storage/streamformat.h"

#include <QDataStream>
#include <QTextStream>

namespace {
// Two empty byte strings, the coin and the uploaded flag.
constexpr quint64 MIN_PERSON_BYTES = 4 + 4 + 1 + 1;

QString latin1(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}
} // namespace

QDataStream& operator<<(QDataStream& stream, const InvitationList& list)
{
    stream << quint16(list.size());
    for (const InvitedPerson& person : list)
        stream << person.name << person.eMail << person.coin << quint8(person.uploaded ? 1 : 0);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, InvitationList& list)
{
    quint16 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok || !ensureBytesLeft(stream, count * MIN_PERSON_BYTES))
        return stream;
    InvitationList read;
    read.reserve(count);
    for (quint16 i = 0; i < count; ++i) {
        InvitedPerson person;
        quint8 uploaded = 0;
        stream >> person.name >> person.eMail >> person.coin >> uploaded;
        if (stream.status() != QDataStream::Ok)
            return stream;
        person.uploaded = uploaded != 0;
        read.append(person);
    }
    list.append(read);
    return stream;
}

QTextStream& operator<<(QTextStream& stream, const InvitationList& list)
{
    stream << quint16(list.size());
    for (const InvitedPerson& person : list)
        stream << person.name << person.eMail << unsigned(person.coin) << (person.uploaded ? 1 : 0);
    return stream;
}

QString printTheNotYetUploadedIntoSQLTriple(const InvitationList& list, const std::string& tail, int& count)
{
    count = 0;
    QString text;
    for (const InvitedPerson& person : list) {
        if (person.uploaded)
            continue;
        text += QLatin1String("('") + latin1(person.name) + QLatin1String("','") + latin1(person.eMail) +
                QLatin1String("',") + QString::number(person.coin) + latin1(tail) + QLatin1String("),");
        ++count;
    }
    if (count != 0)
        text.chop(1);
    return text;
}

void setAllUploadedTrue(InvitationList& list)
{
    for (InvitedPerson& person : list)
        person.uploaded = true;
}
