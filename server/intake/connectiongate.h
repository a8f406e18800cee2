// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpServer>

#include <functional>

class PeerLedger;
class QTcpSocket;

// The door of a port: it accepts clients and hands each to its server, no
// more than maxConnections at once and no more than the ledger's places per
// address. A client from an address that holds all its places is turned
// away at once and takes no place, so one peer cannot crowd out the others.
// While every place is taken the gate stops accepting, and further clients
// wait in the listen backlog (one of them accepted and waiting here) until
// a connection ends.
class ConnectionGate : public QObject
{
    Q_OBJECT

public:
    struct Server
    {
        // A socket of the server's kind, not yet connected, with `parent`.
        std::function<QTcpSocket*(QObject* parent)> newSocket;
        // Takes the socket over; the place is free when the returned object is gone.
        std::function<QObject*(QTcpSocket*)> serve;
        // Refuses the socket and gives its peer time to read why; gone with the returned object.
        std::function<QObject*(QTcpSocket*)> turnAway;
        // Written before closing at once, when too many are being turned away.
        std::function<QByteArray()> refusal;
    };

    ConnectionGate(int maxConnections, PeerLedger& ledger, Server server, QObject* parent = nullptr);

    // Port 0 takes any free port; port() then tells which.
    bool listen(const QHostAddress& address, quint16 port);
    // Stops accepting for good, before the connections are ended.
    void close();
    QHostAddress address() const { return listener.serverAddress(); }
    quint16 port() const { return listener.serverPort(); }
    QString errorString() const { return listener.errorString(); }
    int openConnections() const { return connections; }

private:
    // A socket accepted while every place is taken is of the server's kind,
    // so it reads no more than a served one would.
    class Listener : public QTcpServer
    {
    public:
        explicit Listener(ConnectionGate& gate) : gate(gate) {}

    protected:
        void incomingConnection(qintptr descriptor) override;

    private:
        ConnectionGate& gate;
    };

    void acceptConnections();
    void serve(QTcpSocket* socket);
    void turnAway(QTcpSocket* socket);
    void connectionEnded(const QHostAddress& peer);
    void acceptFailed();

    int maxConnections;
    PeerLedger& ledger;
    Server server;
    Listener listener;
    int connections = 0;
    int turnedAway = 0; // refused at once, until they hang up
    bool closed = false;
};
