#pragma once

#include "curve/curve_diagrams.h"
#include "curve/timed_curve.h"
#include "curve/ui/curve_experiment.h"

#include <QWidget>

#include <string>

class QAction;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTextEdit;
class QTimer;

namespace ttl {

struct RecordableAnimation;

class SurfaceView;

// "FIRST EXPLANATION": the first explanation of why a body on a disk falls behind, the curve lab
// (the body on a sine-shaped curve, its accelerations and circles of curvature, a force judged
// by mouse) and the timed run along the curve.
class FirstStepScreen : public QWidget {
    Q_OBJECT

public:
    explicit FirstStepScreen(QWidget* parent = nullptr);

    [[nodiscard]] SurfaceView& eikona() { return *m_eikona; }
    [[nodiscard]] CurveInputs Inputs() const;
    [[nodiscard]] const TimedCurveRun& TimedRun() const { return m_run; }
    [[nodiscard]] const ForceAssumption& Assumption() const { return m_assumption; }

    // What the screen shows, to be saved; and the same shown again, a timed run redone as far as
    // it had gone.
    [[nodiscard]] CurveExperiment Experiment() const;
    void OpenExperiment(const CurveExperiment& experiment);

    // Every entry from the introduction: the first explanation drawn afresh, with the options,
    // bars, texts and buttons as it needs them, whatever was left on the screen before.
    void ShowFirstExplanation();

    // The timed run along the curve from its start, as a recording plays it; there is one only
    // while the screen shows its START.
    [[nodiscard]] RecordableAnimation TimedRunRecording();

signals:
    void nextChosen();
    void relativeMotionChosen();
    void backChosen();
    void endChosen();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void campyles_Click();
    void DYNAMEISDIAFORES_Click();
    void GUESSFORCE_Click();
    void Command1_Click();
    void Timer1_Timer();
    void XANAPISO_Click();
    void eikona_MouseDown(double x, double y, Qt::KeyboardModifiers modifiers);
    void eikona_MouseUp(double x, double y, Qt::KeyboardModifiers modifiers);
    void BarChanged(QLabel* label, const std::string& caption);
    // The four bars with their labels, in a group; and their change handlers.
    QWidget* MakeParameters();
    void ConnectBars();

    // What the picture shows; each sets its own option, buttons, bars and tooltip.
    enum class Showing { Disk, TimedRun, Curve };
    void Show(Showing showing);
    // Checks option `index` (1 to 3) and unchecks the others.
    void CheckOption(int index);
    void UpdateToolTip();

    // The curve lab's controls and picture, as the factors entry and option set them up.
    void SetUpFactors(bool clearFirst);
    void SetBarCaptions();
    void ShowCurveControls(bool shown);
    void SetText(const std::string& text, bool explanationFont = false);
    CurveMouseMode MouseMode() const;
    // Clears the picture and draws on the curve's window; returns the drawing's explanation.
    using CurveDrawing = std::string (*)(Surface&, const CurveInputs&);
    std::string DrawFresh(CurveDrawing draw);

    SurfaceView* m_eikona = nullptr;
    QTextEdit* m_text1 = nullptr;
    QTimer* m_timer = nullptr;
    QPushButton* m_start = nullptr;
    QRadioButton* m_options[4] = {};
    QScrollBar* m_platosvalue = nullptr;
    QScrollBar* m_arxikives = nullptr;
    QScrollBar* m_syxnotikamp = nullptr;
    QScrollBar* m_epitaxyno = nullptr;
    QLabel* m_labels[5] = {};
    QWidget* m_parameters = nullptr;
    QAction* m_radius = nullptr;
    QAction* m_guess = nullptr;
    Showing m_showing = Showing::Disk;
    TimedCurveRun m_run;
    ForceAssumption m_assumption;
};

} // namespace ttl
