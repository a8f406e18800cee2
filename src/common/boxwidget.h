// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBoxLayout>
#include <QWidget>

// A plain widget whose children stack in the order they are added: top to
// bottom for a vertical box, left to right for a horizontal one. No margins,
// so nested boxes line up.
class BoxWidget : public QWidget
{
    Q_OBJECT

public:
    BoxWidget(Qt::Orientation orientation, QWidget* parent = nullptr, const QString& name = QString());

    // Reparents the widget into this box and appends it to the layout.
    template <typename W>
    W* add(W* widget, int stretch = 0)
    {
        boxLayout()->addWidget(widget, stretch);
        return widget;
    }

    QBoxLayout* boxLayout() const;
};

class VBox : public BoxWidget
{
    Q_OBJECT

public:
    explicit VBox(QWidget* parent = nullptr, const QString& name = QString())
        : BoxWidget(Qt::Vertical, parent, name)
    {
    }
};

class HBox : public BoxWidget
{
    Q_OBJECT

public:
    explicit HBox(QWidget* parent = nullptr, const QString& name = QString())
        : BoxWidget(Qt::Horizontal, parent, name)
    {
    }
};
