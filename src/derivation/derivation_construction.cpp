#include "derivation/derivation_construction.h"

#include "shell/number_format.h"
#include "shell/translation.h"
#include "mechanics/turntable_model.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <numbers>
#include <tuple>

namespace ttl {

namespace {

using colors::Black;
using colors::Blue;
using colors::Red;

constexpr Color RotatingMarks{0, 10, 255};
constexpr Color RelativeColor{255, 0, 255};
constexpr Color MovedColor{200, 120, 0};
constexpr Color BaseColor{0, 160, 0};
constexpr Color AbsoluteColor{200, 0, 0};
constexpr Color DifferenceColor{90, 90, 90};
constexpr Color AccelerationColor{0, 0, 0};
constexpr Color Green{0, 165, 0};
constexpr Color ComplementaryColor{55, 55, 255};
constexpr Color CoriolisColor{5, 250, 255};
constexpr Color PinkT1{250, 50, 255};
// A pink a reader calls pink, apart from the first moment's purple-pink.
constexpr Color PinkT2{255, 105, 180};

using Page = DerivationPageContent;

// Where the rotating observer's orbit is drawn, to the left of everything else.
Vec2 LeftOffset(const RecordedMotion& state)
{
    double left = std::numeric_limits<double>::infinity();
    double right = -left;
    for (int k = 0; k <= state.StepIndex; ++k) {
        const auto i = static_cast<std::size_t>(k);
        left = std::min({left, state.PathX[i]});
        right = std::max({right, state.PathXR[i]});
    }
    return {std::min(0.0, left - right - 1.0), 0.0};
}

// Velocities are drawn at one scale on every page: the fastest of them a quarter as long as the
// orbit is wide, so that differences between them can be seen.
double VelocityScale(const RecordedMotion& state, const DerivationVectors& d)
{
    double extent = 0.0;
    for (int k = 0; k <= state.StepIndex; ++k) {
        const auto i = static_cast<std::size_t>(k);
        extent = std::max(extent, std::hypot(state.PathX[i], state.PathY[i]));
    }
    double fastest = 0.0;
    for (const Vec2 v : {d.Vre11, d.Vre22, d.Vb11, d.Vb22, d.Va11, d.Va22}) {
        fastest = std::max(fastest, Length(v));
    }
    return fastest > 0.0 && extent > 0.0 ? 0.25 * extent / fastest : state.ForceScale;
}

// The transported vector, the difference between tips, and the acceleration from a tail.
void Difference(Page& page, Vec2 tail1, Vec2 first, const std::string& firstName, Vec2 tail2,
                Vec2 second, const std::string& secondName, const std::string& differenceName,
                const std::string& accelerationName, double scale, double dt, Color color,
                Color accelerationLabel = Black)
{
    // The triangle at tail1 is the page's construction; the second vector stays at its point.
    page.arrows.push_back({tail1, scale * first, color, 1, DrawStyle::Solid, firstName, Black, true});
    page.arrows.push_back({tail2, scale * second, color, 1, DrawStyle::Solid, secondName});
    page.arrows.push_back({tail1, scale * second, MovedColor, 1, DrawStyle::Dash, "", Black, true});
    page.arrows.push_back({tail1 + scale * first, scale * (second - first), DifferenceColor, 1,
                           DrawStyle::Solid, differenceName, Black, true});
    if (dt > 0.0) {
        page.arrows.push_back({tail1, (scale / dt) * (second - first), AccelerationColor, 3,
                               DrawStyle::Solid, accelerationName, accelerationLabel, true});
    }
}

// Velocities of one kind at their points, each with its name, drawn alike.
struct NamedVector {
    Vec2 tail;
    Vec2 vector;
    const char* name;
};
void AddNamedArrows(Page& page, double scale, std::initializer_list<NamedVector> vectors,
                    Color color, int width, DrawStyle style)
{
    for (const NamedVector& v : vectors) {
        page.arrows.push_back({v.tail, scale * v.vector, color, width, style, v.name});
    }
}

// The page's arrows and the lines it adds from `firstOwnSegment` on, not the common picture's.
void MarkAllAsConstruction(Page& page, std::size_t firstOwnSegment)
{
    for (DerivationArrow& a : page.arrows) {
        a.construction = true;
    }
    for (std::size_t i = firstOwnSegment; i < page.segments.size(); ++i) {
        page.segments[i].construction = true;
    }
}

// The inertial derivation's common picture: the orbits, the two moments' circles and radii.
Page InertialCommonPicture(const RecordedMotion& state, const DerivationVectors& d, Vec2 left)
{
    Page page;
    for (int k = 0; k <= state.StepIndex; ++k) {
        const auto i = static_cast<std::size_t>(k);
        page.marks.push_back({{state.PathX[i], state.PathY[i]}, Red});
        page.marks.push_back({left + Vec2{state.PathXR[i], state.PathYR[i]}, RotatingMarks});
        page.marks.push_back({RelativeOrbitAt(state, k, d.theta1), Blue, DrawStyle::Dot});
        page.marks.push_back({RelativeOrbitAt(state, k, d.theta2), Blue, DrawStyle::Dot});
    }
    page.rings.push_back({{0, 0}, Length(d.x11), Black, DrawStyle::Dash});
    page.rings.push_back({{0, 0}, Length(d.x22), Black, DrawStyle::Dash});
    page.segments.push_back({{0, 0}, d.x21, Black, DrawStyle::Dot});
    page.segments.push_back({{0, 0}, d.x12, Black, DrawStyle::Dot});
    page.segments.push_back({{0, 0}, d.x11, Blue});
    page.segments.push_back({{0, 0}, d.x22, Blue});
    page.segments.push_back({d.x11, d.x22, Red});
    page.points = {d.x11, d.x22, d.x21, d.x12};
    return page;
}

// The relative and base velocities at both moments; the second page also carries the second
// moment's vectors back to the orbit through the first.
void AddVelocitiesOfBothMoments(Page& page, const DerivationVectors& d, double s, bool carried)
{
    const bool named = !carried;
    page.arrows.push_back(
        {d.x11, s * d.Vre11, RelativeColor, 1, DrawStyle::Solid, named ? "Vre11" : ""});
    page.arrows.push_back(
        {d.x22, s * d.Vre22, RelativeColor, 1, DrawStyle::Solid, named ? "Vre22" : ""});
    page.arrows.push_back({d.x11, s * d.Vb11, BaseColor, 1, DrawStyle::Solid, named ? "Vb11" : ""});
    page.arrows.push_back({d.x22, s * d.Vb22, BaseColor, 1, DrawStyle::Solid, named ? "Vb22" : ""});
    if (carried) {
        page.arrows.push_back({d.x21, s * d.Vre21, RelativeColor, 2, DrawStyle::Solid, "Vre21"});
        page.arrows.push_back({d.x21, s * d.Vb21, Red, 2, DrawStyle::Solid, "Vb21", Red});
    }
}

// The change of the relative velocity and, from the same point, the first complementary
// acceleration: in the limit the two point the same way and add up to 2 omega x Vre.
void AddComplementaryAccelerations(Page& page, const DerivationVectors& d, double s, bool named)
{
    Difference(page, d.x21, d.Vre21, "Vre21", d.x22, d.Vre22, "Vre22", "",
               "(Vre22-Vre21)/\u0394t", s, d.dt, RelativeColor, Green);
    if (d.Forward()) {
        page.arrows.push_back({d.x21, (s / d.dt) * (d.Vb21 - d.Vb11), ComplementaryColor, 3,
                               DrawStyle::Solid, named ? "(Vb21-Vb11)/\u0394t" : "",
                               ComplementaryColor, true});
    }
}

Page InertialPage(const RecordedMotion& state, const DerivationVectors& d, int number)
{
    const double s = VelocityScale(state, d);
    const Vec2 left = LeftOffset(state);
    Page page = InertialCommonPicture(state, d, left);
    page.pointWidth = number <= 1 ? 5 : 2;
    const Vec2 r1 = left + d.r1;
    const Vec2 r2 = left + d.r2;
    const std::size_t common = page.segments.size();
    switch (number) {
    case 0:
        page.pointLabels = {{d.x21, "x21"}, {d.x12, "x12"}};
        break;
    case 1:
        AddNamedArrows(page, s,
                       {{r1, d.Vre1, "Vre1"},
                        {r2, d.Vre2, "Vre2"},
                        {d.x11, d.Vre11, "Vre11"},
                        {d.x21, d.Vre21, "Vre21"},
                        {d.x22, d.Vre22, "Vre22"}},
                       RelativeColor, 3, DrawStyle::Dot);
        page.segments.push_back({d.x21, d.x22, Red});
        break;
    case 2:
        AddNamedArrows(page, s,
                       {{r1, d.Vb1, "Vb1"},
                        {r2, d.Vb2, "Vb2"},
                        {d.x11, d.Vb11, "Vb11"},
                        {d.x21, d.Vb21, "Vb21"},
                        {d.x22, d.Vb22, "Vb22"}},
                       BaseColor, 2, DrawStyle::Solid);
        for (const auto& [tail, v] : {std::pair{d.x11, d.Vre11}, std::pair{d.x21, d.Vre21},
                                      std::pair{d.x22, d.Vre22}, std::pair{r1, d.Vre1}}) {
            page.arrows.push_back({tail, s * v, RelativeColor});
        }
        break;
    case 3:
    case 4:
        AddVelocitiesOfBothMoments(page, d, s, number == 4);
        break;
    case 5:
        Difference(page, d.x11, d.Vre11, "Vre11", d.x21, d.Vre21, "Vre21", "\u0394Vre(21-11)",
                   "(Vre21-Vre11)/\u0394t", s, d.dt, RelativeColor);
        break;
    case 6:
        Difference(page, d.x21, d.Vb21, "Vb21", d.x22, d.Vb22, "Vb22", "\u0394Vb(22-21)",
                   "(Vb22-Vb21)/\u0394t", s, d.dt, BaseColor);
        break;
    case 7:
        Difference(page, d.x11, d.Vb11, "Vb11", d.x21, d.Vb21, "Vb21", "\u0394Vb(21-11)",
                   "(Vb21-Vb11)/\u0394t", s, d.dt, BaseColor);
        break;
    case 8:
    case 9:
        AddComplementaryAccelerations(page, d, s, number == 9);
        break;
    default:
        break;
    }
    if (number == 3 || number == 4) {
        // The vectors of the two moments lie close together: they are magnified together.
        MarkAllAsConstruction(page, common);
    }
    return page;
}

// The absolute acceleration split along the radius and across the relative velocity.
struct Split {
    Vec2 alongRadius, acrossVelocity;
};

Split SplitAcceleration(Vec2 a, Vec2 radius, Vec2 relative)
{
    const Vec2 r = Length(radius) > 0.0 ? (1.0 / Length(radius)) * radius : Vec2{1, 0};
    const Vec2 n = Length(relative) > 0.0 ? (1.0 / Length(relative)) * Vec2{-relative.y, relative.x}
                                          : Vec2{-r.y, r.x};
    // a = p r + q n, an oblique pair: solve the 2 x 2 system.
    const double det = r.x * n.y - r.y * n.x;
    if (std::abs(det) < 1e-12) {
        return {a, {}};
    }
    const double p = (a.x * n.y - a.y * n.x) / det;
    const double q = (r.x * a.y - r.y * a.x) / det;
    return {p * r, q * n};
}

// How near the finite-difference sum comes to the Coriolis term, as a student reads it.
std::string CoriolisAgreement(Vec2 sum, Vec2 coriolis)
{
    if (Length(coriolis) <= 0.0) {
        return {};
    }
    const double cosine = (sum.x * coriolis.x + sum.y * coriolis.y) /
                          std::max(Length(sum) * Length(coriolis),
                                   std::numeric_limits<double>::min());
    const double degrees = std::acos(std::clamp(cosine, -1.0, 1.0)) * 180.0 / std::numbers::pi;
    return Substitute(Tr("derivation", "sum = %1 × 2|ω||Vre|, %2° from 2VreXω"),
                      {FormatNumber(Length(sum) / Length(coriolis), "0.00"),
                       FormatNumber(degrees, "0")});
}

// Page 7: the absolute acceleration split along the radius and across the relative velocity.
void AbsoluteAccelerationSplit(Page& page, const DerivationVectors& d, double s)
{
    page.arrows.push_back(
        {d.r1, s * d.Vre1, RelativeColor, 1, DrawStyle::Solid, "Vre11", Black, true});
    if (!d.Forward()) {
        return;
    }
    const Vec2 absolute = (1.0 / d.dt) * (d.Va2 - d.Va1);
    const Split split = SplitAcceleration(absolute, d.r1, d.Vre1);
    const Vec2 along = d.r1 + s * split.alongRadius;
    const Vec2 across = d.r1 + s * split.acrossVelocity;
    page.arrows.push_back(
        {d.r1, s * split.alongRadius, Black, 1, DrawStyle::Solid, "dVa/dt//r", Black, true});
    page.arrows.push_back(
        {d.r1, s * split.acrossVelocity, Black, 1, DrawStyle::Solid, "dVa/dt_|_", Black, true});
    page.arrows.push_back({d.r1, s * absolute, AccelerationColor, 2, DrawStyle::Solid,
                           "(V\u03B122 - V\u03B111)/\u0394t", Black, true});
    page.segments.push_back({along, d.r1 + s * absolute, Black, DrawStyle::Dot, true});
    page.segments.push_back({across, d.r1 + s * absolute, Black, DrawStyle::Dot, true});
}

// Page 8: the relative acceleration as the same finite differences, laid head to tail so that
// the chain closes on it at the interval shown: the part along the radius, then the absolute
// acceleration's part across the relative velocity, then the base's term -dVb/dt. The last two
// tend to the Coriolis term, drawn beside them from the same point with how near they come.
void RelativeAccelerationSplit(Page& page, const DerivationVectors& d, double s)
{
    // Only the accelerations are magnified: the velocity would crowd them into a corner.
    page.arrows.push_back({d.r1, s * d.Vre1, RelativeColor, 1, DrawStyle::Solid, ""});
    page.segments.push_back({{0, 0}, d.r1, Black});
    if (!d.Forward()) {
        return;
    }
    const Vec2 absolute = (1.0 / d.dt) * (d.Va2 - d.Va1);
    const Split split = SplitAcceleration(absolute, d.r1, d.Vre1);
    const Vec2 minusBase = (-1.0 / d.dt) * (d.Vb2 - d.Vb1);
    const Vec2 relative = (1.0 / d.dt) * (d.Vre2 - d.Vre1);
    // The instantaneous terms at t1, which the finite differences approach as the interval shrinks.
    const Vec2 coriolis = 2.0 * d.omega1 * Vec2{-d.Vre1.y, d.Vre1.x};
    const Vec2 centrifugal = d.omega1 * d.omega1 * d.r1;

    const Vec2 chainStart = d.r1 + s * split.alongRadius;
    const Vec2 chainMiddle = chainStart + s * split.acrossVelocity;
    page.arrows.push_back(
        {d.r1, s * relative, Black, 2, DrawStyle::Solid, "a_relative", Black, true});
    page.arrows.push_back(
        {d.r1, s * split.alongRadius, Black, 2, DrawStyle::Solid, "dVa/dt//r", Black, true});
    page.arrows.push_back({d.r1, s * centrifugal, Black, 1, DrawStyle::Dash,
                           "\u03C9\u00B2\u03A7R", Black, true});
    page.arrows.push_back({chainStart, s * split.acrossVelocity, Black, 2, DrawStyle::Solid,
                           "dVa/dt_|_", Black, true});
    page.arrows.push_back(
        {chainMiddle, s * minusBase, Black, 2, DrawStyle::Solid, "-dVb/\u0394t", Black, true});
    page.arrows.push_back({chainStart, s * coriolis, CoriolisColor, 2, DrawStyle::Solid,
                           "2VreX\u03C9", CoriolisColor, true});
    // the sum of the two parts, and what it still misses of the Coriolis term
    page.segments.push_back({chainStart, d.r1 + s * relative, Black, DrawStyle::Dot, true});
    page.segments.push_back(
        {d.r1 + s * relative, chainStart + s * coriolis, Black, DrawStyle::Dot, true});
    page.note = CoriolisAgreement(split.acrossVelocity + minusBase, coriolis);
}

Page RotatingPage(const RecordedMotion& state, const DerivationVectors& d, int number)
{
    Page page;
    const double s = VelocityScale(state, d);
    for (int k = 0; k <= state.StepIndex; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const Vec2 p{state.PathX[i], state.PathY[i]};
        page.marks.push_back({p, Red});
        page.marks.push_back({IntoRotatingAxes(p, d.theta1), PinkT1});
        page.marks.push_back({IntoRotatingAxes(p, d.theta2), PinkT2});
        page.marks.push_back({{state.PathXR[i], state.PathYR[i]}, Blue, DrawStyle::Dot});
    }
    page.points = {d.r1, d.r2};
    const double dt = d.dt;
    const Vec2 minusVb1 = -1.0 * d.Vb1;
    const Vec2 minusVb2 = -1.0 * d.Vb2;
    const std::size_t common = page.segments.size();
    switch (number) {
    case 0:
        page.arrows.push_back({d.r1, s * d.Vre1, RelativeColor, 1, DrawStyle::Solid, "Vre11"});
        page.arrows.push_back({d.r2, s * d.Vre2, RelativeColor, 1, DrawStyle::Solid, "Vre22"});
        break;
    case 1:
        page.arrows.push_back({d.r1, s * d.Va1, AbsoluteColor, 1, DrawStyle::Solid, "V\u03B111"});
        page.arrows.push_back({d.r2, s * d.Va2, AbsoluteColor, 1, DrawStyle::Solid, "V\u03B122"});
        break;
    case 2:
        page.arrows.push_back({d.r1, s * d.Vb1, BaseColor, 1, DrawStyle::Solid, "Vb11"});
        page.arrows.push_back({d.r2, s * d.Vb2, BaseColor, 1, DrawStyle::Solid, "Vb22"});
        page.arrows.push_back({d.r1, s * minusVb1, BaseColor, 1, DrawStyle::Dash, "-Vb11"});
        page.arrows.push_back({d.r2, s * minusVb2, BaseColor, 1, DrawStyle::Dash, "-Vb22"});
        break;
    case 3:
        for (const auto& [tail, va, minusVb, vre, n1, n2, n3] :
             {std::tuple{d.r1, d.Va1, minusVb1, d.Vre1, "V\u03B111", "-Vb11", "Vre11"},
              std::tuple{d.r2, d.Va2, minusVb2, d.Vre2, "V\u03B122", "-Vb22", "Vre22"}}) {
            page.arrows.push_back({tail, s * va, AbsoluteColor, 1, DrawStyle::Solid, n1});
            page.arrows.push_back({tail, s * vre, RelativeColor, 1, DrawStyle::Solid, n3});
            page.arrows.push_back({tail + s * va, s * minusVb, BaseColor, 1, DrawStyle::Dash, n2});
            page.segments.push_back({tail, tail + s * minusVb, Black, DrawStyle::Dot});
            page.segments.push_back({tail + s * minusVb, tail + s * vre, Black, DrawStyle::Dot});
        }
        break;
    case 4:
        Difference(page, d.r1, d.Vre1, "Vre11", d.r2, d.Vre2, "Vre22", "", "(Vre22-Vre11)/\u0394t",
                   s, dt, RelativeColor);
        break;
    case 5:
        Difference(page, d.r1, minusVb1, "-Vb11", d.r2, minusVb2, "-Vb22", "",
                   "-(Vb22-Vb11)/\u0394t", s, dt, BaseColor);
        break;
    case 6:
        Difference(page, d.r1, d.Va1, "V\u03B111", d.r2, d.Va2, "V\u03B122", "",
                   "(V\u03B122-V\u03B111)/\u0394t", s, dt, AbsoluteColor);
        break;
    case 7:
        AbsoluteAccelerationSplit(page, d, s);
        break;
    case 8:
        RelativeAccelerationSplit(page, d, s);
        break;
    default:
        break;
    }
    if (number <= 3) {
        // The two moments' velocities lie close together: they are magnified together.
        MarkAllAsConstruction(page, common);
    }
    return page;
}

} // namespace

bool DerivationPageContent::HasConstruction() const
{
    return std::any_of(arrows.begin(), arrows.end(),
                       [](const DerivationArrow& a) { return a.construction; });
}

DerivationPageContent BuildDerivationPage(const RecordedMotion& state, const DerivationVectors& d,
                                          bool rotatingObserver, int page)
{
    return rotatingObserver ? RotatingPage(state, d, page) : InertialPage(state, d, page);
}

} // namespace ttl
