#pragma once

#include <QDateTime>
#include <QVariant>
#include <QtGlobal>

class ClientStorage;
class SqlConnection;

// Who an upload comes from. A member number we gave out is that member; an
// unknown one is nobody. Member number 0 is a newcomer, who gets the next
// number, unless the upload is a newcomer's upload that arrives again because
// its answer was lost: that newcomer keeps the number given the first time.
//
// Such a repeat is recognised by what a newcomer's program alone holds: the
// entry time of its earliest session, to the millisecond (the program's first
// start on that machine), together with the settings the participant gave and
// every session both uploads hold, whose events (each stamped to the
// hundredth of a second) must be one the continuation of the other. Only
// members who never uploaded under their own number are candidates: a client
// that has its number sends it.
class MemberStore
{
public:
    struct Identity
    {
        bool known = false;            // false: a member number we never gave out
        bool isNew = false;            // the number is given by this upload
        bool repeatedNewcomer = false; // a newcomer again, with the number of the first time
        qint64 number = 0;
        QDateTime since;
    };

    explicit MemberStore(SqlConnection& connection) : sql(connection) {}

    // Finds or makes the member; a newcomer's number is taken from the
    // database's counter, in the transaction.
    Identity identify(const ClientStorage& upload, const QDateTime& receivedAt);

    // What a newcomer's upload is recognised by later: the entry time of its
    // earliest session (null without sessions, or for a member's own upload).
    static QVariant newcomerKey(const ClientStorage& upload);

private:
    bool continues(qint64 member, const ClientStorage& upload);

    SqlConnection& sql;
};
