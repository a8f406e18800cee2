// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <future>
#include <memory>

class ClientStorage;

// The data file read on a thread of its own, from construction on, so that
// reading it overlaps the building of the main window. The record read stays
// with the reading until take() hands it over.
class DataFileReading
{
public:
    explicit DataFileReading(const QString& fileName);
    // Waits for a reading that was never taken.
    ~DataFileReading();
    DataFileReading(const DataFileReading&) = delete;
    DataFileReading& operator=(const DataFileReading&) = delete;

    // Waits for the reading and returns what ClientStorage::loadFromDisk
    // returned; into then holds the record read. What loadFromDisk threw is
    // thrown here instead, and into is left as it was. Only once.
    int take(std::unique_ptr<ClientStorage>& into);

private:
    struct Result;
    std::future<std::unique_ptr<Result>> result;
};
