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
        <source>%1: every cell of the card, the free space too.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;Blackout Bingo&quot;</extracomment>
        <translation>%1: todas las casillas del cartón, también la casilla libre.</translation>
    </message>
    <message>
        <source>%1: both diagonals; the free space between them is not needed.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;X-out Bingo&quot;</extracomment>
        <translation>%1: las dos diagonales; la casilla libre del medio no hace falta.</translation>
    </message>
    <message>
        <source>%1: the four corners.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;4 Corners Bingo&quot;</extracomment>
        <translation>%1: las cuatro esquinas.</translation>
    </message>
    <message>
        <source>%1: a goal post: the outer cells of the top two rows, the whole middle row with the free space, and the middle cells of the bottom two rows.</source>
        <extracomment>%1 is the pattern&apos;s name, &quot;Field Goal Bingo&quot;</extracomment>
        <translation>%1: una portería: las casillas de los lados de las dos filas de arriba, toda la fila del medio con la casilla libre y las casillas del centro de las dos filas de abajo.</translation>
    </message>
    <message>
        <source>You and Grizzle each have a card of %1 cells. Balls are called one at a time; whoever is first to complete the pattern in play wins. Grizzle&apos;s card is on the left, yours on the right.</source>
        <translation>Tú y Grizzle tenéis un cartón de %1 casillas cada uno. Las bolas se cantan de una en una; quien complete primero la figura en juego gana. El cartón de Grizzle está a la izquierda y el tuyo a la derecha.</translation>
    </message>
    <message>
        <source>The cards</source>
        <translation>Los cartones</translation>
    </message>
    <message>
        <source>Column B holds numbers from 1 to 15, I from 16 to 30, N from 31 to 45, G from 46 to 60 and O from 61 to 75. The centre is the free space, %1, marked from the start.</source>
        <extracomment>%1 is what the free space shows, &quot;FS&quot;</extracomment>
        <translation>La columna B tiene números del 1 al 15, la I del 16 al 30, la N del 31 al 45, la G del 46 al 60 y la O del 61 al 75. En el centro está la casilla libre, %1, marcada desde el principio.</translation>
    </message>
    <message>
        <source>Starting a game</source>
        <translation>Empezar una partida</translation>
    </message>
    <message>
        <source>When you open Bingo, the options panel is up. Choose a pattern and the call speed, then press &lt;b&gt;Okay&lt;/b&gt;. The speed bar runs from &lt;i&gt;Faster&lt;/i&gt;, a ball every 2 seconds, to &lt;i&gt;Slower&lt;/i&gt;, one every 10 seconds.</source>
        <translation>Al abrir el Bingo aparece el panel de opciones. Elige una figura y la velocidad, y pulsa &lt;b&gt;Aceptar&lt;/b&gt;. La barra de velocidad va de &lt;i&gt;Rápido&lt;/i&gt;, una bola cada 2 segundos, a &lt;i&gt;Lento&lt;/i&gt;, una cada 10 segundos.</translation>
    </message>
    <message>
        <source>The patterns</source>
        <translation>Las figuras</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Each ball is shown on the big ball with its letter, such as B7. No ball is called twice in a game.</source>
        <translation>Cada bola aparece en la bola grande con su letra, por ejemplo B7. Ninguna bola sale dos veces en una partida.</translation>
    </message>
    <message>
        <source>Click a number on your card to mark it yellow; click it again to unmark it. From the keyboard, Tab to your card, move with the arrow keys and mark with Space or Enter.</source>
        <translation>Haz clic en un número de tu cartón para marcarlo en amarillo; vuelve a hacer clic para desmarcarlo. Con el teclado, ve a tu cartón con Tab, muévete con las flechas y marca con Espacio o Intro.</translation>
    </message>
    <message>
        <source>The game trusts your marks and never checks them against the balls called: mark only the numbers you have heard.</source>
        <translation>El juego se fía de tus marcas y nunca las compara con las bolas que han salido: marca solo los números que has oído.</translation>
    </message>
    <message>
        <source>Grizzle marks its own card: about once a second it looks at the ball on show and marks it if its card has that number.</source>
        <translation>Grizzle marca su propio cartón: más o menos una vez por segundo mira la bola que se ve y la marca si su cartón tiene ese número.</translation>
    </message>
    <message>
        <source>Calling Bingo</source>
        <translation>Cantar bingo</translation>
    </message>
    <message>
        <source>When your card shows the pattern, press &lt;b&gt;B I N G O&lt;/b&gt;, and you win. A complete card does not win by itself: only the button claims it. Press it without the pattern, and Grizzle calls it cheating: the game starts over with new cards.</source>
        <translation>Cuando tu cartón muestre la figura, pulsa &lt;b&gt;B I N G O&lt;/b&gt; y ganas. Un cartón completo no gana solo: solo el botón canta el bingo. Si lo pulsas sin tener la figura, Grizzle dice que es trampa: la partida empieza de nuevo con cartones nuevos.</translation>
    </message>
    <message>
        <source>Grizzle needs no button: it wins as soon as its card shows the pattern.</source>
        <translation>Grizzle no necesita botón: gana en cuanto su cartón muestra la figura.</translation>
    </message>
    <message>
        <source>Blackout and Field Goal need the free space. If you unmark it, mark it again before you claim.</source>
        <translation>Cartón lleno y Portería necesitan la casilla libre. Si la desmarcas, vuelve a marcarla antes de cantar bingo.</translation>
    </message>
    <message>
        <source>After a win, pressing OK deals new cards and the game waits: press &lt;b&gt;Restart&lt;/b&gt; to play again.</source>
        <translation>Después de ganar, al pulsar Aceptar se reparten cartones nuevos y la partida espera: pulsa &lt;b&gt;Reiniciar&lt;/b&gt; para volver a jugar.</translation>
    </message>
    <message>
        <source>The buttons</source>
        <translation>Los botones</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt; deals new cards and calls the first ball at once, with the same pattern.</source>
        <translation>&lt;b&gt;Reiniciar&lt;/b&gt; reparte cartones nuevos y canta enseguida la primera bola, con la misma figura.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt; pauses the game and shows the panel. &lt;b&gt;Okay&lt;/b&gt; starts a new game with the pattern chosen; &lt;b&gt;Cancel&lt;/b&gt; goes back to the same game, with its pattern. A new speed counts at once, even after Cancel.</source>
        <translation>&lt;b&gt;Opciones&lt;/b&gt; pausa la partida y muestra el panel. &lt;b&gt;Aceptar&lt;/b&gt; empieza una partida nueva con la figura elegida; &lt;b&gt;Cancelar&lt;/b&gt; vuelve a la misma partida, con su figura. Una velocidad nueva cuenta enseguida, incluso después de Cancelar.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt; leaves Bingo; the game is not kept.</source>
        <translation>&lt;b&gt;Menú principal&lt;/b&gt; sale del Bingo; la partida no se guarda.</translation>
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
        <source>Fire wins on %1, the red suits; Ice on %2, the black ones.</source>
        <extracomment>%1 and %2 are suits&apos; names in running text, &quot;hearts and diamonds&quot;.</extracomment>
        <translation>Fuego gana con %1, los palos rojos; Hielo con %2, los negros.</translation>
    </message>
    <message>
        <source>One card, shuffled from the whole pack of %1, aces included, slides back and forth across the screen. Call its colour: &lt;b&gt;Fire&lt;/b&gt; for a red card, %2, or &lt;b&gt;Ice&lt;/b&gt; for a black one, %3.</source>
        <extracomment>%1 is the number of cards in a pack; %2 and %3 are suits&apos; names in running text, &quot;hearts and diamonds&quot;.</extracomment>
        <translation>Una carta, sacada de la baraja completa de %1, ases incluidos, se desliza de un lado a otro de la pantalla. Di su color: &lt;b&gt;Fuego&lt;/b&gt; para una carta roja, %2, o &lt;b&gt;Hielo&lt;/b&gt; para una negra, %3.</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Shuffle Those Card!&lt;/b&gt;, and a new card starts to slide. While it moves, press &lt;b&gt;Fire&lt;/b&gt; or &lt;b&gt;Ice&lt;/b&gt;. You have one call for each card, and the card stops after it.</source>
        <translation>Pulsa &lt;b&gt;¡Baraja las cartas!&lt;/b&gt; y una carta nueva empieza a deslizarse. Mientras se mueve, pulsa &lt;b&gt;Fuego&lt;/b&gt; o &lt;b&gt;Hielo&lt;/b&gt;. Tienes una sola elección por carta, y después la carta se detiene.</translation>
    </message>
    <message>
        <source>What happens then</source>
        <translation>Qué pasa después</translation>
    </message>
    <message>
        <source>Fire on a red card: a fire sound, and a gunman turns up somewhere on the screen.</source>
        <translation>Fuego con una carta roja: suena el fuego y aparece un pistolero en algún lugar de la pantalla.</translation>
    </message>
    <message>
        <source>Ice on a black card: Grizzle taunts you: &lt;i&gt;You got lucky punk, Try again, I dare you.&lt;/i&gt;</source>
        <translation>Hielo con una carta negra: Grizzle se burla de ti: &lt;i&gt;Has tenido suerte, listillo. Inténtalo otra vez, si te atreves.&lt;/i&gt;</translation>
    </message>
    <message>
        <source>A wrong call, Fire or Ice: &lt;i&gt;Ya big liar!&lt;/i&gt;</source>
        <translation>Una elección equivocada, Fuego o Hielo: &lt;i&gt;¡Pero qué mentiroso!&lt;/i&gt;</translation>
    </message>
    <message>
        <source>There is no score and no end: shuffle as often as you like, and press &lt;b&gt;Main Menu&lt;/b&gt; to leave.</source>
        <translation>No hay puntos ni final: baraja todas las veces que quieras y pulsa &lt;b&gt;Menú principal&lt;/b&gt; para salir.</translation>
    </message>
    <message>
        <source>On this screen Alt+F calls Fire and takes that key from the File menu; F10 still opens the menus. After a shuffle the keyboard is on Fire, and after a call on Shuffle.</source>
        <extracomment>Alt+F follows the Fire button&apos;s access key; name the keys as this language&apos;s keyboard does.</extracomment>
        <translation>En esta pantalla, Alt+F elige Fuego; F10 abre los menús. Después de barajar, el teclado está en Fuego, y después de elegir, en Baraja las cartas.</translation>
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
        <translation>Nota: Aceptar hace empezar la partida de nuevo.</translation>
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
        <translation>&amp;Aceptar</translation>
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
        <translation>%1, marcado</translation>
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
        <translation>Reverso:</translation>
    </message>
    <message>
        <source>Card Type</source>
        <translation>Reverso</translation>
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
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>frmGrizzley</name>
    <message>
        <source>Opponent</source>
        <extracomment>the name of the panel beside every game</extracomment>
        <translation>Oponente</translation>
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
        <translation>La carta de Grizzle</translation>
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
            <numerusform>El montón de Grizzle, %n carta</numerusform>
            <numerusform>El montón de Grizzle, %n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>Grizzle&apos;s pile</source>
        <translation>El montón de Grizzle</translation>
    </message>
    <message>
        <source>Grizzle plays %1.</source>
        <extracomment>%1 is a card&apos;s name, e.g. &quot;Queen of Hearts&quot;.</extracomment>
        <translation>Grizzle juega %1.</translation>
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
        <translation>Juegas %1.</translation>
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
        <source>%1 Choose a game on the main menu; each page here tells how it is played:</source>
        <translation>%1 Elige un juego en el menú principal; cada página de aquí explica cómo se juega:</translation>
    </message>
    <message>
        <source>The grey panel at the right stays beside every game and plays &lt;a href=&quot;%1&quot;&gt;music&lt;/a&gt;.</source>
        <translation>El panel gris de la derecha acompaña a cada juego y pone &lt;a href=&quot;%1&quot;&gt;música&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>The main menu</source>
        <translation>El menú principal</translation>
    </message>
    <message>
        <source>Press a game&apos;s button to play it. Each game&apos;s &lt;b&gt;Main Menu&lt;/b&gt; button brings you back here, and a game you leave is not kept. &lt;b&gt;%1&lt;/b&gt;, or File, Quit at any time, closes %2 at once.</source>
        <translation>Pulsa el botón de un juego para jugarlo. El botón &lt;b&gt;Menú principal&lt;/b&gt; de cada juego te trae de vuelta aquí, y un juego que dejas no se guarda. &lt;b&gt;%1&lt;/b&gt;, o Archivo, Salir en cualquier momento, cierra %2 enseguida.</translation>
    </message>
    <message>
        <source>Keys</source>
        <extracomment>a heading: the keyboard&apos;s keys</extracomment>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>F1 opens the help for the screen on show.</source>
        <translation>F1 abre la ayuda de la pantalla que se ve.</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab move between the controls; Space or Enter presses the one with the focus.</source>
        <translation>Tab y Mayús+Tab pasan de un control a otro; Espacio o Intro pulsa el que tiene el foco.</translation>
    </message>
    <message>
        <source>Alt and the underlined letter of a button press it. Where a button of the screen and a menu share a letter, the button has it; F10 opens the menus.</source>
        <translation>Alt y la letra subrayada de un botón lo pulsan. Si un botón de la pantalla y un menú comparten letra, gana el botón; F10 abre los menús.</translation>
    </message>
    <message>
        <source>Ctrl+Plus and Ctrl+Minus make the games larger or smaller, and this window with them; Ctrl+0 goes back to 100 %. The size you choose is kept for the next time.</source>
        <translation>Ctrl+Más y Ctrl+Menos hacen los juegos más grandes o más pequeños, y esta ventana con ellos; Ctrl+0 vuelve al 100 %. El tamaño que elijas se guarda para la próxima vez.</translation>
    </message>
    <message>
        <source>In this window, Tab moves between the list of pages and the links of a page, Enter follows a link, Alt+Left goes back, and Esc closes the window.</source>
        <translation>En esta ventana, Tab pasa de la lista de páginas a los enlaces de una página, Intro sigue un enlace, Alt+Izquierda vuelve atrás y Esc cierra la ventana.</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>the title of the help page on the music</extracomment>
        <translation>Música</translation>
    </message>
    <message>
        <source>The grey panel at the right of the window is Grizzle&apos;s corner, and it plays music beside every game. Six tunes come with %1.</source>
        <translation>El panel gris a la derecha de la ventana es el rincón de Grizzle, y pone música junto a cada juego. %1 trae seis melodías.</translation>
    </message>
    <message>
        <source>Choose a track, 1 to 6, under &lt;i&gt;%1&lt;/i&gt;.</source>
        <translation>Elige una pista, del 1 al 6, bajo &lt;i&gt;%1&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;%1&lt;/b&gt;: the track plays from its beginning, once.</source>
        <translation>Pulsa &lt;b&gt;%1&lt;/b&gt;: la pista suena una vez desde el principio.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; stops it. Choosing another track changes nothing until you press Play again, and Play while music plays starts the chosen track afresh. The music goes on while you change games.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; la detiene. Elegir otra pista no cambia nada hasta que vuelvas a pulsar Poner, y Poner mientras suena música empieza de nuevo la pista elegida. La música sigue cuando cambias de juego.</translation>
    </message>
    <message>
        <source>Tab moves through Play, the six tracks and Stop; Space chooses the track with the focus.</source>
        <translation>Tab recorre Poner, las seis pistas y Parar; Espacio elige la pista que tiene el foco.</translation>
    </message>
    <message>
        <source>Without a sound device, or without the music files, the buttons still work and all stays quiet.</source>
        <translation>Sin dispositivo de sonido o sin los archivos de música, los botones siguen funcionando y todo queda en silencio.</translation>
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
        <source>The music and the fire sound (1.mid to 6.mid, fire.wav) are looked for in:</source>
        <translation>La música y el sonido del fuego (1.mid a 6.mid, fire.wav) se buscan en:</translation>
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
        <source>find Qt&apos;s Wayland plugin (qt6-wayland) for the display %1</source>
        <extracomment>one of the things the game &quot;cannot&quot; do, put into &quot;%1 cannot %2.&quot;</extracomment>
        <translation>encontrar el complemento Wayland de Qt (qt6-wayland) para la pantalla %1</translation>
    </message>
    <message>
        <source>find Qt&apos;s platform plugin &quot;%1&quot;</source>
        <translation>encontrar el complemento de plataforma «%1» de Qt</translation>
    </message>
    <message>
        <source>reach the display %1</source>
        <extracomment>one of the things the game &quot;cannot&quot; do; %1 is one display, or several joined by &quot; or &quot;</extracomment>
        <translation>conectar con la pantalla %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>%1 needs a display; without one, run it as: xvfb-run -a %2</source>
        <translation>%1 necesita una pantalla; sin pantalla, ejecútalo así: xvfb-run -a %2</translation>
    </message>
    <message>
        <source>, nor </source>
        <extracomment>between two things the game cannot do: &quot;reach the display :1, nor find Qt&apos;s platform plugin&quot;</extracomment>
        <translation>, ni </translation>
    </message>
    <message>
        <source>%1 cannot %2.</source>
        <extracomment>%2 is one or more things the game cannot do, such as: find Qt&apos;s platform plugin &quot;xcb&quot;</extracomment>
        <translation>%1 no puede %2.</translation>
    </message>
    <message>
        <source>%1 cannot %2; without one, run it as: xvfb-run -a %3</source>
        <extracomment>%2 is one or more things the game cannot do, such as: reach the display :1</extracomment>
        <translation>%1 no puede %2; sin pantalla, ejecútalo así: xvfb-run -a %3</translation>
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
        <source>Your O on %1, Grizzle&apos;s first X on %2: it blocks your row with its X on %3.</source>
        <extracomment>%1, %2 and %3 are places on the board, &quot;the top left and top centre&quot;</extracomment>
        <translation>Tus O están %1 y la primera X de Grizzle está %2: bloquea tu fila con su X %3.</translation>
    </message>
    <message>
        <source>Your O on %1, Grizzle&apos;s X on %2: you threaten two lines, Grizzle blocks the one it looks at first with its X on %3, and %4 wins for you.</source>
        <extracomment>%1 to %4 are places on the board, &quot;the top left and top centre&quot;</extracomment>
        <translation>Tus O están %1 y las X de Grizzle están %2: amenazas dos líneas, Grizzle bloquea la que mira primero con su X %3, y una O %4 te da la victoria.</translation>
    </message>
    <message>
        <source>You play O and Grizzle plays X on a board of three by three. Three of one kind in a row, a column or a diagonal win.</source>
        <translation>Tú juegas con O y Grizzle con X en un tablero de tres por tres. Tres iguales en una fila, una columna o una diagonal ganan.</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Click a free square to put your O there, or Tab to the board, move with the arrow keys and press Space or Enter. Grizzle answers at once. You make the first move when you arrive and after &lt;b&gt;Restart&lt;/b&gt;.</source>
        <translation>Haz clic en una casilla libre para poner tu O, o ve al tablero con Tab, muévete con las flechas y pulsa Espacio o Intro. Grizzle contesta enseguida. Tú haces la primera jugada al llegar y después de &lt;b&gt;Reiniciar&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>How Grizzle plays</source>
        <translation>Cómo juega Grizzle</translation>
    </message>
    <message>
        <source>Grizzle only defends. When you have two O in a line and its third square is free, Grizzle puts its X there. It looks at the lines in a fixed order (the rows from the top, the columns from the left, then the diagonal from the top left and the one from the top right) and blocks the first open pair it finds. With nothing to block, it plays a free square at random. It never looks for a line of its own, and completes one only by chance.</source>
        <translation>Grizzle solo se defiende. Cuando tienes dos O en una línea y su tercera casilla está libre, Grizzle pone allí su X. Mira las líneas en un orden fijo (las filas desde arriba, las columnas desde la izquierda, luego la diagonal que empieza arriba a la izquierda y la que empieza arriba a la derecha) y bloquea la primera pareja abierta que encuentra. Si no hay nada que bloquear, juega una casilla libre al azar. Nunca busca una línea propia, y solo completa una por casualidad.</translation>
    </message>
    <message>
        <source>So when you threaten two lines at once, Grizzle blocks one, and the other is yours.</source>
        <translation>Así que, cuando amenazas dos líneas a la vez, Grizzle bloquea una y la otra es tuya.</translation>
    </message>
    <message>
        <source>The end of a game</source>
        <translation>El final de una partida</translation>
    </message>
    <message>
        <source>A message says how it went: &lt;i&gt;You win.&lt;/i&gt;, &lt;i&gt;Grizzley wins.&lt;/i&gt;, or, when the board is full without a line, &lt;i&gt;Cat&apos;s tail. Nobody wins.&lt;/i&gt; Press OK: the board is cleared, and a win adds one to the winner&apos;s score under its name.</source>
        <translation>Un mensaje dice cómo ha ido: &lt;i&gt;Has ganado.&lt;/i&gt;, &lt;i&gt;Gana Grizzle.&lt;/i&gt; o, cuando el tablero está lleno sin ninguna línea, &lt;i&gt;Empate. Nadie gana.&lt;/i&gt; Pulsa Aceptar: el tablero se vacía, y una victoria suma un punto al ganador, bajo su nombre.</translation>
    </message>
    <message>
        <source>If the game ended on your move, a win or a board you filled, Grizzle opens the next game at once. If it ended on Grizzle&apos;s move, the next first move is yours.</source>
        <translation>Si la partida terminó con tu jugada, porque ganaste o llenaste el tablero, Grizzle empieza enseguida la siguiente. Si terminó con la jugada de Grizzle, la siguiente primera jugada es tuya.</translation>
    </message>
    <message>
        <source>The buttons</source>
        <translation>Los botones</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt; clears the board in the middle of a game and keeps the scores; the next move is yours.</source>
        <translation>&lt;b&gt;Reiniciar&lt;/b&gt; vacía el tablero en mitad de una partida y mantiene los puntos; la siguiente jugada es tuya.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt; leaves Tic Tac Toe. The scores count the games of one visit, so they start again from 0 next time.</source>
        <translation>&lt;b&gt;Menú principal&lt;/b&gt; sale del Tres en raya. Los puntos cuentan las partidas de una visita, así que la próxima vez empiezan otra vez desde 0.</translation>
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
        <source>Grizzle&apos;s %1 and your %2: the queen is higher, so both cards go into your hand.</source>
        <extracomment>%1 and %2 are cards&apos; names, e.g. &quot;9 of Clubs&quot; and &quot;Queen of Hearts&quot;.</extracomment>
        <translation>Grizzle: %1; tú: %2. La reina es más alta, así que las dos cartas van a tu mano.</translation>
    </message>
    <message>
        <source>Grizzle&apos;s %1 and your %2: both of you, so each seven goes back to its own hand.</source>
        <extracomment>%1 and %2 are cards&apos; names, e.g. &quot;7 of Spades&quot; and &quot;7 of Hearts&quot;.</extracomment>
        <translation>Grizzle: %1; tú: %2. Los dos: cada siete vuelve a su propia mano.</translation>
    </message>
    <message>
        <source>War is played against Grizzle with a deck of %1 cards: the 2 to the king in the four suits, without aces. The king is the highest card and the 2 the lowest; suits never count.</source>
        <translation>A la Guerra se juega contra Grizzle con una baraja de %1 cartas: del 2 al rey de los cuatro palos, sin ases. El rey es la carta más alta y el 2 la más baja; los palos nunca cuentan.</translation>
    </message>
    <message>
        <source>The deal</source>
        <translation>El reparto</translation>
    </message>
    <message>
        <source>Press &lt;b&gt;Start&lt;/b&gt;. Grizzle is dealt %1 cards drawn at random &lt;i&gt;with replacement&lt;/i&gt;: a card drawn twice counts once, so Grizzle starts with anything from 1 to %1 cards, about 20 on average. You get every card Grizzle did not, so you usually start with more. The cards are dealt once on each visit to War.</source>
        <translation>Pulsa &lt;b&gt;Repartir&lt;/b&gt;. A Grizzle le tocan %1 cartas sacadas al azar &lt;i&gt;con reemplazo&lt;/i&gt;: una carta sacada dos veces cuenta una sola vez, así que Grizzle empieza con entre 1 y %1 cartas, unas 20 de media. Tú recibes todas las cartas que Grizzle no tiene, así que casi siempre empiezas con más. Las cartas se reparten una vez cada vez que entras en Guerra.</translation>
    </message>
    <message>
        <source>A round</source>
        <translation>Una ronda</translation>
    </message>
    <message>
        <source>Grizzle&apos;s card slides out of its pile at the top left, face up.</source>
        <translation>La carta de Grizzle sale de su montón, arriba a la izquierda, boca arriba.</translation>
    </message>
    <message>
        <source>Click your pile at the bottom right, under &lt;i&gt;Click on this picture.&lt;/i&gt;, or press Space or Enter on it: a card taken at random from your hand slides out.</source>
        <translation>Haz clic en tu montón, abajo a la derecha, debajo de &lt;i&gt;Pulsa esta imagen.&lt;/i&gt;, o pulsa Espacio o Intro sobre él: sale una carta de tu mano al azar.</translation>
    </message>
    <message>
        <source>The higher card wins, and both cards go into the winner&apos;s hand. On equal values each card goes back to the hand it came from: there is no war to break the tie.</source>
        <translation>Gana la carta más alta, y las dos cartas van a la mano del ganador. Si valen lo mismo, cada carta vuelve a la mano de la que salió: no hay guerra para desempatar.</translation>
    </message>
    <message>
        <source>Under &lt;i&gt;And the winner is...&lt;/i&gt; you read &lt;b&gt;You!&lt;/b&gt;, &lt;b&gt;Grizzle!&lt;/b&gt; or &lt;b&gt;Both of you!&lt;/b&gt; Press &lt;b&gt;Click here to continue.&lt;/b&gt; for the next round.</source>
        <translation>Debajo de &lt;i&gt;Y el ganador es...&lt;/i&gt; lees &lt;b&gt;¡Tú!&lt;/b&gt;, &lt;b&gt;¡Grizzle!&lt;/b&gt; o &lt;b&gt;¡Los dos!&lt;/b&gt; Pulsa &lt;b&gt;Continuar&lt;/b&gt; para la siguiente ronda.</translation>
    </message>
    <message>
        <source>Cards you win go straight into your hand, and every card in a hand may come up again in the next round: each card is taken at random from the whole hand, not from the top of a pile.</source>
        <translation>Las cartas que ganas van directamente a tu mano, y cualquier carta de una mano puede volver a salir en la siguiente ronda: cada carta se saca al azar de toda la mano, no de lo alto de un montón.</translation>
    </message>
    <message>
        <source>How it ends</source>
        <translation>Cómo termina</translation>
    </message>
    <message>
        <source>The game ends when a side has no card left after a round. A message says &lt;i&gt;Grizzle is out of cards, You win!&lt;/i&gt; or &lt;i&gt;You&apos;re out of cards, Grizzle wins!&lt;/i&gt;, and when you press OK, Corvane&apos;s Cardovia closes.</source>
        <translation>La partida termina cuando a un jugador no le queda ninguna carta después de una ronda. Un mensaje dice &lt;i&gt;Grizzle se ha quedado sin cartas. ¡Has ganado!&lt;/i&gt; o &lt;i&gt;Te has quedado sin cartas. ¡Gana Grizzle!&lt;/i&gt;, y al pulsar Aceptar, Corvane&apos;s Cardovia se cierra.</translation>
    </message>
    <message>
        <source>A king never leaves the hand that holds it: it wins every round, or ties and goes home. So a side that was dealt a king can never run out, and when both of you hold one, as in most deals, the game has no end: leave it by &lt;b&gt;Main Menu&lt;/b&gt; when you have had enough.</source>
        <translation>Un rey nunca sale de la mano que lo tiene: gana todas las rondas, o empata y vuelve a casa. Así que quien recibió un rey nunca se queda sin cartas, y cuando los dos tenéis uno, como en la mayoría de los repartos, la partida no termina nunca: sal con &lt;b&gt;Menú principal&lt;/b&gt; cuando te canses.</translation>
    </message>
    <message>
        <source>The buttons</source>
        <translation>Los botones</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start&lt;/b&gt; deals and brings out Grizzle&apos;s first card.</source>
        <translation>&lt;b&gt;Repartir&lt;/b&gt; reparte las cartas y saca la primera carta de Grizzle.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Deck Options&lt;/b&gt; chooses the back of the cards: Mossgrave, Corvane, Corvane2, Saltwick or Emberjack. It can be opened at any time; the choice holds until Corvane&apos;s Cardovia closes.</source>
        <translation>&lt;b&gt;Opciones de la baraja&lt;/b&gt; elige el reverso de las cartas: Mossgrave, Corvane, Corvane2, Saltwick o Emberjack. Se puede abrir en cualquier momento; la elección se mantiene hasta que se cierra Corvane&apos;s Cardovia.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Main Menu&lt;/b&gt; leaves War once the cards are dealt; the game is not kept.</source>
        <translation>&lt;b&gt;Menú principal&lt;/b&gt; sale de Guerra una vez repartidas las cartas; la partida no se guarda.</translation>
    </message>
</context>
</TS>
