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
        <source>%1: the four corners.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;4 Corners Bingo&quot;</extracomment>
        <translation>%1: die vier Ecken.</translation>
    </message>
    <message>
        <source>%1: every cell, the free space too.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;Blackout Bingo&quot;</extracomment>
        <translation>%1: jedes Feld, auch das freie Feld.</translation>
    </message>
    <message>
        <source>%1: both diagonals. The free space does not count.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;X-out Bingo&quot;</extracomment>
        <translation>%1: beide Diagonalen. Das freie Feld zählt nicht.</translation>
    </message>
    <message>
        <source>%1: a goal post, with the free space.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;Field Goal Bingo&quot;</extracomment>
        <translation>%1: ein Torpfosten, mit dem freien Feld.</translation>
    </message>
    <message>
        <source>You and Grizzle each have a card of %1 cells. Grizzle&apos;s card is on the left, yours on the right.</source>
        <extracomment>%1 is the number of cells on a card.</extracomment>
        <translation>Du und Grizzle habt je eine Karte mit %1 Feldern. Grizzles Karte ist links, deine rechts.</translation>
    </message>
    <message>
        <source>The middle cell is the free space, %1. It is marked from the start.</source>
        <extracomment>%1 is what the free space shows, &quot;FS&quot;</extracomment>
        <translation>Das mittlere Feld ist das freie Feld, %1. Es ist von Anfang an markiert.</translation>
    </message>
    <message>
        <source>When you open Bingo, the options panel is up. Choose a pattern and a call speed.</source>
        <translation>Wenn du Bingo öffnest, siehst du zuerst die Optionen. Wähle ein Muster und ein Tempo.</translation>
    </message>
    <message>
        <source>Is that number on your card? Click it to mark it yellow. Click it again to take the mark away.</source>
        <translation>Steht die Zahl auf deiner Karte? Klick sie an, dann wird sie gelb markiert. Klickst du noch mal, ist die Markierung wieder weg.</translation>
    </message>
    <message>
        <source>No ball is called twice in a game. The game trusts your marks, so mark only the balls called.</source>
        <translation>In einem Spiel wird keine Kugel zweimal gezogen. Das Spiel verlässt sich auf deine Markierungen. Markiere also nur die Zahlen gezogener Kugeln.</translation>
    </message>
    <message>
        <source>These are the four patterns:</source>
        <translation>Das sind die vier Muster:</translation>
    </message>
    <message>
        <source>Press it without the pattern, and Grizzle calls it cheating. The game starts over with new cards.</source>
        <translation>Drückst du den Knopf ohne das fertige Muster, sagt Grizzle, dass du schummelst. Dann beginnt das Spiel mit neuen Karten von vorn.</translation>
    </message>
    <message>
        <source>Grizzle wins as soon as its card shows the pattern. So claim your win quickly.</source>
        <translation>Grizzle gewinnt, sobald seine Karte das Muster zeigt. Melde deinen Sieg also schnell.</translation>
    </message>
    <message>
        <source>The balls never run out without a winner. By the last of the %1 balls, Grizzle&apos;s card is full. So if nobody claims, Grizzle wins then at the latest.</source>
        <extracomment>%1 is the number of balls, 75.</extracomment>
        <translation>Die Kugeln gehen nie aus, ohne dass jemand gewinnt. Bei der letzten der %1 Kugeln ist Grizzles Karte voll. Wenn also keiner Bingo meldet, gewinnt Grizzle spätestens dann.</translation>
    </message>
    <message>
        <source>After a win, press OK. New cards are dealt, and the game waits. Press &lt;b&gt;Restart&lt;/b&gt; to play again.</source>
        <translation>Nach einem Sieg drückst du OK. Neue Karten werden verteilt, und das Spiel wartet. Drück &lt;b&gt;Neu starten&lt;/b&gt;, um wieder zu spielen.</translation>
    </message>
    <message>
        <source>Grizzle marks its own card. About once a second, it looks at the ball on show.</source>
        <translation>Grizzle markiert seine eigene Karte. Ungefähr jede Sekunde schaut er sich die Kugel an, die gerade zu sehen ist.</translation>
    </message>
    <message>
        <source>If its card has that number, Grizzle marks it. It never misses a ball.</source>
        <translation>Hat seine Karte diese Zahl, markiert Grizzle sie. Er verpasst nie eine Kugel.</translation>
    </message>
    <message>
        <source>Grizzle needs no button. It wins the moment its card shows the pattern.</source>
        <translation>Grizzle braucht keinen Knopf. Er gewinnt in dem Moment, in dem seine Karte das Muster zeigt.</translation>
    </message>
    <message>
        <source>Tab takes you to your card. The arrow keys move between its cells. Space or Enter marks one.</source>
        <translation>Mit Tab kommst du zu deiner Karte. Mit den Pfeiltasten gehst du von Feld zu Feld. Leertaste oder Eingabetaste markiert ein Feld.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt;, or Alt+R, deals new cards. The first ball comes at once, with the same pattern.</source>
        <translation>&lt;b&gt;Neu starten&lt;/b&gt; oder Alt+N verteilt neue Karten. Die erste Kugel kommt sofort, mit demselben Muster.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt;, or Alt+O, pauses the game and shows the options panel.</source>
        <translation>&lt;b&gt;Optionen&lt;/b&gt; oder Alt+O hält das Spiel an und zeigt die Optionen.</translation>
    </message>
    <message>
        <source>On the panel, the arrow keys choose a pattern and move the speed bar.</source>
        <translation>In den Optionen wählst du mit den Pfeiltasten ein Muster und schiebst den Tempo-Regler.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Okay&lt;/b&gt;, or Alt+O, starts a new game with the pattern you chose.</source>
        <translation>&lt;b&gt;OK&lt;/b&gt; oder Alt+K startet ein neues Spiel mit dem Muster, das du gewählt hast.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Cancel&lt;/b&gt;, or Alt+C, goes back to the same game. A new speed counts even then.</source>
        <translation>&lt;b&gt;Abbrechen&lt;/b&gt; oder Alt+A bringt dich zurück zum selben Spiel. Ein neues Tempo gilt trotzdem.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt;, or Alt+M, leaves Bingo. The game is not kept.</source>
        <translation>&lt;b&gt;Hauptmenü&lt;/b&gt; oder Alt+M verlässt Bingo. Das Spiel wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Too fast? Move the bar to the right for more time.</source>
        <translation>Zu schnell? Schieb den Regler nach rechts, dann hast du mehr Zeit.</translation>
    </message>
    <message>
        <source>4 Corners is over quickly. Blackout needs every number, so it takes longest.</source>
        <translation>4-Ecken-Bingo ist schnell vorbei. Volle Karte braucht jede Zahl, darum dauert es am längsten.</translation>
    </message>
    <message>
        <source>Blackout and Field Goal need the free space. Did you unmark it? Mark it again before you claim.</source>
        <translation>Volle Karte und Torpfosten-Bingo brauchen das freie Feld. Hast du seine Markierung weggenommen? Markiere es wieder, bevor du Bingo meldest.</translation>
    </message>
    <message>
        <source>Each column has its own numbers. B has 1 to 15, and I has 16 to 30.</source>
        <translation>Jede Spalte hat ihre eigenen Zahlen. B hat 1 bis 15, und I hat 16 bis 30.</translation>
    </message>
    <message>
        <source>N has 31 to 45, G has 46 to 60, and O has 61 to 75.</source>
        <translation>N hat 31 bis 45, G hat 46 bis 60, und O hat 61 bis 75.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Okay&lt;/b&gt;. A ball is called every few seconds. It shows on the big ball, like B7.</source>
        <translation>Drück &lt;b&gt;OK&lt;/b&gt;. Alle paar Sekunden wird eine Kugel gezogen. Sie erscheint auf der großen Kugel, zum Beispiel B7.</translation>
    </message>
    <message>
        <source>Fill the pattern on your card, then press &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt;.</source>
        <extracomment>&lt;nobr&gt; keeps the button&apos;s spaced letters on one line.</extracomment>
        <translation>Mach das Muster auf deiner Karte voll. Dann drück &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>A full pattern does not win by itself. You win only when you press &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt;.</source>
        <translation>Ein volles Muster gewinnt nicht von allein. Du gewinnst erst, wenn du &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt; drückst.</translation>
    </message>
    <message>
        <source>&lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt; claims your win. Click it, or Tab to it and press Space.</source>
        <extracomment>Alt+R and the other keys as this language&apos;s keyboards name them, with the buttons&apos; access keys.</extracomment>
        <translation>&lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt; meldet deinen Sieg. Klick darauf, oder geh mit Tab hin und drück die Leertaste.</translation>
    </message>
    <message>
        <source>At &lt;i&gt;Faster&lt;/i&gt;, a ball comes every 2 seconds. At &lt;i&gt;Slower&lt;/i&gt;, one comes every 10 seconds.</source>
        <extracomment>&quot;Faster&quot; and &quot;Slower&quot; as the options panel shows them under the speed bar.</extracomment>
        <translation>Bei &lt;i&gt;Schnell&lt;/i&gt; kommt alle 2 Sekunden eine Kugel. Bei &lt;i&gt;Langsam&lt;/i&gt; kommt alle 10 Sekunden eine.</translation>
    </message>
    <message>
        <source>Complete the pattern on your card first, and claim it with &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt;.</source>
        <translation>Fülle das Muster deiner Karte als Erster und melde es mit &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt;.</translation>
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
        <source>Each card ends with your call. Then Grizzle answers.</source>
        <translation>Mit deiner Ansage ist die Karte fertig. Dann antwortet Grizzle.</translation>
    </message>
    <message>
        <source>Ice on a black card: Grizzle says &lt;i&gt;You got lucky punk, Try again, I dare you.&lt;/i&gt;</source>
        <translation>Eis bei einer schwarzen Karte: Grizzle sagt: &lt;i&gt;Glück gehabt, du Frechdachs. Versuch&apos;s noch mal, wenn du dich traust.&lt;/i&gt;</translation>
    </message>
    <message>
        <source>A wrong call, Fire or Ice: Grizzle says &lt;i&gt;Ya big liar!&lt;/i&gt;</source>
        <translation>Falsche Ansage, ob Feuer oder Eis: Grizzle sagt: &lt;i&gt;Du alter Lügner!&lt;/i&gt;</translation>
    </message>
    <message>
        <source>There is no score and no end. Shuffle as often as you like.</source>
        <translation>Es gibt keine Punkte und kein Ende. Misch, so oft du willst.</translation>
    </message>
    <message>
        <source>Fire wins on %1, the red suits. Ice wins on %2, the black ones.</source>
        <extracomment>%1 and %2 are suits&apos; names in running text, &quot;hearts and diamonds&quot;.</extracomment>
        <translation>Feuer gewinnt bei %1, den roten Farben. Eis gewinnt bei %2, den schwarzen.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Shuffle Those Card!&lt;/b&gt; A new card slides back and forth.</source>
        <translation>Drück &lt;b&gt;Karten mischen!&lt;/b&gt; Eine neue Karte gleitet hin und her.</translation>
    </message>
    <message>
        <source>The card is face up, so you can see it while it moves.</source>
        <translation>Die Karte liegt offen. So siehst du sie, während sie sich bewegt.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Fire&lt;/b&gt; if it is red, or &lt;b&gt;Ice&lt;/b&gt; if it is black.</source>
        <translation>Drück &lt;b&gt;Feuer&lt;/b&gt;, wenn sie rot ist, oder &lt;b&gt;Eis&lt;/b&gt;, wenn sie schwarz ist.</translation>
    </message>
    <message>
        <source>You get one call for each card. The card stops after your call.</source>
        <translation>Für jede Karte hast du eine Ansage. Nach deiner Ansage bleibt die Karte stehen.</translation>
    </message>
    <message>
        <source>Grizzle deals one card from a whole pack of %1, aces too.</source>
        <extracomment>%1 is the number of cards in a pack.</extracomment>
        <translation>Grizzle gibt eine Karte aus einem ganzen Kartenspiel mit %1 Karten. Die Asse sind auch dabei.</translation>
    </message>
    <message>
        <source>Every card has the same chance. Red and black come up just as often.</source>
        <translation>Jede Karte hat die gleiche Chance. Rot und Schwarz kommen gleich oft.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Shuffle Those Card!&lt;/b&gt;, or Alt+S, brings a new card.</source>
        <extracomment>Alt+S and the other keys as this language&apos;s keyboards name them, with the buttons&apos; access keys.</extracomment>
        <translation>&lt;b&gt;Karten mischen!&lt;/b&gt; oder Alt+M bringt eine neue Karte.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fire&lt;/b&gt;, or Alt+F, calls red. Here Alt+F does not open the File menu.</source>
        <translation>&lt;b&gt;Feuer&lt;/b&gt; oder Alt+F sagt Rot an. Das Menü Datei öffnest du mit Alt+D.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ice&lt;/b&gt;, or Alt+I, calls black.</source>
        <translation>&lt;b&gt;Eis&lt;/b&gt; oder Alt+E sagt Schwarz an.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt; leaves Fire &amp; Ice. Click it, or Tab to it and press Space.</source>
        <translation>&lt;b&gt;Hauptmenü&lt;/b&gt; verlässt Feuer &amp; Eis. Klick darauf, oder geh mit Tab hin und drück die Leertaste.</translation>
    </message>
    <message>
        <source>Tab moves between the buttons. Space or Enter presses one.</source>
        <translation>Tab springt von Knopf zu Knopf. Leertaste oder Eingabetaste drückt einen Knopf.</translation>
    </message>
    <message>
        <source>Look at the card before you call. Its colour shows the whole time.</source>
        <translation>Schau dir die Karte an, bevor du ansagst. Ihre Farbe ist die ganze Zeit zu sehen.</translation>
    </message>
    <message>
        <source>After a shuffle the keyboard is on &lt;b&gt;Fire&lt;/b&gt;. After a call it is on &lt;b&gt;Shuffle Those Card!&lt;/b&gt;</source>
        <translation>Nach dem Mischen wirkt die Tastatur auf &lt;b&gt;Feuer&lt;/b&gt;. Nach einer Ansage wirkt sie auf &lt;b&gt;Karten mischen!&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Want to see the gunman? Call Fire on a red card.</source>
        <translation>Willst du den Revolverhelden sehen? Sag Feuer bei einer roten Karte an.</translation>
    </message>
    <message>
        <source>Call the colour of the sliding card: red or black.</source>
        <translation>Sag die Farbe der gleitenden Karte an: Rot oder Schwarz.</translation>
    </message>
    <message>
        <source>Fire on a red card: you hear a gunshot. A cartoon gunman pops up on the screen.</source>
        <translation>Feuer bei einer roten Karte: Du hörst einen Schuss. Ein Comic-Revolverheld taucht auf dem Bildschirm auf.</translation>
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
        <translation>Freie Software: Du darfst sie unter der GNU General Public License, Version 3 oder jeder späteren Version (GPL-3.0-or-later), weitergeben und verändern. Sie kommt ohne jede Gewährleistung.</translation>
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
        <translation>Die Bilder, die Musik und die Töne gehören %1 selbst: Seine Entwickler haben sie im Code gezeichnet und komponiert, und sie stehen unter derselben Lizenz.</translation>
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
        <translation>SDL2_mixer und FluidSynth noch nicht geladen, weil noch keine Musik und kein Ton abgespielt wurde</translation>
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
        <translation>Haupt&amp;menü</translation>
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
        <translation>Hinweis: Mit OK wird das Spiel neu gestartet.</translation>
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
        <translation>Haupt&amp;menü</translation>
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
        <translation>Haupt&amp;menü</translation>
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
        <source>The main menu</source>
        <translation>Das Hauptmenü</translation>
    </message>
    <message>
        <source>Keys</source>
        <extracomment>a heading: the keyboard&apos;s keys</extracomment>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>the title of the help page on the music</extracomment>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Choose a track, 1 to 6, under &lt;i&gt;%1&lt;/i&gt;.</source>
        <extracomment>%1 is the label over the track buttons, &quot;Track #&quot;.</extracomment>
        <translation>Wähle unter &lt;i&gt;%1&lt;/i&gt; eines der Stücke 1 bis 6.</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab move between the controls. Space or Enter presses the one with the focus.</source>
        <translation>Tab und Umschalt+Tab springen von Knopf zu Knopf und von Feld zu Feld. Leertaste oder Eingabetaste drückt, was gerade ausgewählt ist.</translation>
    </message>
    <message>
        <source>The size you choose is kept for next time.</source>
        <translation>Die Größe, die du wählst, bleibt auch beim nächsten Mal.</translation>
    </message>
    <message>
        <source>In this help window, Tab moves to the links. Enter follows a link, and Alt+Left goes back.</source>
        <translation>In diesem Hilfefenster springt Tab zu den Links. Die Eingabetaste öffnet einen Link, und Alt+Pfeil links geht zurück.</translation>
    </message>
    <message>
        <source>Choose a game on the main menu. Each page here tells you how to play it.</source>
        <translation>Wähle im Hauptmenü ein Spiel. Jede Seite hier erklärt dir, wie du es spielst.</translation>
    </message>
    <message>
        <source>The grey panel on the right plays &lt;a href=&quot;%1&quot;&gt;music&lt;/a&gt; beside every game.</source>
        <translation>Die graue Leiste rechts spielt &lt;a href=&quot;%1&quot;&gt;Musik&lt;/a&gt; zu jedem Spiel.</translation>
    </message>
    <message>
        <source>Press a game&apos;s button to play it.</source>
        <translation>Drück auf den Knopf eines Spiels, um es zu spielen.</translation>
    </message>
    <message>
        <source>In each game, &lt;b&gt;Main Menu&lt;/b&gt; brings you back here. The game you leave is not kept.</source>
        <translation>In jedem Spiel bringt dich &lt;b&gt;Hauptmenü&lt;/b&gt; hierher zurück. Das Spiel, das du verlässt, wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;, or File and Quit, closes %2 at once.</source>
        <extracomment>%1 is the main menu&apos;s Quit button, %2 the collection&apos;s name.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt; oder Datei und dann Beenden schließt %2 sofort.</translation>
    </message>
    <message>
        <source>The grey panel on the right is Grizzle&apos;s corner. It plays music beside every game. Six tunes come with %1.</source>
        <extracomment>%1 is the collection&apos;s name.</extracomment>
        <translation>Die graue Leiste rechts ist Grizzles Ecke. Sie spielt Musik zu jedem Spiel. %1 bringt sechs Melodien mit.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;%1&lt;/b&gt; The track plays once, from the start.</source>
        <extracomment>%1 is the Play button&apos;s caption.</extracomment>
        <translation>Drück auf &lt;b&gt;%1&lt;/b&gt; Das Stück läuft einmal, von Anfang an.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; stops it.</source>
        <extracomment>%1 is the Stop button&apos;s caption.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt; hält es an.</translation>
    </message>
    <message>
        <source>Choosing another track changes nothing until you press Play again.</source>
        <translation>Ein anderes Stück zu wählen ändert noch nichts. Drück dafür wieder auf „Musik spielen.“</translation>
    </message>
    <message>
        <source>Play while music plays starts the chosen track from the start.</source>
        <translation>Drück während der Musik noch mal auf „Musik spielen.“ Dann beginnt das gewählte Stück von vorn.</translation>
    </message>
    <message>
        <source>The music goes on while you change games.</source>
        <translation>Die Musik läuft weiter, wenn du das Spiel wechselst.</translation>
    </message>
    <message>
        <source>Tab moves through Play, the six tracks and Stop. Space chooses the track with the focus.</source>
        <translation>Mit Tab kommst du zu den beiden Knöpfen und den sechs Stücken. Die Leertaste wählt das Stück, auf dem du gerade bist.</translation>
    </message>
    <message>
        <source>No sound card, or no music files? The buttons still work, and all stays quiet.</source>
        <translation>Keine Soundkarte oder keine Musikdateien? Die Knöpfe funktionieren trotzdem, und alles bleibt still.</translation>
    </message>
    <message>
        <source>Alt with a button&apos;s underlined letter presses that button. If a menu has the same letter, the button wins.</source>
        <translation>Alt und der unterstrichene Buchstabe eines Knopfs drücken diesen Knopf. Hat ein Menü denselben Buchstaben, gewinnt der Knopf.</translation>
    </message>
</context>
<context>
    <name>helpview</name>
    <message>
        <source>Goal</source>
        <extracomment>A heading of every game&apos;s help page: what the player tries to do.</extracomment>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>How to play</source>
        <extracomment>A heading of every game&apos;s help page.</extracomment>
        <translation>So spielst du</translation>
    </message>
    <message>
        <source>How Grizzle plays</source>
        <extracomment>A heading of every game&apos;s help page: what the computer opponent does.</extracomment>
        <translation>Wie Grizzle spielt</translation>
    </message>
    <message>
        <source>How it ends</source>
        <extracomment>A heading of every game&apos;s help page: how a game ends, and what then.</extracomment>
        <translation>Wie es endet</translation>
    </message>
    <message>
        <source>Buttons and keys</source>
        <extracomment>A heading of every game&apos;s help page: the screen&apos;s buttons and the keyboard&apos;s keys.</extracomment>
        <translation>Knöpfe und Tasten</translation>
    </message>
    <message>
        <source>Tips</source>
        <extracomment>A heading of every game&apos;s help page: advice for playing well.</extracomment>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>F1 opens the help for the screen on show. Esc closes it again.</source>
        <extracomment>Keys as this language&apos;s keyboards name them.</extracomment>
        <translation>F1 öffnet die Hilfe zum Bildschirm, den du gerade siehst. Esc schließt sie wieder.</translation>
    </message>
    <message>
        <source>F10 opens the menus at the top of the window.</source>
        <translation>F10 öffnet die Menüs oben im Fenster.</translation>
    </message>
    <message>
        <source>Ctrl+Plus and Ctrl+Minus make everything bigger or smaller. Ctrl+0 goes back to the normal size.</source>
        <extracomment>Keys as this language&apos;s keyboards name them.</extracomment>
        <translation>Strg+Plus und Strg+Minus machen alles größer oder kleiner. Strg+0 bringt die normale Größe zurück.</translation>
    </message>
</context>
<context>
    <name>launch</name>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.</source>
        <translation>%1: %2 Mehr dazu mit „%1 --help“.</translation>
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
        <translation>Die eigenen Optionen von Qt wie -platform und -display werden auch verstanden.</translation>
    </message>
    <message>
        <source>%1  (found here)</source>
        <translation>%1  (hier gefunden)</translation>
    </message>
    <message>
        <source>music and sound: not found (see --help)</source>
        <translation>Musik und Ton: nicht gefunden (siehe --help)</translation>
    </message>
    <message>
        <source>music and sound: %1</source>
        <translation>Musik und Ton: %1</translation>
    </message>
    <message>
        <source>%1 needs a display; without one, run it as: xvfb-run -a %2</source>
        <translation>%1 braucht ein Display; ohne Display starte es so: xvfb-run -a %2</translation>
    </message>
    <message>
        <source>%1 cannot find Qt&apos;s Wayland plugin (qt6-wayland) for the display %2.</source>
        <translation>%1 findet das Wayland-Plugin von Qt (qt6-wayland) für das Display %2 nicht.</translation>
    </message>
    <message>
        <source>%1 cannot find Qt&apos;s platform plugin &quot;%2&quot;.</source>
        <translation>%1 findet das Plattform-Plugin „%2“ von Qt nicht.</translation>
    </message>
    <message>
        <source>%1 cannot reach the display %2; without one, run it as: xvfb-run -a %3</source>
        <translation>%1 erreicht das Display %2 nicht; ohne Display starte es so: xvfb-run -a %3</translation>
    </message>
    <message>
        <source>%1 cannot reach any of the displays %2; without one, run it as: xvfb-run -a %3</source>
        <extracomment>%2 lists the displays, such as &quot;:1, wayland-0&quot;</extracomment>
        <translation>%1 erreicht keins der Displays %2; ohne Display starte es so: xvfb-run -a %3</translation>
    </message>
    <message>
        <source>The music and the gunshot sound (1.mid to 6.mid, fire.wav) are looked for in:</source>
        <translation>Die Musik und das Schussgeräusch (1.mid bis 6.mid, fire.wav) werden hier gesucht:</translation>
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
        <source>Your O on %1 and Grizzle&apos;s X on %2. Grizzle blocks your row on %3.</source>
        <extracomment>%1, %2 and %3 are places on the board, &quot;the top left and top centre&quot;</extracomment>
        <translation>Du hast O %1, Grizzle hat X %2. Grizzle blockiert deine Reihe %3.</translation>
    </message>
    <message>
        <source>Your O on %1 and Grizzle&apos;s X on %2. You have two lines to finish. Grizzle blocks on %3, and %4 wins for you.</source>
        <extracomment>%1 to %4 are places on the board, &quot;the top left and top centre&quot;</extracomment>
        <translation>Du hast O %1, Grizzle hat X %2. Du kannst zwei Reihen fertig machen. Grizzle blockiert %3, und mit einem O %4 gewinnst du.</translation>
    </message>
    <message>
        <source>Grizzle only defends. It never tries to make a line of its own.</source>
        <translation>Grizzle verteidigt nur. Er versucht nie, selbst eine Reihe zu bilden.</translation>
    </message>
    <message>
        <source>Do you have two O in a line, with the third square free? Then Grizzle puts its X there.</source>
        <translation>Hast du zwei O in einer Reihe, und das dritte Feld ist frei? Dann setzt Grizzle sein X dorthin.</translation>
    </message>
    <message>
        <source>Grizzle checks the rows from the top first, then the columns from the left.</source>
        <translation>Grizzle prüft zuerst die Zeilen von oben, dann die Spalten von links.</translation>
    </message>
    <message>
        <source>With nothing to block, Grizzle picks a free square at random.</source>
        <translation>Gibt es nichts zu blockieren, wählt Grizzle zufällig ein freies Feld.</translation>
    </message>
    <message>
        <source>So if you make two lines at once, Grizzle blocks only one. The other one wins for you.</source>
        <translation>Baust du also zwei Reihen auf einmal auf, blockiert Grizzle nur eine. Mit der anderen gewinnst du.</translation>
    </message>
    <message>
        <source>Click a free square to put your O there. Grizzle answers at once.</source>
        <translation>Klick auf ein freies Feld, um dein O dorthin zu setzen. Grizzle antwortet sofort.</translation>
    </message>
    <message>
        <source>You make the first move when you arrive and after &lt;b&gt;Restart&lt;/b&gt;.</source>
        <translation>Du machst den ersten Zug, wenn du Tic Tac Toe öffnest, und nach &lt;b&gt;Neu starten&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Three in a row, in a column or on a diagonal win the game.</source>
        <translation>Drei in einer Zeile, einer Spalte oder einer Diagonale gewinnen das Spiel.</translation>
    </message>
    <message>
        <source>A game ends with three in a line, or when the board is full.</source>
        <translation>Ein Spiel endet mit drei in einer Reihe oder wenn das Spielfeld voll ist.</translation>
    </message>
    <message>
        <source>A message says &lt;i&gt;You win.&lt;/i&gt;, &lt;i&gt;Grizzley wins.&lt;/i&gt; or, for a full board, &lt;i&gt;Cat&apos;s tail. Nobody wins.&lt;/i&gt;</source>
        <translation>In einer Meldung steht: &lt;i&gt;Du gewinnst.&lt;/i&gt;, &lt;i&gt;Grizzle gewinnt.&lt;/i&gt; oder bei vollem Spielfeld &lt;i&gt;Unentschieden. Keiner gewinnt.&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Press OK. The board is cleared, and the winner&apos;s score goes up by one.</source>
        <translation>Drück OK. Das Spielfeld wird geleert, und der Gewinner bekommt einen Punkt.</translation>
    </message>
    <message>
        <source>Did the game end on your move? Then Grizzle starts the next game at once.</source>
        <translation>Hat das Spiel mit deinem Zug geendet? Dann beginnt Grizzle das nächste Spiel sofort.</translation>
    </message>
    <message>
        <source>Did it end on Grizzle&apos;s move? Then you start.</source>
        <translation>Hat es mit Grizzles Zug geendet? Dann fängst du an.</translation>
    </message>
    <message>
        <source>There is no last game. Play as long as you like.</source>
        <translation>Es gibt kein letztes Spiel. Spiel, so lange du willst.</translation>
    </message>
    <message>
        <source>Tab takes you to the board. The arrow keys move between the squares. Space or Enter puts your O.</source>
        <extracomment>Alt+R and the other keys as this language&apos;s keyboards name them, with the buttons&apos; access keys.</extracomment>
        <translation>Mit Tab kommst du zum Spielfeld. Mit den Pfeiltasten gehst du von Feld zu Feld. Leertaste oder Eingabetaste setzt dein O.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt;, or Alt+R, clears the board. The scores stay, and you move first.</source>
        <translation>&lt;b&gt;Neu starten&lt;/b&gt; oder Alt+N leert das Spielfeld. Die Punkte bleiben, und du fängst an.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt;, or Alt+M, leaves Tic Tac Toe. Next time the scores start at 0.</source>
        <translation>&lt;b&gt;Hauptmenü&lt;/b&gt; oder Alt+M verlässt Tic Tac Toe. Beim nächsten Mal beginnen die Punkte wieder bei 0.</translation>
    </message>
    <message>
        <source>Set up two lines at once. Grizzle can block only one of them.</source>
        <translation>Bau zwei Reihen auf einmal auf. Grizzle kann nur eine davon blockieren.</translation>
    </message>
    <message>
        <source>The centre is part of four lines, and each corner of three. They make good first moves.</source>
        <translation>Die Mitte gehört zu vier Reihen, jede Ecke zu drei. Das sind gute erste Züge.</translation>
    </message>
    <message>
        <source>Get three O in a line before Grizzle gets three X.</source>
        <translation>Bring drei O in eine Reihe, bevor Grizzle drei X schafft.</translation>
    </message>
    <message>
        <source>Then it checks the two diagonals, the one from the top left first.</source>
        <translation>Dann prüft er die beiden Diagonalen, zuerst die von oben links.</translation>
    </message>
    <message>
        <source>You play O and Grizzle plays X. The board has three by three squares.</source>
        <translation>Du spielst O, und Grizzle spielt X. Das Spielfeld hat drei mal drei Felder.</translation>
    </message>
    <message>
        <source>Grizzle does not try to win. Still, a random X can make a line. Keep an eye on its X.</source>
        <translation>Grizzle versucht nicht zu gewinnen. Trotzdem kann ein zufälliges X eine Reihe ergeben. Behalte seine X im Auge.</translation>
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
        <source>Grizzle&apos;s %1 and your %2. The Queen is higher, so you take both cards.</source>
        <extracomment>%1 and %2 are cards&apos; names, e.g. &quot;9 of Clubs&quot; and &quot;Queen of Hearts&quot;.</extracomment>
        <translation>Grizzles %1 und deine %2. Die Dame ist höher, also bekommst du beide Karten.</translation>
    </message>
    <message>
        <source>Grizzle&apos;s %1 and your %2. A tie, so each seven goes back to its hand.</source>
        <extracomment>%1 and %2 are cards&apos; names, e.g. &quot;7 of Spades&quot; and &quot;7 of Hearts&quot;.</extracomment>
        <translation>Grizzles %1 und deine %2. Unentschieden, also nimmt jeder seine Sieben zurück auf die Hand.</translation>
    </message>
    <message>
        <source>The deck has %1 cards, from the 2 to the King. There are no aces.</source>
        <extracomment>%1 is the number of cards in War&apos;s deck.</extracomment>
        <translation>Das Kartenspiel hat %1 Karten, von der Zwei bis zum König. Asse gibt es nicht.</translation>
    </message>
    <message>
        <source>The King is the highest card and the 2 the lowest. Suits do not count.</source>
        <translation>Der König ist die höchste Karte und die Zwei die niedrigste. Die Farben zählen nicht.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Start&lt;/b&gt;. The cards are dealt, and Grizzle plays first.</source>
        <translation>Drück &lt;b&gt;Start&lt;/b&gt;. Die Karten werden verteilt, und Grizzle spielt zuerst.</translation>
    </message>
    <message>
        <source>Grizzle&apos;s card slides out of its pile at the top left.</source>
        <translation>Grizzles Karte gleitet aus seinem Stapel oben links.</translation>
    </message>
    <message>
        <source>Click your pile at the bottom right, under &lt;i&gt;Click on this picture.&lt;/i&gt; Your card slides out.</source>
        <extracomment>&quot;Click on this picture.&quot; is the label beside the player&apos;s pile, as the screen shows it.</extracomment>
        <translation>Klick auf deinen Stapel unten rechts, unter &lt;i&gt;Klick auf das Bild.&lt;/i&gt; Deine Karte gleitet heraus.</translation>
    </message>
    <message>
        <source>The higher card wins. The winner takes both cards.</source>
        <translation>Die höhere Karte gewinnt. Der Gewinner bekommt beide Karten.</translation>
    </message>
    <message>
        <source>Under &lt;i&gt;And the winner is...&lt;/i&gt; you read &lt;b&gt;You!&lt;/b&gt;, &lt;b&gt;Grizzle!&lt;/b&gt; or &lt;b&gt;Both of you!&lt;/b&gt;</source>
        <extracomment>The labels as the screen shows them.</extracomment>
        <translation>Unter &lt;i&gt;Und der Gewinner ist...&lt;/i&gt; steht &lt;b&gt;Du!&lt;/b&gt;, &lt;b&gt;Grizzle!&lt;/b&gt; oder &lt;b&gt;Ihr beide!&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Click here to continue.&lt;/b&gt; for the next round.</source>
        <translation>Drück für die nächste Runde auf &lt;b&gt;Weiterspielen&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Cards you win go into your hand. They can come up again in the very next round.</source>
        <translation>Karten, die du gewinnst, nimmst du auf die Hand. Sie können schon in der nächsten Runde wieder drankommen.</translation>
    </message>
    <message>
        <source>The deal is not even. Grizzle gets %1 cards at most, usually about 20. You get all the others.</source>
        <extracomment>%1 is the number of cards Grizzle is dealt at most.</extracomment>
        <translation>Die Karten werden nicht gleichmäßig verteilt. Grizzle bekommt höchstens %1 Karten, meist etwa 20. Du bekommst alle anderen.</translation>
    </message>
    <message>
        <source>Grizzle does not choose. Its next card is picked at random from its hand. So is yours.</source>
        <translation>Grizzle sucht nicht aus. Seine nächste Karte wird zufällig aus seiner Hand gezogen. Deine auch.</translation>
    </message>
    <message>
        <source>The game is over when one side has no cards left.</source>
        <translation>Das Spiel ist vorbei, wenn eine Seite keine Karten mehr hat.</translation>
    </message>
    <message>
        <source>A message says &lt;i&gt;Grizzle is out of cards, You win!&lt;/i&gt; or &lt;i&gt;You&apos;re out of cards, Grizzle wins!&lt;/i&gt;</source>
        <translation>In einer Meldung steht: &lt;i&gt;Grizzle hat keine Karten mehr. Du gewinnst!&lt;/i&gt; oder &lt;i&gt;Du hast keine Karten mehr. Grizzle gewinnt!&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Press OK, and Corvane&apos;s Cardovia closes.</source>
        <translation>Drück OK, dann schließt sich Corvane&apos;s Cardovia.</translation>
    </message>
    <message>
        <source>But a game often goes on until you leave it. A King can only win or tie, so it never leaves its hand.</source>
        <translation>Aber oft geht ein Spiel weiter, bis du es verlässt. Ein König kann nur gewinnen oder unentschieden spielen. Darum wechselt er nie die Hand.</translation>
    </message>
    <message>
        <source>Both sides usually hold a King, so neither runs out. Press &lt;b&gt;Main Menu&lt;/b&gt; when you have had enough.</source>
        <translation>Meistens haben beide Seiten einen König, also gehen keinem die Karten aus. Drück &lt;b&gt;Hauptmenü&lt;/b&gt;, wenn du genug hast.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start&lt;/b&gt;, or Alt+S, deals the cards. It works once each time you open War.</source>
        <extracomment>Alt+S and the other keys as this language&apos;s keyboards name them, with the buttons&apos; access keys.</extracomment>
        <translation>&lt;b&gt;Start&lt;/b&gt; oder Alt+S verteilt die Karten. Das geht jedes Mal, wenn du Krieg öffnest, genau einmal.</translation>
    </message>
    <message>
        <source>Tab moves between your pile, the buttons and the cards. Space or Enter plays your card or presses a button.</source>
        <translation>Tab springt zwischen deinem Stapel, den Knöpfen und den Karten hin und her. Leertaste oder Eingabetaste spielt deine Karte oder drückt einen Knopf.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Click here to continue.&lt;/b&gt;, or Alt+C, starts the next round.</source>
        <translation>&lt;b&gt;Weiterspielen&lt;/b&gt; oder Alt+W startet die nächste Runde.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Deck Options&lt;/b&gt;, or Alt+D, changes the back of the cards at any time. Choose one and press &lt;b&gt;Okay&lt;/b&gt;, or Alt+O.</source>
        <translation>&lt;b&gt;Kartenoptionen&lt;/b&gt; oder Alt+K ändert jederzeit die Rückseite der Karten. Wähle eine aus und drück &lt;b&gt;OK&lt;/b&gt; oder Alt+O.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt;, or Alt+M, leaves War once the cards are dealt. The game is not kept.</source>
        <translation>&lt;b&gt;Hauptmenü&lt;/b&gt; oder Alt+M verlässt Krieg, sobald die Karten verteilt sind. Das Spiel wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>War is all luck, so sit back and enjoy the rounds.</source>
        <translation>Krieg ist reines Glück. Lehn dich also zurück und genieß die Runden.</translation>
    </message>
    <message>
        <source>Space alone is enough to play. It plays your card, then goes on to the next round.</source>
        <translation>Die Leertaste allein reicht zum Spielen. Sie spielt deine Karte und geht dann zur nächsten Runde.</translation>
    </message>
    <message>
        <source>The back you choose in Deck Options stays until Corvane&apos;s Cardovia closes.</source>
        <translation>Die Rückseite, die du in den Kartenoptionen wählst, bleibt, bis Corvane&apos;s Cardovia geschlossen wird.</translation>
    </message>
    <message>
        <source>Win all of Grizzle&apos;s cards, one round at a time.</source>
        <translation>Gewinne Runde für Runde alle Karten von Grizzle.</translation>
    </message>
    <message>
        <source>If both cards are equal, each goes back to its own hand.</source>
        <translation>Sind beide Karten gleich, nimmt jeder seine Karte zurück auf die Hand.</translation>
    </message>
</context>
</TS>
