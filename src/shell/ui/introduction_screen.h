#pragma once

#include <QWidget>

namespace ttl {

class SurfaceView;

// "INTRODUCTION": the teaching problem in three texts and a picture, and the three ways on.
class IntroductionScreen : public QWidget {
    Q_OBJECT

public:
    explicit IntroductionScreen(QWidget* parent = nullptr);

    [[nodiscard]] SurfaceView& picture() { return *m_picture; }

signals:
    void firstExplanationChosen();
    void explorerChosen();
    void simulationChosen();

private:
    SurfaceView* m_picture = nullptr;
};

} // namespace ttl
