// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tic Tac Toe against Grizzle: the player's O against Grizzle's X on ruled
// paper, with the scores of the visit. A free cell is an enabled image; the
// board array mirrors what the images show. A disabled image takes no focus,
// so each cell has a key in front of it for the keyboard and a screen reader.

#include "tictactoe/board.h"
#include "toolkit/form.h"

#include <array>

class QPushButton;

class frmTicTacToe : public Form {
    Q_OBJECT
public:
    frmTicTacToe(App& app, QWidget* parent);

    void Form_Load() override;
    void Image1_Click(int Index);
    void checkwinner();
    void dealersturn();
    void cmdRestart_Click();
    void cmdQuit_Click();

    tictactoe::Board board;
    int playerscore = 0;
    qint16 computerscore = 0;

    QPushButton* cmdRestart;
    PictureBox* Picture1;
    Shape* Line1;
    Shape* Line2;
    Shape* Line3;
    Shape* Line4;
    // Indexed 1 to 9 like the cells; element 0 is unused.
    std::array<PictureBox*, 10> Image1{};
    QPushButton* cmdQuit;
    Label* scr2;
    Label* scr1;
    Label* Label17;
    Label* Label12;
    Label* Label16;
    Label* Label11;
    Label* lblturn;
    // In front of each cell, indexed like them, and named for a screen reader
    // by its place and mark ("Centre, O"): Tab and the arrows reach every
    // cell, marked or free; Space, Enter and a click play it where it is free.
    std::array<Label*, 10> cellKey{};
    // Hidden templates: a cell shows a mark by copying one of their pictures.
    PictureBox* imgO;  // imgO(10)
    PictureBox* imgX;  // imgX(0)

protected:
    // The board: the top left cell.
    QWidget* firstFocus() override;

private:
    bool isFree(int cell) const;
    void mark(int cell, const PictureBox* from, qint16 who);
    // Names the cell's key by its place and what it shows: "Centre, O", "Top left, empty".
    void nameCell(int cell);
};
