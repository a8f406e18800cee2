// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/datafilereading.h"

#include "storage/clientstorage.h"

struct DataFileReading::Result
{
    std::unique_ptr<ClientStorage> record = std::make_unique<ClientStorage>();
    int code = 0;
};

DataFileReading::DataFileReading(const QString& fileName)
    : result(std::async(std::launch::async, [fileName] {
          auto read = std::make_unique<Result>();
          read->code = read->record->loadFromDisk(fileName);
          return read;
      }))
{
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
