// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/messagebox.h"

#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace {

BoxResponder& installedResponder()
{
    static BoxResponder responder;
    return responder;
}

QMessageBox::Icon toQtIcon(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::Warning:
        return QMessageBox::Warning;
    case BoxIcon::Critical:
        return QMessageBox::Critical;
    case BoxIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

int runRealBox(const BoxRequest& request)
{
    QMessageBox box(toQtIcon(request.icon), request.title, request.text, QMessageBox::NoButton, request.parent);
    std::vector<QPushButton*> buttons;
    for (const QString& text : request.buttons)
        buttons.push_back(box.addButton(text, QMessageBox::AcceptRole));
    box.setDefaultButton(buttons.front());
    box.setEscapeButton(buttons[static_cast<size_t>(request.escapeButton)]);
    box.exec();
    for (size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return static_cast<int>(i);
    return request.escapeButton;
}

} // namespace

int askUser(const BoxRequest& request)
{
    BoxRequest checked = request;
    if (checked.buttons.isEmpty())
        checked.buttons << QStringLiteral("OK");
    if (checked.escapeButton < 0 || checked.escapeButton >= checked.buttons.size())
        checked.escapeButton = static_cast<int>(checked.buttons.size()) - 1;

    if (const BoxResponder& responder = installedResponder()) {
        const int answer = responder(checked);
        return answer >= 0 && answer < checked.buttons.size() ? answer : checked.escapeButton;
    }
    return runRealBox(checked);
}

int askUser(QWidget* parent, BoxIcon icon, const QString& title, const QString& text)
{
    return askUser(BoxRequest{parent, icon, title, text, {QStringLiteral("OK")}, 0});
}

int askUser(QWidget* parent, BoxIcon icon, const QString& title, const QString& text, const QString& button0,
            const QString& button1)
{
    return askUser(BoxRequest{parent, icon, title, text, {button0, button1}, 1});
}

BoxResponder setBoxResponder(BoxResponder responder)
{
    BoxResponder previous = std::move(installedResponder());
    installedResponder() = std::move(responder);
    return previous;
}
