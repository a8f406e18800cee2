// SPDX-License-Identifier: GPL-3.0-or-later
#include "childprocess.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <unistd.h>

extern char** environ;

bool startChild(const char* program, const char* const argv[], const char* workDir, ChildProcess& child)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    if (workDir)
        posix_spawn_file_actions_addchdir_np(&actions, workDir);
    const int spawned = posix_spawn(&child.pid, program, &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        child = ChildProcess();
        return false;
    }
    child.output = pipeFds[0];
    return true;
}

std::string readFirstLine(ChildProcess& child, int timeoutMs)
{
    std::string line;
    while (child.output >= 0 && line.find('\n') == std::string::npos) {
        pollfd ready{child.output, POLLIN, 0};
        if (poll(&ready, 1, timeoutMs) <= 0)
            break;
        char buffer[256];
        const ssize_t n = read(child.output, buffer, sizeof buffer);
        if (n <= 0)
            break;
        line.append(buffer, std::size_t(n));
    }
    if (child.output >= 0)
        close(child.output);
    child.output = -1;
    // A read may have brought the next lines too.
    const std::size_t end = line.find('\n');
    if (end != std::string::npos)
        line.resize(end + 1);
    return line;
}
