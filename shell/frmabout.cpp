// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmabout.h"

#include "platform/appinfo.h"
#include "platform/platform.h"
#include "shell/launch.h"

#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Where Debian's package of the soundfont that the music plays with says
// whose it is.
const QString kSoundfontCopyright = QStringLiteral("/usr/share/doc/timgm6mb-soundfont/copyright");

QLabel* paragraph(QWidget* parent, const QString& name, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// The fields of one paragraph of a machine-readable copyright file; a
// field's further lines follow its first, one to a line.
QMap<QString, QStringList> fields(const QString& paragraph)
{
    QMap<QString, QStringList> result;
    QString field;
    for (const QString& line : paragraph.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char(' ')) || line.startsWith(QLatin1Char('\t'))) {
            if (!field.isEmpty())
                result[field] << line.trimmed();
        } else if (const qsizetype colon = line.indexOf(QLatin1Char(':')); colon > 0) {
            field = line.left(colon);
            result[field] << line.mid(colon + 1).trimmed();
        }
    }
    return result;
}

} // namespace

QString frmAbout::soundfontCredit(const QString& copyrightFile)
{
    QFile file(copyrightFile);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QString text = QString::fromUtf8(file.read(1 << 20));
        // The first files the package names that are not its own packaging.
        for (const QString& paragraph : text.split(QStringLiteral("\n\n"))) {
            const QMap<QString, QStringList> f = fields(paragraph);
            const QString files = f.value(QStringLiteral("Files")).value(0);
            if (files.isEmpty() || files.startsWith(QLatin1String("debian/")))
                continue;
            QStringList holders = f.value(QStringLiteral("Copyright"));
            holders.removeAll(QString());
            return tr("The music is played with the soundfont %1, copyright %2, licence %3, as %4 states.")
                .arg(files, holders.join(QStringLiteral("; ")),
                     f.value(QStringLiteral("License")).value(0), copyrightFile);
        }
    }
    return tr("The soundfont's licence cannot be shown: %1 cannot be read.").arg(copyrightFile);
}

frmAbout::frmAbout(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About %1").arg(QString::fromUtf8(appinfo::kTitle)));

    // as --version names it
    lblName = paragraph(
        this, QStringLiteral("lblName"),
        QStringLiteral("%1 %2").arg(QString::fromUtf8(appinfo::kTitle), QString::fromUtf8(launch::kVersion)));
    QFont title = lblName->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.5);
    lblName->setFont(title);
    QLabel* summary = paragraph(this, QStringLiteral("lblSummary"), launch::summary());
    QLabel* licence = paragraph(
        this, QStringLiteral("lblLicence"),
        tr("Free software: you may share and change it under the GNU General Public License, "
           "version 3 or any later version (GPL-3.0-or-later). It comes with no warranty."));
    cmdLicence = new QPushButton(tr("Show the &licence"), this);
    cmdLicence->setObjectName(QStringLiteral("cmdLicence"));
    txtLicence = new QPlainTextEdit(this);
    txtLicence->setObjectName(QStringLiteral("txtLicence"));
    //: the licence's name, as the box with its text is read aloud
    txtLicence->setAccessibleName(tr("GNU General Public License"));
    txtLicence->setReadOnly(true);
    // laid out in lines of its own, as printed
    txtLicence->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtLicence->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtLicence->hide();
    QLabel* credits = paragraph(
        this, QStringLiteral("lblCredits"),
        tr("The artwork, the music and the sounds are %1's own: they were drawn and composed in its "
           "code by its developers and come under the same licence.")
            .arg(QString::fromUtf8(appinfo::kTitle)));
    lblSoundfont = paragraph(this, QStringLiteral("lblSoundfont"));
    lblVersions = paragraph(this, QStringLiteral("lblVersions"));
    //: a button: closes this window
    cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{lblName, summary, licence})
        layout->addWidget(w);
    layout->addWidget(cmdLicence, 0, Qt::AlignLeft);
    layout->addWidget(txtLicence, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{credits, lblSoundfont, lblVersions})
        layout->addWidget(w);
    layout->addWidget(cmdClose, 0, Qt::AlignRight);
    setTabOrder(cmdClose, cmdLicence);
    setTabOrder(cmdLicence, txtLicence);

    connect(cmdLicence, &QPushButton::clicked, this, &frmAbout::cmdLicence_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

void frmAbout::fitToText()
{
    // as tall as its lines wrap at a comfortable width
    const int width = fontMetrics().averageCharWidth() * 64;
    resize(width, layout()->totalHeightForWidth(width));
}

void frmAbout::showAbout()
{
    lblSoundfont->setText(soundfontCredit(kSoundfontCopyright));
    // Asked of the platform, which never loads the sound libraries for it.
    const QString sound = platform_.audioLibraries();
    //: the libraries the game uses: "In use: Qt 6.4.2; SDL2_mixer 2.6.2, FluidSynth 2.3.1."
    lblVersions->setText(tr("In use: Qt %1; %2.")
                             .arg(QString::fromLatin1(qVersion()),
                                  sound.isEmpty() ? tr("SDL2_mixer and FluidSynth not loaded yet, "
                                                       "as no music or sound has played")
                                                  : sound));
    if (txtLicence->isHidden())
        fitToText();
    show();
    raise();
    activateWindow();
    cmdClose->setFocus(Qt::OtherFocusReason);
}

void frmAbout::cmdLicence_Click()
{
    // built into the program (CMakeLists.txt), so always there to read
    if (txtLicence->document()->isEmpty()) {
        QFile text(QStringLiteral(":/LICENSE"));
        text.open(QIODevice::ReadOnly);
        txtLicence->setPlainText(QString::fromUtf8(text.readAll()));
    }
    const bool show = txtLicence->isHidden();
    txtLicence->setVisible(show);
    cmdLicence->setText(show ? tr("Hide the &licence") : tr("Show the &licence"));
    if (show) {
        // room for the licence's widest lines and a good part of a page
        const QFontMetrics text(txtLicence->font());
        resize(std::max(width(), text.horizontalAdvance(QString(80, QLatin1Char('M')))),
               std::max(height(), text.lineSpacing() * 40));
    } else {
        fitToText();
    }
}
