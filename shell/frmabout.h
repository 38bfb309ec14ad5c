// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: the name and version, the licence with its whole text, the
// credits, and the libraries in use. It keeps the desktop's size, as the
// message boxes do, and leaves the game behind it playable.

#include <QDialog>

class Platform;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(Platform& platform, QWidget* parent);

    // What the installed soundfont package states of its soundfont, in a
    // sentence, or a calm line where its copyright file cannot be read.
    static QString soundfontCredit(const QString& copyrightFile);

    // Reads again what may have changed since the box was last open (the
    // sound libraries, the soundfont's package), then shows it in front.
    void showAbout();
    // Shows or hides the licence's whole text.
    void cmdLicence_Click();

    QLabel* lblName;
    QLabel* lblSoundfont;
    QLabel* lblVersions;
    QPushButton* cmdLicence;
    QPushButton* cmdClose;
    QPlainTextEdit* txtLicence;

private:
    void fitToText();

    Platform& platform_;
};
