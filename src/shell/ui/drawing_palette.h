#pragma once

#include "shell/color.h"

#include <QColor>
#include <QObject>

class QAction;
class QMenuBar;

namespace ttl {

// Which colours every drawing is painted in: the drawings' own, or the colour-blind-safe ones of
// ColourBlindSafeTable. The choice is the program's, kept across runs in QSettings; pictures
// saved or copied are painted in it too.
class DrawingPalette : public QObject {
    Q_OBJECT

public:
    static DrawingPalette& Instance();

    [[nodiscard]] bool colourBlindSafe() const { return m_colourBlindSafe; }
    void setColourBlindSafe(bool safe);

    // The colour a drawing colour is painted in under the current choice.
    [[nodiscard]] QColor shown(Color color) const;

signals:
    void changed(bool colourBlindSafe);

private:
    DrawingPalette();
    bool m_colourBlindSafe = false;
};

// A "View" menu on the bar whose one entry, "Colour-blind-safe colours", shows and changes the
// program's choice; every screen's entry stays in step with the others.
QAction* AddViewMenu(QMenuBar* bar);

} // namespace ttl
