// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main frame: caption, green client area that holds every screen, and
// the File and Help menus. The screens keep their twips; the frame lays them
// out at the zoom FrameZoom chooses, and sizes its window to match.

#include "shell/framezoom.h"

#include <QMainWindow>
#include <QPointer>

class Cardovia;
class frmAbout;
class frmHelp;
class QAction;
class QMenu;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(Cardovia& app);
    ~frmMain() override;

    void Form_Load();
    void loadforms();
    void mnuQuit_Click();
    // F1: the help page of the screen on show, or the music's where the
    // keyboard is on the opponent panel.
    void mnuHelpScreen_Click();
    void mnuAbout_Click();
    // Opens the help window, made on first use, at the page of that id.
    void showHelp(const QString& page);

    // The frame's size in twips: the area its screens are laid out in.
    double Width() const { return width_; }
    double Height() const { return height_; }

    // Where the screens live: Width × Height twips at the zoom, centred in
    // the frame's green.
    QWidget* clientArea() const { return client_; }
    QAction* mnuQuit() const { return mnuQuit_; }
    QMenu* mnuFile() const { return mnuFile_; }
    QMenu* mnuHelp() const { return mnuHelp_; }
    // The help window and the About box once they have been opened.
    frmHelp* help() const;
    frmAbout* about() const;

    // Ctrl+Plus, Ctrl+Minus and Ctrl+0: the next of FrameZoom's steps up or
    // down, or 100 %. The window grows or shrinks to match where the screen
    // allows, moving back onto the screen where it would run off; the zoom
    // goes no further than the whole frame fits on the screen.
    void zoomIn();
    void zoomOut();
    void zoomReset();
    // What the three keys do, for any zoom.
    void zoomTo(double zoom);
    // Gives the window the three keys, for the frame's zoom.
    void addZoomKeys(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The frame's client area in pixels at `zoom`.
    QSize clientPixels(double zoom) const;
    // The largest zoom at which the whole client area fits `room` pixels.
    double fittingZoom(QSize room) const { return FrameZoom::fitting(clientPixels(1.0), room); }
    // What the window adds around the green: the menu bar and, once the
    // window system has framed it, its border and title bar.
    QSize chrome() const;
    void setZoom(double zoom);
    // Moves the frame, `frameSize` pixels with the window system's frame, as
    // far as it must go to lie wholly on its screen.
    void keepOnScreen(QSize frameSize);
    // Centres the client area in the green after a resize or a zoom change.
    void placeClient();

    Cardovia& app_;
    QWidget* green_;
    QWidget* client_;
    QMenu* mnuFile_;
    QAction* mnuQuit_;
    QMenu* mnuHelp_;
    QPointer<frmHelp> help_;
    QPointer<frmAbout> about_;
    double width_ = 6615;
    double height_ = 3210;
    FrameZoom zoom_;
};
