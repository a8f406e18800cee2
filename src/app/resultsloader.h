// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class ClientStorage;
class QUrl;
class QWidget;

// The results window is a library of its own (see common/modules.h): with it
// come Qt Charts, the download of the published numbers and GSL.

// Makes the results window (see ResultsWindow); the library's entry.
using ResultsWindowMaker = QWidget* (*)(const ClientStorage& state, const QString& archiveFile,
                                        const QUrl& projectResults, QWidget* parent);

// The maker, loading the library on the first call; null when the library
// cannot be loaded, with the reason in `failure`.
ResultsWindowMaker resultsWindowMaker(QString* failure);
