#include "curve/curve_diagrams.h"

#include "shell/picture_text.h"
#include "shell/translation.h"
#include "shell/vectors.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ttl {

namespace {

constexpr Color VelocityColor{255, 0, 0};
constexpr Color CentripetalColor{5, 150, 255};
constexpr Color TangentialColor{5, 150, 250};
constexpr Color TotalColor{0, 0, 0};
constexpr Color CircleColor{250, 0, 150};
constexpr Color FrictionColor{155, 155, 0};
constexpr Color ForceColor{0, 0, 255};
constexpr Color ExtraCentripetalColor{0, 150, 250};
constexpr Color ExtraCentripetalLegendColor{25, 50, 250};
constexpr Color ExtraShapeColor{0, 250, 10};
constexpr Color ExtraTangentialColor{150, 200, 50};
constexpr double FrictionLength = 3.5;
constexpr double OnCurveDistance = 0.1;
// Where the path needs no bending, a force crossing it by less than this share of its size is
// taken as along it: a drag by hand is never exactly straight.
constexpr double StraightSlant = 0.05;

void Arrow(Surface& s, double x, double y, Vec2 v, Color c)
{
    DrawVector(s, x, y, v.x, v.y, c.red, c.green, c.blue);
}

void PrintAt(Surface& s, double x, double y, const std::string& text, Color color = colors::Black)
{
    s.SetForeColor(color);
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(text);
    s.SetForeColor(colors::Black);
}

void LegendEntry(Surface& s, double arrowX, double arrowY, double textX, double textY,
                 const std::string& text, Color color)
{
    Arrow(s, arrowX, arrowY, {1.0, 0.0}, color);
    PrintAt(s, textX, textY, text);
}

// The curve as 401 points, x = 0, 0.05, ... 20.
void DrawCurve(Surface& s, const CurveParameters& p)
{
    for (int i = 0; i <= 400; ++i) {
        const double x = 0.05 * i;
        s.PSet(x, p.A * std::sin(p.beta * x));
    }
}

// The three vectors of a point, at the drawing scale A/4 for the accelerations.
struct PointVectors {
    Vec2 velocity, centripetal, tangential;
};

PointVectors VectorsAt(const CurveParameters& p, const CurvePoint& c)
{
    const Vec2 along{c.cosTheta, c.sinTheta};
    const Vec2 across{-c.sinTheta, c.cosTheta};
    return {c.speed * along, (p.A / 4.0) * c.normal * across, (p.A / 4.0) * p.at * along};
}

void DottedCircle(Surface& s, double x, double y, double radius)
{
    s.SetDrawStyle(DrawStyle::Dot);
    s.Circle(x, y, std::abs(radius), CircleColor);
    s.SetDrawStyle(DrawStyle::Solid);
}

double ClampToCurve(double x)
{
    return std::clamp(x, 0.0, CurveLength);
}

} // namespace

void ScaleCurveWindow(Surface& eikona)
{
    eikona.Scale(0.0, 10.0, CurveLength, -10.0);
}

std::string DrawAccelerationFactors(Surface& s, const CurveInputs& inputs)
{
    const CurveParameters p = ParametersOf(inputs);
    for (int i = 0; i <= 400; ++i) {
        const double x = 0.05 * i;
        s.PSet(x, p.A * std::sin(p.beta * x));
        if (i % 28 == 0) { // x = 0, 1.4, ... 19.6
            const CurvePoint c = CurveAt(p, x);
            const PointVectors v = VectorsAt(p, c);
            Arrow(s, x, c.y, v.velocity, VelocityColor);
            Arrow(s, x, c.y, v.centripetal, CentripetalColor);
            Arrow(s, x, c.y, v.centripetal + v.tangential, TotalColor);
        }
    }
    LegendEntry(s, 9, -9.1, 10, -9.1, Tr("curve", "VELOCITY"), VelocityColor);
    LegendEntry(s, 9, -8.1, 10, -8.1, Tr("curve", "CENTRIPETAL ACCELERATION"), CentripetalColor);
    LegendEntry(s, 9, -7.1, 10, -7.1, Tr("curve", "TOTAL ACCELERATION"), TotalColor);
    return Tr("curve",
              "The centripetal acceleration has a direction towards the concave side of the "
              "curve. You can study the effect of CURVATURE with respect to the MEASURE of "
              "CENTRIPETAL acceleration. You can change the SPEED, and that changes the "
              "centripetal acceleration=υ²/R where R is the radius of CURVATURE. You "
              "can change the AMPLITUDE and the FREQUENCY of the curve, and this changes the "
              "CURVATURE. You should observe that the CENTRIPETAL =0 at points where the orbit "
              "is LINEAR. By changing the TANGENT component of acceleration you can see that if "
              "it is increased, the CENTRIPETAL acceleration changes.");
}

std::string DrawCurvatureCircles(Surface& s, const CurveInputs& inputs)
{
    constexpr double pi = std::numbers::pi;
    const CurveParameters p = ParametersOf(inputs);
    DrawCurve(s, p);
    for (const double phi : {pi / 2.0, 3.0 * pi / 2.0}) {
        const double x = phi / p.beta; // the first crest, then the first trough
        const CurvePoint c = CurveAt(p, x);
        DottedCircle(s, x, c.y + c.radius, c.radius); // the tangent is level here
        s.PSet(x, c.y);
        const PointVectors v = VectorsAt(p, c);
        Arrow(s, x, c.y, v.velocity, VelocityColor);
        Arrow(s, x, c.y, v.centripetal, CentripetalColor);
        Arrow(s, x, c.y, v.tangential, TangentialColor);
    }
    // The arrows left of their texts, as in the factors diagram, rather than over them.
    LegendEntry(s, 9, -9.1, 10, -9.1, Tr("curve", "VELOCITY"), VelocityColor);
    LegendEntry(s, 9, -8.1, 10, -8.1, Tr("curve", "CENTRIPETAL ACCELERATION"), CentripetalColor);
    return Tr("curve", "The centripetal acceleration is directed towards the concave side of the "
                       "curve. The TANGENTIAL acceleration is directed along the tangent, the "
                       "circles are drawn with a radius =RADIUS OF CURVATURE.");
}

std::string ShowVectorsAtPoint(Surface& s, const CurveInputs& inputs, CurveMouseMode mode,
                               ForceAssumption& state, double xc, double yc)
{
    const CurveParameters p = ParametersOf(inputs);
    s.Cls();
    DrawCurve(s, p);
    const double x = ClampToCurve(xc);
    const double y = p.A * std::sin(p.beta * x);
    if (std::abs(y - yc) >= OnCurveDistance) {
        state.onCurve = false;
        return DrawCurvatureCircles(s, inputs);
    }
    state.onCurve = true;
    const CurvePoint c = CurveAt(p, x);
    if (c.curvature != 0.0) {
        DottedCircle(s, x - c.radius * c.sinTheta, y + c.radius * c.cosTheta, c.radius);
    }
    s.PSet(x, y);
    const PointVectors v = VectorsAt(p, c);
    state.V = v.velocity;
    state.C = v.centripetal;
    state.T = v.tangential;
    Arrow(s, x, y, state.V, VelocityColor);
    Arrow(s, x, y, state.C, CentripetalColor);
    Arrow(s, x, y, state.T, TangentialColor);
    std::string text;
    if (mode == CurveMouseMode::AssumeForce) {
        s.SetDrawWidth(3);
        const double speed = Length(state.V);
        if (speed > 0.0) { // at rest friction has no direction: none is drawn
            Arrow(s, x, y, (-FrictionLength / speed) * state.V, FrictionColor);
        }
        PrintAt(s, 2, 9.8, Tr("curve", "FRICTION"));
        Arrow(s, 0.2, 9.3, {1.0, 0.0}, FrictionColor);
        s.SetDrawWidth(1);
        text = Tr("curve",
                  "Click on the diagram so that the vectors FRICTION, VELOCITY and "
                  "ACCELERATION (centripetal and tangential) are shown. PRESS SHIFT and drag the "
                  "mouse from a point of the curve to draw a force that will explain the SHAPE "
                  "AND TANGENTIAL ACCELERATION, observe if the drawn force: A) IS CORRECT AS FAR "
                  "AS DIRECTION IS CONCERNED & B) WHICH ARE THE FORCES NEEDED?");
    } else if (mode == CurveMouseMode::RadiusOfCurvature) {
        text = Tr("curve", "The centripetal acceleration is directed towards the concave side of "
                           "the curve. The TANGENTIAL is tangent to the curve, the circles are "
                           "drawn with radius = RADIUS OF CURVATURE.");
    }
    LegendEntry(s, 14, -9.1, 15, -9.1, Tr("curve", "VELOCITY"), VelocityColor);
    LegendEntry(s, 14, -8.1, 15, -8.1, Tr("curve", "ACCELERATION"), CentripetalColor);
    return text;
}

void JudgeForce(Surface& s, const CurveInputs& inputs, ForceAssumption& state, double xu, double yu)
{
    const CurveParameters p = ParametersOf(inputs);
    const double xd = ClampToCurve(state.xd);
    const CurvePoint c = CurveAt(p, xd);
    const PointVectors v = VectorsAt(p, c);
    state.V = v.velocity;
    state.C = v.centripetal;
    const Vec2 V = state.V, C = state.C, T = state.T;

    const Vec2 F{xu - state.xd, yu - state.yd};
    Arrow(s, state.xd, state.yd, F, ForceColor);
    const double speed = Length(V);
    const Vec2 f = speed > 0.0 ? (-FrictionLength / speed) * V : Vec2{};

    if (Dot(F + f, T) < 0.0 || Dot(F, f) > 0.0) {
        PrintAt(s, 2, 9, Tr("curve", "FORCE: INCORRECT FOR THE TANGENTIAL ACCELERATION"));
    }
    // Where no bending is needed (at rest, or on a straight stretch) the force must not push
    // across the path: a small slant is allowed, and whatever crosses it must be cancelled.
    const bool noBending = Length(C) == 0.0;
    const Vec2 across{-c.sinTheta, c.cosTheta};
    const double crossing = Dot(F, across);
    const bool rightForShape =
        noBending ? std::abs(crossing) <= StraightSlant * Length(F) : Dot(F, C) > 0.0;
    if (rightForShape) {
        PrintAt(s, 2, 8,
                Tr("curve", "FORCE: HAS THE CORRECT DIRECTION FOR THE SHAPE OF THE CURVE"));
    } else {
        PrintAt(s, 2, 8, Tr("curve", "FORCE: HAS THE WRONG DIRECTION FOR THE SHAPE OF THE CURVE"));
        s.SetDrawWidth(3);
        if (!noBending) {
            Arrow(s, state.xd, state.yd, C, ExtraCentripetalColor);
            PrintAt(s, 2, 7, Tr("curve", "DIRECTION OF EXTRA FORCE FOR CENTRIPETAL"));
            Arrow(s, 0.2, 6.8, {1.0, 0.0}, ExtraCentripetalLegendColor);
        }
        s.SetDrawWidth(1);
    }
    // The normal force the bending needs, |kappa| |V|^2 towards the centre of curvature, less
    // what F already gives.
    Vec2 extraN = -crossing * across;
    if (!noBending) {
        const Vec2 n = (1.0 / std::abs(p.A * c.normal / 4.0)) * C;
        extraN = (std::abs(c.curvature) * speed * speed - Dot(F, n)) * n;
    }
    s.SetDrawWidth(2);
    Arrow(s, state.xd, state.yd, extraN, ExtraShapeColor);
    s.SetDrawWidth(1);
    // What the tangential acceleration still needs beyond F's share along it and friction.
    Vec2 extraT;
    if (Length(T) != 0.0) {
        extraT = T - (f + (Dot(F, T) / Dot(T, T)) * T);
    } else if (speed > 0.0) {
        extraT = T - (f + (Dot(F, V) / Dot(V, V)) * V);
    }
    s.SetDrawWidth(2);
    Arrow(s, state.xd, state.yd, extraT, ExtraTangentialColor);
    LegendEntry(s, 0.2, -8.5, 2, -8, Tr("curve", "EXTRA NEEDED FORCE FOR SHAPE"), ExtraShapeColor);
    LegendEntry(s, 0.2, -9.5, 2, -9, Tr("curve", "EXTRA NEEDED FORCE FOR TANGENTIAL ACC."),
                ExtraTangentialColor);
    s.SetDrawWidth(1);
}

std::string DrawFirstExplanation(Surface& s)
{
    constexpr double pi = std::numbers::pi;
    const double degree = pi / 180.0;
    const std::string point = Tr("curve", "THE POINT OF THE DISK");
    const std::string arrives = Tr("curve", "AT WHICH THE BODY ARRIVES");
    const std::string faster = Tr("curve", "HAS GREATER SPEED");
    const std::string velocity = Tr("curve", "VELOCITY");
    const std::string angular = Tr("curve", "ANGULAR VELOCITY");
    const double textX = 30 * std::sqrt(0.15);
    s.Scale(-100, 100, 100, -100);
    s.Cls();
    // Each text runs to the right edge.
    FitFontToPicture(s, {{point, 98 - textX}, {arrives, 98 - textX}, {faster, 98 - textX},
                         {velocity, 68}, {angular, 92}});
    s.SetDrawWidth(1);
    s.SetDrawStyle(DrawStyle::Solid);
    s.Circle(0, 0, 50); // the disk
    s.SetDrawWidth(3);
    Arrow(s, 0, 30, {30, 0}, colors::Black); // the body at (0, 30), moving right
    s.SetDrawWidth(1);
    s.Line(0, 50, 0, 0);
    s.Line(50 * std::sin(1.0), 50 * std::cos(1.0), 0, 0); // the radius after a turn of 1 rad
    s.Arc(0, 0, 30, pi / 2.0 - 1.0, pi / 2.0);
    s.Circle(30, 30, 2); // where the body is when the disk has turned by 1 rad

    s.SetDrawStyle(DrawStyle::Dot);
    Arrow(s, 0, 30 * std::sqrt(2.05), {30 * std::sqrt(2.0), 0}, colors::Black);
    Arrow(s, 0, 30 * std::sqrt(2.0), {30 * std::sqrt(2.0), 0}, colors::Black);
    PrintAt(s, textX, 30 * std::sqrt(8.25), point);
    PrintAt(s, textX, 30 * std::sqrt(6.25), arrives);
    PrintAt(s, textX, 30 * std::sqrt(4.25), faster);
    s.Circle(0, 0, 30 * std::sqrt(2.0));
    s.SetDrawStyle(DrawStyle::Solid);

    PrintAt(s, 30, 30, velocity, {255, 0, 0});
    s.SetFillStyle(FillStyle::Solid);
    s.Circle(0, 0, 2); // the axis
    s.SetFillStyle(FillStyle::Transparent);

    // The sense of rotation: clockwise.
    s.Arc(0, 0, 40, 245 * degree, 295 * degree);
    Arrow(s, -40 * std::sin(25 * degree), -40 * std::cos(25 * degree),
          {-10 * std::cos(25 * degree), 10 * std::sin(25 * degree)}, colors::Black);
    // The angular velocity, pointing into the screen.
    s.Circle(0, -25, 5);
    s.Line(5 * std::cos(135 * degree), -25 + 5 * std::sin(135 * degree), 5 * std::cos(-45 * degree),
           -25 + 5 * std::sin(-45 * degree));
    s.Line(5 * std::cos(225 * degree), -25 + 5 * std::sin(225 * degree), 5 * std::cos(45 * degree),
           -25 + 5 * std::sin(45 * degree));
    PrintAt(s, 6, -25, angular);
    return Tr("curve",
              "A FIRST EXPLANATION: The body, as is seen in the diagram, moves to greater "
              "distances from the centre. As it moves out it is found over points of the disk "
              "that have a greater speed than this body, so it lags behind them. For the "
              "ROTATING OBSERVER it will be seen to the left of the initial RADIUS. Press NEXT to "
              "observe the movement step by step. Press CURVE - ACCELERATION to study the "
              "factors on which the direction of ACCELERATION depends. Press RELATIVE MOTION to "
              "study FICTITIOUS FORCES");
}

} // namespace ttl
