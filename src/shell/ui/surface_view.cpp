#include "shell/ui/surface_view.h"

#include "shell/drawing_scale.h"
#include "shell/ui/drawing_palette.h"
#include "shell/ui/surface_painter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace ttl {

SurfaceView::SurfaceView(QWidget* parent) : QWidget(parent)
{
    // Screen readers hear the drawing's name and what it shows (its tooltip or its caption).
    connect(this, &QObject::objectNameChanged, this, [this](const QString& name) {
        setAccessibleName(windowTitle().isEmpty() ? name : windowTitle());
    });
    connect(this, &QWidget::windowTitleChanged, this,
            [this](const QString& title) { setAccessibleName(title); });
    setAccessibleDescription(tr("A drawing of the program"));
    // Another palette: everything is painted again in it.
    connect(&DrawingPalette::Instance(), &DrawingPalette::changed, this,
            qOverload<>(&QWidget::update));
    // Another size of texts and lines: drawn again, so texts placed by their size move apart.
    connect(&DrawingPalette::Instance(), &DrawingPalette::scaleChanged, this, &SurfaceView::redraw);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus); // for Ctrl+P, without a stop in the tab order
    setMinimumSize(40, 40);
    m_surface.SetPixelSize(width(), height());
    m_surface.SetTextMeasure(MeasureText);
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
    emit pictureChanged();
}

bool SurfaceView::SnapshotFits() const
{
    const qreal dpr = devicePixelRatioF();
    return m_snapshot.size() == (QSizeF(size()) * dpr).toSize() &&
           m_snapshot.devicePixelRatio() == dpr && m_snapshotBackColor == m_surface.BackColor() &&
           m_snapshotColourBlindSafe == DrawingPalette::Instance().colourBlindSafe() &&
           m_snapshotScale == DrawingScale();
}

namespace {

// Each rectangle of a refresh is painted and copied to the screen on its own: two are joined
// when that paints at most this many pixels more (a 64-pixel square).
constexpr int CoalesceSlack = 64 * 64;

} // namespace

void SurfaceView::refresh()
{
    if (FindChanges() && !m_lastRefreshRegion.isEmpty()) {
        update(m_lastRefreshRegion);
    }
}

void SurfaceView::refreshNow(std::initializer_list<SurfaceView*> views)
{
    // Painting one view now paints everything of its window marked for painting, in one pass
    // and one copy to the screen: the others are only marked. (A repaint of their common parent
    // would not reach them.)
    SurfaceView* last = nullptr;
    for (SurfaceView* view : views) {
        if (!view->FindChanges() || view->m_lastRefreshRegion.isEmpty() || !view->isVisible()) {
            continue;
        }
        if (last != nullptr) {
            last->update(last->m_lastRefreshRegion);
        }
        last = view;
    }
    if (last != nullptr) {
        last->repaint(last->m_lastRefreshRegion);
    }
}

bool SurfaceView::FindChanges()
{
    m_lastRefreshRegion = {};
    emit pictureChanged();
    if (!SnapshotFits()) {
        update();
        return false;
    }
    const auto& list = m_surface.Primitives();
    const std::size_t stable = StablePrefix();
    const QSizeF area(size());
    // Each change in rectangles of its own: new marks and an arrow far apart, or a turning
    // radius's strip, are painted again rather than the box around them all.
    QRegion changed =
        PrimitivesRegion(list, stable, area) + PrimitivesRegion(m_painted, stable, area);
    // A moving thing that stayed where it was (a guide circle of the same radius to the pixel)
    // is on the screen already: only what differs from the layer last painted is painted again.
    const auto& transient = m_surface.TransientPrimitives();
    for (std::size_t i = 0; i < std::max(transient.size(), m_paintedTransient.size()); ++i) {
        if (i >= transient.size() || i >= m_paintedTransient.size() ||
            !(transient[i] == m_paintedTransient[i])) {
            changed += PrimitivesRegion(m_paintedTransient, i, area, i + 1) +
                       PrimitivesRegion(transient, i, area, i + 1);
        }
    }
    m_lastRefreshRegion = Coalesced(changed, CoalesceSlack) & rect();
    return true;
}

QImage SurfaceView::renderImage() const
{
    return RenderSurface(m_surface, size(), devicePixelRatioF());
}

WriteResult SurfaceView::savePicture(const QString& path) const
{
    return SaveSurface(m_surface, size(), path);
}

void SurfaceView::copyPicture() const
{
    QApplication::clipboard()->setImage(renderImage());
}

bool SurfaceView::printPicture(QPrinter& printer) const
{
    return PrintSurface(m_surface, size(), printer);
}

QSize SurfaceView::sizeHint() const
{
    return {400, 300};
}

namespace {

// The picture is opaque: kept in the format of the image it is copied onto (a window's is
// RGB32 on most displays), it is copied there row by row instead of blended pixel by pixel.
QImage::Format SnapshotFormat(const QPainter& painter)
{
    const QPaintDevice* device = painter.paintEngine()->paintDevice();
    if (device != nullptr && device->devType() == QInternal::Image &&
        static_cast<const QImage*>(device)->format() == QImage::Format_RGB32) {
        return QImage::Format_RGB32;
    }
    return QImage::Format_ARGB32_Premultiplied;
}

} // namespace

void SurfaceView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (painter.paintEngine()->type() != QPaintEngine::Raster) {
        // The screen rendered into an SVG or a PDF: lines and texts, not the cached image.
        PaintSurface(painter, m_surface, QSizeF(size()));
        return;
    }
    const qreal dpr = devicePixelRatioF();
    const auto& list = m_surface.Primitives();
    const bool resized = !SnapshotFits();
    const bool cleared =
        m_paintedClearCount != m_surface.ClearCount() || m_painted.size() > list.size();
    m_lastPaintWasFull = resized || cleared;

    // The snapshot may keep what the new picture shares with the previous one: after a Cls, the
    // common beginning of both lists; without one, everything, since only a Cls removes anything.
    const std::size_t stable = cleared ? StablePrefix() : list.size();
    if (resized || stable < m_snapshotCount) {
        m_snapshot = BlankImage(m_surface, size(), dpr, SnapshotFormat(painter));
        m_snapshotBackColor = m_surface.BackColor();
        m_snapshotColourBlindSafe = DrawingPalette::Instance().colourBlindSafe();
        m_snapshotScale = DrawingScale();
        m_snapshotCount = 0;
    }
    m_lastPaintReused = m_snapshotCount;
    if (stable > m_snapshotCount) {
        QPainter snapshotPainter(&m_snapshot);
        PaintRange(snapshotPainter, m_snapshotCount, stable);
        m_snapshotCount = stable;
    }
    // Only what differs is copied: a long path redrawn unchanged after a Cls costs nothing here.
    const std::size_t kept = std::min(stable, m_painted.size());
    m_painted.erase(m_painted.begin() + static_cast<std::ptrdiff_t>(kept), m_painted.end());
    m_painted.insert(m_painted.end(), list.begin() + static_cast<std::ptrdiff_t>(kept), list.end());
    m_lastPaintCopied = list.size() - kept;
    m_paintedClearCount = m_surface.ClearCount();
    m_stableFor.reset();

    const auto& transient = m_surface.TransientPrimitives();
    m_paintedTransient = transient;
    const std::vector<QRect> reaches = PrimitiveReaches(transient, QSizeF(size()));
    // Over a clip of several rectangles Qt strokes a line pixel by pixel through the clip's
    // spans; one rectangle at a time, it cuts the line to the rectangle first, several times
    // cheaper. Each rectangle gets only the moving things that reach it.
    const QRegion& region = event->region();
    for (const QRect& part : region) {
        if (region.rectCount() > 1) {
            painter.setClipRect(part);
        }
        // Copied under a single rectangle's clip, the picture is blitted; under a clip of
        // several, Qt blends it span by span and hands the spans to its worker threads.
        painter.drawImage(QPointF(0, 0), m_snapshot);
        PaintRange(painter, m_snapshotCount, list.size());
        if (!transient.empty()) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            PaintPrimitivesOver(painter, transient, QSizeF(size()), reaches, part);
        }
    }
}

std::size_t SurfaceView::StablePrefix()
{
    const auto& list = m_surface.Primitives();
    if (m_paintedClearCount == m_surface.ClearCount() && m_painted.size() <= list.size()) {
        return m_painted.size(); // only appended to since
    }
    // refresh() and the paint that follows it compare the long lists once, not twice.
    const std::pair key{m_surface.ClearCount(), list.size()};
    if (m_stableFor != key) {
        m_stable = static_cast<std::size_t>(
            std::mismatch(m_painted.begin(), m_painted.end(), list.begin(), list.end()).first -
            m_painted.begin());
        m_stableFor = key;
    }
    return m_stable;
}

void SurfaceView::PaintRange(QPainter& painter, std::size_t first, std::size_t last) const
{
    if (first >= last) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintPrimitives(painter, m_surface.Primitives(), first, QSizeF(size()), last);
}

QPointF SurfaceView::ToWorld(QPointF pixel) const
{
    const WorldWindow& w = m_surface.Window();
    const double width = std::max(1, this->width());
    const double height = std::max(1, this->height());
    return {w.left + pixel.x() / width * w.width, w.top + pixel.y() / height * w.height};
}

bool SurfaceView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTipChange && !toolTip().isEmpty()) {
        setAccessibleDescription(toolTip()); // what the drawing shows
    }
    return QWidget::event(event);
}

void SurfaceView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPointF at = ToWorld(event->position());
        emit mousePressed(at.x(), at.y(), event->modifiers());
    }
    QWidget::mousePressEvent(event);
}

void SurfaceView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPointF at = ToWorld(event->position());
        emit mouseReleased(at.x(), at.y(), event->modifiers());
    }
    QWidget::mouseReleaseEvent(event);
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
    menu.addAction(tr("Print…"), this, &SurfaceView::printInteractively)
        ->setShortcut(QKeySequence::Print);
    // The window's own entries (recording, help), not its keys' silent actions.
    bool separated = false;
    for (QAction* action : actions()) {
        if (!action->text().isEmpty()) {
            if (!separated) {
                menu.addSeparator();
                separated = true;
            }
            menu.addAction(action);
        }
    }
    menu.exec(event->globalPos());
}

void SurfaceView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Print)) {
        printInteractively();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SurfaceView::printInteractively()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    printer.setPageOrientation(width() > height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print picture"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!printPicture(printer)) {
        QMessageBox::warning(this, tr("Print picture"), tr("Could not print the picture."));
    }
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
    if (const WriteResult written = savePicture(path); !written) {
        QMessageBox::warning(this, tr("Save picture"), written.reason);
    }
}

} // namespace ttl
