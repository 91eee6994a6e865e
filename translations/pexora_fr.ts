<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Copyright (C) 2026</source>
        <translation>Copyright (C) 2026</translation>
    </message>
    <message>
        <source>the Pexora developers</source>
        <translation>les développeurs de Pexora</translation>
    </message>
    <message>
        <source>A picture-matching memory game</source>
        <translation>Un jeu de mémoire en images</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL,</source>
        <translation>Logiciel libre sous licence GNU GPL,</translation>
    </message>
    <message>
        <source>version 3 or later; NO WARRANTY.</source>
        <translation>version 3 ou plus&#xa0;; SANS GARANTIE.</translation>
    </message>
    <message>
        <source>More in Help &gt; Contents (F1)</source>
        <translation>Voir Aide &gt; Sommaire (F1)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>%1, version %2</source>
        <translation>%1, version %2</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure non valide ou argument non valide</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>Error #: %1</source>
        <translation>Erreur n°&#xa0;: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
</context>
<context>
    <name>GameBoard</name>
    <message>
        <source>Out of play</source>
        <translation>Hors du plateau</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Image %1</translation>
    </message>
    <message>
        <source>Row %1, column %2, removed</source>
        <translation>Ligne %1, colonne %2, retirée</translation>
    </message>
    <message>
        <source>Row %1, column %2, face up, %3</source>
        <translation>Ligne %1, colonne %2, face visible, %3</translation>
    </message>
    <message>
        <source>Row %1, column %2, face down</source>
        <translation>Ligne %1, colonne %2, face cachée</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Pexora Help</source>
        <translation>Aide de Pexora</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>A&amp;ccueil</translation>
    </message>
    <message>
        <source>Type a word to find</source>
        <translation>Mot à chercher</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>(no file name)</source>
        <translation>(aucun nom de fichier)</translation>
    </message>
    <message>
        <source>The help file cannot be read:
%1

It may be damaged. Pexora goes on without help; installing the game again restores the file.</source>
        <translation>Le fichier d&apos;aide est illisible&#xa0;:
%1

Il est peut-être endommagé. Pexora continue sans aide&#xa0;; réinstaller le jeu rétablit le fichier.</translation>
    </message>
    <message>
        <source>The help file was not found:
%1

Pexora goes on without help; installing the game again restores the file.</source>
        <translation>Le fichier d&apos;aide est introuvable&#xa0;:
%1

Pexora continue sans aide&#xa0;; réinstaller le jeu rétablit le fichier.</translation>
    </message>
    <message>
        <source>This help file has no topic &quot;%1&quot;.</source>
        <translation>Ce fichier d&apos;aide n&apos;a pas de rubrique «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; cannot be read; the help file may be damaged.</source>
        <translation>La rubrique «&#xa0;%1&#xa0;» est illisible&#xa0;; le fichier d&apos;aide est peut-être endommagé.</translation>
    </message>
    <message>
        <source>The help file cannot be read: the program that checks it first is missing:
%1

Pexora goes on without help; installing the game again restores it.</source>
        <translation>Le fichier d&apos;aide est illisible&#xa0;: le programme qui le vérifie d&apos;abord est absent&#xa0;:
%1

Pexora continue sans aide&#xa0;; réinstaller le jeu le rétablit.</translation>
    </message>
    <message>
        <source>The help file may be damaged.</source>
        <translation>Le fichier d&apos;aide est peut-être endommagé.</translation>
    </message>
    <message>
        <source>The contents cannot be read.</source>
        <translation>Le sommaire est illisible.</translation>
    </message>
    <message>
        <source>The index cannot be read.</source>
        <translation>L&apos;index est illisible.</translation>
    </message>
    <message>
        <source>The first topic of this help file cannot be read; the help file may be damaged.</source>
        <translation>La première rubrique de ce fichier d&apos;aide est illisible&#xa0;; le fichier d&apos;aide est peut-être endommagé.</translation>
    </message>
    <message>
        <source>Checking the help file...</source>
        <translation>Vérification du fichier d&apos;aide...</translation>
    </message>
    <message>
        <source>The help file in your language cannot be read; the help is shown in English.</source>
        <translation>Le fichier d&apos;aide dans votre langue est illisible&#xa0;; l&apos;aide s&apos;affiche en anglais.</translation>
    </message>
    <message>
        <source>The help is not available in your language; it is shown in English.</source>
        <translation>L&apos;aide n&apos;est pas disponible dans votre langue&#xa0;; elle s&apos;affiche en anglais.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Joueur&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>%1, à vous de jouer</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Partie terminée.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Afficher les meilleurs scores</translation>
    </message>
    <message>
        <source>Change Board Size</source>
        <translation>Changer la taille du plateau</translation>
    </message>
    <message>
        <source>Change Tile Color</source>
        <translation>Changer la couleur des cartes</translation>
    </message>
    <message>
        <source>Change Image Category</source>
        <translation>Changer la catégorie d&apos;images</translation>
    </message>
    <message>
        <source>Change Level of Difficulty</source>
        <translation>Changer le niveau de difficulté</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Changer les joueurs</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Activer/couper les sons</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Afficher les informations sur le programme</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Quitter le jeu</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Meilleurs scores...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Boards</source>
        <translation>&amp;Plateau</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Couleur</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Images</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Joueurs</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barre d&apos;&amp;outils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>&amp;Contrat de licence</translation>
    </message>
    <message>
        <source>&amp;About Pexora...</source>
        <translation>À &amp;propos de Pexora...</translation>
    </message>
    <message>
        <source>The player whose turn it is</source>
        <translation>Le joueur dont c&apos;est le tour</translation>
    </message>
    <message>
        <source>Sets flipped by the player, or the player&apos;s matches in a two-player game</source>
        <translation>Coups du joueur, ou ses points dans une partie à deux</translation>
    </message>
    <message>
        <source>Seconds since the first tile of a one-player game was turned</source>
        <translation>Secondes écoulées depuis la première carte retournée d&apos;une partie en solo</translation>
    </message>
    <message numerus="yes">
        <source>Sets Flipped: %n</source>
        <translation>
            <numerusform>Coups&#xa0;: %n</numerusform>
            <numerusform>Coups&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Time: %n</source>
        <translation>
            <numerusform>Temps&#xa0;: %n</numerusform>
            <numerusform>Temps&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Matches: %n</source>
        <translation>
            <numerusform>Points&#xa0;: %n</numerusform>
            <numerusform>Points&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches for %1</source>
        <translation>
            <numerusform>%n point pour %1</numerusform>
            <numerusform>%n points pour %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Matches for %1: %n.</source>
        <translation>
            <numerusform>%1 a %n point.</numerusform>
            <numerusform>%1 a %n points.</numerusform>
        </translation>
    </message>
    <message>
        <source>Face up, %1.</source>
        <translation>Face visible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No match.</source>
        <translation>Aucun point.</translation>
    </message>
    <message>
        <source>A match: %1.</source>
        <translation>Point&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The set is turned face down.</source>
        <translation>Les cartes sont remises face cachée.</translation>
    </message>
    <message>
        <source>The rest of the set is turned face down.</source>
        <translation>Les autres cartes sont remises face cachée.</translation>
    </message>
    <message>
        <source>The board is clear. %1, %2.</source>
        <translation>Le plateau est vide&#xa0;: %1 en %2.</translation>
    </message>
    <message numerus="yes">
        <source>Sets turned: %n</source>
        <translation>
            <numerusform>%n coup</numerusform>
            <numerusform>%n coups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>seconds: %n</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Animals</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Bâtiments</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Informatique</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Drapeaux</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Aliments</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Plants</source>
        <translation>Plantes</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>Sciences</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formes</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Panneaux</translation>
    </message>
    <message>
        <source>Sports</source>
        <translation>Sports</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transports</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petit</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grand</translation>
    </message>
    <message>
        <source>Match 2 Tiles</source>
        <translation>Par paires</translation>
    </message>
    <message>
        <source>Match 3 Tiles</source>
        <translation>Par trois</translation>
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
        <translation>Oui</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Boards</source>
        <translation>&amp;Plateau</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Couleur</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Images</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Joueurs</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sons</translation>
    </message>
</context>
<context>
    <name>PictureName</name>
    <message>
        <source>Elephant</source>
        <comment>ANIMAL1</comment>
        <translation>Éléphant</translation>
    </message>
    <message>
        <source>Lion</source>
        <comment>ANIMAL2</comment>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <comment>ANIMAL3</comment>
        <translation>Girafe</translation>
    </message>
    <message>
        <source>Zebra</source>
        <comment>ANIMAL4</comment>
        <translation>Zèbre</translation>
    </message>
    <message>
        <source>Penguin</source>
        <comment>ANIMAL5</comment>
        <translation>Manchot</translation>
    </message>
    <message>
        <source>Frog</source>
        <comment>ANIMAL6</comment>
        <translation>Grenouille</translation>
    </message>
    <message>
        <source>Pig</source>
        <comment>ANIMAL7</comment>
        <translation>Cochon</translation>
    </message>
    <message>
        <source>Cow</source>
        <comment>ANIMAL8</comment>
        <translation>Vache</translation>
    </message>
    <message>
        <source>Monkey</source>
        <comment>ANIMAL9</comment>
        <translation>Singe</translation>
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
        <translation>Renard</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <comment>ANIMAL14</comment>
        <translation>Lapin</translation>
    </message>
    <message>
        <source>Owl</source>
        <comment>ANIMAL15</comment>
        <translation>Hibou</translation>
    </message>
    <message>
        <source>Turtle</source>
        <comment>ANIMAL16</comment>
        <translation>Tortue</translation>
    </message>
    <message>
        <source>Snail</source>
        <comment>ANIMAL17</comment>
        <translation>Escargot</translation>
    </message>
    <message>
        <source>Octopus</source>
        <comment>ANIMAL18</comment>
        <translation>Pieuvre</translation>
    </message>
    <message>
        <source>Crab</source>
        <comment>ANIMAL19</comment>
        <translation>Crabe</translation>
    </message>
    <message>
        <source>Whale</source>
        <comment>ANIMAL20</comment>
        <translation>Baleine</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <comment>ANIMAL21</comment>
        <translation>Poisson tropical</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <comment>ANIMAL22</comment>
        <translation>Papillon</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <comment>ANIMAL23</comment>
        <translation>Coccinelle</translation>
    </message>
    <message>
        <source>Bee</source>
        <comment>ANIMAL24</comment>
        <translation>Abeille</translation>
    </message>
    <message>
        <source>Snake</source>
        <comment>ANIMAL25</comment>
        <translation>Serpent</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <comment>ANIMAL26</comment>
        <translation>Crocodile</translation>
    </message>
    <message>
        <source>Camel</source>
        <comment>ANIMAL27</comment>
        <translation>Chameau</translation>
    </message>
    <message>
        <source>Parrot</source>
        <comment>ANIMAL28</comment>
        <translation>Perroquet</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <comment>ANIMAL29</comment>
        <translation>Hérisson</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <comment>ANIMAL30</comment>
        <translation>Flamant rose</translation>
    </message>
    <message>
        <source>House</source>
        <comment>BUILDING1</comment>
        <translation>Maison</translation>
    </message>
    <message>
        <source>Office tower</source>
        <comment>BUILDING2</comment>
        <translation>Tour de bureaux</translation>
    </message>
    <message>
        <source>Hospital</source>
        <comment>BUILDING3</comment>
        <translation>Hôpital</translation>
    </message>
    <message>
        <source>Bank</source>
        <comment>BUILDING4</comment>
        <translation>Banque</translation>
    </message>
    <message>
        <source>Factory</source>
        <comment>BUILDING5</comment>
        <translation>Usine</translation>
    </message>
    <message>
        <source>Castle</source>
        <comment>BUILDING6</comment>
        <translation>Château fort</translation>
    </message>
    <message>
        <source>Pagoda castle</source>
        <comment>BUILDING7</comment>
        <translation>Château japonais</translation>
    </message>
    <message>
        <source>Church</source>
        <comment>BUILDING8</comment>
        <translation>Église</translation>
    </message>
    <message>
        <source>Mosque</source>
        <comment>BUILDING9</comment>
        <translation>Mosquée</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <comment>BUILDING10</comment>
        <translation>Synagogue</translation>
    </message>
    <message>
        <source>Hindu temple</source>
        <comment>BUILDING11</comment>
        <translation>Temple hindou</translation>
    </message>
    <message>
        <source>Classical temple</source>
        <comment>BUILDING12</comment>
        <translation>Temple antique</translation>
    </message>
    <message>
        <source>Stadium</source>
        <comment>BUILDING13</comment>
        <translation>Stade</translation>
    </message>
    <message>
        <source>Tent</source>
        <comment>BUILDING14</comment>
        <translation>Tente</translation>
    </message>
    <message>
        <source>Hut</source>
        <comment>BUILDING15</comment>
        <translation>Hutte</translation>
    </message>
    <message>
        <source>Statue of Liberty</source>
        <comment>BUILDING16</comment>
        <translation>Statue de la Liberté</translation>
    </message>
    <message>
        <source>Radio tower</source>
        <comment>BUILDING17</comment>
        <translation>Tour radio</translation>
    </message>
    <message>
        <source>Ferris wheel</source>
        <comment>BUILDING18</comment>
        <translation>Grande roue</translation>
    </message>
    <message>
        <source>Circus tent</source>
        <comment>BUILDING19</comment>
        <translation>Chapiteau</translation>
    </message>
    <message>
        <source>Wedding chapel</source>
        <comment>BUILDING20</comment>
        <translation>Chapelle de mariage</translation>
    </message>
    <message>
        <source>Fountain</source>
        <comment>BUILDING21</comment>
        <translation>Fontaine</translation>
    </message>
    <message>
        <source>Old barn</source>
        <comment>BUILDING22</comment>
        <translation>Vieille grange</translation>
    </message>
    <message>
        <source>Shrine gate</source>
        <comment>BUILDING23</comment>
        <translation>Portique shinto</translation>
    </message>
    <message>
        <source>Suspension bridge</source>
        <comment>BUILDING24</comment>
        <translation>Pont suspendu</translation>
    </message>
    <message>
        <source>Kaaba</source>
        <comment>BUILDING25</comment>
        <translation>Kaaba</translation>
    </message>
    <message>
        <source>School</source>
        <comment>BUILDING26</comment>
        <translation>École</translation>
    </message>
    <message>
        <source>Row of houses</source>
        <comment>BUILDING27</comment>
        <translation>Rangée de maisons</translation>
    </message>
    <message>
        <source>Hotel</source>
        <comment>BUILDING28</comment>
        <translation>Hôtel</translation>
    </message>
    <message>
        <source>Building site</source>
        <comment>BUILDING29</comment>
        <translation>Chantier</translation>
    </message>
    <message>
        <source>Skyline</source>
        <comment>BUILDING30</comment>
        <translation>Paysage urbain</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <comment>BUSINESS1</comment>
        <translation>Porte-documents</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <comment>BUSINESS2</comment>
        <translation>Courbe en hausse</translation>
    </message>
    <message>
        <source>Falling chart</source>
        <comment>BUSINESS3</comment>
        <translation>Courbe en baisse</translation>
    </message>
    <message>
        <source>Bar chart</source>
        <comment>BUSINESS4</comment>
        <translation>Diagramme en barres</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <comment>BUSINESS5</comment>
        <translation>Porte-bloc</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment>BUSINESS6</comment>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Pushpin</source>
        <comment>BUSINESS7</comment>
        <translation>Punaise</translation>
    </message>
    <message>
        <source>Paperclip</source>
        <comment>BUSINESS8</comment>
        <translation>Trombone</translation>
    </message>
    <message>
        <source>Scissors</source>
        <comment>BUSINESS9</comment>
        <translation>Ciseaux</translation>
    </message>
    <message>
        <source>File folder</source>
        <comment>BUSINESS10</comment>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Memo</source>
        <comment>BUSINESS11</comment>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Fountain pen</source>
        <comment>BUSINESS12</comment>
        <translation>Stylo plume</translation>
    </message>
    <message>
        <source>Pencil</source>
        <comment>BUSINESS13</comment>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Ruler</source>
        <comment>BUSINESS14</comment>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Set square</source>
        <comment>BUSINESS15</comment>
        <translation>Équerre</translation>
    </message>
    <message>
        <source>Abacus</source>
        <comment>BUSINESS16</comment>
        <translation>Boulier</translation>
    </message>
    <message>
        <source>Handshake</source>
        <comment>BUSINESS17</comment>
        <translation>Poignée de main</translation>
    </message>
    <message>
        <source>Necktie</source>
        <comment>BUSINESS18</comment>
        <translation>Cravate</translation>
    </message>
    <message>
        <source>Card file box</source>
        <comment>BUSINESS19</comment>
        <translation>Boîte à fiches</translation>
    </message>
    <message>
        <source>Wastebasket</source>
        <comment>BUSINESS20</comment>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>Receipt</source>
        <comment>BUSINESS21</comment>
        <translation>Ticket de caisse</translation>
    </message>
    <message>
        <source>Ledger</source>
        <comment>BUSINESS22</comment>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Padlock</source>
        <comment>BUSINESS23</comment>
        <translation>Cadenas</translation>
    </message>
    <message>
        <source>Key</source>
        <comment>BUSINESS24</comment>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <comment>BUSINESS25</comment>
        <translation>Sablier</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <comment>BUSINESS26</comment>
        <translation>Réveil</translation>
    </message>
    <message>
        <source>Price tag</source>
        <comment>BUSINESS27</comment>
        <translation>Étiquette de prix</translation>
    </message>
    <message>
        <source>Parcel</source>
        <comment>BUSINESS28</comment>
        <translation>Colis</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <comment>BUSINESS29</comment>
        <translation>Ampoule</translation>
    </message>
    <message>
        <source>Balance scale</source>
        <comment>BUSINESS30</comment>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Telephone</source>
        <comment>COMMUN1</comment>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Mobile phone</source>
        <comment>COMMUN2</comment>
        <translation>Téléphone portable</translation>
    </message>
    <message>
        <source>Envelope</source>
        <comment>COMMUN3</comment>
        <translation>Enveloppe</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <comment>COMMUN4</comment>
        <translation>Boîte aux lettres</translation>
    </message>
    <message>
        <source>Postbox</source>
        <comment>COMMUN5</comment>
        <translation>Boîte aux lettres publique</translation>
    </message>
    <message>
        <source>Satellite dish</source>
        <comment>COMMUN6</comment>
        <translation>Antenne parabolique</translation>
    </message>
    <message>
        <source>Satellite</source>
        <comment>COMMUN7</comment>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Radio</source>
        <comment>COMMUN8</comment>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Television</source>
        <comment>COMMUN9</comment>
        <translation>Télévision</translation>
    </message>
    <message>
        <source>Fax machine</source>
        <comment>COMMUN10</comment>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Pager</source>
        <comment>COMMUN11</comment>
        <translation>Bipeur</translation>
    </message>
    <message>
        <source>Megaphone</source>
        <comment>COMMUN12</comment>
        <translation>Mégaphone</translation>
    </message>
    <message>
        <source>Microphone</source>
        <comment>COMMUN13</comment>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Headphones</source>
        <comment>COMMUN14</comment>
        <translation>Casque audio</translation>
    </message>
    <message>
        <source>Newspaper</source>
        <comment>COMMUN15</comment>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <comment>COMMUN16</comment>
        <translation>Bulle de dialogue</translation>
    </message>
    <message>
        <source>Love letter</source>
        <comment>COMMUN17</comment>
        <translation>Lettre d&apos;amour</translation>
    </message>
    <message>
        <source>Post horn</source>
        <comment>COMMUN18</comment>
        <translation>Cor de postillon</translation>
    </message>
    <message>
        <source>Bell</source>
        <comment>COMMUN19</comment>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Telephone receiver</source>
        <comment>COMMUN20</comment>
        <translation>Combiné téléphonique</translation>
    </message>
    <message>
        <source>Globe with meridians</source>
        <comment>COMMUN21</comment>
        <translation>Globe avec méridiens</translation>
    </message>
    <message>
        <source>Video camera</source>
        <comment>COMMUN22</comment>
        <translation>Caméra vidéo</translation>
    </message>
    <message>
        <source>Camera</source>
        <comment>COMMUN23</comment>
        <translation>Appareil photo</translation>
    </message>
    <message>
        <source>Signal bars</source>
        <comment>COMMUN24</comment>
        <translation>Barres de réseau</translation>
    </message>
    <message>
        <source>Dove</source>
        <comment>COMMUN25</comment>
        <translation>Colombe</translation>
    </message>
    <message>
        <source>Scroll</source>
        <comment>COMMUN26</comment>
        <translation>Parchemin</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <comment>COMMUN27</comment>
        <translation>Haut-parleur</translation>
    </message>
    <message>
        <source>Speaking head</source>
        <comment>COMMUN28</comment>
        <translation>Tête qui parle</translation>
    </message>
    <message>
        <source>Videocassette</source>
        <comment>COMMUN29</comment>
        <translation>Cassette vidéo</translation>
    </message>
    <message>
        <source>Outbox tray</source>
        <comment>COMMUN30</comment>
        <translation>Bac d&apos;envoi</translation>
    </message>
    <message>
        <source>Laptop</source>
        <comment>COMPUTER1</comment>
        <translation>Ordinateur portable</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <comment>COMPUTER2</comment>
        <translation>Ordinateur de bureau</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <comment>COMPUTER3</comment>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Mouse</source>
        <comment>COMPUTER4</comment>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Trackball</source>
        <comment>COMPUTER5</comment>
        <translation>Boule de commande</translation>
    </message>
    <message>
        <source>Printer</source>
        <comment>COMPUTER6</comment>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Floppy disk</source>
        <comment>COMPUTER7</comment>
        <translation>Disquette</translation>
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
        <translation>Pile</translation>
    </message>
    <message>
        <source>Power plug</source>
        <comment>COMPUTER13</comment>
        <translation>Fiche électrique</translation>
    </message>
    <message>
        <source>Magnifying glass</source>
        <comment>COMPUTER14</comment>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>Robot</source>
        <comment>COMPUTER15</comment>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Game controller</source>
        <comment>COMPUTER16</comment>
        <translation>Manette de jeu</translation>
    </message>
    <message>
        <source>Gear</source>
        <comment>COMPUTER17</comment>
        <translation>Engrenage</translation>
    </message>
    <message>
        <source>Link</source>
        <comment>COMPUTER18</comment>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Bug</source>
        <comment>COMPUTER19</comment>
        <translation>Chenille</translation>
    </message>
    <message>
        <source>E-mail</source>
        <comment>COMPUTER20</comment>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment>COMPUTER21</comment>
        <translation>Dossier ouvert</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <comment>COMPUTER22</comment>
        <translation>Boîte à outils</translation>
    </message>
    <message>
        <source>Smartphone</source>
        <comment>COMPUTER23</comment>
        <translation>Smartphone</translation>
    </message>
    <message>
        <source>Shield</source>
        <comment>COMPUTER24</comment>
        <translation>Bouclier</translation>
    </message>
    <message>
        <source>Number keys</source>
        <comment>COMPUTER25</comment>
        <translation>Touches numériques</translation>
    </message>
    <message>
        <source>Document</source>
        <comment>COMPUTER26</comment>
        <translation>Document</translation>
    </message>
    <message>
        <source>Window</source>
        <comment>COMPUTER27</comment>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Control knobs</source>
        <comment>COMPUTER28</comment>
        <translation>Boutons de réglage</translation>
    </message>
    <message>
        <source>Lock and key</source>
        <comment>COMPUTER29</comment>
        <translation>Cadenas et clé</translation>
    </message>
    <message>
        <source>Web</source>
        <comment>COMPUTER30</comment>
        <translation>Toile d&apos;araignée</translation>
    </message>
    <message>
        <source>Dollar banknote</source>
        <comment>CURRENCY1</comment>
        <translation>Billet en dollars</translation>
    </message>
    <message>
        <source>Yen banknote</source>
        <comment>CURRENCY2</comment>
        <translation>Billet en yens</translation>
    </message>
    <message>
        <source>Euro banknote</source>
        <comment>CURRENCY3</comment>
        <translation>Billet en euros</translation>
    </message>
    <message>
        <source>Pound banknote</source>
        <comment>CURRENCY4</comment>
        <translation>Billet en livres</translation>
    </message>
    <message>
        <source>Money bag</source>
        <comment>CURRENCY5</comment>
        <translation>Sac d&apos;argent</translation>
    </message>
    <message>
        <source>Credit card</source>
        <comment>CURRENCY6</comment>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Money with wings</source>
        <comment>CURRENCY7</comment>
        <translation>Billet qui s&apos;envole</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <comment>CURRENCY8</comment>
        <translation>Symbole du dollar</translation>
    </message>
    <message>
        <source>Currency exchange</source>
        <comment>CURRENCY9</comment>
        <translation>Bureau de change</translation>
    </message>
    <message>
        <source>Cash machine</source>
        <comment>CURRENCY10</comment>
        <translation>Distributeur de billets</translation>
    </message>
    <message>
        <source>Dollar coin</source>
        <comment>CURRENCY11</comment>
        <translation>Pièce d&apos;un dollar</translation>
    </message>
    <message>
        <source>Euro coin</source>
        <comment>CURRENCY12</comment>
        <translation>Pièce d&apos;un euro</translation>
    </message>
    <message>
        <source>Pound coin</source>
        <comment>CURRENCY13</comment>
        <translation>Pièce d&apos;une livre</translation>
    </message>
    <message>
        <source>Yen coin</source>
        <comment>CURRENCY14</comment>
        <translation>Pièce d&apos;un yen</translation>
    </message>
    <message>
        <source>Rupee coin</source>
        <comment>CURRENCY15</comment>
        <translation>Pièce d&apos;une roupie</translation>
    </message>
    <message>
        <source>Rouble coin</source>
        <comment>CURRENCY16</comment>
        <translation>Pièce d&apos;un rouble</translation>
    </message>
    <message>
        <source>Won coin</source>
        <comment>CURRENCY17</comment>
        <translation>Pièce d&apos;un won</translation>
    </message>
    <message>
        <source>Lira coin</source>
        <comment>CURRENCY18</comment>
        <translation>Pièce d&apos;une livre turque</translation>
    </message>
    <message>
        <source>Shekel coin</source>
        <comment>CURRENCY19</comment>
        <translation>Pièce d&apos;un shekel</translation>
    </message>
    <message>
        <source>Baht coin</source>
        <comment>CURRENCY20</comment>
        <translation>Pièce d&apos;un baht</translation>
    </message>
    <message>
        <source>Bitcoin</source>
        <comment>CURRENCY21</comment>
        <translation>Bitcoin</translation>
    </message>
    <message>
        <source>Cent coin</source>
        <comment>CURRENCY22</comment>
        <translation>Pièce d&apos;un centime</translation>
    </message>
    <message>
        <source>Franc coin</source>
        <comment>CURRENCY23</comment>
        <translation>Pièce d&apos;un franc</translation>
    </message>
    <message>
        <source>Dong coin</source>
        <comment>CURRENCY24</comment>
        <translation>Pièce d&apos;un dong</translation>
    </message>
    <message>
        <source>Hryvnia coin</source>
        <comment>CURRENCY25</comment>
        <translation>Pièce d&apos;une hryvnia</translation>
    </message>
    <message>
        <source>Tenge coin</source>
        <comment>CURRENCY26</comment>
        <translation>Pièce d&apos;un tenge</translation>
    </message>
    <message>
        <source>Gold bars</source>
        <comment>CURRENCY27</comment>
        <translation>Lingots d&apos;or</translation>
    </message>
    <message>
        <source>Bank</source>
        <comment>CURRENCY28</comment>
        <translation>Banque</translation>
    </message>
    <message>
        <source>Yen chart</source>
        <comment>CURRENCY29</comment>
        <translation>Courbe du yen</translation>
    </message>
    <message>
        <source>Treasure chest</source>
        <comment>CURRENCY30</comment>
        <translation>Coffre au trésor</translation>
    </message>
    <message>
        <source>Flag of Japan</source>
        <comment>FLAG1</comment>
        <translation>Drapeau du Japon</translation>
    </message>
    <message>
        <source>Flag of Canada</source>
        <comment>FLAG2</comment>
        <translation>Drapeau du Canada</translation>
    </message>
    <message>
        <source>Flag of the United States</source>
        <comment>FLAG3</comment>
        <translation>Drapeau des États-Unis</translation>
    </message>
    <message>
        <source>Flag of the United Kingdom</source>
        <comment>FLAG4</comment>
        <translation>Drapeau du Royaume-Uni</translation>
    </message>
    <message>
        <source>Flag of France</source>
        <comment>FLAG5</comment>
        <translation>Drapeau de la France</translation>
    </message>
    <message>
        <source>Flag of Germany</source>
        <comment>FLAG6</comment>
        <translation>Drapeau de l&apos;Allemagne</translation>
    </message>
    <message>
        <source>Flag of Brazil</source>
        <comment>FLAG7</comment>
        <translation>Drapeau du Brésil</translation>
    </message>
    <message>
        <source>Flag of Sweden</source>
        <comment>FLAG8</comment>
        <translation>Drapeau de la Suède</translation>
    </message>
    <message>
        <source>Flag of Switzerland</source>
        <comment>FLAG9</comment>
        <translation>Drapeau de la Suisse</translation>
    </message>
    <message>
        <source>Flag of South Korea</source>
        <comment>FLAG10</comment>
        <translation>Drapeau de la Corée du Sud</translation>
    </message>
    <message>
        <source>Flag of India</source>
        <comment>FLAG11</comment>
        <translation>Drapeau de l&apos;Inde</translation>
    </message>
    <message>
        <source>Flag of China</source>
        <comment>FLAG12</comment>
        <translation>Drapeau de la Chine</translation>
    </message>
    <message>
        <source>Flag of Greece</source>
        <comment>FLAG13</comment>
        <translation>Drapeau de la Grèce</translation>
    </message>
    <message>
        <source>Flag of Turkey</source>
        <comment>FLAG14</comment>
        <translation>Drapeau de la Turquie</translation>
    </message>
    <message>
        <source>Flag of Israel</source>
        <comment>FLAG15</comment>
        <translation>Drapeau d&apos;Israël</translation>
    </message>
    <message>
        <source>Flag of South Africa</source>
        <comment>FLAG16</comment>
        <translation>Drapeau de l&apos;Afrique du Sud</translation>
    </message>
    <message>
        <source>Flag of Mexico</source>
        <comment>FLAG17</comment>
        <translation>Drapeau du Mexique</translation>
    </message>
    <message>
        <source>Flag of Jamaica</source>
        <comment>FLAG18</comment>
        <translation>Drapeau de la Jamaïque</translation>
    </message>
    <message>
        <source>Flag of Nepal</source>
        <comment>FLAG19</comment>
        <translation>Drapeau du Népal</translation>
    </message>
    <message>
        <source>Flag of Ukraine</source>
        <comment>FLAG20</comment>
        <translation>Drapeau de l&apos;Ukraine</translation>
    </message>
    <message>
        <source>Flag of Pakistan</source>
        <comment>FLAG21</comment>
        <translation>Drapeau du Pakistan</translation>
    </message>
    <message>
        <source>Flag of Kenya</source>
        <comment>FLAG22</comment>
        <translation>Drapeau du Kenya</translation>
    </message>
    <message>
        <source>Flag of Australia</source>
        <comment>FLAG23</comment>
        <translation>Drapeau de l&apos;Australie</translation>
    </message>
    <message>
        <source>Flag of Lebanon</source>
        <comment>FLAG24</comment>
        <translation>Drapeau du Liban</translation>
    </message>
    <message>
        <source>Flag of Colombia</source>
        <comment>FLAG25</comment>
        <translation>Drapeau de la Colombie</translation>
    </message>
    <message>
        <source>Chequered flag</source>
        <comment>FLAG26</comment>
        <translation>Drapeau à damier</translation>
    </message>
    <message>
        <source>Pirate flag</source>
        <comment>FLAG27</comment>
        <translation>Drapeau pirate</translation>
    </message>
    <message>
        <source>Rainbow flag</source>
        <comment>FLAG28</comment>
        <translation>Drapeau arc-en-ciel</translation>
    </message>
    <message>
        <source>White flag</source>
        <comment>FLAG29</comment>
        <translation>Drapeau blanc</translation>
    </message>
    <message>
        <source>Red pennant</source>
        <comment>FLAG30</comment>
        <translation>Fanion rouge</translation>
    </message>
    <message>
        <source>Apple</source>
        <comment>FOOD1</comment>
        <translation>Pomme</translation>
    </message>
    <message>
        <source>Banana</source>
        <comment>FOOD2</comment>
        <translation>Banane</translation>
    </message>
    <message>
        <source>Grapes</source>
        <comment>FOOD3</comment>
        <translation>Raisin</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <comment>FOOD4</comment>
        <translation>Pastèque</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <comment>FOOD5</comment>
        <translation>Fraise</translation>
    </message>
    <message>
        <source>Cherries</source>
        <comment>FOOD6</comment>
        <translation>Cerises</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <comment>FOOD7</comment>
        <translation>Ananas</translation>
    </message>
    <message>
        <source>Lemon</source>
        <comment>FOOD8</comment>
        <translation>Citron</translation>
    </message>
    <message>
        <source>Carrot</source>
        <comment>FOOD9</comment>
        <translation>Carotte</translation>
    </message>
    <message>
        <source>Corn</source>
        <comment>FOOD10</comment>
        <translation>Épi de maïs</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <comment>FOOD11</comment>
        <translation>Brocoli</translation>
    </message>
    <message>
        <source>Bread</source>
        <comment>FOOD12</comment>
        <translation>Pain</translation>
    </message>
    <message>
        <source>Cheese</source>
        <comment>FOOD13</comment>
        <translation>Fromage</translation>
    </message>
    <message>
        <source>Fried egg</source>
        <comment>FOOD14</comment>
        <translation>Œuf au plat</translation>
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
        <translation>Hot-dog</translation>
    </message>
    <message>
        <source>Taco</source>
        <comment>FOOD18</comment>
        <translation>Taco</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <comment>FOOD19</comment>
        <translation>Glace</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <comment>FOOD20</comment>
        <translation>Donut</translation>
    </message>
    <message>
        <source>Cookie</source>
        <comment>FOOD21</comment>
        <translation>Biscuit</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <comment>FOOD22</comment>
        <translation>Gâteau d&apos;anniversaire</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <comment>FOOD23</comment>
        <translation>Sucette</translation>
    </message>
    <message>
        <source>Croissant</source>
        <comment>FOOD24</comment>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Pretzel</source>
        <comment>FOOD25</comment>
        <translation>Bretzel</translation>
    </message>
    <message>
        <source>Aubergine</source>
        <comment>FOOD26</comment>
        <translation>Aubergine</translation>
    </message>
    <message>
        <source>Chilli pepper</source>
        <comment>FOOD27</comment>
        <translation>Piment</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <comment>FOOD28</comment>
        <translation>Spaghettis</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <comment>FOOD29</comment>
        <translation>Pop-corn</translation>
    </message>
    <message>
        <source>Chicken leg</source>
        <comment>FOOD30</comment>
        <translation>Cuisse de poulet</translation>
    </message>
    <message>
        <source>Hammer</source>
        <comment>HARDWARE1</comment>
        <translation>Marteau</translation>
    </message>
    <message>
        <source>Wrench</source>
        <comment>HARDWARE2</comment>
        <translation>Clé plate</translation>
    </message>
    <message>
        <source>Screwdriver</source>
        <comment>HARDWARE3</comment>
        <translation>Tournevis</translation>
    </message>
    <message>
        <source>Nut and bolt</source>
        <comment>HARDWARE4</comment>
        <translation>Écrou et boulon</translation>
    </message>
    <message>
        <source>Saw</source>
        <comment>HARDWARE5</comment>
        <translation>Scie</translation>
    </message>
    <message>
        <source>Axe</source>
        <comment>HARDWARE6</comment>
        <translation>Hache</translation>
    </message>
    <message>
        <source>Pickaxe</source>
        <comment>HARDWARE7</comment>
        <translation>Pioche</translation>
    </message>
    <message>
        <source>Magnet</source>
        <comment>HARDWARE8</comment>
        <translation>Aimant</translation>
    </message>
    <message>
        <source>Ladder</source>
        <comment>HARDWARE9</comment>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Chain</source>
        <comment>HARDWARE10</comment>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Hook</source>
        <comment>HARDWARE11</comment>
        <translation>Crochet</translation>
    </message>
    <message>
        <source>Brick</source>
        <comment>HARDWARE12</comment>
        <translation>Brique</translation>
    </message>
    <message>
        <source>Clamp</source>
        <comment>HARDWARE13</comment>
        <translation>Serre-joint</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <comment>HARDWARE14</comment>
        <translation>Pinceau</translation>
    </message>
    <message>
        <source>Bucket</source>
        <comment>HARDWARE15</comment>
        <translation>Seau</translation>
    </message>
    <message>
        <source>Torch</source>
        <comment>HARDWARE16</comment>
        <translation>Lampe de poche</translation>
    </message>
    <message>
        <source>Old key</source>
        <comment>HARDWARE17</comment>
        <translation>Vieille clé</translation>
    </message>
    <message>
        <source>Fire extinguisher</source>
        <comment>HARDWARE18</comment>
        <translation>Extincteur</translation>
    </message>
    <message>
        <source>Mousetrap</source>
        <comment>HARDWARE19</comment>
        <translation>Piège à souris</translation>
    </message>
    <message>
        <source>Oil drum</source>
        <comment>HARDWARE20</comment>
        <translation>Baril de pétrole</translation>
    </message>
    <message>
        <source>Logs</source>
        <comment>HARDWARE21</comment>
        <translation>Rondin</translation>
    </message>
    <message>
        <source>Safety pin</source>
        <comment>HARDWARE22</comment>
        <translation>Épingle à nourrice</translation>
    </message>
    <message>
        <source>Reel of thread</source>
        <comment>HARDWARE23</comment>
        <translation>Bobine de fil</translation>
    </message>
    <message>
        <source>Rope</source>
        <comment>HARDWARE24</comment>
        <translation>Corde</translation>
    </message>
    <message>
        <source>Plunger</source>
        <comment>HARDWARE25</comment>
        <translation>Ventouse</translation>
    </message>
    <message>
        <source>Candle</source>
        <comment>HARDWARE26</comment>
        <translation>Bougie</translation>
    </message>
    <message>
        <source>Open padlock</source>
        <comment>HARDWARE27</comment>
        <translation>Cadenas ouvert</translation>
    </message>
    <message>
        <source>Kitchen knife</source>
        <comment>HARDWARE28</comment>
        <translation>Couteau de cuisine</translation>
    </message>
    <message>
        <source>Gear wheel</source>
        <comment>HARDWARE29</comment>
        <translation>Roue dentée</translation>
    </message>
    <message>
        <source>Battery</source>
        <comment>HARDWARE30</comment>
        <translation>Pile</translation>
    </message>
    <message>
        <source>Bed</source>
        <comment>HOUSE1</comment>
        <translation>Lit</translation>
    </message>
    <message>
        <source>Sofa</source>
        <comment>HOUSE2</comment>
        <translation>Canapé</translation>
    </message>
    <message>
        <source>Chair</source>
        <comment>HOUSE3</comment>
        <translation>Chaise</translation>
    </message>
    <message>
        <source>Bathtub</source>
        <comment>HOUSE4</comment>
        <translation>Baignoire</translation>
    </message>
    <message>
        <source>Shower</source>
        <comment>HOUSE5</comment>
        <translation>Douche</translation>
    </message>
    <message>
        <source>Toilet</source>
        <comment>HOUSE6</comment>
        <translation>Toilettes</translation>
    </message>
    <message>
        <source>Door</source>
        <comment>HOUSE7</comment>
        <translation>Porte</translation>
    </message>
    <message>
        <source>Mirror</source>
        <comment>HOUSE8</comment>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Oil lamp</source>
        <comment>HOUSE9</comment>
        <translation>Lampe à huile</translation>
    </message>
    <message>
        <source>Broom</source>
        <comment>HOUSE10</comment>
        <translation>Balai</translation>
    </message>
    <message>
        <source>Laundry basket</source>
        <comment>HOUSE11</comment>
        <translation>Panier à linge</translation>
    </message>
    <message>
        <source>Sponge</source>
        <comment>HOUSE12</comment>
        <translation>Éponge</translation>
    </message>
    <message>
        <source>Soap</source>
        <comment>HOUSE13</comment>
        <translation>Savon</translation>
    </message>
    <message>
        <source>Toothbrush</source>
        <comment>HOUSE14</comment>
        <translation>Brosse à dents</translation>
    </message>
    <message>
        <source>Toilet roll</source>
        <comment>HOUSE15</comment>
        <translation>Papier toilette</translation>
    </message>
    <message>
        <source>Teapot</source>
        <comment>HOUSE16</comment>
        <translation>Théière</translation>
    </message>
    <message>
        <source>Coffee cup</source>
        <comment>HOUSE17</comment>
        <translation>Tasse à café</translation>
    </message>
    <message>
        <source>Spoon</source>
        <comment>HOUSE18</comment>
        <translation>Cuillère</translation>
    </message>
    <message>
        <source>Plate and cutlery</source>
        <comment>HOUSE19</comment>
        <translation>Assiette et couverts</translation>
    </message>
    <message>
        <source>Cooking pot</source>
        <comment>HOUSE20</comment>
        <translation>Marmite</translation>
    </message>
    <message>
        <source>Mantel clock</source>
        <comment>HOUSE21</comment>
        <translation>Pendule</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <comment>HOUSE22</comment>
        <translation>Parapluie</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <comment>HOUSE23</comment>
        <translation>Ours en peluche</translation>
    </message>
    <message>
        <source>Framed picture</source>
        <comment>HOUSE24</comment>
        <translation>Tableau encadré</translation>
    </message>
    <message>
        <source>Razor</source>
        <comment>HOUSE25</comment>
        <translation>Rasoir</translation>
    </message>
    <message>
        <source>Lotion bottle</source>
        <comment>HOUSE26</comment>
        <translation>Flacon de lotion</translation>
    </message>
    <message>
        <source>Jar</source>
        <comment>HOUSE27</comment>
        <translation>Bocal</translation>
    </message>
    <message>
        <source>Sewing needle</source>
        <comment>HOUSE28</comment>
        <translation>Aiguille à coudre</translation>
    </message>
    <message>
        <source>House key</source>
        <comment>HOUSE29</comment>
        <translation>Clé de maison</translation>
    </message>
    <message>
        <source>Window</source>
        <comment>HOUSE30</comment>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Musical note</source>
        <comment>MUSIC1</comment>
        <translation>Note de musique</translation>
    </message>
    <message>
        <source>Guitar</source>
        <comment>MUSIC2</comment>
        <translation>Guitare</translation>
    </message>
    <message>
        <source>Violin</source>
        <comment>MUSIC3</comment>
        <translation>Violon</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <comment>MUSIC4</comment>
        <translation>Trompette</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <comment>MUSIC5</comment>
        <translation>Saxophone</translation>
    </message>
    <message>
        <source>Piano keys</source>
        <comment>MUSIC6</comment>
        <translation>Touches de piano</translation>
    </message>
    <message>
        <source>Drum</source>
        <comment>MUSIC7</comment>
        <translation>Tambour</translation>
    </message>
    <message>
        <source>Long drum</source>
        <comment>MUSIC8</comment>
        <translation>Djembé</translation>
    </message>
    <message>
        <source>Accordion</source>
        <comment>MUSIC9</comment>
        <translation>Accordéon</translation>
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
        <translation>Flûte</translation>
    </message>
    <message>
        <source>Sheet music</source>
        <comment>MUSIC13</comment>
        <translation>Partition</translation>
    </message>
    <message>
        <source>Bell</source>
        <comment>MUSIC14</comment>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Microphone</source>
        <comment>MUSIC15</comment>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Headphones</source>
        <comment>MUSIC16</comment>
        <translation>Casque audio</translation>
    </message>
    <message>
        <source>Radio</source>
        <comment>MUSIC17</comment>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Post horn</source>
        <comment>MUSIC18</comment>
        <translation>Cor de postillon</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <comment>MUSIC19</comment>
        <translation>Haut-parleur</translation>
    </message>
    <message>
        <source>Ballet shoes</source>
        <comment>MUSIC20</comment>
        <translation>Chaussons de danse</translation>
    </message>
    <message>
        <source>Dancer</source>
        <comment>MUSIC21</comment>
        <translation>Danseuse</translation>
    </message>
    <message>
        <source>Theatre masks</source>
        <comment>MUSIC22</comment>
        <translation>Masques de théâtre</translation>
    </message>
    <message>
        <source>Mixing slider</source>
        <comment>MUSIC23</comment>
        <translation>Curseur de mixage</translation>
    </message>
    <message>
        <source>Wind chime</source>
        <comment>MUSIC24</comment>
        <translation>Carillon à vent</translation>
    </message>
    <message>
        <source>Compact disc</source>
        <comment>MUSIC25</comment>
        <translation>CD</translation>
    </message>
    <message>
        <source>Singer</source>
        <comment>MUSIC26</comment>
        <translation>Chanteur</translation>
    </message>
    <message>
        <source>Mirror ball</source>
        <comment>MUSIC27</comment>
        <translation>Boule à facettes</translation>
    </message>
    <message>
        <source>Triangle</source>
        <comment>MUSIC28</comment>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Xylophone</source>
        <comment>MUSIC29</comment>
        <translation>Xylophone</translation>
    </message>
    <message>
        <source>Tuning fork</source>
        <comment>MUSIC30</comment>
        <translation>Diapason</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <comment>PLANT1</comment>
        <translation>Tournesol</translation>
    </message>
    <message>
        <source>Rose</source>
        <comment>PLANT2</comment>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Tulip</source>
        <comment>PLANT3</comment>
        <translation>Tulipe</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <comment>PLANT4</comment>
        <translation>Hibiscus</translation>
    </message>
    <message>
        <source>Cherry blossom</source>
        <comment>PLANT5</comment>
        <translation>Fleur de cerisier</translation>
    </message>
    <message>
        <source>Daisy</source>
        <comment>PLANT6</comment>
        <translation>Marguerite</translation>
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
        <translation>Palmier</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <comment>PLANT10</comment>
        <translation>Sapin</translation>
    </message>
    <message>
        <source>Oak tree</source>
        <comment>PLANT11</comment>
        <translation>Chêne</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <comment>PLANT12</comment>
        <translation>Trèfle à quatre feuilles</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <comment>PLANT13</comment>
        <translation>Feuille d&apos;érable</translation>
    </message>
    <message>
        <source>Herb</source>
        <comment>PLANT14</comment>
        <translation>Herbe aromatique</translation>
    </message>
    <message>
        <source>Seedling</source>
        <comment>PLANT15</comment>
        <translation>Jeune pousse</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <comment>PLANT16</comment>
        <translation>Champignon</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <comment>PLANT17</comment>
        <translation>Bouquet</translation>
    </message>
    <message>
        <source>Potted plant</source>
        <comment>PLANT18</comment>
        <translation>Plante en pot</translation>
    </message>
    <message>
        <source>Ear of rice</source>
        <comment>PLANT19</comment>
        <translation>Épi de riz</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <comment>PLANT20</comment>
        <translation>Châtaigne</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <comment>PLANT21</comment>
        <translation>Jacinthe</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <comment>PLANT22</comment>
        <translation>Bambou</translation>
    </message>
    <message>
        <source>Coral</source>
        <comment>PLANT23</comment>
        <translation>Corail</translation>
    </message>
    <message>
        <source>Olives</source>
        <comment>PLANT24</comment>
        <translation>Olives</translation>
    </message>
    <message>
        <source>Pea pod</source>
        <comment>PLANT25</comment>
        <translation>Cosse de petits pois</translation>
    </message>
    <message>
        <source>Garlic</source>
        <comment>PLANT26</comment>
        <translation>Ail</translation>
    </message>
    <message>
        <source>Coconut</source>
        <comment>PLANT27</comment>
        <translation>Noix de coco</translation>
    </message>
    <message>
        <source>Peanuts</source>
        <comment>PLANT28</comment>
        <translation>Cacahuètes</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <comment>PLANT29</comment>
        <translation>Laitue</translation>
    </message>
    <message>
        <source>Ginger root</source>
        <comment>PLANT30</comment>
        <translation>Racine de gingembre</translation>
    </message>
    <message>
        <source>Microscope</source>
        <comment>SCIENCE1</comment>
        <translation>Microscope</translation>
    </message>
    <message>
        <source>Telescope</source>
        <comment>SCIENCE2</comment>
        <translation>Télescope</translation>
    </message>
    <message>
        <source>Test tube</source>
        <comment>SCIENCE3</comment>
        <translation>Éprouvette</translation>
    </message>
    <message>
        <source>Petri dish</source>
        <comment>SCIENCE4</comment>
        <translation>Boîte de Petri</translation>
    </message>
    <message>
        <source>DNA</source>
        <comment>SCIENCE5</comment>
        <translation>ADN</translation>
    </message>
    <message>
        <source>Atom</source>
        <comment>SCIENCE6</comment>
        <translation>Atome</translation>
    </message>
    <message>
        <source>Still</source>
        <comment>SCIENCE7</comment>
        <translation>Alambic</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <comment>SCIENCE8</comment>
        <translation>Thermomètre</translation>
    </message>
    <message>
        <source>Rocket</source>
        <comment>SCIENCE9</comment>
        <translation>Fusée</translation>
    </message>
    <message>
        <source>Globe</source>
        <comment>SCIENCE10</comment>
        <translation>Globe terrestre</translation>
    </message>
    <message>
        <source>Ringed planet</source>
        <comment>SCIENCE11</comment>
        <translation>Planète à anneaux</translation>
    </message>
    <message>
        <source>Crescent moon</source>
        <comment>SCIENCE12</comment>
        <translation>Croissant de lune</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>SCIENCE13</comment>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Comet</source>
        <comment>SCIENCE14</comment>
        <translation>Comète</translation>
    </message>
    <message>
        <source>Lightning</source>
        <comment>SCIENCE15</comment>
        <translation>Éclair</translation>
    </message>
    <message>
        <source>Microbe</source>
        <comment>SCIENCE16</comment>
        <translation>Microbe</translation>
    </message>
    <message>
        <source>Brain</source>
        <comment>SCIENCE17</comment>
        <translation>Cerveau</translation>
    </message>
    <message>
        <source>Bone</source>
        <comment>SCIENCE18</comment>
        <translation>Os</translation>
    </message>
    <message>
        <source>Pill</source>
        <comment>SCIENCE19</comment>
        <translation>Pilule</translation>
    </message>
    <message>
        <source>Syringe</source>
        <comment>SCIENCE20</comment>
        <translation>Seringue</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <comment>SCIENCE21</comment>
        <translation>Stéthoscope</translation>
    </message>
    <message>
        <source>Dinosaur</source>
        <comment>SCIENCE22</comment>
        <translation>Dinosaure</translation>
    </message>
    <message>
        <source>Fire</source>
        <comment>SCIENCE23</comment>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Water drop</source>
        <comment>SCIENCE24</comment>
        <translation>Goutte d&apos;eau</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <comment>SCIENCE25</comment>
        <translation>Flocon de neige</translation>
    </message>
    <message>
        <source>Volcano</source>
        <comment>SCIENCE26</comment>
        <translation>Volcan</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <comment>SCIENCE27</comment>
        <translation>Arc-en-ciel</translation>
    </message>
    <message>
        <source>Magnet</source>
        <comment>SCIENCE28</comment>
        <translation>Aimant</translation>
    </message>
    <message>
        <source>Safety goggles</source>
        <comment>SCIENCE29</comment>
        <translation>Lunettes de protection</translation>
    </message>
    <message>
        <source>Compass</source>
        <comment>SCIENCE30</comment>
        <translation>Boussole</translation>
    </message>
    <message>
        <source>Circle</source>
        <comment>SHAPE1</comment>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Square</source>
        <comment>SHAPE2</comment>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Triangle</source>
        <comment>SHAPE3</comment>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Five-pointed star</source>
        <comment>SHAPE4</comment>
        <translation>Étoile à cinq branches</translation>
    </message>
    <message>
        <source>Heart</source>
        <comment>SHAPE5</comment>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Diamond</source>
        <comment>SHAPE6</comment>
        <translation>Losange</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <comment>SHAPE7</comment>
        <translation>Hexagone</translation>
    </message>
    <message>
        <source>Pentagon</source>
        <comment>SHAPE8</comment>
        <translation>Pentagone</translation>
    </message>
    <message>
        <source>Octagon</source>
        <comment>SHAPE9</comment>
        <translation>Octogone</translation>
    </message>
    <message>
        <source>Crescent</source>
        <comment>SHAPE10</comment>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Cross</source>
        <comment>SHAPE11</comment>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Arrow</source>
        <comment>SHAPE12</comment>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Ring</source>
        <comment>SHAPE13</comment>
        <translation>Anneau</translation>
    </message>
    <message>
        <source>Oval</source>
        <comment>SHAPE14</comment>
        <translation>Ovale</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <comment>SHAPE15</comment>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Trapezoid</source>
        <comment>SHAPE16</comment>
        <translation>Trapèze</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <comment>SHAPE17</comment>
        <translation>Parallélogramme</translation>
    </message>
    <message>
        <source>Six-pointed star</source>
        <comment>SHAPE18</comment>
        <translation>Étoile à six branches</translation>
    </message>
    <message>
        <source>Spade</source>
        <comment>SHAPE19</comment>
        <translation>Pique</translation>
    </message>
    <message>
        <source>Club</source>
        <comment>SHAPE20</comment>
        <translation>Trèfle</translation>
    </message>
    <message>
        <source>Semicircle</source>
        <comment>SHAPE21</comment>
        <translation>Demi-cercle</translation>
    </message>
    <message>
        <source>Cube</source>
        <comment>SHAPE22</comment>
        <translation>Cube</translation>
    </message>
    <message>
        <source>Saltire</source>
        <comment>SHAPE23</comment>
        <translation>Croix de Saint-André</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <comment>SHAPE24</comment>
        <translation>Cylindre</translation>
    </message>
    <message>
        <source>Teardrop</source>
        <comment>SHAPE25</comment>
        <translation>Goutte</translation>
    </message>
    <message>
        <source>Cone</source>
        <comment>SHAPE26</comment>
        <translation>Cône</translation>
    </message>
    <message>
        <source>Pie slice</source>
        <comment>SHAPE27</comment>
        <translation>Part de tarte</translation>
    </message>
    <message>
        <source>Chevron</source>
        <comment>SHAPE28</comment>
        <translation>Chevron</translation>
    </message>
    <message>
        <source>Cloud</source>
        <comment>SHAPE29</comment>
        <translation>Nuage</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <comment>SHAPE30</comment>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Stop sign</source>
        <comment>SIGN1</comment>
        <translation>Panneau stop</translation>
    </message>
    <message>
        <source>No entry</source>
        <comment>SIGN2</comment>
        <translation>Sens interdit</translation>
    </message>
    <message>
        <source>Prohibited</source>
        <comment>SIGN3</comment>
        <translation>Interdit</translation>
    </message>
    <message>
        <source>Warning</source>
        <comment>SIGN4</comment>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Radioactive</source>
        <comment>SIGN5</comment>
        <translation>Radioactif</translation>
    </message>
    <message>
        <source>Biohazard</source>
        <comment>SIGN6</comment>
        <translation>Risque biologique</translation>
    </message>
    <message>
        <source>Children crossing</source>
        <comment>SIGN7</comment>
        <translation>Passage d&apos;enfants</translation>
    </message>
    <message>
        <source>No smoking</source>
        <comment>SIGN8</comment>
        <translation>Interdit de fumer</translation>
    </message>
    <message>
        <source>No bicycles</source>
        <comment>SIGN9</comment>
        <translation>Interdit aux vélos</translation>
    </message>
    <message>
        <source>No mobile phones</source>
        <comment>SIGN10</comment>
        <translation>Téléphones interdits</translation>
    </message>
    <message>
        <source>Wheelchair access</source>
        <comment>SIGN11</comment>
        <translation>Accès fauteuil roulant</translation>
    </message>
    <message>
        <source>Toilets</source>
        <comment>SIGN12</comment>
        <translation>Toilettes</translation>
    </message>
    <message>
        <source>Parking</source>
        <comment>SIGN13</comment>
        <translation>Parking</translation>
    </message>
    <message>
        <source>Recycling</source>
        <comment>SIGN14</comment>
        <translation>Recyclage</translation>
    </message>
    <message>
        <source>Traffic light</source>
        <comment>SIGN15</comment>
        <translation>Feu tricolore</translation>
    </message>
    <message>
        <source>Road works</source>
        <comment>SIGN16</comment>
        <translation>Travaux</translation>
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
        <translation>Pancarte</translation>
    </message>
    <message>
        <source>Exclamation mark</source>
        <comment>SIGN20</comment>
        <translation>Point d&apos;exclamation</translation>
    </message>
    <message>
        <source>Question mark</source>
        <comment>SIGN21</comment>
        <translation>Point d&apos;interrogation</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <comment>SIGN22</comment>
        <translation>Pompe à essence</translation>
    </message>
    <message>
        <source>Barber&apos;s pole</source>
        <comment>SIGN23</comment>
        <translation>Enseigne de barbier</translation>
    </message>
    <message>
        <source>Beginner badge</source>
        <comment>SIGN24</comment>
        <translation>Badge de débutant</translation>
    </message>
    <message>
        <source>Metro sign</source>
        <comment>SIGN25</comment>
        <translation>Panneau de métro</translation>
    </message>
    <message>
        <source>High voltage</source>
        <comment>SIGN26</comment>
        <translation>Haute tension</translation>
    </message>
    <message>
        <source>Peace sign</source>
        <comment>SIGN27</comment>
        <translation>Symbole de la paix</translation>
    </message>
    <message>
        <source>Adults only</source>
        <comment>SIGN28</comment>
        <translation>Réservé aux adultes</translation>
    </message>
    <message>
        <source>Check mark</source>
        <comment>SIGN29</comment>
        <translation>Coche</translation>
    </message>
    <message>
        <source>Anchor</source>
        <comment>SIGN30</comment>
        <translation>Ancre</translation>
    </message>
    <message>
        <source>Football</source>
        <comment>SPORT1</comment>
        <translation>Ballon de football</translation>
    </message>
    <message>
        <source>Basketball</source>
        <comment>SPORT2</comment>
        <translation>Ballon de basket</translation>
    </message>
    <message>
        <source>American football</source>
        <comment>SPORT3</comment>
        <translation>Ballon de football américain</translation>
    </message>
    <message>
        <source>Baseball</source>
        <comment>SPORT4</comment>
        <translation>Balle de baseball</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <comment>SPORT5</comment>
        <translation>Balle de tennis</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <comment>SPORT6</comment>
        <translation>Ballon de volley</translation>
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
        <translation>Hockey sur glace</translation>
    </message>
    <message>
        <source>Table tennis</source>
        <comment>SPORT10</comment>
        <translation>Tennis de table</translation>
    </message>
    <message>
        <source>Badminton</source>
        <comment>SPORT11</comment>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Boxing glove</source>
        <comment>SPORT12</comment>
        <translation>Gant de boxe</translation>
    </message>
    <message>
        <source>Skis</source>
        <comment>SPORT13</comment>
        <translation>Skis</translation>
    </message>
    <message>
        <source>Ice skate</source>
        <comment>SPORT14</comment>
        <translation>Patin à glace</translation>
    </message>
    <message>
        <source>Fishing rod</source>
        <comment>SPORT15</comment>
        <translation>Canne à pêche</translation>
    </message>
    <message>
        <source>Darts</source>
        <comment>SPORT16</comment>
        <translation>Fléchettes</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <comment>SPORT17</comment>
        <translation>Boule de billard</translation>
    </message>
    <message>
        <source>Cricket</source>
        <comment>SPORT18</comment>
        <translation>Cricket</translation>
    </message>
    <message>
        <source>Trophy</source>
        <comment>SPORT19</comment>
        <translation>Trophée</translation>
    </message>
    <message>
        <source>Gold medal</source>
        <comment>SPORT20</comment>
        <translation>Médaille d&apos;or</translation>
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
        <translation>Pierre de curling</translation>
    </message>
    <message>
        <source>Sledge</source>
        <comment>SPORT24</comment>
        <translation>Luge</translation>
    </message>
    <message>
        <source>Goal net</source>
        <comment>SPORT25</comment>
        <translation>Filet de but</translation>
    </message>
    <message>
        <source>Martial arts suit</source>
        <comment>SPORT26</comment>
        <translation>Kimono d&apos;arts martiaux</translation>
    </message>
    <message>
        <source>Diving mask</source>
        <comment>SPORT27</comment>
        <translation>Masque de plongée</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <comment>SPORT28</comment>
        <translation>Planche à roulettes</translation>
    </message>
    <message>
        <source>Roller skate</source>
        <comment>SPORT29</comment>
        <translation>Patin à roulettes</translation>
    </message>
    <message>
        <source>Bow and arrow</source>
        <comment>SPORT30</comment>
        <translation>Arc et flèche</translation>
    </message>
    <message>
        <source>Car</source>
        <comment>TRANSPORT1</comment>
        <translation>Voiture</translation>
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
        <translation>Voiture de police</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <comment>TRANSPORT5</comment>
        <translation>Ambulance</translation>
    </message>
    <message>
        <source>Fire engine</source>
        <comment>TRANSPORT6</comment>
        <translation>Camion de pompiers</translation>
    </message>
    <message>
        <source>Lorry</source>
        <comment>TRANSPORT7</comment>
        <translation>Camion</translation>
    </message>
    <message>
        <source>Tractor</source>
        <comment>TRANSPORT8</comment>
        <translation>Tracteur</translation>
    </message>
    <message>
        <source>Racing car</source>
        <comment>TRANSPORT9</comment>
        <translation>Voiture de course</translation>
    </message>
    <message>
        <source>Motorcycle</source>
        <comment>TRANSPORT10</comment>
        <translation>Moto</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <comment>TRANSPORT11</comment>
        <translation>Vélo</translation>
    </message>
    <message>
        <source>Moped</source>
        <comment>TRANSPORT12</comment>
        <translation>Scooter</translation>
    </message>
    <message>
        <source>Kick scooter</source>
        <comment>TRANSPORT13</comment>
        <translation>Trottinette</translation>
    </message>
    <message>
        <source>Steam locomotive</source>
        <comment>TRANSPORT14</comment>
        <translation>Locomotive à vapeur</translation>
    </message>
    <message>
        <source>High-speed train</source>
        <comment>TRANSPORT15</comment>
        <translation>Train à grande vitesse</translation>
    </message>
    <message>
        <source>Tram</source>
        <comment>TRANSPORT16</comment>
        <translation>Tramway</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <comment>TRANSPORT17</comment>
        <translation>Hélicoptère</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <comment>TRANSPORT18</comment>
        <translation>Avion</translation>
    </message>
    <message>
        <source>Rocket</source>
        <comment>TRANSPORT19</comment>
        <translation>Fusée</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <comment>TRANSPORT20</comment>
        <translation>Voilier</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <comment>TRANSPORT21</comment>
        <translation>Hors-bord</translation>
    </message>
    <message>
        <source>Ship</source>
        <comment>TRANSPORT22</comment>
        <translation>Navire</translation>
    </message>
    <message>
        <source>Canoe</source>
        <comment>TRANSPORT23</comment>
        <translation>Canoë</translation>
    </message>
    <message>
        <source>Hot-air balloon</source>
        <comment>TRANSPORT24</comment>
        <translation>Montgolfière</translation>
    </message>
    <message>
        <source>Cable car</source>
        <comment>TRANSPORT25</comment>
        <translation>Téléphérique</translation>
    </message>
    <message>
        <source>Flying saucer</source>
        <comment>TRANSPORT26</comment>
        <translation>Soucoupe volante</translation>
    </message>
    <message>
        <source>Four-by-four</source>
        <comment>TRANSPORT27</comment>
        <translation>Quatre-quatre</translation>
    </message>
    <message>
        <source>Auto rickshaw</source>
        <comment>TRANSPORT28</comment>
        <translation>Rickshaw motorisé</translation>
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
        <translation>Ressource d&apos;identifiant «&#xa0;%1&#xa0;» introuvable</translation>
    </message>
    <message>
        <source>Invalid resource format: &apos;%1&apos;</source>
        <translation>Format de ressource non valide&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>ScoreTables</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Types incompatibles</translation>
    </message>
    <message>
        <source>Are you sure you want to reset all Small Board scores?</source>
        <translation>Voulez-vous vraiment réinitialiser les meilleurs scores du petit plateau&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset all Large Board scores?</source>
        <translation>Voulez-vous vraiment réinitialiser les meilleurs scores du grand plateau&#xa0;?</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Réinitialiser les scores</translation>
    </message>
</context>
<context>
    <name>ScoresWindow</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>&amp;Small Board</source>
        <translation>&amp;Petit plateau</translation>
    </message>
    <message>
        <source>&amp;Large Board</source>
        <translation>&amp;Grand plateau</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Plus rapides</translation>
    </message>
    <message>
        <source>Fewest Sets Flipped</source>
        <translation>Moins de coups</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Coups</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier&#xa0;: %1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Path/File access error: %1 cannot be locked</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier&#xa0;: %1 ne peut pas être verrouillé</translation>
    </message>
    <message>
        <source>Out of string space: %1 would be larger than 16 MiB and is left as it is</source>
        <translation>Plus d&apos;espace pour les chaînes&#xa0;: %1 dépasserait 16&#xa0;Mio et reste tel quel</translation>
    </message>
    <message>
        <source>Path/File access error: %1 changed while it was saved</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier&#xa0;: %1 a changé pendant l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is locked by another game</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier&#xa0;: %1 est verrouillé par une autre instance du jeu</translation>
    </message>
    <message>
        <source>Path/File access error: %1 cannot be locked: %2</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier&#xa0;: %1 ne peut pas être verrouillé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Path/File access error: %1 changed while it was saved and could not be put back; the file found there is kept as %2</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier : %1 a changé pendant l&apos;enregistrement et n&apos;a pas pu être remis en place ; le fichier trouvé à sa place est conservé sous %2</translation>
    </message>
</context>
</TS>
