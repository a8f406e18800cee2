#include "common/modaldriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace {
constexpr int pollIntervalMs = 10;

void poll(std::function<void(QWidget*)> action, QWidget* before, QElapsedTimer clock, int timeoutMs)
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != before) {
        action(modal);
        return;
    }
    if (clock.elapsed() > timeoutMs)
        return;
    QTimer::singleShot(pollIntervalMs, [=] { poll(action, before, clock, timeoutMs); });
}
} // namespace

void whenModalAppears(std::function<void(QWidget*)> action, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QWidget* before = QApplication::activeModalWidget();
    QTimer::singleShot(0, [=] { poll(action, before, clock, timeoutMs); });
}
