// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/clientstorage.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>

// Client states for the benchmarks, built the same way every time (fixed
// random seed), so that two runs measure the same bytes.

// What a faithful participant collects in a few years without uploading:
// 520 sessions of 40 piles and 150 events each, 20 invited friends, every
// setting filled in.
constexpr int REALISTIC_SESSIONS = 520;
constexpr int REALISTIC_PILES = 40;
constexpr int REALISTIC_EVENTS = 150;
constexpr int REALISTIC_INVITATIONS = 20;

// The most a data file can hold of what the program itself writes: the
// session count is 16 bits and a purse from the count table has at most one
// pile per cell (8 coin values x 15 national sides).
constexpr int LARGEST_SESSIONS = 65535;
constexpr int LARGEST_PILES = 120;

ClientStorage realisticState();

// What a participant typically uploads: the realistic settings and friends,
// 4 sessions of 30 piles and 100 events each, and the usage record's running
// totals, of the same kinds of events in every upload of the member, those of
// counting grown by each. A newcomer sends the friends it has not uploaded
// yet; a member's upload sends a friend invited since in one upload of four. `serial` numbers the uploads of one participant:
// each gets sessions of its own dates, so the server stores every upload
// anew. A member's upload carries the membership time of the member's first
// answer, as the client does.
constexpr int UPLOAD_SESSIONS = 4;
constexpr int UPLOAD_PILES = 30;
constexpr int UPLOAD_EVENTS = 100;
ClientStorage uploadState(quint32 memberNumber, int serial, const QDateTime& memberSince = QDateTime());
// The largest state: every session holds all 120 piles and `eventsPerSession`
// events; the rest as in the realistic state.
ClientStorage largestState(int eventsPerSession);

// The data file's bytes for a state: magic, version, record.
QByteArray dataFileBytes(const ClientStorage& state);
// Writes them to `path`; false when that failed.
bool writeFile(const QString& path, const QByteArray& bytes);

// The floor for reading a file: read its bytes in large blocks and add them
// up. Returns the sum (so that the work cannot be optimised away) and the
// number of bytes read in `bytesRead`.
std::uint64_t readAndChecksum(const QString& path, qint64& bytesRead);
// The same over bytes already in memory.
std::uint64_t checksum(const char* data, qint64 size);
