#pragma once

#include <QString>

// No browser is started: the participant is told which page to open.
void openBrowser(const QString& url);
