#include "app/KombiGridWidget.h"

#include "app/KombiBitmaps.h"
#include "model/TTask.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace {

constexpr int RowHeight = 21;
constexpr int IndexWidth = 27;
constexpr int NameWidth = 84;
constexpr int PrintWidth = 41;
constexpr int LoadCaseWidth = 64;
const QColor Navy(0, 0, 128);

int DefaultWidth(int modelColumn)
{
    if (modelColumn == 0)
        return NameWidth;
    return modelColumn == 1 ? PrintWidth : LoadCaseWidth;
}

// A grid coordinate from the strict rule: the edge pixels and the grid line belong to no cell.
// position/size are the section's start and length including its one-pixel grid line.
bool StrictlyInside(int coordinate, int position, int size)
{
    const int right = position + size - 1; // the grid line, the cell's exclusive edge
    return position < coordinate && coordinate < right;
}

// A text cut with "…" where it is wider than its cell.
QString Elided(const QPainter& painter, const QString& text, int width)
{
    return painter.fontMetrics().elidedText(text, Qt::ElideRight, width);
}

} // namespace

// ---- model ----

TKombiGridModel::TKombiGridModel(TTask& task, QObject* parent)
    : QAbstractTableModel(parent)
    , Task(task)
{
}

int TKombiGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : qMax(Task.Grid.RowCount() - 1, 0);
}

int TKombiGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : qMax(Task.Grid.ColCount() - 1, 0);
}

QString TKombiGridModel::Cell(int col, int row) const
{
    return Task.Grid.Cell(col, row);
}

QVariant TKombiGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    // A name longer than its column is cut with "…": the tool tip has it whole.
    const bool name = index.column() == 0 && role == Qt::ToolTipRole;
    if (role != Qt::DisplayRole && role != Qt::EditRole && !name)
        return {};
    return Cell(index.column() + 1, index.row() + 1);
}

QVariant TKombiGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The columns keep their widths, so a long load case name is cut: its tool tip is whole.
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal)
        return Cell(section + 1, 0);
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? Cell(section + 1, 0) : Cell(0, section + 1);
}

Qt::ItemFlags TKombiGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 0)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    return Qt::ItemIsEnabled; // flag cells are toggled by a click, never typed into
}

bool TKombiGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != 0 || role != Qt::EditRole)
        return false;
    Task.Grid.SetCell(1, index.row() + 1, value.toString());
    emit dataChanged(index, index);
    return true;
}

void TKombiGridModel::Reload()
{
    beginResetModel();
    endResetModel();
}

// ---- header ----

TKombiGridHeader::TKombiGridHeader(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
    setSectionsClickable(false);
    setHighlightSections(false);
}

void TKombiGridHeader::PaintHeaderCell(
    QPainter& painter, const QRect& rect, const QString& text, const QPalette& palette)
{
    const int left = rect.left(), top = rect.top();
    const int right = rect.right(), bottom = rect.bottom();
    painter.save();
    painter.setClipRect(rect);
    painter.setPen(Qt::black);
    painter.setBrush(palette.color(QPalette::Button));
    painter.drawRect(QRect(QPoint(left + 1, top + 1), QPoint(right - 1, bottom - 1)).adjusted(0, 0, -1, -1));
    painter.setPen(palette.color(QPalette::ButtonText));
    const QRect textRect(left + 2, top + 2, rect.width() - 4, rect.height() - 4);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop, Elided(painter, text, textRect.width()));
    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(left, bottom, left, top);
    painter.drawLine(left, top, right - 1, top);
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawLine(left + 1, bottom, right, bottom);
    painter.drawLine(right, bottom, right, top);
    painter.restore();
}

void TKombiGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const QString text = model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    PaintHeaderCell(*painter, rect, text, palette());
}

// ---- cells ----

void TKombiGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect& r = option.rect;
    const QString text = index.data().toString();
    painter->save();
    painter->setClipRect(r);
    painter->fillRect(r, Qt::white);
    if (index.column() == 0) {
        painter->setPen(Navy);
        const QRect textRect(r.left() + 2, r.top() + 2, r.width() - 4, r.height() - 2);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop, Elided(*painter, text, textRect.width()));
        if (option.state & QStyle::State_HasFocus) {
            QPen dotted(Qt::black, 1, Qt::DotLine);
            painter->setPen(dotted);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(r.adjusted(0, 0, -1, -1));
        }
    } else {
        const bool no = text == QLatin1String("0");
        const TKombiBitmap bitmap = index.column() == 1 ? (no ? TKombiBitmap::PRINT_NO : TKombiBitmap::PRINT_YES)
                                                        : (no ? TKombiBitmap::KOMB_NO : TKombiBitmap::KOMB_YES);
        const int right = r.left() + r.width(); // the exclusive edge: the grid line
        painter->drawPixmap((r.left() + right) / 2 - 8, r.top() + 2, KombiBitmap(bitmap));
    }
    painter->restore();
}

QWidget* TKombiGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    if (index.column() != 0)
        return nullptr;
    auto* editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("KombiGrid_editor"));
    editor->setFrame(false);
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Text, Navy);
    editor->setPalette(palette);
    return editor;
}

void TKombiGridDelegate::updateEditorGeometry(
    QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}

// ---- view ----

TKombiGridWidget::TKombiGridWidget(TTask& task, QWidget* parent)
    : QTableView(parent)
    , Task(task)
    , Model(new TKombiGridModel(task, this))
{
    setObjectName(QStringLiteral("KombiGrid"));
    setHorizontalHeader(new TKombiGridHeader(Qt::Horizontal, this));
    setVerticalHeader(new TKombiGridHeader(Qt::Vertical, this));
    setModel(Model);
    setItemDelegate(new TKombiGridDelegate(this));
    setFrameShape(QFrame::NoFrame);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    setWordWrap(false);
    QPalette face = palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    setPalette(face);

    horizontalHeader()->setFixedHeight(RowHeight);
    horizontalHeader()->setMinimumSectionSize(4);
    horizontalHeader()->setDefaultSectionSize(LoadCaseWidth);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setFixedWidth(IndexWidth);
    verticalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The corner holds the header text of column 0 ("index"), drawn like the other header cells.
    for (auto* button : findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        Corner = button;
        Corner->installEventFilter(this);
        Corner->setToolTip(Model->Cell(0, 0));
    }
    ApplyColumnWidths({});
    FitIndexColumn();
}

int TKombiGridWidget::ColumnKey(int modelColumn) const
{
    const int loadCase = TTask::LoadCaseIndex(modelColumn + 1); // the model leaves out column 0
    if (loadCase >= 0 && loadCase < int(Task.LoadCases.size()))
        return Task.LoadCases[std::size_t(loadCase)].Number;
    return -1 - modelColumn;
}

void TKombiGridWidget::ApplyColumnWidths(const QHash<int, int>& previous)
{
    ShownKeys.clear();
    for (int c = 0; c < Model->columnCount(); ++c) {
        const int key = ColumnKey(c);
        setColumnWidth(c, previous.value(key, DefaultWidth(c)));
        ShownKeys << key;
    }
}

void TKombiGridWidget::Reload()
{
    // A width the user gave a load case column stays with its load case when columns before it
    // go (a deleted load case) or come. The header still has the sections of the last reload.
    QHash<int, int> widths;
    for (int c = 0; c < horizontalHeader()->count() && c < ShownKeys.size(); ++c)
        widths.insert(ShownKeys[c], columnWidth(c));
    Model->Reload();
    ApplyColumnWidths(widths);
    FitIndexColumn();
    if (Corner) {
        Corner->setToolTip(Model->Cell(0, 0));
        Corner->update();
    }
}

// Column 0 is as wide as its header "index" and the row numbers need, at least its design width.
void TKombiGridWidget::FitIndexColumn()
{
    const QFontMetrics metrics(font());
    int width = metrics.horizontalAdvance(Model->Cell(0, 0));
    width = std::max(width, metrics.horizontalAdvance(QString::number(Model->rowCount())));
    verticalHeader()->setFixedWidth(std::max(IndexWidth, width + 6)); // text at left + 2, the edge lines
}

QPoint TKombiGridWidget::KombiGridCellAt(const QPoint& pos) const
{
    int col = -1, row = -1;
    for (int c = 0; c < Model->columnCount() && col < 0; ++c)
        if (StrictlyInside(pos.x(), columnViewportPosition(c), columnWidth(c)))
            col = c + 1;
    for (int r = 0; r < Model->rowCount() && row < 0; ++r)
        if (StrictlyInside(pos.y(), rowViewportPosition(r), rowHeight(r)))
            row = r + 1;
    if (col < 0 || row < 0)
        return { -1, -1 };
    return { col, row };
}

QRect TKombiGridWidget::KombiGridCellRect(int col, int row) const
{
    return { columnViewportPosition(col - 1), rowViewportPosition(row - 1), columnWidth(col - 1) - 1,
        rowHeight(row - 1) - 1 };
}

void TKombiGridWidget::KombiGridSelectCell(int row)
{
    const QModelIndex name = Model->index(row - 1, 0);
    setCurrentIndex(name);
    edit(name); // the editor shows at once
}

void TKombiGridWidget::KombiGridDblClick(const QPoint& viewportPos)
{
    const QPoint cell = KombiGridCellAt(viewportPos);
    if (cell.x() < 1 || cell.y() < 1)
        return;
    if (cell.x() == 1) {
        KombiGridSelectCell(cell.y());
        return;
    }
    Task.ToggleGridFlag(cell.x(), cell.y());
    const QModelIndex index = Model->index(cell.y() - 1, cell.x() - 1);
    emit Model->dataChanged(index, index);
}

void TKombiGridWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QTableView::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    KombiGridDblClick(event->position().toPoint());
}

void TKombiGridWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A quick second click toggles the flag back, as two single clicks would.
    mousePressEvent(event);
}

// The cursor moves only between names: flag cells never become the selected cell.
QModelIndex TKombiGridWidget::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex next = QTableView::moveCursor(cursorAction, modifiers);
    if (!next.isValid())
        return next;
    return Model->index(next.row(), 0);
}

bool TKombiGridWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Corner && event->type() == QEvent::Paint) {
        QPainter painter(Corner);
        TKombiGridHeader::PaintHeaderCell(painter, Corner->rect(), Model->Cell(0, 0), palette());
        return true;
    }
    return QTableView::eventFilter(watched, event);
}
