// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/storage/sqldialect.h"

#include <QString>

// Where the project database is, as --database names it: an SQLite file, or a
// PostgreSQL database as postgresql://user@host:port/dbname (postgres:// as
// well). The host may be the folder of the server's Unix socket, percent-
// encoded (postgresql://zuv@%2Fvar%2Frun%2Fpostgresql/zuv) or given as
// ?host=/var/run/postgresql; further ?key=value pairs go to libpq as
// connection options (sslmode=require). A password is refused: libpq takes it
// from PGPASSWORD or ~/.pgpass, while a command line is readable by every
// user of the machine.
struct DatabaseLocation
{
    SqlDialect dialect;
    QString file; // SQLite
    QString host; // PostgreSQL from here on; empty: libpq's default
    int port = -1;
    QString user;
    QString name;
    QString options; // key=value;key=value

    // False with `error` when `text` is a PostgreSQL address that cannot be used.
    static bool parse(const QString& text, DatabaseLocation& location, QString& error);

    // Adds the Qt SQL connection `connectionName` and opens it; a new SQLite
    // file is made readable by its owner only. False with `error`.
    bool open(const QString& connectionName, QString& error) const;
};
