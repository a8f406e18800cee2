// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QUrl>

class ClientStorage;

// The results inside the program, in a window of its own beside the main
// window: "The project" (downloaded from the project server) and "Your
// purse" (from the participant's own files). A main window, so that
// assistive technology announces it as a window of its own.
class ResultsWindow : public QMainWindow
{
    Q_OBJECT

public:
    // `state` is the client state as the data file holds it; its countings
    // and member country are read once, here.
    ResultsWindow(const ClientStorage& state, const QString& archiveFile, const QUrl& projectResults,
                  QWidget* parent = nullptr);
};
