// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/client.h"

#include "common/config.h"
#include "common/constants.h"
#include "common/exceptions.h"
#include "common/messagebox.h"
#include "common/utilities.h"
#include "net/logview.h"
#include "net/protocol.h"
#include "net/serveranswer.h"
#include "storage/clientstorage.h"

#include <QCheckBox>
#include <QDataStream>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpSocket>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Magic, header version and body length of the malformed test messages.
constexpr quint16 TEST_OLD_VERSION = 10;
constexpr quint16 TEST_TOO_NEW_VERSION = 1000;
constexpr quint32 TEST_TOO_MUCH_LENGTH = 0x80000000u;

// The socket never buffers more than the largest answer we accept and one
// byte beyond it, which is enough to see that a server sent too much.
constexpr qint64 SOCKET_READ_BUFFER = FRAME_HEADER_SIZE + qint64(MAX_ANSWER_BODY_SIZE) + 1;

} // namespace

Client::Client(ClientStorage* clientStorage, Dialogs* dialogsObject, QWidget* parent, const QString& name)
    : UploadConnection(parent, name), socket(new QTcpSocket(this)), parentDialog(qobject_cast<QDialog*>(parent)),
      storage(clientStorage), dialogs(dialogsObject), lookupTimer(new QTimer(this)), connectTimer(new QTimer(this)),
      refusalTimer(new QTimer(this))
{
    if (parentDialog)
        parentDialog->setWindowTitle(tr("ZUV client (%1) for data transfer to server").arg(SCVERSION));

    banner =
        add(new QLabel(tr("\n%1 very proudly presents:\nThe CLIENT %2 of ZUV v%3 - Please connect to the Server now.\n")
                           .arg(QStringLiteral(ZUV_AUTHOR_SITE), SCVERSION, QString::number(CLIENT_VERSION, 'g'))));
    banner->setAlignment(Qt::AlignCenter);
    openConnectionButton = add(new QPushButton(tr("&Open Connection")));
    info = add(new QTextEdit, 1);
    info->setReadOnly(true);
    info->setAcceptRichText(false);
    clearButton = add(new QPushButton(tr("Clear &Window")));
    quitButton = add(new QPushButton(tr("&Quit")));
    buildTestPanel();

    lookupTimer->setSingleShot(true);
    connectTimer->setSingleShot(true);
    refusalTimer->setSingleShot(true);
    socket->setReadBufferSize(SOCKET_READ_BUFFER);

    connect(openConnectionButton, &QPushButton::clicked, this, &Client::openConnection);
    connect(clearButton, &QPushButton::clicked, this, &Client::clearView);
    connect(quitButton, &QPushButton::clicked, this, &Client::quit);
    connect(socket, &QTcpSocket::hostFound, this, &Client::socketHostFound);
    connect(socket, &QTcpSocket::connected, this, &Client::socketConnected);
    connect(socket, &QTcpSocket::disconnected, this, &Client::socketDisconnected);
    connect(socket, &QTcpSocket::readyRead, this, &Client::socketReadyRead);
    connect(socket, &QTcpSocket::errorOccurred, this, &Client::socketErrorOccurred);
    connect(this, &Client::IllegalConnection, this, &Client::CloseTheConnection);
    connect(this, &Client::ClientProblem, this, &Client::explainProblem);
    connect(lookupTimer, &QTimer::timeout, this, &Client::HostNotFoundInDNS);
    connect(connectTimer, &QTimer::timeout, this, &Client::ServerNotFound);
    connect(refusalTimer, &QTimer::timeout, this, &Client::refusalComplete);
}

Client::~Client()
{
    // The socket outlives this part of the object and still reports its
    // disconnection while it goes; nobody is left to hear it.
    socket->disconnect(this);
    socket->abort();
}

void Client::buildTestPanel()
{
    // Kept for beta testers: single steps, another server and the malformed
    // messages. The window as built never shows it.
    betaControls = new QWidget(this);
    betaControls->hide();
    auto* layout = new QVBoxLayout(betaControls);
    singleStepSwitch = new QCheckBox(tr("switch to single operation steps (for BETA only)"), betaControls);
    layout->addWidget(singleStepSwitch);
    testPanel = new VBox(betaControls);
    layout->addWidget(testPanel);
    auto* panel = static_cast<VBox*>(testPanel);
    panel->add(new QLabel(tr("This is for testing the beta version")));
    hostField = panel->add(new QLineEdit);
    portField = panel->add(new QLineEdit);
    const auto button = [this, panel](const QString& text, void (Client::*slot)()) {
        connect(panel->add(new QPushButton(text)), &QPushButton::clicked, this, slot);
    };
    button(tr("Set &Server Address"), &Client::setHost);
    button(tr("Send &Data"), &Client::sendKeepingFailure);
    button(tr("Send &Faulty Format"), &Client::TESTSendWrongFormatToServer);
    button(tr("Send &Too Much"), &Client::TESTSendTooMuchToServer);
    button(tr("Send Old &Version"), &Client::TESTSendOldVersionToServer);
    button(tr("Send &Too New Version"), &Client::TESTSendTooNewVersionToServer);
    button(tr("&Close Connection"), &Client::closeConnection);
    testPanel->setEnabled(false);
    connect(singleStepSwitch, &QCheckBox::toggled, this,
            [this](bool singleSteps) { TESTToggleOpenSendProcessAnswerClose(!singleSteps); });
}

void Client::initClient(const QString& serverHost, quint16 serverPort)
{
    host = serverHost;
    port = serverPort;
    hostField->setText(host);
    portField->setText(QString::number(port));
    uploadSuccess = false;
    resetAnswerState();
    pendingFailure = nullptr;
    {
        const QSignalBlocker quiet(singleStepSwitch);
        singleStepSwitch->setChecked(false);
    }
    TESTToggleOpenSendProcessAnswerClose(true);
    Q_EMIT Event(QStringLiteral("ClientStarted"));
}

void Client::rethrowPendingFailure()
{
    if (pendingFailure)
        std::rethrow_exception(std::exchange(pendingFailure, nullptr));
}

void Client::log(const QString& text)
{
    logAndScroll(info, text);
}

void Client::resetAnswerState()
{
    answerDone = false;
    headerRead = false;
    expectedSize = 0;
    refusalPending = false;
    refusalTimer->stop();
}

void Client::quit()
{
    // Leaving does not end the exchange: once the upload has left, the server
    // has stored it, and its answer (a newcomer's member number) is still
    // taken over when it comes.
    if (uploadSuccess) {
        Q_EMIT Event(QStringLiteral("ClientUploadSuccessful"));
        if (parentDialog)
            QTimer::singleShot(QUIT_DELAY_MS, parentDialog, &QDialog::accept);
    } else {
        Q_EMIT Event(QStringLiteral("ClientUploadQuitWithoutUpload"));
        if (parentDialog)
            QTimer::singleShot(QUIT_DELAY_MS, parentDialog, &QDialog::reject);
    }
}

void Client::openConnection()
{
    Q_EMIT Event(QStringLiteral("ClientOpenConnection"));
    log(tr("Trying to connect to the server..."));
    hostFound = false;
    connected = false;
    resetAnswerState();
    connectTimer->stop();
    if (socket->state() != QAbstractSocket::UnconnectedState) {
        closingByUs = true;
        socket->abort();
        closingByUs = false;
    }
    awaitingDelayedClose = false;
    lookupTimer->start(LOOKUP_GUARD_MS);
    socket->connectToHost(host, port);
}

void Client::sendToServer()
{
    Q_EMIT Event(QStringLiteral("ClientSendToServer"));
    log(tr("starting to send to server..."));
    try {
        const QByteArray message = uploadMessage(*storage);
        if (socket->write(message) != message.size())
            throw StreamErr(TCP_NET_STREAM_ERROR);
    } catch (const StreamErr& failure) {
        closeConnection();
        log(tr("transmission not successful!"));
        const int choice = askUser(BoxRequest{this,
                                              BoxIcon::Warning,
                                              tr("ZUV net error %1").arg(failure.code()),
                                              errorMessageAndSolution(TCP_NET_STREAM_ERROR),
                                              {tr("Try again"), tr("Quit now")},
                                              1});
        if (choice == 0) {
            Q_EMIT Event(QStringLiteral("ClientBadDatastreamTryAgain"));
            return;
        }
        Q_EMIT Event(QStringLiteral("ClientBadDatastreamQuit"));
        throw NetErr(TCP_NET_STREAM_ERROR);
    }
}

void Client::closeConnection()
{
    Q_EMIT Event(QStringLiteral("ClientCloseConnection"));
    // close() reports the disconnection at once when nothing is left to
    // write; with data still queued the socket finishes later.
    closingByUs = true;
    socket->close();
    closingByUs = false;
    if (socket->state() == QAbstractSocket::ClosingState)
        awaitingDelayedClose = true;
    else
        socketClosed();
}

void Client::socketHostFound()
{
    Q_EMIT Event(QStringLiteral("ClientServerDNSFound"));
    lookupTimer->stop();
    hostFound = true;
    log(tr("Hostname found in DNS..."));
    connectTimer->start(CONNECT_GUARD_MS);
}

void Client::HostNotFoundInDNS()
{
    if (hostFound)
        return;
    // Deliberately not a name of the vocabulary: recorded as unknown.
    Q_EMIT Event(QStringLiteral("ClientServerDNSNotFound"));
    log(tr("Host not found in DNS."));
    log(tr("Please check Internet connection and try again."));
}

void Client::socketConnected()
{
    Q_EMIT Event(QStringLiteral("ClientServerConnected"));
    connectTimer->stop();
    connected = true;
    log(tr("Connected to server"));
    if (automatic)
        sendKeepingFailure();
}

void Client::sendKeepingFailure()
{
    try {
        sendToServer();
    } catch (const NetErr&) {
        // Started by a signal: the failure cannot pass through the event
        // loop, so the dialog ends and its caller gets it.
        pendingFailure = std::current_exception();
        if (parentDialog)
            parentDialog->reject();
    }
}

void Client::ServerNotFound()
{
    Q_EMIT Event(QStringLiteral("ClientServerNotFound"));
    if (connected)
        return;
    log(tr("Server cannot be reached at the moment."));
    log(tr("Please check your Internet connection and try again (later)."));
}

void Client::socketConnectionClosed()
{
    Q_EMIT Event(QStringLiteral("ClientConnectionClosedByServer"));
    log(tr("Connection closed by the server. Malfunction, please try again (later)."));
}

void Client::socketClosed()
{
    Q_EMIT Event(QStringLiteral("ClientConnectionClosedProperly"));
    log(tr("Connection closed properly"));
}

void Client::socketDisconnected()
{
    if (awaitingDelayedClose) {
        awaitingDelayedClose = false;
        socketClosed();
        return;
    }
    if (closingByUs || answerDone)
        return; // closeConnection() reports it
    if (refusalPending) {
        // The server said its piece and hung up: that ends the refusal.
        refusalComplete();
        return;
    }
    socketConnectionClosed();
}

void Client::socketErrorOccurred(QAbstractSocket::SocketError error)
{
    // The server hanging up is reported through the disconnection, as any
    // closed connection; only real failures are socket errors here.
    if (error == QAbstractSocket::RemoteHostClosedError || closingByUs)
        return;
    socketError(int(error));
}

void Client::socketError(int error)
{
    Q_EMIT Event(QStringLiteral("ClientSomeSocketError"));
    connected = true; // the connect guard has nothing left to say
    log(tr("Socket error number %1 occurred").arg(error));
    Q_EMIT ClientProblem(TCP_NO_CONNECTION_WITH_SERVER);
}

void Client::socketReadyRead()
{
    log(tr("receiving from server..."));
    if (refusalPending) {
        checkRefusal();
        return;
    }
    if (!headerRead) {
        if (socket->bytesAvailable() < FRAME_MAGIC_SIZE)
            return;
        if (!startsWithMagic(socket->peek(FRAME_MAGIC_SIZE))) {
            // Text lines instead of an answer. The four bytes of the test are
            // gone, as they always were for the reader of the refusal.
            socket->read(FRAME_MAGIC_SIZE);
            refusalPending = true;
            checkRefusal();
            return;
        }
        if (socket->bytesAvailable() < FRAME_HEADER_SIZE)
            return;
        FrameHeader header;
        parseFrameHeader(socket->read(FRAME_HEADER_SIZE), header);
        headerRead = true;
        expectedSize = header.bodyLength;
        if (expectedSize > MAX_ANSWER_BODY_SIZE) {
            answerDone = true;
            Q_EMIT Event(QStringLiteral("ClientServerAnswerBroken"));
            Q_EMIT ClientProblem(TCP_SERVER_HAS_BAD_DATA_FORMAT);
            if (automatic)
                closeConnection();
            return;
        }
    }
    if (expectedSize > MAX_ANSWER_BODY_SIZE)
        return; // refused above
    if (socket->bytesAvailable() == qint64(expectedSize))
        readAnswerBody();
}

void Client::readAnswerBody()
{
    answerDone = true;
    log(tr("all data arrived from server"));
    log(QStringLiteral("---"));
    Q_EMIT Event(QStringLiteral("ClientReceivingAnswer"));

    const QByteArray body = socket->read(expectedSize);
    ServerAnswer answer;
    try {
        QDataStream s(body);
        s >> answer;
    } catch (const myException& failure) {
        Q_EMIT Event(QStringLiteral("ClientServerAnswerBroken"));
        Q_EMIT ClientProblem(int(failure.code()));
        if (automatic)
            closeConnection();
        return;
    }

    if (answer.ProcessAnswerAndStoreInto(storage, dialogs, info)) {
        uploadSuccess = true;
        openConnectionButton->setEnabled(false);
    } else {
        Q_EMIT ClientProblem(TCP_SERVER_DIDNT_LIKE_CLIENT_MEMBERNUMBER);
        Q_EMIT Event(QStringLiteral("ClientServerDoesntRecognizeMember"));
    }
    headerRead = false;
    if (automatic)
        closeConnection();
}

void Client::checkRefusal()
{
    const QByteArray buffered = socket->peek(MAX_REFUSAL_BYTES);
    const bool serverGone = socket->state() != QAbstractSocket::ConnectedState;
    if (serverGone || buffered.count('\n') >= MAX_REFUSAL_LINES || buffered.size() >= MAX_REFUSAL_BYTES)
        refusalComplete();
    else
        refusalTimer->start(REFUSAL_WAIT_MS); // more may follow
}

void Client::refusalComplete()
{
    if (!refusalPending)
        return;
    refusalPending = false;
    refusalTimer->stop();
    Q_EMIT Event(QStringLiteral("ClientServerBadDataFormat"));
    Q_EMIT IllegalConnection(TCP_SERVER_HAS_BAD_DATA_FORMAT);
}

void Client::explainProblem(int code)
{
    const unsigned number = unsigned(code);
    QString help = errorHelpOf(number);
    if (help.isEmpty())
        help = tr("Don't know. Please send an idea to %1").arg(QStringLiteral(ZUV_IDEAS_EMAIL));
    const QString text = tr("A problem occurred:\n (%1) %2\nSuggested solution:\n %3")
                             .arg(QString::number(number), errorMessageOf(number), help);
    log(text);
    askUser(this, BoxIcon::Information, tr("Some problem occurred during connection"), text);
    Q_EMIT Event(QStringLiteral("ClientProblemExplained"));
}

void Client::setHost()
{
    host = hostField->text();
    bool ok = false;
    const uint newPort = portField->text().toUInt(&ok);
    if (ok && newPort <= 0xFFFF)
        port = quint16(newPort);
    log(tr("Server changed to  %1:%2 ").arg(host).arg(port));
}

void Client::CloseTheConnection(int reason)
{
    Q_EMIT Event(QStringLiteral("ClientHadToCloseTheConnectionImproperly"));
    refusalPending = false;
    refusalTimer->stop();
    QString text = tr("Client had to close the connection %1 for reason %2")
                       .arg(qlonglong(socket->socketDescriptor()))
                       .arg(reason) +
                   tr("\n\nBecause server answered:\n");

    // Whole lines only, and no more of them than a refusal has.
    const QByteArray buffered = socket->peek(MAX_REFUSAL_BYTES);
    int lines = 0;
    qsizetype consumed = 0;
    while (lines < MAX_REFUSAL_LINES) {
        const qsizetype end = buffered.indexOf('\n', consumed);
        if (end < 0)
            break;
        consumed = end + 1;
        ++lines;
    }
    socket->read(consumed);
    // The code is read from the server's own lines: our text before them is
    // translated and may hold anything.
    const QString answered = QString::fromLatin1(buffered.left(consumed));
    text += answered;

    closeConnection();

    if (lines == 0) {
        text += tr("Don't know");
        askUser(this, BoxIcon::Information, tr("Communication with Server failed"), text);
        log(text);
        return;
    }
    unsigned code = 0;
    if (refusalCode(answered, code))
        Q_EMIT ClientProblem(int(code));
}

void Client::clearView()
{
    info->clear();
    Q_EMIT Event(QStringLiteral("ClientClearView"));
}

void Client::TESTToggleOpenSendProcessAnswerClose(bool automaticOn)
{
    automatic = automaticOn;
    testPanel->setEnabled(!automaticOn);
}

void Client::sendRaw(const QByteArray& bytes)
{
    socket->write(bytes);
}

void Client::TESTSendWrongFormatToServer()
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s << qint32(0);
    sendRaw(bytes);
}

void Client::TESTSendOldVersionToServer()
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s << qint32(DATAFILE_MAGIC) << qint16(TEST_OLD_VERSION);
    sendRaw(bytes);
}

void Client::TESTSendTooNewVersionToServer()
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s << qint32(DATAFILE_MAGIC) << qint16(TEST_TOO_NEW_VERSION);
    sendRaw(bytes);
}

void Client::TESTSendTooMuchToServer()
{
    sendRaw(frameHeaderBytes(DATAFILE_MAGIC, UPLOAD_PROTOCOL_VERSION, TEST_TOO_MUCH_LENGTH));
}
