// SPDX-License-Identifier: GPL-3.0-or-later
// Loads one data file in a fresh process and prints the load's result code,
// the peak resident memory before loading and after it (KiB), for the
// storage benchmark's memory figure.

#include "common/localtime.h"
#include "storage/clientstorage.h"

#include <QString>

#include <cstdio>
#include <sys/resource.h>

namespace {
long peakResidentKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DATAFILE\n", argv[0]);
        return 2;
    }
    // Local times are converted as in the program and the server.
    settleLocalTimeZone();
    ClientStorage storage;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const long before = peakResidentKb();
    const int code = storage.loadFromDisk(path);
    const long after = peakResidentKb();
    std::printf("%d %ld %ld %lld\n", code, before, after, static_cast<long long>(storage.Sessions.size()));
    return code == 0 ? 0 : 1;
}
