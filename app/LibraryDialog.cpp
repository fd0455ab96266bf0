#include "app/LibraryDialog.h"

#include "app/DeflectionTab.h"
#include "app/uMainForm.h"
#include "model/TError.h"
#include "model/uMyCommonLib.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

TLibraryDialog::TLibraryDialog(TLibrary& library, TLibraryKind kind, std::function<bool(const QString&)> ask,
    std::function<void(const QString&)> showError, QWidget* parent)
    : QDialog(parent)
    , Library(library)
    , Kind(kind)
    , Ask(std::move(ask))
    , ShowError(std::move(showError))
{
    const bool materials = kind == TLibraryKind::Materials;
    setObjectName(materials ? QStringLiteral("LibraryMaterials") : QStringLiteral("LibrarySections"));
    setWindowTitle(materials ? QStringLiteral("Knihovna materiálů") : QStringLiteral("Knihovna průřezů"));
    List = new QTableWidget(0, 4, this);
    List->setObjectName(QStringLiteral("Table"));
    List->setHorizontalHeaderLabels({ QStringLiteral("Název"), materials ? QStringLiteral("E") : QStringLiteral("Iy"),
        QStringLiteral("Jednotka"), QStringLiteral("Původ") });
    List->setSelectionBehavior(QAbstractItemView::SelectRows);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List->verticalHeader()->hide();
    List->verticalHeader()->setDefaultSectionSize(18);
    List->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);

    Name = new QLineEdit(this);
    Name->setObjectName(QStringLiteral("NameEdit"));
    Value = new QLineEdit(this);
    Value->setObjectName(QStringLiteral("ValueEdit"));
    AddButton = new QPushButton(QStringLiteral("Přidat"), this);
    ChangeButton = new QPushButton(QStringLiteral("Změnit"), this);
    RemoveButton = new QPushButton(QStringLiteral("Odebrat"), this);
    AddButton->setObjectName(QStringLiteral("AddButton"));
    ChangeButton->setObjectName(QStringLiteral("ChangeButton"));
    RemoveButton->setObjectName(QStringLiteral("RemoveButton"));
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->button(QDialogButtonBox::Close)->setText(QStringLiteral("Zavřít"));

    auto* edits = new QGridLayout;
    edits->addWidget(new QLabel(QStringLiteral("Název:"), this), 0, 0);
    edits->addWidget(Name, 0, 1, 1, 2);
    edits->addWidget(new QLabel(QStringLiteral("Hodnota:"), this), 1, 0);
    edits->addWidget(Value, 1, 1);
    edits->addWidget(new QLabel(LibraryUnit(kind), this), 1, 2);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : { AddButton, ChangeButton, RemoveButton })
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* note = new QLabel(QStringLiteral("Vestavěné položky nelze měnit. Vlastní položky se ukládají do souboru %1")
                                .arg(Library.UserFilePath()),
        this);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List, 1);
    layout->addLayout(edits);
    layout->addWidget(note);
    layout->addLayout(buttons);

    connect(List, &QTableWidget::itemSelectionChanged, this, &TLibraryDialog::Selected);
    connect(AddButton, &QPushButton::clicked, this, &TLibraryDialog::Add);
    connect(ChangeButton, &QPushButton::clicked, this, &TLibraryDialog::Change);
    connect(RemoveButton, &QPushButton::clicked, this, &TLibraryDialog::Remove);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(440, 480);
    Fill(-1);
}

void TLibraryDialog::Fill(int current)
{
    const std::vector<TLibraryEntry>& entries = Library.Entries(Kind);
    const QStringList lines = Library.StoreLines(Kind);
    const QSignalBlocker blocker(List);
    List->setRowCount(int(entries.size()));
    for (int row = 0; row < int(entries.size()); ++row) {
        const TLibraryEntry& entry = entries[size_t(row)];
        const QStringList texts = { entry.Name, lines[row].section(QLatin1Char('='), -1), LibraryUnit(Kind),
            entry.BuiltIn ? QStringLiteral("vestavěná") : QStringLiteral("vlastní") };
        for (int column = 0; column < texts.size(); ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            if (column == 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (entry.BuiltIn)
                item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            List->setItem(row, column, item);
        }
    }
    List->resizeColumnToContents(1);
    List->resizeColumnToContents(3);
    List->clearSelection();
    if (current >= 0 && current < List->rowCount()) {
        List->selectRow(current);
        List->scrollToItem(List->item(current, 0));
    }
    Selected();
}

int TLibraryDialog::CurrentIndex() const
{
    const QList<QTableWidgetItem*> items = List->selectedItems();
    return items.isEmpty() ? -1 : items.first()->row();
}

void TLibraryDialog::Selected()
{
    const int index = CurrentIndex();
    const bool own = index >= 0 && !Library.Entries(Kind)[size_t(index)].BuiltIn;
    ChangeButton->setEnabled(own);
    RemoveButton->setEnabled(own);
    if (index >= 0) {
        Name->setText(List->item(index, 0)->text());
        Value->setText(List->item(index, 1)->text());
    }
}

// The change is made on a copy and saved; only a saved change reaches the library and the list.
bool TLibraryDialog::Apply(const std::function<void(TLibrary&)>& change, int current)
{
    TLibrary changed = Library;
    change(changed);
    try {
        changed.SaveUserFile();
    } catch (const TError& e) {
        ShowError(e.Message);
        return false;
    }
    Library = changed;
    Fill(current);
    return true;
}

void TLibraryDialog::Add()
{
    const QString name = Name->text().trimmed();
    const double value = StrToFloatX(Value->text());
    const QString problem = Library.EntryProblem(Kind, name, value);
    if (!problem.isEmpty())
        return ShowError(problem);
    const int row = int(Library.Entries(Kind).size());
    Apply([&](TLibrary& l) { l.AddUserEntry(Kind, name, value); }, row);
}

void TLibraryDialog::Change()
{
    const int index = CurrentIndex();
    if (index < 0 || Library.Entries(Kind)[size_t(index)].BuiltIn)
        return;
    const QString name = Name->text().trimmed();
    const double value = StrToFloatX(Value->text());
    const QString problem = Library.EntryProblem(Kind, name, value, index);
    if (!problem.isEmpty())
        return ShowError(problem);
    Apply([&](TLibrary& l) { l.ChangeUserEntry(Kind, index, name, value); }, index);
}

void TLibraryDialog::Remove()
{
    const int index = CurrentIndex();
    if (index < 0 || Library.Entries(Kind)[size_t(index)].BuiltIn)
        return;
    const QString name = Library.Entries(Kind)[size_t(index)].Name;
    if (!Ask(QStringLiteral("Skutečně odebrat položku „%1“ z knihovny?").arg(name)))
        return;
    Apply([&](TLibrary& l) { l.RemoveUserEntry(Kind, index); }, -1);
}

void TMainForm::LoadUserLibrary()
{
    const QStringList messages = Library.LoadUserFile(UserLibraryPath());
    if (!messages.isEmpty())
        UserPrompts.ShowMessage(this, messages.join(QLatin1Char('\n')));
    TabPruhyb->RefreshFromModel();
}

void TMainForm::OpenLibraryDialog(TLibraryKind kind)
{
    TLibraryDialog dialog(
        Library, kind, [this](const QString& question) { return UserPrompts.Ask(this, question); },
        [this](const QString& message) { UserPrompts.ShowError(this, message); }, this);
    UserPrompts.ExecDialog(dialog);
    TabPruhyb->RefreshFromModel();
}
