#pragma once

#include <QWidget>

class QRadioButton;

namespace ttl {

// The small window beside the step explorer: does the base keep its angular velocity, or is
// it free so that the angular momentum is conserved?
class ChoiceWindow : public QWidget {
    Q_OBJECT

public:
    explicit ChoiceWindow(QWidget* parent = nullptr);

    // Shows the base's state as it is (set elsewhere, say by the simulation screen).
    void ShowChoice(bool baseFree);

signals:
    // Emitted when the user picks an option: true for CONSTANT ANGULAR MOMENTUM.
    void baseChoiceMade(bool baseFree);

private:
    QRadioButton* m_momentum = nullptr;
    QRadioButton* m_velocity = nullptr;
};

} // namespace ttl
