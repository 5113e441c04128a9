#include "curve/ui/first_step_screen.h"

#include "shell/ui/animation_recording.h"
#include "shell/ui/surface_view.h"

#include <QPushButton>
#include <QTimer>

namespace ttl {

RecordableAnimation FirstStepScreen::TimedRunRecording()
{
    return {m_eikona,
            [this] { return m_timer->interval(); },
            [this] { Command1_Click(); },
            [this] { return m_timer->isActive(); },
            [this] {
                if (m_timer->isActive()) {
                    Timer1_Timer();
                }
            },
            [this] { return m_start->isVisible(); }};
}

} // namespace ttl
