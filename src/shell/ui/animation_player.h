#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace ttl {

class SurfaceView;

// Plays an animation on a view one frame per timer tick, so the window stays responsive and uses
// no processor time between frames. Starting again restarts from the first frame; a hidden view
// stops the animation, so nothing is drawn after its window closes.
class AnimationPlayer : public QObject {
    Q_OBJECT

public:
    AnimationPlayer(SurfaceView& view, int frameIntervalMs, QObject* parent = nullptr);

    // Frames 1..frameCount, then `finish`.
    void Start(int frameCount, std::function<void(int)> frame, std::function<void()> finish = {});
    void Stop();
    [[nodiscard]] bool IsRunning() const { return m_timer.isActive(); }
    [[nodiscard]] int NextFrame() const { return m_next; }
    [[nodiscard]] int IntervalMs() const { return m_timer.interval(); }

    // Draws the next frame now, as a timer tick would.
    void Tick();

private:
    SurfaceView& m_view;
    QTimer m_timer;
    int m_next = 1;
    int m_count = 0;
    std::function<void(int)> m_frame;
    std::function<void()> m_finish;
};

} // namespace ttl
