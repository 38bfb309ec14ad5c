// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: a window of its own beside the frame, which the player
// can keep open while playing. The list of pages on the left, the page on
// the right; it follows the frame's zoom and takes the zoom keys too.

#include <QMainWindow>

class frmMain;
class HelpView;
class QListWidget;

class frmHelp : public QMainWindow {
    Q_OBJECT
public:
    explicit frmHelp(frmMain& frame);

    // Shows the page (the contents where no page has that id), and the window
    // in front with the page in the keyboard.
    void showPage(const QString& id);

    QListWidget* lstPages;
    HelpView* txtPage;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The list follows the page on show, also when a link or Back changed it.
    void pageShown(const QUrl& address);
    // The list as wide as its longest title at the zoom.
    void fitList();
    // The size the player gave it, at the zoom.
    void fitToZoom();
    // Beside the frame where the screen has room, else over its right side.
    void placeBesideFrame();

    frmMain& frame_;
    // The window's size at 100 %, as made or as the player last sized it.
    QSizeF atFull_;
    // The size last asked for at a zoom; any other is the player's.
    QSize asked_;
    bool placed_ = false;
};
