<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AnalysisTool</name>
    <message>
        <source>every arrangement tried: %1</source>
        <translation>elke volgorde geprobeerd: %1</translation>
    </message>
    <message>
        <source>answered by the word index, %1 s</source>
        <translation>beantwoord door de woordindex, %1 s</translation>
    </message>
    <message>
        <source>%1 arrangements, %2 s, %3 arrangements/s</source>
        <translation>volgordes: %1, %2 s, %3 volgordes/s</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n candidate(s) settled by the dictionary&apos;s rules, without the checker</source>
        <translation>
            <numerusform>%1 van %n kandidaat beslist door de regels van het woordenboek, zonder de spellingcontrole</numerusform>
            <numerusform>%1 van %n kandidaten beslist door de regels van het woordenboek, zonder de spellingcontrole</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n spelling(s) settled by the dictionary&apos;s rules, %1 asked of the checker</source>
        <translation>
            <numerusform>%n schrijfwijze beslist door de regels van het woordenboek, %1 aan de spellingcontrole gevraagd</numerusform>
            <numerusform>%n schrijfwijzen beslist door de regels van het woordenboek, %1 aan de spellingcontrole gevraagd</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CacheFile</name>
    <message>
        <source>it cannot be created: %1</source>
        <translation>het bestand kan niet worden aangemaakt: %1</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>het bestand kan niet worden geschreven: %1</translation>
    </message>
</context>
<context>
    <name>ChmArchive</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>het is groter dan %1 MB</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>het kan niet worden geopend</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>het kan niet worden gelezen</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>het lezen is geannuleerd</translation>
    </message>
    <message>
        <source>the decompressor cannot be started</source>
        <translation>de decompressor kan niet worden gestart</translation>
    </message>
    <message>
        <source>its headers are not those of a compiled help file</source>
        <translation>de headers zijn niet die van een gecompileerd helpbestand</translation>
    </message>
    <message>
        <source>its directory has no chunks</source>
        <translation>de directory bevat geen blokken</translation>
    </message>
    <message>
        <source>its directory runs past the end of the file</source>
        <translation>de directory loopt voorbij het einde van het bestand</translation>
    </message>
    <message>
        <source>its directory links to chunk %1, which does not exist</source>
        <translation>de directory verwijst naar blok %1, dat niet bestaat</translation>
    </message>
    <message>
        <source>its directory links back to chunk %1</source>
        <translation>de directory verwijst terug naar blok %1</translation>
    </message>
    <message>
        <source>its directory chunk %1 is not a listing</source>
        <translation>blok %1 van de directory is geen lijst</translation>
    </message>
    <message>
        <source>its directory chunk %1 is damaged</source>
        <translation>blok %1 van de directory is beschadigd</translation>
    </message>
    <message>
        <source>it lists more than %L1 files</source>
        <translation>het bevat meer dan %L1 bestanden</translation>
    </message>
</context>
<context>
    <name>ChmBrowser</name>
    <message>
        <source>This page cannot be shown</source>
        <translation>Deze pagina kan niet worden weergegeven</translation>
    </message>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>De pagina is groter dan de limiet van %1 KB.</translation>
    </message>
    <message>
        <source>The page %1 is not in this help file, or cannot be read from it.</source>
        <translation>De pagina %1 staat niet in dit helpbestand of kan er niet uit worden gelezen.</translation>
    </message>
    <message>
        <source>The page %1 has nothing to show.</source>
        <translation>De pagina %1 heeft niets om weer te geven.</translation>
    </message>
</context>
<context>
    <name>CommonOptions</name>
    <message>
        <source>Try every arrangement, even where the dictionary&apos;s word index could answer at once.</source>
        <translation>Elke volgorde proberen, ook waar de woordindex van het woordenboek meteen zou kunnen antwoorden.</translation>
    </message>
    <message>
        <source>Neither read nor write the dictionary cache (~/.cache/quorvel).</source>
        <translation>De woordenboekcache (~/.cache/quorvel) lezen noch schrijven.</translation>
    </message>
    <message>
        <source>Use the dictionary of this language (de_DE) or at this path (a .dic file, or its path without the extension).</source>
        <translation>Het woordenboek van deze taal (de_DE) of op dit pad gebruiken (een .dic-bestand, of het pad ervan zonder extensie).</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR; en for English) instead of the one the environment names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). The dictionary is chosen apart from it.</source>
        <translation>Deze taal gebruiken (de, fr, pt_BR; en voor Engels) in plaats van die welke de omgeving noemt (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Het woordenboek wordt los daarvan gekozen.</translation>
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
        <translation>Letterpuzzeloplosser</translation>
    </message>
    <message>
        <source>Find every word that can be made from all of a set of jumbled letters</source>
        <translation>Vind elk woord dat te maken is met alle letters van een door elkaar gehusselde reeks</translation>
    </message>
    <message>
        <source>anagram;jumble;word;puzzle;</source>
        <translation>anagram;letters;woord;puzzel;raadsel;</translation>
    </message>
    <message>
        <source>Quorvel solves letter jumbles. Type the jumbled letters and it lists every word made of all of them, each once. Most dictionaries answer at once, however many letters are typed.</source>
        <translation>Quorvel lost letterpuzzels op. Typ de door elkaar gehusselde letters en het toont elk woord dat met al die letters te maken is, waarbij elke letter één keer wordt gebruikt. De meeste woordenboeken antwoorden meteen, hoeveel letters er ook getypt worden.</translation>
    </message>
    <message>
        <source>It carries no word list of its own: it uses the Hunspell dictionary of your language and the letter case you type, so a capital finds the names and nouns that are written with one.</source>
        <translation>Het heeft geen eigen woordenlijst: het gebruikt het Hunspell-woordenboek van uw taal en houdt rekening met de hoofdletters die u typt, zodat een hoofdletter de namen en zelfstandige naamwoorden vindt die met een hoofdletter worden geschreven.</translation>
    </message>
    <message>
        <source>The letters tca give the words cat and act</source>
        <translation>De letters ‘tca’ geven de woorden ‘cat’ en ‘act’</translation>
    </message>
</context>
<context>
    <name>DictionaryCheck</name>
    <message>
        <source>it cannot be read</source>
        <translation>het bestand kan niet worden gelezen</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>het bestand kan niet worden geopend</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is larger than the program reads</source>
        <translation>het bestand is groter dan het programma inleest</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>het lezen is geannuleerd</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1.dic is larger than the program reads</source>
        <translation>%1.dic is groter dan het programma inleest</translation>
    </message>
    <message>
        <source>SET %1 names an encoding that cannot be converted</source>
        <translation>SET %1 noemt een codering die niet kan worden omgezet</translation>
    </message>
    <message>
        <source>SET %1 is no encoding a dictionary file can be in</source>
        <translation>SET %1 is geen codering waarin een woordenboekbestand kan staan</translation>
    </message>
</context>
<context>
    <name>DictionaryChooser</name>
    <message>
        <source>%1 refused %2: %3</source>
        <translation>%1 heeft %2 geweigerd: %3</translation>
    </message>
    <message>
        <source>Nuspell and Hunspell refused %1: %2</source>
        <translation>Nuspell en Hunspell hebben %1 geweigerd: %2</translation>
    </message>
</context>
<context>
    <name>DictionaryOption</name>
    <message>
        <source>there is no %1.aff with a %1.dic beside it</source>
        <translation>er is geen %1.aff met een %1.dic ernaast</translation>
    </message>
    <message>
        <source>no dictionary %1 was found in %2</source>
        <translation>geen woordenboek %1 gevonden in %2</translation>
    </message>
    <message numerus="yes">
        <source>alphabet of %n letters</source>
        <translation>
            <numerusform>alfabet van %n letter</numerusform>
            <numerusform>alfabet van %n letters</numerusform>
        </translation>
    </message>
    <message>
        <source>alphabet not known until the dictionary is first used</source>
        <translation>alfabet pas bekend als het woordenboek voor het eerst wordt gebruikt</translation>
    </message>
    <message>
        <source>the locale asks for %1; the search tries %2 first (%3)</source>
        <translation>de locale vraagt om %1; de zoekopdracht probeert eerst %2 (%3)</translation>
    </message>
    <message>
        <source>the locale asks for %1; no dictionary of it or of en_US was found</source>
        <translation>de locale vraagt om %1; er is geen woordenboek daarvan of van en_US gevonden</translation>
    </message>
    <message>
        <source>the locale names no language (American English); the search tries %1 first (%2)</source>
        <translation>de locale noemt geen taal (Amerikaans Engels); de zoekopdracht probeert eerst %1 (%2)</translation>
    </message>
    <message>
        <source>the locale names no language (American English); no dictionary of it or of en_US was found</source>
        <translation>de locale noemt geen taal (Amerikaans Engels); er is geen woordenboek daarvan of van en_US gevonden</translation>
    </message>
</context>
<context>
    <name>ExitStatus</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Probeer ‘%1 --help’ voor meer informatie.</translation>
    </message>
</context>
<context>
    <name>GameOptions</name>
    <message>
        <source>List the words made of some of the letters, each used at most as often as given; &quot;?&quot; is a blank for any letter.</source>
        <translation>De woorden tonen die met een deel van de letters te maken zijn, elke letter hoogstens zo vaak als gegeven; ‘?’ is een joker voor een willekeurige letter.</translation>
    </message>
    <message>
        <source>List the phrases of up to N words (1 to %1; %2 when N is left out) that use all the letters and blanks.</source>
        <translation>De woordgroepen van hoogstens N woorden tonen (1 tot en met %1; %2 als N ontbreekt) die alle letters en jokers gebruiken.</translation>
    </message>
    <message>
        <source>With --some or --phrases: only words (phrases with a word) that hold the letters of W.</source>
        <translation>Met --some of --phrases: alleen woorden (woordgroepen met een woord) die de letters van W bevatten.</translation>
    </message>
    <message>
        <source>--some and --phrases cannot be given together.</source>
        <translation>--some en --phrases kunnen niet samen worden opgegeven.</translation>
    </message>
    <message>
        <source>The letters are refused: %1.</source>
        <translation>De letters worden geweigerd: %1.</translation>
    </message>
    <message>
        <source>--phrases takes a number of words from 1 to %1.</source>
        <translation>--phrases verwacht een aantal woorden van 1 tot en met %1.</translation>
    </message>
    <message>
        <source>--min-length takes a number of letters from 1 to %1.</source>
        <translation>--min-length verwacht een aantal letters van 1 tot en met %1.</translation>
    </message>
    <message>
        <source>--limit takes a number of results from 1 on.</source>
        <translation>--limit verwacht een aantal resultaten vanaf 1.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot;: %2.</source>
        <translation>--pattern ‘%1’: %2.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has spaces between words: it fits phrases (--phrases), not words.</source>
        <translation>--pattern ‘%1’ heeft spaties tussen woorden: het past bij woordgroepen (--phrases), niet bij woorden.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 words, more than --phrases %3.</source>
        <translation>--pattern ‘%1’ heeft %2 woorden, meer dan --phrases %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has a word of %2 letters, shorter than --min-length %3.</source>
        <translation>--pattern ‘%1’ heeft een woord van %2 letters, korter dan --min-length %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 letters, but %3 letters and blanks were given.</source>
        <translation>--pattern ‘%1’ heeft %2 letters, maar er zijn %3 letters en jokers gegeven.</translation>
    </message>
    <message>
        <source>Only words that fit P, one character per letter: &quot;?&quot; any letter, a letter itself, [abc] one of these, [^abc] none of these, a space between words. Without --some or --phrases, and without letters: every word of the dictionary that fits.</source>
        <translation>Alleen woorden die bij P passen, één teken per letter: ‘?’ staat voor een willekeurige letter, een letter voor zichzelf, [abc] voor een van deze letters, [^abc] voor geen van deze, een spatie voor de scheiding tussen woorden. Zonder --some of --phrases, en zonder letters: elk woord van het woordenboek dat past.</translation>
    </message>
    <message>
        <source>In a game: leave out the words with any of these letters.</source>
        <translation>In een spel: de woorden met een van deze letters weglaten.</translation>
    </message>
    <message>
        <source>With --some or --pattern: keep only the words with all of these letters.</source>
        <translation>Met --some of --pattern: alleen de woorden met al deze letters houden.</translation>
    </message>
    <message>
        <source>With --phrases: only the phrases one of whose words is W.</source>
        <translation>Met --phrases: alleen de woordgroepen waarvan een woord W is.</translation>
    </message>
    <message>
        <source>In a game: leave out the words spelt all in capitals (abbreviations).</source>
        <translation>In een spel: de woorden weglaten die helemaal in hoofdletters zijn gespeld (afkortingen).</translation>
    </message>
    <message>
        <source>In a game: leave out the words the dictionary spells only with a capital (names). In German, where every noun has a capital, only those spelt all in capitals.</source>
        <translation>In een spel: de woorden weglaten die het woordenboek alleen met een hoofdletter spelt (namen). In het Duits, waar elk zelfstandig naamwoord een hoofdletter heeft, alleen die helemaal in hoofdletters.</translation>
    </message>
    <message>
        <source>In a game: only the words the dictionary lists, with their affixes; none that its rules for compounds make.</source>
        <translation>In een spel: alleen de woorden die het woordenboek noemt, met hun affixen; geen die zijn regels voor samenstellingen vormen.</translation>
    </message>
    <message>
        <source>In a game: print each word&apos;s value with the tiles of the dictionary&apos;s language, a blank worth 0.</source>
        <translation>In een spel: de waarde van elk woord tonen met de letterstenen van de taal van het woordenboek; een joker is 0 punten waard.</translation>
    </message>
    <message>
        <source>%1 takes letters A to Z.</source>
        <translation>%1 verwacht letters van A tot Z.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together.</source>
        <translation>%1 en %2 kunnen niet samen worden opgegeven.</translation>
    </message>
    <message>
        <source>--sort takes score, length or alpha.</source>
        <translation>--sort verwacht score, length of alpha.</translation>
    </message>
    <message>
        <source>--sort score needs --scores.</source>
        <translation>--sort score vereist --scores.</translation>
    </message>
    <message>
        <source>%1 %2: the letters given do not hold its letters.</source>
        <translation>%1 %2: de opgegeven letters bevatten de letters ervan niet.</translation>
    </message>
    <message>
        <source>%1 needs --phrases.</source>
        <translation>%1 vereist --phrases.</translation>
    </message>
    <message>
        <source>In a game: leave out the words of fewer than N letters (default 2); in a phrase, each of its words.</source>
        <translation>In een spel: woorden van minder dan N letters weglaten (standaard 2); in een woordgroep geldt dit voor elk van haar woorden.</translation>
    </message>
    <message>
        <source>In a game: print no more than N results, and say on standard error when some were left out (default: every word, the first %1 phrases).</source>
        <translation>In een spel: hoogstens N resultaten tonen, en op de standaardfoutuitvoer melden als er resultaten zijn weggelaten (standaard: alle woorden, de eerste %1 woordgroepen).</translation>
    </message>
    <message>
        <source>In a game: print the results as one JSON array instead of a line each; per result its &quot;words&quot;, its number of &quot;letters&quot;, in each word the positions of the letters &quot;blanks&quot; stand for, and with --scores its &quot;score&quot;.</source>
        <translation>In een spel: de resultaten als één JSON-array tonen in plaats van een regel per resultaat; per resultaat de woorden &quot;words&quot;, het aantal letters &quot;letters&quot;, in elk woord de posities van de letters waarvoor jokers staan &quot;blanks&quot;, en met --scores de waarde &quot;score&quot;.</translation>
    </message>
    <message>
        <source>%1 takes letters of the dictionary&apos;s alphabet.</source>
        <translation>%1 verwacht letters uit het alfabet van het woordenboek.</translation>
    </message>
    <message>
        <source>With --some or --pattern: the order of the words, score (highest first), length (longest first, the default) or alpha (alphabetical, as the dictionary&apos;s language sorts).</source>
        <translation>Met --some of --pattern: de volgorde van de woorden, score (hoogste waarde eerst), length (langste eerst, de standaard) of alpha (alfabetisch, zoals de taal van het woordenboek sorteert).</translation>
    </message>
    <message>
        <source>In a game: the words of this list (one a line, UTF-8, # comments, any alphabet) instead of the dictionary&apos;s, matched as the games match the letters of the dictionary&apos;s language; the spelling checker is not asked.</source>
        <translation>In een spel: de woorden van deze lijst (één per regel, UTF-8, # voor commentaar, in elk alfabet) in plaats van die van het woordenboek, vergeleken zoals de spellen de letters van de taal van het woordenboek vergelijken; de spellingcontrole wordt niet bevraagd.</translation>
    </message>
</context>
<context>
    <name>GameOutput</name>
    <message>
        <source>stopped after %1 of %2 words, the limit (--limit)</source>
        <translation>gestopt na %1 van %2 woorden, de limiet (--limit)</translation>
    </message>
    <message>
        <source>stopped early: %1; the list is not complete</source>
        <translation>voortijdig gestopt: %1; de lijst is niet volledig</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n woord; kandidaten: %1, vragen aan de spellingcontrole: %2, %3 s</numerusform>
            <numerusform>%n woorden; kandidaten: %1, vragen aan de spellingcontrole: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n woordgroep; kandidaten: %1, vragen aan de spellingcontrole: %2, %3 s</numerusform>
            <numerusform>%n woordgroepen; kandidaten: %1, vragen aan de spellingcontrole: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped after %n phrase(s), the limit (--limit); there are more</source>
        <translation>
            <numerusform>gestopt na %n woordgroep, de limiet (--limit); er zijn er meer</numerusform>
            <numerusform>gestopt na %n woordgroepen, de limiet (--limit); er zijn er meer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n woord; kandidaten: %1, %2 s</numerusform>
            <numerusform>%n woorden; kandidaten: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n woordgroep; kandidaten: %1, %2 s</numerusform>
            <numerusform>%n woordgroepen; kandidaten: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n candidate word(s) left out</source>
        <translation>
            <numerusform>ten minste %n kandidaat weggelaten</numerusform>
            <numerusform>ten minste %n kandidaten weggelaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n candidate word(s) left out</source>
        <translation>
            <numerusform>%n kandidaat weggelaten</numerusform>
            <numerusform>%n kandidaten weggelaten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameTool</name>
    <message>
        <source>--some and --phrases need the word index of the dictionary, which cannot serve it: %1</source>
        <translation>--some en --phrases hebben de woordindex van het woordenboek nodig, die hier niet kan dienen: %1</translation>
    </message>
    <message>
        <source>--scores: the language of the dictionary %1 has no tile set here; these have one: %2.</source>
        <translation>--scores: de taal van het woordenboek %1 heeft hier geen set letterstenen; deze hebben er een: %2.</translation>
    </message>
    <message>
        <source>--wordlist %1: %2.</source>
        <translation>--wordlist %1: %2.</translation>
    </message>
    <message>
        <source>The tile [%1] is not one of the tile set of the language of the dictionary %2.</source>
        <translation>De lettersteen [%1] hoort niet bij de set letterstenen van de taal van het woordenboek %2.</translation>
    </message>
    <message numerus="yes">
        <source>the words of the list %1: %n word(s), %2 left out for characters that are no letters; the spelling checker was not asked</source>
        <translation>
            <numerusform>de woorden van de lijst %1: %n woord, %2 weggelaten wegens tekens die geen letters zijn; de spellingcontrole is niet bevraagd</numerusform>
            <numerusform>de woorden van de lijst %1: %n woorden, %2 weggelaten wegens tekens die geen letters zijn; de spellingcontrole is niet bevraagd</numerusform>
        </translation>
    </message>
    <message>
        <source>--pattern needs the word index of the dictionary, which cannot serve it: %1</source>
        <translation>--pattern heeft de woordindex van het woordenboek nodig, die hier niet kan dienen: %1</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Help file (qv.chm) not found:</source>
        <translation>Helpbestand (qv.chm) niet gevonden:</translation>
    </message>
    <message>
        <source>The help file you chose does not exist.</source>
        <translation>Het gekozen helpbestand bestaat niet.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Error occurred: </source>
        <translation>Er is een fout opgetreden: </translation>
    </message>
    <message>
        <source>Help File (*.chm)|*.chm</source>
        <translation>Helpbestand (*.chm)|*.chm</translation>
    </message>
    <message>
        <source>The help file could not be found.  This could be caused by the Quorvel program file being copied or moved away from the location where it was initially installed.  If you would like to view the help file then please specify its location.  The name of the file is qv.chm and the default location is in the directory where the Quorvel program was initially installed.</source>
        <translation>Het helpbestand kan niet worden gevonden. Mogelijk is het programmabestand van Quorvel gekopieerd of verplaatst vanaf de plek waar het oorspronkelijk is geïnstalleerd. Als u de help wilt bekijken, geef dan aan waar deze staat. Het bestand heet qv.chm en staat standaard in de map waarin Quorvel oorspronkelijk is geïnstalleerd.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>This help file cannot be shown</source>
        <translation>Dit helpbestand kan niet worden weergegeven</translation>
    </message>
    <message>
        <source>%1 is not a readable compiled help (CHM) file: %2.</source>
        <translation>%1 is geen leesbaar gecompileerd helpbestand (CHM): %2.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>het kan niet worden gelezen</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigatie</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>it names no start page</source>
        <translation>het noemt geen startpagina</translation>
    </message>
    <message>
        <source>(The rest is left out: more than %1 lines.)</source>
        <translation>(De rest is weggelaten: meer dan %1 regels.)</translation>
    </message>
</context>
<context>
    <name>IndexLoading</name>
    <message>
        <source>the kept word index of %1 is not used: %2</source>
        <translation>de bewaarde woordindex van %1 wordt niet gebruikt: %2</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>--language: there is no translation for &apos;%1&apos;; the languages are: %2.</source>
        <translation>--language: er is geen vertaling voor ‘%1’; beschikbare talen: %2.</translation>
    </message>
</context>
<context>
    <name>KeptDictionary</name>
    <message>
        <source>the cache in %1 is not written: %2</source>
        <translation>de cache in %1 wordt niet geschreven: %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>PROBLEM</source>
        <translation>PROBLEEM</translation>
    </message>
    <message>
        <source>You entered at least one invalid character.  Please only enter letter (no spaces, punctuation marks, numbers or symbols).</source>
        <translation>U hebt minstens één ongeldig teken ingevoerd. Voer alleen letters in (geen spaties, leestekens, cijfers of symbolen).</translation>
    </message>
    <message>
        <source>You didn&apos;t enter any letters.  Please enter your jumbled letters, then press the button to analyze.</source>
        <translation>U hebt geen letters ingevoerd. Voer uw door elkaar gehusselde letters in en klik dan op de knop om ze te analyseren.</translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message numerus="yes">
        <source>You entered %n letters to analyze.  It could take a significant amount of time.  Do you want to continue?</source>
        <translation>
            <numerusform>U hebt %n letter ingevoerd om te analyseren. Dat kan veel tijd kosten. Wilt u doorgaan?</numerusform>
            <numerusform>U hebt %n letters ingevoerd om te analyseren. Dat kan veel tijd kosten. Wilt u doorgaan?</numerusform>
        </translation>
    </message>
    <message>
        <source>You need to have a Hunspell dictionary for your language or for American English (Debian package hunspell-en-us) installed on your PC for this program to run.  Neither was found on your computer.  This program can not continue.</source>
        <translation>Voor dit programma moet er op uw computer een Hunspell-woordenboek voor uw taal of voor Amerikaans Engels (Debian-pakket hunspell-en-us) geïnstalleerd zijn. Geen van beide is gevonden. Het programma kan niet verder.</translation>
    </message>
    <message>
        <source>You don&apos;t seem to have a new enough version of Nuspell or Hunspell for this program to run. This program can not continue.</source>
        <translation>Uw versie van Nuspell of Hunspell lijkt niet recent genoeg voor dit programma. Het programma kan niet verder.</translation>
    </message>
    <message>
        <source>Done - No words found</source>
        <translation>Klaar – geen woorden gevonden</translation>
    </message>
    <message numerus="yes">
        <source>Done - Found %n words: </source>
        <translation>
            <numerusform>Klaar – %n woord gevonden: </numerusform>
            <numerusform>Klaar – %n woorden gevonden: </numerusform>
        </translation>
    </message>
    <message>
        <source>You entered an invalid character: %1.  Please only enter letters (no spaces, punctuation marks, numbers or symbols).</source>
        <translation>U hebt een ongeldig teken ingevoerd: %1. Voer alleen letters in (geen spaties, leestekens, cijfers of symbolen).</translation>
    </message>
    <message>
        <source>The letter %1 is not in the alphabet of the dictionary %2.  Please only enter letters of that alphabet.</source>
        <translation>De letter %1 hoort niet bij het alfabet van woordenboek %2. Voer alleen letters van dat alfabet in.</translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>De pagina is groter dan de limiet van %1 KB.</translation>
    </message>
    <message>
        <source>The page has more elements than the limit of %1.</source>
        <translation>De pagina heeft meer elementen dan de limiet van %1.</translation>
    </message>
    <message>
        <source>The page has more table cells than the limit of %1.</source>
        <translation>De pagina heeft meer tabelcellen dan de limiet van %1.</translation>
    </message>
    <message>
        <source>The page nests its elements deeper than the limit of %1 levels.</source>
        <translation>De pagina nest haar elementen dieper dan de limiet van %1 niveaus.</translation>
    </message>
    <message>
        <source>The page nests tables deeper than the limit of %1 levels.</source>
        <translation>De pagina nest tabellen dieper dan de limiet van %1 niveaus.</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>line %1 has a NUL byte: this is no text file</source>
        <translation>regel %1 bevat een NUL-byte: dit is geen tekstbestand</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>regel %1 is langer dan %2 bytes</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text</source>
        <translation>regel %1 is geen UTF-8-tekst</translation>
    </message>
    <message>
        <source>it holds no word</source>
        <translation>er staat geen enkel woord in</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message numerus="yes">
        <source>about %n second(s) left</source>
        <translation>
            <numerusform>nog ongeveer %n seconde</numerusform>
            <numerusform>nog ongeveer %n seconden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s) left</source>
        <translation>
            <numerusform>nog ongeveer %n minuut</numerusform>
            <numerusform>nog ongeveer %n minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hour(s) left</source>
        <translation>
            <numerusform>nog ongeveer %n uur</numerusform>
            <numerusform>nog ongeveer %n uur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n day(s) left</source>
        <translation>
            <numerusform>nog ongeveer %n dag</numerusform>
            <numerusform>nog ongeveer %n dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>years left</source>
        <translation>nog jaren</translation>
    </message>
    <message>
        <source>No analysis is running.</source>
        <translation>Er loopt geen analyse.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>%1 of %2 %3, %4/s, about %5 s left</source>
        <translation>%3: %1 van %2, %4/s, nog ongeveer %5 s</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%3: %1 van %2</translation>
    </message>
    <message>
        <source>%1, about %2 s left</source>
        <translation>%1, nog ongeveer %2 s</translation>
    </message>
    <message>
        <source>first words of phrases tried</source>
        <translation>eerste woorden van woordgroepen geprobeerd</translation>
    </message>
    <message>
        <source>candidate words judged</source>
        <translation>kandidaten beoordeeld</translation>
    </message>
    <message>
        <source>building the dictionary&apos;s word index</source>
        <translation>woordindex van het woordenboek wordt opgebouwd</translation>
    </message>
    <message>
        <source>arrangements tried</source>
        <translation>volgordes geprobeerd</translation>
    </message>
    <message>
        <source>compounds named (of a bound)</source>
        <translation>samenstellingen genoemd (van een bovengrens)</translation>
    </message>
    <message>
        <source>candidates confirmed</source>
        <translation>kandidaten bevestigd</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Gebruik: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opties]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumenten:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Toont hulp over de opties voor de opdrachtregel.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Toont hulp inclusief Qt-specifieke opties.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Toont versie-informatie.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Onbekende optie: ‘%1’.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Onbekende opties: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Ontbrekende waarde na ‘%1’.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Onverwachte waarde na ‘%1’.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnie&amp;uw</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Kni&amp;ppen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>P&amp;lakken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Koppe&amp;ling kopiëren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
</context>
<context>
    <name>QtOpenFileDialog</name>
    <message>
        <source>Permission denied: %1</source>
        <translation>Toegang geweigerd: %1</translation>
    </message>
</context>
<context>
    <name>QueryLines</name>
    <message>
        <source>Line %1 is longer than %2 bytes and is not answered.</source>
        <translation>Regel %1 is langer dan %2 bytes en wordt niet beantwoord.</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>the checker reads no dictionary file</source>
        <translation>de spellingcontrole leest geen woordenboekbestand</translation>
    </message>
    <message>
        <source>the letters are too many to count their arrangements exactly</source>
        <translation>er zijn te veel letters om hun volgordes precies te tellen</translation>
    </message>
    <message>
        <source>the index names more arrangements than trying them all is worth</source>
        <translation>de index noemt zoveel volgordes dat het beter is ze allemaal te proberen</translation>
    </message>
    <message>
        <source>asked to (--exhaustive)</source>
        <translation>op verzoek (--exhaustive)</translation>
    </message>
    <message>
        <source>the word index is still being built or read, and trying every arrangement is quicker</source>
        <translation>de woordindex wordt nog opgebouwd of gelezen, en elke volgorde proberen is sneller</translation>
    </message>
    <message>
        <source>its files cannot be read</source>
        <translation>de bestanden van het woordenboek kunnen niet worden gelezen</translation>
    </message>
    <message>
        <source>the word index is of another dictionary</source>
        <translation>de woordindex hoort bij een ander woordenboek</translation>
    </message>
    <message>
        <source>the index was not finished</source>
        <translation>de index is niet voltooid</translation>
    </message>
    <message>
        <source>no process could be started to try it</source>
        <translation>er kon geen proces worden gestart om het te proberen</translation>
    </message>
    <message>
        <source>the trying was cut short</source>
        <translation>het proberen is afgebroken</translation>
    </message>
    <message>
        <source>it takes longer than any dictionary should to load</source>
        <translation>het laden duurt langer dan bij welk woordenboek dan ook zou mogen</translation>
    </message>
    <message>
        <source>it takes more processor time than any dictionary should to load</source>
        <translation>het laden kost meer processortijd dan bij welk woordenboek dan ook zou mogen</translation>
    </message>
    <message>
        <source>it fails loading it</source>
        <translation>het laden mislukt</translation>
    </message>
    <message>
        <source>a question to it fails</source>
        <translation>een vraag aan de spellingcontrole mislukt</translation>
    </message>
    <message>
        <source>it dies loading it (signal %1)</source>
        <translation>het crasht tijdens het laden (signaal %1)</translation>
    </message>
    <message>
        <source>the helper program %1 cannot be started</source>
        <translation>het hulpprogramma %1 kan niet worden gestart</translation>
    </message>
    <message>
        <source>it accepts none of &quot;%1&quot; and the other first entries of its own word list</source>
        <translation>het accepteert noch ‘%1’ noch de andere eerste items van zijn eigen woordenlijst</translation>
    </message>
    <message>
        <source>it accepts &quot;%1&quot;, which is no word: it accepts any string of Latin letters</source>
        <translation>het accepteert ‘%1’, dat geen woord is: het accepteert elke reeks Latijnse letters</translation>
    </message>
    <message>
        <source>the search for compounds took longer than its budget</source>
        <translation>het zoeken naar samenstellingen duurde langer dan voorzien</translation>
    </message>
    <message>
        <source>the search for compounds was stopped</source>
        <translation>het zoeken naar samenstellingen is gestopt</translation>
    </message>
    <message>
        <source>the affix file has too many rules</source>
        <translation>het affixbestand heeft te veel affixregels</translation>
    </message>
    <message>
        <source>COMPLEXPREFIXES turns the affix rules around</source>
        <translation>COMPLEXPREFIXES draait de affixregels om</translation>
    </message>
    <message>
        <source>IGNORE removes letters before the check</source>
        <translation>IGNORE verwijdert letters vóór de controle</translation>
    </message>
    <message>
        <source>BREAK splits words at letters</source>
        <translation>BREAK splitst woorden bij letters</translation>
    </message>
    <message>
        <source>ICONV converts letters before the check</source>
        <translation>ICONV zet letters om vóór de controle</translation>
    </message>
    <message>
        <source>COMPOUNDRULE with an open group</source>
        <translation>COMPOUNDRULE met een niet-gesloten groep</translation>
    </message>
    <message>
        <source>an affix line is too short</source>
        <translation>een PFX- of SFX-regel is te kort</translation>
    </message>
    <message>
        <source>an affix header is malformed</source>
        <translation>de kop van een affix is onjuist</translation>
    </message>
    <message>
        <source>an affix header names no flag</source>
        <translation>de kop van een affix noemt geen vlag</translation>
    </message>
    <message>
        <source>an affix condition is malformed</source>
        <translation>een affixvoorwaarde is onjuist</translation>
    </message>
    <message>
        <source>the affix file names more than one encoding</source>
        <translation>het affixbestand noemt meer dan één codering</translation>
    </message>
    <message>
        <source>FLAG comes after lines that use flags</source>
        <translation>FLAG staat na regels die vlaggen gebruiken</translation>
    </message>
    <message>
        <source>the affix file has a line that is too long</source>
        <translation>het affixbestand heeft een te lange regel</translation>
    </message>
    <message>
        <source>the dictionary has too many words</source>
        <translation>het woordenboek heeft te veel woorden</translation>
    </message>
    <message>
        <source>the dictionary has a line that is too long</source>
        <translation>het woordenboek heeft een te lange regel</translation>
    </message>
    <message>
        <source>the search for compounds took more steps than its budget of %1</source>
        <translation>het zoeken naar samenstellingen had meer stappen nodig dan de limiet van %1</translation>
    </message>
    <message>
        <source>the search for compounds named more than %1 candidates, its budget</source>
        <translation>het zoeken naar samenstellingen leverde meer kandidaten op dan de limiet van %1</translation>
    </message>
    <message>
        <source>the dictionary files cannot be read: %1</source>
        <translation>de bestanden van het woordenboek kunnen niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>its affix file cannot be read: %1</source>
        <translation>zijn affixbestand kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>the index of stems does not read back: %1</source>
        <translation>de stamindex kan niet opnieuw worden gelezen: %1</translation>
    </message>
    <message>
        <source>more than %1 letters and blanks</source>
        <translation>meer dan %1 letters en jokers</translation>
    </message>
    <message>
        <source>the encoding %1 is not known</source>
        <translation>de codering %1 is onbekend</translation>
    </message>
    <message>
        <source>%1 has no count</source>
        <translation>%1 geeft geen aantal regels</translation>
    </message>
    <message>
        <source>%1 line without a value</source>
        <translation>%1-regel zonder waarde</translation>
    </message>
    <message>
        <source>it reports: %1</source>
        <translation>melding: %1</translation>
    </message>
    <message>
        <source>the affix rules take too long to apply</source>
        <translation>het toepassen van de affixregels duurt te lang</translation>
    </message>
    <message>
        <source>a dictionary word has too many forms</source>
        <translation>een woord uit het woordenboek heeft te veel vormen</translation>
    </message>
    <message>
        <source>a dictionary word has too many spellings in letters</source>
        <translation>een woord uit het woordenboek is op te veel manieren in letters te schrijven</translation>
    </message>
    <message>
        <source>the dictionary has too many forms</source>
        <translation>het woordenboek heeft te veel vormen</translation>
    </message>
    <message>
        <source>no letters were given</source>
        <translation>er zijn geen letters gegeven</translation>
    </message>
    <message>
        <source>the affix file cannot be read</source>
        <translation>het affixbestand kan niet worden gelezen</translation>
    </message>
    <message>
        <source>it is not an index of stems of this version</source>
        <translation>het is geen stamindex van deze versie</translation>
    </message>
    <message>
        <source>its stems do not fit together</source>
        <translation>zijn stammen passen niet bij elkaar</translation>
    </message>
    <message>
        <source>its affix file cannot be read</source>
        <translation>zijn affixbestand kan niet worden gelezen</translation>
    </message>
    <message>
        <source>the search for the forms was stopped</source>
        <translation>het zoeken naar de vormen is gestopt</translation>
    </message>
    <message>
        <source>the letters have too many forms</source>
        <translation>de letters geven te veel vormen</translation>
    </message>
    <message>
        <source>it is not a word index of this version</source>
        <translation>het is geen woordindex van deze versie</translation>
    </message>
    <message>
        <source>its compound settings are damaged</source>
        <translation>zijn instellingen voor samenstellingen zijn beschadigd</translation>
    </message>
    <message>
        <source>its sections do not agree</source>
        <translation>zijn secties komen niet overeen</translation>
    </message>
    <message>
        <source>its tree of keys is damaged</source>
        <translation>zijn sleutelboom is beschadigd</translation>
    </message>
    <message>
        <source>its keys do not match their forms</source>
        <translation>zijn sleutels passen niet bij hun vormen</translation>
    </message>
    <message>
        <source>a form holds other characters than letters</source>
        <translation>een vorm bevat andere tekens dan letters</translation>
    </message>
    <message>
        <source>a form is not made of its key&apos;s letters</source>
        <translation>een vorm bestaat niet uit de letters van zijn sleutel</translation>
    </message>
    <message>
        <source>its compound rule flags are damaged</source>
        <translation>zijn vlaggen voor samenstellingsregels zijn beschadigd</translation>
    </message>
    <message>
        <source>no letters were typed</source>
        <translation>er zijn geen letters getypt</translation>
    </message>
    <message>
        <source>more than 255 different letters were typed</source>
        <translation>er zijn meer dan 255 verschillende letters getypt</translation>
    </message>
    <message>
        <source>a letter typed is no letter a word is spelt with</source>
        <translation>een getypte letter komt in geen enkel woord voor</translation>
    </message>
    <message>
        <source>the letters typed spread in too many ways</source>
        <translation>de getypte letters kunnen op te veel manieren worden verdeeld</translation>
    </message>
    <message>
        <source>the dictionary has more compounding rules than the search follows</source>
        <translation>het woordenboek heeft meer regels voor samenstellingen dan de zoekopdracht volgt</translation>
    </message>
    <message>
        <source>a letter typed stands for letters the word index files apart</source>
        <translation>een getypte letter staat voor letters die de woordindex apart opslaat</translation>
    </message>
    <message>
        <source>only letters, &quot;?&quot; for a blank, a tile of several letters in [ ] and spaces can be given</source>
        <translation>alleen letters, ‘?’ voor een joker, een lettersteen van meerdere letters tussen [ ] en spaties zijn toegestaan</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; %3 more were left out</source>
        <translation>de spellingcontrole beoordeelde %1 kandidaten, van de samenstellingen hoogstens de %2 van de limiet; nog %3 bleven buiten beschouwing</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; at least %3 more were left out</source>
        <translation>de spellingcontrole beoordeelde %1 kandidaten, van de samenstellingen hoogstens de %2 van de limiet; nog minstens %3 bleven buiten beschouwing</translation>
    </message>
    <message>
        <source>a word found had more than %1 spellings in the letters of the pattern</source>
        <translation>een gevonden woord had meer dan %1 schrijfwijzen in de letters van het patroon</translation>
    </message>
    <message>
        <source>the search took longer than its budget; %1 candidates were left out unjudged</source>
        <translation>het zoeken duurde langer dan voorzien; %1 kandidaten bleven onbeoordeeld buiten beschouwing</translation>
    </message>
    <message>
        <source>the search took longer than its budget</source>
        <translation>het zoeken duurde langer dan voorzien</translation>
    </message>
    <message>
        <source>the phrase search took more steps than its budget of %1</source>
        <translation>het zoeken naar woordgroepen had meer stappen nodig dan de limiet van %1</translation>
    </message>
    <message>
        <source>the phrases passed their budget of %1</source>
        <translation>de woordgroepen overschreden hun limiet van %1</translation>
    </message>
    <message>
        <source>the search was stopped</source>
        <translation>het zoeken werd gestopt</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Dictionary: %1 (%2)</source>
        <translation>Woordenboek: %1 (%2)</translation>
    </message>
    <message>
        <source>Spelling checker: %1</source>
        <translation>Spellingcontrole: %1</translation>
    </message>
    <message>
        <source>Found through the word index, each word confirmed by the checker</source>
        <translation>Gevonden via de woordindex, elk woord bevestigd door de spellingcontrole</translation>
    </message>
    <message>
        <source>Every arrangement tried: %1</source>
        <translation>Elke volgorde geprobeerd: %1</translation>
    </message>
    <message>
        <source>Every arrangement tried</source>
        <translation>Elke volgorde geprobeerd</translation>
    </message>
    <message>
        <source>Time: %1 s</source>
        <translation>Tijd: %1 s</translation>
    </message>
    <message>
        <source>No dictionary for your language (%1) is installed, so the %2 dictionary answered. Install the Hunspell dictionary of your language (a package named like hunspell-%3) to search in it.</source>
        <translation>Er is geen woordenboek voor uw taal (%1) geïnstalleerd, dus heeft het woordenboek %2 geantwoord. Installeer het Hunspell-woordenboek van uw taal (een pakket met een naam als hunspell-%3) om daarin te zoeken.</translation>
    </message>
    <message>
        <source>Letters matched loosely: case does not matter, nor a mark that is no letter of its own in the dictionary&apos;s language</source>
        <translation>Letters soepel vergeleken: hoofd- of kleine letters maken geen verschil, net zomin als een diakritisch teken dat in de taal van het woordenboek geen eigen letter vormt</translation>
    </message>
</context>
<context>
    <name>SearchCommandLine</name>
    <message>
        <source>Ask the spelling checker from N threads (1: one question after another; default: one per core).</source>
        <translation>De spellingcontrole vanuit N threads bevragen (1: de ene vraag na de andere; standaard: één per kern).</translation>
    </message>
    <message>
        <source>List the dictionaries found, and which one the locale picks.</source>
        <translation>De gevonden woordenboeken tonen, en welke daarvan de locale kiest.</translation>
    </message>
    <message>
        <source>Lists every word made of all the given letters, as the Quorvel window does; with --some or --phrases, the words made of some of them or the phrases made of all of them.</source>
        <translation>Toont elk woord dat uit alle gegeven letters bestaat, zoals het Quorvel-venster; met --some of --phrases de woorden uit een deel ervan of de woordgroepen uit alle letters.</translation>
    </message>
    <message>
        <source>%1 needs --some or --phrases.</source>
        <translation>%1 heeft --some of --phrases nodig.</translation>
    </message>
    <message>
        <source>--threads and --exhaustive belong to the search for words of all the letters, not to --some or --phrases.</source>
        <translation>--threads en --exhaustive horen bij het zoeken naar woorden van alle letters, niet bij --some of --phrases.</translation>
    </message>
    <message>
        <source>--threads takes a number from 1 to %1</source>
        <translation>--threads verwacht een getal van 1 tot en met %1</translation>
    </message>
    <message>
        <source>Give the letters as one argument.</source>
        <translation>Geef de letters als één argument.</translation>
    </message>
    <message>
        <source>The letters given are not UTF-8 text.</source>
        <translation>De opgegeven letters zijn geen UTF-8-tekst.</translation>
    </message>
    <message>
        <source>Answer one query per line of standard input, the dictionary loaded once, each as soon as it is read (the letters are not given as an argument).</source>
        <translation>Eén vraag per regel van de standaardinvoer beantwoorden, elke zodra hij gelezen is, met het woordenboek één keer geladen (de letters worden niet als argument gegeven).</translation>
    </message>
    <message>
        <source>--pattern without --some or --phrases lists the dictionary&apos;s words that fit it, and takes no letters.</source>
        <translation>--pattern zonder --some of --phrases toont de woorden van het woordenboek die erbij passen, en verwacht geen letters.</translation>
    </message>
    <message>
        <source>With --stdin the letters come from standard input, not as an argument.</source>
        <translation>Met --stdin komen de letters uit de standaardinvoer, niet als argument.</translation>
    </message>
    <message>
        <source>Match the letters loosely, as word-game players count them: case does not matter, nor a mark the dictionary&apos;s language has no letter of its own for (in French &quot;ete&quot; finds &quot;été&quot;; in Spanish &quot;n&quot; never stands for &quot;ñ&quot;). The word games (--some, --phrases, --pattern) always match so; with them it changes nothing.</source>
        <translation>Letters soepel vergelijken, zoals spelers van woordspellen ze tellen: hoofd- of kleine letters maken geen verschil, net zomin als een diakritisch teken waarvoor de taal van het woordenboek geen eigen letter heeft (in het Frans vindt ‘ete’ ‘été’; in het Spaans staat ‘n’ nooit voor ‘ñ’). De woordspellen (--some, --phrases, --pattern) vergelijken altijd zo; daarbij verandert deze optie niets.</translation>
    </message>
    <message>
        <source>The jumbled letters (of any alphabet, in either case); with --some or --phrases matched loosely, &quot;?&quot; is a blank tile and [ch] a tile of several letters.</source>
        <translation>De gehusselde letters (van elk alfabet, hoofd- of kleine letters); met --some of --phrases soepel vergeleken, ‘?’ is een joker en [ch] een lettersteen van meerdere letters.</translation>
    </message>
</context>
<context>
    <name>SearchTool</name>
    <message>
        <source>Letters: </source>
        <translation>Letters: </translation>
    </message>
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeeminformatie is op dit moment niet beschikbaar</translation>
    </message>
</context>
<context>
    <name>ToolIo</name>
    <message>
        <source>dictionary %1 (%2), engine %3</source>
        <translation>woordenboek %1 (%2), engine %3</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>it is larger than %1 MB, the most a word list may be</source>
        <translation>het is groter dan %1 MB, het maximum voor een woordenlijst</translation>
    </message>
    <message>
        <source>its words have too many different letters</source>
        <translation>de woorden bevatten te veel verschillende letters</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>This application takes a jumbled set of letters and lists all valid words that can be made from all those letters.  It uses the spelling dictionaries of Nuspell and/or Hunspell in part of the analysis.</source>
        <translation>Dit programma neemt een reeks door elkaar gehusselde letters en toont alle geldige woorden die met al die letters te maken zijn. Voor een deel van de analyse gebruikt het de spellingwoordenboeken van Nuspell en/of Hunspell.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeeminfo…</translation>
    </message>
    <message>
        <source>Visit us at: </source>
        <translation>Bezoek ons op: </translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versie %1.%2.%3</translation>
    </message>
    <message>
        <source>The home page could not be opened in a web browser.

Its address is %1</source>
        <translation>De website kon niet in een webbrowser worden geopend.

Het adres is %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The program&apos;s banner</source>
        <translation>De banner van het programma</translation>
    </message>
    <message>
        <source>4 Easy steps: </source>
        <translation>4 eenvoudige stappen: </translation>
    </message>
    <message>
        <source>Type the letters, analyze them, wait, then read the words found</source>
        <translation>Typ de letters, analyseer ze, wacht en lees dan de gevonden woorden</translation>
    </message>
    <message>
        <source>(1) Type the jumbled letters here:</source>
        <translation>(1) Typ hier de gehusselde letters:</translation>
    </message>
    <message>
        <source>Letters A to Z only; Enter starts the analysis</source>
        <translation>Alleen de letters A tot Z; Enter start de analyse</translation>
    </message>
    <message>
        <source>(2) Click Here:</source>
        <translation>(2) Klik hier:</translation>
    </message>
    <message>
        <source>Analyze letters</source>
        <translation>Letters analyseren</translation>
    </message>
    <message>
        <source>Finds every word made of all the letters typed</source>
        <translation>Vindt elk woord dat uit alle getypte letters bestaat</translation>
    </message>
    <message>
        <source>(3) Wait for analysis:</source>
        <translation>(3) Wacht op de analyse:</translation>
    </message>
    <message>
        <source>cancel analysis</source>
        <translation>analyse annuleren</translation>
    </message>
    <message>
        <source>Stops the analysis under way</source>
        <translation>Stopt de lopende analyse</translation>
    </message>
    <message>
        <source>(4) Read results below here:</source>
        <translation>(4) Lees hieronder de resultaten:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Opens the help, as Help &gt; Quorvel Help does</source>
        <translation>Opent de help, zoals Help &gt; Quorvel-help</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Sluit het programma af</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Quorvel H&amp;elp</source>
        <translation>&amp;Quorvel-help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>The words found appear here when an analysis ends</source>
        <translation>De gevonden woorden verschijnen hier als een analyse klaar is</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Match Letters &amp;Loosely</source>
        <translation>Letters &amp;soepel vergelijken</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>Lists every word made of all the letters typed, in a window. See quorvel(1).</source>
        <translation>Toont in een venster elk woord dat uit alle getypte letters bestaat. Zie quorvel(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the letters are typed in the window (quorvel-search takes them here).</source>
        <translation>Onverwacht argument ‘%1’: de letters worden in het venster getypt (quorvel-search neemt ze hier wel aan).</translation>
    </message>
</context>
</TS>
