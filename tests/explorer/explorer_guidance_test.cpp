#include "explorer/explorer_guidance.h"

#include <gtest/gtest.h>

#include <ostream>

#include <vector>

namespace ttl {
namespace {

struct GuidanceRow {
    const char* label;
    bool rotating;
    bool friction;
    BaseChoice choice;
    std::vector<int> ticked;
    const char* startsWith; // nullptr: the text is left unchanged
    const char* endsWith;
    Color color;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const GuidanceRow& row, std::ostream* out)
{
    *out << row.label;
}

class GuidanceTest : public testing::TestWithParam<GuidanceRow> {};

TEST_P(GuidanceTest, FollowsTheRulesInOrder)
{
    const GuidanceRow& row = GetParam();
    ExplorerControls c;
    c.rotatingFrame = row.rotating;
    c.check[3] = row.friction;
    c.baseChoice = row.choice;
    for (int i : row.ticked) {
        c.check[static_cast<std::size_t>(i)] = true;
    }
    const auto guidance = ShowGuidanceText(c, false);
    if (row.startsWith == nullptr) {
        EXPECT_FALSE(guidance.has_value());
        return;
    }
    ASSERT_TRUE(guidance.has_value());
    const std::string& text = guidance->text;
    EXPECT_EQ(text.rfind(row.startsWith, 0), 0U) << text;
    const std::string end = row.endsWith;
    ASSERT_GE(text.size(), end.size());
    EXPECT_EQ(text.substr(text.size() - end.size()), end) << text;
    EXPECT_EQ(guidance->color, row.color);
}

constexpr auto Constant = BaseChoice::ConstantAngularVelocity;
constexpr auto Varies = BaseChoice::ConstantAngularMomentum;
constexpr auto Neither = BaseChoice::None;
const char* const A = "CASE WITH FRICTION. \u03C9 = CONSTANT";
const char* const AEnd = "INCREASE OF SPEED";
const char* const D = "CASE WITH FRICTION. \u03C9 NOT A CONSTANT";
const char* const F = "NO FRICTION, IN INERTIAL FRAME";
const char* const H = "NO FRICTION, IN INERTIAL FRAME";

INSTANTIATE_TEST_SUITE_P(
    Table, GuidanceTest,
    testing::Values(
        GuidanceRow{"InertialConstant", false, true, Constant, {}, A, AEnd, {200, 0, 0}},
        GuidanceRow{"InertialConstantBase",
                    false,
                    true,
                    Constant,
                    {1},
                    A,
                    "PRESS 'SHOW RELATIVE VELOCITY'",
                    {9, 150, 155}},
        GuidanceRow{
            "InertialConstantRelative", false, true, Constant, {1, 2}, A, AEnd, {9, 150, 0}},
        GuidanceRow{"InertialVaries",
                    false,
                    true,
                    Varies,
                    {},
                    D,
                    "L=ANGULAR MOMENTUM IS A CONSTANT",
                    {9, 50, 150}},
        GuidanceRow{"InertialVariesRelative",
                    false,
                    true,
                    Varies,
                    {2},
                    D,
                    "FRICTION IS OPPOSITE TO RELATIVE VELOCITY",
                    {9, 150, 0}},
        GuidanceRow{
            "InertialNoFriction", false, false, Neither, {}, F, "TO STUDY THIS CASE.", {255, 0, 0}},
        GuidanceRow{"InertialNoFrictionRelative",
                    false,
                    false,
                    Varies,
                    {2},
                    F,
                    "VELOCITY OF THE POINT OF BASE",
                    {9, 150, 0}},
        GuidanceRow{"RotatingConstant",
                    true,
                    true,
                    Constant,
                    {},
                    A,
                    "FRICTION IS OPPOSITE TO RELATIVE VELOCITY",
                    {200, 0, 0}},
        GuidanceRow{"RotatingConstantBase",
                    true,
                    true,
                    Constant,
                    {1},
                    A,
                    "PRESS 'SHOW RELATIVE VELOCITY'",
                    {9, 150, 155}},
        GuidanceRow{"RotatingConstantRelative", true, true, Constant, {2, 5}, A, AEnd, {9, 150, 0}},
        GuidanceRow{"RotatingVaries", true, true, Varies, {}, D, "IS A CONSTANT", {9, 50, 150}},
        GuidanceRow{"RotatingVariesRelative",
                    true,
                    true,
                    Varies,
                    {2},
                    D,
                    "OPPOSITE TO RELATIVE VELOCITY",
                    {9, 150, 0}},
        GuidanceRow{"RotatingVariesCentrifugal",
                    true,
                    true,
                    Varies,
                    {2, 5},
                    H,
                    "PRESS CORIOLIS",
                    {0, 0, 255}},
        GuidanceRow{"RotatingVariesCoriolis",
                    true,
                    true,
                    Varies,
                    {5, 4},
                    "YOU CAN SEE THAT THE CORIOLIS",
                    "PRESS BASE ACC",
                    {255, 0, 255}},
        GuidanceRow{"RotatingVariesTotal",
                    true,
                    true,
                    Varies,
                    {4, 7},
                    "YOU CAN SEE THAT THE TOTAL FORCE DOES NOT",
                    "PRESS FRICTION",
                    {155, 35, 95}},
        GuidanceRow{"RotatingVariesBaseAcc",
                    true,
                    true,
                    Varies,
                    {4, 6, 7},
                    "IS THE FORCE DUE TO THE BASE",
                    "TURNS THE OTHER WAY",
                    {55, 35, 95}},
        GuidanceRow{
            "RotatingNoFriction", true, false, Constant, {}, H, "PRESS CENTRIFUGAL", {255, 0, 0}},
        GuidanceRow{"RotatingNoFrictionCentrifugal",
                    true,
                    false,
                    Constant,
                    {5},
                    H,
                    "PRESS CORIOLIS",
                    {0, 0, 255}},
        GuidanceRow{"RotatingNoFrictionCoriolis",
                    true,
                    false,
                    Varies,
                    {5, 4},
                    "YOU CAN SEE THAT THE CORIOLIS",
                    "PRESS TOTAL FORCE",
                    {255, 0, 255}},
        GuidanceRow{"RotatingNoFrictionTotal",
                    true,
                    false,
                    Constant,
                    {4, 7},
                    "YOU CAN SEE THAT THE TOTAL FORCE MAKES",
                    "PRESS FRICTION",
                    {155, 35, 95}},
        GuidanceRow{"RotatingNoFrictionRelative",
                    true,
                    false,
                    Constant,
                    {4, 7, 2},
                    F,
                    "VELOCITY OF THE POINT OF BASE",
                    {9, 150, 0}}, // darker than (9, 250, 0): readable on white
        GuidanceRow{
            "InertialFrictionNoChoiceUnchanged", false, true, Neither, {2}, nullptr, "", {}},
        GuidanceRow{
            "RotatingFrictionNoChoiceUnchanged", true, true, Neither, {5, 4}, nullptr, "", {}}),
    [](const testing::TestParamInfo<GuidanceRow>& info) { return std::string(info.param.label); });

// A pendulum swings rather than moving in a line: its sentence replaces the free body's and the
// invitation after it stays.
TEST(Guidance, ThePendulumTakesTheFreeBodysPlace)
{
    ExplorerControls c;
    c.foucault = FoucaultMode::Textbook;
    for (const bool rotating : {false, true}) {
        c.rotatingFrame = rotating;
        const auto guidance = ShowGuidanceText(c, false);
        ASSERT_TRUE(guidance.has_value());
        EXPECT_EQ(guidance->text.rfind("FOUCAULT PENDULUM, IN INERTIAL FRAME", 0), 0U);
        EXPECT_EQ(guidance->text.find("NO FRICTION"), std::string::npos);
        EXPECT_NE(guidance->text.find(rotating ? "PRESS CENTRIFUGAL" : "TO STUDY THIS CASE."),
                  std::string::npos)
            << guidance->text;
    }
}

TEST(Guidance, IsEmptyWhileTheDerivationOwnsTheDiagram)
{
    ExplorerControls c;
    c.check[3] = true;
    const auto guidance = ShowGuidanceText(c, true);
    ASSERT_TRUE(guidance.has_value());
    EXPECT_TRUE(guidance->text.empty());
}

} // namespace
} // namespace ttl
