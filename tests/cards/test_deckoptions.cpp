// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The deck options dialog: its controls, opening it from War, the choice
// and how long the choice lasts.

#include "cards/frmcardimages.h"
#include "cards/frmdeckoptions.h"
#include "shell/frmmainmenu.h"
#include "support/started.h"
#include "support/testmain.h"
#include "war/frmwar.h"

#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

frmWar& openWar(StartedApp& s)
{
    s.choose("cmdWar");
    return *s.app->existing<frmWar>();
}

Picture back(StartedApp& s, int design)
{
    return s.app->form<frmCardImages>().PictureClip1(design);
}

int checkedOption(const frmDeckOptions& dialog)
{
    int checked = -1;
    for (std::size_t i = 0; i < dialog.Optcard.size(); ++i)
        if (dialog.Optcard[i]->isChecked()) {
            if (checked != -1)
                return -2;  // more than one
            checked = int(i);
        }
    return checked;
}

} // namespace

class DeckOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void theDialogAsLaidOut()
    {
        StartedApp s;
        frmWar& war = openWar(s);
        QVERIFY(!s.app->existing<frmDeckOptions>());  // loaded on first use only
        war.cmDeckOptions_Click();
        frmDeckOptions& dialog = *s.app->existing<frmDeckOptions>();

        QCOMPARE(twips::rect(&dialog), (twips::Rect{2310, 3720, 4755, 2700}));
        QCOMPARE(dialog.fraOptions->title(), QStringLiteral("Deck Options"));
        QCOMPARE(twips::rect(dialog.fraOptions), (twips::Rect{120, 120, 3615, 2415}));
        QCOMPARE(dialog.Label1->text(), QStringLiteral("Card Type:"));
        QCOMPARE(dialog.Label1->parentWidget(), dialog.fraOptions);
        QCOMPARE(twips::rect(dialog.Label1), (twips::Rect{240, 600, 1455, 255}));
        const QStringList captions = {"Mossgrave", "Corvane", "Corvane2", "Saltwick", "Emberjack"};
        const double widths[] = {1095, 1335, 975, 1215, 1215};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(dialog.Optcard[i]->text(), captions[i]);
            QCOMPARE(dialog.Optcard[i]->objectName(), QStringLiteral("Optcard(%1)").arg(i));
            QCOMPARE(dialog.Optcard[i]->parentWidget(), dialog.fraOptions);
            const twips::Rect r = twips::rect(dialog.Optcard[i]);
            QCOMPARE(r.left, 240.0);
            QCOMPARE(r.top, 960 + 240.0 * i);
            QCOMPARE(r.height, 255.0);
            // as stored, or wide enough for the whole caption
            QVERIFY(r.width == widths[i] || r.width == dialog.Optcard[i]->sizeHint().width() * twips::kPerPixel);
            QVERIFY(dialog.Optcard[i]->width() >= dialog.Optcard[i]->sizeHint().width());
        }
        QCOMPARE(dialog.cmdOkay->text(), QStringLiteral("&Okay"));
        QCOMPARE(twips::rect(dialog.cmdOkay), (twips::Rect{3960, 2040, 735, 495}));
        QCOMPARE(checkedOption(dialog), 1);

        // one group: choosing a design drops the previous one
        dialog.Optcard[3]->click();
        QCOMPARE(checkedOption(dialog), 3);
        dialog.Optcard[0]->click();
        QCOMPARE(checkedOption(dialog), 0);

        QList<QWidget*> visited;
        for (QWidget* w = dialog.Optcard[1]->nextInFocusChain(); visited.size() < 5; w = w->nextInFocusChain())
            if (w->focusPolicy() != Qt::NoFocus && dialog.isAncestorOf(w))
                visited << w;
        QCOMPARE(visited, (QList<QWidget*>{dialog.Optcard[0], dialog.cmdOkay, dialog.Optcard[2],
                                             dialog.Optcard[3], dialog.Optcard[4]}));
    }

    void openingDisablesWarAndShowsInFrontOfIt()
    {
        StartedApp s;
        frmWar& war = openWar(s);
        // a dialog made during an earlier War game is older than this screen
        war.cmDeckOptions_Click();
        s.app->existing<frmDeckOptions>()->cmdOkay_Click();
        war.cmdQuit->setEnabled(true);
        war.cmdQuit_Click();
        StartedApp::settle();

        frmWar& again = openWar(s);
        s.app->theform = nullptr;
        again.cmDeckOptions_Click();
        frmDeckOptions& dialog = *s.app->existing<frmDeckOptions>();
        QVERIFY(!dialog.isHidden());
        QVERIFY(dialog.isEnabled());
        QVERIFY(!again.isEnabled());
        QCOMPARE(s.app->theform.data(), &again);
        QWidget* area = dialog.parentWidget();
        QCOMPARE(again.parentWidget(), area);
        const QPoint middle = dialog.geometry().center();
        QWidget* top = area->childAt(middle);
        QVERIFY(top && (top == &dialog || dialog.isAncestorOf(top)));
    }

    void okayWithoutAChangeStillReenablesAndRedraws()
    {
        StartedApp s;
        frmWar& war = openWar(s);
        war.cmDeckOptions_Click();
        frmDeckOptions& dialog = *s.app->existing<frmDeckOptions>();
        war.picYourCards->setPicture(Picture());
        war.picDealerCards->setPicture(Picture());
        dialog.cmdOkay_Click();
        QCOMPARE(s.app->form<frmCardImages>().cardtype, qint16(1));
        QVERIFY(war.isEnabled());
        QCOMPARE(war.picYourCards->picture(), back(s, 1));
        QCOMPARE(war.picDealerCards->picture(), back(s, 1));
        QVERIFY(dialog.isHidden());
        QVERIFY(!dialog.isEnabled());
    }

    void aNewBackChangesBothPilesAndNotTheCardsInPlay()
    {
        StartedApp s;
        frmWar& war = openWar(s);
        war.cmdStart_Click();
        tickOut(*war.tmrSlide);
        const Picture grizzles = war.piccard1->picture();
        war.cmDeckOptions_Click();
        frmDeckOptions& dialog = *s.app->existing<frmDeckOptions>();
        dialog.Optcard[4]->click();
        dialog.cmdOkay_Click();
        QCOMPARE(s.app->form<frmCardImages>().cardtype, qint16(4));
        QCOMPARE(war.picYourCards->picture(), back(s, 4));
        QCOMPARE(war.picDealerCards->picture(), back(s, 4));
        QCOMPARE(war.piccard1->picture(), grizzles);
        QVERIFY(war.isEnabled());
    }

    void theChoiceLastsIntoTheNextWarGame()
    {
        StartedApp s;
        frmWar& war = openWar(s);
        war.cmDeckOptions_Click();
        QPointer<frmDeckOptions> dialog = s.app->existing<frmDeckOptions>();
        dialog->Optcard[0]->click();
        dialog->cmdOkay_Click();
        war.cmdStart_Click();
        tickOut(*war.tmrSlide);
        war.cmdQuit_Click();
        StartedApp::settle();
        QVERIFY(dialog);  // never unloaded

        frmWar& next = openWar(s);
        QCOMPARE(next.picYourCards->picture(), back(s, 0));
        QCOMPARE(next.picDealerCards->picture(), back(s, 0));
        next.cmDeckOptions_Click();
        QCOMPARE(s.app->existing<frmDeckOptions>(), dialog.data());
        QVERIFY(!dialog->isHidden());
        QCOMPARE(checkedOption(*dialog), 0);
    }

    void okayWithTheOpenerGoneJustCloses()
    {
        StartedApp s;
        frmWar& war = openWar(s);
        war.cmDeckOptions_Click();
        frmDeckOptions& dialog = *s.app->existing<frmDeckOptions>();
        s.app->theform = nullptr;
        dialog.Optcard[2]->click();
        dialog.cmdOkay_Click();
        QCOMPARE(s.app->form<frmCardImages>().cardtype, qint16(2));
        QVERIFY(dialog.isHidden());
    }
};

CARDOVIA_TEST_MAIN(DeckOptionsTest)
#include "test_deckoptions.moc"
