// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Bingo screen: the player's card against Grizzle's, balls called on a
// timer, the options panel and the claim. The numbers and marks live in the
// cells themselves: a cell's caption is its number, an opaque cell is marked.

#include "bingo/bingorules.h"
#include "platform/platform.h"
#include "toolkit/form.h"

#include <array>
#include <memory>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QScrollBar;

class frmBingo : public Form {
    Q_OBJECT
public:
    frmBingo(App& app, QWidget* parent);

    void Form_Load() override;

    void startgame();
    void restart();
    void getyballs();
    void getdballs();
    void getball();
    QString joined(int n);
    void checknumber();
    void checkwinner();

    void tmrBall_Timer();
    void tmrGrizzle_Timer();
    void scrSpeed_Change();
    void lblNumber_Click(int Index);
    void cmdStart_Click();
    void cmdQuit_Click();
    void cmdBingo_Click();
    void cmdOptions_Click();
    void cmdOkay_Click();
    void cmdCancel_Click();

    bool marked(int cell) const;

    QPushButton* cmdQuit;
    QPushButton* cmdStart;
    QPushButton* cmdOptions;
    QPushButton* cmdBingo;
    PictureBox* picBall;
    Label* lblBall;
    PictureBox* picDCard;
    PictureBox* picYCard;
    // Indexed by cell number, 1 to 50; element 0 is unused.
    std::array<Label*, 51> lblNumber{};
    Label* lblBlocker;
    QGroupBox* Frame1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QScrollBar* scrSpeed;
    QPushButton* cmdOkay;
    QPushButton* cmdCancel;
    std::unique_ptr<Timer> tmrBall;
    std::unique_ptr<Timer> tmrGrizzle;

    qint16 gametype = bingo::Blackout;
    bingo::BallBag balls;
    qint16 curball = 0;

protected:
    QWidget* firstFocus() override;

private:
    // The screen's controls, each part in its turn: the buttons on the left,
    // the ball with the claim beside it, both cards with their cells, the
    // options panel, then the timers, and the handlers of them all.
    void makeButtons();
    void makeBall();
    void makeCards();
    void makeOptions();
    void makeTimers(Platform& platform);
    void connectHandlers();
    // Writes a dealt card into the 25 cells after `offset` and marks its centre.
    void showcard(int offset, const bingo::Card& card);
    void setMarked(int cell, bool on);
    // Names the cell by its column, its number and its mark: "B 7",
    // "N 40, marked", "Free space, marked".
    void nameCell(int cell);
    // The game goes on: the keyboard is on the player's card, top left.
    void playerCardFocus();
    bool haspattern(int offset) const;
    // Turns on or off everything a running game uses: both timers,
    // cmdOptions, cmdStart and cmdBingo.
    void setRunning(bool on);
    void centreOptions();
};
