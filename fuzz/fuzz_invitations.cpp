// SPDX-License-Identifier: GPL-3.0-or-later
// The invitation list from bytes. The reader appends to what the list holds;
// when the data ends early nothing is appended. What it appends comes back
// unchanged through the writer.

#include "fuzzsupport.h"

#include "invitations/invitedperson.h"

#include <QDataStream>
#include <QIODevice>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    silenceDebugOutput();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    const InvitedPerson earlier{"Anna", "a.b", 17, false};
    InvitationList list{earlier};
    QDataStream s(bytes);
    s >> list;
    FUZZ_REQUIRE(!list.isEmpty() && list.first() == earlier);
    if (s.status() != QDataStream::Ok) {
        FUZZ_REQUIRE(list.size() == 1);
        return 0;
    }

    const InvitationList read = list.mid(1);
    QByteArray written;
    {
        QDataStream w(&written, QIODevice::WriteOnly);
        w << read;
    }
    InvitationList again;
    QDataStream r(written);
    r >> again;
    FUZZ_REQUIRE(r.status() == QDataStream::Ok && r.atEnd());
    FUZZ_REQUIRE(again == read);
    return 0;
}
