<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AnalysisTool</name>
    <message>
        <source>every arrangement tried: %1</source>
        <translation>provate tutte le combinazioni: %1</translation>
    </message>
    <message>
        <source>answered by the word index, %1 s</source>
        <translation>risposta dall&apos;indice delle parole, %1 s</translation>
    </message>
    <message>
        <source>%1 arrangements, %2 s, %3 arrangements/s</source>
        <translation>combinazioni: %1, %2 s, %3 combinazioni/s</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n candidate(s) settled by the dictionary&apos;s rules, without the checker</source>
        <translation>
            <numerusform>candidato deciso dalle regole del dizionario, senza il correttore: %1 su %n</numerusform>
            <numerusform>candidati decisi dalle regole del dizionario, senza il correttore: %1 su %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n spelling(s) settled by the dictionary&apos;s rules, %1 asked of the checker</source>
        <translation>
            <numerusform>grafia decisa dalle regole del dizionario: %n; domande al correttore: %1</numerusform>
            <numerusform>grafie decise dalle regole del dizionario: %n; domande al correttore: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CacheFile</name>
    <message>
        <source>it cannot be created: %1</source>
        <translation>impossibile creare il file: %1</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>impossibile scrivere il file: %1</translation>
    </message>
</context>
<context>
    <name>ChmArchive</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>supera i %1 MB</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>non si può aprire</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>non è leggibile</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>la lettura è stata annullata</translation>
    </message>
    <message>
        <source>the decompressor cannot be started</source>
        <translation>impossibile avviare il decompressore</translation>
    </message>
    <message>
        <source>its headers are not those of a compiled help file</source>
        <translation>le sue intestazioni non sono quelle di un file della guida compilato</translation>
    </message>
    <message>
        <source>its directory has no chunks</source>
        <translation>la sua directory non ha blocchi</translation>
    </message>
    <message>
        <source>its directory runs past the end of the file</source>
        <translation>la sua directory va oltre la fine del file</translation>
    </message>
    <message>
        <source>its directory links to chunk %1, which does not exist</source>
        <translation>la sua directory rimanda al blocco %1, che non esiste</translation>
    </message>
    <message>
        <source>its directory links back to chunk %1</source>
        <translation>la sua directory rimanda di nuovo al blocco %1</translation>
    </message>
    <message>
        <source>its directory chunk %1 is not a listing</source>
        <translation>il blocco %1 della sua directory non è un elenco</translation>
    </message>
    <message>
        <source>its directory chunk %1 is damaged</source>
        <translation>il blocco %1 della sua directory è danneggiato</translation>
    </message>
    <message>
        <source>it lists more than %L1 files</source>
        <translation>elenca più di %L1 file</translation>
    </message>
</context>
<context>
    <name>ChmBrowser</name>
    <message>
        <source>This page cannot be shown</source>
        <translation>Impossibile mostrare questa pagina</translation>
    </message>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>La pagina supera il limite di %1 KB.</translation>
    </message>
    <message>
        <source>The page %1 is not in this help file, or cannot be read from it.</source>
        <translation>La pagina %1 non è in questo file della guida o non è possibile leggerla.</translation>
    </message>
    <message>
        <source>The page %1 has nothing to show.</source>
        <translation>La pagina %1 non ha nulla da mostrare.</translation>
    </message>
</context>
<context>
    <name>CommonOptions</name>
    <message>
        <source>Try every arrangement, even where the dictionary&apos;s word index could answer at once.</source>
        <translation>Prova tutte le combinazioni, anche dove l&apos;indice delle parole del dizionario potrebbe rispondere subito.</translation>
    </message>
    <message>
        <source>Neither read nor write the dictionary cache (~/.cache/quorvel).</source>
        <translation>Non leggere né scrivere la cache dei dizionari (~/.cache/quorvel).</translation>
    </message>
    <message>
        <source>Use the dictionary of this language (de_DE) or at this path (a .dic file, or its path without the extension).</source>
        <translation>Usa il dizionario di questa lingua (de_DE) o in questo percorso (un file .dic, o il suo percorso senza estensione).</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR; en for English) instead of the one the environment names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). The dictionary is chosen apart from it.</source>
        <translation>Usa questa lingua (de, fr, pt_BR; en per l&apos;inglese) invece di quella indicata dall&apos;ambiente (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Il dizionario viene scelto a parte.</translation>
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
        <translation>Risolutore di anagrammi</translation>
    </message>
    <message>
        <source>Find every word that can be made from all of a set of jumbled letters</source>
        <translation>Trova ogni parola che si può formare con tutte le lettere di un insieme rimescolato</translation>
    </message>
    <message>
        <source>anagram;jumble;word;puzzle;</source>
        <translation>anagramma;lettere;parola;rompicapo;enigmistica;</translation>
    </message>
    <message>
        <source>Quorvel solves letter jumbles. Type the jumbled letters and it lists every word made of all of them, each once. Most dictionaries answer at once, however many letters are typed.</source>
        <translation>Quorvel risolve le lettere rimescolate. Digita le lettere e il programma elenca ogni parola formata con tutte, usando ciascuna una volta sola. La maggior parte dei dizionari risponde subito, per quante lettere si digitino.</translation>
    </message>
    <message>
        <source>It carries no word list of its own: it uses the Hunspell dictionary of your language and the letter case you type, so a capital finds the names and nouns that are written with one.</source>
        <translation>Non ha un elenco di parole proprio: usa il dizionario Hunspell della tua lingua e rispetta maiuscole e minuscole come le digiti, così una maiuscola trova i nomi propri e i sostantivi che si scrivono con essa.</translation>
    </message>
    <message>
        <source>The letters tca give the words cat and act</source>
        <translation>Le lettere «tca» danno le parole «cat» e «act»</translation>
    </message>
</context>
<context>
    <name>DictionaryCheck</name>
    <message>
        <source>it cannot be read</source>
        <translation>il file non è leggibile</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>impossibile aprire il file</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is larger than the program reads</source>
        <translation>il file è più grande di quanto il programma legga</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>la lettura è stata annullata</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1.dic is larger than the program reads</source>
        <translation>%1.dic è più grande di quanto il programma legga</translation>
    </message>
    <message>
        <source>SET %1 names an encoding that cannot be converted</source>
        <translation>SET %1 indica una codifica che non può essere convertita</translation>
    </message>
    <message>
        <source>SET %1 is no encoding a dictionary file can be in</source>
        <translation>SET %1 non è una codifica possibile per un file di dizionario</translation>
    </message>
</context>
<context>
    <name>DictionaryChooser</name>
    <message>
        <source>%1 refused %2: %3</source>
        <translation>%1 ha rifiutato %2: %3</translation>
    </message>
    <message>
        <source>Nuspell and Hunspell refused %1: %2</source>
        <translation>Nuspell e Hunspell hanno rifiutato %1: %2</translation>
    </message>
</context>
<context>
    <name>DictionaryOption</name>
    <message>
        <source>there is no %1.aff with a %1.dic beside it</source>
        <translation>non c&apos;è un %1.aff con accanto un %1.dic</translation>
    </message>
    <message>
        <source>no dictionary %1 was found in %2</source>
        <translation>nessun dizionario %1 trovato in %2</translation>
    </message>
    <message numerus="yes">
        <source>alphabet of %n letters</source>
        <translation>
            <numerusform>alfabeto di %n lettera</numerusform>
            <numerusform>alfabeto di %n lettere</numerusform>
        </translation>
    </message>
    <message>
        <source>alphabet not known until the dictionary is first used</source>
        <translation>alfabeto non noto finché il dizionario non viene usato per la prima volta</translation>
    </message>
    <message>
        <source>the locale asks for %1; the search tries %2 first (%3)</source>
        <translation>la localizzazione chiede %1; la ricerca prova prima %2 (%3)</translation>
    </message>
    <message>
        <source>the locale asks for %1; no dictionary of it or of en_US was found</source>
        <translation>la localizzazione chiede %1; non è stato trovato alcun dizionario né per essa né per en_US</translation>
    </message>
    <message>
        <source>the locale names no language (American English); the search tries %1 first (%2)</source>
        <translation>la localizzazione non indica alcuna lingua (inglese americano); la ricerca prova prima %1 (%2)</translation>
    </message>
    <message>
        <source>the locale names no language (American English); no dictionary of it or of en_US was found</source>
        <translation>la localizzazione non indica alcuna lingua (inglese americano); non è stato trovato alcun dizionario né per essa né per en_US</translation>
    </message>
</context>
<context>
    <name>ExitStatus</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Prova «%1 --help» per maggiori informazioni.</translation>
    </message>
</context>
<context>
    <name>GameOptions</name>
    <message>
        <source>List the words made of some of the letters, each used at most as often as given; &quot;?&quot; is a blank for any letter.</source>
        <translation>Elenca le parole formate con una parte delle lettere, ciascuna usata al massimo quante volte è data; «?» è un jolly per qualsiasi lettera.</translation>
    </message>
    <message>
        <source>List the phrases of up to N words (1 to %1; %2 when N is left out) that use all the letters and blanks.</source>
        <translation>Elenca le frasi di al massimo N parole (da 1 a %1; %2 se N è omesso) che usano tutte le lettere e i jolly.</translation>
    </message>
    <message>
        <source>With --some or --phrases: only words (phrases with a word) that hold the letters of W.</source>
        <translation>Con --some o --phrases: solo le parole (le frasi con una parola) che contengono le lettere di W.</translation>
    </message>
    <message>
        <source>--some and --phrases cannot be given together.</source>
        <translation>--some e --phrases non si possono indicare insieme.</translation>
    </message>
    <message>
        <source>The letters are refused: %1.</source>
        <translation>Le lettere sono rifiutate: %1.</translation>
    </message>
    <message>
        <source>--phrases takes a number of words from 1 to %1.</source>
        <translation>--phrases accetta un numero di parole da 1 a %1.</translation>
    </message>
    <message>
        <source>--min-length takes a number of letters from 1 to %1.</source>
        <translation>--min-length accetta un numero di lettere da 1 a %1.</translation>
    </message>
    <message>
        <source>--limit takes a number of results from 1 on.</source>
        <translation>--limit accetta un numero di risultati da 1 in su.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot;: %2.</source>
        <translation>--pattern «%1»: %2.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has spaces between words: it fits phrases (--phrases), not words.</source>
        <translation>--pattern «%1» ha spazi tra le parole: si adatta alle frasi (--phrases), non alle parole.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 words, more than --phrases %3.</source>
        <translation>--pattern «%1» ha %2 parole, più di --phrases %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has a word of %2 letters, shorter than --min-length %3.</source>
        <translation>--pattern «%1» ha una parola di %2 lettere, più corta di --min-length %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 letters, but %3 letters and blanks were given.</source>
        <translation>--pattern «%1» ha %2 lettere, ma sono state date %3 lettere e jolly.</translation>
    </message>
    <message>
        <source>Only words that fit P, one character per letter: &quot;?&quot; any letter, a letter itself, [abc] one of these, [^abc] none of these, a space between words. Without --some or --phrases, and without letters: every word of the dictionary that fits.</source>
        <translation>Solo le parole conformi a P, un carattere per lettera: «?» sta per qualsiasi lettera, una lettera per sé stessa, [abc] per una di queste lettere, [^abc] per nessuna di esse, uno spazio per la separazione tra le parole. Senza --some o --phrases, e senza lettere: ogni parola del dizionario che è conforme.</translation>
    </message>
    <message>
        <source>In a game: leave out the words with any of these letters.</source>
        <translation>In un gioco: tralasciare le parole con una qualsiasi di queste lettere.</translation>
    </message>
    <message>
        <source>With --some or --pattern: keep only the words with all of these letters.</source>
        <translation>Con --some o --pattern: tenere solo le parole con tutte queste lettere.</translation>
    </message>
    <message>
        <source>With --phrases: only the phrases one of whose words is W.</source>
        <translation>Con --phrases: solo le frasi una delle cui parole è W.</translation>
    </message>
    <message>
        <source>In a game: leave out the words spelt all in capitals (abbreviations).</source>
        <translation>In un gioco: tralasciare le parole scritte tutte in maiuscolo (abbreviazioni).</translation>
    </message>
    <message>
        <source>In a game: leave out the words the dictionary spells only with a capital (names). In German, where every noun has a capital, only those spelt all in capitals.</source>
        <translation>In un gioco: tralasciare le parole che il dizionario scrive solo con l&apos;iniziale maiuscola (nomi propri). In tedesco, dove ogni sostantivo ha la maiuscola, solo quelle scritte tutte in maiuscolo.</translation>
    </message>
    <message>
        <source>In a game: only the words the dictionary lists, with their affixes; none that its rules for compounds make.</source>
        <translation>In un gioco: solo le parole che il dizionario elenca, con i loro affissi; nessuna formata dalle sue regole per i composti.</translation>
    </message>
    <message>
        <source>In a game: print each word&apos;s value with the tiles of the dictionary&apos;s language, a blank worth 0.</source>
        <translation>In un gioco: stampare il valore di ogni parola con le tessere della lingua del dizionario; un jolly vale 0.</translation>
    </message>
    <message>
        <source>%1 takes letters A to Z.</source>
        <translation>%1 accetta lettere dalla A alla Z.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together.</source>
        <translation>%1 e %2 non si possono indicare insieme.</translation>
    </message>
    <message>
        <source>--sort takes score, length or alpha.</source>
        <translation>--sort accetta score, length o alpha.</translation>
    </message>
    <message>
        <source>--sort score needs --scores.</source>
        <translation>--sort score richiede --scores.</translation>
    </message>
    <message>
        <source>%1 %2: the letters given do not hold its letters.</source>
        <translation>%1 %2: le lettere date non contengono le sue lettere.</translation>
    </message>
    <message>
        <source>%1 needs --phrases.</source>
        <translation>%1 richiede --phrases.</translation>
    </message>
    <message>
        <source>In a game: leave out the words of fewer than N letters (default 2); in a phrase, each of its words.</source>
        <translation>In un gioco: tralasciare le parole di meno di N lettere (predefinito 2); in una frase, ciascuna delle sue parole.</translation>
    </message>
    <message>
        <source>In a game: print no more than N results, and say on standard error when some were left out (default: every word, the first %1 phrases).</source>
        <translation>In un gioco: stampare al massimo N risultati, e segnalare sullo standard error se alcuni sono stati tralasciati (predefinito: tutte le parole, le prime %1 frasi).</translation>
    </message>
    <message>
        <source>In a game: print the results as one JSON array instead of a line each; per result its &quot;words&quot;, its number of &quot;letters&quot;, in each word the positions of the letters &quot;blanks&quot; stand for, and with --scores its &quot;score&quot;.</source>
        <translation>In un gioco: stampare i risultati come un unico array JSON invece di una riga ciascuno; per ogni risultato le sue parole &quot;words&quot;, il suo numero di lettere &quot;letters&quot;, in ogni parola le posizioni delle lettere che i jolly sostituiscono &quot;blanks&quot;, e con --scores il suo valore &quot;score&quot;.</translation>
    </message>
    <message>
        <source>%1 takes letters of the dictionary&apos;s alphabet.</source>
        <translation>%1 accetta lettere dell&apos;alfabeto del dizionario.</translation>
    </message>
    <message>
        <source>With --some or --pattern: the order of the words, score (highest first), length (longest first, the default) or alpha (alphabetical, as the dictionary&apos;s language sorts).</source>
        <translation>Con --some o --pattern: l&apos;ordine delle parole, score (prima il valore più alto), length (prima la più lunga, il predefinito) o alpha (alfabetico, come ordina la lingua del dizionario).</translation>
    </message>
    <message>
        <source>In a game: the words of this list (one a line, UTF-8, # comments, any alphabet) instead of the dictionary&apos;s, matched as the games match the letters of the dictionary&apos;s language; the spelling checker is not asked.</source>
        <translation>In un gioco: le parole di questo elenco (una per riga, UTF-8, # per i commenti, in qualsiasi alfabeto) invece di quelle del dizionario, confrontate come i giochi confrontano le lettere della lingua del dizionario; il correttore ortografico non viene interrogato.</translation>
    </message>
</context>
<context>
    <name>GameOutput</name>
    <message>
        <source>stopped after %1 of %2 words, the limit (--limit)</source>
        <translation>fermato dopo %1 parole su %2, il limite (--limit)</translation>
    </message>
    <message>
        <source>stopped early: %1; the list is not complete</source>
        <translation>fermato in anticipo: %1; l&apos;elenco non è completo</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n parola; candidate: %1, domande al correttore: %2, %3 s</numerusform>
            <numerusform>%n parole; candidate: %1, domande al correttore: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n frase; candidate: %1, domande al correttore: %2, %3 s</numerusform>
            <numerusform>%n frasi; candidate: %1, domande al correttore: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped after %n phrase(s), the limit (--limit); there are more</source>
        <translation>
            <numerusform>fermato dopo %n frase, il limite (--limit); ce ne sono altre</numerusform>
            <numerusform>fermato dopo %n frasi, il limite (--limit); ce ne sono altre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n parola; candidate: %1, %2 s</numerusform>
            <numerusform>%n parole; candidate: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n frase; candidate: %1, %2 s</numerusform>
            <numerusform>%n frasi; candidate: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n candidate word(s) left out</source>
        <translation>
            <numerusform>almeno %n parola candidata tralasciata</numerusform>
            <numerusform>almeno %n parole candidate tralasciate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n candidate word(s) left out</source>
        <translation>
            <numerusform>%n parola candidata tralasciata</numerusform>
            <numerusform>%n parole candidate tralasciate</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameTool</name>
    <message>
        <source>--some and --phrases need the word index of the dictionary, which cannot serve it: %1</source>
        <translation>--some e --phrases richiedono l&apos;indice delle parole del dizionario, che qui non può servire: %1</translation>
    </message>
    <message>
        <source>--scores: the language of the dictionary %1 has no tile set here; these have one: %2.</source>
        <translation>--scores: la lingua del dizionario %1 qui non ha un set di tessere; queste lo hanno: %2.</translation>
    </message>
    <message>
        <source>--wordlist %1: %2.</source>
        <translation>--wordlist %1: %2.</translation>
    </message>
    <message>
        <source>The tile [%1] is not one of the tile set of the language of the dictionary %2.</source>
        <translation>La tessera [%1] non fa parte del set di tessere della lingua del dizionario %2.</translation>
    </message>
    <message numerus="yes">
        <source>the words of the list %1: %n word(s), %2 left out for characters that are no letters; the spelling checker was not asked</source>
        <translation>
            <numerusform>le parole dell&apos;elenco %1: %n parola, tralasciate per caratteri che non sono lettere: %2; il correttore ortografico non è stato interrogato</numerusform>
            <numerusform>le parole dell&apos;elenco %1: %n parole, tralasciate per caratteri che non sono lettere: %2; il correttore ortografico non è stato interrogato</numerusform>
        </translation>
    </message>
    <message>
        <source>--pattern needs the word index of the dictionary, which cannot serve it: %1</source>
        <translation>--pattern richiede l&apos;indice delle parole del dizionario, che qui non può servire: %1</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Help file (qv.chm) not found:</source>
        <translation>File della guida (qv.chm) non trovato:</translation>
    </message>
    <message>
        <source>The help file you chose does not exist.</source>
        <translation>Il file della guida scelto non esiste.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Error occurred: </source>
        <translation>Si è verificato un errore: </translation>
    </message>
    <message>
        <source>Help File (*.chm)|*.chm</source>
        <translation>File della guida (*.chm)|*.chm</translation>
    </message>
    <message>
        <source>The help file could not be found.  This could be caused by the Quorvel program file being copied or moved away from the location where it was initially installed.  If you would like to view the help file then please specify its location.  The name of the file is qv.chm and the default location is in the directory where the Quorvel program was initially installed.</source>
        <translation>Impossibile trovare il file della guida. Il file del programma Quorvel potrebbe essere stato copiato o spostato dalla posizione in cui era stato installato. Per consultare la guida, indica dove si trova. Il file si chiama qv.chm e di norma si trova nella cartella in cui Quorvel era stato installato.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>This help file cannot be shown</source>
        <translation>Impossibile mostrare questo file della guida</translation>
    </message>
    <message>
        <source>%1 is not a readable compiled help (CHM) file: %2.</source>
        <translation>%1 non è un file della guida compilato (CHM) leggibile: %2.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>non è leggibile</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigazione</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>it names no start page</source>
        <translation>non indica alcuna pagina iniziale</translation>
    </message>
    <message>
        <source>(The rest is left out: more than %1 lines.)</source>
        <translation>(Il resto è omesso: più di %1 righe.)</translation>
    </message>
</context>
<context>
    <name>IndexLoading</name>
    <message>
        <source>the kept word index of %1 is not used: %2</source>
        <translation>l&apos;indice delle parole salvato di %1 non viene usato: %2</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>--language: there is no translation for &apos;%1&apos;; the languages are: %2.</source>
        <translation>--language: non esiste una traduzione per «%1»; le lingue disponibili sono: %2.</translation>
    </message>
</context>
<context>
    <name>KeptDictionary</name>
    <message>
        <source>the cache in %1 is not written: %2</source>
        <translation>la cache in %1 non viene scritta: %2</translation>
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
        <translation>Hai inserito almeno un carattere non valido. Inserisci solo lettere (niente spazi, segni di punteggiatura, numeri o simboli).</translation>
    </message>
    <message>
        <source>You didn&apos;t enter any letters.  Please enter your jumbled letters, then press the button to analyze.</source>
        <translation>Non hai inserito alcuna lettera. Inserisci le lettere rimescolate, poi premi il pulsante per analizzarle.</translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message numerus="yes">
        <source>You entered %n letters to analyze.  It could take a significant amount of time.  Do you want to continue?</source>
        <translation>
            <numerusform>Hai inserito %n lettera da analizzare. Potrebbe richiedere molto tempo. Vuoi continuare?</numerusform>
            <numerusform>Hai inserito %n lettere da analizzare. Potrebbe richiedere molto tempo. Vuoi continuare?</numerusform>
        </translation>
    </message>
    <message>
        <source>You need to have a Hunspell dictionary for your language or for American English (Debian package hunspell-en-us) installed on your PC for this program to run.  Neither was found on your computer.  This program can not continue.</source>
        <translation>Per il funzionamento di questo programma deve essere installato sul computer un dizionario Hunspell della tua lingua o dell&apos;inglese americano (pacchetto Debian hunspell-en-us). Non è stato trovato nessuno dei due. Il programma non può continuare.</translation>
    </message>
    <message>
        <source>You don&apos;t seem to have a new enough version of Nuspell or Hunspell for this program to run. This program can not continue.</source>
        <translation>La tua versione di Nuspell o Hunspell non sembra abbastanza recente per questo programma. Il programma non può continuare.</translation>
    </message>
    <message>
        <source>Done - No words found</source>
        <translation>Fatto: nessuna parola trovata</translation>
    </message>
    <message numerus="yes">
        <source>Done - Found %n words: </source>
        <translation>
            <numerusform>Fatto: trovata %n parola: </numerusform>
            <numerusform>Fatto: trovate %n parole: </numerusform>
        </translation>
    </message>
    <message>
        <source>You entered an invalid character: %1.  Please only enter letters (no spaces, punctuation marks, numbers or symbols).</source>
        <translation>Hai inserito un carattere non valido: %1. Inserisci solo lettere (niente spazi, segni di punteggiatura, numeri o simboli).</translation>
    </message>
    <message>
        <source>The letter %1 is not in the alphabet of the dictionary %2.  Please only enter letters of that alphabet.</source>
        <translation>La lettera %1 non fa parte dell&apos;alfabeto del dizionario %2. Inserisci solo lettere di questo alfabeto.</translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>La pagina supera il limite di %1 KB.</translation>
    </message>
    <message>
        <source>The page has more elements than the limit of %1.</source>
        <translation>La pagina ha più elementi del limite di %1.</translation>
    </message>
    <message>
        <source>The page has more table cells than the limit of %1.</source>
        <translation>La pagina ha più celle di tabella del limite di %1.</translation>
    </message>
    <message>
        <source>The page nests its elements deeper than the limit of %1 levels.</source>
        <translation>La pagina annida i suoi elementi oltre il limite di %1 livelli.</translation>
    </message>
    <message>
        <source>The page nests tables deeper than the limit of %1 levels.</source>
        <translation>La pagina annida tabelle oltre il limite di %1 livelli.</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>line %1 has a NUL byte: this is no text file</source>
        <translation>la riga %1 contiene un byte NUL: questo non è un file di testo</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>la riga %1 è più lunga di %2 byte</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text</source>
        <translation>la riga %1 non è testo UTF-8</translation>
    </message>
    <message>
        <source>it holds no word</source>
        <translation>non contiene alcuna parola</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message numerus="yes">
        <source>about %n second(s) left</source>
        <translation>
            <numerusform>circa %n secondo rimanente</numerusform>
            <numerusform>circa %n secondi rimanenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s) left</source>
        <translation>
            <numerusform>circa %n minuto rimanente</numerusform>
            <numerusform>circa %n minuti rimanenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hour(s) left</source>
        <translation>
            <numerusform>circa %n ora rimanente</numerusform>
            <numerusform>circa %n ore rimanenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n day(s) left</source>
        <translation>
            <numerusform>circa %n giorno rimanente</numerusform>
            <numerusform>circa %n giorni rimanenti</numerusform>
        </translation>
    </message>
    <message>
        <source>years left</source>
        <translation>anni rimanenti</translation>
    </message>
    <message>
        <source>No analysis is running.</source>
        <translation>Nessuna analisi in corso.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>%1 of %2 %3, %4/s, about %5 s left</source>
        <translation>%3: %1 di %2, %4/s, circa %5 s rimanenti</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%3: %1 di %2</translation>
    </message>
    <message>
        <source>%1, about %2 s left</source>
        <translation>%1, circa %2 s rimanenti</translation>
    </message>
    <message>
        <source>first words of phrases tried</source>
        <translation>prime parole di frasi provate</translation>
    </message>
    <message>
        <source>candidate words judged</source>
        <translation>candidate valutate</translation>
    </message>
    <message>
        <source>building the dictionary&apos;s word index</source>
        <translation>creazione dell&apos;indice delle parole del dizionario</translation>
    </message>
    <message>
        <source>arrangements tried</source>
        <translation>combinazioni provate</translation>
    </message>
    <message>
        <source>compounds named (of a bound)</source>
        <translation>composti nominati (su un limite)</translation>
    </message>
    <message>
        <source>candidates confirmed</source>
        <translation>candidate confermate</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilizzo: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opzioni]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argomenti:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra la guida sulle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra la guida, comprese le opzioni specifiche di Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra le informazioni sulla versione.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opzione sconosciuta «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opzioni sconosciute: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valore mancante dopo «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valore non previsto dopo «%1».</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rifai</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copia il co&amp;llegamento</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
</context>
<context>
    <name>QtOpenFileDialog</name>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permesso negato: %1</translation>
    </message>
</context>
<context>
    <name>QueryLines</name>
    <message>
        <source>Line %1 is longer than %2 bytes and is not answered.</source>
        <translation>La riga %1 è più lunga di %2 byte e non riceve risposta.</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>the checker reads no dictionary file</source>
        <translation>il correttore non legge alcun file di dizionario</translation>
    </message>
    <message>
        <source>the letters are too many to count their arrangements exactly</source>
        <translation>le lettere sono troppe per contarne esattamente le combinazioni</translation>
    </message>
    <message>
        <source>the index names more arrangements than trying them all is worth</source>
        <translation>l&apos;indice propone così tante combinazioni che conviene provarle tutte</translation>
    </message>
    <message>
        <source>asked to (--exhaustive)</source>
        <translation>su richiesta (--exhaustive)</translation>
    </message>
    <message>
        <source>the word index is still being built or read, and trying every arrangement is quicker</source>
        <translation>l&apos;indice delle parole è ancora in costruzione o in lettura, e provare tutte le combinazioni è più veloce</translation>
    </message>
    <message>
        <source>its files cannot be read</source>
        <translation>i file del dizionario non sono leggibili</translation>
    </message>
    <message>
        <source>the word index is of another dictionary</source>
        <translation>l&apos;indice delle parole è di un altro dizionario</translation>
    </message>
    <message>
        <source>the index was not finished</source>
        <translation>l&apos;indice non è stato completato</translation>
    </message>
    <message>
        <source>no process could be started to try it</source>
        <translation>non è stato possibile avviare alcun processo per provarlo</translation>
    </message>
    <message>
        <source>the trying was cut short</source>
        <translation>la prova è stata interrotta</translation>
    </message>
    <message>
        <source>it takes longer than any dictionary should to load</source>
        <translation>il caricamento richiede più tempo di quanto dovrebbe richiedere qualsiasi dizionario</translation>
    </message>
    <message>
        <source>it takes more processor time than any dictionary should to load</source>
        <translation>il caricamento richiede più tempo di processore di quanto dovrebbe richiedere qualsiasi dizionario</translation>
    </message>
    <message>
        <source>it fails loading it</source>
        <translation>il caricamento non riesce</translation>
    </message>
    <message>
        <source>a question to it fails</source>
        <translation>una richiesta che gli viene rivolta non va a buon fine</translation>
    </message>
    <message>
        <source>it dies loading it (signal %1)</source>
        <translation>si arresta in modo anomalo durante il caricamento (segnale %1)</translation>
    </message>
    <message>
        <source>the helper program %1 cannot be started</source>
        <translation>impossibile avviare il programma ausiliario %1</translation>
    </message>
    <message>
        <source>it accepts none of &quot;%1&quot; and the other first entries of its own word list</source>
        <translation>non accetta né «%1» né le altre prime voci del suo stesso elenco di parole</translation>
    </message>
    <message>
        <source>it accepts &quot;%1&quot;, which is no word: it accepts any string of Latin letters</source>
        <translation>accetta «%1», che non è una parola: accetta qualsiasi sequenza di lettere latine</translation>
    </message>
    <message>
        <source>the search for compounds took longer than its budget</source>
        <translation>la ricerca di parole composte ha richiesto più tempo del previsto</translation>
    </message>
    <message>
        <source>the search for compounds was stopped</source>
        <translation>la ricerca di parole composte è stata interrotta</translation>
    </message>
    <message>
        <source>the affix file has too many rules</source>
        <translation>il file degli affissi ha troppe regole</translation>
    </message>
    <message>
        <source>COMPLEXPREFIXES turns the affix rules around</source>
        <translation>COMPLEXPREFIXES inverte le regole degli affissi</translation>
    </message>
    <message>
        <source>IGNORE removes letters before the check</source>
        <translation>IGNORE rimuove lettere prima del controllo</translation>
    </message>
    <message>
        <source>BREAK splits words at letters</source>
        <translation>BREAK divide le parole in corrispondenza di lettere</translation>
    </message>
    <message>
        <source>ICONV converts letters before the check</source>
        <translation>ICONV converte lettere prima del controllo</translation>
    </message>
    <message>
        <source>COMPOUNDRULE with an open group</source>
        <translation>COMPOUNDRULE con un gruppo non chiuso</translation>
    </message>
    <message>
        <source>an affix line is too short</source>
        <translation>una riga di affisso è troppo corta</translation>
    </message>
    <message>
        <source>an affix header is malformed</source>
        <translation>un&apos;intestazione di affisso non è valida</translation>
    </message>
    <message>
        <source>an affix header names no flag</source>
        <translation>un&apos;intestazione di affisso non indica alcun flag</translation>
    </message>
    <message>
        <source>an affix condition is malformed</source>
        <translation>una condizione di affisso non è valida</translation>
    </message>
    <message>
        <source>the affix file names more than one encoding</source>
        <translation>il file degli affissi indica più di una codifica</translation>
    </message>
    <message>
        <source>FLAG comes after lines that use flags</source>
        <translation>FLAG viene dopo righe che usano flag</translation>
    </message>
    <message>
        <source>the affix file has a line that is too long</source>
        <translation>il file degli affissi ha una riga troppo lunga</translation>
    </message>
    <message>
        <source>the dictionary has too many words</source>
        <translation>il dizionario ha troppe parole</translation>
    </message>
    <message>
        <source>the dictionary has a line that is too long</source>
        <translation>il dizionario ha una riga troppo lunga</translation>
    </message>
    <message>
        <source>the search for compounds took more steps than its budget of %1</source>
        <translation>la ricerca di parole composte ha richiesto più passi del suo limite di %1</translation>
    </message>
    <message>
        <source>the search for compounds named more than %1 candidates, its budget</source>
        <translation>la ricerca di parole composte ha proposto più candidati del suo limite di %1</translation>
    </message>
    <message>
        <source>the dictionary files cannot be read: %1</source>
        <translation>i file del dizionario non sono leggibili: %1</translation>
    </message>
    <message>
        <source>its affix file cannot be read: %1</source>
        <translation>il suo file degli affissi non è leggibile: %1</translation>
    </message>
    <message>
        <source>the index of stems does not read back: %1</source>
        <translation>non è possibile rileggere l&apos;indice delle radici: %1</translation>
    </message>
    <message>
        <source>more than %1 letters and blanks</source>
        <translation>più di %1 lettere e jolly</translation>
    </message>
    <message>
        <source>the encoding %1 is not known</source>
        <translation>la codifica %1 è sconosciuta</translation>
    </message>
    <message>
        <source>%1 has no count</source>
        <translation>%1 non indica il numero di righe</translation>
    </message>
    <message>
        <source>%1 line without a value</source>
        <translation>riga %1 senza valore</translation>
    </message>
    <message>
        <source>it reports: %1</source>
        <translation>segnala: %1</translation>
    </message>
    <message>
        <source>the affix rules take too long to apply</source>
        <translation>applicare le regole degli affissi richiede troppo tempo</translation>
    </message>
    <message>
        <source>a dictionary word has too many forms</source>
        <translation>una parola del dizionario ha troppe forme</translation>
    </message>
    <message>
        <source>a dictionary word has too many spellings in letters</source>
        <translation>una parola del dizionario si scrive in lettere in troppi modi</translation>
    </message>
    <message>
        <source>the dictionary has too many forms</source>
        <translation>il dizionario ha troppe forme</translation>
    </message>
    <message>
        <source>no letters were given</source>
        <translation>non è stata indicata alcuna lettera</translation>
    </message>
    <message>
        <source>the affix file cannot be read</source>
        <translation>il file degli affissi non è leggibile</translation>
    </message>
    <message>
        <source>it is not an index of stems of this version</source>
        <translation>non è un indice delle radici di questa versione</translation>
    </message>
    <message>
        <source>its stems do not fit together</source>
        <translation>le sue radici non sono coerenti tra loro</translation>
    </message>
    <message>
        <source>its affix file cannot be read</source>
        <translation>il suo file degli affissi non è leggibile</translation>
    </message>
    <message>
        <source>the search for the forms was stopped</source>
        <translation>la ricerca delle forme è stata interrotta</translation>
    </message>
    <message>
        <source>the letters have too many forms</source>
        <translation>le lettere danno troppe forme</translation>
    </message>
    <message>
        <source>it is not a word index of this version</source>
        <translation>non è un indice delle parole di questa versione</translation>
    </message>
    <message>
        <source>its compound settings are damaged</source>
        <translation>le sue impostazioni delle parole composte sono danneggiate</translation>
    </message>
    <message>
        <source>its sections do not agree</source>
        <translation>le sue sezioni non concordano</translation>
    </message>
    <message>
        <source>its tree of keys is damaged</source>
        <translation>il suo albero delle chiavi è danneggiato</translation>
    </message>
    <message>
        <source>its keys do not match their forms</source>
        <translation>le sue chiavi non corrispondono alle loro forme</translation>
    </message>
    <message>
        <source>a form holds other characters than letters</source>
        <translation>una forma contiene caratteri che non sono lettere</translation>
    </message>
    <message>
        <source>a form is not made of its key&apos;s letters</source>
        <translation>una forma non è composta dalle lettere della sua chiave</translation>
    </message>
    <message>
        <source>its compound rule flags are damaged</source>
        <translation>i suoi flag delle regole delle parole composte sono danneggiati</translation>
    </message>
    <message>
        <source>no letters were typed</source>
        <translation>non è stata digitata alcuna lettera</translation>
    </message>
    <message>
        <source>more than 255 different letters were typed</source>
        <translation>sono state digitate più di 255 lettere diverse</translation>
    </message>
    <message>
        <source>a letter typed is no letter a word is spelt with</source>
        <translation>una lettera digitata non compare in nessuna parola</translation>
    </message>
    <message>
        <source>the letters typed spread in too many ways</source>
        <translation>le lettere digitate si distribuiscono in troppi modi</translation>
    </message>
    <message>
        <source>the dictionary has more compounding rules than the search follows</source>
        <translation>il dizionario ha più regole per le parole composte di quante ne segua la ricerca</translation>
    </message>
    <message>
        <source>a letter typed stands for letters the word index files apart</source>
        <translation>una lettera digitata sta per lettere che l’indice delle parole archivia separatamente</translation>
    </message>
    <message>
        <source>only letters, &quot;?&quot; for a blank, a tile of several letters in [ ] and spaces can be given</source>
        <translation>si possono indicare solo lettere, «?» per un jolly, una tessera di più lettere tra [ ] e spazi</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; %3 more were left out</source>
        <translation>il correttore ha giudicato %1 candidate, delle composte al più le %2 del limite; altre %3 sono state escluse</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; at least %3 more were left out</source>
        <translation>il correttore ha giudicato %1 candidate, delle composte al più le %2 del limite; almeno altre %3 sono state escluse</translation>
    </message>
    <message>
        <source>a word found had more than %1 spellings in the letters of the pattern</source>
        <translation>una parola trovata aveva più di %1 grafie nelle lettere dello schema</translation>
    </message>
    <message>
        <source>the search took longer than its budget; %1 candidates were left out unjudged</source>
        <translation>la ricerca ha richiesto più tempo del previsto; %1 candidate sono state escluse senza giudizio</translation>
    </message>
    <message>
        <source>the search took longer than its budget</source>
        <translation>la ricerca ha richiesto più tempo del previsto</translation>
    </message>
    <message>
        <source>the phrase search took more steps than its budget of %1</source>
        <translation>la ricerca di frasi ha richiesto più passi del suo limite di %1</translation>
    </message>
    <message>
        <source>the phrases passed their budget of %1</source>
        <translation>le frasi hanno superato il loro limite di %1</translation>
    </message>
    <message>
        <source>the search was stopped</source>
        <translation>la ricerca è stata interrotta</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Dictionary: %1 (%2)</source>
        <translation>Dizionario: %1 (%2)</translation>
    </message>
    <message>
        <source>Spelling checker: %1</source>
        <translation>Correttore ortografico: %1</translation>
    </message>
    <message>
        <source>Found through the word index, each word confirmed by the checker</source>
        <translation>Trovate tramite l&apos;indice delle parole, ognuna confermata dal correttore</translation>
    </message>
    <message>
        <source>Every arrangement tried: %1</source>
        <translation>Provate tutte le combinazioni: %1</translation>
    </message>
    <message>
        <source>Every arrangement tried</source>
        <translation>Provate tutte le combinazioni</translation>
    </message>
    <message>
        <source>Time: %1 s</source>
        <translation>Tempo: %1 s</translation>
    </message>
    <message>
        <source>No dictionary for your language (%1) is installed, so the %2 dictionary answered. Install the Hunspell dictionary of your language (a package named like hunspell-%3) to search in it.</source>
        <translation>Non è installato alcun dizionario per la tua lingua (%1), quindi ha risposto il dizionario %2. Installa il dizionario Hunspell della tua lingua (un pacchetto con un nome come hunspell-%3) per cercare in esso.</translation>
    </message>
    <message>
        <source>Letters matched loosely: case does not matter, nor a mark that is no letter of its own in the dictionary&apos;s language</source>
        <translation>Lettere confrontate in modo flessibile: non contano né le maiuscole né un segno diacritico che nella lingua del dizionario non forma una lettera a sé</translation>
    </message>
</context>
<context>
    <name>SearchCommandLine</name>
    <message>
        <source>Ask the spelling checker from N threads (1: one question after another; default: one per core).</source>
        <translation>Interroga il correttore ortografico da N thread (1: una domanda dopo l&apos;altra; predefinito: uno per core).</translation>
    </message>
    <message>
        <source>List the dictionaries found, and which one the locale picks.</source>
        <translation>Elenca i dizionari trovati e quale sceglie la localizzazione.</translation>
    </message>
    <message>
        <source>Lists every word made of all the given letters, as the Quorvel window does; with --some or --phrases, the words made of some of them or the phrases made of all of them.</source>
        <translation>Elenca ogni parola formata con tutte le lettere date, come fa la finestra di Quorvel; con --some o --phrases, le parole formate con una parte di esse o le frasi formate con tutte.</translation>
    </message>
    <message>
        <source>%1 needs --some or --phrases.</source>
        <translation>%1 richiede --some o --phrases.</translation>
    </message>
    <message>
        <source>--threads and --exhaustive belong to the search for words of all the letters, not to --some or --phrases.</source>
        <translation>--threads e --exhaustive riguardano la ricerca di parole con tutte le lettere, non --some né --phrases.</translation>
    </message>
    <message>
        <source>--threads takes a number from 1 to %1</source>
        <translation>--threads accetta un numero da 1 a %1</translation>
    </message>
    <message>
        <source>Give the letters as one argument.</source>
        <translation>Indica le lettere come un solo argomento.</translation>
    </message>
    <message>
        <source>The letters given are not UTF-8 text.</source>
        <translation>Le lettere date non sono testo UTF-8.</translation>
    </message>
    <message>
        <source>Answer one query per line of standard input, the dictionary loaded once, each as soon as it is read (the letters are not given as an argument).</source>
        <translation>Rispondere a una richiesta per riga dello standard input, a ciascuna appena letta, con il dizionario caricato una sola volta (le lettere non si danno come argomento).</translation>
    </message>
    <message>
        <source>--pattern without --some or --phrases lists the dictionary&apos;s words that fit it, and takes no letters.</source>
        <translation>--pattern senza --some o --phrases elenca le parole del dizionario conformi, e non accetta lettere.</translation>
    </message>
    <message>
        <source>With --stdin the letters come from standard input, not as an argument.</source>
        <translation>Con --stdin le lettere arrivano dallo standard input, non come argomento.</translation>
    </message>
    <message>
        <source>Match the letters loosely, as word-game players count them: case does not matter, nor a mark the dictionary&apos;s language has no letter of its own for (in French &quot;ete&quot; finds &quot;été&quot;; in Spanish &quot;n&quot; never stands for &quot;ñ&quot;). The word games (--some, --phrases, --pattern) always match so; with them it changes nothing.</source>
        <translation>Confrontare le lettere in modo flessibile, come le contano i giocatori di giochi di parole: non contano né le maiuscole né un segno diacritico per cui la lingua del dizionario non ha una lettera a sé (in francese «ete» trova «été»; in spagnolo «n» non sostituisce mai «ñ»). I giochi di parole (--some, --phrases, --pattern) confrontano sempre così; con essi questa opzione non cambia nulla.</translation>
    </message>
    <message>
        <source>The jumbled letters (of any alphabet, in either case); with --some or --phrases matched loosely, &quot;?&quot; is a blank tile and [ch] a tile of several letters.</source>
        <translation>Le lettere rimescolate (di qualsiasi alfabeto, maiuscole o minuscole); con --some o --phrases confrontate in modo flessibile, «?» è un jolly e [ch] una tessera di più lettere.</translation>
    </message>
</context>
<context>
    <name>SearchTool</name>
    <message>
        <source>Letters: </source>
        <translation>Lettere: </translation>
    </message>
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono al momento disponibili</translation>
    </message>
</context>
<context>
    <name>ToolIo</name>
    <message>
        <source>dictionary %1 (%2), engine %3</source>
        <translation>dizionario %1 (%2), motore %3</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>it is larger than %1 MB, the most a word list may be</source>
        <translation>è più grande di %1 MB, il massimo per un elenco di parole</translation>
    </message>
    <message>
        <source>its words have too many different letters</source>
        <translation>le sue parole hanno troppe lettere diverse</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>This application takes a jumbled set of letters and lists all valid words that can be made from all those letters.  It uses the spelling dictionaries of Nuspell and/or Hunspell in part of the analysis.</source>
        <translation>Questo programma prende un insieme di lettere rimescolate ed elenca tutte le parole valide che si possono formare con tutte quelle lettere. Per parte dell&apos;analisi usa i dizionari ortografici di Nuspell e/o Hunspell.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informazioni di &amp;sistema…</translation>
    </message>
    <message>
        <source>Visit us at: </source>
        <translation>Visitaci su: </translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
    <message>
        <source>The home page could not be opened in a web browser.

Its address is %1</source>
        <translation>Impossibile aprire il sito web in un browser.

Il suo indirizzo è %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The program&apos;s banner</source>
        <translation>Il banner del programma</translation>
    </message>
    <message>
        <source>4 Easy steps: </source>
        <translation>4 semplici passi: </translation>
    </message>
    <message>
        <source>Type the letters, analyze them, wait, then read the words found</source>
        <translation>Digita le lettere, analizzale, attendi, poi leggi le parole trovate</translation>
    </message>
    <message>
        <source>(1) Type the jumbled letters here:</source>
        <translation>(1) Digita qui le lettere rimescolate:</translation>
    </message>
    <message>
        <source>Letters A to Z only; Enter starts the analysis</source>
        <translation>Solo lettere dalla A alla Z; Invio avvia l&apos;analisi</translation>
    </message>
    <message>
        <source>(2) Click Here:</source>
        <translation>(2) Fai clic qui:</translation>
    </message>
    <message>
        <source>Analyze letters</source>
        <translation>Analizza le lettere</translation>
    </message>
    <message>
        <source>Finds every word made of all the letters typed</source>
        <translation>Trova ogni parola formata con tutte le lettere digitate</translation>
    </message>
    <message>
        <source>(3) Wait for analysis:</source>
        <translation>(3) Attendi l&apos;analisi:</translation>
    </message>
    <message>
        <source>cancel analysis</source>
        <translation>annulla l&apos;analisi</translation>
    </message>
    <message>
        <source>Stops the analysis under way</source>
        <translation>Interrompe l&apos;analisi in corso</translation>
    </message>
    <message>
        <source>(4) Read results below here:</source>
        <translation>(4) Leggi i risultati qui sotto:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Opens the help, as Help &gt; Quorvel Help does</source>
        <translation>Apre la guida, come Aiuto &gt; Guida di Quorvel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Chiude il programma</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Quorvel H&amp;elp</source>
        <translation>&amp;Guida di Quorvel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>The words found appear here when an analysis ends</source>
        <translation>Le parole trovate compaiono qui al termine di un&apos;analisi</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Match Letters &amp;Loosely</source>
        <translation>Corrispondenza &amp;flessibile delle lettere</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>Lists every word made of all the letters typed, in a window. See quorvel(1).</source>
        <translation>Elenca in una finestra ogni parola formata con tutte le lettere digitate. Vedi quorvel(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the letters are typed in the window (quorvel-search takes them here).</source>
        <translation>Argomento inatteso «%1»: le lettere si digitano nella finestra (quorvel-search invece le accetta qui).</translation>
    </message>
</context>
</TS>
