// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/boxwidget.h"

BoxWidget::BoxWidget(Qt::Orientation orientation, QWidget* parent, const QString& name)
    : QWidget(parent)
{
    setObjectName(name);
    auto* layout = new QBoxLayout(orientation == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
    layout->setContentsMargins(0, 0, 0, 0);
}

QBoxLayout* BoxWidget::boxLayout() const
{
    return static_cast<QBoxLayout*>(layout());
}
