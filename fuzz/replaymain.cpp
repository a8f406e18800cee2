// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for libFuzzer where there is no clang: every file named on the
// command line, and every file in a named folder, goes once through the
// harness. A file named sweep-* goes through with every cut and every single
// changed byte (each of its 256 values) as well. A finding aborts like it
// would under the fuzzer.

#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace {

int feed(const QByteArray& bytes)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
    return 1;
}

// The number of inputs fed, or 0 when the file cannot be read.
int replay(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 0;
    }
    const QByteArray good = file.readAll();
    int inputs = feed(good);
    if (!QFileInfo(path).fileName().startsWith(QLatin1String("sweep-")))
        return inputs;
    fuzzInputIsCut = true;
    for (qsizetype length = 0; length < good.size(); ++length)
        inputs += feed(good.left(length));
    fuzzInputIsCut = false;
    for (qsizetype at = 0; at < good.size(); ++at) {
        QByteArray bytes = good;
        for (int value = 0; value < 256; ++value) {
            bytes[at] = char(value);
            if (bytes[at] != good[at])
                inputs += feed(bytes);
        }
    }
    return inputs;
}

} // namespace

int main(int argc, char** argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int failures = 0;
    int inputs = 0;
    const auto replayCounted = [&](const QString& path) {
        const int fed = replay(path);
        failures += fed == 0;
        inputs += fed;
    };
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(argument).isDir()) {
            const QDir dir(argument);
            for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
                replayCounted(dir.filePath(name));
        } else {
            replayCounted(argument);
        }
    }
    std::printf("replayed %d inputs\n", inputs);
    return failures == 0 && inputs > 0 ? 0 : 1;
}
