#pragma once
// The main frame: caption, green client area that holds every screen, and
// the File menu.

#include <QMainWindow>

class Cardovia;
class QAction;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(Cardovia& app);

    void Form_Load();
    void loadforms();
    void mnuQuit_Click();

    // The frame's outer size in twips.
    double Width() const { return width_; }
    double Height() const { return height_; }

    QWidget* clientArea() const { return client_; }
    QAction* mnuQuit() const { return mnuQuit_; }

private:
    void setSize(double width, double height);

    Cardovia& app_;
    QWidget* client_;
    QAction* mnuQuit_;
    double width_ = 6615;
    double height_ = 3210;
};
