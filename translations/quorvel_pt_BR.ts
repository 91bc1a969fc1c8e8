<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ChmBrowser</name>
    <message>
        <source>This page cannot be shown</source>
        <translation>Não é possível exibir esta página</translation>
    </message>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>A página é maior que o limite de %1 KB.</translation>
    </message>
    <message>
        <source>The page %1 is not in this help file, or cannot be read from it.</source>
        <translation>A página %1 não está neste arquivo de ajuda ou não pode ser lida dele.</translation>
    </message>
    <message>
        <source>The page %1 has nothing to show.</source>
        <translation>A página %1 não tem nada para exibir.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Letter Jumble Solver</source>
        <translation>Solucionador de letras embaralhadas</translation>
    </message>
    <message>
        <source>Find every word that can be made from all of a set of jumbled letters</source>
        <translation>Encontre todas as palavras que podem ser formadas com todas as letras de um conjunto embaralhado</translation>
    </message>
    <message>
        <source>anagram;jumble;word;puzzle;</source>
        <translation>anagrama;letras embaralhadas;palavra;passatempo;charada;</translation>
    </message>
    <message>
        <source>Quorvel solves letter jumbles. Type the jumbled letters and it lists every word made of all of them, each once. Most dictionaries answer at once, however many letters are typed.</source>
        <translation>O Quorvel resolve letras embaralhadas. Digite as letras e ele lista cada palavra formada com todas elas, uma única vez. A maioria dos dicionários responde na hora, não importa quantas letras sejam digitadas.</translation>
    </message>
    <message>
        <source>It carries no word list of its own: it uses the Hunspell dictionary of your language and the letter case you type, so a capital finds the names and nouns that are written with one.</source>
        <translation>Ele não traz uma lista de palavras própria: usa o dicionário Hunspell do seu idioma e respeita as maiúsculas e minúsculas que você digitar, de modo que uma maiúscula encontra os nomes escritos com ela.</translation>
    </message>
    <message>
        <source>The letters tca give the words cat and act</source>
        <translation>As letras “tca” formam as palavras “cat” e “act”</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Help file (qv.chm) not found:</source>
        <translation>Arquivo de ajuda (qv.chm) não encontrado:</translation>
    </message>
    <message>
        <source>The help file you chose does not exist.</source>
        <translation>O arquivo de ajuda escolhido não existe.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Error occurred: </source>
        <translation>Ocorreu um erro: </translation>
    </message>
    <message>
        <source>Help File (*.chm)|*.chm</source>
        <translation>Arquivo de ajuda (*.chm)|*.chm</translation>
    </message>
    <message>
        <source>The help file could not be found.  This could be caused by the Quorvel program file being copied or moved away from the location where it was initially installed.  If you would like to view the help file then please specify its location.  The name of the file is qv.chm and the default location is in the directory where the Quorvel program was initially installed.</source>
        <translation>Não foi possível encontrar o arquivo de ajuda. Talvez o arquivo do programa Quorvel tenha sido copiado ou movido do local onde foi instalado. Se quiser ver a ajuda, indique onde ela está. O arquivo se chama qv.chm e fica, por padrão, na pasta em que o Quorvel foi instalado.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>This help file cannot be shown</source>
        <translation>Não é possível exibir este arquivo de ajuda</translation>
    </message>
    <message>
        <source>%1 is not a readable compiled help (CHM) file: %2.</source>
        <translation>%1 não é um arquivo de ajuda compilado (CHM) legível: %2.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegação</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>it names no start page</source>
        <translation>não indica nenhuma página inicial</translation>
    </message>
    <message>
        <source>(The rest is left out: more than %1 lines.)</source>
        <translation>(O restante foi omitido: mais de %1 linhas.)</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>--language: there is no translation for &apos;%1&apos;; the languages are: %2.</source>
        <translation>--language: não há tradução para “%1”; os idiomas disponíveis são: %2.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>PROBLEM</source>
        <translation>PROBLEMA</translation>
    </message>
    <message>
        <source>You entered at least one invalid character.  Please only enter letter (no spaces, punctuation marks, numbers or symbols).</source>
        <translation>Você digitou pelo menos um caractere inválido. Digite apenas letras (sem espaços, sinais de pontuação, números ou símbolos).</translation>
    </message>
    <message>
        <source>You didn&apos;t enter any letters.  Please enter your jumbled letters, then press the button to analyze.</source>
        <translation>Você não digitou nenhuma letra. Digite as letras embaralhadas e depois clique no botão para analisá-las.</translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <translation>Confirme</translation>
    </message>
    <message numerus="yes">
        <source>You entered %n letters to analyze.  It could take a significant amount of time.  Do you want to continue?</source>
        <translation>
            <numerusform>Você digitou %n letra para analisar. Isso pode levar muito tempo. Deseja continuar?</numerusform>
            <numerusform>Você digitou %n letras para analisar. Isso pode levar muito tempo. Deseja continuar?</numerusform>
        </translation>
    </message>
    <message>
        <source>You need to have a Hunspell dictionary for your language or for American English (Debian package hunspell-en-us) installed on your PC for this program to run.  Neither was found on your computer.  This program can not continue.</source>
        <translation>Para este programa funcionar, é preciso ter instalado no computador um dicionário Hunspell do seu idioma ou de inglês americano (pacote Debian hunspell-en-us). Nenhum dos dois foi encontrado. O programa não pode continuar.</translation>
    </message>
    <message>
        <source>You don&apos;t seem to have a new enough version of Nuspell or Hunspell for this program to run. This program can not continue.</source>
        <translation>Sua versão do Nuspell ou do Hunspell não parece ser recente o bastante para este programa. O programa não pode continuar.</translation>
    </message>
    <message>
        <source>Done - No words found</source>
        <translation>Concluído – nenhuma palavra encontrada</translation>
    </message>
    <message numerus="yes">
        <source>Done - Found %n words: </source>
        <translation>
            <numerusform>Concluído – %n palavra encontrada: </numerusform>
            <numerusform>Concluído – %n palavras encontradas: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message numerus="yes">
        <source>about %n second(s) left</source>
        <translation>
            <numerusform>cerca de %n segundo restante</numerusform>
            <numerusform>cerca de %n segundos restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s) left</source>
        <translation>
            <numerusform>cerca de %n minuto restante</numerusform>
            <numerusform>cerca de %n minutos restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hour(s) left</source>
        <translation>
            <numerusform>cerca de %n hora restante</numerusform>
            <numerusform>cerca de %n horas restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n day(s) left</source>
        <translation>
            <numerusform>cerca de %n dia restante</numerusform>
            <numerusform>cerca de %n dias restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>years left</source>
        <translation>anos restantes</translation>
    </message>
    <message>
        <source>No analysis is running.</source>
        <translation>Nenhuma análise em andamento.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copiar localização do &amp;link</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
</context>
<context>
    <name>QtOpenFileDialog</name>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permissão negada: %1</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Dictionary: %1 (%2)</source>
        <translation>Dicionário: %1 (%2)</translation>
    </message>
    <message>
        <source>Spelling checker: %1</source>
        <translation>Verificador ortográfico: %1</translation>
    </message>
    <message>
        <source>Found through the word index, each word confirmed by the checker</source>
        <translation>Encontrado pelo índice de palavras, cada palavra confirmada pelo verificador</translation>
    </message>
    <message>
        <source>Every arrangement tried: %1</source>
        <translation>Todas as combinações testadas: %1</translation>
    </message>
    <message>
        <source>Every arrangement tried</source>
        <translation>Todas as combinações testadas</translation>
    </message>
    <message>
        <source>Time: %1 s</source>
        <translation>Tempo: %1 s</translation>
    </message>
    <message>
        <source>No dictionary for your language (%1) is installed, so the %2 dictionary answered. Install the Hunspell dictionary of your language (a package named like hunspell-%3) to search in it.</source>
        <translation>Não há dicionário instalado para o seu idioma (%1), por isso respondeu o dicionário %2. Instale o dicionário Hunspell do seu idioma (um pacote com nome como hunspell-%3) para pesquisar nele.</translation>
    </message>
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>This application takes a jumbled set of letters and lists all valid words that can be made from all those letters.  It uses the spelling dictionaries of Nuspell and/or Hunspell in part of the analysis.</source>
        <translation>Este programa recebe um conjunto de letras embaralhadas e lista todas as palavras válidas que podem ser formadas com todas essas letras. Em parte da análise, ele usa os dicionários ortográficos do Nuspell e/ou do Hunspell.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informações do &amp;sistema…</translation>
    </message>
    <message>
        <source>Visit us at: </source>
        <translation>Visite-nos em: </translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
    <message>
        <source>The home page could not be opened in a web browser.

Its address is %1</source>
        <translation>Não foi possível abrir a página inicial em um navegador.

O endereço é %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The program&apos;s banner</source>
        <translation>O banner do programa</translation>
    </message>
    <message>
        <source>4 Easy steps: </source>
        <translation>4 passos fáceis: </translation>
    </message>
    <message>
        <source>Type the letters, analyze them, wait, then read the words found</source>
        <translation>Digite as letras, analise-as, aguarde e leia as palavras encontradas</translation>
    </message>
    <message>
        <source>(1) Type the jumbled letters here:</source>
        <translation>(1) Digite aqui as letras embaralhadas:</translation>
    </message>
    <message>
        <source>Letters A to Z only; Enter starts the analysis</source>
        <translation>Apenas letras de A a Z; Enter inicia a análise</translation>
    </message>
    <message>
        <source>(2) Click Here:</source>
        <translation>(2) Clique aqui:</translation>
    </message>
    <message>
        <source>Analyze letters</source>
        <translation>Analisar letras</translation>
    </message>
    <message>
        <source>Finds every word made of all the letters typed</source>
        <translation>Encontra cada palavra formada com todas as letras digitadas</translation>
    </message>
    <message>
        <source>(3) Wait for analysis:</source>
        <translation>(3) Aguarde a análise:</translation>
    </message>
    <message>
        <source>cancel analysis</source>
        <translation>cancelar análise</translation>
    </message>
    <message>
        <source>Stops the analysis under way</source>
        <translation>Interrompe a análise em andamento</translation>
    </message>
    <message>
        <source>(4) Read results below here:</source>
        <translation>(4) Leia os resultados aqui embaixo:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Opens the help, as Help &gt; Quorvel Help does</source>
        <translation>Abre a ajuda, como Ajuda &gt; Ajuda do Quorvel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Fecha o programa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Quorvel H&amp;elp</source>
        <translation>&amp;Ajuda do Quorvel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>The words found appear here when an analysis ends</source>
        <translation>As palavras encontradas aparecem aqui quando uma análise termina</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>Lists every word made of all the letters typed, in a window. See quorvel(1).</source>
        <translation>Lista em uma janela cada palavra formada com todas as letras digitadas. Veja quorvel(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the letters are typed in the window (quorvel-search takes them here).</source>
        <translation>Argumento inesperado “%1”: as letras são digitadas na janela (o quorvel-search é que as recebe aqui).</translation>
    </message>
    <message>
        <source>--dictionary: %1.</source>
        <translation>--dictionary: %1.</translation>
    </message>
    <message>
        <source>Try &apos;quorvel --help&apos; for more information.</source>
        <translation>Tente “quorvel --help” para mais informações.</translation>
    </message>
    <message>
        <source>Try every arrangement, even where the dictionary&apos;s word index could answer.</source>
        <translation>Testar todas as combinações, mesmo onde o índice de palavras do dicionário poderia responder.</translation>
    </message>
    <message>
        <source>Neither read nor write the dictionary cache (~/.cache/quorvel).</source>
        <translation>Não ler nem gravar o cache de dicionários (~/.cache/quorvel).</translation>
    </message>
    <message>
        <source>Use the dictionary of this language (de_DE) or at this path (a .dic file, or its path without the extension).</source>
        <translation>Usar o dicionário deste idioma (de_DE) ou deste caminho (um arquivo .dic, ou seu caminho sem a extensão).</translation>
    </message>
    <message>
        <source>NAME_OR_PATH</source>
        <translation>NOME_OU_CAMINHO</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR; en for English) instead of the one the locale names. The dictionary is chosen apart from it.</source>
        <translation>Usar este idioma (de, fr, pt_BR; en para inglês) em vez do indicado pela localidade. O dicionário é escolhido à parte.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>IDIOMA</translation>
    </message>
</context>
</TS>
