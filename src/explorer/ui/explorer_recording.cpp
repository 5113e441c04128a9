#include "explorer/ui/explorer_screen.h"

#include "shell/ui/animation_recording.h"
#include "shell/ui/surface_view.h"

#include <QTimer>

namespace ttl {

RecordableAnimation ExplorerScreen::ContinuousRunRecording()
{
    return {m_picture1,
            [this] { return m_timer->interval(); },
            [this] {
                // The same run from its start: the controls as they are, the pendulum included.
                LeaveDerivation();
                m_timer->stop();
                Reset();
                CHRONIKHMETAVOLH_Click();
            },
            [this] { return m_timer->isActive(); },
            [this] {
                if (m_timer->isActive()) {
                    Timer1_Timer();
                }
            },
            [this] { return !m_state.DerivationActive; }};
}

} // namespace ttl
