#include "controls.h"

#include "text.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <limits>
#include <numeric>

namespace fw {

TextField::TextField(QWidget *parent) : QLineEdit(parent)
{
    // Qt stops a line edit at 32767 characters; a field keeps whatever it is given.
    setMaxLength(std::numeric_limits<int>::max());
}

QString TextField::formatted(const QString &text) const
{
    if (m_format == QLatin1String("-####.00") && !text.isEmpty())
        return FormatAmount(Val(text));
    return text;
}

void TextField::SetText(const QString &text) { QLineEdit::setText(formatted(text)); }

BevelButton::BevelButton(QWidget *parent) : QPushButton(parent) {}

Canvas::Canvas(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Canvas::setBackdrop(const QPixmap &picture) { setPixmap(picture); }

ListModel::ListModel(QObject *parent) : QAbstractTableModel(parent) {}

int ListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ListModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_columns; }

QVariant ListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return cell(index.row(), index.column());
    return {};
}

void ListModel::setColumns(int count)
{
    beginResetModel();
    m_columns = std::max(1, count);
    endResetModel();
}

int ListModel::addRow(const QString &first)
{
    const int row = static_cast<int>(m_rows.size());
    beginInsertRows({}, row, row);
    m_rows.append(QStringList{first});
    endInsertRows();
    return row;
}

void ListModel::appendRows(QVector<QStringList> rows)
{
    if (rows.isEmpty())
        return;
    const int first = static_cast<int>(m_rows.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    if (m_rows.isEmpty())
        m_rows = std::move(rows);
    else
        m_rows.append(std::move(rows));
    endInsertRows();
}

QString ListModel::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return Field(m_rows[row], column);
}

void ListModel::setCell(int row, int column, const QString &text)
{
    if (row < 0 || row >= m_rows.size() || column < 0)
        return;
    QStringList &cells = m_rows[row];
    while (cells.size() <= column)
        cells.append(QString());
    cells[column] = text;
    // A cell beyond the shown columns is kept for the program, and no view sees it.
    if (column < m_columns) {
        const QModelIndex changed = index(row, column);
        emit dataChanged(changed, changed);
    }
}

void ListModel::removeRowAt(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void ListModel::moveRowTo(int from, int to)
{
    const int count = static_cast<int>(m_rows.size());
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    m_rows.move(from, to);
    endMoveRows();
}

Qt::ItemFlags ListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_draggable)
        f |= index.isValid() ? Qt::ItemIsDragEnabled : Qt::ItemIsDropEnabled;
    return f;
}

void ListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void ListModel::sortByFirstColumn()
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QVector<int> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return LessByNumber(Field(m_rows[a], 0), Field(m_rows[b], 0));
    });
    QVector<QStringList> sorted;
    sorted.reserve(m_rows.size());
    QVector<int> newRow(m_rows.size());
    for (int i = 0; i < order.size(); ++i) {
        sorted.append(std::move(m_rows[order[i]]));
        newRow[order[i]] = i;
    }
    m_rows = std::move(sorted);
    // The selected row, and any other index a view keeps, follows its row.
    const QModelIndexList kept = persistentIndexList();
    QModelIndexList moved;
    moved.reserve(kept.size());
    for (const QModelIndex &i : kept)
        moved.append(index(newRow[i.row()], i.column()));
    changePersistentIndexList(kept, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

Listbox::Listbox(QWidget *parent) : QTableView(parent), m_model(new ListModel(this))
{
    setModel(m_model);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Fixed row heights keep a list of tens of thousands of rows quick.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setShowGrid(false);
    setWordWrap(false);
    setDragEnabled(false);
}

void Listbox::AddRow(const QString &first) { m_lastIndex = m_model->addRow(first); }

void Listbox::AppendRows(QVector<QStringList> rows)
{
    if (rows.isEmpty())
        return;
    m_model->appendRows(std::move(rows));
    m_lastIndex = m_model->rowCount() - 1;
}

QString Listbox::Cell(int row, int column) const { return m_model->cell(row, column); }

QStringList Listbox::Row(int row) const
{
    const int columns = ColumnCount();
    QStringList cells;
    cells.reserve(columns);
    for (int c = 0; c < columns; ++c)
        cells.append(Cell(row, c));
    return cells;
}

QVector<QStringList> Listbox::Rows() const
{
    QVector<QStringList> rows;
    rows.reserve(ListCount());
    for (int r = 0; r < ListCount(); ++r)
        rows.append(Row(r));
    return rows;
}

void Listbox::SetCell(int row, int column, const QString &text) { m_model->setCell(row, column, text); }

int Listbox::ListCount() const { return m_model->rowCount(); }

int Listbox::ListIndex() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void Listbox::SetListIndex(int row)
{
    if (row < 0 || row >= ListCount()) {
        clearSelection();
        return;
    }
    selectRow(row);
    scrollTo(m_model->index(row, 0));
}

void Listbox::RemoveRow(int row)
{
    // Qt would select the row that takes the removed one's place: "Effacer",
    // pressed again, would then cancel a coupon nobody chose.
    const bool wasSelected = ListIndex() == row;
    m_model->removeRowAt(row);
    if (wasSelected)
        clearSelection();
}

void Listbox::MoveRow(int from, int to)
{
    m_model->moveRowTo(from, to);
    if (to >= 0 && to < ListCount())
        SetListIndex(to);
}

void Listbox::setDragReorder(bool on)
{
    m_dragReorder = on;
    m_model->setDraggable(on);
    setDragEnabled(on);
    setAcceptDrops(on);
    setDropIndicatorShown(on);
    setDragDropMode(on ? QAbstractItemView::InternalMove : QAbstractItemView::NoDragDrop);
    setDefaultDropAction(Qt::MoveAction);
}

void Listbox::dragEnterEvent(QDragEnterEvent *event)
{
    if (m_dragReorder && event->source() == this)
        event->acceptProposedAction();
    else
        QTableView::dragEnterEvent(event);
}

void Listbox::dragMoveEvent(QDragMoveEvent *event)
{
    QTableView::dragMoveEvent(event); // scrolls and draws the drop place
    if (m_dragReorder && event->source() == this) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    }
}

void Listbox::dropEvent(QDropEvent *event)
{
    if (!m_dragReorder || event->source() != this) {
        QTableView::dropEvent(event);
        return;
    }
    // The whole row moves, hidden cells included: the view's own move would
    // carry the visible cells only.
    int to = rowAt(event->position().toPoint().y());
    if (to < 0)
        to = ListCount() - 1;
    MoveRow(ListIndex(), to);
    // Answered as a copy, so that the view does not remove the dragged row.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void Listbox::DeleteAllRows()
{
    m_model->clear();
    m_lastIndex = -1;
}

int Listbox::ColumnCount() const { return m_model->columns(); }

void Listbox::Sort() { m_model->sortByFirstColumn(); }

void Listbox::setColumnCount(int count)
{
    m_model->setColumns(count);
    applyWidths();
}

void Listbox::setColumnWidths(const QString &widths)
{
    m_widths = widths;
    applyWidths();
}

void Listbox::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    applyWidths();
}

void Listbox::applyWidths()
{
    const QStringList parts = Split(m_widths, QStringLiteral(","));
    const int available = viewport()->width();
    const int columns = ColumnCount();
    for (int c = 0; c < columns; ++c) {
        const QString part = Trim(Field(parts, c));
        if (part.isEmpty()) {
            setColumnHidden(c, false);
            setColumnWidth(c, columns > 0 ? available / columns : available);
            continue;
        }
        const double percent = Val(part);
        setColumnHidden(c, percent <= 0);
        if (percent > 0)
            setColumnWidth(c, static_cast<int>(available * percent / 100.0));
    }
}

} // namespace fw
