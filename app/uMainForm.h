#pragma once
// MainForm: the program's one window. It wires the tabs, the menu, the tool bar and the actions to
// the task; the tabs are views of the task, the work is done by the task and the core.
#include "app/MainActions.h"
#include "app/ProjectFileState.h"
#include "app/UserPrompts.h"
#include "library/TLibrary.h"
#include "model/TTask.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QTabWidget;
class TAnalysisController;
class TCalculationTab;
class TCombinationsTab;
class TDokument;
class TPreview;
class TPrintOptionsWidget;
class TfPageSetup;
class TDeflectionTab;
class TDiagramsTab;
class TGeometryTab;
class TLoadCasesTab;
class TPrintTab;
class TTaskTab;
class TWorkflowTab;
class TZSprop_form;
class TZatWizard;

class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TMainForm(TTask& task, QWidget* parent = nullptr);

    TTask& Task() const { return TaskRef; }
    const TMainActions& Actions() const { return *MainActions; }
    TUserPrompts& Prompts() { return UserPrompts; }
    TLibrary& UserLibrary() { return Library; } // the materials and sections of the deflection tab
    // The user's library file, read at start; its damaged lines are named in a message.
    void LoadUserLibrary();
    void OpenLibraryDialog(TLibraryKind kind); // "materiály...", "průřezy..."

    QTabWidget* PageControl() const { return PageControl1; }
    TTaskTab* TaskTab() const { return TabUloha; }
    TGeometryTab* GeometryTab() const { return TabGeometrie; }
    TLoadCasesTab* LoadCasesTab() const { return TabZatizeni; }
    TCombinationsTab* CombinationsTab() const { return TabKombinace; }
    TCalculationTab* CalculationTab() const { return TabVypocet; }
    TDiagramsTab* DiagramsTab() const { return TabPrubehy; }
    TDeflectionTab* DeflectionTab() const { return TabPruhyb; }
    TPrintTab* PrintTab() const { return TabTisk; }
    TAnalysisController* AnalysisControl() const { return Analysis; } // the calculation's handlers
    TZSprop_form* PropertiesDialog() const { return ZSprop_form; }

    // Runs a handler at the event boundary: a TError (or any other exception) ends it and its text
    // is shown in a message box; the program goes on. True when the handler ran to its end.
    bool RunGuarded(const std::function<void()>& handler);
    // RunGuarded for a handler that shows the task and changes nothing the file keeps (entering a
    // tab, a calculation): the caption is not looked at again.
    bool RunGuardedView(const std::function<void()>& handler);

    // Every tab shows the task again (after it changed as a whole).
    void RefreshFromModel();
    // The load case pages follow the task (after a handler changed load cases or rows).
    void SyncLoadCases();

    // The start state shown the first time the window appears: the first load case, tab "Úloha".
    void FormShow();

    // Handlers of the actions, public for the parts that run them.
    void Nova_ulohaExecute();
    void OtevritExecute();
    void UlozitExecute(); // to the task's file; asks for one when the task has none
    void Ulozit_jakoExecute(); // "Soubor" / "Uložit jako…": always asks
    void RozmeryExecute();
    void Novy_ZSExecute();
    void Smazat_ZSExecute();
    void Vlastnosti_ZSExecute();
    void AddRowExecute(TLoadKind kind); // Pridat_PxExecute ... Pridat_MxExecute
    void Go_WizardExecute();
    void BitBtn1Click(); // "dále"
    void BitBtn3Click(); // "zpět"

    // Opens a project file as "Otevřít" does once the file is chosen; throws on a failed read.
    void OpenProjectFile(const QString& path);
    // The file named on the command line: a failure is shown over the window, the task stays empty.
    void OpenStartFile(const QString& path);
    bool IsTaskModified() const { return FileState.IsModifiedNow(TaskRef); }
    int TaskEncodes() const { return FileState.Encodes(); } // comparisons with the saved bytes so far
    const QString& ProjectPath() const { return FileState.Path(); }

    // The report: the document, the preview and the page setup dialog the commands work with (the
    // application creates them at start). Without them the report commands do nothing.
    void AttachReport(TDokument& doc, TPreview& preview, TfPageSetup& pageSetup);
    void Nahled_tiskuExecute();
    void TiskExecute();
    void Nastaveni_strankyExecute();
    void Ulozit_PDFExecute(); // "Soubor" / "Uložit PDF…"
    TPrintOptionsWidget* PrintOptions() const { return TiskOptions; }

signals:
    void AboutRequested(); // the menu item "Verze"
    void Activated(); // each time the window becomes the active window

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildTabs();
    void BuildMenus();
    void AssignAccelerators();
    void BuildFileCommands();
    bool SaveTask(bool askForName);
    bool MaySetTaskAside();
    void RefreshCaption();
    void WatchEdits(QObject* object);
    void NoteTaskEdit();
    bool Guarded(const std::function<void()>& handler, bool mayEdit);
    void BuildToolBar();
    void ConnectActions();
    void ConnectNavigation(TWorkflowTab* tab);
    bool HasActiveLoadCase();
    void ShowLoadCaseTab();
    void BuildReportCommands();
    void ComposeDocument();

    TTask& TaskRef;
    TUserPrompts UserPrompts;
    TLibrary Library;
    std::unique_ptr<TMainActions> MainActions; // the actions themselves are children of the window
    QTabWidget* PageControl1 = nullptr;
    TTaskTab* TabUloha = nullptr;
    TGeometryTab* TabGeometrie = nullptr;
    TLoadCasesTab* TabZatizeni = nullptr;
    TCombinationsTab* TabKombinace = nullptr;
    TCalculationTab* TabVypocet = nullptr;
    TDiagramsTab* TabPrubehy = nullptr;
    TDeflectionTab* TabPruhyb = nullptr;
    TPrintTab* TabTisk = nullptr;
    TZSprop_form* ZSprop_form = nullptr;
    TZatWizard* ZatWizard = nullptr;
    TPrintOptionsWidget* TiskOptions = nullptr;
    TDokument* Dokument = nullptr;
    TPreview* Preview = nullptr;
    TfPageSetup* fPageSetup = nullptr;
    TAnalysisController* Analysis = nullptr;
    bool Started = false;
    TProjectFileState FileState;
    bool CaptionRefreshQueued = false;
};
