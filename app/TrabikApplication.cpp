#include "app/TrabikApplication.h"

#include "app/AnalysisController.h"
#include "app/Artwork.h"
#include "app/uAbout.h"
#include "app/uMainForm.h"
#include "document/ui/uPreview.h"
#include "report/PageSetupSettings.h"
#include "report/ui/uPageSetup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>

TTrabikApplication::TTrabikApplication()
{
    InstallPageFonts();
    QApplication::setApplicationName(QStringLiteral("Trabík"));
    QApplication::setWindowIcon(ProgramIcon());
    // The print and file dialogs and the standard buttons speak Czech like the rest of the program,
    // whatever the system language.
    if (QtTexts.load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&QtTexts);
    // The windows are laid out for a small sans serif of 8 points; Liberation Sans keeps the eight
    // tabs of the main window within its width.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(8);
    QApplication::setFont(font);
}

TTrabikApplication::~TTrabikApplication() = default;

void TTrabikApplication::Start()
{
    fAbout = std::make_unique<TfAbout>();
    fAbout->show();
    fAbout->repaint();
    QApplication::processEvents();

    fPageSetup = std::make_unique<TfPageSetup>(Dokument);
    fPageSetup->UseSettingsFile(PageSetupSettingsFile()); // the office's page setup of the last run
    Main = std::make_unique<TMainForm>(TheTask);
    PreviewWindow = std::make_unique<TPreview>(Dokument);
    Main->AttachReport(Dokument, *PreviewWindow, *fPageSetup);
    Main->AnalysisControl()->RegisterImages(Dokument.Images);
    QObject::connect(Main.get(), &TMainForm::AboutRequested, fAbout.get(), [this] {
        fAbout->show();
        fAbout->raise();
    });
    // Going back to the main window closes the about window. A click there says so under every
    // window manager; activation alone does not (without one it arrives after the window shows).
    qApp->installEventFilter(fAbout.get());
    fAbout->CloseOnClickIn(Main.get());
    Main->show();
    fAbout->hide();
    Main->LoadUserLibrary();
}
