#include "shell/frmmain.h"

#include "platform/appinfo.h"
#include "shell/art.h"
#include "shell/cardovia.h"
#include "shell/frmloading.h"

#include <QMenuBar>
#include <QScreen>

frmMain::frmMain(Cardovia& app) : app_(app)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(appinfo::kTitle));
    setWindowIcon(art::menuIcon());
    setFont(fonts::standard());

    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuQuit_ = mnuFile->addAction(QStringLiteral("&Quit"));
    mnuQuit_->setObjectName(QStringLiteral("mnuQuit"));
    connect(mnuQuit_, &QAction::triggered, this, &frmMain::mnuQuit_Click);

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

void frmMain::mnuQuit_Click()
{
    app_.platform().End();
}
