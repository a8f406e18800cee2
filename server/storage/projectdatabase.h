// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/storage/sqldialect.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <limits>
#include <memory>
#include <vector>

class ClientStorage;
class SqlConnection;
struct TotalsChange;

// The project's totals as the participants see them in the upload answer (not
// the published ones: those are zuv::ProjectResults). They are kept in 64 bits: the answer's 32-bit fields take them
// through clampedCount().
struct AnswerTotals
{
    qint64 members = 0;
    qint64 purses = 0; // sessions whose purse held at least one coin
    qint64 sumCents = 0;
};

// A total as a 32-bit field of the answer can carry it: one beyond shows as
// the largest there is rather than wrapping to a small one.
inline quint32 clampedCount(qint64 n)
{
    return quint32(qBound(qint64(0), n, qint64(std::numeric_limits<quint32>::max())));
}

// Numbers of the newest analysis page, text message and picture on offer.
struct AnalysisNumbers
{
    quint16 pages = 0;
    quint16 textMessages = 0;
    quint16 pictures = 0;
};

// What storing one upload amounted to, read in the same transaction.
struct UploadReceipt
{
    bool knownMember = false;      // false: the upload named a member we never gave out, or without the
                                   // member's membership time; nothing was stored
    bool newMember = false;        // the upload carried no member number; the answer names it
    bool repeatedNewcomer = false; // ... and it was a newcomer's upload arriving again: the number of the first time
    quint32 memberNumber = 0;
    QDateTime memberSince;
    int sessionsAdded = 0;    // sessions not stored before
    int sessionsReplaced = 0; // stored sessions that arrived with other content
    int invitationsAdded = 0;
    quint8 previousUploadCountry = 0; // member country index of the upload before this one (before the
                                      // first, for a newcomer's sent again), 0 if none
    AnswerTotals totals;              // including this upload
    AnalysisNumbers analysis;
};

// The server's database, SQLite or PostgreSQL: its schema, the lookup tables that give the client's
// indices their names, and the storing of an upload. Every upload is one
// transaction, so a failure, a crash or a kill in the middle leaves no trace
// of it.
class ProjectDatabase
{
public:
    explicit ProjectDatabase(const QString& connectionName = QStringLiteral("zuv-server"));
    ~ProjectDatabase();
    ProjectDatabase(const ProjectDatabase&) = delete;
    ProjectDatabase& operator=(const ProjectDatabase&) = delete;

    // Opens the database `location` names (an SQLite file, created when
    // missing, or a PostgreSQL address: see DatabaseLocation), giving it its
    // schema and lookup tables when it is new and upgrading an older schema
    // (one transaction). One of a newer schema is refused. False with
    // lastError() when it cannot be used.
    //
    // Once open, a connection that breaks (the database restarted or ended
    // our session) is made again: at once, and after a failed try when work
    // comes 0.1 s later, the wait doubling to 10 s; each is logged. Work that
    // meets the database away fails as any database failure does.
    bool open(const QString& location);
    void close();
    bool isOpen() const;
    QString lastError() const { return error; }

    // What became of one of many uploads stored together.
    struct Outcome
    {
        bool stored = false;
        UploadReceipt receipt;
        QString error; // when not stored
    };
    // Stores the uploads received at `receivedAt`, one after the other in one
    // transaction, each in a savepoint of its own: one that fails is undone
    // alone. A member number of 0 makes a new member, unless the upload is a
    // newcomer's upload arriving again: then the member made the first time.
    // An unknown member number stores nothing (receipt.knownMember false). The
    // newest upload of a session wins. The database waits for the disk once per commit, so many uploads
    // cost it hardly more than one. When the transaction fails as a whole,
    // SQLite stores each again alone; PostgreSQL, whose savepoints outlast
    // any failed statement, then stores none.
    std::vector<Outcome> storeUploads(const std::vector<const ClientStorage*>& uploads, const QDateTime& receivedAt);

    // The newest analysis items; a fresh database offers none (all 0).
    bool setAnalysisNumbers(const AnalysisNumbers& numbers);

    // Runs `work` in a transaction that only reads: all of it sees one state
    // of the database, even while another server stores into it. False with
    // lastError() when the database failed (`work` throws DatabaseFailure).
    bool read(const std::function<void(SqlConnection&)>& work);
    // Runs `work` in a transaction that writes, alone (no other front end
    // writes meanwhile) and without the time limits of an upload's: all of it
    // is stored or, when `work` throws DatabaseFailure, none (false with
    // lastError()).
    bool write(const std::function<void(SqlConnection&)>& work);

    // The schema version the database has (0 when it is not open), and the
    // SQL it speaks.
    int schemaVersion() const;
    SqlDialect dialect() const;
    // The connection, for reports and tests.
    QSqlDatabase database() const;

private:
    // On PostgreSQL a writer waits for other writers of the participants
    // with these keys (see SqlDialect::begin()).
    template <typename Work>
    bool inTransaction(Work&& work, SqlDialect::Access access = SqlDialect::Access::Write,
                       const QList<qint64>& participantKeys = {});
    // Opens the connection to `location` and makes it ready; false with `error`.
    bool connect();
    // A new connection after the old one broke, unless the last try was too recent.
    bool reconnect();
    void disconnect();
    // Stores the upload's own rows; what it changes in the project's totals
    // is added to `change` and written with the batch's (applySharedChanges()).
    void storeInTransaction(const ClientStorage& upload, const QDateTime& receivedAt, UploadReceipt& receipt,
                            TotalsChange& change);

    QString connection;
    QString location; // empty while closed
    std::unique_ptr<SqlConnection> sql;
    QString error;
    int reconnectWaitMs = 0; // 0: try at once
    QElapsedTimer sinceReconnect;
};
