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

    const QList<BoxRequest>& shown() const { return boxes; }
    const BoxRequest& last() const { return boxes.constLast(); }
    int count() const { return static_cast<int>(boxes.size()); }
    void clear() { boxes.clear(); }

private:
    QList<int> answers;
    QList<BoxRequest> boxes;
    BoxResponder previous;
};
