// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/recommendernumbersdialog.h"

#include "common/messagebox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

namespace {

constexpr int dialogMargin = 5;
constexpr int listMinimumHeight = 100;

// Only these count: no signs, no blanks inside a number, no other scripts' digits.
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char(' ');
}

} // namespace

bool commaSeparatedToListBox(const QString& text, int& pos, QListWidget* box)
{
    pos = 0;
    const int length = static_cast<int>(text.length());
    if (length == 0)
        return true;
    while (pos < length) {
        // The last character is never skipped: a text ending in a separator
        // is wrong and the box quotes that separator.
        while (isSeparator(text.at(pos)) && pos < length - 1)
            ++pos;
        if (!isDigit(text.at(pos)))
            return false;
        const int start = pos;
        ++pos;
        while (pos < length && isDigit(text.at(pos)))
            ++pos;
        const QString digits = text.mid(start, pos - start);
        bool fits = false;
        digits.toInt(&fits, 10);
        if (!fits)
            return false;
        // The digits as typed: 007 stays 007 until it goes into the client state.
        box->addItem(digits);
    }
    return true;
}

QString ListBoxToCommaSeparated(const QListWidget* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->item(i)->text();
    return texts.join(QStringLiteral(", "));
}

bool ListBoxToValueList(const QListWidget* box, QList<quint32>& list)
{
    bool allValid = true;
    for (int i = 0; i < box->count(); ++i) {
        bool ok = false;
        const int value = box->item(i)->text().toInt(&ok, 10);
        if (ok)
            list.append(static_cast<quint32>(value));
        else
            allValid = false;
    }
    return allValid;
}

void ValueListToListBox(const QList<quint32>& list, QListWidget* box)
{
    for (quint32 value : list)
        box->addItem(QString::number(value));
}

RecommenderNumbersDialog::RecommenderNumbersDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("several RecommenderNumbers"));
    setModal(true);
    setWindowTitle(tr("Recommenders' membernumbers"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(dialogMargin, dialogMargin, dialogMargin, dialogMargin);

    auto* label = new QLabel(tr("Type in the membernumbers of those people who recommended this programm to you. "
                                "Then later I can show you how far your influence has spread over Europe."),
                             this);
    label->setObjectName(QStringLiteral("label"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    grid->addWidget(label, 0, 0, 1, 3);

    numberField = new QLineEdit(this);
    numberField->setObjectName(QStringLiteral("rmn"));
    grid->addWidget(numberField, 1, 0, 1, 2);
    auto* add = new QPushButton(tr("&Add"), this);
    add->setObjectName(QStringLiteral("button add rmn"));
    grid->addWidget(add, 1, 2);

    numberList = new QListWidget(this);
    numberList->setObjectName(QStringLiteral("recommenders"));
    numberList->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->addWidget(numberList, 2, 0, 2, 2);
    auto* del = new QPushButton(tr("&Del"), this);
    del->setObjectName(QStringLiteral("button del rmn"));
    grid->addWidget(del, 2, 2);
    grid->setRowMinimumHeight(3, listMinimumHeight);

    message = new QLabel(this);
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    grid->addWidget(message, 4, 0, 1, 2);
    auto* ok = new QPushButton(tr("O&K"), this);
    ok->setObjectName(QStringLiteral("button ok rmn"));
    grid->addWidget(ok, 4, 2);

    connect(add, &QPushButton::clicked, this, &RecommenderNumbersDialog::addNewRecommender);
    connect(del, &QPushButton::clicked, this, &RecommenderNumbersDialog::delRecommender);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

bool RecommenderNumbersDialog::reparse(const QString& text, QWidget* boxParent)
{
    numberList->clear();
    int pos = 0;
    if (commaSeparatedToListBox(text, pos, numberList))
        return true;
    askUser(boxParent, BoxIcon::Information, tr("Wrong Membernumber Format"),
            tr("For the recommenders' membernumbers \"%1\" is a wrong entry.\n"
               "They have to be (comma-separated) NUMBERs.")
                .arg(text.mid(pos)));
    Q_EMIT Event(QStringLiteral("SettingsMembernumberNonNumberFormat"));
    return false;
}

QString RecommenderNumbersDialog::editNumbers(const QString& fieldText, QWidget* boxParent)
{
    Q_EMIT Event(QStringLiteral("SettingsRecommenderMembernumberSeveral"));
    if (!reparse(fieldText, boxParent))
        return fieldText;
    numberField->clear();
    // Leaving by the title bar or Escape keeps the edits as well: the result of exec() does not matter.
    exec();
    Q_EMIT Event(QStringLiteral("SettingsRecommenderMembernumberSeveralEnd"));
    return ListBoxToCommaSeparated(numberList);
}

bool RecommenderNumbersDialog::parseIntoList(const QString& text, QWidget* boxParent, QString& normalised)
{
    const bool ok = reparse(text, boxParent);
    normalised = ListBoxToCommaSeparated(numberList);
    return ok;
}

void RecommenderNumbersDialog::addNewRecommender()
{
    // Whatever the integer conversion takes is accepted here, a sign included;
    // the next settings check stops at such a sign.
    const QString typed = numberField->text();
    bool ok = false;
    typed.toInt(&ok, 10);
    if (!ok) {
        message->setText(typed + tr(" is no number."));
        Q_EMIT Event(QStringLiteral("SettingsRecommenderMembernumberSeveralAddWrong"));
        return;
    }
    message->clear();
    numberList->insertItem(0, typed);
    numberField->clear();
    Q_EMIT Event(QStringLiteral("SettingsRecommenderMembernumberSeveralAdd"));
}

void RecommenderNumbersDialog::delRecommender()
{
    const QList<QListWidgetItem*> selected = numberList->selectedItems();
    if (selected.isEmpty()) {
        message->setText(tr("click the to be deleted first"));
        Q_EMIT Event(QStringLiteral("SettingsRecommenderMembernumberSeveralDelWrong"));
        return;
    }
    qDeleteAll(selected);
    message->clear();
    Q_EMIT Event(QStringLiteral("SettingsRecommenderMembernumberSeveralDel"));
}
