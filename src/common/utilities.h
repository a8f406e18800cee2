// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the participant reads about an error code: its name and the suggested
// solution, or a request to report the problem when there is none. A code
// outside the table (a server can send any number) reads as code 0.
QString errorMessageAndSolution(unsigned code);

// The table entries of a code, empty for a code outside the table.
QString errorMessageOf(unsigned code);
QString errorHelpOf(unsigned code);

// Copies a file; returns 0 or ZUV_FILE_NOT_EXIST, ZUV_FILE_WRITE_OPENING_ERROR,
// ZUV_FILE_CLOSING_ERROR. Never throws.
int copyFile(const QString& from, const QString& to);

// A rough syntax check: longer than six characters, an "@" that is neither
// first nor last, and a "." somewhere that is not the last character.
bool isEmail(const QString& address);

bool is_it_Windows();

int minOf2(int a, int b);
int maxOf2(int a, int b);

// Fills only the first occurrence of the lowest-numbered placeholder ("%1",
// then "%2", ...), so a text holding the same placeholder twice is filled one
// place at a time.
QString fillFirstPlaceholder(const QString& text, const QString& value);

// Mark a parameter as used.
int doNothing(int value);
QString doNothing(const QString& value);
