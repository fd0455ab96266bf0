#pragma once
// Combinations of actions to ČSN EN 1990 (with its Czech national annex): the action types of the
// load cases, the one table of their factors, and the combinations generated for the ultimate limit
// state (expression 6.10, or 6.10a with 6.10b) and the three serviceability combinations.
#include "model/TTask.h"

#include <QString>
#include <QStringList>
#include <vector>

// The action type of a load case, as the properties dialog offers it ("druh zatížení").
struct TActionType
{
    const char* Code; // stored in the project file: "G", "Q-A" … "Q-H", "S", "S-H", "W", "T"
    QString Name; // Czech, e.g. "užitné kategorie A – obytné plochy"
    bool Permanent; // G; every other type is variable
    double Psi0, Psi1, Psi2; // 0 for G (unused)
};

// The table in dialog order: G first, then the variable actions. ψ from EN 1990 Table A1.1 with the
// values the Czech annex adopts.
const std::vector<TActionType>& ActionTypes();
// The type of a code; nullptr for an empty or unknown code (not classified).
const TActionType* FindActionType(const QString& code);

// Partial factors of the fundamental combination, EN 1990 Table A1.2(B), values of the Czech annex.
constexpr double GammaGSup = 1.35; // permanent action, unfavourable
constexpr double GammaGInf = 1.0; // permanent action, favourable
constexpr double Xi = 0.85; // reduction of unfavourable permanent actions in 6.10b
constexpr double GammaQ = 1.5; // variable action, unfavourable (0 where favourable)

// What an envelope is built for.
enum class TEnKind {
    Uls, // ultimate limit state, fundamental combination (6.4.3.2)
    Characteristic, // serviceability, characteristic combination (6.14b)
    Frequent, // serviceability, frequent combination (6.15b)
    QuasiPermanent // serviceability, quasi-permanent combination (6.16b)
};
constexpr TEnKind EnKinds[] = { TEnKind::Uls, TEnKind::Characteristic, TEnKind::Frequent, TEnKind::QuasiPermanent };

// "MSÚ (ČSN EN 1990)", "MSP charakteristická", "MSP častá", "MSP kvazistálá".
QString EnKindCaption(TEnKind kind);
// The CLI's words: "uls", "characteristic", "frequent", "quasi-permanent"; false for another word.
bool EnKindFromWord(const QString& word, TEnKind& kind);

// "6.10" or "6.10a,b" (TTask::CombinationRule); anything else reads as the default 6.10a,b.
bool UsesRule610(const TTask& task);

// One expression of the rule: how permanent and variable actions enter it.
struct TEnExpression
{
    const char* Label; // "6.10", "6.10a", "6.10b", "6.14b", "6.15b", "6.16b"
    double GSup, GInf; // factor of a permanent action where unfavourable / favourable
    bool Leading; // one variable action leads (factor Lead), the others accompany
    double Lead; // times the leading action (γQ for 6.10, 6.10b; 1 for 6.14b; by ψ1 for 6.15b)
    double Accompany; // times the accompanying actions' ψ (γQ in the ULS, 1 in the SLS)
    bool LeadByPsi1, AccompanyByPsi2; // frequent: ψ1 for the leading, ψ2 for the others
};
// The expressions of the kind under the task's rule: 6.10 alone or 6.10a and 6.10b for the ULS.
std::vector<TEnExpression> EnExpressions(TEnKind kind, bool rule610);

// The factor of variable action `type` in `expression`, leading or accompanying.
double VariableFactor(const TEnExpression& expression, const TActionType& type, bool leading);

// Whether any load case has an action type: the EN 1990 results are then due (report section).
bool AnyLoadCaseClassified(const TTask& task);
// Why the EN 1990 combinations cannot be made: no load case, or the load cases without a (known)
// type, named; empty when every load case has one.
QString ClassificationProblem(const TTask& task);

// One generated combination: its formula and its factors over task.LoadCases.
struct TEnCombination
{
    QString Name; // "6.10b: 1,15·G + 1,5·Sníh + 1,05·Užitné A"
    std::vector<double> Factors;
};

// The combinations of the kind as the rule lists them: every action unfavourable, one per leading
// variable action (one in all for 6.10a and the quasi-permanent combination). Throws TError with
// ClassificationProblem.
std::vector<TEnCombination> GenerateCombinations(const TTask& task, TEnKind kind);

// The ULS combinations a member check takes, each a whole line (lateral-torsional buckling needs the
// whole moment diagram, the shear interaction M and V of one combination). For each sense of load,
// downwards then upwards: the load cases acting in that sense unfavourable (permanent at γG,sup, in
// 6.10b at ξ·γG,sup; variable ones in turn leading, the others accompanying, 6.10a with none
// leading), the others favourable (permanent at γG,inf, variable left out), EN 1990 6.4.3.2 with
// Table A1.2(B). `resultants` are the load cases' resultants, downwards positive (the reactions
// A + B of each alone at factor 1): below 0 upwards, 0 downwards. A sense no load case acts in
// gives nothing, and a combination the downward sense gave is not listed again. With every load
// case acting downwards the same list as GenerateCombinations(task, TEnKind::Uls). Throws TError
// with ClassificationProblem.
std::vector<TEnCombination> MemberCheckCombinations(const TTask& task, const std::vector<double>& resultants);

// "6.10b: 1,15·G + 1,5·Sníh + 1,05·Užitné A": the load cases with a factor other than 0, permanent
// first, then the leading one (index `leading`, -1 for none), then the others in page order; factors
// with two decimals at most and a decimal comma.
QString CombinationFormula(
    const char* label, const std::vector<double>& factors, const QStringList& labels, const TTask& task, int leading);

// The captions of the load cases as formulas and tables name them: a caption that two load cases
// share gets its load case number, "vítr (ZS 3)".
QStringList LoadCaseLabels(const TTask& task);

// A factor as the formulas print it: "1,35", "1,5", "1,0", "1,15" (1,1475).
QString FactorShortText(double factor);
