#include "common/boxscript.h"

BoxScript::BoxScript(QList<int> scripted)
    : answers(std::move(scripted))
{
    previous = setBoxResponder([this](const BoxRequest& request) {
        boxes.append(request);
        return answers.isEmpty() ? 0 : answers.takeFirst();
    });
}

BoxScript::~BoxScript()
{
    setBoxResponder(std::move(previous));
}
