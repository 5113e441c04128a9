#pragma once

#include "explorer/explorer_state.h"
#include "shell/color.h"

#include <optional>
#include <string>

namespace ttl {

struct Guidance {
    std::string text;
    Color color;

    friend bool operator==(const Guidance&, const Guidance&) = default;
};

// What the guidance box should say for these controls: empty while the derivation owns the
// diagram; nothing (the text stays as it is) with friction on and no choice of base made.
std::optional<Guidance> ShowGuidanceText(const ExplorerControls& controls, bool derivationActive);

} // namespace ttl
