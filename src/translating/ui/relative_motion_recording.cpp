#include "translating/ui/relative_motion_screen.h"

#include "shell/ui/animation_recording.h"
#include "shell/ui/surface_view.h"

#include <QTimer>

namespace ttl {

RecordableAnimation RelativeMotionScreen::TimeEvolutionRecording(SurfaceView& picture)
{
    return {&picture,
            [this] { return m_timer->interval(); },
            [this] {
                // REPEAT, then TIME EVOLUTION: the motion from its start as the class sees it.
                Command3_Click();
                Command2_Click();
            },
            [this] { return m_timer->isActive(); },
            [this] {
                if (m_timer->isActive()) {
                    Timer1_Timer();
                }
            },
            {}};
}

} // namespace ttl
