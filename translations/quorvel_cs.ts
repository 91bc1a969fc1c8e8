<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>AnalysisTool</name>
    <message>
        <source>every arrangement tried: %1</source>
        <translation>vyzkoušena všechna uspořádání: %1</translation>
    </message>
    <message>
        <source>answered by the word index, %1 s</source>
        <translation>odpověděl rejstřík slov, %1 s</translation>
    </message>
    <message>
        <source>%1 arrangements, %2 s, %3 arrangements/s</source>
        <translation>uspořádání: %1, %2 s, %3 uspořádání/s</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n candidate(s) settled by the dictionary&apos;s rules, without the checker</source>
        <translation>
            <numerusform>kandidát rozhodnutý pravidly slovníku, bez kontroly pravopisu: %1 z %n</numerusform>
            <numerusform>kandidáti rozhodnutí pravidly slovníku, bez kontroly pravopisu: %1 z %n</numerusform>
            <numerusform>kandidáti rozhodnutí pravidly slovníku, bez kontroly pravopisu: %1 z %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n spelling(s) settled by the dictionary&apos;s rules, %1 asked of the checker</source>
        <translation>
            <numerusform>zápis rozhodnutý pravidly slovníku: %n; otázky kontrole pravopisu: %1</numerusform>
            <numerusform>zápisy rozhodnuté pravidly slovníku: %n; otázky kontrole pravopisu: %1</numerusform>
            <numerusform>zápisy rozhodnuté pravidly slovníku: %n; otázky kontrole pravopisu: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CacheFile</name>
    <message>
        <source>it cannot be created: %1</source>
        <translation>soubor nelze vytvořit: %1</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>soubor nelze zapsat: %1</translation>
    </message>
</context>
<context>
    <name>ChmArchive</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>je větší než %1 MB</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>nelze jej otevřít</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nejde o běžný soubor</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>nelze jej přečíst</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>jeho čtení bylo zrušeno</translation>
    </message>
    <message>
        <source>the decompressor cannot be started</source>
        <translation>dekompresor nelze spustit</translation>
    </message>
    <message>
        <source>its headers are not those of a compiled help file</source>
        <translation>jeho hlavičky neodpovídají souboru kompilované nápovědy</translation>
    </message>
    <message>
        <source>its directory has no chunks</source>
        <translation>jeho adresář nemá žádné bloky</translation>
    </message>
    <message>
        <source>its directory runs past the end of the file</source>
        <translation>jeho adresář přesahuje konec souboru</translation>
    </message>
    <message>
        <source>its directory links to chunk %1, which does not exist</source>
        <translation>jeho adresář odkazuje na blok %1, který neexistuje</translation>
    </message>
    <message>
        <source>its directory links back to chunk %1</source>
        <translation>jeho adresář odkazuje zpět na blok %1</translation>
    </message>
    <message>
        <source>its directory chunk %1 is not a listing</source>
        <translation>blok %1 jeho adresáře není výpis</translation>
    </message>
    <message>
        <source>its directory chunk %1 is damaged</source>
        <translation>blok %1 jeho adresáře je poškozený</translation>
    </message>
    <message>
        <source>it lists more than %L1 files</source>
        <translation>obsahuje více než %L1 souborů</translation>
    </message>
</context>
<context>
    <name>ChmBrowser</name>
    <message>
        <source>This page cannot be shown</source>
        <translation>Tuto stránku nelze zobrazit</translation>
    </message>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>Stránka překračuje limit %1 KB.</translation>
    </message>
    <message>
        <source>The page %1 is not in this help file, or cannot be read from it.</source>
        <translation>Stránka %1 v tomto souboru nápovědy není, nebo ji z něj nelze přečíst.</translation>
    </message>
    <message>
        <source>The page %1 has nothing to show.</source>
        <translation>Stránka %1 nemá co zobrazit.</translation>
    </message>
</context>
<context>
    <name>CommonOptions</name>
    <message>
        <source>Try every arrangement, even where the dictionary&apos;s word index could answer at once.</source>
        <translation>Zkoušet všechna uspořádání, i tam, kde by rejstřík slov slovníku mohl odpovědět hned.</translation>
    </message>
    <message>
        <source>Neither read nor write the dictionary cache (~/.cache/quorvel).</source>
        <translation>Nečíst ani nezapisovat mezipaměť slovníků (~/.cache/quorvel).</translation>
    </message>
    <message>
        <source>Use the dictionary of this language (de_DE) or at this path (a .dic file, or its path without the extension).</source>
        <translation>Použít slovník tohoto jazyka (de_DE) nebo na této cestě (soubor .dic nebo jeho cesta bez přípony).</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR; en for English) instead of the one the environment names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). The dictionary is chosen apart from it.</source>
        <translation>Používat tento jazyk (de, fr, pt_BR; en pro angličtinu) místo jazyka, který určuje prostředí (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Slovník se volí nezávisle.</translation>
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
        <translation>Řešení přesmyček</translation>
    </message>
    <message>
        <source>Find every word that can be made from all of a set of jumbled letters</source>
        <translation>Najde každé slovo, které lze složit ze všech písmen zpřeházené sady</translation>
    </message>
    <message>
        <source>anagram;jumble;word;puzzle;</source>
        <translation>přesmyčka;anagram;písmena;slovo;hádanka;</translation>
    </message>
    <message>
        <source>Quorvel solves letter jumbles. Type the jumbled letters and it lists every word made of all of them, each once. Most dictionaries answer at once, however many letters are typed.</source>
        <translation>Quorvel řeší přesmyčky. Napište zpřeházená písmena a program vypíše každé slovo složené ze všech těchto písmen, přičemž každé písmeno použije právě jednou. Většina slovníků odpoví okamžitě bez ohledu na to, kolik písmen napíšete.</translation>
    </message>
    <message>
        <source>It carries no word list of its own: it uses the Hunspell dictionary of your language and the letter case you type, so a capital finds the names and nouns that are written with one.</source>
        <translation>Nemá vlastní seznam slov: používá slovník Hunspell vašeho jazyka a řídí se velikostí písmen, jak je napíšete, takže velké písmeno najde vlastní jména a podstatná jména, která se píší s velkým písmenem.</translation>
    </message>
    <message>
        <source>The letters tca give the words cat and act</source>
        <translation>Z písmen „tca“ vzniknou slova „cat“ a „act“</translation>
    </message>
</context>
<context>
    <name>DictionaryCheck</name>
    <message>
        <source>it cannot be read</source>
        <translation>soubor nelze přečíst</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>soubor neexistuje</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>soubor nelze otevřít</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nejde o běžný soubor</translation>
    </message>
    <message>
        <source>it is larger than the program reads</source>
        <translation>soubor je větší, než program načítá</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>čtení bylo zrušeno</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1.dic is larger than the program reads</source>
        <translation>%1.dic je větší, než program načítá</translation>
    </message>
    <message>
        <source>SET %1 names an encoding that cannot be converted</source>
        <translation>SET %1 uvádí kódování, které nelze převést</translation>
    </message>
    <message>
        <source>SET %1 is no encoding a dictionary file can be in</source>
        <translation>SET %1 není kódování, v němž může být soubor slovníku uložen</translation>
    </message>
</context>
<context>
    <name>DictionaryChooser</name>
    <message>
        <source>%1 refused %2: %3</source>
        <translation>%1 odmítl %2: %3</translation>
    </message>
    <message>
        <source>Nuspell and Hunspell refused %1: %2</source>
        <translation>Nuspell i Hunspell odmítly %1: %2</translation>
    </message>
</context>
<context>
    <name>DictionaryOption</name>
    <message>
        <source>there is no %1.aff with a %1.dic beside it</source>
        <translation>neexistuje soubor %1.aff a vedle něj soubor %1.dic</translation>
    </message>
    <message>
        <source>no dictionary %1 was found in %2</source>
        <translation>slovník %1 nebyl v %2 nalezen</translation>
    </message>
    <message numerus="yes">
        <source>alphabet of %n letters</source>
        <translation>
            <numerusform>abeceda: %n písmeno</numerusform>
            <numerusform>abeceda: %n písmena</numerusform>
            <numerusform>abeceda: %n písmen</numerusform>
        </translation>
    </message>
    <message>
        <source>alphabet not known until the dictionary is first used</source>
        <translation>abeceda není známa, dokud se slovník poprvé nepoužije</translation>
    </message>
    <message>
        <source>the locale asks for %1; the search tries %2 first (%3)</source>
        <translation>národní prostředí žádá %1; hledání zkusí nejprve %2 (%3)</translation>
    </message>
    <message>
        <source>the locale asks for %1; no dictionary of it or of en_US was found</source>
        <translation>národní prostředí žádá %1; nebyl nalezen slovník pro něj ani pro en_US</translation>
    </message>
    <message>
        <source>the locale names no language (American English); the search tries %1 first (%2)</source>
        <translation>národní prostředí neurčuje jazyk (americká angličtina); hledání zkusí nejprve %1 (%2)</translation>
    </message>
    <message>
        <source>the locale names no language (American English); no dictionary of it or of en_US was found</source>
        <translation>národní prostředí neurčuje jazyk (americká angličtina); nebyl nalezen slovník pro ni ani pro en_US</translation>
    </message>
</context>
<context>
    <name>ExitStatus</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Více informací: „%1 --help“.</translation>
    </message>
</context>
<context>
    <name>GameOptions</name>
    <message>
        <source>List the words made of some of the letters, each used at most as often as given; &quot;?&quot; is a blank for any letter.</source>
        <translation>Vypsat slova složená z části písmen, každé použité nejvýše tolikrát, kolikrát je zadáno; „?“ je žolík za libovolné písmeno.</translation>
    </message>
    <message>
        <source>List the phrases of up to N words (1 to %1; %2 when N is left out) that use all the letters and blanks.</source>
        <translation>Vypsat fráze nejvýše o N slovech (1 až %1; %2, když N chybí), které použijí všechna písmena a žolíky.</translation>
    </message>
    <message>
        <source>With --some or --phrases: only words (phrases with a word) that hold the letters of W.</source>
        <translation>S --some nebo --phrases: jen slova (fráze se slovem), která obsahují písmena W.</translation>
    </message>
    <message>
        <source>--some and --phrases cannot be given together.</source>
        <translation>--some a --phrases nelze zadat zároveň.</translation>
    </message>
    <message>
        <source>The letters are refused: %1.</source>
        <translation>Písmena jsou odmítnuta: %1.</translation>
    </message>
    <message>
        <source>--phrases takes a number of words from 1 to %1.</source>
        <translation>--phrases přijímá počet slov od 1 do %1.</translation>
    </message>
    <message>
        <source>--min-length takes a number of letters from 1 to %1.</source>
        <translation>--min-length přijímá počet písmen od 1 do %1.</translation>
    </message>
    <message>
        <source>--limit takes a number of results from 1 on.</source>
        <translation>--limit přijímá počet výsledků od 1.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot;: %2.</source>
        <translation>--pattern „%1“: %2.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has spaces between words: it fits phrases (--phrases), not words.</source>
        <translation>--pattern „%1“ má mezery mezi slovy: hodí se pro fráze (--phrases), ne pro slova.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 words, more than --phrases %3.</source>
        <translation>--pattern „%1“ má slov: %2, víc než --phrases %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has a word of %2 letters, shorter than --min-length %3.</source>
        <translation>--pattern „%1“ má slovo o %2 písmenech, kratší než --min-length %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 letters, but %3 letters and blanks were given.</source>
        <translation>--pattern „%1“ má písmen: %2, ale zadáno bylo písmen a žolíků: %3.</translation>
    </message>
    <message>
        <source>Only words that fit P, one character per letter: &quot;?&quot; any letter, a letter itself, [abc] one of these, [^abc] none of these, a space between words. Without --some or --phrases, and without letters: every word of the dictionary that fits.</source>
        <translation>Jen slova odpovídající P, jeden znak na písmeno: „?“ libovolné písmeno, písmeno samo sebe, [abc] jedno z těchto písmen, [^abc] žádné z nich, mezera mezi slovy. Bez --some a --phrases a bez písmen: každé slovo slovníku, které odpovídá.</translation>
    </message>
    <message>
        <source>In a game: leave out the words with any of these letters.</source>
        <translation>Ve hře: vynechat slova, která obsahují kterékoli z těchto písmen.</translation>
    </message>
    <message>
        <source>With --some or --pattern: keep only the words with all of these letters.</source>
        <translation>S --some nebo --pattern: ponechat jen slova se všemi těmito písmeny.</translation>
    </message>
    <message>
        <source>With --phrases: only the phrases one of whose words is W.</source>
        <translation>S --phrases: jen fráze, jejichž jedno slovo je W.</translation>
    </message>
    <message>
        <source>In a game: leave out the words spelt all in capitals (abbreviations).</source>
        <translation>Ve hře: vynechat slova psaná celá velkými písmeny (zkratky).</translation>
    </message>
    <message>
        <source>In a game: leave out the words the dictionary spells only with a capital (names). In German, where every noun has a capital, only those spelt all in capitals.</source>
        <translation>Ve hře: vynechat slova, která slovník píše jen s velkým počátečním písmenem (vlastní jména). V němčině, kde každé podstatné jméno začíná velkým písmenem, jen slova psaná celá velkými písmeny.</translation>
    </message>
    <message>
        <source>In a game: only the words the dictionary lists, with their affixes; none that its rules for compounds make.</source>
        <translation>Ve hře: jen slova, která slovník uvádí, s jejich afixy; žádná, která tvoří jeho pravidla pro složeniny.</translation>
    </message>
    <message>
        <source>In a game: print each word&apos;s value with the tiles of the dictionary&apos;s language, a blank worth 0.</source>
        <translation>Ve hře: vypsat hodnotu každého slova podle kamenů jazyka slovníku, žolík má hodnotu 0.</translation>
    </message>
    <message>
        <source>%1 takes letters A to Z.</source>
        <translation>%1 přijímá písmena A až Z.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together.</source>
        <translation>%1 a %2 nelze zadat zároveň.</translation>
    </message>
    <message>
        <source>--sort takes score, length or alpha.</source>
        <translation>--sort přijímá score, length nebo alpha.</translation>
    </message>
    <message>
        <source>--sort score needs --scores.</source>
        <translation>--sort score vyžaduje --scores.</translation>
    </message>
    <message>
        <source>%1 %2: the letters given do not hold its letters.</source>
        <translation>%1 %2: zadaná písmena neobsahují jeho písmena.</translation>
    </message>
    <message>
        <source>%1 needs --phrases.</source>
        <translation>%1 vyžaduje --phrases.</translation>
    </message>
    <message>
        <source>In a game: leave out the words of fewer than N letters (default 2); in a phrase, each of its words.</source>
        <translation>Ve hře: vynechat slova o méně než N písmenech (výchozí 2); ve frázi každé z jejích slov.</translation>
    </message>
    <message>
        <source>In a game: print no more than N results, and say on standard error when some were left out (default: every word, the first %1 phrases).</source>
        <translation>Ve hře: vypsat nejvýše N výsledků a na standardním chybovém výstupu oznámit, pokud byly některé vynechány (výchozí: všechna slova, prvních %1 frází).</translation>
    </message>
    <message>
        <source>In a game: print the results as one JSON array instead of a line each; per result its &quot;words&quot;, its number of &quot;letters&quot;, in each word the positions of the letters &quot;blanks&quot; stand for, and with --scores its &quot;score&quot;.</source>
        <translation>Ve hře: vypsat výsledky jako jedno pole JSON místo řádku pro každý; u každého výsledku jeho slova &quot;words&quot;, počet písmen &quot;letters&quot;, v každém slově pozice písmen zastoupených žolíky &quot;blanks&quot;, a s --scores jeho hodnotu &quot;score&quot;.</translation>
    </message>
    <message>
        <source>%1 takes letters of the dictionary&apos;s alphabet.</source>
        <translation>%1 přijímá písmena abecedy slovníku.</translation>
    </message>
    <message>
        <source>With --some or --pattern: the order of the words, score (highest first), length (longest first, the default) or alpha (alphabetical, as the dictionary&apos;s language sorts).</source>
        <translation>S --some nebo --pattern: pořadí slov, score (nejvyšší hodnota první), length (nejdelší první, výchozí) nebo alpha (abecedně, jak řadí jazyk slovníku).</translation>
    </message>
    <message>
        <source>In a game: the words of this list (one a line, UTF-8, # comments, any alphabet) instead of the dictionary&apos;s, matched as the games match the letters of the dictionary&apos;s language; the spelling checker is not asked.</source>
        <translation>Ve hře: slova z tohoto seznamu (jedno na řádek, UTF-8, # pro komentáře, v jakékoli abecedě) místo slov slovníku, porovnávaná tak, jak hry porovnávají písmena jazyka slovníku; kontroly pravopisu se program neptá.</translation>
    </message>
</context>
<context>
    <name>GameOutput</name>
    <message>
        <source>stopped after %1 of %2 words, the limit (--limit)</source>
        <translation>zastaveno po %1 z %2 slov, na limitu (--limit)</translation>
    </message>
    <message>
        <source>stopped early: %1; the list is not complete</source>
        <translation>zastaveno předčasně: %1; seznam není úplný</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n slovo; kandidátní slova: %1, dotazy na kontrolu pravopisu: %2, %3 s</numerusform>
            <numerusform>%n slova; kandidátní slova: %1, dotazy na kontrolu pravopisu: %2, %3 s</numerusform>
            <numerusform>%n slov; kandidátní slova: %1, dotazy na kontrolu pravopisu: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n fráze; kandidátní slova: %1, dotazy na kontrolu pravopisu: %2, %3 s</numerusform>
            <numerusform>%n fráze; kandidátní slova: %1, dotazy na kontrolu pravopisu: %2, %3 s</numerusform>
            <numerusform>%n frází; kandidátní slova: %1, dotazy na kontrolu pravopisu: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped after %n phrase(s), the limit (--limit); there are more</source>
        <translation>
            <numerusform>zastaveno po %n frázi, na limitu (--limit); je jich víc</numerusform>
            <numerusform>zastaveno po %n frázích, na limitu (--limit); je jich víc</numerusform>
            <numerusform>zastaveno po %n frázích, na limitu (--limit); je jich víc</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n slovo; kandidátní slova: %1, %2 s</numerusform>
            <numerusform>%n slova; kandidátní slova: %1, %2 s</numerusform>
            <numerusform>%n slov; kandidátní slova: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n fráze; kandidátní slova: %1, %2 s</numerusform>
            <numerusform>%n fráze; kandidátní slova: %1, %2 s</numerusform>
            <numerusform>%n frází; kandidátní slova: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n candidate word(s) left out</source>
        <translation>
            <numerusform>vynecháno alespoň %n kandidátní slovo</numerusform>
            <numerusform>vynechána alespoň %n kandidátní slova</numerusform>
            <numerusform>vynecháno alespoň %n kandidátních slov</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n candidate word(s) left out</source>
        <translation>
            <numerusform>vynecháno %n kandidátní slovo</numerusform>
            <numerusform>vynechána %n kandidátní slova</numerusform>
            <numerusform>vynecháno %n kandidátních slov</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameTool</name>
    <message>
        <source>--some and --phrases need the word index of the dictionary, which cannot serve it: %1</source>
        <translation>--some a --phrases potřebují rejstřík slov slovníku, který ho nemůže poskytnout: %1</translation>
    </message>
    <message>
        <source>--scores: the language of the dictionary %1 has no tile set here; these have one: %2.</source>
        <translation>--scores: jazyk slovníku %1 zde nemá sadu kamenů; mají ji tyto: %2.</translation>
    </message>
    <message>
        <source>--wordlist %1: %2.</source>
        <translation>--wordlist %1: %2.</translation>
    </message>
    <message>
        <source>The tile [%1] is not one of the tile set of the language of the dictionary %2.</source>
        <translation>Kámen [%1] nepatří do sady kamenů jazyka slovníku %2.</translation>
    </message>
    <message numerus="yes">
        <source>the words of the list %1: %n word(s), %2 left out for characters that are no letters; the spelling checker was not asked</source>
        <translation>
            <numerusform>slova ze seznamu %1: %n slovo, vynecháno kvůli znakům, které nejsou písmeny: %2; kontroly pravopisu se program neptal</numerusform>
            <numerusform>slova ze seznamu %1: %n slova, vynecháno kvůli znakům, které nejsou písmeny: %2; kontroly pravopisu se program neptal</numerusform>
            <numerusform>slova ze seznamu %1: %n slov, vynecháno kvůli znakům, které nejsou písmeny: %2; kontroly pravopisu se program neptal</numerusform>
        </translation>
    </message>
    <message>
        <source>--pattern needs the word index of the dictionary, which cannot serve it: %1</source>
        <translation>--pattern potřebuje rejstřík slov slovníku, který ho nemůže poskytnout: %1</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Help file (qv.chm) not found:</source>
        <translation>Soubor nápovědy (qv.chm) nebyl nalezen:</translation>
    </message>
    <message>
        <source>The help file you chose does not exist.</source>
        <translation>Vybraný soubor nápovědy neexistuje.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Error occurred: </source>
        <translation>Došlo k chybě: </translation>
    </message>
    <message>
        <source>Help File (*.chm)|*.chm</source>
        <translation>Soubor nápovědy (*.chm)|*.chm</translation>
    </message>
    <message>
        <source>The help file could not be found.  This could be caused by the Quorvel program file being copied or moved away from the location where it was initially installed.  If you would like to view the help file then please specify its location.  The name of the file is qv.chm and the default location is in the directory where the Quorvel program was initially installed.</source>
        <translation>Soubor nápovědy nebyl nalezen. Příčinou může být, že soubor programu Quorvel byl zkopírován nebo přesunut z místa, kam byl původně nainstalován. Chcete-li nápovědu zobrazit, zadejte prosím, kde se nachází. Soubor se jmenuje qv.chm a ve výchozím stavu je ve složce, do které byl Quorvel původně nainstalován.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>This help file cannot be shown</source>
        <translation>Tento soubor nápovědy nelze zobrazit</translation>
    </message>
    <message>
        <source>%1 is not a readable compiled help (CHM) file: %2.</source>
        <translation>%1 není čitelný soubor kompilované nápovědy (CHM): %2.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>nelze jej přečíst</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigace</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vpřed</translation>
    </message>
    <message>
        <source>it names no start page</source>
        <translation>neuvádí žádnou úvodní stránku</translation>
    </message>
    <message>
        <source>(The rest is left out: more than %1 lines.)</source>
        <translation>(Zbytek je vynechán: více než %1 řádků.)</translation>
    </message>
</context>
<context>
    <name>IndexLoading</name>
    <message>
        <source>the kept word index of %1 is not used: %2</source>
        <translation>uložený rejstřík slov %1 se nepoužívá: %2</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>--language: there is no translation for &apos;%1&apos;; the languages are: %2.</source>
        <translation>--language: pro „%1“ neexistuje překlad; dostupné jazyky: %2.</translation>
    </message>
</context>
<context>
    <name>KeptDictionary</name>
    <message>
        <source>the cache in %1 is not written: %2</source>
        <translation>mezipaměť v %1 se nezapisuje: %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>PROBLEM</source>
        <translation>PROBLÉM</translation>
    </message>
    <message>
        <source>You entered at least one invalid character.  Please only enter letter (no spaces, punctuation marks, numbers or symbols).</source>
        <translation>Zadali jste alespoň jeden neplatný znak. Zadávejte prosím pouze písmena (žádné mezery, interpunkci, číslice ani symboly).</translation>
    </message>
    <message>
        <source>You didn&apos;t enter any letters.  Please enter your jumbled letters, then press the button to analyze.</source>
        <translation>Nezadali jste žádná písmena. Zadejte prosím zpřeházená písmena a pak stiskněte tlačítko pro analýzu.</translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <translation>Potvrďte prosím</translation>
    </message>
    <message numerus="yes">
        <source>You entered %n letters to analyze.  It could take a significant amount of time.  Do you want to continue?</source>
        <translation>
            <numerusform>Zadali jste k analýze %n písmeno. Může to trvat velmi dlouho. Chcete pokračovat?</numerusform>
            <numerusform>Zadali jste k analýze %n písmena. Může to trvat velmi dlouho. Chcete pokračovat?</numerusform>
            <numerusform>Zadali jste k analýze %n písmen. Může to trvat velmi dlouho. Chcete pokračovat?</numerusform>
        </translation>
    </message>
    <message>
        <source>You need to have a Hunspell dictionary for your language or for American English (Debian package hunspell-en-us) installed on your PC for this program to run.  Neither was found on your computer.  This program can not continue.</source>
        <translation>Ke spuštění tohoto programu musí být v počítači nainstalován slovník Hunspell pro váš jazyk nebo pro americkou angličtinu (balíček Debianu hunspell-en-us). Nebyl nalezen ani jeden. Program nemůže pokračovat.</translation>
    </message>
    <message>
        <source>You don&apos;t seem to have a new enough version of Nuspell or Hunspell for this program to run. This program can not continue.</source>
        <translation>Vaše verze Nuspell nebo Hunspell se zdá být pro tento program příliš stará. Program nemůže pokračovat.</translation>
    </message>
    <message>
        <source>Done - No words found</source>
        <translation>Hotovo – nenalezena žádná slova</translation>
    </message>
    <message numerus="yes">
        <source>Done - Found %n words: </source>
        <translation>
            <numerusform>Hotovo – nalezeno %n slovo: </numerusform>
            <numerusform>Hotovo – nalezena %n slova: </numerusform>
            <numerusform>Hotovo – nalezeno %n slov: </numerusform>
        </translation>
    </message>
    <message>
        <source>You entered an invalid character: %1.  Please only enter letters (no spaces, punctuation marks, numbers or symbols).</source>
        <translation>Zadali jste neplatný znak: %1. Zadávejte prosím pouze písmena (žádné mezery, interpunkci, číslice ani symboly).</translation>
    </message>
    <message>
        <source>The letter %1 is not in the alphabet of the dictionary %2.  Please only enter letters of that alphabet.</source>
        <translation>Písmeno %1 nepatří do abecedy slovníku %2. Zadávejte prosím pouze písmena této abecedy.</translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>Stránka překračuje limit %1 KB.</translation>
    </message>
    <message>
        <source>The page has more elements than the limit of %1.</source>
        <translation>Stránka má více prvků, než je limit %1.</translation>
    </message>
    <message>
        <source>The page has more table cells than the limit of %1.</source>
        <translation>Stránka má více buněk tabulky, než je limit %1.</translation>
    </message>
    <message>
        <source>The page nests its elements deeper than the limit of %1 levels.</source>
        <translation>Stránka vnořuje své prvky hlouběji, než dovoluje limit vnoření (%1).</translation>
    </message>
    <message>
        <source>The page nests tables deeper than the limit of %1 levels.</source>
        <translation>Stránka vnořuje tabulky hlouběji, než dovoluje limit vnoření (%1).</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>line %1 has a NUL byte: this is no text file</source>
        <translation>řádek %1 obsahuje bajt NUL: toto není textový soubor</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>řádek %1 je delší než %2 bajtů</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text</source>
        <translation>řádek %1 není text v UTF-8</translation>
    </message>
    <message>
        <source>it holds no word</source>
        <translation>neobsahuje žádné slovo</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message numerus="yes">
        <source>about %n second(s) left</source>
        <translation>
            <numerusform>zbývá asi %n sekunda</numerusform>
            <numerusform>zbývají asi %n sekundy</numerusform>
            <numerusform>zbývá asi %n sekund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s) left</source>
        <translation>
            <numerusform>zbývá asi %n minuta</numerusform>
            <numerusform>zbývají asi %n minuty</numerusform>
            <numerusform>zbývá asi %n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hour(s) left</source>
        <translation>
            <numerusform>zbývá asi %n hodina</numerusform>
            <numerusform>zbývají asi %n hodiny</numerusform>
            <numerusform>zbývá asi %n hodin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n day(s) left</source>
        <translation>
            <numerusform>zbývá asi %n den</numerusform>
            <numerusform>zbývají asi %n dny</numerusform>
            <numerusform>zbývá asi %n dní</numerusform>
        </translation>
    </message>
    <message>
        <source>years left</source>
        <translation>zbývá několik let</translation>
    </message>
    <message>
        <source>No analysis is running.</source>
        <translation>Neprobíhá žádná analýza.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>%1 of %2 %3, %4/s, about %5 s left</source>
        <translation>%3: %1 z %2, %4/s, zbývá asi %5 s</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%3: %1 z %2</translation>
    </message>
    <message>
        <source>%1, about %2 s left</source>
        <translation>%1, zbývá asi %2 s</translation>
    </message>
    <message>
        <source>first words of phrases tried</source>
        <translation>vyzkoušená první slova frází</translation>
    </message>
    <message>
        <source>candidate words judged</source>
        <translation>posouzená kandidátní slova</translation>
    </message>
    <message>
        <source>building the dictionary&apos;s word index</source>
        <translation>vytváření rejstříku slov slovníku</translation>
    </message>
    <message>
        <source>arrangements tried</source>
        <translation>uspořádání vyzkoušeno</translation>
    </message>
    <message>
        <source>compounds named (of a bound)</source>
        <translation>složenin pojmenováno (z horní meze)</translation>
    </message>
    <message>
        <source>candidates confirmed</source>
        <translation>kandidátů potvrzeno</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Použití: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[volby]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Volby:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumenty:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zobrazí nápovědu k volbám příkazového řádku.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zobrazí nápovědu včetně voleb specifických pro Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zobrazí informace o verzi.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Neznámá volba „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Neznámé volby: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Chybějící hodnota po „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Neočekávaná hodnota po „%1“.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Z&amp;novu</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Vyj&amp;mout</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovat</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Vložit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrat vše</translation>
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
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovat</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopírovat adresu &amp;odkazu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrat vše</translation>
    </message>
</context>
<context>
    <name>QtOpenFileDialog</name>
    <message>
        <source>Permission denied: %1</source>
        <translation>Přístup odepřen: %1</translation>
    </message>
</context>
<context>
    <name>QueryLines</name>
    <message>
        <source>Line %1 is longer than %2 bytes and is not answered.</source>
        <translation>Řádek %1 je delší než %2 bajtů a nedostane odpověď.</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>the checker reads no dictionary file</source>
        <translation>kontrola pravopisu nečte žádný soubor slovníku</translation>
    </message>
    <message>
        <source>the letters are too many to count their arrangements exactly</source>
        <translation>písmen je příliš mnoho na to, aby bylo možné přesně spočítat jejich uspořádání</translation>
    </message>
    <message>
        <source>the index names more arrangements than trying them all is worth</source>
        <translation>rejstřík navrhuje tolik uspořádání, že se vyplatí vyzkoušet všechna</translation>
    </message>
    <message>
        <source>asked to (--exhaustive)</source>
        <translation>na vyžádání (--exhaustive)</translation>
    </message>
    <message>
        <source>the word index is still being built or read, and trying every arrangement is quicker</source>
        <translation>rejstřík slov se ještě vytváří nebo načítá a vyzkoušet všechna uspořádání je rychlejší</translation>
    </message>
    <message>
        <source>its files cannot be read</source>
        <translation>soubory slovníku nelze přečíst</translation>
    </message>
    <message>
        <source>the word index is of another dictionary</source>
        <translation>rejstřík slov patří k jinému slovníku</translation>
    </message>
    <message>
        <source>the index was not finished</source>
        <translation>rejstřík nebyl dokončen</translation>
    </message>
    <message>
        <source>no process could be started to try it</source>
        <translation>nepodařilo se spustit proces, který by jej vyzkoušel</translation>
    </message>
    <message>
        <source>the trying was cut short</source>
        <translation>zkouška byla přerušena</translation>
    </message>
    <message>
        <source>it takes longer than any dictionary should to load</source>
        <translation>načítání trvá déle, než by u jakéhokoli slovníku mělo</translation>
    </message>
    <message>
        <source>it takes more processor time than any dictionary should to load</source>
        <translation>načítání zabírá více procesorového času, než by u jakéhokoli slovníku mělo</translation>
    </message>
    <message>
        <source>it fails loading it</source>
        <translation>načítání selže</translation>
    </message>
    <message>
        <source>a question to it fails</source>
        <translation>dotaz na něj selže</translation>
    </message>
    <message>
        <source>it dies loading it (signal %1)</source>
        <translation>při načítání havaruje (signál %1)</translation>
    </message>
    <message>
        <source>the helper program %1 cannot be started</source>
        <translation>pomocný program %1 nelze spustit</translation>
    </message>
    <message>
        <source>it accepts none of &quot;%1&quot; and the other first entries of its own word list</source>
        <translation>nepřijímá „%1“ ani další první položky vlastního seznamu slov</translation>
    </message>
    <message>
        <source>it accepts &quot;%1&quot;, which is no word: it accepts any string of Latin letters</source>
        <translation>přijímá „%1“, což není slovo: přijímá jakýkoli řetězec latinských písmen</translation>
    </message>
    <message>
        <source>the search for compounds took longer than its budget</source>
        <translation>hledání složených slov trvalo déle, než bylo vyhrazeno</translation>
    </message>
    <message>
        <source>the search for compounds was stopped</source>
        <translation>hledání složených slov bylo zastaveno</translation>
    </message>
    <message>
        <source>the affix file has too many rules</source>
        <translation>soubor afixů má příliš mnoho pravidel</translation>
    </message>
    <message>
        <source>COMPLEXPREFIXES turns the affix rules around</source>
        <translation>COMPLEXPREFIXES obrací pravidla afixů</translation>
    </message>
    <message>
        <source>IGNORE removes letters before the check</source>
        <translation>IGNORE odstraňuje písmena před kontrolou</translation>
    </message>
    <message>
        <source>BREAK splits words at letters</source>
        <translation>BREAK rozděluje slova u písmen</translation>
    </message>
    <message>
        <source>ICONV converts letters before the check</source>
        <translation>ICONV převádí písmena před kontrolou</translation>
    </message>
    <message>
        <source>COMPOUNDRULE with an open group</source>
        <translation>COMPOUNDRULE s neuzavřenou skupinou</translation>
    </message>
    <message>
        <source>an affix line is too short</source>
        <translation>řádek afixu je příliš krátký</translation>
    </message>
    <message>
        <source>an affix header is malformed</source>
        <translation>hlavička afixu je chybná</translation>
    </message>
    <message>
        <source>an affix header names no flag</source>
        <translation>hlavička afixu neuvádí žádný příznak</translation>
    </message>
    <message>
        <source>an affix condition is malformed</source>
        <translation>podmínka afixu je chybná</translation>
    </message>
    <message>
        <source>the affix file names more than one encoding</source>
        <translation>soubor afixů uvádí více než jedno kódování</translation>
    </message>
    <message>
        <source>FLAG comes after lines that use flags</source>
        <translation>FLAG stojí až za řádky, které používají příznaky</translation>
    </message>
    <message>
        <source>the affix file has a line that is too long</source>
        <translation>soubor afixů má příliš dlouhý řádek</translation>
    </message>
    <message>
        <source>the dictionary has too many words</source>
        <translation>slovník má příliš mnoho slov</translation>
    </message>
    <message>
        <source>the dictionary has a line that is too long</source>
        <translation>slovník má příliš dlouhý řádek</translation>
    </message>
    <message>
        <source>the search for compounds took more steps than its budget of %1</source>
        <translation>hledání složených slov překročilo limit kroků (%1)</translation>
    </message>
    <message>
        <source>the search for compounds named more than %1 candidates, its budget</source>
        <translation>hledání složených slov překročilo limit kandidátů (%1)</translation>
    </message>
    <message>
        <source>the dictionary files cannot be read: %1</source>
        <translation>soubory slovníku nelze přečíst: %1</translation>
    </message>
    <message>
        <source>its affix file cannot be read: %1</source>
        <translation>jeho soubor afixů nelze přečíst: %1</translation>
    </message>
    <message>
        <source>the index of stems does not read back: %1</source>
        <translation>rejstřík kmenů nelze znovu načíst: %1</translation>
    </message>
    <message>
        <source>more than %1 letters and blanks</source>
        <translation>příliš mnoho písmen a žolíků (více než %1)</translation>
    </message>
    <message>
        <source>the encoding %1 is not known</source>
        <translation>kódování %1 není známé</translation>
    </message>
    <message>
        <source>%1 has no count</source>
        <translation>%1 neuvádí počet řádků</translation>
    </message>
    <message>
        <source>%1 line without a value</source>
        <translation>řádek %1 bez hodnoty</translation>
    </message>
    <message>
        <source>it reports: %1</source>
        <translation>hlášení: %1</translation>
    </message>
    <message>
        <source>the affix rules take too long to apply</source>
        <translation>použití pravidel afixů trvá příliš dlouho</translation>
    </message>
    <message>
        <source>a dictionary word has too many forms</source>
        <translation>slovo ze slovníku má příliš mnoho tvarů</translation>
    </message>
    <message>
        <source>a dictionary word has too many spellings in letters</source>
        <translation>slovo ze slovníku lze zapsat písmeny příliš mnoha způsoby</translation>
    </message>
    <message>
        <source>the dictionary has too many forms</source>
        <translation>slovník má příliš mnoho tvarů</translation>
    </message>
    <message>
        <source>no letters were given</source>
        <translation>nebyla zadána žádná písmena</translation>
    </message>
    <message>
        <source>the affix file cannot be read</source>
        <translation>soubor afixů nelze přečíst</translation>
    </message>
    <message>
        <source>it is not an index of stems of this version</source>
        <translation>není to rejstřík kmenů této verze</translation>
    </message>
    <message>
        <source>its stems do not fit together</source>
        <translation>jeho kmeny k sobě nepasují</translation>
    </message>
    <message>
        <source>its affix file cannot be read</source>
        <translation>jeho soubor afixů nelze přečíst</translation>
    </message>
    <message>
        <source>the search for the forms was stopped</source>
        <translation>hledání tvarů bylo zastaveno</translation>
    </message>
    <message>
        <source>the letters have too many forms</source>
        <translation>písmena dávají příliš mnoho tvarů</translation>
    </message>
    <message>
        <source>it is not a word index of this version</source>
        <translation>není to rejstřík slov této verze</translation>
    </message>
    <message>
        <source>its compound settings are damaged</source>
        <translation>jeho nastavení složených slov je poškozené</translation>
    </message>
    <message>
        <source>its sections do not agree</source>
        <translation>jeho oddíly si neodpovídají</translation>
    </message>
    <message>
        <source>its tree of keys is damaged</source>
        <translation>jeho strom klíčů je poškozený</translation>
    </message>
    <message>
        <source>its keys do not match their forms</source>
        <translation>jeho klíče neodpovídají svým tvarům</translation>
    </message>
    <message>
        <source>a form holds other characters than letters</source>
        <translation>tvar obsahuje jiné znaky než písmena</translation>
    </message>
    <message>
        <source>a form is not made of its key&apos;s letters</source>
        <translation>tvar se neskládá z písmen svého klíče</translation>
    </message>
    <message>
        <source>its compound rule flags are damaged</source>
        <translation>jeho příznaky pravidel složených slov jsou poškozené</translation>
    </message>
    <message>
        <source>no letters were typed</source>
        <translation>nebyla zadána žádná písmena</translation>
    </message>
    <message>
        <source>more than 255 different letters were typed</source>
        <translation>bylo zadáno více než 255 různých písmen</translation>
    </message>
    <message>
        <source>a letter typed is no letter a word is spelt with</source>
        <translation>zadané písmeno se v žádném slově nevyskytuje</translation>
    </message>
    <message>
        <source>the letters typed spread in too many ways</source>
        <translation>zadaná písmena lze rozmístit příliš mnoha způsoby</translation>
    </message>
    <message>
        <source>the dictionary has more compounding rules than the search follows</source>
        <translation>slovník má více pravidel pro složená slova, než kolik jich hledání sleduje</translation>
    </message>
    <message>
        <source>a letter typed stands for letters the word index files apart</source>
        <translation>zadané písmeno zastupuje písmena, která rejstřík slov řadí jinam</translation>
    </message>
    <message>
        <source>only letters, &quot;?&quot; for a blank, a tile of several letters in [ ] and spaces can be given</source>
        <translation>lze zadat jen písmena, „?“ pro žolíka, kámen s několika písmeny v [ ] a mezery</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; %3 more were left out</source>
        <translation>kontrola pravopisu posoudila %1 kandidátů, ze složených slov nejvýše vyhrazených %2; dalších %3 bylo vynecháno</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; at least %3 more were left out</source>
        <translation>kontrola pravopisu posoudila %1 kandidátů, ze složených slov nejvýše vyhrazených %2; nejméně dalších %3 bylo vynecháno</translation>
    </message>
    <message>
        <source>a word found had more than %1 spellings in the letters of the pattern</source>
        <translation>nalezené slovo mělo v písmenech vzoru více než %1 zápisů</translation>
    </message>
    <message>
        <source>the search took longer than its budget; %1 candidates were left out unjudged</source>
        <translation>hledání trvalo déle, než bylo vyhrazeno; %1 kandidátů bylo vynecháno bez posouzení</translation>
    </message>
    <message>
        <source>the search took longer than its budget</source>
        <translation>hledání trvalo déle, než bylo vyhrazeno</translation>
    </message>
    <message>
        <source>the phrase search took more steps than its budget of %1</source>
        <translation>hledání frází překročilo limit kroků (%1)</translation>
    </message>
    <message>
        <source>the phrases passed their budget of %1</source>
        <translation>fráze překročily svůj limit (%1)</translation>
    </message>
    <message>
        <source>the search was stopped</source>
        <translation>hledání bylo zastaveno</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Dictionary: %1 (%2)</source>
        <translation>Slovník: %1 (%2)</translation>
    </message>
    <message>
        <source>Spelling checker: %1</source>
        <translation>Kontrola pravopisu: %1</translation>
    </message>
    <message>
        <source>Found through the word index, each word confirmed by the checker</source>
        <translation>Nalezeno pomocí rejstříku slov, každé slovo potvrzeno kontrolou pravopisu</translation>
    </message>
    <message>
        <source>Every arrangement tried: %1</source>
        <translation>Vyzkoušena všechna uspořádání: %1</translation>
    </message>
    <message>
        <source>Every arrangement tried</source>
        <translation>Vyzkoušena všechna uspořádání</translation>
    </message>
    <message>
        <source>Time: %1 s</source>
        <translation>Čas: %1 s</translation>
    </message>
    <message>
        <source>No dictionary for your language (%1) is installed, so the %2 dictionary answered. Install the Hunspell dictionary of your language (a package named like hunspell-%3) to search in it.</source>
        <translation>Pro váš jazyk (%1) není nainstalován žádný slovník, proto odpověděl slovník %2. Chcete-li hledat ve svém jazyce, nainstalujte jeho slovník Hunspell (balíček s názvem jako hunspell-%3).</translation>
    </message>
    <message>
        <source>Letters matched loosely: case does not matter, nor a mark that is no letter of its own in the dictionary&apos;s language</source>
        <translation>Písmena porovnána volně: nezáleží na velikosti písmen ani na znaménku, které v jazyce slovníku netvoří samostatné písmeno</translation>
    </message>
</context>
<context>
    <name>SearchCommandLine</name>
    <message>
        <source>Ask the spelling checker from N threads (1: one question after another; default: one per core).</source>
        <translation>Ptát se kontroly pravopisu z N vláken (1: jeden dotaz po druhém; výchozí: jedno na jádro).</translation>
    </message>
    <message>
        <source>List the dictionaries found, and which one the locale picks.</source>
        <translation>Vypsat nalezené slovníky a který z nich volí národní prostředí.</translation>
    </message>
    <message>
        <source>Lists every word made of all the given letters, as the Quorvel window does; with --some or --phrases, the words made of some of them or the phrases made of all of them.</source>
        <translation>Vypíše každé slovo složené ze všech zadaných písmen, jako okno Quorvel; s --some nebo --phrases slova z části písmen nebo fráze ze všech.</translation>
    </message>
    <message>
        <source>%1 needs --some or --phrases.</source>
        <translation>%1 vyžaduje --some nebo --phrases.</translation>
    </message>
    <message>
        <source>--threads and --exhaustive belong to the search for words of all the letters, not to --some or --phrases.</source>
        <translation>--threads a --exhaustive patří k hledání slov ze všech písmen, ne k --some nebo --phrases.</translation>
    </message>
    <message>
        <source>--threads takes a number from 1 to %1</source>
        <translation>--threads přijímá číslo od 1 do %1</translation>
    </message>
    <message>
        <source>Give the letters as one argument.</source>
        <translation>Zadejte písmena jako jeden argument.</translation>
    </message>
    <message>
        <source>The letters given are not UTF-8 text.</source>
        <translation>Zadaná písmena nejsou text v UTF-8.</translation>
    </message>
    <message>
        <source>Answer one query per line of standard input, the dictionary loaded once, each as soon as it is read (the letters are not given as an argument).</source>
        <translation>Odpovědět na jeden dotaz na každém řádku standardního vstupu, na každý hned po přečtení, se slovníkem načteným jen jednou (písmena se nezadávají jako argument).</translation>
    </message>
    <message>
        <source>--pattern without --some or --phrases lists the dictionary&apos;s words that fit it, and takes no letters.</source>
        <translation>--pattern bez --some a --phrases vypíše slova slovníku, která mu odpovídají, a nepřijímá žádná písmena.</translation>
    </message>
    <message>
        <source>With --stdin the letters come from standard input, not as an argument.</source>
        <translation>S volbou --stdin přicházejí písmena ze standardního vstupu, ne jako argument.</translation>
    </message>
    <message>
        <source>Match the letters loosely, as word-game players count them: case does not matter, nor a mark the dictionary&apos;s language has no letter of its own for (in French &quot;ete&quot; finds &quot;été&quot;; in Spanish &quot;n&quot; never stands for &quot;ñ&quot;). The word games (--some, --phrases, --pattern) always match so; with them it changes nothing.</source>
        <translation>Porovnávat písmena volně, jak je počítají hráči slovních her: nezáleží na velikosti písmen ani na znaménku, pro které jazyk slovníku nemá samostatné písmeno (ve francouzštině „ete“ najde „été“; ve španělštině „n“ nikdy nezastupuje „ñ“). Slovní hry (--some, --phrases, --pattern) porovnávají vždy takto; s nimi tato volba nic nemění.</translation>
    </message>
    <message>
        <source>The jumbled letters (of any alphabet, in either case); with --some or --phrases matched loosely, &quot;?&quot; is a blank tile and [ch] a tile of several letters.</source>
        <translation>Zpřeházená písmena (libovolné abecedy, velká i malá); s --some nebo --phrases se porovnávají volně, „?“ je žolík a [ch] kámen s několika písmeny.</translation>
    </message>
</context>
<context>
    <name>SearchTool</name>
    <message>
        <source>Letters: </source>
        <translation>Písmena: </translation>
    </message>
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informace o systému nejsou momentálně k dispozici</translation>
    </message>
</context>
<context>
    <name>ToolIo</name>
    <message>
        <source>dictionary %1 (%2), engine %3</source>
        <translation>slovník %1 (%2), jádro %3</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>it is larger than %1 MB, the most a word list may be</source>
        <translation>je větší než %1 MB, což je nejvíc, kolik smí seznam slov mít</translation>
    </message>
    <message>
        <source>its words have too many different letters</source>
        <translation>jeho slova mají příliš mnoho různých písmen</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>This application takes a jumbled set of letters and lists all valid words that can be made from all those letters.  It uses the spelling dictionaries of Nuspell and/or Hunspell in part of the analysis.</source>
        <translation>Tento program vezme sadu zpřeházených písmen a vypíše všechna platná slova, která lze složit ze všech těchto písmen. Pro část analýzy používá pravopisné slovníky Nuspell a/nebo Hunspell.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informace o &amp;systému…</translation>
    </message>
    <message>
        <source>Visit us at: </source>
        <translation>Navštivte nás: </translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O aplikaci %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Verze %1.%2.%3</translation>
    </message>
    <message>
        <source>The home page could not be opened in a web browser.

Its address is %1</source>
        <translation>Domovskou stránku se nepodařilo otevřít ve webovém prohlížeči.

Její adresa je %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The program&apos;s banner</source>
        <translation>Banner programu</translation>
    </message>
    <message>
        <source>4 Easy steps: </source>
        <translation>4 snadné kroky: </translation>
    </message>
    <message>
        <source>Type the letters, analyze them, wait, then read the words found</source>
        <translation>Napište písmena, nechte je analyzovat, počkejte a přečtěte si nalezená slova</translation>
    </message>
    <message>
        <source>(1) Type the jumbled letters here:</source>
        <translation>(1) Sem napište zpřeházená písmena:</translation>
    </message>
    <message>
        <source>Letters A to Z only; Enter starts the analysis</source>
        <translation>Pouze písmena A až Z; Enter spustí analýzu</translation>
    </message>
    <message>
        <source>(2) Click Here:</source>
        <translation>(2) Klikněte sem:</translation>
    </message>
    <message>
        <source>Analyze letters</source>
        <translation>Analyzovat písmena</translation>
    </message>
    <message>
        <source>Finds every word made of all the letters typed</source>
        <translation>Najde každé slovo složené ze všech napsaných písmen</translation>
    </message>
    <message>
        <source>(3) Wait for analysis:</source>
        <translation>(3) Počkejte na analýzu:</translation>
    </message>
    <message>
        <source>cancel analysis</source>
        <translation>zrušit analýzu</translation>
    </message>
    <message>
        <source>Stops the analysis under way</source>
        <translation>Zastaví probíhající analýzu</translation>
    </message>
    <message>
        <source>(4) Read results below here:</source>
        <translation>(4) Výsledky čtěte níže:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Opens the help, as Help &gt; Quorvel Help does</source>
        <translation>Otevře nápovědu, stejně jako Nápověda &gt; Nápověda Quorvel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Ukončí program</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ukončit</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>Quorvel H&amp;elp</source>
        <translation>Nápověda &amp;Quorvel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O aplikaci</translation>
    </message>
    <message>
        <source>The words found appear here when an analysis ends</source>
        <translation>Nalezená slova se zde objeví po skončení analýzy</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>Match Letters &amp;Loosely</source>
        <translation>&amp;Volné porovnávání písmen</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>Lists every word made of all the letters typed, in a window. See quorvel(1).</source>
        <translation>Vypíše v okně každé slovo složené ze všech napsaných písmen. Viz quorvel(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the letters are typed in the window (quorvel-search takes them here).</source>
        <translation>Neočekávaný argument „%1“: písmena se píší do okna (zde je přijímá quorvel-search).</translation>
    </message>
</context>
</TS>
