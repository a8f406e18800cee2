// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

// Runs action on the next modal widget that becomes active (a dialog started
// with exec()), from inside its event loop. With an object name, only a modal
// widget of that name counts. Gives up after timeoutMs.
void whenModalAppears(std::function<void(QWidget* modal)> action, int timeoutMs = 5000);
void whenModalAppears(const QString& objectName, std::function<void(QWidget* modal)> action, int timeoutMs = 5000);
