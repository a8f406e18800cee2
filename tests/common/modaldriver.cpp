#include "common/modaldriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

namespace {
constexpr int pollIntervalMs = 10;

struct Watch
{
    QString objectName;
    std::function<void(QWidget*)> action;
    QWidget* before;
    QElapsedTimer clock;
    int timeoutMs;
};

void poll(const Watch& watch)
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != watch.before
        && (watch.objectName.isEmpty() || modal->objectName() == watch.objectName)) {
        watch.action(modal);
        return;
    }
    if (watch.clock.elapsed() > watch.timeoutMs)
        return;
    QTimer::singleShot(pollIntervalMs, [watch] { poll(watch); });
}
} // namespace

void whenModalAppears(const QString& objectName, std::function<void(QWidget*)> action, int timeoutMs)
{
    Watch watch{objectName, std::move(action), QApplication::activeModalWidget(), {}, timeoutMs};
    watch.clock.start();
    QTimer::singleShot(0, [watch] { poll(watch); });
}

void whenModalAppears(std::function<void(QWidget*)> action, int timeoutMs)
{
    whenModalAppears(QString(), std::move(action), timeoutMs);
}
