// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/pursearray.h"
#include "counting/cellcoord.h"

#include <QString>
#include <QWidget>

#include <memory>

class AutoErasedCells;
class QLabel;
class QPushButton;
class QTableWidget;

// The grid into which the purse is counted: one row per national side, one
// column per coin value, each cell the number of such coins. A cell holds the
// empty text (no coins), "0" (a zero that is blanked after a few seconds) or
// a positive count. Below the grid the running total in Euro and a reset
// button, above it a title.
class CountTable : public QWidget
{
    Q_OBJECT

public:
    CountTable(int numRows, int numColumns, QWidget* parent = nullptr, const QString& name = QString());
    ~CountTable() override;

    // Total value of all cells in Euro, as last computed by sumUpAndDisplay().
    double sum() const { return sumValue; }

    bool coordinatesOK(int row, int column) const;
    // False (out untouched) for bad coordinates. An empty cell reads as 0;
    // otherwise the result tells whether the cell text is a count.
    bool value(int row, int column, unsigned& out) const;
    // False for bad coordinates; 0 shows "0" and blanks it later.
    bool setValue(int row, int column, unsigned v);
    // Shows "0" and blanks the cell once its delay has passed.
    void zeroCell(int row, int column);
    // "(column,row)": the column comes first.
    QString cellCoordName(int row, int column) const;

    // The counts by coin (column), then national side (row): 8 by 15.
    PurseArray toVectorArray() const;
    // Needs at least 8 vectors of at least 15 counts; zero counts show "0"
    // and are blanked later.
    void setFromVectorArray(const PurseArray& array);

    QTableWidget* grid() const { return table; }
    QLabel* sumDisplay() const { return sumLabel; }
    QPushButton* resetButton() const { return buttonReset; }
    // True while the cell shows a "0" that is still to be blanked.
    bool isZeroPending(int row, int column) const;
    // The remembered section sizes every row and column is kept at.
    int fixedRowHeight() const { return rowHeight; }
    int fixedColumnWidth() const { return columnWidth; }

public Q_SLOTS:
    // The user has typed into the cell.
    void cellEdited(int row, int column);
    void cellClicked(int row, int column);
    bool increaseCell(unsigned row, unsigned column);
    bool decreaseCell(unsigned row, unsigned column);
    void setFocusToCell(unsigned row, unsigned column);
    void sumUpAndDisplay();
    void reset();

Q_SIGNALS:
    void theSum(double sum);
    void sumChanged();
    void pleaseChangeToCoinOfCell(unsigned row, unsigned column);
    void Event(const QString& name);

protected Q_SLOTS:
    void setEmpty(cellCoord theCell);

private Q_SLOTS:
    void buttonResetPressed();
    void resetSizeChangeRows(int section, int oldSize, int newSize);
    void resetSizeChangeCols(int section, int oldSize, int newSize);

private:
    QString cellText(int row, int column) const;
    // Every change of a cell's text made by the program goes through here.
    void writeCell(int row, int column, const QString& text);

    double sumValue = 0.0;
    QTableWidget* table = nullptr;
    QLabel* sumLabel = nullptr;
    QPushButton* buttonReset = nullptr;
    std::unique_ptr<AutoErasedCells> autoErased;
    int rowHeight = 0;
    int columnWidth = 0;
};
