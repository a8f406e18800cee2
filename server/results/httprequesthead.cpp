// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/results/httprequesthead.h"

#include <QList>
#include <QUrl>

#include <algorithm>
#include <cctype>

namespace {

constexpr int BAD_REQUEST = 400;
constexpr int VERSION_NOT_SUPPORTED = 505;

bool isTokenCharacter(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           QByteArray("!#$%&'*+-.^_`|~").contains(c);
}

bool isToken(const QByteArray& text)
{
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), isTokenCharacter);
}

// Visible ASCII: a request target has neither spaces nor control characters.
bool isTarget(const QByteArray& text)
{
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](char c) { return c > ' ' && c < 0x7f; });
}

// A field value may hold tabs and text, but no control character: a stray
// carriage return would end the line for one reader and not for another.
bool isFieldValue(const QByteArray& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](char c) { return c == '\t' || (c >= ' ' && c != 0x7f); });
}

HttpRequestHead refused(int status)
{
    HttpRequestHead head;
    head.problem = status;
    return head;
}

} // namespace

HttpRequestHead HttpRequestHead::parse(const QByteArray& bytes)
{
    // Lines may end with a bare line feed; empty lines before the request
    // line are left over from an earlier request and are skipped.
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    while (!lines.isEmpty() && lines.constFirst().isEmpty())
        lines.removeFirst();
    if (lines.isEmpty())
        return refused(BAD_REQUEST);

    const QList<QByteArray> requestLine = lines.takeFirst().split(' ');
    if (requestLine.size() != 3 || !isToken(requestLine[0]) || !isTarget(requestLine[1]))
        return refused(BAD_REQUEST);
    const QByteArray& version = requestLine[2];
    if (version.size() != 8 || !version.startsWith("HTTP/") || !std::isdigit(uchar(version[5])) || version[6] != '.' ||
        !std::isdigit(uchar(version[7])))
        return refused(BAD_REQUEST);
    // A later 1.x is answered as 1.1; another major version speaks another protocol.
    if (version[5] != '1')
        return refused(VERSION_NOT_SUPPORTED);

    HttpRequestHead head;
    head.method = requestLine[0];
    head.path = QUrl(QString::fromLatin1(requestLine[1])).path();
    int hosts = 0;
    QByteArray contentLength;
    bool chunked = false;
    for (const QByteArray& line : qAsConst(lines)) {
        // No space may come before the colon, and a folded line (one that
        // begins with a space) is no longer allowed: both have been used to
        // hide a field from one reader and show it to another.
        const qsizetype colon = line.indexOf(':');
        const QByteArray name = line.left(colon).toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (colon < 0 || !isToken(name) || !isFieldValue(value))
            return refused(BAD_REQUEST);
        if (name == "host") {
            ++hosts;
        } else if (name == "content-length") {
            const bool digits = !value.isEmpty() && std::all_of(value.cbegin(), value.cend(),
                                                                [](char c) { return std::isdigit(uchar(c)); });
            if (!digits || (!contentLength.isEmpty() && contentLength != value))
                return refused(BAD_REQUEST);
            contentLength = value;
        } else if (name == "transfer-encoding") {
            chunked = true;
        } else if (name == "expect") {
            head.expectation = value.toLower();
        }
    }
    // Which host is meant must be clear; a length beside a transfer coding
    // is the start of a smuggled request.
    const bool hostMissing = version[7] != '0' && hosts == 0;
    if (hostMissing || hosts > 1 || (chunked && !contentLength.isEmpty()))
        return refused(BAD_REQUEST);
    return head;
}
