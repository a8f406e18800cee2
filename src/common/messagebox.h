// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Every message box and question of the program goes through askUser(): it
// builds a standard box, runs it modally and returns the number of the chosen
// button. Button 0 is the default; escapeButton answers Escape and closing.

enum class BoxIcon { Information, Warning, Critical };

struct BoxRequest
{
    QWidget* parent = nullptr;
    BoxIcon icon = BoxIcon::Information;
    QString title;
    QString text;
    QStringList buttons;  // at least one
    int escapeButton = 0; // index into buttons
};

int askUser(const BoxRequest& request);

// The common shapes: one "OK" button, or two buttons with the second on Escape.
int askUser(QWidget* parent, BoxIcon icon, const QString& title, const QString& text);
int askUser(QWidget* parent, BoxIcon icon, const QString& title, const QString& text,
            const QString& button0, const QString& button1);

// Tests answer boxes through a responder instead of a real box. It receives
// every request and returns the button number. Returns the responder that was
// installed before; an empty function restores real boxes.
using BoxResponder = std::function<int(const BoxRequest&)>;
BoxResponder setBoxResponder(BoxResponder responder);
