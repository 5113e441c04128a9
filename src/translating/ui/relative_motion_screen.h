#pragma once

#include <QWidget>

namespace ttl {

// "EXPLANATIONS FOR RELATIVE MOTION": a body sliding on a platform that moves with constant
// acceleration, seen in the lab frame and in the platform's frame side by side.
class RelativeMotionScreen : public QWidget {
    Q_OBJECT

public:
    explicit RelativeMotionScreen(QWidget* parent = nullptr);

private:
    bool m_frameVxChanged = false;
};

} // namespace ttl
