// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/intake/claimledger.h"
#include "server/intake/peerledger.h"
#include "server/intake/uploadservice.h"
#include "storage/clientstorage.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Stores the uploads on threads of its own, each with a database connection of
// its own, each transaction taking as many as are waiting: the uploads that arrive while one
// transaction is under way all go into the next (each in a savepoint of its
// own, so one that fails is refused alone), and all are answered once it is
// committed, so an answer still means the upload is on disk. The database
// waits for the disk once per commit, so one wait serves many participants,
// and the event loop serves the connections meanwhile. A large upload takes
// the thread for a while: it is stored in a transaction of its own, in turns
// with the small ones waiting, so that a small upload waits for one large
// one at most and a large one is never put off for ever.
class UploadQueue : public QObject
{
    Q_OBJECT

public:
    using ReplyHandler = std::function<void(const UploadService::Reply&)>;

    // The most uploads one transaction takes; more wait for the next.
    static constexpr std::size_t MOST_PER_TRANSACTION = 64;
    // A body above this is a large upload: the size above which a body takes
    // room in the peers' budget. Every weekly upload is far below it.
    static constexpr qsizetype LARGE_BODY_BYTES = PeerLedger::SMALL_BODY_BYTES;

    explicit UploadQueue(const QString& serverMessage = QString(), QObject* parent = nullptr);
    // Finishes the transaction under way; uploads still waiting are dropped
    // unanswered (their clients send them again).
    ~UploadQueue() override;

    // Opens `connections` connections to the database at `location`, each on
    // a storing thread of its own. False with `error` when one cannot be used.
    // PostgreSQL stores on several side by side (writers of different
    // participants do not wait for each other until the shared rows at the
    // end of their transactions); SQLite writes one transaction at a time,
    // so one connection is all it uses.
    bool start(const QString& location, QString& error, int connections = 1);

    // Reads the body (one that is no client state is refused at once) and
    // queues the upload. `done` runs on this object's thread with the reply,
    // unless `receiver` is gone by then. An upload that claims to be a member's
    // while `peer` or that member has failed too many claims lately is refused
    // with "try later" and never tried (see ClaimLedger).
    void submit(const QByteArray& body, const QHostAddress& peer, QObject* receiver, ReplyHandler done);

private:
    struct Waiting
    {
        ClientStorage upload;
        QHostAddress peer;
        bool claimAdmitted = false; // counted in `claims` until settled
        QPointer<QObject> receiver;
        ReplyHandler done;
        bool large = false;
    };

    void run(const QString& location, const QString& connectionName);
    // Moves the uploads of the next transaction from `waiting` to `batch`.
    void takeNext(std::vector<Waiting>& batch);
    void deliver(Waiting& waiting, const UploadService::Reply& reply);

    const QString serverMessage;
    // Used on this object's thread only.
    ClaimLedger claims;
    QElapsedTimer clock;
    std::vector<std::thread> workers;
    std::mutex lock;
    std::condition_variable changed;
    std::deque<Waiting> waiting;
    bool stopping = false;
    bool largeTurn = false; // a large upload waiting goes next
    int opening = 0;        // connections not open yet
    bool opened = true;
    QString openError;
};
