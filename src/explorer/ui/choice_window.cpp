#include "explorer/ui/choice_window.h"

#include "shell/ui/controls.h"
#include "shell/ui/help_menu.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace ttl {

ChoiceWindow::ChoiceWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DIALEGO"));
    setWindowTitle(tr("How the base turns"));
    m_momentum = MakeOption(this, "MHSTATHERIGON", tr("CONSTANT ANGULAR MOMENTUM"), false,
                            tr("The base turns freely: it slows down as the body "
                               "moves outward"));
    m_velocity = MakeOption(this, "STATHERIGON", tr("CONSTANT ANGULAR VELOCITY"), true,
                            tr("A motor keeps the base turning at the same rate"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_momentum);
    layout->addWidget(m_velocity);
    AddHelpKeys(*this, GuideSection::Explorer);
    connect(m_momentum, &QRadioButton::clicked, this, [this] { emit baseChoiceMade(true); });
    connect(m_velocity, &QRadioButton::clicked, this, [this] { emit baseChoiceMade(false); });
}

void ChoiceWindow::ShowChoice(bool baseFree)
{
    (baseFree ? m_momentum : m_velocity)->setChecked(true);
}

} // namespace ttl
