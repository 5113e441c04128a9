#pragma once

#include <QScrollArea>

namespace ttl {

// A frameless panel of controls beside a drawing. It asks for its content's whole width, so that
// on a roomy screen only its height scrolls, but never for more than a share of its screen's
// width: on a small screen or in large text it scrolls sideways too, and the window still fits.
class SidePanel : public QScrollArea {
    Q_OBJECT

public:
    explicit SidePanel(QWidget* content, QWidget* parent = nullptr);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

private:
    [[nodiscard]] int Width() const;
};

} // namespace ttl
