// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/uploadconnection.h"

#include <QAbstractSocket>
#include <QString>

#include <exception>

class ClientStorage;
class Dialogs;
class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QTcpSocket;
class QTextEdit;
class QTimer;

// The connection window of an upload: a banner, "&Open Connection", the log
// of every step and the buttons to clear the log and to leave. It sends the
// client state to the server, hands the answer to the storage, explains every
// problem by its error code and reports each step as a usage event. It lives
// in the modal dialog given as parent, which quit() accepts after a
// successful upload and rejects otherwise.
class Client : public UploadConnection
{
    Q_OBJECT

public:
    // Each guard gives the name lookup and the connection this long before
    // the participant is told; the attempt itself goes on.
    static constexpr int LOOKUP_GUARD_MS = 15000;
    static constexpr int CONNECT_GUARD_MS = 15000;
    // Leaving waits this long, so the last click is seen before the dialog goes.
    static constexpr int QUIT_DELAY_MS = 30;
    // A refusal is read once the server has closed, has sent the line limit
    // or the byte limit, or has been silent this long after its last piece.
    static constexpr int REFUSAL_WAIT_MS = 3000;

    Client(ClientStorage* storage, Dialogs* dialogs, QWidget* parent, const QString& name);
    ~Client() override;

    // Prepares one upload to host and port; the log is kept.
    void initClient(const QString& host, quint16 port) override;

    // "Quit now" after a failed send ends the upload with NetErr(32). When the
    // send was started by a signal (the connection itself), it cannot travel
    // through the toolkit's event loop: the window keeps it, rejects its
    // dialog, and the flow that ran the dialog rethrows it from here.
    void rethrowPendingFailure() override;

    QTextEdit* infoView() const { return info; }
    QPushButton* openButton() const { return openConnectionButton; }
    bool uploadSucceeded() const { return uploadSuccess; }
    bool automaticMode() const { return automatic; }

public Q_SLOTS:
    void quit();
    void openConnection();
    void sendToServer();
    void closeConnection();
    void socketHostFound();
    void HostNotFoundInDNS();
    void socketConnected();
    void ServerNotFound();
    void socketConnectionClosed();
    void socketClosed();
    void socketError(int error);
    void socketReadyRead();
    void explainProblem(int code);
    void setHost();
    void CloseTheConnection(int reason);
    void clearView();
    void TESTToggleOpenSendProcessAnswerClose(bool automaticOn);
    void TESTSendWrongFormatToServer();
    void TESTSendOldVersionToServer();
    void TESTSendTooNewVersionToServer();
    void TESTSendTooMuchToServer();

Q_SIGNALS:
    void IllegalConnection(int reason);
    void ClientProblem(int code);

private Q_SLOTS:
    void socketDisconnected();
    void socketErrorOccurred(QAbstractSocket::SocketError error);
    void refusalComplete();
    void sendKeepingFailure();

private:
    void log(const QString& text);
    void buildTestPanel();
    void resetAnswerState();
    void readAnswerBody();
    void checkRefusal();
    void sendRaw(const QByteArray& bytes);

    QTcpSocket* socket;
    QDialog* parentDialog;
    ClientStorage* storage;
    Dialogs* dialogs;

    QLabel* banner;
    QPushButton* openConnectionButton;
    QTextEdit* info;
    QPushButton* clearButton;
    QPushButton* quitButton;

    // The beta test panel: never shown in the window as built, where the
    // window always works in automatic mode.
    QWidget* betaControls;
    QCheckBox* singleStepSwitch;
    QWidget* testPanel;
    QLineEdit* hostField;
    QLineEdit* portField;

    QString host;
    quint16 port = 0;
    bool uploadSuccess = false;
    bool headerRead = false;
    quint32 expectedSize = 0;
    bool hostFound = false;
    bool connected = false;
    bool automatic = true;

    // A reply without magic is collected until it is complete.
    bool refusalPending = false;
    // The answer has been read: the server may hang up from now on (also
    // while a problem box runs its own event loop); our own close reports
    // the end of the connection.
    bool answerDone = false;
    // Our own close makes the socket report a disconnection as well.
    bool closingByUs = false;
    bool awaitingDelayedClose = false;

    QTimer* lookupTimer;
    QTimer* connectTimer;
    QTimer* refusalTimer;

    std::exception_ptr pendingFailure;
};
