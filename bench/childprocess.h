// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <sys/types.h>

// A program the benchmarks start and wait for: its standard output comes to
// us through a pipe (the line it prints when it is ready), its error output
// is thrown away.
struct ChildProcess
{
    pid_t pid = -1;
    int output = -1; // read end of the pipe; -1 once closed
};

// Starts `program` with the null-terminated `argv`, in `workDir` unless that
// is null. False (and nothing left open) when it cannot be started.
bool startChild(const char* program, const char* const argv[], const char* workDir, ChildProcess& child);

// The child's output up to and including its first newline, or what came
// before the output ended or `timeoutMs` passed without any. Closes the pipe.
std::string readFirstLine(ChildProcess& child, int timeoutMs);
