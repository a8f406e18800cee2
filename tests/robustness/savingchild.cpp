// The other side of the crash and disk fault tests: a process that saves the
// growing client state, so that it can be killed or starved of disk space
// without taking the test down with it.
//
//   zuv_savingchild loop <file>
//       continues from the state in <file> (none: state 0) and saves state
//       after state until killed, printing "saving <n>" before and "<n>"
//       after each save.
//   zuv_savingchild limited <file> <bytes> <n>
//       saves state <n> with files limited to <bytes> bytes and prints the
//       code saveToDisk returned (or "exception" and the code).

#include "growingstate.h"

#include "common/exceptions.h"

#include <QFile>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <sys/resource.h>

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

int loop(const QString& file)
{
    quint32 n = 0;
    if (QFile::exists(file)) {
        ClientStorage loaded;
        try {
            if (loaded.loadFromDisk(file) != 0)
                return 3;
        } catch (const myException&) {
            return 3;
        }
        n = loaded.NumberOfUploads;
    }
    ClientStorage state = growing::state(n);
    for (;;) {
        ++n;
        growing::advance(state, n);
        std::printf("saving %u\n", n);
        std::fflush(stdout);
        if (state.saveToDisk(file) != 0)
            return 4;
        std::printf("%u\n", n);
        std::fflush(stdout);
    }
}

int limited(const QString& file, rlim_t bytes, quint32 n)
{
    // Beyond the limit a write fails with EFBIG instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        return 5;
    const ClientStorage state = growing::state(n);
    try {
        std::printf("%d\n", state.saveToDisk(file));
    } catch (const myException& e) {
        std::printf("exception %u\n", e.code());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(quiet);
    if (argc == 3 && QByteArray(argv[1]) == "loop")
        return loop(QString::fromLocal8Bit(argv[2]));
    if (argc == 5 && QByteArray(argv[1]) == "limited")
        return limited(QString::fromLocal8Bit(argv[2]), rlim_t(std::strtoull(argv[3], nullptr, 10)),
                       quint32(std::strtoul(argv[4], nullptr, 10)));
    std::fprintf(stderr, "usage: %s loop <file> | limited <file> <bytes> <n>\n", argv[0]);
    return 2;
}
