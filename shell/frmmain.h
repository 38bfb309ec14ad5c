// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main frame: caption, green client area that holds every screen, and
// the File and Help menus. The screens keep their twips; the frame chooses
// the zoom at which they are drawn.

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

class Cardovia;
class frmAbout;
class frmHelp;
class QAbstractButton;
class QAction;
class QKeyEvent;
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

    // Ctrl+Plus, Ctrl+Minus and Ctrl+0: the next zoom step up or down, or
    // 100 %. The window grows or shrinks to match where the screen allows,
    // moving back onto the screen where it would run off; the zoom goes no
    // further than the whole frame fits on the screen.
    void zoomIn();
    void zoomOut();
    void zoomReset();
    // What the three keys do, for any zoom.
    void zoomTo(double zoom);
    // Gives the window the three keys, for the frame's zoom.
    void addZoomKeys(QWidget* window);

    static constexpr double kZoomSteps[] = {0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25,
                                            1.5, 1.75, 2.0, 2.5, 3.0, 3.5, 4.0};
    // How long the zoom that resizing the window chose must hold before it
    // is written: a drag of the window's edge is written once, at its end.
    static constexpr int kZoomSettlesMs = 500;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The frame's client area in pixels at `zoom`.
    QSize clientPixels(double zoom) const;
    // The largest zoom at which the whole client area fits `room` pixels.
    double fittingZoom(QSize room) const;
    // What the window adds around the green: the menu bar and, once the
    // window system has framed it, its border and title bar.
    QSize chrome() const;
    void setZoom(double zoom);
    // Keeps the zoom the player chose for the next run: written now, or
    // once it has settled. The fitting of start-up is not the player's.
    enum class Keep { Now, Settled };
    void keepZoom(Keep when);
    // Writes a zoom still waiting to settle.
    void keepWaitingZoom();
    // Moves the frame, `frameSize` pixels with the window system's frame, as
    // far as it must go to lie wholly on its screen.
    void keepOnScreen(QSize frameSize);
    // Centres the client area in the green after a resize or a zoom change.
    void placeClient();
    // The screen's button that an access key of the menu bar also names: the
    // screen's button wins the key, so that both stay reachable (the menu by
    // F10 and the mouse).
    QAbstractButton* screenButtonFor(const QKeyEvent* key) const;

    Cardovia& app_;
    QWidget* green_;
    QWidget* client_;
    QMenu* mnuFile_;
    QAction* mnuQuit_;
    QTimer zoomSettles_;
    QMenu* mnuHelp_;
    QPointer<frmHelp> help_;
    QPointer<frmAbout> about_;
    double width_ = 6615;
    double height_ = 3210;
};
