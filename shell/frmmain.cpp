// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmmain.h"

#include "platform/appinfo.h"
#include "platform/logging.h"
#include "shell/art.h"
#include "shell/cardovia.h"
#include "shell/frmabout.h"
#include "shell/frmgrizzley.h"
#include "shell/frmhelp.h"
#include "shell/frmloading.h"
#include "shell/games.h"
#include "shell/help.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStyle>
#include <QWindow>
#include <algorithm>

namespace {

// The zoom the player chose is kept between runs in the platform's usual
// place for settings (~/.config/Corvane/Cardovia.conf on Linux).
const QString kOrganisation = QStringLiteral("Corvane");
const QString kApplication = QStringLiteral("Cardovia");
const QString kZoomKey = QStringLiteral("frame/zoom");

double rememberedZoom()
{
    const QSettings settings(kOrganisation, kApplication);
    bool ok = false;
    const QVariant value = settings.value(kZoomKey);
    const double zoom = value.toDouble(&ok);
    // Missing, unreadable or not one of ours: 100 %.
    if (settings.status() != QSettings::NoError) {
        qCInfo(lcSettings, "%s cannot be read: the zoom is 100 %%", qUtf8Printable(settings.fileName()));
        return 1.0;
    }
    if (!ok || !(zoom >= twips::kMinZoom && zoom <= twips::kMaxZoom)) {
        if (value.isValid())
            qCInfo(lcSettings, "%s = %s is ignored: the zoom is 100 %%", qUtf8Printable(kZoomKey),
                   qUtf8Printable(value.toString()));
        return 1.0;
    }
    return zoom;
}

void rememberZoom(double zoom)
{
    QSettings settings(kOrganisation, kApplication);
    // A file that cannot be read is written anew rather than left to refuse every change.
    if (settings.status() != QSettings::NoError) {
        qCInfo(lcSettings, "%s cannot be read: it is written anew", qUtf8Printable(settings.fileName()));
        settings.clear();
    }
    if (settings.value(kZoomKey).toDouble() == zoom)
        return;
    settings.setValue(kZoomKey, zoom);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qCInfo(lcSettings, "%s cannot be written: the zoom is not kept", qUtf8Printable(settings.fileName()));
}

} // namespace

frmMain::frmMain(Cardovia& app) : app_(app)
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
    // F10 opens the menu bar's first menu, also where a screen's button has
    // taken the menu's access key.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(mnuFile_->menuAction()); });
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

    // the frame's stored place; the size is chosen at start-up
    move(twips::toPixels(2385), twips::toPixels(2430));
    resize(twips::toPixels(width_), twips::toPixels(height_));
    // No input, and no zoom of the player's, until start-up enables it.
    setEnabled(false);

    zoomSettles_.setSingleShot(true);
    zoomSettles_.setInterval(kZoomSettlesMs);
    connect(&zoomSettles_, &QTimer::timeout, this, [] { rememberZoom(twips::zoom()); });
    app_.platform().setBeforeEnd([this] { keepWaitingZoom(); });
}

frmMain::~frmMain()
{
    app_.platform().setBeforeEnd({});
    keepWaitingZoom();
}

QSize frmMain::clientPixels(double zoom) const
{
    return {twips::toPixels(width_, zoom), twips::toPixels(height_, zoom)};
}

double frmMain::fittingZoom(QSize room) const
{
    const QSize full = clientPixels(1.0);
    const double zoom = std::min(double(room.width()) / full.width(), double(room.height()) / full.height());
    return std::clamp(zoom, twips::kMinZoom, twips::kMaxZoom);
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
        const double zoom = std::min(rememberedZoom(), screen ? fittingZoom(room) : twips::kMaxZoom);
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
    // Ctrl+Plus also where plus shares its key with "=", as on most keyboards.
    for (const QKeySequence& keys : {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
        connect(new QShortcut(keys, window), &QShortcut::activated, this, &frmMain::zoomIn);
    connect(new QShortcut(QKeySequence::ZoomOut, window), &QShortcut::activated, this, &frmMain::zoomOut);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), window), &QShortcut::activated, this,
            &frmMain::zoomReset);
}

void frmMain::zoomIn()
{
    for (double step : kZoomSteps)
        if (step > twips::zoom() + 1e-9)
            return zoomTo(step);
}

void frmMain::zoomOut()
{
    for (auto step = std::rbegin(kZoomSteps); step != std::rend(kZoomSteps); ++step)
        if (*step < twips::zoom() - 1e-9)
            return zoomTo(*step);
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
    keepZoom(Keep::Now);
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

void frmMain::keepZoom(Keep when)
{
    // only the player's changes: not the fitting while the frame starts up
    if (!isEnabled())
        return;
    zoomSettles_.stop();
    if (when == Keep::Now)
        rememberZoom(twips::zoom());
    else
        zoomSettles_.start();
}

void frmMain::keepWaitingZoom()
{
    if (zoomSettles_.isActive()) {
        zoomSettles_.stop();
        rememberZoom(twips::zoom());
    }
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
            keepZoom(Keep::Settled);
        } else {
            placeClient();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QAbstractButton* frmMain::screenButtonFor(const QKeyEvent* key) const
{
    if (!(key->modifiers() & Qt::AltModifier))
        return nullptr;
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* menu : menuBar()->actions())
        if (QKeySequence::mnemonic(menu->text()) == pressed)
            return accessKeyButton(client_, pressed);
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
