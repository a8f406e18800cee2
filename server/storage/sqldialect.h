// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

class SqlConnection;

// What the project database's two kinds, SQLite and PostgreSQL, spell
// differently. Every other statement is written once, in SQL both take
// (INSERT ... ON CONFLICT, RETURNING, CAST); whoever writes a statement that
// cannot be, puts its two forms here.
class SqlDialect
{
public:
    enum class Kind { SQLite, PostgreSQL };

    explicit SqlDialect(Kind kind = Kind::SQLite) : which(kind) {}
    Kind kind() const { return which; }
    // The Qt SQL driver.
    QString driver() const;

    // A schema statement with its words for what the two spell differently:
    // GENERATED_KEY, a key the database numbers itself, and MEMBER_KEY, the
    // member number (given by the server; in SQLite a key that is never
    // given twice, as databases of the first schema have it), BYTES, a
    // value of bytes, and WITHOUT_ROWID after a table kept in the order of
    // its primary key alone (SQLite; PostgreSQL has no such table).
    QString schema(const char* statement) const;

    // Made ready for the project's statements when it is opened; throws a
    // DatabaseFailure when it cannot be. On PostgreSQL every wait of our
    // sessions is bounded (see the time limits in sqldialect.cpp), so that a
    // front end that stops inside its transaction loses its session and its
    // locks within seconds instead of holding up the others.
    void prepare(SqlConnection& sql) const;

    enum class Access {
        Read,       // sees one state of the database throughout
        Write,      // beside other front ends' writers, each on its own participants
        WriteAlone, // schema work, the import: waits for every other writer, and they for it
    };
    // Begins a transaction. Two servers on one database wait for each other
    // here rather than fail later: SQLite takes its write lock at once,
    // PostgreSQL a lock of the project's own, shared among writers. A writer
    // that stores for participants names them too: writers of the same
    // participants store one after the other, waiting for these keys (pairs
    // of a kind and a number, sorted, so that two front ends never wait for
    // each other in a circle).
    void begin(SqlConnection& sql, Access access, const QList<qint64>& sortedParticipantKeyPairs = {}) const;
    // Locks the rows the SELECT (with its ORDER BY) reads, in its order.
    void lockRowsInOrder(SqlConnection& sql, const QString& select) const;

    // The schema version a database has (0: empty) and the statement setting it.
    int schemaVersion(SqlConnection& sql) const;
    QString setSchemaVersion(int version) const;

private:
    Kind which;
};
