#include "explorer/explorer_guidance.h"

#include <functional>

namespace ttl {

namespace {

const char* const A =
    "CASE WITH FRICTION. \u03C9 = CONSTANT, FRICTION ALWAYS CAUSES AN INCREASE OF SPEED";
const char* const B = "TO FIND THE RELATIVE VELOCITY PRESS 'SHOW RELATIVE VELOCITY'";
const char* const C = " OBSERVE THAT FRICTION IS OPPOSITE TO RELATIVE VELOCITY";
const char* const D = "CASE WITH FRICTION. \u03C9  NOT A  CONSTANT, the friction will eventually "
                      "oppose the relative VELOCITY";
const char* const E = " OBSERVE THAT L=ANGULAR MOMENTUM IS A CONSTANT";
const char* const F = "NO FRICTION, IN INERTIAL FRAME THE BODY MOVES IN A LINE ACCORDING TO 1ST "
                      "LAW, IN THE ROTATING FRAME ITS ORBIT IS A SPIRAL. WHAT IS THE CAUSE?? "
                      "CHOOSE 'ROTATING' TO STUDY THIS CASE.";
const char* const G = "RELATIVE VELOCITY=ABSOLUTE VELOCITY - VELOCITY OF THE POINT OF BASE";
const char* const H = "NO FRICTION, IN INERTIAL FRAME THE BODY MOVES IN A LINE ACCORDING TO 1ST "
                      "LAW, IN THE ROTATING FRAME ITS ORBIT IS A SPIRAL. WHAT IS THE CAUSE??";
// In a Foucault mode the bob is pulled toward the axis: it swings rather than moving in a line.
const char* const HPendulum =
    "FOUCAULT PENDULUM, IN INERTIAL FRAME THE BOB SWINGS BACK AND FORTH IN A FIXED PLANE, IN THE "
    "ROTATING FRAME THE PLANE OF THE SWING TURNS. WHAT IS THE CAUSE??";
const char* const J = "DOES THE CENTRIFUGAL EXPLAIN THE SHAPE OF THE CURVE? PRESS CORIOLIS";
const char* const K = "YOU CAN SEE THAT THE CORIOLIS FORCE IS _|_ TO THE RELATIVE VELOCITY. SINCE "
                      "THE BASE DECELLERATES THERE IS ANOTHER FICTITIOUS FORCE. PRESS BASE ACC";
const char* const L = "YOU CAN SEE THAT THE TOTAL FORCE DOES NOT MAKE ALWAYS AN ACUTE ANGLE TO THE "
                      "RELATIVE VELOCITY, AND IS DIRECTED TOWARDS THE CONVEX PART OF THE CURVE, TO "
                      "SEE THE EFFECTS OF FRICTION PRESS FRICTION";
const char* const M = "IS THE FORCE DUE TO THE BASE ACCELERATION IMPORTANT? OBSERVE THE FICTITIOUS "
                      "FORCE AS THE CONVEX PART OF THE CURVE TURNS THE OTHER WAY";
const char* const N = "PRESS CENTRIFUGAL";
const char* const P = "YOU CAN SEE THAT THE CORIOLIS FORCE IS _|_ TO THE RELATIVE VELOCITY, TO SEE "
                      "THE TOTAL FORCE PRESS TOTAL FORCE";
const char* const Q = "YOU CAN SEE THAT THE TOTAL FORCE MAKES AN ACUTE ANGLE TO THE RELATIVE "
                      "VELOCITY, AND IS DIRECTED TOWARDS THE CONVEX PART OF THE CURVE, TO SEE THE "
                      "EFFECTS OF FRICTION PRESS FRICTION";

enum class Frame { Inertial, Rotating };
enum class Omega { Any, Constant, Varies };

struct Rule {
    Frame frame;
    bool friction;
    Omega omega;
    std::function<bool(const ExplorerControls&)> applies;
    Color color;
    std::string text;
};

bool Always(const ExplorerControls&)
{
    return true;
}

bool Ticked(const ExplorerControls& c, int i)
{
    return c.check[static_cast<std::size_t>(i)];
}

// Applied in order; a later rule that applies overwrites the earlier ones.
const std::vector<Rule>& Rules()
{
    using std::string;
    const auto check = [](int i) {
        return [i](const ExplorerControls& c) { return Ticked(c, i); };
    };
    const auto notCheck = [](int i) {
        return [i](const ExplorerControls& c) { return !Ticked(c, i); };
    };
    const auto baseNotRelative = [](const ExplorerControls& c) {
        return Ticked(c, 1) && !Ticked(c, 2);
    };
    static const std::vector<Rule> rules{
        {Frame::Inertial, true, Omega::Constant, Always, {200, 0, 0}, A},
        {Frame::Inertial, true, Omega::Constant, baseNotRelative, {9, 150, 155}, string(A) + B},
        {Frame::Inertial, true, Omega::Constant, check(2), {9, 150, 0}, A},
        {Frame::Inertial, true, Omega::Varies, notCheck(2), {9, 50, 150}, string(D) + E},
        {Frame::Inertial, true, Omega::Varies, check(2), {9, 150, 0}, string(D) + E + C},
        {Frame::Inertial, false, Omega::Any, Always, {255, 0, 0}, F},
        {Frame::Inertial, false, Omega::Any, check(2), {9, 150, 0}, string(F) + G},
        {Frame::Rotating, true, Omega::Constant, Always, {200, 0, 0}, string(A) + C},
        {Frame::Rotating, true, Omega::Constant, baseNotRelative, {9, 150, 155}, string(A) + B},
        {Frame::Rotating, true, Omega::Constant, check(2), {9, 150, 0}, A},
        {Frame::Rotating, true, Omega::Varies, notCheck(2), {9, 50, 150}, string(D) + E},
        {Frame::Rotating, true, Omega::Varies, check(2), {9, 150, 0}, string(D) + E + C},
        {Frame::Rotating, true, Omega::Varies, check(5), {0, 0, 255}, string(H) + J},
        {Frame::Rotating, true, Omega::Varies, check(4), {255, 0, 255}, K},
        {Frame::Rotating, true, Omega::Varies, check(7), {155, 35, 95}, L},
        {Frame::Rotating, true, Omega::Varies, check(6), {55, 35, 95}, M},
        {Frame::Rotating, false, Omega::Any, Always, {255, 0, 0}, string(H) + N},
        {Frame::Rotating, false, Omega::Any, check(5), {0, 0, 255}, string(H) + J},
        {Frame::Rotating, false, Omega::Any, check(4), {255, 0, 255}, P},
        {Frame::Rotating, false, Omega::Any, check(7), {155, 35, 95}, Q},
        // A darker green than (9, 250, 0), which is hard to read on white.
        {Frame::Rotating, false, Omega::Any, check(2), {9, 150, 0}, string(F) + G},
    };
    return rules;
}

bool OmegaMatches(Omega omega, BaseChoice choice)
{
    switch (omega) {
    case Omega::Any:
        return true;
    case Omega::Constant:
        return choice == BaseChoice::ConstantAngularVelocity;
    case Omega::Varies:
        return choice == BaseChoice::ConstantAngularMomentum;
    }
    return false;
}

} // namespace

std::optional<Guidance> ShowGuidanceText(const ExplorerControls& controls, bool derivationActive)
{
    if (derivationActive) {
        return Guidance{"", colors::Black};
    }
    const Frame frame = controls.rotatingFrame ? Frame::Rotating : Frame::Inertial;
    std::optional<Guidance> result;
    for (const Rule& rule : Rules()) {
        if (rule.frame == frame && rule.friction == controls.Friction() &&
            OmegaMatches(rule.omega, controls.baseChoice) && rule.applies(controls)) {
            result = Guidance{rule.text, rule.color};
        }
    }
    if (result && controls.foucault != FoucaultMode::Off) {
        // F is H with an invitation appended, so this covers both.
        const std::string line = H;
        if (const auto at = result->text.find(line); at != std::string::npos) {
            result->text.replace(at, line.size(), HPendulum);
        }
    }
    return result;
}

} // namespace ttl
