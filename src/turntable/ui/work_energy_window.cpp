#include "turntable/ui/work_energy_window.h"

#include "shell/ui/controls.h"
#include "shell/ui/help_menu.h"

#include <QPushButton>

namespace ttl {

WorkEnergyWindow::WorkEnergyWindow(QWidget* parent) : SurfaceView(parent)
{
    setObjectName(QStringLiteral("base_centrafugal"));
    setWindowTitle(tr("Work and Energy in rotating and inertial frames"));
    m_command1 = MakeButton(this, "Command1", tr("half MAXIMUM"),
                            tr("Switch between the full range and half of the maximum"));
    m_command1->adjustSize();
    connect(m_command1, &QPushButton::clicked, this, &WorkEnergyWindow::rangeToggled);
    AddHelpKeys(*this, GuideSection::Simulation);
}

void WorkEnergyWindow::SetRangeCaption(const QString& caption)
{
    m_command1->setText(caption);
    m_command1->adjustSize();
    PlaceButton();
}

void WorkEnergyWindow::resizeEvent(QResizeEvent* event)
{
    SurfaceView::resizeEvent(event);
    PlaceButton();
}

void WorkEnergyWindow::PlaceButton()
{
    // The button sits in the top-right corner, over the drawing; the balances wrap before it.
    m_command1->move(width() - m_command1->width(), 0);
    if (surface().TopRightControlWidth() != m_command1->width()) {
        surface().SetTopRightControlWidth(m_command1->width());
        redraw();
    }
}

} // namespace ttl
