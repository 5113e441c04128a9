#pragma once

#include "shell/gif_animation.h"
#include "shell/ui/file_writing.h"

#include <QImage>
#include <QObject>
#include <QTimer>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace ttl {

class AnimationPlayer;
class SurfaceView;

// An animation a view plays, as a recording needs it.
struct RecordableAnimation {
    SurfaceView* view = nullptr;
    std::function<int()> tickMs;   // how long each of its pictures stays on screen now
    std::function<void()> restart; // plays it again from its first picture
    std::function<bool()> running; // whether it is still playing
    std::function<void()> tick;    // its next picture now, for recording without windows
    // Whether the view can play its animation now (a screen may show it in one state only);
    // without one it always can.
    std::function<bool()> available;
};

// An animation played by a player on its view; `restart` starts it again.
[[nodiscard]] RecordableAnimation PlayedAnimation(AnimationPlayer& player, SurfaceView& view,
                                                  std::function<void()> restart);

inline constexpr int FastestFrameMs = 40; // 25 frames a second
inline constexpr int LongestRecordingSeconds = 120;

// Captures the pictures of an animation as it plays, from the drawing itself rather than the
// screen, at most 25 a second and at the speed it is shown: a picture stays in the recording as
// long as it stayed on screen. It ends when the animation ends, at Stop(), or at its length.
class AnimationRecorder : public QObject {
    Q_OBJECT

public:
    AnimationRecorder(RecordableAnimation animation, int longestMs);

    // Restarts the animation and captures its first picture and every one after.
    void Start();
    void Stop();
    [[nodiscard]] bool IsRecording() const { return m_recording; }
    [[nodiscard]] const RecordableAnimation& Animation() const { return m_animation; }
    // The recording made, once it has ended.
    [[nodiscard]] GifAnimation TakeAnimation();

signals:
    void finished();

private:
    void Picture();
    // Renders the view's picture, the frame waiting to learn how long it stays.
    void TakePicture();
    void Capture(int shownMs);

    RecordableAnimation m_animation;
    int m_longestMs;
    bool m_recording = false;
    std::optional<GifAnimation> m_gif;
    QImage m_pending; // captured, waiting to learn how long it stays
    int m_pendingMs = 0;
    Color m_page;
    int m_playedMs = 0;
    QMetaObject::Connection m_connection;
    QTimer* m_poll = nullptr; // an animation may end without a last picture
};

// Plays the animation to its end, or for `milliseconds`, without waiting for its timer.
[[nodiscard]] GifAnimation RecordWithoutWindows(const RecordableAnimation& animation,
                                                int milliseconds);

// Encodes and writes the file; nothing is written when `cancelled` turns true or encoding fails.
[[nodiscard]] WriteResult WriteRecording(const GifAnimation& gif, const QString& path,
                                         const std::function<bool()>& cancelled,
                                         const std::function<void(int)>& progress);

// "Record…" and "Stop recording" in the view's context menu: asks for a file, plays the animation
// from its start while recording, then encodes it away from the window's thread with a progress
// dialog and Cancel.
void AddRecordingActions(const RecordableAnimation& animation);

} // namespace ttl
