// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's own failures. Each carries exactly one error code (see
// errorcodes.h); they are thrown by value and caught by reference, the most
// derived class first, since none of them is polymorphic.
class myException
{
public:
    explicit myException(unsigned code) : errorCode(code) {}
    unsigned code() const { return errorCode; }

private:
    unsigned errorCode;
};

// An internal inconsistency: a self-check failed.
class LogicErr : public myException
{
public:
    using myException::myException;
};

// A data stream was not readable or writable as expected.
class StreamErr : public myException
{
public:
    using myException::myException;
};

// A stream failure while loading or saving the data file.
class FileErr : public StreamErr
{
public:
    using StreamErr::StreamErr;
};

// A failure of the network stream to the server.
class NetErr : public StreamErr
{
public:
    using StreamErr::StreamErr;
};
