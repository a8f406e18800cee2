// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/boxwidget.h"

class QColor;
class QDataStream;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextStream;
class QTreeWidget;
class SlideShow;

// The window in which the participant lists the friends the project shall
// invite by zuvmail, and chooses the favourite coin printed on their
// postcards. It edits only its own list view; the dialogs object copies the
// invitation list and the favourite coin in before and out after each run.
class Invitations : public HBox
{
    Q_OBJECT

public:
    explicit Invitations(QWidget* parent = nullptr, const QString& name = QString());

    // Moves the coin show to the coin number (0..119) and shows the number.
    void setFavouriteCoin(unsigned coinNumber);

    // Diagnostic dumps of the list view's rows, in the order they are shown.
    void writeInvitedPersonsToStream(QTextStream& stream);
    void writeInvitedPersonsToStream(QDataStream& stream);

    SlideShow* coinShow() const { return coinshow; }
    QTreeWidget* listView() const { return listview; }

Q_SIGNALS:
    void ok();
    void Event(const QString& eventname);

private Q_SLOTS:
    void CoinChanged();
    void insertPerson();
    void removePerson();
    void test();
    void processEvents(const QString& name);

private:
    void showInfo(const QString& text, const QColor& colour);
    void clearInfo();

    SlideShow* coinshow = nullptr;
    QTreeWidget* listview = nullptr;
    QLineEdit* nameField = nullptr;
    QLineEdit* emailField = nullptr;
    QLineEdit* coinField = nullptr;
    QLabel* infoLabel = nullptr;
    QLabel* postcardLabel = nullptr;
};
