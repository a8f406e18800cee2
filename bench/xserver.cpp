// SPDX-License-Identifier: GPL-3.0-or-later
#include "xserver.h"

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
// Xvfb writes its display number once it accepts connections.
constexpr int SERVER_READY_TIMEOUT_MS = 10000;
} // namespace

BenchDisplay::BenchDisplay()
{
    if (const char* current = std::getenv("DISPLAY"); current && *current) {
        display = current;
        description = "X server " + display;
    } else if (startVirtualServer()) {
        description = "Xvfb " + display;
    } else {
        description = "offscreen (no X server could be started)";
    }
}

BenchDisplay::~BenchDisplay()
{
    if (serverPid > 0) {
        kill(serverPid, SIGTERM);
        waitpid(serverPid, nullptr, 0);
    }
}

void BenchDisplay::applyToEnvironment() const
{
    if (display.empty()) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return;
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("DISPLAY", display.c_str(), 1);
}

bool BenchDisplay::startVirtualServer()
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    const std::string fd = std::to_string(pipeFds[1]);
    const char* const argv[] = {"Xvfb",    "-displayfd", fd.c_str(),     "-nolisten", "tcp",
                                "-screen", "0",          "1280x1024x24", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawnp(&serverPid, "Xvfb", &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    std::string number;
    if (spawned == 0) {
        pollfd ready{pipeFds[0], POLLIN, 0};
        char buffer[32];
        ssize_t n = 0;
        while (number.find('\n') == std::string::npos && poll(&ready, 1, SERVER_READY_TIMEOUT_MS) > 0 &&
               (n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
            number.append(buffer, std::size_t(n));
    } else {
        serverPid = -1;
    }
    close(pipeFds[0]);
    if (number.find('\n') == std::string::npos) {
        if (serverPid > 0) {
            kill(serverPid, SIGTERM);
            waitpid(serverPid, nullptr, 0);
            serverPid = -1;
        }
        return false;
    }
    display = ":" + number.substr(0, number.find('\n'));
    return true;
}
