#include "shell/ui/drawing_palette.h"

#include "shell/drawing_scale.h"
#include "shell/palette.h"
#include "shell/ui/controls.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include <algorithm>
#include <cmath>

namespace ttl {

namespace {
const QString SettingKey = QStringLiteral("view/colourBlindSafe");
const QString ScaleKey = QStringLiteral("view/drawingScale");
constexpr double ScaleStep = 0.25;
constexpr double SmallestScale = 0.75;
constexpr double LargestScale = 2.5;

// On the grid of quarters, within the range; anything unreadable is normal.
double ValidScale(double scale)
{
    if (!std::isfinite(scale)) {
        return 1.0;
    }
    return std::clamp(std::round(scale / ScaleStep) * ScaleStep, SmallestScale, LargestScale);
}

const QKeySequence FullScreenKey(Qt::Key_F11);
const QKeySequence LargerKey(Qt::CTRL | Qt::Key_Plus);
const QKeySequence SmallerKey(Qt::CTRL | Qt::Key_Minus);
const QKeySequence NormalKey(Qt::CTRL | Qt::Key_0);
} // namespace

DrawingPalette& DrawingPalette::Instance()
{
    static DrawingPalette palette;
    return palette;
}

DrawingPalette::DrawingPalette()
    : m_colourBlindSafe(QSettings().value(SettingKey, false).toBool()),
      m_scale(ValidScale(QSettings().value(ScaleKey, 1.0).toDouble())),
      m_normalFont(QApplication::font())
{
    ApplyScale();
    qApp->installEventFilter(this);
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

void DrawingPalette::setScale(double scale)
{
    scale = ValidScale(scale);
    if (scale == m_scale) {
        return;
    }
    m_scale = scale;
    QSettings().setValue(ScaleKey, scale);
    ApplyScale();
    emit scaleChanged(scale);
}

void DrawingPalette::stepScale(int steps)
{
    setScale(m_scale + steps * ScaleStep);
}

void DrawingPalette::ApplyScale()
{
    SetDrawingScale(m_scale);
    QFont font = m_normalFont;
    if (m_normalFont.pointSizeF() > 0) {
        font.setPointSizeF(m_normalFont.pointSizeF() * m_scale);
    } else {
        font.setPixelSize(static_cast<int>(std::lround(m_normalFont.pixelSize() * m_scale)));
    }
    if (font != QApplication::font()) {
        QApplication::setFont(font);
    }
}

bool DrawingPalette::eventFilter(QObject* watched, QEvent* event)
{
    // A window with a View menu has these keys as its menu's shortcuts and never gets here.
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    // "+" is a shifted key on many keyboards: Ctrl and "+" or "=" both mean larger.
    const Qt::KeyboardModifiers held = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const bool control = held == Qt::ControlModifier;
    if (key->key() == Qt::Key_F11 && held == Qt::NoModifier) {
        ToggleFullScreen(*static_cast<QWidget*>(watched)->window());
    } else if (control && (key->key() == Qt::Key_Plus || key->key() == Qt::Key_Equal)) {
        stepScale(1);
    } else if (control && key->key() == Qt::Key_Minus) {
        stepScale(-1);
    } else if (control && key->key() == Qt::Key_0) {
        setScale(1.0);
    } else {
        return false;
    }
    return true;
}

namespace {
const char* const ScaledFontPoints = "ttlScaledFontPoints";
const char* const ScaledFont = "ttlScaledFont";

void ApplyScaledFont(QWidget* widget)
{
    const double points = widget->property(ScaledFontPoints).toDouble();
    if (points <= 0.0) {
        widget->setFont(QFont()); // inherited again, so it follows the controls' font
        return;
    }
    auto font = widget->property(ScaledFont).value<QFont>();
    font.setPointSizeF(points * DrawingScale());
    widget->setFont(font);
}
} // namespace

void SetScaledFont(QWidget* widget, QFont font, double points)
{
    DrawingPalette& palette = DrawingPalette::Instance(); // reads the kept scale the first time
    const bool following = widget->property(ScaledFontPoints).isValid();
    widget->setProperty(ScaledFontPoints, points);
    widget->setProperty(ScaledFont, font);
    ApplyScaledFont(widget);
    if (!following) {
        QObject::connect(&palette, &DrawingPalette::scaleChanged, widget,
                         [widget] { ApplyScaledFont(widget); });
    }
}

void ToggleFullScreen(QWidget& window)
{
    if (window.isFullScreen()) {
        window.showNormal();
    } else {
        window.showFullScreen();
    }
}

QAction* AddViewMenu(QMenuBar* bar)
{
    QMenu* view = AddMenu(bar, "VIEW", QObject::tr("View"));
    DrawingPalette& palette = DrawingPalette::Instance();
    QAction* full = AddMenuEntry(view, "FULLSCREEN", QObject::tr("Full screen"), true);
    full->setShortcut(FullScreenKey);
    QObject::connect(full, &QAction::triggered, bar, [bar] { ToggleFullScreen(*bar->window()); });
    QObject::connect(view, &QMenu::aboutToShow, full,
                     [full, bar] { full->setChecked(bar->window()->isFullScreen()); });
    const struct {
        const char* name;
        const char* caption;
        QKeySequence key;
        int steps; // 0: back to normal
    } sizes[] = {
        {"LARGER", QT_TRANSLATE_NOOP("QObject", "Larger text and lines"), LargerKey, 1},
        {"SMALLER", QT_TRANSLATE_NOOP("QObject", "Smaller text and lines"), SmallerKey, -1},
        {"NORMALSIZE", QT_TRANSLATE_NOOP("QObject", "Normal size"), NormalKey, 0},
    };
    for (const auto& s : sizes) {
        QAction* entry = AddMenuEntry(view, s.name, QObject::tr(s.caption));
        entry->setShortcut(s.key);
        if (s.steps > 0) {
            entry->setShortcuts({s.key, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
        }
        QObject::connect(entry, &QAction::triggered, &palette, [&palette, steps = s.steps] {
            steps == 0 ? palette.setScale(1.0) : palette.stepScale(steps);
        });
    }
    view->addSeparator();
    QAction* safe =
        AddMenuEntry(view, "COLOURBLINDSAFE", QObject::tr("Colour-blind-safe colours"), true);
    safe->setToolTip(QObject::tr("Draw with colours that viewers who cannot tell red from green "
                                 "can tell apart"));
    safe->setChecked(palette.colourBlindSafe());
    QObject::connect(safe, &QAction::toggled, &palette, &DrawingPalette::setColourBlindSafe);
    QObject::connect(&palette, &DrawingPalette::changed, safe, &QAction::setChecked);
    return safe;
}

} // namespace ttl
