#pragma once

#include <QWidget>

class QCheckBox;
class QRadioButton;

namespace ttl {

class SurfaceView;

// "FOLLOW THE MOVEMENT STEP BY STEP": the body on the turntable followed step by step in the
// inertial or the rotating frame, with the forces each observer needs.
class ExplorerScreen : public QWidget {
    Q_OBJECT

public:
    explicit ExplorerScreen(QWidget* parent = nullptr);

    [[nodiscard]] bool RotatingFrameSelected() const;

    // "BASE ACC" is offered only in the rotating frame, and only while the base is free.
    void ShowBaseAccelerationChoice(bool baseFree);

    [[nodiscard]] SurfaceView& Picture1() { return *m_picture1; }
    [[nodiscard]] SurfaceView& Picture2() { return *m_picture2; }

private:
    void Option1_Click();
    void Option2_Click();

    SurfaceView* m_picture1 = nullptr;
    SurfaceView* m_picture2 = nullptr;
    QRadioButton* m_option1 = nullptr;
    QCheckBox* m_checks[7] = {};
};

} // namespace ttl
