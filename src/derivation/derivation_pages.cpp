#include "derivation/derivation_pages.h"

#include "shell/number_format.h"
#include "shell/translation.h"

namespace ttl {

namespace {

// Marked for translation here, translated line by line where printed.
const std::vector<std::vector<const char*>>& InertialTexts()
{
    static const std::vector<std::vector<const char*>> texts{
        {
            TrNoop("derivation", "To explain the Centrifugal and the Coriolis Force"),
            TrNoop("derivation", "The absolute velocity Vα is analysed into Vre (relative)"),
            TrNoop("derivation", "and Vb (base), that is: Vα=Vre+Vb where Vb=ωΧR"),
            TrNoop("derivation", "In the diagram we see 3 curves:"),
            TrNoop("derivation", "3 blue ones, which represent"),
            TrNoop("derivation", "a) On the LEFT the orbit that the ROTATING OBSERVER observes"),
            TrNoop("derivation", "b) The middle one is the ORBIT OF THE RELATIVE OBSERVER as"),
            TrNoop("derivation", "is perceived by the INERTIAL OBSERVER at the time t1"),
            TrNoop("derivation",
                   "c) On the RIGHT is the ORBIT OF THE RELATIVE OBSERVER for the INERTIAL at t2"),
            TrNoop("derivation", "The red curve is the orbit that the INERTIAL observer perceives"),
        },
        {
            TrNoop("derivation", "In the diagram are shown the relative velocities:"),
            TrNoop("derivation", "Vre1, Vre2: for the rotating observer and the:"),
            TrNoop("derivation", "a) Vre11 for the INERTIAL at moment t1"),
            TrNoop("derivation", "b) Vre22 for the INERTIAL at moment t2"),
            TrNoop("derivation", "c) Vre12 which is Vre22 (t=t2) TRANSPORTED by a ROTATION"),
            TrNoop("derivation", "to the ORBIT that passes through t1"),
        },
        {
            TrNoop("derivation", "In the diagram are shown the BASE velocities:"),
            TrNoop("derivation", "Vb1, Vb2: for the ROTATING (t=t1 & t=t2)"),
            TrNoop("derivation", "a) Vb11 for the INERTIAL at the moment t1"),
            TrNoop("derivation", "b) Vb22 for the INERTIAL at the moment t2"),
            TrNoop("derivation",
                   "c) Vb12 for the INERTIAL at the moment t2 (value=Vb22) is the Vb22"),
            TrNoop("derivation", "TRANSPORTED to the orbit that passes through t1"),
        },
        {
            TrNoop("derivation", "The ABSOLUTE acceleration is calculated by:"),
            TrNoop("derivation", "Vα2-Vα1=Vre22+Vb22-(Vre11+Vb11)."),
        },
        {
            TrNoop("derivation", "The ABSOLUTE acceleration is calculated by:"),
            TrNoop("derivation", "Vα2-Vα1=Vre22+Vb22-(Vre11+Vb11)."),
            TrNoop("derivation", "The Velocities Vre12 & Vb12 are ADDED AND SUBTRACTED"),
            TrNoop("derivation", "With this:"),
            TrNoop("derivation", "Vα2-Vα1=(Vre21-Vre11)+(Vb22-Vb21)+(Vb21-Vb11)+(Vre22-Vre21)"),
            TrNoop("derivation", "The 1st parenthesis is RELATIVE, the 2nd CENTRIPETAL, the 3rd & "
                                 "4th opposite to Coriolis"),
        },
        {
            TrNoop("derivation", "Relative Acceleration= (Vre21-Vre11)/Δt"),
        },
        {
            TrNoop("derivation",
                   "Centripetal acceleration (due to the rotation of the base)= (Vb22-Vb21)/Δt"),
            TrNoop("derivation", "For the rotating observer there is a FICTITIOUS force"),
            TrNoop("derivation", "opposite to the CENTRIPETAL acceleration, the CENTRIFUGAL force"),
        },
        {
            TrNoop("derivation", "First COMPLEMENTARY acceleration= (Vb21-Vb11)/Δt"),
            TrNoop("derivation", "Vb21 is transported with the dashed vector to the position x11"),
        },
        {
            TrNoop("derivation", "Second COMPLEMENTARY acceleration= (Vre22-Vre21)/Δt"),
            TrNoop("derivation", "The accelerations calculated by"),
            TrNoop("derivation", "(Vb21-Vb11)/Δt   (Vre22-Vre21)/Δt"),
            TrNoop("derivation", "have in the limit Δt =0"),
            TrNoop("derivation", "the same directions, and add up to the absolute value "
                                 "2|ω|*|Vre|. For the rotating"),
            TrNoop("derivation", "the force (-Mass×acceleration) is called Coriolis with "
                                 "value 2m.|ω|*|Vre|"),
        },
        {
            TrNoop("derivation", "The two COMPLEMENTARY accelerations:"),
            TrNoop("derivation", "               (Vb21-Vb11)/Δt"),
            TrNoop("derivation", "               (Vre22-Vre21)/Δt"),
            TrNoop("derivation", "add up to the -CORIOLIS acceleration for the ROTATING OBSERVER"),
            TrNoop("derivation", "It can be observed that in the limit Δt=0 they are equal"),
        },
    };
    return texts;
}

const std::vector<std::vector<const char*>>& RotatingTexts()
{
    static const std::vector<std::vector<const char*>> texts{
        {
            TrNoop("derivation",
                   "Explanation for the ROTATING observer of: CENTRIPETAL and Coriolis"),
            TrNoop("derivation", "The RELATIVE velocity Vre is analysed into: Vα"),
            TrNoop("derivation", "and -Vb (base), that is: Vre=Vα-Vb where Vb=ωΧR"),
            TrNoop("derivation", "In the diagram there are 4 curves:"),
            TrNoop("derivation", "1 blue, which is the orbit that the ROTATING observer sees"),
            TrNoop("derivation",
                   "2 PINK, which are the ABSOLUTE orbits as the ROTATING observer sees them"),
            TrNoop("derivation",
                   "and one RED, which is the absolute orbit for the INERTIAL observer"),
            TrNoop("derivation", "In the diagram are shown the relative velocities at 2 moments"),
        },
        {
            TrNoop("derivation", "In the diagram are the ABSOLUTE velocities:"),
            TrNoop("derivation", "Vα11, Vα22: as the ROTATING observer sees them at t1 & t2"),
            TrNoop("derivation", "and the corresponding ABSOLUTE orbits"),
            TrNoop("derivation", "as the ROTATING observer sees them"),
        },
        {
            TrNoop("derivation", "In the diagram are the base velocities:"),
            TrNoop("derivation", "Vb11, Vb22: for the ROTATING (t=t1 & t=t2)"),
            TrNoop("derivation", "and their negatives -Vb11, -Vb22"),
        },
        {
            TrNoop("derivation", "The Relative Velocity is decomposed into:"),
            TrNoop("derivation", "Vre=Vα-Vb = Vα + (-Vb)"),
            TrNoop("derivation", "The analysis is shown for 2 moments"),
        },
        {
            TrNoop("derivation", "The RELATIVE ACCELERATION is calculated"),
            TrNoop("derivation", "a_relative =(Vre22-Vre11)/Δt"),
            TrNoop("derivation", "With a dashed vector is shown the Vre22"),
        },
        {
            TrNoop("derivation", "Acceleration due to the base rotation= -(Vb22-Vb21)/Δt"),
            TrNoop("derivation", "This acceleration is _|_ to the relative velocity because"),
            TrNoop("derivation", "Vb=ωΧR  -->α "
                                 "=-(Vb2-Vb1)/Δt=-ωΧ(R2-R1)/Δt=-ωΧVrelative"),
            TrNoop("derivation", "It has the direction of the Coriolis acceleration, WHICH"),
            TrNoop("derivation", "is -2ωΧVrelative. The factor 2 is explained at the next CLICK"),
        },
        {
            TrNoop("derivation", "Absolute acceleration= (Vα22-Vα11)/Δt"),
            TrNoop("derivation", "With a dashed vector is shown the Vα22"),
            TrNoop("derivation", "Press CLICK to see a decomposition of the acceleration"),
        },
        {
            TrNoop("derivation", "Analysis of the ABSOLUTE ACCELERATION= (Vα22-Vα11)/Δt"),
            TrNoop("derivation", "Into 2 components: a) // to the radius and b) _|_ to Vrelative"),
        },
        {
            TrNoop("derivation",
                   "                         Decomposition of the RELATIVE ACCELERATION"),
            TrNoop("derivation", "INTO a component // r and one perpendicular to the VELOCITY. The "
                                 "first one is equal to"),
            TrNoop("derivation",
                   "the component of relative acceleration // r, while the second is due"),
            TrNoop("derivation", "to -dVb/dt and to the component of Vα _|_ to Vre"),
            TrNoop("derivation", "The sum of the 2 components gives the Coriolis FORCE with value "
                                 "2m.|ω|*|Vre|"),
        },
    };
    return texts;
}

} // namespace

int DerivationPageCount(bool rotatingObserver)
{
    return rotatingObserver ? RotatingDerivationPages : InertialDerivationPages;
}

int NextDerivationPage(int page, bool back, bool rotatingObserver)
{
    const int count = DerivationPageCount(rotatingObserver);
    if (back) {
        return page > 0 ? WrapDerivationPage(page - 1, rotatingObserver) : count - 1;
    }
    return WrapDerivationPage(page + 1, rotatingObserver);
}

int WrapDerivationPage(int page, bool rotatingObserver)
{
    return page >= DerivationPageCount(rotatingObserver) || page < 0 ? 0 : page;
}

std::string DerivationIntervalLabel(const RecordedMotion& state, int t1)
{
    const double dt = (DerivationSecondStep - t1) * state.StepInterval;
    return Substitute(Tr("derivation", "Δt = %1 s"), {FormatNumber(dt, "0.00")});
}

std::vector<std::string> DerivationText(bool rotatingObserver, int page)
{
    const auto& texts = rotatingObserver ? RotatingTexts() : InertialTexts();
    std::vector<std::string> lines;
    for (const char* line :
         texts.at(static_cast<std::size_t>(WrapDerivationPage(page, rotatingObserver)))) {
        lines.push_back(Tr("derivation", line));
    }
    return lines;
}

} // namespace ttl
