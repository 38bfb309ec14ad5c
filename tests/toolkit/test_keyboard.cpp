// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's mouse, keyboard and screen-reader side: a Click is a press
// and a release on the control, one Click per double-click, Space and Enter
// where a click would reach, the focus frame, the arrow keys on a board, Tab
// kept inside a dialog, what a reader calls a picture or a label, and the
// news a reader is told, and a window's own keys.

#include "support/screenreader.h"
#include "support/testmain.h"
#include "toolkit/accessible.h"
#include "toolkit/announce.h"
#include "toolkit/controls.h"
#include "toolkit/keyboard.h"
#include "toolkit/services.h"
#include "toolkit/windowkeys.h"

#include <QAccessible>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QtTest>
#include <optional>

namespace {

Picture plain(const QString& key, const QString& description = {})
{
    return Picture(key, QSize(10, 10), [](QPainter& p) { p.fillRect(0, 0, 10, 10, Qt::white); }, description);
}

// A shown, active window to put controls in.
struct Window {
    QWidget widget;
    Window()
    {
        widget.resize(400, 300);
        widget.show();
    }
    bool ready() { return activate(&widget); }
};

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

    std::optional<ToolkitServices> services_{std::in_place};

private slots:
    // What the toolkit puts into the application is there exactly while its
    // services are, and a run can set them up again.
    void theServicesComeAndGo()
    {
        for (const bool installed : {false, true, false, true}) {
            if (installed)
                services_.emplace();
            else
                services_.reset();
            Window w;
            QVERIFY(w.ready());
            QPushButton* first = controls::commandButton(&w.widget, "cmdOkay", "Okay", {0, 0, 1095, 375});
            QWidget* dialog = new QWidget(&w.widget);
            QPushButton* inner = controls::commandButton(dialog, "cmdStart", "Start", {0, 0, 1095, 375});
            Label* label = controls::label(&w.widget, "Label1", "A label", {0, 1200, 1095, 375});
            label->setFocusPolicy(Qt::TabFocus);
            keepTabWithin(dialog);
            for (QWidget* c : {static_cast<QWidget*>(first), dialog, static_cast<QWidget*>(label)})
                c->show();
            Listener reader;
            announce::say(QStringLiteral("news."));
            QCOMPARE(reader.heard(), installed ? QStringLiteral("news.") : QString());
            // the toolkit's label reads as a button where it takes the focus
            QCOMPARE(QAccessible::queryAccessibleInterface(label)->role() == QAccessible::Button, installed);
            // a letter shows the focus in the window
            inner->setFocus();
            press(Qt::Key_A);
            QCOMPARE(w.widget.testAttribute(Qt::WA_KeyboardFocusChange), installed);
            // the dialog keeps Tab to itself
            press(Qt::Key_Tab);
            QCOMPARE(focused() == inner, installed);
        }
    }

    void aDoubleClickIsOneClick()
    {
        Window w;
        Label* label = controls::label(&w.widget, "Label1", "7", {0, 0, 600, 600});
        PictureBox* box = controls::pictureBox(&w.widget, "Picture1", {900, 0, 600, 600});
        label->show();
        box->show();
        int labelClicks = 0, boxClicks = 0;
        connect(label, &Label::clicked, [&] { ++labelClicks; });
        connect(box, &PictureBox::clicked, [&] { ++boxClicks; });
        // press, release, second press (a double-click), release
        doubleClick(label);
        doubleClick(box);
        QCOMPARE(labelClicks, 1);
        QCOMPARE(boxClicks, 1);
        QTest::mouseClick(label, Qt::LeftButton);
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(labelClicks, 2);
        QCOMPARE(boxClicks, 2);
    }

    void aClickIsAPressAndAReleaseBothOnTheControl()
    {
        Window w;
        Label* label = controls::label(&w.widget, "lblNumber(26)", "7", {600, 600, 600, 600});
        label->show();
        int clicks = 0;
        connect(label, &Label::clicked, [&] { ++clicks; });
        const QPoint inside = label->rect().center();
        const QPoint outside = label->rect().bottomRight() + QPoint(20, 20);
        // pressed on it, let go beside it (the label keeps the mouse meanwhile)
        QTest::mousePress(label, Qt::LeftButton, {}, inside);
        QTest::mouseRelease(label, Qt::LeftButton, {}, outside);
        // pressed beside it, let go on it
        QTest::mousePress(&w.widget, Qt::LeftButton, {}, label->mapToParent(outside));
        QTest::mouseRelease(label, Qt::LeftButton, {}, inside);
        // another button
        QTest::mouseClick(label, Qt::RightButton, {}, inside);
        QCOMPARE(clicks, 0);
        QTest::mouseClick(label, Qt::LeftButton, {}, inside);
        QCOMPARE(clicks, 1);
    }

    void spaceAndEnterClickOnlyWhereAClickWould()
    {
        Window w;
        QVERIFY(w.ready());
        PictureBox* box = controls::image(&w.widget, "Image1", {0, 0, 600, 600});
        box->setFocusPolicy(Qt::TabFocus);
        box->show();
        int clicks = 0;
        connect(box, &PictureBox::clicked, [&] { ++clicks; });
        box->setFocus();
        QCOMPARE(focused(), box);
        press(Qt::Key_Space);
        press(Qt::Key_Return);
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(clicks, 3);
        // a held key or another key with Space is no click
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QCoreApplication::sendEvent(box, &repeat);
        press(Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(clicks, 3);

        // covered where a click would land: the click and the key reach the cover
        QWidget cover(&w.widget);
        cover.setGeometry(10, 10, 30, 30);
        cover.show();
        press(Qt::Key_Space);
        QCOMPARE(clicks, 3);
        cover.hide();
        press(Qt::Key_Space);
        QCOMPARE(clicks, 4);
        // disabled, it takes no key even when one is sent to it
        box->setEnabled(false);
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(clicks, 4);
    }

    void enterPressesAFocusedButton()
    {
        Window w;
        QVERIFY(w.ready());
        QPushButton* button = controls::commandButton(&w.widget, "cmdStart", "&Start", {0, 0, 1455, 375});
        button->show();
        int clicks = 0;
        connect(button, &QPushButton::clicked, [&] { ++clicks; });
        button->setFocus();
        press(Qt::Key_Return);
        press(Qt::Key_Enter, Qt::KeypadModifier);
        press(Qt::Key_Space);
        // with another key held, as on the controls that raise Click
        press(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(clicks, 3);
    }

    void theFocusFrameShowsAfterAKeyAndFollowsThePixelSize()
    {
        Window w;
        QVERIFY(w.ready());
        PictureBox* small = controls::pictureBox(&w.widget, "Picture1", {0, 0, 720, 720});      // 48 px
        PictureBox* large = controls::pictureBox(&w.widget, "Picture2", {1500, 0, 1440, 1440});  // 96 px
        for (PictureBox* box : {small, large}) {
            box->setBackColor(Qt::white);
            box->setFocusPolicy(Qt::TabFocus);
            box->show();
        }
        const auto pixel = [](PictureBox* box, int at) { return box->grab().toImage().pixelColor(at, at); };
        small->setFocus();
        // a player who has only used the mouse sees no frame
        QVERIFY(!w.widget.testAttribute(Qt::WA_KeyboardFocusChange));
        QCOMPARE(pixel(small, 0), QColor(128, 128, 128));  // the sunken edge
        press(Qt::Key_Shift);
        QCOMPARE(pixel(small, 0), QColor(Qt::black));
        // a 48-pixel box: two black, one yellow, one black, then the art
        QCOMPARE(pixel(small, 2), QColor(255, 220, 0));
        QCOMPARE(pixel(small, 3), QColor(Qt::black));
        QCOMPARE(pixel(small, 4), QColor(Qt::white));
        // twice the pixels, twice the frame: four black, two yellow, one black
        QCOMPARE(pixel(large, 3), QColor(Qt::white));
        large->setFocus();
        QCOMPARE(pixel(large, 3), QColor(Qt::black));
        QCOMPARE(pixel(large, 5), QColor(255, 220, 0));
        QCOMPARE(pixel(large, 6), QColor(Qt::black));
        QCOMPARE(pixel(large, 7), QColor(Qt::white));
        QCOMPARE(pixel(small, 0), QColor(128, 128, 128));
    }

    void arrowKeysMoveOnTheBoardPassingCellsThatCannotTakeTheFocus()
    {
        Window w;
        QVERIFY(w.ready());
        std::vector<QWidget*> cells;
        for (int i = 0; i < 9; ++i) {
            PictureBox* cell = controls::image(&w.widget, controls::indexed("Image1", i + 1),
                                               {600.0 * (i % 3), 600.0 * (i / 3), 450, 450});
            cell->setFocusPolicy(Qt::TabFocus);
            cell->show();
            cells.push_back(cell);
        }
        new ArrowKeys(cells, 3);
        cells[4]->setEnabled(false);
        cells[1]->setFocus();
        press(Qt::Key_Down);  // over the disabled centre
        QCOMPARE(focused(), cells[7]);
        press(Qt::Key_Down);  // the edge: it stays
        QCOMPARE(focused(), cells[7]);
        press(Qt::Key_Left);
        QCOMPARE(focused(), cells[6]);
        press(Qt::Key_Up);
        QCOMPARE(focused(), cells[3]);
        press(Qt::Key_Right);  // over the centre again
        QCOMPARE(focused(), cells[5]);
        cells[2]->hide();
        press(Qt::Key_Up);  // nothing free above
        QCOMPARE(focused(), cells[5]);
    }

    void tabGoesRoundADialogWhileItIsShown()
    {
        Window w;
        QVERIFY(w.ready());
        QPushButton* before = controls::commandButton(&w.widget, "cmdQuit", "&Main Menu", {0, 0, 1455, 375});
        QWidget* dialog = new QWidget(&w.widget);
        QPushButton* first = controls::commandButton(dialog, "cmdOkay", "&Okay", {0, 0, 1095, 375});
        QPushButton* last = controls::commandButton(dialog, "cmdCancel", "&Cancel", {0, 600, 1095, 375});
        QPushButton* after = controls::commandButton(&w.widget, "cmdStart", "&Start", {0, 1200, 1455, 375});
        keepTabWithin(dialog);
        for (QWidget* c : {static_cast<QWidget*>(before), dialog, static_cast<QWidget*>(after)})
            c->show();
        last->setFocus();
        press(Qt::Key_Tab);
        QCOMPARE(focused(), first);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused(), last);
        // hidden, it lets the keyboard go
        dialog->hide();
        before->setFocus();
        press(Qt::Key_Tab);
        QCOMPARE(focused(), after);
    }

    // News goes with the control that gets the focus in the same turn, else
    // on its own; a reader hears it either way.
    void newsIsHeardWhereverTheFocusGoes_data()
    {
        QTest::addColumn<QString>("steps");  // s: say, m: move the focus to Start, d: disable the focused control
        QTest::addColumn<QString>("heard");  // what a reader hears once the turn is over
        QTest::newRow("the focus stays") << "s" << "news.";
        QTest::newRow("said twice") << "ss" << "news. news.";
        // before Start's own description
        QTest::newRow("said, then moved") << "sm" << "Start. news. own";
        QTest::newRow("moved, then said") << "ms" << "Start. news. own";
        QTest::newRow("passed on by a disabled control") << "sdm" << "Start. news. own";
    }

    void newsIsHeardWhereverTheFocusGoes()
    {
        QFETCH(QString, steps);
        QFETCH(QString, heard);
        Window w;
        QVERIFY(w.ready());
        QPushButton* first = controls::commandButton(&w.widget, "cmdOkay", "Okay", {0, 0, 1095, 375});
        QPushButton* start = controls::commandButton(&w.widget, "cmdStart", "Start", {0, 600, 1095, 375});
        QPushButton* other = controls::commandButton(&w.widget, "cmdQuit", "Quit", {0, 1200, 1095, 375});
        for (QWidget* c : {first, start, other})
            c->show();
        start->setAccessibleDescription(QStringLiteral("own"));
        first->setFocus();
        Listener reader;
        reader.heard();  // a turn of its own
        for (const QChar step : steps) {
            if (step == 's')
                announce::say(QStringLiteral("news."));
            else if (step == 'm')
                start->setFocus();
            else
                first->setEnabled(false);
        }
        QCOMPARE(reader.heard(), heard);
        // the same news in the next turn is heard again
        announce::say(QStringLiteral("news."));
        QCOMPARE(reader.heard(), QStringLiteral("news."));
        // the news stays behind with the control it was said with, and
        // what its screen said of it meanwhile stays too
        const QString own = steps.contains(u'm') ? QStringLiteral("own, anew") : QStringLiteral("own");
        start->setAccessibleDescription(own);
        other->setFocus();
        QCOMPARE(start->accessibleDescription(), own);
        QCOMPARE(reader.heard(), QStringLiteral("Quit"));
    }

    void aPictureIsNamedByWhatItShows()
    {
        QWidget parent;
        PictureBox* box = controls::image(&parent, "imgCard", {0, 0, 1065, 1440});
        QCOMPARE(spokenName(box), QString());
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->role(), QAccessible::Graphic);
        box->setPicture(plain("face 47", "Queen of Diamonds"));
        QCOMPARE(spokenName(box), QStringLiteral("Queen of Diamonds"));

        // a name from the screen wins over the picture's
        accessible::setName(box, QStringLiteral("Your pile, 3 cards"));
        box->setPicture(plain("back 1", "Card back"));
        QCOMPARE(spokenName(box), QStringLiteral("Your pile, 3 cards"));
        accessible::setName(box, QString());
        QCOMPARE(spokenName(box), QStringLiteral("Card back"));
        // one that takes the focus is there to be pressed, if pressing does something
        box->setFocusPolicy(Qt::TabFocus);
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->role(), QAccessible::Graphic);
        connect(box, &PictureBox::clicked, [] {});
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->role(), QAccessible::Button);
        // one with controls in it is their group
        controls::label(box, "lblNumber(1)", "7", {0, 0, 375, 375});
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->role(), QAccessible::Grouping);
    }

    void labelsAndButtonsAreReadFromWhatTheyShow()
    {
        QWidget parent;
        Label* label = controls::label(&parent, "lblWinner", QString(), {0, 0, 3015, 615});
        QPushButton* button = controls::commandButton(&parent, "cmdFireIce", "&Fire && Ice", {0, 0, 1215, 375});
        QCOMPARE(spokenName(label), QString());
        QCOMPARE(spokenName(button), QStringLiteral("Fire & Ice"));
        label->setText(QStringLiteral("You!"));
        QCOMPARE(spokenName(label), QStringLiteral("You!"));
        accessible::setSubject(label, QStringLiteral("Winner"));
        QCOMPARE(spokenName(label), QStringLiteral("Winner: You!"));
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->role(), QAccessible::StaticText);
        label->setFocusPolicy(Qt::TabFocus);
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->role(), QAccessible::Button);
        QCOMPARE(accessKeyButton(&parent, QKeySequence(Qt::ALT | Qt::Key_F)), nullptr);  // hidden
        parent.show();
        QVERIFY(!QAccessible::queryAccessibleInterface(label)->state().invisible);
        accessible::setDecorative(label);
        QVERIFY(QAccessible::queryAccessibleInterface(label)->state().invisible);
        QVERIFY(spokenName(label).isEmpty());
        QCOMPARE(accessKeyButton(&parent, QKeySequence(Qt::ALT | Qt::Key_F)), button);
        QCOMPARE(accessKeyButton(&parent, QKeySequence(Qt::ALT | Qt::Key_I)), nullptr);
        button->setEnabled(false);
        QCOMPARE(accessKeyButton(&parent, QKeySequence(Qt::ALT | Qt::Key_F)), nullptr);
    }

    // The keys a window asks for: its buttons before its menus, F10, the zoom
    // keys and Esc.
    void aWindowGetsTheKeysItAsksFor()
    {
        QMainWindow window;
        QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
        file->addAction(QStringLiteral("&Quit"));
        window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
        auto* screens = new QWidget(&window);
        window.setCentralWidget(screens);
        QPushButton* fire = controls::commandButton(screens, "cmdFire", "&Fire", {0, 0, 1095, 375});
        QPushButton* other = controls::commandButton(screens, "cmdShuffle", "&Shuffle", {0, 600, 1095, 375});
        windowkeys::buttonsBeforeMenus(window.menuBar(), screens);
        windowkeys::f10Opens(window.menuBar(), file);
        QStringList zoomed;
        const auto zoom = [&zoomed](const char* step) { return [&zoomed, step] { zoomed << QLatin1String(step); }; };
        windowkeys::addZoomKeys(&window, {&window, zoom("in"), zoom("out"), zoom("100")});
        windowkeys::escCloses(&window);
        window.resize(400, 300);
        window.show();
        QVERIFY(activate(&window));
        other->setFocus();

        QSignalSpy fired(fire, &QPushButton::clicked);
        press(Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(fired.count(), 1);
        QVERIFY(!QApplication::activePopupWidget());
        // a menu's key that no button shares stays the menu's
        press(Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QVERIFY(QApplication::activePopupWidget() != file);
        press(Qt::Key_Escape);
        press(Qt::Key_Escape);
        // a button that cannot be pressed gives the key back to the menu
        fire->setEnabled(false);
        press(Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), file);
        press(Qt::Key_Escape);
        press(Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        fire->setEnabled(true);
        press(Qt::Key_F10);
        QTRY_COMPARE(QApplication::activePopupWidget(), file);
        press(Qt::Key_Escape);
        press(Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(fired.count(), 1);

        for (const Qt::Key key : {Qt::Key_Plus, Qt::Key_Equal, Qt::Key_Minus, Qt::Key_0})
            press(key, Qt::ControlModifier);
        QCOMPARE(zoomed, (QStringList{"in", "in", "out", "100"}));
        QVERIFY(window.isVisible());
        press(Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }
};

CARDOVIA_TEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
