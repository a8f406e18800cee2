// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/browser.h"

#include "common/config.h"
#include "common/messagebox.h"

namespace {
// The toolkit generation named in the box; kept as the participant has always read it.
constexpr double namedToolkitVersion = 3.01;
} // namespace

void openBrowser(const QString& url)
{
    const QString text = QStringLiteral("Sorry, I don't know how to open a browser in Qt v%1 ")
                             .arg(namedToolkitVersion, 0, 'g')
                         + QStringLiteral("that points to this page:\n       ") + url
                         + QStringLiteral("\n\nIf YOU know howto, please tell me at " ZUV_FEEDBACK_EMAIL);
    askUser(nullptr, BoxIcon::Information, QStringLiteral("ZUV Sorry, this isn't windows"), text);
}
