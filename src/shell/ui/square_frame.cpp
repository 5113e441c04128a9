#include "shell/ui/square_frame.h"

#include <algorithm>

namespace ttl {

SquareFrame::SquareFrame(QWidget* content, QWidget* parent) : QWidget(parent), m_content(content)
{
    m_content->setParent(this);
    setMinimumSize(120, 120);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SquareFrame::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int side = std::min(width(), height());
    m_content->setGeometry((width() - side) / 2, (height() - side) / 2, side, side);
}

} // namespace ttl
