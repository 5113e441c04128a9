#include "explorer/explorer_views.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace ttl {
namespace {

// The picture that stays, then the moving arrows over it.
std::vector<Primitive> Drawn(const Surface& s)
{
    std::vector<Primitive> all = s.Primitives();
    all.insert(all.end(), s.TransientPrimitives().begin(), s.TransientPrimitives().end());
    return all;
}

std::vector<Primitive> LinesOf(const Surface& s, Color color)
{
    std::vector<Primitive> lines;
    for (const Primitive& p : Drawn(s)) {
        if (p.kind == PrimitiveKind::Line && p.color == color) {
            lines.push_back(p);
        }
    }
    return lines;
}

std::string TextStartingWith(const Surface& s, const std::string& prefix)
{
    for (const Primitive& p : Drawn(s)) {
        if (p.kind == PrimitiveKind::Text && p.text.rfind(prefix, 0) == 0) {
            return p.text;
        }
    }
    return {};
}

bool HasText(const Surface& s, const std::string& text)
{
    return TextStartingWith(s, text) == text;
}

class ExplorerViewTest : public testing::Test {
protected:
    ExplorerViewTest()
    {
        controls.check[3] = true;
        controls.baseChoice = BaseChoice::ConstantAngularMomentum;
        controls.rotatingFrame = true;
        ResetExplorer(state, controls);
        ScaleExplorerDiagram(picture1, state, controls.zoomValue);
    }
    ExplorerControls controls;
    ExplorerState state;
    Surface picture1;
    Surface picture2;
};

TEST_F(ExplorerViewTest, TheInertialViewPrintsTheSameAngularMomentumAtEveryStep)
{
    controls.rotatingFrame = false;
    controls.vxValue = 3;
    ResetExplorer(state, controls);
    std::string first;
    for (int n = 1; n <= 40; ++n) {
        StepInertialView(picture1, state, controls);
        const std::string printed = TextStartingWith(picture1, "L=");
        ASSERT_FALSE(printed.empty());
        if (first.empty()) {
            first = printed;
        }
        EXPECT_EQ(printed, first) << "step " << n;
        EXPECT_FALSE(TextStartingWith(picture1, "vRELx=").empty());
    }
}

TEST_F(ExplorerViewTest, ARedrawDrawsTheSamePictureAsTheStep)
{
    controls.vxValue = -2;
    for (int i : {2, 4, 5, 6, 7}) {
        controls.check[static_cast<std::size_t>(i)] = true;
    }
    ResetExplorer(state, controls);
    for (int n = 1; n <= 3; ++n) {
        StepRotatingView(picture1, picture2, state, controls);
    }
    const auto stepped = LinesOf(picture1, Color{100, 155, 150});
    const auto steppedSmall = LinesOf(picture2, Color{100, 155, 150});
    ASSERT_EQ(stepped.size(), 6U); // the arrow at the body and its legend sample
    RedrawRotatingView(picture1, picture2, state, controls);
    const auto redrawn = LinesOf(picture1, Color{100, 155, 150});
    ASSERT_EQ(redrawn.size(), stepped.size());
    for (std::size_t i = 0; i < redrawn.size(); ++i) {
        EXPECT_DOUBLE_EQ(redrawn[i].x2, stepped[i].x2);
        EXPECT_DOUBLE_EQ(redrawn[i].y2, stepped[i].y2);
        EXPECT_EQ(redrawn[i].width, 2);
    }
    EXPECT_EQ(LinesOf(picture2, Color{100, 155, 150}).size(), steppedSmall.size());
    for (const char* label : {"Coriolis Force", "Force due to base acc.", "Total Force",
                              "Centrifugal Force", "FRICTION", "Velocity in Inertial Frame"}) {
        EXPECT_TRUE(HasText(picture1, label)) << label;
    }
    EXPECT_EQ(picture1.DrawWidth(), 1);
    EXPECT_EQ(picture1.ForeColor(), colors::Black);
}

TEST_F(ExplorerViewTest, ACaughtBodyShowsNoRelativeVelocityAndFrictionTowardTheAxis)
{
    controls.vxValue = 4;
    controls.check[2] = true;
    ResetExplorer(state, controls);
    while (!state.StuckToBase) {
        StepRotatingView(picture1, picture2, state, controls);
    }
    StepRotatingView(picture1, picture2, state, controls);
    EXPECT_TRUE(LinesOf(picture1, Color{255, 0, 255}).empty());
    EXPECT_FALSE(HasText(picture1, "Velocity in Rotating Frame"));
    const RotatingFrameForces f = ForcesInRotatingFrame(state, controls);
    const auto green = LinesOf(picture1, Color{0, 255, 0});
    const auto shaft = std::find_if(green.begin(), green.end(), [&](const Primitive& p) {
        return p.x1 == f.position.x && p.y1 == f.position.y;
    });
    ASSERT_NE(shaft, green.end()); // the friction arrow at the body, not its legend sample
    const double m = state.Mass;
    const double w2 = state.StuckOmega * state.StuckOmega;
    const double scale = ExplorerArrowScales(state, controls).force;
    EXPECT_NEAR(shaft->x2 - shaft->x1, -scale * m * w2 * f.position.x, 1e-12);
    EXPECT_NEAR(shaft->y2 - shaft->y1, -scale * m * w2 * f.position.y, 1e-12);
}

TEST_F(ExplorerViewTest, BeforeTheFirstStepTheRedArrowFollowsTheScrollBars)
{
    controls.vxValue = 3;
    RedrawInertialView(picture1, state, controls);
    const auto red = LinesOf(picture1, colors::Red);
    const auto shaft = std::find_if(red.begin(), red.end(), [](const Primitive& p) {
        return p.x1 == 0.0 && p.y1 == 1.0; // at the start position, not the legend's sample
    });
    ASSERT_NE(shaft, red.end());
    EXPECT_DOUBLE_EQ(shaft->x2, 1.5 * ExplorerArrowScales(state, controls).velocity);
    EXPECT_DOUBLE_EQ(shaft->y2, 1.0);
    EXPECT_EQ(state.StepIndex, 0);
}

TEST_F(ExplorerViewTest, TheRotatingViewBuildsThePathStepByStep)
{
    for (int n = 1; n <= 7; ++n) {
        StepRotatingView(picture1, picture2, state, controls);
    }
    const auto circles =
        std::count_if(picture1.Primitives().begin(), picture1.Primitives().end(),
                      [](const Primitive& p) { return p.kind == PrimitiveKind::Circle; });
    EXPECT_EQ(circles, 2 + 7); // base, hub and one marker per step
}

// A continuous run costs the same late as early only if a step adds to the picture that stays
// its newest mark (and the fan's newest line) and replaces only the moving arrows, and the view
// paints just that. Checked past the point where the base has turned half a turn, in both frames,
// with the pendulum and without; what a step leaves must be what drawing the step whole gives,
// also after a check box changed the legend between two steps.
TEST(ExplorerViewGrowth, AStepOnlyAddsItsMarkToThePictureThatStays)
{
    for (const bool rotating : {false, true}) {
        for (const FoucaultMode foucault : {FoucaultMode::Off, FoucaultMode::Textbook}) {
            SCOPED_TRACE(testing::Message() << "rotating " << rotating << ", pendulum "
                                            << (foucault != FoucaultMode::Off));
            ExplorerControls controls;
            controls.rotatingFrame = rotating;
            controls.foucault = foucault;
            // Without friction the body never sticks to the base: the legend stays as it is.
            controls.check = {false, true, true, false, true, true, true, true};
            controls.vxValue = 3;
            ExplorerState state;
            ResetExplorer(state, controls);
            Surface picture1;
            Surface picture2;
            picture1.SetPixelSize(600, 700);
            ScaleExplorerDiagram(picture1, state, controls.zoomValue);
            std::size_t mostAdded = 0;
            for (int n = 1; n <= 700; ++n) {
                controls.check[7] = n < 400 || n > 401; // the total force hidden for two steps
                // The end of what stays (all of it is compared with the whole picture below).
                const std::size_t size = picture1.Primitives().size();
                const std::size_t clears = picture1.ClearCount();
                const std::vector<Primitive> end(
                    picture1.Primitives().end() -
                        static_cast<std::ptrdiff_t>(std::min<std::size_t>(size, 8)),
                    picture1.Primitives().end());
                rotating ? StepRotatingView(picture1, picture2, state, controls)
                         : StepInertialView(picture1, state, controls);
                const auto& after = picture1.Primitives();
                if (n > 1 && n != 400 && n != 402) {
                    ASSERT_EQ(picture1.ClearCount(), clears) << "step " << n; // not drawn whole
                    ASSERT_GE(after.size(), size) << "step " << n;
                    ASSERT_TRUE(
                        std::equal(end.begin(), end.end(),
                                   after.begin() + static_cast<std::ptrdiff_t>(size - end.size())))
                        << "step " << n;
                    mostAdded = std::max(mostAdded, after.size() - size);
                }
                if (n % 50 == 0 || (n >= 399 && n <= 403)) {
                    Surface whole = picture1.BlankCopy();
                    Surface wholeForces;
                    rotating ? RedrawRotatingView(whole, wholeForces, state, controls)
                             : RedrawInertialView(whole, state, controls);
                    ASSERT_EQ(whole.Primitives(), picture1.Primitives()) << "step " << n;
                    ASSERT_EQ(whole.TransientPrimitives(), picture1.TransientPrimitives())
                        << "step " << n;
                    if (rotating) {
                        ASSERT_EQ(wholeForces.Primitives(), picture2.Primitives()) << "step " << n;
                    }
                }
            }
            EXPECT_GT(state.BaseAngle, 3.0); // a fan of more than 150 lines
            EXPECT_LE(mostAdded, 3U);        // the mark and the fan's lines of 3 degrees
        }
    }
}

} // namespace
} // namespace ttl
