#include "shell/frmmain.h"

#include "platform/appinfo.h"
#include "shell/art.h"
#include "shell/cardovia.h"
#include "shell/frmloading.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>

frmMain::frmMain(Cardovia& app) : app_(app)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(appinfo::kTitle));
    setWindowIcon(art::menuIcon());
    setFont(fonts::standard());

    mnuFile_ = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile_->setObjectName(QStringLiteral("mnuFile"));
    mnuQuit_ = mnuFile_->addAction(QStringLiteral("&Quit"));
    mnuQuit_->setObjectName(QStringLiteral("mnuQuit"));
    connect(mnuQuit_, &QAction::triggered, this, &frmMain::mnuQuit_Click);
    // F10 opens the menu bar's first menu, also where a screen's button has
    // taken the menu's access key.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(mnuFile_->menuAction()); });

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("frmMain.client"));
    controls::setBackColor(client_, QColor(0, 128, 0));
    setCentralWidget(client_);

    // the frame's stored place; the size is chosen at start-up
    move(twips::toPixels(2385), twips::toPixels(2430));
    setSize(width_, height_);
}

void frmMain::setSize(double width, double height)
{
    width_ = width;
    height_ = height;
    resize(twips::toPixels(width), twips::toPixels(height));
}

void frmMain::Form_Load()
{
    QScreen* screen = this->screen();
    const double screenHeight = screen ? screen->geometry().height() * twips::kPerPixel : 0;
    if (screenHeight > 7200) {
        setSize(9600, 7200);
    } else {
        // A small screen: the frame fills it.
        setWindowState(Qt::WindowMaximized);
        const QRect available = screen ? screen->availableGeometry() : QRect();
        setSize(available.width() * twips::kPerPixel, screenHeight);
    }
    loadforms();
}

void frmMain::loadforms()
{
    setVisible(true);
    setEnabled(true);
    frmLoading& loading = app_.form<frmLoading>();
    loading.setVisible(true);
    loading.setEnabled(true);
    setEnabled(false);
}

QAbstractButton* frmMain::screenButtonFor(const QKeyEvent* key) const
{
    if (!(key->modifiers() & Qt::AltModifier))
        return nullptr;
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* menu : menuBar()->actions())
        if (QKeySequence::mnemonic(menu->text()) == pressed)
            return controls::accessKeyButton(client_, pressed);
    return nullptr;
}

bool frmMain::event(QEvent* event)
{
    // Asked before the key goes to the shortcuts: taking it here keeps the
    // menu bar from sharing it, and the key press follows.
    if (event->type() == QEvent::ShortcutOverride && screenButtonFor(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QMainWindow::event(event);
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    if (QAbstractButton* button = screenButtonFor(event)) {
        // as the access key itself does
        button->animateClick();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void frmMain::mnuQuit_Click()
{
    app_.platform().End();
}
