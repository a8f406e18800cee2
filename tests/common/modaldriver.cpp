// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/modaldriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

namespace {
constexpr int pollIntervalMs = 10;

// Looks again every few milliseconds until a modal widget other than the one active at the start (and
// of the wanted name) is active, or time is up.
void poll(const QString& name, const std::function<void(QWidget*)>& action, QWidget* before, const QElapsedTimer& clock,
          int timeoutMs)
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != before && (name.isEmpty() || modal->objectName() == name))
        action(modal);
    else if (clock.elapsed() <= timeoutMs)
        QTimer::singleShot(pollIntervalMs, [=] { poll(name, action, before, clock, timeoutMs); });
}
} // namespace

void whenModalAppears(const QString& objectName, std::function<void(QWidget*)> action, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QWidget* before = QApplication::activeModalWidget();
    QTimer::singleShot(0, [=] { poll(objectName, action, before, clock, timeoutMs); });
}

void whenModalAppears(std::function<void(QWidget*)> action, int timeoutMs)
{
    whenModalAppears(QString(), std::move(action), timeoutMs);
}
