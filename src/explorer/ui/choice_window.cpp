#include "explorer/ui/choice_window.h"

#include "shell/ui/controls.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace ttl {

ChoiceWindow::ChoiceWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DIALEGO"));
    setWindowTitle(QStringLiteral("Form1"));
    auto* momentum =
        MakeOption(this, "MHSTATHERIGON", QStringLiteral("CONSTANT ANGULAR MOMENTUM"), false,
                   tr("The base turns freely: it slows down as the body "
                      "moves outward"));
    auto* velocity = MakeOption(this, "STATHERIGON", QStringLiteral("CONSTANT ANGULAR VELOCITY"),
                                true, tr("A motor keeps the base turning at the same rate"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(momentum);
    layout->addWidget(velocity);
    connect(momentum, &QRadioButton::clicked, this, [this] { emit baseChoiceMade(true); });
    connect(velocity, &QRadioButton::clicked, this, [this] { emit baseChoiceMade(false); });
}

} // namespace ttl
