<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
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
    <name>DesktopEntry</name>
    <message>
        <source>Letter Jumble Solver</source>
        <translation>Řešitel přesmyček</translation>
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
        <translation>Quorvel řeší přesmyčky. Napište zpřeházená písmena a vypíše každé slovo složené ze všech z nich, každé jednou. Většina slovníků odpoví okamžitě, ať napíšete písmen kolik chcete.</translation>
    </message>
    <message>
        <source>It carries no word list of its own: it uses the Hunspell dictionary of your language and the letter case you type, so a capital finds the names and nouns that are written with one.</source>
        <translation>Nemá vlastní seznam slov: používá slovník Hunspell vašeho jazyka a zachovává velikost písmen, jak je napíšete, takže velké písmeno najde jména a názvy, které se jím píší.</translation>
    </message>
    <message>
        <source>The letters tca give the words cat and act</source>
        <translation>Z písmen „tca“ vzniknou slova „cat“ a „act“</translation>
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
    <name>InterfaceLanguage</name>
    <message>
        <source>--language: there is no translation for &apos;%1&apos;; the languages are: %2.</source>
        <translation>--language: pro „%1“ neexistuje překlad; dostupné jazyky: %2.</translation>
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
        <translation>zbývají roky</translation>
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
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Znovu</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Vyjmout</translation>
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
        <translation>&amp;Kopírovat adresu odkazu</translation>
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
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informace o systému nejsou momentálně k dispozici</translation>
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
        <translation>&amp;Nápověda Quorvel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O aplikaci</translation>
    </message>
    <message>
        <source>The words found appear here when an analysis ends</source>
        <translation>Nalezená slova se zde objeví po skončení analýzy</translation>
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
    <message>
        <source>--dictionary: %1.</source>
        <translation>--dictionary: %1.</translation>
    </message>
    <message>
        <source>Try &apos;quorvel --help&apos; for more information.</source>
        <translation>Více informací: „quorvel --help“.</translation>
    </message>
    <message>
        <source>Try every arrangement, even where the dictionary&apos;s word index could answer.</source>
        <translation>Zkoušet všechna uspořádání, i tam, kde by mohl odpovědět rejstřík slov slovníku.</translation>
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
        <source>NAME_OR_PATH</source>
        <translation>NÁZEV_NEBO_CESTA</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR; en for English) instead of the one the locale names. The dictionary is chosen apart from it.</source>
        <translation>Mluvit tímto jazykem (de, fr, pt_BR; en pro angličtinu) místo jazyka podle národního prostředí. Slovník se volí nezávisle.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>JAZYK</translation>
    </message>
</context>
</TS>
