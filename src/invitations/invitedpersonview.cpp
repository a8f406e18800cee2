// SPDX-License-Identifier: GPL-3.0-or-later
#include "invitations/invitedpersonview.h"

#include "invitations/invitedperson.h"

#include <QTreeWidget>
#include <QTreeWidgetItem>

namespace {

QString fromBytes(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string toBytes(const QString& text)
{
    return text.toLatin1().toStdString();
}

} // namespace

QString uploadedText()
{
    return QStringLiteral("yes");
}

QString notUploadedText()
{
    return QStringLiteral("no");
}

void fromListViewItem(InvitedPerson& person, const QTreeWidgetItem* item)
{
    person.name = toBytes(item->text(nameColumn));
    person.eMail = toBytes(item->text(eMailColumn));
    // toShort gives 0 for a text that is no number.
    person.coin = static_cast<quint8>(item->text(coinColumn).toShort(nullptr, 10) & 0xFF);
    person.uploaded = item->text(uploadedColumn) != notUploadedText();
}

QTreeWidgetItem* toListViewItem(const InvitedPerson& person, QTreeWidget* view)
{
    auto* item =
        new QTreeWidgetItem(QStringList{fromBytes(person.name), fromBytes(person.eMail), QString::number(person.coin),
                                        person.uploaded ? uploadedText() : notUploadedText()});
    view->addTopLevelItem(item);
    return item;
}

void fromListViewToValueList(const QTreeWidget* view, QList<InvitedPerson>& list)
{
    list.clear();
    for (int row = 0; row < view->topLevelItemCount(); ++row) {
        InvitedPerson person;
        fromListViewItem(person, view->topLevelItem(row));
        list.append(person);
    }
}

void fromValueListToListView(const QList<InvitedPerson>& list, QTreeWidget* view)
{
    for (const InvitedPerson& person : list)
        toListViewItem(person, view);
}
