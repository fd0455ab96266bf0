#pragma once
// The task as the user edits it: every value of the windows lives here, the windows are views of it.
// Load values are kept as the texts typed; the readers convert them with StrToFloatX.
#include "model/TCombinationGrid.h"

#include <QString>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

// Who asks for a load case or a row: the main window itself (program start, New task), the load
// generator (also used by the project file reader: rows get the numbers, no dialog) or the user.
enum class TCaller { MainWindow, Generator, User };

enum TLoadKind { KindPx = 0, KindQ = 1, KindQQ = 2, KindMx = 3 };

struct TPxRow
{
    bool Checked = false;
    QString P, a; // "_P", "_Px"
};

struct TQRow
{
    bool Checked = false;
    QString q; // "_qq"
};

struct TQQRow
{
    bool Checked = false;
    QString qa, a, qb, b; // "_qqqa", "_qqa", "_qqqb", "_qqb"
};

struct TMxRow
{
    bool Checked = false;
    QString M, a; // "_M", "_Mx"
};

// One load case page: number n, caption, the two hidden labels and the rows of each kind.
struct TLoadCase
{
    int Number = 0;
    QString Caption = QStringLiteral("[nový]");
    QString LongShort = QStringLiteral("0"); // caption of "_longshort": "0" = long-term
    QString GamafText = QStringLiteral("1.10"); // caption of "_gamaf"
    bool PrintResults = true; // enabled flag of "_gamaf"
    // The action type for the EN 1990 combinations, by its code ("G", "Q-A" … "Q-H", "S", "S-H", "W",
    // "T", see design/En1990.h); empty: not classified.
    QString Action;
    // The load-duration class of a timber check ("permanent", "long-term", "medium-term",
    // "short-term", "instantaneous"); empty: the default of the action type.
    QString Duration;
    std::vector<TPxRow> Px;
    std::vector<TQRow> Q;
    std::vector<TQQRow> QQ;
    std::vector<TMxRow> Mx;
};

struct TZSInfo
{
    QString Name;
    int Number = -1;
    double Gamaf = 0;
    bool LongTerm = false;
    bool ShortTerm = false;
    std::array<int, 4> Counts {}; // point forces, uniform, partial, point moments
    bool PrintResults = false;
};

struct TPxLoad
{
    bool Included = false;
    double P = 0, a = 0;
};
struct TQLoad
{
    bool Included = false;
    double q = 0;
};
struct TQQLoad
{
    bool Included = false;
    double qa = 0, a = 0, qb = 0, b = 0;
};
struct TMxLoad
{
    bool Included = false;
    double M = 0, a = 0;
};

// The print tab's check boxes by what they switch in the report. The value is the number of the
// check box (CheckBox1 .. CheckBox22), which the project file and the print tab go by.
enum class TPrintOption {
    GeneratorData = 1, // "údaje z Generátoru zatížení"
    LoadCases = 2, // "jednotlivé zatěžovací stavy"
    CombinationTable = 3, // "rozpis kombinací zatížení"
    LoadCaseForces = 4, // internal forces "pro označené zatěžovací stavy": opens the load case blocks
    CombinationForces = 5, // internal forces "pro vybrané kombinace": opens the combination blocks
    ForceDiagrams = 6, // "graf" of "průběhy"
    ForceTables = 7, // "tabulka" of "průběhy"
    DeflectionDiagram = 8, // deflection "graf"
    DeflectionTable = 9, // deflection "tabulka"
    Reactions = 10, // "reakce"
    ForceCourses = 11, // "průběhy": the diagrams and tables of M and Q, with 6 and 7
    Extremes = 12, // "extrémy"
    Characteristic = 13, // "normové hodnoty"
    Design = 14, // "výpočtové hodnoty"
    LoadCaseDeflections = 15, // deflections "pro označené zatěžovací stavy"
    CombinationDeflections = 16, // deflections "pro vybrané kombinace"
    LoadList = 17, // "zatížení uvádět výpisem"
    LoadSchema = 18, // "schema zatížení graficky"
    HatchedDiagrams = 19, // "graf průběhů šrafovat": the samples as vertical lines, else an outline
    AxisLabels = 20, // "popis os u grafů": values at extremes, ends and load edges, the span
    MergedForceDiagram = 21, // "sloučit graf M a Q": the shear under the moment on one x scale
    CombinationSchema = 22, // "schema zatížení pro kombinace": the members' loads in each combination block
};

// The 22 report options of the print tab (CheckBox1 .. CheckBox22) with checked and enabled state.
struct TPrintOptions
{
    struct TOption
    {
        bool Checked = false;
        bool Enabled = true;
    };
    TPrintOptions(); // the defaults of the print tab
    TOption& operator[](int checkBox) { return Options.at(checkBox); }
    const TOption& operator[](int checkBox) const { return Options.at(checkBox); }
    TOption& operator[](TPrintOption option) { return Options.at(size_t(option)); }
    const TOption& operator[](TPrintOption option) const { return Options.at(size_t(option)); }
    std::array<TOption, 23> Options; // index = number of the check box; [0] unused
};

// The deflection tab's inputs, as texts.
struct TDeflectionInputs
{
    QString Edit30 = QStringLiteral("0.0003375"); // Iy
    QString IyUnit = QStringLiteral("m4"); // ComboBox3 text: "m4", "cm4", "mm4"
    QString Edit31 = QStringLiteral("210"); // E
    QString EUnit = QStringLiteral("GPa"); // ComboBox4 text: "Pa", "kPa", "MPa", "GPa"
    bool CheckBox23 = false; // "obdélník"
    QString Edit32 = QStringLiteral("0.15"); // b [m]
    QString Edit33 = QStringLiteral("0.30"); // h [m]
    QString Material; // ComboBox5 text
    QString Section; // ComboBox6 text
    QString DeflectionLimit = QStringLiteral("250"); // "mezní průhyb L/", as typed
    QString CreepCoefficient; // φ of a concrete beam; empty: not given (no verdict)
    QStringList MaterialStore; // name=value lines, values in GPa (empty)
    QStringList SectionStore; // name=value lines, values in mm4 (empty)
    // The user has typed or chosen E or Iy, or asked for the deflection, in this task (never
    // saved): before that the deflection tab gives no verdict for the start values.
    bool SectionConfirmed = false;
};

// The steel member check's inputs, as texts (the section is the deflection tab's). Saved in the
// project file's extension block only when they differ from these defaults.
struct TSteelInputs
{
    QString SteelGrade = QStringLiteral("S235");
    QString LtbLength; // m between lateral restraints; empty: "tlačený pás držen spojitě"
    QString LtbLoadLevel = QStringLiteral("top"); // "top" (horní pás), "centre" (střed smyku), "bottom"
    QString SelfWeight = QStringLiteral("0"); // "1": the load case "vlastní tíha průřezu" is added
    // Deflection limits L/ratio of δmax (all loads) and δ2 (variable loads only).
    QString MaxDeflectionRatio = QStringLiteral("250");
    QString VariableDeflectionRatio = QStringLiteral("300");
};

// The member check's material and the timber beam's inputs, as texts. Saved in the project file's
// extension block only when they differ from these defaults.
struct TTimberInputsText
{
    // "steel", "timber"; empty: steel with a library section, else timber with a class and b × h.
    QString CheckMaterial;
    QString ClassName; // strength class, "C24", "GL24h"; empty: none
    QString Width, Depth; // b, h in mm
    QString ServiceClass = QStringLiteral("1");
    QString SupportLength; // mm; empty: no bearing check
    QString Precamber; // w_c, mm
    QString InstRatio = QStringLiteral("300"), NetFinRatio = QStringLiteral("250"),
            FinRatio = QStringLiteral("200"); // L/ratio of w_inst, w_net,fin, w_fin
};

// The load generator's 27 inputs, named after the wizard's controls.
struct TGeneratorInputs
{
    QString Edit1; // L
    bool CheckBox1 = false; // "konzola vlevo" (never shown)
    QString Edit2; // La
    bool CheckBox2 = false; // "konzola vpravo" (never shown)
    QString Edit3; // Lb
    QString Edit4; // Z
    bool RadioButton3 = true; // roof girder
    bool RadioButton4 = false; // floor girder
    bool RadioButton1 = true; // distributed load
    bool RadioButton2 = false; // point loads
    QString Edit5, Edit6; // d, d1
    QString Edit8, Edit9; // g0, gamaf of g0
    QString Edit10; // g1
    QString Edit12, Edit13, Edit14, Edit15, Edit16, Edit17, Edit18, Edit19; // g2..g5 with factors
    QString Edit20, Edit21; // s0, gamaf
    QString Edit22, Edit23; // v1, gamaf
};

// What the calculation tab computes and how the diagrams tab shows it.
struct TCalculationChoice
{
    enum TMode { LoadCase = 1, Combination = 2, Envelope = 3 };
    TMode Mode = LoadCase; // RadioButton1..3
    QString ComboBox1; // load case name
    QString ComboBox2; // combination name
    bool MomentCharacteristic = true; // RadioButton4 ("normové") vs RadioButton5
    bool ShearCharacteristic = true; // RadioButton6 vs RadioButton7
    // The EN 1990 envelope chosen instead of Mode: 0 none, else a TEnKind + 1 (design/En1990.h).
    int En1990 = 0;
};

class TTask
{
public:
    TTask(); // the state at program start, before the first load case is created
    // The state once the main window has shown: TTask() plus load case ZS1 with one empty row of
    // each kind.
    static TTask StartState();

    // Column of the combination grid that holds load case index 0; index i is in LoadCaseColumn(i).
    static constexpr int FirstLoadCaseColumn = 3;
    static constexpr int LoadCaseColumn(int index) { return FirstLoadCaseColumn + index; }
    static constexpr int LoadCaseIndex(int column) { return column - FirstLoadCaseColumn; }

    // Identification and geometry.
    QString Job; // Jmeno_Edit
    QString Author; // Vypracoval_Edit
    QString TaskTitle = QStringLiteral("Trabík 1"); // Uloha_edit
    QString SpanText; // Edit1, as typed
    unsigned char Typ = 11;
    int ZSCounter = 0;

    std::vector<TLoadCase> LoadCases; // in page order
    int ActiveLoadCase = -1; // index into LoadCases of the active page, -1 without one
    TCombinationGrid Grid;
    TPrintOptions Print;
    TDeflectionInputs Deflection;
    TSteelInputs Steel;
    TTimberInputsText Timber;
    TGeneratorInputs Generator;
    TCalculationChoice Calc;
    // The rule of the EN 1990 fundamental combinations: "6.10" or "6.10a,b".
    QString CombinationRule = DefaultCombinationRule();
    static QString DefaultCombinationRule() { return QStringLiteral("6.10a,b"); }
    // Keys of the project file's extension block this program does not know, with their values in
    // file order: saving writes them back unchanged.
    std::vector<std::pair<QString, QString>> ExtensionItems;

    double SpanL() const; // StrToFloatX(SpanText)

    // The end condition, as a click on its radio button (every end condition solves every load).
    void SetTyp(unsigned char typ);

    // Load case records.
    TZSInfo FindZSInfo(const QString& name) const;
    TZSInfo GetZSInfo(int number) const;
    void SetZSInfo(const TZSInfo& info); // also keeps the grid header of a renamed load case in step
    void SetZSInfoAt(int index, const TZSInfo& info); // the same for load case `index`, whatever its number
    int IndexOfNumber(int number) const; // -1 when absent
    TLoadCase* LoadCaseByNumber(int number);
    const TLoadCase* LoadCaseByNumber(int number) const;
    TLoadCase* ActiveCase(); // nullptr without an active load case
    const TLoadCase* ActiveCase() const;
    static TZSInfo InfoOf(const TLoadCase& loadCase); // the record of one load case
    // The caption of load case `index` (the properties dialog's "o.k."), with its grid header.
    void RenameLoadCase(int index, const QString& name);
    // The properties dialog's "o.k." for load case number n: the name, "0" or "1" for long- or
    // short-term, gamma_f as typed and the print flag. Nothing without that load case.
    void ApplyLoadCaseProperties(
        int number, const QString& name, bool longTerm, const QString& gamafText, bool printResults);

    // Load readers: load i (1-based) of load case number n.
    TPxLoad ReadPx(int n, int i) const;
    TQLoad ReadQ(int n, int i) const;
    TQQLoad ReadQQ(int n, int i) const;
    TMxLoad ReadMx(int n, int i) const;
    // The same for load i of a load case at hand (no look-up by number).
    static TPxLoad ReadPx(const TLoadCase& loadCase, int i);
    static TQLoad ReadQ(const TLoadCase& loadCase, int i);
    static TQQLoad ReadQQ(const TLoadCase& loadCase, int i);
    static TMxLoad ReadMx(const TLoadCase& loadCase, int i);

    // The model part of Novy_ZSExecute: a new load case, active, with one empty row of each kind
    // unless the caller is the load generator. Returns its index. The window opens the properties
    // dialog itself for TCaller::User.
    int NewLoadCase(TCaller caller);
    // A new active load case without rows, with its record set as the load generator sets it (gamma_f
    // written with FormatFixed). Returns its index.
    int NewLoadCase(const QString& name, double gamaf, bool longTerm, bool printResults);

    // Rows of the active load case (no-op without one).
    // An empty row, as the add buttons make it (unticked unless `checked`).
    void AddEmptyRow(TLoadKind kind, bool checked = false);
    // A row with the numbers in its edits (fixed notation, three decimals, six significant digits),
    // as the load generator and the project file reader fill them.
    void AddPxRow(bool checked, double P, double a);
    void AddQRow(bool checked, double q);
    void AddQQRow(bool checked, double qa, double a, double qb, double b);
    void AddMxRow(bool checked, double M, double a);
    // Smazat_ZSExecute after the confirmation: removes the active load case and its grid column;
    // the page that followed becomes active (the first when the last was deleted).
    void DeleteActiveLoadCase();
    // Every load case goes; ZSCounter and the grid stay as they are (the load generator keeps the
    // combination rows, the project file reader sets both itself).
    void DeleteAllLoadCases();

    // New task (Nova_ulohaExecute, the model part).
    void NewTask();

    // Combination grid operations.
    void RefreshCombinationGrid(); // TabSheet_kombinaceEnter
    void AddCombination(); // BitBtn10Click
    void ToggleGridFlag(int col, int row); // a click on a flag cell (col >= 2, row >= 1)
    // "smazat kombinaci": combination row `row` (>= 1) goes, the rows below it move up and are
    // numbered anew; their names stay.
    void DeleteCombination(int row);
    // After the load cases were replaced as a whole (the load generator): each load case takes the
    // flags of the old column whose load case had its caption, `oldCaptions` in the old page order.
    // A caption that is gone takes its column with it; a new one starts empty (included).
    void MapGridColumnsByCaption(const QStringList& oldCaptions);

    // The calculation tab's lists: load case captions and non-empty combination names.
    QStringList LoadCaseNames() const;
    QStringList CombinationNames() const;
    // Each list keeps its text when it is in the list (an exact match first, then ignoring letter
    // case, taking the entry's spelling), else takes its first entry; an empty list leaves the text.
    void RefreshCalculationLists();
};
