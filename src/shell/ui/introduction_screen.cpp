#include "shell/ui/introduction_screen.h"

#include "shell/introduction.h"
#include "shell/ui/controls.h"
#include "shell/ui/drawing_palette.h"
#include "shell/ui/help_menu.h"
#include "shell/ui/square_frame.h"
#include "shell/ui/surface_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace ttl {

namespace {
// The requested family first; Liberation Serif has the metrics of Times New Roman and the
// Greek letters, DejaVu Serif the Greek letters.
QFont IntroductionFont()
{
    QFont font;
    font.setFamilies({QString::fromLatin1(IntroductionFontName), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    return font;
}
} // namespace

IntroductionScreen::IntroductionScreen(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("EISAGOGIKI"));
    setWindowTitle(tr("INTRODUCTION"));

    QTextEdit* texts[3] = {};
    const char* names[3] = {"Text1_0", "Text1_1", "Text1_2"};
    const auto introduction = IntroductionTexts();
    for (int i = 0; i < 3; ++i) {
        const IntroductionText& text = introduction[static_cast<std::size_t>(i)];
        texts[i] = MakeTextBox(this, names[i]);
        SetScaledFont(texts[i], IntroductionFont(), text.fontSize);
        texts[i]->setPlainText(QString::fromStdString(text.text));
    }

    m_picture = new SurfaceView;
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setToolTip(tr("Which force keeps the body on its circle?"));
    auto* pictureFrame = new SquareFrame(m_picture, this);
    // Its texts are sized to the picture: drawn again when it changes size.
    m_picture->setRedraw(DrawIntroductionPicture);
    DrawIntroductionPicture(m_picture->surface());

    auto* next = MakeButton(this, "Command1", tr("PRESS THE BUTTON TO SEE THE NEXT EXPLANATION"),
                            tr("A first explanation: why a body sliding on a disk falls behind"));
    auto* explorer = MakeButton(this, "Command3", tr("ROTATING FRAME"),
                                tr("Follow the motion step by step in the rotating frame"));
    auto* simulation = MakeButton(this, "Command2", tr("SIMULATION"),
                                  tr("Simulate the body on the turntable in both frames"));
    connect(next, &QPushButton::clicked, this, &IntroductionScreen::firstExplanationChosen);
    connect(explorer, &QPushButton::clicked, this, &IntroductionScreen::explorerChosen);
    connect(simulation, &QPushButton::clicked, this, &IntroductionScreen::simulationChosen);
    auto* credit = MakeLabel(this, "Label1",
                             tr("Turntable Lab — free software under the GNU General Public "
                                "Licence, version 3 or later"));
    credit->setAlignment(Qt::AlignRight);

    auto* right = new QVBoxLayout;
    right->addWidget(texts[1], 1);
    right->addWidget(texts[2], 1);
    right->addWidget(next);
    right->addWidget(explorer);
    right->addWidget(simulation);

    auto* middle = new QHBoxLayout;
    middle->addWidget(pictureFrame, 3);
    middle->addLayout(right, 2);

    auto* bar = new QMenuBar(this);
    AddViewMenu(bar);
    AddHelpMenu(bar, GuideSection::Introduction);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(texts[0], 1);
    layout->addLayout(middle, 4);
    layout->addWidget(credit);
}

} // namespace ttl
