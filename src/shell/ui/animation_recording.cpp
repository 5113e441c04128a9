#include "shell/ui/animation_recording.h"

#include "shell/ui/animation_player.h"
#include "shell/ui/drawing_palette.h"
#include "shell/ui/surface_view.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

namespace ttl {

namespace {
// The last picture stays a moment before the recording starts again from the first.
constexpr int LastPictureMs = 2000;

QImage PictureOf(const SurfaceView& view)
{
    return view.renderImage().convertToFormat(QImage::Format_RGB32);
}

Color Shown(Color c)
{
    const QColor shown = DrawingPalette::Instance().shown(c);
    return {static_cast<std::uint8_t>(shown.red()), static_cast<std::uint8_t>(shown.green()),
            static_cast<std::uint8_t>(shown.blue())};
}

// The colours the drawing uses now, as the view shows them.
std::vector<Color> DrawnColours(const Surface& surface)
{
    std::vector<Color> colours;
    for (const auto* list : {&surface.Primitives(), &surface.TransientPrimitives()}) {
        for (const Primitive& p : *list) {
            const Color c = Shown(p.color);
            if (std::find(colours.begin(), colours.end(), c) == colours.end()) {
                colours.push_back(c);
            }
        }
    }
    return colours;
}
} // namespace

RecordableAnimation PlayedAnimation(AnimationPlayer& player, SurfaceView& view,
                                    std::function<void()> restart)
{
    return {&view, [&player] { return player.IntervalMs(); }, std::move(restart),
            [&player] { return player.IsRunning(); }, [&player] { player.Tick(); }, {}};
}

AnimationRecorder::AnimationRecorder(RecordableAnimation animation, int longestMs)
    : m_animation(std::move(animation)), m_longestMs(longestMs), m_poll(new QTimer(this))
{
    m_poll->setInterval(100);
    connect(m_poll, &QTimer::timeout, this, [this] {
        if (!m_animation.running()) {
            Stop();
        }
    });
}

void AnimationRecorder::Start()
{
    if (m_recording || m_animation.view == nullptr) {
        return;
    }
    m_animation.restart();
    const QImage first = PictureOf(*m_animation.view);
    m_page = Shown(m_animation.view->surface().BackColor());
    m_gif.emplace(first.width(), first.height(), GifPalette({}, m_page));
    TakePicture();
    m_pendingMs = 0;
    m_playedMs = 0;
    m_recording = true;
    m_connection =
        connect(m_animation.view, &SurfaceView::pictureChanged, this, &AnimationRecorder::Picture);
    if (!m_animation.running()) {
        Stop(); // nothing to play: the one picture there is
    }
}

void AnimationRecorder::Picture()
{
    const int tick = std::max(1, m_animation.tickMs());
    m_pendingMs += tick;
    m_playedMs += tick;
    const bool ending = !m_animation.running() || m_playedMs >= m_longestMs;
    if (m_pendingMs >= FastestFrameMs || ending) {
        Capture(m_pendingMs);
        TakePicture();
        m_pendingMs = 0;
    }
    if (ending) {
        Stop();
    }
}

void AnimationRecorder::Stop()
{
    if (!m_recording) {
        return;
    }
    disconnect(m_connection);
    m_poll->stop();
    Capture(std::max(m_pendingMs, LastPictureMs));
    m_recording = false;
    emit finished();
}

void AnimationRecorder::TakePicture()
{
    m_pending = PictureOf(*m_animation.view);
    m_gif->AddColours(DrawnColours(m_animation.view->surface()), m_page);
}

void AnimationRecorder::Capture(int shownMs)
{
    QImage picture = m_pending;
    if (picture.size() != QSize(m_gif->Width(), m_gif->Height())) { // the window was resized
        picture =
            picture.scaled(m_gif->Width(), m_gif->Height()).convertToFormat(QImage::Format_RGB32);
    }
    m_gif->AddFrame(reinterpret_cast<const std::uint32_t*>(picture.constBits()), shownMs);
}

GifAnimation AnimationRecorder::TakeAnimation()
{
    GifAnimation taken = m_gif ? std::move(*m_gif) : GifAnimation(1, 1, {});
    m_gif.reset();
    return taken;
}

GifAnimation RecordWithoutWindows(const RecordableAnimation& animation, int milliseconds)
{
    AnimationRecorder recorder(animation, milliseconds);
    recorder.Start();
    // A tick that draws nothing must not keep this loop going for ever.
    const long long mostTicks = 2LL * milliseconds / std::max(1, animation.tickMs()) + 10;
    for (long long k = 0; recorder.IsRecording() && animation.running() && k < mostTicks; ++k) {
        animation.tick();
    }
    recorder.Stop();
    return recorder.TakeAnimation();
}

WriteResult WriteRecording(const GifAnimation& gif, const QString& path,
                           const std::function<bool()>& cancelled,
                           const std::function<void(int)>& progress)
{
    const std::string bytes = gif.Encode(cancelled, progress);
    if (cancelled()) {
        return WriteResult::Failed(QObject::tr("The recording was cancelled."));
    }
    if (bytes.empty()) {
        return WriteResult::Failed(QObject::tr("Could not encode the recording of %1.").arg(path));
    }
    return WriteWholeFile(path, QByteArray::fromStdString(bytes));
}

namespace {
// Encoding and writing on a thread of their own; the window polls them for the progress bar.
struct BackgroundWrite {
    std::atomic<int> encoded{0};
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    WriteResult result;
    std::thread worker;
};

void WriteInBackground(SurfaceView& view, GifAnimation gif, const QString& path)
{
    auto job = std::make_shared<BackgroundWrite>();
    auto* dialog = new QProgressDialog(QObject::tr("Writing the recording…"), QObject::tr("Cancel"),
                                       0, gif.FrameCount(), &view);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(300);
    QObject::connect(dialog, &QProgressDialog::canceled, dialog, [job] { job->cancel = true; });
    job->worker = std::thread([job, gif = std::move(gif), path] {
        job->result = WriteRecording(
            gif, path, [&] { return job->cancel.load(); },
            [&](int frames) { job->encoded = frames; });
        job->done = true;
    });
    auto* poll = new QTimer(dialog);
    QObject::connect(poll, &QTimer::timeout, dialog, [job, dialog, &view] {
        dialog->setValue(job->encoded);
        if (!job->done) {
            return;
        }
        job->worker.join();
        const bool cancelled = job->cancel;
        dialog->deleteLater();
        if (!job->result && !cancelled) {
            QMessageBox::warning(&view, QObject::tr("Record animation"), job->result.reason);
        }
    });
    poll->start(50);
}
} // namespace

void AddRecordingActions(const RecordableAnimation& animation)
{
    SurfaceView& view = *animation.view;
    auto* recorder = new AnimationRecorder(animation, LongestRecordingSeconds * 1000);
    recorder->setParent(&view);
    auto* record = new QAction(QObject::tr("Record…"), &view);
    record->setToolTip(QObject::tr("Play the animation from its start and save it as an animated "
                                   "GIF for a slide"));
    auto* stop = new QAction(QObject::tr("Stop recording"), &view);
    stop->setEnabled(false);
    view.addAction(record);
    view.addAction(stop);
    auto path = std::make_shared<QString>();
    QObject::connect(record, &QAction::triggered, &view, [&view, recorder, record, stop, path] {
        if (recorder->Animation().available && !recorder->Animation().available()) {
            QMessageBox::information(&view, QObject::tr("Record animation"),
                                     QObject::tr("This picture has no animation to record now."));
            return;
        }
        QString chosen =
            QFileDialog::getSaveFileName(&view, QObject::tr("Record animation"), QString(),
                                         QObject::tr("GIF animation (*.gif)"));
        if (chosen.isEmpty()) {
            return;
        }
        if (!chosen.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive)) {
            chosen += QStringLiteral(".gif");
        }
        *path = chosen;
        record->setEnabled(false);
        stop->setEnabled(true);
        recorder->Start();
    });
    QObject::connect(stop, &QAction::triggered, recorder, &AnimationRecorder::Stop);
    QObject::connect(recorder, &AnimationRecorder::finished, &view,
                     [&view, recorder, record, stop, path] {
                         record->setEnabled(true);
                         stop->setEnabled(false);
                         WriteInBackground(view, recorder->TakeAnimation(), *path);
                     });
}

} // namespace ttl
