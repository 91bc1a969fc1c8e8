<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ChmBrowser</name>
    <message>
        <source>This page cannot be shown</source>
        <translation>Nie można wyświetlić tej strony</translation>
    </message>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>Strona przekracza limit %1 KB.</translation>
    </message>
    <message>
        <source>The page %1 is not in this help file, or cannot be read from it.</source>
        <translation>Strony %1 nie ma w tym pliku pomocy lub nie można jej z niego odczytać.</translation>
    </message>
    <message>
        <source>The page %1 has nothing to show.</source>
        <translation>Strona %1 nie zawiera nic do wyświetlenia.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Letter Jumble Solver</source>
        <translation>Rozwiązywacz anagramów</translation>
    </message>
    <message>
        <source>Find every word that can be made from all of a set of jumbled letters</source>
        <translation>Znajdź każde słowo, które da się ułożyć ze wszystkich liter pomieszanego zestawu</translation>
    </message>
    <message>
        <source>anagram;jumble;word;puzzle;</source>
        <translation>anagram;litery;słowo;łamigłówka;zagadka;</translation>
    </message>
    <message>
        <source>Quorvel solves letter jumbles. Type the jumbled letters and it lists every word made of all of them, each once. Most dictionaries answer at once, however many letters are typed.</source>
        <translation>Quorvel rozwiązuje anagramy. Wpisz pomieszane litery, a wyświetli każde słowo ułożone ze wszystkich, każde raz. Większość słowników odpowiada od razu, niezależnie od liczby wpisanych liter.</translation>
    </message>
    <message>
        <source>It carries no word list of its own: it uses the Hunspell dictionary of your language and the letter case you type, so a capital finds the names and nouns that are written with one.</source>
        <translation>Nie ma własnej listy słów: korzysta ze słownika Hunspell w Twoim języku i zachowuje wielkość liter, jaką wpiszesz, więc wielka litera znajduje nazwy własne pisane wielką literą.</translation>
    </message>
    <message>
        <source>The letters tca give the words cat and act</source>
        <translation>Z liter „tca” powstają słowa „cat” i „act”</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Help file (qv.chm) not found:</source>
        <translation>Nie znaleziono pliku pomocy (qv.chm):</translation>
    </message>
    <message>
        <source>The help file you chose does not exist.</source>
        <translation>Wybrany plik pomocy nie istnieje.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Error occurred: </source>
        <translation>Wystąpił błąd: </translation>
    </message>
    <message>
        <source>Help File (*.chm)|*.chm</source>
        <translation>Plik pomocy (*.chm)|*.chm</translation>
    </message>
    <message>
        <source>The help file could not be found.  This could be caused by the Quorvel program file being copied or moved away from the location where it was initially installed.  If you would like to view the help file then please specify its location.  The name of the file is qv.chm and the default location is in the directory where the Quorvel program was initially installed.</source>
        <translation>Nie można znaleźć pliku pomocy. Być może plik programu Quorvel został skopiowany lub przeniesiony z miejsca, w którym go zainstalowano. Aby wyświetlić pomoc, wskaż jej położenie. Plik nazywa się qv.chm i domyślnie znajduje się w katalogu, w którym zainstalowano program Quorvel.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>This help file cannot be shown</source>
        <translation>Nie można wyświetlić tego pliku pomocy</translation>
    </message>
    <message>
        <source>%1 is not a readable compiled help (CHM) file: %2.</source>
        <translation>%1 nie jest czytelnym skompilowanym plikiem pomocy (CHM): %2.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>nie można go odczytać</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Nawigacja</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>it names no start page</source>
        <translation>nie wskazuje strony startowej</translation>
    </message>
    <message>
        <source>(The rest is left out: more than %1 lines.)</source>
        <translation>(Pominięto resztę: ponad %1 wierszy).</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>--language: there is no translation for &apos;%1&apos;; the languages are: %2.</source>
        <translation>--language: brak tłumaczenia dla „%1”; dostępne języki: %2.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>PROBLEM</source>
        <translation>PROBLEM</translation>
    </message>
    <message>
        <source>You entered at least one invalid character.  Please only enter letter (no spaces, punctuation marks, numbers or symbols).</source>
        <translation>Wpisano co najmniej jeden nieprawidłowy znak. Wpisuj tylko litery (bez spacji, znaków interpunkcyjnych, cyfr i symboli).</translation>
    </message>
    <message>
        <source>You didn&apos;t enter any letters.  Please enter your jumbled letters, then press the button to analyze.</source>
        <translation>Nie wpisano żadnych liter. Wpisz pomieszane litery, a następnie naciśnij przycisk, aby je przeanalizować.</translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message numerus="yes">
        <source>You entered %n letters to analyze.  It could take a significant amount of time.  Do you want to continue?</source>
        <translation>
            <numerusform>Wpisano %n literę do analizy. Może to potrwać bardzo długo. Czy kontynuować?</numerusform>
            <numerusform>Wpisano %n litery do analizy. Może to potrwać bardzo długo. Czy kontynuować?</numerusform>
            <numerusform>Wpisano %n liter do analizy. Może to potrwać bardzo długo. Czy kontynuować?</numerusform>
        </translation>
    </message>
    <message>
        <source>You need to have a Hunspell dictionary for your language or for American English (Debian package hunspell-en-us) installed on your PC for this program to run.  Neither was found on your computer.  This program can not continue.</source>
        <translation>Do działania tego programu potrzebny jest zainstalowany na komputerze słownik Hunspell dla Twojego języka lub dla amerykańskiego angielskiego (pakiet Debiana hunspell-en-us). Nie znaleziono żadnego z nich. Program nie może kontynuować.</translation>
    </message>
    <message>
        <source>You don&apos;t seem to have a new enough version of Nuspell or Hunspell for this program to run. This program can not continue.</source>
        <translation>Twoja wersja Nuspell lub Hunspell wydaje się zbyt stara dla tego programu. Program nie może kontynuować.</translation>
    </message>
    <message>
        <source>Done - No words found</source>
        <translation>Gotowe – nie znaleziono żadnych słów</translation>
    </message>
    <message numerus="yes">
        <source>Done - Found %n words: </source>
        <translation>
            <numerusform>Gotowe – znaleziono %n słowo: </numerusform>
            <numerusform>Gotowe – znaleziono %n słowa: </numerusform>
            <numerusform>Gotowe – znaleziono %n słów: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message numerus="yes">
        <source>about %n second(s) left</source>
        <translation>
            <numerusform>pozostała około %n sekunda</numerusform>
            <numerusform>pozostały około %n sekundy</numerusform>
            <numerusform>pozostało około %n sekund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s) left</source>
        <translation>
            <numerusform>pozostała około %n minuta</numerusform>
            <numerusform>pozostały około %n minuty</numerusform>
            <numerusform>pozostało około %n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hour(s) left</source>
        <translation>
            <numerusform>pozostała około %n godzina</numerusform>
            <numerusform>pozostały około %n godziny</numerusform>
            <numerusform>pozostało około %n godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n day(s) left</source>
        <translation>
            <numerusform>pozostał około %n dzień</numerusform>
            <numerusform>pozostały około %n dni</numerusform>
            <numerusform>pozostało około %n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>years left</source>
        <translation>pozostały lata</translation>
    </message>
    <message>
        <source>No analysis is running.</source>
        <translation>Żadna analiza nie jest w toku.</translation>
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
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>W&amp;ytnij</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>S&amp;kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>S&amp;kopiuj</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Skopiuj &amp;adres odsyłacza</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
</context>
<context>
    <name>QtOpenFileDialog</name>
    <message>
        <source>Permission denied: %1</source>
        <translation>Odmowa dostępu: %1</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Dictionary: %1 (%2)</source>
        <translation>Słownik: %1 (%2)</translation>
    </message>
    <message>
        <source>Spelling checker: %1</source>
        <translation>Sprawdzanie pisowni: %1</translation>
    </message>
    <message>
        <source>Found through the word index, each word confirmed by the checker</source>
        <translation>Znalezione dzięki indeksowi słów, każde słowo potwierdzone przez moduł sprawdzania pisowni</translation>
    </message>
    <message>
        <source>Every arrangement tried: %1</source>
        <translation>Sprawdzono wszystkie ułożenia: %1</translation>
    </message>
    <message>
        <source>Every arrangement tried</source>
        <translation>Sprawdzono wszystkie ułożenia</translation>
    </message>
    <message>
        <source>Time: %1 s</source>
        <translation>Czas: %1 s</translation>
    </message>
    <message>
        <source>No dictionary for your language (%1) is installed, so the %2 dictionary answered. Install the Hunspell dictionary of your language (a package named like hunspell-%3) to search in it.</source>
        <translation>Nie zainstalowano słownika dla Twojego języka (%1), więc odpowiedział słownik %2. Zainstaluj słownik Hunspell dla swojego języka (pakiet o nazwie w rodzaju hunspell-%3), aby w nim wyszukiwać.</translation>
    </message>
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informacje o systemie są w tej chwili niedostępne</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>This application takes a jumbled set of letters and lists all valid words that can be made from all those letters.  It uses the spelling dictionaries of Nuspell and/or Hunspell in part of the analysis.</source>
        <translation>Ten program przyjmuje zestaw pomieszanych liter i wyświetla wszystkie poprawne słowa, które da się ułożyć ze wszystkich tych liter. W części analizy korzysta ze słowników ortograficznych Nuspell i/lub Hunspell.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informacje o &amp;systemie…</translation>
    </message>
    <message>
        <source>Visit us at: </source>
        <translation>Odwiedź nas: </translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Wersja %1.%2.%3</translation>
    </message>
    <message>
        <source>The home page could not be opened in a web browser.

Its address is %1</source>
        <translation>Nie udało się otworzyć strony domowej w przeglądarce.

Jej adres to %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The program&apos;s banner</source>
        <translation>Baner programu</translation>
    </message>
    <message>
        <source>4 Easy steps: </source>
        <translation>4 proste kroki: </translation>
    </message>
    <message>
        <source>Type the letters, analyze them, wait, then read the words found</source>
        <translation>Wpisz litery, przeanalizuj je, poczekaj, a potem przeczytaj znalezione słowa</translation>
    </message>
    <message>
        <source>(1) Type the jumbled letters here:</source>
        <translation>(1) Wpisz tutaj pomieszane litery:</translation>
    </message>
    <message>
        <source>Letters A to Z only; Enter starts the analysis</source>
        <translation>Tylko litery od A do Z; Enter rozpoczyna analizę</translation>
    </message>
    <message>
        <source>(2) Click Here:</source>
        <translation>(2) Kliknij tutaj:</translation>
    </message>
    <message>
        <source>Analyze letters</source>
        <translation>Analizuj litery</translation>
    </message>
    <message>
        <source>Finds every word made of all the letters typed</source>
        <translation>Znajduje każde słowo ułożone ze wszystkich wpisanych liter</translation>
    </message>
    <message>
        <source>(3) Wait for analysis:</source>
        <translation>(3) Poczekaj na analizę:</translation>
    </message>
    <message>
        <source>cancel analysis</source>
        <translation>anuluj analizę</translation>
    </message>
    <message>
        <source>Stops the analysis under way</source>
        <translation>Zatrzymuje trwającą analizę</translation>
    </message>
    <message>
        <source>(4) Read results below here:</source>
        <translation>(4) Przeczytaj wyniki poniżej:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Opens the help, as Help &gt; Quorvel Help does</source>
        <translation>Otwiera pomoc, tak jak Pomoc &gt; Pomoc programu Quorvel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Kończy działanie programu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>Quorvel H&amp;elp</source>
        <translation>&amp;Pomoc programu Quorvel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>The words found appear here when an analysis ends</source>
        <translation>Znalezione słowa pojawią się tutaj po zakończeniu analizy</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>Lists every word made of all the letters typed, in a window. See quorvel(1).</source>
        <translation>Wyświetla w oknie każde słowo ułożone ze wszystkich wpisanych liter. Zobacz quorvel(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the letters are typed in the window (quorvel-search takes them here).</source>
        <translation>Nieoczekiwany argument „%1”: litery wpisuje się w oknie (to quorvel-search przyjmuje je tutaj).</translation>
    </message>
    <message>
        <source>--dictionary: %1.</source>
        <translation>--dictionary: %1.</translation>
    </message>
    <message>
        <source>Try &apos;quorvel --help&apos; for more information.</source>
        <translation>Polecenie „quorvel --help” poda więcej informacji.</translation>
    </message>
    <message>
        <source>Try every arrangement, even where the dictionary&apos;s word index could answer.</source>
        <translation>Sprawdzaj wszystkie ułożenia, nawet tam, gdzie mógłby odpowiedzieć indeks słów słownika.</translation>
    </message>
    <message>
        <source>Neither read nor write the dictionary cache (~/.cache/quorvel).</source>
        <translation>Nie odczytuj ani nie zapisuj pamięci podręcznej słowników (~/.cache/quorvel).</translation>
    </message>
    <message>
        <source>Use the dictionary of this language (de_DE) or at this path (a .dic file, or its path without the extension).</source>
        <translation>Użyj słownika tego języka (de_DE) lub z tej ścieżki (plik .dic albo jego ścieżka bez rozszerzenia).</translation>
    </message>
    <message>
        <source>NAME_OR_PATH</source>
        <translation>NAZWA_LUB_ŚCIEŻKA</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR; en for English) instead of the one the locale names. The dictionary is chosen apart from it.</source>
        <translation>Używaj tego języka (de, fr, pt_BR; en dla angielskiego) zamiast wskazanego przez ustawienia regionalne. Słownik jest wybierany niezależnie.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>JĘZYK</translation>
    </message>
</context>
</TS>
