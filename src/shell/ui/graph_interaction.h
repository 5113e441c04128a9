#pragma once

#include "shell/graph.h"

#include <QObject>
#include <QPointF>

#include <functional>
#include <optional>

namespace ttl {

class SurfaceView;

// The times of an orbit's points: the first point's and the step between them.
struct PointTiming {
    double firstTime = 0.0;
    double timeStep = 0.0;
};

// A graph as it is now, with the times of its points when it is an orbit.
struct ReadableGraph {
    Graph graph;
    std::optional<PointTiming> orbit;
};

// Reading a graph with the mouse and the keyboard. Hovering shows a cursor and a box with the
// values there (of every curve at that time, or, for an orbit, its nearest point with the time
// it was reached); the left and right arrows move the cursor. The wheel zooms about the mouse, a
// drag pans, a double-click or the 0 key restores the fitted view. It alone draws the view: the
// graph is drawn again, its ticks following the zoom, whenever the view changes or the window
// resizes.
class GraphInteraction : public QObject {
    Q_OBJECT

public:
    GraphInteraction(SurfaceView& view, std::function<ReadableGraph()> describe);

    [[nodiscard]] const std::optional<DataView>& zoom() const { return m_zoom; }
    // The part of the data shown as last drawn.
    [[nodiscard]] const DataView& shownView() const { return m_area.view; }
    // A new graph (a new run, another range): drawn again, fitted, without a readout.
    void ShowFitted();
    // Shows the readout for a point of the data, as a hover there does.
    void ShowReadoutAt(double x, double y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Draw(Surface& surface);
    void SetZoom(std::optional<DataView> zoom);
    void ZoomAbout(QPointF pixel, double factor);
    void MoveCursorBy(double pixels);
    void HideReadout();

    SurfaceView& m_view;
    std::function<ReadableGraph()> m_describe;
    ReadableGraph m_shown; // as last drawn, for the readout
    PlotArea m_area;
    std::optional<DataView> m_zoom;
    std::optional<QPointF> m_dragFrom;
    std::optional<DataView> m_dragView;
    std::optional<QPointF> m_cursor; // in data
};

// The view's reading, installed on first use; `describe` gives the graph as it is now (no curves
// when there is none) and is kept from that first call. The view owns what is returned.
GraphInteraction& GraphReadingOf(SurfaceView& view, const std::function<ReadableGraph()>& describe);

} // namespace ttl
