// SPDX-License-Identifier: GPL-3.0-or-later
#include "counting/counttable.h"

#include "common/boxwidget.h"
#include "common/constants.h"
#include "common/messagebox.h"
#include "counting/autoerasedcells.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTextStream>
#include <QVBoxLayout>

#include <functional>
#include <limits>

namespace {

// Positions of the grid's actions in the table of event names.
constexpr size_t cellClickedEvent = 0;
constexpr size_t cellEditedEvent = 1;
constexpr size_t cellFocussedEvent = 2;
constexpr size_t resetEvent = 11; // "Reset" among the general events

// The rows and columns that keep their size are measured at this section.
constexpr int measuredSection = 3;
// Room above and below the text of a row, in pixels.
constexpr int rowPadding = 6;

// Translated where they are shown: the translation is installed after these are made.
const char* const titleText = QT_TRANSLATE_NOOP("CountTable", "These coins are in your purse");
const char* const resetText = QT_TRANSLATE_NOOP("CountTable", "RESET\nthis table to 0");
const char* const badInputTitle = QT_TRANSLATE_NOOP("CountTable", "Euro Coins");
const char* const badInputText =
    QT_TRANSLATE_NOOP("CountTable", "Please type in positive NUMBERS only!\nThe field will be set to 0 now.");

QFont labelFont()
{
    return QFont(QStringLiteral("times"), 18, QFont::Normal);
}

int sectionSizeToKeep(const QHeaderView* header)
{
    return header->count() > measuredSection ? header->sectionSize(measuredSection) : header->defaultSectionSize();
}

// Tells of every edit the user commits in a cell, also one that leaves the
// text as it was: the table's own change signal stays silent then. The
// program's own writes never pass through a delegate.
class CommitReportingDelegate : public QStyledItemDelegate
{
public:
    using Committed = std::function<void(int row, int column)>;

    CommitReportingDelegate(Committed committed, QObject* parent)
        : QStyledItemDelegate(parent), committed(std::move(committed))
    {
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        QStyledItemDelegate::setModelData(editor, model, index);
        committed(index.row(), index.column());
    }

private:
    Committed committed;
};

} // namespace

CountTable::CountTable(int numRows, int numColumns, QWidget* parent, const QString& name)
    : QWidget(parent), autoErased(std::make_unique<AutoErasedCells>())
{
    setObjectName(name);
    connect(autoErased.get(), &AutoErasedCells::eraseCell, this, &CountTable::setEmpty);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* title = new QLabel(tr(titleText), this);
    title->setFont(labelFont());
    title->setAlignment(Qt::AlignCenter);
    title->setWordWrap(true);
    layout->addWidget(title);

    table = new QTableWidget(this);
    table->setObjectName(QStringLiteral("table"));
    auto* prototype = new QTableWidgetItem;
    prototype->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setItemPrototype(prototype);
    layout->addWidget(table);

    auto* bottom = new HBox(this);
    sumLabel = bottom->add(new QLabel(bottom), 1);
    sumLabel->setFont(labelFont());
    sumLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    buttonReset = bottom->add(new QPushButton(tr(resetText), bottom));
    buttonReset->setObjectName(QStringLiteral("reset"));
    layout->addWidget(bottom);
    connect(buttonReset, &QPushButton::clicked, this, &CountTable::reset);
    connect(buttonReset, &QPushButton::clicked, this, &CountTable::buttonResetPressed);

    // Headers: national sides down the left, coin values across the top,
    // measured in the bold font they are shown in. Their font and sizes are
    // set before the rows and columns are made, which then start at their
    // size: the headers measure their texts once instead of at every change.
    QFont headerFont = table->font();
    headerFont.setWeight(QFont::Bold);
    const QFontMetrics metrics(headerFont);
    QHeaderView* rows = table->verticalHeader();
    QHeaderView* columns = table->horizontalHeader();
    rows->setFont(headerFont);
    columns->setFont(headerFont);
    // Rows just tall enough for a line of text, so the whole grid fits into
    // the main window without scrolling.
    const int rowSize = metrics.height() + rowPadding;
    rows->setMinimumSectionSize(rowSize);
    rows->setDefaultSectionSize(rowSize);
    const int cellWidth = metrics.horizontalAdvance(QStringLiteral(" 1234 "));
    columns->setMinimumSectionSize(0);
    columns->setDefaultSectionSize(cellWidth);
    table->setRowCount(qMax(numRows, 0));
    table->setColumnCount(qMax(numColumns, 0));

    int widestLabel = 0;
    for (int r = 0; r < table->rowCount() && r < NUM_NATIONAL_SIDES; ++r) {
        const QString label = shownCountryName(r + 1);
        table->setVerticalHeaderItem(r, new QTableWidgetItem(label));
        widestLabel = qMax(widestLabel, metrics.horizontalAdvance(label));
    }
    rows->setFixedWidth(widestLabel + metrics.horizontalAdvance(QStringLiteral("ix")));
    for (int c = 0; c < table->columnCount() && c < NUM_COINS; ++c)
        table->setHorizontalHeaderItem(c, new QTableWidgetItem(shownCoinName(c)));

    // The grid shows all its cells and keeps its height.
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    // Every edit the user commits is checked, once the editor has finished
    // committing, so a message box never opens inside the commit.
    table->setItemDelegate(new CommitReportingDelegate(
        [this](int row, int column) {
            QMetaObject::invokeMethod(
                this, [this, row, column] { cellEdited(row, column); }, Qt::QueuedConnection);
        },
        table));
    connect(table, &QTableWidget::cellClicked, this, &CountTable::cellClicked);
    connect(this, &CountTable::sumChanged, this, &CountTable::sumUpAndDisplay);

    sumUpAndDisplay();

    rowHeight = sectionSizeToKeep(rows);
    columnWidth = sectionSizeToKeep(columns);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    columns->setSectionResizeMode(QHeaderView::Fixed);
    connect(rows, &QHeaderView::sectionResized, this, &CountTable::resetSizeChangeRows);
    connect(columns, &QHeaderView::sectionResized, this, &CountTable::resetSizeChangeCols);
}

CountTable::~CountTable() = default;

bool CountTable::coordinatesOK(int row, int column) const
{
    return row >= 0 && row < table->rowCount() && column >= 0 && column < table->columnCount();
}

QString CountTable::cellText(int row, int column) const
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

void CountTable::writeCell(int row, int column, const QString& text)
{
    if (QTableWidgetItem* item = table->item(row, column)) {
        item->setText(text);
    } else {
        QTableWidgetItem* fresh = table->itemPrototype()->clone();
        fresh->setText(text);
        table->setItem(row, column, fresh);
    }
}

bool CountTable::value(int row, int column, unsigned& out) const
{
    if (!coordinatesOK(row, column))
        return false;
    const QString text = cellText(row, column);
    if (text.isEmpty()) {
        out = 0;
        return true;
    }
    bool ok = false;
    out = text.toUInt(&ok, 10);
    return ok;
}

bool CountTable::setValue(int row, int column, unsigned v)
{
    if (!coordinatesOK(row, column))
        return false;
    autoErased->remove(cellCoord{unsigned(row), unsigned(column)});
    if (v != 0)
        writeCell(row, column, QString::number(v));
    else
        zeroCell(row, column);
    Q_EMIT sumChanged();
    return true;
}

void CountTable::zeroCell(int row, int column)
{
    if (!coordinatesOK(row, column))
        return;
    const cellCoord cell{unsigned(row), unsigned(column)};
    autoErased->remove(cell);
    writeCell(row, column, QStringLiteral("0"));
    autoErased->insert(cell);
}

bool CountTable::isZeroPending(int row, int column) const
{
    return coordinatesOK(row, column) && autoErased->isActive(cellCoord{unsigned(row), unsigned(column)});
}

void CountTable::setEmpty(cellCoord theCell)
{
    if (coordinatesOK(int(theCell.row), int(theCell.column)))
        writeCell(int(theCell.row), int(theCell.column), QString());
}

QString CountTable::cellCoordName(int row, int column) const
{
    return QLatin1Char('(') + QString::number(column) + QLatin1Char(',') + QString::number(row) + QLatin1Char(')');
}

bool CountTable::increaseCell(unsigned row, unsigned column)
{
    const int r = int(row), c = int(column);
    if (row > unsigned(std::numeric_limits<int>::max()) || !coordinatesOK(r, c))
        return false;
    unsigned count = 0;
    if (!value(r, c, count))
        count = 0;
    // A full cell stays full rather than wrapping round to nothing.
    if (count < std::numeric_limits<unsigned>::max())
        ++count;
    return setValue(r, c, count);
}

bool CountTable::decreaseCell(unsigned row, unsigned column)
{
    const int r = int(row), c = int(column);
    if (row > unsigned(std::numeric_limits<int>::max()) || !coordinatesOK(r, c))
        return false;
    unsigned count = 0;
    if (value(r, c, count) && count > 0)
        return setValue(r, c, count - 1);
    return setValue(r, c, 0);
}

void CountTable::setFocusToCell(unsigned row, unsigned column)
{
    const int r = int(row), c = int(column);
    if (row > unsigned(std::numeric_limits<int>::max()) || !coordinatesOK(r, c))
        return;
    table->clearSelection();
    table->setCurrentCell(r, c);
    Q_EMIT Event(TableIDtexts[cellFocussedEvent] + cellCoordName(r, c));
}

void CountTable::cellEdited(int row, int column)
{
    if (!coordinatesOK(row, column))
        return;
    const QString text = cellText(row, column);
    if (!text.isEmpty()) {
        bool ok = false;
        unsigned count = text.toUInt(&ok, 10);
        if (!ok) {
            // Letters, a negative number or more coins than a count can hold.
            askUser(table, BoxIcon::Information, tr(badInputTitle), tr(badInputText));
            count = 0;
            setFocusToCell(unsigned(row), unsigned(column));
        }
        setValue(row, column, count);
    }
    Q_EMIT Event(TableIDtexts[cellEditedEvent] + cellCoordName(row, column));
    const cellCoord next = nextCellForEditing(unsigned(row), unsigned(column));
    Q_EMIT pleaseChangeToCoinOfCell(next.row, next.column);
    Q_EMIT sumChanged();
}

void CountTable::cellClicked(int row, int column)
{
    if (!coordinatesOK(row, column))
        return;
    Q_EMIT pleaseChangeToCoinOfCell(unsigned(row), unsigned(column));
    Q_EMIT Event(TableIDtexts[cellClickedEvent] + cellCoordName(row, column));
}

void CountTable::sumUpAndDisplay()
{
    double total = 0.0;
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount() && c < NUM_COINS; ++c) {
            unsigned count = 0;
            if (!value(r, c, count))
                count = 0;
            total += count * coinvalues[static_cast<size_t>(c)];
        }
    }
    sumValue = total;

    const qint64 cents = qRound64(sumValue * 100.0);
    QString suffix;
    if (cents % 100 == 0)
        suffix = QStringLiteral(".00");
    else if (cents % 10 == 0)
        suffix = QStringLiteral("0");

    QString number;
    QTextStream stream(&number);
    stream << sumValue << suffix;
    stream.flush();
    // The sum as it always read, with the participant's decimal sign.
    sumLabel->setText(tr(" %1 Euro ").arg(number.replace(QLatin1Char('.'), QLocale().decimalPoint())));

    Q_EMIT theSum(sumValue);
}

void CountTable::reset()
{
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < table->columnCount(); ++c)
            setValue(r, c, 0);
    Q_EMIT sumChanged();
}

PurseArray CountTable::toVectorArray() const
{
    PurseArray array(NUM_COINS, std::vector<unsigned>(NUM_NATIONAL_SIDES, 0));
    for (int c = 0; c < NUM_COINS; ++c) {
        for (int r = 0; r < NUM_NATIONAL_SIDES; ++r) {
            unsigned count = 0;
            if (value(r, c, count))
                array[size_t(c)][size_t(r)] = count;
        }
    }
    return array;
}

void CountTable::setFromVectorArray(const PurseArray& array)
{
    for (int c = 0; c < NUM_COINS; ++c) {
        for (int r = 0; r < NUM_NATIONAL_SIDES; ++r) {
            // A short array counts as empty where it has no entry.
            const bool present = size_t(c) < array.size() && size_t(r) < array[size_t(c)].size();
            setValue(r, c, present ? array[size_t(c)][size_t(r)] : 0);
        }
    }
    Q_EMIT sumChanged();
}

void CountTable::buttonResetPressed()
{
    Q_EMIT Event(IDtexts[resetEvent]);
}

void CountTable::resetSizeChangeRows(int section, int, int)
{
    table->verticalHeader()->resizeSection(section, rowHeight);
}

void CountTable::resetSizeChangeCols(int section, int, int)
{
    table->horizontalHeader()->resizeSection(section, columnWidth);
}
