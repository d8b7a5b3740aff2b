#pragma once

#include <QAbstractTableModel>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QTableView>
#include <QVector>

// The controls of the windows' designs, on Qt's own widgets so that they keep
// Qt's keyboard handling and accessibility.
namespace fw {

// A text field. With the format "-####.00", a non-empty text the program sets
// is shown as an amount; what the user types stays as typed.
class TextField : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString format READ format WRITE setFormat)

public:
    explicit TextField(QWidget *parent = nullptr);

    QString Text() const { return text(); }
    // Puts the text into the field's format, as every text the program sets;
    // the design sets its texts through setText, which does the same. Typing
    // goes through QLineEdit and keeps the text as typed.
    void SetText(const QString &text);
    void setText(const QString &text) { SetText(text); }

    // The text the field would show for this text.
    QString formatted(const QString &text) const;

    QString format() const { return m_format; }
    void setFormat(const QString &format) { m_format = format; }

private:
    QString m_format;
};

class BevelButton : public QPushButton
{
    Q_OBJECT

public:
    explicit BevelButton(QWidget *parent = nullptr);
};

// A picture area: shows its backdrop, or nothing.
class Canvas : public QLabel
{
    Q_OBJECT

public:
    explicit Canvas(QWidget *parent = nullptr);
    void setBackdrop(const QPixmap &picture);
};

// The rows of a list: plain texts, no item object per cell.
class ListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    void setColumns(int count);
    int columns() const { return m_columns; }
    int addRow(const QString &first);
    void appendRows(QVector<QStringList> rows);
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    void removeRowAt(int row);
    // Moves a row so that it ends at index `to`; the rows between shift by one.
    void moveRowTo(int from, int to);
    void clear();
    void setDraggable(bool draggable) { m_draggable = draggable; }
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Column 0 ascending: by number, then by text, equal rows keeping their order.
    void sortByFirstColumn();

private:
    QVector<QStringList> m_rows;
    int m_columns = 1;
    bool m_draggable = false;
};

class Listbox : public QTableView
{
    Q_OBJECT
    Q_PROPERTY(int columnCount READ ColumnCount WRITE setColumnCount)
    Q_PROPERTY(QString columnWidths READ columnWidths WRITE setColumnWidths)
    Q_PROPERTY(bool dragReorder READ dragReorder WRITE setDragReorder)

public:
    explicit Listbox(QWidget *parent = nullptr);

    void AddRow(const QString &first);
    // Many rows at once: the loaders use it so that a large file loads quickly.
    void AppendRows(QVector<QStringList> rows);
    QString Cell(int row, int column) const;
    // One row, or every row, with one cell per column.
    QStringList Row(int row) const;
    QVector<QStringList> Rows() const;
    void SetCell(int row, int column, const QString &text);
    int ListCount() const;
    int LastIndex() const { return m_lastIndex; }
    int ListIndex() const;
    void SetListIndex(int row);
    void RemoveRow(int row);
    // Moves a row to index `to` and keeps it selected (what a drag does).
    void MoveRow(int from, int to);
    void DeleteAllRows();
    int ColumnCount() const;
    void Sort();

    void setColumnCount(int count);
    QString columnWidths() const { return m_widths; }
    // Widths in percent of the list, "20%,20%,60%,0%"; a 0% column is hidden.
    void setColumnWidths(const QString &widths);

    // Rows can be moved by dragging them within the list.
    bool dragReorder() const { return m_dragReorder; }
    void setDragReorder(bool on);

    ListModel *listModel() const { return m_model; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void applyWidths();

    ListModel *m_model;
    QString m_widths;
    int m_lastIndex = -1;
    bool m_dragReorder = false;
};

} // namespace fw
