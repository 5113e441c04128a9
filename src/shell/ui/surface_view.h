#pragma once

#include "shell/surface.h"
#include "shell/ui/file_writing.h"

#include <QImage>
#include <QPointF>
#include <QRegion>

class QPainter;
class QPrinter;
#include <QWidget>

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace ttl {

// Shows a Surface. What has been painted is kept in a snapshot image and only what was added to
// the display list since is painted onto it, so a long animation costs the same per frame at its
// end as at its start. After a Cls, the part of the new picture that begins exactly as the
// previous one did stays in the snapshot: a step that clears and redraws a long path plus a few
// arrows paints only the newest marks and the arrows. A resize or a change of device pixel ratio
// repaints from scratch. Its context menu saves, copies or prints the picture (Ctrl+P prints it
// when the view has the focus), and lists the window's own entries (recording, help).
class SurfaceView : public QWidget {
    Q_OBJECT

public:
    explicit SurfaceView(QWidget* parent = nullptr);

    // The surface to draw on; its pixel size follows the widget's current size.
    Surface& surface();
    [[nodiscard]] const Surface& surface() const { return m_surface; }

    // Content that is a function of the widget's size is redrawn through this on every resize.
    void setRedraw(std::function<void(Surface&)> redraw);

    // Draws the surface's content again (through the redraw function when there is one).
    void redraw();

    // Schedules a paint of what changed on the surface since the last paint: the marks added or
    // removed and the transient layer, old and new. The rest of the window is not painted again,
    // so a continuous run costs what its newest marks and arrows cost.
    void refresh();
    // Refreshes each view and paints what changed now, in one pass of their window (they share
    // one): a paint posted for later wakes the event loop once more, at every tick of an
    // animation. For a timer of a few dozen ticks a second; a faster one should let Qt gather
    // its paints.
    static void refreshNow(std::initializer_list<SurfaceView*> views);

    // What is shown, as it is shown: the pictures of "Save picture…", "Copy picture" and
    // "Print…".
    [[nodiscard]] QImage renderImage() const;
    WriteResult savePicture(const QString& path) const;
    void copyPicture() const;
    // False when the printer cannot be opened.
    bool printPicture(QPrinter& printer) const;

    [[nodiscard]] QSize sizeHint() const override;

    // A point of the widget in the world coordinates of the surface's current window.
    [[nodiscard]] QPointF ToWorld(QPointF pixel) const;

    // The region the last refresh() asked to paint; empty when it asked for the whole window.
    [[nodiscard]] const QRegion& lastRefreshRegion() const { return m_lastRefreshRegion; }

    // Whether the last paint started from a blank picture rather than adding to the cached one.
    [[nodiscard]] bool lastPaintWasFull() const { return m_lastPaintWasFull; }
    // How many primitives of the last fresh picture came from the snapshot of the previous one.
    [[nodiscard]] std::size_t lastPaintReused() const { return m_lastPaintReused; }
    // How many primitives the last paint had to copy to remember what it painted.
    [[nodiscard]] std::size_t lastPaintCopied() const { return m_lastPaintCopied; }

signals:
    // The left button pressed or released over the picture, in world coordinates, with the
    // keyboard modifiers held then.
    void mousePressed(double x, double y, Qt::KeyboardModifiers modifiers);
    void mouseReleased(double x, double y, Qt::KeyboardModifiers modifiers);
    // A new picture was asked for by refresh() or redraw(): a frame of an animation.
    void pictureChanged();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void savePictureInteractively();
    void printInteractively();
    // Whether the snapshot can be kept as it is for a paint at the current size.
    [[nodiscard]] bool SnapshotFits() const;
    // Finds what changed since the last paint (m_lastRefreshRegion); false when the whole
    // view must be painted again, which it has asked for.
    bool FindChanges();

    Surface m_surface;
    std::function<void(Surface&)> m_redraw;
    // How many primitives at the start of the display list are those last painted.
    [[nodiscard]] std::size_t StablePrefix();
    // Paints primitives first..last over what the painter's device already shows.
    void PaintRange(QPainter& painter, std::size_t first, std::size_t last) const;

    // The first m_snapshotCount primitives of m_painted, painted once and kept.
    QImage m_snapshot;
    std::size_t m_snapshotCount = 0;
    Color m_snapshotBackColor;
    bool m_snapshotColourBlindSafe = false;
    double m_snapshotScale = 1.0;
    std::vector<Primitive> m_painted; // the display list as last painted
    std::size_t m_paintedClearCount = 0;
    // StablePrefix() for the display list of this clear count and length, until the next paint.
    std::optional<std::pair<std::size_t, std::size_t>> m_stableFor;
    std::size_t m_stable = 0;
    std::vector<Primitive> m_paintedTransient; // the transient layer as last painted
    QRegion m_lastRefreshRegion;
    bool m_lastPaintWasFull = false;
    std::size_t m_lastPaintReused = 0;
    std::size_t m_lastPaintCopied = 0;
};

} // namespace ttl
