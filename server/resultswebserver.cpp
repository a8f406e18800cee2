#include "server/resultswebserver.h"

#include "server/projectresults.h"
#include "server/resultspage.h"
#include "server/resultspublisher.h"

#include <QDebug>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>
#include <unistd.h>

namespace {

using Status = QHttpServerResponder::StatusCode;

// A connection that watches what its browser sends before the HTTP server
// parses it, and answers on its own what must not be parsed: a header too
// large (431), a request too large (413), a request not complete in time
// (408). After its one answer it reads nothing more and closes.
class WebConnection : public QTcpSocket
{
public:
    explicit WebConnection(QObject* parent) : QTcpSocket(parent), deadline(new QTimer(this))
    {
        // The server reads a request whole before it is parsed, so a request
        // of the largest size must fit; what comes after a refusal is dropped.
        setReadBufferSize(2 * ResultsWebServer::MAX_REQUEST_BYTES);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, this, &WebConnection::timedOut);
        // Connected before the HTTP server connects its own: we see the bytes first.
        connect(this, &QTcpSocket::readyRead, this, &WebConnection::inspect);
        connect(this, &QTcpSocket::bytesWritten, this, &WebConnection::closeSendingSideWhenWritten);
        deadline->start(ResultsWebServer::REQUEST_TIMEOUT_MS);
    }

    bool answered() const { return isAnswered; }

    // The answer is written: from now on whatever arrives is dropped, and
    // the connection ends when the browser hangs up or the grace time is over.
    void markAnswered()
    {
        isAnswered = true;
        deadline->start(ResultsWebServer::CLOSE_GRACE_MS);
        closeSendingSideWhenWritten();
        discardIncoming();
    }

private:
    void inspect()
    {
        if (isAnswered) {
            discardIncoming();
            return;
        }
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
                refuse(Status::RequestHeaderFieldsTooLarge, "Request Header Fields Too Large");
                return;
            }
            if (end >= 0) {
                headerComplete = true;
                header.clear();
            }
        }
        if (received > ResultsWebServer::MAX_REQUEST_BYTES)
            refuse(Status::PayloadTooLarge, "Payload Too Large");
    }

    void refuse(Status status, const char* reason)
    {
        const QByteArray text = QByteArray(reason) + '\n';
        write("HTTP/1.1 " + QByteArray::number(int(status)) + ' ' + reason +
              "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " + QByteArray::number(text.size()) +
              "\r\nConnection: close\r\n\r\n" + text);
        markAnswered();
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

    void timedOut()
    {
        if (!isAnswered && state() == ConnectedState) {
            refuse(Status::RequestTimeout, "Request Timeout");
            return;
        }
        abort();
        deleteLater();
    }

    QTimer* deadline;
    QByteArray header; // as far as it has come, up to its limit
    qint64 received = 0;
    bool headerComplete = false;
    bool isAnswered = false;
    bool sendingClosed = false;
};

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

struct Answer
{
    Status status = Status::Ok;
    QByteArray type;
    QByteArray body;
};

Answer plainText(Status status, const char* text)
{
    return Answer{status, "text/plain; charset=utf-8", text};
}

void write(QHttpServerResponder& responder, const Answer& answer, bool withBody)
{
    responder.writeStatusLine(answer.status);
    responder.writeHeader("Content-Type", answer.type);
    responder.writeHeader("Content-Length", QByteArray::number(answer.body.size()));
    // The numbers change with every upload.
    responder.writeHeader("Cache-Control", "no-cache");
    responder.writeHeader("X-Content-Type-Options", "nosniff");
    responder.writeHeader("Connection", "close");
    if (answer.type.startsWith("text/html"))
        // Our pages load nothing and run nothing; a browser need not allow more.
        responder.writeHeader("Content-Security-Policy", "default-src 'none'; style-src 'unsafe-inline'");
    else if (answer.status == Status::Ok)
        // Open data: other sites' pages may read it too.
        responder.writeHeader("Access-Control-Allow-Origin", "*");
    if (answer.status == Status::MethodNotAllowed)
        responder.writeHeader("Allow", "GET, HEAD");
    responder.writeBody(withBody ? answer.body : QByteArray());
}

} // namespace

void ResultsWebServer::Listener::incomingConnection(qintptr descriptor)
{
    auto* connection = new WebConnection(this);
    if (!connection->setSocketDescriptor(descriptor)) {
        delete connection;
        ::close(int(descriptor));
        return;
    }
    if (++connections >= MAX_CONNECTIONS)
        pauseAccepting();
    connect(connection, &QObject::destroyed, this, [this] {
        --connections;
        resumeAccepting();
    });
    addPendingConnection(connection);
}

ResultsWebServer::ResultsWebServer(ResultsPublisher& resultsPublisher, QObject* parent)
    : QAbstractHttpServer(parent), publisher(resultsPublisher), listener(new Listener(this))
{
}

bool ResultsWebServer::listenOn(const QHostAddress& address, quint16 port)
{
    if (!listener->listen(address, port))
        return false;
    bind(listener);
    return true;
}

bool ResultsWebServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    auto* connection = dynamic_cast<WebConnection*>(socket);
    if (!connection || connection->answered())
        return true; // sent after the request that was answered: dropped
    QHttpServerResponder responder = makeResponder(request, socket);
    const bool head = request.method() == QHttpServerRequest::Method::Head;
    const Address* address = addressOf(request.url().path());

    Answer answer;
    if (!address) {
        answer = plainText(Status::NotFound, "Not found\n");
    } else if (request.method() != QHttpServerRequest::Method::Get && !head) {
        answer = plainText(Status::MethodNotAllowed, "Only GET and HEAD\n");
    } else {
        answer.type = address->type;
        bool rendered = true;
        switch (address->content) {
        case Content::ResultsPage:
            rendered = publisher.render(ResultsPublisher::Document::Page, answer.body);
            break;
        case Content::ResultsJson:
            rendered = publisher.render(ResultsPublisher::Document::Json, answer.body);
            break;
        case Content::CountsCsv:
            rendered = publisher.render(ResultsPublisher::Document::Csv, answer.body);
            break;
        case Content::DownloadPage:
            answer.body = downloadPage();
            break;
        case Content::WhyNotPage:
            answer.body = whyNotPage();
            break;
        }
        if (!rendered) {
            qWarning().noquote() << "results not published:" << publisher.error();
            answer = plainText(Status::ServiceUnavailable, "The results cannot be read right now\n");
        }
    }
    write(responder, answer, !head);
    connection->markAnswered();
    return true;
}

void ResultsWebServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    // Not reached: handleRequest() answers every request, unknown addresses included.
    handleRequest(request, socket);
}
