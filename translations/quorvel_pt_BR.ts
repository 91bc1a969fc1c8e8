<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AnalysisTool</name>
    <message>
        <source>every arrangement tried: %1</source>
        <translation>todas as combinações testadas: %1</translation>
    </message>
    <message>
        <source>answered by the word index, %1 s</source>
        <translation>respondido pelo índice de palavras, %1 s</translation>
    </message>
    <message>
        <source>%1 arrangements, %2 s, %3 arrangements/s</source>
        <translation>combinações: %1, %2 s, %3 combinações/s</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n candidate(s) settled by the dictionary&apos;s rules, without the checker</source>
        <translation>
            <numerusform>candidato decidido pelas regras do dicionário, sem o corretor: %1 de %n</numerusform>
            <numerusform>candidatos decididos pelas regras do dicionário, sem o corretor: %1 de %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n spelling(s) settled by the dictionary&apos;s rules, %1 asked of the checker</source>
        <translation>
            <numerusform>grafia decidida pelas regras do dicionário: %n; perguntas ao corretor: %1</numerusform>
            <numerusform>grafias decididas pelas regras do dicionário: %n; perguntas ao corretor: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CacheFile</name>
    <message>
        <source>it cannot be created: %1</source>
        <translation>não é possível criar o arquivo: %1</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>não é possível gravar o arquivo: %1</translation>
    </message>
</context>
<context>
    <name>ChmArchive</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>é maior que %1 MB</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>não pode ser aberto</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>a leitura foi cancelada</translation>
    </message>
    <message>
        <source>the decompressor cannot be started</source>
        <translation>não é possível iniciar o descompactador</translation>
    </message>
    <message>
        <source>its headers are not those of a compiled help file</source>
        <translation>seus cabeçalhos não são os de um arquivo de ajuda compilado</translation>
    </message>
    <message>
        <source>its directory has no chunks</source>
        <translation>seu diretório não tem blocos</translation>
    </message>
    <message>
        <source>its directory runs past the end of the file</source>
        <translation>seu diretório ultrapassa o fim do arquivo</translation>
    </message>
    <message>
        <source>its directory links to chunk %1, which does not exist</source>
        <translation>seu diretório aponta para o bloco %1, que não existe</translation>
    </message>
    <message>
        <source>its directory links back to chunk %1</source>
        <translation>seu diretório aponta de volta para o bloco %1</translation>
    </message>
    <message>
        <source>its directory chunk %1 is not a listing</source>
        <translation>o bloco %1 do seu diretório não é uma listagem</translation>
    </message>
    <message>
        <source>its directory chunk %1 is damaged</source>
        <translation>o bloco %1 do seu diretório está danificado</translation>
    </message>
    <message>
        <source>it lists more than %L1 files</source>
        <translation>lista mais de %L1 arquivos</translation>
    </message>
</context>
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
    <name>CommonOptions</name>
    <message>
        <source>Try every arrangement, even where the dictionary&apos;s word index could answer at once.</source>
        <translation>Testar todas as combinações, mesmo onde o índice de palavras do dicionário poderia responder na hora.</translation>
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
        <source>Speak this language (de, fr, pt_BR; en for English) instead of the one the environment names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). The dictionary is chosen apart from it.</source>
        <translation>Usar este idioma (de, fr, pt_BR; en para inglês) em vez do indicado pelo ambiente (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). O dicionário é escolhido à parte.</translation>
    </message>
    <message>
        <source>--dictionary: %1.</source>
        <translation>--dictionary: %1.</translation>
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
        <translation>O Quorvel resolve letras embaralhadas. Digite as letras e ele lista cada palavra formada com todas elas, usando cada letra uma única vez. A maioria dos dicionários responde na hora, não importa quantas letras sejam digitadas.</translation>
    </message>
    <message>
        <source>It carries no word list of its own: it uses the Hunspell dictionary of your language and the letter case you type, so a capital finds the names and nouns that are written with one.</source>
        <translation>Ele não traz uma lista de palavras própria: usa o dicionário Hunspell do seu idioma e respeita as maiúsculas e minúsculas que você digitar, de modo que uma maiúscula encontra os nomes próprios e os substantivos escritos com ela.</translation>
    </message>
    <message>
        <source>The letters tca give the words cat and act</source>
        <translation>As letras “tca” formam as palavras “cat” e “act”</translation>
    </message>
</context>
<context>
    <name>DictionaryCheck</name>
    <message>
        <source>it cannot be read</source>
        <translation>o arquivo não pode ser lido</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>não é possível abrir o arquivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is larger than the program reads</source>
        <translation>o arquivo é maior do que o programa lê</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>a leitura foi cancelada</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1.dic is larger than the program reads</source>
        <translation>%1.dic é maior do que o programa lê</translation>
    </message>
    <message>
        <source>SET %1 names an encoding that cannot be converted</source>
        <translation>SET %1 indica uma codificação que não pode ser convertida</translation>
    </message>
    <message>
        <source>SET %1 is no encoding a dictionary file can be in</source>
        <translation>SET %1 não é uma codificação possível para um arquivo de dicionário</translation>
    </message>
</context>
<context>
    <name>DictionaryChooser</name>
    <message>
        <source>%1 refused %2: %3</source>
        <translation>%1 recusou %2: %3</translation>
    </message>
    <message>
        <source>Nuspell and Hunspell refused %1: %2</source>
        <translation>Nuspell e Hunspell recusaram %1: %2</translation>
    </message>
</context>
<context>
    <name>DictionaryOption</name>
    <message>
        <source>there is no %1.aff with a %1.dic beside it</source>
        <translation>não há um %1.aff com um %1.dic ao lado</translation>
    </message>
    <message>
        <source>no dictionary %1 was found in %2</source>
        <translation>nenhum dicionário %1 foi encontrado em %2</translation>
    </message>
    <message numerus="yes">
        <source>alphabet of %n letters</source>
        <translation>
            <numerusform>alfabeto de %n letra</numerusform>
            <numerusform>alfabeto de %n letras</numerusform>
        </translation>
    </message>
    <message>
        <source>alphabet not known until the dictionary is first used</source>
        <translation>alfabeto desconhecido até o dicionário ser usado pela primeira vez</translation>
    </message>
    <message>
        <source>the locale asks for %1; the search tries %2 first (%3)</source>
        <translation>a localidade pede %1; a pesquisa tenta primeiro %2 (%3)</translation>
    </message>
    <message>
        <source>the locale asks for %1; no dictionary of it or of en_US was found</source>
        <translation>a localidade pede %1; não foi encontrado nenhum dicionário desse idioma nem de en_US</translation>
    </message>
    <message>
        <source>the locale names no language (American English); the search tries %1 first (%2)</source>
        <translation>a localidade não indica nenhum idioma (inglês americano); a pesquisa tenta primeiro %1 (%2)</translation>
    </message>
    <message>
        <source>the locale names no language (American English); no dictionary of it or of en_US was found</source>
        <translation>a localidade não indica nenhum idioma (inglês americano); não foi encontrado nenhum dicionário desse idioma nem de en_US</translation>
    </message>
</context>
<context>
    <name>ExitStatus</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Tente “%1 --help” para mais informações.</translation>
    </message>
</context>
<context>
    <name>GameOptions</name>
    <message>
        <source>List the words made of some of the letters, each used at most as often as given; &quot;?&quot; is a blank for any letter.</source>
        <translation>Listar as palavras formadas com parte das letras, cada uma usada no máximo tantas vezes quantas foi dada; “?” é um curinga para qualquer letra.</translation>
    </message>
    <message>
        <source>List the phrases of up to N words (1 to %1; %2 when N is left out) that use all the letters and blanks.</source>
        <translation>Listar as frases de até N palavras (de 1 a %1; %2 se N for omitido) que usam todas as letras e curingas.</translation>
    </message>
    <message>
        <source>With --some or --phrases: only words (phrases with a word) that hold the letters of W.</source>
        <translation>Com --some ou --phrases: apenas palavras (frases com uma palavra) que contêm as letras de W.</translation>
    </message>
    <message>
        <source>--some and --phrases cannot be given together.</source>
        <translation>--some e --phrases não podem ser usados juntos.</translation>
    </message>
    <message>
        <source>The letters are refused: %1.</source>
        <translation>As letras foram recusadas: %1.</translation>
    </message>
    <message>
        <source>--phrases takes a number of words from 1 to %1.</source>
        <translation>--phrases aceita um número de palavras de 1 a %1.</translation>
    </message>
    <message>
        <source>--min-length takes a number of letters from 1 to %1.</source>
        <translation>--min-length aceita um número de letras de 1 a %1.</translation>
    </message>
    <message>
        <source>--limit takes a number of results from 1 on.</source>
        <translation>--limit aceita um número de resultados a partir de 1.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot;: %2.</source>
        <translation>--pattern “%1”: %2.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has spaces between words: it fits phrases (--phrases), not words.</source>
        <translation>--pattern “%1” tem espaços entre palavras: serve para frases (--phrases), não para palavras.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 words, more than --phrases %3.</source>
        <translation>--pattern “%1” tem %2 palavras, mais que --phrases %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has a word of %2 letters, shorter than --min-length %3.</source>
        <translation>--pattern “%1” tem uma palavra de %2 letras, mais curta que --min-length %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 letters, but %3 letters and blanks were given.</source>
        <translation>--pattern “%1” tem %2 letras, mas foram dadas %3 letras e curingas.</translation>
    </message>
    <message>
        <source>Only words that fit P, one character per letter: &quot;?&quot; any letter, a letter itself, [abc] one of these, [^abc] none of these, a space between words. Without --some or --phrases, and without letters: every word of the dictionary that fits.</source>
        <translation>Apenas palavras que se encaixam em P, um caractere por letra: “?” representa qualquer letra; uma letra, a si mesma; [abc], uma destas letras; [^abc], nenhuma delas; um espaço, a separação entre palavras. Sem --some ou --phrases, e sem letras: cada palavra do dicionário que se encaixa.</translation>
    </message>
    <message>
        <source>In a game: leave out the words with any of these letters.</source>
        <translation>Em um jogo: deixar de fora as palavras com qualquer destas letras.</translation>
    </message>
    <message>
        <source>With --some or --pattern: keep only the words with all of these letters.</source>
        <translation>Com --some ou --pattern: manter apenas as palavras com todas estas letras.</translation>
    </message>
    <message>
        <source>With --phrases: only the phrases one of whose words is W.</source>
        <translation>Com --phrases: apenas as frases em que uma das palavras é W.</translation>
    </message>
    <message>
        <source>In a game: leave out the words spelt all in capitals (abbreviations).</source>
        <translation>Em um jogo: deixar de fora as palavras escritas todas em maiúsculas (abreviaturas).</translation>
    </message>
    <message>
        <source>In a game: leave out the words the dictionary spells only with a capital (names). In German, where every noun has a capital, only those spelt all in capitals.</source>
        <translation>Em um jogo: deixar de fora as palavras que o dicionário escreve só com inicial maiúscula (nomes próprios). Em alemão, onde todo substantivo tem maiúscula, apenas as escritas todas em maiúsculas.</translation>
    </message>
    <message>
        <source>In a game: only the words the dictionary lists, with their affixes; none that its rules for compounds make.</source>
        <translation>Em um jogo: apenas as palavras que o dicionário lista, com seus afixos; nenhuma que suas regras de compostos formem.</translation>
    </message>
    <message>
        <source>In a game: print each word&apos;s value with the tiles of the dictionary&apos;s language, a blank worth 0.</source>
        <translation>Em um jogo: mostrar o valor de cada palavra com as peças do idioma do dicionário; um curinga vale 0.</translation>
    </message>
    <message>
        <source>%1 takes letters A to Z.</source>
        <translation>%1 aceita letras de A a Z.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together.</source>
        <translation>%1 e %2 não podem ser usados juntos.</translation>
    </message>
    <message>
        <source>--sort takes score, length or alpha.</source>
        <translation>--sort aceita score, length ou alpha.</translation>
    </message>
    <message>
        <source>--sort score needs --scores.</source>
        <translation>--sort score precisa de --scores.</translation>
    </message>
    <message>
        <source>%1 %2: the letters given do not hold its letters.</source>
        <translation>%1 %2: as letras dadas não contêm as letras dele.</translation>
    </message>
    <message>
        <source>%1 needs --phrases.</source>
        <translation>%1 precisa de --phrases.</translation>
    </message>
    <message>
        <source>In a game: leave out the words of fewer than N letters (default 2); in a phrase, each of its words.</source>
        <translation>Em um jogo: deixar de fora as palavras de menos de N letras (padrão 2); em uma frase, cada uma de suas palavras.</translation>
    </message>
    <message>
        <source>In a game: print no more than N results, and say on standard error when some were left out (default: every word, the first %1 phrases).</source>
        <translation>Em um jogo: mostrar no máximo N resultados e informar na saída de erro padrão se alguns foram deixados de fora (padrão: todas as palavras, as primeiras %1 frases).</translation>
    </message>
    <message>
        <source>In a game: print the results as one JSON array instead of a line each; per result its &quot;words&quot;, its number of &quot;letters&quot;, in each word the positions of the letters &quot;blanks&quot; stand for, and with --scores its &quot;score&quot;.</source>
        <translation>Em um jogo: mostrar os resultados como um único array JSON em vez de uma linha cada; por resultado suas palavras &quot;words&quot;, seu número de letras &quot;letters&quot;, em cada palavra as posições das letras que os curingas representam &quot;blanks&quot;, e com --scores seu valor &quot;score&quot;.</translation>
    </message>
    <message>
        <source>%1 takes letters of the dictionary&apos;s alphabet.</source>
        <translation>%1 aceita letras do alfabeto do dicionário.</translation>
    </message>
    <message>
        <source>With --some or --pattern: the order of the words, score (highest first), length (longest first, the default) or alpha (alphabetical, as the dictionary&apos;s language sorts).</source>
        <translation>Com --some ou --pattern: a ordem das palavras, score (maior valor primeiro), length (a mais longa primeiro, o padrão) ou alpha (alfabética, como ordena o idioma do dicionário).</translation>
    </message>
    <message>
        <source>In a game: the words of this list (one a line, UTF-8, # comments, any alphabet) instead of the dictionary&apos;s, matched as the games match the letters of the dictionary&apos;s language; the spelling checker is not asked.</source>
        <translation>Em um jogo: as palavras desta lista (uma por linha, UTF-8, # para comentários, em qualquer alfabeto) em vez das do dicionário, comparadas como os jogos comparam as letras do idioma do dicionário; o verificador ortográfico não é consultado.</translation>
    </message>
</context>
<context>
    <name>GameOutput</name>
    <message>
        <source>stopped after %1 of %2 words, the limit (--limit)</source>
        <translation>interrompido após %1 de %2 palavras, o limite (--limit)</translation>
    </message>
    <message>
        <source>stopped early: %1; the list is not complete</source>
        <translation>interrompido antes do fim: %1; a lista não está completa</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n palavra; candidatas: %1, perguntas ao verificador: %2, %3 s</numerusform>
            <numerusform>%n palavras; candidatas: %1, perguntas ao verificador: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n frase; candidatas: %1, perguntas ao verificador: %2, %3 s</numerusform>
            <numerusform>%n frases; candidatas: %1, perguntas ao verificador: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped after %n phrase(s), the limit (--limit); there are more</source>
        <translation>
            <numerusform>interrompido após %n frase, o limite (--limit); há mais</numerusform>
            <numerusform>interrompido após %n frases, o limite (--limit); há mais</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n palavra; candidatas: %1, %2 s</numerusform>
            <numerusform>%n palavras; candidatas: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n frase; candidatas: %1, %2 s</numerusform>
            <numerusform>%n frases; candidatas: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n candidate word(s) left out</source>
        <translation>
            <numerusform>pelo menos %n palavra candidata deixada de fora</numerusform>
            <numerusform>pelo menos %n palavras candidatas deixadas de fora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n candidate word(s) left out</source>
        <translation>
            <numerusform>%n palavra candidata deixada de fora</numerusform>
            <numerusform>%n palavras candidatas deixadas de fora</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameTool</name>
    <message>
        <source>--some and --phrases need the word index of the dictionary, which cannot serve it: %1</source>
        <translation>--some e --phrases precisam do índice de palavras do dicionário, que não pode servir aqui: %1</translation>
    </message>
    <message>
        <source>--scores: the language of the dictionary %1 has no tile set here; these have one: %2.</source>
        <translation>--scores: o idioma do dicionário %1 não tem aqui um conjunto de peças; estes têm: %2.</translation>
    </message>
    <message>
        <source>--wordlist %1: %2.</source>
        <translation>--wordlist %1: %2.</translation>
    </message>
    <message>
        <source>The tile [%1] is not one of the tile set of the language of the dictionary %2.</source>
        <translation>A peça [%1] não faz parte do conjunto de peças do idioma do dicionário %2.</translation>
    </message>
    <message numerus="yes">
        <source>the words of the list %1: %n word(s), %2 left out for characters that are no letters; the spelling checker was not asked</source>
        <translation>
            <numerusform>as palavras da lista %1: %n palavra, deixadas de fora por terem caracteres que não são letras: %2; o verificador ortográfico não foi consultado</numerusform>
            <numerusform>as palavras da lista %1: %n palavras, deixadas de fora por terem caracteres que não são letras: %2; o verificador ortográfico não foi consultado</numerusform>
        </translation>
    </message>
    <message>
        <source>--pattern needs the word index of the dictionary, which cannot serve it: %1</source>
        <translation>--pattern precisa do índice de palavras do dicionário, que não pode servir aqui: %1</translation>
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
    <name>IndexLoading</name>
    <message>
        <source>the kept word index of %1 is not used: %2</source>
        <translation>o índice de palavras guardado de %1 não é usado: %2</translation>
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
    <name>KeptDictionary</name>
    <message>
        <source>the cache in %1 is not written: %2</source>
        <translation>o cache em %1 não é gravado: %2</translation>
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
    <message>
        <source>You entered an invalid character: %1.  Please only enter letters (no spaces, punctuation marks, numbers or symbols).</source>
        <translation>Você digitou um caractere inválido: %1. Digite apenas letras (sem espaços, sinais de pontuação, números ou símbolos).</translation>
    </message>
    <message>
        <source>The letter %1 is not in the alphabet of the dictionary %2.  Please only enter letters of that alphabet.</source>
        <translation>A letra %1 não faz parte do alfabeto do dicionário %2. Digite apenas letras desse alfabeto.</translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>A página é maior que o limite de %1 KB.</translation>
    </message>
    <message>
        <source>The page has more elements than the limit of %1.</source>
        <translation>A página tem mais elementos que o limite de %1.</translation>
    </message>
    <message>
        <source>The page has more table cells than the limit of %1.</source>
        <translation>A página tem mais células de tabela que o limite de %1.</translation>
    </message>
    <message>
        <source>The page nests its elements deeper than the limit of %1 levels.</source>
        <translation>A página aninha seus elementos além do limite de %1 níveis.</translation>
    </message>
    <message>
        <source>The page nests tables deeper than the limit of %1 levels.</source>
        <translation>A página aninha tabelas além do limite de %1 níveis.</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>line %1 has a NUL byte: this is no text file</source>
        <translation>a linha %1 contém um byte NUL: este não é um arquivo de texto</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>a linha %1 tem mais de %2 bytes</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text</source>
        <translation>a linha %1 não é texto UTF-8</translation>
    </message>
    <message>
        <source>it holds no word</source>
        <translation>não contém nenhuma palavra</translation>
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
    <name>ProgressLine</name>
    <message>
        <source>%1 of %2 %3, %4/s, about %5 s left</source>
        <translation>%3: %1 de %2, %4/s, cerca de %5 s restantes</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%3: %1 de %2</translation>
    </message>
    <message>
        <source>%1, about %2 s left</source>
        <translation>%1, cerca de %2 s restantes</translation>
    </message>
    <message>
        <source>first words of phrases tried</source>
        <translation>primeiras palavras de frases testadas</translation>
    </message>
    <message>
        <source>candidate words judged</source>
        <translation>candidatas avaliadas</translation>
    </message>
    <message>
        <source>building the dictionary&apos;s word index</source>
        <translation>criando o índice de palavras do dicionário</translation>
    </message>
    <message>
        <source>arrangements tried</source>
        <translation>combinações testadas</translation>
    </message>
    <message>
        <source>compounds named (of a bound)</source>
        <translation>compostos nomeados (de um limite)</translation>
    </message>
    <message>
        <source>candidates confirmed</source>
        <translation>candidatas confirmadas</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opções]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda sobre as opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda, incluindo as opções específicas do Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra informações sobre a versão.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opções desconhecidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta um valor após “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado após “%1”.</translation>
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
    <name>QueryLines</name>
    <message>
        <source>Line %1 is longer than %2 bytes and is not answered.</source>
        <translation>A linha %1 tem mais de %2 bytes e não é respondida.</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>the checker reads no dictionary file</source>
        <translation>o verificador não lê nenhum arquivo de dicionário</translation>
    </message>
    <message>
        <source>the letters are too many to count their arrangements exactly</source>
        <translation>há letras demais para contar suas combinações com exatidão</translation>
    </message>
    <message>
        <source>the index names more arrangements than trying them all is worth</source>
        <translation>o índice aponta tantas combinações que vale mais a pena testar todas</translation>
    </message>
    <message>
        <source>asked to (--exhaustive)</source>
        <translation>a pedido (--exhaustive)</translation>
    </message>
    <message>
        <source>the word index is still being built or read, and trying every arrangement is quicker</source>
        <translation>o índice de palavras ainda está sendo criado ou lido, e testar todas as combinações é mais rápido</translation>
    </message>
    <message>
        <source>its files cannot be read</source>
        <translation>os arquivos do dicionário não podem ser lidos</translation>
    </message>
    <message>
        <source>the word index is of another dictionary</source>
        <translation>o índice de palavras é de outro dicionário</translation>
    </message>
    <message>
        <source>the index was not finished</source>
        <translation>o índice não foi concluído</translation>
    </message>
    <message>
        <source>no process could be started to try it</source>
        <translation>nenhum processo pôde ser iniciado para testá-lo</translation>
    </message>
    <message>
        <source>the trying was cut short</source>
        <translation>o teste foi interrompido</translation>
    </message>
    <message>
        <source>it takes longer than any dictionary should to load</source>
        <translation>o carregamento demora mais do que qualquer dicionário deveria demorar</translation>
    </message>
    <message>
        <source>it takes more processor time than any dictionary should to load</source>
        <translation>o carregamento consome mais tempo de processador do que qualquer dicionário deveria</translation>
    </message>
    <message>
        <source>it fails loading it</source>
        <translation>falha ao carregá-lo</translation>
    </message>
    <message>
        <source>a question to it fails</source>
        <translation>uma consulta a ele falha</translation>
    </message>
    <message>
        <source>it dies loading it (signal %1)</source>
        <translation>encerra inesperadamente ao carregá-lo (sinal %1)</translation>
    </message>
    <message>
        <source>the helper program %1 cannot be started</source>
        <translation>não é possível iniciar o programa auxiliar %1</translation>
    </message>
    <message>
        <source>it accepts none of &quot;%1&quot; and the other first entries of its own word list</source>
        <translation>não aceita “%1” nem as outras primeiras entradas da sua própria lista de palavras</translation>
    </message>
    <message>
        <source>it accepts &quot;%1&quot;, which is no word: it accepts any string of Latin letters</source>
        <translation>aceita “%1”, que não é uma palavra: aceita qualquer sequência de letras latinas</translation>
    </message>
    <message>
        <source>the search for compounds took longer than its budget</source>
        <translation>a busca por palavras compostas demorou mais do que o previsto</translation>
    </message>
    <message>
        <source>the search for compounds was stopped</source>
        <translation>a busca por palavras compostas foi interrompida</translation>
    </message>
    <message>
        <source>the affix file has too many rules</source>
        <translation>o arquivo de afixos tem regras demais</translation>
    </message>
    <message>
        <source>COMPLEXPREFIXES turns the affix rules around</source>
        <translation>COMPLEXPREFIXES inverte as regras de afixos</translation>
    </message>
    <message>
        <source>IGNORE removes letters before the check</source>
        <translation>IGNORE remove letras antes da verificação</translation>
    </message>
    <message>
        <source>BREAK splits words at letters</source>
        <translation>BREAK divide as palavras onde aparecem certas letras</translation>
    </message>
    <message>
        <source>ICONV converts letters before the check</source>
        <translation>ICONV converte letras antes da verificação</translation>
    </message>
    <message>
        <source>COMPOUNDRULE with an open group</source>
        <translation>COMPOUNDRULE com um grupo não fechado</translation>
    </message>
    <message>
        <source>an affix line is too short</source>
        <translation>uma linha de afixo é curta demais</translation>
    </message>
    <message>
        <source>an affix header is malformed</source>
        <translation>um cabeçalho de afixo está malformado</translation>
    </message>
    <message>
        <source>an affix header names no flag</source>
        <translation>um cabeçalho de afixo não indica nenhum sinalizador</translation>
    </message>
    <message>
        <source>an affix condition is malformed</source>
        <translation>uma condição de afixo está malformada</translation>
    </message>
    <message>
        <source>the affix file names more than one encoding</source>
        <translation>o arquivo de afixos indica mais de uma codificação</translation>
    </message>
    <message>
        <source>FLAG comes after lines that use flags</source>
        <translation>FLAG vem depois de linhas que usam sinalizadores</translation>
    </message>
    <message>
        <source>the affix file has a line that is too long</source>
        <translation>o arquivo de afixos tem uma linha longa demais</translation>
    </message>
    <message>
        <source>the dictionary has too many words</source>
        <translation>o dicionário tem palavras demais</translation>
    </message>
    <message>
        <source>the dictionary has a line that is too long</source>
        <translation>o dicionário tem uma linha longa demais</translation>
    </message>
    <message>
        <source>the search for compounds took more steps than its budget of %1</source>
        <translation>a busca por palavras compostas precisou de mais passos do que seu limite de %1</translation>
    </message>
    <message>
        <source>the search for compounds named more than %1 candidates, its budget</source>
        <translation>a busca por palavras compostas apontou mais candidatos do que seu limite de %1</translation>
    </message>
    <message>
        <source>the dictionary files cannot be read: %1</source>
        <translation>os arquivos do dicionário não podem ser lidos: %1</translation>
    </message>
    <message>
        <source>its affix file cannot be read: %1</source>
        <translation>seu arquivo de afixos não pode ser lido: %1</translation>
    </message>
    <message>
        <source>the index of stems does not read back: %1</source>
        <translation>não foi possível reler o índice de radicais: %1</translation>
    </message>
    <message>
        <source>more than %1 letters and blanks</source>
        <translation>mais de %1 letras e curingas</translation>
    </message>
    <message>
        <source>the encoding %1 is not known</source>
        <translation>a codificação %1 é desconhecida</translation>
    </message>
    <message>
        <source>%1 has no count</source>
        <translation>%1 não indica o número de linhas</translation>
    </message>
    <message>
        <source>%1 line without a value</source>
        <translation>linha %1 sem valor</translation>
    </message>
    <message>
        <source>it reports: %1</source>
        <translation>informa: %1</translation>
    </message>
    <message>
        <source>the affix rules take too long to apply</source>
        <translation>aplicar as regras de afixos demora demais</translation>
    </message>
    <message>
        <source>a dictionary word has too many forms</source>
        <translation>uma palavra do dicionário tem formas demais</translation>
    </message>
    <message>
        <source>a dictionary word has too many spellings in letters</source>
        <translation>uma palavra do dicionário se escreve em letras de maneiras demais</translation>
    </message>
    <message>
        <source>the dictionary has too many forms</source>
        <translation>o dicionário tem formas demais</translation>
    </message>
    <message>
        <source>no letters were given</source>
        <translation>nenhuma letra foi dada</translation>
    </message>
    <message>
        <source>the affix file cannot be read</source>
        <translation>o arquivo de afixos não pode ser lido</translation>
    </message>
    <message>
        <source>it is not an index of stems of this version</source>
        <translation>não é um índice de radicais desta versão</translation>
    </message>
    <message>
        <source>its stems do not fit together</source>
        <translation>seus radicais não se encaixam</translation>
    </message>
    <message>
        <source>its affix file cannot be read</source>
        <translation>seu arquivo de afixos não pode ser lido</translation>
    </message>
    <message>
        <source>the search for the forms was stopped</source>
        <translation>a busca pelas formas foi interrompida</translation>
    </message>
    <message>
        <source>the letters have too many forms</source>
        <translation>as letras dão formas demais</translation>
    </message>
    <message>
        <source>it is not a word index of this version</source>
        <translation>não é um índice de palavras desta versão</translation>
    </message>
    <message>
        <source>its compound settings are damaged</source>
        <translation>suas configurações de palavras compostas estão danificadas</translation>
    </message>
    <message>
        <source>its sections do not agree</source>
        <translation>suas seções não concordam</translation>
    </message>
    <message>
        <source>its tree of keys is damaged</source>
        <translation>sua árvore de chaves está danificada</translation>
    </message>
    <message>
        <source>its keys do not match their forms</source>
        <translation>suas chaves não correspondem às suas formas</translation>
    </message>
    <message>
        <source>a form holds other characters than letters</source>
        <translation>uma forma contém outros caracteres além de letras</translation>
    </message>
    <message>
        <source>a form is not made of its key&apos;s letters</source>
        <translation>uma forma não é feita das letras da sua chave</translation>
    </message>
    <message>
        <source>its compound rule flags are damaged</source>
        <translation>seus sinalizadores das regras de palavras compostas estão danificados</translation>
    </message>
    <message>
        <source>no letters were typed</source>
        <translation>nenhuma letra foi digitada</translation>
    </message>
    <message>
        <source>more than 255 different letters were typed</source>
        <translation>foram digitadas mais de 255 letras diferentes</translation>
    </message>
    <message>
        <source>a letter typed is no letter a word is spelt with</source>
        <translation>uma letra digitada não aparece em nenhuma palavra</translation>
    </message>
    <message>
        <source>the letters typed spread in too many ways</source>
        <translation>há maneiras demais de distribuir as letras digitadas</translation>
    </message>
    <message>
        <source>the dictionary has more compounding rules than the search follows</source>
        <translation>o dicionário tem mais regras de palavras compostas do que a busca acompanha</translation>
    </message>
    <message>
        <source>a letter typed stands for letters the word index files apart</source>
        <translation>uma letra digitada representa letras que o índice de palavras arquiva separadamente</translation>
    </message>
    <message>
        <source>only letters, &quot;?&quot; for a blank, a tile of several letters in [ ] and spaces can be given</source>
        <translation>só é possível informar letras, “?” para um curinga, uma peça de várias letras entre [ ] e espaços</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; %3 more were left out</source>
        <translation>o verificador julgou %1 candidatas, das compostas no máximo as %2 do limite; mais %3 ficaram de fora</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; at least %3 more were left out</source>
        <translation>o verificador julgou %1 candidatas, das compostas no máximo as %2 do limite; pelo menos mais %3 ficaram de fora</translation>
    </message>
    <message>
        <source>a word found had more than %1 spellings in the letters of the pattern</source>
        <translation>uma palavra encontrada tinha mais de %1 grafias nas letras do padrão</translation>
    </message>
    <message>
        <source>the search took longer than its budget; %1 candidates were left out unjudged</source>
        <translation>a busca demorou mais do que o previsto; %1 candidatas ficaram de fora sem julgamento</translation>
    </message>
    <message>
        <source>the search took longer than its budget</source>
        <translation>a busca demorou mais do que o previsto</translation>
    </message>
    <message>
        <source>the phrase search took more steps than its budget of %1</source>
        <translation>a busca por frases precisou de mais passos do que seu limite de %1</translation>
    </message>
    <message>
        <source>the phrases passed their budget of %1</source>
        <translation>as frases passaram do seu limite de %1</translation>
    </message>
    <message>
        <source>the search was stopped</source>
        <translation>a busca foi interrompida</translation>
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
    <message>
        <source>Letters matched loosely: case does not matter, nor a mark that is no letter of its own in the dictionary&apos;s language</source>
        <translation>Letras comparadas de forma flexível: não importam maiúsculas e minúsculas nem um sinal diacrítico que não forma uma letra própria no idioma do dicionário</translation>
    </message>
</context>
<context>
    <name>SearchCommandLine</name>
    <message>
        <source>Ask the spelling checker from N threads (1: one question after another; default: one per core).</source>
        <translation>Consultar o verificador ortográfico com N threads (1: uma pergunta após a outra; padrão: uma por núcleo).</translation>
    </message>
    <message>
        <source>List the dictionaries found, and which one the locale picks.</source>
        <translation>Listar os dicionários encontrados e qual deles a localidade escolhe.</translation>
    </message>
    <message>
        <source>Lists every word made of all the given letters, as the Quorvel window does; with --some or --phrases, the words made of some of them or the phrases made of all of them.</source>
        <translation>Lista cada palavra formada com todas as letras dadas, como a janela do Quorvel; com --some ou --phrases, as palavras formadas com parte delas ou as frases formadas com todas.</translation>
    </message>
    <message>
        <source>%1 needs --some or --phrases.</source>
        <translation>%1 precisa de --some ou --phrases.</translation>
    </message>
    <message>
        <source>--threads and --exhaustive belong to the search for words of all the letters, not to --some or --phrases.</source>
        <translation>--threads e --exhaustive se aplicam à pesquisa de palavras com todas as letras, não a --some nem a --phrases.</translation>
    </message>
    <message>
        <source>--threads takes a number from 1 to %1</source>
        <translation>--threads aceita um número de 1 a %1</translation>
    </message>
    <message>
        <source>Give the letters as one argument.</source>
        <translation>Informe as letras como um único argumento.</translation>
    </message>
    <message>
        <source>The letters given are not UTF-8 text.</source>
        <translation>As letras dadas não são texto UTF-8.</translation>
    </message>
    <message>
        <source>Answer one query per line of standard input, the dictionary loaded once, each as soon as it is read (the letters are not given as an argument).</source>
        <translation>Responder a uma consulta por linha da entrada padrão, a cada uma assim que é lida, com o dicionário carregado uma só vez (as letras não são dadas como argumento).</translation>
    </message>
    <message>
        <source>--pattern without --some or --phrases lists the dictionary&apos;s words that fit it, and takes no letters.</source>
        <translation>--pattern sem --some ou --phrases lista as palavras do dicionário que se encaixam nele, e não aceita letras.</translation>
    </message>
    <message>
        <source>With --stdin the letters come from standard input, not as an argument.</source>
        <translation>Com --stdin as letras vêm da entrada padrão, não como argumento.</translation>
    </message>
    <message>
        <source>Match the letters loosely, as word-game players count them: case does not matter, nor a mark the dictionary&apos;s language has no letter of its own for (in French &quot;ete&quot; finds &quot;été&quot;; in Spanish &quot;n&quot; never stands for &quot;ñ&quot;). The word games (--some, --phrases, --pattern) always match so; with them it changes nothing.</source>
        <translation>Comparar as letras de forma flexível, como os jogadores de jogos de palavras as contam: não importam maiúsculas e minúsculas nem um sinal diacrítico para o qual o idioma do dicionário não tem uma letra própria (em francês “ete” encontra “été”; em espanhol “n” nunca substitui “ñ”). Os jogos de palavras (--some, --phrases, --pattern) sempre comparam assim; com eles, esta opção não muda nada.</translation>
    </message>
    <message>
        <source>The jumbled letters (of any alphabet, in either case); with --some or --phrases matched loosely, &quot;?&quot; is a blank tile and [ch] a tile of several letters.</source>
        <translation>As letras embaralhadas (de qualquer alfabeto, maiúsculas ou minúsculas); com --some ou --phrases, comparadas de forma flexível, “?” é um curinga e [ch] uma peça de várias letras.</translation>
    </message>
</context>
<context>
    <name>SearchTool</name>
    <message>
        <source>Letters: </source>
        <translation>Letras: </translation>
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
    <name>ToolIo</name>
    <message>
        <source>dictionary %1 (%2), engine %3</source>
        <translation>dicionário %1 (%2), mecanismo %3</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>it is larger than %1 MB, the most a word list may be</source>
        <translation>é maior que %1 MB, o máximo para uma lista de palavras</translation>
    </message>
    <message>
        <source>its words have too many different letters</source>
        <translation>suas palavras têm letras diferentes demais</translation>
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
        <translation>Ajuda do &amp;Quorvel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>S&amp;obre</translation>
    </message>
    <message>
        <source>The words found appear here when an analysis ends</source>
        <translation>As palavras encontradas aparecem aqui quando uma análise termina</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Match Letters &amp;Loosely</source>
        <translation>Correspondência &amp;flexível de letras</translation>
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
</context>
</TS>
