#include "shell/ui/surface_view.h"

#include "shell/ui/surface_painter.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>

namespace ttl {

SurfaceView::SurfaceView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(40, 40);
    m_surface.SetPixelSize(width(), height());
}

Surface& SurfaceView::surface()
{
    m_surface.SetPixelSize(width(), height());
    return m_surface;
}

void SurfaceView::setRedraw(std::function<void(Surface&)> redraw)
{
    m_redraw = std::move(redraw);
}

void SurfaceView::redraw()
{
    if (m_redraw) {
        m_redraw(surface());
    }
    update();
}

QImage SurfaceView::renderImage() const
{
    return RenderSurface(m_surface, size(), devicePixelRatioF());
}

bool SurfaceView::savePicture(const QString& path) const
{
    return SaveSurface(m_surface, size(), path);
}

void SurfaceView::copyPicture() const
{
    QApplication::clipboard()->setImage(renderImage());
}

QSize SurfaceView::sizeHint() const
{
    return {400, 300};
}

void SurfaceView::paintEvent(QPaintEvent*)
{
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    const bool stale = m_cache.size() != pixels || m_cache.devicePixelRatio() != dpr ||
                       m_paintedClearCount != m_surface.ClearCount() ||
                       m_paintedCount > m_surface.Primitives().size();
    m_lastPaintWasFull = stale;
    if (stale) {
        m_cache = RenderSurface(m_surface, size(), dpr);
    } else if (m_paintedCount < m_surface.Primitives().size()) {
        QPainter painter(&m_cache);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        PaintPrimitives(painter, m_surface, m_paintedCount, QSizeF(size()));
    }
    m_paintedCount = m_surface.Primitives().size();
    m_paintedClearCount = m_surface.ClearCount();

    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), m_cache);
}

void SurfaceView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_surface.SetPixelSize(width(), height());
    if (m_redraw) {
        m_redraw(m_surface);
    }
}

void SurfaceView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(tr("Save picture…"), this, &SurfaceView::savePictureInteractively);
    menu.addAction(tr("Copy picture"), this, &SurfaceView::copyPicture);
    menu.exec(event->globalPos());
}

void SurfaceView::savePictureInteractively()
{
    QString selectedFilter;
    QString path =
        QFileDialog::getSaveFileName(this, tr("Save picture"), QString(),
                                     tr("PNG image (*.png);;SVG drawing (*.svg)"), &selectedFilter);
    if (path.isEmpty()) {
        return;
    }
    const bool svg = selectedFilter.contains(QStringLiteral("svg"));
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        path += svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    }
    if (!savePicture(path)) {
        QMessageBox::warning(this, tr("Save picture"),
                             tr("The picture could not be written to %1.").arg(path));
    }
}

} // namespace ttl
