// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmmain.h"

#include "platform/appinfo.h"
#include "shell/art.h"
#include "shell/cardovia.h"
#include "shell/frmabout.h"
#include "shell/frmgrizzley.h"
#include "shell/frmhelp.h"
#include "shell/frmloading.h"
#include "shell/games.h"
#include "shell/help.h"
#include "toolkit/windowkeys.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <algorithm>

frmMain::frmMain(Cardovia& app) : app_(app), zoom_(*this, app.platform())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(appinfo::kTitle));
    setWindowIcon(art::firstWindowIcon());
    setFont(fonts::standard());

    mnuFile_ = menuBar()->addMenu(tr("&File"));
    mnuFile_->setObjectName(QStringLiteral("mnuFile"));
    mnuQuit_ = mnuFile_->addAction(tr("&Quit"));
    mnuQuit_->setObjectName(QStringLiteral("mnuQuit"));
    connect(mnuQuit_, &QAction::triggered, this, &frmMain::mnuQuit_Click);

    mnuHelp_ = menuBar()->addMenu(tr("&Help"));
    mnuHelp_->setObjectName(QStringLiteral("mnuHelp"));
    QAction* here = mnuHelp_->addAction(tr("&Help on this screen"), this, &frmMain::mnuHelpScreen_Click);
    here->setObjectName(QStringLiteral("mnuHelpScreen"));
    here->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelp_->addSeparator();
    const auto page = [this](const QString& name, const QString& caption, std::function<QString()> id) {
        mnuHelp_->addAction(caption, this, [this, id] { showHelp(id()); })->setObjectName(name);
    };
    page(QStringLiteral("mnuContents"), tr("&Contents"),
         [] { return QString::fromLatin1(help::kContents); });
    // The games' own access keys serve here too.
    for (const games::Game& game : games::kGames)
        //: %1 is a game's name with its access key
        page(QStringLiteral("mnuHowTo%1").arg(QLatin1String(game.button).mid(3)),
             tr("How to play %1").arg(games::caption(game)), [&game] { return game.help().id; });
    page(QStringLiteral("mnuHowToMusic"), tr("How to play the &music"),
         [] { return QString::fromLatin1(help::kMusic); });
    mnuHelp_->addSeparator();
    QAction* about = mnuHelp_->addAction(tr("&About %1").arg(QString::fromUtf8(appinfo::kTitle)), this,
                                         &frmMain::mnuAbout_Click);
    about->setObjectName(QStringLiteral("mnuAbout"));
    // F10 opens File, the first menu.
    windowkeys::f10Opens(menuBar(), mnuFile_);
    addZoomKeys(this);

    // The green fills the window; the client area with the screens sits in
    // its middle, so a window of another shape shows green bars beside it.
    green_ = new QWidget(this);
    green_->setObjectName(QStringLiteral("frmMain.green"));
    controls::setBackColor(green_, QColor(0, 128, 0));
    green_->installEventFilter(this);
    setCentralWidget(green_);
    client_ = new QWidget(green_);
    client_->setObjectName(QStringLiteral("frmMain.client"));
    // Where a screen's button and a menu share an access key, the button has it.
    windowkeys::buttonsBeforeMenus(menuBar(), client_);

    // the frame's stored place; the size is chosen at start-up
    move(twips::toPixels(2385), twips::toPixels(2430));
    resize(twips::toPixels(width_), twips::toPixels(height_));
    // No input, and no zoom of the player's, until start-up enables it.
    setEnabled(false);
}

frmMain::~frmMain() = default;

QSize frmMain::clientPixels(double zoom) const
{
    return {twips::toPixels(width_, zoom), twips::toPixels(height_, zoom)};
}

QSize frmMain::chrome() const
{
    // Before the window is shown its menu bar is not laid out, and its frame
    // is known only where the platform gives it before the window system
    // frames the window; where not, a title bar is allowed for.
    if (!isVisible()) {
        const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
        const int titleBar = frame.isNull() ? style()->pixelMetric(QStyle::PM_TitleBarHeight) : 0;
        return {frame.left() + frame.right(), menuBar()->sizeHint().height() + titleBar + frame.top() + frame.bottom()};
    }
    return size() - green_->size() + frameGeometry().size() - geometry().size();
}

void frmMain::Form_Load()
{
    // The screens are laid out in 9600 × 7200 twips; the zoom makes them fit.
    width_ = 9600;
    height_ = 7200;
    green_->setMinimumSize(clientPixels(twips::kMinZoom));
    // the window, not yet shown, so that its frame is known where it can be
    create();
    // once it shows, its whole icon
    windowHandle()->installEventFilter(this);
    QScreen* screen = this->screen();
    const double screenHeight = screen ? screen->geometry().height() * twips::kPerPixel : 0;
    const QSize room = screen ? screen->availableGeometry().size() - chrome() : QSize();
    if (screenHeight > 7200) {
        // As laid out at 100 %, or at the zoom the player chose last time,
        // as far as the screen holds the whole frame.
        const double zoom = std::min(FrameZoom::remembered(), screen ? fittingZoom(room) : twips::kMaxZoom);
        twips::setZoom(zoom);
        resize(clientPixels(zoom) + QSize(0, menuBar()->sizeHint().height()));
        keepOnScreen(clientPixels(zoom) + chrome());
    } else {
        // A small screen: the frame fills it, at the zoom that fits; placed
        // so already, in case no window manager maximises it.
        twips::setZoom(fittingZoom(room));
        if (screen) {
            move(screen->availableGeometry().topLeft());
            resize(room + QSize(0, menuBar()->sizeHint().height()));
        }
        setWindowState(Qt::WindowMaximized);
    }
    placeClient();
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

void frmMain::addZoomKeys(QWidget* window)
{
    windowkeys::addZoomKeys(window, {this, [this] { zoomIn(); }, [this] { zoomOut(); }, [this] { zoomReset(); }});
}

void frmMain::zoomIn()
{
    if (const std::optional<double> step = FrameZoom::above(twips::zoom()))
        zoomTo(*step);
}

void frmMain::zoomOut()
{
    if (const std::optional<double> step = FrameZoom::below(twips::zoom()))
        zoomTo(*step);
}

void frmMain::zoomReset()
{
    zoomTo(1.0);
}

void frmMain::zoomTo(double wanted)
{
    // A maximised frame keeps its size; any other grows as far as the screen goes.
    const bool fixed = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    QScreen* screen = this->screen();
    const QSize room = fixed || !screen ? green_->size() : screen->availableGeometry().size() - chrome();
    const double zoom = std::min(wanted, fittingZoom(room));
    setZoom(zoom);
    zoom_.keepNow();
    if (fixed)
        return;
    resize(clientPixels(zoom) + size() - green_->size());
    keepOnScreen(clientPixels(zoom) + chrome());
}

void frmMain::setZoom(double zoom)
{
    twips::setZoom(zoom);
    placeClient();
}

void frmMain::keepOnScreen(QSize frameSize)
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QPoint at = frameGeometry().topLeft();
    at.setX(std::clamp(at.x(), available.left(), std::max(available.left(), available.right() + 1 - frameSize.width())));
    at.setY(std::clamp(at.y(), available.top(), std::max(available.top(), available.bottom() + 1 - frameSize.height())));
    if (at != frameGeometry().topLeft())
        move(at);
}

void frmMain::placeClient()
{
    const QSize size = clientPixels(twips::zoom());
    client_->setGeometry(QRect(QPoint((green_->width() - size.width()) / 2, (green_->height() - size.height()) / 2), size));
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { setWindowIcon(art::windowIcon()); });
    }
    if (watched == green_ && event->type() == QEvent::Resize) {
        // Resized or maximised by the player or the window system: the largest
        // zoom that shows the whole frame. A size that the zoom keys asked
        // for keeps their zoom.
        if (green_->size() != clientPixels(twips::zoom())) {
            setZoom(fittingZoom(green_->size()));
            zoom_.keepOnceSettled();
        } else {
            placeClient();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::mnuQuit_Click()
{
    app_.platform().End();
}

void frmMain::mnuHelpScreen_Click()
{
    const QWidget* focus = QApplication::focusWidget();
    const frmGrizzley* panel = app_.existing<frmGrizzley>();
    const Form* game = app_.theform;
    QString screen;
    if (panel && focus && panel->isAncestorOf(focus))
        screen = panel->objectName();
    else if (game && game->isVisible())
        screen = game->objectName();
    showHelp(help::pageFor(screen));
}

frmHelp* frmMain::help() const
{
    return help_;
}

frmAbout* frmMain::about() const
{
    return about_;
}

void frmMain::showHelp(const QString& page)
{
    if (!help_)
        help_ = new frmHelp(*this);
    help_->showPage(page);
}

void frmMain::mnuAbout_Click()
{
    if (!about_)
        about_ = new frmAbout(app_.platform(), this);
    about_->showAbout();
}
