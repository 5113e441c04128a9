#include "derivation/derivation_pages.h"
#include "explorer/explorer_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <numbers>
#include <tuple>

namespace ttl {
namespace {

// A sliding body: friction off, launched at vx, vy times the speed of the base under it.
ExplorerState SlidingRun(int vx = 3, int vy = 0)
{
    ExplorerControls controls;
    controls.vxValue = vx;
    controls.vyValue = vy;
    ExplorerState state;
    ResetExplorer(state, controls);
    for (int k = 0; k < DerivationSteps; ++k) {
        AdvanceExplorer(state, controls);
    }
    return state;
}

Vec2 Minus(Vec2 a, Vec2 b)
{
    return {a.x - b.x, a.y - b.y};
}

double AngleBetween(Vec2 a, Vec2 b)
{
    return std::acos(std::clamp((a.x * b.x + a.y * b.y) / (Length(a) * Length(b)), -1.0, 1.0));
}

// The relative velocity (inertial axes) halfway between t1 and t2, with the base's omega.
Vec2 OmegaCrossVreAtMidpoint(const ExplorerState& s, const DerivationVectors& d)
{
    const auto at = [&](int k) {
        const auto i = static_cast<std::size_t>(k);
        const Vec2 base = OmegaCross(s.OmegaHistory[i], {s.PathX[i], s.PathY[i]});
        return Minus(s.VelocityHistory[i], base);
    };
    const Vec2 a = at((d.t1 + d.t2) / 2);
    const Vec2 b = at((d.t1 + d.t2 + 1) / 2);
    const Vec2 vre{0.5 * (a.x + b.x), 0.5 * (a.y + b.y)};
    return OmegaCross(0.5 * (d.omega1 + d.omega2), vre);
}

// The point of the derivation: as t1 closes on t2, each complementary acceleration tends to
// omega x Vre (their sum to the Coriolis term), the base's own change to the centripetal
// acceleration, and for the rotating observer -(Vb22 - Vb11)/dt turns across Vre.
TEST(Derivation, TheConstructionTendsToTheCoriolisAndCentripetalTerms)
{
    const ExplorerState s = SlidingRun();
    double previousError = std::numeric_limits<double>::infinity();
    for (const int steps : {8, 4, 1}) {
        const DerivationVectors d = ComputeDerivationVectors(s, DerivationSecondStep - steps);
        ASSERT_TRUE(d.Forward());
        const Vec2 expected = OmegaCrossVreAtMidpoint(s, d);
        const Vec2 first = {(d.Vb21.x - d.Vb11.x) / d.dt, (d.Vb21.y - d.Vb11.y) / d.dt};
        const Vec2 second = {(d.Vre22.x - d.Vre21.x) / d.dt, (d.Vre22.y - d.Vre21.y) / d.dt};
        const double error = Length(Minus(first, expected)) + Length(Minus(second, expected));
        EXPECT_LT(error, previousError) << steps;
        previousError = error;
        if (steps == 1) {
            for (const Vec2 part : {first, second}) {
                EXPECT_NEAR(Length(part), Length(expected), 0.1 * Length(expected));
                EXPECT_LT(AngleBetween(part, expected), 5.0 * 3.14159265 / 180.0);
            }
            const Vec2 sum{first.x + second.x, first.y + second.y};
            EXPECT_NEAR(Length(sum), 2.0 * Length(expected), 0.1 * Length(expected));
            // centripetal: (Vb22 - Vb21)/dt against -omega^2 R at the midpoint of x21 and x22
            const Vec2 centripetal{(d.Vb22.x - d.Vb21.x) / d.dt, (d.Vb22.y - d.Vb21.y) / d.dt};
            const Vec2 middle{0.5 * (d.x21.x + d.x22.x), 0.5 * (d.x21.y + d.x22.y)};
            const Vec2 exact{-d.omega2 * d.omega2 * middle.x, -d.omega2 * d.omega2 * middle.y};
            EXPECT_NEAR(Length(centripetal), Length(exact), 0.1 * Length(exact));
            EXPECT_LT(AngleBetween(centripetal, exact), 5.0 * 3.14159265 / 180.0);
            // rotating observer: the base's term is perpendicular to the relative velocity
            const Vec2 baseTerm{-(d.Vb2.x - d.Vb1.x), -(d.Vb2.y - d.Vb1.y)};
            EXPECT_NEAR(AngleBetween(baseTerm, d.Vre1), 3.14159265 / 2.0, 5.0 * 3.14159265 / 180.0);
        }
        // absolute = relative + base, at both moments and for both observers
        for (const auto& [a, r, b] :
             {std::tuple{d.Va11, d.Vre11, d.Vb11}, std::tuple{d.Va22, d.Vre22, d.Vb22},
              std::tuple{d.Va1, d.Vre1, d.Vb1}, std::tuple{d.Va2, d.Vre2, d.Vb2}}) {
            EXPECT_NEAR(a.x, r.x + b.x, 1e-12);
            EXPECT_NEAR(a.y, r.y + b.y, 1e-12);
        }
    }
}

const DrawnDerivationArrow& Drawn(const std::vector<DrawnDerivationArrow>& arrows,
                                  const std::string& label)
{
    static const DrawnDerivationArrow none;
    const auto found = std::find_if(arrows.begin(), arrows.end(), [&](const auto& a) {
        return a.label == label && !a.magnified;
    });
    EXPECT_NE(found, arrows.end()) << label;
    return found != arrows.end() ? *found : none;
}

// A free body on a base turning steadily at omega = 0.5, seen from the base: the straight line
// (0, 1) + v0 t turned by omega t. Its relative acceleration is the Coriolis term plus omega^2 r,
// so the Coriolis term is found from the path alone.
struct FreeBodySeenFromTheBase {
    Vec2 v0;
    double omega = 0.5;
    [[nodiscard]] Vec2 At(double t) const
    {
        const Vec2 x{v0.x * t, 1.0 + v0.y * t};
        const double c = std::cos(omega * t);
        const double s = std::sin(omega * t);
        return {c * x.x - s * x.y, s * x.x + c * x.y};
    }
    [[nodiscard]] Vec2 Coriolis(double t) const
    {
        const double h = 1e-3;
        const Vec2 a = (1.0 / (h * h)) * (At(t + h) - 2.0 * At(t) + At(t - h));
        return a - omega * omega * At(t);
    }
};

// Rotating page 8, drawn at the interval a student first sees: the relative acceleration is the
// chain of its parts head to tail, omega^2 R points outward as the text says, and the two parts
// across the relative velocity come within 10 % of the Coriolis term of the exact motion.
TEST(Derivation, TheRelativeAccelerationClosesOnTheCoriolisAndCentrifugalTerms)
{
    for (const auto& [vx, vy] : {std::pair{3, 0}, {1, 0}, {-3, 0}, {0, 2}, {2, 2}, {-1, -1}}) {
        SCOPED_TRACE(testing::Message() << "vx " << vx << " vy " << vy);
        const ExplorerState s = SlidingRun(vx, vy);
        Surface picture;
        picture.SetPixelSize(687, 687);
        const DerivationView view;
        const auto arrows = DrawDerivationPage(picture, s, view, true, 8);
        const DrawnDerivationArrow& relative = Drawn(arrows, "a_relative");
        const DrawnDerivationArrow& along = Drawn(arrows, "dVa/dt//r");
        const DrawnDerivationArrow& across = Drawn(arrows, "dVa/dt_|_");
        const DrawnDerivationArrow& base = Drawn(arrows, "-dVb/\u0394t");
        const DrawnDerivationArrow& coriolis = Drawn(arrows, "2VreX\u03C9");
        const DrawnDerivationArrow& centrifugal = Drawn(arrows, "\u03C9\u00B2\u03A7R");
        const double tolerance = 1e-9 * Length(relative.vector);
        EXPECT_LT(Length(along.tail + along.vector - across.tail), tolerance);
        EXPECT_LT(Length(across.tail + across.vector - base.tail), tolerance);
        EXPECT_LT(Length(base.tail + base.vector - (relative.tail + relative.vector)), tolerance);

        const FreeBodySeenFromTheBase exact{{0.5 * vx, 0.5 * vy}};
        const double t1 = view.t1 * s.StepInterval;
        const Vec2 r = exact.At(t1);
        const Vec2 expected = exact.Coriolis(t1);
        const double degree = std::numbers::pi / 180.0;
        EXPECT_LT(AngleBetween(centrifugal.vector, r), 0.5 * degree);
        EXPECT_LT(AngleBetween(coriolis.vector, expected), 0.5 * degree);
        // both drawn at one scale: their lengths stand as the exact terms' do
        EXPECT_NEAR(Length(centrifugal.vector) / Length(coriolis.vector),
                    exact.omega * exact.omega * Length(r) / Length(expected), 0.01);
        const Vec2 sum = across.vector + base.vector;
        EXPECT_LT(Length(sum - coriolis.vector), 0.1 * Length(coriolis.vector));
    }
}

TEST(Derivation, PagesWrapBothWaysForEachObserver)
{
    EXPECT_EQ(NextDerivationPage(0, true, false), 9);
    EXPECT_EQ(NextDerivationPage(0, true, true), 8);
    EXPECT_EQ(NextDerivationPage(9, false, false), 0);
    EXPECT_EQ(NextDerivationPage(8, false, true), 0);
    EXPECT_EQ(NextDerivationPage(4, true, true), 3);
    EXPECT_EQ(WrapDerivationPage(9, true), 0); // the inertial last page, in the rotating range
    EXPECT_EQ(WrapDerivationPage(7, true), 7);
}

// Every page prints its lines and names its vectors, and nothing lies outside the picture.
TEST(Derivation, EveryPageShowsItsTextAndLabelsInsideThePicture)
{
    const ExplorerState s = SlidingRun();
    struct Expect {
        bool rotating;
        int page;
        std::vector<std::string> labels;
    };
    const Expect pages[] = {
        {false, 0, {"x21", "x12"}},
        {false, 1, {"Vre1", "Vre2", "Vre11", "Vre21", "Vre22"}},
        {false, 2, {"Vb1", "Vb2", "Vb11", "Vb21", "Vb22"}},
        {false, 3, {"Vre11", "Vre22", "Vb11", "Vb22"}},
        {false, 4, {"Vre21", "Vb21"}},
        {false, 5, {"\u0394Vre(21-11)", "Vre11", "Vre21", "(Vre21-Vre11)/\u0394t"}},
        {false, 6, {"\u0394Vb(22-21)", "Vb21", "Vb22", "(Vb22-Vb21)/\u0394t"}},
        {false, 7, {"Vb21", "Vb11", "\u0394Vb(21-11)", "(Vb21-Vb11)/\u0394t"}},
        {false, 8, {"Vre21", "Vre22", "(Vre22-Vre21)/\u0394t"}},
        {false, 9, {"(Vre22-Vre21)/\u0394t", "(Vb21-Vb11)/\u0394t"}},
        {true, 0, {"Vre11", "Vre22"}},
        {true, 1, {"V\u03B111", "V\u03B122"}},
        {true, 2, {"Vb11", "Vb22", "-Vb11", "-Vb22"}},
        {true, 3, {"-Vb11", "-Vb22", "V\u03B111", "V\u03B122", "Vre11", "Vre22"}},
        {true, 4, {"Vre11", "Vre22", "(Vre22-Vre11)/\u0394t"}},
        {true, 5, {"-Vb11", "-Vb22", "-(Vb22-Vb11)/\u0394t"}},
        {true, 6, {"V\u03B111", "V\u03B122", "(V\u03B122-V\u03B111)/\u0394t"}},
        {true, 7, {"Vre11", "dVa/dt//r", "dVa/dt_|_", "(V\u03B122 - V\u03B111)/\u0394t"}},
        {true,
         8,
         {"2VreX\u03C9", "dVa/dt_|_", "-dVb/\u0394t", "a_relative", "\u03C9\u00B2\u03A7R",
          "dVa/dt//r"}},
    };
    for (const Expect& e : pages) {
        Surface picture;
        picture.SetPixelSize(700, 700);
        DrawDerivationPage(picture, s, DerivationView{}, e.rotating, e.page);
        std::vector<std::string> texts;
        const WorldWindow w = picture.Window();
        for (const Primitive& p : picture.Primitives()) {
            if (p.kind == PrimitiveKind::Text) {
                texts.push_back(p.text);
            }
            for (const Vec2 end : {Vec2{p.x1, p.y1}, Vec2{p.x2, p.y2}}) {
                if (p.kind == PrimitiveKind::Line || p.kind == PrimitiveKind::Text) {
                    EXPECT_GE(end.x, w.left) << e.page;
                    EXPECT_LE(end.x, w.left + w.width) << e.page;
                    EXPECT_LE(end.y, w.top) << e.page;
                    EXPECT_GE(end.y, w.top + w.height) << e.page;
                }
            }
        }
        const auto has = [&](const std::string& t) {
            return std::find(texts.begin(), texts.end(), t) != texts.end();
        };
        for (const std::string& line : DerivationText(e.rotating, e.page)) {
            EXPECT_TRUE(has(line)) << line;
        }
        for (const std::string& label : e.labels) {
            EXPECT_TRUE(has(label))
                << (e.rotating ? "rotating " : "inertial ") << e.page << " " << label;
        }
        EXPECT_TRUE(has("\u0394t = 0.50"));
    }
    EXPECT_EQ(DerivationText(false, 0).front(),
              "To explain the Centrifugal and the Coriolis Force");
    EXPECT_EQ(DerivationText(true, 7).back(),
              "Into 2 components: a) // to the radius and b) _|_ to Vrelative");
}

TEST(Derivation, ASecondMomentNotAfterTheFirstDrawsNoDifferences)
{
    const ExplorerState s = SlidingRun();
    Surface picture;
    DerivationView view;
    view.t1 = 64;
    DrawDerivationPage(picture, s, view, false, 5);
    bool said = false;
    for (const Primitive& p : picture.Primitives()) {
        said = said || p.text == "\u0394t = 0.10";
    }
    EXPECT_TRUE(said);
    view.t1 = 65;
    DrawDerivationPage(picture, s, view, false, 5);
    said = false;
    for (const Primitive& p : picture.Primitives()) {
        said = said || p.text == "\u0394t must be positive";
        EXPECT_NE(p.text, "(Vre21-Vre11)/\u0394t");
    }
    EXPECT_TRUE(said);
}

// Every page of a derivation is drawn in the same window, so nothing jumps from page to page,
// and on Picture1's size in a 1366 x 768 window each page's vectors span at least 150 pixels,
// magnified in the inset where they are small.
TEST(Derivation, OneWindowForEveryPageAndEachConstructionReadable)
{
    const ExplorerState s = SlidingRun();
    constexpr int Pixels = 687;
    for (const bool rotating : {true, false}) {
        std::optional<WorldWindow> window;
        for (int page = 0; page < DerivationPageCount(rotating); ++page) {
            SCOPED_TRACE(testing::Message() << (rotating ? "rotating " : "inertial ") << page);
            Surface picture;
            picture.SetPixelSize(Pixels, Pixels);
            const auto arrows = DrawDerivationPage(picture, s, DerivationView{}, rotating, page);
            if (!window) {
                window = picture.Window();
            }
            EXPECT_EQ(picture.Window(), *window);
            const bool magnified = std::any_of(arrows.begin(), arrows.end(),
                                               [](const auto& a) { return a.magnified; });
            double left = std::numeric_limits<double>::infinity();
            double right = -left, bottom = left, top = -left;
            for (const DrawnDerivationArrow& a : arrows) {
                if (a.magnified == magnified) {
                    for (const Vec2 p : {a.tail, a.tail + a.vector}) {
                        left = std::min(left, p.x);
                        right = std::max(right, p.x);
                        bottom = std::min(bottom, p.y);
                        top = std::max(top, p.y);
                    }
                }
            }
            if (!arrows.empty()) {
                const double across = std::max(right - left, top - bottom);
                EXPECT_GE(across * Pixels / window->width, 150.0);
            }
        }
    }
}

} // namespace
} // namespace ttl
