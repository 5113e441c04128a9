#include "shell/ui/graph_interaction.h"

#include "shell/graph_readout.h"
#include "shell/plot_layout.h"
#include "shell/ui/surface_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace ttl {

namespace {
// A wheel notch narrows the view by this factor.
constexpr double ZoomPerNotch = 0.8;
constexpr double KeyStepPixels = 4.0;

Interval ScaledAbout(Interval i, double at, double factor)
{
    return {at + (i.low - at) * factor, at + (i.high - at) * factor};
}

Interval Shifted(Interval i, double by)
{
    return {i.low + by, i.high + by};
}
} // namespace

GraphInteraction::GraphInteraction(SurfaceView& view, std::function<ReadableGraph()> describe)
    : QObject(&view), m_view(view), m_describe(std::move(describe))
{
    view.setMouseTracking(true);
    view.setFocusPolicy(Qt::StrongFocus);
    view.installEventFilter(this);
    view.setRedraw([this](Surface& surface) { Draw(surface); });
}

void GraphInteraction::Draw(Surface& surface)
{
    m_shown = m_describe();
    surface.SetForeColor(colors::Black);
    if (m_shown.graph.curves.empty()) {
        surface.Cls();
        m_area = {};
    } else {
        m_area = DrawGraph(surface, m_shown.graph, m_zoom);
    }
}

void GraphInteraction::ShowFitted()
{
    m_zoom.reset();
    m_cursor.reset();
    m_dragFrom.reset();
    m_dragView.reset();
    m_view.redraw();
}

void GraphInteraction::SetZoom(std::optional<DataView> zoom)
{
    m_zoom = zoom;
    m_view.redraw();
    if (m_cursor) {
        ShowReadoutAt(m_cursor->x(), m_cursor->y());
    }
}

void GraphInteraction::ShowReadoutAt(double x, double y)
{
    Surface& surface = m_view.surface();
    const double px = PixelX(m_area, x);
    const double py = PixelY(m_area, y);
    if (m_shown.graph.curves.empty() || !m_area.Contains(px, py)) {
        HideReadout();
        return;
    }
    m_cursor = QPointF(x, y);
    if (const std::optional<PointTiming>& orbit = m_shown.orbit) {
        DrawReadout(surface, m_area,
                    NearestPointReadout(m_shown.graph, m_area, x, y, orbit->firstTime,
                                        orbit->timeStep),
                    std::nullopt, x, y);
    } else {
        DrawReadout(surface, m_area, TimeReadout(m_shown.graph, x), x, x, y);
    }
    m_view.refresh();
}

void GraphInteraction::HideReadout()
{
    m_cursor.reset();
    if (!m_view.surface().TransientPrimitives().empty()) {
        m_view.surface().ClearTransient();
        m_view.refresh();
    }
}

void GraphInteraction::ZoomAbout(QPointF pixel, double factor)
{
    if (m_shown.graph.curves.empty()) {
        return;
    }
    const QPointF at = m_view.ToWorld(pixel);
    const DataView now = m_area.view;
    DataView next{ScaledAbout(now.x, at.x(), factor), ScaledAbout(now.y, at.y(), factor)};
    SetZoom(next);
}

void GraphInteraction::MoveCursorBy(double pixels)
{
    if (m_area.right <= m_area.left) {
        return;
    }
    const DataView& v = m_area.view;
    const QPointF from = m_cursor.value_or(QPointF(0.5 * (v.x.low + v.x.high), 0.5 * (v.y.low + v.y.high)));
    const double perPixel = (v.x.high - v.x.low) / (m_area.right - m_area.left);
    const double x = std::clamp(from.x() + pixels * perPixel, v.x.low, v.x.high);
    ShowReadoutAt(x, from.y());
}

bool GraphInteraction::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_view) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (m_dragFrom && m_dragView && (e->buttons() & Qt::LeftButton)) {
            const double w = m_area.right - m_area.left;
            const double h = m_area.bottom - m_area.top;
            const QPointF d = e->position() - *m_dragFrom;
            const DataView& v = *m_dragView;
            SetZoom(DataView{Shifted(v.x, -d.x() / w * (v.x.high - v.x.low)),
                             Shifted(v.y, d.y() / h * (v.y.high - v.y.low))});
        } else {
            const QPointF at = m_view.ToWorld(e->position());
            ShowReadoutAt(at.x(), at.y());
        }
        return false;
    }
    case QEvent::MouseButtonPress: {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton) {
            m_dragFrom = e->position();
            m_dragView = m_area.view;
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
        m_dragFrom.reset();
        m_dragView.reset();
        return false;
    case QEvent::MouseButtonDblClick:
        SetZoom(std::nullopt);
        return true;
    case QEvent::Wheel: {
        const auto* e = static_cast<QWheelEvent*>(event);
        ZoomAbout(e->position(), std::pow(ZoomPerNotch, e->angleDelta().y() / 120.0));
        return true;
    }
    case QEvent::Leave:
        HideReadout();
        return false;
    case QEvent::KeyPress: {
        const auto* e = static_cast<QKeyEvent*>(event);
        if (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right) {
            MoveCursorBy(e->key() == Qt::Key_Left ? -KeyStepPixels : KeyStepPixels);
            return true;
        }
        if (e->key() == Qt::Key_0 && e->modifiers() == Qt::NoModifier) {
            SetZoom(std::nullopt);
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

GraphInteraction& GraphReadingOf(SurfaceView& view, const std::function<ReadableGraph()>& describe)
{
    auto* reading = view.findChild<GraphInteraction*>(QString(), Qt::FindDirectChildrenOnly);
    return reading != nullptr ? *reading : *new GraphInteraction(view, describe);
}

} // namespace ttl
