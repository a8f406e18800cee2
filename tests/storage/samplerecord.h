#pragma once

#include "common/constants.h"
#include "storage/clientstorage.h"

// A record with every kind of field, at the edges of its range where it has
// some: the round trip of the data file and the sweep of damaged records.
inline ClientStorage richRecord()
{
    ClientStorage record;
    record.setDefaultValues();
    record.Membernumber = 4711;
    record.Welcome = "Willkommen \xe4\xf6\xfc";
    record.RecommenderMembernumbers = {12, 0xFFFFFFFF};
    record.RecommenderName = QString::fromUtf8("R\u00fcdiger \u20ac");
    record.Country = 9;
    record.eMailAddress = "me@example.org";
    record.eMailFlags = ClientStorage::WantsReminder | ClientStorage::WeeklyReminder;
    record.MemberSince = QDateTime(QDate(2002, 3, 4), QTime(5, 6, 7, 8));
    record.LastUpload = QDateTime(QDate(2002, 6, 15), QTime(23, 59, 59, 999));
    record.NumberOfStartsSinceLastUpload = 65535;
    record.FavouriteCoin = 119;
    record.Message = QStringLiteral("line one\nline two");
    record.LastDataAnalysisRead = QDateTime();
    record.WindowPositionSize = {QPoint(-10, 20), QSize(800, 600)};
    record.TotalEvents = {{1, 5}, {65535, 4000000000u}, {200, 1}};
    record.NumFullPurses = 2;
    Session first(0, QDateTime(QDate(2002, 2, 1), QTime(0, 0)), 150);
    first.insertCoins(3, 5, 1);
    first.insertCoins(7, 14, 300);
    first.insertCoins(0, 0, 4294967295u); // a count of five bytes
    first.observation = {UserEvent{10, 1}, UserEvent{20, 2}};
    record.Sessions = {first, Session(0, QDateTime(QDate(2003, 1, 1), QTime(8, 0)), 107)};
    record.InvitationList = {InvitedPerson{"Anna", "a.b", 17, false}, InvitedPerson{"Bert", "", 0, true}};
    return record;
}
