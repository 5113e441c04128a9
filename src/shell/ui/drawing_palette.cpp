#include "shell/ui/drawing_palette.h"

#include "shell/palette.h"
#include "shell/ui/controls.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

namespace ttl {

namespace {
const QString SettingKey = QStringLiteral("view/colourBlindSafe");
}

DrawingPalette& DrawingPalette::Instance()
{
    static DrawingPalette palette;
    return palette;
}

DrawingPalette::DrawingPalette() : m_colourBlindSafe(QSettings().value(SettingKey, false).toBool())
{
}

void DrawingPalette::setColourBlindSafe(bool safe)
{
    if (safe == m_colourBlindSafe) {
        return;
    }
    m_colourBlindSafe = safe;
    QSettings().setValue(SettingKey, safe);
    emit changed(safe);
}

QColor DrawingPalette::shown(Color color) const
{
    const Color c = m_colourBlindSafe ? ColourBlindSafe(color) : color;
    return {c.red, c.green, c.blue};
}

QAction* AddViewMenu(QMenuBar* bar)
{
    QMenu* view = AddMenu(bar, "VIEW", QObject::tr("View"));
    QAction* safe = AddMenuEntry(view, "COLOURBLINDSAFE", QObject::tr("Colour-blind-safe colours"),
                                 true);
    safe->setToolTip(QObject::tr("Draw with colours that viewers who cannot tell red from green "
                                 "can tell apart"));
    DrawingPalette& palette = DrawingPalette::Instance();
    safe->setChecked(palette.colourBlindSafe());
    QObject::connect(safe, &QAction::toggled, &palette, &DrawingPalette::setColourBlindSafe);
    QObject::connect(&palette, &DrawingPalette::changed, safe, &QAction::setChecked);
    return safe;
}

} // namespace ttl
