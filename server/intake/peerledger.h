// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QHostAddress>
#include <QtGlobal>

// What the peers hold of the server, by address: the places they are served
// in and the bytes set aside for their bodies in flight, decoded and stored.
// Both are limited so
// that no single peer can keep the others out: an address has at most its
// number of places, and the body bytes of all addresses together stay within
// the budget, of which one address holds at most half (or a single body).
class PeerLedger
{
public:
    // A body this small needs no room in the budget: every place may hold one,
    // so their memory is part of the fixed cost of a place. Every upload a
    // participant makes week by week is far below it, and so a peer that
    // fills the budget with large bodies does not keep those out.
    static constexpr qint64 SMALL_BODY_BYTES = 64 * 1024;
    // A larger body is counted at what it holds at most while it is read,
    // decoded and stored: eight bytes for each of its bytes (the body, its
    // sessions, their events as one value) and 192 for each coin pile it can
    // hold (two bytes each, 32,768 at most), which become lists and rows of
    // numbers. Measured: 130 bytes a pile with 65,520 piles in 150 KB, and
    // 7.4 bytes a byte of a 16 MiB body of usage events.
    static constexpr qint64 HELD_PER_BODY_BYTE = 8;
    static constexpr qint64 HELD_PER_PILE = 192;
    static qint64 heldWhileStored(qint64 bodyBytes);

    PeerLedger(int maxPlacesPerAddress, qint64 maxBufferedBytes);

    // False when the address already holds all the places it may.
    bool mayTakePlace(const QHostAddress& peer) const;
    void takePlace(const QHostAddress& peer);
    void freePlace(const QHostAddress& peer);

    // Sets room aside for a body of `bytes` and what it becomes; false when
    // it would pass the budget or the address's share of it. Each granted reservation is given
    // back with releaseBody().
    bool reserveBody(const QHostAddress& peer, qint64 bytes);
    void releaseBody(const QHostAddress& peer, qint64 bytes);

    qint64 reservedBytes() const { return reserved; }

private:
    struct Holding
    {
        int places = 0;
        qint64 bodyBytes = 0;
    };
    void forgetIfEmpty(QHash<QHostAddress, Holding>::iterator holding);

    int maxPlacesPerAddress;
    qint64 maxBufferedBytes;
    qint64 reserved = 0;
    QHash<QHostAddress, Holding> holdings;
};
