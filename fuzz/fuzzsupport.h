// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

class ClientStorage;
class Session;
struct ServerAnswer;

// The entry points libFuzzer calls; the replayer of non-clang builds calls
// them the same way.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// A reader that breaks one of its promises is a finding just like a crash:
// stop loudly, so that the fuzzer keeps the input.
#define FUZZ_REQUIRE(condition) ((condition) ? void(0) : fuzzFailed(#condition, __FILE__, __LINE__))
[[noreturn]] void fuzzFailed(const char* what, const char* file, int line);

// The readers explain every refusal in the debug output; thousands of inputs
// a second would drown in it. Warnings and worse still get through.
void silenceDebugOutput();

// An application object on the offscreen platform, for harnesses that need
// widgets. Made once.
void makeOffscreenApplication();

// Set by the replayer while it feeds a valid input cut short: readers of
// records that carry their own lengths must refuse every such cut.
extern bool fuzzInputIsCut;

QByteArray bytesOf(const std::uint8_t* data, std::size_t size);

// What reading and writing again may change: the versions are always
// written as the current one.
void normaliseVersions(ClientStorage& storage);
void normaliseVersion(Session& session);

// Field by field; the version is left out because the writer ignores it.
bool sameAnswer(const ServerAnswer& a, const ServerAnswer& b);
