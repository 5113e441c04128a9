#include "translating/relative_motion_controls.h"

#include "shell/number_format.h"

#include <cstring>

namespace ttl {

const std::array<RelativeMotionControl, 15>& RelativeMotionControls()
{
    static const std::array<RelativeMotionControl, 15> controls{{
        {"taxythtax", false, {-5, 5, 0}, "Label1", "Vx FRAME'S=", 1, "0",
         "Initial velocity of the moving frame, x"},
        {"taxythtay", true, {-5, 5, 0}, "Label2", "Vy FRAME'S=", 1, "0",
         "Initial velocity of the moving frame, y"},
        {"epitaxynshx", false, {-5, 5, 0}, "Label4", "Ax FRAME'S=", 1, "0",
         "Acceleration of the moving frame, x"},
        {"epitaxynshy", true, {-5, 5, 0}, "Label3", "Ay FRAME'S=", 1, "0",
         "Acceleration of the moving frame, y"},
        {"arxikivx", false, {-10, 10, 2}, "Label5", "Initial vx of body =", 1, "0",
         "Initial velocity of the body, x"},
        {"arxikvy", false, {-10, 10, 1}, "Label6", "Initial vy of body =", 1, "0",
         "Initial velocity of the body, y"},
        {"arxikx", false, {-30, 30, 5}, "Label7", "Initial x of body =", 1, "0",
         "Initial x of the body"},
        {"arxikiy", false, {-30, 30, -5}, "Label8", "Initial \u03C8 of body =", 1, "0",
         "Initial y of the body"},
        {"trivistoepipedo", false, {0, 100, 0}, "Label9", "friction coef. =", 100, "0.00",
         "Friction coefficient between body and platform: the value / 100"},
        {"mazatoysomatos", false, {1, 300, 1}, "Label10", "Mass of body =", 50, "0.00",
         "Mass of the body: the value / 50"},
        {"overallscale", false, {1, 10, 1}, "Label11", "Scale = ", 1, "0",
         "Common scale of both views"},
        {"xscaleeikona1", false, {-50, 50, 0}, "", "", 1, "0", "Move the lab view sideways"},
        {"yscaleeikona1", true, {-50, 50, 0, true}, "", "", 1, "0", "Move the lab view up or down"},
        {"xscaleeikona2", false, {-50, 50, 0}, "", "", 1, "0", "Move the moving-frame view sideways"},
        {"yscaleeikona2", true, {-50, 50, 0, true}, "", "", 1, "0",
         "Move the moving-frame view up or down"},
    }};
    return controls;
}

std::string RelativeMotionLabel(const RelativeMotionControl& control, int value,
                                bool firstChangeDone)
{
    const bool frameVx = std::strcmp(control.name, "taxythtax") == 0;
    const std::string prefix = (frameVx && !firstChangeDone) ? "Vx FRAME=" : control.prefix;
    return prefix + FormatNumber(value / control.divisor, control.format);
}

} // namespace ttl
