#include "report/ui/uPageSetup.h"

#include "document/uDokument.h"
#include "model/TError.h"
#include "report/PageFrame.h"
#include "report/PageSetupSettings.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>

namespace {

template <typename T> T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* NumberEdit(QWidget* parent, const char* name)
{
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setMaximumWidth(48);
    return edit;
}

QString ChooseLogoFileInteractive(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Logo"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({ QStringLiteral("obrázky (*.bmp *.png *.jpg *.jpeg *.gif)"),
        QStringLiteral("bitmapy (*.bmp)"), QStringLiteral("všechny soubory (*.*)") });
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Složka:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Název souboru:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Typ souborů:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Otevřít"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Storno"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// The report font as the font dialog can show it: the face that really draws it ("Arial CE" is
// drawn by a substitute the dialog lists), its size and its style.
QFont FontForDialog(const QFont& font)
{
    const QFontInfo drawn(font);
    QFont shown(drawn.family());
    shown.setPointSize(drawn.pointSize());
    shown.setStyleName(QFontDatabase::styleString(QFontInfo(font)));
    shown.setBold(drawn.bold());
    shown.setItalic(drawn.italic());
    shown.setUnderline(font.underline());
    shown.setStrikeOut(font.strikeOut());
    return shown;
}

bool SameFace(const QFont& a, const QFont& b)
{
    const QFontInfo x(a), y(b);
    return x.family() == y.family() && x.pointSize() == y.pointSize() && x.bold() == y.bold()
        && x.italic() == y.italic() && a.underline() == b.underline() && a.strikeOut() == b.strikeOut();
}

bool ChooseFontInteractive(QFont& font, QWidget* parent)
{
    QFontDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("FontDialog1"));
    dialog.setWindowTitle(QStringLiteral("Písmo"));
    const QFont shown = FontForDialog(font);
    dialog.setCurrentFont(shown);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QFont chosen = dialog.selectedFont();
    if (SameFace(chosen, shown))
        return false; // confirmed unchanged: the report keeps its font exactly as it was
    font = chosen;
    return true;
}

} // namespace

QStringList MemoLines(const QString& text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

TfPageSetup::TfPageSetup(TDokument& doc, QWidget* parent)
    : QDialog(parent)
    , ShowError([](QWidget* p, const QString& message) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Trabík"), message, QMessageBox::Ok, p);
        box.exec();
    })
    , ChooseLogoFile(ChooseLogoFileInteractive)
    , ChooseFont(ChooseFontInteractive)
    , Doc(doc)
{
    setObjectName(QStringLiteral("fPageSetup"));
    setWindowTitle(QStringLiteral("Nastavení stránky"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(BuildMargins(), 0, 0, 2, 1);
    grid->addWidget(BuildHeaderFooter(), 0, 1);
    grid->addWidget(BuildFont(), 1, 1);
    grid->addWidget(BuildYourData(), 2, 0, 1, 2);
    auto* ok = Named(new QPushButton(QStringLiteral("ok"), this), "okbutton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TfPageSetup::okbuttonClick);
    grid->addWidget(ok, 3, 1, Qt::AlignRight);
    SetSettings(TPageSetup());
    QFont sample(QStringLiteral("Arial CE"));
    sample.setPixelSize(13);
    Label8->setFont(sample);
    if (const QScreen* screen = this->screen()) {
        adjustSize();
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
}

QWidget* TfPageSetup::BuildMargins()
{
    auto* group = Named(new QGroupBox(QStringLiteral("Okraje"), this), "GroupBox1");
    auto* form = new QFormLayout(group);
    LMEdit = NumberEdit(group, "LMEdit");
    RMEdit = NumberEdit(group, "RMEdit");
    TMEdit = NumberEdit(group, "TMEdit");
    BMEdit = NumberEdit(group, "BMEdit");
    LCEdit = NumberEdit(group, "LCEdit");
    form->addRow(QStringLiteral("levý"), LMEdit);
    form->addRow(QStringLiteral("pravý"), RMEdit);
    form->addRow(QStringLiteral("horní"), TMEdit);
    form->addRow(QStringLiteral("dolní"), BMEdit);
    form->addRow(QStringLiteral("levý sloupec"), LCEdit);
    NoneRadio = Named(new QRadioButton(QStringLiteral("bez oddělení"), group), "NoneRadio");
    LineRadio = Named(new QRadioButton(QStringLiteral("svislá čára"), group), "LineRadio");
    FrameRadio = Named(new QRadioButton(QStringLiteral("rámeček"), group), "FrameRadio");
    form->addRow(NoneRadio);
    form->addRow(LineRadio);
    form->addRow(FrameRadio);
    return group;
}

QWidget* TfPageSetup::BuildHeaderFooter()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* header = Named(new QGroupBox(QStringLiteral("Záhlaví"), box), "GroupBox2");
    auto* headerColumn = new QVBoxLayout(header);
    LogoCheck = Named(new QCheckBox(QStringLiteral("logo"), header), "LogoCheck");
    Address1Check = Named(new QCheckBox(QStringLiteral("adresa 1"), header), "Address1Check");
    DateCheck = Named(new QCheckBox(QStringLiteral("datum"), header), "DateCheck");
    for (QCheckBox* check : { LogoCheck, Address1Check, DateCheck })
        headerColumn->addWidget(check);
    auto* footer = Named(new QGroupBox(QStringLiteral("Pata"), box), "GroupBox3");
    auto* footerColumn = new QVBoxLayout(footer);
    Address2Check = Named(new QCheckBox(QStringLiteral("adresa 2"), footer), "Address2Check");
    PageNumberCheck = Named(new QCheckBox(QStringLiteral("číslo stránky"), footer), "PageNumberCheck");
    TimeCheck = Named(new QCheckBox(QStringLiteral("čas"), footer), "TimeCheck");
    for (QCheckBox* check : { Address2Check, PageNumberCheck, TimeCheck })
        footerColumn->addWidget(check);
    row->addWidget(header);
    row->addWidget(footer);
    return box;
}

QWidget* TfPageSetup::BuildYourData()
{
    auto* group = Named(new QGroupBox(QStringLiteral("Vaše data"), this), "GroupBox4");
    auto* grid = new QGridLayout(group);
    auto* logoButton = Named(new QPushButton(QStringLiteral("logo"), group), "BitBtn1");
    logoButton->setAutoDefault(false);
    connect(logoButton, &QPushButton::clicked, this, &TfPageSetup::BitBtn1Click);
    Image3 = Named(new QLabel(group), "Image3");
    Image3->setFixedSize(48, 48);
    Image3->setScaledContents(true); // the picture shown stretched
    Image3->setFrameStyle(QFrame::Box | QFrame::Plain);
    LogoWEdit = NumberEdit(group, "LogoWEdit");
    LogoHEdit = NumberEdit(group, "LogoHEdit");
    LogoFileEdit = Named(new QLineEdit(group), "LogoFileEdit");
    auto* size = new QHBoxLayout;
    size->addWidget(new QLabel(QStringLiteral("šířka"), group));
    size->addWidget(LogoWEdit);
    size->addWidget(new QLabel(QStringLiteral("výška"), group));
    size->addWidget(LogoHEdit);
    size->addWidget(new QLabel(QStringLiteral("mm"), group));
    size->addStretch(1);
    grid->addWidget(logoButton, 0, 0);
    grid->addLayout(size, 0, 1);
    grid->addWidget(Image3, 0, 2, 2, 1);
    grid->addWidget(LogoFileEdit, 1, 0, 1, 2);
    Address1Memo = Named(new QPlainTextEdit(group), "Address1Memo");
    Address2Memo = Named(new QPlainTextEdit(group), "Address2Memo");
    for (QPlainTextEdit* memo : { Address1Memo, Address2Memo }) {
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setFixedHeight(64);
    }
    grid->addWidget(new QLabel(QStringLiteral("Adresa 1:"), group), 2, 0, 1, 3);
    grid->addWidget(Address1Memo, 3, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Adresa 2:"), group), 4, 0, 1, 3);
    grid->addWidget(Address2Memo, 5, 0, 1, 3);
    return group;
}

QWidget* TfPageSetup::BuildFont()
{
    auto* group = Named(new QGroupBox(QStringLiteral("Font"), this), "GroupBox5");
    auto* column = new QVBoxLayout(group);
    Label8 = Named(new QLabel(QStringLiteral("áÁbBčČ...ůŮýÝžŽ"), group), "Label8");
    QPalette navy = Label8->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    Label8->setPalette(navy);
    Label8->setMinimumHeight(28);
    auto* fontButton = Named(new QPushButton(QStringLiteral("písmo"), group), "BitBtn2");
    fontButton->setAutoDefault(false);
    connect(fontButton, &QPushButton::clicked, this, &TfPageSetup::BitBtn2Click);
    CheckBox1 = Named(new QCheckBox(QStringLiteral("nepoužívat diakritiku"), group), "CheckBox1");
    column->addWidget(Label8);
    column->addWidget(fontButton, 0, Qt::AlignLeft);
    column->addWidget(CheckBox1);
    return group;
}

TPageSetup TfPageSetup::Settings() const
{
    TPageSetup s;
    s.LMEdit = LMEdit->text();
    s.RMEdit = RMEdit->text();
    s.TMEdit = TMEdit->text();
    s.BMEdit = BMEdit->text();
    s.LCEdit = LCEdit->text();
    s.Separator = NoneRadio->isChecked() ? TPageSetup::NoneRadio
        : FrameRadio->isChecked()        ? TPageSetup::FrameRadio
                                         : TPageSetup::LineRadio;
    s.LogoCheck = LogoCheck->isChecked();
    s.Address1Check = Address1Check->isChecked();
    s.DateCheck = DateCheck->isChecked();
    s.Address2Check = Address2Check->isChecked();
    s.PageNumberCheck = PageNumberCheck->isChecked();
    s.TimeCheck = TimeCheck->isChecked();
    s.LogoWEdit = LogoWEdit->text();
    s.LogoHEdit = LogoHEdit->text();
    s.LogoFileEdit = LogoFileEdit->text();
    s.Logo = Logo;
    s.Address1Memo = MemoLines(Address1Memo->toPlainText());
    s.Address2Memo = MemoLines(Address2Memo->toPlainText());
    s.Font = FontDialog1Font;
    s.NoDiacritics = CheckBox1->isChecked();
    return s;
}

void TfPageSetup::SetSettings(const TPageSetup& s)
{
    LMEdit->setText(s.LMEdit);
    RMEdit->setText(s.RMEdit);
    TMEdit->setText(s.TMEdit);
    BMEdit->setText(s.BMEdit);
    LCEdit->setText(s.LCEdit);
    NoneRadio->setChecked(s.Separator == TPageSetup::NoneRadio);
    LineRadio->setChecked(s.Separator == TPageSetup::LineRadio);
    FrameRadio->setChecked(s.Separator == TPageSetup::FrameRadio);
    LogoCheck->setChecked(s.LogoCheck);
    Address1Check->setChecked(s.Address1Check);
    DateCheck->setChecked(s.DateCheck);
    Address2Check->setChecked(s.Address2Check);
    PageNumberCheck->setChecked(s.PageNumberCheck);
    TimeCheck->setChecked(s.TimeCheck);
    LogoWEdit->setText(s.LogoWEdit);
    LogoHEdit->setText(s.LogoHEdit);
    LogoFileEdit->setText(s.LogoFileEdit);
    ShowLogo(s.Logo);
    Address1Memo->setPlainText(s.Address1Memo.join(QLatin1Char('\n')));
    Address2Memo->setPlainText(s.Address2Memo.join(QLatin1Char('\n')));
    FontDialog1Font = s.Font;
    CheckBox1->setChecked(s.NoDiacritics);
}

void TfPageSetup::ShowLogo(const QImage& image)
{
    Logo = image;
    Image3->setPixmap(QPixmap::fromImage(image));
}

void TfPageSetup::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    Label8->setFont(FontDialog1Font);
    const QImage image(LogoFileEdit->text());
    if (!image.isNull()) // "*.bmp" and unreadable files leave the picture as it is
        ShowLogo(image);
}

void TfPageSetup::BitBtn1Click()
{
    const QString path = ChooseLogoFile(this);
    if (path.isEmpty())
        return;
    const QImage image(path);
    if (image.isNull()) {
        ShowError(this, QStringLiteral("Obrázek %1 nelze načíst.").arg(path));
        return;
    }
    ShowLogo(image);
    LogoFileEdit->setText(path);
}

void TfPageSetup::BitBtn2Click()
{
    QFont font = FontDialog1Font;
    if (!ChooseFont(font, this))
        return;
    FontDialog1Font = font;
    Label8->setFont(font);
}

void TfPageSetup::UseSettingsFile(const QString& file)
{
    SettingsFile = file;
    SetSettings(LoadPageSetup(file));
}

void TfPageSetup::okbuttonClick()
{
    try {
        BuildPageFrame(Settings(), Doc, Clock);
    } catch (const TError& error) {
        ShowError(this, error.Message); // the frame stays empty and the dialog open
        return;
    }
    if (!SettingsFile.isEmpty())
        SavePageSetup(Settings(), SettingsFile);
    accept();
}
