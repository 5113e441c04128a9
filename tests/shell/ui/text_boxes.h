#pragma once

#include "shell/surface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <QString>

#include <string>
#include <vector>

namespace ttl::testing_support {

struct TextBox {
    std::string text;
    QRectF pixels;
};

// Where each text of the surface lands in pixels, measured with the font the painter uses.
inline std::vector<TextBox> TextBoxes(const Surface& s)
{
    std::vector<TextBox> boxes;
    for (const Primitive& p : s.Primitives()) {
        if (p.kind != PrimitiveKind::Text || !p.window.IsDrawable()) {
            continue;
        }
        QFont font(QString::fromStdString(p.font.name));
        font.setPointSizeF(p.font.size);
        font.setBold(p.font.bold);
        const QFontMetricsF metrics(font);
        const double x = (p.x1 - p.window.left) / p.window.width * s.PixelWidth();
        const double y = (p.y1 - p.window.top) / p.window.height * s.PixelHeight();
        const QString text = QString::fromStdString(p.text);
        boxes.push_back({p.text, QRectF(x, y, metrics.horizontalAdvance(text), metrics.height())});
    }
    return boxes;
}

// The first pair of texts whose boxes overlap, as "a / b"; empty when none do.
inline std::string OverlappingTexts(const Surface& s)
{
    const std::vector<TextBox> boxes = TextBoxes(s);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            if (boxes[i].pixels.intersects(boxes[j].pixels)) {
                return boxes[i].text + " / " + boxes[j].text;
            }
        }
    }
    return {};
}

} // namespace ttl::testing_support
