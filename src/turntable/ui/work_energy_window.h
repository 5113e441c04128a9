#pragma once

#include "shell/ui/surface_view.h"

class QPushButton;

namespace ttl {

// "Work and Energy in rotating and inertial frames": a graph window with one button that
// switches the plotted range.
class WorkEnergyWindow : public SurfaceView {
    Q_OBJECT

public:
    explicit WorkEnergyWindow(QWidget* parent = nullptr);

    [[nodiscard]] QPushButton& RangeButton() { return *m_command1; }
    void SetRangeCaption(const QString& caption);

signals:
    void rangeToggled();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Sized to its caption in the corner, and the drawing laid out around it.
    void FitButton();

    QPushButton* m_command1 = nullptr;
};

} // namespace ttl
