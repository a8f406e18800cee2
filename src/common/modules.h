// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFunctionPointer>
#include <QString>

// Parts of the program that a start does not need (the results window with
// Qt Charts and GSL, the upload with Qt Network) are libraries of their own,
// installed and built beside zuvgui, and loaded when they are first used: a
// start loads none of them.

// The address of the function `entry` of the library `fileName` beside this
// one, which is loaded on the first call and stays loaded; null when it
// cannot be loaded, with the reason in `failure`.
QFunctionPointer moduleEntry(const QString& fileName, const char* entry, QString* failure);
