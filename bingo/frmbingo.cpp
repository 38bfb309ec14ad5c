// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bingo/frmbingo.h"

#include "bingo/bingoart.h"
#include "bingo/bingocard.h"
#include "toolkit/accessible.h"
#include "toolkit/announce.h"
#include "toolkit/app.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

// The first cell of each card in lblNumber.
constexpr int kGrizzleCard = 0;
constexpr int kPlayerCard = 25;

} // namespace

// Made in the order of the keyboard's Tab and, where controls overlap, of
// what lies in front.
frmBingo::frmBingo(App& app, QWidget* parent) : Form(app, QStringLiteral("frmBingo"), tr("Bingo"), parent)
{
    twips::setRect(this, {870, 555, 6690, 6015});
    setBackColor(QColor(0, 128, 0));
    makeButtons();
    makeBall();
    makeCards();
    makeOptions();
    makeTimers(app.platform());
    connectHandlers();
}

void frmBingo::makeButtons()
{
    cmdQuit = controls::commandButton(this, "cmdQuit", tr("&Main Menu"), {120, 120, 1335, 375});
    cmdStart = controls::commandButton(this, "cmdStart", tr("&Restart"), {120, 600, 1335, 375});
    cmdOptions = controls::commandButton(this, "cmdOptions", tr("&Options"), {120, 1080, 1335, 375});
}

void frmBingo::makeBall()
{
    picBall = controls::pictureBox(this, "picBall", {2160, 120, 2310, 2310});
    picBall->setPicture(bingoart::ball());
    lblBall = controls::label(picBall, "lblBall", QString(), {360, 720, 1575, 855});
    fonts::set(lblBall, "Arial Rounded MT Bold", 36, fonts::Bold);
    lblBall->setForeColor(palette().color(QPalette::WindowText));
    lblBall->setAlignment(Qt::AlignCenter);
    lblBall->setWordWrap(false);

    //: The button that claims a win; its letters are spaced out
    cmdBingo = controls::commandButton(this, "cmdBingo", tr("B I N G O"), {4560, 240, 1935, 375});
}

void frmBingo::makeCards()
{
    //: The heading over the opponent's card
    bingocard::addHeading(this, "Label16", "Label11", tr("Grizzle"), 600, 2175);
    //: The heading over the player's card
    bingocard::addHeading(this, "Label17", "Label12", tr("You"), 3720, 2295);

    picDCard = controls::pictureBox(this, "picDCard", {360, 3000, 2655, 2895});
    picYCard = controls::pictureBox(this, "picYCard", {3480, 3000, 2655, 2895});
    picYCard->setBackColor(QColor(128, 255, 255));
    accessible::setName(picDCard, tr("Grizzle's card"));
    accessible::setName(picYCard, tr("Your card"));
    bingocard::addLetters(picDCard, 1, 1);
    bingocard::addLetters(picYCard, 10, -1);

    for (int k = 1; k <= 50; ++k)
        lblNumber[k] = bingocard::addCell(k <= kPlayerCard ? picDCard : picYCard, k,
                                          palette().color(QPalette::WindowText));
    bingocard::playFromKeyboard({lblNumber.begin() + kPlayerCard + 1, lblNumber.end()});
    // Made after the opponent's cells, so it lies in front and takes their clicks.
    lblBlocker = controls::label(picDCard, "lblBlocker", QString(), {0, 0, 2535, 2895});
}

void frmBingo::makeOptions()
{
    Frame1 = controls::frame(this, "Frame1", QString(), {1200, 3120, 4215, 2535});
    controls::setBackColor(Frame1, QColor(192, 192, 192));
    Frame1->hide();
    // The panel keeps the keyboard while it is up, as a dialog does.
    keepTabWithin(Frame1);
    Label* note = controls::label(Frame1, "Label15", tr("Note: Hitting Okay will cause the game to restart."),
                                  {120, 120, 3975, 255});
    note->setForeColor(QColor(255, 0, 0));
    note->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    controls::rectangle(Frame1, "Shape1", {120, 480, 1815, 1575});
    Option1 = controls::optionButton(Frame1, "Option1", bingo::patternName(bingo::Blackout), {240, 600, 1575, 255});
    Option2 = controls::optionButton(Frame1, "Option2", bingo::patternName(bingo::XOut), {240, 960, 1575, 255});
    Option3 = controls::optionButton(Frame1, "Option3", bingo::patternName(bingo::FourCorners), {240, 1320, 1575, 255});
    Option4 = controls::optionButton(Frame1, "Option4", bingo::patternName(bingo::FieldGoal), {240, 1680, 1575, 255});
    Option1->setChecked(true);
    //: The time between two balls being called
    Label* speed = controls::label(Frame1, "Label13", tr("Call Speed"), {2280, 480, 1575, 255});
    speed->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scrSpeed = controls::hScrollBar(Frame1, "scrSpeed", {2280, 840, 1575, 255});
    // the caption above the bar is its name for a screen reader, which reads
    // the time between calls in seconds, and which way is faster
    speed->setBuddy(scrSpeed);
    accessible::setValueScale(scrSpeed, 0.001);
    scrSpeed->setAccessibleDescription(tr("Seconds between calls: faster to the left, slower to the right"));
    scrSpeed->setRange(2000, 10000);
    scrSpeed->setSingleStep(250);
    scrSpeed->setPageStep(1000);
    scrSpeed->setValue(2000);
    //: Under the call speed bar: faster to the left, slower to the right; the dots fill the gap
    Label* range = controls::label(Frame1, "Label14", tr("Faster............Slower"), {2280, 1200, 1575, 255});
    range->setForeColor(Qt::black);
    range->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    //: The button that starts a new game with the pattern chosen
    cmdOkay = controls::commandButton(Frame1, "cmdOkay", tr("&Okay"), {2520, 1800, 1095, 255});
    cmdCancel = controls::commandButton(Frame1, "cmdCancel", tr("&Cancel"), {2520, 2160, 1095, 255});
}

void frmBingo::makeTimers(Platform& platform)
{
    tmrBall = platform.makeTimer([this] { tmrBall_Timer(); });
    tmrBall->setInterval(2000);
    tmrGrizzle = platform.makeTimer([this] { tmrGrizzle_Timer(); });
    tmrGrizzle->setInterval(1000);
    tmrGrizzle->setEnabled(true);
}

void frmBingo::connectHandlers()
{
    connect(cmdQuit, &QPushButton::clicked, this, &frmBingo::cmdQuit_Click);
    connect(cmdStart, &QPushButton::clicked, this, &frmBingo::cmdStart_Click);
    connect(cmdOptions, &QPushButton::clicked, this, &frmBingo::cmdOptions_Click);
    connect(cmdBingo, &QPushButton::clicked, this, &frmBingo::cmdBingo_Click);
    connect(cmdOkay, &QPushButton::clicked, this, &frmBingo::cmdOkay_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmBingo::cmdCancel_Click);
    connect(scrSpeed, &QScrollBar::valueChanged, this, &frmBingo::scrSpeed_Change);
    for (int k = 1; k <= 50; ++k)
        connect(lblNumber[k], &Label::clicked, this, [this, k] { lblNumber_Click(k); });
}

void frmBingo::Form_Load()
{
    startgame();
    setRunning(false);
    centreOptions();
    Frame1->show();
    cmdCancel->setEnabled(false);
}

// --- cards and calling -------------------------------------------------------

void frmBingo::startgame()
{
    gametype = bingo::Blackout;
    balls.ballfree.fill(true);
    for (int k = 1; k <= 50; ++k)
        lblNumber[k]->setBackColor(bingocard::kYellow);
    getyballs();
    getdballs();
}

void frmBingo::restart()
{
    balls.refill();
    for (int k = 1; k <= 50; ++k)
        setMarked(k, false);
    getyballs();
    getdballs();
    cmdStart->setEnabled(true);
}

void frmBingo::getyballs()
{
    showcard(kPlayerCard, bingo::deal(app().platform()));
}

void frmBingo::getdballs()
{
    showcard(kGrizzleCard, bingo::deal(app().platform()));
}

void frmBingo::showcard(int offset, const bingo::Card& card)
{
    for (int cell = 1; cell <= bingo::kCardCells; ++cell) {
        const int n = card[cell - 1];
        lblNumber[offset + cell]->setText(cell == bingo::kCentre ? bingo::freeSpaceCaption() : QString::number(n));
        nameCell(offset + cell);
    }
    setMarked(offset + bingo::kCentre, true);
}

void frmBingo::getball()
{
    const int b = balls.call(app().platform());
    if (b == 0)
        return;
    lblBall->setText(joined(b));
    curball = qint16(b);
    announce::say(QStringLiteral("%1 %2.").arg(lblBall->text().left(1), lblBall->text().mid(1)));
}

QString frmBingo::joined(int n)
{
    const QString text = bingo::ballText(n);
    if (!text.isNull())
        return text;
    app().platform().MsgBox(tr("Error on joining string"));
    return QStringLiteral("0");
}

void frmBingo::tmrBall_Timer()
{
    getball();
}

void frmBingo::scrSpeed_Change()
{
    tmrBall->setInterval(scrSpeed->value());
}

void frmBingo::cmdStart_Click()
{
    restart();
    getball();
    setRunning(true);
}

void frmBingo::cmdQuit_Click()
{
    app().returnToMenu(*this);
}

// --- marking, patterns and claims --------------------------------------------

bool frmBingo::marked(int cell) const
{
    return lblNumber[cell]->isOpaque();
}

void frmBingo::setMarked(int cell, bool on)
{
    lblNumber[cell]->setOpaque(on);
    nameCell(cell);
}

void frmBingo::nameCell(int cell)
{
    const int column = (cell - 1) % 5;
    // the ball's letter and number are the same in every language: "N 40"
    const QString name = (cell - 1) % bingo::kCardCells + 1 == bingo::kCentre
        ? tr("Free space")
        : QStringLiteral("%1 %2").arg(bingo::columnLetter(column), lblNumber[cell]->text());
    //: A cell of a bingo card the player has marked: "N 40, marked"
    accessible::setName(lblNumber[cell], marked(cell) ? tr("%1, marked").arg(name) : name);
}

QWidget* frmBingo::firstFocus()
{
    // With the options panel up, the pattern in play comes first.
    if (Frame1->isVisible())
        for (QRadioButton* option : {Option1, Option2, Option3, Option4})
            if (option->isChecked())
                return option;
    return Form::firstFocus();
}

void frmBingo::lblNumber_Click(int Index)
{
    setMarked(Index, !marked(Index));
    const QString name = lblNumber[Index]->accessibleName();
    //: Said when the player unmarks a cell: "N 40, not marked."
    announce::say(marked(Index) ? name + QLatin1Char('.') : tr("%1, not marked.").arg(name));
}

void frmBingo::tmrGrizzle_Timer()
{
    checknumber();
    checkwinner();
}

void frmBingo::checknumber()
{
    std::array<QString, bingo::kCardCells> captions;
    for (int cell = 1; cell <= bingo::kCardCells; ++cell)
        captions[cell - 1] = lblNumber[kGrizzleCard + cell]->text();
    for (int cell : bingo::cellsToMark(captions, curball))
        setMarked(kGrizzleCard + cell, true);
}

bool frmBingo::haspattern(int offset) const
{
    std::array<bool, bingo::kCardCells> marks;
    for (int cell = 1; cell <= bingo::kCardCells; ++cell)
        marks[cell - 1] = marked(offset + cell);
    return bingo::hasPattern(gametype, marks);
}

void frmBingo::checkwinner()
{
    if (!haspattern(kGrizzleCard))
        return;
    setRunning(false);
    app().platform().MsgBox(tr("Grizzle Wins! Hit okay to play again."));
    restart();
}

void frmBingo::cmdBingo_Click()
{
    const bool won = haspattern(kPlayerCard);
    setRunning(false);
    if (won) {
        app().platform().MsgBox(tr("You Win! Hit okay to play again."));
    } else {
        app().platform().MsgBox(tr(
            "Heh, no cheating.  You don't have bingo. You know the rules, if you yell bingo and you don't "
            "really have it, you have to start over.  Hit okay to start over."));
        setRunning(true);
    }
    restart();
}

// --- options panel -----------------------------------------------------------

void frmBingo::centreOptions()
{
    twips::setLeft(Frame1, (twips::width(this) - twips::width(Frame1)) / 2);
    twips::setTop(Frame1, (twips::height(this) - twips::height(Frame1)) / 2);
}

void frmBingo::cmdOptions_Click()
{
    setRunning(false);
    centreOptions();
    Frame1->show();
    focusFirst();
}

void frmBingo::cmdOkay_Click()
{
    cmdCancel->setEnabled(true);
    const QRadioButton* options[] = {Option1, Option2, Option3, Option4};
    for (int i = 0; i < 4; ++i) {
        if (options[i]->isChecked()) {
            gametype = qint16(i + 1);
            break;
        }
    }
    Frame1->hide();
    setRunning(true);
    cmdStart->setEnabled(false);
    restart();
    playerCardFocus();
}

void frmBingo::cmdCancel_Click()
{
    Frame1->hide();
    setRunning(true);
    playerCardFocus();
}

void frmBingo::playerCardFocus()
{
    lblNumber[kPlayerCard + 1]->setFocus(Qt::OtherFocusReason);
}

void frmBingo::setRunning(bool on)
{
    tmrBall->setEnabled(on);
    tmrGrizzle->setEnabled(on);
    cmdOptions->setEnabled(on);
    cmdStart->setEnabled(on);
    cmdBingo->setEnabled(on);
}
