<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Copyright (C) 2026</source>
        <translation>Copyright (C) 2026</translation>
    </message>
    <message>
        <source>the Pexora developers</source>
        <translation>los desarrolladores de Pexora</translation>
    </message>
    <message>
        <source>A picture-matching memory game</source>
        <translation>Un juego de memoria con imágenes</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL,</source>
        <translation>Software libre bajo la GNU GPL,</translation>
    </message>
    <message>
        <source>version 3 or later; NO WARRANTY.</source>
        <translation>versión 3 o superior; SIN GARANTÍA.</translation>
    </message>
    <message>
        <source>More in Help &gt; Contents (F1)</source>
        <translation>Consulte Ayuda &gt; Contenido (F1)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>%1, version %2</source>
        <translation>%1, versión %2</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a un procedimiento no válida o argumento no válido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Índice fuera del intervalo</translation>
    </message>
    <message>
        <source>Error #: %1</source>
        <translation>Error n.º: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Error inesperado</translation>
    </message>
</context>
<context>
    <name>GameBoard</name>
    <message>
        <source>Out of play</source>
        <translation>Fuera del tablero</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Imagen %1</translation>
    </message>
    <message>
        <source>Row %1, column %2, removed</source>
        <translation>Fila %1, columna %2, retirada</translation>
    </message>
    <message>
        <source>Row %1, column %2, face up, %3</source>
        <translation>Fila %1, columna %2, boca arriba, %3</translation>
    </message>
    <message>
        <source>Row %1, column %2, face down</source>
        <translation>Fila %1, columna %2, boca abajo</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Pexora Help</source>
        <translation>Ayuda de Pexora</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Inicio</translation>
    </message>
    <message>
        <source>Type a word to find</source>
        <translation>Palabra que buscar</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>(no file name)</source>
        <translation>(sin nombre de archivo)</translation>
    </message>
    <message>
        <source>The help file cannot be read:
%1

It may be damaged. Pexora goes on without help; installing the game again restores the file.</source>
        <translation>No se puede leer el archivo de ayuda:
%1

Puede que esté dañado. Pexora continúa sin ayuda; al reinstalar el juego se restaura el archivo.</translation>
    </message>
    <message>
        <source>The help file was not found:
%1

Pexora goes on without help; installing the game again restores the file.</source>
        <translation>No se encontró el archivo de ayuda:
%1

Pexora continúa sin ayuda; al reinstalar el juego se restaura el archivo.</translation>
    </message>
    <message>
        <source>This help file has no topic &quot;%1&quot;.</source>
        <translation>Este archivo de ayuda no tiene el tema «%1».</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; cannot be read; the help file may be damaged.</source>
        <translation>No se puede leer el tema «%1»; puede que el archivo de ayuda esté dañado.</translation>
    </message>
    <message>
        <source>The help file cannot be read: the program that checks it first is missing:
%1

Pexora goes on without help; installing the game again restores it.</source>
        <translation>No se puede leer el archivo de ayuda: falta el programa que lo comprueba antes:
%1

Pexora continúa sin ayuda; al reinstalar el juego se restaura.</translation>
    </message>
    <message>
        <source>The help file may be damaged.</source>
        <translation>Puede que el archivo de ayuda esté dañado.</translation>
    </message>
    <message>
        <source>The contents cannot be read.</source>
        <translation>No se puede leer el contenido.</translation>
    </message>
    <message>
        <source>The index cannot be read.</source>
        <translation>No se puede leer el índice.</translation>
    </message>
    <message>
        <source>The first topic of this help file cannot be read; the help file may be damaged.</source>
        <translation>No se puede leer el primer tema de este archivo de ayuda; puede que el archivo esté dañado.</translation>
    </message>
    <message>
        <source>Checking the help file...</source>
        <translation>Comprobando el archivo de ayuda...</translation>
    </message>
    <message>
        <source>The help file in your language cannot be read; the help is shown in English.</source>
        <translation>No se puede leer el archivo de ayuda en su idioma; la ayuda se muestra en inglés.</translation>
    </message>
    <message>
        <source>The help is not available in your language; it is shown in English.</source>
        <translation>La ayuda no está disponible en su idioma; se muestra en inglés.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Jugador: %1</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>%1, es su turno</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Fin de la partida.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Empezar una partida nueva</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Ver los récords</translation>
    </message>
    <message>
        <source>Change Board Size</source>
        <translation>Cambiar el tamaño del tablero</translation>
    </message>
    <message>
        <source>Change Tile Color</source>
        <translation>Cambiar el color de las fichas</translation>
    </message>
    <message>
        <source>Change Image Category</source>
        <translation>Cambiar la categoría de imágenes</translation>
    </message>
    <message>
        <source>Change Level of Difficulty</source>
        <translation>Cambiar el nivel de dificultad</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Cambiar los jugadores</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Activar/desactivar sonidos</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Ver la información del programa</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Salir del juego</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Récords...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Boards</source>
        <translation>&amp;Tablero</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Color</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Imágenes</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>&amp;Nivel</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jugadores</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>Acuerdo de &amp;licencia</translation>
    </message>
    <message>
        <source>&amp;About Pexora...</source>
        <translation>&amp;Acerca de Pexora...</translation>
    </message>
    <message>
        <source>The player whose turn it is</source>
        <translation>El jugador al que le toca</translation>
    </message>
    <message>
        <source>Sets flipped by the player, or the player&apos;s matches in a two-player game</source>
        <translation>Jugadas del jugador o, en una partida de dos, sus aciertos</translation>
    </message>
    <message>
        <source>Seconds since the first tile of a one-player game was turned</source>
        <translation>Segundos desde que se volteó la primera ficha en una partida individual</translation>
    </message>
    <message numerus="yes">
        <source>Sets Flipped: %n</source>
        <translation>
            <numerusform>Jugadas: %n</numerusform>
            <numerusform>Jugadas: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Time: %n</source>
        <translation>
            <numerusform>Tiempo: %n</numerusform>
            <numerusform>Tiempo: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Matches: %n</source>
        <translation>
            <numerusform>Aciertos: %n</numerusform>
            <numerusform>Aciertos: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches for %1</source>
        <translation>
            <numerusform>%n acierto de %1</numerusform>
            <numerusform>%n aciertos de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Matches for %1: %n.</source>
        <translation>
            <numerusform>%1 tiene %n acierto.</numerusform>
            <numerusform>%1 tiene %n aciertos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Face up, %1.</source>
        <translation>Boca arriba: %1.</translation>
    </message>
    <message>
        <source>No match.</source>
        <translation>Sin acierto.</translation>
    </message>
    <message>
        <source>A match: %1.</source>
        <translation>Acierto: %1.</translation>
    </message>
    <message>
        <source>The set is turned face down.</source>
        <translation>Las fichas se vuelven boca abajo.</translation>
    </message>
    <message>
        <source>The rest of the set is turned face down.</source>
        <translation>Las demás fichas se vuelven boca abajo.</translation>
    </message>
    <message>
        <source>The board is clear. %1, %2.</source>
        <translation>El tablero está vacío: %1 en %2.</translation>
    </message>
    <message numerus="yes">
        <source>Sets turned: %n</source>
        <translation>
            <numerusform>%n jugada</numerusform>
            <numerusform>%n jugadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>seconds: %n</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Animals</source>
        <translation>Animales</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Edificios</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Oficina</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Comunicación</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Informática</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Banderas</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Hogar</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Plants</source>
        <translation>Plantas</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>Ciencia</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formas</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Señales</translation>
    </message>
    <message>
        <source>Sports</source>
        <translation>Deportes</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Match 2 Tiles</source>
        <translation>De 2 en 2</translation>
    </message>
    <message>
        <source>Match 3 Tiles</source>
        <translation>De 3 en 3</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Uno</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Boards</source>
        <translation>&amp;Tablero</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Color</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Imágenes</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>&amp;Nivel</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jugadores</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sonido</translation>
    </message>
</context>
<context>
    <name>PictureName</name>
    <message>
        <source>Elephant</source>
        <comment>ANIMAL1</comment>
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Lion</source>
        <comment>ANIMAL2</comment>
        <translation>León</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <comment>ANIMAL3</comment>
        <translation>Jirafa</translation>
    </message>
    <message>
        <source>Zebra</source>
        <comment>ANIMAL4</comment>
        <translation>Cebra</translation>
    </message>
    <message>
        <source>Penguin</source>
        <comment>ANIMAL5</comment>
        <translation>Pingüino</translation>
    </message>
    <message>
        <source>Frog</source>
        <comment>ANIMAL6</comment>
        <translation>Rana</translation>
    </message>
    <message>
        <source>Pig</source>
        <comment>ANIMAL7</comment>
        <translation>Cerdo</translation>
    </message>
    <message>
        <source>Cow</source>
        <comment>ANIMAL8</comment>
        <translation>Vaca</translation>
    </message>
    <message>
        <source>Monkey</source>
        <comment>ANIMAL9</comment>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Panda</source>
        <comment>ANIMAL10</comment>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Koala</source>
        <comment>ANIMAL11</comment>
        <translation>Koala</translation>
    </message>
    <message>
        <source>Tiger</source>
        <comment>ANIMAL12</comment>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>Fox</source>
        <comment>ANIMAL13</comment>
        <translation>Zorro</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <comment>ANIMAL14</comment>
        <translation>Conejo</translation>
    </message>
    <message>
        <source>Owl</source>
        <comment>ANIMAL15</comment>
        <translation>Búho</translation>
    </message>
    <message>
        <source>Turtle</source>
        <comment>ANIMAL16</comment>
        <translation>Tortuga</translation>
    </message>
    <message>
        <source>Snail</source>
        <comment>ANIMAL17</comment>
        <translation>Caracol</translation>
    </message>
    <message>
        <source>Octopus</source>
        <comment>ANIMAL18</comment>
        <translation>Pulpo</translation>
    </message>
    <message>
        <source>Crab</source>
        <comment>ANIMAL19</comment>
        <translation>Cangrejo</translation>
    </message>
    <message>
        <source>Whale</source>
        <comment>ANIMAL20</comment>
        <translation>Ballena</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <comment>ANIMAL21</comment>
        <translation>Pez tropical</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <comment>ANIMAL22</comment>
        <translation>Mariposa</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <comment>ANIMAL23</comment>
        <translation>Mariquita</translation>
    </message>
    <message>
        <source>Bee</source>
        <comment>ANIMAL24</comment>
        <translation>Abeja</translation>
    </message>
    <message>
        <source>Snake</source>
        <comment>ANIMAL25</comment>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <comment>ANIMAL26</comment>
        <translation>Cocodrilo</translation>
    </message>
    <message>
        <source>Camel</source>
        <comment>ANIMAL27</comment>
        <translation>Camello</translation>
    </message>
    <message>
        <source>Parrot</source>
        <comment>ANIMAL28</comment>
        <translation>Loro</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <comment>ANIMAL29</comment>
        <translation>Erizo</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <comment>ANIMAL30</comment>
        <translation>Flamenco</translation>
    </message>
    <message>
        <source>House</source>
        <comment>BUILDING1</comment>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Office tower</source>
        <comment>BUILDING2</comment>
        <translation>Edificio de oficinas</translation>
    </message>
    <message>
        <source>Hospital</source>
        <comment>BUILDING3</comment>
        <translation>Hospital</translation>
    </message>
    <message>
        <source>Bank</source>
        <comment>BUILDING4</comment>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Factory</source>
        <comment>BUILDING5</comment>
        <translation>Fábrica</translation>
    </message>
    <message>
        <source>Castle</source>
        <comment>BUILDING6</comment>
        <translation>Castillo</translation>
    </message>
    <message>
        <source>Pagoda castle</source>
        <comment>BUILDING7</comment>
        <translation>Castillo japonés</translation>
    </message>
    <message>
        <source>Church</source>
        <comment>BUILDING8</comment>
        <translation>Iglesia</translation>
    </message>
    <message>
        <source>Mosque</source>
        <comment>BUILDING9</comment>
        <translation>Mezquita</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <comment>BUILDING10</comment>
        <translation>Sinagoga</translation>
    </message>
    <message>
        <source>Hindu temple</source>
        <comment>BUILDING11</comment>
        <translation>Templo hindú</translation>
    </message>
    <message>
        <source>Classical temple</source>
        <comment>BUILDING12</comment>
        <translation>Templo clásico</translation>
    </message>
    <message>
        <source>Stadium</source>
        <comment>BUILDING13</comment>
        <translation>Estadio</translation>
    </message>
    <message>
        <source>Tent</source>
        <comment>BUILDING14</comment>
        <translation>Tienda de campaña</translation>
    </message>
    <message>
        <source>Hut</source>
        <comment>BUILDING15</comment>
        <translation>Cabaña</translation>
    </message>
    <message>
        <source>Statue of Liberty</source>
        <comment>BUILDING16</comment>
        <translation>Estatua de la Libertad</translation>
    </message>
    <message>
        <source>Radio tower</source>
        <comment>BUILDING17</comment>
        <translation>Torre de radio</translation>
    </message>
    <message>
        <source>Ferris wheel</source>
        <comment>BUILDING18</comment>
        <translation>Noria</translation>
    </message>
    <message>
        <source>Circus tent</source>
        <comment>BUILDING19</comment>
        <translation>Carpa de circo</translation>
    </message>
    <message>
        <source>Wedding chapel</source>
        <comment>BUILDING20</comment>
        <translation>Capilla de bodas</translation>
    </message>
    <message>
        <source>Fountain</source>
        <comment>BUILDING21</comment>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Old barn</source>
        <comment>BUILDING22</comment>
        <translation>Granero viejo</translation>
    </message>
    <message>
        <source>Shrine gate</source>
        <comment>BUILDING23</comment>
        <translation>Puerta sintoísta</translation>
    </message>
    <message>
        <source>Suspension bridge</source>
        <comment>BUILDING24</comment>
        <translation>Puente colgante</translation>
    </message>
    <message>
        <source>Kaaba</source>
        <comment>BUILDING25</comment>
        <translation>Kaaba</translation>
    </message>
    <message>
        <source>School</source>
        <comment>BUILDING26</comment>
        <translation>Escuela</translation>
    </message>
    <message>
        <source>Row of houses</source>
        <comment>BUILDING27</comment>
        <translation>Hilera de casas</translation>
    </message>
    <message>
        <source>Hotel</source>
        <comment>BUILDING28</comment>
        <translation>Hotel</translation>
    </message>
    <message>
        <source>Building site</source>
        <comment>BUILDING29</comment>
        <translation>Obra en construcción</translation>
    </message>
    <message>
        <source>Skyline</source>
        <comment>BUILDING30</comment>
        <translation>Perfil urbano</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <comment>BUSINESS1</comment>
        <translation>Maletín</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <comment>BUSINESS2</comment>
        <translation>Gráfico ascendente</translation>
    </message>
    <message>
        <source>Falling chart</source>
        <comment>BUSINESS3</comment>
        <translation>Gráfico descendente</translation>
    </message>
    <message>
        <source>Bar chart</source>
        <comment>BUSINESS4</comment>
        <translation>Gráfico de barras</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <comment>BUSINESS5</comment>
        <translation>Portapapeles</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment>BUSINESS6</comment>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Pushpin</source>
        <comment>BUSINESS7</comment>
        <translation>Chincheta</translation>
    </message>
    <message>
        <source>Paperclip</source>
        <comment>BUSINESS8</comment>
        <translation>Clip</translation>
    </message>
    <message>
        <source>Scissors</source>
        <comment>BUSINESS9</comment>
        <translation>Tijeras</translation>
    </message>
    <message>
        <source>File folder</source>
        <comment>BUSINESS10</comment>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Memo</source>
        <comment>BUSINESS11</comment>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Fountain pen</source>
        <comment>BUSINESS12</comment>
        <translation>Pluma estilográfica</translation>
    </message>
    <message>
        <source>Pencil</source>
        <comment>BUSINESS13</comment>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Ruler</source>
        <comment>BUSINESS14</comment>
        <translation>Regla</translation>
    </message>
    <message>
        <source>Set square</source>
        <comment>BUSINESS15</comment>
        <translation>Escuadra</translation>
    </message>
    <message>
        <source>Abacus</source>
        <comment>BUSINESS16</comment>
        <translation>Ábaco</translation>
    </message>
    <message>
        <source>Handshake</source>
        <comment>BUSINESS17</comment>
        <translation>Apretón de manos</translation>
    </message>
    <message>
        <source>Necktie</source>
        <comment>BUSINESS18</comment>
        <translation>Corbata</translation>
    </message>
    <message>
        <source>Card file box</source>
        <comment>BUSINESS19</comment>
        <translation>Fichero</translation>
    </message>
    <message>
        <source>Wastebasket</source>
        <comment>BUSINESS20</comment>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>Receipt</source>
        <comment>BUSINESS21</comment>
        <translation>Recibo</translation>
    </message>
    <message>
        <source>Ledger</source>
        <comment>BUSINESS22</comment>
        <translation>Libro de cuentas</translation>
    </message>
    <message>
        <source>Padlock</source>
        <comment>BUSINESS23</comment>
        <translation>Candado</translation>
    </message>
    <message>
        <source>Key</source>
        <comment>BUSINESS24</comment>
        <translation>Llave</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <comment>BUSINESS25</comment>
        <translation>Reloj de arena</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <comment>BUSINESS26</comment>
        <translation>Despertador</translation>
    </message>
    <message>
        <source>Price tag</source>
        <comment>BUSINESS27</comment>
        <translation>Etiqueta de precio</translation>
    </message>
    <message>
        <source>Parcel</source>
        <comment>BUSINESS28</comment>
        <translation>Paquete</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <comment>BUSINESS29</comment>
        <translation>Bombilla</translation>
    </message>
    <message>
        <source>Balance scale</source>
        <comment>BUSINESS30</comment>
        <translation>Balanza</translation>
    </message>
    <message>
        <source>Telephone</source>
        <comment>COMMUN1</comment>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Mobile phone</source>
        <comment>COMMUN2</comment>
        <translation>Teléfono móvil</translation>
    </message>
    <message>
        <source>Envelope</source>
        <comment>COMMUN3</comment>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <comment>COMMUN4</comment>
        <translation>Buzón</translation>
    </message>
    <message>
        <source>Postbox</source>
        <comment>COMMUN5</comment>
        <translation>Buzón de correos</translation>
    </message>
    <message>
        <source>Satellite dish</source>
        <comment>COMMUN6</comment>
        <translation>Antena parabólica</translation>
    </message>
    <message>
        <source>Satellite</source>
        <comment>COMMUN7</comment>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Radio</source>
        <comment>COMMUN8</comment>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Television</source>
        <comment>COMMUN9</comment>
        <translation>Televisión</translation>
    </message>
    <message>
        <source>Fax machine</source>
        <comment>COMMUN10</comment>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Pager</source>
        <comment>COMMUN11</comment>
        <translation>Busca</translation>
    </message>
    <message>
        <source>Megaphone</source>
        <comment>COMMUN12</comment>
        <translation>Megáfono</translation>
    </message>
    <message>
        <source>Microphone</source>
        <comment>COMMUN13</comment>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Headphones</source>
        <comment>COMMUN14</comment>
        <translation>Auriculares</translation>
    </message>
    <message>
        <source>Newspaper</source>
        <comment>COMMUN15</comment>
        <translation>Periódico</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <comment>COMMUN16</comment>
        <translation>Bocadillo</translation>
    </message>
    <message>
        <source>Love letter</source>
        <comment>COMMUN17</comment>
        <translation>Carta de amor</translation>
    </message>
    <message>
        <source>Post horn</source>
        <comment>COMMUN18</comment>
        <translation>Corneta de posta</translation>
    </message>
    <message>
        <source>Bell</source>
        <comment>COMMUN19</comment>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Telephone receiver</source>
        <comment>COMMUN20</comment>
        <translation>Auricular de teléfono</translation>
    </message>
    <message>
        <source>Globe with meridians</source>
        <comment>COMMUN21</comment>
        <translation>Globo terráqueo con meridianos</translation>
    </message>
    <message>
        <source>Video camera</source>
        <comment>COMMUN22</comment>
        <translation>Videocámara</translation>
    </message>
    <message>
        <source>Camera</source>
        <comment>COMMUN23</comment>
        <translation>Cámara de fotos</translation>
    </message>
    <message>
        <source>Signal bars</source>
        <comment>COMMUN24</comment>
        <translation>Barras de cobertura</translation>
    </message>
    <message>
        <source>Dove</source>
        <comment>COMMUN25</comment>
        <translation>Paloma</translation>
    </message>
    <message>
        <source>Scroll</source>
        <comment>COMMUN26</comment>
        <translation>Pergamino</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <comment>COMMUN27</comment>
        <translation>Altavoz</translation>
    </message>
    <message>
        <source>Speaking head</source>
        <comment>COMMUN28</comment>
        <translation>Cabeza parlante</translation>
    </message>
    <message>
        <source>Videocassette</source>
        <comment>COMMUN29</comment>
        <translation>Cinta de vídeo</translation>
    </message>
    <message>
        <source>Outbox tray</source>
        <comment>COMMUN30</comment>
        <translation>Bandeja de salida</translation>
    </message>
    <message>
        <source>Laptop</source>
        <comment>COMPUTER1</comment>
        <translation>Portátil</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <comment>COMPUTER2</comment>
        <translation>Ordenador de sobremesa</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <comment>COMPUTER3</comment>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Mouse</source>
        <comment>COMPUTER4</comment>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Trackball</source>
        <comment>COMPUTER5</comment>
        <translation>Trackball</translation>
    </message>
    <message>
        <source>Printer</source>
        <comment>COMPUTER6</comment>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>Floppy disk</source>
        <comment>COMPUTER7</comment>
        <translation>Disquete</translation>
    </message>
    <message>
        <source>Compact disc</source>
        <comment>COMPUTER8</comment>
        <translation>CD</translation>
    </message>
    <message>
        <source>DVD</source>
        <comment>COMPUTER9</comment>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Minidisc</source>
        <comment>COMPUTER10</comment>
        <translation>MiniDisc</translation>
    </message>
    <message>
        <source>Joystick</source>
        <comment>COMPUTER11</comment>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>Battery</source>
        <comment>COMPUTER12</comment>
        <translation>Pila</translation>
    </message>
    <message>
        <source>Power plug</source>
        <comment>COMPUTER13</comment>
        <translation>Enchufe</translation>
    </message>
    <message>
        <source>Magnifying glass</source>
        <comment>COMPUTER14</comment>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>Robot</source>
        <comment>COMPUTER15</comment>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Game controller</source>
        <comment>COMPUTER16</comment>
        <translation>Mando de videojuegos</translation>
    </message>
    <message>
        <source>Gear</source>
        <comment>COMPUTER17</comment>
        <translation>Engranaje</translation>
    </message>
    <message>
        <source>Link</source>
        <comment>COMPUTER18</comment>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Bug</source>
        <comment>COMPUTER19</comment>
        <translation>Oruga</translation>
    </message>
    <message>
        <source>E-mail</source>
        <comment>COMPUTER20</comment>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment>COMPUTER21</comment>
        <translation>Carpeta abierta</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <comment>COMPUTER22</comment>
        <translation>Caja de herramientas</translation>
    </message>
    <message>
        <source>Smartphone</source>
        <comment>COMPUTER23</comment>
        <translation>Teléfono inteligente</translation>
    </message>
    <message>
        <source>Shield</source>
        <comment>COMPUTER24</comment>
        <translation>Escudo</translation>
    </message>
    <message>
        <source>Number keys</source>
        <comment>COMPUTER25</comment>
        <translation>Teclas numéricas</translation>
    </message>
    <message>
        <source>Document</source>
        <comment>COMPUTER26</comment>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Window</source>
        <comment>COMPUTER27</comment>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Control knobs</source>
        <comment>COMPUTER28</comment>
        <translation>Mandos de control</translation>
    </message>
    <message>
        <source>Lock and key</source>
        <comment>COMPUTER29</comment>
        <translation>Candado con llave</translation>
    </message>
    <message>
        <source>Web</source>
        <comment>COMPUTER30</comment>
        <translation>Telaraña</translation>
    </message>
    <message>
        <source>Dollar banknote</source>
        <comment>CURRENCY1</comment>
        <translation>Billete de dólar</translation>
    </message>
    <message>
        <source>Yen banknote</source>
        <comment>CURRENCY2</comment>
        <translation>Billete de yen</translation>
    </message>
    <message>
        <source>Euro banknote</source>
        <comment>CURRENCY3</comment>
        <translation>Billete de euro</translation>
    </message>
    <message>
        <source>Pound banknote</source>
        <comment>CURRENCY4</comment>
        <translation>Billete de libra</translation>
    </message>
    <message>
        <source>Money bag</source>
        <comment>CURRENCY5</comment>
        <translation>Bolsa de dinero</translation>
    </message>
    <message>
        <source>Credit card</source>
        <comment>CURRENCY6</comment>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Money with wings</source>
        <comment>CURRENCY7</comment>
        <translation>Dinero con alas</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <comment>CURRENCY8</comment>
        <translation>Signo del dólar</translation>
    </message>
    <message>
        <source>Currency exchange</source>
        <comment>CURRENCY9</comment>
        <translation>Cambio de divisas</translation>
    </message>
    <message>
        <source>Cash machine</source>
        <comment>CURRENCY10</comment>
        <translation>Cajero automático</translation>
    </message>
    <message>
        <source>Dollar coin</source>
        <comment>CURRENCY11</comment>
        <translation>Moneda de dólar</translation>
    </message>
    <message>
        <source>Euro coin</source>
        <comment>CURRENCY12</comment>
        <translation>Moneda de euro</translation>
    </message>
    <message>
        <source>Pound coin</source>
        <comment>CURRENCY13</comment>
        <translation>Moneda de libra</translation>
    </message>
    <message>
        <source>Yen coin</source>
        <comment>CURRENCY14</comment>
        <translation>Moneda de yen</translation>
    </message>
    <message>
        <source>Rupee coin</source>
        <comment>CURRENCY15</comment>
        <translation>Moneda de rupia</translation>
    </message>
    <message>
        <source>Rouble coin</source>
        <comment>CURRENCY16</comment>
        <translation>Moneda de rublo</translation>
    </message>
    <message>
        <source>Won coin</source>
        <comment>CURRENCY17</comment>
        <translation>Moneda de won</translation>
    </message>
    <message>
        <source>Lira coin</source>
        <comment>CURRENCY18</comment>
        <translation>Moneda de lira</translation>
    </message>
    <message>
        <source>Shekel coin</source>
        <comment>CURRENCY19</comment>
        <translation>Moneda de séquel</translation>
    </message>
    <message>
        <source>Baht coin</source>
        <comment>CURRENCY20</comment>
        <translation>Moneda de baht</translation>
    </message>
    <message>
        <source>Bitcoin</source>
        <comment>CURRENCY21</comment>
        <translation>Bitcoin</translation>
    </message>
    <message>
        <source>Cent coin</source>
        <comment>CURRENCY22</comment>
        <translation>Moneda de céntimo</translation>
    </message>
    <message>
        <source>Franc coin</source>
        <comment>CURRENCY23</comment>
        <translation>Moneda de franco</translation>
    </message>
    <message>
        <source>Dong coin</source>
        <comment>CURRENCY24</comment>
        <translation>Moneda de dong</translation>
    </message>
    <message>
        <source>Hryvnia coin</source>
        <comment>CURRENCY25</comment>
        <translation>Moneda de grivna</translation>
    </message>
    <message>
        <source>Tenge coin</source>
        <comment>CURRENCY26</comment>
        <translation>Moneda de tenge</translation>
    </message>
    <message>
        <source>Gold bars</source>
        <comment>CURRENCY27</comment>
        <translation>Lingotes de oro</translation>
    </message>
    <message>
        <source>Bank</source>
        <comment>CURRENCY28</comment>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Yen chart</source>
        <comment>CURRENCY29</comment>
        <translation>Gráfico del yen</translation>
    </message>
    <message>
        <source>Treasure chest</source>
        <comment>CURRENCY30</comment>
        <translation>Cofre del tesoro</translation>
    </message>
    <message>
        <source>Flag of Japan</source>
        <comment>FLAG1</comment>
        <translation>Bandera de Japón</translation>
    </message>
    <message>
        <source>Flag of Canada</source>
        <comment>FLAG2</comment>
        <translation>Bandera de Canadá</translation>
    </message>
    <message>
        <source>Flag of the United States</source>
        <comment>FLAG3</comment>
        <translation>Bandera de Estados Unidos</translation>
    </message>
    <message>
        <source>Flag of the United Kingdom</source>
        <comment>FLAG4</comment>
        <translation>Bandera del Reino Unido</translation>
    </message>
    <message>
        <source>Flag of France</source>
        <comment>FLAG5</comment>
        <translation>Bandera de Francia</translation>
    </message>
    <message>
        <source>Flag of Germany</source>
        <comment>FLAG6</comment>
        <translation>Bandera de Alemania</translation>
    </message>
    <message>
        <source>Flag of Brazil</source>
        <comment>FLAG7</comment>
        <translation>Bandera de Brasil</translation>
    </message>
    <message>
        <source>Flag of Sweden</source>
        <comment>FLAG8</comment>
        <translation>Bandera de Suecia</translation>
    </message>
    <message>
        <source>Flag of Switzerland</source>
        <comment>FLAG9</comment>
        <translation>Bandera de Suiza</translation>
    </message>
    <message>
        <source>Flag of South Korea</source>
        <comment>FLAG10</comment>
        <translation>Bandera de Corea del Sur</translation>
    </message>
    <message>
        <source>Flag of India</source>
        <comment>FLAG11</comment>
        <translation>Bandera de la India</translation>
    </message>
    <message>
        <source>Flag of China</source>
        <comment>FLAG12</comment>
        <translation>Bandera de China</translation>
    </message>
    <message>
        <source>Flag of Greece</source>
        <comment>FLAG13</comment>
        <translation>Bandera de Grecia</translation>
    </message>
    <message>
        <source>Flag of Turkey</source>
        <comment>FLAG14</comment>
        <translation>Bandera de Turquía</translation>
    </message>
    <message>
        <source>Flag of Israel</source>
        <comment>FLAG15</comment>
        <translation>Bandera de Israel</translation>
    </message>
    <message>
        <source>Flag of South Africa</source>
        <comment>FLAG16</comment>
        <translation>Bandera de Sudáfrica</translation>
    </message>
    <message>
        <source>Flag of Mexico</source>
        <comment>FLAG17</comment>
        <translation>Bandera de México</translation>
    </message>
    <message>
        <source>Flag of Jamaica</source>
        <comment>FLAG18</comment>
        <translation>Bandera de Jamaica</translation>
    </message>
    <message>
        <source>Flag of Nepal</source>
        <comment>FLAG19</comment>
        <translation>Bandera de Nepal</translation>
    </message>
    <message>
        <source>Flag of Ukraine</source>
        <comment>FLAG20</comment>
        <translation>Bandera de Ucrania</translation>
    </message>
    <message>
        <source>Flag of Pakistan</source>
        <comment>FLAG21</comment>
        <translation>Bandera de Pakistán</translation>
    </message>
    <message>
        <source>Flag of Kenya</source>
        <comment>FLAG22</comment>
        <translation>Bandera de Kenia</translation>
    </message>
    <message>
        <source>Flag of Australia</source>
        <comment>FLAG23</comment>
        <translation>Bandera de Australia</translation>
    </message>
    <message>
        <source>Flag of Lebanon</source>
        <comment>FLAG24</comment>
        <translation>Bandera del Líbano</translation>
    </message>
    <message>
        <source>Flag of Colombia</source>
        <comment>FLAG25</comment>
        <translation>Bandera de Colombia</translation>
    </message>
    <message>
        <source>Chequered flag</source>
        <comment>FLAG26</comment>
        <translation>Bandera a cuadros</translation>
    </message>
    <message>
        <source>Pirate flag</source>
        <comment>FLAG27</comment>
        <translation>Bandera pirata</translation>
    </message>
    <message>
        <source>Rainbow flag</source>
        <comment>FLAG28</comment>
        <translation>Bandera arcoíris</translation>
    </message>
    <message>
        <source>White flag</source>
        <comment>FLAG29</comment>
        <translation>Bandera blanca</translation>
    </message>
    <message>
        <source>Red pennant</source>
        <comment>FLAG30</comment>
        <translation>Banderín rojo</translation>
    </message>
    <message>
        <source>Apple</source>
        <comment>FOOD1</comment>
        <translation>Manzana</translation>
    </message>
    <message>
        <source>Banana</source>
        <comment>FOOD2</comment>
        <translation>Plátano</translation>
    </message>
    <message>
        <source>Grapes</source>
        <comment>FOOD3</comment>
        <translation>Uvas</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <comment>FOOD4</comment>
        <translation>Sandía</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <comment>FOOD5</comment>
        <translation>Fresa</translation>
    </message>
    <message>
        <source>Cherries</source>
        <comment>FOOD6</comment>
        <translation>Cerezas</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <comment>FOOD7</comment>
        <translation>Piña</translation>
    </message>
    <message>
        <source>Lemon</source>
        <comment>FOOD8</comment>
        <translation>Limón</translation>
    </message>
    <message>
        <source>Carrot</source>
        <comment>FOOD9</comment>
        <translation>Zanahoria</translation>
    </message>
    <message>
        <source>Corn</source>
        <comment>FOOD10</comment>
        <translation>Mazorca de maíz</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <comment>FOOD11</comment>
        <translation>Brócoli</translation>
    </message>
    <message>
        <source>Bread</source>
        <comment>FOOD12</comment>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Cheese</source>
        <comment>FOOD13</comment>
        <translation>Queso</translation>
    </message>
    <message>
        <source>Fried egg</source>
        <comment>FOOD14</comment>
        <translation>Huevo frito</translation>
    </message>
    <message>
        <source>Hamburger</source>
        <comment>FOOD15</comment>
        <translation>Hamburguesa</translation>
    </message>
    <message>
        <source>Pizza</source>
        <comment>FOOD16</comment>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Hot dog</source>
        <comment>FOOD17</comment>
        <translation>Perrito caliente</translation>
    </message>
    <message>
        <source>Taco</source>
        <comment>FOOD18</comment>
        <translation>Taco</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <comment>FOOD19</comment>
        <translation>Helado</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <comment>FOOD20</comment>
        <translation>Dónut</translation>
    </message>
    <message>
        <source>Cookie</source>
        <comment>FOOD21</comment>
        <translation>Galleta</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <comment>FOOD22</comment>
        <translation>Tarta de cumpleaños</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <comment>FOOD23</comment>
        <translation>Piruleta</translation>
    </message>
    <message>
        <source>Croissant</source>
        <comment>FOOD24</comment>
        <translation>Cruasán</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <comment>FOOD25</comment>
        <translation>Pretzel</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <comment>FOOD26</comment>
        <translation>Berenjena</translation>
    </message>
    <message>
        <source>Chilli pepper</source>
        <comment>FOOD27</comment>
        <translation>Guindilla</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <comment>FOOD28</comment>
        <translation>Espaguetis</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <comment>FOOD29</comment>
        <translation>Palomitas</translation>
    </message>
    <message>
        <source>Chicken leg</source>
        <comment>FOOD30</comment>
        <translation>Muslo de pollo</translation>
    </message>
    <message>
        <source>Hammer</source>
        <comment>HARDWARE1</comment>
        <translation>Martillo</translation>
    </message>
    <message>
        <source>Wrench</source>
        <comment>HARDWARE2</comment>
        <translation>Llave fija</translation>
    </message>
    <message>
        <source>Screwdriver</source>
        <comment>HARDWARE3</comment>
        <translation>Destornillador</translation>
    </message>
    <message>
        <source>Nut and bolt</source>
        <comment>HARDWARE4</comment>
        <translation>Tuerca y tornillo</translation>
    </message>
    <message>
        <source>Saw</source>
        <comment>HARDWARE5</comment>
        <translation>Sierra</translation>
    </message>
    <message>
        <source>Axe</source>
        <comment>HARDWARE6</comment>
        <translation>Hacha</translation>
    </message>
    <message>
        <source>Pickaxe</source>
        <comment>HARDWARE7</comment>
        <translation>Pico</translation>
    </message>
    <message>
        <source>Magnet</source>
        <comment>HARDWARE8</comment>
        <translation>Imán</translation>
    </message>
    <message>
        <source>Ladder</source>
        <comment>HARDWARE9</comment>
        <translation>Escalera de mano</translation>
    </message>
    <message>
        <source>Chain</source>
        <comment>HARDWARE10</comment>
        <translation>Cadena</translation>
    </message>
    <message>
        <source>Hook</source>
        <comment>HARDWARE11</comment>
        <translation>Gancho</translation>
    </message>
    <message>
        <source>Brick</source>
        <comment>HARDWARE12</comment>
        <translation>Ladrillo</translation>
    </message>
    <message>
        <source>Clamp</source>
        <comment>HARDWARE13</comment>
        <translation>Sargento</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <comment>HARDWARE14</comment>
        <translation>Pincel</translation>
    </message>
    <message>
        <source>Bucket</source>
        <comment>HARDWARE15</comment>
        <translation>Cubo</translation>
    </message>
    <message>
        <source>Torch</source>
        <comment>HARDWARE16</comment>
        <translation>Linterna</translation>
    </message>
    <message>
        <source>Old key</source>
        <comment>HARDWARE17</comment>
        <translation>Llave antigua</translation>
    </message>
    <message>
        <source>Fire extinguisher</source>
        <comment>HARDWARE18</comment>
        <translation>Extintor</translation>
    </message>
    <message>
        <source>Mousetrap</source>
        <comment>HARDWARE19</comment>
        <translation>Ratonera</translation>
    </message>
    <message>
        <source>Oil drum</source>
        <comment>HARDWARE20</comment>
        <translation>Barril de petróleo</translation>
    </message>
    <message>
        <source>Logs</source>
        <comment>HARDWARE21</comment>
        <translation>Tronco</translation>
    </message>
    <message>
        <source>Safety pin</source>
        <comment>HARDWARE22</comment>
        <translation>Imperdible</translation>
    </message>
    <message>
        <source>Reel of thread</source>
        <comment>HARDWARE23</comment>
        <translation>Carrete de hilo</translation>
    </message>
    <message>
        <source>Rope</source>
        <comment>HARDWARE24</comment>
        <translation>Cuerda</translation>
    </message>
    <message>
        <source>Plunger</source>
        <comment>HARDWARE25</comment>
        <translation>Desatascador</translation>
    </message>
    <message>
        <source>Candle</source>
        <comment>HARDWARE26</comment>
        <translation>Vela</translation>
    </message>
    <message>
        <source>Open padlock</source>
        <comment>HARDWARE27</comment>
        <translation>Candado abierto</translation>
    </message>
    <message>
        <source>Kitchen knife</source>
        <comment>HARDWARE28</comment>
        <translation>Cuchillo de cocina</translation>
    </message>
    <message>
        <source>Gear wheel</source>
        <comment>HARDWARE29</comment>
        <translation>Rueda dentada</translation>
    </message>
    <message>
        <source>Battery</source>
        <comment>HARDWARE30</comment>
        <translation>Pila</translation>
    </message>
    <message>
        <source>Bed</source>
        <comment>HOUSE1</comment>
        <translation>Cama</translation>
    </message>
    <message>
        <source>Sofa</source>
        <comment>HOUSE2</comment>
        <translation>Sofá</translation>
    </message>
    <message>
        <source>Chair</source>
        <comment>HOUSE3</comment>
        <translation>Silla</translation>
    </message>
    <message>
        <source>Bathtub</source>
        <comment>HOUSE4</comment>
        <translation>Bañera</translation>
    </message>
    <message>
        <source>Shower</source>
        <comment>HOUSE5</comment>
        <translation>Ducha</translation>
    </message>
    <message>
        <source>Toilet</source>
        <comment>HOUSE6</comment>
        <translation>Inodoro</translation>
    </message>
    <message>
        <source>Door</source>
        <comment>HOUSE7</comment>
        <translation>Puerta</translation>
    </message>
    <message>
        <source>Mirror</source>
        <comment>HOUSE8</comment>
        <translation>Espejo</translation>
    </message>
    <message>
        <source>Oil lamp</source>
        <comment>HOUSE9</comment>
        <translation>Lámpara de aceite</translation>
    </message>
    <message>
        <source>Broom</source>
        <comment>HOUSE10</comment>
        <translation>Escoba</translation>
    </message>
    <message>
        <source>Laundry basket</source>
        <comment>HOUSE11</comment>
        <translation>Cesto de la ropa</translation>
    </message>
    <message>
        <source>Sponge</source>
        <comment>HOUSE12</comment>
        <translation>Esponja</translation>
    </message>
    <message>
        <source>Soap</source>
        <comment>HOUSE13</comment>
        <translation>Jabón</translation>
    </message>
    <message>
        <source>Toothbrush</source>
        <comment>HOUSE14</comment>
        <translation>Cepillo de dientes</translation>
    </message>
    <message>
        <source>Toilet roll</source>
        <comment>HOUSE15</comment>
        <translation>Papel higiénico</translation>
    </message>
    <message>
        <source>Teapot</source>
        <comment>HOUSE16</comment>
        <translation>Tetera</translation>
    </message>
    <message>
        <source>Coffee cup</source>
        <comment>HOUSE17</comment>
        <translation>Taza de café</translation>
    </message>
    <message>
        <source>Spoon</source>
        <comment>HOUSE18</comment>
        <translation>Cuchara</translation>
    </message>
    <message>
        <source>Plate and cutlery</source>
        <comment>HOUSE19</comment>
        <translation>Plato y cubiertos</translation>
    </message>
    <message>
        <source>Cooking pot</source>
        <comment>HOUSE20</comment>
        <translation>Olla</translation>
    </message>
    <message>
        <source>Mantel clock</source>
        <comment>HOUSE21</comment>
        <translation>Reloj de chimenea</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <comment>HOUSE22</comment>
        <translation>Paraguas</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <comment>HOUSE23</comment>
        <translation>Osito de peluche</translation>
    </message>
    <message>
        <source>Framed picture</source>
        <comment>HOUSE24</comment>
        <translation>Cuadro enmarcado</translation>
    </message>
    <message>
        <source>Razor</source>
        <comment>HOUSE25</comment>
        <translation>Maquinilla de afeitar</translation>
    </message>
    <message>
        <source>Lotion bottle</source>
        <comment>HOUSE26</comment>
        <translation>Bote de loción</translation>
    </message>
    <message>
        <source>Jar</source>
        <comment>HOUSE27</comment>
        <translation>Tarro</translation>
    </message>
    <message>
        <source>Sewing needle</source>
        <comment>HOUSE28</comment>
        <translation>Aguja de coser</translation>
    </message>
    <message>
        <source>House key</source>
        <comment>HOUSE29</comment>
        <translation>Llave de casa</translation>
    </message>
    <message>
        <source>Window</source>
        <comment>HOUSE30</comment>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Musical note</source>
        <comment>MUSIC1</comment>
        <translation>Nota musical</translation>
    </message>
    <message>
        <source>Guitar</source>
        <comment>MUSIC2</comment>
        <translation>Guitarra</translation>
    </message>
    <message>
        <source>Violin</source>
        <comment>MUSIC3</comment>
        <translation>Violín</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <comment>MUSIC4</comment>
        <translation>Trompeta</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <comment>MUSIC5</comment>
        <translation>Saxofón</translation>
    </message>
    <message>
        <source>Piano keys</source>
        <comment>MUSIC6</comment>
        <translation>Teclas de piano</translation>
    </message>
    <message>
        <source>Drum</source>
        <comment>MUSIC7</comment>
        <translation>Tambor</translation>
    </message>
    <message>
        <source>Long drum</source>
        <comment>MUSIC8</comment>
        <translation>Yembé</translation>
    </message>
    <message>
        <source>Accordion</source>
        <comment>MUSIC9</comment>
        <translation>Acordeón</translation>
    </message>
    <message>
        <source>Banjo</source>
        <comment>MUSIC10</comment>
        <translation>Banjo</translation>
    </message>
    <message>
        <source>Maracas</source>
        <comment>MUSIC11</comment>
        <translation>Maracas</translation>
    </message>
    <message>
        <source>Flute</source>
        <comment>MUSIC12</comment>
        <translation>Flauta</translation>
    </message>
    <message>
        <source>Sheet music</source>
        <comment>MUSIC13</comment>
        <translation>Partitura</translation>
    </message>
    <message>
        <source>Bell</source>
        <comment>MUSIC14</comment>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Microphone</source>
        <comment>MUSIC15</comment>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Headphones</source>
        <comment>MUSIC16</comment>
        <translation>Auriculares</translation>
    </message>
    <message>
        <source>Radio</source>
        <comment>MUSIC17</comment>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Post horn</source>
        <comment>MUSIC18</comment>
        <translation>Corneta de posta</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <comment>MUSIC19</comment>
        <translation>Altavoz</translation>
    </message>
    <message>
        <source>Ballet shoes</source>
        <comment>MUSIC20</comment>
        <translation>Zapatillas de ballet</translation>
    </message>
    <message>
        <source>Dancer</source>
        <comment>MUSIC21</comment>
        <translation>Bailarina</translation>
    </message>
    <message>
        <source>Theatre masks</source>
        <comment>MUSIC22</comment>
        <translation>Máscaras de teatro</translation>
    </message>
    <message>
        <source>Mixing slider</source>
        <comment>MUSIC23</comment>
        <translation>Control deslizante</translation>
    </message>
    <message>
        <source>Wind chime</source>
        <comment>MUSIC24</comment>
        <translation>Campanillas de viento</translation>
    </message>
    <message>
        <source>Compact disc</source>
        <comment>MUSIC25</comment>
        <translation>CD</translation>
    </message>
    <message>
        <source>Singer</source>
        <comment>MUSIC26</comment>
        <translation>Cantante</translation>
    </message>
    <message>
        <source>Mirror ball</source>
        <comment>MUSIC27</comment>
        <translation>Bola de discoteca</translation>
    </message>
    <message>
        <source>Triangle</source>
        <comment>MUSIC28</comment>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Xylophone</source>
        <comment>MUSIC29</comment>
        <translation>Xilófono</translation>
    </message>
    <message>
        <source>Tuning fork</source>
        <comment>MUSIC30</comment>
        <translation>Diapasón</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <comment>PLANT1</comment>
        <translation>Girasol</translation>
    </message>
    <message>
        <source>Rose</source>
        <comment>PLANT2</comment>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Tulip</source>
        <comment>PLANT3</comment>
        <translation>Tulipán</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <comment>PLANT4</comment>
        <translation>Hibisco</translation>
    </message>
    <message>
        <source>Cherry blossom</source>
        <comment>PLANT5</comment>
        <translation>Flor de cerezo</translation>
    </message>
    <message>
        <source>Daisy</source>
        <comment>PLANT6</comment>
        <translation>Margarita</translation>
    </message>
    <message>
        <source>Lotus</source>
        <comment>PLANT7</comment>
        <translation>Loto</translation>
    </message>
    <message>
        <source>Cactus</source>
        <comment>PLANT8</comment>
        <translation>Cactus</translation>
    </message>
    <message>
        <source>Palm tree</source>
        <comment>PLANT9</comment>
        <translation>Palmera</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <comment>PLANT10</comment>
        <translation>Abeto</translation>
    </message>
    <message>
        <source>Oak tree</source>
        <comment>PLANT11</comment>
        <translation>Roble</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <comment>PLANT12</comment>
        <translation>Trébol de cuatro hojas</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <comment>PLANT13</comment>
        <translation>Hoja de arce</translation>
    </message>
    <message>
        <source>Herb</source>
        <comment>PLANT14</comment>
        <translation>Hierba aromática</translation>
    </message>
    <message>
        <source>Seedling</source>
        <comment>PLANT15</comment>
        <translation>Brote</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <comment>PLANT16</comment>
        <translation>Seta</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <comment>PLANT17</comment>
        <translation>Ramo de flores</translation>
    </message>
    <message>
        <source>Potted plant</source>
        <comment>PLANT18</comment>
        <translation>Planta en maceta</translation>
    </message>
    <message>
        <source>Ear of rice</source>
        <comment>PLANT19</comment>
        <translation>Espiga de arroz</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <comment>PLANT20</comment>
        <translation>Castaña</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <comment>PLANT21</comment>
        <translation>Jacinto</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <comment>PLANT22</comment>
        <translation>Bambú</translation>
    </message>
    <message>
        <source>Coral</source>
        <comment>PLANT23</comment>
        <translation>Coral</translation>
    </message>
    <message>
        <source>Olives</source>
        <comment>PLANT24</comment>
        <translation>Aceitunas</translation>
    </message>
    <message>
        <source>Pea pod</source>
        <comment>PLANT25</comment>
        <translation>Vaina de guisantes</translation>
    </message>
    <message>
        <source>Garlic</source>
        <comment>PLANT26</comment>
        <translation>Ajo</translation>
    </message>
    <message>
        <source>Coconut</source>
        <comment>PLANT27</comment>
        <translation>Coco</translation>
    </message>
    <message>
        <source>Peanuts</source>
        <comment>PLANT28</comment>
        <translation>Cacahuetes</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <comment>PLANT29</comment>
        <translation>Lechuga</translation>
    </message>
    <message>
        <source>Ginger root</source>
        <comment>PLANT30</comment>
        <translation>Raíz de jengibre</translation>
    </message>
    <message>
        <source>Microscope</source>
        <comment>SCIENCE1</comment>
        <translation>Microscopio</translation>
    </message>
    <message>
        <source>Telescope</source>
        <comment>SCIENCE2</comment>
        <translation>Telescopio</translation>
    </message>
    <message>
        <source>Test tube</source>
        <comment>SCIENCE3</comment>
        <translation>Tubo de ensayo</translation>
    </message>
    <message>
        <source>Petri dish</source>
        <comment>SCIENCE4</comment>
        <translation>Placa de Petri</translation>
    </message>
    <message>
        <source>DNA</source>
        <comment>SCIENCE5</comment>
        <translation>ADN</translation>
    </message>
    <message>
        <source>Atom</source>
        <comment>SCIENCE6</comment>
        <translation>Átomo</translation>
    </message>
    <message>
        <source>Still</source>
        <comment>SCIENCE7</comment>
        <translation>Alambique</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <comment>SCIENCE8</comment>
        <translation>Termómetro</translation>
    </message>
    <message>
        <source>Rocket</source>
        <comment>SCIENCE9</comment>
        <translation>Cohete</translation>
    </message>
    <message>
        <source>Globe</source>
        <comment>SCIENCE10</comment>
        <translation>Globo terráqueo</translation>
    </message>
    <message>
        <source>Ringed planet</source>
        <comment>SCIENCE11</comment>
        <translation>Planeta con anillos</translation>
    </message>
    <message>
        <source>Crescent moon</source>
        <comment>SCIENCE12</comment>
        <translation>Luna creciente</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>SCIENCE13</comment>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Comet</source>
        <comment>SCIENCE14</comment>
        <translation>Cometa</translation>
    </message>
    <message>
        <source>Lightning</source>
        <comment>SCIENCE15</comment>
        <translation>Rayo</translation>
    </message>
    <message>
        <source>Microbe</source>
        <comment>SCIENCE16</comment>
        <translation>Microbio</translation>
    </message>
    <message>
        <source>Brain</source>
        <comment>SCIENCE17</comment>
        <translation>Cerebro</translation>
    </message>
    <message>
        <source>Bone</source>
        <comment>SCIENCE18</comment>
        <translation>Hueso</translation>
    </message>
    <message>
        <source>Pill</source>
        <comment>SCIENCE19</comment>
        <translation>Pastilla</translation>
    </message>
    <message>
        <source>Syringe</source>
        <comment>SCIENCE20</comment>
        <translation>Jeringuilla</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <comment>SCIENCE21</comment>
        <translation>Estetoscopio</translation>
    </message>
    <message>
        <source>Dinosaur</source>
        <comment>SCIENCE22</comment>
        <translation>Dinosaurio</translation>
    </message>
    <message>
        <source>Fire</source>
        <comment>SCIENCE23</comment>
        <translation>Fuego</translation>
    </message>
    <message>
        <source>Water drop</source>
        <comment>SCIENCE24</comment>
        <translation>Gota de agua</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <comment>SCIENCE25</comment>
        <translation>Copo de nieve</translation>
    </message>
    <message>
        <source>Volcano</source>
        <comment>SCIENCE26</comment>
        <translation>Volcán</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <comment>SCIENCE27</comment>
        <translation>Arcoíris</translation>
    </message>
    <message>
        <source>Magnet</source>
        <comment>SCIENCE28</comment>
        <translation>Imán</translation>
    </message>
    <message>
        <source>Safety goggles</source>
        <comment>SCIENCE29</comment>
        <translation>Gafas de protección</translation>
    </message>
    <message>
        <source>Compass</source>
        <comment>SCIENCE30</comment>
        <translation>Brújula</translation>
    </message>
    <message>
        <source>Circle</source>
        <comment>SHAPE1</comment>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Square</source>
        <comment>SHAPE2</comment>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Triangle</source>
        <comment>SHAPE3</comment>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Five-pointed star</source>
        <comment>SHAPE4</comment>
        <translation>Estrella de cinco puntas</translation>
    </message>
    <message>
        <source>Heart</source>
        <comment>SHAPE5</comment>
        <translation>Corazón</translation>
    </message>
    <message>
        <source>Diamond</source>
        <comment>SHAPE6</comment>
        <translation>Rombo</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <comment>SHAPE7</comment>
        <translation>Hexágono</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <comment>SHAPE8</comment>
        <translation>Pentágono</translation>
    </message>
    <message>
        <source>Octagon</source>
        <comment>SHAPE9</comment>
        <translation>Octógono</translation>
    </message>
    <message>
        <source>Crescent</source>
        <comment>SHAPE10</comment>
        <translation>Media luna</translation>
    </message>
    <message>
        <source>Cross</source>
        <comment>SHAPE11</comment>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Arrow</source>
        <comment>SHAPE12</comment>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>Ring</source>
        <comment>SHAPE13</comment>
        <translation>Anillo</translation>
    </message>
    <message>
        <source>Oval</source>
        <comment>SHAPE14</comment>
        <translation>Óvalo</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <comment>SHAPE15</comment>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Trapezoid</source>
        <comment>SHAPE16</comment>
        <translation>Trapecio</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <comment>SHAPE17</comment>
        <translation>Paralelogramo</translation>
    </message>
    <message>
        <source>Six-pointed star</source>
        <comment>SHAPE18</comment>
        <translation>Estrella de seis puntas</translation>
    </message>
    <message>
        <source>Spade</source>
        <comment>SHAPE19</comment>
        <translation>Pica</translation>
    </message>
    <message>
        <source>Club</source>
        <comment>SHAPE20</comment>
        <translation>Trébol</translation>
    </message>
    <message>
        <source>Semicircle</source>
        <comment>SHAPE21</comment>
        <translation>Semicírculo</translation>
    </message>
    <message>
        <source>Cube</source>
        <comment>SHAPE22</comment>
        <translation>Cubo</translation>
    </message>
    <message>
        <source>Saltire</source>
        <comment>SHAPE23</comment>
        <translation>Aspa</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <comment>SHAPE24</comment>
        <translation>Cilindro</translation>
    </message>
    <message>
        <source>Teardrop</source>
        <comment>SHAPE25</comment>
        <translation>Gota</translation>
    </message>
    <message>
        <source>Cone</source>
        <comment>SHAPE26</comment>
        <translation>Cono</translation>
    </message>
    <message>
        <source>Pie slice</source>
        <comment>SHAPE27</comment>
        <translation>Porción de tarta</translation>
    </message>
    <message>
        <source>Chevron</source>
        <comment>SHAPE28</comment>
        <translation>Cheurón</translation>
    </message>
    <message>
        <source>Cloud</source>
        <comment>SHAPE29</comment>
        <translation>Nube</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <comment>SHAPE30</comment>
        <translation>Pirámide</translation>
    </message>
    <message>
        <source>Stop sign</source>
        <comment>SIGN1</comment>
        <translation>Señal de stop</translation>
    </message>
    <message>
        <source>No entry</source>
        <comment>SIGN2</comment>
        <translation>Dirección prohibida</translation>
    </message>
    <message>
        <source>Prohibited</source>
        <comment>SIGN3</comment>
        <translation>Prohibido</translation>
    </message>
    <message>
        <source>Warning</source>
        <comment>SIGN4</comment>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Radioactive</source>
        <comment>SIGN5</comment>
        <translation>Radiactivo</translation>
    </message>
    <message>
        <source>Biohazard</source>
        <comment>SIGN6</comment>
        <translation>Riesgo biológico</translation>
    </message>
    <message>
        <source>Children crossing</source>
        <comment>SIGN7</comment>
        <translation>Paso de niños</translation>
    </message>
    <message>
        <source>No smoking</source>
        <comment>SIGN8</comment>
        <translation>Prohibido fumar</translation>
    </message>
    <message>
        <source>No bicycles</source>
        <comment>SIGN9</comment>
        <translation>Prohibidas las bicicletas</translation>
    </message>
    <message>
        <source>No mobile phones</source>
        <comment>SIGN10</comment>
        <translation>Prohibidos los móviles</translation>
    </message>
    <message>
        <source>Wheelchair access</source>
        <comment>SIGN11</comment>
        <translation>Acceso para sillas de ruedas</translation>
    </message>
    <message>
        <source>Toilets</source>
        <comment>SIGN12</comment>
        <translation>Aseos</translation>
    </message>
    <message>
        <source>Parking</source>
        <comment>SIGN13</comment>
        <translation>Aparcamiento</translation>
    </message>
    <message>
        <source>Recycling</source>
        <comment>SIGN14</comment>
        <translation>Reciclaje</translation>
    </message>
    <message>
        <source>Traffic light</source>
        <comment>SIGN15</comment>
        <translation>Semáforo</translation>
    </message>
    <message>
        <source>Road works</source>
        <comment>SIGN16</comment>
        <translation>Obras</translation>
    </message>
    <message>
        <source>Information</source>
        <comment>SIGN17</comment>
        <translation>Información</translation>
    </message>
    <message>
        <source>SOS</source>
        <comment>SIGN18</comment>
        <translation>SOS</translation>
    </message>
    <message>
        <source>Placard</source>
        <comment>SIGN19</comment>
        <translation>Cartel</translation>
    </message>
    <message>
        <source>Exclamation mark</source>
        <comment>SIGN20</comment>
        <translation>Signo de exclamación</translation>
    </message>
    <message>
        <source>Question mark</source>
        <comment>SIGN21</comment>
        <translation>Signo de interrogación</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <comment>SIGN22</comment>
        <translation>Surtidor de gasolina</translation>
    </message>
    <message>
        <source>Barber&apos;s pole</source>
        <comment>SIGN23</comment>
        <translation>Poste de barbero</translation>
    </message>
    <message>
        <source>Beginner badge</source>
        <comment>SIGN24</comment>
        <translation>Distintivo de principiante</translation>
    </message>
    <message>
        <source>Metro sign</source>
        <comment>SIGN25</comment>
        <translation>Señal de metro</translation>
    </message>
    <message>
        <source>High voltage</source>
        <comment>SIGN26</comment>
        <translation>Alta tensión</translation>
    </message>
    <message>
        <source>Peace sign</source>
        <comment>SIGN27</comment>
        <translation>Símbolo de la paz</translation>
    </message>
    <message>
        <source>Adults only</source>
        <comment>SIGN28</comment>
        <translation>Solo para adultos</translation>
    </message>
    <message>
        <source>Check mark</source>
        <comment>SIGN29</comment>
        <translation>Marca de verificación</translation>
    </message>
    <message>
        <source>Anchor</source>
        <comment>SIGN30</comment>
        <translation>Ancla</translation>
    </message>
    <message>
        <source>Football</source>
        <comment>SPORT1</comment>
        <translation>Balón de fútbol</translation>
    </message>
    <message>
        <source>Basketball</source>
        <comment>SPORT2</comment>
        <translation>Balón de baloncesto</translation>
    </message>
    <message>
        <source>American football</source>
        <comment>SPORT3</comment>
        <translation>Balón de fútbol americano</translation>
    </message>
    <message>
        <source>Baseball</source>
        <comment>SPORT4</comment>
        <translation>Pelota de béisbol</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <comment>SPORT5</comment>
        <translation>Pelota de tenis</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <comment>SPORT6</comment>
        <translation>Balón de voleibol</translation>
    </message>
    <message>
        <source>Bowling</source>
        <comment>SPORT7</comment>
        <translation>Bolos</translation>
    </message>
    <message>
        <source>Golf</source>
        <comment>SPORT8</comment>
        <translation>Golf</translation>
    </message>
    <message>
        <source>Ice hockey</source>
        <comment>SPORT9</comment>
        <translation>Hockey sobre hielo</translation>
    </message>
    <message>
        <source>Table tennis</source>
        <comment>SPORT10</comment>
        <translation>Tenis de mesa</translation>
    </message>
    <message>
        <source>Badminton</source>
        <comment>SPORT11</comment>
        <translation>Bádminton</translation>
    </message>
    <message>
        <source>Boxing glove</source>
        <comment>SPORT12</comment>
        <translation>Guante de boxeo</translation>
    </message>
    <message>
        <source>Skis</source>
        <comment>SPORT13</comment>
        <translation>Esquís</translation>
    </message>
    <message>
        <source>Ice skate</source>
        <comment>SPORT14</comment>
        <translation>Patín de hielo</translation>
    </message>
    <message>
        <source>Fishing rod</source>
        <comment>SPORT15</comment>
        <translation>Caña de pescar</translation>
    </message>
    <message>
        <source>Darts</source>
        <comment>SPORT16</comment>
        <translation>Dardos</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <comment>SPORT17</comment>
        <translation>Bola de billar</translation>
    </message>
    <message>
        <source>Cricket</source>
        <comment>SPORT18</comment>
        <translation>Críquet</translation>
    </message>
    <message>
        <source>Trophy</source>
        <comment>SPORT19</comment>
        <translation>Trofeo</translation>
    </message>
    <message>
        <source>Gold medal</source>
        <comment>SPORT20</comment>
        <translation>Medalla de oro</translation>
    </message>
    <message>
        <source>Lacrosse</source>
        <comment>SPORT21</comment>
        <translation>Lacrosse</translation>
    </message>
    <message>
        <source>Flying disc</source>
        <comment>SPORT22</comment>
        <translation>Disco volador</translation>
    </message>
    <message>
        <source>Curling stone</source>
        <comment>SPORT23</comment>
        <translation>Piedra de curling</translation>
    </message>
    <message>
        <source>Sledge</source>
        <comment>SPORT24</comment>
        <translation>Trineo</translation>
    </message>
    <message>
        <source>Goal net</source>
        <comment>SPORT25</comment>
        <translation>Red de portería</translation>
    </message>
    <message>
        <source>Martial arts suit</source>
        <comment>SPORT26</comment>
        <translation>Kimono de artes marciales</translation>
    </message>
    <message>
        <source>Diving mask</source>
        <comment>SPORT27</comment>
        <translation>Gafas de buceo</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <comment>SPORT28</comment>
        <translation>Monopatín</translation>
    </message>
    <message>
        <source>Roller skate</source>
        <comment>SPORT29</comment>
        <translation>Patín de ruedas</translation>
    </message>
    <message>
        <source>Bow and arrow</source>
        <comment>SPORT30</comment>
        <translation>Arco y flecha</translation>
    </message>
    <message>
        <source>Car</source>
        <comment>TRANSPORT1</comment>
        <translation>Coche</translation>
    </message>
    <message>
        <source>Bus</source>
        <comment>TRANSPORT2</comment>
        <translation>Autobús</translation>
    </message>
    <message>
        <source>Taxi</source>
        <comment>TRANSPORT3</comment>
        <translation>Taxi</translation>
    </message>
    <message>
        <source>Police car</source>
        <comment>TRANSPORT4</comment>
        <translation>Coche de policía</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <comment>TRANSPORT5</comment>
        <translation>Ambulancia</translation>
    </message>
    <message>
        <source>Fire engine</source>
        <comment>TRANSPORT6</comment>
        <translation>Camión de bomberos</translation>
    </message>
    <message>
        <source>Lorry</source>
        <comment>TRANSPORT7</comment>
        <translation>Camión</translation>
    </message>
    <message>
        <source>Tractor</source>
        <comment>TRANSPORT8</comment>
        <translation>Tractor</translation>
    </message>
    <message>
        <source>Racing car</source>
        <comment>TRANSPORT9</comment>
        <translation>Coche de carreras</translation>
    </message>
    <message>
        <source>Motorcycle</source>
        <comment>TRANSPORT10</comment>
        <translation>Moto</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <comment>TRANSPORT11</comment>
        <translation>Bicicleta</translation>
    </message>
    <message>
        <source>Moped</source>
        <comment>TRANSPORT12</comment>
        <translation>Ciclomotor</translation>
    </message>
    <message>
        <source>Kick scooter</source>
        <comment>TRANSPORT13</comment>
        <translation>Patinete</translation>
    </message>
    <message>
        <source>Steam locomotive</source>
        <comment>TRANSPORT14</comment>
        <translation>Locomotora de vapor</translation>
    </message>
    <message>
        <source>High-speed train</source>
        <comment>TRANSPORT15</comment>
        <translation>Tren de alta velocidad</translation>
    </message>
    <message>
        <source>Tram</source>
        <comment>TRANSPORT16</comment>
        <translation>Tranvía</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <comment>TRANSPORT17</comment>
        <translation>Helicóptero</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <comment>TRANSPORT18</comment>
        <translation>Avión</translation>
    </message>
    <message>
        <source>Rocket</source>
        <comment>TRANSPORT19</comment>
        <translation>Cohete</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <comment>TRANSPORT20</comment>
        <translation>Velero</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <comment>TRANSPORT21</comment>
        <translation>Lancha motora</translation>
    </message>
    <message>
        <source>Ship</source>
        <comment>TRANSPORT22</comment>
        <translation>Barco</translation>
    </message>
    <message>
        <source>Canoe</source>
        <comment>TRANSPORT23</comment>
        <translation>Canoa</translation>
    </message>
    <message>
        <source>Hot-air balloon</source>
        <comment>TRANSPORT24</comment>
        <translation>Globo aerostático</translation>
    </message>
    <message>
        <source>Cable car</source>
        <comment>TRANSPORT25</comment>
        <translation>Teleférico</translation>
    </message>
    <message>
        <source>Flying saucer</source>
        <comment>TRANSPORT26</comment>
        <translation>Platillo volante</translation>
    </message>
    <message>
        <source>Four-by-four</source>
        <comment>TRANSPORT27</comment>
        <translation>Todoterreno</translation>
    </message>
    <message>
        <source>Auto rickshaw</source>
        <comment>TRANSPORT28</comment>
        <translation>Mototaxi</translation>
    </message>
    <message>
        <source>Parachute</source>
        <comment>TRANSPORT29</comment>
        <translation>Paracaídas</translation>
    </message>
    <message>
        <source>Minibus</source>
        <comment>TRANSPORT30</comment>
        <translation>Microbús</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>No se encontró el recurso con el identificador «%1»</translation>
    </message>
    <message>
        <source>Invalid resource format: &apos;%1&apos;</source>
        <translation>Formato de recurso no válido: «%1»</translation>
    </message>
</context>
<context>
    <name>ScoreTables</name>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Los tipos no coinciden</translation>
    </message>
    <message>
        <source>Are you sure you want to reset all Small Board scores?</source>
        <translation>¿Seguro que desea borrar los récords del tablero pequeño?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset all Large Board scores?</source>
        <translation>¿Seguro que desea borrar los récords del tablero grande?</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Borrar los récords</translation>
    </message>
</context>
<context>
    <name>ScoresWindow</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>&amp;Small Board</source>
        <translation>Tablero &amp;pequeño</translation>
    </message>
    <message>
        <source>&amp;Large Board</source>
        <translation>Tablero &amp;grande</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Más rápidos</translation>
    </message>
    <message>
        <source>Fewest Sets Flipped</source>
        <translation>Menos jugadas</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Jugadas</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Error de acceso a la ruta o al archivo: %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file</source>
        <translation>Error de acceso a la ruta o al archivo: %1 no es un archivo normal</translation>
    </message>
    <message>
        <source>Path/File access error: %1 cannot be locked</source>
        <translation>Error de acceso a la ruta o al archivo: %1 no se puede bloquear</translation>
    </message>
    <message>
        <source>Out of string space: %1 would be larger than 16 MiB and is left as it is</source>
        <translation>No queda espacio para cadenas: %1 ocuparía más de 16 MiB y se deja como está</translation>
    </message>
    <message>
        <source>Path/File access error: %1 changed while it was saved</source>
        <translation>Error de acceso a la ruta o al archivo: %1 cambió mientras se guardaba</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is locked by another game</source>
        <translation>Error de acceso a la ruta o al archivo: %1 está bloqueado por otra instancia del juego</translation>
    </message>
    <message>
        <source>Path/File access error: %1 cannot be locked: %2</source>
        <translation>Error de acceso a la ruta o al archivo: %1 no se puede bloquear: %2</translation>
    </message>
    <message>
        <source>Path/File access error: %1 changed while it was saved and could not be put back; the file found there is kept as %2</source>
        <translation>Error de acceso a la ruta o al archivo: %1 cambió mientras se guardaba y no se pudo restaurar; el archivo encontrado allí se conserva como %2</translation>
    </message>
</context>
</TS>
