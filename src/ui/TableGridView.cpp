#include "ui/TableGridView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <utility>
#include <vector>

namespace trochix::ui {

namespace {

const QColor kHeaderBackground(0xe6, 0xec, 0xf3);
const QColor kExtremesBackground(0xf1, 0xf4, 0xf8);

} // namespace

TableGridModel::TableGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void TableGridModel::setGrid(output::TableGrid grid) {
    beginResetModel();
    m_grid = std::move(grid);
    endResetModel();
}

int TableGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_grid.rows();
}

int TableGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : output::TableGrid::columns();
}

QVariant TableGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(m_grid.cell(row, index.column()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(row < 2 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if (row == 0) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::BackgroundRole:
        if (row < 2)
            return kHeaderBackground;
        if (row < output::kTableHeaderRows)
            return kExtremesBackground;
        return {};
    default: return {};
    }
}

TableGridView::TableGridView(QWidget* parent)
    : QTableView(parent), m_model(new TableGridModel(this)), m_frozen(new QTableView(this)) {
    setObjectName("grd_Data");
    setModel(m_model);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Rows of one height: the view then lays out thousands of rows without measuring them.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setCornerButtonEnabled(false);

    // The header rows: a second view of the same cells and the same selection, laid over the
    // top of this one, which never scrolls vertically.
    m_frozen->setObjectName("grd_DataHeader");
    m_frozen->setModel(m_model);
    m_frozen->setSelectionModel(selectionModel());
    m_frozen->horizontalHeader()->hide();
    m_frozen->verticalHeader()->hide();
    m_frozen->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozen->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozen->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_frozen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->setAutoScroll(false);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_frozen->setFrameShape(QFrame::NoFrame);
    m_frozen->setStyleSheet("QTableView { border: none; border-bottom: 2px solid #8795a6; }");
    m_frozen->viewport()->installEventFilter(this);
    viewport()->stackUnder(m_frozen);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int size) {
                m_frozen->setColumnWidth(column, size);
                placeFrozenRows();
            });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_frozen->horizontalScrollBar(),
            &QScrollBar::setValue);

    auto* copy = new QAction("&Copy", this);
    copy->setObjectName("act_Copy");
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &TableGridView::copySelection);
    auto* all = new QAction("Select &All", this);
    all->setObjectName("act_SelectAll");
    all->setShortcut(QKeySequence::SelectAll);
    all->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(all, &QAction::triggered, this, &QTableView::selectAll);
    addActions({copy, all});
    setContextMenuPolicy(Qt::ActionsContextMenu);
    m_frozen->setContextMenuPolicy(Qt::NoContextMenu);
    placeFrozenRows();
}

void TableGridView::setGrid(output::TableGrid grid) {
    const std::array<std::size_t, output::kTableColumns> widest = grid.widest();
    m_model->setGrid(std::move(grid));
    const QFontMetrics metrics(font());
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    const int digit = std::max(metrics.horizontalAdvance(QLatin1Char('0')),
                               boldMetrics.horizontalAdvance(QLatin1Char('0')));
    for (int c = 0; c < output::kTableColumns; ++c)
        m_textWidths[c] = std::max(96, static_cast<int>(widest[c]) * digit + 28);
    fitColumns();
    scrollToTop();
    placeFrozenRows();
}

void TableGridView::fitColumns() {
    int total = 0;
    for (int w : m_textWidths)
        total += w;
    // Room for the vertical scroll bar is kept, so that its coming never adds a horizontal one.
    const int room = width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width();
    const int extra = std::max(0, room - total) / output::kTableColumns;
    for (int c = 0; c < output::kTableColumns; ++c)
        setColumnWidth(c, m_textWidths[c] + extra);
}

int TableGridView::frozenHeight() const {
    const int rows = std::min(m_model->rowCount(), output::kTableHeaderRows);
    return rows * verticalHeader()->defaultSectionSize() + 2;
}

void TableGridView::placeFrozenRows() {
    m_frozen->setGeometry(frameWidth(), frameWidth(), viewport()->width(), frozenHeight());
    m_frozen->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
}

void TableGridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    fitColumns();
    placeFrozenRows();
}

void TableGridView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (index.row() < output::kTableHeaderRows) {
        // Always in sight above the values; only the columns may need to move.
        const int keep = verticalScrollBar()->value();
        QTableView::scrollTo(index, hint);
        verticalScrollBar()->setValue(keep);
        return;
    }
    QTableView::scrollTo(index, hint);
    // A row scrolled to the top of the view would lie under the header rows: show it below them.
    const int hidden = frozenHeight() - visualRect(index).top();
    if (hidden > 0)
        verticalScrollBar()->setValue(verticalScrollBar()->value() - hidden);
}

void TableGridView::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        copySelection();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool TableGridView::eventFilter(QObject* watched, QEvent* event) {
    // The header rows never scroll up or down: the wheel over them scrolls the values.
    if (watched == m_frozen->viewport() && event->type() == QEvent::Wheel) {
        QApplication::sendEvent(viewport(), event);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

QString TableGridView::selectedText() const {
    std::vector<std::pair<int, int>> cells;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        cells.emplace_back(index.row(), index.column());
    return QString::fromStdString(output::CopyText(m_model->grid(), cells));
}

void TableGridView::copySelection() {
    const QString text = selectedText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

} // namespace trochix::ui
