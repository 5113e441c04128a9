#include "shell/ui/about_box.h"

#include "shell/ui/program_icon.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace ttl {

namespace {

QString LicenceText()
{
    QFile file(QStringLiteral(":/LICENSE"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(tr("About Turntable Lab"));

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(64, 64));
    auto* summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("aboutSummary"));
    summary->setTextFormat(Qt::RichText);
    summary->setWordWrap(true);
    summary->setText(
        QStringLiteral("<h2>Turntable Lab</h2><p>%1</p><p>%2</p><p>%3</p>")
            .arg(tr("Version %1").arg(QStringLiteral(TURNTABLE_LAB_VERSION)),
                 tr("Mechanics in rotating frames, for teachers and students."),
                 tr("Free software: you may share and change it under the GNU General Public "
                    "Licence, version 3 or (at your choice) any later version "
                    "(GPL-3.0-or-later). It comes with no warranty.")));

    auto* licence = new QPlainTextEdit(this);
    licence->setObjectName(QStringLiteral("licenceText"));
    licence->setAccessibleName(tr("Text of the licence"));
    licence->setReadOnly(true);
    licence->setPlainText(LicenceText());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(summary, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    auto* licenceCaption = new QLabel(tr("The licence:"), this);
    licenceCaption->setBuddy(licence);
    layout->addWidget(licenceCaption);
    layout->addWidget(licence, 1);
    layout->addWidget(buttons);
    resize(640, 560);
}

void ShowAboutBox(QWidget* parent)
{
    auto* box = new AboutBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace ttl
