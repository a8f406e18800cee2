// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the starting corpus of every fuzz harness: valid inputs of several
// sizes, each made by the program's own writer.
//
//     fuzz_makeseeds <folder>     makes <folder>/<harness>/<seed>

#include "fuzzsupport.h"

#include "common/constants.h"
#include "invitations/invitedperson.h"
#include "net/serveranswer.h"
#include "settings/recommendernumbersdialog.h"
#include "storage/clientstorage.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QListWidget>

#include <cstdio>
#include <functional>

namespace {

const QDateTime FEB_FIRST(QDate(2002, 2, 1), QTime(0, 0));

QString outFolder;

void put(const QString& harness, const QString& name, const QByteArray& bytes)
{
    QDir().mkpath(outFolder + QLatin1Char('/') + harness);
    QFile file(outFolder + QLatin1Char('/') + harness + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

QByteArray streamed(const std::function<void(QDataStream&)>& write)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    write(s);
    return bytes;
}

Session sessionWith(int piles, int events, int day)
{
    Session session(0, FEB_FIRST.addDays(day).addSecs(day * 37), FORMAT_VERSION);
    for (int i = 0; i < piles; ++i)
        session.insertCoins(i % NUM_COINS, (i * 7) % NUM_NATIONAL_SIDES, quint32(1 + i * i * 13));
    for (int i = 0; i < events; ++i)
        session.observation.append(UserEvent{qint32(i * 100), quint16(SETTINGS_ID_BASE + i)});
    return session;
}

InvitationList friends(int count)
{
    InvitationList list;
    for (int i = 0; i < count; ++i)
        list.append(InvitedPerson{"Friend " + std::to_string(i), "friend" + std::to_string(i) + "@example.org",
                                  quint8(i % 120), i % 2 == 0});
    return list;
}

ClientStorage record(int sessions, int invited)
{
    ClientStorage r;
    r.setDefaultValues();
    r.FavouriteCoin = 42;
    r.Membernumber = quint32(1000 + sessions);
    r.Welcome = "Welcome \xe4";
    r.RecommenderMembernumbers = {7, 12, 0xFFFFFFFF};
    r.RecommenderName = QStringLiteral("R\u00fcdiger");
    r.Country = 9;
    r.PostalCode = QStringLiteral("A-1010");
    r.eMailAddress = "me@example.org";
    r.Message = QStringLiteral("line one\nline two");
    r.TotalEvents = {{1, 5}, {SETTINGS_ID_BASE, 3}, {65535, 4000000000u}};
    r.NumFullPurses = quint16(sessions);
    for (int i = 0; i < sessions; ++i)
        r.Sessions.append(sessionWith(i % 20, i % 9, i));
    r.InvitationList = friends(invited);
    return r;
}

void dataFiles()
{
    const struct
    {
        const char* name;
        int sessions;
        int invited;
    } files[] = {{"small.zuv", 0, 0}, {"medium.zuv", 3, 2}, {"large.zuv", 40, 12}};
    for (const auto& f : files) {
        const QString path = outFolder + QStringLiteral("/datafile/") + QLatin1String(f.name);
        QDir().mkpath(outFolder + QStringLiteral("/datafile"));
        if (record(f.sessions, f.invited).saveToDisk(path) != 0) {
            std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
            std::exit(1);
        }
    }
    // A fresh participant: defaults only.
    ClientStorage fresh;
    fresh.setDefaultValues();
    fresh.FavouriteCoin = 0;
    fresh.saveToDisk(outFolder + QStringLiteral("/datafile/defaults.zuv"));
}

// Upload bodies: a new participant, and a member with sessions and friends.
void uploads()
{
    ClientStorage fresh = record(1, 0);
    fresh.Membernumber = 0;
    put(QStringLiteral("upload"), QStringLiteral("newmember"), streamed([&](QDataStream& s) { s << fresh; }));
    ClientStorage member = record(6, 3);
    member.Membernumber = 1;
    put(QStringLiteral("upload"), QStringLiteral("member"), streamed([&](QDataStream& s) { s << member; }));
}

void sessions()
{
    put(QStringLiteral("session"), QStringLiteral("empty"),
        streamed([](QDataStream& s) { s << Session(0, FEB_FIRST, FORMAT_VERSION); }));
    put(QStringLiteral("session"), QStringLiteral("some"), streamed([](QDataStream& s) { s << sessionWith(4, 3, 1); }));
    put(QStringLiteral("session"), QStringLiteral("full"),
        streamed([](QDataStream& s) { s << sessionWith(120, 40, 2); }));
    put(QStringLiteral("session"), QStringLiteral("list"), streamed([](QDataStream& s) {
            toStream(s, QList<Session>{sessionWith(0, 0, 0), sessionWith(3, 2, 1), sessionWith(8, 1, 2)});
        }));
}

void coinPiles()
{
    const CoinPile piles[] = {{3, 5, 1}, {7, 15, 127}, {0, 0, 128}, {2, 14, 300}, {0, 31, 4294967295u}};
    int n = 0;
    for (const CoinPile& pile : piles) {
        QByteArray bytes;
        for (quint8 b : pile.serialize())
            bytes.append(char(b));
        put(QStringLiteral("coinpile"), QStringLiteral("pile%1").arg(++n), bytes);
    }
}

void serverAnswers()
{
    ServerAnswer plain;
    plain.flags = ServerAnswer::AnswerOK;
    put(QStringLiteral("serveranswer"), QStringLiteral("plain"), streamed([&](QDataStream& s) { s << plain; }));

    ServerAnswer full;
    full.flags = 0x3F;
    full.serverAddress = "new.example.org";
    full.serverPort = 4555;
    full.ftpServer = "ftp.example.org";
    full.downloadLocation = "http://example.org/zuv";
    full.memberNumber = 777;
    full.welcome = "Welcome!";
    full.memberSince = QDateTime(QDate(2002, 6, 15), QTime(12, 0));
    full.newestVersion = 108;
    full.lastTxtMessage = 5;
    full.lastPicture = 7;
    full.lastAnalysisPage = 9;
    full.nextSessionDate = QDate(2002, 7, 1);
    full.numMembers = 12;
    full.numPurses = 345;
    full.totalSumCents = 123456789;
    full.lastUploadCountry = 3;
    full.serverMessage = "Maintenance on Sunday";
    full.personalMessage = "Thanks for counting";
    put(QStringLiteral("serveranswer"), QStringLiteral("full"), streamed([&](QDataStream& s) { s << full; }));
}

void refusals()
{
    put(QStringLiteral("refusal"), QStringLiteral("toomuch"), "ERR (16, too much data\n");
    put(QStringLiteral("refusal"), QStringLiteral("ill"), "REFUSED\nserver (34, ill\n");
    put(QStringLiteral("refusal"), QStringLiteral("nocode"), "HTTP/1.0 400 Bad Request\r\n\r\n");
    QByteArray lines("REFU");
    for (int line = 1; line <= 25; ++line)
        lines += "line (" + QByteArray::number(line) + ", text\n";
    put(QStringLiteral("refusal"), QStringLiteral("lines"), lines);
}

void invitationLists()
{
    for (int count : {0, 2, 20})
        put(QStringLiteral("invitations"), QStringLiteral("friends%1").arg(count),
            streamed([count](QDataStream& s) { s << friends(count); }));
}

void recommenderTexts()
{
    const QList<QList<quint32>> lists = {{}, {7}, {7, 12, 3}, {2147483647u, 0, 4711}};
    int n = 0;
    for (const QList<quint32>& values : lists) {
        QListWidget box;
        ValueListToListBox(values, &box);
        put(QStringLiteral("recommenders"), QStringLiteral("numbers%1").arg(++n),
            ListBoxToCommaSeparated(&box).toUtf8());
    }
    put(QStringLiteral("recommenders"), QStringLiteral("typed"), " ,007 12,3");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    silenceDebugOutput();
    makeOffscreenApplication();
    outFolder = QString::fromLocal8Bit(argv[1]);
    dataFiles();
    uploads();
    sessions();
    coinPiles();
    serverAnswers();
    refusals();
    invitationLists();
    recommenderTexts();
    return 0;
}
