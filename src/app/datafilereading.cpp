// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/datafilereading.h"

#include "common/background.h"
#include "storage/clientstorage.h"

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
    result = startInBackground(read);
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
