#pragma once

#include <QWidget>

namespace ttl {

class SurfaceView;

// "FIRST EXPLANATION": the curve lab (the body on a sine-shaped curve, its accelerations and
// circles of curvature) and the first explanation of why a body on a disk falls behind.
class FirstStepScreen : public QWidget {
    Q_OBJECT

public:
    explicit FirstStepScreen(QWidget* parent = nullptr);

    [[nodiscard]] SurfaceView& eikona() { return *m_eikona; }

private:
    SurfaceView* m_eikona = nullptr;
};

} // namespace ttl
