#include "explorer/explorer_guidance.h"

#include "shell/translation.h"

#include <functional>

namespace ttl {

namespace {

// The pieces of guidance, translated where they are joined: a rule shows one or more of them.
constexpr const char* A = TrNoop(
    "explorer", "CASE WITH FRICTION. ω = CONSTANT, FRICTION ALWAYS CAUSES AN INCREASE OF SPEED");
constexpr const char* B =
    TrNoop("explorer", "TO FIND THE RELATIVE VELOCITY PRESS 'SHOW RELATIVE VELOCITY'");
constexpr const char* C =
    TrNoop("explorer", "OBSERVE THAT FRICTION IS OPPOSITE TO RELATIVE VELOCITY");
constexpr const char* D = TrNoop("explorer", "CASE WITH FRICTION. ω NOT A CONSTANT, the friction "
                                             "will eventually oppose the relative VELOCITY");
constexpr const char* E = TrNoop("explorer", "OBSERVE THAT L=ANGULAR MOMENTUM IS A CONSTANT");
constexpr const char* H = TrNoop(
    "explorer", "NO FRICTION, IN INERTIAL FRAME THE BODY MOVES IN A LINE ACCORDING TO 1ST LAW, IN "
                "THE ROTATING FRAME ITS ORBIT IS A SPIRAL. WHAT IS THE CAUSE??");
constexpr const char* F = TrNoop("explorer", "CHOOSE 'ROTATING' TO STUDY THIS CASE.");
constexpr const char* G =
    TrNoop("explorer", "RELATIVE VELOCITY=ABSOLUTE VELOCITY - VELOCITY OF THE POINT OF BASE");
// In a Foucault mode the bob is pulled toward the axis: it swings rather than moving in a line.
constexpr const char* HPendulum = TrNoop(
    "explorer", "FOUCAULT PENDULUM, IN INERTIAL FRAME THE BOB SWINGS BACK AND FORTH IN A FIXED "
                "PLANE, IN THE ROTATING FRAME THE PLANE OF THE SWING TURNS. WHAT IS THE CAUSE??");
constexpr const char* J =
    TrNoop("explorer", "DOES THE CENTRIFUGAL EXPLAIN THE SHAPE OF THE CURVE? PRESS CORIOLIS");
constexpr const char* K = TrNoop(
    "explorer", "YOU CAN SEE THAT THE CORIOLIS FORCE IS _|_ TO THE RELATIVE VELOCITY. SINCE THE "
                "BASE DECELERATES THERE IS ANOTHER FICTITIOUS FORCE. PRESS BASE ACC");
// A path bends towards the side its net force points to: the concave side.
constexpr const char* L = TrNoop(
    "explorer", "YOU CAN SEE THAT THE TOTAL FORCE DOES NOT MAKE ALWAYS AN ACUTE ANGLE TO THE "
                "RELATIVE VELOCITY, AND IS DIRECTED TOWARDS THE CONCAVE PART OF THE CURVE, TO SEE "
                "THE EFFECTS OF FRICTION PRESS FRICTION");
constexpr const char* M = TrNoop(
    "explorer", "IS THE FORCE DUE TO THE BASE ACCELERATION IMPORTANT? OBSERVE THE FICTITIOUS FORCE "
                "AS THE CONVEX PART OF THE CURVE TURNS THE OTHER WAY");
constexpr const char* N = TrNoop("explorer", "PRESS CENTRIFUGAL");
constexpr const char* P = TrNoop("explorer", "YOU CAN SEE THAT THE CORIOLIS FORCE IS _|_ TO THE "
                                             "RELATIVE VELOCITY, TO SEE THE TOTAL FORCE PRESS "
                                             "TOTAL FORCE");
constexpr const char* Q = TrNoop(
    "explorer", "YOU CAN SEE THAT THE TOTAL FORCE MAKES AN ACUTE ANGLE TO THE RELATIVE VELOCITY, "
                "AND IS DIRECTED TOWARDS THE CONCAVE PART OF THE CURVE, TO SEE THE EFFECTS OF "
                "FRICTION PRESS FRICTION");

enum class Frame { Inertial, Rotating };
enum class Omega { Any, Constant, Varies };

struct Rule {
    Frame frame;
    bool friction;
    Omega omega;
    std::function<bool(const ExplorerControls&)> applies;
    Color color;
    std::vector<const char*> pieces;
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
        {Frame::Inertial, true, Omega::Constant, Always, {200, 0, 0}, {A}},
        {Frame::Inertial, true, Omega::Constant, baseNotRelative, {9, 150, 155}, {A, B}},
        {Frame::Inertial, true, Omega::Constant, check(2), {9, 150, 0}, {A}},
        {Frame::Inertial, true, Omega::Varies, notCheck(2), {9, 50, 150}, {D, E}},
        {Frame::Inertial, true, Omega::Varies, check(2), {9, 150, 0}, {D, E, C}},
        {Frame::Inertial, false, Omega::Any, Always, {255, 0, 0}, {H, F}},
        {Frame::Inertial, false, Omega::Any, check(2), {9, 150, 0}, {H, F, G}},
        {Frame::Rotating, true, Omega::Constant, Always, {200, 0, 0}, {A, C}},
        {Frame::Rotating, true, Omega::Constant, baseNotRelative, {9, 150, 155}, {A, B}},
        {Frame::Rotating, true, Omega::Constant, check(2), {9, 150, 0}, {A}},
        {Frame::Rotating, true, Omega::Varies, notCheck(2), {9, 50, 150}, {D, E}},
        {Frame::Rotating, true, Omega::Varies, check(2), {9, 150, 0}, {D, E, C}},
        {Frame::Rotating, true, Omega::Varies, check(5), {0, 0, 255}, {H, J}},
        {Frame::Rotating, true, Omega::Varies, check(4), {255, 0, 255}, {K}},
        {Frame::Rotating, true, Omega::Varies, check(7), {155, 35, 95}, {L}},
        {Frame::Rotating, true, Omega::Varies, check(6), {55, 35, 95}, {M}},
        {Frame::Rotating, false, Omega::Any, Always, {255, 0, 0}, {H, N}},
        {Frame::Rotating, false, Omega::Any, check(5), {0, 0, 255}, {H, J}},
        {Frame::Rotating, false, Omega::Any, check(4), {255, 0, 255}, {P}},
        {Frame::Rotating, false, Omega::Any, check(7), {155, 35, 95}, {Q}},
        // A darker green than (9, 250, 0), which is hard to read on white.
        {Frame::Rotating, false, Omega::Any, check(2), {9, 150, 0}, {H, F, G}},
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
    const Rule* chosen = nullptr;
    for (const Rule& rule : Rules()) {
        if (rule.frame == frame && rule.friction == controls.Friction() &&
            OmegaMatches(rule.omega, controls.baseChoice) && rule.applies(controls)) {
            chosen = &rule;
        }
    }
    if (chosen == nullptr) {
        return std::nullopt;
    }
    Guidance result{"", chosen->color};
    for (const char* piece : chosen->pieces) {
        // In a Foucault mode the pendulum's sentence stands for the free body's.
        const bool pendulum = piece == H && controls.foucault != FoucaultMode::Off;
        result.text +=
            (result.text.empty() ? "" : " ") + Tr("explorer", pendulum ? HPendulum : piece);
    }
    return result;
}

} // namespace ttl
