<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Copyright (C) 2026</source>
        <translation>Copyright (C) 2026</translation>
    </message>
    <message>
        <source>the Pexora developers</source>
        <translation>de ontwikkelaars van Pexora</translation>
    </message>
    <message>
        <source>A picture-matching memory game</source>
        <translation>Geheugenspel met afbeeldingen</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL,</source>
        <translation>Vrije software onder de GNU GPL,</translation>
    </message>
    <message>
        <source>version 3 or later; NO WARRANTY.</source>
        <translation>versie 3 of later; GEEN GARANTIE.</translation>
    </message>
    <message>
        <source>More in Help &gt; Contents (F1)</source>
        <translation>Zie Help &gt; Inhoud (F1)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licentie</translation>
    </message>
    <message>
        <source>%1, version %2</source>
        <translation>%1, versie %2</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Space</source>
        <translation>Spatie</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Error #: %1</source>
        <translation>Foutnummer: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Onverwachte fout</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ongeldige aanroep van een procedure of ongeldig argument</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index buiten bereik</translation>
    </message>
</context>
<context>
    <name>GameBoard</name>
    <message>
        <source>Out of play</source>
        <translation>Buiten het speelveld</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Afbeelding %1</translation>
    </message>
    <message>
        <source>Row %1, column %2, removed</source>
        <translation>Rij %1, kolom %2, verwijderd</translation>
    </message>
    <message>
        <source>Row %1, column %2, face up, %3</source>
        <translation>Rij %1, kolom %2, open, %3</translation>
    </message>
    <message>
        <source>Row %1, column %2, face down</source>
        <translation>Rij %1, kolom %2, dicht</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Pexora Help</source>
        <translation>Pexora-help</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vooruit</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Startpagina</translation>
    </message>
    <message>
        <source>Type a word to find</source>
        <translation>Typ een woord om te zoeken</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>(no file name)</source>
        <translation>(geen bestandsnaam)</translation>
    </message>
    <message>
        <source>The help file was not found:
%1

Pexora goes on without help; installing the game again restores the file.</source>
        <translation>Het helpbestand is niet gevonden:
%1

Pexora gaat verder zonder help; als u het spel opnieuw installeert, wordt het bestand hersteld.</translation>
    </message>
    <message>
        <source>The help file cannot be read: the program that checks it first is missing:
%1

Pexora goes on without help; installing the game again restores it.</source>
        <translation>Het helpbestand kan niet worden gelezen: het programma dat het eerst controleert, ontbreekt:
%1

Pexora gaat verder zonder help; als u het spel opnieuw installeert, wordt het programma hersteld.</translation>
    </message>
    <message>
        <source>The help file cannot be read:
%1

It may be damaged. Pexora goes on without help; installing the game again restores the file.</source>
        <translation>Het helpbestand kan niet worden gelezen:
%1

Het is mogelijk beschadigd. Pexora gaat verder zonder help; als u het spel opnieuw installeert, wordt het bestand hersteld.</translation>
    </message>
    <message>
        <source>The help file may be damaged.</source>
        <translation>Het helpbestand is mogelijk beschadigd.</translation>
    </message>
    <message>
        <source>The contents cannot be read.</source>
        <translation>De inhoudsopgave kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The index cannot be read.</source>
        <translation>De index kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>This help file has no topic &quot;%1&quot;.</source>
        <translation>Dit helpbestand heeft geen onderwerp ‘%1’.</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; cannot be read; the help file may be damaged.</source>
        <translation>Het onderwerp ‘%1’ kan niet worden gelezen; het helpbestand is mogelijk beschadigd.</translation>
    </message>
    <message>
        <source>The first topic of this help file cannot be read; the help file may be damaged.</source>
        <translation>Het eerste onderwerp van dit helpbestand kan niet worden gelezen; het helpbestand is mogelijk beschadigd.</translation>
    </message>
    <message>
        <source>Checking the help file...</source>
        <translation>Het helpbestand wordt gecontroleerd...</translation>
    </message>
    <message>
        <source>The help file in your language cannot be read; the help is shown in English.</source>
        <translation>Het helpbestand in uw taal kan niet worden gelezen; de help wordt in het Engels getoond.</translation>
    </message>
    <message>
        <source>The help is not available in your language; it is shown in English.</source>
        <translation>De help is niet beschikbaar in uw taal en wordt in het Engels getoond.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Player %1</source>
        <translation>Speler %1</translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Speler: %1</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>%1 is aan de beurt</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Spel voorbij.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spel voorbij</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Nieuw spel starten</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Topscores weergeven</translation>
    </message>
    <message>
        <source>Change Board Size</source>
        <translation>Grootte van het speelveld wijzigen</translation>
    </message>
    <message>
        <source>Change Tile Color</source>
        <translation>Kleur van de kaarten wijzigen</translation>
    </message>
    <message>
        <source>Change Image Category</source>
        <translation>Afbeeldingscategorie wijzigen</translation>
    </message>
    <message>
        <source>Change Level of Difficulty</source>
        <translation>Moeilijkheidsniveau wijzigen</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Spelers wijzigen</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Geluid aan/uit</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Programma-informatie weergeven</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Spel afsluiten</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Topscores...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Boards</source>
        <translation>Speel&amp;veld</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Kleuren</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Afbeeldingen</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Spelers</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusbalk</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkbalk</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Licentieovereenkomst</translation>
    </message>
    <message>
        <source>&amp;About Pexora...</source>
        <translation>&amp;Over Pexora...</translation>
    </message>
    <message>
        <source>The player whose turn it is</source>
        <translation>De speler die aan de beurt is</translation>
    </message>
    <message>
        <source>Sets flipped by the player, or the player&apos;s matches in a two-player game</source>
        <translation>Zetten van de speler of, in een spel met twee spelers, zijn treffers</translation>
    </message>
    <message>
        <source>Seconds since the first tile of a one-player game was turned</source>
        <translation>Seconden sinds de eerste kaart van een spel voor één speler werd omgedraaid</translation>
    </message>
    <message numerus="yes">
        <source>Sets Flipped: %n</source>
        <translation>
            <numerusform>Zetten: %n</numerusform>
            <numerusform>Zetten: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Time: %n</source>
        <translation>
            <numerusform>Tijd: %n</numerusform>
            <numerusform>Tijd: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Matches: %n</source>
        <translation>
            <numerusform>Treffers: %n</numerusform>
            <numerusform>Treffers: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches for %1</source>
        <translation>
            <numerusform>%n treffer voor %1</numerusform>
            <numerusform>%n treffers voor %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Matches for %1: %n.</source>
        <translation>
            <numerusform>%1 heeft %n treffer.</numerusform>
            <numerusform>%1 heeft %n treffers.</numerusform>
        </translation>
    </message>
    <message>
        <source>Face up, %1.</source>
        <translation>Open: %1.</translation>
    </message>
    <message>
        <source>No match.</source>
        <translation>Geen treffer.</translation>
    </message>
    <message>
        <source>A match: %1.</source>
        <translation>Treffer: %1.</translation>
    </message>
    <message>
        <source>The set is turned face down.</source>
        <translation>De kaarten gaan weer dicht.</translation>
    </message>
    <message>
        <source>The rest of the set is turned face down.</source>
        <translation>De overige kaarten gaan weer dicht.</translation>
    </message>
    <message>
        <source>The board is clear. %1, %2.</source>
        <translation>Het speelveld is leeg: %1 in %2.</translation>
    </message>
    <message numerus="yes">
        <source>Sets turned: %n</source>
        <translation>
            <numerusform>%n zet</numerusform>
            <numerusform>%n zetten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>seconds: %n</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Animals</source>
        <translation>Dieren</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Gebouwen</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Kantoor</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Communicatie</translation>
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
        <translation>Vlaggen</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Eten</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Gereedschap</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Huishouden</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muziek</translation>
    </message>
    <message>
        <source>Plants</source>
        <translation>Planten</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>Wetenschap</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Vormen</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Borden</translation>
    </message>
    <message>
        <source>Sports</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Vervoer</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Match 2 Tiles</source>
        <translation>Per 2 kaarten</translation>
    </message>
    <message>
        <source>Match 3 Tiles</source>
        <translation>Per 3 kaarten</translation>
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
        <translation>Aan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Boards</source>
        <translation>Speel&amp;veld</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Kleuren</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Afbeeldingen</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Spelers</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Geluid</translation>
    </message>
</context>
<context>
    <name>PictureName</name>
    <message>
        <source>Elephant</source>
        <comment>ANIMAL1</comment>
        <translation>Olifant</translation>
    </message>
    <message>
        <source>Lion</source>
        <comment>ANIMAL2</comment>
        <translation>Leeuw</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <comment>ANIMAL3</comment>
        <translation>Giraf</translation>
    </message>
    <message>
        <source>Zebra</source>
        <comment>ANIMAL4</comment>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Penguin</source>
        <comment>ANIMAL5</comment>
        <translation>Pinguïn</translation>
    </message>
    <message>
        <source>Frog</source>
        <comment>ANIMAL6</comment>
        <translation>Kikker</translation>
    </message>
    <message>
        <source>Pig</source>
        <comment>ANIMAL7</comment>
        <translation>Varken</translation>
    </message>
    <message>
        <source>Cow</source>
        <comment>ANIMAL8</comment>
        <translation>Koe</translation>
    </message>
    <message>
        <source>Monkey</source>
        <comment>ANIMAL9</comment>
        <translation>Aap</translation>
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
        <translation>Tijger</translation>
    </message>
    <message>
        <source>Fox</source>
        <comment>ANIMAL13</comment>
        <translation>Vos</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <comment>ANIMAL14</comment>
        <translation>Konijn</translation>
    </message>
    <message>
        <source>Owl</source>
        <comment>ANIMAL15</comment>
        <translation>Uil</translation>
    </message>
    <message>
        <source>Turtle</source>
        <comment>ANIMAL16</comment>
        <translation>Schildpad</translation>
    </message>
    <message>
        <source>Snail</source>
        <comment>ANIMAL17</comment>
        <translation>Slak</translation>
    </message>
    <message>
        <source>Octopus</source>
        <comment>ANIMAL18</comment>
        <translation>Octopus</translation>
    </message>
    <message>
        <source>Crab</source>
        <comment>ANIMAL19</comment>
        <translation>Krab</translation>
    </message>
    <message>
        <source>Whale</source>
        <comment>ANIMAL20</comment>
        <translation>Walvis</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <comment>ANIMAL21</comment>
        <translation>Tropische vis</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <comment>ANIMAL22</comment>
        <translation>Vlinder</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <comment>ANIMAL23</comment>
        <translation>Lieveheersbeestje</translation>
    </message>
    <message>
        <source>Bee</source>
        <comment>ANIMAL24</comment>
        <translation>Bij</translation>
    </message>
    <message>
        <source>Snake</source>
        <comment>ANIMAL25</comment>
        <translation>Slang</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <comment>ANIMAL26</comment>
        <translation>Krokodil</translation>
    </message>
    <message>
        <source>Camel</source>
        <comment>ANIMAL27</comment>
        <translation>Kameel</translation>
    </message>
    <message>
        <source>Parrot</source>
        <comment>ANIMAL28</comment>
        <translation>Papegaai</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <comment>ANIMAL29</comment>
        <translation>Egel</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <comment>ANIMAL30</comment>
        <translation>Flamingo</translation>
    </message>
    <message>
        <source>House</source>
        <comment>BUILDING1</comment>
        <translation>Huis</translation>
    </message>
    <message>
        <source>Office tower</source>
        <comment>BUILDING2</comment>
        <translation>Kantoortoren</translation>
    </message>
    <message>
        <source>Hospital</source>
        <comment>BUILDING3</comment>
        <translation>Ziekenhuis</translation>
    </message>
    <message>
        <source>Bank</source>
        <comment>BUILDING4</comment>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Factory</source>
        <comment>BUILDING5</comment>
        <translation>Fabriek</translation>
    </message>
    <message>
        <source>Castle</source>
        <comment>BUILDING6</comment>
        <translation>Kasteel</translation>
    </message>
    <message>
        <source>Pagoda castle</source>
        <comment>BUILDING7</comment>
        <translation>Japans kasteel</translation>
    </message>
    <message>
        <source>Church</source>
        <comment>BUILDING8</comment>
        <translation>Kerk</translation>
    </message>
    <message>
        <source>Mosque</source>
        <comment>BUILDING9</comment>
        <translation>Moskee</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <comment>BUILDING10</comment>
        <translation>Synagoge</translation>
    </message>
    <message>
        <source>Hindu temple</source>
        <comment>BUILDING11</comment>
        <translation>Hindoetempel</translation>
    </message>
    <message>
        <source>Classical temple</source>
        <comment>BUILDING12</comment>
        <translation>Klassieke tempel</translation>
    </message>
    <message>
        <source>Stadium</source>
        <comment>BUILDING13</comment>
        <translation>Stadion</translation>
    </message>
    <message>
        <source>Tent</source>
        <comment>BUILDING14</comment>
        <translation>Tent</translation>
    </message>
    <message>
        <source>Hut</source>
        <comment>BUILDING15</comment>
        <translation>Hut</translation>
    </message>
    <message>
        <source>Statue of Liberty</source>
        <comment>BUILDING16</comment>
        <translation>Vrijheidsbeeld</translation>
    </message>
    <message>
        <source>Radio tower</source>
        <comment>BUILDING17</comment>
        <translation>Zendmast</translation>
    </message>
    <message>
        <source>Ferris wheel</source>
        <comment>BUILDING18</comment>
        <translation>Reuzenrad</translation>
    </message>
    <message>
        <source>Circus tent</source>
        <comment>BUILDING19</comment>
        <translation>Circustent</translation>
    </message>
    <message>
        <source>Wedding chapel</source>
        <comment>BUILDING20</comment>
        <translation>Trouwkapel</translation>
    </message>
    <message>
        <source>Fountain</source>
        <comment>BUILDING21</comment>
        <translation>Fontein</translation>
    </message>
    <message>
        <source>Old barn</source>
        <comment>BUILDING22</comment>
        <translation>Oude schuur</translation>
    </message>
    <message>
        <source>Shrine gate</source>
        <comment>BUILDING23</comment>
        <translation>Torii</translation>
    </message>
    <message>
        <source>Suspension bridge</source>
        <comment>BUILDING24</comment>
        <translation>Hangbrug</translation>
    </message>
    <message>
        <source>Kaaba</source>
        <comment>BUILDING25</comment>
        <translation>Kaaba</translation>
    </message>
    <message>
        <source>School</source>
        <comment>BUILDING26</comment>
        <translation>School</translation>
    </message>
    <message>
        <source>Row of houses</source>
        <comment>BUILDING27</comment>
        <translation>Rijtjeshuizen</translation>
    </message>
    <message>
        <source>Hotel</source>
        <comment>BUILDING28</comment>
        <translation>Hotel</translation>
    </message>
    <message>
        <source>Building site</source>
        <comment>BUILDING29</comment>
        <translation>Bouwplaats</translation>
    </message>
    <message>
        <source>Skyline</source>
        <comment>BUILDING30</comment>
        <translation>Skyline</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <comment>BUSINESS1</comment>
        <translation>Aktetas</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <comment>BUSINESS2</comment>
        <translation>Stijgende grafiek</translation>
    </message>
    <message>
        <source>Falling chart</source>
        <comment>BUSINESS3</comment>
        <translation>Dalende grafiek</translation>
    </message>
    <message>
        <source>Bar chart</source>
        <comment>BUSINESS4</comment>
        <translation>Staafdiagram</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <comment>BUSINESS5</comment>
        <translation>Klembord</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment>BUSINESS6</comment>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Pushpin</source>
        <comment>BUSINESS7</comment>
        <translation>Punaise</translation>
    </message>
    <message>
        <source>Paperclip</source>
        <comment>BUSINESS8</comment>
        <translation>Paperclip</translation>
    </message>
    <message>
        <source>Scissors</source>
        <comment>BUSINESS9</comment>
        <translation>Schaar</translation>
    </message>
    <message>
        <source>File folder</source>
        <comment>BUSINESS10</comment>
        <translation>Map</translation>
    </message>
    <message>
        <source>Memo</source>
        <comment>BUSINESS11</comment>
        <translation>Memo</translation>
    </message>
    <message>
        <source>Fountain pen</source>
        <comment>BUSINESS12</comment>
        <translation>Vulpen</translation>
    </message>
    <message>
        <source>Pencil</source>
        <comment>BUSINESS13</comment>
        <translation>Potlood</translation>
    </message>
    <message>
        <source>Ruler</source>
        <comment>BUSINESS14</comment>
        <translation>Liniaal</translation>
    </message>
    <message>
        <source>Set square</source>
        <comment>BUSINESS15</comment>
        <translation>Tekendriehoek</translation>
    </message>
    <message>
        <source>Abacus</source>
        <comment>BUSINESS16</comment>
        <translation>Telraam</translation>
    </message>
    <message>
        <source>Handshake</source>
        <comment>BUSINESS17</comment>
        <translation>Handdruk</translation>
    </message>
    <message>
        <source>Necktie</source>
        <comment>BUSINESS18</comment>
        <translation>Stropdas</translation>
    </message>
    <message>
        <source>Card file box</source>
        <comment>BUSINESS19</comment>
        <translation>Kaartenbak</translation>
    </message>
    <message>
        <source>Wastebasket</source>
        <comment>BUSINESS20</comment>
        <translation>Prullenbak</translation>
    </message>
    <message>
        <source>Receipt</source>
        <comment>BUSINESS21</comment>
        <translation>Kassabon</translation>
    </message>
    <message>
        <source>Ledger</source>
        <comment>BUSINESS22</comment>
        <translation>Kasboek</translation>
    </message>
    <message>
        <source>Padlock</source>
        <comment>BUSINESS23</comment>
        <translation>Hangslot</translation>
    </message>
    <message>
        <source>Key</source>
        <comment>BUSINESS24</comment>
        <translation>Sleutel</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <comment>BUSINESS25</comment>
        <translation>Zandloper</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <comment>BUSINESS26</comment>
        <translation>Wekker</translation>
    </message>
    <message>
        <source>Price tag</source>
        <comment>BUSINESS27</comment>
        <translation>Prijskaartje</translation>
    </message>
    <message>
        <source>Parcel</source>
        <comment>BUSINESS28</comment>
        <translation>Pakket</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <comment>BUSINESS29</comment>
        <translation>Gloeilamp</translation>
    </message>
    <message>
        <source>Balance scale</source>
        <comment>BUSINESS30</comment>
        <translation>Weegschaal</translation>
    </message>
    <message>
        <source>Telephone</source>
        <comment>COMMUN1</comment>
        <translation>Telefoon</translation>
    </message>
    <message>
        <source>Mobile phone</source>
        <comment>COMMUN2</comment>
        <translation>Mobiele telefoon</translation>
    </message>
    <message>
        <source>Envelope</source>
        <comment>COMMUN3</comment>
        <translation>Envelop</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <comment>COMMUN4</comment>
        <translation>Brievenbus</translation>
    </message>
    <message>
        <source>Postbox</source>
        <comment>COMMUN5</comment>
        <translation>Straatbrievenbus</translation>
    </message>
    <message>
        <source>Satellite dish</source>
        <comment>COMMUN6</comment>
        <translation>Schotelantenne</translation>
    </message>
    <message>
        <source>Satellite</source>
        <comment>COMMUN7</comment>
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>Radio</source>
        <comment>COMMUN8</comment>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Television</source>
        <comment>COMMUN9</comment>
        <translation>Televisie</translation>
    </message>
    <message>
        <source>Fax machine</source>
        <comment>COMMUN10</comment>
        <translation>Faxapparaat</translation>
    </message>
    <message>
        <source>Pager</source>
        <comment>COMMUN11</comment>
        <translation>Pieper</translation>
    </message>
    <message>
        <source>Megaphone</source>
        <comment>COMMUN12</comment>
        <translation>Megafoon</translation>
    </message>
    <message>
        <source>Microphone</source>
        <comment>COMMUN13</comment>
        <translation>Microfoon</translation>
    </message>
    <message>
        <source>Headphones</source>
        <comment>COMMUN14</comment>
        <translation>Koptelefoon</translation>
    </message>
    <message>
        <source>Newspaper</source>
        <comment>COMMUN15</comment>
        <translation>Krant</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <comment>COMMUN16</comment>
        <translation>Tekstballon</translation>
    </message>
    <message>
        <source>Love letter</source>
        <comment>COMMUN17</comment>
        <translation>Liefdesbrief</translation>
    </message>
    <message>
        <source>Post horn</source>
        <comment>COMMUN18</comment>
        <translation>Posthoorn</translation>
    </message>
    <message>
        <source>Bell</source>
        <comment>COMMUN19</comment>
        <translation>Bel</translation>
    </message>
    <message>
        <source>Telephone receiver</source>
        <comment>COMMUN20</comment>
        <translation>Telefoonhoorn</translation>
    </message>
    <message>
        <source>Globe with meridians</source>
        <comment>COMMUN21</comment>
        <translation>Wereldbol met meridianen</translation>
    </message>
    <message>
        <source>Video camera</source>
        <comment>COMMUN22</comment>
        <translation>Videocamera</translation>
    </message>
    <message>
        <source>Camera</source>
        <comment>COMMUN23</comment>
        <translation>Fototoestel</translation>
    </message>
    <message>
        <source>Signal bars</source>
        <comment>COMMUN24</comment>
        <translation>Signaalbalkjes</translation>
    </message>
    <message>
        <source>Dove</source>
        <comment>COMMUN25</comment>
        <translation>Duif</translation>
    </message>
    <message>
        <source>Scroll</source>
        <comment>COMMUN26</comment>
        <translation>Perkamentrol</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <comment>COMMUN27</comment>
        <translation>Luidspreker</translation>
    </message>
    <message>
        <source>Speaking head</source>
        <comment>COMMUN28</comment>
        <translation>Sprekend hoofd</translation>
    </message>
    <message>
        <source>Videocassette</source>
        <comment>COMMUN29</comment>
        <translation>Videocassette</translation>
    </message>
    <message>
        <source>Outbox tray</source>
        <comment>COMMUN30</comment>
        <translation>Postvak uit</translation>
    </message>
    <message>
        <source>Laptop</source>
        <comment>COMPUTER1</comment>
        <translation>Laptop</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <comment>COMPUTER2</comment>
        <translation>Desktopcomputer</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <comment>COMPUTER3</comment>
        <translation>Toetsenbord</translation>
    </message>
    <message>
        <source>Mouse</source>
        <comment>COMPUTER4</comment>
        <translation>Muis</translation>
    </message>
    <message>
        <source>Trackball</source>
        <comment>COMPUTER5</comment>
        <translation>Trackball</translation>
    </message>
    <message>
        <source>Printer</source>
        <comment>COMPUTER6</comment>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Floppy disk</source>
        <comment>COMPUTER7</comment>
        <translation>Diskette</translation>
    </message>
    <message>
        <source>Compact disc</source>
        <comment>COMPUTER8</comment>
        <translation>Cd</translation>
    </message>
    <message>
        <source>DVD</source>
        <comment>COMPUTER9</comment>
        <translation>Dvd</translation>
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
        <translation>Batterij</translation>
    </message>
    <message>
        <source>Power plug</source>
        <comment>COMPUTER13</comment>
        <translation>Stekker</translation>
    </message>
    <message>
        <source>Magnifying glass</source>
        <comment>COMPUTER14</comment>
        <translation>Vergrootglas</translation>
    </message>
    <message>
        <source>Robot</source>
        <comment>COMPUTER15</comment>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Game controller</source>
        <comment>COMPUTER16</comment>
        <translation>Gamecontroller</translation>
    </message>
    <message>
        <source>Gear</source>
        <comment>COMPUTER17</comment>
        <translation>Tandwiel</translation>
    </message>
    <message>
        <source>Link</source>
        <comment>COMPUTER18</comment>
        <translation>Link</translation>
    </message>
    <message>
        <source>Bug</source>
        <comment>COMPUTER19</comment>
        <translation>Rups</translation>
    </message>
    <message>
        <source>E-mail</source>
        <comment>COMPUTER20</comment>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment>COMPUTER21</comment>
        <translation>Geopende map</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <comment>COMPUTER22</comment>
        <translation>Gereedschapskist</translation>
    </message>
    <message>
        <source>Smartphone</source>
        <comment>COMPUTER23</comment>
        <translation>Smartphone</translation>
    </message>
    <message>
        <source>Shield</source>
        <comment>COMPUTER24</comment>
        <translation>Schild</translation>
    </message>
    <message>
        <source>Number keys</source>
        <comment>COMPUTER25</comment>
        <translation>Cijfertoetsen</translation>
    </message>
    <message>
        <source>Document</source>
        <comment>COMPUTER26</comment>
        <translation>Document</translation>
    </message>
    <message>
        <source>Window</source>
        <comment>COMPUTER27</comment>
        <translation>Venster</translation>
    </message>
    <message>
        <source>Control knobs</source>
        <comment>COMPUTER28</comment>
        <translation>Draaiknoppen</translation>
    </message>
    <message>
        <source>Lock and key</source>
        <comment>COMPUTER29</comment>
        <translation>Slot en sleutel</translation>
    </message>
    <message>
        <source>Web</source>
        <comment>COMPUTER30</comment>
        <translation>Spinnenweb</translation>
    </message>
    <message>
        <source>Dollar banknote</source>
        <comment>CURRENCY1</comment>
        <translation>Dollarbiljet</translation>
    </message>
    <message>
        <source>Yen banknote</source>
        <comment>CURRENCY2</comment>
        <translation>Yenbiljet</translation>
    </message>
    <message>
        <source>Euro banknote</source>
        <comment>CURRENCY3</comment>
        <translation>Eurobiljet</translation>
    </message>
    <message>
        <source>Pound banknote</source>
        <comment>CURRENCY4</comment>
        <translation>Pondbiljet</translation>
    </message>
    <message>
        <source>Money bag</source>
        <comment>CURRENCY5</comment>
        <translation>Geldzak</translation>
    </message>
    <message>
        <source>Credit card</source>
        <comment>CURRENCY6</comment>
        <translation>Creditcard</translation>
    </message>
    <message>
        <source>Money with wings</source>
        <comment>CURRENCY7</comment>
        <translation>Geld met vleugels</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <comment>CURRENCY8</comment>
        <translation>Dollarteken</translation>
    </message>
    <message>
        <source>Currency exchange</source>
        <comment>CURRENCY9</comment>
        <translation>Wisselkantoor</translation>
    </message>
    <message>
        <source>Cash machine</source>
        <comment>CURRENCY10</comment>
        <translation>Geldautomaat</translation>
    </message>
    <message>
        <source>Dollar coin</source>
        <comment>CURRENCY11</comment>
        <translation>Dollarmunt</translation>
    </message>
    <message>
        <source>Euro coin</source>
        <comment>CURRENCY12</comment>
        <translation>Euromunt</translation>
    </message>
    <message>
        <source>Pound coin</source>
        <comment>CURRENCY13</comment>
        <translation>Pondmunt</translation>
    </message>
    <message>
        <source>Yen coin</source>
        <comment>CURRENCY14</comment>
        <translation>Yenmunt</translation>
    </message>
    <message>
        <source>Rupee coin</source>
        <comment>CURRENCY15</comment>
        <translation>Roepiemunt</translation>
    </message>
    <message>
        <source>Rouble coin</source>
        <comment>CURRENCY16</comment>
        <translation>Roebelmunt</translation>
    </message>
    <message>
        <source>Won coin</source>
        <comment>CURRENCY17</comment>
        <translation>Wonmunt</translation>
    </message>
    <message>
        <source>Lira coin</source>
        <comment>CURRENCY18</comment>
        <translation>Turkse liramunt</translation>
    </message>
    <message>
        <source>Shekel coin</source>
        <comment>CURRENCY19</comment>
        <translation>Sjekelmunt</translation>
    </message>
    <message>
        <source>Baht coin</source>
        <comment>CURRENCY20</comment>
        <translation>Bahtmunt</translation>
    </message>
    <message>
        <source>Bitcoin</source>
        <comment>CURRENCY21</comment>
        <translation>Bitcoin</translation>
    </message>
    <message>
        <source>Cent coin</source>
        <comment>CURRENCY22</comment>
        <translation>Centmunt</translation>
    </message>
    <message>
        <source>Franc coin</source>
        <comment>CURRENCY23</comment>
        <translation>Frankmunt</translation>
    </message>
    <message>
        <source>Dong coin</source>
        <comment>CURRENCY24</comment>
        <translation>Dongmunt</translation>
    </message>
    <message>
        <source>Hryvnia coin</source>
        <comment>CURRENCY25</comment>
        <translation>Hryvnjamunt</translation>
    </message>
    <message>
        <source>Tenge coin</source>
        <comment>CURRENCY26</comment>
        <translation>Tengemunt</translation>
    </message>
    <message>
        <source>Gold bars</source>
        <comment>CURRENCY27</comment>
        <translation>Goudstaven</translation>
    </message>
    <message>
        <source>Bank</source>
        <comment>CURRENCY28</comment>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Yen chart</source>
        <comment>CURRENCY29</comment>
        <translation>Yengrafiek</translation>
    </message>
    <message>
        <source>Treasure chest</source>
        <comment>CURRENCY30</comment>
        <translation>Schatkist</translation>
    </message>
    <message>
        <source>Flag of Japan</source>
        <comment>FLAG1</comment>
        <translation>Vlag van Japan</translation>
    </message>
    <message>
        <source>Flag of Canada</source>
        <comment>FLAG2</comment>
        <translation>Vlag van Canada</translation>
    </message>
    <message>
        <source>Flag of the United States</source>
        <comment>FLAG3</comment>
        <translation>Vlag van de Verenigde Staten</translation>
    </message>
    <message>
        <source>Flag of the United Kingdom</source>
        <comment>FLAG4</comment>
        <translation>Vlag van het Verenigd Koninkrijk</translation>
    </message>
    <message>
        <source>Flag of France</source>
        <comment>FLAG5</comment>
        <translation>Vlag van Frankrijk</translation>
    </message>
    <message>
        <source>Flag of Germany</source>
        <comment>FLAG6</comment>
        <translation>Vlag van Duitsland</translation>
    </message>
    <message>
        <source>Flag of Brazil</source>
        <comment>FLAG7</comment>
        <translation>Vlag van Brazilië</translation>
    </message>
    <message>
        <source>Flag of Sweden</source>
        <comment>FLAG8</comment>
        <translation>Vlag van Zweden</translation>
    </message>
    <message>
        <source>Flag of Switzerland</source>
        <comment>FLAG9</comment>
        <translation>Vlag van Zwitserland</translation>
    </message>
    <message>
        <source>Flag of South Korea</source>
        <comment>FLAG10</comment>
        <translation>Vlag van Zuid-Korea</translation>
    </message>
    <message>
        <source>Flag of India</source>
        <comment>FLAG11</comment>
        <translation>Vlag van India</translation>
    </message>
    <message>
        <source>Flag of China</source>
        <comment>FLAG12</comment>
        <translation>Vlag van China</translation>
    </message>
    <message>
        <source>Flag of Greece</source>
        <comment>FLAG13</comment>
        <translation>Vlag van Griekenland</translation>
    </message>
    <message>
        <source>Flag of Turkey</source>
        <comment>FLAG14</comment>
        <translation>Vlag van Turkije</translation>
    </message>
    <message>
        <source>Flag of Israel</source>
        <comment>FLAG15</comment>
        <translation>Vlag van Israël</translation>
    </message>
    <message>
        <source>Flag of South Africa</source>
        <comment>FLAG16</comment>
        <translation>Vlag van Zuid-Afrika</translation>
    </message>
    <message>
        <source>Flag of Mexico</source>
        <comment>FLAG17</comment>
        <translation>Vlag van Mexico</translation>
    </message>
    <message>
        <source>Flag of Jamaica</source>
        <comment>FLAG18</comment>
        <translation>Vlag van Jamaica</translation>
    </message>
    <message>
        <source>Flag of Nepal</source>
        <comment>FLAG19</comment>
        <translation>Vlag van Nepal</translation>
    </message>
    <message>
        <source>Flag of Ukraine</source>
        <comment>FLAG20</comment>
        <translation>Vlag van Oekraïne</translation>
    </message>
    <message>
        <source>Flag of Pakistan</source>
        <comment>FLAG21</comment>
        <translation>Vlag van Pakistan</translation>
    </message>
    <message>
        <source>Flag of Kenya</source>
        <comment>FLAG22</comment>
        <translation>Vlag van Kenia</translation>
    </message>
    <message>
        <source>Flag of Australia</source>
        <comment>FLAG23</comment>
        <translation>Vlag van Australië</translation>
    </message>
    <message>
        <source>Flag of Lebanon</source>
        <comment>FLAG24</comment>
        <translation>Vlag van Libanon</translation>
    </message>
    <message>
        <source>Flag of Colombia</source>
        <comment>FLAG25</comment>
        <translation>Vlag van Colombia</translation>
    </message>
    <message>
        <source>Chequered flag</source>
        <comment>FLAG26</comment>
        <translation>Geblokte vlag</translation>
    </message>
    <message>
        <source>Pirate flag</source>
        <comment>FLAG27</comment>
        <translation>Piratenvlag</translation>
    </message>
    <message>
        <source>Rainbow flag</source>
        <comment>FLAG28</comment>
        <translation>Regenboogvlag</translation>
    </message>
    <message>
        <source>White flag</source>
        <comment>FLAG29</comment>
        <translation>Witte vlag</translation>
    </message>
    <message>
        <source>Red pennant</source>
        <comment>FLAG30</comment>
        <translation>Rode wimpel</translation>
    </message>
    <message>
        <source>Apple</source>
        <comment>FOOD1</comment>
        <translation>Appel</translation>
    </message>
    <message>
        <source>Banana</source>
        <comment>FOOD2</comment>
        <translation>Banaan</translation>
    </message>
    <message>
        <source>Grapes</source>
        <comment>FOOD3</comment>
        <translation>Druiven</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <comment>FOOD4</comment>
        <translation>Watermeloen</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <comment>FOOD5</comment>
        <translation>Aardbei</translation>
    </message>
    <message>
        <source>Cherries</source>
        <comment>FOOD6</comment>
        <translation>Kersen</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <comment>FOOD7</comment>
        <translation>Ananas</translation>
    </message>
    <message>
        <source>Lemon</source>
        <comment>FOOD8</comment>
        <translation>Citroen</translation>
    </message>
    <message>
        <source>Carrot</source>
        <comment>FOOD9</comment>
        <translation>Wortel</translation>
    </message>
    <message>
        <source>Corn</source>
        <comment>FOOD10</comment>
        <translation>Maïskolf</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <comment>FOOD11</comment>
        <translation>Broccoli</translation>
    </message>
    <message>
        <source>Bread</source>
        <comment>FOOD12</comment>
        <translation>Brood</translation>
    </message>
    <message>
        <source>Cheese</source>
        <comment>FOOD13</comment>
        <translation>Kaas</translation>
    </message>
    <message>
        <source>Fried egg</source>
        <comment>FOOD14</comment>
        <translation>Gebakken ei</translation>
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
        <translation>IJsje</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <comment>FOOD20</comment>
        <translation>Donut</translation>
    </message>
    <message>
        <source>Cookie</source>
        <comment>FOOD21</comment>
        <translation>Koekje</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <comment>FOOD22</comment>
        <translation>Verjaardagstaart</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <comment>FOOD23</comment>
        <translation>Lolly</translation>
    </message>
    <message>
        <source>Croissant</source>
        <comment>FOOD24</comment>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <comment>FOOD25</comment>
        <translation>Pretzel</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <comment>FOOD26</comment>
        <translation>Aubergine</translation>
    </message>
    <message>
        <source>Chilli pepper</source>
        <comment>FOOD27</comment>
        <translation>Chilipeper</translation>
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
        <translation>Kippenbout</translation>
    </message>
    <message>
        <source>Hammer</source>
        <comment>HARDWARE1</comment>
        <translation>Hamer</translation>
    </message>
    <message>
        <source>Wrench</source>
        <comment>HARDWARE2</comment>
        <translation>Moersleutel</translation>
    </message>
    <message>
        <source>Screwdriver</source>
        <comment>HARDWARE3</comment>
        <translation>Schroevendraaier</translation>
    </message>
    <message>
        <source>Nut and bolt</source>
        <comment>HARDWARE4</comment>
        <translation>Moer en bout</translation>
    </message>
    <message>
        <source>Saw</source>
        <comment>HARDWARE5</comment>
        <translation>Zaag</translation>
    </message>
    <message>
        <source>Axe</source>
        <comment>HARDWARE6</comment>
        <translation>Bijl</translation>
    </message>
    <message>
        <source>Pickaxe</source>
        <comment>HARDWARE7</comment>
        <translation>Houweel</translation>
    </message>
    <message>
        <source>Magnet</source>
        <comment>HARDWARE8</comment>
        <translation>Magneet</translation>
    </message>
    <message>
        <source>Ladder</source>
        <comment>HARDWARE9</comment>
        <translation>Ladder</translation>
    </message>
    <message>
        <source>Chain</source>
        <comment>HARDWARE10</comment>
        <translation>Ketting</translation>
    </message>
    <message>
        <source>Hook</source>
        <comment>HARDWARE11</comment>
        <translation>Haak</translation>
    </message>
    <message>
        <source>Brick</source>
        <comment>HARDWARE12</comment>
        <translation>Baksteen</translation>
    </message>
    <message>
        <source>Clamp</source>
        <comment>HARDWARE13</comment>
        <translation>Lijmklem</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <comment>HARDWARE14</comment>
        <translation>Penseel</translation>
    </message>
    <message>
        <source>Bucket</source>
        <comment>HARDWARE15</comment>
        <translation>Emmer</translation>
    </message>
    <message>
        <source>Torch</source>
        <comment>HARDWARE16</comment>
        <translation>Zaklamp</translation>
    </message>
    <message>
        <source>Old key</source>
        <comment>HARDWARE17</comment>
        <translation>Oude sleutel</translation>
    </message>
    <message>
        <source>Fire extinguisher</source>
        <comment>HARDWARE18</comment>
        <translation>Brandblusser</translation>
    </message>
    <message>
        <source>Mousetrap</source>
        <comment>HARDWARE19</comment>
        <translation>Muizenval</translation>
    </message>
    <message>
        <source>Oil drum</source>
        <comment>HARDWARE20</comment>
        <translation>Olievat</translation>
    </message>
    <message>
        <source>Logs</source>
        <comment>HARDWARE21</comment>
        <translation>Houtblokken</translation>
    </message>
    <message>
        <source>Safety pin</source>
        <comment>HARDWARE22</comment>
        <translation>Veiligheidsspeld</translation>
    </message>
    <message>
        <source>Reel of thread</source>
        <comment>HARDWARE23</comment>
        <translation>Klos garen</translation>
    </message>
    <message>
        <source>Rope</source>
        <comment>HARDWARE24</comment>
        <translation>Touw</translation>
    </message>
    <message>
        <source>Plunger</source>
        <comment>HARDWARE25</comment>
        <translation>Ontstopper</translation>
    </message>
    <message>
        <source>Candle</source>
        <comment>HARDWARE26</comment>
        <translation>Kaars</translation>
    </message>
    <message>
        <source>Open padlock</source>
        <comment>HARDWARE27</comment>
        <translation>Open hangslot</translation>
    </message>
    <message>
        <source>Kitchen knife</source>
        <comment>HARDWARE28</comment>
        <translation>Koksmes</translation>
    </message>
    <message>
        <source>Gear wheel</source>
        <comment>HARDWARE29</comment>
        <translation>Tandrad</translation>
    </message>
    <message>
        <source>Battery</source>
        <comment>HARDWARE30</comment>
        <translation>Batterij</translation>
    </message>
    <message>
        <source>Bed</source>
        <comment>HOUSE1</comment>
        <translation>Bed</translation>
    </message>
    <message>
        <source>Sofa</source>
        <comment>HOUSE2</comment>
        <translation>Sofa</translation>
    </message>
    <message>
        <source>Chair</source>
        <comment>HOUSE3</comment>
        <translation>Stoel</translation>
    </message>
    <message>
        <source>Bathtub</source>
        <comment>HOUSE4</comment>
        <translation>Bad</translation>
    </message>
    <message>
        <source>Shower</source>
        <comment>HOUSE5</comment>
        <translation>Douche</translation>
    </message>
    <message>
        <source>Toilet</source>
        <comment>HOUSE6</comment>
        <translation>Toilet</translation>
    </message>
    <message>
        <source>Door</source>
        <comment>HOUSE7</comment>
        <translation>Deur</translation>
    </message>
    <message>
        <source>Mirror</source>
        <comment>HOUSE8</comment>
        <translation>Spiegel</translation>
    </message>
    <message>
        <source>Oil lamp</source>
        <comment>HOUSE9</comment>
        <translation>Olielamp</translation>
    </message>
    <message>
        <source>Broom</source>
        <comment>HOUSE10</comment>
        <translation>Bezem</translation>
    </message>
    <message>
        <source>Laundry basket</source>
        <comment>HOUSE11</comment>
        <translation>Wasmand</translation>
    </message>
    <message>
        <source>Sponge</source>
        <comment>HOUSE12</comment>
        <translation>Spons</translation>
    </message>
    <message>
        <source>Soap</source>
        <comment>HOUSE13</comment>
        <translation>Zeep</translation>
    </message>
    <message>
        <source>Toothbrush</source>
        <comment>HOUSE14</comment>
        <translation>Tandenborstel</translation>
    </message>
    <message>
        <source>Toilet roll</source>
        <comment>HOUSE15</comment>
        <translation>Wc-rol</translation>
    </message>
    <message>
        <source>Teapot</source>
        <comment>HOUSE16</comment>
        <translation>Theepot</translation>
    </message>
    <message>
        <source>Coffee cup</source>
        <comment>HOUSE17</comment>
        <translation>Koffiekopje</translation>
    </message>
    <message>
        <source>Spoon</source>
        <comment>HOUSE18</comment>
        <translation>Lepel</translation>
    </message>
    <message>
        <source>Plate and cutlery</source>
        <comment>HOUSE19</comment>
        <translation>Bord en bestek</translation>
    </message>
    <message>
        <source>Cooking pot</source>
        <comment>HOUSE20</comment>
        <translation>Kookpan</translation>
    </message>
    <message>
        <source>Mantel clock</source>
        <comment>HOUSE21</comment>
        <translation>Schoorsteenklok</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <comment>HOUSE22</comment>
        <translation>Paraplu</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <comment>HOUSE23</comment>
        <translation>Teddybeer</translation>
    </message>
    <message>
        <source>Framed picture</source>
        <comment>HOUSE24</comment>
        <translation>Schilderij</translation>
    </message>
    <message>
        <source>Razor</source>
        <comment>HOUSE25</comment>
        <translation>Scheermes</translation>
    </message>
    <message>
        <source>Lotion bottle</source>
        <comment>HOUSE26</comment>
        <translation>Flesje lotion</translation>
    </message>
    <message>
        <source>Jar</source>
        <comment>HOUSE27</comment>
        <translation>Pot</translation>
    </message>
    <message>
        <source>Sewing needle</source>
        <comment>HOUSE28</comment>
        <translation>Naainaald</translation>
    </message>
    <message>
        <source>House key</source>
        <comment>HOUSE29</comment>
        <translation>Huissleutel</translation>
    </message>
    <message>
        <source>Window</source>
        <comment>HOUSE30</comment>
        <translation>Raam</translation>
    </message>
    <message>
        <source>Musical note</source>
        <comment>MUSIC1</comment>
        <translation>Muzieknoot</translation>
    </message>
    <message>
        <source>Guitar</source>
        <comment>MUSIC2</comment>
        <translation>Gitaar</translation>
    </message>
    <message>
        <source>Violin</source>
        <comment>MUSIC3</comment>
        <translation>Viool</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <comment>MUSIC4</comment>
        <translation>Trompet</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <comment>MUSIC5</comment>
        <translation>Saxofoon</translation>
    </message>
    <message>
        <source>Piano keys</source>
        <comment>MUSIC6</comment>
        <translation>Pianotoetsen</translation>
    </message>
    <message>
        <source>Drum</source>
        <comment>MUSIC7</comment>
        <translation>Trommel</translation>
    </message>
    <message>
        <source>Long drum</source>
        <comment>MUSIC8</comment>
        <translation>Lange trommel</translation>
    </message>
    <message>
        <source>Accordion</source>
        <comment>MUSIC9</comment>
        <translation>Accordeon</translation>
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
        <translation>Fluit</translation>
    </message>
    <message>
        <source>Sheet music</source>
        <comment>MUSIC13</comment>
        <translation>Bladmuziek</translation>
    </message>
    <message>
        <source>Bell</source>
        <comment>MUSIC14</comment>
        <translation>Bel</translation>
    </message>
    <message>
        <source>Microphone</source>
        <comment>MUSIC15</comment>
        <translation>Microfoon</translation>
    </message>
    <message>
        <source>Headphones</source>
        <comment>MUSIC16</comment>
        <translation>Koptelefoon</translation>
    </message>
    <message>
        <source>Radio</source>
        <comment>MUSIC17</comment>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Post horn</source>
        <comment>MUSIC18</comment>
        <translation>Posthoorn</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <comment>MUSIC19</comment>
        <translation>Luidspreker</translation>
    </message>
    <message>
        <source>Ballet shoes</source>
        <comment>MUSIC20</comment>
        <translation>Balletschoenen</translation>
    </message>
    <message>
        <source>Dancer</source>
        <comment>MUSIC21</comment>
        <translation>Danseres</translation>
    </message>
    <message>
        <source>Theatre masks</source>
        <comment>MUSIC22</comment>
        <translation>Theatermaskers</translation>
    </message>
    <message>
        <source>Mixing slider</source>
        <comment>MUSIC23</comment>
        <translation>Schuifregelaar</translation>
    </message>
    <message>
        <source>Wind chime</source>
        <comment>MUSIC24</comment>
        <translation>Windgong</translation>
    </message>
    <message>
        <source>Compact disc</source>
        <comment>MUSIC25</comment>
        <translation>Cd</translation>
    </message>
    <message>
        <source>Singer</source>
        <comment>MUSIC26</comment>
        <translation>Zanger</translation>
    </message>
    <message>
        <source>Mirror ball</source>
        <comment>MUSIC27</comment>
        <translation>Discobal</translation>
    </message>
    <message>
        <source>Triangle</source>
        <comment>MUSIC28</comment>
        <translation>Triangel</translation>
    </message>
    <message>
        <source>Xylophone</source>
        <comment>MUSIC29</comment>
        <translation>Xylofoon</translation>
    </message>
    <message>
        <source>Tuning fork</source>
        <comment>MUSIC30</comment>
        <translation>Stemvork</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <comment>PLANT1</comment>
        <translation>Zonnebloem</translation>
    </message>
    <message>
        <source>Rose</source>
        <comment>PLANT2</comment>
        <translation>Roos</translation>
    </message>
    <message>
        <source>Tulip</source>
        <comment>PLANT3</comment>
        <translation>Tulp</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <comment>PLANT4</comment>
        <translation>Hibiscus</translation>
    </message>
    <message>
        <source>Cherry blossom</source>
        <comment>PLANT5</comment>
        <translation>Kersenbloesem</translation>
    </message>
    <message>
        <source>Daisy</source>
        <comment>PLANT6</comment>
        <translation>Madeliefje</translation>
    </message>
    <message>
        <source>Lotus</source>
        <comment>PLANT7</comment>
        <translation>Lotus</translation>
    </message>
    <message>
        <source>Cactus</source>
        <comment>PLANT8</comment>
        <translation>Cactus</translation>
    </message>
    <message>
        <source>Palm tree</source>
        <comment>PLANT9</comment>
        <translation>Palmboom</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <comment>PLANT10</comment>
        <translation>Spar</translation>
    </message>
    <message>
        <source>Oak tree</source>
        <comment>PLANT11</comment>
        <translation>Eik</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <comment>PLANT12</comment>
        <translation>Klavertjevier</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <comment>PLANT13</comment>
        <translation>Esdoornblad</translation>
    </message>
    <message>
        <source>Herb</source>
        <comment>PLANT14</comment>
        <translation>Kruiden</translation>
    </message>
    <message>
        <source>Seedling</source>
        <comment>PLANT15</comment>
        <translation>Kiemplant</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <comment>PLANT16</comment>
        <translation>Paddenstoel</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <comment>PLANT17</comment>
        <translation>Boeket</translation>
    </message>
    <message>
        <source>Potted plant</source>
        <comment>PLANT18</comment>
        <translation>Kamerplant</translation>
    </message>
    <message>
        <source>Ear of rice</source>
        <comment>PLANT19</comment>
        <translation>Rijstaar</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <comment>PLANT20</comment>
        <translation>Kastanje</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <comment>PLANT21</comment>
        <translation>Hyacint</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <comment>PLANT22</comment>
        <translation>Bamboe</translation>
    </message>
    <message>
        <source>Coral</source>
        <comment>PLANT23</comment>
        <translation>Koraal</translation>
    </message>
    <message>
        <source>Olives</source>
        <comment>PLANT24</comment>
        <translation>Olijven</translation>
    </message>
    <message>
        <source>Pea pod</source>
        <comment>PLANT25</comment>
        <translation>Erwtenpeul</translation>
    </message>
    <message>
        <source>Garlic</source>
        <comment>PLANT26</comment>
        <translation>Knoflook</translation>
    </message>
    <message>
        <source>Coconut</source>
        <comment>PLANT27</comment>
        <translation>Kokosnoot</translation>
    </message>
    <message>
        <source>Peanuts</source>
        <comment>PLANT28</comment>
        <translation>Pinda&apos;s</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <comment>PLANT29</comment>
        <translation>Sla</translation>
    </message>
    <message>
        <source>Ginger root</source>
        <comment>PLANT30</comment>
        <translation>Gemberwortel</translation>
    </message>
    <message>
        <source>Microscope</source>
        <comment>SCIENCE1</comment>
        <translation>Microscoop</translation>
    </message>
    <message>
        <source>Telescope</source>
        <comment>SCIENCE2</comment>
        <translation>Telescoop</translation>
    </message>
    <message>
        <source>Test tube</source>
        <comment>SCIENCE3</comment>
        <translation>Reageerbuis</translation>
    </message>
    <message>
        <source>Petri dish</source>
        <comment>SCIENCE4</comment>
        <translation>Petrischaal</translation>
    </message>
    <message>
        <source>DNA</source>
        <comment>SCIENCE5</comment>
        <translation>DNA</translation>
    </message>
    <message>
        <source>Atom</source>
        <comment>SCIENCE6</comment>
        <translation>Atoom</translation>
    </message>
    <message>
        <source>Still</source>
        <comment>SCIENCE7</comment>
        <translation>Distilleerketel</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <comment>SCIENCE8</comment>
        <translation>Thermometer</translation>
    </message>
    <message>
        <source>Rocket</source>
        <comment>SCIENCE9</comment>
        <translation>Raket</translation>
    </message>
    <message>
        <source>Globe</source>
        <comment>SCIENCE10</comment>
        <translation>Globe</translation>
    </message>
    <message>
        <source>Ringed planet</source>
        <comment>SCIENCE11</comment>
        <translation>Planeet met ringen</translation>
    </message>
    <message>
        <source>Crescent moon</source>
        <comment>SCIENCE12</comment>
        <translation>Maansikkel</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>SCIENCE13</comment>
        <translation>Zon</translation>
    </message>
    <message>
        <source>Comet</source>
        <comment>SCIENCE14</comment>
        <translation>Komeet</translation>
    </message>
    <message>
        <source>Lightning</source>
        <comment>SCIENCE15</comment>
        <translation>Bliksem</translation>
    </message>
    <message>
        <source>Microbe</source>
        <comment>SCIENCE16</comment>
        <translation>Microbe</translation>
    </message>
    <message>
        <source>Brain</source>
        <comment>SCIENCE17</comment>
        <translation>Hersenen</translation>
    </message>
    <message>
        <source>Bone</source>
        <comment>SCIENCE18</comment>
        <translation>Bot</translation>
    </message>
    <message>
        <source>Pill</source>
        <comment>SCIENCE19</comment>
        <translation>Pil</translation>
    </message>
    <message>
        <source>Syringe</source>
        <comment>SCIENCE20</comment>
        <translation>Injectiespuit</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <comment>SCIENCE21</comment>
        <translation>Stethoscoop</translation>
    </message>
    <message>
        <source>Dinosaur</source>
        <comment>SCIENCE22</comment>
        <translation>Dinosaurus</translation>
    </message>
    <message>
        <source>Fire</source>
        <comment>SCIENCE23</comment>
        <translation>Vuur</translation>
    </message>
    <message>
        <source>Water drop</source>
        <comment>SCIENCE24</comment>
        <translation>Waterdruppel</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <comment>SCIENCE25</comment>
        <translation>Sneeuwvlok</translation>
    </message>
    <message>
        <source>Volcano</source>
        <comment>SCIENCE26</comment>
        <translation>Vulkaan</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <comment>SCIENCE27</comment>
        <translation>Regenboog</translation>
    </message>
    <message>
        <source>Magnet</source>
        <comment>SCIENCE28</comment>
        <translation>Magneet</translation>
    </message>
    <message>
        <source>Safety goggles</source>
        <comment>SCIENCE29</comment>
        <translation>Veiligheidsbril</translation>
    </message>
    <message>
        <source>Compass</source>
        <comment>SCIENCE30</comment>
        <translation>Kompas</translation>
    </message>
    <message>
        <source>Circle</source>
        <comment>SHAPE1</comment>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Square</source>
        <comment>SHAPE2</comment>
        <translation>Vierkant</translation>
    </message>
    <message>
        <source>Triangle</source>
        <comment>SHAPE3</comment>
        <translation>Driehoek</translation>
    </message>
    <message>
        <source>Five-pointed star</source>
        <comment>SHAPE4</comment>
        <translation>Vijfpuntige ster</translation>
    </message>
    <message>
        <source>Heart</source>
        <comment>SHAPE5</comment>
        <translation>Hart</translation>
    </message>
    <message>
        <source>Diamond</source>
        <comment>SHAPE6</comment>
        <translation>Ruit</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <comment>SHAPE7</comment>
        <translation>Zeshoek</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <comment>SHAPE8</comment>
        <translation>Vijfhoek</translation>
    </message>
    <message>
        <source>Octagon</source>
        <comment>SHAPE9</comment>
        <translation>Achthoek</translation>
    </message>
    <message>
        <source>Crescent</source>
        <comment>SHAPE10</comment>
        <translation>Halvemaan</translation>
    </message>
    <message>
        <source>Cross</source>
        <comment>SHAPE11</comment>
        <translation>Kruis</translation>
    </message>
    <message>
        <source>Arrow</source>
        <comment>SHAPE12</comment>
        <translation>Pijl</translation>
    </message>
    <message>
        <source>Ring</source>
        <comment>SHAPE13</comment>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Oval</source>
        <comment>SHAPE14</comment>
        <translation>Ovaal</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <comment>SHAPE15</comment>
        <translation>Rechthoek</translation>
    </message>
    <message>
        <source>Trapezoid</source>
        <comment>SHAPE16</comment>
        <translation>Trapezium</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <comment>SHAPE17</comment>
        <translation>Parallellogram</translation>
    </message>
    <message>
        <source>Six-pointed star</source>
        <comment>SHAPE18</comment>
        <translation>Zespuntige ster</translation>
    </message>
    <message>
        <source>Spade</source>
        <comment>SHAPE19</comment>
        <translation>Schoppen</translation>
    </message>
    <message>
        <source>Club</source>
        <comment>SHAPE20</comment>
        <translation>Klaveren</translation>
    </message>
    <message>
        <source>Semicircle</source>
        <comment>SHAPE21</comment>
        <translation>Halve cirkel</translation>
    </message>
    <message>
        <source>Cube</source>
        <comment>SHAPE22</comment>
        <translation>Kubus</translation>
    </message>
    <message>
        <source>Saltire</source>
        <comment>SHAPE23</comment>
        <translation>Andreaskruis</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <comment>SHAPE24</comment>
        <translation>Cilinder</translation>
    </message>
    <message>
        <source>Teardrop</source>
        <comment>SHAPE25</comment>
        <translation>Druppel</translation>
    </message>
    <message>
        <source>Cone</source>
        <comment>SHAPE26</comment>
        <translation>Kegel</translation>
    </message>
    <message>
        <source>Pie slice</source>
        <comment>SHAPE27</comment>
        <translation>Taartpunt</translation>
    </message>
    <message>
        <source>Chevron</source>
        <comment>SHAPE28</comment>
        <translation>Chevron</translation>
    </message>
    <message>
        <source>Cloud</source>
        <comment>SHAPE29</comment>
        <translation>Wolk</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <comment>SHAPE30</comment>
        <translation>Piramide</translation>
    </message>
    <message>
        <source>Stop sign</source>
        <comment>SIGN1</comment>
        <translation>Stopbord</translation>
    </message>
    <message>
        <source>No entry</source>
        <comment>SIGN2</comment>
        <translation>Verboden in te rijden</translation>
    </message>
    <message>
        <source>Prohibited</source>
        <comment>SIGN3</comment>
        <translation>Verboden</translation>
    </message>
    <message>
        <source>Warning</source>
        <comment>SIGN4</comment>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Radioactive</source>
        <comment>SIGN5</comment>
        <translation>Radioactief</translation>
    </message>
    <message>
        <source>Biohazard</source>
        <comment>SIGN6</comment>
        <translation>Biologisch gevaar</translation>
    </message>
    <message>
        <source>Children crossing</source>
        <comment>SIGN7</comment>
        <translation>Overstekende kinderen</translation>
    </message>
    <message>
        <source>No smoking</source>
        <comment>SIGN8</comment>
        <translation>Verboden te roken</translation>
    </message>
    <message>
        <source>No bicycles</source>
        <comment>SIGN9</comment>
        <translation>Verboden voor fietsen</translation>
    </message>
    <message>
        <source>No mobile phones</source>
        <comment>SIGN10</comment>
        <translation>Mobiele telefoons verboden</translation>
    </message>
    <message>
        <source>Wheelchair access</source>
        <comment>SIGN11</comment>
        <translation>Toegankelijk voor rolstoelen</translation>
    </message>
    <message>
        <source>Toilets</source>
        <comment>SIGN12</comment>
        <translation>Toiletten</translation>
    </message>
    <message>
        <source>Parking</source>
        <comment>SIGN13</comment>
        <translation>Parkeren</translation>
    </message>
    <message>
        <source>Recycling</source>
        <comment>SIGN14</comment>
        <translation>Recycling</translation>
    </message>
    <message>
        <source>Traffic light</source>
        <comment>SIGN15</comment>
        <translation>Verkeerslicht</translation>
    </message>
    <message>
        <source>Road works</source>
        <comment>SIGN16</comment>
        <translation>Werk in uitvoering</translation>
    </message>
    <message>
        <source>Information</source>
        <comment>SIGN17</comment>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>SOS</source>
        <comment>SIGN18</comment>
        <translation>SOS</translation>
    </message>
    <message>
        <source>Placard</source>
        <comment>SIGN19</comment>
        <translation>Plakkaat</translation>
    </message>
    <message>
        <source>Exclamation mark</source>
        <comment>SIGN20</comment>
        <translation>Uitroepteken</translation>
    </message>
    <message>
        <source>Question mark</source>
        <comment>SIGN21</comment>
        <translation>Vraagteken</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <comment>SIGN22</comment>
        <translation>Benzinepomp</translation>
    </message>
    <message>
        <source>Barber&apos;s pole</source>
        <comment>SIGN23</comment>
        <translation>Kapperspaal</translation>
    </message>
    <message>
        <source>Beginner badge</source>
        <comment>SIGN24</comment>
        <translation>Beginnersteken</translation>
    </message>
    <message>
        <source>Metro sign</source>
        <comment>SIGN25</comment>
        <translation>Metrobord</translation>
    </message>
    <message>
        <source>High voltage</source>
        <comment>SIGN26</comment>
        <translation>Hoogspanning</translation>
    </message>
    <message>
        <source>Peace sign</source>
        <comment>SIGN27</comment>
        <translation>Vredesteken</translation>
    </message>
    <message>
        <source>Adults only</source>
        <comment>SIGN28</comment>
        <translation>Alleen voor volwassenen</translation>
    </message>
    <message>
        <source>Check mark</source>
        <comment>SIGN29</comment>
        <translation>Vinkje</translation>
    </message>
    <message>
        <source>Anchor</source>
        <comment>SIGN30</comment>
        <translation>Anker</translation>
    </message>
    <message>
        <source>Football</source>
        <comment>SPORT1</comment>
        <translation>Voetbal</translation>
    </message>
    <message>
        <source>Basketball</source>
        <comment>SPORT2</comment>
        <translation>Basketbal</translation>
    </message>
    <message>
        <source>American football</source>
        <comment>SPORT3</comment>
        <translation>American football</translation>
    </message>
    <message>
        <source>Baseball</source>
        <comment>SPORT4</comment>
        <translation>Honkbal</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <comment>SPORT5</comment>
        <translation>Tennisbal</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <comment>SPORT6</comment>
        <translation>Volleybal</translation>
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
        <translation>IJshockey</translation>
    </message>
    <message>
        <source>Table tennis</source>
        <comment>SPORT10</comment>
        <translation>Tafeltennis</translation>
    </message>
    <message>
        <source>Badminton</source>
        <comment>SPORT11</comment>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Boxing glove</source>
        <comment>SPORT12</comment>
        <translation>Bokshandschoen</translation>
    </message>
    <message>
        <source>Skis</source>
        <comment>SPORT13</comment>
        <translation>Ski&apos;s</translation>
    </message>
    <message>
        <source>Ice skate</source>
        <comment>SPORT14</comment>
        <translation>Schaats</translation>
    </message>
    <message>
        <source>Fishing rod</source>
        <comment>SPORT15</comment>
        <translation>Hengel</translation>
    </message>
    <message>
        <source>Darts</source>
        <comment>SPORT16</comment>
        <translation>Darts</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <comment>SPORT17</comment>
        <translation>Biljartbal</translation>
    </message>
    <message>
        <source>Cricket</source>
        <comment>SPORT18</comment>
        <translation>Cricket</translation>
    </message>
    <message>
        <source>Trophy</source>
        <comment>SPORT19</comment>
        <translation>Trofee</translation>
    </message>
    <message>
        <source>Gold medal</source>
        <comment>SPORT20</comment>
        <translation>Gouden medaille</translation>
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
        <translation>Curlingsteen</translation>
    </message>
    <message>
        <source>Sledge</source>
        <comment>SPORT24</comment>
        <translation>Slee</translation>
    </message>
    <message>
        <source>Goal net</source>
        <comment>SPORT25</comment>
        <translation>Doelnet</translation>
    </message>
    <message>
        <source>Martial arts suit</source>
        <comment>SPORT26</comment>
        <translation>Vechtsportpak</translation>
    </message>
    <message>
        <source>Diving mask</source>
        <comment>SPORT27</comment>
        <translation>Duikbril</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <comment>SPORT28</comment>
        <translation>Skateboard</translation>
    </message>
    <message>
        <source>Roller skate</source>
        <comment>SPORT29</comment>
        <translation>Rolschaats</translation>
    </message>
    <message>
        <source>Bow and arrow</source>
        <comment>SPORT30</comment>
        <translation>Pijl en boog</translation>
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
        <translation>Politieauto</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <comment>TRANSPORT5</comment>
        <translation>Ambulance</translation>
    </message>
    <message>
        <source>Fire engine</source>
        <comment>TRANSPORT6</comment>
        <translation>Brandweerwagen</translation>
    </message>
    <message>
        <source>Lorry</source>
        <comment>TRANSPORT7</comment>
        <translation>Vrachtwagen</translation>
    </message>
    <message>
        <source>Tractor</source>
        <comment>TRANSPORT8</comment>
        <translation>Tractor</translation>
    </message>
    <message>
        <source>Racing car</source>
        <comment>TRANSPORT9</comment>
        <translation>Raceauto</translation>
    </message>
    <message>
        <source>Motorcycle</source>
        <comment>TRANSPORT10</comment>
        <translation>Motorfiets</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <comment>TRANSPORT11</comment>
        <translation>Fiets</translation>
    </message>
    <message>
        <source>Moped</source>
        <comment>TRANSPORT12</comment>
        <translation>Brommer</translation>
    </message>
    <message>
        <source>Kick scooter</source>
        <comment>TRANSPORT13</comment>
        <translation>Step</translation>
    </message>
    <message>
        <source>Steam locomotive</source>
        <comment>TRANSPORT14</comment>
        <translation>Stoomlocomotief</translation>
    </message>
    <message>
        <source>High-speed train</source>
        <comment>TRANSPORT15</comment>
        <translation>Hogesnelheidstrein</translation>
    </message>
    <message>
        <source>Tram</source>
        <comment>TRANSPORT16</comment>
        <translation>Tram</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <comment>TRANSPORT17</comment>
        <translation>Helikopter</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <comment>TRANSPORT18</comment>
        <translation>Vliegtuig</translation>
    </message>
    <message>
        <source>Rocket</source>
        <comment>TRANSPORT19</comment>
        <translation>Raket</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <comment>TRANSPORT20</comment>
        <translation>Zeilboot</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <comment>TRANSPORT21</comment>
        <translation>Speedboot</translation>
    </message>
    <message>
        <source>Ship</source>
        <comment>TRANSPORT22</comment>
        <translation>Schip</translation>
    </message>
    <message>
        <source>Canoe</source>
        <comment>TRANSPORT23</comment>
        <translation>Kano</translation>
    </message>
    <message>
        <source>Hot-air balloon</source>
        <comment>TRANSPORT24</comment>
        <translation>Luchtballon</translation>
    </message>
    <message>
        <source>Cable car</source>
        <comment>TRANSPORT25</comment>
        <translation>Kabelbaan</translation>
    </message>
    <message>
        <source>Flying saucer</source>
        <comment>TRANSPORT26</comment>
        <translation>Vliegende schotel</translation>
    </message>
    <message>
        <source>Four-by-four</source>
        <comment>TRANSPORT27</comment>
        <translation>Terreinwagen</translation>
    </message>
    <message>
        <source>Auto rickshaw</source>
        <comment>TRANSPORT28</comment>
        <translation>Autoriksja</translation>
    </message>
    <message>
        <source>Parachute</source>
        <comment>TRANSPORT29</comment>
        <translation>Parachute</translation>
    </message>
    <message>
        <source>Minibus</source>
        <comment>TRANSPORT30</comment>
        <translation>Minibus</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Bron met id ‘%1’ niet gevonden</translation>
    </message>
    <message>
        <source>Invalid resource format: &apos;%1&apos;</source>
        <translation>Ongeldige bronindeling: ‘%1’</translation>
    </message>
</context>
<context>
    <name>ScoreTables</name>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Onverenigbare typen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset all Small Board scores?</source>
        <translation>Weet u zeker dat u alle scores van het kleine speelveld wilt wissen?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset all Large Board scores?</source>
        <translation>Weet u zeker dat u alle scores van het grote speelveld wilt wissen?</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Topscores wissen</translation>
    </message>
</context>
<context>
    <name>ScoresWindow</name>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>&amp;Small Board</source>
        <translation>&amp;Klein speelveld</translation>
    </message>
    <message>
        <source>&amp;Large Board</source>
        <translation>&amp;Groot speelveld</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Snelste tijden</translation>
    </message>
    <message>
        <source>Fewest Sets Flipped</source>
        <translation>Minste zetten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Seconden</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Zetten</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Fout bij toegang tot pad of bestand: %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file</source>
        <translation>Fout bij toegang tot pad of bestand: %1 is geen gewoon bestand</translation>
    </message>
    <message>
        <source>Path/File access error: %1 cannot be locked</source>
        <translation>Fout bij toegang tot pad of bestand: %1 kan niet worden vergrendeld</translation>
    </message>
    <message>
        <source>Out of string space: %1 would be larger than 16 MiB and is left as it is</source>
        <translation>Geen ruimte meer voor tekenreeksen: %1 zou groter worden dan 16 MiB en blijft ongewijzigd</translation>
    </message>
    <message>
        <source>Path/File access error: %1 changed while it was saved</source>
        <translation>Fout bij toegang tot pad of bestand: %1 is gewijzigd tijdens het opslaan</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is locked by another game</source>
        <translation>Fout bij toegang tot pad of bestand: %1 is vergrendeld door een ander exemplaar van het spel</translation>
    </message>
    <message>
        <source>Path/File access error: %1 cannot be locked: %2</source>
        <translation>Fout bij toegang tot pad of bestand: %1 kan niet worden vergrendeld: %2</translation>
    </message>
    <message>
        <source>Path/File access error: %1 changed while it was saved and could not be put back; the file found there is kept as %2</source>
        <translation>Fout bij toegang tot pad of bestand: %1 is gewijzigd tijdens het opslaan en kon niet worden teruggezet; het bestand dat daar stond, is bewaard als %2</translation>
    </message>
</context>
</TS>
