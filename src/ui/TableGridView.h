// The output screen's grid (grd_Data): a view of an output::TableGrid. The grid's first rows
// (names, units, Min, Max) stay in place while the values scroll beneath them; cells are
// selected as in a spreadsheet and Ctrl+C (or Copy in the context menu) puts the selection on
// the clipboard as TAB-separated lines that a spreadsheet pastes into cells.
//
// The cells are the core's texts; the view formats nothing and draws only the rows in sight, so
// a table of any length fills at once.
#pragma once

#include "output/TableOutput.h"

#include <QAbstractTableModel>
#include <QTableView>

#include <array>

namespace trochix::ui {

class TableGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TableGridModel(QObject* parent = nullptr);

    void setGrid(output::TableGrid grid);
    const output::TableGrid& grid() const { return m_grid; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    output::TableGrid m_grid;
};

class TableGridView : public QTableView {
    Q_OBJECT
public:
    explicit TableGridView(QWidget* parent = nullptr);

    // Shows the table from its top, columns wide enough for their longest text.
    void setGrid(output::TableGrid grid);
    const output::TableGrid& grid() const { return m_model->grid(); }
    TableGridModel* gridModel() const { return m_model; }

    // The view of the header rows that stays in place.
    QTableView* frozenRows() const { return m_frozen; }

    // The selected cells as TAB-separated lines ("" when nothing is selected).
    QString selectedText() const;

    // Brings a value row into view below the header rows, never under them.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

public slots:
    void copySelection();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeFrozenRows();
    // Columns as wide as their texts, widened alike to fill the view.
    void fitColumns();
    int frozenHeight() const;

    TableGridModel* m_model;
    QTableView* m_frozen;
    std::array<int, output::kTableColumns> m_textWidths{};
};

} // namespace trochix::ui
