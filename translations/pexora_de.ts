<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Copyright (C) 2026</source>
        <translation>Copyright (C) 2026</translation>
    </message>
    <message>
        <source>the Pexora developers</source>
        <translation>die Pexora-Entwickler</translation>
    </message>
    <message>
        <source>A picture-matching memory game</source>
        <translation>Ein Gedächtnisspiel mit Bildern</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL,</source>
        <translation>Freie Software unter der GNU GPL,</translation>
    </message>
    <message>
        <source>version 3 or later; NO WARRANTY.</source>
        <translation>ab Version 3; OHNE GEWÄHR.</translation>
    </message>
    <message>
        <source>More in Help &gt; Contents (F1)</source>
        <translation>Mehr unter Hilfe &gt; Inhalt (F1)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>%1, version %2</source>
        <translation>%1, Version %2</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Prozeduraufruf oder Argument ungültig</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>Error #: %1</source>
        <translation>Fehler Nr.: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
</context>
<context>
    <name>GameBoard</name>
    <message>
        <source>Out of play</source>
        <translation>Nicht im Spiel</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>Row %1, column %2, removed</source>
        <translation>Reihe %1, Spalte %2, entfernt</translation>
    </message>
    <message>
        <source>Row %1, column %2, face up, %3</source>
        <translation>Reihe %1, Spalte %2, aufgedeckt, %3</translation>
    </message>
    <message>
        <source>Row %1, column %2, face down</source>
        <translation>Reihe %1, Spalte %2, verdeckt</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Pexora Help</source>
        <translation>Pexora-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Startseite</translation>
    </message>
    <message>
        <source>Type a word to find</source>
        <translation>Suchbegriff eingeben</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>(no file name)</source>
        <translation>(kein Dateiname)</translation>
    </message>
    <message>
        <source>The help file cannot be read:
%1

It may be damaged. Pexora goes on without help; installing the game again restores the file.</source>
        <translation>Die Hilfedatei kann nicht gelesen werden:
%1

Sie ist vielleicht beschädigt. Pexora läuft ohne Hilfe weiter; eine erneute Installation des Spiels stellt die Datei wieder her.</translation>
    </message>
    <message>
        <source>The help file was not found:
%1

Pexora goes on without help; installing the game again restores the file.</source>
        <translation>Die Hilfedatei wurde nicht gefunden:
%1

Pexora läuft ohne Hilfe weiter; eine erneute Installation des Spiels stellt die Datei wieder her.</translation>
    </message>
    <message>
        <source>This help file has no topic &quot;%1&quot;.</source>
        <translation>Diese Hilfedatei hat kein Thema „%1“.</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; cannot be read; the help file may be damaged.</source>
        <translation>Das Thema „%1“ kann nicht gelesen werden; die Hilfedatei ist vielleicht beschädigt.</translation>
    </message>
    <message>
        <source>The help file cannot be read: the program that checks it first is missing:
%1

Pexora goes on without help; installing the game again restores it.</source>
        <translation>Die Hilfedatei kann nicht gelesen werden: Das Programm, das sie vorher prüft, fehlt:
%1

Pexora läuft ohne Hilfe weiter; eine erneute Installation des Spiels stellt es wieder her.</translation>
    </message>
    <message>
        <source>The help file may be damaged.</source>
        <translation>Die Hilfedatei ist vielleicht beschädigt.</translation>
    </message>
    <message>
        <source>The contents cannot be read.</source>
        <translation>Das Inhaltsverzeichnis kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The index cannot be read.</source>
        <translation>Der Index kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The first topic of this help file cannot be read; the help file may be damaged.</source>
        <translation>Das erste Thema dieser Hilfedatei kann nicht gelesen werden; die Hilfedatei ist vielleicht beschädigt.</translation>
    </message>
    <message>
        <source>Checking the help file...</source>
        <translation>Die Hilfedatei wird geprüft ...</translation>
    </message>
    <message>
        <source>The help file in your language cannot be read; the help is shown in English.</source>
        <translation>Die Hilfedatei in Ihrer Sprache kann nicht gelesen werden; die Hilfe wird auf Englisch angezeigt.</translation>
    </message>
    <message>
        <source>The help is not available in your language; it is shown in English.</source>
        <translation>Die Hilfe ist in Ihrer Sprache nicht verfügbar; sie wird auf Englisch angezeigt.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Spieler: %1</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>%1 ist am Zug</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Spiel vorbei.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Neues Spiel starten</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Bestenliste anzeigen</translation>
    </message>
    <message>
        <source>Change Board Size</source>
        <translation>Spielfeldgröße ändern</translation>
    </message>
    <message>
        <source>Change Tile Color</source>
        <translation>Farbe der Karten ändern</translation>
    </message>
    <message>
        <source>Change Image Category</source>
        <translation>Bildkategorie ändern</translation>
    </message>
    <message>
        <source>Change Level of Difficulty</source>
        <translation>Schwierigkeitsstufe ändern</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Spieler ändern</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Klänge ein-/ausschalten</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Programminformationen anzeigen</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Bestenliste...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Boards</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Bilder</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>S&amp;tufe</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>S&amp;pieler</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Klänge</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Lizenzvereinbarung</translation>
    </message>
    <message>
        <source>&amp;About Pexora...</source>
        <translation>Ü&amp;ber Pexora...</translation>
    </message>
    <message>
        <source>The player whose turn it is</source>
        <translation>Der Spieler, der am Zug ist</translation>
    </message>
    <message>
        <source>Sets flipped by the player, or the player&apos;s matches in a two-player game</source>
        <translation>Züge des Spielers oder, im Spiel zu zweit, seine Treffer</translation>
    </message>
    <message>
        <source>Seconds since the first tile of a one-player game was turned</source>
        <translation>Sekunden seit dem Aufdecken der ersten Karte im Einzelspiel</translation>
    </message>
    <message numerus="yes">
        <source>Sets Flipped: %n</source>
        <translation>
            <numerusform>Züge: %n</numerusform>
            <numerusform>Züge: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Time: %n</source>
        <translation>
            <numerusform>Zeit: %n</numerusform>
            <numerusform>Zeit: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Matches: %n</source>
        <translation>
            <numerusform>Treffer: %n</numerusform>
            <numerusform>Treffer: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches for %1</source>
        <translation>
            <numerusform>%n Treffer für %1</numerusform>
            <numerusform>%n Treffer für %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Matches for %1: %n.</source>
        <translation>
            <numerusform>%1 hat %n Treffer.</numerusform>
            <numerusform>%1 hat %n Treffer.</numerusform>
        </translation>
    </message>
    <message>
        <source>Face up, %1.</source>
        <translation>Aufgedeckt: %1.</translation>
    </message>
    <message>
        <source>No match.</source>
        <translation>Kein Treffer.</translation>
    </message>
    <message>
        <source>A match: %1.</source>
        <translation>Treffer: %1.</translation>
    </message>
    <message>
        <source>The set is turned face down.</source>
        <translation>Die Karten werden wieder verdeckt.</translation>
    </message>
    <message>
        <source>The rest of the set is turned face down.</source>
        <translation>Die übrigen Karten werden wieder verdeckt.</translation>
    </message>
    <message>
        <source>The board is clear. %1, %2.</source>
        <translation>Das Spielfeld ist leer: %1 in %2.</translation>
    </message>
    <message numerus="yes">
        <source>Sets turned: %n</source>
        <translation>
            <numerusform>%n Zug</numerusform>
            <numerusform>%n Züge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>seconds: %n</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Animals</source>
        <translation>Tiere</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Gebäude</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Büro</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Kommunikation</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Flaggen</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Essen</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Werkzeug</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Haushalt</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Plants</source>
        <translation>Pflanzen</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>Wissenschaft</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formen</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Schilder</translation>
    </message>
    <message>
        <source>Sports</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Verkehrsmittel</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Match 2 Tiles</source>
        <translation>Je 2 Karten</translation>
    </message>
    <message>
        <source>Match 3 Tiles</source>
        <translation>Je 3 Karten</translation>
    </message>
    <message>
        <source>One</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Boards</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Bilder</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>S&amp;tufe</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>S&amp;pieler</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Klänge</translation>
    </message>
</context>
<context>
    <name>PictureName</name>
    <message>
        <source>Elephant</source>
        <comment>ANIMAL1</comment>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>Lion</source>
        <comment>ANIMAL2</comment>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <comment>ANIMAL3</comment>
        <translation>Giraffe</translation>
    </message>
    <message>
        <source>Zebra</source>
        <comment>ANIMAL4</comment>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Penguin</source>
        <comment>ANIMAL5</comment>
        <translation>Pinguin</translation>
    </message>
    <message>
        <source>Frog</source>
        <comment>ANIMAL6</comment>
        <translation>Frosch</translation>
    </message>
    <message>
        <source>Pig</source>
        <comment>ANIMAL7</comment>
        <translation>Schwein</translation>
    </message>
    <message>
        <source>Cow</source>
        <comment>ANIMAL8</comment>
        <translation>Kuh</translation>
    </message>
    <message>
        <source>Monkey</source>
        <comment>ANIMAL9</comment>
        <translation>Affe</translation>
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
        <translation>Tiger</translation>
    </message>
    <message>
        <source>Fox</source>
        <comment>ANIMAL13</comment>
        <translation>Fuchs</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <comment>ANIMAL14</comment>
        <translation>Kaninchen</translation>
    </message>
    <message>
        <source>Owl</source>
        <comment>ANIMAL15</comment>
        <translation>Eule</translation>
    </message>
    <message>
        <source>Turtle</source>
        <comment>ANIMAL16</comment>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <source>Snail</source>
        <comment>ANIMAL17</comment>
        <translation>Schnecke</translation>
    </message>
    <message>
        <source>Octopus</source>
        <comment>ANIMAL18</comment>
        <translation>Krake</translation>
    </message>
    <message>
        <source>Crab</source>
        <comment>ANIMAL19</comment>
        <translation>Krabbe</translation>
    </message>
    <message>
        <source>Whale</source>
        <comment>ANIMAL20</comment>
        <translation>Wal</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <comment>ANIMAL21</comment>
        <translation>Tropischer Fisch</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <comment>ANIMAL22</comment>
        <translation>Schmetterling</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <comment>ANIMAL23</comment>
        <translation>Marienkäfer</translation>
    </message>
    <message>
        <source>Bee</source>
        <comment>ANIMAL24</comment>
        <translation>Biene</translation>
    </message>
    <message>
        <source>Snake</source>
        <comment>ANIMAL25</comment>
        <translation>Schlange</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <comment>ANIMAL26</comment>
        <translation>Krokodil</translation>
    </message>
    <message>
        <source>Camel</source>
        <comment>ANIMAL27</comment>
        <translation>Kamel</translation>
    </message>
    <message>
        <source>Parrot</source>
        <comment>ANIMAL28</comment>
        <translation>Papagei</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <comment>ANIMAL29</comment>
        <translation>Igel</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <comment>ANIMAL30</comment>
        <translation>Flamingo</translation>
    </message>
    <message>
        <source>House</source>
        <comment>BUILDING1</comment>
        <translation>Haus</translation>
    </message>
    <message>
        <source>Office tower</source>
        <comment>BUILDING2</comment>
        <translation>Bürohochhaus</translation>
    </message>
    <message>
        <source>Hospital</source>
        <comment>BUILDING3</comment>
        <translation>Krankenhaus</translation>
    </message>
    <message>
        <source>Bank</source>
        <comment>BUILDING4</comment>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Factory</source>
        <comment>BUILDING5</comment>
        <translation>Fabrik</translation>
    </message>
    <message>
        <source>Castle</source>
        <comment>BUILDING6</comment>
        <translation>Burg</translation>
    </message>
    <message>
        <source>Pagoda castle</source>
        <comment>BUILDING7</comment>
        <translation>Japanische Burg</translation>
    </message>
    <message>
        <source>Church</source>
        <comment>BUILDING8</comment>
        <translation>Kirche</translation>
    </message>
    <message>
        <source>Mosque</source>
        <comment>BUILDING9</comment>
        <translation>Moschee</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <comment>BUILDING10</comment>
        <translation>Synagoge</translation>
    </message>
    <message>
        <source>Hindu temple</source>
        <comment>BUILDING11</comment>
        <translation>Hindutempel</translation>
    </message>
    <message>
        <source>Classical temple</source>
        <comment>BUILDING12</comment>
        <translation>Antiker Tempel</translation>
    </message>
    <message>
        <source>Stadium</source>
        <comment>BUILDING13</comment>
        <translation>Stadion</translation>
    </message>
    <message>
        <source>Tent</source>
        <comment>BUILDING14</comment>
        <translation>Zelt</translation>
    </message>
    <message>
        <source>Hut</source>
        <comment>BUILDING15</comment>
        <translation>Hütte</translation>
    </message>
    <message>
        <source>Statue of Liberty</source>
        <comment>BUILDING16</comment>
        <translation>Freiheitsstatue</translation>
    </message>
    <message>
        <source>Radio tower</source>
        <comment>BUILDING17</comment>
        <translation>Funkturm</translation>
    </message>
    <message>
        <source>Ferris wheel</source>
        <comment>BUILDING18</comment>
        <translation>Riesenrad</translation>
    </message>
    <message>
        <source>Circus tent</source>
        <comment>BUILDING19</comment>
        <translation>Zirkuszelt</translation>
    </message>
    <message>
        <source>Wedding chapel</source>
        <comment>BUILDING20</comment>
        <translation>Hochzeitskapelle</translation>
    </message>
    <message>
        <source>Fountain</source>
        <comment>BUILDING21</comment>
        <translation>Springbrunnen</translation>
    </message>
    <message>
        <source>Old barn</source>
        <comment>BUILDING22</comment>
        <translation>Alte Scheune</translation>
    </message>
    <message>
        <source>Shrine gate</source>
        <comment>BUILDING23</comment>
        <translation>Torii</translation>
    </message>
    <message>
        <source>Suspension bridge</source>
        <comment>BUILDING24</comment>
        <translation>Hängebrücke</translation>
    </message>
    <message>
        <source>Kaaba</source>
        <comment>BUILDING25</comment>
        <translation>Kaaba</translation>
    </message>
    <message>
        <source>School</source>
        <comment>BUILDING26</comment>
        <translation>Schule</translation>
    </message>
    <message>
        <source>Row of houses</source>
        <comment>BUILDING27</comment>
        <translation>Häuserzeile</translation>
    </message>
    <message>
        <source>Hotel</source>
        <comment>BUILDING28</comment>
        <translation>Hotel</translation>
    </message>
    <message>
        <source>Building site</source>
        <comment>BUILDING29</comment>
        <translation>Baustelle</translation>
    </message>
    <message>
        <source>Skyline</source>
        <comment>BUILDING30</comment>
        <translation>Skyline</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <comment>BUSINESS1</comment>
        <translation>Aktentasche</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <comment>BUSINESS2</comment>
        <translation>Steigende Kurve</translation>
    </message>
    <message>
        <source>Falling chart</source>
        <comment>BUSINESS3</comment>
        <translation>Fallende Kurve</translation>
    </message>
    <message>
        <source>Bar chart</source>
        <comment>BUSINESS4</comment>
        <translation>Balkendiagramm</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <comment>BUSINESS5</comment>
        <translation>Klemmbrett</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment>BUSINESS6</comment>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Pushpin</source>
        <comment>BUSINESS7</comment>
        <translation>Pinnnadel</translation>
    </message>
    <message>
        <source>Paperclip</source>
        <comment>BUSINESS8</comment>
        <translation>Büroklammer</translation>
    </message>
    <message>
        <source>Scissors</source>
        <comment>BUSINESS9</comment>
        <translation>Schere</translation>
    </message>
    <message>
        <source>File folder</source>
        <comment>BUSINESS10</comment>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Memo</source>
        <comment>BUSINESS11</comment>
        <translation>Notizzettel</translation>
    </message>
    <message>
        <source>Fountain pen</source>
        <comment>BUSINESS12</comment>
        <translation>Füller</translation>
    </message>
    <message>
        <source>Pencil</source>
        <comment>BUSINESS13</comment>
        <translation>Bleistift</translation>
    </message>
    <message>
        <source>Ruler</source>
        <comment>BUSINESS14</comment>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Set square</source>
        <comment>BUSINESS15</comment>
        <translation>Geodreieck</translation>
    </message>
    <message>
        <source>Abacus</source>
        <comment>BUSINESS16</comment>
        <translation>Abakus</translation>
    </message>
    <message>
        <source>Handshake</source>
        <comment>BUSINESS17</comment>
        <translation>Händedruck</translation>
    </message>
    <message>
        <source>Necktie</source>
        <comment>BUSINESS18</comment>
        <translation>Krawatte</translation>
    </message>
    <message>
        <source>Card file box</source>
        <comment>BUSINESS19</comment>
        <translation>Karteikasten</translation>
    </message>
    <message>
        <source>Wastebasket</source>
        <comment>BUSINESS20</comment>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Receipt</source>
        <comment>BUSINESS21</comment>
        <translation>Kassenbon</translation>
    </message>
    <message>
        <source>Ledger</source>
        <comment>BUSINESS22</comment>
        <translation>Kassenbuch</translation>
    </message>
    <message>
        <source>Padlock</source>
        <comment>BUSINESS23</comment>
        <translation>Vorhängeschloss</translation>
    </message>
    <message>
        <source>Key</source>
        <comment>BUSINESS24</comment>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <comment>BUSINESS25</comment>
        <translation>Sanduhr</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <comment>BUSINESS26</comment>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Price tag</source>
        <comment>BUSINESS27</comment>
        <translation>Preisschild</translation>
    </message>
    <message>
        <source>Parcel</source>
        <comment>BUSINESS28</comment>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <comment>BUSINESS29</comment>
        <translation>Glühbirne</translation>
    </message>
    <message>
        <source>Balance scale</source>
        <comment>BUSINESS30</comment>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Telephone</source>
        <comment>COMMUN1</comment>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Mobile phone</source>
        <comment>COMMUN2</comment>
        <translation>Handy</translation>
    </message>
    <message>
        <source>Envelope</source>
        <comment>COMMUN3</comment>
        <translation>Briefumschlag</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <comment>COMMUN4</comment>
        <translation>Briefkasten</translation>
    </message>
    <message>
        <source>Postbox</source>
        <comment>COMMUN5</comment>
        <translation>Postkasten</translation>
    </message>
    <message>
        <source>Satellite dish</source>
        <comment>COMMUN6</comment>
        <translation>Satellitenschüssel</translation>
    </message>
    <message>
        <source>Satellite</source>
        <comment>COMMUN7</comment>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Radio</source>
        <comment>COMMUN8</comment>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Television</source>
        <comment>COMMUN9</comment>
        <translation>Fernseher</translation>
    </message>
    <message>
        <source>Fax machine</source>
        <comment>COMMUN10</comment>
        <translation>Faxgerät</translation>
    </message>
    <message>
        <source>Pager</source>
        <comment>COMMUN11</comment>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Megaphone</source>
        <comment>COMMUN12</comment>
        <translation>Megafon</translation>
    </message>
    <message>
        <source>Microphone</source>
        <comment>COMMUN13</comment>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Headphones</source>
        <comment>COMMUN14</comment>
        <translation>Kopfhörer</translation>
    </message>
    <message>
        <source>Newspaper</source>
        <comment>COMMUN15</comment>
        <translation>Zeitung</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <comment>COMMUN16</comment>
        <translation>Sprechblase</translation>
    </message>
    <message>
        <source>Love letter</source>
        <comment>COMMUN17</comment>
        <translation>Liebesbrief</translation>
    </message>
    <message>
        <source>Post horn</source>
        <comment>COMMUN18</comment>
        <translation>Posthorn</translation>
    </message>
    <message>
        <source>Bell</source>
        <comment>COMMUN19</comment>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Telephone receiver</source>
        <comment>COMMUN20</comment>
        <translation>Telefonhörer</translation>
    </message>
    <message>
        <source>Globe with meridians</source>
        <comment>COMMUN21</comment>
        <translation>Globus mit Längengraden</translation>
    </message>
    <message>
        <source>Video camera</source>
        <comment>COMMUN22</comment>
        <translation>Videokamera</translation>
    </message>
    <message>
        <source>Camera</source>
        <comment>COMMUN23</comment>
        <translation>Fotoapparat</translation>
    </message>
    <message>
        <source>Signal bars</source>
        <comment>COMMUN24</comment>
        <translation>Empfangsbalken</translation>
    </message>
    <message>
        <source>Dove</source>
        <comment>COMMUN25</comment>
        <translation>Taube</translation>
    </message>
    <message>
        <source>Scroll</source>
        <comment>COMMUN26</comment>
        <translation>Schriftrolle</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <comment>COMMUN27</comment>
        <translation>Lautsprecher</translation>
    </message>
    <message>
        <source>Speaking head</source>
        <comment>COMMUN28</comment>
        <translation>Sprechender Kopf</translation>
    </message>
    <message>
        <source>Videocassette</source>
        <comment>COMMUN29</comment>
        <translation>Videokassette</translation>
    </message>
    <message>
        <source>Outbox tray</source>
        <comment>COMMUN30</comment>
        <translation>Postausgang</translation>
    </message>
    <message>
        <source>Laptop</source>
        <comment>COMPUTER1</comment>
        <translation>Laptop</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <comment>COMPUTER2</comment>
        <translation>Desktop-Computer</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <comment>COMPUTER3</comment>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Mouse</source>
        <comment>COMPUTER4</comment>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Trackball</source>
        <comment>COMPUTER5</comment>
        <translation>Trackball</translation>
    </message>
    <message>
        <source>Printer</source>
        <comment>COMPUTER6</comment>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Floppy disk</source>
        <comment>COMPUTER7</comment>
        <translation>Diskette</translation>
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
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Power plug</source>
        <comment>COMPUTER13</comment>
        <translation>Netzstecker</translation>
    </message>
    <message>
        <source>Magnifying glass</source>
        <comment>COMPUTER14</comment>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>Robot</source>
        <comment>COMPUTER15</comment>
        <translation>Roboter</translation>
    </message>
    <message>
        <source>Game controller</source>
        <comment>COMPUTER16</comment>
        <translation>Gamecontroller</translation>
    </message>
    <message>
        <source>Gear</source>
        <comment>COMPUTER17</comment>
        <translation>Zahnrad</translation>
    </message>
    <message>
        <source>Link</source>
        <comment>COMPUTER18</comment>
        <translation>Link</translation>
    </message>
    <message>
        <source>Bug</source>
        <comment>COMPUTER19</comment>
        <translation>Raupe</translation>
    </message>
    <message>
        <source>E-mail</source>
        <comment>COMPUTER20</comment>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment>COMPUTER21</comment>
        <translation>Offener Ordner</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <comment>COMPUTER22</comment>
        <translation>Werkzeugkasten</translation>
    </message>
    <message>
        <source>Smartphone</source>
        <comment>COMPUTER23</comment>
        <translation>Smartphone</translation>
    </message>
    <message>
        <source>Shield</source>
        <comment>COMPUTER24</comment>
        <translation>Schutzschild</translation>
    </message>
    <message>
        <source>Number keys</source>
        <comment>COMPUTER25</comment>
        <translation>Zifferntasten</translation>
    </message>
    <message>
        <source>Document</source>
        <comment>COMPUTER26</comment>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Window</source>
        <comment>COMPUTER27</comment>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Control knobs</source>
        <comment>COMPUTER28</comment>
        <translation>Drehregler</translation>
    </message>
    <message>
        <source>Lock and key</source>
        <comment>COMPUTER29</comment>
        <translation>Schloss mit Schlüssel</translation>
    </message>
    <message>
        <source>Web</source>
        <comment>COMPUTER30</comment>
        <translation>Spinnennetz</translation>
    </message>
    <message>
        <source>Dollar banknote</source>
        <comment>CURRENCY1</comment>
        <translation>Dollarschein</translation>
    </message>
    <message>
        <source>Yen banknote</source>
        <comment>CURRENCY2</comment>
        <translation>Yenschein</translation>
    </message>
    <message>
        <source>Euro banknote</source>
        <comment>CURRENCY3</comment>
        <translation>Euroschein</translation>
    </message>
    <message>
        <source>Pound banknote</source>
        <comment>CURRENCY4</comment>
        <translation>Pfundschein</translation>
    </message>
    <message>
        <source>Money bag</source>
        <comment>CURRENCY5</comment>
        <translation>Geldsack</translation>
    </message>
    <message>
        <source>Credit card</source>
        <comment>CURRENCY6</comment>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Money with wings</source>
        <comment>CURRENCY7</comment>
        <translation>Geld mit Flügeln</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <comment>CURRENCY8</comment>
        <translation>Dollarzeichen</translation>
    </message>
    <message>
        <source>Currency exchange</source>
        <comment>CURRENCY9</comment>
        <translation>Geldwechsel</translation>
    </message>
    <message>
        <source>Cash machine</source>
        <comment>CURRENCY10</comment>
        <translation>Geldautomat</translation>
    </message>
    <message>
        <source>Dollar coin</source>
        <comment>CURRENCY11</comment>
        <translation>Dollarmünze</translation>
    </message>
    <message>
        <source>Euro coin</source>
        <comment>CURRENCY12</comment>
        <translation>Euromünze</translation>
    </message>
    <message>
        <source>Pound coin</source>
        <comment>CURRENCY13</comment>
        <translation>Pfundmünze</translation>
    </message>
    <message>
        <source>Yen coin</source>
        <comment>CURRENCY14</comment>
        <translation>Yenmünze</translation>
    </message>
    <message>
        <source>Rupee coin</source>
        <comment>CURRENCY15</comment>
        <translation>Rupienmünze</translation>
    </message>
    <message>
        <source>Rouble coin</source>
        <comment>CURRENCY16</comment>
        <translation>Rubelmünze</translation>
    </message>
    <message>
        <source>Won coin</source>
        <comment>CURRENCY17</comment>
        <translation>Wonmünze</translation>
    </message>
    <message>
        <source>Lira coin</source>
        <comment>CURRENCY18</comment>
        <translation>Liramünze</translation>
    </message>
    <message>
        <source>Shekel coin</source>
        <comment>CURRENCY19</comment>
        <translation>Schekelmünze</translation>
    </message>
    <message>
        <source>Baht coin</source>
        <comment>CURRENCY20</comment>
        <translation>Bahtmünze</translation>
    </message>
    <message>
        <source>Bitcoin</source>
        <comment>CURRENCY21</comment>
        <translation>Bitcoin</translation>
    </message>
    <message>
        <source>Cent coin</source>
        <comment>CURRENCY22</comment>
        <translation>Centmünze</translation>
    </message>
    <message>
        <source>Franc coin</source>
        <comment>CURRENCY23</comment>
        <translation>Frankenmünze</translation>
    </message>
    <message>
        <source>Dong coin</source>
        <comment>CURRENCY24</comment>
        <translation>Dongmünze</translation>
    </message>
    <message>
        <source>Hryvnia coin</source>
        <comment>CURRENCY25</comment>
        <translation>Hrywnjamünze</translation>
    </message>
    <message>
        <source>Tenge coin</source>
        <comment>CURRENCY26</comment>
        <translation>Tengemünze</translation>
    </message>
    <message>
        <source>Gold bars</source>
        <comment>CURRENCY27</comment>
        <translation>Goldbarren</translation>
    </message>
    <message>
        <source>Bank</source>
        <comment>CURRENCY28</comment>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Yen chart</source>
        <comment>CURRENCY29</comment>
        <translation>Yen-Kurve</translation>
    </message>
    <message>
        <source>Treasure chest</source>
        <comment>CURRENCY30</comment>
        <translation>Schatztruhe</translation>
    </message>
    <message>
        <source>Flag of Japan</source>
        <comment>FLAG1</comment>
        <translation>Flagge Japans</translation>
    </message>
    <message>
        <source>Flag of Canada</source>
        <comment>FLAG2</comment>
        <translation>Flagge Kanadas</translation>
    </message>
    <message>
        <source>Flag of the United States</source>
        <comment>FLAG3</comment>
        <translation>Flagge der Vereinigten Staaten</translation>
    </message>
    <message>
        <source>Flag of the United Kingdom</source>
        <comment>FLAG4</comment>
        <translation>Flagge des Vereinigten Königreichs</translation>
    </message>
    <message>
        <source>Flag of France</source>
        <comment>FLAG5</comment>
        <translation>Flagge Frankreichs</translation>
    </message>
    <message>
        <source>Flag of Germany</source>
        <comment>FLAG6</comment>
        <translation>Flagge Deutschlands</translation>
    </message>
    <message>
        <source>Flag of Brazil</source>
        <comment>FLAG7</comment>
        <translation>Flagge Brasiliens</translation>
    </message>
    <message>
        <source>Flag of Sweden</source>
        <comment>FLAG8</comment>
        <translation>Flagge Schwedens</translation>
    </message>
    <message>
        <source>Flag of Switzerland</source>
        <comment>FLAG9</comment>
        <translation>Flagge der Schweiz</translation>
    </message>
    <message>
        <source>Flag of South Korea</source>
        <comment>FLAG10</comment>
        <translation>Flagge Südkoreas</translation>
    </message>
    <message>
        <source>Flag of India</source>
        <comment>FLAG11</comment>
        <translation>Flagge Indiens</translation>
    </message>
    <message>
        <source>Flag of China</source>
        <comment>FLAG12</comment>
        <translation>Flagge Chinas</translation>
    </message>
    <message>
        <source>Flag of Greece</source>
        <comment>FLAG13</comment>
        <translation>Flagge Griechenlands</translation>
    </message>
    <message>
        <source>Flag of Turkey</source>
        <comment>FLAG14</comment>
        <translation>Flagge der Türkei</translation>
    </message>
    <message>
        <source>Flag of Israel</source>
        <comment>FLAG15</comment>
        <translation>Flagge Israels</translation>
    </message>
    <message>
        <source>Flag of South Africa</source>
        <comment>FLAG16</comment>
        <translation>Flagge Südafrikas</translation>
    </message>
    <message>
        <source>Flag of Mexico</source>
        <comment>FLAG17</comment>
        <translation>Flagge Mexikos</translation>
    </message>
    <message>
        <source>Flag of Jamaica</source>
        <comment>FLAG18</comment>
        <translation>Flagge Jamaikas</translation>
    </message>
    <message>
        <source>Flag of Nepal</source>
        <comment>FLAG19</comment>
        <translation>Flagge Nepals</translation>
    </message>
    <message>
        <source>Flag of Ukraine</source>
        <comment>FLAG20</comment>
        <translation>Flagge der Ukraine</translation>
    </message>
    <message>
        <source>Flag of Pakistan</source>
        <comment>FLAG21</comment>
        <translation>Flagge Pakistans</translation>
    </message>
    <message>
        <source>Flag of Kenya</source>
        <comment>FLAG22</comment>
        <translation>Flagge Kenias</translation>
    </message>
    <message>
        <source>Flag of Australia</source>
        <comment>FLAG23</comment>
        <translation>Flagge Australiens</translation>
    </message>
    <message>
        <source>Flag of Lebanon</source>
        <comment>FLAG24</comment>
        <translation>Flagge des Libanon</translation>
    </message>
    <message>
        <source>Flag of Colombia</source>
        <comment>FLAG25</comment>
        <translation>Flagge Kolumbiens</translation>
    </message>
    <message>
        <source>Chequered flag</source>
        <comment>FLAG26</comment>
        <translation>Zielflagge</translation>
    </message>
    <message>
        <source>Pirate flag</source>
        <comment>FLAG27</comment>
        <translation>Piratenflagge</translation>
    </message>
    <message>
        <source>Rainbow flag</source>
        <comment>FLAG28</comment>
        <translation>Regenbogenflagge</translation>
    </message>
    <message>
        <source>White flag</source>
        <comment>FLAG29</comment>
        <translation>Weiße Flagge</translation>
    </message>
    <message>
        <source>Red pennant</source>
        <comment>FLAG30</comment>
        <translation>Roter Wimpel</translation>
    </message>
    <message>
        <source>Apple</source>
        <comment>FOOD1</comment>
        <translation>Apfel</translation>
    </message>
    <message>
        <source>Banana</source>
        <comment>FOOD2</comment>
        <translation>Banane</translation>
    </message>
    <message>
        <source>Grapes</source>
        <comment>FOOD3</comment>
        <translation>Trauben</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <comment>FOOD4</comment>
        <translation>Wassermelone</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <comment>FOOD5</comment>
        <translation>Erdbeere</translation>
    </message>
    <message>
        <source>Cherries</source>
        <comment>FOOD6</comment>
        <translation>Kirschen</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <comment>FOOD7</comment>
        <translation>Ananas</translation>
    </message>
    <message>
        <source>Lemon</source>
        <comment>FOOD8</comment>
        <translation>Zitrone</translation>
    </message>
    <message>
        <source>Carrot</source>
        <comment>FOOD9</comment>
        <translation>Karotte</translation>
    </message>
    <message>
        <source>Corn</source>
        <comment>FOOD10</comment>
        <translation>Maiskolben</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <comment>FOOD11</comment>
        <translation>Brokkoli</translation>
    </message>
    <message>
        <source>Bread</source>
        <comment>FOOD12</comment>
        <translation>Brot</translation>
    </message>
    <message>
        <source>Cheese</source>
        <comment>FOOD13</comment>
        <translation>Käse</translation>
    </message>
    <message>
        <source>Fried egg</source>
        <comment>FOOD14</comment>
        <translation>Spiegelei</translation>
    </message>
    <message>
        <source>Hamburger</source>
        <comment>FOOD15</comment>
        <translation>Hamburger</translation>
    </message>
    <message>
        <source>Pizza</source>
        <comment>FOOD16</comment>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Hot dog</source>
        <comment>FOOD17</comment>
        <translation>Hotdog</translation>
    </message>
    <message>
        <source>Taco</source>
        <comment>FOOD18</comment>
        <translation>Taco</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <comment>FOOD19</comment>
        <translation>Eis</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <comment>FOOD20</comment>
        <translation>Donut</translation>
    </message>
    <message>
        <source>Cookie</source>
        <comment>FOOD21</comment>
        <translation>Keks</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <comment>FOOD22</comment>
        <translation>Geburtstagskuchen</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <comment>FOOD23</comment>
        <translation>Lutscher</translation>
    </message>
    <message>
        <source>Croissant</source>
        <comment>FOOD24</comment>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <comment>FOOD25</comment>
        <translation>Brezel</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <comment>FOOD26</comment>
        <translation>Aubergine</translation>
    </message>
    <message>
        <source>Chilli pepper</source>
        <comment>FOOD27</comment>
        <translation>Chilischote</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <comment>FOOD28</comment>
        <translation>Spaghetti</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <comment>FOOD29</comment>
        <translation>Popcorn</translation>
    </message>
    <message>
        <source>Chicken leg</source>
        <comment>FOOD30</comment>
        <translation>Hähnchenschenkel</translation>
    </message>
    <message>
        <source>Hammer</source>
        <comment>HARDWARE1</comment>
        <translation>Hammer</translation>
    </message>
    <message>
        <source>Wrench</source>
        <comment>HARDWARE2</comment>
        <translation>Schraubenschlüssel</translation>
    </message>
    <message>
        <source>Screwdriver</source>
        <comment>HARDWARE3</comment>
        <translation>Schraubenzieher</translation>
    </message>
    <message>
        <source>Nut and bolt</source>
        <comment>HARDWARE4</comment>
        <translation>Schraube und Mutter</translation>
    </message>
    <message>
        <source>Saw</source>
        <comment>HARDWARE5</comment>
        <translation>Säge</translation>
    </message>
    <message>
        <source>Axe</source>
        <comment>HARDWARE6</comment>
        <translation>Axt</translation>
    </message>
    <message>
        <source>Pickaxe</source>
        <comment>HARDWARE7</comment>
        <translation>Spitzhacke</translation>
    </message>
    <message>
        <source>Magnet</source>
        <comment>HARDWARE8</comment>
        <translation>Magnet</translation>
    </message>
    <message>
        <source>Ladder</source>
        <comment>HARDWARE9</comment>
        <translation>Leiter</translation>
    </message>
    <message>
        <source>Chain</source>
        <comment>HARDWARE10</comment>
        <translation>Kette</translation>
    </message>
    <message>
        <source>Hook</source>
        <comment>HARDWARE11</comment>
        <translation>Haken</translation>
    </message>
    <message>
        <source>Brick</source>
        <comment>HARDWARE12</comment>
        <translation>Ziegelstein</translation>
    </message>
    <message>
        <source>Clamp</source>
        <comment>HARDWARE13</comment>
        <translation>Schraubzwinge</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <comment>HARDWARE14</comment>
        <translation>Pinsel</translation>
    </message>
    <message>
        <source>Bucket</source>
        <comment>HARDWARE15</comment>
        <translation>Eimer</translation>
    </message>
    <message>
        <source>Torch</source>
        <comment>HARDWARE16</comment>
        <translation>Taschenlampe</translation>
    </message>
    <message>
        <source>Old key</source>
        <comment>HARDWARE17</comment>
        <translation>Alter Schlüssel</translation>
    </message>
    <message>
        <source>Fire extinguisher</source>
        <comment>HARDWARE18</comment>
        <translation>Feuerlöscher</translation>
    </message>
    <message>
        <source>Mousetrap</source>
        <comment>HARDWARE19</comment>
        <translation>Mausefalle</translation>
    </message>
    <message>
        <source>Oil drum</source>
        <comment>HARDWARE20</comment>
        <translation>Ölfass</translation>
    </message>
    <message>
        <source>Logs</source>
        <comment>HARDWARE21</comment>
        <translation>Holzklotz</translation>
    </message>
    <message>
        <source>Safety pin</source>
        <comment>HARDWARE22</comment>
        <translation>Sicherheitsnadel</translation>
    </message>
    <message>
        <source>Reel of thread</source>
        <comment>HARDWARE23</comment>
        <translation>Garnrolle</translation>
    </message>
    <message>
        <source>Rope</source>
        <comment>HARDWARE24</comment>
        <translation>Seil</translation>
    </message>
    <message>
        <source>Plunger</source>
        <comment>HARDWARE25</comment>
        <translation>Saugglocke</translation>
    </message>
    <message>
        <source>Candle</source>
        <comment>HARDWARE26</comment>
        <translation>Kerze</translation>
    </message>
    <message>
        <source>Open padlock</source>
        <comment>HARDWARE27</comment>
        <translation>Offenes Vorhängeschloss</translation>
    </message>
    <message>
        <source>Kitchen knife</source>
        <comment>HARDWARE28</comment>
        <translation>Küchenmesser</translation>
    </message>
    <message>
        <source>Gear wheel</source>
        <comment>HARDWARE29</comment>
        <translation>Zahnrad</translation>
    </message>
    <message>
        <source>Battery</source>
        <comment>HARDWARE30</comment>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Bed</source>
        <comment>HOUSE1</comment>
        <translation>Bett</translation>
    </message>
    <message>
        <source>Sofa</source>
        <comment>HOUSE2</comment>
        <translation>Sofa</translation>
    </message>
    <message>
        <source>Chair</source>
        <comment>HOUSE3</comment>
        <translation>Stuhl</translation>
    </message>
    <message>
        <source>Bathtub</source>
        <comment>HOUSE4</comment>
        <translation>Badewanne</translation>
    </message>
    <message>
        <source>Shower</source>
        <comment>HOUSE5</comment>
        <translation>Dusche</translation>
    </message>
    <message>
        <source>Toilet</source>
        <comment>HOUSE6</comment>
        <translation>Toilette</translation>
    </message>
    <message>
        <source>Door</source>
        <comment>HOUSE7</comment>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Mirror</source>
        <comment>HOUSE8</comment>
        <translation>Spiegel</translation>
    </message>
    <message>
        <source>Oil lamp</source>
        <comment>HOUSE9</comment>
        <translation>Öllampe</translation>
    </message>
    <message>
        <source>Broom</source>
        <comment>HOUSE10</comment>
        <translation>Besen</translation>
    </message>
    <message>
        <source>Laundry basket</source>
        <comment>HOUSE11</comment>
        <translation>Wäschekorb</translation>
    </message>
    <message>
        <source>Sponge</source>
        <comment>HOUSE12</comment>
        <translation>Schwamm</translation>
    </message>
    <message>
        <source>Soap</source>
        <comment>HOUSE13</comment>
        <translation>Seife</translation>
    </message>
    <message>
        <source>Toothbrush</source>
        <comment>HOUSE14</comment>
        <translation>Zahnbürste</translation>
    </message>
    <message>
        <source>Toilet roll</source>
        <comment>HOUSE15</comment>
        <translation>Toilettenpapier</translation>
    </message>
    <message>
        <source>Teapot</source>
        <comment>HOUSE16</comment>
        <translation>Teekanne</translation>
    </message>
    <message>
        <source>Coffee cup</source>
        <comment>HOUSE17</comment>
        <translation>Kaffeetasse</translation>
    </message>
    <message>
        <source>Spoon</source>
        <comment>HOUSE18</comment>
        <translation>Löffel</translation>
    </message>
    <message>
        <source>Plate and cutlery</source>
        <comment>HOUSE19</comment>
        <translation>Teller mit Besteck</translation>
    </message>
    <message>
        <source>Cooking pot</source>
        <comment>HOUSE20</comment>
        <translation>Kochtopf</translation>
    </message>
    <message>
        <source>Mantel clock</source>
        <comment>HOUSE21</comment>
        <translation>Kaminuhr</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <comment>HOUSE22</comment>
        <translation>Regenschirm</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <comment>HOUSE23</comment>
        <translation>Teddybär</translation>
    </message>
    <message>
        <source>Framed picture</source>
        <comment>HOUSE24</comment>
        <translation>Bild mit Rahmen</translation>
    </message>
    <message>
        <source>Razor</source>
        <comment>HOUSE25</comment>
        <translation>Rasierer</translation>
    </message>
    <message>
        <source>Lotion bottle</source>
        <comment>HOUSE26</comment>
        <translation>Lotionsflasche</translation>
    </message>
    <message>
        <source>Jar</source>
        <comment>HOUSE27</comment>
        <translation>Einmachglas</translation>
    </message>
    <message>
        <source>Sewing needle</source>
        <comment>HOUSE28</comment>
        <translation>Nähnadel</translation>
    </message>
    <message>
        <source>House key</source>
        <comment>HOUSE29</comment>
        <translation>Hausschlüssel</translation>
    </message>
    <message>
        <source>Window</source>
        <comment>HOUSE30</comment>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Musical note</source>
        <comment>MUSIC1</comment>
        <translation>Musiknote</translation>
    </message>
    <message>
        <source>Guitar</source>
        <comment>MUSIC2</comment>
        <translation>Gitarre</translation>
    </message>
    <message>
        <source>Violin</source>
        <comment>MUSIC3</comment>
        <translation>Geige</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <comment>MUSIC4</comment>
        <translation>Trompete</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <comment>MUSIC5</comment>
        <translation>Saxofon</translation>
    </message>
    <message>
        <source>Piano keys</source>
        <comment>MUSIC6</comment>
        <translation>Klaviertasten</translation>
    </message>
    <message>
        <source>Drum</source>
        <comment>MUSIC7</comment>
        <translation>Trommel</translation>
    </message>
    <message>
        <source>Long drum</source>
        <comment>MUSIC8</comment>
        <translation>Djembe</translation>
    </message>
    <message>
        <source>Accordion</source>
        <comment>MUSIC9</comment>
        <translation>Akkordeon</translation>
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
        <translation>Flöte</translation>
    </message>
    <message>
        <source>Sheet music</source>
        <comment>MUSIC13</comment>
        <translation>Noten</translation>
    </message>
    <message>
        <source>Bell</source>
        <comment>MUSIC14</comment>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Microphone</source>
        <comment>MUSIC15</comment>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Headphones</source>
        <comment>MUSIC16</comment>
        <translation>Kopfhörer</translation>
    </message>
    <message>
        <source>Radio</source>
        <comment>MUSIC17</comment>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Post horn</source>
        <comment>MUSIC18</comment>
        <translation>Posthorn</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <comment>MUSIC19</comment>
        <translation>Lautsprecher</translation>
    </message>
    <message>
        <source>Ballet shoes</source>
        <comment>MUSIC20</comment>
        <translation>Ballettschuhe</translation>
    </message>
    <message>
        <source>Dancer</source>
        <comment>MUSIC21</comment>
        <translation>Tänzerin</translation>
    </message>
    <message>
        <source>Theatre masks</source>
        <comment>MUSIC22</comment>
        <translation>Theatermasken</translation>
    </message>
    <message>
        <source>Mixing slider</source>
        <comment>MUSIC23</comment>
        <translation>Schieberegler</translation>
    </message>
    <message>
        <source>Wind chime</source>
        <comment>MUSIC24</comment>
        <translation>Windspiel</translation>
    </message>
    <message>
        <source>Compact disc</source>
        <comment>MUSIC25</comment>
        <translation>CD</translation>
    </message>
    <message>
        <source>Singer</source>
        <comment>MUSIC26</comment>
        <translation>Sänger</translation>
    </message>
    <message>
        <source>Mirror ball</source>
        <comment>MUSIC27</comment>
        <translation>Discokugel</translation>
    </message>
    <message>
        <source>Triangle</source>
        <comment>MUSIC28</comment>
        <translation>Triangel</translation>
    </message>
    <message>
        <source>Xylophone</source>
        <comment>MUSIC29</comment>
        <translation>Xylofon</translation>
    </message>
    <message>
        <source>Tuning fork</source>
        <comment>MUSIC30</comment>
        <translation>Stimmgabel</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <comment>PLANT1</comment>
        <translation>Sonnenblume</translation>
    </message>
    <message>
        <source>Rose</source>
        <comment>PLANT2</comment>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Tulip</source>
        <comment>PLANT3</comment>
        <translation>Tulpe</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <comment>PLANT4</comment>
        <translation>Hibiskus</translation>
    </message>
    <message>
        <source>Cherry blossom</source>
        <comment>PLANT5</comment>
        <translation>Kirschblüte</translation>
    </message>
    <message>
        <source>Daisy</source>
        <comment>PLANT6</comment>
        <translation>Gänseblümchen</translation>
    </message>
    <message>
        <source>Lotus</source>
        <comment>PLANT7</comment>
        <translation>Lotusblume</translation>
    </message>
    <message>
        <source>Cactus</source>
        <comment>PLANT8</comment>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>Palm tree</source>
        <comment>PLANT9</comment>
        <translation>Palme</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <comment>PLANT10</comment>
        <translation>Tanne</translation>
    </message>
    <message>
        <source>Oak tree</source>
        <comment>PLANT11</comment>
        <translation>Eiche</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <comment>PLANT12</comment>
        <translation>Vierblättriges Kleeblatt</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <comment>PLANT13</comment>
        <translation>Ahornblatt</translation>
    </message>
    <message>
        <source>Herb</source>
        <comment>PLANT14</comment>
        <translation>Kräuter</translation>
    </message>
    <message>
        <source>Seedling</source>
        <comment>PLANT15</comment>
        <translation>Keimling</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <comment>PLANT16</comment>
        <translation>Pilz</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <comment>PLANT17</comment>
        <translation>Blumenstrauß</translation>
    </message>
    <message>
        <source>Potted plant</source>
        <comment>PLANT18</comment>
        <translation>Topfpflanze</translation>
    </message>
    <message>
        <source>Ear of rice</source>
        <comment>PLANT19</comment>
        <translation>Reisähre</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <comment>PLANT20</comment>
        <translation>Kastanie</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <comment>PLANT21</comment>
        <translation>Hyazinthe</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <comment>PLANT22</comment>
        <translation>Bambus</translation>
    </message>
    <message>
        <source>Coral</source>
        <comment>PLANT23</comment>
        <translation>Koralle</translation>
    </message>
    <message>
        <source>Olives</source>
        <comment>PLANT24</comment>
        <translation>Oliven</translation>
    </message>
    <message>
        <source>Pea pod</source>
        <comment>PLANT25</comment>
        <translation>Erbsenschote</translation>
    </message>
    <message>
        <source>Garlic</source>
        <comment>PLANT26</comment>
        <translation>Knoblauch</translation>
    </message>
    <message>
        <source>Coconut</source>
        <comment>PLANT27</comment>
        <translation>Kokosnuss</translation>
    </message>
    <message>
        <source>Peanuts</source>
        <comment>PLANT28</comment>
        <translation>Erdnüsse</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <comment>PLANT29</comment>
        <translation>Salat</translation>
    </message>
    <message>
        <source>Ginger root</source>
        <comment>PLANT30</comment>
        <translation>Ingwerwurzel</translation>
    </message>
    <message>
        <source>Microscope</source>
        <comment>SCIENCE1</comment>
        <translation>Mikroskop</translation>
    </message>
    <message>
        <source>Telescope</source>
        <comment>SCIENCE2</comment>
        <translation>Teleskop</translation>
    </message>
    <message>
        <source>Test tube</source>
        <comment>SCIENCE3</comment>
        <translation>Reagenzglas</translation>
    </message>
    <message>
        <source>Petri dish</source>
        <comment>SCIENCE4</comment>
        <translation>Petrischale</translation>
    </message>
    <message>
        <source>DNA</source>
        <comment>SCIENCE5</comment>
        <translation>DNA</translation>
    </message>
    <message>
        <source>Atom</source>
        <comment>SCIENCE6</comment>
        <translation>Atom</translation>
    </message>
    <message>
        <source>Still</source>
        <comment>SCIENCE7</comment>
        <translation>Destillierkolben</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <comment>SCIENCE8</comment>
        <translation>Thermometer</translation>
    </message>
    <message>
        <source>Rocket</source>
        <comment>SCIENCE9</comment>
        <translation>Rakete</translation>
    </message>
    <message>
        <source>Globe</source>
        <comment>SCIENCE10</comment>
        <translation>Globus</translation>
    </message>
    <message>
        <source>Ringed planet</source>
        <comment>SCIENCE11</comment>
        <translation>Planet mit Ring</translation>
    </message>
    <message>
        <source>Crescent moon</source>
        <comment>SCIENCE12</comment>
        <translation>Mondsichel</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>SCIENCE13</comment>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Comet</source>
        <comment>SCIENCE14</comment>
        <translation>Komet</translation>
    </message>
    <message>
        <source>Lightning</source>
        <comment>SCIENCE15</comment>
        <translation>Blitz</translation>
    </message>
    <message>
        <source>Microbe</source>
        <comment>SCIENCE16</comment>
        <translation>Mikrobe</translation>
    </message>
    <message>
        <source>Brain</source>
        <comment>SCIENCE17</comment>
        <translation>Gehirn</translation>
    </message>
    <message>
        <source>Bone</source>
        <comment>SCIENCE18</comment>
        <translation>Knochen</translation>
    </message>
    <message>
        <source>Pill</source>
        <comment>SCIENCE19</comment>
        <translation>Tablette</translation>
    </message>
    <message>
        <source>Syringe</source>
        <comment>SCIENCE20</comment>
        <translation>Spritze</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <comment>SCIENCE21</comment>
        <translation>Stethoskop</translation>
    </message>
    <message>
        <source>Dinosaur</source>
        <comment>SCIENCE22</comment>
        <translation>Dinosaurier</translation>
    </message>
    <message>
        <source>Fire</source>
        <comment>SCIENCE23</comment>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Water drop</source>
        <comment>SCIENCE24</comment>
        <translation>Wassertropfen</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <comment>SCIENCE25</comment>
        <translation>Schneeflocke</translation>
    </message>
    <message>
        <source>Volcano</source>
        <comment>SCIENCE26</comment>
        <translation>Vulkan</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <comment>SCIENCE27</comment>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>Magnet</source>
        <comment>SCIENCE28</comment>
        <translation>Magnet</translation>
    </message>
    <message>
        <source>Safety goggles</source>
        <comment>SCIENCE29</comment>
        <translation>Schutzbrille</translation>
    </message>
    <message>
        <source>Compass</source>
        <comment>SCIENCE30</comment>
        <translation>Kompass</translation>
    </message>
    <message>
        <source>Circle</source>
        <comment>SHAPE1</comment>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Square</source>
        <comment>SHAPE2</comment>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Triangle</source>
        <comment>SHAPE3</comment>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Five-pointed star</source>
        <comment>SHAPE4</comment>
        <translation>Fünfzackiger Stern</translation>
    </message>
    <message>
        <source>Heart</source>
        <comment>SHAPE5</comment>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Diamond</source>
        <comment>SHAPE6</comment>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <comment>SHAPE7</comment>
        <translation>Sechseck</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <comment>SHAPE8</comment>
        <translation>Fünfeck</translation>
    </message>
    <message>
        <source>Octagon</source>
        <comment>SHAPE9</comment>
        <translation>Achteck</translation>
    </message>
    <message>
        <source>Crescent</source>
        <comment>SHAPE10</comment>
        <translation>Halbmond</translation>
    </message>
    <message>
        <source>Cross</source>
        <comment>SHAPE11</comment>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Arrow</source>
        <comment>SHAPE12</comment>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Ring</source>
        <comment>SHAPE13</comment>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Oval</source>
        <comment>SHAPE14</comment>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <comment>SHAPE15</comment>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Trapezoid</source>
        <comment>SHAPE16</comment>
        <translation>Trapez</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <comment>SHAPE17</comment>
        <translation>Parallelogramm</translation>
    </message>
    <message>
        <source>Six-pointed star</source>
        <comment>SHAPE18</comment>
        <translation>Sechszackiger Stern</translation>
    </message>
    <message>
        <source>Spade</source>
        <comment>SHAPE19</comment>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Club</source>
        <comment>SHAPE20</comment>
        <translation>Treff</translation>
    </message>
    <message>
        <source>Semicircle</source>
        <comment>SHAPE21</comment>
        <translation>Halbkreis</translation>
    </message>
    <message>
        <source>Cube</source>
        <comment>SHAPE22</comment>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Saltire</source>
        <comment>SHAPE23</comment>
        <translation>Schrägkreuz</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <comment>SHAPE24</comment>
        <translation>Zylinder</translation>
    </message>
    <message>
        <source>Teardrop</source>
        <comment>SHAPE25</comment>
        <translation>Tropfen</translation>
    </message>
    <message>
        <source>Cone</source>
        <comment>SHAPE26</comment>
        <translation>Kegel</translation>
    </message>
    <message>
        <source>Pie slice</source>
        <comment>SHAPE27</comment>
        <translation>Tortenstück</translation>
    </message>
    <message>
        <source>Chevron</source>
        <comment>SHAPE28</comment>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Cloud</source>
        <comment>SHAPE29</comment>
        <translation>Wolke</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <comment>SHAPE30</comment>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Stop sign</source>
        <comment>SIGN1</comment>
        <translation>Stoppschild</translation>
    </message>
    <message>
        <source>No entry</source>
        <comment>SIGN2</comment>
        <translation>Einfahrt verboten</translation>
    </message>
    <message>
        <source>Prohibited</source>
        <comment>SIGN3</comment>
        <translation>Verboten</translation>
    </message>
    <message>
        <source>Warning</source>
        <comment>SIGN4</comment>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Radioactive</source>
        <comment>SIGN5</comment>
        <translation>Radioaktiv</translation>
    </message>
    <message>
        <source>Biohazard</source>
        <comment>SIGN6</comment>
        <translation>Biogefährdung</translation>
    </message>
    <message>
        <source>Children crossing</source>
        <comment>SIGN7</comment>
        <translation>Achtung, Kinder</translation>
    </message>
    <message>
        <source>No smoking</source>
        <comment>SIGN8</comment>
        <translation>Rauchen verboten</translation>
    </message>
    <message>
        <source>No bicycles</source>
        <comment>SIGN9</comment>
        <translation>Fahrräder verboten</translation>
    </message>
    <message>
        <source>No mobile phones</source>
        <comment>SIGN10</comment>
        <translation>Handys verboten</translation>
    </message>
    <message>
        <source>Wheelchair access</source>
        <comment>SIGN11</comment>
        <translation>Rollstuhlgerecht</translation>
    </message>
    <message>
        <source>Toilets</source>
        <comment>SIGN12</comment>
        <translation>Toiletten</translation>
    </message>
    <message>
        <source>Parking</source>
        <comment>SIGN13</comment>
        <translation>Parkplatz</translation>
    </message>
    <message>
        <source>Recycling</source>
        <comment>SIGN14</comment>
        <translation>Recycling</translation>
    </message>
    <message>
        <source>Traffic light</source>
        <comment>SIGN15</comment>
        <translation>Ampel</translation>
    </message>
    <message>
        <source>Road works</source>
        <comment>SIGN16</comment>
        <translation>Baustelle</translation>
    </message>
    <message>
        <source>Information</source>
        <comment>SIGN17</comment>
        <translation>Information</translation>
    </message>
    <message>
        <source>SOS</source>
        <comment>SIGN18</comment>
        <translation>SOS</translation>
    </message>
    <message>
        <source>Placard</source>
        <comment>SIGN19</comment>
        <translation>Plakat</translation>
    </message>
    <message>
        <source>Exclamation mark</source>
        <comment>SIGN20</comment>
        <translation>Ausrufezeichen</translation>
    </message>
    <message>
        <source>Question mark</source>
        <comment>SIGN21</comment>
        <translation>Fragezeichen</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <comment>SIGN22</comment>
        <translation>Zapfsäule</translation>
    </message>
    <message>
        <source>Barber&apos;s pole</source>
        <comment>SIGN23</comment>
        <translation>Barbierstange</translation>
    </message>
    <message>
        <source>Beginner badge</source>
        <comment>SIGN24</comment>
        <translation>Anfängerplakette</translation>
    </message>
    <message>
        <source>Metro sign</source>
        <comment>SIGN25</comment>
        <translation>U-Bahn-Schild</translation>
    </message>
    <message>
        <source>High voltage</source>
        <comment>SIGN26</comment>
        <translation>Hochspannung</translation>
    </message>
    <message>
        <source>Peace sign</source>
        <comment>SIGN27</comment>
        <translation>Friedenszeichen</translation>
    </message>
    <message>
        <source>Adults only</source>
        <comment>SIGN28</comment>
        <translation>Nur für Erwachsene</translation>
    </message>
    <message>
        <source>Check mark</source>
        <comment>SIGN29</comment>
        <translation>Häkchen</translation>
    </message>
    <message>
        <source>Anchor</source>
        <comment>SIGN30</comment>
        <translation>Anker</translation>
    </message>
    <message>
        <source>Football</source>
        <comment>SPORT1</comment>
        <translation>Fußball</translation>
    </message>
    <message>
        <source>Basketball</source>
        <comment>SPORT2</comment>
        <translation>Basketball</translation>
    </message>
    <message>
        <source>American football</source>
        <comment>SPORT3</comment>
        <translation>American Football</translation>
    </message>
    <message>
        <source>Baseball</source>
        <comment>SPORT4</comment>
        <translation>Baseball</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <comment>SPORT5</comment>
        <translation>Tennisball</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <comment>SPORT6</comment>
        <translation>Volleyball</translation>
    </message>
    <message>
        <source>Bowling</source>
        <comment>SPORT7</comment>
        <translation>Bowling</translation>
    </message>
    <message>
        <source>Golf</source>
        <comment>SPORT8</comment>
        <translation>Golf</translation>
    </message>
    <message>
        <source>Ice hockey</source>
        <comment>SPORT9</comment>
        <translation>Eishockey</translation>
    </message>
    <message>
        <source>Table tennis</source>
        <comment>SPORT10</comment>
        <translation>Tischtennis</translation>
    </message>
    <message>
        <source>Badminton</source>
        <comment>SPORT11</comment>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Boxing glove</source>
        <comment>SPORT12</comment>
        <translation>Boxhandschuh</translation>
    </message>
    <message>
        <source>Skis</source>
        <comment>SPORT13</comment>
        <translation>Skier</translation>
    </message>
    <message>
        <source>Ice skate</source>
        <comment>SPORT14</comment>
        <translation>Schlittschuh</translation>
    </message>
    <message>
        <source>Fishing rod</source>
        <comment>SPORT15</comment>
        <translation>Angelrute</translation>
    </message>
    <message>
        <source>Darts</source>
        <comment>SPORT16</comment>
        <translation>Darts</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <comment>SPORT17</comment>
        <translation>Billardkugel</translation>
    </message>
    <message>
        <source>Cricket</source>
        <comment>SPORT18</comment>
        <translation>Cricket</translation>
    </message>
    <message>
        <source>Trophy</source>
        <comment>SPORT19</comment>
        <translation>Pokal</translation>
    </message>
    <message>
        <source>Gold medal</source>
        <comment>SPORT20</comment>
        <translation>Goldmedaille</translation>
    </message>
    <message>
        <source>Lacrosse</source>
        <comment>SPORT21</comment>
        <translation>Lacrosse</translation>
    </message>
    <message>
        <source>Flying disc</source>
        <comment>SPORT22</comment>
        <translation>Frisbee</translation>
    </message>
    <message>
        <source>Curling stone</source>
        <comment>SPORT23</comment>
        <translation>Curlingstein</translation>
    </message>
    <message>
        <source>Sledge</source>
        <comment>SPORT24</comment>
        <translation>Schlitten</translation>
    </message>
    <message>
        <source>Goal net</source>
        <comment>SPORT25</comment>
        <translation>Tornetz</translation>
    </message>
    <message>
        <source>Martial arts suit</source>
        <comment>SPORT26</comment>
        <translation>Kampfsportanzug</translation>
    </message>
    <message>
        <source>Diving mask</source>
        <comment>SPORT27</comment>
        <translation>Taucherbrille</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <comment>SPORT28</comment>
        <translation>Skateboard</translation>
    </message>
    <message>
        <source>Roller skate</source>
        <comment>SPORT29</comment>
        <translation>Rollschuh</translation>
    </message>
    <message>
        <source>Bow and arrow</source>
        <comment>SPORT30</comment>
        <translation>Pfeil und Bogen</translation>
    </message>
    <message>
        <source>Car</source>
        <comment>TRANSPORT1</comment>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Bus</source>
        <comment>TRANSPORT2</comment>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Taxi</source>
        <comment>TRANSPORT3</comment>
        <translation>Taxi</translation>
    </message>
    <message>
        <source>Police car</source>
        <comment>TRANSPORT4</comment>
        <translation>Polizeiauto</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <comment>TRANSPORT5</comment>
        <translation>Krankenwagen</translation>
    </message>
    <message>
        <source>Fire engine</source>
        <comment>TRANSPORT6</comment>
        <translation>Feuerwehrauto</translation>
    </message>
    <message>
        <source>Lorry</source>
        <comment>TRANSPORT7</comment>
        <translation>Lastwagen</translation>
    </message>
    <message>
        <source>Tractor</source>
        <comment>TRANSPORT8</comment>
        <translation>Traktor</translation>
    </message>
    <message>
        <source>Racing car</source>
        <comment>TRANSPORT9</comment>
        <translation>Rennwagen</translation>
    </message>
    <message>
        <source>Motorcycle</source>
        <comment>TRANSPORT10</comment>
        <translation>Motorrad</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <comment>TRANSPORT11</comment>
        <translation>Fahrrad</translation>
    </message>
    <message>
        <source>Moped</source>
        <comment>TRANSPORT12</comment>
        <translation>Motorroller</translation>
    </message>
    <message>
        <source>Kick scooter</source>
        <comment>TRANSPORT13</comment>
        <translation>Tretroller</translation>
    </message>
    <message>
        <source>Steam locomotive</source>
        <comment>TRANSPORT14</comment>
        <translation>Dampflok</translation>
    </message>
    <message>
        <source>High-speed train</source>
        <comment>TRANSPORT15</comment>
        <translation>Hochgeschwindigkeitszug</translation>
    </message>
    <message>
        <source>Tram</source>
        <comment>TRANSPORT16</comment>
        <translation>Straßenbahn</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <comment>TRANSPORT17</comment>
        <translation>Hubschrauber</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <comment>TRANSPORT18</comment>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <source>Rocket</source>
        <comment>TRANSPORT19</comment>
        <translation>Rakete</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <comment>TRANSPORT20</comment>
        <translation>Segelboot</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <comment>TRANSPORT21</comment>
        <translation>Motorboot</translation>
    </message>
    <message>
        <source>Ship</source>
        <comment>TRANSPORT22</comment>
        <translation>Schiff</translation>
    </message>
    <message>
        <source>Canoe</source>
        <comment>TRANSPORT23</comment>
        <translation>Kanu</translation>
    </message>
    <message>
        <source>Hot-air balloon</source>
        <comment>TRANSPORT24</comment>
        <translation>Heißluftballon</translation>
    </message>
    <message>
        <source>Cable car</source>
        <comment>TRANSPORT25</comment>
        <translation>Seilbahn</translation>
    </message>
    <message>
        <source>Flying saucer</source>
        <comment>TRANSPORT26</comment>
        <translation>Fliegende Untertasse</translation>
    </message>
    <message>
        <source>Four-by-four</source>
        <comment>TRANSPORT27</comment>
        <translation>Geländewagen</translation>
    </message>
    <message>
        <source>Auto rickshaw</source>
        <comment>TRANSPORT28</comment>
        <translation>Autorikscha</translation>
    </message>
    <message>
        <source>Parachute</source>
        <comment>TRANSPORT29</comment>
        <translation>Fallschirm</translation>
    </message>
    <message>
        <source>Minibus</source>
        <comment>TRANSPORT30</comment>
        <translation>Kleinbus</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Ressource mit der Kennung „%1“ nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid resource format: &apos;%1&apos;</source>
        <translation>Ungültiges Ressourcenformat: „%1“</translation>
    </message>
</context>
<context>
    <name>ScoreTables</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen passen nicht zusammen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset all Small Board scores?</source>
        <translation>Möchten Sie die Bestenliste des kleinen Spielfelds wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset all Large Board scores?</source>
        <translation>Möchten Sie die Bestenliste des großen Spielfelds wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Bestenliste zurücksetzen</translation>
    </message>
</context>
<context>
    <name>ScoresWindow</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Small Board</source>
        <translation>&amp;Kleines Feld</translation>
    </message>
    <message>
        <source>&amp;Large Board</source>
        <translation>&amp;Großes Feld</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Bestzeiten</translation>
    </message>
    <message>
        <source>Fewest Sets Flipped</source>
        <translation>Wenigste Züge</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Züge</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>Path/File access error: %1 cannot be locked</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 kann nicht gesperrt werden</translation>
    </message>
    <message>
        <source>Out of string space: %1 would be larger than 16 MiB and is left as it is</source>
        <translation>Zeichenkettenspeicher erschöpft: %1 wäre größer als 16 MiB und bleibt unverändert</translation>
    </message>
    <message>
        <source>Path/File access error: %1 changed while it was saved</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 hat sich beim Speichern geändert</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is locked by another game</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 ist von einem anderen laufenden Spiel gesperrt</translation>
    </message>
    <message>
        <source>Path/File access error: %1 cannot be locked: %2</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 kann nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>Path/File access error: %1 changed while it was saved and could not be put back; the file found there is kept as %2</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 hat sich beim Speichern geändert und konnte nicht zurückgesetzt werden; die dort gefundene Datei liegt jetzt unter %2</translation>
    </message>
</context>
</TS>
