#include "shell/introduction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ttl {
namespace {

const Primitive* FindText(const Surface& s, const std::string& text)
{
    const auto& list = s.Primitives();
    const auto it = std::find_if(list.begin(), list.end(), [&](const Primitive& p) {
        return p.kind == PrimitiveKind::Text && p.text == text;
    });
    return it == list.end() ? nullptr : &*it;
}

// The shaft of an arrow: a line from the tail to tail + (dx, dy) in the colour.
bool HasShaft(const Surface& s, double x, double y, double dx, double dy, Color color)
{
    return std::any_of(s.Primitives().begin(), s.Primitives().end(), [&](const Primitive& p) {
        return p.kind == PrimitiveKind::Line && p.color == color && p.x1 == x && p.y1 == y &&
               p.x2 == x + dx && p.y2 == y + dy;
    });
}

TEST(IntroductionPicture, ShowsTheThreeFrictionAndVelocityArrowsWithTheirTexts)
{
    Surface s;
    s.SetPixelSize(500, 500);
    DrawIntroductionPicture(s);
    EXPECT_DOUBLE_EQ(s.ScaleLeft(), -100.0);
    EXPECT_DOUBLE_EQ(s.ScaleTop(), 100.0);
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 200.0);
    EXPECT_DOUBLE_EQ(s.ScaleHeight(), -200.0);

    const Color students{55, 0, 155};
    EXPECT_TRUE(HasShaft(s, 0, 30, 0, -20, colors::Black));
    EXPECT_TRUE(HasShaft(s, 0, 30, 30, 0, colors::Red));
    EXPECT_TRUE(HasShaft(s, 0, 30, -30, 0, students));

    struct Expected {
        const char* text;
        double x, y;
        Color color;
    };
    for (const Expected& e : {Expected{"FRICTION", 2, 13, colors::Black},
                              Expected{"  according to textbooks", 2, 7, colors::Black},
                              Expected{"FRICTION?", -60, 30, students},
                              Expected{"Students believe this", -80, 20, students},
                              Expected{"is the direction of friction", -80, 10, students},
                              Expected{"VELOCITY", 30, 30, colors::Red},
                              Expected{"ANGULAR VELOCITY", 6, -25, colors::Black}}) {
        const Primitive* p = FindText(s, e.text);
        ASSERT_NE(p, nullptr) << e.text;
        EXPECT_DOUBLE_EQ(p->x1, e.x) << e.text;
        EXPECT_DOUBLE_EQ(p->y1, e.y) << e.text;
        EXPECT_EQ(p->color, e.color) << e.text;
    }
}

TEST(IntroductionPicture, DrawsTheBaseTheAxisTheSenseOfRotationAndOmegaEndOn)
{
    Surface s;
    DrawIntroductionPicture(s);
    std::vector<const Primitive*> circles;
    for (const Primitive& p : s.Primitives()) {
        if (p.kind == PrimitiveKind::Circle) {
            circles.push_back(&p);
        }
    }
    ASSERT_EQ(circles.size(), 4U);
    EXPECT_DOUBLE_EQ(circles[0]->radius, 50.0); // the turntable
    EXPECT_FALSE(circles[0]->filled);
    EXPECT_DOUBLE_EQ(circles[1]->radius, 2.0); // the axis, a filled dot
    EXPECT_TRUE(circles[1]->filled);
    EXPECT_DOUBLE_EQ(circles[2]->radius, 40.0); // the arc below the axis
    constexpr double pi = std::numbers::pi;
    EXPECT_NEAR(*circles[2]->startAngle, 245.0 * pi / 180.0, 1e-12);
    EXPECT_NEAR(*circles[2]->endAngle, 295.0 * pi / 180.0, 1e-12);
    EXPECT_DOUBLE_EQ(circles[3]->y1, -25.0);
    EXPECT_DOUBLE_EQ(circles[3]->radius, 5.0);
    EXPECT_EQ(s.FillStyle(), FillStyle::Transparent);
}

TEST(IntroductionTexts, KeepTheirWordsAndSizes)
{
    const auto texts = IntroductionTexts();
    EXPECT_EQ(texts[0].text.rfind("Teachers often encounter difficulties", 0), 0U);
    EXPECT_NE(texts[0].text.find("\u00ABWhat is the force"), std::string::npos);
    EXPECT_NE(texts[1].text.find("v=A\u03C9 will be"), std::string::npos);
    EXPECT_EQ(texts[1].text.front(), ' ');
    EXPECT_DOUBLE_EQ(texts[1].fontSize, 14.0);
    EXPECT_EQ(texts[2].text.rfind("Some teachers offer this 'cyclical argument'", 0), 0U);
}

} // namespace
} // namespace ttl
