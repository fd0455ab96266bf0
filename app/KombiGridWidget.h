#pragma once
// KombiGrid: the combination grid of the tab "Kombinace" as a view of TTask::Grid. Grid row 0
// is the horizontal header, grid column 0 the vertical header; both stay put while the cells
// scroll. Every cell is drawn by the program; only names are edited in place, and a single click
// on a flag cell toggles it.
#include <QAbstractTableModel>
#include <QHash>
#include <QHeaderView>
#include <QPoint>
#include <QStyledItemDelegate>
#include <QTableView>

class TTask;

// Model cell (r, c) is grid cell (c + 1, r + 1); the headers are grid row 0 and column 0.
class TKombiGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TKombiGridModel(TTask& task, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    void Reload(); // the task's grid changed as a whole
    QString Cell(int col, int row) const; // grid coordinates

private:
    TTask& Task;
};

// Header cells: button face with a black outline, the text at (left + 2, top + 2) and a raised edge.
class TKombiGridHeader : public QHeaderView
{
    Q_OBJECT
public:
    TKombiGridHeader(Qt::Orientation orientation, QWidget* parent = nullptr);
    static void PaintHeaderCell(QPainter& painter, const QRect& rect, const QString& text, const QPalette& palette);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

class TKombiGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void updateEditorGeometry(
        QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

class TKombiGridWidget : public QTableView
{
    Q_OBJECT
public:
    explicit TKombiGridWidget(TTask& task, QWidget* parent = nullptr);

    void Reload(); // shows the task's grid again, keeping the widths the user gave the columns

    // The grid cell (column, row) under a point of the viewport: a cell's left and right edges
    // (and top and bottom) are strictly outside it, so grid lines and the room below the last row
    // give (-1, -1). Header row and column 0 lie outside the viewport.
    QPoint KombiGridCellAt(const QPoint& viewportPos) const;
    // The viewport rectangle of grid cell (col, row), col and row >= 1.
    QRect KombiGridCellRect(int col, int row) const;

    TKombiGridModel* GridModel() const { return Model; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void KombiGridDblClick(const QPoint& viewportPos); // bound to the single click
    void KombiGridSelectCell(int row); // the name cell of a combination row
    // A column's identity for keeping its width: the load case number under a load case column,
    // otherwise -1 - column.
    int ColumnKey(int modelColumn) const;
    void ApplyColumnWidths(const QHash<int, int>& previous);
    void FitIndexColumn();

    TTask& Task;
    TKombiGridModel* Model;
    QWidget* Corner = nullptr;
    QList<int> ShownKeys; // ColumnKey of each column as last shown
};
