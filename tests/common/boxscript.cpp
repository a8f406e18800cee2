// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/boxscript.h"

#include <QEventLoop>
#include <QTimer>

BoxScript::BoxScript(QList<int> scripted) : answers(std::move(scripted))
{
    previous = setBoxResponder([this](const BoxRequest& request) {
        if (openMs > 0) {
            open = true;
            QEventLoop loop;
            QTimer::singleShot(openMs, &loop, &QEventLoop::quit);
            loop.exec();
            open = false;
        }
        boxes.append(request);
        return answers.isEmpty() ? 0 : answers.takeFirst();
    });
}

BoxScript::~BoxScript()
{
    setBoxResponder(std::move(previous));
}
