#pragma once

#include "shell/surface.h"

#include <QImage>
#include <QWidget>

#include <cstddef>
#include <functional>

namespace ttl {

// Shows a Surface. The picture is kept in a cached image and only what was added to the display
// list since the last paint is painted onto it, so a long animation costs the same per frame at
// its end as at its start; a Cls, a resize or a change of device pixel ratio repaints from scratch.
// Its context menu saves or copies the picture.
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

    [[nodiscard]] QImage renderImage() const;
    bool savePicture(const QString& path) const;
    void copyPicture() const;

    [[nodiscard]] QSize sizeHint() const override;

    // Whether the last paint started from a blank picture rather than adding to the cached one.
    [[nodiscard]] bool lastPaintWasFull() const { return m_lastPaintWasFull; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void savePictureInteractively();

    Surface m_surface;
    std::function<void(Surface&)> m_redraw;
    QImage m_cache;
    std::size_t m_paintedCount = 0;
    std::size_t m_paintedClearCount = 0;
    bool m_lastPaintWasFull = false;
};

} // namespace ttl
