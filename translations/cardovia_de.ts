<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>FrmFireIce</name>
    <message>
        <source>Fire &amp; Ice</source>
        <extracomment>The game&apos;s name, the screen&apos;s title.</extracomment>
        <translation>Feuer &amp; Eis</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <extracomment>A button: leaves the game for the main menu.</extracomment>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>&amp;Shuffle Those Card!</source>
        <extracomment>A button: shuffles and shows a new sliding card.</extracomment>
        <translation>Karten &amp;mischen!</translation>
    </message>
    <message>
        <source>&amp;Ice</source>
        <extracomment>A button: the player calls the sliding card black.</extracomment>
        <translation>&amp;Eis</translation>
    </message>
    <message>
        <source>&amp;Fire</source>
        <extracomment>A button: the player calls the sliding card red.</extracomment>
        <translation>&amp;Feuer</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>Read when a new card is shuffled: %1 is its name, e.g. &quot;Queen of Hearts&quot;.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>You got lucky punk, Try again, I dare you.</source>
        <extracomment>Grizzle&apos;s taunt after a right call of Ice.</extracomment>
        <translation>Glück gehabt, du Frechdachs. Versuch&apos;s noch mal, wenn du dich traust.</translation>
    </message>
    <message>
        <source>Ya big liar!</source>
        <extracomment>Grizzle&apos;s answer to a wrong call.</extracomment>
        <translation>Du alter Lügner!</translation>
    </message>
    <message>
        <source>Fire it is! The gunman appears.</source>
        <translation>Feuer! Der Revolverheld erscheint.</translation>
    </message>
</context>
<context>
    <name>accessible</name>
    <message>
        <source>%1: %2</source>
        <extracomment>a label read aloud: what it tells of, then what it shows (&quot;Your score: 12&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>art</name>
    <message>
        <source>Corvane logo</source>
        <translation>Corvane-Logo</translation>
    </message>
</context>
<context>
    <name>audio</name>
    <message>
        <source>SDL2_mixer and FluidSynth unavailable: the audio module could not be loaded</source>
        <translation>SDL2_mixer und FluidSynth nicht verfügbar: Das Audiomodul konnte nicht geladen werden</translation>
    </message>
</context>
<context>
    <name>bingo</name>
    <message>
        <source>Blackout Bingo</source>
        <translation>Volle Karte</translation>
    </message>
    <message>
        <source>X-out Bingo</source>
        <extracomment>The pattern of both diagonals of the card</extracomment>
        <translation>X-Bingo</translation>
    </message>
    <message>
        <source>4 Corners Bingo</source>
        <translation>4-Ecken-Bingo</translation>
    </message>
    <message>
        <source>Field Goal Bingo</source>
        <extracomment>The pattern in the shape of a goal post</extracomment>
        <translation>Torpfosten-Bingo</translation>
    </message>
</context>
<context>
    <name>bingoart</name>
    <message>
        <source>Bingo ball</source>
        <translation>Bingokugel</translation>
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
        <translation>%1: jedes Feld der Karte, auch das freie Feld.</translation>
    </message>
    <message>
        <source>%1: both diagonals; the free space between them is not needed.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;X-out Bingo&quot;</extracomment>
        <translation>%1: beide Diagonalen; das freie Feld dazwischen brauchst du nicht.</translation>
    </message>
    <message>
        <source>%1: the four corners.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;4 Corners Bingo&quot;</extracomment>
        <translation>%1: die vier Ecken.</translation>
    </message>
    <message>
        <source>%1: a goal post: the outer cells of the top two rows, the whole middle row with the free space, and the middle cells of the bottom two rows.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;Field Goal Bingo&quot;</extracomment>
        <translation>%1: ein Torpfosten: die äußeren Felder der oberen zwei Reihen, die ganze mittlere Reihe mit dem freien Feld und die mittleren Felder der unteren zwei Reihen.</translation>
    </message>
    <message>
        <source>You and Grizzle each have a card of %1 cells. Balls are called one at a time; whoever is first to complete the pattern in play wins. Grizzle&apos;s card is on the left, yours on the right.</source>
        <translation>Du und Grizzle habt je eine Karte mit %1 Feldern. Die Kugeln werden eine nach der anderen aufgerufen; wer zuerst die gespielte Figur vollständig hat, gewinnt. Grizzles Karte ist links, deine rechts.</translation>
    </message>
    <message>
        <source>The cards</source>
        <translation>Die Karten</translation>
    </message>
    <message>
        <source>Column B holds numbers from 1 to 15, I from 16 to 30, N from 31 to 45, G from 46 to 60 and O from 61 to 75. The centre is the free space, %1, marked from the start.</source>
        <extracomment>%1 is what the free space shows, &quot;FS&quot;</extracomment>
        <translation>In Spalte B stehen Zahlen von 1 bis 15, in I von 16 bis 30, in N von 31 bis 45, in G von 46 bis 60 und in O von 61 bis 75. In der Mitte ist das freie Feld, %1, von Anfang an markiert.</translation>
    </message>
    <message>
        <source>Starting a game</source>
        <translation>Ein Spiel beginnen</translation>
    </message>
    <message>
        <source>When you open Bingo, the options panel is up. Choose a pattern and the call speed, then press &lt;b&gt;Okay&lt;/b&gt;. The speed bar runs from &lt;i&gt;Faster&lt;/i&gt;, a ball every 2 seconds, to &lt;i&gt;Slower&lt;/i&gt;, one every 10 seconds.</source>
        <translation>Wenn du Bingo öffnest, sind die Optionen zu sehen. Wähle eine Figur und das Tempo, dann drück &lt;b&gt;OK&lt;/b&gt;. Der Tempo-Regler reicht von &lt;i&gt;Schnell&lt;/i&gt;, eine Kugel alle 2 Sekunden, bis &lt;i&gt;Langsam&lt;/i&gt;, eine alle 10 Sekunden.</translation>
    </message>
    <message>
        <source>The patterns</source>
        <translation>Die Figuren</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Each ball is shown on the big ball with its letter, such as B7. No ball is called twice in a game.</source>
        <translation>Jede Kugel erscheint auf der großen Kugel mit ihrem Buchstaben, zum Beispiel B7. Keine Kugel wird in einem Spiel zweimal aufgerufen.</translation>
    </message>
    <message>
        <source>Click a number on your card to mark it yellow; click it again to unmark it. From the keyboard, Tab to your card, move with the arrow keys and mark with Space or Enter.</source>
        <translation>Klick auf eine Zahl auf deiner Karte, um sie gelb zu markieren; klick noch mal, um die Markierung wegzunehmen. Mit der Tastatur: Geh mit Tab zu deiner Karte, beweg dich mit den Pfeiltasten und markiere mit Leertaste oder Eingabetaste.</translation>
    </message>
    <message>
        <source>The game trusts your marks and never checks them against the balls called: mark only the numbers you have heard.</source>
        <translation>Das Spiel glaubt deinen Markierungen und vergleicht sie nie mit den aufgerufenen Kugeln: Markiere nur die Zahlen, die du gehört hast.</translation>
    </message>
    <message>
        <source>Grizzle marks its own card: about once a second it looks at the ball on show and marks it if its card has that number.</source>
        <translation>Grizzle markiert seine eigene Karte: Etwa einmal pro Sekunde schaut er auf die gezeigte Kugel und markiert sie, wenn seine Karte diese Zahl hat.</translation>
    </message>
    <message>
        <source>Calling Bingo</source>
        <translation>Bingo rufen</translation>
    </message>
    <message>
        <source>When your card shows the pattern, press &lt;b&gt;B I N G O&lt;/b&gt;, and you win. A complete card does not win by itself: only the button claims it. Press it without the pattern, and Grizzle calls it cheating: the game starts over with new cards.</source>
        <translation>Wenn deine Karte die Figur zeigt, drück &lt;b&gt;B I N G O&lt;/b&gt;, und du gewinnst. Eine volle Karte gewinnt nicht von allein: Nur der Knopf meldet den Sieg. Drückst du ihn ohne die Figur, nennt Grizzle das Schummeln: Das Spiel beginnt von vorn mit neuen Karten.</translation>
    </message>
    <message>
        <source>Grizzle needs no button: it wins as soon as its card shows the pattern.</source>
        <translation>Grizzle braucht keinen Knopf: Er gewinnt, sobald seine Karte die Figur zeigt.</translation>
    </message>
    <message>
        <source>Blackout and Field Goal need the free space. If you unmark it, mark it again before you claim.</source>
        <translation>Volle Karte und Torpfosten brauchen das freie Feld. Wenn du seine Markierung wegnimmst, markiere es wieder, bevor du Bingo rufst.</translation>
    </message>
    <message>
        <source>After a win, pressing OK deals new cards and the game waits: press &lt;b&gt;Restart&lt;/b&gt; to play again.</source>
        <translation>Nach einem Sieg teilt OK neue Karten aus, und das Spiel wartet: Drück &lt;b&gt;Neu starten&lt;/b&gt;, um wieder zu spielen.</translation>
    </message>
    <message>
        <source>The buttons</source>
        <translation>Die Knöpfe</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt; deals new cards and calls the first ball at once, with the same pattern.</source>
        <translation>&lt;b&gt;Neu starten&lt;/b&gt; teilt neue Karten aus und ruft sofort die erste Kugel auf, mit derselben Figur.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt; pauses the game and shows the panel. &lt;b&gt;Okay&lt;/b&gt; starts a new game with the pattern chosen; &lt;b&gt;Cancel&lt;/b&gt; goes back to the same game, with its pattern. A new speed counts at once, even after Cancel.</source>
        <translation>&lt;b&gt;Optionen&lt;/b&gt; hält das Spiel an und zeigt die Optionen. &lt;b&gt;OK&lt;/b&gt; beginnt ein neues Spiel mit der gewählten Figur; &lt;b&gt;Abbrechen&lt;/b&gt; kehrt zum selben Spiel mit seiner Figur zurück. Ein neues Tempo gilt sofort, auch nach Abbrechen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt; leaves Bingo; the game is not kept.</source>
        <translation>&lt;b&gt;Hauptmenü&lt;/b&gt; verlässt Bingo; das Spiel wird nicht aufgehoben.</translation>
    </message>
</context>
<context>
    <name>cardart</name>
    <message>
        <source>Card back</source>
        <translation>Kartenrückseite</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>The ace&apos;s letter in the corners of its card: one letter.</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>J</source>
        <extracomment>The jack&apos;s letter in the corners of its card: one letter.</extracomment>
        <translation>B</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The queen&apos;s letter in the corners of its card: one letter.</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>K</source>
        <extracomment>The king&apos;s letter in the corners of its card: one letter.</extracomment>
        <translation>K</translation>
    </message>
</context>
<context>
    <name>cards</name>
    <message>
        <source>Ace of Spades</source>
        <translation>Pik-Ass</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>Herz-Ass</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>Karo-Ass</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>Kreuz-Ass</translation>
    </message>
    <message>
        <source>2 of Spades</source>
        <translation>Pik-Zwei</translation>
    </message>
    <message>
        <source>2 of Hearts</source>
        <translation>Herz-Zwei</translation>
    </message>
    <message>
        <source>2 of Diamonds</source>
        <translation>Karo-Zwei</translation>
    </message>
    <message>
        <source>2 of Clubs</source>
        <translation>Kreuz-Zwei</translation>
    </message>
    <message>
        <source>3 of Spades</source>
        <translation>Pik-Drei</translation>
    </message>
    <message>
        <source>3 of Hearts</source>
        <translation>Herz-Drei</translation>
    </message>
    <message>
        <source>3 of Diamonds</source>
        <translation>Karo-Drei</translation>
    </message>
    <message>
        <source>3 of Clubs</source>
        <translation>Kreuz-Drei</translation>
    </message>
    <message>
        <source>4 of Spades</source>
        <translation>Pik-Vier</translation>
    </message>
    <message>
        <source>4 of Hearts</source>
        <translation>Herz-Vier</translation>
    </message>
    <message>
        <source>4 of Diamonds</source>
        <translation>Karo-Vier</translation>
    </message>
    <message>
        <source>4 of Clubs</source>
        <translation>Kreuz-Vier</translation>
    </message>
    <message>
        <source>5 of Spades</source>
        <translation>Pik-Fünf</translation>
    </message>
    <message>
        <source>5 of Hearts</source>
        <translation>Herz-Fünf</translation>
    </message>
    <message>
        <source>5 of Diamonds</source>
        <translation>Karo-Fünf</translation>
    </message>
    <message>
        <source>5 of Clubs</source>
        <translation>Kreuz-Fünf</translation>
    </message>
    <message>
        <source>6 of Spades</source>
        <translation>Pik-Sechs</translation>
    </message>
    <message>
        <source>6 of Hearts</source>
        <translation>Herz-Sechs</translation>
    </message>
    <message>
        <source>6 of Diamonds</source>
        <translation>Karo-Sechs</translation>
    </message>
    <message>
        <source>6 of Clubs</source>
        <translation>Kreuz-Sechs</translation>
    </message>
    <message>
        <source>7 of Spades</source>
        <translation>Pik-Sieben</translation>
    </message>
    <message>
        <source>7 of Hearts</source>
        <translation>Herz-Sieben</translation>
    </message>
    <message>
        <source>7 of Diamonds</source>
        <translation>Karo-Sieben</translation>
    </message>
    <message>
        <source>7 of Clubs</source>
        <translation>Kreuz-Sieben</translation>
    </message>
    <message>
        <source>8 of Spades</source>
        <translation>Pik-Acht</translation>
    </message>
    <message>
        <source>8 of Hearts</source>
        <translation>Herz-Acht</translation>
    </message>
    <message>
        <source>8 of Diamonds</source>
        <translation>Karo-Acht</translation>
    </message>
    <message>
        <source>8 of Clubs</source>
        <translation>Kreuz-Acht</translation>
    </message>
    <message>
        <source>9 of Spades</source>
        <translation>Pik-Neun</translation>
    </message>
    <message>
        <source>9 of Hearts</source>
        <translation>Herz-Neun</translation>
    </message>
    <message>
        <source>9 of Diamonds</source>
        <translation>Karo-Neun</translation>
    </message>
    <message>
        <source>9 of Clubs</source>
        <translation>Kreuz-Neun</translation>
    </message>
    <message>
        <source>10 of Spades</source>
        <translation>Pik-Zehn</translation>
    </message>
    <message>
        <source>10 of Hearts</source>
        <translation>Herz-Zehn</translation>
    </message>
    <message>
        <source>10 of Diamonds</source>
        <translation>Karo-Zehn</translation>
    </message>
    <message>
        <source>10 of Clubs</source>
        <translation>Kreuz-Zehn</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Pik-Bube</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Herz-Bube</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Karo-Bube</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Kreuz-Bube</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Pik-Dame</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Herz-Dame</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Karo-Dame</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Kreuz-Dame</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Pik-König</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Herz-König</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Karo-König</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Kreuz-König</translation>
    </message>
</context>
<context>
    <name>fireice</name>
    <message>
        <source>Gunman</source>
        <extracomment>The cowboy who turns up after a right call of Fire.</extracomment>
        <translation>Revolverheld</translation>
    </message>
</context>
<context>
    <name>fireicehelp</name>
    <message>
        <source>Fire</source>
        <extracomment>Above the red aces in a picture: the call&apos;s name as the Fire button shows it.</extracomment>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Ice</source>
        <extracomment>Above the black aces in a picture: the call&apos;s name as the Ice button shows it.</extracomment>
        <translation>Eis</translation>
    </message>
    <message>
        <source>spades</source>
        <extracomment>Suits&apos; names in running text, in the order of the cards&apos; faces.</extracomment>
        <translation>Pik</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two suits&apos; names in running text, &quot;hearts and diamonds&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Fire &amp; Ice</source>
        <extracomment>The help page&apos;s title: the game&apos;s name.</extracomment>
        <translation>Feuer &amp; Eis</translation>
    </message>
    <message>
        <source>Fire wins on %1, the red suits; Ice on %2, the black ones.</source>
        <extracomment>%1 and %2 are suits&apos; names in running text, &quot;hearts and diamonds&quot;.</extracomment>
        <translation>Feuer gewinnt bei %1, den roten Farben; Eis bei %2, den schwarzen.</translation>
    </message>
    <message>
        <source>One card, shuffled from the whole pack of %1, aces included, slides back and forth across the screen. Call its colour: &lt;b&gt;Fire&lt;/b&gt; for a red card, %2, or &lt;b&gt;Ice&lt;/b&gt; for a black one, %3.</source>
        <extracomment>%1 is the number of cards in a pack; %2 and %3 are suits&apos; names in running text, &quot;hearts and diamonds&quot;.</extracomment>
        <translation>Eine Karte, gemischt aus dem ganzen Spiel mit %1 Karten, Asse mitgezählt, gleitet über den Bildschirm hin und her. Sag ihre Farbe an: &lt;b&gt;Feuer&lt;/b&gt; für eine rote Karte, %2, oder &lt;b&gt;Eis&lt;/b&gt; für eine schwarze, %3.</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>So wird gespielt</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Shuffle Those Card!&lt;/b&gt;, and a new card starts to slide. While it moves, press &lt;b&gt;Fire&lt;/b&gt; or &lt;b&gt;Ice&lt;/b&gt;. You have one call for each card, and the card stops after it.</source>
        <translation>Drück auf &lt;b&gt;Karten mischen!&lt;/b&gt;, und eine neue Karte beginnt zu gleiten. Solange sie sich bewegt, drück &lt;b&gt;Feuer&lt;/b&gt; oder &lt;b&gt;Eis&lt;/b&gt;. Für jede Karte hast du einen Tipp, danach bleibt die Karte stehen.</translation>
    </message>
    <message>
        <source>What happens then</source>
        <translation>Was dann passiert</translation>
    </message>
    <message>
        <source>Fire on a red card: a fire sound, and a gunman turns up somewhere on the screen.</source>
        <translation>Feuer bei einer roten Karte: ein Feuergeräusch, und irgendwo auf dem Bildschirm taucht ein Revolverheld auf.</translation>
    </message>
    <message>
        <source>Ice on a black card: Grizzle taunts you: &lt;i&gt;You got lucky punk, Try again, I dare you.&lt;/i&gt;</source>
        <translation>Eis bei einer schwarzen Karte: Grizzle zieht dich auf: &lt;i&gt;Glück gehabt, du Frechdachs. Versuch&apos;s noch mal, wenn du dich traust.&lt;/i&gt;</translation>
    </message>
    <message>
        <source>A wrong call, Fire or Ice: &lt;i&gt;Ya big liar!&lt;/i&gt;</source>
        <translation>Ein falscher Tipp, Feuer oder Eis: &lt;i&gt;Du alter Lügner!&lt;/i&gt;</translation>
    </message>
    <message>
        <source>There is no score and no end: shuffle as often as you like, and press &lt;b&gt;Main Menu&lt;/b&gt; to leave.</source>
        <translation>Es gibt keine Punkte und kein Ende: Misch so oft du willst, und drück &lt;b&gt;Hauptmenü&lt;/b&gt;, um aufzuhören.</translation>
    </message>
    <message>
        <source>On this screen Alt+F calls Fire and takes that key from the File menu; F10 still opens the menus. After a shuffle the keyboard is on Fire, and after a call on Shuffle.</source>
        <extracomment>Alt+F follows the Fire button&apos;s access key; name the keys as this language&apos;s keyboard does.</extracomment>
        <translation>Auf diesem Bildschirm sagt Alt+F Feuer an; F10 öffnet die Menüs. Nach dem Mischen ist die Tastatur auf Feuer, nach einem Tipp auf Karten mischen.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>The music is played with the soundfont %1, copyright %2, licence %3, as %4 states.</source>
        <translation>Die Musik wird mit der Soundfont %1 gespielt, Copyright %2, Lizenz %3, wie %4 angibt.</translation>
    </message>
    <message>
        <source>The soundfont&apos;s licence cannot be shown: %1 cannot be read.</source>
        <translation>Die Lizenz der Soundfont kann nicht gezeigt werden: %1 ist nicht lesbar.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Free software: you may share and change it under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Freie Software: Du darfst sie unter der GNU General Public License, Version 3 oder jeder späteren Version (GPL-3.0-or-later), weitergeben und verändern. Sie kommt ohne jede Garantie.</translation>
    </message>
    <message>
        <source>Show the &amp;licence</source>
        <translation>&amp;Lizenz zeigen</translation>
    </message>
    <message>
        <source>GNU General Public License</source>
        <extracomment>the licence&apos;s name, as the box with its text is read aloud</extracomment>
        <translation>GNU General Public License</translation>
    </message>
    <message>
        <source>The artwork, the music and the sounds are %1&apos;s own: they were drawn and composed in its code by its developers and come under the same licence.</source>
        <translation>Die Bilder, die Musik und die Klänge gehören %1 selbst: Seine Entwickler haben sie im Code gezeichnet und komponiert, und sie stehen unter derselben Lizenz.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>a button: closes this window</extracomment>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>In use: Qt %1; %2.</source>
        <extracomment>the libraries the game uses: &quot;In use: Qt 6.4.2; SDL2_mixer 2.6.2, FluidSynth 2.3.1.&quot;</extracomment>
        <translation>Verwendet: Qt %1; %2.</translation>
    </message>
    <message>
        <source>SDL2_mixer and FluidSynth not loaded yet, as no music or sound has played</source>
        <translation>SDL2_mixer und FluidSynth noch nicht geladen, weil noch keine Musik und kein Klang gespielt hat</translation>
    </message>
    <message>
        <source>The licence&apos;s text is missing.</source>
        <translation>Der Text der Lizenz fehlt.</translation>
    </message>
    <message>
        <source>Hide the &amp;licence</source>
        <translation>&amp;Lizenz verbergen</translation>
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
        <translation>&amp;Hauptmenü</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Neu starten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
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
        <translation>Du</translation>
    </message>
    <message>
        <source>Grizzle&apos;s card</source>
        <translation>Grizzles Karte</translation>
    </message>
    <message>
        <source>Your card</source>
        <translation>Deine Karte</translation>
    </message>
    <message>
        <source>Note: Hitting Okay will cause the game to restart.</source>
        <translation>Hinweis: Mit OK beginnt das Spiel von vorn.</translation>
    </message>
    <message>
        <source>Call Speed</source>
        <extracomment>The time between two balls being called</extracomment>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Seconds between calls: faster to the left, slower to the right</source>
        <translation>Sekunden zwischen zwei Kugeln: links schneller, rechts langsamer</translation>
    </message>
    <message>
        <source>Faster............Slower</source>
        <extracomment>Under the call speed bar: faster to the left, slower to the right; the dots fill the gap</extracomment>
        <translation>Schnell.......Langsam</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <extracomment>The button that starts a new game with the pattern chosen</extracomment>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Error on joining string</source>
        <translation>Fehler beim Zusammensetzen des Textes</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Freies Feld</translation>
    </message>
    <message>
        <source>%1, marked</source>
        <extracomment>A cell of a bingo card the player has marked: &quot;N 40, marked&quot;</extracomment>
        <translation>%1, markiert</translation>
    </message>
    <message>
        <source>%1, not marked.</source>
        <extracomment>Said when the player unmarks a cell: &quot;N 40, not marked.&quot;</extracomment>
        <translation>%1, nicht markiert.</translation>
    </message>
    <message>
        <source>Grizzle Wins! Hit okay to play again.</source>
        <translation>Grizzle gewinnt! Klick auf OK, um noch mal zu spielen.</translation>
    </message>
    <message>
        <source>You Win! Hit okay to play again.</source>
        <translation>Du gewinnst! Klick auf OK, um noch mal zu spielen.</translation>
    </message>
    <message>
        <source>Heh, no cheating.  You don&apos;t have bingo. You know the rules, if you yell bingo and you don&apos;t really have it, you have to start over.  Hit okay to start over.</source>
        <translation>He, nicht schummeln! Du hast kein Bingo. Du kennst die Regeln: Wer Bingo ruft und gar keins hat, muss von vorn anfangen. Klick auf OK, um von vorn anzufangen.</translation>
    </message>
</context>
<context>
    <name>frmDeckOptions</name>
    <message>
        <source>Deck Options</source>
        <translation>Kartenoptionen</translation>
    </message>
    <message>
        <source>DeckOptions</source>
        <extracomment>The title bar of the dialog that chooses the back of the cards.</extracomment>
        <translation>Kartenoptionen</translation>
    </message>
    <message>
        <source>Card Type:</source>
        <extracomment>Above the choice of card backs.</extracomment>
        <translation>Rückseite:</translation>
    </message>
    <message>
        <source>Card Type</source>
        <translation>Rückseite</translation>
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
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Grizzle&apos;s picture</source>
        <translation>Grizzles Bild</translation>
    </message>
    <message>
        <source>This is where the picture of Grizzle will go.</source>
        <translation>Hier kommt das Bild von Grizzle hin.</translation>
    </message>
    <message>
        <source>Other cool stuff will go here!</source>
        <translation>Hier kommen noch andere coole Sachen hin!</translation>
    </message>
    <message>
        <source>Play some music.</source>
        <extracomment>buttons of the opponent panel</extracomment>
        <translation>Musik spielen.</translation>
    </message>
    <message>
        <source>Stop the music.</source>
        <translation>Musik stoppen.</translation>
    </message>
    <message>
        <source>Track #</source>
        <extracomment>a narrow label over the six track numbers</extracomment>
        <translation>Stück</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Stück %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 – Hilfe</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>the list of the help&apos;s pages</extracomment>
        <translation>Seiten</translation>
    </message>
</context>
<context>
    <name>frmLoading</name>
    <message>
        <source>Loading</source>
        <extracomment>the name of the screen shown while the game starts</extracomment>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Please Wait......Loading.</source>
        <translation>Bitte warten......Lädt.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help on this screen</source>
        <translation>&amp;Hilfe zu diesem Bildschirm</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>How to play %1</source>
        <extracomment>%1 is a game&apos;s name with its access key</extracomment>
        <translation>So spielst du %1</translation>
    </message>
    <message>
        <source>How to play the &amp;music</source>
        <translation>So spielst du &amp;Musik ab</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>&amp;Über %1</translation>
    </message>
</context>
<context>
    <name>frmMainMenu</name>
    <message>
        <source>Main menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>a button: closes the game collection</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>The Main Menu</source>
        <translation>Das Hauptmenü</translation>
    </message>
    <message>
        <source>The Main Menu ... Thusfar</source>
        <extracomment>begins as &quot;The Main Menu&quot; does: that one is the shadow of this title</extracomment>
        <translation>Das Hauptmenü ... bis jetzt</translation>
    </message>
    <message>
        <source>     This is the start to a great collection of games.  These are the game we have made so far.  If you have any ideas on an addition to this, send them to us.</source>
        <translation>     Das ist der Anfang einer großen Spielesammlung.  Das sind die Spiele, die wir bisher gemacht haben.  Wenn du eine Idee für ein weiteres Spiel hast, schick sie uns.</translation>
    </message>
    <message>
        <source>Send it to us at %1 </source>
        <translation>Schick sie uns an %1 </translation>
    </message>
    <message>
        <source>Or visit us at   %1</source>
        <translation>Oder besuch uns auf   %1</translation>
    </message>
</context>
<context>
    <name>frmTicTacToe</name>
    <message>
        <source>Tic Tac Toe</source>
        <translation>Tic Tac Toe</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Neu starten</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The playing board, as a screen reader names it</extracomment>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>&amp;Main Menu</source>
        <translation>&amp;Hauptmenü</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Deine Punkte</translation>
    </message>
    <message>
        <source>Grizzle&apos;s score</source>
        <translation>Grizzles Punkte</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>The heading over the player&apos;s score</extracomment>
        <translation>Du</translation>
    </message>
    <message>
        <source>Grizzle</source>
        <extracomment>The heading over the opponent&apos;s score</extracomment>
        <translation>Grizzle</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>What a free cell of the board holds</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds, &quot;Top left, empty&quot; or &quot;Centre, O&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You win. Click okay to start a new game.</source>
        <translation>Du gewinnst. Klick auf OK für ein neues Spiel.</translation>
    </message>
    <message>
        <source>Grizzley wins. Click okay to start a new game.</source>
        <translation>Grizzle gewinnt. Klick auf OK für ein neues Spiel.</translation>
    </message>
    <message>
        <source>Cat&apos;s tail. Nobody wins. Click okay to start a new game.</source>
        <translation>Unentschieden. Keiner gewinnt. Klick auf OK für ein neues Spiel.</translation>
    </message>
    <message>
        <source>New game. %1, %2.</source>
        <extracomment>Said when the board is cleared: %1 and %2 are the two scores, &quot;Your score: 1&quot;</extracomment>
        <translation>Neues Spiel. %1, %2.</translation>
    </message>
    <message>
        <source>Grizzle: %1.</source>
        <extracomment>Said when Grizzle plays: %1 is the cell, &quot;Centre, X&quot;</extracomment>
        <translation>Grizzle: %1.</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Du bist dran.</translation>
    </message>
</context>
<context>
    <name>frmWar</name>
    <message>
        <source>War</source>
        <extracomment>The card game&apos;s name, the screen&apos;s title.</extracomment>
        <translation>Krieg</translation>
    </message>
    <message>
        <source>And the winner is...</source>
        <translation>Und der Gewinner ist...</translation>
    </message>
    <message>
        <source>Click on this picture.</source>
        <extracomment>Beside the player&apos;s pile, which plays a card when clicked.</extracomment>
        <translation>Klick auf das Bild.</translation>
    </message>
    <message>
        <source>Grizzle&apos;s card</source>
        <translation>Grizzles Karte</translation>
    </message>
    <message>
        <source>Your card</source>
        <translation>Deine Karte</translation>
    </message>
    <message>
        <source>&amp;Deck Options</source>
        <translation>&amp;Kartenoptionen</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>A button: deals the cards.</extracomment>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Main Menu</source>
        <extracomment>A button: leaves the game for the main menu.</extracomment>
        <translation>&amp;Hauptmenü</translation>
    </message>
    <message>
        <source>&amp;Click here to continue.</source>
        <translation>&amp;Weiterspielen</translation>
    </message>
    <message numerus="yes">
        <source>Your pile, %n cards</source>
        <translation>
            <numerusform>Dein Stapel, %n Karte</numerusform>
            <numerusform>Dein Stapel, %n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>Your pile</source>
        <translation>Dein Stapel</translation>
    </message>
    <message numerus="yes">
        <source>Grizzle&apos;s pile, %n cards</source>
        <translation>
            <numerusform>Grizzles Stapel, %n Karte</numerusform>
            <numerusform>Grizzles Stapel, %n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>Grizzle&apos;s pile</source>
        <translation>Grizzles Stapel</translation>
    </message>
    <message>
        <source>Grizzle plays %1.</source>
        <extracomment>%1 is a card&apos;s name, e.g. &quot;Queen of Hearts&quot;.</extracomment>
        <translation>Grizzle spielt %1.</translation>
    </message>
    <message>
        <source>You!</source>
        <extracomment>The round&apos;s winner, under &quot;And the winner is...&quot;: the player.</extracomment>
        <translation>Du!</translation>
    </message>
    <message>
        <source>Grizzle!</source>
        <extracomment>The round&apos;s winner, under &quot;And the winner is...&quot;.</extracomment>
        <translation>Grizzle!</translation>
    </message>
    <message>
        <source>Both of you!</source>
        <extracomment>The round&apos;s result on equal cards, under &quot;And the winner is...&quot;.</extracomment>
        <translation>Ihr beide!</translation>
    </message>
    <message>
        <source>%1 %2 %3. %4.</source>
        <extracomment>Read after each round: %1 &quot;And the winner is...&quot;, %2 the winner (&quot;You!&quot;), %3 and %4 the two piles with their cards (&quot;Your pile, 30 cards&quot;).</extracomment>
        <translation>%1 %2 %3. %4.</translation>
    </message>
    <message>
        <source>Grizzle is out of cards, You win!</source>
        <translation>Grizzle hat keine Karten mehr. Du gewinnst!</translation>
    </message>
    <message>
        <source>You&apos;re out of cards, Grizzle wins!</source>
        <translation>Du hast keine Karten mehr. Grizzle gewinnt!</translation>
    </message>
    <message>
        <source>You play %1.</source>
        <extracomment>%1 is a card&apos;s name, e.g. &quot;Queen of Hearts&quot;.</extracomment>
        <translation>Du spielst %1.</translation>
    </message>
</context>
<context>
    <name>games</name>
    <message>
        <source>&amp;Fire &amp;&amp; Ice</source>
        <translation>&amp;Feuer &amp;&amp; Eis</translation>
    </message>
    <message>
        <source>&amp;War</source>
        <translation>&amp;Krieg</translation>
    </message>
    <message>
        <source>&amp;Tic Tac Toe</source>
        <translation>&amp;Tic Tac Toe</translation>
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
        <translation>%1 Wähle im Hauptmenü ein Spiel; jede Seite hier erklärt, wie es gespielt wird:</translation>
    </message>
    <message>
        <source>The grey panel at the right stays beside every game and plays &lt;a href=&quot;%1&quot;&gt;music&lt;/a&gt;.</source>
        <translation>Die graue Leiste rechts bleibt neben jedem Spiel und spielt &lt;a href=&quot;%1&quot;&gt;Musik&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>The main menu</source>
        <translation>Das Hauptmenü</translation>
    </message>
    <message>
        <source>Press a game&apos;s button to play it. Each game&apos;s &lt;b&gt;Main Menu&lt;/b&gt; button brings you back here, and a game you leave is not kept. &lt;b&gt;%1&lt;/b&gt;, or File, Quit at any time, closes %2 at once.</source>
        <translation>Drücke den Knopf eines Spiels, um es zu spielen. Der Knopf &lt;b&gt;Hauptmenü&lt;/b&gt; in jedem Spiel bringt dich hierher zurück; ein Spiel, das du verlässt, wird nicht aufgehoben. &lt;b&gt;%1&lt;/b&gt; oder jederzeit Datei, Beenden schließt %2 sofort.</translation>
    </message>
    <message>
        <source>Keys</source>
        <extracomment>a heading: the keyboard&apos;s keys</extracomment>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>F1 opens the help for the screen on show.</source>
        <translation>F1 öffnet die Hilfe zum Bildschirm, der gerade zu sehen ist.</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab move between the controls; Space or Enter presses the one with the focus.</source>
        <translation>Tab und Umschalt+Tab wechseln zwischen den Bedienelementen; Leertaste oder Eingabe drückt das markierte.</translation>
    </message>
    <message>
        <source>Alt and the underlined letter of a button press it. Where a button of the screen and a menu share a letter, the button has it; F10 opens the menus.</source>
        <translation>Alt und der unterstrichene Buchstabe eines Knopfes drücken ihn. Haben ein Knopf und ein Menü denselben Buchstaben, gehört er dem Knopf; F10 öffnet die Menüs.</translation>
    </message>
    <message>
        <source>Ctrl+Plus and Ctrl+Minus make the games larger or smaller, and this window with them; Ctrl+0 goes back to 100 %. The size you choose is kept for the next time.</source>
        <translation>Strg+Plus und Strg+Minus machen die Spiele größer oder kleiner, und dieses Fenster mit ihnen; Strg+0 geht zurück auf 100 %. Die gewählte Größe bleibt für das nächste Mal.</translation>
    </message>
    <message>
        <source>In this window, Tab moves between the list of pages and the links of a page, Enter follows a link, Alt+Left goes back, and Esc closes the window.</source>
        <translation>In diesem Fenster wechselt Tab zwischen der Liste der Seiten und den Links einer Seite, Eingabe folgt einem Link, Alt+Links geht zurück und Esc schließt das Fenster.</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>the title of the help page on the music</extracomment>
        <translation>Musik</translation>
    </message>
    <message>
        <source>The grey panel at the right of the window is Grizzle&apos;s corner, and it plays music beside every game. Six tunes come with %1.</source>
        <translation>Die graue Leiste rechts im Fenster ist Grizzles Ecke, und sie spielt Musik neben jedem Spiel. %1 bringt sechs Melodien mit.</translation>
    </message>
    <message>
        <source>Choose a track, 1 to 6, under &lt;i&gt;%1&lt;/i&gt;.</source>
        <translation>Wähle unter &lt;i&gt;%1&lt;/i&gt; ein Stück, 1 bis 6.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;%1&lt;/b&gt;: the track plays from its beginning, once.</source>
        <translation>Drücke &lt;b&gt;%1&lt;/b&gt;: Das Stück spielt einmal von Anfang an.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; stops it. Choosing another track changes nothing until you press Play again, and Play while music plays starts the chosen track afresh. The music goes on while you change games.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; hält sie an. Ein anderes Stück zu wählen ändert nichts, bis du wieder Spielen drückst, und Spielen während der Musik startet das gewählte Stück neu. Die Musik spielt weiter, wenn du das Spiel wechselst.</translation>
    </message>
    <message>
        <source>Tab moves through Play, the six tracks and Stop; Space chooses the track with the focus.</source>
        <translation>Tab geht durch Spielen, die sechs Stücke und Stoppen; die Leertaste wählt das markierte Stück.</translation>
    </message>
    <message>
        <source>Without a sound device, or without the music files, the buttons still work and all stays quiet.</source>
        <translation>Ohne Soundgerät oder ohne die Musikdateien funktionieren die Knöpfe trotzdem, und alles bleibt still.</translation>
    </message>
</context>
<context>
    <name>launch</name>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.</source>
        <translation>%1: %2 Siehe „%1 --help“.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are understood too.</source>
        <translation>Qts eigene Optionen wie -platform und -display werden auch verstanden.</translation>
    </message>
    <message>
        <source>The music and the fire sound (1.mid to 6.mid, fire.wav) are looked for in:</source>
        <translation>Die Musik und das Feuergeräusch (1.mid bis 6.mid, fire.wav) werden hier gesucht:</translation>
    </message>
    <message>
        <source>%1  (found here)</source>
        <translation>%1  (hier gefunden)</translation>
    </message>
    <message>
        <source>music and sound: not found (see --help)</source>
        <translation>Musik und Klang: nicht gefunden (siehe --help)</translation>
    </message>
    <message>
        <source>music and sound: %1</source>
        <translation>Musik und Klang: %1</translation>
    </message>
    <message>
        <source>find Qt&apos;s Wayland plugin (qt6-wayland) for the display %1</source>
        <extracomment>one of the things the game &quot;cannot&quot; do, put into &quot;%1 cannot %2.&quot;</extracomment>
        <translation>Qts Wayland-Plugin (qt6-wayland) für den Bildschirm %1 finden</translation>
    </message>
    <message>
        <source>find Qt&apos;s platform plugin &quot;%1&quot;</source>
        <translation>Qts Plattform-Plugin „%1“ finden</translation>
    </message>
    <message>
        <source>reach the display %1</source>
        <extracomment>one of the things the game &quot;cannot&quot; do; %1 is one display, or several joined by &quot; or &quot;</extracomment>
        <translation>den Bildschirm %1 erreichen</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>%1 needs a display; without one, run it as: xvfb-run -a %2</source>
        <translation>%1 braucht einen Bildschirm; ohne Bildschirm starte es so: xvfb-run -a %2</translation>
    </message>
    <message>
        <source>, nor </source>
        <extracomment>between two things the game cannot do: &quot;reach the display :1, nor find Qt&apos;s platform plugin&quot;</extracomment>
        <translation>, auch nicht </translation>
    </message>
    <message>
        <source>%1 cannot %2.</source>
        <extracomment>%2 is one or more things the game cannot do, such as: find Qt&apos;s platform plugin &quot;xcb&quot;</extracomment>
        <translation>%1 kann Folgendes nicht: %2.</translation>
    </message>
    <message>
        <source>%1 cannot %2; without one, run it as: xvfb-run -a %3</source>
        <extracomment>%2 is one or more things the game cannot do, such as: reach the display :1</extracomment>
        <translation>%1 kann Folgendes nicht: %2; ohne Bildschirm starte es so: xvfb-run -a %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Games&apos; names in a list, &quot;War, Bingo&quot;: %1 is the list so far, %2 the next game.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last game&apos;s name in a list, &quot;War, Bingo and Fire &amp; Ice&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 against Grizzle.</source>
        <extracomment>What the game is: %1 lists its games, &quot;War, Bingo, Tic Tac Toe and Fire &amp; Ice&quot;.</extracomment>
        <translation>%1 gegen Grizzle.</translation>
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
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Unten rechts</translation>
    </message>
</context>
<context>
    <name>tictactoehelp</name>
    <message>
        <source>top left</source>
        <translation>oben links</translation>
    </message>
    <message>
        <source>top centre</source>
        <translation>oben in der Mitte</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>oben rechts</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>in der Mitte links</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>in der Mitte</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>in der Mitte rechts</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>unten links</translation>
    </message>
    <message>
        <source>bottom centre</source>
        <translation>unten in der Mitte</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>unten rechts</translation>
    </message>
    <message>
        <source>the %1</source>
        <extracomment>One cell of the board, &quot;the centre&quot;</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>the %1 and %2</source>
        <extracomment>Two cells of the board, &quot;the top left and top centre&quot;</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>the %1, %2 and %3</source>
        <extracomment>Three cells of the board, &quot;the top left, top right and bottom right&quot;</extracomment>
        <translation>%1, %2 und %3</translation>
    </message>
    <message>
        <source>Tic Tac Toe</source>
        <translation>Tic Tac Toe</translation>
    </message>
    <message>
        <source>Your O on %1, Grizzle&apos;s first X on %2: it blocks your row with its X on %3.</source>
        <extracomment>%1, %2 and %3 are places on the board, &quot;the top left and top centre&quot;</extracomment>
        <translation>Deine O stehen %1, Grizzles erstes X steht %2: Er sperrt deine Reihe mit seinem X %3.</translation>
    </message>
    <message>
        <source>Your O on %1, Grizzle&apos;s X on %2: you threaten two lines, Grizzle blocks the one it looks at first with its X on %3, and %4 wins for you.</source>
        <extracomment>%1 to %4 are places on the board, &quot;the top left and top centre&quot;</extracomment>
        <translation>Deine O stehen %1, Grizzles X stehen %2: Du bedrohst zwei Linien, Grizzle sperrt die, die er zuerst ansieht, mit seinem X %3, und mit einem O %4 gewinnst du.</translation>
    </message>
    <message>
        <source>You play O and Grizzle plays X on a board of three by three. Three of one kind in a row, a column or a diagonal win.</source>
        <translation>Du spielst O und Grizzle spielt X auf einem Feld von drei mal drei. Drei gleiche in einer Reihe, einer Spalte oder einer Diagonale gewinnen.</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Click a free square to put your O there, or Tab to the board, move with the arrow keys and press Space or Enter. Grizzle answers at once. You make the first move when you arrive and after &lt;b&gt;Restart&lt;/b&gt;.</source>
        <translation>Klick auf ein freies Feld, um dein O dorthin zu setzen, oder geh mit Tab zum Spielfeld, beweg dich mit den Pfeiltasten und drück Leertaste oder Eingabetaste. Grizzle antwortet sofort. Du machst den ersten Zug, wenn du ankommst, und nach &lt;b&gt;Neu starten&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>How Grizzle plays</source>
        <translation>Wie Grizzle spielt</translation>
    </message>
    <message>
        <source>Grizzle only defends. When you have two O in a line and its third square is free, Grizzle puts its X there. It looks at the lines in a fixed order (the rows from the top, the columns from the left, then the diagonal from the top left and the one from the top right) and blocks the first open pair it finds. With nothing to block, it plays a free square at random. It never looks for a line of its own, and completes one only by chance.</source>
        <translation>Grizzle verteidigt nur. Wenn du zwei O in einer Linie hast und ihr drittes Feld frei ist, setzt Grizzle sein X dorthin. Er schaut die Linien in einer festen Reihenfolge an (die Reihen von oben, die Spalten von links, dann die Diagonale von oben links und die von oben rechts) und sperrt das erste offene Paar, das er findet. Gibt es nichts zu sperren, spielt er ein zufälliges freies Feld. Er sucht nie eine eigene Linie und schafft eine nur durch Zufall.</translation>
    </message>
    <message>
        <source>So when you threaten two lines at once, Grizzle blocks one, and the other is yours.</source>
        <translation>Wenn du also zwei Linien auf einmal bedrohst, sperrt Grizzle eine, und die andere gehört dir.</translation>
    </message>
    <message>
        <source>The end of a game</source>
        <translation>Das Ende eines Spiels</translation>
    </message>
    <message>
        <source>A message says how it went: &lt;i&gt;You win.&lt;/i&gt;, &lt;i&gt;Grizzley wins.&lt;/i&gt;, or, when the board is full without a line, &lt;i&gt;Cat&apos;s tail. Nobody wins.&lt;/i&gt; Press OK: the board is cleared, and a win adds one to the winner&apos;s score under its name.</source>
        <translation>Eine Meldung sagt, wie es ausging: &lt;i&gt;Du gewinnst.&lt;/i&gt;, &lt;i&gt;Grizzle gewinnt.&lt;/i&gt; oder, wenn das Feld ohne Linie voll ist, &lt;i&gt;Unentschieden. Keiner gewinnt.&lt;/i&gt; Drück OK: Das Feld wird geleert, und ein Sieg gibt dem Gewinner einen Punkt unter seinem Namen.</translation>
    </message>
    <message>
        <source>If the game ended on your move, a win or a board you filled, Grizzle opens the next game at once. If it ended on Grizzle&apos;s move, the next first move is yours.</source>
        <translation>Wenn das Spiel mit deinem Zug geendet hat, durch einen Sieg oder weil du das Feld gefüllt hast, beginnt Grizzle sofort das nächste Spiel. Wenn es mit Grizzles Zug geendet hat, machst du den nächsten ersten Zug.</translation>
    </message>
    <message>
        <source>The buttons</source>
        <translation>Die Knöpfe</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt; clears the board in the middle of a game and keeps the scores; the next move is yours.</source>
        <translation>&lt;b&gt;Neu starten&lt;/b&gt; leert das Feld mitten im Spiel und behält die Punkte; der nächste Zug ist deiner.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt; leaves Tic Tac Toe. The scores count the games of one visit, so they start again from 0 next time.</source>
        <translation>&lt;b&gt;Hauptmenü&lt;/b&gt; verlässt Tic Tac Toe. Die Punkte zählen die Spiele eines Besuchs, also fangen sie beim nächsten Mal wieder bei 0 an.</translation>
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
        <translation>Du</translation>
    </message>
    <message>
        <source>War</source>
        <extracomment>The help page&apos;s title: the card game&apos;s name.</extracomment>
        <translation>Krieg</translation>
    </message>
    <message>
        <source>Grizzle&apos;s %1 and your %2: the queen is higher, so both cards go into your hand.</source>
        <extracomment>%1 and %2 are cards&apos; names, e.g. &quot;9 of Clubs&quot; and &quot;Queen of Hearts&quot;.</extracomment>
        <translation>Grizzle hat %1, du hast %2: Die Dame ist höher, also kommen beide Karten in deine Hand.</translation>
    </message>
    <message>
        <source>Grizzle&apos;s %1 and your %2: both of you, so each seven goes back to its own hand.</source>
        <extracomment>%1 and %2 are cards&apos; names, e.g. &quot;7 of Spades&quot; and &quot;7 of Hearts&quot;.</extracomment>
        <translation>Grizzle hat %1, du hast %2: Ihr beide, also geht jede Sieben in ihre eigene Hand zurück.</translation>
    </message>
    <message>
        <source>War is played against Grizzle with a deck of %1 cards: the 2 to the king in the four suits, without aces. The king is the highest card and the 2 the lowest; suits never count.</source>
        <translation>Krieg spielst du gegen Grizzle mit einem Spiel aus %1 Karten: die 2 bis zum König in allen vier Farben, ohne Asse. Der König ist die höchste Karte und die 2 die niedrigste; die Farben zählen nie.</translation>
    </message>
    <message>
        <source>The deal</source>
        <translation>Das Austeilen</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Start&lt;/b&gt;. Grizzle is dealt %1 cards drawn at random &lt;i&gt;with replacement&lt;/i&gt;: a card drawn twice counts once, so Grizzle starts with anything from 1 to %1 cards, about 20 on average. You get every card Grizzle did not, so you usually start with more. The cards are dealt once on each visit to War.</source>
        <translation>Drück auf &lt;b&gt;Start&lt;/b&gt;. Grizzle bekommt %1 zufällig gezogene Karten, &lt;i&gt;mit Zurücklegen&lt;/i&gt;: Eine Karte, die zweimal gezogen wird, zählt nur einmal. Darum hat Grizzle am Anfang zwischen 1 und %1 Karten, im Schnitt etwa 20. Du bekommst alle Karten, die Grizzle nicht hat, also hast du meistens mehr. Bei jedem Besuch von Krieg wird einmal ausgeteilt.</translation>
    </message>
    <message>
        <source>A round</source>
        <translation>Eine Runde</translation>
    </message>
    <message>
        <source>Grizzle&apos;s card slides out of its pile at the top left, face up.</source>
        <translation>Grizzles Karte gleitet offen aus seinem Stapel oben links.</translation>
    </message>
    <message>
        <source>Click your pile at the bottom right, under &lt;i&gt;Click on this picture.&lt;/i&gt;, or press Space or Enter on it: a card taken at random from your hand slides out.</source>
        <translation>Klick auf deinen Stapel unten rechts, unter &lt;i&gt;Klick auf das Bild.&lt;/i&gt;, oder drück dort die Leertaste oder Enter: Eine zufällige Karte aus deiner Hand gleitet heraus.</translation>
    </message>
    <message>
        <source>The higher card wins, and both cards go into the winner&apos;s hand. On equal values each card goes back to the hand it came from: there is no war to break the tie.</source>
        <translation>Die höhere Karte gewinnt, und beide Karten kommen in die Hand des Gewinners. Bei gleichem Wert geht jede Karte in die Hand zurück, aus der sie kam: Es gibt keinen Krieg, der das Unentschieden entscheidet.</translation>
    </message>
    <message>
        <source>Under &lt;i&gt;And the winner is...&lt;/i&gt; you read &lt;b&gt;You!&lt;/b&gt;, &lt;b&gt;Grizzle!&lt;/b&gt; or &lt;b&gt;Both of you!&lt;/b&gt; Press &lt;b&gt;Click here to continue.&lt;/b&gt; for the next round.</source>
        <translation>Unter &lt;i&gt;Und der Gewinner ist...&lt;/i&gt; liest du &lt;b&gt;Du!&lt;/b&gt;, &lt;b&gt;Grizzle!&lt;/b&gt; oder &lt;b&gt;Ihr beide!&lt;/b&gt; Drück &lt;b&gt;Weiterspielen&lt;/b&gt; für die nächste Runde.</translation>
    </message>
    <message>
        <source>Cards you win go straight into your hand, and every card in a hand may come up again in the next round: each card is taken at random from the whole hand, not from the top of a pile.</source>
        <translation>Karten, die du gewinnst, kommen direkt in deine Hand, und jede Karte in einer Hand kann in der nächsten Runde wieder drankommen: Jede Karte wird zufällig aus der ganzen Hand gezogen, nicht oben von einem Stapel.</translation>
    </message>
    <message>
        <source>How it ends</source>
        <translation>Wie es endet</translation>
    </message>
    <message>
        <source>The game ends when a side has no card left after a round. A message says &lt;i&gt;Grizzle is out of cards, You win!&lt;/i&gt; or &lt;i&gt;You&apos;re out of cards, Grizzle wins!&lt;/i&gt;, and when you press OK, Corvane&apos;s Cardovia closes.</source>
        <translation>Das Spiel endet, wenn eine Seite nach einer Runde keine Karte mehr hat. Eine Meldung sagt &lt;i&gt;Grizzle hat keine Karten mehr. Du gewinnst!&lt;/i&gt; oder &lt;i&gt;Du hast keine Karten mehr. Grizzle gewinnt!&lt;/i&gt;, und wenn du OK drückst, schließt sich Corvane&apos;s Cardovia.</translation>
    </message>
    <message>
        <source>A king never leaves the hand that holds it: it wins every round, or ties and goes home. So a side that was dealt a king can never run out, and when both of you hold one, as in most deals, the game has no end: leave it by &lt;b&gt;Main Menu&lt;/b&gt; when you have had enough.</source>
        <translation>Ein König verlässt nie die Hand, die ihn hat: Er gewinnt jede Runde, oder es steht unentschieden und er geht nach Hause. Wer einen König bekommen hat, kann also nie alle Karten verlieren, und wenn ihr beide einen habt, wie meistens, hört das Spiel nie auf: Verlass es mit &lt;b&gt;Hauptmenü&lt;/b&gt;, wenn du genug hast.</translation>
    </message>
    <message>
        <source>The buttons</source>
        <translation>Die Knöpfe</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start&lt;/b&gt; deals and brings out Grizzle&apos;s first card.</source>
        <translation>&lt;b&gt;Start&lt;/b&gt; teilt aus und bringt Grizzles erste Karte.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Deck Options&lt;/b&gt; chooses the back of the cards: Mossgrave, Corvane, Corvane2, Saltwick or Emberjack. It can be opened at any time; the choice holds until Corvane&apos;s Cardovia closes.</source>
        <translation>&lt;b&gt;Kartenoptionen&lt;/b&gt; wählt die Rückseite der Karten: Mossgrave, Corvane, Corvane2, Saltwick oder Emberjack. Du kannst es jederzeit öffnen; die Wahl gilt, bis Corvane&apos;s Cardovia geschlossen wird.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt; leaves War once the cards are dealt; the game is not kept.</source>
        <translation>&lt;b&gt;Hauptmenü&lt;/b&gt; verlässt Krieg, sobald die Karten ausgeteilt sind; das Spiel wird nicht aufgehoben.</translation>
    </message>
</context>
</TS>
