#pragma once
// The main menu: the four games, Quit, the titles and the maker's note.

#include "shell/form.h"

class QPushButton;

class frmMainMenu : public Form {
    Q_OBJECT
public:
    frmMainMenu(App& app, QWidget* parent);

    void Form_Load() override;
    void loadtheform();

    void cmdFireIce_Click();
    void cmdWar_Click();
    void cmdTicTacToe_Click();
    void cmdBingo_Click();
    void cmdQuit_Click();

    QPushButton* cmdFireIce;
    QPushButton* cmdWar;
    QPushButton* cmdTicTacToe;
    QPushButton* cmdBingo;
    QPushButton* cmdQuit;

private:
    template <class Game>
    void choose();
};
