#pragma once
// fPageSetup: the page setup dialog. It lives for the whole run and its controls are the page
// setup: every preview and printout reads Settings() again. "ok" builds the page frame of the
// document; a margin that is not an integer keeps the dialog open with the runtime's message.
#include "report/TPageSetup.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TDokument;

class TfPageSetup : public QDialog
{
    Q_OBJECT
public:
    explicit TfPageSetup(TDokument& doc, QWidget* parent = nullptr);

    // The controls as the page setup value, and back.
    TPageSetup Settings() const;
    void SetSettings(const TPageSetup& setup);

    // Takes the setup saved in `file` and saves there what every "ok" confirms from now on.
    void UseSettingsFile(const QString& file);

    void okbuttonClick(); // builds the page frame and closes; stays open on a bad integer
    void BitBtn1Click(); // "logo": choose the logo picture
    void BitBtn2Click(); // "písmo": the font dialog

    QImage LogoImage() const { return Logo; } // Image3
    QFont ReportFont() const { return FontDialog1Font; }

    // Where the dialog waits for the user or asks the time; tests swap them.
    std::function<void(QWidget* parent, const QString& message)> ShowError;
    std::function<QString(QWidget* parent)> ChooseLogoFile; // empty when cancelled
    std::function<bool(QFont& font, QWidget* parent)> ChooseFont; // true when confirmed
    TClock Clock;

protected:
    void showEvent(QShowEvent* event) override; // FormShow

private:
    QWidget* BuildMargins();
    QWidget* BuildHeaderFooter();
    QWidget* BuildYourData();
    QWidget* BuildFont();
    void ShowLogo(const QImage& image);

    TDokument& Doc;
    QLineEdit *LMEdit, *RMEdit, *TMEdit, *BMEdit, *LCEdit;
    QRadioButton *NoneRadio, *LineRadio, *FrameRadio;
    QCheckBox *LogoCheck, *Address1Check, *DateCheck, *Address2Check, *PageNumberCheck, *TimeCheck;
    QLineEdit *LogoWEdit, *LogoHEdit, *LogoFileEdit;
    QLabel* Image3;
    QPlainTextEdit *Address1Memo, *Address2Memo;
    QLabel* Label8;
    QCheckBox* CheckBox1;
    QImage Logo;
    QFont FontDialog1Font;
    QString SettingsFile; // empty: nothing is saved
};

// The lines of a memo as the frame counts them: an empty memo has none, a final line break adds none.
QStringList MemoLines(const QString& text);
