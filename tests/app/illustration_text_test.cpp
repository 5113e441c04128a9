#include "app/language.h"
#include "curve/curve_diagrams.h"
#include "derivation/derivation_pages.h"
#include "explorer/explorer_model.h"
#include "explorer/explorer_views.h"
#include "shell/drawing_scale.h"
#include "shell/introduction.h"
#include "shell/surface.h"
#include "shell/ui/surface_painter.h"
#include "translating/relative_motion_views.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace ttl {
namespace {

struct PixelBox {
    std::string text;
    double left, top, right, bottom;
};

// Where each text lands in the picture, measured with the font the painter will use; only the
// last `last` texts when it is not 0.
std::vector<PixelBox> DrawnTexts(const Surface& s, std::size_t last = 0)
{
    std::vector<PixelBox> boxes;
    for (const Primitive& p : s.Primitives()) {
        if (p.kind != PrimitiveKind::Text) {
            continue;
        }
        const TextExtent size = MeasureText(p.text, p.font);
        const double x = (p.x1 - p.window.left) / p.window.width * s.PixelWidth();
        const double y = (p.y1 - p.window.top) / p.window.height * s.PixelHeight();
        boxes.push_back({p.text, x, y, x + size.width, y + size.height});
    }
    if (last != 0 && boxes.size() > last) {
        boxes.erase(boxes.begin(), boxes.end() - static_cast<std::ptrdiff_t>(last));
    }
    return boxes;
}

// The first fault found: a text out of the picture or two texts on each other; empty if none.
std::string LayoutFault(const Surface& s, std::size_t last)
{
    const std::vector<PixelBox> boxes = DrawnTexts(s, last);
    std::ostringstream fault;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const PixelBox& a = boxes[i];
        if (a.left < 0 || a.top < 0 || a.right > s.PixelWidth() || a.bottom > s.PixelHeight()) {
            fault << "\"" << a.text << "\" leaves the picture";
            return fault.str();
        }
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const PixelBox& b = boxes[j];
            if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom) {
                fault << "\"" << a.text << "\" covers \"" << b.text << "\"";
                return fault.str();
            }
        }
    }
    return {};
}

// The illustrations write their texts at fixed points: whatever the picture's size, the drawing
// scale and the language, their texts stay apart and inside, and a larger scale never makes them
// smaller.
TEST(IllustrationTexts, StayApartAndInsideAtEverySizeScaleAndLanguage)
{
    ExplorerState sliding;
    ResetExplorer(sliding, ExplorerControls{});
    for (int k = 0; k < DerivationSteps; ++k) {
        AdvanceExplorer(sliding, ExplorerControls{});
    }
    ExplorerControls everything; // the rotating frame with every quantity shown
    everything.rotatingFrame = true;
    everything.check.fill(true);
    ExplorerState turning;
    ResetExplorer(turning, everything);
    for (int k = 0; k < 20; ++k) {
        AdvanceExplorer(turning, everything);
    }
    const struct {
        const char* name;
        std::function<void(Surface&)> draw;
        std::size_t last = 0; // the texts checked: the last ones drawn, or all
    } pictures[] = {
        {"introduction", [](Surface& s) { DrawIntroductionPicture(s); }},
        {"first explanation", [](Surface& s) { (void)DrawFirstExplanation(s); }},
        {"moving frame's legend",
         [](Surface& s) {
             const auto run = std::make_unique<RelativeMotionRun>(); // large: off the stack
             BeginMovingView(s, *run, RelativeMotionInputs{});
         }},
        {"explorer's legend",
         [&](Surface& s) {
             Surface forces;
             ScaleExplorerDiagram(s, turning, 100);
             RedrawRotatingView(s, forces, turning, everything);
         }},
        {"derivation's footer",
         [&sliding](Surface& s) { (void)DrawDerivationPage(s, sliding, {}, false, 0); }, 6},
    };
    for (const char* language : {"en", "el"}) {
        ASSERT_EQ(InstallLanguage(QString::fromLatin1(language)), QString::fromLatin1(language));
        for (const auto& picture : pictures) {
            for (const int side : {240, 352, 460, 560, 900}) {
                double previous = 0.0;
                for (const double scale : {0.75, 1.0, 1.5, 2.0, 2.5}) {
                    SetDrawingScale(scale);
                    Surface s;
                    s.SetTextMeasure(MeasureText);
                    s.SetPixelSize(side, side);
                    picture.draw(s);
                    SCOPED_TRACE(std::string(picture.name) + " in " + language + " at " +
                                 std::to_string(side) + " pixels, scale " + std::to_string(scale));
                    EXPECT_EQ(LayoutFault(s, picture.last), "");
                    const PixelBox first = DrawnTexts(s, picture.last).front();
                    EXPECT_GE(first.bottom - first.top, previous - 1.5); // a pixel of hinting
                    previous = first.bottom - first.top;
                }
            }
        }
    }
    SetDrawingScale(1.0);
    InstallLanguage(QStringLiteral("en"));
}

} // namespace
} // namespace ttl
