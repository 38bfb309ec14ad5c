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
        <translation>&amp;Mélange les cartes !</translation>
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
        <translation>Espèce de gros menteur !</translation>
    </message>
    <message>
        <source>Fire it is! The gunman appears.</source>
        <translation>C&apos;est bien Feu ! Le tireur apparaît.</translation>
    </message>
</context>
<context>
    <name>accessible</name>
    <message>
        <source>%1: %2</source>
        <extracomment>a label read aloud: what it tells of, then what it shows (&quot;Your score: 12&quot;)</extracomment>
        <translation>%1 : %2</translation>
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
        <translation>SDL2_mixer et FluidSynth indisponibles : le module audio n&apos;a pas pu être chargé</translation>
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
        <source>%1: the four corners.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;4 Corners Bingo&quot;</extracomment>
        <translation>%1 : les quatre coins.</translation>
    </message>
    <message>
        <source>%1: every cell, the free space too.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;Blackout Bingo&quot;</extracomment>
        <translation>%1 : toutes les cases, la case libre aussi.</translation>
    </message>
    <message>
        <source>%1: both diagonals. The free space does not count.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;X-out Bingo&quot;</extracomment>
        <translation>%1 : les deux diagonales. La case libre ne compte pas.</translation>
    </message>
    <message>
        <source>%1: a goal post, with the free space.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;Field Goal Bingo&quot;</extracomment>
        <translation>%1 : des poteaux de but, avec la case libre.</translation>
    </message>
    <message>
        <source>You and Grizzle each have a card of %1 cells. Grizzle&apos;s card is on the left, yours on the right.</source>
        <extracomment>%1 is the number of cells on a card.</extracomment>
        <translation>Grizzle a une carte de %1 cases, et toi aussi. La carte de Grizzle est à gauche, la tienne à droite.</translation>
    </message>
    <message>
        <source>The middle cell is the free space, %1. It is marked from the start.</source>
        <extracomment>%1 is what the free space shows, &quot;FS&quot;</extracomment>
        <translation>La case du milieu est la case libre, %1. Elle est marquée dès le début.</translation>
    </message>
    <message>
        <source>When you open Bingo, the options panel is up. Choose a pattern and a call speed.</source>
        <translation>Quand tu ouvres le Bingo, le panneau des options est affiché. Choisis un motif et une vitesse.</translation>
    </message>
    <message>
        <source>Is that number on your card? Click it to mark it yellow. Click it again to take the mark away.</source>
        <translation>Ce numéro est sur ta carte ? Clique dessus pour le marquer en jaune. Clique encore dessus pour enlever la marque.</translation>
    </message>
    <message>
        <source>No ball is called twice in a game. The game trusts your marks, so mark only the balls called.</source>
        <translation>Une boule n&apos;est jamais tirée deux fois dans une partie. Le jeu te fait confiance, alors marque seulement les boules tirées.</translation>
    </message>
    <message>
        <source>These are the four patterns:</source>
        <translation>Voici les quatre motifs :</translation>
    </message>
    <message>
        <source>Press it without the pattern, and Grizzle calls it cheating. The game starts over with new cards.</source>
        <translation>Si tu appuies dessus sans avoir le motif, Grizzle dit que tu triches. La partie recommence avec de nouvelles cartes.</translation>
    </message>
    <message>
        <source>Grizzle wins as soon as its card shows the pattern. So claim your win quickly.</source>
        <translation>Grizzle gagne dès que sa carte montre le motif. Alors annonce vite ta victoire.</translation>
    </message>
    <message>
        <source>The balls never run out without a winner. By the last of the %1 balls, Grizzle&apos;s card is full. So if nobody claims, Grizzle wins then at the latest.</source>
        <extracomment>%1 is the number of balls, 75.</extracomment>
        <translation>Il y a toujours un gagnant avant la fin des boules. À la dernière des %1 boules, la carte de Grizzle est pleine. Donc si personne n&apos;annonce sa victoire, Grizzle gagne au plus tard à ce moment-là.</translation>
    </message>
    <message>
        <source>After a win, press OK. New cards are dealt, and the game waits. Press &lt;b&gt;Restart&lt;/b&gt; to play again.</source>
        <translation>Après une victoire, appuie sur OK. De nouvelles cartes sont distribuées, et le jeu attend. Appuie sur &lt;b&gt;Recommencer&lt;/b&gt; pour rejouer.</translation>
    </message>
    <message>
        <source>Grizzle marks its own card. About once a second, it looks at the ball on show.</source>
        <translation>Grizzle marque sa propre carte. Environ une fois par seconde, il regarde la boule affichée.</translation>
    </message>
    <message>
        <source>If its card has that number, Grizzle marks it. It never misses a ball.</source>
        <translation>Si ce numéro est sur sa carte, Grizzle le marque. Il ne rate jamais une boule.</translation>
    </message>
    <message>
        <source>Grizzle needs no button. It wins the moment its card shows the pattern.</source>
        <translation>Grizzle n&apos;a pas besoin de bouton. Il gagne dès que sa carte montre le motif.</translation>
    </message>
    <message>
        <source>Tab takes you to your card. The arrow keys move between its cells. Space or Enter marks one.</source>
        <translation>Tab t&apos;amène sur ta carte. Les touches fléchées passent d&apos;une case à l&apos;autre. Espace ou Entrée marque une case.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt;, or Alt+R, deals new cards. The first ball comes at once, with the same pattern.</source>
        <translation>&lt;b&gt;Recommencer&lt;/b&gt;, ou Alt+R, distribue de nouvelles cartes. La première boule arrive tout de suite, avec le même motif.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt;, or Alt+O, pauses the game and shows the options panel.</source>
        <translation>&lt;b&gt;Options&lt;/b&gt;, ou Alt+O, met la partie en pause et affiche le panneau des options.</translation>
    </message>
    <message>
        <source>On the panel, the arrow keys choose a pattern and move the speed bar.</source>
        <translation>Sur le panneau, les touches fléchées choisissent un motif et déplacent la barre de vitesse.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Okay&lt;/b&gt;, or Alt+O, starts a new game with the pattern you chose.</source>
        <translation>&lt;b&gt;OK&lt;/b&gt;, ou Alt+K, lance une nouvelle partie avec le motif que tu as choisi.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Cancel&lt;/b&gt;, or Alt+C, goes back to the same game. A new speed counts even then.</source>
        <translation>&lt;b&gt;Annuler&lt;/b&gt;, ou Alt+N, revient à la même partie. La nouvelle vitesse est quand même gardée.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt;, or Alt+M, leaves Bingo. The game is not kept.</source>
        <translation>&lt;b&gt;Menu principal&lt;/b&gt;, ou Alt+M, quitte le Bingo. La partie n&apos;est pas gardée.</translation>
    </message>
    <message>
        <source>Too fast? Move the bar to the right for more time.</source>
        <translation>Trop rapide ? Pousse la barre vers la droite pour avoir plus de temps.</translation>
    </message>
    <message>
        <source>4 Corners is over quickly. Blackout needs every number, so it takes longest.</source>
        <translation>Le Bingo 4 coins se finit vite. Le Carton plein demande tous les numéros, alors il dure le plus longtemps.</translation>
    </message>
    <message>
        <source>Blackout and Field Goal need the free space. Did you unmark it? Mark it again before you claim.</source>
        <translation>Le Carton plein et le Bingo poteaux ont besoin de la case libre. Tu as enlevé sa marque ? Marque-la de nouveau avant d&apos;annoncer ta victoire.</translation>
    </message>
    <message>
        <source>Each column has its own numbers. B has 1 to 15, and I has 16 to 30.</source>
        <translation>Chaque colonne a ses propres numéros. B va de 1 à 15, et I de 16 à 30.</translation>
    </message>
    <message>
        <source>N has 31 to 45, G has 46 to 60, and O has 61 to 75.</source>
        <translation>N va de 31 à 45, G de 46 à 60, O de 61 à 75.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Okay&lt;/b&gt;. A ball is called every few seconds. It shows on the big ball, like B7.</source>
        <translation>Appuie sur &lt;b&gt;OK&lt;/b&gt;. Une boule est tirée à intervalles de quelques secondes. Elle s&apos;affiche sur la grosse boule, par exemple B7.</translation>
    </message>
    <message>
        <source>Fill the pattern on your card, then press &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt;.</source>
        <extracomment>&lt;nobr&gt; keeps the button&apos;s spaced letters on one line.</extracomment>
        <translation>Remplis le motif sur ta carte, puis appuie sur &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>A full pattern does not win by itself. You win only when you press &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt;.</source>
        <translation>Un motif rempli ne suffit pas pour gagner. Tu gagnes seulement quand tu appuies sur &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt; claims your win. Click it, or Tab to it and press Space.</source>
        <extracomment>Alt+R and the other keys as this language&apos;s keyboards name them, with the buttons&apos; access keys.</extracomment>
        <translation>&lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt; annonce ta victoire. Clique dessus, ou va dessus avec Tab et appuie sur Espace.</translation>
    </message>
    <message>
        <source>At &lt;i&gt;Faster&lt;/i&gt;, a ball comes every 2 seconds. At &lt;i&gt;Slower&lt;/i&gt;, one comes every 10 seconds.</source>
        <extracomment>&quot;Faster&quot; and &quot;Slower&quot; as the options panel shows them under the speed bar.</extracomment>
        <translation>Sur &lt;i&gt;Vite&lt;/i&gt;, une boule arrive toutes les 2 secondes. Sur &lt;i&gt;Lent&lt;/i&gt;, une boule arrive toutes les 10 secondes.</translation>
    </message>
    <message>
        <source>Complete the pattern on your card first, and claim it with &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt;.</source>
        <translation>Remplis le motif de ta carte avant Grizzle et annonce-le avec &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt;.</translation>
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
        <translation>les piques</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>les cœurs</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>les carreaux</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>les trèfles</translation>
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
        <source>Each card ends with your call. Then Grizzle answers.</source>
        <translation>Pour chaque carte, tu fais un choix. Ensuite, Grizzle répond.</translation>
    </message>
    <message>
        <source>Ice on a black card: Grizzle says &lt;i&gt;You got lucky punk, Try again, I dare you.&lt;/i&gt;</source>
        <translation>Glace sur une carte noire : Grizzle dit &lt;i&gt;T&apos;as eu de la chance, petit malin. Recommence, si tu l&apos;oses.&lt;/i&gt;</translation>
    </message>
    <message>
        <source>A wrong call, Fire or Ice: Grizzle says &lt;i&gt;Ya big liar!&lt;/i&gt;</source>
        <translation>Un mauvais choix, Feu ou Glace : Grizzle dit &lt;i&gt;Espèce de gros menteur !&lt;/i&gt;</translation>
    </message>
    <message>
        <source>There is no score and no end. Shuffle as often as you like.</source>
        <translation>Il n&apos;y a ni score ni fin. Mélange aussi souvent que tu veux.</translation>
    </message>
    <message>
        <source>Fire wins on %1, the red suits. Ice wins on %2, the black ones.</source>
        <extracomment>%1 and %2 are suits&apos; names in running text, &quot;hearts and diamonds&quot;.</extracomment>
        <translation>Feu gagne avec %1, les couleurs rouges. Glace gagne avec %2, les couleurs noires.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Shuffle Those Card!&lt;/b&gt; A new card slides back and forth.</source>
        <translation>Appuie sur &lt;b&gt;Mélange les cartes !&lt;/b&gt; Une nouvelle carte glisse d&apos;un côté à l&apos;autre.</translation>
    </message>
    <message>
        <source>The card is face up, so you can see it while it moves.</source>
        <translation>La carte est face visible, alors tu peux la voir pendant qu&apos;elle bouge.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Fire&lt;/b&gt; if it is red, or &lt;b&gt;Ice&lt;/b&gt; if it is black.</source>
        <translation>Appuie sur &lt;b&gt;Feu&lt;/b&gt; si elle est rouge, ou sur &lt;b&gt;Glace&lt;/b&gt; si elle est noire.</translation>
    </message>
    <message>
        <source>You get one call for each card. The card stops after your call.</source>
        <translation>Tu as un seul choix pour chaque carte. La carte s&apos;arrête après ton choix.</translation>
    </message>
    <message>
        <source>Grizzle deals one card from a whole pack of %1, aces too.</source>
        <extracomment>%1 is the number of cards in a pack.</extracomment>
        <translation>Grizzle tire une carte d&apos;un paquet complet de %1 cartes, as compris.</translation>
    </message>
    <message>
        <source>Every card has the same chance. Red and black come up just as often.</source>
        <translation>Chaque carte a la même chance. Le rouge et le noir sortent aussi souvent l&apos;un que l&apos;autre.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Shuffle Those Card!&lt;/b&gt;, or Alt+S, brings a new card.</source>
        <extracomment>Alt+S and the other keys as this language&apos;s keyboards name them, with the buttons&apos; access keys.</extracomment>
        <translation>&lt;b&gt;Mélange les cartes !&lt;/b&gt;, ou Alt+M, amène une nouvelle carte.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fire&lt;/b&gt;, or Alt+F, calls red. Here Alt+F does not open the File menu.</source>
        <translation>&lt;b&gt;Feu&lt;/b&gt;, ou Alt+F, choisit rouge. Ici, Alt+F n&apos;ouvre pas le menu Fichier.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ice&lt;/b&gt;, or Alt+I, calls black.</source>
        <translation>&lt;b&gt;Glace&lt;/b&gt;, ou Alt+G, choisit noir.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt; leaves Fire &amp; Ice. Click it, or Tab to it and press Space.</source>
        <translation>&lt;b&gt;Menu principal&lt;/b&gt; quitte Feu &amp; Glace. Clique dessus, ou va dessus avec Tab et appuie sur Espace.</translation>
    </message>
    <message>
        <source>Tab moves between the buttons. Space or Enter presses one.</source>
        <translation>Tab passe d&apos;un bouton à l&apos;autre. Espace ou Entrée appuie sur le bouton.</translation>
    </message>
    <message>
        <source>Look at the card before you call. Its colour shows the whole time.</source>
        <translation>Regarde la carte avant de choisir. On voit sa couleur tout le temps.</translation>
    </message>
    <message>
        <source>After a shuffle the keyboard is on &lt;b&gt;Fire&lt;/b&gt;. After a call it is on &lt;b&gt;Shuffle Those Card!&lt;/b&gt;</source>
        <translation>Après un mélange, le clavier est sur &lt;b&gt;Feu&lt;/b&gt;. Après un choix, il est sur &lt;b&gt;Mélange les cartes !&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Want to see the gunman? Call Fire on a red card.</source>
        <translation>Tu veux voir le tireur ? Choisis Feu sur une carte rouge.</translation>
    </message>
    <message>
        <source>Call the colour of the sliding card: red or black.</source>
        <translation>Devine la couleur de la carte qui glisse : rouge ou noire.</translation>
    </message>
    <message>
        <source>Fire on a red card: you hear a gunshot. A cartoon gunman pops up on the screen.</source>
        <translation>Feu sur une carte rouge : tu entends un coup de feu. Un tireur de dessin animé surgit sur l&apos;écran.</translation>
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
        <translation>La licence de la banque de sons ne peut pas être affichée : %1 est illisible.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Free software: you may share and change it under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Logiciel libre : tu peux le partager et le modifier selon la licence publique générale GNU, version 3 ou toute version ultérieure (GPL-3.0-or-later). Il est fourni sans aucune garantie.</translation>
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
        <translation>Les images, la musique et les sons sont propres à %1 : ses développeurs les ont dessinés et composés dans son code, et ils sont sous la même licence.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>a button: closes this window</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>In use: Qt %1; %2.</source>
        <extracomment>the libraries the game uses: &quot;In use: Qt 6.4.2; SDL2_mixer 2.6.2, FluidSynth 2.3.1.&quot;</extracomment>
        <translation>Utilisés : Qt %1 ; %2.</translation>
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
        <translation>La carte de Grizzle</translation>
    </message>
    <message>
        <source>Your card</source>
        <translation>Ta carte</translation>
    </message>
    <message>
        <source>Note: Hitting Okay will cause the game to restart.</source>
        <translation>Attention : OK fait recommencer la partie.</translation>
    </message>
    <message>
        <source>Call Speed</source>
        <extracomment>The time between two balls being called</extracomment>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Seconds between calls: faster to the left, slower to the right</source>
        <translation>Secondes entre deux boules : plus rapide à gauche, plus lent à droite</translation>
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
        <translation>A&amp;nnuler</translation>
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
        <translation>%1, marquée</translation>
    </message>
    <message>
        <source>%1, not marked.</source>
        <extracomment>Said when the player unmarks a cell: &quot;N 40, not marked.&quot;</extracomment>
        <translation>%1, non marquée.</translation>
    </message>
    <message>
        <source>Grizzle Wins! Hit okay to play again.</source>
        <translation>Grizzle a gagné ! Clique sur OK pour rejouer.</translation>
    </message>
    <message>
        <source>You Win! Hit okay to play again.</source>
        <translation>Tu as gagné ! Clique sur OK pour rejouer.</translation>
    </message>
    <message>
        <source>Heh, no cheating.  You don&apos;t have bingo. You know the rules, if you yell bingo and you don&apos;t really have it, you have to start over.  Hit okay to start over.</source>
        <translation>Hé, on ne triche pas ! Tu n&apos;as pas de bingo. Tu connais la règle : si tu cries bingo sans l&apos;avoir vraiment, tu dois tout recommencer. Clique sur OK pour recommencer.</translation>
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
        <translation>Dos des cartes :</translation>
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
        <translation>D&apos;autres trucs sympas viendront ici !</translation>
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
        <translation>Règles : %1</translation>
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
        <translation>     Voici le début d&apos;une grande collection de jeux.  Voilà les jeux que nous avons faits jusqu&apos;ici.  Si tu as une idée pour en ajouter un, envoie-la-nous.</translation>
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
        <translation>Grizzle : %1.</translation>
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
        <translation>Grizzle joue : %1.</translation>
    </message>
    <message>
        <source>You!</source>
        <extracomment>The round&apos;s winner, under &quot;And the winner is...&quot;: the player.</extracomment>
        <translation>Toi !</translation>
    </message>
    <message>
        <source>Grizzle!</source>
        <extracomment>The round&apos;s winner, under &quot;And the winner is...&quot;.</extracomment>
        <translation>Grizzle !</translation>
    </message>
    <message>
        <source>Both of you!</source>
        <extracomment>The round&apos;s result on equal cards, under &quot;And the winner is...&quot;.</extracomment>
        <translation>Les deux !</translation>
    </message>
    <message>
        <source>%1 %2 %3. %4.</source>
        <extracomment>Read after each round: %1 &quot;And the winner is...&quot;, %2 the winner (&quot;You!&quot;), %3 and %4 the two piles with their cards (&quot;Your pile, 30 cards&quot;).</extracomment>
        <translation>%1 %2 %3. %4.</translation>
    </message>
    <message>
        <source>Grizzle is out of cards, You win!</source>
        <translation>Grizzle n&apos;a plus de cartes, tu as gagné !</translation>
    </message>
    <message>
        <source>You&apos;re out of cards, Grizzle wins!</source>
        <translation>Tu n&apos;as plus de cartes, Grizzle a gagné !</translation>
    </message>
    <message>
        <source>You play %1.</source>
        <extracomment>%1 is a card&apos;s name, e.g. &quot;Queen of Hearts&quot;.</extracomment>
        <translation>Tu joues : %1.</translation>
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
        <source>The main menu</source>
        <translation>Le menu principal</translation>
    </message>
    <message>
        <source>Keys</source>
        <extracomment>a heading: the keyboard&apos;s keys</extracomment>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>the title of the help page on the music</extracomment>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Choose a track, 1 to 6, under &lt;i&gt;%1&lt;/i&gt;.</source>
        <extracomment>%1 is the label over the track buttons, &quot;Track #&quot;.</extracomment>
        <translation>Choisis une piste, de 1 à 6, sous &lt;i&gt;%1&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab move between the controls. Space or Enter presses the one with the focus.</source>
        <translation>Tab et Maj+Tab passent d&apos;un élément à l&apos;autre. Espace ou Entrée appuie sur celui qui a le focus.</translation>
    </message>
    <message>
        <source>The size you choose is kept for next time.</source>
        <translation>La taille que tu choisis est gardée pour la prochaine fois.</translation>
    </message>
    <message>
        <source>In this help window, Tab moves to the links. Enter follows a link, and Alt+Left goes back.</source>
        <translation>Dans cette fenêtre d&apos;aide, Tab va sur les liens. Entrée ouvre un lien, et Alt+Flèche gauche revient en arrière.</translation>
    </message>
    <message>
        <source>Choose a game on the main menu. Each page here tells you how to play it.</source>
        <translation>Choisis un jeu dans le menu principal. Chaque page ici t&apos;explique comment y jouer.</translation>
    </message>
    <message>
        <source>The grey panel on the right plays &lt;a href=&quot;%1&quot;&gt;music&lt;/a&gt; beside every game.</source>
        <translation>Le panneau gris à droite joue de la &lt;a href=&quot;%1&quot;&gt;musique&lt;/a&gt; à côté de chaque jeu.</translation>
    </message>
    <message>
        <source>Press a game&apos;s button to play it.</source>
        <translation>Appuie sur le bouton d&apos;un jeu pour y jouer.</translation>
    </message>
    <message>
        <source>In each game, &lt;b&gt;Main Menu&lt;/b&gt; brings you back here. The game you leave is not kept.</source>
        <translation>Dans chaque jeu, &lt;b&gt;Menu principal&lt;/b&gt; te ramène ici. La partie que tu quittes n&apos;est pas gardée.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;, or File and Quit, closes %2 at once.</source>
        <extracomment>%1 is the main menu&apos;s Quit button, %2 the collection&apos;s name.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt;, ou Fichier puis Quitter, ferme %2 tout de suite.</translation>
    </message>
    <message>
        <source>The grey panel on the right is Grizzle&apos;s corner. It plays music beside every game. Six tunes come with %1.</source>
        <extracomment>%1 is the collection&apos;s name.</extracomment>
        <translation>Le panneau gris à droite, c&apos;est le coin de Grizzle. Il joue de la musique à côté de chaque jeu. %1 est livré avec six pistes de musique.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;%1&lt;/b&gt; The track plays once, from the start.</source>
        <extracomment>%1 is the Play button&apos;s caption.</extracomment>
        <translation>Appuie sur &lt;b&gt;%1&lt;/b&gt; La piste est jouée une fois, depuis le début.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; stops it.</source>
        <extracomment>%1 is the Stop button&apos;s caption.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt; l&apos;arrête.</translation>
    </message>
    <message>
        <source>Choosing another track changes nothing until you press Play again.</source>
        <translation>Choisir une autre piste ne change rien tant que tu n&apos;appuies pas de nouveau sur Jouer.</translation>
    </message>
    <message>
        <source>Play while music plays starts the chosen track from the start.</source>
        <translation>Jouer, pendant que la musique joue, relance la piste choisie depuis le début.</translation>
    </message>
    <message>
        <source>The music goes on while you change games.</source>
        <translation>La musique continue quand tu changes de jeu.</translation>
    </message>
    <message>
        <source>Tab moves through Play, the six tracks and Stop. Space chooses the track with the focus.</source>
        <translation>Tab passe par Jouer, les six pistes et Arrêter. Espace choisit la piste qui a le focus.</translation>
    </message>
    <message>
        <source>No sound card, or no music files? The buttons still work, and all stays quiet.</source>
        <translation>Pas de carte son, ou pas de fichiers de musique ? Les boutons marchent quand même, et tout reste silencieux.</translation>
    </message>
    <message>
        <source>Alt with a button&apos;s underlined letter presses that button. If a menu has the same letter, the button wins.</source>
        <translation>Alt avec la lettre soulignée d&apos;un bouton appuie sur ce bouton. Si un menu a la même lettre, c&apos;est le bouton qui gagne.</translation>
    </message>
</context>
<context>
    <name>helpview</name>
    <message>
        <source>Goal</source>
        <extracomment>A heading of every game&apos;s help page: what the player tries to do.</extracomment>
        <translation>But</translation>
    </message>
    <message>
        <source>How to play</source>
        <extracomment>A heading of every game&apos;s help page.</extracomment>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>How Grizzle plays</source>
        <extracomment>A heading of every game&apos;s help page: what the computer opponent does.</extracomment>
        <translation>Comment joue Grizzle</translation>
    </message>
    <message>
        <source>How it ends</source>
        <extracomment>A heading of every game&apos;s help page: how a game ends, and what then.</extracomment>
        <translation>Fin de la partie</translation>
    </message>
    <message>
        <source>Buttons and keys</source>
        <extracomment>A heading of every game&apos;s help page: the screen&apos;s buttons and the keyboard&apos;s keys.</extracomment>
        <translation>Boutons et touches</translation>
    </message>
    <message>
        <source>Tips</source>
        <extracomment>A heading of every game&apos;s help page: advice for playing well.</extracomment>
        <translation>Astuces</translation>
    </message>
    <message>
        <source>F1 opens the help for the screen on show. Esc closes it again.</source>
        <extracomment>Keys as this language&apos;s keyboards name them.</extracomment>
        <translation>F1 ouvre l&apos;aide de l&apos;écran affiché. Échap la referme.</translation>
    </message>
    <message>
        <source>F10 opens the menus at the top of the window.</source>
        <translation>F10 ouvre les menus en haut de la fenêtre.</translation>
    </message>
    <message>
        <source>Ctrl+Plus and Ctrl+Minus make everything bigger or smaller. Ctrl+0 goes back to the normal size.</source>
        <extracomment>Keys as this language&apos;s keyboards name them.</extracomment>
        <translation>Ctrl+Plus et Ctrl+Moins rendent tout plus grand ou plus petit. Ctrl+0 revient à la taille normale.</translation>
    </message>
</context>
<context>
    <name>launch</name>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.</source>
        <translation>%1 : %2 Essaie « %1 --help ».</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are understood too.</source>
        <translation>Les options de Qt, comme -platform et -display, sont aussi comprises.</translation>
    </message>
    <message>
        <source>%1  (found here)</source>
        <translation>%1  (musique trouvée ici)</translation>
    </message>
    <message>
        <source>music and sound: not found (see --help)</source>
        <translation>musique et son : introuvables (voir --help)</translation>
    </message>
    <message>
        <source>music and sound: %1</source>
        <translation>musique et son : %1</translation>
    </message>
    <message>
        <source>%1 needs a display; without one, run it as: xvfb-run -a %2</source>
        <translation>%1 a besoin d&apos;un affichage ; sans affichage, lance-le ainsi : xvfb-run -a %2</translation>
    </message>
    <message>
        <source>%1 cannot find Qt&apos;s Wayland plugin (qt6-wayland) for the display %2.</source>
        <translation>%1 ne trouve pas le module Wayland de Qt (qt6-wayland) pour l&apos;affichage %2.</translation>
    </message>
    <message>
        <source>%1 cannot find Qt&apos;s platform plugin &quot;%2&quot;.</source>
        <translation>%1 ne trouve pas le module de plateforme de Qt « %2 ».</translation>
    </message>
    <message>
        <source>%1 cannot reach the display %2; without one, run it as: xvfb-run -a %3</source>
        <translation>%1 ne peut pas joindre l&apos;affichage %2 ; sans affichage, lance-le ainsi : xvfb-run -a %3</translation>
    </message>
    <message>
        <source>%1 cannot reach any of the displays %2; without one, run it as: xvfb-run -a %3</source>
        <extracomment>%2 lists the displays, such as &quot;:1, wayland-0&quot;</extracomment>
        <translation>%1 ne peut joindre aucun des affichages %2 ; sans affichage, lance-le ainsi : xvfb-run -a %3</translation>
    </message>
    <message>
        <source>The music and the gunshot sound (1.mid to 6.mid, fire.wav) are looked for in:</source>
        <translation>La musique et le bruit du coup de feu (1.mid à 6.mid, fire.wav) sont cherchés dans :</translation>
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
        <source>Your O on %1 and Grizzle&apos;s X on %2. Grizzle blocks your row on %3.</source>
        <extracomment>%1, %2 and %3 are places on the board, &quot;the top left and top centre&quot;</extracomment>
        <translation>Tes O sont %1, et le X de Grizzle est %2. Grizzle bloque ta ligne %3.</translation>
    </message>
    <message>
        <source>Your O on %1 and Grizzle&apos;s X on %2. You have two lines to finish. Grizzle blocks on %3, and %4 wins for you.</source>
        <extracomment>%1 to %4 are places on the board, &quot;the top left and top centre&quot;</extracomment>
        <translation>Tes O sont %1, et les X de Grizzle %2. Tu as deux lignes à finir. Grizzle bloque %3, et tu gagnes en jouant %4.</translation>
    </message>
    <message>
        <source>Grizzle only defends. It never tries to make a line of its own.</source>
        <translation>Grizzle ne fait que se défendre. Il n&apos;essaie jamais de faire sa propre ligne.</translation>
    </message>
    <message>
        <source>Do you have two O in a line, with the third square free? Then Grizzle puts its X there.</source>
        <translation>Tu as deux O sur une ligne, et la troisième case est libre ? Alors Grizzle y met son X.</translation>
    </message>
    <message>
        <source>Grizzle checks the rows from the top first, then the columns from the left.</source>
        <translation>Grizzle regarde d&apos;abord les rangées depuis le haut, puis les colonnes depuis la gauche.</translation>
    </message>
    <message>
        <source>With nothing to block, Grizzle picks a free square at random.</source>
        <translation>S&apos;il n&apos;y a rien à bloquer, Grizzle choisit une case libre au hasard.</translation>
    </message>
    <message>
        <source>So if you make two lines at once, Grizzle blocks only one. The other one wins for you.</source>
        <translation>Donc si tu prépares deux lignes à la fois, Grizzle n&apos;en bloque qu&apos;une. Avec l&apos;autre, tu gagnes.</translation>
    </message>
    <message>
        <source>Click a free square to put your O there. Grizzle answers at once.</source>
        <translation>Clique sur une case libre pour y mettre ton O. Grizzle répond tout de suite.</translation>
    </message>
    <message>
        <source>You make the first move when you arrive and after &lt;b&gt;Restart&lt;/b&gt;.</source>
        <translation>Tu joues en premier quand tu arrives et après &lt;b&gt;Recommencer&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Three in a row, in a column or on a diagonal win the game.</source>
        <translation>Trois signes sur une rangée, une colonne ou une diagonale gagnent la partie.</translation>
    </message>
    <message>
        <source>A game ends with three in a line, or when the board is full.</source>
        <translation>Une partie se termine quand trois signes sont alignés, ou quand la grille est pleine.</translation>
    </message>
    <message>
        <source>A message says &lt;i&gt;You win.&lt;/i&gt;, &lt;i&gt;Grizzley wins.&lt;/i&gt; or, for a full board, &lt;i&gt;Cat&apos;s tail. Nobody wins.&lt;/i&gt;</source>
        <translation>Un message dit &lt;i&gt;Tu as gagné.&lt;/i&gt;, &lt;i&gt;Grizzle a gagné.&lt;/i&gt; ou, si la grille est pleine, &lt;i&gt;Match nul. Personne ne gagne.&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Press OK. The board is cleared, and the winner&apos;s score goes up by one.</source>
        <translation>Appuie sur OK. La grille est vidée, et le score du gagnant augmente de un.</translation>
    </message>
    <message>
        <source>Did the game end on your move? Then Grizzle starts the next game at once.</source>
        <translation>La partie s&apos;est finie sur ton coup ? Alors Grizzle commence tout de suite la partie suivante.</translation>
    </message>
    <message>
        <source>Did it end on Grizzle&apos;s move? Then you start.</source>
        <translation>Elle s&apos;est finie sur le coup de Grizzle ? Alors c&apos;est toi qui commences.</translation>
    </message>
    <message>
        <source>There is no last game. Play as long as you like.</source>
        <translation>Il n&apos;y a pas de dernière partie. Joue aussi longtemps que tu veux.</translation>
    </message>
    <message>
        <source>Tab takes you to the board. The arrow keys move between the squares. Space or Enter puts your O.</source>
        <extracomment>Alt+R and the other keys as this language&apos;s keyboards name them, with the buttons&apos; access keys.</extracomment>
        <translation>Tab t&apos;amène sur la grille. Les touches fléchées passent d&apos;une case à l&apos;autre. Espace ou Entrée pose ton O.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt;, or Alt+R, clears the board. The scores stay, and you move first.</source>
        <translation>&lt;b&gt;Recommencer&lt;/b&gt;, ou Alt+R, vide la grille. Les scores restent, et tu joues en premier.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt;, or Alt+M, leaves Tic Tac Toe. Next time the scores start at 0.</source>
        <translation>&lt;b&gt;Menu principal&lt;/b&gt;, ou Alt+M, quitte le Morpion. La prochaine fois, les scores repartent de 0.</translation>
    </message>
    <message>
        <source>Set up two lines at once. Grizzle can block only one of them.</source>
        <translation>Prépare deux lignes à la fois. Grizzle ne peut en bloquer qu&apos;une.</translation>
    </message>
    <message>
        <source>The centre is part of four lines, and each corner of three. They make good first moves.</source>
        <translation>Le centre fait partie de quatre lignes, et chaque coin de trois. Ce sont de bons premiers coups.</translation>
    </message>
    <message>
        <source>Get three O in a line before Grizzle gets three X.</source>
        <translation>Aligne trois O avant que Grizzle aligne trois X.</translation>
    </message>
    <message>
        <source>Then it checks the two diagonals, the one from the top left first.</source>
        <translation>Ensuite, il regarde les deux diagonales, d&apos;abord celle qui part d&apos;en haut à gauche.</translation>
    </message>
    <message>
        <source>You play O and Grizzle plays X. The board has three by three squares.</source>
        <translation>Tu joues les O et Grizzle joue les X. La grille a trois cases sur trois.</translation>
    </message>
    <message>
        <source>Grizzle does not try to win. Still, a random X can make a line. Keep an eye on its X.</source>
        <translation>Grizzle n&apos;essaie pas de gagner. Mais un X posé au hasard peut faire une ligne. Surveille ses X.</translation>
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
        <source>Grizzle&apos;s %1 and your %2. The Queen is higher, so you take both cards.</source>
        <extracomment>%1 and %2 are cards&apos; names, e.g. &quot;9 of Clubs&quot; and &quot;Queen of Hearts&quot;.</extracomment>
        <translation>Grizzle : %1. Toi : %2. La dame est plus forte, alors tu prends les deux cartes.</translation>
    </message>
    <message>
        <source>Grizzle&apos;s %1 and your %2. A tie, so each seven goes back to its hand.</source>
        <extracomment>%1 and %2 are cards&apos; names, e.g. &quot;7 of Spades&quot; and &quot;7 of Hearts&quot;.</extracomment>
        <translation>Grizzle : %1. Toi : %2. C&apos;est une égalité, alors chaque 7 retourne dans sa main.</translation>
    </message>
    <message>
        <source>The deck has %1 cards, from the 2 to the King. There are no aces.</source>
        <extracomment>%1 is the number of cards in War&apos;s deck.</extracomment>
        <translation>Le paquet a %1 cartes, du 2 au roi. Il n&apos;y a pas d&apos;as.</translation>
    </message>
    <message>
        <source>The King is the highest card and the 2 the lowest. Suits do not count.</source>
        <translation>Le roi est la plus forte carte, et le 2 la plus faible. Les couleurs ne comptent pas.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Start&lt;/b&gt;. The cards are dealt, and Grizzle plays first.</source>
        <translation>Appuie sur &lt;b&gt;Distribuer&lt;/b&gt;. Les cartes sont distribuées, et Grizzle joue en premier.</translation>
    </message>
    <message>
        <source>Grizzle&apos;s card slides out of its pile at the top left.</source>
        <translation>La carte de Grizzle sort de sa pile, en haut à gauche.</translation>
    </message>
    <message>
        <source>Click your pile at the bottom right, under &lt;i&gt;Click on this picture.&lt;/i&gt; Your card slides out.</source>
        <extracomment>&quot;Click on this picture.&quot; is the label beside the player&apos;s pile, as the screen shows it.</extracomment>
        <translation>Clique sur ta pile en bas à droite, sous &lt;i&gt;Clique sur l&apos;image.&lt;/i&gt; Ta carte sort.</translation>
    </message>
    <message>
        <source>The higher card wins. The winner takes both cards.</source>
        <translation>La carte la plus forte gagne. Le gagnant prend les deux cartes.</translation>
    </message>
    <message>
        <source>Under &lt;i&gt;And the winner is...&lt;/i&gt; you read &lt;b&gt;You!&lt;/b&gt;, &lt;b&gt;Grizzle!&lt;/b&gt; or &lt;b&gt;Both of you!&lt;/b&gt;</source>
        <extracomment>The labels as the screen shows them.</extracomment>
        <translation>Sous &lt;i&gt;Et le gagnant est...&lt;/i&gt; tu lis &lt;b&gt;Toi !&lt;/b&gt;, &lt;b&gt;Grizzle !&lt;/b&gt; ou &lt;b&gt;Les deux !&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Click here to continue.&lt;/b&gt; for the next round.</source>
        <translation>Appuie sur &lt;b&gt;Continuer&lt;/b&gt; pour le tour suivant.</translation>
    </message>
    <message>
        <source>Cards you win go into your hand. They can come up again in the very next round.</source>
        <translation>Les cartes que tu gagnes vont dans ta main. Elles peuvent ressortir dès le tour suivant.</translation>
    </message>
    <message>
        <source>The deal is not even. Grizzle gets %1 cards at most, usually about 20. You get all the others.</source>
        <extracomment>%1 is the number of cards Grizzle is dealt at most.</extracomment>
        <translation>La distribution n&apos;est pas égale. Grizzle reçoit %1 cartes au plus, souvent une vingtaine. Tu reçois toutes les autres.</translation>
    </message>
    <message>
        <source>Grizzle does not choose. Its next card is picked at random from its hand. So is yours.</source>
        <translation>Grizzle ne choisit pas. Sa prochaine carte est tirée au hasard dans sa main. La tienne aussi.</translation>
    </message>
    <message>
        <source>The game is over when one side has no cards left.</source>
        <translation>La partie est finie quand l&apos;un des deux n&apos;a plus de cartes.</translation>
    </message>
    <message>
        <source>A message says &lt;i&gt;Grizzle is out of cards, You win!&lt;/i&gt; or &lt;i&gt;You&apos;re out of cards, Grizzle wins!&lt;/i&gt;</source>
        <translation>Un message dit &lt;i&gt;Grizzle n&apos;a plus de cartes, tu as gagné !&lt;/i&gt; ou &lt;i&gt;Tu n&apos;as plus de cartes, Grizzle a gagné !&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Press OK, and Corvane&apos;s Cardovia closes.</source>
        <translation>Appuie sur OK, et Corvane&apos;s Cardovia se ferme.</translation>
    </message>
    <message>
        <source>But a game often goes on until you leave it. A King can only win or tie, so it never leaves its hand.</source>
        <translation>Mais souvent, une partie dure jusqu&apos;à ce que tu la quittes. Un roi peut seulement gagner ou faire égalité, alors il ne quitte jamais sa main.</translation>
    </message>
    <message>
        <source>Both sides usually hold a King, so neither runs out. Press &lt;b&gt;Main Menu&lt;/b&gt; when you have had enough.</source>
        <translation>En général, chacun a un roi, alors personne ne tombe à court de cartes. Appuie sur &lt;b&gt;Menu principal&lt;/b&gt; quand tu en as assez.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start&lt;/b&gt;, or Alt+S, deals the cards. It works once each time you open War.</source>
        <extracomment>Alt+S and the other keys as this language&apos;s keyboards name them, with the buttons&apos; access keys.</extracomment>
        <translation>&lt;b&gt;Distribuer&lt;/b&gt;, ou Alt+D, distribue les cartes. Ce bouton ne marche qu&apos;une fois à chaque ouverture de la Bataille.</translation>
    </message>
    <message>
        <source>Tab moves between your pile, the buttons and the cards. Space or Enter plays your card or presses a button.</source>
        <translation>Tab passe de ta pile aux boutons et aux cartes. Espace ou Entrée joue ta carte ou appuie sur un bouton.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Click here to continue.&lt;/b&gt;, or Alt+C, starts the next round.</source>
        <translation>&lt;b&gt;Continuer&lt;/b&gt;, ou Alt+C, lance le tour suivant.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Deck Options&lt;/b&gt;, or Alt+D, changes the back of the cards at any time. Choose one and press &lt;b&gt;Okay&lt;/b&gt;, or Alt+O.</source>
        <translation>&lt;b&gt;Options des cartes&lt;/b&gt;, ou Alt+O, change le dos des cartes à tout moment. Choisis-en un et appuie sur &lt;b&gt;OK&lt;/b&gt;, ou Alt+O.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt;, or Alt+M, leaves War once the cards are dealt. The game is not kept.</source>
        <translation>&lt;b&gt;Menu principal&lt;/b&gt;, ou Alt+M, quitte la Bataille une fois les cartes distribuées. La partie n&apos;est pas gardée.</translation>
    </message>
    <message>
        <source>War is all luck, so sit back and enjoy the rounds.</source>
        <translation>À la Bataille, tout est une question de chance. Alors installe-toi bien et profite des tours.</translation>
    </message>
    <message>
        <source>Space alone is enough to play. It plays your card, then goes on to the next round.</source>
        <translation>La touche Espace suffit pour jouer. Elle joue ta carte, puis passe au tour suivant.</translation>
    </message>
    <message>
        <source>The back you choose in Deck Options stays until Corvane&apos;s Cardovia closes.</source>
        <translation>Le dos choisi dans Options des cartes reste jusqu&apos;à la fermeture de Corvane&apos;s Cardovia.</translation>
    </message>
    <message>
        <source>Win all of Grizzle&apos;s cards, one round at a time.</source>
        <translation>Gagne toutes les cartes de Grizzle, tour après tour.</translation>
    </message>
    <message>
        <source>If both cards are equal, each goes back to its own hand.</source>
        <translation>Si les deux cartes sont égales, chacune retourne dans sa main.</translation>
    </message>
</context>
</TS>
