// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The request line and header fields of an HTTP/1.x request, read before
// the HTTP server parses them: it closes the connection on whatever it
// cannot parse and answers what it should refuse, so what a browser may be
// told (400, 505) is found here. Only what we answer by is kept.
struct HttpRequestHead
{
    // 0 for a request we can answer, otherwise the status that refuses it.
    int problem = 0;
    QByteArray method;
    QString path;
    // What the Expect field asks for, lower case; empty without one.
    QByteArray expectation;

    // `head` is everything before the empty line that ends it.
    static HttpRequestHead parse(const QByteArray& head);
};
