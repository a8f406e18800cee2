// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/modules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

#include <dlfcn.h>

namespace {

// The folder of the library this code is in.
QString ownFolder()
{
    Dl_info info;
    if (dladdr(reinterpret_cast<void*>(&moduleEntry), &info) != 0 && info.dli_fname)
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
    return QCoreApplication::applicationDirPath();
}

} // namespace

QFunctionPointer moduleEntry(const QString& fileName, const char* entry, QString* failure)
{
    // Never unloaded: the windows it makes may outlive any caller.
    QLibrary library(ownFolder() + QLatin1Char('/') + fileName);
    const QFunctionPointer found = library.resolve(entry);
    if (!found && failure)
        *failure = library.errorString();
    return found;
}
