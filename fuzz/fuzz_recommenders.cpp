// SPDX-License-Identifier: GPL-3.0-or-later
// The recommenders' member number text from bytes (UTF-8, as typed into the
// settings). Accepted text fills the list box with digit strings whose
// canonical form parses to the same items; refused text names a position
// inside the text, or at its end after a number too large.

#include "fuzzsupport.h"

#include "settings/recommendernumbersdialog.h"

#include <QListWidget>

namespace {

QStringList itemsOf(const QListWidget& box)
{
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts << box.item(i)->text();
    return texts;
}

bool allDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    silenceDebugOutput();
    makeOffscreenApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QListWidget box;
    static QListWidget again;
    box.clear();
    again.clear();

    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    int pos = -1;
    const bool valid = commaSeparatedToListBox(text, pos, &box);
    FUZZ_REQUIRE(pos >= 0 && pos <= text.size());
    const QStringList items = itemsOf(box);
    for (const QString& item : items)
        FUZZ_REQUIRE(allDigits(item));
    if (!valid) {
        // Only a number too large can leave nothing to quote.
        if (pos == text.size())
            FUZZ_REQUIRE(pos > 0 && allDigits(text.mid(pos - 1)));
        return 0;
    }

    QList<quint32> values;
    FUZZ_REQUIRE(ListBoxToValueList(&box, values));
    FUZZ_REQUIRE(values.size() == items.size());
    const QString canonical = ListBoxToCommaSeparated(&box);
    int pos2 = -1;
    FUZZ_REQUIRE(commaSeparatedToListBox(canonical, pos2, &again));
    FUZZ_REQUIRE(itemsOf(again) == items);
    return 0;
}
