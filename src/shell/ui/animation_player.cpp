#include "shell/ui/animation_player.h"

#include "shell/ui/surface_view.h"

namespace ttl {

AnimationPlayer::AnimationPlayer(SurfaceView& view, int frameIntervalMs, QObject* parent)
    : QObject(parent), m_view(view), m_timer(this)
{
    m_timer.setObjectName(QStringLiteral("frameTimer"));
    m_timer.setInterval(frameIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &AnimationPlayer::Tick);
}

void AnimationPlayer::Start(int frameCount, std::function<void(int)> frame,
                            std::function<void()> finish)
{
    m_count = frameCount;
    m_next = 1;
    m_frame = std::move(frame);
    m_finish = std::move(finish);
    if (m_count >= 1) {
        m_timer.start();
    } else {
        m_timer.stop();
    }
}

void AnimationPlayer::Stop()
{
    m_timer.stop();
}

void AnimationPlayer::Tick()
{
    if (!m_view.isVisible() || m_next > m_count || !m_frame) {
        Stop();
        return;
    }
    m_frame(m_next);
    if (++m_next > m_count) {
        Stop();
        if (m_finish) {
            m_finish();
        }
    }
    m_view.refresh();
}

} // namespace ttl
