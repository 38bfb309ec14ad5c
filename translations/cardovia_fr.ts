<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>FrmFireIce</name>
    <message>
        <source>Fire &amp; Ice</source>
        <extracomment>The game&apos;s name, the screen&apos;s title.</extracomment>
        <translation>Feu &amp; Glace</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <extracomment>A button: leaves the game for the main menu.</extracomment>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>&amp;Shuffle Those Card!</source>
        <extracomment>A button: shuffles and shows a new sliding card.</extracomment>
        <translation>&amp;Mélange les cartes !</translation>
    </message>
    <message>
        <source>&amp;Ice</source>
        <extracomment>A button: the player calls the sliding card black.</extracomment>
        <translation>&amp;Glace</translation>
    </message>
    <message>
        <source>&amp;Fire</source>
        <extracomment>A button: the player calls the sliding card red.</extracomment>
        <translation>&amp;Feu</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>Read when a new card is shuffled: %1 is its name, e.g. &quot;Queen of Hearts&quot;.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>You got lucky punk, Try again, I dare you.</source>
        <extracomment>Grizzle&apos;s taunt after a right call of Ice.</extracomment>
        <translation>T&apos;as eu de la chance, petit malin. Recommence, si tu l&apos;oses.</translation>
    </message>
    <message>
        <source>Ya big liar!</source>
        <extracomment>Grizzle&apos;s answer to a wrong call.</extracomment>
        <translation>Espèce de gros menteur !</translation>
    </message>
    <message>
        <source>Fire it is! The gunman appears.</source>
        <translation>C&apos;est Feu ! Le tireur apparaît.</translation>
    </message>
</context>
<context>
    <name>accessible</name>
    <message>
        <source>%1: %2</source>
        <extracomment>a label read aloud: what it tells of, then what it shows (&quot;Your score: 12&quot;)</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>art</name>
    <message>
        <source>Corvane logo</source>
        <translation>Logo de Corvane</translation>
    </message>
</context>
<context>
    <name>audio</name>
    <message>
        <source>SDL2_mixer and FluidSynth unavailable: the audio module could not be loaded</source>
        <translation>SDL2_mixer et FluidSynth indisponibles : le module audio n&apos;a pas pu être chargé</translation>
    </message>
</context>
<context>
    <name>bingo</name>
    <message>
        <source>Blackout Bingo</source>
        <translation>Carton plein</translation>
    </message>
    <message>
        <source>X-out Bingo</source>
        <extracomment>The pattern of both diagonals of the card</extracomment>
        <translation>Bingo en X</translation>
    </message>
    <message>
        <source>4 Corners Bingo</source>
        <translation>Bingo 4 coins</translation>
    </message>
    <message>
        <source>Field Goal Bingo</source>
        <extracomment>The pattern in the shape of a goal post</extracomment>
        <translation>Bingo poteaux</translation>
    </message>
</context>
<context>
    <name>bingoart</name>
    <message>
        <source>Bingo ball</source>
        <translation>Boule de bingo</translation>
    </message>
</context>
<context>
    <name>bingohelp</name>
    <message>
        <source>Bingo</source>
        <translation>Bingo</translation>
    </message>
    <message>
        <source>%1: every cell of the card, the free space too.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;Blackout Bingo&quot;</extracomment>
        <translation>%1 : toutes les cases du carton, la case libre aussi.</translation>
    </message>
    <message>
        <source>%1: both diagonals; the free space between them is not needed.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;X-out Bingo&quot;</extracomment>
        <translation>%1 : les deux diagonales ; la case libre au milieu n&apos;est pas nécessaire.</translation>
    </message>
    <message>
        <source>%1: the four corners.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;4 Corners Bingo&quot;</extracomment>
        <translation>%1 : les quatre coins.</translation>
    </message>
    <message>
        <source>%1: a goal post: the outer cells of the top two rows, the whole middle row with the free space, and the middle cells of the bottom two rows.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;Field Goal Bingo&quot;</extracomment>
        <translation>%1 : des poteaux de but : les cases du bord des deux rangées du haut, toute la rangée du milieu avec la case libre, et les cases du milieu des deux rangées du bas.</translation>
    </message>
    <message>
        <source>You and Grizzle each have a card of %1 cells. Balls are called one at a time; whoever is first to complete the pattern in play wins. Grizzle&apos;s card is on the left, yours on the right.</source>
        <translation>Grizzle et toi avez chacun un carton de %1 cases. Les boules sont annoncées une par une ; le premier qui complète la figure en jeu gagne. Le carton de Grizzle est à gauche, le tien à droite.</translation>
    </message>
    <message>
        <source>The cards</source>
        <translation>Les cartons</translation>
    </message>
    <message>
        <source>Column B holds numbers from 1 to 15, I from 16 to 30, N from 31 to 45, G from 46 to 60 and O from 61 to 75. The centre is the free space, %1, marked from the start.</source>
        <extracomment>%1 is what the free space shows, &quot;FS&quot;</extracomment>
        <translation>La colonne B contient les nombres de 1 à 15, I de 16 à 30, N de 31 à 45, G de 46 à 60 et O de 61 à 75. Au centre se trouve la case libre, %1, marquée dès le début.</translation>
    </message>
    <message>
        <source>Starting a game</source>
        <translation>Commencer une partie</translation>
    </message>
    <message>
        <source>When you open Bingo, the options panel is up. Choose a pattern and the call speed, then press &lt;b&gt;Okay&lt;/b&gt;. The speed bar runs from &lt;i&gt;Faster&lt;/i&gt;, a ball every 2 seconds, to &lt;i&gt;Slower&lt;/i&gt;, one every 10 seconds.</source>
        <translation>Quand tu ouvres le Bingo, le panneau des options est affiché. Choisis une figure et la vitesse, puis appuie sur &lt;b&gt;OK&lt;/b&gt;. La barre de vitesse va de &lt;i&gt;Vite&lt;/i&gt;, une boule toutes les 2 secondes, à &lt;i&gt;Lent&lt;/i&gt;, une toutes les 10 secondes.</translation>
    </message>
    <message>
        <source>The patterns</source>
        <translation>Les figures</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Each ball is shown on the big ball with its letter, such as B7. No ball is called twice in a game.</source>
        <translation>Chaque boule s&apos;affiche sur la grosse boule avec sa lettre, par exemple B7. Aucune boule n&apos;est annoncée deux fois dans une partie.</translation>
    </message>
    <message>
        <source>Click a number on your card to mark it yellow; click it again to unmark it. From the keyboard, Tab to your card, move with the arrow keys and mark with Space or Enter.</source>
        <translation>Clique sur un nombre de ton carton pour le marquer en jaune ; clique encore pour enlever la marque. Au clavier, va sur ton carton avec Tab, déplace-toi avec les flèches et marque avec Espace ou Entrée.</translation>
    </message>
    <message>
        <source>The game trusts your marks and never checks them against the balls called: mark only the numbers you have heard.</source>
        <translation>Le jeu te fait confiance et ne vérifie jamais tes marques avec les boules annoncées : marque seulement les nombres que tu as entendus.</translation>
    </message>
    <message>
        <source>Grizzle marks its own card: about once a second it looks at the ball on show and marks it if its card has that number.</source>
        <translation>Grizzle marque son propre carton : environ une fois par seconde, il regarde la boule affichée et la marque si son carton a ce nombre.</translation>
    </message>
    <message>
        <source>Calling Bingo</source>
        <translation>Crier Bingo</translation>
    </message>
    <message>
        <source>When your card shows the pattern, press &lt;b&gt;B I N G O&lt;/b&gt;, and you win. A complete card does not win by itself: only the button claims it. Press it without the pattern, and Grizzle calls it cheating: the game starts over with new cards.</source>
        <translation>Quand ton carton montre la figure, appuie sur &lt;b&gt;B I N G O&lt;/b&gt;, et tu gagnes. Un carton complet ne gagne pas tout seul : seul le bouton réclame la victoire. Si tu appuies sans avoir la figure, Grizzle dit que tu triches : la partie recommence avec de nouveaux cartons.</translation>
    </message>
    <message>
        <source>Grizzle needs no button: it wins as soon as its card shows the pattern.</source>
        <translation>Grizzle n&apos;a pas besoin de bouton : il gagne dès que son carton montre la figure.</translation>
    </message>
    <message>
        <source>Blackout and Field Goal need the free space. If you unmark it, mark it again before you claim.</source>
        <translation>Carton plein et Poteaux ont besoin de la case libre. Si tu enlèves sa marque, marque-la de nouveau avant de crier bingo.</translation>
    </message>
    <message>
        <source>After a win, pressing OK deals new cards and the game waits: press &lt;b&gt;Restart&lt;/b&gt; to play again.</source>
        <translation>Après une victoire, OK distribue de nouveaux cartons et la partie attend : appuie sur &lt;b&gt;Recommencer&lt;/b&gt; pour rejouer.</translation>
    </message>
    <message>
        <source>The buttons</source>
        <translation>Les boutons</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt; deals new cards and calls the first ball at once, with the same pattern.</source>
        <translation>&lt;b&gt;Recommencer&lt;/b&gt; distribue de nouveaux cartons et annonce tout de suite la première boule, avec la même figure.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt; pauses the game and shows the panel. &lt;b&gt;Okay&lt;/b&gt; starts a new game with the pattern chosen; &lt;b&gt;Cancel&lt;/b&gt; goes back to the same game, with its pattern. A new speed counts at once, even after Cancel.</source>
        <translation>&lt;b&gt;Options&lt;/b&gt; met la partie en pause et affiche le panneau. &lt;b&gt;OK&lt;/b&gt; commence une nouvelle partie avec la figure choisie ; &lt;b&gt;Annuler&lt;/b&gt; revient à la même partie, avec sa figure. Une nouvelle vitesse compte tout de suite, même après Annuler.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt; leaves Bingo; the game is not kept.</source>
        <translation>&lt;b&gt;Menu principal&lt;/b&gt; quitte le Bingo ; la partie n&apos;est pas gardée.</translation>
    </message>
</context>
<context>
    <name>cardart</name>
    <message>
        <source>Card back</source>
        <translation>Dos de carte</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>The ace&apos;s letter in the corners of its card: one letter.</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>J</source>
        <extracomment>The jack&apos;s letter in the corners of its card: one letter.</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The queen&apos;s letter in the corners of its card: one letter.</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>K</source>
        <extracomment>The king&apos;s letter in the corners of its card: one letter.</extracomment>
        <translation>R</translation>
    </message>
</context>
<context>
    <name>cards</name>
    <message>
        <source>Ace of Spades</source>
        <translation>As de pique</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>As de cœur</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>As de carreau</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>As de trèfle</translation>
    </message>
    <message>
        <source>2 of Spades</source>
        <translation>2 de pique</translation>
    </message>
    <message>
        <source>2 of Hearts</source>
        <translation>2 de cœur</translation>
    </message>
    <message>
        <source>2 of Diamonds</source>
        <translation>2 de carreau</translation>
    </message>
    <message>
        <source>2 of Clubs</source>
        <translation>2 de trèfle</translation>
    </message>
    <message>
        <source>3 of Spades</source>
        <translation>3 de pique</translation>
    </message>
    <message>
        <source>3 of Hearts</source>
        <translation>3 de cœur</translation>
    </message>
    <message>
        <source>3 of Diamonds</source>
        <translation>3 de carreau</translation>
    </message>
    <message>
        <source>3 of Clubs</source>
        <translation>3 de trèfle</translation>
    </message>
    <message>
        <source>4 of Spades</source>
        <translation>4 de pique</translation>
    </message>
    <message>
        <source>4 of Hearts</source>
        <translation>4 de cœur</translation>
    </message>
    <message>
        <source>4 of Diamonds</source>
        <translation>4 de carreau</translation>
    </message>
    <message>
        <source>4 of Clubs</source>
        <translation>4 de trèfle</translation>
    </message>
    <message>
        <source>5 of Spades</source>
        <translation>5 de pique</translation>
    </message>
    <message>
        <source>5 of Hearts</source>
        <translation>5 de cœur</translation>
    </message>
    <message>
        <source>5 of Diamonds</source>
        <translation>5 de carreau</translation>
    </message>
    <message>
        <source>5 of Clubs</source>
        <translation>5 de trèfle</translation>
    </message>
    <message>
        <source>6 of Spades</source>
        <translation>6 de pique</translation>
    </message>
    <message>
        <source>6 of Hearts</source>
        <translation>6 de cœur</translation>
    </message>
    <message>
        <source>6 of Diamonds</source>
        <translation>6 de carreau</translation>
    </message>
    <message>
        <source>6 of Clubs</source>
        <translation>6 de trèfle</translation>
    </message>
    <message>
        <source>7 of Spades</source>
        <translation>7 de pique</translation>
    </message>
    <message>
        <source>7 of Hearts</source>
        <translation>7 de cœur</translation>
    </message>
    <message>
        <source>7 of Diamonds</source>
        <translation>7 de carreau</translation>
    </message>
    <message>
        <source>7 of Clubs</source>
        <translation>7 de trèfle</translation>
    </message>
    <message>
        <source>8 of Spades</source>
        <translation>8 de pique</translation>
    </message>
    <message>
        <source>8 of Hearts</source>
        <translation>8 de cœur</translation>
    </message>
    <message>
        <source>8 of Diamonds</source>
        <translation>8 de carreau</translation>
    </message>
    <message>
        <source>8 of Clubs</source>
        <translation>8 de trèfle</translation>
    </message>
    <message>
        <source>9 of Spades</source>
        <translation>9 de pique</translation>
    </message>
    <message>
        <source>9 of Hearts</source>
        <translation>9 de cœur</translation>
    </message>
    <message>
        <source>9 of Diamonds</source>
        <translation>9 de carreau</translation>
    </message>
    <message>
        <source>9 of Clubs</source>
        <translation>9 de trèfle</translation>
    </message>
    <message>
        <source>10 of Spades</source>
        <translation>10 de pique</translation>
    </message>
    <message>
        <source>10 of Hearts</source>
        <translation>10 de cœur</translation>
    </message>
    <message>
        <source>10 of Diamonds</source>
        <translation>10 de carreau</translation>
    </message>
    <message>
        <source>10 of Clubs</source>
        <translation>10 de trèfle</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Valet de pique</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Valet de cœur</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Valet de carreau</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Valet de trèfle</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Dame de pique</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Dame de cœur</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Dame de carreau</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Dame de trèfle</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Roi de pique</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Roi de cœur</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Roi de carreau</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Roi de trèfle</translation>
    </message>
</context>
<context>
    <name>fireice</name>
    <message>
        <source>Gunman</source>
        <extracomment>The cowboy who turns up after a right call of Fire.</extracomment>
        <translation>Tireur</translation>
    </message>
</context>
<context>
    <name>fireicehelp</name>
    <message>
        <source>Fire</source>
        <extracomment>Above the red aces in a picture: the call&apos;s name as the Fire button shows it.</extracomment>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Ice</source>
        <extracomment>Above the black aces in a picture: the call&apos;s name as the Ice button shows it.</extracomment>
        <translation>Glace</translation>
    </message>
    <message>
        <source>spades</source>
        <extracomment>Suits&apos; names in running text, in the order of the cards&apos; faces.</extracomment>
        <translation>pique</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two suits&apos; names in running text, &quot;hearts and diamonds&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Fire &amp; Ice</source>
        <extracomment>The help page&apos;s title: the game&apos;s name.</extracomment>
        <translation>Feu &amp; Glace</translation>
    </message>
    <message>
        <source>Fire wins on %1, the red suits; Ice on %2, the black ones.</source>
        <extracomment>%1 and %2 are suits&apos; names in running text, &quot;hearts and diamonds&quot;.</extracomment>
        <translation>Feu gagne avec %1, les couleurs rouges ; Glace avec %2, les noires.</translation>
    </message>
    <message>
        <source>One card, shuffled from the whole pack of %1, aces included, slides back and forth across the screen. Call its colour: &lt;b&gt;Fire&lt;/b&gt; for a red card, %2, or &lt;b&gt;Ice&lt;/b&gt; for a black one, %3.</source>
        <extracomment>%1 is the number of cards in a pack; %2 and %3 are suits&apos; names in running text, &quot;hearts and diamonds&quot;.</extracomment>
        <translation>Une carte, tirée du jeu complet de %1 cartes, as compris, glisse d&apos;un côté à l&apos;autre de l&apos;écran. Annonce sa couleur : &lt;b&gt;Feu&lt;/b&gt; pour une carte rouge, %2, ou &lt;b&gt;Glace&lt;/b&gt; pour une noire, %3.</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Shuffle Those Card!&lt;/b&gt;, and a new card starts to slide. While it moves, press &lt;b&gt;Fire&lt;/b&gt; or &lt;b&gt;Ice&lt;/b&gt;. You have one call for each card, and the card stops after it.</source>
        <translation>Appuie sur &lt;b&gt;Mélange les cartes !&lt;/b&gt; et une nouvelle carte se met à glisser. Pendant qu&apos;elle bouge, appuie sur &lt;b&gt;Feu&lt;/b&gt; ou &lt;b&gt;Glace&lt;/b&gt;. Tu as une seule annonce par carte, et la carte s&apos;arrête ensuite.</translation>
    </message>
    <message>
        <source>What happens then</source>
        <translation>Et ensuite ?</translation>
    </message>
    <message>
        <source>Fire on a red card: a fire sound, and a gunman turns up somewhere on the screen.</source>
        <translation>Feu sur une carte rouge : un bruit de feu, et un tireur apparaît quelque part sur l&apos;écran.</translation>
    </message>
    <message>
        <source>Ice on a black card: Grizzle taunts you: &lt;i&gt;You got lucky punk, Try again, I dare you.&lt;/i&gt;</source>
        <translation>Glace sur une carte noire : Grizzle te nargue : &lt;i&gt;T&apos;as eu de la chance, petit malin. Recommence, si tu l&apos;oses.&lt;/i&gt;</translation>
    </message>
    <message>
        <source>A wrong call, Fire or Ice: &lt;i&gt;Ya big liar!&lt;/i&gt;</source>
        <translation>Une mauvaise annonce, Feu ou Glace : &lt;i&gt;Espèce de gros menteur !&lt;/i&gt;</translation>
    </message>
    <message>
        <source>There is no score and no end: shuffle as often as you like, and press &lt;b&gt;Main Menu&lt;/b&gt; to leave.</source>
        <translation>Il n&apos;y a ni score ni fin : mélange autant que tu veux, et appuie sur &lt;b&gt;Menu principal&lt;/b&gt; pour partir.</translation>
    </message>
    <message>
        <source>On this screen Alt+F calls Fire and takes that key from the File menu; F10 still opens the menus. After a shuffle the keyboard is on Fire, and after a call on Shuffle.</source>
        <extracomment>Alt+F follows the Fire button&apos;s access key; name the keys as this language&apos;s keyboard does.</extracomment>
        <translation>Sur cet écran, Alt+F annonce Feu et prend cette touche au menu Fichier ; F10 ouvre toujours les menus. Après un mélange, le clavier est sur Feu, et après une annonce, sur Mélange les cartes.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>The music is played with the soundfont %1, copyright %2, licence %3, as %4 states.</source>
        <translation>La musique est jouée avec la banque de sons %1, copyright %2, licence %3, comme l&apos;indique %4.</translation>
    </message>
    <message>
        <source>The soundfont&apos;s licence cannot be shown: %1 cannot be read.</source>
        <translation>La licence de la banque de sons ne peut pas être affichée : %1 est illisible.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Free software: you may share and change it under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Logiciel libre : tu peux le partager et le modifier selon la licence publique générale GNU, version 3 ou toute version ultérieure (GPL-3.0-or-later). Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>Show the &amp;licence</source>
        <translation>Afficher la &amp;licence</translation>
    </message>
    <message>
        <source>GNU General Public License</source>
        <extracomment>the licence&apos;s name, as the box with its text is read aloud</extracomment>
        <translation>Licence publique générale GNU</translation>
    </message>
    <message>
        <source>The artwork, the music and the sounds are %1&apos;s own: they were drawn and composed in its code by its developers and come under the same licence.</source>
        <translation>Les images, la musique et les sons sont propres à %1 : ses développeurs les ont dessinés et composés dans son code, et ils sont sous la même licence.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>a button: closes this window</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>In use: Qt %1; %2.</source>
        <extracomment>the libraries the game uses: &quot;In use: Qt 6.4.2; SDL2_mixer 2.6.2, FluidSynth 2.3.1.&quot;</extracomment>
        <translation>Utilisés : Qt %1 ; %2.</translation>
    </message>
    <message>
        <source>SDL2_mixer and FluidSynth not loaded yet, as no music or sound has played</source>
        <translation>SDL2_mixer et FluidSynth pas encore chargés, car aucune musique ni aucun son n&apos;a été joué</translation>
    </message>
    <message>
        <source>The licence&apos;s text is missing.</source>
        <translation>Le texte de la licence est manquant.</translation>
    </message>
    <message>
        <source>Hide the &amp;licence</source>
        <translation>Masquer la &amp;licence</translation>
    </message>
</context>
<context>
    <name>frmBingo</name>
    <message>
        <source>Bingo</source>
        <translation>Bingo</translation>
    </message>
    <message>
        <source>&amp;Main Menu</source>
        <translation>&amp;Menu principal</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>B I N G O</source>
        <extracomment>The button that claims a win; its letters are spaced out</extracomment>
        <translation>B I N G O</translation>
    </message>
    <message>
        <source>Grizzle</source>
        <extracomment>The heading over the opponent&apos;s card</extracomment>
        <translation>Grizzle</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>The heading over the player&apos;s card</extracomment>
        <translation>Toi</translation>
    </message>
    <message>
        <source>Grizzle&apos;s card</source>
        <translation>Carte de Grizzle</translation>
    </message>
    <message>
        <source>Your card</source>
        <translation>Ta carte</translation>
    </message>
    <message>
        <source>Note: Hitting Okay will cause the game to restart.</source>
        <translation>Attention : OK fait recommencer la partie.</translation>
    </message>
    <message>
        <source>Call Speed</source>
        <extracomment>The time between two balls being called</extracomment>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Seconds between calls: faster to the left, slower to the right</source>
        <translation>Secondes entre deux boules : plus vite à gauche, plus lent à droite</translation>
    </message>
    <message>
        <source>Faster............Slower</source>
        <extracomment>Under the call speed bar: faster to the left, slower to the right; the dots fill the gap</extracomment>
        <translation>Vite.........Lent</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <extracomment>The button that starts a new game with the pattern chosen</extracomment>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Error on joining string</source>
        <translation>Erreur en assemblant le texte</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Case libre</translation>
    </message>
    <message>
        <source>%1, marked</source>
        <extracomment>A cell of a bingo card the player has marked: &quot;N 40, marked&quot;</extracomment>
        <translation>%1, marqué</translation>
    </message>
    <message>
        <source>%1, not marked.</source>
        <extracomment>Said when the player unmarks a cell: &quot;N 40, not marked.&quot;</extracomment>
        <translation>%1, pas marqué.</translation>
    </message>
    <message>
        <source>Grizzle Wins! Hit okay to play again.</source>
        <translation>Grizzle a gagné ! Clique sur OK pour rejouer.</translation>
    </message>
    <message>
        <source>You Win! Hit okay to play again.</source>
        <translation>Tu as gagné ! Clique sur OK pour rejouer.</translation>
    </message>
    <message>
        <source>Heh, no cheating.  You don&apos;t have bingo. You know the rules, if you yell bingo and you don&apos;t really have it, you have to start over.  Hit okay to start over.</source>
        <translation>Hé, on ne triche pas ! Tu n&apos;as pas de bingo. Tu connais la règle : si tu cries bingo sans l&apos;avoir vraiment, tu dois tout recommencer. Clique sur OK pour recommencer.</translation>
    </message>
</context>
<context>
    <name>frmDeckOptions</name>
    <message>
        <source>Deck Options</source>
        <translation>Options des cartes</translation>
    </message>
    <message>
        <source>DeckOptions</source>
        <extracomment>The title bar of the dialog that chooses the back of the cards.</extracomment>
        <translation>Options des cartes</translation>
    </message>
    <message>
        <source>Card Type:</source>
        <extracomment>Above the choice of card backs.</extracomment>
        <translation>Dos des cartes :</translation>
    </message>
    <message>
        <source>Card Type</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>Mossgrave</source>
        <extracomment>The name of one of the game&apos;s card backs</extracomment>
        <translation>Mossgrave</translation>
    </message>
    <message>
        <source>Corvane</source>
        <extracomment>The name of one of the game&apos;s card backs</extracomment>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>Corvane2</source>
        <extracomment>The name of one of the game&apos;s card backs</extracomment>
        <translation>Corvane2</translation>
    </message>
    <message>
        <source>Saltwick</source>
        <extracomment>The name of one of the game&apos;s card backs</extracomment>
        <translation>Saltwick</translation>
    </message>
    <message>
        <source>Emberjack</source>
        <extracomment>The name of one of the game&apos;s card backs</extracomment>
        <translation>Emberjack</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <extracomment>A button: confirms the chosen card back and closes the dialog.</extracomment>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmGrizzley</name>
    <message>
        <source>Opponent</source>
        <extracomment>the name of the panel beside every game</extracomment>
        <translation>Adversaire</translation>
    </message>
    <message>
        <source>Grizzle&apos;s picture</source>
        <translation>Portrait de Grizzle</translation>
    </message>
    <message>
        <source>This is where the picture of Grizzle will go.</source>
        <translation>Ici ira le portrait de Grizzle.</translation>
    </message>
    <message>
        <source>Other cool stuff will go here!</source>
        <translation>D&apos;autres trucs sympas viendront ici !</translation>
    </message>
    <message>
        <source>Play some music.</source>
        <extracomment>buttons of the opponent panel</extracomment>
        <translation>Jouer la musique.</translation>
    </message>
    <message>
        <source>Stop the music.</source>
        <translation>Arrêter la musique.</translation>
    </message>
    <message>
        <source>Track #</source>
        <extracomment>a narrow label over the six track numbers</extracomment>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Piste %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>the list of the help&apos;s pages</extracomment>
        <translation>Pages</translation>
    </message>
</context>
<context>
    <name>frmLoading</name>
    <message>
        <source>Loading</source>
        <extracomment>the name of the screen shown while the game starts</extracomment>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Please Wait......Loading.</source>
        <translation>Patience......Chargement.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Help on this screen</source>
        <translation>&amp;Aide sur cet écran</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>How to play %1</source>
        <extracomment>%1 is a game&apos;s name with its access key</extracomment>
        <translation>Règles : %1</translation>
    </message>
    <message>
        <source>How to play the &amp;music</source>
        <translation>Comment écouter la m&amp;usique</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>À &amp;propos de %1</translation>
    </message>
</context>
<context>
    <name>frmMainMenu</name>
    <message>
        <source>Main menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>a button: closes the game collection</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>The Main Menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>The Main Menu ... Thusfar</source>
        <extracomment>begins as &quot;The Main Menu&quot; does: that one is the shadow of this title</extracomment>
        <translation>Menu principal ... jusqu&apos;ici</translation>
    </message>
    <message>
        <source>     This is the start to a great collection of games.  These are the game we have made so far.  If you have any ideas on an addition to this, send them to us.</source>
        <translation>     Voici le début d&apos;une grande collection de jeux.  Voici les jeux que nous avons faits jusqu&apos;ici.  Si tu as une idée pour en ajouter un, envoie-la-nous.</translation>
    </message>
    <message>
        <source>Send it to us at %1 </source>
        <translation>Envoie-la-nous à %1 </translation>
    </message>
    <message>
        <source>Or visit us at   %1</source>
        <translation>Ou rends-nous visite sur   %1</translation>
    </message>
</context>
<context>
    <name>frmTicTacToe</name>
    <message>
        <source>Tic Tac Toe</source>
        <translation>Morpion</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The playing board, as a screen reader names it</extracomment>
        <translation>Grille</translation>
    </message>
    <message>
        <source>&amp;Main Menu</source>
        <translation>&amp;Menu principal</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Ton score</translation>
    </message>
    <message>
        <source>Grizzle&apos;s score</source>
        <translation>Score de Grizzle</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>The heading over the player&apos;s score</extracomment>
        <translation>Toi</translation>
    </message>
    <message>
        <source>Grizzle</source>
        <extracomment>The heading over the opponent&apos;s score</extracomment>
        <translation>Grizzle</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>What a free cell of the board holds</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds, &quot;Top left, empty&quot; or &quot;Centre, O&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You win. Click okay to start a new game.</source>
        <translation>Tu as gagné. Clique sur OK pour une nouvelle partie.</translation>
    </message>
    <message>
        <source>Grizzley wins. Click okay to start a new game.</source>
        <translation>Grizzle a gagné. Clique sur OK pour une nouvelle partie.</translation>
    </message>
    <message>
        <source>Cat&apos;s tail. Nobody wins. Click okay to start a new game.</source>
        <translation>Match nul. Personne ne gagne. Clique sur OK pour une nouvelle partie.</translation>
    </message>
    <message>
        <source>New game. %1, %2.</source>
        <extracomment>Said when the board is cleared: %1 and %2 are the two scores, &quot;Your score: 1&quot;</extracomment>
        <translation>Nouvelle partie. %1, %2.</translation>
    </message>
    <message>
        <source>Grizzle: %1.</source>
        <extracomment>Said when Grizzle plays: %1 is the cell, &quot;Centre, X&quot;</extracomment>
        <translation>Grizzle : %1.</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>À toi de jouer.</translation>
    </message>
</context>
<context>
    <name>frmWar</name>
    <message>
        <source>War</source>
        <extracomment>The card game&apos;s name, the screen&apos;s title.</extracomment>
        <translation>La Bataille</translation>
    </message>
    <message>
        <source>And the winner is...</source>
        <translation>Et le gagnant est...</translation>
    </message>
    <message>
        <source>Click on this picture.</source>
        <extracomment>Beside the player&apos;s pile, which plays a card when clicked.</extracomment>
        <translation>Clique sur l&apos;image.</translation>
    </message>
    <message>
        <source>Grizzle&apos;s card</source>
        <translation>La carte de Grizzle</translation>
    </message>
    <message>
        <source>Your card</source>
        <translation>Ta carte</translation>
    </message>
    <message>
        <source>&amp;Deck Options</source>
        <translation>&amp;Options des cartes</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>A button: deals the cards.</extracomment>
        <translation>&amp;Distribuer</translation>
    </message>
    <message>
        <source>&amp;Main Menu</source>
        <extracomment>A button: leaves the game for the main menu.</extracomment>
        <translation>&amp;Menu principal</translation>
    </message>
    <message>
        <source>&amp;Click here to continue.</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message numerus="yes">
        <source>Your pile, %n cards</source>
        <translation>
            <numerusform>Ta pile, %n carte</numerusform>
            <numerusform>Ta pile, %n cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>Your pile</source>
        <translation>Ta pile</translation>
    </message>
    <message numerus="yes">
        <source>Grizzle&apos;s pile, %n cards</source>
        <translation>
            <numerusform>La pile de Grizzle, %n carte</numerusform>
            <numerusform>La pile de Grizzle, %n cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>Grizzle&apos;s pile</source>
        <translation>La pile de Grizzle</translation>
    </message>
    <message>
        <source>Grizzle plays %1.</source>
        <extracomment>%1 is a card&apos;s name, e.g. &quot;Queen of Hearts&quot;.</extracomment>
        <translation>Grizzle joue %1.</translation>
    </message>
    <message>
        <source>You!</source>
        <extracomment>The round&apos;s winner, under &quot;And the winner is...&quot;: the player.</extracomment>
        <translation>Toi !</translation>
    </message>
    <message>
        <source>Grizzle!</source>
        <extracomment>The round&apos;s winner, under &quot;And the winner is...&quot;.</extracomment>
        <translation>Grizzle !</translation>
    </message>
    <message>
        <source>Both of you!</source>
        <extracomment>The round&apos;s result on equal cards, under &quot;And the winner is...&quot;.</extracomment>
        <translation>Vous deux !</translation>
    </message>
    <message>
        <source>%1 %2 %3. %4.</source>
        <extracomment>Read after each round: %1 &quot;And the winner is...&quot;, %2 the winner (&quot;You!&quot;), %3 and %4 the two piles with their cards (&quot;Your pile, 30 cards&quot;).</extracomment>
        <translation>%1 %2 %3. %4.</translation>
    </message>
    <message>
        <source>Grizzle is out of cards, You win!</source>
        <translation>Grizzle n&apos;a plus de cartes, tu as gagné !</translation>
    </message>
    <message>
        <source>You&apos;re out of cards, Grizzle wins!</source>
        <translation>Tu n&apos;as plus de cartes, Grizzle a gagné !</translation>
    </message>
    <message>
        <source>You play %1.</source>
        <extracomment>%1 is a card&apos;s name, e.g. &quot;Queen of Hearts&quot;.</extracomment>
        <translation>Tu joues %1.</translation>
    </message>
</context>
<context>
    <name>games</name>
    <message>
        <source>&amp;Fire &amp;&amp; Ice</source>
        <translation>&amp;Feu &amp;&amp; Glace</translation>
    </message>
    <message>
        <source>&amp;War</source>
        <translation>Ba&amp;taille</translation>
    </message>
    <message>
        <source>&amp;Tic Tac Toe</source>
        <translation>&amp;Morpion</translation>
    </message>
    <message>
        <source>&amp;Bingo</source>
        <translation>&amp;Bingo</translation>
    </message>
</context>
<context>
    <name>help</name>
    <message>
        <source>%1 Choose a game on the main menu; each page here tells how it is played:</source>
        <translation>%1 Choisis un jeu dans le menu principal ; chaque page ici explique comment y jouer :</translation>
    </message>
    <message>
        <source>The grey panel at the right stays beside every game and plays &lt;a href=&quot;%1&quot;&gt;music&lt;/a&gt;.</source>
        <translation>Le panneau gris à droite reste à côté de chaque jeu et joue de la &lt;a href=&quot;%1&quot;&gt;musique&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>The main menu</source>
        <translation>Le menu principal</translation>
    </message>
    <message>
        <source>Press a game&apos;s button to play it. Each game&apos;s &lt;b&gt;Main Menu&lt;/b&gt; button brings you back here, and a game you leave is not kept. &lt;b&gt;%1&lt;/b&gt;, or File, Quit at any time, closes %2 at once.</source>
        <translation>Appuie sur le bouton d&apos;un jeu pour y jouer. Dans chaque jeu, le bouton &lt;b&gt;Menu principal&lt;/b&gt; te ramène ici, et un jeu que tu quittes n&apos;est pas gardé. &lt;b&gt;%1&lt;/b&gt;, ou Fichier, Quitter à tout moment, ferme %2 tout de suite.</translation>
    </message>
    <message>
        <source>Keys</source>
        <extracomment>a heading: the keyboard&apos;s keys</extracomment>
        <translation>Touches</translation>
    </message>
    <message>
        <source>F1 opens the help for the screen on show.</source>
        <translation>F1 ouvre l&apos;aide de l&apos;écran affiché.</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab move between the controls; Space or Enter presses the one with the focus.</source>
        <translation>Tab et Maj+Tab passent d&apos;une commande à l&apos;autre ; Espace ou Entrée appuie sur celle qui a le focus.</translation>
    </message>
    <message>
        <source>Alt and the underlined letter of a button press it. Where a button of the screen and a menu share a letter, the button has it; F10 opens the menus.</source>
        <translation>Alt et la lettre soulignée d&apos;un bouton appuient dessus. Si un bouton de l&apos;écran et un menu ont la même lettre, le bouton l&apos;emporte ; F10 ouvre les menus.</translation>
    </message>
    <message>
        <source>Ctrl+Plus and Ctrl+Minus make the games larger or smaller, and this window with them; Ctrl+0 goes back to 100 %. The size you choose is kept for the next time.</source>
        <translation>Ctrl+Plus et Ctrl+Moins agrandissent ou rapetissent les jeux, et cette fenêtre avec eux ; Ctrl+0 revient à 100 %. La taille choisie est gardée pour la prochaine fois.</translation>
    </message>
    <message>
        <source>In this window, Tab moves between the list of pages and the links of a page, Enter follows a link, Alt+Left goes back, and Esc closes the window.</source>
        <translation>Dans cette fenêtre, Tab passe de la liste des pages aux liens d&apos;une page, Entrée suit un lien, Alt+Gauche revient en arrière et Échap ferme la fenêtre.</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>the title of the help page on the music</extracomment>
        <translation>Musique</translation>
    </message>
    <message>
        <source>The grey panel at the right of the window is Grizzle&apos;s corner, and it plays music beside every game. Six tunes come with %1.</source>
        <translation>Le panneau gris à droite de la fenêtre est le coin de Grizzle, et il joue de la musique à côté de chaque jeu. %1 contient six airs.</translation>
    </message>
    <message>
        <source>Choose a track, 1 to 6, under &lt;i&gt;%1&lt;/i&gt;.</source>
        <translation>Choisis un morceau, de 1 à 6, sous &lt;i&gt;%1&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;%1&lt;/b&gt;: the track plays from its beginning, once.</source>
        <translation>Appuie sur &lt;b&gt;%1&lt;/b&gt; : le morceau joue une fois depuis le début.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; stops it. Choosing another track changes nothing until you press Play again, and Play while music plays starts the chosen track afresh. The music goes on while you change games.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; l&apos;arrête. Choisir un autre morceau ne change rien tant que tu n&apos;appuies pas de nouveau sur Jouer, et Jouer pendant la musique relance le morceau choisi depuis le début. La musique continue quand tu changes de jeu.</translation>
    </message>
    <message>
        <source>Tab moves through Play, the six tracks and Stop; Space chooses the track with the focus.</source>
        <translation>Tab passe par Jouer, les six morceaux et Arrêter ; Espace choisit le morceau qui a le focus.</translation>
    </message>
    <message>
        <source>Without a sound device, or without the music files, the buttons still work and all stays quiet.</source>
        <translation>Sans appareil audio ou sans les fichiers de musique, les boutons marchent quand même et tout reste silencieux.</translation>
    </message>
</context>
<context>
    <name>launch</name>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.</source>
        <translation>%1 : %2 Essaie « %1 --help ».</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are understood too.</source>
        <translation>Les options de Qt, comme -platform et -display, sont aussi comprises.</translation>
    </message>
    <message>
        <source>The music and the fire sound (1.mid to 6.mid, fire.wav) are looked for in:</source>
        <translation>La musique et le bruit du feu (1.mid à 6.mid, fire.wav) sont cherchés dans :</translation>
    </message>
    <message>
        <source>%1  (found here)</source>
        <translation>%1  (trouvés ici)</translation>
    </message>
    <message>
        <source>music and sound: not found (see --help)</source>
        <translation>musique et son : introuvables (voir --help)</translation>
    </message>
    <message>
        <source>music and sound: %1</source>
        <translation>musique et son : %1</translation>
    </message>
    <message>
        <source>find Qt&apos;s Wayland plugin (qt6-wayland) for the display %1</source>
        <extracomment>one of the things the game &quot;cannot&quot; do, put into &quot;%1 cannot %2.&quot;</extracomment>
        <translation>trouver le module Wayland de Qt (qt6-wayland) pour l&apos;affichage %1</translation>
    </message>
    <message>
        <source>find Qt&apos;s platform plugin &quot;%1&quot;</source>
        <translation>trouver le module de plateforme « %1 » de Qt</translation>
    </message>
    <message>
        <source>reach the display %1</source>
        <extracomment>one of the things the game &quot;cannot&quot; do; %1 is one display, or several joined by &quot; or &quot;</extracomment>
        <translation>joindre l&apos;affichage %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>%1 needs a display; without one, run it as: xvfb-run -a %2</source>
        <translation>%1 a besoin d&apos;un affichage ; sans affichage, lance-le ainsi : xvfb-run -a %2</translation>
    </message>
    <message>
        <source>, nor </source>
        <extracomment>between two things the game cannot do: &quot;reach the display :1, nor find Qt&apos;s platform plugin&quot;</extracomment>
        <translation>, ni </translation>
    </message>
    <message>
        <source>%1 cannot %2.</source>
        <extracomment>%2 is one or more things the game cannot do, such as: find Qt&apos;s platform plugin &quot;xcb&quot;</extracomment>
        <translation>%1 ne peut pas %2.</translation>
    </message>
    <message>
        <source>%1 cannot %2; without one, run it as: xvfb-run -a %3</source>
        <extracomment>%2 is one or more things the game cannot do, such as: reach the display :1</extracomment>
        <translation>%1 ne peut pas %2 ; sans affichage, lance-le ainsi : xvfb-run -a %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Games&apos; names in a list, &quot;War, Bingo&quot;: %1 is the list so far, %2 the next game.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last game&apos;s name in a list, &quot;War, Bingo and Fire &amp; Ice&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 against Grizzle.</source>
        <extracomment>What the game is: %1 lists its games, &quot;War, Bingo, Tic Tac Toe and Fire &amp; Ice&quot;.</extracomment>
        <translation>%1 contre Grizzle.</translation>
    </message>
</context>
<context>
    <name>tictactoe</name>
    <message>
        <source>O</source>
        <extracomment>The player&apos;s mark, the letter O, as a screen reader says it</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>X</source>
        <extracomment>Grizzle&apos;s mark, the letter X, as a screen reader says it</extracomment>
        <translation>X</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>En haut au centre</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Au milieu à gauche</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Au centre</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Au milieu à droite</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>En bas au centre</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>En bas à droite</translation>
    </message>
</context>
<context>
    <name>tictactoehelp</name>
    <message>
        <source>top left</source>
        <translation>en haut à gauche</translation>
    </message>
    <message>
        <source>top centre</source>
        <translation>en haut au centre</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>en haut à droite</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>au milieu à gauche</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>au centre</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>au milieu à droite</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>en bas à gauche</translation>
    </message>
    <message>
        <source>bottom centre</source>
        <translation>en bas au centre</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>en bas à droite</translation>
    </message>
    <message>
        <source>the %1</source>
        <extracomment>One cell of the board, &quot;the centre&quot;</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>the %1 and %2</source>
        <extracomment>Two cells of the board, &quot;the top left and top centre&quot;</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>the %1, %2 and %3</source>
        <extracomment>Three cells of the board, &quot;the top left, top right and bottom right&quot;</extracomment>
        <translation>%1, %2 et %3</translation>
    </message>
    <message>
        <source>Tic Tac Toe</source>
        <translation>Morpion</translation>
    </message>
    <message>
        <source>Your O on %1, Grizzle&apos;s first X on %2: it blocks your row with its X on %3.</source>
        <extracomment>%1, %2 and %3 are places on the board, &quot;the top left and top centre&quot;</extracomment>
        <translation>Tes O sont %1, le premier X de Grizzle est %2 : il bloque ta ligne avec son X %3.</translation>
    </message>
    <message>
        <source>Your O on %1, Grizzle&apos;s X on %2: you threaten two lines, Grizzle blocks the one it looks at first with its X on %3, and %4 wins for you.</source>
        <extracomment>%1 to %4 are places on the board, &quot;the top left and top centre&quot;</extracomment>
        <translation>Tes O sont %1, les X de Grizzle sont %2 : tu menaces deux lignes, Grizzle bloque celle qu&apos;il regarde en premier avec son X %3, et un O %4 te fait gagner.</translation>
    </message>
    <message>
        <source>You play O and Grizzle plays X on a board of three by three. Three of one kind in a row, a column or a diagonal win.</source>
        <translation>Tu joues les O et Grizzle les X sur une grille de trois sur trois. Trois signes pareils sur une ligne, une colonne ou une diagonale gagnent.</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Click a free square to put your O there, or Tab to the board, move with the arrow keys and press Space or Enter. Grizzle answers at once. You make the first move when you arrive and after &lt;b&gt;Restart&lt;/b&gt;.</source>
        <translation>Clique sur une case libre pour y mettre ton O, ou va sur la grille avec Tab, déplace-toi avec les flèches et appuie sur Espace ou Entrée. Grizzle répond tout de suite. Tu joues le premier coup en arrivant et après &lt;b&gt;Recommencer&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>How Grizzle plays</source>
        <translation>Comment Grizzle joue</translation>
    </message>
    <message>
        <source>Grizzle only defends. When you have two O in a line and its third square is free, Grizzle puts its X there. It looks at the lines in a fixed order (the rows from the top, the columns from the left, then the diagonal from the top left and the one from the top right) and blocks the first open pair it finds. With nothing to block, it plays a free square at random. It never looks for a line of its own, and completes one only by chance.</source>
        <translation>Grizzle ne fait que se défendre. Quand tu as deux O sur une ligne et que sa troisième case est libre, Grizzle y met son X. Il regarde les lignes dans un ordre fixe (les rangées depuis le haut, les colonnes depuis la gauche, puis la diagonale partant d&apos;en haut à gauche et celle partant d&apos;en haut à droite) et bloque la première paire ouverte qu&apos;il trouve. S&apos;il n&apos;y a rien à bloquer, il joue une case libre au hasard. Il ne cherche jamais à faire sa propre ligne, et n&apos;en complète une que par hasard.</translation>
    </message>
    <message>
        <source>So when you threaten two lines at once, Grizzle blocks one, and the other is yours.</source>
        <translation>Donc quand tu menaces deux lignes à la fois, Grizzle en bloque une, et l&apos;autre est à toi.</translation>
    </message>
    <message>
        <source>The end of a game</source>
        <translation>La fin d&apos;une partie</translation>
    </message>
    <message>
        <source>A message says how it went: &lt;i&gt;You win.&lt;/i&gt;, &lt;i&gt;Grizzley wins.&lt;/i&gt;, or, when the board is full without a line, &lt;i&gt;Cat&apos;s tail. Nobody wins.&lt;/i&gt; Press OK: the board is cleared, and a win adds one to the winner&apos;s score under its name.</source>
        <translation>Un message dit comment ça s&apos;est passé : &lt;i&gt;Tu as gagné.&lt;/i&gt;, &lt;i&gt;Grizzle a gagné.&lt;/i&gt; ou, quand la grille est pleine sans ligne, &lt;i&gt;Match nul. Personne ne gagne.&lt;/i&gt; Appuie sur OK : la grille est vidée, et une victoire ajoute un point au score du gagnant, sous son nom.</translation>
    </message>
    <message>
        <source>If the game ended on your move, a win or a board you filled, Grizzle opens the next game at once. If it ended on Grizzle&apos;s move, the next first move is yours.</source>
        <translation>Si la partie s&apos;est terminée sur ton coup, par une victoire ou parce que tu as rempli la grille, Grizzle commence tout de suite la partie suivante. Si elle s&apos;est terminée sur le coup de Grizzle, c&apos;est toi qui joues le premier coup suivant.</translation>
    </message>
    <message>
        <source>The buttons</source>
        <translation>Les boutons</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt; clears the board in the middle of a game and keeps the scores; the next move is yours.</source>
        <translation>&lt;b&gt;Recommencer&lt;/b&gt; vide la grille en pleine partie et garde les scores ; le coup suivant est à toi.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt; leaves Tic Tac Toe. The scores count the games of one visit, so they start again from 0 next time.</source>
        <translation>&lt;b&gt;Menu principal&lt;/b&gt; quitte le Morpion. Les scores comptent les parties d&apos;une visite, donc ils repartent de 0 la fois suivante.</translation>
    </message>
</context>
<context>
    <name>warhelp</name>
    <message>
        <source>Grizzle</source>
        <extracomment>Beneath Grizzle&apos;s card in a picture of a round.</extracomment>
        <translation>Grizzle</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>Beneath the player&apos;s card in a picture of a round.</extracomment>
        <translation>Toi</translation>
    </message>
    <message>
        <source>War</source>
        <extracomment>The help page&apos;s title: the card game&apos;s name.</extracomment>
        <translation>La Bataille</translation>
    </message>
    <message>
        <source>Grizzle&apos;s %1 and your %2: the queen is higher, so both cards go into your hand.</source>
        <extracomment>%1 and %2 are cards&apos; names, e.g. &quot;9 of Clubs&quot; and &quot;Queen of Hearts&quot;.</extracomment>
        <translation>Grizzle : %1, toi : %2. La dame est plus forte, donc les deux cartes vont dans ta main.</translation>
    </message>
    <message>
        <source>Grizzle&apos;s %1 and your %2: both of you, so each seven goes back to its own hand.</source>
        <extracomment>%1 and %2 are cards&apos; names, e.g. &quot;7 of Spades&quot; and &quot;7 of Hearts&quot;.</extracomment>
        <translation>Grizzle : %1, toi : %2. Vous deux : chaque sept retourne dans sa propre main.</translation>
    </message>
    <message>
        <source>War is played against Grizzle with a deck of %1 cards: the 2 to the king in the four suits, without aces. The king is the highest card and the 2 the lowest; suits never count.</source>
        <translation>La Bataille se joue contre Grizzle avec un jeu de %1 cartes : du 2 au roi dans les quatre couleurs, sans les as. Le roi est la carte la plus forte et le 2 la plus faible ; les couleurs ne comptent jamais.</translation>
    </message>
    <message>
        <source>The deal</source>
        <translation>La distribution</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Start&lt;/b&gt;. Grizzle is dealt %1 cards drawn at random &lt;i&gt;with replacement&lt;/i&gt;: a card drawn twice counts once, so Grizzle starts with anything from 1 to %1 cards, about 20 on average. You get every card Grizzle did not, so you usually start with more. The cards are dealt once on each visit to War.</source>
        <translation>Appuie sur &lt;b&gt;Distribuer&lt;/b&gt;. Grizzle reçoit %1 cartes tirées au hasard &lt;i&gt;avec remise&lt;/i&gt; : une carte tirée deux fois ne compte qu&apos;une fois, donc Grizzle commence avec entre 1 et %1 cartes, environ 20 en moyenne. Tu reçois toutes les cartes que Grizzle n&apos;a pas eues, donc tu en as en général plus. Les cartes sont distribuées une fois à chaque visite de La Bataille.</translation>
    </message>
    <message>
        <source>A round</source>
        <translation>Un tour</translation>
    </message>
    <message>
        <source>Grizzle&apos;s card slides out of its pile at the top left, face up.</source>
        <translation>La carte de Grizzle sort de sa pile en haut à gauche, face visible.</translation>
    </message>
    <message>
        <source>Click your pile at the bottom right, under &lt;i&gt;Click on this picture.&lt;/i&gt;, or press Space or Enter on it: a card taken at random from your hand slides out.</source>
        <translation>Clique sur ta pile en bas à droite, sous &lt;i&gt;Clique sur l&apos;image.&lt;/i&gt;, ou appuie dessus sur Espace ou Entrée : une carte prise au hasard dans ta main en sort.</translation>
    </message>
    <message>
        <source>The higher card wins, and both cards go into the winner&apos;s hand. On equal values each card goes back to the hand it came from: there is no war to break the tie.</source>
        <translation>La carte la plus forte gagne, et les deux cartes vont dans la main du gagnant. À valeur égale, chaque carte retourne dans la main d&apos;où elle vient : il n&apos;y a pas de bataille pour départager.</translation>
    </message>
    <message>
        <source>Under &lt;i&gt;And the winner is...&lt;/i&gt; you read &lt;b&gt;You!&lt;/b&gt;, &lt;b&gt;Grizzle!&lt;/b&gt; or &lt;b&gt;Both of you!&lt;/b&gt; Press &lt;b&gt;Click here to continue.&lt;/b&gt; for the next round.</source>
        <translation>Sous &lt;i&gt;Et le gagnant est...&lt;/i&gt; tu lis &lt;b&gt;Toi !&lt;/b&gt;, &lt;b&gt;Grizzle !&lt;/b&gt; ou &lt;b&gt;Vous deux !&lt;/b&gt; Appuie sur &lt;b&gt;Continuer&lt;/b&gt; pour le tour suivant.</translation>
    </message>
    <message>
        <source>Cards you win go straight into your hand, and every card in a hand may come up again in the next round: each card is taken at random from the whole hand, not from the top of a pile.</source>
        <translation>Les cartes que tu gagnes vont directement dans ta main, et chaque carte d&apos;une main peut ressortir au tour suivant : chaque carte est prise au hasard dans toute la main, pas sur le dessus d&apos;une pile.</translation>
    </message>
    <message>
        <source>How it ends</source>
        <translation>Comment ça se termine</translation>
    </message>
    <message>
        <source>The game ends when a side has no card left after a round. A message says &lt;i&gt;Grizzle is out of cards, You win!&lt;/i&gt; or &lt;i&gt;You&apos;re out of cards, Grizzle wins!&lt;/i&gt;, and when you press OK, Corvane&apos;s Cardovia closes.</source>
        <translation>La partie se termine quand un joueur n&apos;a plus de carte après un tour. Un message dit &lt;i&gt;Grizzle n&apos;a plus de cartes, tu as gagné !&lt;/i&gt; ou &lt;i&gt;Tu n&apos;as plus de cartes, Grizzle a gagné !&lt;/i&gt;, et quand tu appuies sur OK, Corvane&apos;s Cardovia se ferme.</translation>
    </message>
    <message>
        <source>A king never leaves the hand that holds it: it wins every round, or ties and goes home. So a side that was dealt a king can never run out, and when both of you hold one, as in most deals, the game has no end: leave it by &lt;b&gt;Main Menu&lt;/b&gt; when you have had enough.</source>
        <translation>Un roi ne quitte jamais la main qui le tient : il gagne chaque tour, ou fait égalité et rentre chez lui. Un joueur qui a reçu un roi ne peut donc jamais manquer de cartes, et quand vous en avez un chacun, comme dans la plupart des donnes, la partie n&apos;a pas de fin : quitte-la avec &lt;b&gt;Menu principal&lt;/b&gt; quand tu en as assez.</translation>
    </message>
    <message>
        <source>The buttons</source>
        <translation>Les boutons</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start&lt;/b&gt; deals and brings out Grizzle&apos;s first card.</source>
        <translation>&lt;b&gt;Distribuer&lt;/b&gt; distribue les cartes et sort la première carte de Grizzle.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Deck Options&lt;/b&gt; chooses the back of the cards: Mossgrave, Corvane, Corvane2, Saltwick or Emberjack. It can be opened at any time; the choice holds until Corvane&apos;s Cardovia closes.</source>
        <translation>&lt;b&gt;Options des cartes&lt;/b&gt; choisit le dos des cartes : Mossgrave, Corvane, Corvane2, Saltwick ou Emberjack. Tu peux l&apos;ouvrir à tout moment ; le choix reste jusqu&apos;à la fermeture de Corvane&apos;s Cardovia.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt; leaves War once the cards are dealt; the game is not kept.</source>
        <translation>&lt;b&gt;Menu principal&lt;/b&gt; quitte La Bataille une fois les cartes distribuées ; la partie n&apos;est pas gardée.</translation>
    </message>
</context>
</TS>
