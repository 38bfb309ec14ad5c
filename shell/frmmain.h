#pragma once
// The main frame: caption, green client area that holds every screen, and
// the File menu.

#include <QMainWindow>

class Cardovia;
class QAbstractButton;
class QAction;
class QKeyEvent;
class QMenu;

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
    QMenu* mnuFile() const { return mnuFile_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setSize(double width, double height);
    // The screen's button that an access key of the menu bar also names: the
    // screen's button wins the key, so that both stay reachable (the menu by
    // F10 and the mouse).
    QAbstractButton* screenButtonFor(const QKeyEvent* key) const;

    Cardovia& app_;
    QWidget* client_;
    QMenu* mnuFile_;
    QAction* mnuQuit_;
    double width_ = 6615;
    double height_ = 3210;
};
