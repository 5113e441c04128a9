#include "derivation/derivation_pages.h"

#include "shell/number_format.h"
#include "shell/translation.h"


namespace ttl {

namespace {

const std::vector<std::vector<std::string>>& InertialTexts()
{
    static const std::vector<std::vector<std::string>> texts{
        {"To explain the Centrifugal and the Coriolis Force",
         "The absolute velocity V\u03B1 is analyzed to Vre (relative) ",
         "and Vb (base) that is: V\u03B1=Vre+Vb where Vb=\u03C9\u03A7R",
         "In the diagram we see 3 curves:  ", "3 blues who represent",
         "a)On the LEFT the orbit that observes the ROTATING OBSERVER",
         "b)The middle is the ORBIT OF RELATIVE OBSERVER as ",
         "is perceived by the INERTIAL OBSERVER at the time t1 ",
         "c)On the RIGHT is the ORBIT OF RELATIVE OBSERVER for the INERTIAL at t2",
         "The red curve is the orbit that perceives the INERTIAL observer"},
        {"In the diagram are shown the relative velocities:",
         "Vre1, Vre2: for the rotating observer and the:",
         "\u03B1)Vre11 for the INERTIAL  at moment t1",
         "\u03B2)Vre22 for the INERTIAL  at moment t2 ",
         "\u03B3)Vre12 which is Vre22 (t=t2) TRANSPORTED  by a ROTATION",
         "to the ORBIT that passes through t1 "},
        {"In the diagram are shown the BASE velocities:", "Vb1, Vb2: for the ROTATING(t=t1 & t=t2)",
         "\u03B1)Vb11 for the INERTIAL at the moment t1",
         "\u03B2)Vb22 for the INERTIAL at the moment t2 ",
         "\u03B3)Vb12 for the INERTIAL at the moment t2 (value=Vb22) is the Vb22 ",
         "TRANSPORTED to the orbit that passes through t1 "},
        {"The ABSOLUTE acceleration is calculated by:",
         "V\u03B12-V\u03B11=Vre22+Vb22-(Vre11+Vb11). "},
        {"The ABSOLUTE acceleration is calculated by:",
         "V\u03B12-V\u03B11=Vre22+Vb22-(Vre11+Vb11). ",
         "The Velocities Vre12  & Vb12 are ADDED AND SUBTRACTED",
         "With this:", "V\u03B12-V\u03B11=(Vre21-Vre11)+(Vb22-Vb21)+(Vb21-Vb11)+(Vre22-Vre21) ",
         "The 1st parenthesis is RELATIVE,the 2nd CENTRIPETAL, the 3\u03B7 &4 opposite "
         "toCoriolis "},
        {"Relative Acceleration= (Vre21-Vre11)/\u0394t"},
        {"Centripetal acceleration (due to the rotation of the base)= (Vb22-Vb21)/\u0394t",
         "For the rotating observer there is a FICTITIOUS force",
         "opposite to the CENTRIPETAL acceleration, the  CENTRIFUGAL force"},
        {"First COMPLEMENTARY acceleration= (Vb21-Vb11)/\u0394t",
         "Vb21 is transported with the dashed vector to the position x11"},
        {"Second COMPLEMENTARY acceleration= (Vre22-Vre21)/\u0394t",
         "The accelerations calculated by ", "(Vb21-Vb11)/\u0394t   (Vre22-Vre21)/\u0394t",
         " have in the limit \u0394t =0",
         "the same directions, and add up to the absolute value 2|\u03C9|*|Vre|. For the rotating ",
         "the force(-Mass\u03A7acceleration) is called Coriolis with value 2m.|\u03C9|*|Vre|"},
        {"The two COMPLEMENTARY accelerations: ", "               (Vb21-Vb11)/\u0394t ",
         "               (Vre22-Vre21)/\u0394t",
         "add to the -CORIOLIS acceleration for the ROTATING OBSERVER",
         "It can be observed that in the limit \u0394t=0 they are equal"},
    };
    return texts;
}

const std::vector<std::vector<std::string>>& RotatingTexts()
{
    static const std::vector<std::vector<std::string>> texts{
        {"Explanation for the ROTATING observer of: CENTRIPETAL and Coriolis ",
         "The RELATIVE velocity Vre is analyzed to:V\u03B1 ",
         "and  -Vb (base) that is: Vre=V\u03B1-Vb where Vb=\u03C9\u03A7R",
         "In the diagramm there are 4 curves:",
         "1 blue which is the orbit that sees the ROTATING observer",
         "2 PINK which are the ABSOLUTE orbits as the ROTATING is seeing them",
         "and one RED which is the absolute orbit for the INERTIAL observer",
         "In the diagram are shown the relative velocities at 2 moments"},
        {"In the diagram are the ABSOLUTE velocities:",
         "V\u03B1\u03C711, V\u03B1\u03C722: as the ROTATING observer sees them at t1 &  t2",
         "and the corresponding ABSOLUTE orbits", "as the ROTATING observer sees"},
        {"In the diagram are the base velocities:", "Vb11, Vb22: for the ROTATING (t=t1 & t=t2)",
         "and their negatives -Vb11, -Vb22"},
        {"The Relative Velocity is decomposed to:", "Vre=V\u03B1-Vb = V\u03B1 + (-Vb)",
         "The analysis is shown for 2 moments"},
        {"The RELATIVE ACCELERATION is calculated", "a_relative =(Vre22-Vre11)/\u0394t ",
         "With a dashed vector is shown the Vre22"},
        {"Acceleration due to the base rotation= -(Vb22-Vb21)/\u0394t",
         "This acceleration is _|_ to the relative velocity because",
         "Vb=\u03C9\u03A7R  -->\u03B1 "
         "=-(Vb2-Vb1)/\u0394t=-\u03C9\u03A7(R2-R1)/\u0394t=-\u03C9\u03A7Vrelative",
         "It has the direction of the Coriolis acceleration, WHICH",
         "is -2\u03C9\u03A7Vrelative, The factor 2 is explained in next CLICK"},
        {"Absolute acceleration= (V\u03B122-V\u03B111)/\u0394t",
         "With dashed vector is shown the V\u03B122",
         "Press CLICK to see a decomposition of the acceleration"},
        {"Analysis of the ABSOLUTE ACCELERATION= (Vb21-Vb11)/\u0394t",
         "To 2 components: \u03B1) // to the radius \u03BA\u03B1\u03B9 \u03B2)  _|_ to Vrelative"},
        {"                         Decomposition of the RELATIVE ACCELERATION",
         "TO a component // r and a vertical to the VELOCITY. The first one is equal to",
         "the component of relative acceleration//r, while the second is due",
         " to -dVb/dt and to the component of V\u03B1 _|_ to Vre ",
         "The sum of 2 components gives the Coriolis FORCE with value 2m.|\u03C9|*|Vre|"},
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
    return texts.at(static_cast<std::size_t>(WrapDerivationPage(page, rotatingObserver)));
}

} // namespace ttl
