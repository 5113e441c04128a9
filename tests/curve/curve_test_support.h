#pragma once

#include "curve/curve_model.h"
#include "curve/label_placement.h"
#include "shell/surface.h"
#include "shell/vec2.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace ttl::curve_testing {

// The curve's quantities at x, computed here from the formulas with the standard library's
// elliptic integral: an independent check of the lab's own routines.
struct Expected {
    double y, speed, curvature;
    Vec2 along, across;
};

inline Expected ExpectedAt(const CurveParameters& p, double x)
{
    const double ab = p.A * p.beta;
    const double root = std::sqrt(1.0 + ab * ab);
    const double arc = root / p.beta * std::ellint_2(ab / root, p.beta * x);
    const double slope = ab * std::cos(p.beta * x);
    const double second = -p.A * p.beta * p.beta * std::sin(p.beta * x);
    const double norm = std::sqrt(1.0 + slope * slope);
    return {p.A * std::sin(p.beta * x), std::sqrt(p.v0 * p.v0 + 2.0 * p.at * arc),
            second / std::pow(1.0 + slope * slope, 1.5), Vec2{1.0 / norm, slope / norm},
            Vec2{-slope / norm, 1.0 / norm}};
}

// The arrow of this colour drawn from `tail`, as its components; none when there is none.
inline std::optional<Vec2> ArrowFrom(const Surface& s, Vec2 tail, Color color,
                                     double tolerance = 1e-9)
{
    for (const Primitive& p : s.Primitives()) {
        if (p.kind == PrimitiveKind::Line && p.color == color &&
            std::abs(p.x1 - tail.x) < tolerance && std::abs(p.y1 - tail.y) < tolerance) {
            return Vec2{p.x2 - p.x1, p.y2 - p.y1};
        }
    }
    return std::nullopt;
}

inline bool HasText(const Surface& s, const std::string& text)
{
    for (const Primitive& p : s.Primitives()) {
        if (p.kind == PrimitiveKind::Text && p.text == text) {
            return true;
        }
    }
    return false;
}

// The boxes of the texts printed on the surface, measured as the surface measures them.
inline std::vector<LabelBox> TextBoxes(const Surface& s)
{
    std::vector<LabelBox> boxes;
    for (const Primitive& p : s.Primitives()) {
        if (p.kind == PrimitiveKind::Text) {
            const TextExtent size = s.TextWorldSize(p.text);
            boxes.push_back({p.x1, p.x1 + size.width, p.y1 - size.height, p.y1});
        }
    }
    return boxes;
}

// How many pairs of the boxes overlap.
inline int Overlaps(const std::vector<LabelBox>& boxes)
{
    int count = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            count += boxes[i].Overlaps(boxes[j]) ? 1 : 0;
        }
    }
    return count;
}

} // namespace ttl::curve_testing
