// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

class SqlConnection;

// Takes a stopped server's SQLite database over to PostgreSQL. Both are opened
// as the server opens them, so both are at this server's schema; the tables
// are then copied as the databases describe them (every column the source
// has), so that a column, a server_state row or a table added to the schema
// is taken along without a word here. The lookup tables the schema fills
// itself are compared instead. All of it is one PostgreSQL transaction that
// commits only when the project's totals agree on both sides: a failure or a
// refusal leaves the target as it was.
class ProjectImport
{
public:
    // The project's totals: counted afresh and as the server keeps them.
    struct Totals
    {
        qint64 members = 0;
        qint64 purses = 0;
        qint64 coins = 0;
        qint64 cents = 0;
        qint64 keptMembers = 0;
        qint64 keptPurses = 0;
        qint64 keptCents = 0;

        static Totals of(SqlConnection& sql);
        // The kept totals equal the fresh count.
        bool consistent() const;
        bool operator==(const Totals& other) const;
        QString toString() const;
    };

    // Copies the SQLite database `sourceFile` into the PostgreSQL database
    // `target` (an address as --database takes it), which must hold no
    // members yet. False with error() when it was refused or failed; then
    // nothing was copied.
    bool run(const QString& sourceFile, const QString& target);
    QString error() const { return problem; }
    // What was copied and checked, for the operator.
    QString summary() const;

private:
    void copyAll(SqlConnection& from, SqlConnection& to);

    QString problem;
    QString source;
    QString destination;
    Totals totals;
    qint64 rows = 0;
    int tables = 0;
};
