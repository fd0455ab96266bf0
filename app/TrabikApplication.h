#pragma once
// The application object: it owns the one task, the one document and the windows, and hands
// references to whoever needs them. Nothing of it is global.
#include "document/uDokument.h"
#include "model/TTask.h"

#include <QTranslator>
#include <memory>

class TMainForm;
class TPreview;
class TfAbout;
class TfPageSetup;

class TTrabikApplication
{
public:
    TTrabikApplication();
    ~TTrabikApplication();

    // The program start: the about window as a start-up picture, the windows, the main window
    // with its first load case; the about window closes before the event loop runs.
    void Start();

    TTask& Task() { return TheTask; }
    TDokument& Document() { return Dokument; }
    TMainForm& MainForm() { return *Main; }
    TfAbout& About() { return *fAbout; }
    TfPageSetup& PageSetup() { return *fPageSetup; }
    TPreview& Preview() { return *PreviewWindow; }

private:
    QTranslator QtTexts; // Qt's own dialogs in Czech
    TTask TheTask;
    TDokument Dokument;
    std::unique_ptr<TfAbout> fAbout;
    std::unique_ptr<TMainForm> Main;
    // Declared after the document: they leave its hooks before it goes.
    std::unique_ptr<TfPageSetup> fPageSetup;
    std::unique_ptr<TPreview> PreviewWindow;
};
