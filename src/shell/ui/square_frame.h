#pragma once

#include <QWidget>

namespace ttl {

// Holds one widget as the largest centred square that fits, whatever the frame's shape.
class SquareFrame : public QWidget {
    Q_OBJECT

public:
    explicit SquareFrame(QWidget* content, QWidget* parent = nullptr);

    [[nodiscard]] QSize sizeHint() const override { return {360, 360}; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* m_content;
};

} // namespace ttl
