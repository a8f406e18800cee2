// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/constants.h"
#include "storage/clientstorage.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <array>

// What the participant's own files say about his purse: every counting with
// its coins, which national sides reached him and when, and the share of
// foreign coins. Only his files are read; nothing here downloads or writes
// anything but the export he asks for.

// Coins of one counting by coin value (0..7), then national side (0..14).
using CoinCounts = std::array<std::array<quint64, NUM_NATIONAL_SIDES>, NUM_COINS>;

// One counting: a session whose purse holds at least one coin.
struct Counting
{
    QDateTime date;           // as the participant's clock wrote it
    quint8 memberCountry = 0; // the participant's `Country` when it was counted
    CoinCounts counts{};
    quint64 coins = 0;
    quint64 valueCents = 0;
    quint64 foreign = 0; // coins whose national side is not the member country

    // Only a member in a euro country (1..15, the national sides' order) has
    // foreign coins; elsewhere every coin would be foreign.
    bool hasForeignShare() const;
    double foreignShare() const; // 0 without a share
};

// The countings of both files, oldest first. The archive's sessions take the
// archive's member country (the one of the newest upload), the data file's
// sessions the data file's. Sessions without coins are no countings. A
// session is known by the moment it began, as the project server knows it:
// one that stands in both files, or twice in the archive (an upload that was
// answered but could not be booked, sent again later), is one counting in its
// newest form, the data file's or the archive's later one.
QList<Counting> purseCountings(const ClientStorage& archive, const ClientStorage& dataFile);

// A national side the participant has found in his purse.
struct SideSeen
{
    int side = 0; // 1..15, the country table's index
    QDateTime firstSeen;
    quint64 coins = 0;
};

struct PurseSummary
{
    int countings = 0;
    quint64 coins = 0;
    quint64 valueCents = 0;
    // Over the countings made in a euro member country only.
    quint64 coinsWithShare = 0;
    quint64 foreign = 0;
    // The national sides seen, in the order they first appeared.
    QList<SideSeen> sidesSeen;

    bool hasForeignShare() const { return coinsWithShare > 0; }
    double foreignShare() const;
};

PurseSummary summarizePurse(const QList<Counting>& countings);

// The archive as the results read it; reading never changes the file. An
// archive that is absent gives no sessions and ZUV_FILE_NOT_EXIST, one that
// cannot be read gives no sessions and the reader's error code.
struct ArchiveReading
{
    ClientStorage archive;
    int code = ZUV_NO_ERROR;
};
ArchiveReading readArchiveForResults(const QString& fileName);

// The countings as CSV, one line per counting, national side and coin value
// that holds coins, oldest counting first:
// date,member_country,national_side,coin_value,count
QByteArray countingsCsv(const QList<Counting>& countings);

// Writes countingsCsv() to the file atomically: the file is whole or as it
// was. Returns 0, ZUV_FILE_WRITE_OPENING_ERROR or ZUV_FILE_CLOSING_ERROR.
int saveCountingsCsv(const QList<Counting>& countings, const QString& fileName);
