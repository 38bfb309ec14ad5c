<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>FrmFireIce</name>
    <message>
        <source>Fire &amp; Ice</source>
        <extracomment>The game&apos;s name, the screen&apos;s title.</extracomment>
        <translation>Fuego y Hielo</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <extracomment>A button: leaves the game for the main menu.</extracomment>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>&amp;Shuffle Those Card!</source>
        <extracomment>A button: shuffles and shows a new sliding card.</extracomment>
        <translation>¡&amp;Baraja las cartas!</translation>
    </message>
    <message>
        <source>&amp;Ice</source>
        <extracomment>A button: the player calls the sliding card black.</extracomment>
        <translation>&amp;Hielo</translation>
    </message>
    <message>
        <source>&amp;Fire</source>
        <extracomment>A button: the player calls the sliding card red.</extracomment>
        <translation>&amp;Fuego</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>Read when a new card is shuffled: %1 is its name, e.g. &quot;Queen of Hearts&quot;.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>You got lucky punk, Try again, I dare you.</source>
        <extracomment>Grizzle&apos;s taunt after a right call of Ice.</extracomment>
        <translation>Has tenido suerte, listillo. Inténtalo otra vez, si te atreves.</translation>
    </message>
    <message>
        <source>Ya big liar!</source>
        <extracomment>Grizzle&apos;s answer to a wrong call.</extracomment>
        <translation>¡Pero qué mentiroso!</translation>
    </message>
    <message>
        <source>Fire it is! The gunman appears.</source>
        <translation>¡Es Fuego! Aparece el pistolero.</translation>
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
        <translation>Logotipo de Corvane</translation>
    </message>
</context>
<context>
    <name>audio</name>
    <message>
        <source>SDL2_mixer and FluidSynth unavailable: the audio module could not be loaded</source>
        <translation>SDL2_mixer y FluidSynth no disponibles: no se pudo cargar el módulo de audio</translation>
    </message>
</context>
<context>
    <name>bingo</name>
    <message>
        <source>Blackout Bingo</source>
        <translation>Cartón lleno</translation>
    </message>
    <message>
        <source>X-out Bingo</source>
        <extracomment>The pattern of both diagonals of the card</extracomment>
        <translation>Bingo en X</translation>
    </message>
    <message>
        <source>4 Corners Bingo</source>
        <translation>Bingo 4 esquinas</translation>
    </message>
    <message>
        <source>Field Goal Bingo</source>
        <extracomment>The pattern in the shape of a goal post</extracomment>
        <translation>Bingo portería</translation>
    </message>
</context>
<context>
    <name>bingoart</name>
    <message>
        <source>Bingo ball</source>
        <translation>Bola de bingo</translation>
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
        <translation>%1: las cuatro esquinas.</translation>
    </message>
    <message>
        <source>%1: every cell, the free space too.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;Blackout Bingo&quot;</extracomment>
        <translation>%1: todas las casillas, incluida la casilla libre.</translation>
    </message>
    <message>
        <source>%1: both diagonals. The free space does not count.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;X-out Bingo&quot;</extracomment>
        <translation>%1: las dos diagonales. La casilla libre no cuenta.</translation>
    </message>
    <message>
        <source>%1: a goal post, with the free space.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;Field Goal Bingo&quot;</extracomment>
        <translation>%1: una portería, con la casilla libre.</translation>
    </message>
    <message>
        <source>You and Grizzle each have a card of %1 cells. Grizzle&apos;s card is on the left, yours on the right.</source>
        <extracomment>%1 is the number of cells on a card.</extracomment>
        <translation>Grizzle y tú tenéis un cartón de %1 casillas cada uno. El cartón de Grizzle está a la izquierda, y el tuyo, a la derecha.</translation>
    </message>
    <message>
        <source>The middle cell is the free space, %1. It is marked from the start.</source>
        <extracomment>%1 is what the free space shows, &quot;FS&quot;</extracomment>
        <translation>La casilla del centro es la casilla libre, %1. Está marcada desde el principio.</translation>
    </message>
    <message>
        <source>When you open Bingo, the options panel is up. Choose a pattern and a call speed.</source>
        <translation>Al abrir Bingo, verás el panel de opciones. Elige una figura y una velocidad.</translation>
    </message>
    <message>
        <source>Is that number on your card? Click it to mark it yellow. Click it again to take the mark away.</source>
        <translation>¿Tienes ese número en tu cartón? Haz clic en él para marcarlo en amarillo. Haz clic otra vez para quitar la marca.</translation>
    </message>
    <message>
        <source>No ball is called twice in a game. The game trusts your marks, so mark only the balls called.</source>
        <translation>En una partida, ninguna bola sale dos veces. El juego se fía de tus marcas, así que marca solo las bolas que han salido.</translation>
    </message>
    <message>
        <source>These are the four patterns:</source>
        <translation>Estas son las cuatro figuras:</translation>
    </message>
    <message>
        <source>Press it without the pattern, and Grizzle calls it cheating. The game starts over with new cards.</source>
        <translation>Si lo pulsas sin tener la figura, Grizzle dice que haces trampa. La partida vuelve a empezar con cartones nuevos.</translation>
    </message>
    <message>
        <source>Grizzle wins as soon as its card shows the pattern. So claim your win quickly.</source>
        <translation>Grizzle gana en cuanto su cartón tiene la figura. Así que canta bingo rápido.</translation>
    </message>
    <message>
        <source>The balls never run out without a winner. By the last of the %1 balls, Grizzle&apos;s card is full. So if nobody claims, Grizzle wins then at the latest.</source>
        <extracomment>%1 is the number of balls, 75.</extracomment>
        <translation>Las bolas nunca se acaban sin que haya un ganador. Cuando sale la última de las %1 bolas, el cartón de Grizzle ya está lleno. Así que, si nadie canta bingo, Grizzle gana como muy tarde con esa bola.</translation>
    </message>
    <message>
        <source>After a win, press OK. New cards are dealt, and the game waits. Press &lt;b&gt;Restart&lt;/b&gt; to play again.</source>
        <translation>Cuando alguien gana, pulsa Aceptar. Se reparten cartones nuevos y el juego espera. Pulsa &lt;b&gt;Reiniciar&lt;/b&gt; para volver a jugar.</translation>
    </message>
    <message>
        <source>Grizzle marks its own card. About once a second, it looks at the ball on show.</source>
        <translation>Grizzle marca su propio cartón. Más o menos una vez por segundo, mira la bola que está en pantalla.</translation>
    </message>
    <message>
        <source>If its card has that number, Grizzle marks it. It never misses a ball.</source>
        <translation>Si ese número está en su cartón, Grizzle lo marca. Nunca se le escapa ninguna bola.</translation>
    </message>
    <message>
        <source>Grizzle needs no button. It wins the moment its card shows the pattern.</source>
        <translation>Grizzle no necesita ningún botón. Gana en cuanto su cartón tiene la figura.</translation>
    </message>
    <message>
        <source>Tab takes you to your card. The arrow keys move between its cells. Space or Enter marks one.</source>
        <translation>Tab te lleva a tu cartón. Con las flechas pasas de una casilla a otra. Espacio o Intro marca una.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt;, or Alt+R, deals new cards. The first ball comes at once, with the same pattern.</source>
        <translation>&lt;b&gt;Reiniciar&lt;/b&gt;, o Alt+R, reparte cartones nuevos. La primera bola sale enseguida, y la figura sigue siendo la misma.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt;, or Alt+O, pauses the game and shows the options panel.</source>
        <translation>&lt;b&gt;Opciones&lt;/b&gt;, o Alt+O, pausa la partida y muestra el panel de opciones.</translation>
    </message>
    <message>
        <source>On the panel, the arrow keys choose a pattern and move the speed bar.</source>
        <translation>En el panel, con las flechas eliges una figura y mueves la barra de velocidad.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Okay&lt;/b&gt;, or Alt+O, starts a new game with the pattern you chose.</source>
        <translation>&lt;b&gt;Aceptar&lt;/b&gt;, o Alt+E, empieza una partida nueva con la figura que has elegido.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Cancel&lt;/b&gt;, or Alt+C, goes back to the same game. A new speed counts even then.</source>
        <translation>&lt;b&gt;Cancelar&lt;/b&gt;, o Alt+C, vuelve a la misma partida. Si has cambiado la velocidad, la nueva vale igualmente.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt;, or Alt+M, leaves Bingo. The game is not kept.</source>
        <translation>&lt;b&gt;Menú principal&lt;/b&gt;, o Alt+M, sale de Bingo. La partida no se guarda.</translation>
    </message>
    <message>
        <source>Too fast? Move the bar to the right for more time.</source>
        <translation>¿Va demasiado rápido? Mueve la barra a la derecha para tener más tiempo.</translation>
    </message>
    <message>
        <source>4 Corners is over quickly. Blackout needs every number, so it takes longest.</source>
        <translation>Bingo 4 esquinas se acaba rápido. Cartón lleno necesita todos los números, así que es la figura que más tarda.</translation>
    </message>
    <message>
        <source>Blackout and Field Goal need the free space. Did you unmark it? Mark it again before you claim.</source>
        <translation>Cartón lleno y Bingo portería necesitan la casilla libre. ¿Le has quitado la marca? Vuelve a marcarla antes de cantar bingo.</translation>
    </message>
    <message>
        <source>Each column has its own numbers. B has 1 to 15, and I has 16 to 30.</source>
        <translation>Cada columna tiene sus propios números. La B tiene del 1 al 15, y la I, del 16 al 30.</translation>
    </message>
    <message>
        <source>N has 31 to 45, G has 46 to 60, and O has 61 to 75.</source>
        <translation>La N, del 31 al 45. La G, del 46 al 60. La O, del 61 al 75.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Okay&lt;/b&gt;. A ball is called every few seconds. It shows on the big ball, like B7.</source>
        <translation>Pulsa &lt;b&gt;Aceptar&lt;/b&gt;. Cada pocos segundos sale una bola. Se ve en la bola grande, por ejemplo, B7.</translation>
    </message>
    <message>
        <source>Fill the pattern on your card, then press &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt;.</source>
        <extracomment>&lt;nobr&gt; keeps the button&apos;s spaced letters on one line.</extracomment>
        <translation>Completa la figura en tu cartón y luego pulsa &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>A full pattern does not win by itself. You win only when you press &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt;.</source>
        <translation>Completar la figura no basta para ganar. Solo ganas cuando pulsas &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt; claims your win. Click it, or Tab to it and press Space.</source>
        <extracomment>Alt+R and the other keys as this language&apos;s keyboards name them, with the buttons&apos; access keys.</extracomment>
        <translation>&lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt; canta tu bingo. Haz clic en él, o llega hasta él con Tab y pulsa Espacio.</translation>
    </message>
    <message>
        <source>At &lt;i&gt;Faster&lt;/i&gt;, a ball comes every 2 seconds. At &lt;i&gt;Slower&lt;/i&gt;, one comes every 10 seconds.</source>
        <extracomment>&quot;Faster&quot; and &quot;Slower&quot; as the options panel shows them under the speed bar.</extracomment>
        <translation>En &lt;i&gt;Rápido&lt;/i&gt;, sale una bola cada 2 segundos. En &lt;i&gt;Lento&lt;/i&gt;, sale una cada 10 segundos.</translation>
    </message>
    <message>
        <source>Complete the pattern on your card first, and claim it with &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt;.</source>
        <translation>Completa la figura en tu cartón y luego canta bingo con &lt;b&gt;&lt;nobr&gt;B I N G O&lt;/nobr&gt;&lt;/b&gt;.</translation>
    </message>
</context>
<context>
    <name>cardart</name>
    <message>
        <source>Card back</source>
        <translation>Reverso de carta</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>The ace&apos;s letter in the corners of its card: one letter.</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>J</source>
        <extracomment>The jack&apos;s letter in the corners of its card: one letter.</extracomment>
        <translation>J</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The queen&apos;s letter in the corners of its card: one letter.</extracomment>
        <translation>Q</translation>
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
        <translation>As de picas</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>As de corazones</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>As de diamantes</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>As de tréboles</translation>
    </message>
    <message>
        <source>2 of Spades</source>
        <translation>2 de picas</translation>
    </message>
    <message>
        <source>2 of Hearts</source>
        <translation>2 de corazones</translation>
    </message>
    <message>
        <source>2 of Diamonds</source>
        <translation>2 de diamantes</translation>
    </message>
    <message>
        <source>2 of Clubs</source>
        <translation>2 de tréboles</translation>
    </message>
    <message>
        <source>3 of Spades</source>
        <translation>3 de picas</translation>
    </message>
    <message>
        <source>3 of Hearts</source>
        <translation>3 de corazones</translation>
    </message>
    <message>
        <source>3 of Diamonds</source>
        <translation>3 de diamantes</translation>
    </message>
    <message>
        <source>3 of Clubs</source>
        <translation>3 de tréboles</translation>
    </message>
    <message>
        <source>4 of Spades</source>
        <translation>4 de picas</translation>
    </message>
    <message>
        <source>4 of Hearts</source>
        <translation>4 de corazones</translation>
    </message>
    <message>
        <source>4 of Diamonds</source>
        <translation>4 de diamantes</translation>
    </message>
    <message>
        <source>4 of Clubs</source>
        <translation>4 de tréboles</translation>
    </message>
    <message>
        <source>5 of Spades</source>
        <translation>5 de picas</translation>
    </message>
    <message>
        <source>5 of Hearts</source>
        <translation>5 de corazones</translation>
    </message>
    <message>
        <source>5 of Diamonds</source>
        <translation>5 de diamantes</translation>
    </message>
    <message>
        <source>5 of Clubs</source>
        <translation>5 de tréboles</translation>
    </message>
    <message>
        <source>6 of Spades</source>
        <translation>6 de picas</translation>
    </message>
    <message>
        <source>6 of Hearts</source>
        <translation>6 de corazones</translation>
    </message>
    <message>
        <source>6 of Diamonds</source>
        <translation>6 de diamantes</translation>
    </message>
    <message>
        <source>6 of Clubs</source>
        <translation>6 de tréboles</translation>
    </message>
    <message>
        <source>7 of Spades</source>
        <translation>7 de picas</translation>
    </message>
    <message>
        <source>7 of Hearts</source>
        <translation>7 de corazones</translation>
    </message>
    <message>
        <source>7 of Diamonds</source>
        <translation>7 de diamantes</translation>
    </message>
    <message>
        <source>7 of Clubs</source>
        <translation>7 de tréboles</translation>
    </message>
    <message>
        <source>8 of Spades</source>
        <translation>8 de picas</translation>
    </message>
    <message>
        <source>8 of Hearts</source>
        <translation>8 de corazones</translation>
    </message>
    <message>
        <source>8 of Diamonds</source>
        <translation>8 de diamantes</translation>
    </message>
    <message>
        <source>8 of Clubs</source>
        <translation>8 de tréboles</translation>
    </message>
    <message>
        <source>9 of Spades</source>
        <translation>9 de picas</translation>
    </message>
    <message>
        <source>9 of Hearts</source>
        <translation>9 de corazones</translation>
    </message>
    <message>
        <source>9 of Diamonds</source>
        <translation>9 de diamantes</translation>
    </message>
    <message>
        <source>9 of Clubs</source>
        <translation>9 de tréboles</translation>
    </message>
    <message>
        <source>10 of Spades</source>
        <translation>10 de picas</translation>
    </message>
    <message>
        <source>10 of Hearts</source>
        <translation>10 de corazones</translation>
    </message>
    <message>
        <source>10 of Diamonds</source>
        <translation>10 de diamantes</translation>
    </message>
    <message>
        <source>10 of Clubs</source>
        <translation>10 de tréboles</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Jota de picas</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Jota de corazones</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Jota de diamantes</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Jota de tréboles</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Reina de picas</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Reina de corazones</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Reina de diamantes</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Reina de tréboles</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Rey de picas</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Rey de corazones</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Rey de diamantes</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Rey de tréboles</translation>
    </message>
</context>
<context>
    <name>fireice</name>
    <message>
        <source>Gunman</source>
        <extracomment>The cowboy who turns up after a right call of Fire.</extracomment>
        <translation>Pistolero</translation>
    </message>
</context>
<context>
    <name>fireicehelp</name>
    <message>
        <source>Fire</source>
        <extracomment>Above the red aces in a picture: the call&apos;s name as the Fire button shows it.</extracomment>
        <translation>Fuego</translation>
    </message>
    <message>
        <source>Ice</source>
        <extracomment>Above the black aces in a picture: the call&apos;s name as the Ice button shows it.</extracomment>
        <translation>Hielo</translation>
    </message>
    <message>
        <source>spades</source>
        <extracomment>Suits&apos; names in running text, in the order of the cards&apos; faces.</extracomment>
        <translation>picas</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two suits&apos; names in running text, &quot;hearts and diamonds&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Fire &amp; Ice</source>
        <extracomment>The help page&apos;s title: the game&apos;s name.</extracomment>
        <translation>Fuego y Hielo</translation>
    </message>
    <message>
        <source>Each card ends with your call. Then Grizzle answers.</source>
        <translation>Cada carta termina cuando eliges un color. Entonces Grizzle te contesta.</translation>
    </message>
    <message>
        <source>Ice on a black card: Grizzle says &lt;i&gt;You got lucky punk, Try again, I dare you.&lt;/i&gt;</source>
        <translation>Hielo con una carta negra: Grizzle dice &lt;i&gt;Has tenido suerte, listillo. Inténtalo otra vez, si te atreves.&lt;/i&gt;</translation>
    </message>
    <message>
        <source>A wrong call, Fire or Ice: Grizzle says &lt;i&gt;Ya big liar!&lt;/i&gt;</source>
        <translation>Si fallas, con Fuego o con Hielo: Grizzle dice &lt;i&gt;¡Pero qué mentiroso!&lt;/i&gt;</translation>
    </message>
    <message>
        <source>There is no score and no end. Shuffle as often as you like.</source>
        <translation>No hay puntos ni final. Baraja todas las veces que quieras.</translation>
    </message>
    <message>
        <source>Fire wins on %1, the red suits. Ice wins on %2, the black ones.</source>
        <extracomment>%1 and %2 are suits&apos; names in running text, &quot;hearts and diamonds&quot;.</extracomment>
        <translation>Fuego gana con %1, los palos rojos. Hielo gana con %2, los negros.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Shuffle Those Card!&lt;/b&gt; A new card slides back and forth.</source>
        <translation>Pulsa &lt;b&gt;¡Baraja las cartas!&lt;/b&gt; Una carta nueva se desliza de un lado a otro.</translation>
    </message>
    <message>
        <source>The card is face up, so you can see it while it moves.</source>
        <translation>La carta está boca arriba, así que puedes verla mientras se mueve.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Fire&lt;/b&gt; if it is red, or &lt;b&gt;Ice&lt;/b&gt; if it is black.</source>
        <translation>Pulsa &lt;b&gt;Fuego&lt;/b&gt; si es roja, o &lt;b&gt;Hielo&lt;/b&gt; si es negra.</translation>
    </message>
    <message>
        <source>You get one call for each card. The card stops after your call.</source>
        <translation>Con cada carta puedes elegir una sola vez. La carta se para cuando eliges.</translation>
    </message>
    <message>
        <source>Grizzle deals one card from a whole pack of %1, aces too.</source>
        <extracomment>%1 is the number of cards in a pack.</extracomment>
        <translation>Grizzle saca una carta de una baraja entera de %1, con ases y todo.</translation>
    </message>
    <message>
        <source>Every card has the same chance. Red and black come up just as often.</source>
        <translation>Todas las cartas tienen la misma probabilidad de salir. El rojo y el negro salen igual de a menudo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Shuffle Those Card!&lt;/b&gt;, or Alt+S, brings a new card.</source>
        <extracomment>Alt+S and the other keys as this language&apos;s keyboards name them, with the buttons&apos; access keys.</extracomment>
        <translation>&lt;b&gt;¡Baraja las cartas!&lt;/b&gt;, o Alt+B, saca una carta nueva.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fire&lt;/b&gt;, or Alt+F, calls red. Here Alt+F does not open the File menu.</source>
        <translation>&lt;b&gt;Fuego&lt;/b&gt;, o Alt+F, elige el rojo. El menú Archivo se abre con Alt+A.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ice&lt;/b&gt;, or Alt+I, calls black.</source>
        <translation>&lt;b&gt;Hielo&lt;/b&gt;, o Alt+H, elige el negro.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt; leaves Fire &amp; Ice. Click it, or Tab to it and press Space.</source>
        <translation>&lt;b&gt;Menú principal&lt;/b&gt; sale de Fuego y Hielo. Haz clic en él, o llega hasta él con Tab y pulsa Espacio.</translation>
    </message>
    <message>
        <source>Tab moves between the buttons. Space or Enter presses one.</source>
        <translation>Tab pasa de un botón a otro. Espacio o Intro pulsa el que tiene el foco.</translation>
    </message>
    <message>
        <source>Look at the card before you call. Its colour shows the whole time.</source>
        <translation>Mira la carta antes de elegir. Su color se ve todo el tiempo.</translation>
    </message>
    <message>
        <source>After a shuffle the keyboard is on &lt;b&gt;Fire&lt;/b&gt;. After a call it is on &lt;b&gt;Shuffle Those Card!&lt;/b&gt;</source>
        <translation>Después de barajar, el foco está en &lt;b&gt;Fuego&lt;/b&gt;. Después de elegir, está en &lt;b&gt;¡Baraja las cartas!&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Want to see the gunman? Call Fire on a red card.</source>
        <translation>¿Quieres ver al pistolero? Elige Fuego con una carta roja.</translation>
    </message>
    <message>
        <source>Call the colour of the sliding card: red or black.</source>
        <translation>Adivina el color de la carta que se desliza: rojo o negro.</translation>
    </message>
    <message>
        <source>Fire on a red card: you hear a gunshot. A cartoon gunman pops up on the screen.</source>
        <translation>Fuego con una carta roja: oyes un disparo. Un pistolero de dibujos animados aparece en la pantalla.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>The music is played with the soundfont %1, copyright %2, licence %3, as %4 states.</source>
        <translation>La música suena con la fuente de sonido %1, copyright %2, licencia %3, según indica %4.</translation>
    </message>
    <message>
        <source>The soundfont&apos;s licence cannot be shown: %1 cannot be read.</source>
        <translation>No se puede mostrar la licencia de la fuente de sonido: no se puede leer %1.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Free software: you may share and change it under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Software libre: puedes compartirlo y modificarlo según la Licencia Pública General de GNU, versión 3 o cualquier versión posterior (GPL-3.0-or-later). Se ofrece sin ninguna garantía.</translation>
    </message>
    <message>
        <source>Show the &amp;licence</source>
        <translation>Mostrar la &amp;licencia</translation>
    </message>
    <message>
        <source>GNU General Public License</source>
        <extracomment>the licence&apos;s name, as the box with its text is read aloud</extracomment>
        <translation>Licencia Pública General de GNU</translation>
    </message>
    <message>
        <source>The artwork, the music and the sounds are %1&apos;s own: they were drawn and composed in its code by its developers and come under the same licence.</source>
        <translation>Las imágenes, la música y los sonidos son propios de %1: sus desarrolladores los dibujaron y compusieron en su código, y están bajo la misma licencia.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>a button: closes this window</extracomment>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>In use: Qt %1; %2.</source>
        <extracomment>the libraries the game uses: &quot;In use: Qt 6.4.2; SDL2_mixer 2.6.2, FluidSynth 2.3.1.&quot;</extracomment>
        <translation>En uso: Qt %1; %2.</translation>
    </message>
    <message>
        <source>SDL2_mixer and FluidSynth not loaded yet, as no music or sound has played</source>
        <translation>SDL2_mixer y FluidSynth aún sin cargar, porque no ha sonado música ni sonido</translation>
    </message>
    <message>
        <source>The licence&apos;s text is missing.</source>
        <translation>Falta el texto de la licencia.</translation>
    </message>
    <message>
        <source>Hide the &amp;licence</source>
        <translation>Ocultar la &amp;licencia</translation>
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
        <translation>&amp;Menú principal</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
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
        <translation>Tú</translation>
    </message>
    <message>
        <source>Grizzle&apos;s card</source>
        <translation>Cartón de Grizzle</translation>
    </message>
    <message>
        <source>Your card</source>
        <translation>Tu cartón</translation>
    </message>
    <message>
        <source>Note: Hitting Okay will cause the game to restart.</source>
        <translation>Nota: Aceptar reinicia la partida.</translation>
    </message>
    <message>
        <source>Call Speed</source>
        <extracomment>The time between two balls being called</extracomment>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Seconds between calls: faster to the left, slower to the right</source>
        <translation>Segundos entre bolas: más rápido a la izquierda, más lento a la derecha</translation>
    </message>
    <message>
        <source>Faster............Slower</source>
        <extracomment>Under the call speed bar: faster to the left, slower to the right; the dots fill the gap</extracomment>
        <translation>Rápido.......Lento</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <extracomment>The button that starts a new game with the pattern chosen</extracomment>
        <translation>Ac&amp;eptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Error on joining string</source>
        <translation>Error al unir el texto</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Casilla libre</translation>
    </message>
    <message>
        <source>%1, marked</source>
        <extracomment>A cell of a bingo card the player has marked: &quot;N 40, marked&quot;</extracomment>
        <translation>%1, marcada</translation>
    </message>
    <message>
        <source>%1, not marked.</source>
        <extracomment>Said when the player unmarks a cell: &quot;N 40, not marked.&quot;</extracomment>
        <translation>%1, sin marcar.</translation>
    </message>
    <message>
        <source>Grizzle Wins! Hit okay to play again.</source>
        <translation>¡Gana Grizzle! Pulsa Aceptar para volver a jugar.</translation>
    </message>
    <message>
        <source>You Win! Hit okay to play again.</source>
        <translation>¡Has ganado! Pulsa Aceptar para volver a jugar.</translation>
    </message>
    <message>
        <source>Heh, no cheating.  You don&apos;t have bingo. You know the rules, if you yell bingo and you don&apos;t really have it, you have to start over.  Hit okay to start over.</source>
        <translation>¡Eh, nada de trampas! No tienes bingo. Ya conoces las reglas: si cantas bingo y no lo tienes de verdad, tienes que empezar de nuevo. Pulsa Aceptar para empezar de nuevo.</translation>
    </message>
</context>
<context>
    <name>frmDeckOptions</name>
    <message>
        <source>Deck Options</source>
        <translation>Opciones de la baraja</translation>
    </message>
    <message>
        <source>DeckOptions</source>
        <extracomment>The title bar of the dialog that chooses the back of the cards.</extracomment>
        <translation>Opciones de la baraja</translation>
    </message>
    <message>
        <source>Card Type:</source>
        <extracomment>Above the choice of card backs.</extracomment>
        <translation>Tipo de carta:</translation>
    </message>
    <message>
        <source>Card Type</source>
        <translation>Tipo de carta</translation>
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
        <translation>Ac&amp;eptar</translation>
    </message>
</context>
<context>
    <name>frmGrizzley</name>
    <message>
        <source>Opponent</source>
        <extracomment>the name of the panel beside every game</extracomment>
        <translation>Rival</translation>
    </message>
    <message>
        <source>Grizzle&apos;s picture</source>
        <translation>Retrato de Grizzle</translation>
    </message>
    <message>
        <source>This is where the picture of Grizzle will go.</source>
        <translation>Aquí irá el retrato de Grizzle.</translation>
    </message>
    <message>
        <source>Other cool stuff will go here!</source>
        <translation>¡Aquí irán otras cosas geniales!</translation>
    </message>
    <message>
        <source>Play some music.</source>
        <extracomment>buttons of the opponent panel</extracomment>
        <translation>Poner música.</translation>
    </message>
    <message>
        <source>Stop the music.</source>
        <translation>Parar la música.</translation>
    </message>
    <message>
        <source>Track #</source>
        <extracomment>a narrow label over the six track numbers</extracomment>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Pista %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>the list of the help&apos;s pages</extracomment>
        <translation>Páginas</translation>
    </message>
</context>
<context>
    <name>frmLoading</name>
    <message>
        <source>Loading</source>
        <extracomment>the name of the screen shown while the game starts</extracomment>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Please Wait......Loading.</source>
        <translation>Espera......Cargando.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Help on this screen</source>
        <translation>A&amp;yuda de esta pantalla</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>How to play %1</source>
        <extracomment>%1 is a game&apos;s name with its access key</extracomment>
        <translation>Cómo se juega: %1</translation>
    </message>
    <message>
        <source>How to play the &amp;music</source>
        <translation>Cómo poner la &amp;música</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>&amp;Acerca de %1</translation>
    </message>
</context>
<context>
    <name>frmMainMenu</name>
    <message>
        <source>Main menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>a button: closes the game collection</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>The Main Menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>The Main Menu ... Thusfar</source>
        <extracomment>begins as &quot;The Main Menu&quot; does: that one is the shadow of this title</extracomment>
        <translation>Menú principal ... por ahora</translation>
    </message>
    <message>
        <source>     This is the start to a great collection of games.  These are the game we have made so far.  If you have any ideas on an addition to this, send them to us.</source>
        <translation>     Este es el comienzo de una gran colección de juegos.  Estos son los juegos que hemos hecho hasta ahora.  Si tienes alguna idea para añadir otro, envíanosla.</translation>
    </message>
    <message>
        <source>Send it to us at %1 </source>
        <translation>Envíanosla a %1 </translation>
    </message>
    <message>
        <source>Or visit us at   %1</source>
        <translation>O visítanos en   %1</translation>
    </message>
</context>
<context>
    <name>frmTicTacToe</name>
    <message>
        <source>Tic Tac Toe</source>
        <translation>Tres en raya</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The playing board, as a screen reader names it</extracomment>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>&amp;Main Menu</source>
        <translation>&amp;Menú principal</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Tus puntos</translation>
    </message>
    <message>
        <source>Grizzle&apos;s score</source>
        <translation>Puntos de Grizzle</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>The heading over the player&apos;s score</extracomment>
        <translation>Tú</translation>
    </message>
    <message>
        <source>Grizzle</source>
        <extracomment>The heading over the opponent&apos;s score</extracomment>
        <translation>Grizzle</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>What a free cell of the board holds</extracomment>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds, &quot;Top left, empty&quot; or &quot;Centre, O&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You win. Click okay to start a new game.</source>
        <translation>Has ganado. Pulsa Aceptar para empezar otra partida.</translation>
    </message>
    <message>
        <source>Grizzley wins. Click okay to start a new game.</source>
        <translation>Gana Grizzle. Pulsa Aceptar para empezar otra partida.</translation>
    </message>
    <message>
        <source>Cat&apos;s tail. Nobody wins. Click okay to start a new game.</source>
        <translation>Empate. Nadie gana. Pulsa Aceptar para empezar otra partida.</translation>
    </message>
    <message>
        <source>New game. %1, %2.</source>
        <extracomment>Said when the board is cleared: %1 and %2 are the two scores, &quot;Your score: 1&quot;</extracomment>
        <translation>Nueva partida. %1, %2.</translation>
    </message>
    <message>
        <source>Grizzle: %1.</source>
        <extracomment>Said when Grizzle plays: %1 is the cell, &quot;Centre, X&quot;</extracomment>
        <translation>Grizzle: %1.</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Te toca.</translation>
    </message>
</context>
<context>
    <name>frmWar</name>
    <message>
        <source>War</source>
        <extracomment>The card game&apos;s name, the screen&apos;s title.</extracomment>
        <translation>Guerra</translation>
    </message>
    <message>
        <source>And the winner is...</source>
        <translation>Y el ganador es...</translation>
    </message>
    <message>
        <source>Click on this picture.</source>
        <extracomment>Beside the player&apos;s pile, which plays a card when clicked.</extracomment>
        <translation>Pulsa esta imagen.</translation>
    </message>
    <message>
        <source>Grizzle&apos;s card</source>
        <translation>Carta de Grizzle</translation>
    </message>
    <message>
        <source>Your card</source>
        <translation>Tu carta</translation>
    </message>
    <message>
        <source>&amp;Deck Options</source>
        <translation>&amp;Opciones de la baraja</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>A button: deals the cards.</extracomment>
        <translation>&amp;Repartir</translation>
    </message>
    <message>
        <source>&amp;Main Menu</source>
        <extracomment>A button: leaves the game for the main menu.</extracomment>
        <translation>&amp;Menú principal</translation>
    </message>
    <message>
        <source>&amp;Click here to continue.</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message numerus="yes">
        <source>Your pile, %n cards</source>
        <translation>
            <numerusform>Tu montón, %n carta</numerusform>
            <numerusform>Tu montón, %n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>Your pile</source>
        <translation>Tu montón</translation>
    </message>
    <message numerus="yes">
        <source>Grizzle&apos;s pile, %n cards</source>
        <translation>
            <numerusform>Montón de Grizzle, %n carta</numerusform>
            <numerusform>Montón de Grizzle, %n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>Grizzle&apos;s pile</source>
        <translation>Montón de Grizzle</translation>
    </message>
    <message>
        <source>Grizzle plays %1.</source>
        <extracomment>%1 is a card&apos;s name, e.g. &quot;Queen of Hearts&quot;.</extracomment>
        <translation>Grizzle juega: %1.</translation>
    </message>
    <message>
        <source>You!</source>
        <extracomment>The round&apos;s winner, under &quot;And the winner is...&quot;: the player.</extracomment>
        <translation>¡Tú!</translation>
    </message>
    <message>
        <source>Grizzle!</source>
        <extracomment>The round&apos;s winner, under &quot;And the winner is...&quot;.</extracomment>
        <translation>¡Grizzle!</translation>
    </message>
    <message>
        <source>Both of you!</source>
        <extracomment>The round&apos;s result on equal cards, under &quot;And the winner is...&quot;.</extracomment>
        <translation>¡Los dos!</translation>
    </message>
    <message>
        <source>%1 %2 %3. %4.</source>
        <extracomment>Read after each round: %1 &quot;And the winner is...&quot;, %2 the winner (&quot;You!&quot;), %3 and %4 the two piles with their cards (&quot;Your pile, 30 cards&quot;).</extracomment>
        <translation>%1 %2 %3. %4.</translation>
    </message>
    <message>
        <source>Grizzle is out of cards, You win!</source>
        <translation>Grizzle se ha quedado sin cartas. ¡Has ganado!</translation>
    </message>
    <message>
        <source>You&apos;re out of cards, Grizzle wins!</source>
        <translation>Te has quedado sin cartas. ¡Gana Grizzle!</translation>
    </message>
    <message>
        <source>You play %1.</source>
        <extracomment>%1 is a card&apos;s name, e.g. &quot;Queen of Hearts&quot;.</extracomment>
        <translation>Juegas: %1.</translation>
    </message>
</context>
<context>
    <name>games</name>
    <message>
        <source>&amp;Fire &amp;&amp; Ice</source>
        <translation>&amp;Fuego y Hielo</translation>
    </message>
    <message>
        <source>&amp;War</source>
        <translation>&amp;Guerra</translation>
    </message>
    <message>
        <source>&amp;Tic Tac Toe</source>
        <translation>&amp;Tres en raya</translation>
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
        <translation>El menú principal</translation>
    </message>
    <message>
        <source>Keys</source>
        <extracomment>a heading: the keyboard&apos;s keys</extracomment>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>the title of the help page on the music</extracomment>
        <translation>Música</translation>
    </message>
    <message>
        <source>Choose a track, 1 to 6, under &lt;i&gt;%1&lt;/i&gt;.</source>
        <extracomment>%1 is the label over the track buttons, &quot;Track #&quot;.</extracomment>
        <translation>Elige una pista, del 1 al 6, bajo &lt;i&gt;%1&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab move between the controls. Space or Enter presses the one with the focus.</source>
        <translation>Tab y Mayús+Tab pasan de un control a otro. Espacio o Intro pulsa el que tiene el foco.</translation>
    </message>
    <message>
        <source>The size you choose is kept for next time.</source>
        <translation>El tamaño que elijas se guarda para la próxima vez.</translation>
    </message>
    <message>
        <source>In this help window, Tab moves to the links. Enter follows a link, and Alt+Left goes back.</source>
        <translation>En esta ventana de ayuda, Tab va a los enlaces. Intro abre un enlace, y Alt+Flecha izquierda vuelve atrás.</translation>
    </message>
    <message>
        <source>Choose a game on the main menu. Each page here tells you how to play it.</source>
        <translation>Elige un juego en el menú principal. Cada página de esta ayuda te explica cómo se juega.</translation>
    </message>
    <message>
        <source>The grey panel on the right plays &lt;a href=&quot;%1&quot;&gt;music&lt;/a&gt; beside every game.</source>
        <translation>El panel gris de la derecha pone &lt;a href=&quot;%1&quot;&gt;música&lt;/a&gt; junto a cada juego.</translation>
    </message>
    <message>
        <source>Press a game&apos;s button to play it.</source>
        <translation>Pulsa el botón de un juego para empezar a jugar.</translation>
    </message>
    <message>
        <source>In each game, &lt;b&gt;Main Menu&lt;/b&gt; brings you back here. The game you leave is not kept.</source>
        <translation>En cada juego, &lt;b&gt;Menú principal&lt;/b&gt; te trae de vuelta aquí. La partida que dejas no se guarda.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;, or File and Quit, closes %2 at once.</source>
        <extracomment>%1 is the main menu&apos;s Quit button, %2 the collection&apos;s name.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt;, o Archivo y Salir, cierra %2 enseguida.</translation>
    </message>
    <message>
        <source>The grey panel on the right is Grizzle&apos;s corner. It plays music beside every game. Six tunes come with %1.</source>
        <extracomment>%1 is the collection&apos;s name.</extracomment>
        <translation>El panel gris de la derecha es el rincón de Grizzle. Pone música junto a cada juego. %1 trae seis canciones.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;%1&lt;/b&gt; The track plays once, from the start.</source>
        <extracomment>%1 is the Play button&apos;s caption.</extracomment>
        <translation>Pulsa &lt;b&gt;%1&lt;/b&gt; La pista suena una vez, desde el principio.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; stops it.</source>
        <extracomment>%1 is the Stop button&apos;s caption.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt; la detiene.</translation>
    </message>
    <message>
        <source>Choosing another track changes nothing until you press Play again.</source>
        <translation>Si eliges otra pista, no cambia nada hasta que vuelvas a pulsar Poner música.</translation>
    </message>
    <message>
        <source>Play while music plays starts the chosen track from the start.</source>
        <translation>Si ya suena música, la pista elegida empieza desde el principio cuando pulsas Poner música.</translation>
    </message>
    <message>
        <source>The music goes on while you change games.</source>
        <translation>La música sigue sonando aunque cambies de juego.</translation>
    </message>
    <message>
        <source>Tab moves through Play, the six tracks and Stop. Space chooses the track with the focus.</source>
        <translation>Tab recorre Poner música, las seis pistas y Parar la música. Espacio elige la pista que tiene el foco.</translation>
    </message>
    <message>
        <source>No sound card, or no music files? The buttons still work, and all stays quiet.</source>
        <translation>¿No hay tarjeta de sonido o faltan los archivos de música? Los botones siguen funcionando, pero no suena nada.</translation>
    </message>
    <message>
        <source>Alt with a button&apos;s underlined letter presses that button. If a menu has the same letter, the button wins.</source>
        <translation>Alt con la letra subrayada de un botón pulsa ese botón. Si un menú tiene la misma letra, gana el botón.</translation>
    </message>
</context>
<context>
    <name>helpview</name>
    <message>
        <source>Goal</source>
        <extracomment>A heading of every game&apos;s help page: what the player tries to do.</extracomment>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>How to play</source>
        <extracomment>A heading of every game&apos;s help page.</extracomment>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>How Grizzle plays</source>
        <extracomment>A heading of every game&apos;s help page: what the computer opponent does.</extracomment>
        <translation>Cómo juega Grizzle</translation>
    </message>
    <message>
        <source>How it ends</source>
        <extracomment>A heading of every game&apos;s help page: how a game ends, and what then.</extracomment>
        <translation>Cómo termina</translation>
    </message>
    <message>
        <source>Buttons and keys</source>
        <extracomment>A heading of every game&apos;s help page: the screen&apos;s buttons and the keyboard&apos;s keys.</extracomment>
        <translation>Botones y teclas</translation>
    </message>
    <message>
        <source>Tips</source>
        <extracomment>A heading of every game&apos;s help page: advice for playing well.</extracomment>
        <translation>Consejos</translation>
    </message>
    <message>
        <source>F1 opens the help for the screen on show. Esc closes it again.</source>
        <extracomment>Keys as this language&apos;s keyboards name them.</extracomment>
        <translation>F1 abre la ayuda de la pantalla que estás viendo. Esc la vuelve a cerrar.</translation>
    </message>
    <message>
        <source>F10 opens the menus at the top of the window.</source>
        <translation>F10 abre los menús de la parte de arriba de la ventana.</translation>
    </message>
    <message>
        <source>Ctrl+Plus and Ctrl+Minus make everything bigger or smaller. Ctrl+0 goes back to the normal size.</source>
        <extracomment>Keys as this language&apos;s keyboards name them.</extracomment>
        <translation>Ctrl+Más y Ctrl+Menos hacen todo más grande o más pequeño. Ctrl+0 vuelve al tamaño normal.</translation>
    </message>
</context>
<context>
    <name>launch</name>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos;.</source>
        <translation>%1: %2 Prueba «%1 --help».</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are understood too.</source>
        <translation>También se entienden las opciones propias de Qt, como -platform y -display.</translation>
    </message>
    <message>
        <source>%1  (found here)</source>
        <translation>%1  (encontrados aquí)</translation>
    </message>
    <message>
        <source>music and sound: not found (see --help)</source>
        <translation>música y sonido: no encontrados (ver --help)</translation>
    </message>
    <message>
        <source>music and sound: %1</source>
        <translation>música y sonido: %1</translation>
    </message>
    <message>
        <source>%1 needs a display; without one, run it as: xvfb-run -a %2</source>
        <translation>%1 necesita una pantalla; sin pantalla, ejecútalo así: xvfb-run -a %2</translation>
    </message>
    <message>
        <source>%1 cannot find Qt&apos;s Wayland plugin (qt6-wayland) for the display %2.</source>
        <translation>%1 no encuentra el complemento de Wayland de Qt (qt6-wayland) para la pantalla %2.</translation>
    </message>
    <message>
        <source>%1 cannot find Qt&apos;s platform plugin &quot;%2&quot;.</source>
        <translation>%1 no encuentra el complemento de plataforma de Qt «%2».</translation>
    </message>
    <message>
        <source>%1 cannot reach the display %2; without one, run it as: xvfb-run -a %3</source>
        <translation>%1 no puede conectar con la pantalla %2; sin pantalla, ejecútalo así: xvfb-run -a %3</translation>
    </message>
    <message>
        <source>%1 cannot reach any of the displays %2; without one, run it as: xvfb-run -a %3</source>
        <extracomment>%2 lists the displays, such as &quot;:1, wayland-0&quot;</extracomment>
        <translation>%1 no puede conectar con ninguna de las pantallas %2; sin pantalla, ejecútalo así: xvfb-run -a %3</translation>
    </message>
    <message>
        <source>The music and the gunshot sound (1.mid to 6.mid, fire.wav) are looked for in:</source>
        <translation>La música y el sonido del disparo (1.mid a 6.mid, fire.wav) se buscan en:</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Games&apos; names in a list, &quot;War, Bingo&quot;: %1 is the list so far, %2 the next game.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last game&apos;s name in a list, &quot;War, Bingo and Fire &amp; Ice&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 against Grizzle.</source>
        <extracomment>What the game is: %1 lists its games, &quot;War, Bingo, Tic Tac Toe and Fire &amp; Ice&quot;.</extracomment>
        <translation>%1 contra Grizzle.</translation>
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
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Arriba en el centro</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>En medio a la izquierda</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>En el centro</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>En medio a la derecha</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Abajo en el centro</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Abajo a la derecha</translation>
    </message>
</context>
<context>
    <name>tictactoehelp</name>
    <message>
        <source>top left</source>
        <translation>arriba a la izquierda</translation>
    </message>
    <message>
        <source>top centre</source>
        <translation>arriba en el centro</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>arriba a la derecha</translation>
    </message>
    <message>
        <source>middle left</source>
        <translation>en medio a la izquierda</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>en el centro</translation>
    </message>
    <message>
        <source>middle right</source>
        <translation>en medio a la derecha</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>abajo a la izquierda</translation>
    </message>
    <message>
        <source>bottom centre</source>
        <translation>abajo en el centro</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>abajo a la derecha</translation>
    </message>
    <message>
        <source>the %1</source>
        <extracomment>One cell of the board, &quot;the centre&quot;</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>the %1 and %2</source>
        <extracomment>Two cells of the board, &quot;the top left and top centre&quot;</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>the %1, %2 and %3</source>
        <extracomment>Three cells of the board, &quot;the top left, top right and bottom right&quot;</extracomment>
        <translation>%1, %2 y %3</translation>
    </message>
    <message>
        <source>Tic Tac Toe</source>
        <translation>Tres en raya</translation>
    </message>
    <message>
        <source>Your O on %1 and Grizzle&apos;s X on %2. Grizzle blocks your row on %3.</source>
        <extracomment>%1, %2 and %3 are places on the board, &quot;the top left and top centre&quot;</extracomment>
        <translation>Tus O: %1. La X de Grizzle: %2. Grizzle bloquea tu fila poniendo su X %3.</translation>
    </message>
    <message>
        <source>Your O on %1 and Grizzle&apos;s X on %2. You have two lines to finish. Grizzle blocks on %3, and %4 wins for you.</source>
        <extracomment>%1 to %4 are places on the board, &quot;the top left and top centre&quot;</extracomment>
        <translation>Tus O: %1. Las X de Grizzle: %2. Tienes dos líneas por completar. Grizzle bloquea poniendo su X %3, y tú ganas poniendo tu O %4.</translation>
    </message>
    <message>
        <source>Grizzle only defends. It never tries to make a line of its own.</source>
        <translation>Grizzle solo se defiende. Nunca intenta hacer una línea suya.</translation>
    </message>
    <message>
        <source>Do you have two O in a line, with the third square free? Then Grizzle puts its X there.</source>
        <translation>¿Tienes dos O en una línea y la tercera casilla está libre? Entonces Grizzle pone su X ahí.</translation>
    </message>
    <message>
        <source>Grizzle checks the rows from the top first, then the columns from the left.</source>
        <translation>Grizzle mira primero las filas, empezando por arriba, y luego las columnas, empezando por la izquierda.</translation>
    </message>
    <message>
        <source>With nothing to block, Grizzle picks a free square at random.</source>
        <translation>Si no hay nada que bloquear, Grizzle elige una casilla libre al azar.</translation>
    </message>
    <message>
        <source>So if you make two lines at once, Grizzle blocks only one. The other one wins for you.</source>
        <translation>Así que, si preparas dos líneas a la vez, Grizzle solo bloquea una. Con la otra ganas tú.</translation>
    </message>
    <message>
        <source>Click a free square to put your O there. Grizzle answers at once.</source>
        <translation>Haz clic en una casilla libre para poner tu O. Grizzle responde enseguida.</translation>
    </message>
    <message>
        <source>You make the first move when you arrive and after &lt;b&gt;Restart&lt;/b&gt;.</source>
        <translation>Empiezas tú cuando llegas y después de &lt;b&gt;Reiniciar&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Three in a row, in a column or on a diagonal win the game.</source>
        <translation>Tres en una fila, en una columna o en una diagonal ganan la partida.</translation>
    </message>
    <message>
        <source>A game ends with three in a line, or when the board is full.</source>
        <translation>Una partida termina cuando hay tres en línea o cuando el tablero está lleno.</translation>
    </message>
    <message>
        <source>A message says &lt;i&gt;You win.&lt;/i&gt;, &lt;i&gt;Grizzley wins.&lt;/i&gt; or, for a full board, &lt;i&gt;Cat&apos;s tail. Nobody wins.&lt;/i&gt;</source>
        <translation>Un mensaje dice &lt;i&gt;Has ganado.&lt;/i&gt;, &lt;i&gt;Gana Grizzle.&lt;/i&gt; o, si el tablero está lleno, &lt;i&gt;Empate. Nadie gana.&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Press OK. The board is cleared, and the winner&apos;s score goes up by one.</source>
        <translation>Pulsa Aceptar. El tablero se vacía, y el ganador suma un punto.</translation>
    </message>
    <message>
        <source>Did the game end on your move? Then Grizzle starts the next game at once.</source>
        <translation>¿Terminó la partida con tu jugada? Entonces Grizzle empieza la siguiente enseguida.</translation>
    </message>
    <message>
        <source>Did it end on Grizzle&apos;s move? Then you start.</source>
        <translation>¿Terminó con la jugada de Grizzle? Entonces empiezas tú.</translation>
    </message>
    <message>
        <source>There is no last game. Play as long as you like.</source>
        <translation>No hay una última partida. Juega todo lo que quieras.</translation>
    </message>
    <message>
        <source>Tab takes you to the board. The arrow keys move between the squares. Space or Enter puts your O.</source>
        <extracomment>Alt+R and the other keys as this language&apos;s keyboards name them, with the buttons&apos; access keys.</extracomment>
        <translation>Tab te lleva al tablero. Con las flechas pasas de una casilla a otra. Espacio o Intro pone tu O.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt;, or Alt+R, clears the board. The scores stay, and you move first.</source>
        <translation>&lt;b&gt;Reiniciar&lt;/b&gt;, o Alt+R, vacía el tablero. Los puntos se quedan como están, y empiezas tú.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt;, or Alt+M, leaves Tic Tac Toe. Next time the scores start at 0.</source>
        <translation>&lt;b&gt;Menú principal&lt;/b&gt;, o Alt+M, sale de Tres en raya. La próxima vez, los puntos empiezan en 0.</translation>
    </message>
    <message>
        <source>Set up two lines at once. Grizzle can block only one of them.</source>
        <translation>Prepara dos líneas a la vez. Grizzle solo puede bloquear una.</translation>
    </message>
    <message>
        <source>The centre is part of four lines, and each corner of three. They make good first moves.</source>
        <translation>El centro forma parte de cuatro líneas, y cada esquina, de tres. Son buenas casillas para empezar.</translation>
    </message>
    <message>
        <source>Get three O in a line before Grizzle gets three X.</source>
        <translation>Pon tres O en línea antes de que Grizzle ponga tres X.</translation>
    </message>
    <message>
        <source>Then it checks the two diagonals, the one from the top left first.</source>
        <translation>Después mira las dos diagonales, primero la que empieza arriba a la izquierda.</translation>
    </message>
    <message>
        <source>You play O and Grizzle plays X. The board has three by three squares.</source>
        <translation>Tú juegas con O y Grizzle, con X. El tablero tiene tres por tres casillas.</translation>
    </message>
    <message>
        <source>Grizzle does not try to win. Still, a random X can make a line. Keep an eye on its X.</source>
        <translation>Grizzle no intenta ganar. Aun así, una X puesta al azar puede hacer línea. No pierdas de vista sus X.</translation>
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
        <translation>Tú</translation>
    </message>
    <message>
        <source>War</source>
        <extracomment>The help page&apos;s title: the card game&apos;s name.</extracomment>
        <translation>Guerra</translation>
    </message>
    <message>
        <source>Grizzle&apos;s %1 and your %2. The Queen is higher, so you take both cards.</source>
        <extracomment>%1 and %2 are cards&apos; names, e.g. &quot;9 of Clubs&quot; and &quot;Queen of Hearts&quot;.</extracomment>
        <translation>Carta de Grizzle: %1. Tu carta: %2. La reina es más alta, así que te llevas las dos cartas.</translation>
    </message>
    <message>
        <source>Grizzle&apos;s %1 and your %2. A tie, so each seven goes back to its hand.</source>
        <extracomment>%1 and %2 are cards&apos; names, e.g. &quot;7 of Spades&quot; and &quot;7 of Hearts&quot;.</extracomment>
        <translation>Carta de Grizzle: %1. Tu carta: %2. Hay empate, así que cada siete vuelve a su mano.</translation>
    </message>
    <message>
        <source>The deck has %1 cards, from the 2 to the King. There are no aces.</source>
        <extracomment>%1 is the number of cards in War&apos;s deck.</extracomment>
        <translation>La baraja tiene %1 cartas, del 2 al rey. No hay ases.</translation>
    </message>
    <message>
        <source>The King is the highest card and the 2 the lowest. Suits do not count.</source>
        <translation>El rey es la carta más alta, y el 2, la más baja. Los palos no cuentan.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Start&lt;/b&gt;. The cards are dealt, and Grizzle plays first.</source>
        <translation>Pulsa &lt;b&gt;Repartir&lt;/b&gt;. Se reparten las cartas, y Grizzle juega primero.</translation>
    </message>
    <message>
        <source>Grizzle&apos;s card slides out of its pile at the top left.</source>
        <translation>La carta de Grizzle sale deslizándose de su montón, arriba a la izquierda.</translation>
    </message>
    <message>
        <source>Click your pile at the bottom right, under &lt;i&gt;Click on this picture.&lt;/i&gt; Your card slides out.</source>
        <extracomment>&quot;Click on this picture.&quot; is the label beside the player&apos;s pile, as the screen shows it.</extracomment>
        <translation>Pulsa tu montón, abajo a la derecha, bajo &lt;i&gt;Pulsa esta imagen.&lt;/i&gt; Tu carta sale deslizándose.</translation>
    </message>
    <message>
        <source>The higher card wins. The winner takes both cards.</source>
        <translation>Gana la carta más alta. El ganador se lleva las dos cartas.</translation>
    </message>
    <message>
        <source>Under &lt;i&gt;And the winner is...&lt;/i&gt; you read &lt;b&gt;You!&lt;/b&gt;, &lt;b&gt;Grizzle!&lt;/b&gt; or &lt;b&gt;Both of you!&lt;/b&gt;</source>
        <extracomment>The labels as the screen shows them.</extracomment>
        <translation>Bajo &lt;i&gt;Y el ganador es...&lt;/i&gt; aparece &lt;b&gt;¡Tú!&lt;/b&gt;, &lt;b&gt;¡Grizzle!&lt;/b&gt; o &lt;b&gt;¡Los dos!&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Click here to continue.&lt;/b&gt; for the next round.</source>
        <translation>Pulsa &lt;b&gt;Continuar&lt;/b&gt; para jugar la siguiente ronda.</translation>
    </message>
    <message>
        <source>Cards you win go into your hand. They can come up again in the very next round.</source>
        <translation>Las cartas que ganas van a tu mano. Pueden volver a salir ya en la ronda siguiente.</translation>
    </message>
    <message>
        <source>The deal is not even. Grizzle gets %1 cards at most, usually about 20. You get all the others.</source>
        <extracomment>%1 is the number of cards Grizzle is dealt at most.</extracomment>
        <translation>Las cartas no se reparten a partes iguales. Grizzle recibe %1 cartas como mucho, normalmente unas 20. Tú recibes todas las demás.</translation>
    </message>
    <message>
        <source>Grizzle does not choose. Its next card is picked at random from its hand. So is yours.</source>
        <translation>Grizzle no elige. Su siguiente carta sale al azar de su mano. Y la tuya, también.</translation>
    </message>
    <message>
        <source>The game is over when one side has no cards left.</source>
        <translation>La partida termina cuando uno de los dos se queda sin cartas.</translation>
    </message>
    <message>
        <source>A message says &lt;i&gt;Grizzle is out of cards, You win!&lt;/i&gt; or &lt;i&gt;You&apos;re out of cards, Grizzle wins!&lt;/i&gt;</source>
        <translation>Un mensaje dice &lt;i&gt;Grizzle se ha quedado sin cartas. ¡Has ganado!&lt;/i&gt; o &lt;i&gt;Te has quedado sin cartas. ¡Gana Grizzle!&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Press OK, and Corvane&apos;s Cardovia closes.</source>
        <translation>Pulsa Aceptar, y Corvane&apos;s Cardovia se cierra.</translation>
    </message>
    <message>
        <source>But a game often goes on until you leave it. A King can only win or tie, so it never leaves its hand.</source>
        <translation>Pero muchas veces la partida sigue hasta que la dejas tú. Un rey solo puede ganar o empatar, así que nunca cambia de mano.</translation>
    </message>
    <message>
        <source>Both sides usually hold a King, so neither runs out. Press &lt;b&gt;Main Menu&lt;/b&gt; when you have had enough.</source>
        <translation>Casi siempre los dos tenéis algún rey, así que ninguno se queda sin cartas. Pulsa &lt;b&gt;Menú principal&lt;/b&gt; cuando te canses.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start&lt;/b&gt;, or Alt+S, deals the cards. It works once each time you open War.</source>
        <extracomment>Alt+S and the other keys as this language&apos;s keyboards name them, with the buttons&apos; access keys.</extracomment>
        <translation>&lt;b&gt;Repartir&lt;/b&gt;, o Alt+R, reparte las cartas. Solo funciona una vez cada vez que abres Guerra.</translation>
    </message>
    <message>
        <source>Tab moves between your pile, the buttons and the cards. Space or Enter plays your card or presses a button.</source>
        <translation>Tab te lleva de tu montón a los botones y a las cartas. Espacio o Intro juega tu carta o pulsa un botón.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Click here to continue.&lt;/b&gt;, or Alt+C, starts the next round.</source>
        <translation>&lt;b&gt;Continuar&lt;/b&gt;, o Alt+C, empieza la siguiente ronda.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Deck Options&lt;/b&gt;, or Alt+D, changes the back of the cards at any time. Choose one and press &lt;b&gt;Okay&lt;/b&gt;, or Alt+O.</source>
        <translation>&lt;b&gt;Opciones de la baraja&lt;/b&gt;, o Alt+O, cambia el reverso de las cartas cuando quieras. Elige uno y pulsa &lt;b&gt;Aceptar&lt;/b&gt;, o Alt+E.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt;, or Alt+M, leaves War once the cards are dealt. The game is not kept.</source>
        <translation>&lt;b&gt;Menú principal&lt;/b&gt;, o Alt+M, sale de Guerra una vez repartidas las cartas. La partida no se guarda.</translation>
    </message>
    <message>
        <source>War is all luck, so sit back and enjoy the rounds.</source>
        <translation>En Guerra todo es suerte, así que relájate y disfruta de las rondas.</translation>
    </message>
    <message>
        <source>Space alone is enough to play. It plays your card, then goes on to the next round.</source>
        <translation>Para jugar, te basta con Espacio. Juega tu carta y luego pasa a la siguiente ronda.</translation>
    </message>
    <message>
        <source>The back you choose in Deck Options stays until Corvane&apos;s Cardovia closes.</source>
        <translation>El reverso que elijas en Opciones de la baraja dura hasta que cierres Corvane&apos;s Cardovia.</translation>
    </message>
    <message>
        <source>Win all of Grizzle&apos;s cards, one round at a time.</source>
        <translation>Gánale todas las cartas a Grizzle, ronda a ronda.</translation>
    </message>
    <message>
        <source>If both cards are equal, each goes back to its own hand.</source>
        <translation>Si las dos cartas son iguales, cada una vuelve a su mano.</translation>
    </message>
</context>
</TS>
