#pragma once

#include <functional>

class QWidget;

// Runs action on the next modal widget that becomes active (a dialog started
// with exec()), from inside its event loop. Gives up after timeoutMs.
void whenModalAppears(std::function<void(QWidget* modal)> action, int timeoutMs = 5000);
