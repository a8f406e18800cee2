// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/boxwidget.h"

class ClientStorage;
class Dialogs;

// What the dialogs need of the upload's connection window (Client). The
// window is a library of its own, with Qt Network (see common/modules.h),
// loaded at the first upload.
class UploadConnection : public VBox
{
    Q_OBJECT

public:
    using VBox::VBox;

    // Prepares one upload to host and port; the log is kept.
    virtual void initClient(const QString& host, quint16 port) = 0;
    // Rethrows a failure the window kept for the flow that ran its dialog.
    virtual void rethrowPendingFailure() = 0;

Q_SIGNALS:
    void Event(const QString& eventname);
};

// Makes the connection window (see Client); the library's entry.
using UploadConnectionMaker = UploadConnection* (*)(ClientStorage* storage, Dialogs* dialogs, QWidget* parent,
                                                    const QString& name);
