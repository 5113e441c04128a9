#include "derivation/derivation_pages.h"

#include "shell/number_format.h"
#include "shell/vectors.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <tuple>
#include <utility>

namespace ttl {

namespace {

constexpr Color Black{0, 0, 0};
constexpr Color Red{255, 0, 0};
constexpr Color Blue{0, 0, 255};
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
constexpr Color PinkT2{150, 50, 255};

// How a vector is drawn.
struct Arrow {
    Vec2 tail;
    Vec2 vector;
    Color color = Black;
    int width = 1;
    DrawStyle style = DrawStyle::Solid;
    std::string label = {};
    Color labelColor = Black;
};

// Lines of construction, circles and marks of a page besides its arrows.
struct Segment {
    Vec2 from, to;
    Color color;
    DrawStyle style = DrawStyle::Solid;
};
struct Ring {
    Vec2 centre;
    double radius;
    Color color;
    DrawStyle style = DrawStyle::Solid;
};
struct Mark {
    Vec2 at;
    Color color;
    DrawStyle style = DrawStyle::Solid;
};

struct Page {
    std::vector<Mark> marks;
    std::vector<Ring> rings;
    std::vector<Segment> segments;
    std::vector<Arrow> arrows;
    std::vector<std::pair<Vec2, std::string>> pointLabels;
    int pointWidth = 2;
    std::vector<Vec2> points;
};

const std::vector<std::vector<std::string>>& InertialTexts()
{
    static const std::vector<std::vector<std::string>> texts{
        {"To explain the Centrifugal and the Coriolis Force",
         "The absolute velocity V\u03B1 is analyzed to Vre (relative) ",
         "and Vb (base) that is: V\u03B1=Vre+Vb where Vb=\u03C9\u03A7R",
         "In the diagram we see 3 curves:  ", "3 blues who represent",
         "a)On the LEFT the orbit that observes the ROTATING OBSERVER",
         "b)The middle is the ORBIT OF RELATIVE OBSERVER as ",
         "is perceived by the INERTIAL OBSERVER at the time t1 ",
         "c)On the RIGHT is the ORBIT OF RELATIVE OBSERVER for the INERTIAL at t2",
         "The red curve is the orbit that perceives the INERTIAL observer"},
        {"In the diagram are shown the relative velocities:",
         "Vre1, Vre2: for the rotating observer and the:",
         "\u03B1)Vre11 for the INERTIAL  at moment t1",
         "\u03B2)Vre22 for the INERTIAL  at moment t2 ",
         "\u03B3)Vre12 which is Vre22 (t=t2) TRANSPORTED  by a ROTATION",
         "to the ORBIT that passes through t1 "},
        {"In the diagram are shown the BASE velocities:", "Vb1, Vb2: for the ROTATING(t=t1 & t=t2)",
         "\u03B1)Vb11 for the INERTIAL at the moment t1",
         "\u03B2)Vb22 for the INERTIAL at the moment t2 ",
         "\u03B3)Vb12 for the INERTIAL at the moment t2 (value=Vb22) is the Vb22 ",
         "TRANSPORTED to the orbit that passes through t1 "},
        {"The ABSOLUTE acceleration is calculated by:",
         "V\u03B12-V\u03B11=Vre22+Vb22-(Vre11+Vb11). "},
        {"The ABSOLUTE acceleration is calculated by:",
         "V\u03B12-V\u03B11=Vre22+Vb22-(Vre11+Vb11). ",
         "The Velocities Vre12  & Vb12 are ADDED AND SUBTRACTED",
         "With this:", "V\u03B12-V\u03B11=(Vre21-Vre11)+(Vb22-Vb21)+(Vb21-Vb11)+(Vre22-Vre21) ",
         "The 1st parenthesis is RELATIVE,the 2nd CENTRIPETAL, the 3\u03B7 &4 opposite "
         "toCoriolis "},
        {"Relative Acceleration= (Vre21-Vre11)/\u0394t"},
        {"Centripetal acceleration (due to the rotation of the base)= (Vb22-Vb21)/\u0394t",
         "For the rotating observer there is a FICTITIOUS force",
         "opposite to the CENTRIPETAL acceleration, the  CENTRIFUGAL force"},
        {"First COMPLEMENTARY acceleration= (Vb21-Vb11)/\u0394t",
         "Vb21 is transported with the dashed vector to the position x11"},
        {"Second COMPLEMENTARY acceleration= (Vre22-Vre21)/\u0394t",
         "The accelerations calculated by ", "(Vb21-Vb11)/\u0394t   (Vre22-Vre21)/\u0394t",
         " have in the limit \u0394t =0",
         "the same directions, and add up to the absolute value 2|\u03C9|*|Vre|. For the rotating ",
         "the force(-Mass\u03A7acceleration) is called Coriolis with value 2m.|\u03C9|*|Vre|"},
        {"The two COMPLEMENTARY accelerations: ", "               (Vb21-Vb11)/\u0394t ",
         "               (Vre22-Vre21)/\u0394t",
         "add to the -CORIOLIS acceleration for the ROTATING OBSERVER",
         "It can be observed that in the limit \u0394t=0 they are equal"},
    };
    return texts;
}

const std::vector<std::vector<std::string>>& RotatingTexts()
{
    static const std::vector<std::vector<std::string>> texts{
        {"Explanation for the ROTATING observer of: CENTRIPETAL and Coriolis ",
         "The RELATIVE velocity Vre is analyzed to:V\u03B1 ",
         "and  -Vb (base) that is: Vre=V\u03B1-Vb where Vb=\u03C9\u03A7R",
         "In the diagramm there are 4 curves:",
         "1 blue which is the orbit that sees the ROTATING observer",
         "2 PINK which are the ABSOLUTE orbits as the ROTATING is seeing them",
         "and one RED which is the absolute orbit for the INERTIAL observer",
         "In the diagram are shown the relative velocities at 2 moments"},
        {"In the diagram are the ABSOLUTE velocities:",
         "V\u03B1\u03C711, V\u03B1\u03C722: as the ROTATING observer sees them at t1 &  t2",
         "and the corresponding ABSOLUTE orbits", "as the ROTATING observer sees"},
        {"In the diagram are the base velocities:", "Vb11, Vb22: for the ROTATING (t=t1 & t=t2)",
         "and their negatives -Vb11, -Vb22"},
        {"The Relative Velocity is decomposed to:", "Vre=V\u03B1-Vb = V\u03B1 + (-Vb)",
         "The analysis is shown for 2 moments"},
        {"The RELATIVE ACCELERATION is calculated", "a_relative =(Vre22-Vre11)/\u0394t ",
         "With a dashed vector is shown the Vre22"},
        {"Acceleration due to the base rotation= -(Vb22-Vb21)/\u0394t",
         "This acceleration is _|_ to the relative velocity because",
         "Vb=\u03C9\u03A7R  -->\u03B1 "
         "=-(Vb2-Vb1)/\u0394t=-\u03C9\u03A7(R2-R1)/\u0394t=-\u03C9\u03A7Vrelative",
         "It has the direction of the Coriolis acceleration, WHICH",
         "is -2\u03C9\u03A7Vrelative, The factor 2 is explained in next CLICK"},
        {"Absolute acceleration= (V\u03B122-V\u03B111)/\u0394t",
         "With dashed vector is shown the V\u03B122",
         "Press CLICK to see a decomposition of the acceleration"},
        {"Analysis of the ABSOLUTE ACCELERATION= (Vb21-Vb11)/\u0394t",
         "To 2 components: \u03B1) // to the radius \u03BA\u03B1\u03B9 \u03B2)  _|_ to Vrelative"},
        {"                         Decomposition of the RELATIVE ACCELERATION",
         "TO a component // r and a vertical to the VELOCITY. The first one is equal to",
         "the component of relative acceleration//r, while the second is due",
         " to -dVb/dt and to the component of V\u03B1 _|_ to Vre ",
         "The sum of 2 components gives the Coriolis FORCE with value 2m.|\u03C9|*|Vre|"},
    };
    return texts;
}

// Where the rotating observer's orbit is drawn, to the left of everything else.
Vec2 LeftOffset(const ExplorerState& state)
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
double VelocityScale(const ExplorerState& state, const DerivationVectors& d)
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
    page.arrows.push_back({tail1, scale * first, color, 1, DrawStyle::Solid, firstName});
    page.arrows.push_back({tail2, scale * second, color, 1, DrawStyle::Solid, secondName});
    page.arrows.push_back({tail1, scale * second, MovedColor, 1, DrawStyle::Dash, ""});
    page.arrows.push_back({tail1 + scale * first, scale * (second - first), DifferenceColor, 1,
                           DrawStyle::Solid, differenceName});
    if (dt > 0.0) {
        page.arrows.push_back({tail1, (scale / dt) * (second - first), AccelerationColor, 3,
                               DrawStyle::Solid, accelerationName, accelerationLabel});
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

Page InertialPage(const ExplorerState& state, const DerivationVectors& d, int number)
{
    Page page;
    const double s = VelocityScale(state, d);
    const Vec2 left = LeftOffset(state);
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
    page.pointWidth = number <= 1 ? 5 : 2;
    const Vec2 r1 = left + d.r1;
    const Vec2 r2 = left + d.r2;
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
    case 4: {
        const bool named = number == 3;
        page.arrows.push_back(
            {d.x11, s * d.Vre11, RelativeColor, 1, DrawStyle::Solid, named ? "Vre11" : ""});
        page.arrows.push_back(
            {d.x22, s * d.Vre22, RelativeColor, 1, DrawStyle::Solid, named ? "Vre22" : ""});
        page.arrows.push_back(
            {d.x11, s * d.Vb11, BaseColor, 1, DrawStyle::Solid, named ? "Vb11" : ""});
        page.arrows.push_back(
            {d.x22, s * d.Vb22, BaseColor, 1, DrawStyle::Solid, named ? "Vb22" : ""});
        if (number == 4) {
            page.arrows.push_back(
                {d.x21, s * d.Vre21, RelativeColor, 2, DrawStyle::Solid, "Vre21"});
            page.arrows.push_back({d.x21, s * d.Vb21, Red, 2, DrawStyle::Solid, "Vb21", Red});
        }
        break;
    }
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
        Difference(page, d.x21, d.Vre21, "Vre21", d.x22, d.Vre22, "Vre22", "",
                   "(Vre22-Vre21)/\u0394t", s, d.dt, RelativeColor, Green);
        if (d.Forward()) {
            // The first complementary acceleration, from the same point: in the limit the two
            // point the same way and add up to 2 omega x Vre.
            page.arrows.push_back({d.x21, (s / d.dt) * (d.Vb21 - d.Vb11), ComplementaryColor, 3,
                                   DrawStyle::Solid, number == 9 ? "(Vb21-Vb11)/\u0394t" : "",
                                   ComplementaryColor});
        }
        break;
    default:
        break;
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

Page RotatingPage(const ExplorerState& state, const DerivationVectors& d, int number)
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
    case 8:
        page.arrows.push_back(
            {d.r1, s * d.Vre1, RelativeColor, 1, DrawStyle::Solid, number == 7 ? "Vre11" : ""});
        if (d.Forward()) {
            const Vec2 absolute = (1.0 / dt) * (d.Va2 - d.Va1);
            const Split split = SplitAcceleration(absolute, d.r1, d.Vre1);
            page.arrows.push_back(
                {d.r1, s * split.alongRadius, Black, 1, DrawStyle::Solid, "dVa/dt//r"});
            page.arrows.push_back(
                {d.r1, s * split.acrossVelocity, Black, 1, DrawStyle::Solid, "dVa/dt_|_"});
            if (number == 7) {
                page.arrows.push_back({d.r1, s * absolute, AccelerationColor, 2, DrawStyle::Solid,
                                       "(V\u03B122 - V\u03B111)/\u0394t"});
                page.segments.push_back(
                    {d.r1 + s * split.alongRadius, d.r1 + s * absolute, Black, DrawStyle::Dot});
                page.segments.push_back(
                    {d.r1 + s * split.acrossVelocity, d.r1 + s * absolute, Black, DrawStyle::Dot});
            } else {
                // The relative acceleration: the absolute one less the base's term. Across the
                // relative velocity its parts add up to the Coriolis term 2 omega (-v'y, v'x).
                const Vec2 minusBase = (-1.0 / dt) * (d.Vb2 - d.Vb1);
                const Vec2 relative = (1.0 / dt) * (d.Vre2 - d.Vre1);
                const double omega = 0.5 * (d.omega1 + d.omega2);
                const Vec2 coriolis = 2.0 * omega * Vec2{-d.Vre1.y, d.Vre1.x};
                page.arrows.push_back({d.r1, s * coriolis, CoriolisColor, 2, DrawStyle::Solid,
                                       "2VreX\u03C9", CoriolisColor});
                page.arrows.push_back({d.r1 + s * split.acrossVelocity, s * minusBase, Black, 2,
                                       DrawStyle::Solid, "-dVb/\u0394t"});
                page.arrows.push_back(
                    {d.r1, s * relative, Black, 2, DrawStyle::Solid, "a_relative"});
                const Vec2 centripetal = -omega * omega * d.r1;
                page.arrows.push_back(
                    {d.r1, s * centripetal, Black, 2, DrawStyle::Solid, "\u03C9\u00B2\u03A7R"});
                page.segments.push_back({{0, 0}, d.r1, Black});
                page.segments.push_back(
                    {d.r1 + s * relative, d.r1 + s * split.alongRadius, Black, DrawStyle::Dot});
                page.segments.push_back(
                    {d.r1 + s * relative, d.r1 + s * coriolis, Black, DrawStyle::Dot});
            }
        }
        break;
    default:
        break;
    }
    return page;
}

// An axis-aligned box, in world units.
struct Box {
    double left = std::numeric_limits<double>::infinity();
    double right = -std::numeric_limits<double>::infinity();
    double bottom = std::numeric_limits<double>::infinity();
    double top = -std::numeric_limits<double>::infinity();

    void Add(Vec2 p)
    {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    }
    [[nodiscard]] bool Overlaps(const Box& o) const
    {
        return left < o.right && o.left < right && bottom < o.top && o.bottom < top;
    }
};

// Text metrics estimated in the core: a bold 10 pt character is at most about 9 pixels wide.
constexpr double CharacterPixels = 9.0;
constexpr int FooterRows = 2;

std::size_t Characters(const std::string& text)
{
    std::size_t count = 0;
    for (const unsigned char c : text) {
        count += (c & 0xC0) != 0x80 ? 1 : 0; // UTF-8: count the first byte of each character
    }
    return count;
}

} // namespace

int DerivationPageCount(bool rotatingObserver)
{
    return rotatingObserver ? RotatingDerivationPages : InertialDerivationPages;
}

int NextDerivationPage(int page, bool back, bool rotatingObserver)
{
    const int count = DerivationPageCount(rotatingObserver);
    if (back) {
        return page > 0 ? WrapDerivationPage(page - 1, rotatingObserver) : count - 1;
    }
    return WrapDerivationPage(page + 1, rotatingObserver);
}

int WrapDerivationPage(int page, bool rotatingObserver)
{
    return page >= DerivationPageCount(rotatingObserver) || page < 0 ? 0 : page;
}

std::vector<std::string> DerivationText(bool rotatingObserver, int page)
{
    const auto& texts = rotatingObserver ? RotatingTexts() : InertialTexts();
    return texts.at(static_cast<std::size_t>(WrapDerivationPage(page, rotatingObserver)));
}

void DrawDerivationPage(Surface& s, const ExplorerState& state, const DerivationView& view,
                        bool rotatingObserver, int pageNumber)
{
    const int number = WrapDerivationPage(pageNumber, rotatingObserver);
    const DerivationVectors d = ComputeDerivationVectors(state, view.t1);
    const Page page =
        rotatingObserver ? RotatingPage(state, d, number) : InertialPage(state, d, number);
    const std::vector<std::string> text = DerivationText(rotatingObserver, number);

    // The world window: the page's geometry, square, with bands for the text and the footer.
    Box content;
    for (const Mark& m : page.marks) {
        content.Add(m.at);
    }
    for (const Arrow& a : page.arrows) {
        content.Add(a.tail);
        content.Add(a.tail + a.vector);
    }
    content.Add({0, 0});
    const double size = 1.1 * std::max(content.right - content.left, content.top - content.bottom);
    const double pixels = s.PixelHeight() > 0 ? s.PixelHeight() : 600.0;
    const double rows = static_cast<double>(text.size()) + FooterRows + 1.0;
    const double lines = std::min(rows, 0.6 * pixels / s.TextLinePixels());
    const double zoom = view.zoomValue / 120.0;
    const double side = zoom * size / (1.0 - lines * s.TextLinePixels() / pixels);
    const double line = side * s.TextLinePixels() / pixels;
    const double centreX = 0.5 * (content.left + content.right) + side * view.shiftX / 100.0;
    const double contentMiddle = 0.5 * (content.bottom + content.top);
    // the text band above the content, the footer below it
    const double top = contentMiddle + 0.5 * zoom * size +
                       (static_cast<double>(text.size()) + 0.5) * line + side * view.shiftY / 100.0;
    s.Scale(centreX - side / 2.0, top, centreX + side / 2.0, top - side);
    s.Cls();
    s.SetDrawWidth(1);
    s.SetDrawStyle(DrawStyle::Solid);
    s.SetFontBold(false);

    const double mark = 2.5 * side / pixels;
    s.Circle(0, 0, state.HubRadius, Black);
    s.Line(0, 0, state.BaseRadius * std::cos(-state.BaseAngle),
           state.BaseRadius * std::sin(-state.BaseAngle), Blue);
    for (const Mark& m : page.marks) {
        s.SetDrawStyle(m.style);
        s.Circle(m.at.x, m.at.y, mark, m.color);
    }
    s.SetDrawStyle(DrawStyle::Solid);
    for (const Ring& r : page.rings) {
        s.SetDrawStyle(r.style);
        s.Circle(r.centre.x, r.centre.y, r.radius, r.color);
    }
    for (const Segment& g : page.segments) {
        s.SetDrawStyle(g.style);
        s.Line(g.from.x, g.from.y, g.to.x, g.to.y, g.color);
    }
    s.SetDrawStyle(DrawStyle::Solid);
    s.SetDrawWidth(page.pointWidth);
    for (const Vec2 p : page.points) {
        s.PSet(p.x, p.y, Black);
    }
    s.SetDrawWidth(1);

    // Labels beside their vectors' tips, each moved round its tip until it overlaps no other.
    const double character = CharacterPixels * side / pixels;
    std::vector<Box> taken;
    const auto place = [&](Vec2 at, const std::string& label, Color color) {
        const double width = character * static_cast<double>(Characters(label));
        const Vec2 offsets[] = {{0.3, 1.0}, {0.3, 0.0},   {-1.0, 1.0}, {-1.0, 0.0},
                                {0.3, 2.2}, {0.3, -1.2},  {-1.0, 2.2}, {-1.0, -1.2},
                                {0.3, 3.4}, {-1.0, -2.4}, {0.3, -2.4}, {-1.0, 3.4}};
        Box chosen;
        for (const Vec2 o : offsets) {
            Box b;
            b.left = at.x + (o.x < 0 ? -width - 0.3 * line : 0.3 * line);
            b.right = b.left + width;
            b.top = at.y + o.y * line;
            b.bottom = b.top - line;
            chosen = b;
            if (std::none_of(taken.begin(), taken.end(),
                             [&](const Box& t) { return t.Overlaps(b); })) {
                break;
            }
        }
        taken.push_back(chosen);
        s.SetForeColor(color);
        s.SetCurrentX(chosen.left);
        s.SetCurrentY(chosen.top);
        s.Print(label);
        s.SetForeColor(Black);
    };
    for (const Arrow& a : page.arrows) {
        s.SetDrawWidth(a.width);
        s.SetDrawStyle(a.style);
        DrawVector(s, a.tail.x, a.tail.y, a.vector.x, a.vector.y, a.color.red, a.color.green,
                   a.color.blue);
    }
    s.SetDrawWidth(1);
    s.SetDrawStyle(DrawStyle::Solid);
    for (const auto& [at, label] : page.pointLabels) {
        place(at, label, Black);
    }
    for (const Arrow& a : page.arrows) {
        if (!a.label.empty()) {
            place(a.tail + a.vector, a.label, a.labelColor);
        }
    }

    // The explanation, in bold, line under line at the top.
    s.SetFontBold(true);
    std::size_t longest = 1;
    for (const std::string& l : text) {
        longest = std::max(longest, Characters(l));
    }
    const double widthPixels = s.PixelWidth() > 0 ? s.PixelWidth() : pixels;
    s.SetFontSize(std::min(10.0, 10.0 * 0.97 * widthPixels /
                                     (CharacterPixels * static_cast<double>(longest))));
    double y = s.ScaleTop() - 0.2 * line;
    for (const std::string& l : text) {
        s.SetCurrentX(s.ScaleLeft() + 0.01 * side);
        s.SetCurrentY(y);
        s.Print(l);
        y -= line;
    }
    s.SetFontBold(false);
    s.SetFontSize(10.0);

    // The footer: the moments' interval, the shifts, the click hints and the page.
    const double bottom = s.ScaleTop() + s.ScaleHeight();
    const auto footer = [&](double fraction, int row, const std::string& t) {
        s.SetCurrentX(s.ScaleLeft() + fraction * side);
        s.SetCurrentY(bottom + (FooterRows - row) * line);
        s.Print(t);
    };
    footer(0.01, 0,
           d.Forward() ? "\u0394t = " + FormatNumber(d.dt, "0.00") : "\u0394t must be positive");
    footer(0.35, 0, "xLEFT = " + FormatNumber(view.shiftX / 10.0, "0.0"));
    footer(0.65, 0, "yBOTTOM= " + FormatNumber(view.shiftY / 10.0, "0.0"));
    footer(0.01, 1, rotatingObserver ? "Click for NEXT" : "Click for next");
    footer(0.35, 1, rotatingObserver ? "Shift - Click FOR PREVIUS" : "Shift - Click for PREVIUS");
    footer(0.8, 1, "page " + FormatNumber(number, "0"));
    s.SetForeColor(Black);
}

} // namespace ttl
