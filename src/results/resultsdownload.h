// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

class QNetworkReply;

// Fetches one document without ever blocking the window. A server that
// sends more than it may, or takes longer than the deadline, is left.
class ResultsDownload : public QObject
{
    Q_OBJECT

public:
    // The project's results are a few ten kilobytes; far more is no honest answer.
    static constexpr qint64 MAX_BYTES = 2 * 1024 * 1024;
    // The whole download, however slowly the bytes arrive.
    static constexpr int DEADLINE_MS = 15000;

    explicit ResultsDownload(QObject* parent = nullptr);
    ~ResultsDownload() override;

    // Starts fetching; a download still running is abandoned.
    void start(const QUrl& url);

Q_SIGNALS:
    void finished(const QByteArray& body);
    // Why nothing came, in words for the participant.
    void failed(const QString& reason);

private:
    void checkSize();
    void finish();
    void fail(const QString& reason);
    void abandon();

    QNetworkAccessManager manager;
    QPointer<QNetworkReply> reply;
    QTimer deadline;
};
