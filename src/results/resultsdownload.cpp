// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/resultsdownload.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

QString tooLarge()
{
    return ResultsDownload::tr("the answer is larger than %1 KiB").arg(ResultsDownload::MAX_BYTES / 1024);
}

} // namespace

ResultsDownload::ResultsDownload(QObject* parent) : QObject(parent)
{
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, this,
            [this] { fail(tr("no answer within %1 seconds").arg(DEADLINE_MS / 1000)); });
}

ResultsDownload::~ResultsDownload()
{
    abandon();
}

void ResultsDownload::start(const QUrl& url)
{
    abandon();
    QNetworkRequest request(url);
    // The numbers change with every upload; a cached copy would hide that.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    reply = manager.get(request);
    connect(reply, &QNetworkReply::metaDataChanged, this, &ResultsDownload::checkSize);
    connect(reply, &QNetworkReply::readyRead, this, &ResultsDownload::checkSize);
    connect(reply, &QNetworkReply::finished, this, &ResultsDownload::finish);
    deadline.start(DEADLINE_MS);
}

void ResultsDownload::checkSize()
{
    const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (announced > MAX_BYTES || reply->bytesAvailable() > MAX_BYTES)
        fail(tooLarge());
}

void ResultsDownload::finish()
{
    QNetworkReply* done = reply;
    reply = nullptr;
    deadline.stop();
    done->deleteLater();
    if (done->error() != QNetworkReply::NoError)
        Q_EMIT failed(done->errorString());
    else if (done->bytesAvailable() > MAX_BYTES)
        Q_EMIT failed(tooLarge());
    else
        Q_EMIT finished(done->readAll());
}

void ResultsDownload::fail(const QString& reason)
{
    abandon();
    Q_EMIT failed(reason);
}

void ResultsDownload::abandon()
{
    deadline.stop();
    if (!reply)
        return;
    // Aborting finishes the reply at once; that is no answer any more.
    disconnect(reply, nullptr, this, nullptr);
    reply->abort();
    reply->deleteLater();
    reply = nullptr;
}
