// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/datafilereading.h"

#include "storage/clientstorage.h"

#include <system_error>

struct DataFileReading::Result
{
    std::unique_ptr<ClientStorage> record = std::make_unique<ClientStorage>();
    int code = 0;
};

DataFileReading::DataFileReading(const QString& fileName)
{
    const auto read = [fileName] {
        auto reading = std::make_unique<Result>();
        reading->code = reading->record->loadFromDisk(fileName);
        return reading;
    };
    try {
        result = std::async(std::launch::async, read);
    } catch (const std::system_error&) {
        // No thread to be had: the file is read when it is taken.
        result = std::async(std::launch::deferred, read);
    }
}

DataFileReading::~DataFileReading()
{
    if (result.valid())
        result.wait();
}

int DataFileReading::take(std::unique_ptr<ClientStorage>& into)
{
    const std::unique_ptr<Result> read = result.get();
    into = std::move(read->record);
    return read->code;
}
