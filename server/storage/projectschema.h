// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class SqlConnection;

// The tables of the project database and the steps that bring a database
// of an older schema up to date. A new database goes through every step, so
// the steps that upgrade the databases out there are the ones every test runs.
namespace ProjectSchema {

// Raised with every change of the tables.
constexpr int VERSION = 10;

// Takes the database from `version` (0: empty) to VERSION, in the caller's
// transaction.
void upgrade(SqlConnection& sql, int version);

} // namespace ProjectSchema
