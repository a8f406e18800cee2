// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/client.h"

#include <type_traits>

// The library's entry, found by name when the dialogs load it.
extern "C" Q_DECL_EXPORT UploadConnection* zuvMakeUploadConnection(ClientStorage* storage, Dialogs* dialogs,
                                                                   QWidget* parent, const QString& name)
{
    return new Client(storage, dialogs, parent, name);
}

// The type the dialogs call it through, checked here where both are seen.
static_assert(std::is_same_v<decltype(&zuvMakeUploadConnection), UploadConnectionMaker>);
