#pragma once

#include "explorer/ui/explorer_screen.h"

namespace ttl {

// Draws a page of the derivation for the explorer's screen: the one place where the two meet.
DerivationPageShown DrawDerivationForExplorer(Surface& picture, const RecordedMotion& motion,
                                              const DerivationPageRequest& request);

} // namespace ttl
