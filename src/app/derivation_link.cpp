#include "app/derivation_link.h"

#include "derivation/derivation_pages.h"

namespace ttl {

DerivationPageShown DrawDerivationForExplorer(Surface& picture, const RecordedMotion& motion,
                                              const DerivationPageRequest& request)
{
    const bool rotating = request.rotatingObserver;
    int page = WrapDerivationPage(request.page, rotating);
    if (request.turn != 0) {
        page = NextDerivationPage(page, request.turn < 0, rotating);
    }
    const DerivationView view{request.t1, request.zoomValue, request.shiftX, request.shiftY};
    DrawDerivationPage(picture, motion, view, rotating, page);
    return {page, DerivationIntervalLabel(motion, view.t1)};
}

} // namespace ttl
