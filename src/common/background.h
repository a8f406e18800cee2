// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <future>
#include <system_error>
#include <utility>

// Starts work on a thread of its own, so that it overlaps what the caller
// does meanwhile; its result (or what it threw) is taken with get(). When no
// thread can be had, the work is done at get() instead. The future waits for
// unfinished work when it is destroyed.
template <typename Work> auto startInBackground(Work work)
{
    try {
        return std::async(std::launch::async, work);
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, std::move(work));
    }
}
