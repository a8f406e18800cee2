// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/intake/uploadqueue.h"

#include "common/errorcodes.h"
#include "server/storage/projectdatabase.h"

#include <QMetaObject>
#include <QSqlDatabase>

#include <algorithm>
#include <utility>
#include <vector>

UploadQueue::UploadQueue(const QString& message, QObject* parent) : QObject(parent), serverMessage(message)
{
    clock.start();
}

UploadQueue::~UploadQueue()
{
    {
        const std::lock_guard<std::mutex> guard(lock);
        stopping = true;
    }
    changed.notify_all();
    for (std::thread& worker : workers)
        worker.join();
}

bool UploadQueue::start(const QString& location, QString& error, int connections)
{
    {
        const std::lock_guard<std::mutex> guard(lock);
        opening = connections;
    }
    // Qt SQL registers its cleanup the first time its drivers are looked up,
    // behind a flag without a lock: storing threads opening their connections
    // at once could register it twice, and the cleanup would then register
    // itself again for ever when the program ends. Looked up here first.
    QSqlDatabase::drivers();
    for (int i = 0; i < connections; ++i)
        workers.emplace_back([this, location, i] { run(location, QStringLiteral("zuv-server-uploads-%1").arg(i)); });
    std::unique_lock<std::mutex> guard(lock);
    changed.wait(guard, [this] { return opening == 0; });
    error = openError;
    stopping = !opened; // the connections that did open end too
    guard.unlock();
    changed.notify_all();
    return opened;
}

void UploadQueue::submit(const QByteArray& body, const QHostAddress& peer, QObject* receiver, ReplyHandler done)
{
    Waiting upload{ClientStorage(), peer, false, receiver, std::move(done), body.size() > LARGE_BODY_BYTES};
    const auto refuse = [this, &upload](unsigned code, const QByteArray& reason = QByteArray()) {
        UploadService::Reply refused;
        refused.refusal = code;
        refused.refusalReason = reason;
        deliver(upload, refused);
    };
    if (!UploadService::decode(body, upload.upload))
        return refuse(TCP_CLIENT_HAS_BAD_DATA_FORMAT);
    const quint32 member = upload.upload.Membernumber;
    if (member != 0 && !claims.admit(peer, member, clock.elapsed()))
        return refuse(TCP_SERVER_TIMEOUT, "too many failed member claims");
    upload.claimAdmitted = member != 0;
    {
        const std::lock_guard<std::mutex> guard(lock);
        waiting.push_back(std::move(upload));
    }
    changed.notify_one();
}

void UploadQueue::deliver(Waiting& upload, const UploadService::Reply& reply)
{
    // On our thread, where the receiver lives and is known to be alive or
    // gone, and where the claims are kept.
    const quint32 member = upload.claimAdmitted ? upload.upload.Membernumber : 0;
    QMetaObject::invokeMethod(
        this,
        [this, receiver = upload.receiver, peer = upload.peer, member, done = std::move(upload.done), reply] {
            if (member != 0)
                claims.settle(peer, member, !reply.claimFailed);
            if (receiver)
                done(reply);
        },
        Qt::QueuedConnection);
}

void UploadQueue::run(const QString& location, const QString& connectionName)
{
    ProjectDatabase database(connectionName);
    const bool ready = database.open(location);
    {
        const std::lock_guard<std::mutex> guard(lock);
        if (!ready && opened) {
            opened = false;
            openError = database.lastError();
        }
        --opening;
    }
    changed.notify_all();
    if (!ready)
        return;

    UploadService service(database, serverMessage);
    std::vector<Waiting> batch;
    std::vector<const ClientStorage*> uploads;
    for (;;) {
        {
            std::unique_lock<std::mutex> guard(lock);
            changed.wait(guard, [this] { return stopping || !waiting.empty(); });
            if (stopping)
                return;
            takeNext(batch);
            if (!waiting.empty())
                changed.notify_one(); // for another storing thread
        }
        for (const Waiting& upload : batch)
            uploads.push_back(&upload.upload);
        const std::vector<UploadService::Reply> replies = service.storeAndAnswer(uploads);
        for (std::size_t i = 0; i < batch.size(); ++i)
            deliver(batch[i], replies[i]);
        batch.clear();
        uploads.clear();
    }
}

void UploadQueue::takeNext(std::vector<Waiting>& batch)
{
    const auto isLarge = [](const Waiting& upload) { return upload.large; };
    const auto large = std::find_if(waiting.begin(), waiting.end(), isLarge);
    if (large != waiting.end() && (largeTurn || std::all_of(waiting.begin(), waiting.end(), isLarge))) {
        batch.push_back(std::move(*large));
        waiting.erase(large);
        largeTurn = false;
        return;
    }
    // After the small ones, a large one waiting has its turn.
    largeTurn = large != waiting.end();
    for (auto upload = waiting.begin(); upload != waiting.end() && batch.size() < MOST_PER_TRANSACTION;) {
        if (upload->large) {
            ++upload;
            continue;
        }
        batch.push_back(std::move(*upload));
        upload = waiting.erase(upload);
    }
}
