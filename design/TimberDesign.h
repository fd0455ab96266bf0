#pragma once
// Timber beams of rectangular section b x h in the ultimate limit state, ČSN EN 1995-1-1 with its
// Czech national annex: bending with lateral torsional buckling, shear, and bearing at the supports.
#include "design/LimitCheck.h"
#include "library/TimberClasses.h"

#include <QString>
#include <optional>
#include <vector>

// Load-duration classes, EN 1995-1-1 2.3.1.2, table 2.1.
enum class TLoadDuration { Permanent, LongTerm, MediumTerm, ShortTerm, Instantaneous };

// "stálé", "dlouhodobé", "střednědobé", "krátkodobé", "okamžité".
QString LoadDurationName(TLoadDuration duration);
// The code a project file keeps it by: "permanent", "long-term", "medium-term", "short-term",
// "instantaneous"; none for another text.
const char* LoadDurationCode(TLoadDuration duration);
std::optional<TLoadDuration> LoadDurationFromCode(const QString& code);
// The class a load case of action type `action` (the codes "G", "Q-A" … "Q-H", "S", "S-H", "W",
// "T") takes unless the user chooses another; none for an unknown code.
std::optional<TLoadDuration> DefaultLoadDuration(const QString& action);
// The shortest of the durations whose factor is not 0: kmod of a combination follows it (3.1.3(2)).
TLoadDuration ShortestDuration(const std::vector<TLoadDuration>& durations, const std::vector<double>& factors);

// kmod, table 3.1, for solid timber (EN 14081-1) and glulam (EN 14080); service class 1, 2 or 3.
double Kmod(TLoadDuration duration, int serviceClass);
// kdef, table 3.2, for solid timber and glulam.
double Kdef(int serviceClass);
// γM, table 2.3 and the Czech national annex: 1,3 solid timber, 1,25 glulam.
double GammaM(const TTimberClass& timber);
// The depth factor kh for bending, 3.2(3) solid timber and 3.3(3) glulam; depth h in mm.
double Kh(const TTimberClass& timber, double h);

// Lateral torsional buckling, 6.3.3, of a b x h rectangle (mm) over the effective length lef (m).
struct TLateralBuckling
{
    double SigmaCrit = 0; // σm,crit, MPa; 0 when not computed (restrained or b >= h)
    double LambdaRel = 0; // λrel,m
    double Kcrit = 1;
};
TLateralBuckling LateralBuckling(const TTimberClass& timber, double b, double h, double lef);

// How a beam end rests: it bears on a support (the bearing check), is fixed (built in: no bearing
// check of a plain contact area) or is free.
enum class TBeamEnd { Free, Bearing, Fixed };

// The member and the inputs of its checks.
struct TTimberMember
{
    QString ClassName; // "C24" (or a library name "dřevo C24")
    double b = 0, h = 0; // mm
    int ServiceClass = 1;
    double Span = 0; // m, the clear distance between the supports (for kc,90)
    double SupportLength = 0; // contact length l at each support, mm; 0: not given
    double Lef = 0; // effective length for lateral buckling, m; 0: the compression edge is held
    TBeamEnd Left = TBeamEnd::Bearing, Right = TBeamEnd::Bearing;
};

// The design values of one ULS combination: the largest |M| and |V| along the span and the end
// reactions (upwards positive), with the load-duration class that sets its kmod.
struct TTimberDesignCase
{
    QString Name;
    TLoadDuration Duration = TLoadDuration::Permanent;
    double MEd = 0, xM = 0; // kNm, m
    double VEd = 0, xV = 0; // kN, m
    double RA = 0, RB = 0; // kN
};

struct TTimberResult
{
    QString Problem; // why nothing could be checked (Czech); empty otherwise
    const TTimberClass* Class = nullptr;
    double GammaM = 0, Kh = 1, Kdef = 0;
    TLateralBuckling Buckling;
    // Of the combination that governs bending: its kmod, fm,d, fv,d and σm,d.
    double Kmod = 0, fmd = 0, fvd = 0, SigmaMd = 0, TauD = 0;
    TLimitCheck Bending, Shear, BearingA, BearingB; // a bearing check with an empty Name: free end
};

// Each check over every combination with its own kmod; the one with the largest utilisation
// governs. No combination or an unusable member gives Problem.
TTimberResult CheckTimberUls(const TTimberMember& member, const std::vector<TTimberDesignCase>& cases);
