#include "shell/introduction.h"

#include "shell/picture_text.h"
#include "shell/translation.h"
#include "shell/vectors.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace ttl {

namespace {

void PrintAt(Surface& s, double x, double y, const std::string& text)
{
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(text);
}

// Two lines at (x, y) and (x, below), further apart when the font is taller than their gap.
void PrintTwoLines(Surface& s, double x, double y, double below, const std::string& first,
                   const std::string& second)
{
    PrintAt(s, x, y, first);
    PrintAt(s, x, std::min(below, y - s.TextLineHeight()), second);
}

// A point at `degrees` on the circle of `radius` about (cx, cy).
struct Point {
    double x;
    double y;
};
Point OnCircle(double cx, double cy, double radius, double degrees)
{
    const double rad = degrees * std::numbers::pi / 180.0;
    return {cx + radius * std::cos(rad), cy + radius * std::sin(rad)};
}

} // namespace

std::array<IntroductionText, 3> IntroductionTexts()
{
    // Translated on each call: the language is chosen after the program starts.
    static constexpr std::array<std::pair<const char*, double>, 3> sources{{
        {TrNoop("introduction",
                "Teachers often encounter difficulties explaining the motion in a rotating frame. "
                "One of these difficulties deals with the subject of centripetal force. Teachers "
                "need to address the question: «What is the force that acts as a centripetal "
                "force for a body lying on a turntable?» Usually teachers and textbooks offer "
                "the following suggestion: The friction between the body and the turntable acts "
                "as the centripetal force :"),
         12.0},
        {TrNoop("introduction",
                " There are some difficulties with this 'explanation'. If the body at (0,A) starts "
                "a sliding motion, the initial speed v=Aω will be perpendicular to the radius "
                "(0,A). Why is friction not directed to -v?"),
         14.0},
        {TrNoop("introduction",
                "Some teachers offer this 'cyclical argument': if the friction does not follow "
                "this direction then there will be no cyclical motion"),
         12.0},
    }};
    std::array<IntroductionText, 3> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = {Tr("introduction", sources[i].first), sources[i].second};
    }
    return texts;
}

void DrawIntroductionPicture(Surface& s)
{
    const Color studentsColour{55, 0, 155};
    const std::string friction = Tr("introduction", "FRICTION");
    const std::string textbooks = Tr("introduction", "  according to textbooks");
    const std::string question = Tr("introduction", "FRICTION?");
    const std::string students = Tr("introduction", "Students believe this");
    const std::string direction = Tr("introduction", "is the direction of friction");
    const std::string velocity = Tr("introduction", "VELOCITY");
    const std::string angular = Tr("introduction", "ANGULAR VELOCITY");
    s.Scale(-100, 100, 100, -100);
    s.Cls();
    // Left of the centre line up to it, right of it up to the edge, the question up to its arrow.
    FitFontToPicture(s, {{friction, 96}, {textbooks, 96}, {question, 28}, {students, 78},
                         {direction, 78}, {velocity, 68}, {angular, 92}});
    s.SetDrawWidth(1);
    s.SetDrawStyle(DrawStyle::Solid);
    s.SetForeColor(colors::Black);

    s.Circle(0, 0, 50);

    // The textbooks' friction: from the body toward the centre.
    DrawVector(s, 0, 30, 0, -20, 0, 0, 0);
    PrintTwoLines(s, 2, 13, 7, friction, textbooks);

    DrawVector(s, 0, 30, 30, 0, 255, 0, 0);

    DrawVector(s, 0, 30, -30, 0, studentsColour.red, studentsColour.green, studentsColour.blue);
    s.SetForeColor(studentsColour);
    PrintAt(s, -60, 30, question);
    PrintTwoLines(s, -80, 20, 10, students, direction);

    s.SetForeColor(colors::Red);
    PrintAt(s, 30, 30, velocity);
    s.SetForeColor(colors::Black);

    s.SetFillStyle(FillStyle::Solid);
    s.Circle(0, 0, 2);
    s.SetFillStyle(FillStyle::Transparent);

    // The base turns clockwise: an arc under the axis with an arrow at its left end pointing the
    // way a point of the base moves there, (sin a, -cos a) for clockwise rotation.
    constexpr double pi = std::numbers::pi;
    s.Arc(0, 0, 40, 245.0 * pi / 180.0, 295.0 * pi / 180.0);
    const double a = 245.0 * pi / 180.0;
    const Point tail = OnCircle(0, 0, 40, 245.0);
    DrawVector(s, tail.x, tail.y, 10.0 * std::sin(a), -10.0 * std::cos(a), 0, 0, 0);

    // The angular velocity points into the page: a circle with a cross, seen end-on.
    s.Circle(0, -25, 5);
    const Point p135 = OnCircle(0, -25, 5, 135.0);
    const Point pm45 = OnCircle(0, -25, 5, -45.0);
    const Point p45 = OnCircle(0, -25, 5, 45.0);
    const Point p225 = OnCircle(0, -25, 5, 225.0);
    s.Line(p135.x, p135.y, pm45.x, pm45.y);
    s.Line(p45.x, p45.y, p225.x, p225.y);
    PrintAt(s, 6, -25, angular);
}

} // namespace ttl
