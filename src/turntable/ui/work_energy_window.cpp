#include "turntable/ui/work_energy_window.h"

#include "shell/ui/controls.h"
#include "shell/ui/help_menu.h"

#include <QEvent>
#include <QPushButton>

namespace ttl {

WorkEnergyWindow::WorkEnergyWindow(QWidget* parent) : SurfaceView(parent)
{
    setObjectName(QStringLiteral("base_centrafugal"));
    setWindowTitle(tr("Work and Energy in rotating and inertial frames"));
    m_command1 = MakeButton(this, "Command1", tr("half MAXIMUM"),
                            tr("Switch between the full range and half of the maximum"));
    m_command1->adjustSize();
    surface().SetTopRightControlWidth(m_command1->width()); // nothing is drawn yet
    connect(m_command1, &QPushButton::clicked, this, &WorkEnergyWindow::rangeToggled);
    AddHelpKeys(*this, GuideSection::Simulation);
}

void WorkEnergyWindow::SetRangeCaption(const QString& caption)
{
    m_command1->setText(caption);
    FitButton();
}

void WorkEnergyWindow::resizeEvent(QResizeEvent* event)
{
    // The button sits in the top-right corner, over the drawing; the balances wrap before it.
    m_command1->move(width() - m_command1->width(), 0);
    SurfaceView::resizeEvent(event);
}

void WorkEnergyWindow::changeEvent(QEvent* event)
{
    SurfaceView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        FitButton(); // larger or smaller text: the caption keeps its whole width
    }
}

void WorkEnergyWindow::FitButton()
{
    m_command1->adjustSize();
    m_command1->move(width() - m_command1->width(), 0);
    if (surface().TopRightControlWidth() != m_command1->width()) {
        surface().SetTopRightControlWidth(m_command1->width());
        redraw();
    }
}

} // namespace ttl
