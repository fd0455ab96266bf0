// The load rows of a load case page: one line of controls per load (two for a partial load), the
// group box growing with each row and pushing the boxes below it down.
#include "app/LoadCasePage.h"
#include "app/LoadRowFields.h"
#include "app/NumberFields.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

struct TRowText
{
    const char* CheckSuffix;
    const char* Letter; // caption of the check box: letter, k, " ="
    const char* FirstSuffix;
    const char* Unit;
    const char* SecondSuffix; // empty for the uniform load
};

const std::array<TRowText, 4> RowTexts = { {
    { "_Pxcheck", "P", "_P", "kN", "_Px" },
    { "_qcheck", "q", "_qq", "kN/m", "" },
    { "_qqcheck", "qa", "_qqqa", "kN/m", "_qqa" },
    { "_mxcheck", "M", "_M", "kNm", "_Mx" },
} };

constexpr int CheckLeft = 16, CheckWidth = 57;
constexpr int FirstEditLeft = 72, UnitLeft = 128, SecondLabelLeft = 176, SecondEditLeft = 200, LastLabelLeft = 256;
constexpr int EditWidth = 49, LineHeight = 21;

QLabel* LineLabel(QGroupBox* box, const QString& text, int left, int top)
{
    auto* label = new QLabel(text, box);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(left, top, label->sizeHint().width(), LineHeight);
    label->show();
    return label;
}

bool RowIsEmpty(const TLoadCase& lc, TLoadKind kind, int index)
{
    for (int field = 0; field < loadrows::FieldCount(kind); ++field)
        if (!loadrows::Field(lc, kind, index, field)->isEmpty())
            return false;
    return true;
}

} // namespace

// An unticked row that holds a value takes no part in the calculation: its values are drawn grey,
// so it is not mistaken for a load that counts.
void TLoadCasePage::ShowRowState(const TRow& row, const TLoadCase& lc, TLoadKind kind, int index)
{
    const bool idle = !*loadrows::Checked(lc, kind, index) && !RowIsEmpty(lc, kind, index);
    for (QLineEdit* edit : row.Edits) {
        QPalette palette = edit->palette();
        palette.setColor(
            QPalette::Text, this->palette().color(idle ? QPalette::Disabled : QPalette::Active, QPalette::Text));
        edit->setPalette(palette);
    }
}

QLineEdit* TLoadCasePage::AddValueEdit(
    QGroupBox* box, TLoadKind kind, int k, int field, const QString& suffix, int left, int top)
{
    auto* edit = new QLineEdit(box);
    edit->setObjectName(Prefix() + suffix + QString::number(k));
    edit->setGeometry(left, top, EditWidth, LineHeight);
    edit->show();
    WatchNumberField(edit);
    // The task keeps the text exactly as typed; readers convert it when they need the number. A
    // value typed into an empty, unticked row is meant as a load: the row is ticked.
    connect(edit, &QLineEdit::textEdited, this, [this, kind, k, field](const QString& text) {
        TLoadCase* lc = Task.LoadCaseByNumber(LoadCaseNumber);
        QString* target = lc ? loadrows::Field(*lc, kind, k - 1, field) : nullptr;
        if (!target)
            return;
        const bool tick = !text.isEmpty() && !*loadrows::Checked(*lc, kind, k - 1) && RowIsEmpty(*lc, kind, k - 1);
        *target = text;
        const TRow& row = Rows[kind][std::size_t(k - 1)];
        if (tick)
            row.Check->setChecked(true); // writes the task through its toggled signal
        ShowRowState(row, *lc, kind, k - 1);
    });
    return edit;
}

void TLoadCasePage::AddRowControls(TLoadKind kind)
{
    QGroupBox* box = Boxes[kind];
    const TRowText& text = RowTexts[std::size_t(kind)];
    const int k = box->property("Tag").toInt() + 1;
    box->setProperty("Tag", k);
    const int top = kind == KindQQ ? 44 * k - 24 : 24 * k;
    const QString number = QString::number(k);

    TRow row;
    row.Check = new QCheckBox(QString::fromLatin1(text.Letter) + number + QStringLiteral(" ="), box);
    row.Check->setObjectName(Prefix() + QString::fromLatin1(text.CheckSuffix) + number);
    row.Check->setGeometry(CheckLeft, top, CheckWidth, LineHeight);
    row.Check->show();
    connect(row.Check, &QCheckBox::toggled, this, [this, kind, k](bool checked) {
        TLoadCase* lc = Task.LoadCaseByNumber(LoadCaseNumber);
        bool* target = lc ? loadrows::Checked(*lc, kind, k - 1) : nullptr;
        if (!target)
            return;
        *target = checked;
        if (std::size_t(k - 1) < Rows[kind].size())
            ShowRowState(Rows[kind][std::size_t(k - 1)], *lc, kind, k - 1);
    });

    row.Edits.push_back(AddValueEdit(box, kind, k, 0, QString::fromLatin1(text.FirstSuffix), FirstEditLeft, top));
    LineLabel(box, QString::fromLatin1(text.Unit), UnitLeft, top);
    if (kind != KindQ) {
        LineLabel(box, QStringLiteral("a ="), SecondLabelLeft, top);
        row.Edits.push_back(AddValueEdit(box, kind, k, 1, QString::fromLatin1(text.SecondSuffix), SecondEditLeft, top));
        LineLabel(box, QStringLiteral("m"), LastLabelLeft, top);
    }
    if (kind == KindQQ) {
        const int second = 44 * k - 4;
        LineLabel(box, QStringLiteral("qb") + number, 34, second);
        row.Edits.push_back(AddValueEdit(box, kind, k, 2, QStringLiteral("_qqqb"), FirstEditLeft, second));
        LineLabel(box, QStringLiteral("b ="), SecondLabelLeft, second);
        row.Edits.push_back(AddValueEdit(box, kind, k, 3, QStringLiteral("_qqb"), SecondEditLeft, second));
    }
    Rows[kind].push_back(row);
    PlaceBoxes(); // the box grows, the boxes below it move down
}
