#pragma once

#include "translating/relative_motion.h"
#include "translating/ui/translating_experiment.h"

#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

namespace ttl {

struct RecordableAnimation;

class SurfaceView;

// "EXPLANATIONS FOR RELATIVE MOTION": a body sliding on a platform that moves with constant
// acceleration, seen in the lab frame and in the platform's frame side by side.
class RelativeMotionScreen : public QWidget {
    Q_OBJECT

public:
    explicit RelativeMotionScreen(QWidget* parent = nullptr);

    [[nodiscard]] RelativeMotionInputs Inputs() const;
    [[nodiscard]] const RelativeMotionRun& Run() const { return m_run; }
    [[nodiscard]] SurfaceView& LabView() { return *m_eikona1; }
    [[nodiscard]] SurfaceView& MovingView() { return *m_eikona2; }

    // The time evolution from its start on one of the two pictures, as a recording plays it.
    [[nodiscard]] RecordableAnimation TimeEvolutionRecording(SurfaceView& picture);
    // What the screen shows, to be saved; and the same shown again, its steps redone.
    [[nodiscard]] TranslatingExperiment Experiment() const;
    void OpenExperiment(const TranslatingExperiment& experiment);

signals:
    void nextChosen();
    void backChosen();
    void endChosen();

protected:
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Timer1_Timer();
    void overallscale_Change();

    QGroupBox* BuildParameters();
    QGridLayout* BuildCommands();
    // The commands in as many columns, up to four, as fit beside the bars in the current font.
    void ArrangeCommands();
    void OneStep();
    // Every bar at once, without their handlers.
    void SetBars(const RelativeMotionInputs& inputs);
    // The views through the windows the bars set, showing what they showed.
    void RewindowLab();
    void RewindowMoving();
    // Ax, Ay, mu or the mass moved: the run takes them from now on.
    void LiveBarChanged();
    void FollowTheBody();
    void UpdateLabels();
    void UpdateStepButton();

    RelativeMotionRun m_run;
    std::map<std::string, QScrollBar*> m_bars;
    std::map<std::string, QLabel*> m_labels;
    QCheckBox* m_follow = nullptr;
    QLabel* m_launchNote = nullptr; // explains the mark of values waiting for the next launch
    double m_legendScale = 0.0;     // the force scale the moving view's legend shows
    SurfaceView* m_eikona1 = nullptr;
    SurfaceView* m_eikona2 = nullptr;
    QPushButton* m_step = nullptr;
    QGridLayout* m_commands = nullptr;
    std::vector<QPushButton*> m_commandButtons;
    QTimer* m_timer = nullptr;
    bool m_frameVxChanged = false;
};

} // namespace ttl
