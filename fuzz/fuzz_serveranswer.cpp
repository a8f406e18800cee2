// The server's answer record from bytes: refused with one of the codes of a
// broken answer, or read into a record that the writer gives back unchanged.

#include "fuzzsupport.h"

#include "common/constants.h"
#include "common/errorcodes.h"
#include "common/exceptions.h"
#include "net/protocol.h"
#include "net/serveranswer.h"

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

    // The header functions take any bytes as well.
    FrameHeader header;
    const bool whole = parseFrameHeader(bytes, header);
    FUZZ_REQUIRE(whole == (bytes.size() >= FRAME_HEADER_SIZE));
    if (whole)
        FUZZ_REQUIRE(startsWithMagic(bytes) == header.hasMagic());

    ServerAnswer answer;
    QDataStream s(bytes);
    try {
        s >> answer;
    } catch (const StreamErr& e) {
        FUZZ_REQUIRE(e.code() == TCP_SERVER_ANSWER_TOO_OLD_FORMAT || e.code() == TCP_SERVER_ANSWER_TOO_NEW_FORMAT ||
                     e.code() == TCP_SERVER_HAS_BAD_DATA_FORMAT);
        return 0;
    }
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
    return 0;
}
