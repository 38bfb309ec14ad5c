// The real platform: its message box, its timers and its clock.

#include "shell/appinfo.h"
#include "shell/desktopplatform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class DesktopPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxHasTheAppTitleAndOneOk()
    {
        DesktopPlatform p;
        QString title, text;
        int buttons = 0;
        QTimer::singleShot(0, [&]() {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            buttons = int(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        });
        p.MsgBox(QStringLiteral("Ya big liar!"));
        QCOMPARE(title, QString::fromUtf8(appinfo::kTitle));
        QCOMPARE(text, QStringLiteral("Ya big liar!"));
        QCOMPARE(buttons, 1);
    }

    void timersTickOnlyWhileEnabled()
    {
        DesktopPlatform p;
        int ticks = 0;
        auto timer = p.makeTimer([&]() { ++ticks; });
        QVERIFY(!timer->isEnabled());
        timer->setInterval(1);
        QTest::qWait(60);
        QCOMPARE(ticks, 0);

        timer->setEnabled(true);
        QCOMPARE(timer->interval(), 1);  // the interval reads back as set
        QTRY_VERIFY(ticks >= 3);
        timer->setEnabled(false);
        const int stopped = ticks;
        QTest::qWait(60);
        QCOMPARE(ticks, stopped);
    }

    void sleepingPassesTheClockOn()
    {
        DesktopPlatform p;
        const QTime before = p.timeOfDay();
        p.sleep(30);
        QVERIFY(before.msecsTo(p.timeOfDay()) >= 25);
        QElapsedTimer t;
        t.start();
        waitsecond(p);
        QVERIFY(t.elapsed() <= 1100);
    }
};

QTEST_MAIN(DesktopPlatformTest)
#include "test_desktopplatform.moc"
