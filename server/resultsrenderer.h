#pragma once

#include "server/resultspublisher.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThread>
#include <QTime>
#include <QTimer>

#include <functional>
#include <memory>

class ProjectDatabase;

// Renders the published documents on a thread of its own, reading through a
// database connection of that thread: rendering the CSV of a large project
// takes most of a second, which the event loop of the uploads must not wait.
// The day's publication is made there too.
class ResultsRenderer : public QObject
{
    Q_OBJECT

public:
    // Called on the thread that asked, once the document is ready; not at
    // all when `context` is gone by then. Without `ok`, `bytes` is the error.
    using Done = std::function<void(bool ok, const QByteArray& bytes)>;

    ResultsRenderer();
    ~ResultsRenderer() override;

    // Opens the database on the rendering thread and waits for it; false
    // with error() when it cannot be read.
    bool open(const QString& location);
    QString error() const { return openError; }

    void render(ResultsPublisher::Document document, QObject* context, Done done);

    // Publishes every day at `time` (UTC), and at once (before returning)
    // when that time has passed today without a publication.
    void publishDailyAt(const QTime& time);

private:
    // Publishes when the day's publication is due, on the thread, `waiting`
    // for it or not, and sets the timer for the next.
    void publishWhenDue(Qt::ConnectionType waiting);

    QThread thread;
    QTimer nextPublication;
    QTime publicationTime;
    QObject* worker; // lives on the thread, deleted with it
    // Used on the thread only.
    std::unique_ptr<ProjectDatabase> database;
    std::unique_ptr<ResultsPublisher> publisher;
    QString openError;
};
