// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/logview.h"

#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

void appendToLog(QTextEdit* log, const QString& text)
{
    if (!log)
        return;
    QTextCursor cursor(log->document());
    cursor.movePosition(QTextCursor::End);
    if (!log->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(text);
}

void scrollLogToEnd(QTextEdit* log)
{
    if (!log)
        return;
    QScrollBar* bar = log->verticalScrollBar();
    bar->setValue(bar->maximum());
    log->horizontalScrollBar()->setValue(0);
}

void logAndScroll(QTextEdit* log, const QString& text)
{
    appendToLog(log, text);
    scrollLogToEnd(log);
}
