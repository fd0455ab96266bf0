#include "library/SectionTable.h"

#include <QPointF>
#include <algorithm>
#include <cmath>

namespace {

// Channels of h <= 300 have an 8 % flange slope with t at b/2; deeper ones 5 % with t halfway
// along the outstand.
TSectionDims Upn(int h, double b, double tw, double tf, double r1, double r2)
{
    const bool shallow = h <= 300;
    return { "UPN", h, double(h), b, tw, tf, r1, r2, shallow ? 0.08 : 0.05, shallow ? b / 2 : (b + tw) / 2 };
}

TSectionDims Upe(int h, double b, double tw, double tf, double r)
{
    return { "UPE", h, double(h), b, tw, tf, r };
}

const std::vector<TSectionDims> Table = {
    // IPE: h, b, tw, tf, r
    { "IPE", 80, 80, 46, 3.8, 5.2, 5 },
    { "IPE", 100, 100, 55, 4.1, 5.7, 7 },
    { "IPE", 120, 120, 64, 4.4, 6.3, 7 },
    { "IPE", 140, 140, 73, 4.7, 6.9, 7 },
    { "IPE", 160, 160, 82, 5.0, 7.4, 9 },
    { "IPE", 180, 180, 91, 5.3, 8.0, 9 },
    { "IPE", 200, 200, 100, 5.6, 8.5, 12 },
    { "IPE", 220, 220, 110, 5.9, 9.2, 12 },
    { "IPE", 240, 240, 120, 6.2, 9.8, 15 },
    { "IPE", 270, 270, 135, 6.6, 10.2, 15 },
    { "IPE", 300, 300, 150, 7.1, 10.7, 15 },
    { "IPE", 330, 330, 160, 7.5, 11.5, 18 },
    { "IPE", 360, 360, 170, 8.0, 12.7, 18 },
    { "IPE", 400, 400, 180, 8.6, 13.5, 21 },
    { "IPE", 450, 450, 190, 9.4, 14.6, 21 },
    { "IPE", 500, 500, 200, 10.2, 16.0, 21 },
    { "IPE", 550, 550, 210, 11.1, 17.2, 24 },
    { "IPE", 600, 600, 220, 12.0, 19.0, 24 },
    // HEA
    { "HEA", 100, 96, 100, 5, 8, 12 },
    { "HEA", 120, 114, 120, 5, 8, 12 },
    { "HEA", 140, 133, 140, 5.5, 8.5, 12 },
    { "HEA", 160, 152, 160, 6, 9, 15 },
    { "HEA", 180, 171, 180, 6, 9.5, 15 },
    { "HEA", 200, 190, 200, 6.5, 10, 18 },
    { "HEA", 220, 210, 220, 7, 11, 18 },
    { "HEA", 240, 230, 240, 7.5, 12, 21 },
    { "HEA", 260, 250, 260, 7.5, 12.5, 24 },
    { "HEA", 280, 270, 280, 8, 13, 24 },
    { "HEA", 300, 290, 300, 8.5, 14, 27 },
    { "HEA", 320, 310, 300, 9, 15.5, 27 },
    { "HEA", 340, 330, 300, 9.5, 16.5, 27 },
    { "HEA", 360, 350, 300, 10, 17.5, 27 },
    { "HEA", 400, 390, 300, 11, 19, 27 },
    { "HEA", 450, 440, 300, 11.5, 21, 27 },
    { "HEA", 500, 490, 300, 12, 23, 27 },
    { "HEA", 550, 540, 300, 12.5, 24, 27 },
    { "HEA", 600, 590, 300, 13, 25, 27 },
    { "HEA", 650, 640, 300, 13.5, 26, 27 },
    { "HEA", 700, 690, 300, 14.5, 27, 27 },
    { "HEA", 800, 790, 300, 15, 28, 30 },
    { "HEA", 900, 890, 300, 16, 30, 30 },
    { "HEA", 1000, 990, 300, 16.5, 31, 30 },
    // HEB
    { "HEB", 100, 100, 100, 6, 10, 12 },
    { "HEB", 120, 120, 120, 6.5, 11, 12 },
    { "HEB", 140, 140, 140, 7, 12, 12 },
    { "HEB", 160, 160, 160, 8, 13, 15 },
    { "HEB", 180, 180, 180, 8.5, 14, 15 },
    { "HEB", 200, 200, 200, 9, 15, 18 },
    { "HEB", 220, 220, 220, 9.5, 16, 18 },
    { "HEB", 240, 240, 240, 10, 17, 21 },
    { "HEB", 260, 260, 260, 10, 17.5, 24 },
    { "HEB", 280, 280, 280, 10.5, 18, 24 },
    { "HEB", 300, 300, 300, 11, 19, 27 },
    { "HEB", 320, 320, 300, 11.5, 20.5, 27 },
    { "HEB", 340, 340, 300, 12, 21.5, 27 },
    { "HEB", 360, 360, 300, 12.5, 22.5, 27 },
    { "HEB", 400, 400, 300, 13.5, 24, 27 },
    { "HEB", 450, 450, 300, 14, 26, 27 },
    { "HEB", 500, 500, 300, 14.5, 28, 27 },
    { "HEB", 550, 550, 300, 15, 29, 27 },
    { "HEB", 600, 600, 300, 15.5, 30, 27 },
    { "HEB", 650, 650, 300, 16, 31, 27 },
    { "HEB", 700, 700, 300, 17, 32, 27 },
    { "HEB", 800, 800, 300, 17.5, 33, 30 },
    { "HEB", 900, 900, 300, 18.5, 35, 30 },
    { "HEB", 1000, 1000, 300, 19, 36, 30 },
    // HEM
    { "HEM", 100, 120, 106, 12, 20, 12 },
    { "HEM", 120, 140, 126, 12.5, 21, 12 },
    { "HEM", 140, 160, 146, 13, 22, 12 },
    { "HEM", 160, 180, 166, 14, 23, 15 },
    { "HEM", 180, 200, 186, 14.5, 24, 15 },
    { "HEM", 200, 220, 206, 15, 25, 18 },
    { "HEM", 220, 240, 226, 15.5, 26, 18 },
    { "HEM", 240, 270, 248, 18, 32, 21 },
    { "HEM", 260, 290, 268, 18, 32.5, 24 },
    { "HEM", 280, 310, 288, 18.5, 33, 24 },
    { "HEM", 300, 340, 310, 21, 39, 27 },
    { "HEM", 320, 359, 309, 21, 40, 27 },
    { "HEM", 340, 377, 309, 21, 40, 27 },
    { "HEM", 360, 395, 308, 21, 40, 27 },
    { "HEM", 400, 432, 307, 21, 40, 27 },
    { "HEM", 450, 478, 307, 21, 40, 27 },
    { "HEM", 500, 524, 306, 21, 40, 27 },
    { "HEM", 550, 572, 306, 21, 40, 27 },
    { "HEM", 600, 620, 305, 21, 40, 27 },
    { "HEM", 650, 668, 305, 21, 40, 27 },
    { "HEM", 700, 716, 304, 21, 40, 27 },
    { "HEM", 800, 814, 303, 21, 40, 30 },
    { "HEM", 900, 910, 302, 21, 40, 30 },
    { "HEM", 1000, 1008, 302, 21, 40, 30 },
    // UPE: h, b, tw, tf, r
    Upe(80, 50, 4, 7, 10),
    Upe(100, 55, 4.5, 7.5, 10),
    Upe(120, 60, 5, 8, 12),
    Upe(140, 65, 5, 9, 12),
    Upe(160, 70, 5.5, 9.5, 12),
    Upe(180, 75, 5.5, 10.5, 12),
    Upe(200, 80, 6, 11, 13),
    Upe(220, 85, 6.5, 12, 13),
    Upe(240, 90, 7, 12.5, 15),
    Upe(270, 95, 7.5, 13.5, 15),
    Upe(300, 100, 9.5, 15, 15),
    Upe(330, 105, 11, 16, 18),
    Upe(360, 110, 12, 17, 18),
    Upe(400, 115, 13.5, 18, 18),
    // UPN: h, b, tw, tf, r1, r2
    Upn(80, 45, 6, 8, 8, 4),
    Upn(100, 50, 6, 8.5, 8.5, 4.5),
    Upn(120, 55, 7, 9, 9, 4.5),
    Upn(140, 60, 7, 10, 10, 5),
    Upn(160, 65, 7.5, 10.5, 10.5, 5.5),
    Upn(180, 70, 8, 11, 11, 5.5),
    Upn(200, 75, 8.5, 11.5, 11.5, 6),
    Upn(220, 80, 9, 12.5, 12.5, 6.5),
    Upn(240, 85, 9.5, 13, 13, 6.5),
    Upn(260, 90, 10, 14, 14, 7),
    Upn(280, 95, 10, 15, 15, 7.5),
    Upn(300, 100, 10, 16, 16, 8),
    Upn(320, 100, 14, 17.5, 17.5, 8.75),
    Upn(350, 100, 14, 16, 16, 8),
    Upn(380, 102, 13.5, 16, 16, 8),
    Upn(400, 110, 14, 18, 18, 9),
};

struct TCorner
{
    QPointF P;
    double Radius = 0; // 0: a sharp corner
};

// The outline with each rounded corner replaced by its arc in short chords: the arc is tangent to
// both edges, which serves root fillets (material added) and toe radii (material taken) alike.
std::vector<QPointF> RoundedOutline(const std::vector<TCorner>& corners)
{
    constexpr int ChordsPerArc = 256;
    std::vector<QPointF> out;
    const size_t n = corners.size();
    for (size_t i = 0; i < n; ++i) {
        const QPointF p = corners[i].P;
        const double r = corners[i].Radius;
        if (r == 0) {
            out.push_back(p);
            continue;
        }
        QPointF u = corners[(i + n - 1) % n].P - p;
        QPointF v = corners[(i + 1) % n].P - p;
        u /= std::hypot(u.x(), u.y());
        v /= std::hypot(v.x(), v.y());
        const double angle = std::acos(QPointF::dotProduct(u, v));
        QPointF bisector = u + v;
        bisector /= std::hypot(bisector.x(), bisector.y());
        const QPointF centre = p + bisector * (r / std::sin(angle / 2));
        const QPointF t1 = p + u * (r / std::tan(angle / 2));
        const QPointF t2 = p + v * (r / std::tan(angle / 2));
        const double a1 = std::atan2(t1.y() - centre.y(), t1.x() - centre.x());
        double sweep = std::atan2(t2.y() - centre.y(), t2.x() - centre.x()) - a1;
        sweep = std::remainder(sweep, 2 * M_PI); // the short way round
        for (int k = 0; k <= ChordsPerArc; ++k) {
            const double a = a1 + sweep * k / ChordsPerArc;
            out.push_back(centre + QPointF(r * std::cos(a), r * std::sin(a)));
        }
    }
    return out;
}

// Second moment of area of a polygon about its horizontal centroidal axis.
double PolygonIx(const std::vector<QPointF>& polygon)
{
    double area = 0, firstMoment = 0, second = 0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[(i + 1) % polygon.size()];
        const double cross = a.x() * b.y() - b.x() * a.y();
        area += cross / 2;
        firstMoment += cross * (a.y() + b.y()) / 6;
        second += cross * (a.y() * a.y() + a.y() * b.y() + b.y() * b.y()) / 12;
    }
    const double yc = firstMoment / area;
    return std::abs(second - area * yc * yc);
}

std::vector<TCorner> IOutline(const TSectionDims& d)
{
    const double x = d.B / 2, w = d.Tw / 2, y = d.H / 2, yi = d.H / 2 - d.Tf, r = d.R1;
    return { { { -x, -y } }, { { x, -y } }, { { x, -yi } }, { { w, -yi }, r }, { { w, yi }, r }, { { x, yi } },
        { { x, y } }, { { -x, y } }, { { -x, yi } }, { { -w, yi }, r }, { { -w, -yi }, r }, { { -x, -yi } } };
}

// A channel with its web on the left; the inner flange face runs at the section's slope.
std::vector<TCorner> ChannelOutline(const TSectionDims& d)
{
    const double y = d.H / 2;
    const double at = d.Slope == 0 ? d.B : d.TfAt;
    auto thickness = [&](double x) { return d.Tf + d.Slope * (at - x); };
    const double toe = y - thickness(d.B), root = y - thickness(d.Tw);
    return { { { 0, -y } }, { { d.B, -y } }, { { d.B, -toe }, d.R2 }, { { d.Tw, -root }, d.R1 },
        { { d.Tw, root }, d.R1 }, { { d.B, toe }, d.R2 }, { { d.B, y } }, { { 0, y } } };
}

// Area, centroid and second moments about the centroidal axes of a polygon.
struct TPolygonMoments
{
    double A = 0, xc = 0, yc = 0, Ixx = 0, Iyy = 0;
};

TPolygonMoments Moments(const std::vector<QPointF>& polygon)
{
    double a = 0, sx = 0, sy = 0, ixx = 0, iyy = 0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const QPointF p = polygon[i], q = polygon[(i + 1) % polygon.size()];
        const double cross = p.x() * q.y() - q.x() * p.y();
        a += cross / 2;
        sx += cross * (p.y() + q.y()) / 6;
        sy += cross * (p.x() + q.x()) / 6;
        ixx += cross * (p.y() * p.y() + p.y() * q.y() + q.y() * q.y()) / 12;
        iyy += cross * (p.x() * p.x() + p.x() * q.x() + q.x() * q.x()) / 12;
    }
    TPolygonMoments m;
    m.A = std::abs(a);
    m.yc = sx / a;
    m.xc = sy / a;
    m.Ixx = std::abs(ixx - a * m.yc * m.yc);
    m.Iyy = std::abs(iyy - a * m.xc * m.xc);
    return m;
}

// The part of the polygon with y >= 0 (one half-plane: the clipped outline stays one polygon).
std::vector<QPointF> UpperPart(const std::vector<QPointF>& polygon)
{
    std::vector<QPointF> out;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const QPointF p = polygon[i], q = polygon[(i + 1) % polygon.size()];
        if (p.y() >= 0)
            out.push_back(p);
        if ((p.y() >= 0) != (q.y() >= 0))
            out.push_back(p + (q - p) * (p.y() / (p.y() - q.y())));
    }
    return out;
}

std::vector<QPointF> Outline(const TSectionDims& d)
{
    return RoundedOutline(d.Series[0] == 'U' ? ChannelOutline(d) : IOutline(d));
}

// Saint-Venant torsion constant of a rolled I or H: the thin plates with the tips' correction and
// the fillet junctions of El Darwish and Johnston, the formula the section tables use (IPE 300:
// 20,12 cm4).
double ITorsion(const TSectionDims& d)
{
    const double b = d.B, h = d.H, tw = d.Tw, tf = d.Tf, r = d.R1;
    const double alpha = tw / tf * (0.145 + 0.1 * r / tf);
    const double D = ((r + tw / 2) * (r + tw / 2) + (r + tf) * (r + tf) - r * r) / (2 * r + tf);
    return 2.0 / 3 * (b - 0.63 * tf) * std::pow(tf, 3) + (h - 2 * tf) * std::pow(tw, 3) / 3
        + 2 * alpha * std::pow(D, 4);
}

// A channel as thin plates on its centre lines (flanges b - tw/2 long, web h - tf), the flange with
// its nominal (mean) thickness. Fillets left out: a few per cent below the tables, and used for the
// listing only (a channel is not checked for lateral-torsional buckling).
double ChannelTorsion(const TSectionDims& d)
{
    return (2 * (d.B - d.Tw / 2) * std::pow(d.Tf, 3) + (d.H - d.Tf) * std::pow(d.Tw, 3)) / 3;
}

// Warping constants on the centre lines: the I with equal flanges Iw = tf b^3 (h - tf)^2 / 24; the
// channel with its shear centre off the web, Iw = tf b'^3 h'^2 / 12 (3 b' tf + 2 h' tw) / (6 b' tf + h' tw).
double Warping(const TSectionDims& d, bool channel)
{
    const double hs = d.H - d.Tf;
    if (!channel)
        return d.Tf * std::pow(d.B, 3) * hs * hs / 24;
    const double bs = d.B - d.Tw / 2;
    return d.Tf * std::pow(bs, 3) * hs * hs / 12 * (3 * bs * d.Tf + 2 * hs * d.Tw) / (6 * bs * d.Tf + hs * d.Tw);
}

} // namespace

const std::vector<TSectionDims>& SectionDimensions()
{
    return Table;
}

double SectionIyMm4(const TSectionDims& dims)
{
    return PolygonIx(Outline(dims));
}

TSectionProperties SectionProperties(const TSectionDims& d)
{
    TSectionProperties p;
    p.Channel = d.Series[0] == 'U';
    p.H = d.H;
    p.B = d.B;
    p.Tw = d.Tw;
    p.Tf = d.Tf;
    p.R = d.R1;
    const std::vector<QPointF> outline = Outline(d);
    const TPolygonMoments m = Moments(outline);
    p.A = m.A;
    p.Iy = SectionIyMm4(d);
    p.Iz = m.Iyy;
    p.WelY = p.Iy / (d.H / 2);
    // Symmetric about the strong axis, so the plastic neutral axis is the centroidal one: Wpl = 2 S.
    const TPolygonMoments upper = Moments(UpperPart(outline));
    p.WplY = 2 * upper.A * std::abs(upper.yc);
    // EN 1993-1-1 6.2.6(3) a), b): rolled I and H, load parallel to the web, not less than
    // eta hw tw with eta = 1,2 (EN 1993-1-5 5.1(2), steels up to S460); rolled channels.
    const double hw = d.H - 2 * d.Tf;
    p.AvZ = p.Channel ? p.A - 2 * d.B * d.Tf + (d.Tw + d.R1) * d.Tf
                      : std::max(p.A - 2 * d.B * d.Tf + (d.Tw + 2 * d.R1) * d.Tf, 1.2 * hw * d.Tw);
    p.RadiusZ = std::sqrt(p.Iz / p.A);
    p.It = p.Channel ? ChannelTorsion(d) : ITorsion(d);
    p.Iw = Warping(d, p.Channel);
    p.Mass = p.A * 1e-6 * SteelDensity;
    return p;
}

const TSectionDims* FindSection(const QString& name)
{
    for (const TSectionDims& d : Table)
        if (name.trimmed() == QString::fromLatin1(d.Series) + QLatin1Char(' ') + QString::number(d.Size))
            return &d;
    return nullptr;
}
