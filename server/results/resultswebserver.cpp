// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/results/resultswebserver.h"

#include "server/results/projectresults.h"
#include "server/results/resultspage.h"
#include "server/results/resultsservice.h"

#include "server/results/httprequesthead.h"

#include "common/languages.h"

#include <QDateTime>
#include <QDebug>
#include <QElapsedTimer>
#include <QHttpServerRequest>
#include <QLocale>
#include <QPointer>
#include <QTcpSocket>
#include <QTimeZone>
#include <QTimer>
#include <QUrlQuery>

#include <sys/socket.h>
#include <unistd.h>

// The published results are one model, shared with the program.
using namespace zuv;

namespace {

enum Status {
    OK = 200,
    NOT_MODIFIED = 304,
    BAD_REQUEST = 400,
    NOT_FOUND = 404,
    METHOD_NOT_ALLOWED = 405,
    REQUEST_TIMEOUT = 408,
    CONTENT_TOO_LARGE = 413,
    EXPECTATION_FAILED = 417,
    HEADER_FIELDS_TOO_LARGE = 431,
    SERVICE_UNAVAILABLE = 503,
    VERSION_NOT_SUPPORTED = 505,
};

const char* reasonOf(int status)
{
    switch (status) {
    case OK:
        return "OK";
    case NOT_MODIFIED:
        return "Not Modified";
    case BAD_REQUEST:
        return "Bad Request";
    case NOT_FOUND:
        return "Not Found";
    case METHOD_NOT_ALLOWED:
        return "Method Not Allowed";
    case REQUEST_TIMEOUT:
        return "Request Timeout";
    case CONTENT_TOO_LARGE:
        return "Content Too Large";
    case EXPECTATION_FAILED:
        return "Expectation Failed";
    case HEADER_FIELDS_TOO_LARGE:
        return "Request Header Fields Too Large";
    case SERVICE_UNAVAILABLE:
        return "Service Unavailable";
    case VERSION_NOT_SUPPORTED:
        return "HTTP Version Not Supported";
    default:
        return "Unknown";
    }
}

struct Answer
{
    int status = OK;
    QByteArray type;
    QByteArray body;
    QDateTime lastModified; // only for the documents we publish
    QByteArray language;    // only for the results page, which speaks several
};

Answer plainText(int status)
{
    return Answer{status, "text/plain; charset=utf-8", QByteArray(reasonOf(status)) + '\n', QDateTime(), {}};
}

// The date format of HTTP, always in GMT.
QByteArray httpDate(const QDateTime& time)
{
    return QLocale::c().toString(time.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'")).toLatin1();
}

QDateTime fromHttpDate(const QByteArray& text)
{
    QDateTime time =
        QLocale::c().toDateTime(QString::fromLatin1(text), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"));
    time.setTimeZone(QTimeZone::utc());
    return time;
}

// The same bytes give the same tag, in this run and the next.
QByteArray entityTag(const QByteArray& body)
{
    return '"' + QByteArray::number(quint64(qHash(body, 0)), 16) + '-' + QByteArray::number(body.size(), 16) + '"';
}

QByteArray serialized(const Answer& answer, bool withBody)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + reasonOf(answer.status) + "\r\n";
    const auto field = [&head](const char* name, const QByteArray& value) {
        head += QByteArray(name) + ": " + value + "\r\n";
    };
    field("Date", httpDate(QDateTime::currentDateTimeUtc()));
    field("ETag", entityTag(answer.body));
    if (answer.lastModified.isValid())
        field("Last-Modified", httpDate(answer.lastModified));
    // The numbers change with every upload: a browser asks again, with the
    // tag, and is told when nothing changed.
    field("Cache-Control", "no-cache");
    field("Connection", "close");
    if (answer.status != NOT_MODIFIED) {
        field("Content-Type", answer.type);
        field("Content-Length", QByteArray::number(answer.body.size()));
        field("X-Content-Type-Options", "nosniff");
    }
    if (answer.type.startsWith("text/html"))
        // Our pages load nothing and run nothing; a browser need not allow more.
        field("Content-Security-Policy", "default-src 'none'; style-src 'unsafe-inline'");
    else if (answer.status == OK)
        // Open data: other sites' pages may read it too.
        field("Access-Control-Allow-Origin", "*");
    if (!answer.language.isEmpty()) {
        // The same address answers in the browser's language: a cache must
        // not hand a German page to a French browser.
        field("Content-Language", answer.language);
        field("Vary", "Accept-Language");
    }
    if (answer.status == METHOD_NOT_ALLOWED)
        field("Allow", "GET, HEAD");
    head += "\r\n";
    return withBody && answer.status != NOT_MODIFIED ? head + answer.body : head;
}

enum class Content { ResultsPage, ResultsJson, CountsCsv, DownloadPage, WhyNotPage };

struct Address
{
    QString path;
    Content content;
    QByteArray type;
};

const Address* addressOf(const QString& path)
{
    static const QByteArray html = "text/html; charset=utf-8";
    static const Address addresses[] = {
        {QStringLiteral("/"), Content::ResultsPage, html},
        {RESULTS_JSON_PATH, Content::ResultsJson, "application/json; charset=utf-8"},
        {COUNTS_CSV_PATH, Content::CountsCsv, "text/csv; charset=utf-8"},
        {DOWNLOAD_PAGE_PATH, Content::DownloadPage, html},
        {WHYNOT_PAGE_PATH, Content::WhyNotPage, html},
    };
    for (const Address& address : addresses)
        if (address.path == path)
            return &address;
    return nullptr;
}

// The status a request is refused with as soon as its head is read, before
// the HTTP server waits for a body we would never use; 0 when it is answered.
int refusalOf(const HttpRequestHead& request)
{
    if (request.problem != 0)
        return request.problem;
    if (!request.expectation.isEmpty() && request.expectation != "100-continue")
        return EXPECTATION_FAILED;
    if (!addressOf(request.path))
        return NOT_FOUND;
    if (request.method != "GET" && request.method != "HEAD")
        return METHOD_NOT_ALLOWED;
    return 0;
}

// The results page's language: the one ?lang= names when we speak it, else
// the best of the browser's Accept-Language.
QString pageLanguageOf(const QHttpServerRequest& request)
{
    const QString asked = QUrlQuery(request.url()).queryItemValue(QStringLiteral("lang"));
    if (spokenLanguages().contains(asked))
        return asked;
    return bestLanguage(acceptedLanguages(request.value("Accept-Language")));
}

// True when the browser holds the document as it is: by its tag, or when
// it has no tag to offer, by its date.
struct Conditions
{
    QByteArray tags;  // If-None-Match
    QByteArray since; // If-Modified-Since
};

bool unchangedFor(const Conditions& conditions, const Answer& answer)
{
    const QByteArray& tags = conditions.tags;
    if (!tags.isEmpty()) {
        const QByteArray tag = entityTag(answer.body);
        for (QByteArray offered : tags.split(',')) {
            offered = offered.trimmed();
            if (offered.startsWith("W/"))
                offered.remove(0, 2); // a GET compares weakly
            if (offered == "*" || offered == tag)
                return true;
        }
        return false;
    }
    const QDateTime since = fromHttpDate(conditions.since);
    return since.isValid() && answer.lastModified.isValid() && answer.lastModified <= since;
}

// A connection that watches what its browser sends before the HTTP server
// parses it, and answers on its own what must not be parsed: a header too
// large (431), a request too large (413), a request not complete in time
// (408), and a head that is malformed or asks for what we do not do (see
// refusalOf()). After its one answer it reads nothing more and closes.
class WebConnection : public QTcpSocket
{
public:
    WebConnection(QObject* parent, const ConnectionLimits& connectionLimits)
        : QTcpSocket(parent), limits(connectionLimits), deadline(new QTimer(this))
    {
        // The server reads a request whole before it is parsed, so a request
        // of the largest size must fit; what comes after a refusal is dropped.
        setReadBufferSize(2 * ResultsWebServer::MAX_REQUEST_BYTES);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, this, &WebConnection::timedOut);
        // Connected before the HTTP server connects its own: we see the bytes first.
        connect(this, &QTcpSocket::readyRead, this, &WebConnection::inspect);
        connect(this, &QTcpSocket::bytesWritten, this, &WebConnection::closeSendingSideWhenWritten);
        // Also when it was never handed to the HTTP server.
        connect(this, &QTcpSocket::disconnected, this, &QObject::deleteLater);
        clock.start();
        armDeadline();
    }

    bool answered() const { return isAnswered; }

    // Sends the one answer: from now on whatever arrives is dropped, and the
    // connection ends when the browser hangs up or the grace time is over.
    void answer(const QByteArray& bytes)
    {
        write(bytes);
        isAnswered = true;
        deadline->start(ResultsWebServer::CLOSE_GRACE_MS);
        closeSendingSideWhenWritten();
        discardIncoming();
    }

    void refuse(int status, bool withBody = true) { answer(serialized(plainText(status), withBody)); }

private:
    void inspect()
    {
        if (isAnswered) {
            discardIncoming();
            return;
        }
        lastInputMs = clock.elapsed();
        armDeadline();
        const QByteArray fresh = peek(bytesAvailable());
        received += fresh.size();
        if (!headerComplete) {
            header += fresh.left(ResultsWebServer::MAX_HEADER_BYTES + 4 - header.size());
            qsizetype end = header.indexOf("\r\n\r\n");
            const qsizetype bareEnd = header.indexOf("\n\n");
            if (end < 0 || (bareEnd >= 0 && bareEnd < end))
                end = bareEnd;
            if ((end < 0 && header.size() > ResultsWebServer::MAX_HEADER_BYTES) ||
                end > ResultsWebServer::MAX_HEADER_BYTES) {
                refuse(HEADER_FIELDS_TOO_LARGE);
                return;
            }
            if (end >= 0) {
                headerComplete = true;
                const HttpRequestHead request = HttpRequestHead::parse(header.left(end));
                header.clear();
                if (const int status = refusalOf(request)) {
                    refuse(status, request.method != "HEAD");
                    return;
                }
                if (request.expectation == "100-continue")
                    write("HTTP/1.1 100 Continue\r\n\r\n"); // a body that fits is read
            }
        }
        if (received > ResultsWebServer::MAX_REQUEST_BYTES)
            refuse(CONTENT_TOO_LARGE);
    }

    void discardIncoming()
    {
        read(bytesAvailable());
        // The HTTP server keeps what it reads until a request is complete;
        // this one never will be.
        if (isTransactionStarted())
            commitTransaction();
    }

    void closeSendingSideWhenWritten()
    {
        if (!isAnswered || sendingClosed || bytesToWrite() > 0 || socketDescriptor() < 0)
            return;
        // Closing the whole socket with unread bytes from the browser would
        // reset the connection, which may wipe the answer before it is read.
        sendingClosed = true;
        ::shutdown(int(socketDescriptor()), SHUT_WR);
    }

    // The request must be complete within the header time, counted from the
    // connection, and the browser may not fall silent for the idle time.
    void armDeadline()
    {
        const qint64 atMs = qMin<qint64>(limits.headerTimeoutMs, lastInputMs + limits.idleTimeoutMs);
        deadline->start(int(qMax<qint64>(0, atMs - clock.elapsed())));
    }

    void timedOut()
    {
        if (!isAnswered && state() == ConnectedState) {
            refuse(REQUEST_TIMEOUT);
            return;
        }
        abort();
        deleteLater();
    }

    const ConnectionLimits limits;
    QTimer* deadline;    // for the request until it is answered, then for hanging up
    QElapsedTimer clock; // since the connection was served
    qint64 lastInputMs = 0;
    QByteArray header; // as far as it has come, up to its limit
    qint64 received = 0;
    bool headerComplete = false;
    bool isAnswered = false;
    bool sendingClosed = false;
};

} // namespace

void ResultsWebServer::HandOver::incomingConnection(qintptr descriptor)
{
    ::close(int(descriptor));
}

ResultsWebServer::ResultsWebServer(ResultsService& resultsService, const ConnectionLimits& connectionLimits,
                                   const ServerLimits& serverLimits, QObject* parent)
    : QAbstractHttpServer(parent), results(resultsService), limits(connectionLimits),
      ledger(serverLimits.maxConnectionsPerAddress, 0),
      gate(serverLimits.maxConnections, ledger,
           ConnectionGate::Server{[this](QObject* parent) { return new WebConnection(parent, limits); },
                                  [this](QTcpSocket* socket) {
                                      handOver->hand(socket);
                                      return socket;
                                  },
                                  [](QTcpSocket* socket) {
                                      static_cast<WebConnection*>(socket)->refuse(SERVICE_UNAVAILABLE);
                                      return socket;
                                  },
                                  [] { return serialized(plainText(SERVICE_UNAVAILABLE), true); }}),
      handOver(new HandOver(this))
{
}

ResultsWebServer::~ResultsWebServer()
{
    gate.close();
}

bool ResultsWebServer::listenOn(const QHostAddress& address, quint16 port)
{
    if (!gate.listen(address, port) || !handOver->listen(QHostAddress::LocalHost))
        return false;
    bind(handOver);
    return true;
}

bool ResultsWebServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    auto* connection = dynamic_cast<WebConnection*>(socket);
    if (!connection || connection->answered())
        return true; // sent after the request that was answered: dropped
    // Any other method or address was refused from its head already.
    const bool head = request.method() == QHttpServerRequest::Method::Head;
    const Address* address = addressOf(request.url().path());
    if (!address || (request.method() != QHttpServerRequest::Method::Get && !head)) {
        connection->answer(serialized(plainText(address ? METHOD_NOT_ALLOWED : NOT_FOUND), !head));
        return true;
    }

    Answer answer{OK, address->type, QByteArray(), QDateTime(), {}};
    PublishedDocuments::Document document = PublishedDocuments::Document::Page;
    QString language;
    switch (address->content) {
    case Content::ResultsPage:
        language = pageLanguageOf(request);
        answer.language = language.toLatin1();
        break;
    case Content::ResultsJson:
        document = PublishedDocuments::Document::Json;
        break;
    case Content::CountsCsv:
        document = PublishedDocuments::Document::Csv;
        break;
    case Content::DownloadPage:
    case Content::WhyNotPage:
        answer.body = address->content == Content::DownloadPage ? downloadPage() : whyNotPage();
        answer.lastModified = firstServed(address->path, entityTag(answer.body));
        connection->answer(serialized(answer, !head));
        return true;
    }
    // Answered when the document is ready, if the browser is still there.
    const Conditions conditions{request.value("If-None-Match"), request.value("If-Modified-Since")};
    results.fetch(
        document, this,
        [this, answer, conditions, head, path = address->path + language,
         connection = QPointer<WebConnection>(connection)](bool ok, const QByteArray& bytes) mutable {
            if (!connection || connection->answered())
                return;
            if (!ok) {
                qWarning().noquote() << "results not published:" << QString::fromUtf8(bytes);
                answer = plainText(SERVICE_UNAVAILABLE);
            } else {
                answer.body = bytes;
                answer.lastModified = firstServed(path, entityTag(answer.body));
                if (unchangedFor(conditions, answer))
                    answer.status = NOT_MODIFIED;
            }
            connection->answer(serialized(answer, !head));
        },
        language.isEmpty() ? spokenLanguages().constFirst() : language);
    return true;
}

QDateTime ResultsWebServer::firstServed(const QString& path, const QByteArray& tag)
{
    Version& version = versions[path];
    if (version.tag != tag) {
        // In whole seconds, as HTTP dates are, and always later than the
        // version before, so a browser that holds that one asks again.
        QDateTime now = QDateTime::currentDateTimeUtc();
        now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
        version.since = version.since.isValid() ? qMax(now, version.since.addSecs(1)) : now;
        version.tag = tag;
    }
    return version.since;
}

void ResultsWebServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    // Not reached: handleRequest() answers every request, unknown addresses included.
    handleRequest(request, socket);
}
