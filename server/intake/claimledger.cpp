// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/intake/claimledger.h"

#include <QDebug>

namespace {

// An IPv6 peer is its /64: one subscriber line usually has a whole one.
QHostAddress addressKey(const QHostAddress& peer)
{
    bool mapped = false;
    const quint32 ipv4 = peer.toIPv4Address(&mapped);
    if (mapped)
        return QHostAddress(ipv4);
    if (peer.protocol() != QAbstractSocket::IPv6Protocol)
        return peer;
    Q_IPV6ADDR bytes = peer.toIPv6Address();
    for (int i = 8; i < 16; ++i)
        bytes[i] = 0;
    return QHostAddress(bytes);
}

} // namespace

template <typename Key> int ClaimLedger::recent(QHash<Key, Times>& times, const Key& key, qint64 nowMs, qint64 windowMs)
{
    const auto found = times.find(key);
    if (found == times.end())
        return 0;
    while (!found->empty() && found->front() <= nowMs - windowMs)
        found->pop_front();
    const int count = int(found->size());
    if (count == 0)
        times.erase(found);
    return count;
}

template <typename Key> void ClaimLedger::giveBack(QHash<Key, Times>& times, const Key& key)
{
    const auto found = times.find(key);
    if (found == times.end())
        return;
    found->pop_back();
    if (found->empty())
        times.erase(found);
}

void ClaimLedger::sweepNow(qint64 nowMs)
{
    if (byAddress.size() + byMember.size() < sweepAt)
        return;
    for (const QHostAddress& address : byAddress.keys())
        recent(byAddress, address, nowMs, ADDRESS_WINDOW_MS);
    for (const quint32 member : byMember.keys())
        recent(byMember, member, nowMs, MEMBER_WINDOW_MS);
    sweepAt = qMax<qsizetype>(1024, 2 * (byAddress.size() + byMember.size()));
}

bool ClaimLedger::admit(const QHostAddress& peer, quint32 member, qint64 nowMs)
{
    sweepNow(nowMs);
    const QHostAddress address = addressKey(peer);
    if (recent(byAddress, address, nowMs, ADDRESS_WINDOW_MS) >= FAILURES_PER_ADDRESS ||
        recent(byMember, member, nowMs, MEMBER_WINDOW_MS) >= FAILURES_PER_MEMBER) {
        ++refused;
        qWarning().noquote() << "claim of member" << member << "from" << peer.toString()
                             << "not tried: too many failed member claims (" << refused << "refused so far)";
        return false;
    }
    byAddress[address].push_back(nowMs);
    byMember[member].push_back(nowMs);
    return true;
}

void ClaimLedger::settle(const QHostAddress& peer, quint32 member, bool held)
{
    if (held) {
        giveBack(byAddress, addressKey(peer));
        giveBack(byMember, member);
        return;
    }
    ++failed;
    qWarning().noquote() << "failed claim of member" << member << "from" << peer.toString() << "(" << failed
                         << "failed so far)";
}
