// The main window's report commands: preview, print, PDF and page setup, and the tab "Tisk".
#include "app/PrintOptionsWidget.h"
#include "app/PrintTab.h"
#include "app/uMainForm.h"

#include "app/AnalysisController.h"
#include "app/CalculationTab.h"
#include "app/DeflectionTab.h"
#include "app/DiagramsTab.h"
#include "document/PdfExport.h"
#include "document/uDokument.h"
#include "document/ui/uPreview.h"
#include "report/uPosudek.h"
#include "report/ui/uPageSetup.h"

#include <QBoxLayout>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

void TMainForm::BuildReportCommands()
{
    const TMainActions& a = *MainActions;
    TiskOptions = new TPrintOptionsWidget(TaskRef, a.Nahled_tisku, TabTisk);
    TabTisk->ContentLayout()->insertWidget(0, TiskOptions);

    auto* savePdf = new QAction(QStringLiteral("Uložit PDF…"), this);
    savePdf->setObjectName(QStringLiteral("Ulozit_PDF"));
    savePdf->setStatusTip(QStringLiteral("Uložit posudek do souboru PDF"));
    if (auto* file = menuBar()->findChild<QMenu*>(QStringLiteral("Soubor1"))) {
        const QList<QAction*> items = file->actions();
        const qsizetype tisk = items.indexOf(a.Tisk);
        file->insertAction(tisk >= 0 && tisk + 1 < items.size() ? items[tisk + 1] : nullptr, savePdf);
    }
    const auto guarded = [this](QAction* action, void (TMainForm::*handler)()) {
        connect(action, &QAction::triggered, this,
            [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); });
    };
    guarded(a.Nahled_tisku, &TMainForm::Nahled_tiskuExecute);
    guarded(a.Tisk, &TMainForm::TiskExecute);
    guarded(a.Nastaveni_stranky, &TMainForm::Nastaveni_strankyExecute);
    guarded(savePdf, &TMainForm::Ulozit_PDFExecute);
}

void TMainForm::AttachReport(TDokument& doc, TPreview& preview, TfPageSetup& pageSetup)
{
    Dokument = &doc;
    Preview = &preview;
    fPageSetup = &pageSetup;
    // The preview's own "Uložit PDF" says where the file went, as the menu command does.
    connect(&preview, &TPreview::StatusMessage, this,
        [this](const QString& message) { statusBar()->showMessage(message); });
}

// Reset, first page, job, author and title, page frame, then the body: a function of the task,
// which leaves the result tabs and their selection as they are.
void TMainForm::ComposeDocument()
{
    ComposeReport(TaskRef, *Dokument, fPageSetup->Settings(), fPageSetup->Clock);
}

void TMainForm::Nahled_tiskuExecute()
{
    if (!Dokument)
        return;
    ComposeDocument();
    // The preview shows the first pages as soon as they are laid out; the rest follows.
    Dokument->BeginLayOut(Preview->TwoPages() ? 2 : 1);
}

// The print dialog first: a cancel leaves the document and the window as they were.
void TMainForm::TiskExecute()
{
    if (!Dokument || !Preview->ExecutePrintDialog())
        return;
    ComposeDocument();
    Dokument->LayOut();
    Dokument->PrintAll(Preview->Printer());
    Preview->ClosePreview();
}

void TMainForm::Ulozit_PDFExecute()
{
    if (!Dokument)
        return;
    CheckReportSpan(TaskRef); // refused before a file name is asked for
    const QString path = Preview->Prompts.ChoosePdfFile(this);
    if (path.isEmpty())
        return;
    try {
        ComposeDocument();
        Dokument->LayOut();
        WriteDocumentPdf(*Dokument, path);
    } catch (...) {
        // The message belongs over the main window, not over the preview the layout opened.
        Preview->ClosePreview();
        activateWindow();
        throw;
    }
    Preview->ClosePreview();
    statusBar()->showMessage(QStringLiteral("Posudek uložen do souboru %1").arg(QDir::toNativeSeparators(path)));
}

void TMainForm::Nastaveni_strankyExecute()
{
    if (fPageSetup)
        UserPrompts.ExecDialog(*fPageSetup);
}
