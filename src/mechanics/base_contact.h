#pragma once

#include "mechanics/model_parameters.h"
#include "mechanics/turntable_model.h"

namespace ttl {

// The body on the base: the full state and whether static friction is carrying it round with
// the base (`carried`) or it slides under kinetic friction.
struct BaseContact {
    TurntableState y{};
    bool carried = false;
    double carriedOmega = 0.0; // the common angular velocity while carried, fixed at the catch
};

struct ContactEvents {
    bool caught = false;    // the body came to rest on the base and static friction holds it
    double catchTime = 0.0; // when, from the start of the advance
};

// The angular velocity of base and body turning together: L0/(I + m r^2) for a free base,
// p.BaseOmega for a driven one.
double CarriedOmega(const ModelParameters& p, const TurntableState& y);

// Advances body, base and work terms over h. While the body slides, FehlbergStep integrates the
// coupled equations; the moment its relative velocity reaches zero is located within the step
// (not left to the step size), and if static friction can hold it there, base and body turn on
// together. A carried body slides off again as soon as static friction no longer suffices.
ContactEvents AdvanceOnBase(const ModelParameters& p, BaseContact& body, double h);

} // namespace ttl
