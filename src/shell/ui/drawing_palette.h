#pragma once

#include "shell/color.h"

#include <QColor>
#include <QFont>
#include <QObject>

class QAction;
class QMenuBar;
class QWidget;

namespace ttl {

// How every drawing is shown: in its own colours or the colour-blind-safe ones of
// ColourBlindSafeTable, and how large its texts and lines are, the controls' font following
// (for a projector at the back of a classroom). Both choices are the program's, kept across runs
// in QSettings; pictures saved or copied are painted in them too.
class DrawingPalette : public QObject {
    Q_OBJECT

public:
    static DrawingPalette& Instance();

    [[nodiscard]] bool colourBlindSafe() const { return m_colourBlindSafe; }
    void setColourBlindSafe(bool safe);

    // The colour a drawing colour is painted in under the current choice.
    [[nodiscard]] QColor shown(Color color) const;

    // 1 is normal; from 0.75 to 2.5 in steps of a quarter.
    [[nodiscard]] double scale() const { return m_scale; }
    void setScale(double scale);
    // A quarter larger (+1) or smaller (-1) per step, held at the ends.
    void stepScale(int steps);

signals:
    void changed(bool colourBlindSafe);
    void scaleChanged(double scale);

protected:
    // The view keys for windows without a View menu.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DrawingPalette();
    void ApplyScale();

    bool m_colourBlindSafe = false;
    double m_scale = 1.0;
    QFont m_normalFont; // the controls' font at scale 1
};

// Shows the widget's text in `font` at `points` times the drawing scale, now and whenever the
// scale changes: a text with a size of its own, which the controls' font no longer reaches.
// `points` 0 gives the widget back the controls' font.
void SetScaledFont(QWidget* widget, QFont font, double points);

// Full screen and back for the window.
void ToggleFullScreen(QWidget& window);

// A "View" menu on the bar: "Full screen" (F11), "Larger text and lines" (Ctrl++), "Smaller text
// and lines" (Ctrl+-), "Normal size" (Ctrl+0) and "Colour-blind-safe colours", whose check mark
// stays in step on every screen. Returns the colour-blind entry. The same keys work in the windows
// without a menu.
QAction* AddViewMenu(QMenuBar* bar);

} // namespace ttl
