#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QtGlobal>

class ClientStorage;

// The project's totals as the participants see them in the answer.
struct ProjectTotals
{
    quint32 members = 0;
    quint32 purses = 0; // sessions whose purse held at least one coin
    quint32 sumCents = 0;
};

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
    bool knownMember = false; // false: the upload named a member we never gave out; nothing was stored
    bool newMember = false;   // the upload carried no member number and one was given
    quint32 memberNumber = 0;
    QDateTime memberSince;
    int sessionsAdded = 0; // sessions not stored before
    int invitationsAdded = 0;
    quint8 previousUploadCountry = 0; // member country index of the upload before this one, 0 if none
    ProjectTotals totals;             // including this upload
    AnalysisNumbers analysis;
};

// The server's SQLite database: its schema, the lookup tables that give the
// client's indices their names, and the storing of an upload. Every upload is
// one transaction, so a failure, a crash or a kill in the middle leaves no
// trace of it. Every value from a participant is bound, never spliced into
// the statement text.
class ProjectDatabase
{
public:
    // Bumped when the schema changes; an older database is upgraded when it
    // is opened, one of a newer schema is refused.
    static constexpr int SCHEMA_VERSION = 3;
    // How long a statement waits for another process holding the database.
    static constexpr int BUSY_TIMEOUT_MS = 5000;

    explicit ProjectDatabase(const QString& connectionName = QStringLiteral("zuv-server"));
    ~ProjectDatabase();
    ProjectDatabase(const ProjectDatabase&) = delete;
    ProjectDatabase& operator=(const ProjectDatabase&) = delete;

    // Opens the file, creating it with its schema and lookup tables when it is
    // new and upgrading an older schema (one transaction). False with
    // lastError() when the file cannot be used.
    bool open(const QString& fileName);
    void close();
    bool isOpen() const;
    QString lastError() const { return error; }

    // Stores the upload received at `receivedAt`: a member number of 0 makes
    // a new member, an unknown one stores nothing (receipt.knownMember false).
    // Sessions already stored for the member (same entry date and time) are
    // left as they are, so an upload sent twice counts once. False with
    // lastError() when the database failed; then nothing of it was stored.
    bool storeUpload(const ClientStorage& upload, const QDateTime& receivedAt, UploadReceipt& receipt);

    // The newest analysis items; a fresh database offers none (all 0).
    bool setAnalysisNumbers(const AnalysisNumbers& numbers);

    // The connection, for reports and tests.
    QSqlDatabase database() const;

private:
    void createSchema();
    void fillLookupTables();

    QString connection;
    QString error;
};
