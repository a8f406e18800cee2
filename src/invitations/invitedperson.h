// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <string>

class QDataStream;
class QTextStream;

// A friend invited by e-mail; the server sends the postcard. Name and address
// are the Latin-1 bytes of what was typed.
struct InvitedPerson
{
    std::string name;
    std::string eMail;
    quint8 coin = 0; // favourite coin: coin value index + 8 * national side index, 0..119
    bool uploaded = false;

    bool operator==(const InvitedPerson& other) const
    {
        return name == other.name && eMail == other.eMail && coin == other.coin && uploaded == other.uploaded;
    }
    bool operator!=(const InvitedPerson& other) const { return !(*this == other); }
};

// In the order of the invitations window's list.
using InvitationList = QList<InvitedPerson>;

// 16-bit count (the number of persons modulo 65536), then for every person
// name and address as byte strings, the coin and 1 or 0 for uploaded.
QDataStream& operator<<(QDataStream& stream, const InvitationList& list);
// Appends the persons read to `list` (it is not emptied first). When the data
// ends early or announces more persons than it can hold, nothing is appended
// and the stream is left failed (ReadPastEnd).
QDataStream& operator>>(QDataStream& stream, InvitationList& list);
// The count in decimal, then every person's name, address, coin and 1 or 0,
// all without separators.
QTextStream& operator<<(QTextStream& stream, const InvitationList& list);

// ('name','eMail',coin<tail>) for every person not yet uploaded, joined by
// commas; `count` receives how many. Names and addresses go in as they are.
QString printTheNotYetUploadedIntoSQLTriple(const InvitationList& list, const std::string& tail, int& count);

void setAllUploadedTrue(InvitationList& list);
