#include "app/LoadCasePage.h"

#include "app/Artwork.h"
#include "app/Hints.h"
#include "app/LoadRowFields.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>
#include <qdrawutil.h>

namespace {

struct TKindLayout
{
    const char* BoxSuffix;
    const char* BoxCaption;
    const char* ButtonSuffix;
    const char* ButtonCaption;
    const char* ButtonHint;
    int InitialTop;
    int Growth; // pixels per row
};

const std::array<TKindLayout, 4> KindLayouts = { {
    { "_pxbox", " Osamělá síla ", "_btp", "P", "přidat sílu...", 0, 24 },
    { "_qbox", " Rovnoměrné spojité zatížení ", "_btq", "q", "přidat zatížení...", 32, 24 },
    { "_qqbox", " Částečné spojité zatížení ", "_btqq", "qq", "přidat zatížení...", 64, 44 },
    { "_mxbox", " Osamělý moment ", "_btm", "M", "přidat moment...", 97, 24 },
} };

constexpr int InitialBoxHeight = 33;
constexpr int EmptyBoxHeight = 52; // room for the add button and the picture (top 24, 24 high)
constexpr int MinimumPanelWidth = 410;

// The group boxes follow the scroll box's width; their add buttons keep to the right edge.
class TBoxPanel : public QWidget
{
public:
    using QWidget::QWidget;
    std::array<QGroupBox*, 4> Boxes {};

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        for (QGroupBox* box : Boxes) {
            if (box)
                box->resize(event->size().width(), box->height());
        }
        QWidget::resizeEvent(event);
    }
};

// The frame runs through the middle of the title, as the fixed places of the rows, the add button
// (top 12) and the picture expect; a style that draws the title above the frame would leave the
// button standing out over the frame line.
class TLoadGroupBox : public QGroupBox
{
public:
    using QGroupBox::QGroupBox;
    QPushButton* AddButton = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        if (AddButton)
            AddButton->move(event->size().width() - 45, 12);
        QGroupBox::resizeEvent(event);
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        qDrawShadeRect(&painter, LoadBoxFrame(this), palette(), true, 1);
        const QFontMetrics metrics(font());
        const QRect caption(8, 0, metrics.horizontalAdvance(title()) + 2, metrics.height());
        painter.fillRect(caption, palette().window());
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(caption, Qt::AlignCenter, title());
    }
};

} // namespace

QRect LoadBoxFrame(const QGroupBox* box)
{
    return box->rect().adjusted(0, QFontMetrics(box->font()).height() / 2, 0, 0);
}

TLoadCasePageArt::TLoadCasePageArt(const TAddRowActions& actions)
    : Actions(actions)
{
    for (int kind = KindPx; kind <= KindMx; ++kind) {
        AddIcons[std::size_t(kind)] = ActionImage(11 + kind);
        Pictures[std::size_t(kind)] = LoadPicture(TLoadKind(kind));
    }
}

TLoadCasePage::TLoadCasePage(TTask& task, int number, const TLoadCasePageArt& art, QWidget* parent)
    : QWidget(parent)
    , Task(task)
    , LoadCaseNumber(number)
    , Art(art)
{
    setObjectName(Prefix());
    setProperty("Tag", number);
    setProperty(BuiltOnDemandProperty, true);
}

void TLoadCasePage::EnsureBuilt()
{
    if (Built())
        return;
    setProperty(BuiltOnDemandProperty, QVariant());
    LongShortLabel = new QLabel(this);
    GamafLabel = new QLabel(this);
    Scroll = new QScrollArea(this);
    Panel = new TBoxPanel;
    LongShortLabel->setObjectName(Prefix() + QStringLiteral("_longshort"));
    LongShortLabel->setVisible(false);
    GamafLabel->setObjectName(Prefix() + QStringLiteral("_gamaf"));
    GamafLabel->setVisible(false);

    Scroll->setObjectName(Prefix() + QStringLiteral("_scroll"));
    Scroll->setFrameShape(QFrame::NoFrame);
    Scroll->setWidgetResizable(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Scroll);
    BuildBoxes();
    Scroll->setWidget(Panel);
    SyncFromModel();
    if (isVisible())
        Scroll->show(); // built while the page was being shown: its children come along
}

void TLoadCasePage::showEvent(QShowEvent* event)
{
    EnsureBuilt();
    QWidget::showEvent(event);
}

QString TLoadCasePage::Prefix() const
{
    return QStringLiteral("ZS") + QString::number(LoadCaseNumber);
}

void TLoadCasePage::BuildBoxes()
{
    auto* panel = static_cast<TBoxPanel*>(Panel);
    panel->setMinimumWidth(MinimumPanelWidth);
    const int width = qMax(MinimumPanelWidth, Scroll->viewport()->width());
    for (int kind = KindPx; kind <= KindMx; ++kind) {
        const TKindLayout& layout = KindLayouts[std::size_t(kind)];
        auto* box = new TLoadGroupBox(QString::fromUtf8(layout.BoxCaption), Panel);
        box->setObjectName(Prefix() + QString::fromLatin1(layout.BoxSuffix));
        box->setProperty("Tag", 0);
        box->setGeometry(0, layout.InitialTop, width, EmptyBoxHeight);

        auto* button = new QPushButton(Art.AddIcons[std::size_t(kind)], QString::fromLatin1(layout.ButtonCaption), box);
        button->setObjectName(Prefix() + QString::fromLatin1(layout.ButtonSuffix));
        button->setGeometry(width - 45, 12, 41, 25);
        button->setAutoDefault(true);
        button->setFocusPolicy(Qt::TabFocus);
        SetHint(button, QString::fromUtf8(layout.ButtonHint));
        QAction* action = Art.Actions[std::size_t(kind)];
        if (action)
            connect(button, &QPushButton::clicked, action, &QAction::trigger);
        box->AddButton = button;
        AddButtons[std::size_t(kind)] = button;

        auto* picture = new QLabel(box);
        picture->setPixmap(Art.Pictures[std::size_t(kind)]);
        picture->setGeometry(300, 24, 60, 24);
        Boxes[std::size_t(kind)] = box;
        panel->Boxes[std::size_t(kind)] = box;
    }
    PlaceBoxes();
}

// Tops 0, 32, 64, 97 and height 33 grown by 24 (partial loads 44) per row, each box pushing the
// ones below it down; a box without rows is as tall as its button and picture need.
void TLoadCasePage::PlaceBoxes()
{
    int shift = 0;
    for (int kind = KindPx; kind <= KindMx; ++kind) {
        const TKindLayout& layout = KindLayouts[std::size_t(kind)];
        QGroupBox* box = Boxes[std::size_t(kind)];
        const int rows = box->property("Tag").toInt();
        const int height = rows == 0 ? EmptyBoxHeight : InitialBoxHeight + rows * layout.Growth;
        box->setGeometry(0, layout.InitialTop + shift, box->width(), height);
        shift += height - InitialBoxHeight;
    }
    Panel->setMinimumHeight(Boxes[KindMx]->geometry().bottom() + 1);
}

bool TLoadCasePage::SyncFromModel()
{
    const TLoadCase* model = Task.LoadCaseByNumber(LoadCaseNumber);
    if (!model)
        return false;
    if (!Built())
        return true; // building reads the task
    LongShortLabel->setText(model->LongShort);
    GamafLabel->setText(model->GamafText);
    GamafLabel->setEnabled(model->PrintResults);
    for (int kind = KindPx; kind <= KindMx; ++kind) {
        const auto k = TLoadKind(kind);
        const int wanted = loadrows::RowCount(*model, k);
        if (ShownRows(k) > wanted)
            return false;
        while (ShownRows(k) < wanted)
            AddRowControls(k);
        for (int row = 0; row < wanted; ++row)
            SyncRow(k, row, *model);
    }
    OrderTabs();
    return true;
}

void TLoadCasePage::OrderTabs()
{
    std::vector<QWidget*> chain;
    for (const std::vector<TRow>& rows : Rows) {
        for (const TRow& row : rows) {
            chain.push_back(row.Check);
            chain.insert(chain.end(), row.Edits.begin(), row.Edits.end());
        }
    }
    chain.insert(chain.end(), AddButtons.begin(), AddButtons.end());
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void TLoadCasePage::SyncRow(TLoadKind kind, int index, const TLoadCase& model)
{
    const TRow& row = Rows[kind][std::size_t(index)];
    const bool checked = *loadrows::Checked(model, kind, index);
    if (row.Check->isChecked() != checked)
        row.Check->setChecked(checked);
    for (std::size_t field = 0; field < row.Edits.size(); ++field) {
        const QString& text = *loadrows::Field(model, kind, index, int(field));
        if (row.Edits[field]->text() != text)
            row.Edits[field]->setText(text);
    }
    ShowRowState(row, model, kind, index);
}
