// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/intake/peerledger.h"

#include "server/intake/uploadlimits.h"

PeerLedger::PeerLedger(int placesPerAddress, qint64 bufferedBytes)
    : maxPlacesPerAddress(placesPerAddress), maxBufferedBytes(bufferedBytes)
{
}

bool PeerLedger::mayTakePlace(const QHostAddress& peer) const
{
    return holdings.value(peer).places < maxPlacesPerAddress;
}

void PeerLedger::takePlace(const QHostAddress& peer)
{
    ++holdings[peer].places;
}

void PeerLedger::freePlace(const QHostAddress& peer)
{
    const auto holding = holdings.find(peer);
    if (holding == holdings.end())
        return;
    --holding->places;
    forgetIfEmpty(holding);
}

qint64 PeerLedger::heldWhileStored(qint64 bodyBytes)
{
    return bodyBytes * HELD_PER_BODY_BYTE + qMin(bodyBytes / 2, UploadLimits::MOST_PILES_PER_UPLOAD) * HELD_PER_PILE;
}

bool PeerLedger::reserveBody(const QHostAddress& peer, qint64 bodyBytes)
{
    if (bodyBytes <= SMALL_BODY_BYTES)
        return true;
    const qint64 bytes = heldWhileStored(bodyBytes);
    if (reserved + bytes > maxBufferedBytes)
        return false;
    Holding& holding = holdings[peer];
    // One body always fits the share, so that no address is kept from a body
    // the budget has room for.
    if (holding.bodyBytes > 0 && holding.bodyBytes + bytes > maxBufferedBytes / 2)
        return false;
    holding.bodyBytes += bytes;
    reserved += bytes;
    return true;
}

void PeerLedger::releaseBody(const QHostAddress& peer, qint64 bodyBytes)
{
    if (bodyBytes <= SMALL_BODY_BYTES)
        return;
    const qint64 bytes = heldWhileStored(bodyBytes);
    const auto holding = holdings.find(peer);
    if (holding == holdings.end())
        return;
    holding->bodyBytes -= bytes;
    reserved -= bytes;
    forgetIfEmpty(holding);
}

void PeerLedger::forgetIfEmpty(QHash<QHostAddress, Holding>::iterator holding)
{
    if (holding->places <= 0 && holding->bodyBytes <= 0)
        holdings.erase(holding);
}
