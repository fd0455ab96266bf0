#include "design/SteelCheck.h"

#include "design/LateralTorsional.h"
#include "library/SteelGrades.h"

#include <algorithm>
#include <cmath>

namespace {

// EN 1993-1-5 5.1(2) (Czech annex: the recommended value): eta = 1,2 for steels up to S460.
constexpr double Eta = 1.2;

// Table 5.2: outstand flanges in compression (rolled) 9 / 10 / 14 epsilon; internal parts in
// bending 72 / 83 / 124 epsilon.
constexpr double FlangeLimits[3] = { 9, 10, 14 };
constexpr double WebLimits[3] = { 72, 83, 124 };

// Points where a check is made along the beam: a fine grid and both sides of every load edge.
struct TPoint
{
    double x = 0, M = 0, Q = 0;
};

std::vector<TPoint> PointsAlong(const TDesignLine& line, double L)
{
    std::vector<TPoint> points;
    if (line.Line.Empty()) { // no exact line: the samples alone
        for (int i = 0; i < SampleCount; ++i)
            points.push_back({ SampleX(L, i), line.Md[size_t(i)], line.Qd[size_t(i)] });
        return points;
    }
    const TDesignLineValues values(line, L);
    constexpr int Steps = 1000; // M peaks flat: between grid points it errs by q (L/1000)^2 / 8 at most
    for (int i = 0; i <= Steps; ++i) {
        const double x = L * i / Steps;
        points.push_back({ x, values.M(x), values.Q(x) });
    }
    for (double x : values.Edges())
        for (bool right : { false, true })
            points.push_back({ x, values.M(x, right), values.Q(x, right) });
    return points;
}

// Keeps the row's governing values: the largest utilisation over every point and line.
void Govern(TCheckRow& row, double design, double resistance, double x, const QString& by)
{
    const double u = resistance > 0 ? design / resistance : (design > 0 ? INFINITY : 0);
    if (u > row.Utilisation || row.By.isEmpty()) {
        row.Design = design;
        row.Resistance = resistance;
        row.Utilisation = u;
        row.x = x;
        row.By = by;
    }
}

TCheckRow Row(const char* name, const char* clause, const char* unit)
{
    TCheckRow row;
    row.Name = QString::fromUtf8(name);
    row.Clause = QString::fromUtf8(clause);
    row.Unit = QString::fromUtf8(unit);
    return row;
}

// The supports for lateral-torsional buckling: forks at the ends and every lcr between them; a
// cantilever is built in at its fixed end and free at its tip. A fixed end of a beam counts as a
// fork (its restraint against lateral bending and warping is not known: on the safe side).
void Supports(TLtbBeam& beam, unsigned char typ, double lcr)
{
    const double L = beam.L, tolerance = 1e-9 * L;
    const bool fromRight = typ == 2;
    if (typ == 20 || typ == 2)
        (fromRight ? beam.ClampedRight : beam.ClampedLeft) = true;
    else
        beam.Forks = { 0, L };
    for (double s = lcr; s < L - tolerance; s += lcr)
        beam.Forks.push_back(fromRight ? L - s : s);
}

void CheckLtb(TSteelCheck& check, const TSteelCheckInput& input, const TDesignActions& actions, double Wy)
{
    check.HasLtb = true;
    TCheckRow& row = check.Ltb;
    if (check.Section.Channel) {
        row.Decided = false;
        row.Why = QStringLiteral("klopení průřezu U program neposuzuje: zatížení působí mimo střed smyku a "
                                 "průřez se kroutí");
        return;
    }
    const TSectionProperties& s = check.Section;
    const double L = actions.SpanL;
    // 6.3.2.3 Table 6.5, rolled I: h/b <= 2 curve b, h/b > 2 curve c (Table 6.3: 0,34 / 0,49).
    const double alpha = s.H / s.B <= 2 ? 0.34 : 0.49;
    const double zg = input.LoadLevel == TLoadLevel::TopFlange ? s.H / 2
        : input.LoadLevel == TLoadLevel::BottomFlange          ? -s.H / 2
                                                               : 0;
    double governing = -1;
    for (const TDesignLine& line : actions.Lines) {
        const TDesignLineValues values(line, L);
        double mEd = 0, xM = 0;
        for (const TPoint& p : PointsAlong(line, L))
            if (std::abs(p.M) > mEd) {
                mEd = std::abs(p.M);
                xM = p.x;
            }
        TLtbBeam beam;
        beam.L = L;
        beam.EIz = SteelE * 1e3 * s.Iz * 1e-12; // kN/m2 x m4
        beam.GIt = SteelG * 1e3 * s.It * 1e-12;
        beam.EIw = SteelE * 1e3 * s.Iw * 1e-18;
        Supports(beam, actions.Typ, input.LtbLength);
        beam.M = [&values](double x) { return values.M(x); };
        beam.q = [&values](double x) { return values.q(x); };
        beam.PointForces = values.PointForces();
        beam.zg = zg * 1e-3;
        const double factor = mEd > 0 ? CriticalLoadFactor(beam) : 0;
        const double mcr = factor > 0 ? factor * mEd : INFINITY;
        // (6.56): lambda_LT = sqrt(Wy fy / Mcr).
        const double lambda = std::sqrt(Wy * check.fy * 1e-6 / mcr);
        const double chi = ChiLT(lambda, alpha);
        const double mbRd = chi * Wy * check.fy * 1e-6 / GammaM1; // (6.55)
        const double u = mEd / mbRd;
        if (u > governing) {
            governing = u;
            check.Mcr = mcr;
            check.LambdaLT = lambda;
            check.ChiLT = chi;
            check.MbRd = mbRd;
            row.Design = mEd;
            row.Resistance = mbRd;
            row.Utilisation = u;
            row.x = xM;
            row.By = line.Name;
        }
    }
}

} // namespace

int PlateClass(double slenderness, double epsilon, const double (&limits)[3])
{
    for (int k = 0; k < 3; ++k)
        if (slenderness <= limits[k] * epsilon)
            return k + 1;
    return 4;
}

double ChiLT(double lambda, double alpha)
{
    // 6.3.2.3(1), Czech annex: lambda_LT,0 = 0,4, beta = 0,75; (6.57) with chi_LT <= 1 and <= 1 / lambda^2.
    constexpr double Lambda0 = 0.4, Beta = 0.75;
    if (lambda <= Lambda0)
        return 1;
    const double phi = 0.5 * (1 + alpha * (lambda - Lambda0) + Beta * lambda * lambda);
    const double chi = 1 / (phi + std::sqrt(phi * phi - Beta * lambda * lambda));
    return std::min({ chi, 1.0, 1 / (lambda * lambda) });
}

TSteelCheck CheckSteelBeam(const TSteelCheckInput& input, const TDesignActions& actions)
{
    TSteelCheck check;
    check.SectionName = input.Section;
    check.GradeName = input.Grade;
    const TSectionDims* dims = FindSection(input.Section);
    if (!dims) {
        check.Refused = input.Section.trimmed().isEmpty()
            ? QStringLiteral("Není vybrán ocelový průřez: posouzení nelze provést.")
            : QStringLiteral("Průřez „%1“ není válcovaný průřez z knihovny (IPE, HEA, HEB, HEM, UPE, UPN): "
                             "posouzení nelze provést.")
                  .arg(input.Section);
        return check;
    }
    const TSteelGrade* grade = FindSteelGrade(input.Grade);
    if (!grade) {
        check.Refused = QStringLiteral("Ocel „%1“ není v seznamu (S235, S275, S355, S420, S460).").arg(input.Grade);
        return check;
    }
    const TSectionProperties& s = check.Section = SectionProperties(*dims);
    check.GradeName = QString::fromLatin1(grade->Name);
    const TSteelStrength strength = SteelStrength(*grade, std::max(s.Tf, s.Tw));
    if (!strength.Known) {
        check.Refused = QStringLiteral("Tloušťka stěny přes 80 mm: mez kluzu podle tabulky 3.1 nelze určit.");
        return check;
    }
    check.fy = strength.fy;
    check.epsilon = std::sqrt(235 / check.fy); // Table 5.2
    // Table 5.2: the flange outstand c from the root fillet, the web c between the fillets.
    const double cFlange = s.Channel ? s.B - s.Tw - s.R : (s.B - s.Tw - 2 * s.R) / 2;
    const double hw = s.H - 2 * s.Tf, cWeb = hw - 2 * s.R;
    check.FlangeClass = PlateClass(cFlange / s.Tf, check.epsilon, FlangeLimits);
    check.WebClass = PlateClass(cWeb / s.Tw, check.epsilon, WebLimits);
    check.Class = std::max(check.FlangeClass, check.WebClass);
    if (check.Class == 4) {
        check.Refused = QStringLiteral("Průřez %1 z oceli %2 je v ohybu třídy 4 (tabulka 5.2): posouzení štíhlých "
                                       "průřezů program neprovádí.")
                            .arg(input.Section, check.GradeName);
        return check;
    }
    if (actions.Lines.empty()) {
        check.Refused = QStringLiteral("Úloha nemá zatěžovací stav: není co posoudit.");
        return check;
    }
    // 6.2.5(2) (6.13), (6.14): Wpl for classes 1 and 2, Wel for class 3.
    const bool plastic = check.Class <= 2;
    const double Wy = plastic ? s.WplY : s.WelY, fyd = check.fy / GammaM0;
    check.McRd = Wy * fyd * 1e-6;
    // 6.2.6(2) (6.18): Vpl,Rd = Av (fy / sqrt 3) / gamma_M0.
    check.VplRd = s.AvZ * fyd / std::sqrt(3.0) * 1e-3;

    check.Bending = Row("ohyb", "6.2.5", "kNm");
    check.Shear = Row("smyk", "6.2.6", "kN");
    check.BendingShear = Row("ohyb se smykem", "6.2.8", "kNm");
    check.ShearBuckling = Row("boulení stěny ve smyku", "6.2.6(6)", "-");
    check.Ltb = Row("klopení", "6.3.2.3", "kNm");
    // 6.2.6(6) (6.22): no shear buckling check needed while hw / tw <= 72 epsilon / eta.
    TCheckRow& buckling = check.ShearBuckling;
    buckling.Design = hw / s.Tw;
    buckling.Resistance = 72 * check.epsilon / Eta;
    buckling.Utilisation = buckling.Design / buckling.Resistance;
    if (buckling.Utilisation > 1) {
        buckling.Decided = false;
        buckling.Why = QStringLiteral("hw/tw > 72ε/η: stěnu je třeba posoudit na boulení podle ČSN EN 1993-1-5, "
                                      "to program neprovádí");
    }
    // 6.2.8(3), (5) (6.30): over 0,5 Vpl,Rd the shear area Aw = hw tw yields at (1 - rho) fy,
    // rho = (2 VEd / Vpl,Rd - 1)^2 (at most 1: the whole web). For class 3 the same on the elastic
    // modulus of the web, tw hw^3 / (6 h).
    const double Aw = hw * s.Tw;
    const double webModulus = plastic ? Aw * Aw / (4 * s.Tw) : s.Tw * std::pow(hw, 3) / (6 * s.H);
    for (const TDesignLine& line : actions.Lines)
        for (const TPoint& p : PointsAlong(line, actions.SpanL)) {
            const double M = std::abs(p.M), V = std::abs(p.Q);
            Govern(check.Bending, M, check.McRd, p.x, line.Name);
            Govern(check.Shear, V, check.VplRd, p.x, line.Name);
            const double rho = V > 0.5 * check.VplRd ? std::pow(std::min(2 * V / check.VplRd - 1, 1.0), 2) : 0;
            const double mvRd = std::min(check.McRd, (Wy - rho * webModulus) * fyd * 1e-6);
            Govern(check.BendingShear, M, mvRd, p.x, line.Name);
        }
    if (input.LtbLength > 0)
        CheckLtb(check, input, actions, Wy);
    return check;
}

std::vector<TCheckRow> TSteelCheck::Rows() const
{
    std::vector<TCheckRow> rows { Bending, Shear, ShearBuckling, BendingShear };
    if (HasLtb)
        rows.push_back(Ltb);
    return rows;
}

bool TSteelCheck::Ok() const
{
    if (!Refused.isEmpty())
        return false;
    const std::vector<TCheckRow> rows = Rows();
    return std::all_of(rows.begin(), rows.end(), [](const TCheckRow& r) { return r.Ok(); });
}
