// SPDX-License-Identifier: GPL-3.0-or-later
// An upload body as the project server takes it: refused as not a client
// state, or stored and answered (the upload queue's path). What the reader takes, the database must
// be able to store (else that participant could never upload again), and
// the answer must be one the client reads.

#include "fuzzsupport.h"

#include "common/exceptions.h"
#include "net/serveranswer.h"
#include "server/storage/projectdatabase.h"
#include "server/intake/uploadservice.h"
#include "storage/clientstorage.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QIODevice>

#include <memory>

#include <unistd.h>

namespace {

// Every so many uploads the database starts afresh, so that it does not
// grow through a run of millions.
constexpr int UPLOADS_PER_DATABASE = 5000;

QString databaseFile;
std::unique_ptr<ProjectDatabase> database;
std::unique_ptr<UploadService> service;
int uploads = 0;

void removeDatabaseFiles()
{
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(databaseFile + QLatin1String(suffix));
}

void freshDatabase()
{
    service.reset();
    database.reset();
    removeDatabaseFiles();
    database = std::make_unique<ProjectDatabase>();
    FUZZ_REQUIRE(database->open(databaseFile));
    service = std::make_unique<UploadService>(*database, QStringLiteral("fuzzing"));
    uploads = 0;
}

void closeDatabase()
{
    service.reset();
    database.reset();
    removeDatabaseFiles();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    silenceDebugOutput();
    makeOffscreenApplication(); // the database driver is a plugin
    const QDir memory(QStringLiteral("/dev/shm"));
    const QDir folder = memory.exists() ? memory : QDir::temp();
    databaseFile = folder.filePath(QStringLiteral("zuvfuzz-%1.sqlite").arg(getpid()));
    freshDatabase();
    atexit(closeDatabase);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (++uploads > UPLOADS_PER_DATABASE)
        freshDatabase();
    // As the upload queue does it: a body that is no client state is
    // refused before it gets near the database.
    ClientStorage upload;
    if (!UploadService::decode(bytesOf(data, size), upload))
        return 0;
    const UploadService::Reply reply = service->storeAndAnswer({&upload}).front();
    FUZZ_REQUIRE(reply.refusal == 0);
    // A newcomer is always taken in; a member number we never gave out gets
    // an answer without its OK bit.
    if (upload.Membernumber == 0)
        FUZZ_REQUIRE((reply.answer.flags & (ServerAnswer::AnswerOK | ServerAnswer::NewMember)) ==
                     (ServerAnswer::AnswerOK | ServerAnswer::NewMember));

    QByteArray written;
    {
        QDataStream w(&written, QIODevice::WriteOnly);
        w << reply.answer;
    }
    ServerAnswer read;
    QDataStream r(written);
    r >> read; // throwing here is a finding as well
    FUZZ_REQUIRE(r.atEnd());
    FUZZ_REQUIRE(sameAnswer(read, reply.answer));
    return 0;
}
