#include "translating/relative_motion_controls.h"

#include "shell/number_format.h"
#include "shell/translation.h"

#include <cstring>

namespace ttl {

namespace {

// The screen's scroll bars, in the order they are laid out.
const std::array<RelativeMotionControl, 15> Controls{{
    {"taxythtax",
     false,
     {-5, 5, 0},
     "Label1",
     TrNoop("translating", "Vx FRAME'S="),
     1,
     "0",
     TrNoop("translating", "Initial velocity of the moving frame, x")},
    {"taxythtay",
     true,
     {-5, 5, 0},
     "Label2",
     TrNoop("translating", "Vy FRAME'S="),
     1,
     "0",
     TrNoop("translating", "Initial velocity of the moving frame, y")},
    {"epitaxynshx",
     false,
     {-5, 5, 0},
     "Label4",
     TrNoop("translating", "Ax FRAME'S="),
     1,
     "0",
     TrNoop("translating", "Acceleration of the moving frame, x")},
    {"epitaxynshy",
     true,
     {-5, 5, 0},
     "Label3",
     TrNoop("translating", "Ay FRAME'S="),
     1,
     "0",
     TrNoop("translating", "Acceleration of the moving frame, y")},
    {"arxikivx",
     false,
     {-10, 10, 2},
     "Label5",
     TrNoop("translating", "Initial vx of body ="),
     1,
     "0",
     TrNoop("translating", "Initial velocity of the body, x")},
    {"arxikvy",
     false,
     {-10, 10, 1},
     "Label6",
     TrNoop("translating", "Initial vy of body ="),
     1,
     "0",
     TrNoop("translating", "Initial velocity of the body, y")},
    {"arxikx",
     false,
     {-30, 30, 5},
     "Label7",
     TrNoop("translating", "Initial x of body ="),
     1,
     "0",
     TrNoop("translating", "Initial x of the body")},
    {"arxikiy",
     false,
     {-30, 30, -5},
     "Label8",
     TrNoop("translating", "Initial y of body ="),
     1,
     "0",
     TrNoop("translating", "Initial y of the body")},
    {"trivistoepipedo",
     false,
     {0, 100, 0},
     "Label9",
     TrNoop("translating", "friction coef. ="),
     100,
     "0.00",
     TrNoop("translating", "Friction coefficient between body and platform: the value / 100")},
    {"mazatoysomatos",
     false,
     {1, 300, 1},
     "Label10",
     TrNoop("translating", "Mass of body ="),
     50,
     "0.00",
     TrNoop("translating", "Mass of the body: the value / 50")},
    {"overallscale",
     false,
     {1, 10, 1},
     "Label11",
     TrNoop("translating", "Scale = "),
     1,
     "0",
     TrNoop("translating", "Common scale of both views")},
    {"xscaleeikona1",
     false,
     {-50, 50, 0},
     "",
     "",
     1,
     "0",
     TrNoop("translating", "Move the lab view sideways")},
    {"yscaleeikona1",
     true,
     {-50, 50, 0, true},
     "",
     "",
     1,
     "0",
     TrNoop("translating", "Move the lab view up or down")},
    {"xscaleeikona2",
     false,
     {-50, 50, 0},
     "",
     "",
     1,
     "0",
     TrNoop("translating", "Move the moving-frame view sideways")},
    {"yscaleeikona2",
     true,
     {-50, 50, 0, true},
     "",
     "",
     1,
     "0",
     TrNoop("translating", "Move the moving-frame view up or down")},
}};

} // namespace

const std::array<RelativeMotionControl, 15>& RelativeMotionControls()
{
    return Controls;
}

bool AppliesAtLaunch(const RelativeMotionControl& control)
{
    for (const char* name :
         {"taxythtax", "taxythtay", "arxikivx", "arxikvy", "arxikx", "arxikiy"}) {
        if (std::strcmp(control.name, name) == 0) {
            return true;
        }
    }
    return false;
}

std::string RelativeMotionLabel(const RelativeMotionControl& control, int value,
                                bool firstChangeDone, bool runGoing)
{
    const bool frameVx = std::strcmp(control.name, "taxythtax") == 0;
    const std::string prefix = (frameVx && !firstChangeDone) ? Tr("translating", "Vx FRAME=")
                                                             : Tr("translating", control.prefix);
    std::string text = prefix + FormatNumber(value / control.divisor, control.format);
    if (runGoing && AppliesAtLaunch(control)) {
        text += " *"; // explained beside the bars: from the next launch
    }
    return text;
}

} // namespace ttl
