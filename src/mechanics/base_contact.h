#pragma once

#include "mechanics/model_parameters.h"
#include "mechanics/sliding_contact.h"
#include "mechanics/turntable_model.h"

namespace ttl {

// The body on the base: the full state and whether static friction is carrying it round with
// the base (`carried`) or it slides under kinetic friction.
struct BaseContact {
    TurntableState y{};
    bool carried = false;
    double carriedOmega = 0.0; // the common angular velocity while carried
};

using ContactEvents = SlidingEvents;

// The angular velocity of base and body turning together: L0/(I + m r^2) for a free base,
// p.BaseOmega for a driven one.
double CarriedOmega(const ModelParameters& p, const TurntableState& y);

// Advances body, base and work terms over h by AdvanceSliding, FehlbergStep integrating the
// coupled equations while the body slides; carried, base and body turn on together at
// CarriedOmega.
ContactEvents AdvanceOnBase(const ModelParameters& p, BaseContact& body, double h);

} // namespace ttl
