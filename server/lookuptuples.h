#pragma once

#include <QString>

// The settings dialog's country and town-size items as SQL value tuples,
// "(index,'text'),(index,'text'),...", so the member tables use the client's
// own indices. The dialog is a widget and the server links none: the tool
// zuv-lookup-sql asks the dialog for these lists at build time and writes the
// source that defines the two functions.
QString memberCountryTuples();
QString townSizeTuples();
