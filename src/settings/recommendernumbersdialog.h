// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;

// The recommenders' member numbers live in three forms: one line of text in
// the settings dialog (numbers separated by commas or blanks), a list box with
// one number text per item (leading zeros kept), and the list of unsigned
// values of the client state. These four functions convert between them.

// Appends the numbers of text to box (box is not cleared). Returns false at
// the first wrong character or at a number too large for a signed 32-bit
// integer; pos then tells where the wrong rest of the text begins.
bool commaSeparatedToListBox(const QString& text, int& pos, QListWidget* box);
// The item texts joined by ", "; an empty box gives the empty text.
QString ListBoxToCommaSeparated(const QListWidget* box);
// Appends the value of every item to list (not cleared first); items that are
// no number are skipped and make the result false.
bool ListBoxToValueList(const QListWidget* box, QList<quint32>& list);
// Appends the decimal text of every value to box (not cleared first).
void ValueListToListBox(const QList<quint32>& list, QListWidget* box);

// The small dialog behind the settings dialog's "several" button: numbers are
// added to and removed from the list one at a time. Its list is also the
// working list of the member number check of the settings.
class RecommenderNumbersDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RecommenderNumbersDialog(QWidget* parent = nullptr);

    QLineEdit* rmn() const { return numberField; }
    QListWidget* recommenders() const { return numberList; }
    QLabel* recommenderMessage() const { return message; }

    // Parses fieldText into the list and lets the participant edit it. A text
    // that does not parse is reported in a box (parent boxParent) and given
    // back unchanged without opening the dialog. Otherwise the edited list
    // comes back in its canonical text form, however the dialog was left.
    QString editNumbers(const QString& fieldText, QWidget* boxParent);

    // The member number check of the settings: the list is cleared and text
    // parsed into it; a wrong text is reported in a box (parent boxParent).
    // normalised receives the numbers read, in canonical form, in both cases.
    bool parseIntoList(const QString& text, QWidget* boxParent, QString& normalised);

public Q_SLOTS:
    void addNewRecommender();
    void delRecommender();

Q_SIGNALS:
    void Event(const QString& name);

private:
    // Clears the list and parses text into it, showing the wrong-format box
    // and reporting the event when it fails.
    bool reparse(const QString& text, QWidget* boxParent);

    QLineEdit* numberField = nullptr;
    QListWidget* numberList = nullptr;
    QLabel* message = nullptr;
};
