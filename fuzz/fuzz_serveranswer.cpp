// SPDX-License-Identifier: GPL-3.0-or-later
// The server's answer record from bytes: refused with one of the codes of a
// broken answer, or read into a record that the writer gives back unchanged
// and that the answer processing reports and takes over (or, without its OK
// bit, leaves the storage alone).

#include "fuzzsupport.h"

#include "common/constants.h"
#include "common/errorcodes.h"
#include "common/exceptions.h"
#include "net/protocol.h"
#include "net/serveranswer.h"
#include "settings/dialogs.h"
#include "storage/clientstorage.h"

#include <QDataStream>
#include <QIODevice>
#include <QTextEdit>

namespace {

ClientStorage* storage = nullptr;
Dialogs* dialogs = nullptr;
QTextEdit* answerLog = nullptr;

void requireProcessed(const ServerAnswer& answer)
{
    ClientStorage target = *storage;
    answerLog->clear();
    const bool ok = answer.ProcessAnswerAndStoreInto(&target, dialogs, answerLog);
    FUZZ_REQUIRE(ok == ((answer.flags & ServerAnswer::AnswerOK) != 0));
    FUZZ_REQUIRE(!answerLog->toPlainText().isEmpty());
    FUZZ_REQUIRE(ok || target == *storage);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    silenceDebugOutput();
    makeOffscreenApplication();
    storage = new ClientStorage;
    storage->setDefaultValues();
    storage->FavouriteCoin = 5;
    storage->Membernumber = 4711;
    dialogs = new Dialogs(storage);
    answerLog = new QTextEdit;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = bytesOf(data, size);

    // The header functions take any bytes as well, and what is parsed is
    // what would be written.
    FrameHeader header;
    const bool whole = parseFrameHeader(bytes, header);
    FUZZ_REQUIRE(whole == (bytes.size() >= FRAME_HEADER_SIZE));
    if (whole) {
        FUZZ_REQUIRE(startsWithMagic(bytes) == header.hasMagic());
        FUZZ_REQUIRE(frameHeaderBytes(header.magic, header.version, header.bodyLength) ==
                     bytes.left(FRAME_HEADER_SIZE));
    }

    ServerAnswer answer;
    QDataStream s(bytes);
    try {
        s >> answer;
    } catch (const StreamErr& e) {
        FUZZ_REQUIRE(e.code() == TCP_SERVER_ANSWER_TOO_OLD_FORMAT || e.code() == TCP_SERVER_ANSWER_TOO_NEW_FORMAT ||
                     e.code() == TCP_SERVER_HAS_BAD_DATA_FORMAT);
        FUZZ_REQUIRE(!fuzzInputIsCut || e.code() == TCP_SERVER_HAS_BAD_DATA_FORMAT);
        return 0;
    }
    FUZZ_REQUIRE(!fuzzInputIsCut);
    FUZZ_REQUIRE(answer.version >= MIN_FORMAT_VERSION && answer.version <= MAX_FORMAT_VERSION);

    QByteArray written;
    {
        QDataStream w(&written, QIODevice::WriteOnly);
        w << answer;
    }
    FUZZ_REQUIRE(sizeOf(answer) == quint32(written.size()));
    ServerAnswer again;
    QDataStream r(written);
    r >> again;
    FUZZ_REQUIRE(r.atEnd());
    FUZZ_REQUIRE(again.version == FORMAT_VERSION);
    FUZZ_REQUIRE(sameAnswer(again, answer));
    requireProcessed(answer);
    return 0;
}
