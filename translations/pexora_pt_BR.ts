<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Copyright (C) 2026</source>
        <translation>Copyright (C) 2026</translation>
    </message>
    <message>
        <source>the Pexora developers</source>
        <translation>os desenvolvedores do Pexora</translation>
    </message>
    <message>
        <source>A picture-matching memory game</source>
        <translation>Um jogo da memória com imagens</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL,</source>
        <translation>Software livre, GNU GPL versão 3</translation>
    </message>
    <message>
        <source>version 3 or later; NO WARRANTY.</source>
        <translation>ou posterior; SEM GARANTIA.</translation>
    </message>
    <message>
        <source>More in Help &gt; Contents (F1)</source>
        <translation>Consulte Ajuda &gt; Conteúdo (F1)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licença</translation>
    </message>
    <message>
        <source>%1, version %2</source>
        <translation>%1, versão %2</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Error #: %1</source>
        <translation>Erro nº: %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erro inesperado</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chamada de procedimento inválida ou argumento inválido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Índice fora do intervalo</translation>
    </message>
</context>
<context>
    <name>GameBoard</name>
    <message>
        <source>Out of play</source>
        <translation>Fora do tabuleiro</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Imagem %1</translation>
    </message>
    <message>
        <source>Row %1, column %2, removed</source>
        <translation>Linha %1, coluna %2, removida</translation>
    </message>
    <message>
        <source>Row %1, column %2, face up, %3</source>
        <translation>Linha %1, coluna %2, virada para cima, %3</translation>
    </message>
    <message>
        <source>Row %1, column %2, face down</source>
        <translation>Linha %1, coluna %2, virada para baixo</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Pexora Help</source>
        <translation>Ajuda do Pexora</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Início</translation>
    </message>
    <message>
        <source>Type a word to find</source>
        <translation>Digite uma palavra para buscar</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>(no file name)</source>
        <translation>(sem nome de arquivo)</translation>
    </message>
    <message>
        <source>The help file was not found:
%1

Pexora goes on without help; installing the game again restores the file.</source>
        <translation>O arquivo de ajuda não foi encontrado:
%1

O Pexora continua sem ajuda; reinstalar o jogo restaura o arquivo.</translation>
    </message>
    <message>
        <source>The help file cannot be read: the program that checks it first is missing:
%1

Pexora goes on without help; installing the game again restores it.</source>
        <translation>Não é possível ler o arquivo de ajuda: falta o programa que o verifica antes:
%1

O Pexora continua sem ajuda; reinstalar o jogo restaura esse programa.</translation>
    </message>
    <message>
        <source>The help file cannot be read:
%1

It may be damaged. Pexora goes on without help; installing the game again restores the file.</source>
        <translation>Não é possível ler o arquivo de ajuda:
%1

Ele pode estar danificado. O Pexora continua sem ajuda; reinstalar o jogo restaura o arquivo.</translation>
    </message>
    <message>
        <source>The help file may be damaged.</source>
        <translation>O arquivo de ajuda pode estar danificado.</translation>
    </message>
    <message>
        <source>The contents cannot be read.</source>
        <translation>Não é possível ler o conteúdo.</translation>
    </message>
    <message>
        <source>The index cannot be read.</source>
        <translation>Não é possível ler o índice.</translation>
    </message>
    <message>
        <source>This help file has no topic &quot;%1&quot;.</source>
        <translation>Este arquivo de ajuda não tem o tópico “%1”.</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; cannot be read; the help file may be damaged.</source>
        <translation>Não é possível ler o tópico “%1”; o arquivo de ajuda pode estar danificado.</translation>
    </message>
    <message>
        <source>The first topic of this help file cannot be read; the help file may be damaged.</source>
        <translation>Não é possível ler o primeiro tópico deste arquivo de ajuda; o arquivo pode estar danificado.</translation>
    </message>
    <message>
        <source>Checking the help file...</source>
        <translation>Verificando o arquivo de ajuda...</translation>
    </message>
    <message>
        <source>The help file in your language cannot be read; the help is shown in English.</source>
        <translation>Não é possível ler o arquivo de ajuda no seu idioma; a ajuda é exibida em inglês.</translation>
    </message>
    <message>
        <source>The help is not available in your language; it is shown in English.</source>
        <translation>A ajuda não está disponível no seu idioma; ela é exibida em inglês.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Player %1</source>
        <translation>Jogador %1</translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Jogador: %1</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>%1, é a sua vez</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Fim de jogo.</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Iniciar uma nova partida</translation>
    </message>
    <message>
        <source>Display High Scores</source>
        <translation>Exibir os recordes</translation>
    </message>
    <message>
        <source>Change Board Size</source>
        <translation>Alterar o tamanho do tabuleiro</translation>
    </message>
    <message>
        <source>Change Tile Color</source>
        <translation>Alterar a cor das peças</translation>
    </message>
    <message>
        <source>Change Image Category</source>
        <translation>Alterar a categoria de imagens</translation>
    </message>
    <message>
        <source>Change Level of Difficulty</source>
        <translation>Alterar o nível de dificuldade</translation>
    </message>
    <message>
        <source>Change Players</source>
        <translation>Alterar os jogadores</translation>
    </message>
    <message>
        <source>Toggle Sounds</source>
        <translation>Ativar/desativar sons</translation>
    </message>
    <message>
        <source>Display Program Information</source>
        <translation>Exibir informações sobre o programa</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Sair do jogo</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Recordes...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Boards</source>
        <translation>&amp;Tabuleiro</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Cores</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Imagens</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>&amp;Nível</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jogadores</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;ferramentas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;License Agreement</source>
        <translation>Contrato de &amp;licença</translation>
    </message>
    <message>
        <source>&amp;About Pexora...</source>
        <translation>&amp;Sobre o Pexora...</translation>
    </message>
    <message>
        <source>The player whose turn it is</source>
        <translation>O jogador da vez</translation>
    </message>
    <message>
        <source>Sets flipped by the player, or the player&apos;s matches in a two-player game</source>
        <translation>Jogadas do jogador ou, em uma partida de dois jogadores, seus acertos</translation>
    </message>
    <message>
        <source>Seconds since the first tile of a one-player game was turned</source>
        <translation>Segundos desde que a primeira peça de uma partida individual foi virada</translation>
    </message>
    <message numerus="yes">
        <source>Sets Flipped: %n</source>
        <translation>
            <numerusform>Jogadas: %n</numerusform>
            <numerusform>Jogadas: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Time: %n</source>
        <translation>
            <numerusform>Tempo: %n</numerusform>
            <numerusform>Tempo: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Matches: %n</source>
        <translation>
            <numerusform>Acertos: %n</numerusform>
            <numerusform>Acertos: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches for %1</source>
        <translation>
            <numerusform>Acertos de %1: %n</numerusform>
            <numerusform>Acertos de %1: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Matches for %1: %n.</source>
        <translation>
            <numerusform>Acertos de %1: %n.</numerusform>
            <numerusform>Acertos de %1: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Face up, %1.</source>
        <translation>Virada para cima: %1.</translation>
    </message>
    <message>
        <source>No match.</source>
        <translation>Nenhum acerto.</translation>
    </message>
    <message>
        <source>A match: %1.</source>
        <translation>Acerto: %1.</translation>
    </message>
    <message>
        <source>The set is turned face down.</source>
        <translation>As peças são viradas para baixo.</translation>
    </message>
    <message>
        <source>The rest of the set is turned face down.</source>
        <translation>As demais peças são viradas para baixo.</translation>
    </message>
    <message>
        <source>The board is clear. %1, %2.</source>
        <translation>O tabuleiro está vazio: %1 em %2.</translation>
    </message>
    <message numerus="yes">
        <source>Sets turned: %n</source>
        <translation>
            <numerusform>%n jogada</numerusform>
            <numerusform>%n jogadas</numerusform>
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
        <translation>Animais</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Construções</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Escritório</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Comunicação</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Informática</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Dinheiro</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Bandeiras</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Casa</translation>
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
        <translation>Ciência</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formas</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Placas</translation>
    </message>
    <message>
        <source>Sports</source>
        <translation>Esportes</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transportes</translation>
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
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeno</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Match 2 Tiles</source>
        <translation>De 2 em 2</translation>
    </message>
    <message>
        <source>Match 3 Tiles</source>
        <translation>De 3 em 3</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Um</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dois</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
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
        <translation>&amp;Tabuleiro</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Cores</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Imagens</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>&amp;Nível</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jogadores</translation>
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
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Lion</source>
        <comment>ANIMAL2</comment>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <comment>ANIMAL3</comment>
        <translation>Girafa</translation>
    </message>
    <message>
        <source>Zebra</source>
        <comment>ANIMAL4</comment>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Penguin</source>
        <comment>ANIMAL5</comment>
        <translation>Pinguim</translation>
    </message>
    <message>
        <source>Frog</source>
        <comment>ANIMAL6</comment>
        <translation>Sapo</translation>
    </message>
    <message>
        <source>Pig</source>
        <comment>ANIMAL7</comment>
        <translation>Porco</translation>
    </message>
    <message>
        <source>Cow</source>
        <comment>ANIMAL8</comment>
        <translation>Vaca</translation>
    </message>
    <message>
        <source>Monkey</source>
        <comment>ANIMAL9</comment>
        <translation>Macaco</translation>
    </message>
    <message>
        <source>Panda</source>
        <comment>ANIMAL10</comment>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Koala</source>
        <comment>ANIMAL11</comment>
        <translation>Coala</translation>
    </message>
    <message>
        <source>Tiger</source>
        <comment>ANIMAL12</comment>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>Fox</source>
        <comment>ANIMAL13</comment>
        <translation>Raposa</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <comment>ANIMAL14</comment>
        <translation>Coelho</translation>
    </message>
    <message>
        <source>Owl</source>
        <comment>ANIMAL15</comment>
        <translation>Coruja</translation>
    </message>
    <message>
        <source>Turtle</source>
        <comment>ANIMAL16</comment>
        <translation>Tartaruga</translation>
    </message>
    <message>
        <source>Snail</source>
        <comment>ANIMAL17</comment>
        <translation>Caracol</translation>
    </message>
    <message>
        <source>Octopus</source>
        <comment>ANIMAL18</comment>
        <translation>Polvo</translation>
    </message>
    <message>
        <source>Crab</source>
        <comment>ANIMAL19</comment>
        <translation>Caranguejo</translation>
    </message>
    <message>
        <source>Whale</source>
        <comment>ANIMAL20</comment>
        <translation>Baleia</translation>
    </message>
    <message>
        <source>Tropical fish</source>
        <comment>ANIMAL21</comment>
        <translation>Peixe tropical</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <comment>ANIMAL22</comment>
        <translation>Borboleta</translation>
    </message>
    <message>
        <source>Ladybird</source>
        <comment>ANIMAL23</comment>
        <translation>Joaninha</translation>
    </message>
    <message>
        <source>Bee</source>
        <comment>ANIMAL24</comment>
        <translation>Abelha</translation>
    </message>
    <message>
        <source>Snake</source>
        <comment>ANIMAL25</comment>
        <translation>Cobra</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <comment>ANIMAL26</comment>
        <translation>Crocodilo</translation>
    </message>
    <message>
        <source>Camel</source>
        <comment>ANIMAL27</comment>
        <translation>Camelo</translation>
    </message>
    <message>
        <source>Parrot</source>
        <comment>ANIMAL28</comment>
        <translation>Papagaio</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <comment>ANIMAL29</comment>
        <translation>Ouriço</translation>
    </message>
    <message>
        <source>Flamingo</source>
        <comment>ANIMAL30</comment>
        <translation>Flamingo</translation>
    </message>
    <message>
        <source>House</source>
        <comment>BUILDING1</comment>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Office tower</source>
        <comment>BUILDING2</comment>
        <translation>Prédio comercial</translation>
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
        <translation>Castelo</translation>
    </message>
    <message>
        <source>Pagoda castle</source>
        <comment>BUILDING7</comment>
        <translation>Castelo japonês</translation>
    </message>
    <message>
        <source>Church</source>
        <comment>BUILDING8</comment>
        <translation>Igreja</translation>
    </message>
    <message>
        <source>Mosque</source>
        <comment>BUILDING9</comment>
        <translation>Mesquita</translation>
    </message>
    <message>
        <source>Synagogue</source>
        <comment>BUILDING10</comment>
        <translation>Sinagoga</translation>
    </message>
    <message>
        <source>Hindu temple</source>
        <comment>BUILDING11</comment>
        <translation>Templo hindu</translation>
    </message>
    <message>
        <source>Classical temple</source>
        <comment>BUILDING12</comment>
        <translation>Templo clássico</translation>
    </message>
    <message>
        <source>Stadium</source>
        <comment>BUILDING13</comment>
        <translation>Estádio</translation>
    </message>
    <message>
        <source>Tent</source>
        <comment>BUILDING14</comment>
        <translation>Barraca</translation>
    </message>
    <message>
        <source>Hut</source>
        <comment>BUILDING15</comment>
        <translation>Cabana</translation>
    </message>
    <message>
        <source>Statue of Liberty</source>
        <comment>BUILDING16</comment>
        <translation>Estátua da Liberdade</translation>
    </message>
    <message>
        <source>Radio tower</source>
        <comment>BUILDING17</comment>
        <translation>Torre de rádio</translation>
    </message>
    <message>
        <source>Ferris wheel</source>
        <comment>BUILDING18</comment>
        <translation>Roda-gigante</translation>
    </message>
    <message>
        <source>Circus tent</source>
        <comment>BUILDING19</comment>
        <translation>Tenda de circo</translation>
    </message>
    <message>
        <source>Wedding chapel</source>
        <comment>BUILDING20</comment>
        <translation>Capela de casamento</translation>
    </message>
    <message>
        <source>Fountain</source>
        <comment>BUILDING21</comment>
        <translation>Chafariz</translation>
    </message>
    <message>
        <source>Old barn</source>
        <comment>BUILDING22</comment>
        <translation>Celeiro antigo</translation>
    </message>
    <message>
        <source>Shrine gate</source>
        <comment>BUILDING23</comment>
        <translation>Portal xintoísta</translation>
    </message>
    <message>
        <source>Suspension bridge</source>
        <comment>BUILDING24</comment>
        <translation>Ponte pênsil</translation>
    </message>
    <message>
        <source>Kaaba</source>
        <comment>BUILDING25</comment>
        <translation>Caaba</translation>
    </message>
    <message>
        <source>School</source>
        <comment>BUILDING26</comment>
        <translation>Escola</translation>
    </message>
    <message>
        <source>Row of houses</source>
        <comment>BUILDING27</comment>
        <translation>Casas geminadas</translation>
    </message>
    <message>
        <source>Hotel</source>
        <comment>BUILDING28</comment>
        <translation>Hotel</translation>
    </message>
    <message>
        <source>Building site</source>
        <comment>BUILDING29</comment>
        <translation>Canteiro de obras</translation>
    </message>
    <message>
        <source>Skyline</source>
        <comment>BUILDING30</comment>
        <translation>Silhueta da cidade</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <comment>BUSINESS1</comment>
        <translation>Maleta</translation>
    </message>
    <message>
        <source>Rising chart</source>
        <comment>BUSINESS2</comment>
        <translation>Gráfico em alta</translation>
    </message>
    <message>
        <source>Falling chart</source>
        <comment>BUSINESS3</comment>
        <translation>Gráfico em baixa</translation>
    </message>
    <message>
        <source>Bar chart</source>
        <comment>BUSINESS4</comment>
        <translation>Gráfico de barras</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <comment>BUSINESS5</comment>
        <translation>Prancheta</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment>BUSINESS6</comment>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Pushpin</source>
        <comment>BUSINESS7</comment>
        <translation>Tachinha</translation>
    </message>
    <message>
        <source>Paperclip</source>
        <comment>BUSINESS8</comment>
        <translation>Clipe de papel</translation>
    </message>
    <message>
        <source>Scissors</source>
        <comment>BUSINESS9</comment>
        <translation>Tesoura</translation>
    </message>
    <message>
        <source>File folder</source>
        <comment>BUSINESS10</comment>
        <translation>Pasta de arquivo</translation>
    </message>
    <message>
        <source>Memo</source>
        <comment>BUSINESS11</comment>
        <translation>Lembrete</translation>
    </message>
    <message>
        <source>Fountain pen</source>
        <comment>BUSINESS12</comment>
        <translation>Caneta-tinteiro</translation>
    </message>
    <message>
        <source>Pencil</source>
        <comment>BUSINESS13</comment>
        <translation>Lápis</translation>
    </message>
    <message>
        <source>Ruler</source>
        <comment>BUSINESS14</comment>
        <translation>Régua</translation>
    </message>
    <message>
        <source>Set square</source>
        <comment>BUSINESS15</comment>
        <translation>Esquadro</translation>
    </message>
    <message>
        <source>Abacus</source>
        <comment>BUSINESS16</comment>
        <translation>Ábaco</translation>
    </message>
    <message>
        <source>Handshake</source>
        <comment>BUSINESS17</comment>
        <translation>Aperto de mão</translation>
    </message>
    <message>
        <source>Necktie</source>
        <comment>BUSINESS18</comment>
        <translation>Gravata</translation>
    </message>
    <message>
        <source>Card file box</source>
        <comment>BUSINESS19</comment>
        <translation>Fichário</translation>
    </message>
    <message>
        <source>Wastebasket</source>
        <comment>BUSINESS20</comment>
        <translation>Cesto de lixo</translation>
    </message>
    <message>
        <source>Receipt</source>
        <comment>BUSINESS21</comment>
        <translation>Recibo</translation>
    </message>
    <message>
        <source>Ledger</source>
        <comment>BUSINESS22</comment>
        <translation>Livro-caixa</translation>
    </message>
    <message>
        <source>Padlock</source>
        <comment>BUSINESS23</comment>
        <translation>Cadeado</translation>
    </message>
    <message>
        <source>Key</source>
        <comment>BUSINESS24</comment>
        <translation>Chave</translation>
    </message>
    <message>
        <source>Hourglass</source>
        <comment>BUSINESS25</comment>
        <translation>Ampulheta</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <comment>BUSINESS26</comment>
        <translation>Despertador</translation>
    </message>
    <message>
        <source>Price tag</source>
        <comment>BUSINESS27</comment>
        <translation>Etiqueta de preço</translation>
    </message>
    <message>
        <source>Parcel</source>
        <comment>BUSINESS28</comment>
        <translation>Pacote</translation>
    </message>
    <message>
        <source>Light bulb</source>
        <comment>BUSINESS29</comment>
        <translation>Lâmpada</translation>
    </message>
    <message>
        <source>Balance scale</source>
        <comment>BUSINESS30</comment>
        <translation>Balança de pratos</translation>
    </message>
    <message>
        <source>Telephone</source>
        <comment>COMMUN1</comment>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Mobile phone</source>
        <comment>COMMUN2</comment>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Envelope</source>
        <comment>COMMUN3</comment>
        <translation>Envelope</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <comment>COMMUN4</comment>
        <translation>Caixa de correio</translation>
    </message>
    <message>
        <source>Postbox</source>
        <comment>COMMUN5</comment>
        <translation>Caixa de coleta</translation>
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
        <translation>Rádio</translation>
    </message>
    <message>
        <source>Television</source>
        <comment>COMMUN9</comment>
        <translation>Televisão</translation>
    </message>
    <message>
        <source>Fax machine</source>
        <comment>COMMUN10</comment>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Pager</source>
        <comment>COMMUN11</comment>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Megaphone</source>
        <comment>COMMUN12</comment>
        <translation>Megafone</translation>
    </message>
    <message>
        <source>Microphone</source>
        <comment>COMMUN13</comment>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Headphones</source>
        <comment>COMMUN14</comment>
        <translation>Fones de ouvido</translation>
    </message>
    <message>
        <source>Newspaper</source>
        <comment>COMMUN15</comment>
        <translation>Jornal</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <comment>COMMUN16</comment>
        <translation>Balão de fala</translation>
    </message>
    <message>
        <source>Love letter</source>
        <comment>COMMUN17</comment>
        <translation>Carta de amor</translation>
    </message>
    <message>
        <source>Post horn</source>
        <comment>COMMUN18</comment>
        <translation>Corneta postal</translation>
    </message>
    <message>
        <source>Bell</source>
        <comment>COMMUN19</comment>
        <translation>Sino</translation>
    </message>
    <message>
        <source>Telephone receiver</source>
        <comment>COMMUN20</comment>
        <translation>Fone do telefone</translation>
    </message>
    <message>
        <source>Globe with meridians</source>
        <comment>COMMUN21</comment>
        <translation>Globo com meridianos</translation>
    </message>
    <message>
        <source>Video camera</source>
        <comment>COMMUN22</comment>
        <translation>Filmadora</translation>
    </message>
    <message>
        <source>Camera</source>
        <comment>COMMUN23</comment>
        <translation>Câmera fotográfica</translation>
    </message>
    <message>
        <source>Signal bars</source>
        <comment>COMMUN24</comment>
        <translation>Barras de sinal</translation>
    </message>
    <message>
        <source>Dove</source>
        <comment>COMMUN25</comment>
        <translation>Pomba</translation>
    </message>
    <message>
        <source>Scroll</source>
        <comment>COMMUN26</comment>
        <translation>Pergaminho</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <comment>COMMUN27</comment>
        <translation>Alto-falante</translation>
    </message>
    <message>
        <source>Speaking head</source>
        <comment>COMMUN28</comment>
        <translation>Cabeça falante</translation>
    </message>
    <message>
        <source>Videocassette</source>
        <comment>COMMUN29</comment>
        <translation>Fita de vídeo</translation>
    </message>
    <message>
        <source>Outbox tray</source>
        <comment>COMMUN30</comment>
        <translation>Bandeja de saída</translation>
    </message>
    <message>
        <source>Laptop</source>
        <comment>COMPUTER1</comment>
        <translation>Notebook</translation>
    </message>
    <message>
        <source>Desktop computer</source>
        <comment>COMPUTER2</comment>
        <translation>Computador de mesa</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <comment>COMPUTER3</comment>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Mouse</source>
        <comment>COMPUTER4</comment>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Trackball</source>
        <comment>COMPUTER5</comment>
        <translation>Trackball</translation>
    </message>
    <message>
        <source>Printer</source>
        <comment>COMPUTER6</comment>
        <translation>Impressora</translation>
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
        <translation>Pilha</translation>
    </message>
    <message>
        <source>Power plug</source>
        <comment>COMPUTER13</comment>
        <translation>Plugue</translation>
    </message>
    <message>
        <source>Magnifying glass</source>
        <comment>COMPUTER14</comment>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>Robot</source>
        <comment>COMPUTER15</comment>
        <translation>Robô</translation>
    </message>
    <message>
        <source>Game controller</source>
        <comment>COMPUTER16</comment>
        <translation>Controle de videogame</translation>
    </message>
    <message>
        <source>Gear</source>
        <comment>COMPUTER17</comment>
        <translation>Engrenagem</translation>
    </message>
    <message>
        <source>Link</source>
        <comment>COMPUTER18</comment>
        <translation>Link</translation>
    </message>
    <message>
        <source>Bug</source>
        <comment>COMPUTER19</comment>
        <translation>Lagarta</translation>
    </message>
    <message>
        <source>E-mail</source>
        <comment>COMPUTER20</comment>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment>COMPUTER21</comment>
        <translation>Pasta aberta</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <comment>COMPUTER22</comment>
        <translation>Caixa de ferramentas</translation>
    </message>
    <message>
        <source>Smartphone</source>
        <comment>COMPUTER23</comment>
        <translation>Smartphone</translation>
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
        <translation>Janela</translation>
    </message>
    <message>
        <source>Control knobs</source>
        <comment>COMPUTER28</comment>
        <translation>Botões giratórios</translation>
    </message>
    <message>
        <source>Lock and key</source>
        <comment>COMPUTER29</comment>
        <translation>Cadeado e chave</translation>
    </message>
    <message>
        <source>Web</source>
        <comment>COMPUTER30</comment>
        <translation>Teia de aranha</translation>
    </message>
    <message>
        <source>Dollar banknote</source>
        <comment>CURRENCY1</comment>
        <translation>Nota de dólar</translation>
    </message>
    <message>
        <source>Yen banknote</source>
        <comment>CURRENCY2</comment>
        <translation>Nota de iene</translation>
    </message>
    <message>
        <source>Euro banknote</source>
        <comment>CURRENCY3</comment>
        <translation>Nota de euro</translation>
    </message>
    <message>
        <source>Pound banknote</source>
        <comment>CURRENCY4</comment>
        <translation>Nota de libra</translation>
    </message>
    <message>
        <source>Money bag</source>
        <comment>CURRENCY5</comment>
        <translation>Saco de dinheiro</translation>
    </message>
    <message>
        <source>Credit card</source>
        <comment>CURRENCY6</comment>
        <translation>Cartão de crédito</translation>
    </message>
    <message>
        <source>Money with wings</source>
        <comment>CURRENCY7</comment>
        <translation>Dinheiro voando</translation>
    </message>
    <message>
        <source>Dollar sign</source>
        <comment>CURRENCY8</comment>
        <translation>Cifrão</translation>
    </message>
    <message>
        <source>Currency exchange</source>
        <comment>CURRENCY9</comment>
        <translation>Casa de câmbio</translation>
    </message>
    <message>
        <source>Cash machine</source>
        <comment>CURRENCY10</comment>
        <translation>Caixa eletrônico</translation>
    </message>
    <message>
        <source>Dollar coin</source>
        <comment>CURRENCY11</comment>
        <translation>Moeda de dólar</translation>
    </message>
    <message>
        <source>Euro coin</source>
        <comment>CURRENCY12</comment>
        <translation>Moeda de euro</translation>
    </message>
    <message>
        <source>Pound coin</source>
        <comment>CURRENCY13</comment>
        <translation>Moeda de libra</translation>
    </message>
    <message>
        <source>Yen coin</source>
        <comment>CURRENCY14</comment>
        <translation>Moeda de iene</translation>
    </message>
    <message>
        <source>Rupee coin</source>
        <comment>CURRENCY15</comment>
        <translation>Moeda de rupia</translation>
    </message>
    <message>
        <source>Rouble coin</source>
        <comment>CURRENCY16</comment>
        <translation>Moeda de rublo</translation>
    </message>
    <message>
        <source>Won coin</source>
        <comment>CURRENCY17</comment>
        <translation>Moeda de won</translation>
    </message>
    <message>
        <source>Lira coin</source>
        <comment>CURRENCY18</comment>
        <translation>Moeda de lira turca</translation>
    </message>
    <message>
        <source>Shekel coin</source>
        <comment>CURRENCY19</comment>
        <translation>Moeda de shekel</translation>
    </message>
    <message>
        <source>Baht coin</source>
        <comment>CURRENCY20</comment>
        <translation>Moeda de baht</translation>
    </message>
    <message>
        <source>Bitcoin</source>
        <comment>CURRENCY21</comment>
        <translation>Bitcoin</translation>
    </message>
    <message>
        <source>Cent coin</source>
        <comment>CURRENCY22</comment>
        <translation>Moeda de centavo</translation>
    </message>
    <message>
        <source>Franc coin</source>
        <comment>CURRENCY23</comment>
        <translation>Moeda de franco</translation>
    </message>
    <message>
        <source>Dong coin</source>
        <comment>CURRENCY24</comment>
        <translation>Moeda de dong</translation>
    </message>
    <message>
        <source>Hryvnia coin</source>
        <comment>CURRENCY25</comment>
        <translation>Moeda de hryvnia</translation>
    </message>
    <message>
        <source>Tenge coin</source>
        <comment>CURRENCY26</comment>
        <translation>Moeda de tenge</translation>
    </message>
    <message>
        <source>Gold bars</source>
        <comment>CURRENCY27</comment>
        <translation>Barras de ouro</translation>
    </message>
    <message>
        <source>Bank</source>
        <comment>CURRENCY28</comment>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Yen chart</source>
        <comment>CURRENCY29</comment>
        <translation>Gráfico do iene</translation>
    </message>
    <message>
        <source>Treasure chest</source>
        <comment>CURRENCY30</comment>
        <translation>Baú do tesouro</translation>
    </message>
    <message>
        <source>Flag of Japan</source>
        <comment>FLAG1</comment>
        <translation>Bandeira do Japão</translation>
    </message>
    <message>
        <source>Flag of Canada</source>
        <comment>FLAG2</comment>
        <translation>Bandeira do Canadá</translation>
    </message>
    <message>
        <source>Flag of the United States</source>
        <comment>FLAG3</comment>
        <translation>Bandeira dos Estados Unidos</translation>
    </message>
    <message>
        <source>Flag of the United Kingdom</source>
        <comment>FLAG4</comment>
        <translation>Bandeira do Reino Unido</translation>
    </message>
    <message>
        <source>Flag of France</source>
        <comment>FLAG5</comment>
        <translation>Bandeira da França</translation>
    </message>
    <message>
        <source>Flag of Germany</source>
        <comment>FLAG6</comment>
        <translation>Bandeira da Alemanha</translation>
    </message>
    <message>
        <source>Flag of Brazil</source>
        <comment>FLAG7</comment>
        <translation>Bandeira do Brasil</translation>
    </message>
    <message>
        <source>Flag of Sweden</source>
        <comment>FLAG8</comment>
        <translation>Bandeira da Suécia</translation>
    </message>
    <message>
        <source>Flag of Switzerland</source>
        <comment>FLAG9</comment>
        <translation>Bandeira da Suíça</translation>
    </message>
    <message>
        <source>Flag of South Korea</source>
        <comment>FLAG10</comment>
        <translation>Bandeira da Coreia do Sul</translation>
    </message>
    <message>
        <source>Flag of India</source>
        <comment>FLAG11</comment>
        <translation>Bandeira da Índia</translation>
    </message>
    <message>
        <source>Flag of China</source>
        <comment>FLAG12</comment>
        <translation>Bandeira da China</translation>
    </message>
    <message>
        <source>Flag of Greece</source>
        <comment>FLAG13</comment>
        <translation>Bandeira da Grécia</translation>
    </message>
    <message>
        <source>Flag of Turkey</source>
        <comment>FLAG14</comment>
        <translation>Bandeira da Turquia</translation>
    </message>
    <message>
        <source>Flag of Israel</source>
        <comment>FLAG15</comment>
        <translation>Bandeira de Israel</translation>
    </message>
    <message>
        <source>Flag of South Africa</source>
        <comment>FLAG16</comment>
        <translation>Bandeira da África do Sul</translation>
    </message>
    <message>
        <source>Flag of Mexico</source>
        <comment>FLAG17</comment>
        <translation>Bandeira do México</translation>
    </message>
    <message>
        <source>Flag of Jamaica</source>
        <comment>FLAG18</comment>
        <translation>Bandeira da Jamaica</translation>
    </message>
    <message>
        <source>Flag of Nepal</source>
        <comment>FLAG19</comment>
        <translation>Bandeira do Nepal</translation>
    </message>
    <message>
        <source>Flag of Ukraine</source>
        <comment>FLAG20</comment>
        <translation>Bandeira da Ucrânia</translation>
    </message>
    <message>
        <source>Flag of Pakistan</source>
        <comment>FLAG21</comment>
        <translation>Bandeira do Paquistão</translation>
    </message>
    <message>
        <source>Flag of Kenya</source>
        <comment>FLAG22</comment>
        <translation>Bandeira do Quênia</translation>
    </message>
    <message>
        <source>Flag of Australia</source>
        <comment>FLAG23</comment>
        <translation>Bandeira da Austrália</translation>
    </message>
    <message>
        <source>Flag of Lebanon</source>
        <comment>FLAG24</comment>
        <translation>Bandeira do Líbano</translation>
    </message>
    <message>
        <source>Flag of Colombia</source>
        <comment>FLAG25</comment>
        <translation>Bandeira da Colômbia</translation>
    </message>
    <message>
        <source>Chequered flag</source>
        <comment>FLAG26</comment>
        <translation>Bandeira quadriculada</translation>
    </message>
    <message>
        <source>Pirate flag</source>
        <comment>FLAG27</comment>
        <translation>Bandeira pirata</translation>
    </message>
    <message>
        <source>Rainbow flag</source>
        <comment>FLAG28</comment>
        <translation>Bandeira do arco-íris</translation>
    </message>
    <message>
        <source>White flag</source>
        <comment>FLAG29</comment>
        <translation>Bandeira branca</translation>
    </message>
    <message>
        <source>Red pennant</source>
        <comment>FLAG30</comment>
        <translation>Flâmula vermelha</translation>
    </message>
    <message>
        <source>Apple</source>
        <comment>FOOD1</comment>
        <translation>Maçã</translation>
    </message>
    <message>
        <source>Banana</source>
        <comment>FOOD2</comment>
        <translation>Banana</translation>
    </message>
    <message>
        <source>Grapes</source>
        <comment>FOOD3</comment>
        <translation>Uvas</translation>
    </message>
    <message>
        <source>Watermelon</source>
        <comment>FOOD4</comment>
        <translation>Melancia</translation>
    </message>
    <message>
        <source>Strawberry</source>
        <comment>FOOD5</comment>
        <translation>Morango</translation>
    </message>
    <message>
        <source>Cherries</source>
        <comment>FOOD6</comment>
        <translation>Cerejas</translation>
    </message>
    <message>
        <source>Pineapple</source>
        <comment>FOOD7</comment>
        <translation>Abacaxi</translation>
    </message>
    <message>
        <source>Lemon</source>
        <comment>FOOD8</comment>
        <translation>Limão-siciliano</translation>
    </message>
    <message>
        <source>Carrot</source>
        <comment>FOOD9</comment>
        <translation>Cenoura</translation>
    </message>
    <message>
        <source>Corn</source>
        <comment>FOOD10</comment>
        <translation>Espiga de milho</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <comment>FOOD11</comment>
        <translation>Brócolis</translation>
    </message>
    <message>
        <source>Bread</source>
        <comment>FOOD12</comment>
        <translation>Pão</translation>
    </message>
    <message>
        <source>Cheese</source>
        <comment>FOOD13</comment>
        <translation>Queijo</translation>
    </message>
    <message>
        <source>Fried egg</source>
        <comment>FOOD14</comment>
        <translation>Ovo frito</translation>
    </message>
    <message>
        <source>Hamburger</source>
        <comment>FOOD15</comment>
        <translation>Hambúrguer</translation>
    </message>
    <message>
        <source>Pizza</source>
        <comment>FOOD16</comment>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Hot dog</source>
        <comment>FOOD17</comment>
        <translation>Cachorro-quente</translation>
    </message>
    <message>
        <source>Taco</source>
        <comment>FOOD18</comment>
        <translation>Taco</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <comment>FOOD19</comment>
        <translation>Sorvete</translation>
    </message>
    <message>
        <source>Doughnut</source>
        <comment>FOOD20</comment>
        <translation>Rosquinha</translation>
    </message>
    <message>
        <source>Cookie</source>
        <comment>FOOD21</comment>
        <translation>Cookie</translation>
    </message>
    <message>
        <source>Birthday cake</source>
        <comment>FOOD22</comment>
        <translation>Bolo de aniversário</translation>
    </message>
    <message>
        <source>Lollipop</source>
        <comment>FOOD23</comment>
        <translation>Pirulito</translation>
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
        <translation>Berinjela</translation>
    </message>
    <message>
        <source>Chilli pepper</source>
        <comment>FOOD27</comment>
        <translation>Pimenta</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <comment>FOOD28</comment>
        <translation>Espaguete</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <comment>FOOD29</comment>
        <translation>Pipoca</translation>
    </message>
    <message>
        <source>Chicken leg</source>
        <comment>FOOD30</comment>
        <translation>Coxa de frango</translation>
    </message>
    <message>
        <source>Hammer</source>
        <comment>HARDWARE1</comment>
        <translation>Martelo</translation>
    </message>
    <message>
        <source>Wrench</source>
        <comment>HARDWARE2</comment>
        <translation>Chave inglesa</translation>
    </message>
    <message>
        <source>Screwdriver</source>
        <comment>HARDWARE3</comment>
        <translation>Chave de fenda</translation>
    </message>
    <message>
        <source>Nut and bolt</source>
        <comment>HARDWARE4</comment>
        <translation>Porca e parafuso</translation>
    </message>
    <message>
        <source>Saw</source>
        <comment>HARDWARE5</comment>
        <translation>Serrote</translation>
    </message>
    <message>
        <source>Axe</source>
        <comment>HARDWARE6</comment>
        <translation>Machado</translation>
    </message>
    <message>
        <source>Pickaxe</source>
        <comment>HARDWARE7</comment>
        <translation>Picareta</translation>
    </message>
    <message>
        <source>Magnet</source>
        <comment>HARDWARE8</comment>
        <translation>Ímã</translation>
    </message>
    <message>
        <source>Ladder</source>
        <comment>HARDWARE9</comment>
        <translation>Escada</translation>
    </message>
    <message>
        <source>Chain</source>
        <comment>HARDWARE10</comment>
        <translation>Corrente</translation>
    </message>
    <message>
        <source>Hook</source>
        <comment>HARDWARE11</comment>
        <translation>Gancho</translation>
    </message>
    <message>
        <source>Brick</source>
        <comment>HARDWARE12</comment>
        <translation>Tijolo</translation>
    </message>
    <message>
        <source>Clamp</source>
        <comment>HARDWARE13</comment>
        <translation>Grampo</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <comment>HARDWARE14</comment>
        <translation>Pincel</translation>
    </message>
    <message>
        <source>Bucket</source>
        <comment>HARDWARE15</comment>
        <translation>Balde</translation>
    </message>
    <message>
        <source>Torch</source>
        <comment>HARDWARE16</comment>
        <translation>Lanterna</translation>
    </message>
    <message>
        <source>Old key</source>
        <comment>HARDWARE17</comment>
        <translation>Chave antiga</translation>
    </message>
    <message>
        <source>Fire extinguisher</source>
        <comment>HARDWARE18</comment>
        <translation>Extintor de incêndio</translation>
    </message>
    <message>
        <source>Mousetrap</source>
        <comment>HARDWARE19</comment>
        <translation>Ratoeira</translation>
    </message>
    <message>
        <source>Oil drum</source>
        <comment>HARDWARE20</comment>
        <translation>Barril de petróleo</translation>
    </message>
    <message>
        <source>Logs</source>
        <comment>HARDWARE21</comment>
        <translation>Toras de lenha</translation>
    </message>
    <message>
        <source>Safety pin</source>
        <comment>HARDWARE22</comment>
        <translation>Alfinete de segurança</translation>
    </message>
    <message>
        <source>Reel of thread</source>
        <comment>HARDWARE23</comment>
        <translation>Carretel de linha</translation>
    </message>
    <message>
        <source>Rope</source>
        <comment>HARDWARE24</comment>
        <translation>Corda</translation>
    </message>
    <message>
        <source>Plunger</source>
        <comment>HARDWARE25</comment>
        <translation>Desentupidor</translation>
    </message>
    <message>
        <source>Candle</source>
        <comment>HARDWARE26</comment>
        <translation>Vela</translation>
    </message>
    <message>
        <source>Open padlock</source>
        <comment>HARDWARE27</comment>
        <translation>Cadeado aberto</translation>
    </message>
    <message>
        <source>Kitchen knife</source>
        <comment>HARDWARE28</comment>
        <translation>Faca de cozinha</translation>
    </message>
    <message>
        <source>Gear wheel</source>
        <comment>HARDWARE29</comment>
        <translation>Roda dentada</translation>
    </message>
    <message>
        <source>Battery</source>
        <comment>HARDWARE30</comment>
        <translation>Pilha</translation>
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
        <translation>Cadeira</translation>
    </message>
    <message>
        <source>Bathtub</source>
        <comment>HOUSE4</comment>
        <translation>Banheira</translation>
    </message>
    <message>
        <source>Shower</source>
        <comment>HOUSE5</comment>
        <translation>Chuveiro</translation>
    </message>
    <message>
        <source>Toilet</source>
        <comment>HOUSE6</comment>
        <translation>Vaso sanitário</translation>
    </message>
    <message>
        <source>Door</source>
        <comment>HOUSE7</comment>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Mirror</source>
        <comment>HOUSE8</comment>
        <translation>Espelho</translation>
    </message>
    <message>
        <source>Oil lamp</source>
        <comment>HOUSE9</comment>
        <translation>Lamparina</translation>
    </message>
    <message>
        <source>Broom</source>
        <comment>HOUSE10</comment>
        <translation>Vassoura</translation>
    </message>
    <message>
        <source>Laundry basket</source>
        <comment>HOUSE11</comment>
        <translation>Cesto de roupa</translation>
    </message>
    <message>
        <source>Sponge</source>
        <comment>HOUSE12</comment>
        <translation>Esponja</translation>
    </message>
    <message>
        <source>Soap</source>
        <comment>HOUSE13</comment>
        <translation>Sabonete</translation>
    </message>
    <message>
        <source>Toothbrush</source>
        <comment>HOUSE14</comment>
        <translation>Escova de dentes</translation>
    </message>
    <message>
        <source>Toilet roll</source>
        <comment>HOUSE15</comment>
        <translation>Papel higiênico</translation>
    </message>
    <message>
        <source>Teapot</source>
        <comment>HOUSE16</comment>
        <translation>Bule de chá</translation>
    </message>
    <message>
        <source>Coffee cup</source>
        <comment>HOUSE17</comment>
        <translation>Xícara de café</translation>
    </message>
    <message>
        <source>Spoon</source>
        <comment>HOUSE18</comment>
        <translation>Colher</translation>
    </message>
    <message>
        <source>Plate and cutlery</source>
        <comment>HOUSE19</comment>
        <translation>Prato e talheres</translation>
    </message>
    <message>
        <source>Cooking pot</source>
        <comment>HOUSE20</comment>
        <translation>Panela</translation>
    </message>
    <message>
        <source>Mantel clock</source>
        <comment>HOUSE21</comment>
        <translation>Relógio de lareira</translation>
    </message>
    <message>
        <source>Umbrella</source>
        <comment>HOUSE22</comment>
        <translation>Guarda-chuva</translation>
    </message>
    <message>
        <source>Teddy bear</source>
        <comment>HOUSE23</comment>
        <translation>Ursinho de pelúcia</translation>
    </message>
    <message>
        <source>Framed picture</source>
        <comment>HOUSE24</comment>
        <translation>Quadro</translation>
    </message>
    <message>
        <source>Razor</source>
        <comment>HOUSE25</comment>
        <translation>Aparelho de barbear</translation>
    </message>
    <message>
        <source>Lotion bottle</source>
        <comment>HOUSE26</comment>
        <translation>Frasco de loção</translation>
    </message>
    <message>
        <source>Jar</source>
        <comment>HOUSE27</comment>
        <translation>Pote</translation>
    </message>
    <message>
        <source>Sewing needle</source>
        <comment>HOUSE28</comment>
        <translation>Agulha de costura</translation>
    </message>
    <message>
        <source>House key</source>
        <comment>HOUSE29</comment>
        <translation>Chave de casa</translation>
    </message>
    <message>
        <source>Window</source>
        <comment>HOUSE30</comment>
        <translation>Janela</translation>
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
        <translation>Violino</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <comment>MUSIC4</comment>
        <translation>Trompete</translation>
    </message>
    <message>
        <source>Saxophone</source>
        <comment>MUSIC5</comment>
        <translation>Saxofone</translation>
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
        <translation>Tambor comprido</translation>
    </message>
    <message>
        <source>Accordion</source>
        <comment>MUSIC9</comment>
        <translation>Acordeão</translation>
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
        <translation>Sino</translation>
    </message>
    <message>
        <source>Microphone</source>
        <comment>MUSIC15</comment>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Headphones</source>
        <comment>MUSIC16</comment>
        <translation>Fones de ouvido</translation>
    </message>
    <message>
        <source>Radio</source>
        <comment>MUSIC17</comment>
        <translation>Rádio</translation>
    </message>
    <message>
        <source>Post horn</source>
        <comment>MUSIC18</comment>
        <translation>Corneta postal</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <comment>MUSIC19</comment>
        <translation>Alto-falante</translation>
    </message>
    <message>
        <source>Ballet shoes</source>
        <comment>MUSIC20</comment>
        <translation>Sapatilhas de balé</translation>
    </message>
    <message>
        <source>Dancer</source>
        <comment>MUSIC21</comment>
        <translation>Dançarina</translation>
    </message>
    <message>
        <source>Theatre masks</source>
        <comment>MUSIC22</comment>
        <translation>Máscaras de teatro</translation>
    </message>
    <message>
        <source>Mixing slider</source>
        <comment>MUSIC23</comment>
        <translation>Controle deslizante</translation>
    </message>
    <message>
        <source>Wind chime</source>
        <comment>MUSIC24</comment>
        <translation>Mensageiro dos ventos</translation>
    </message>
    <message>
        <source>Compact disc</source>
        <comment>MUSIC25</comment>
        <translation>CD</translation>
    </message>
    <message>
        <source>Singer</source>
        <comment>MUSIC26</comment>
        <translation>Cantor</translation>
    </message>
    <message>
        <source>Mirror ball</source>
        <comment>MUSIC27</comment>
        <translation>Globo espelhado</translation>
    </message>
    <message>
        <source>Triangle</source>
        <comment>MUSIC28</comment>
        <translation>Triângulo</translation>
    </message>
    <message>
        <source>Xylophone</source>
        <comment>MUSIC29</comment>
        <translation>Xilofone</translation>
    </message>
    <message>
        <source>Tuning fork</source>
        <comment>MUSIC30</comment>
        <translation>Diapasão</translation>
    </message>
    <message>
        <source>Sunflower</source>
        <comment>PLANT1</comment>
        <translation>Girassol</translation>
    </message>
    <message>
        <source>Rose</source>
        <comment>PLANT2</comment>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Tulip</source>
        <comment>PLANT3</comment>
        <translation>Tulipa</translation>
    </message>
    <message>
        <source>Hibiscus</source>
        <comment>PLANT4</comment>
        <translation>Hibisco</translation>
    </message>
    <message>
        <source>Cherry blossom</source>
        <comment>PLANT5</comment>
        <translation>Flor de cerejeira</translation>
    </message>
    <message>
        <source>Daisy</source>
        <comment>PLANT6</comment>
        <translation>Margarida</translation>
    </message>
    <message>
        <source>Lotus</source>
        <comment>PLANT7</comment>
        <translation>Lótus</translation>
    </message>
    <message>
        <source>Cactus</source>
        <comment>PLANT8</comment>
        <translation>Cacto</translation>
    </message>
    <message>
        <source>Palm tree</source>
        <comment>PLANT9</comment>
        <translation>Palmeira</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <comment>PLANT10</comment>
        <translation>Pinheiro</translation>
    </message>
    <message>
        <source>Oak tree</source>
        <comment>PLANT11</comment>
        <translation>Carvalho</translation>
    </message>
    <message>
        <source>Four-leaf clover</source>
        <comment>PLANT12</comment>
        <translation>Trevo de quatro folhas</translation>
    </message>
    <message>
        <source>Maple leaf</source>
        <comment>PLANT13</comment>
        <translation>Folha de bordo</translation>
    </message>
    <message>
        <source>Herb</source>
        <comment>PLANT14</comment>
        <translation>Erva aromática</translation>
    </message>
    <message>
        <source>Seedling</source>
        <comment>PLANT15</comment>
        <translation>Muda</translation>
    </message>
    <message>
        <source>Mushroom</source>
        <comment>PLANT16</comment>
        <translation>Cogumelo</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <comment>PLANT17</comment>
        <translation>Buquê</translation>
    </message>
    <message>
        <source>Potted plant</source>
        <comment>PLANT18</comment>
        <translation>Planta em vaso</translation>
    </message>
    <message>
        <source>Ear of rice</source>
        <comment>PLANT19</comment>
        <translation>Espiga de arroz</translation>
    </message>
    <message>
        <source>Chestnut</source>
        <comment>PLANT20</comment>
        <translation>Castanha</translation>
    </message>
    <message>
        <source>Hyacinth</source>
        <comment>PLANT21</comment>
        <translation>Jacinto</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <comment>PLANT22</comment>
        <translation>Bambu</translation>
    </message>
    <message>
        <source>Coral</source>
        <comment>PLANT23</comment>
        <translation>Coral</translation>
    </message>
    <message>
        <source>Olives</source>
        <comment>PLANT24</comment>
        <translation>Azeitonas</translation>
    </message>
    <message>
        <source>Pea pod</source>
        <comment>PLANT25</comment>
        <translation>Vagem de ervilha</translation>
    </message>
    <message>
        <source>Garlic</source>
        <comment>PLANT26</comment>
        <translation>Alho</translation>
    </message>
    <message>
        <source>Coconut</source>
        <comment>PLANT27</comment>
        <translation>Coco</translation>
    </message>
    <message>
        <source>Peanuts</source>
        <comment>PLANT28</comment>
        <translation>Amendoins</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <comment>PLANT29</comment>
        <translation>Alface</translation>
    </message>
    <message>
        <source>Ginger root</source>
        <comment>PLANT30</comment>
        <translation>Raiz de gengibre</translation>
    </message>
    <message>
        <source>Microscope</source>
        <comment>SCIENCE1</comment>
        <translation>Microscópio</translation>
    </message>
    <message>
        <source>Telescope</source>
        <comment>SCIENCE2</comment>
        <translation>Telescópio</translation>
    </message>
    <message>
        <source>Test tube</source>
        <comment>SCIENCE3</comment>
        <translation>Tubo de ensaio</translation>
    </message>
    <message>
        <source>Petri dish</source>
        <comment>SCIENCE4</comment>
        <translation>Placa de Petri</translation>
    </message>
    <message>
        <source>DNA</source>
        <comment>SCIENCE5</comment>
        <translation>DNA</translation>
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
        <translation>Termômetro</translation>
    </message>
    <message>
        <source>Rocket</source>
        <comment>SCIENCE9</comment>
        <translation>Foguete</translation>
    </message>
    <message>
        <source>Globe</source>
        <comment>SCIENCE10</comment>
        <translation>Globo terrestre</translation>
    </message>
    <message>
        <source>Ringed planet</source>
        <comment>SCIENCE11</comment>
        <translation>Planeta com anéis</translation>
    </message>
    <message>
        <source>Crescent moon</source>
        <comment>SCIENCE12</comment>
        <translation>Lua crescente</translation>
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
        <translation>Raio</translation>
    </message>
    <message>
        <source>Microbe</source>
        <comment>SCIENCE16</comment>
        <translation>Micróbio</translation>
    </message>
    <message>
        <source>Brain</source>
        <comment>SCIENCE17</comment>
        <translation>Cérebro</translation>
    </message>
    <message>
        <source>Bone</source>
        <comment>SCIENCE18</comment>
        <translation>Osso</translation>
    </message>
    <message>
        <source>Pill</source>
        <comment>SCIENCE19</comment>
        <translation>Cápsula</translation>
    </message>
    <message>
        <source>Syringe</source>
        <comment>SCIENCE20</comment>
        <translation>Seringa</translation>
    </message>
    <message>
        <source>Stethoscope</source>
        <comment>SCIENCE21</comment>
        <translation>Estetoscópio</translation>
    </message>
    <message>
        <source>Dinosaur</source>
        <comment>SCIENCE22</comment>
        <translation>Dinossauro</translation>
    </message>
    <message>
        <source>Fire</source>
        <comment>SCIENCE23</comment>
        <translation>Fogo</translation>
    </message>
    <message>
        <source>Water drop</source>
        <comment>SCIENCE24</comment>
        <translation>Gota d&apos;água</translation>
    </message>
    <message>
        <source>Snowflake</source>
        <comment>SCIENCE25</comment>
        <translation>Floco de neve</translation>
    </message>
    <message>
        <source>Volcano</source>
        <comment>SCIENCE26</comment>
        <translation>Vulcão</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <comment>SCIENCE27</comment>
        <translation>Arco-íris</translation>
    </message>
    <message>
        <source>Magnet</source>
        <comment>SCIENCE28</comment>
        <translation>Ímã</translation>
    </message>
    <message>
        <source>Safety goggles</source>
        <comment>SCIENCE29</comment>
        <translation>Óculos de proteção</translation>
    </message>
    <message>
        <source>Compass</source>
        <comment>SCIENCE30</comment>
        <translation>Bússola</translation>
    </message>
    <message>
        <source>Circle</source>
        <comment>SHAPE1</comment>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Square</source>
        <comment>SHAPE2</comment>
        <translation>Quadrado</translation>
    </message>
    <message>
        <source>Triangle</source>
        <comment>SHAPE3</comment>
        <translation>Triângulo</translation>
    </message>
    <message>
        <source>Five-pointed star</source>
        <comment>SHAPE4</comment>
        <translation>Estrela de cinco pontas</translation>
    </message>
    <message>
        <source>Heart</source>
        <comment>SHAPE5</comment>
        <translation>Coração</translation>
    </message>
    <message>
        <source>Diamond</source>
        <comment>SHAPE6</comment>
        <translation>Losango</translation>
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
        <translation>Meia-lua</translation>
    </message>
    <message>
        <source>Cross</source>
        <comment>SHAPE11</comment>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Arrow</source>
        <comment>SHAPE12</comment>
        <translation>Seta</translation>
    </message>
    <message>
        <source>Ring</source>
        <comment>SHAPE13</comment>
        <translation>Anel</translation>
    </message>
    <message>
        <source>Oval</source>
        <comment>SHAPE14</comment>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <comment>SHAPE15</comment>
        <translation>Retângulo</translation>
    </message>
    <message>
        <source>Trapezoid</source>
        <comment>SHAPE16</comment>
        <translation>Trapézio</translation>
    </message>
    <message>
        <source>Parallelogram</source>
        <comment>SHAPE17</comment>
        <translation>Paralelogramo</translation>
    </message>
    <message>
        <source>Six-pointed star</source>
        <comment>SHAPE18</comment>
        <translation>Estrela de seis pontas</translation>
    </message>
    <message>
        <source>Spade</source>
        <comment>SHAPE19</comment>
        <translation>Espadas</translation>
    </message>
    <message>
        <source>Club</source>
        <comment>SHAPE20</comment>
        <translation>Paus</translation>
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
        <translation>Cruz de Santo André</translation>
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
        <translation>Cone</translation>
    </message>
    <message>
        <source>Pie slice</source>
        <comment>SHAPE27</comment>
        <translation>Fatia de torta</translation>
    </message>
    <message>
        <source>Chevron</source>
        <comment>SHAPE28</comment>
        <translation>Divisa</translation>
    </message>
    <message>
        <source>Cloud</source>
        <comment>SHAPE29</comment>
        <translation>Nuvem</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <comment>SHAPE30</comment>
        <translation>Pirâmide</translation>
    </message>
    <message>
        <source>Stop sign</source>
        <comment>SIGN1</comment>
        <translation>Placa de pare</translation>
    </message>
    <message>
        <source>No entry</source>
        <comment>SIGN2</comment>
        <translation>Sentido proibido</translation>
    </message>
    <message>
        <source>Prohibited</source>
        <comment>SIGN3</comment>
        <translation>Proibido</translation>
    </message>
    <message>
        <source>Warning</source>
        <comment>SIGN4</comment>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>Radioactive</source>
        <comment>SIGN5</comment>
        <translation>Radioativo</translation>
    </message>
    <message>
        <source>Biohazard</source>
        <comment>SIGN6</comment>
        <translation>Risco biológico</translation>
    </message>
    <message>
        <source>Children crossing</source>
        <comment>SIGN7</comment>
        <translation>Travessia de crianças</translation>
    </message>
    <message>
        <source>No smoking</source>
        <comment>SIGN8</comment>
        <translation>Proibido fumar</translation>
    </message>
    <message>
        <source>No bicycles</source>
        <comment>SIGN9</comment>
        <translation>Proibido trânsito de bicicletas</translation>
    </message>
    <message>
        <source>No mobile phones</source>
        <comment>SIGN10</comment>
        <translation>Proibido usar celular</translation>
    </message>
    <message>
        <source>Wheelchair access</source>
        <comment>SIGN11</comment>
        <translation>Acesso para cadeirantes</translation>
    </message>
    <message>
        <source>Toilets</source>
        <comment>SIGN12</comment>
        <translation>Banheiros</translation>
    </message>
    <message>
        <source>Parking</source>
        <comment>SIGN13</comment>
        <translation>Estacionamento</translation>
    </message>
    <message>
        <source>Recycling</source>
        <comment>SIGN14</comment>
        <translation>Reciclagem</translation>
    </message>
    <message>
        <source>Traffic light</source>
        <comment>SIGN15</comment>
        <translation>Semáforo</translation>
    </message>
    <message>
        <source>Road works</source>
        <comment>SIGN16</comment>
        <translation>Obras na pista</translation>
    </message>
    <message>
        <source>Information</source>
        <comment>SIGN17</comment>
        <translation>Informações</translation>
    </message>
    <message>
        <source>SOS</source>
        <comment>SIGN18</comment>
        <translation>SOS</translation>
    </message>
    <message>
        <source>Placard</source>
        <comment>SIGN19</comment>
        <translation>Cartaz</translation>
    </message>
    <message>
        <source>Exclamation mark</source>
        <comment>SIGN20</comment>
        <translation>Ponto de exclamação</translation>
    </message>
    <message>
        <source>Question mark</source>
        <comment>SIGN21</comment>
        <translation>Ponto de interrogação</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <comment>SIGN22</comment>
        <translation>Bomba de combustível</translation>
    </message>
    <message>
        <source>Barber&apos;s pole</source>
        <comment>SIGN23</comment>
        <translation>Poste de barbearia</translation>
    </message>
    <message>
        <source>Beginner badge</source>
        <comment>SIGN24</comment>
        <translation>Selo de motorista iniciante</translation>
    </message>
    <message>
        <source>Metro sign</source>
        <comment>SIGN25</comment>
        <translation>Placa do metrô</translation>
    </message>
    <message>
        <source>High voltage</source>
        <comment>SIGN26</comment>
        <translation>Alta tensão</translation>
    </message>
    <message>
        <source>Peace sign</source>
        <comment>SIGN27</comment>
        <translation>Símbolo da paz</translation>
    </message>
    <message>
        <source>Adults only</source>
        <comment>SIGN28</comment>
        <translation>Proibido para menores</translation>
    </message>
    <message>
        <source>Check mark</source>
        <comment>SIGN29</comment>
        <translation>Marca de seleção</translation>
    </message>
    <message>
        <source>Anchor</source>
        <comment>SIGN30</comment>
        <translation>Âncora</translation>
    </message>
    <message>
        <source>Football</source>
        <comment>SPORT1</comment>
        <translation>Bola de futebol</translation>
    </message>
    <message>
        <source>Basketball</source>
        <comment>SPORT2</comment>
        <translation>Bola de basquete</translation>
    </message>
    <message>
        <source>American football</source>
        <comment>SPORT3</comment>
        <translation>Bola de futebol americano</translation>
    </message>
    <message>
        <source>Baseball</source>
        <comment>SPORT4</comment>
        <translation>Bola de beisebol</translation>
    </message>
    <message>
        <source>Tennis ball</source>
        <comment>SPORT5</comment>
        <translation>Bola de tênis</translation>
    </message>
    <message>
        <source>Volleyball</source>
        <comment>SPORT6</comment>
        <translation>Bola de vôlei</translation>
    </message>
    <message>
        <source>Bowling</source>
        <comment>SPORT7</comment>
        <translation>Boliche</translation>
    </message>
    <message>
        <source>Golf</source>
        <comment>SPORT8</comment>
        <translation>Golfe</translation>
    </message>
    <message>
        <source>Ice hockey</source>
        <comment>SPORT9</comment>
        <translation>Hóquei no gelo</translation>
    </message>
    <message>
        <source>Table tennis</source>
        <comment>SPORT10</comment>
        <translation>Tênis de mesa</translation>
    </message>
    <message>
        <source>Badminton</source>
        <comment>SPORT11</comment>
        <translation>Badminton</translation>
    </message>
    <message>
        <source>Boxing glove</source>
        <comment>SPORT12</comment>
        <translation>Luva de boxe</translation>
    </message>
    <message>
        <source>Skis</source>
        <comment>SPORT13</comment>
        <translation>Esquis</translation>
    </message>
    <message>
        <source>Ice skate</source>
        <comment>SPORT14</comment>
        <translation>Patim de gelo</translation>
    </message>
    <message>
        <source>Fishing rod</source>
        <comment>SPORT15</comment>
        <translation>Vara de pescar</translation>
    </message>
    <message>
        <source>Darts</source>
        <comment>SPORT16</comment>
        <translation>Dardos</translation>
    </message>
    <message>
        <source>Pool ball</source>
        <comment>SPORT17</comment>
        <translation>Bola de sinuca</translation>
    </message>
    <message>
        <source>Cricket</source>
        <comment>SPORT18</comment>
        <translation>Críquete</translation>
    </message>
    <message>
        <source>Trophy</source>
        <comment>SPORT19</comment>
        <translation>Troféu</translation>
    </message>
    <message>
        <source>Gold medal</source>
        <comment>SPORT20</comment>
        <translation>Medalha de ouro</translation>
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
        <translation>Pedra de curling</translation>
    </message>
    <message>
        <source>Sledge</source>
        <comment>SPORT24</comment>
        <translation>Trenó</translation>
    </message>
    <message>
        <source>Goal net</source>
        <comment>SPORT25</comment>
        <translation>Rede do gol</translation>
    </message>
    <message>
        <source>Martial arts suit</source>
        <comment>SPORT26</comment>
        <translation>Quimono de artes marciais</translation>
    </message>
    <message>
        <source>Diving mask</source>
        <comment>SPORT27</comment>
        <translation>Máscara de mergulho</translation>
    </message>
    <message>
        <source>Skateboard</source>
        <comment>SPORT28</comment>
        <translation>Skate</translation>
    </message>
    <message>
        <source>Roller skate</source>
        <comment>SPORT29</comment>
        <translation>Patim de rodas</translation>
    </message>
    <message>
        <source>Bow and arrow</source>
        <comment>SPORT30</comment>
        <translation>Arco e flecha</translation>
    </message>
    <message>
        <source>Car</source>
        <comment>TRANSPORT1</comment>
        <translation>Carro</translation>
    </message>
    <message>
        <source>Bus</source>
        <comment>TRANSPORT2</comment>
        <translation>Ônibus</translation>
    </message>
    <message>
        <source>Taxi</source>
        <comment>TRANSPORT3</comment>
        <translation>Táxi</translation>
    </message>
    <message>
        <source>Police car</source>
        <comment>TRANSPORT4</comment>
        <translation>Viatura de polícia</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <comment>TRANSPORT5</comment>
        <translation>Ambulância</translation>
    </message>
    <message>
        <source>Fire engine</source>
        <comment>TRANSPORT6</comment>
        <translation>Caminhão de bombeiros</translation>
    </message>
    <message>
        <source>Lorry</source>
        <comment>TRANSPORT7</comment>
        <translation>Caminhão</translation>
    </message>
    <message>
        <source>Tractor</source>
        <comment>TRANSPORT8</comment>
        <translation>Trator</translation>
    </message>
    <message>
        <source>Racing car</source>
        <comment>TRANSPORT9</comment>
        <translation>Carro de corrida</translation>
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
        <translation>Scooter</translation>
    </message>
    <message>
        <source>Kick scooter</source>
        <comment>TRANSPORT13</comment>
        <translation>Patinete</translation>
    </message>
    <message>
        <source>Steam locomotive</source>
        <comment>TRANSPORT14</comment>
        <translation>Locomotiva a vapor</translation>
    </message>
    <message>
        <source>High-speed train</source>
        <comment>TRANSPORT15</comment>
        <translation>Trem de alta velocidade</translation>
    </message>
    <message>
        <source>Tram</source>
        <comment>TRANSPORT16</comment>
        <translation>Bonde</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <comment>TRANSPORT17</comment>
        <translation>Helicóptero</translation>
    </message>
    <message>
        <source>Aeroplane</source>
        <comment>TRANSPORT18</comment>
        <translation>Avião</translation>
    </message>
    <message>
        <source>Rocket</source>
        <comment>TRANSPORT19</comment>
        <translation>Foguete</translation>
    </message>
    <message>
        <source>Sailing boat</source>
        <comment>TRANSPORT20</comment>
        <translation>Veleiro</translation>
    </message>
    <message>
        <source>Speedboat</source>
        <comment>TRANSPORT21</comment>
        <translation>Lancha</translation>
    </message>
    <message>
        <source>Ship</source>
        <comment>TRANSPORT22</comment>
        <translation>Navio</translation>
    </message>
    <message>
        <source>Canoe</source>
        <comment>TRANSPORT23</comment>
        <translation>Canoa</translation>
    </message>
    <message>
        <source>Hot-air balloon</source>
        <comment>TRANSPORT24</comment>
        <translation>Balão de ar quente</translation>
    </message>
    <message>
        <source>Cable car</source>
        <comment>TRANSPORT25</comment>
        <translation>Teleférico</translation>
    </message>
    <message>
        <source>Flying saucer</source>
        <comment>TRANSPORT26</comment>
        <translation>Disco voador</translation>
    </message>
    <message>
        <source>Four-by-four</source>
        <comment>TRANSPORT27</comment>
        <translation>Jipe</translation>
    </message>
    <message>
        <source>Auto rickshaw</source>
        <comment>TRANSPORT28</comment>
        <translation>Tuk-tuk</translation>
    </message>
    <message>
        <source>Parachute</source>
        <comment>TRANSPORT29</comment>
        <translation>Paraquedas</translation>
    </message>
    <message>
        <source>Minibus</source>
        <comment>TRANSPORT30</comment>
        <translation>Micro-ônibus</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>Resource with identifier &apos;%1&apos; not found</source>
        <translation>Recurso com o identificador “%1” não encontrado</translation>
    </message>
    <message>
        <source>Invalid resource format: &apos;%1&apos;</source>
        <translation>Formato de recurso inválido: “%1”</translation>
    </message>
</context>
<context>
    <name>ScoreTables</name>
    <message>
        <source>Overflow</source>
        <translation>Estouro de capacidade</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilidade de tipos</translation>
    </message>
    <message>
        <source>Are you sure you want to reset all Small Board scores?</source>
        <translation>Tem certeza de que deseja zerar todos os recordes do tabuleiro pequeno?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset all Large Board scores?</source>
        <translation>Tem certeza de que deseja zerar todos os recordes do tabuleiro grande?</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Zerar recordes</translation>
    </message>
</context>
<context>
    <name>ScoresWindow</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>&amp;Small Board</source>
        <translation>Tabuleiro &amp;pequeno</translation>
    </message>
    <message>
        <source>&amp;Large Board</source>
        <translation>Tabuleiro &amp;grande</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Mais rápidos</translation>
    </message>
    <message>
        <source>Fewest Sets Flipped</source>
        <translation>Menos jogadas</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Jogadas</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Erro de acesso ao caminho ou arquivo: %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file</source>
        <translation>Erro de acesso ao caminho ou arquivo: %1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>Path/File access error: %1 cannot be locked</source>
        <translation>Erro de acesso ao caminho ou arquivo: não é possível bloquear %1</translation>
    </message>
    <message>
        <source>Out of string space: %1 would be larger than 16 MiB and is left as it is</source>
        <translation>Espaço para cadeias de caracteres esgotado: %1 teria mais de 16 MiB e é mantido como está</translation>
    </message>
    <message>
        <source>Path/File access error: %1 changed while it was saved</source>
        <translation>Erro de acesso ao caminho ou arquivo: %1 foi alterado durante o salvamento</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is locked by another game</source>
        <translation>Erro de acesso ao caminho ou arquivo: %1 está bloqueado por outra instância do jogo</translation>
    </message>
    <message>
        <source>Path/File access error: %1 cannot be locked: %2</source>
        <translation>Erro de acesso ao caminho ou arquivo: não é possível bloquear %1: %2</translation>
    </message>
    <message>
        <source>Path/File access error: %1 changed while it was saved and could not be put back; the file found there is kept as %2</source>
        <translation>Erro de acesso ao caminho ou arquivo: %1 foi alterado durante o salvamento e não pôde ser reposto; o arquivo encontrado ali foi mantido como %2</translation>
    </message>
</context>
</TS>
