// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/messagebox.h"

#include <QList>

// Answers the program's message boxes during a test. While it lives, every box
// is recorded instead of shown and answered with the next scripted button
// number, or with button 0 (the default) when the script has run out.
class BoxScript
{
public:
    explicit BoxScript(QList<int> answers = {});
    ~BoxScript();
    BoxScript(const BoxScript&) = delete;
    BoxScript& operator=(const BoxScript&) = delete;

    void answerNext(int button) { answers.append(button); }
    // Each box stays open this long before it is answered, running the
    // events meanwhile as a real box's own event loop does.
    void holdOpen(int ms) { openMs = ms; }
    bool isOpen() const { return open; }

    const QList<BoxRequest>& shown() const { return boxes; }
    const BoxRequest& last() const { return boxes.constLast(); }
    int count() const { return static_cast<int>(boxes.size()); }
    void clear() { boxes.clear(); }

private:
    QList<int> answers;
    QList<BoxRequest> boxes;
    int openMs = 0;
    bool open = false;
    BoxResponder previous;
};
