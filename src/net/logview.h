// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTextEdit;

// The connection log is plain text: every entry is a paragraph of its own,
// taken literally even when a server message looks like markup.
void appendToLog(QTextEdit* log, const QString& text);

// Shows the newest entry.
void scrollLogToEnd(QTextEdit* log);

// Both: what every step of the connection does with its message.
void logAndScroll(QTextEdit* log, const QString& text);
