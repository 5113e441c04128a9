#include "shell/ui/program_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace ttl {

QIcon ProgramIcon()
{
    QSvgRenderer svg(QStringLiteral(":/turntable-lab.svg"));
    QIcon icon;
    if (!svg.isValid()) {
        return icon;
    }
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        svg.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace ttl
