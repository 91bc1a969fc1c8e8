<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AnalysisTool</name>
    <message>
        <source>every arrangement tried: %1</source>
        <translation>sprawdzono wszystkie ułożenia: %1</translation>
    </message>
    <message>
        <source>answered by the word index, %1 s</source>
        <translation>odpowiedź z indeksu słów, %1 s</translation>
    </message>
    <message>
        <source>%1 arrangements, %2 s, %3 arrangements/s</source>
        <translation>ułożenia: %1, %2 s, %3 ułożeń/s</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n candidate(s) settled by the dictionary&apos;s rules, without the checker</source>
        <translation>
            <numerusform>kandydat rozstrzygnięty przez reguły słownika, bez korektora: %1 z %n</numerusform>
            <numerusform>kandydaci rozstrzygnięci przez reguły słownika, bez korektora: %1 z %n</numerusform>
            <numerusform>kandydaci rozstrzygnięci przez reguły słownika, bez korektora: %1 z %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n spelling(s) settled by the dictionary&apos;s rules, %1 asked of the checker</source>
        <translation>
            <numerusform>pisownia rozstrzygnięta przez reguły słownika: %n; pytania do korektora: %1</numerusform>
            <numerusform>pisownie rozstrzygnięte przez reguły słownika: %n; pytania do korektora: %1</numerusform>
            <numerusform>pisownie rozstrzygnięte przez reguły słownika: %n; pytania do korektora: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CacheFile</name>
    <message>
        <source>it cannot be created: %1</source>
        <translation>nie można utworzyć pliku: %1</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>nie można zapisać pliku: %1</translation>
    </message>
</context>
<context>
    <name>ChmArchive</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>jest większy niż %1 MB</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>nie można go otworzyć</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>nie można go odczytać</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>jego odczyt został anulowany</translation>
    </message>
    <message>
        <source>the decompressor cannot be started</source>
        <translation>nie można uruchomić dekompresora</translation>
    </message>
    <message>
        <source>its headers are not those of a compiled help file</source>
        <translation>jego nagłówki nie są nagłówkami skompilowanego pliku pomocy</translation>
    </message>
    <message>
        <source>its directory has no chunks</source>
        <translation>jego katalog nie ma bloków</translation>
    </message>
    <message>
        <source>its directory runs past the end of the file</source>
        <translation>jego katalog wykracza poza koniec pliku</translation>
    </message>
    <message>
        <source>its directory links to chunk %1, which does not exist</source>
        <translation>jego katalog odsyła do bloku %1, który nie istnieje</translation>
    </message>
    <message>
        <source>its directory links back to chunk %1</source>
        <translation>jego katalog odsyła z powrotem do bloku %1</translation>
    </message>
    <message>
        <source>its directory chunk %1 is not a listing</source>
        <translation>blok %1 jego katalogu nie jest listą</translation>
    </message>
    <message>
        <source>its directory chunk %1 is damaged</source>
        <translation>blok %1 jego katalogu jest uszkodzony</translation>
    </message>
    <message>
        <source>it lists more than %L1 files</source>
        <translation>zawiera więcej niż %L1 plików</translation>
    </message>
</context>
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
    <name>CommonOptions</name>
    <message>
        <source>Try every arrangement, even where the dictionary&apos;s word index could answer at once.</source>
        <translation>Sprawdzaj wszystkie ułożenia, nawet tam, gdzie indeks słów słownika mógłby odpowiedzieć od razu.</translation>
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
        <source>Speak this language (de, fr, pt_BR; en for English) instead of the one the environment names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). The dictionary is chosen apart from it.</source>
        <translation>Używaj tego języka (de, fr, pt_BR; en dla angielskiego) zamiast wskazanego przez środowisko (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Słownik jest wybierany niezależnie.</translation>
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
        <translation>Rozwiązywanie anagramów</translation>
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
        <translation>Quorvel rozwiązuje anagramy. Wpisz pomieszane litery, a program wyświetli każde słowo ułożone ze wszystkich tych liter, z każdej użytej jeden raz. Większość słowników odpowiada od razu, niezależnie od liczby wpisanych liter.</translation>
    </message>
    <message>
        <source>It carries no word list of its own: it uses the Hunspell dictionary of your language and the letter case you type, so a capital finds the names and nouns that are written with one.</source>
        <translation>Nie ma własnej listy słów: korzysta ze słownika Hunspell w Twoim języku i uwzględnia wielkość wpisanych liter, więc wielka litera znajduje nazwy własne i rzeczowniki pisane wielką literą.</translation>
    </message>
    <message>
        <source>The letters tca give the words cat and act</source>
        <translation>Z liter „tca” powstają słowa „cat” i „act”</translation>
    </message>
</context>
<context>
    <name>DictionaryCheck</name>
    <message>
        <source>it cannot be read</source>
        <translation>nie można odczytać pliku</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>plik nie istnieje</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>nie można otworzyć pliku</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>it is larger than the program reads</source>
        <translation>plik jest większy, niż program wczytuje</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>odczyt został anulowany</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1.dic is larger than the program reads</source>
        <translation>%1.dic jest większy, niż program wczytuje</translation>
    </message>
    <message>
        <source>SET %1 names an encoding that cannot be converted</source>
        <translation>SET %1 wskazuje kodowanie, którego nie można przekonwertować</translation>
    </message>
    <message>
        <source>SET %1 is no encoding a dictionary file can be in</source>
        <translation>SET %1 nie jest kodowaniem, w którym może być zapisany plik słownika</translation>
    </message>
</context>
<context>
    <name>DictionaryChooser</name>
    <message>
        <source>%1 refused %2: %3</source>
        <translation>%1 odrzucił %2: %3</translation>
    </message>
    <message>
        <source>Nuspell and Hunspell refused %1: %2</source>
        <translation>Nuspell i Hunspell odrzuciły %1: %2</translation>
    </message>
</context>
<context>
    <name>DictionaryOption</name>
    <message>
        <source>there is no %1.aff with a %1.dic beside it</source>
        <translation>nie ma pliku %1.aff z plikiem %1.dic obok</translation>
    </message>
    <message>
        <source>no dictionary %1 was found in %2</source>
        <translation>nie znaleziono słownika %1 w %2</translation>
    </message>
    <message numerus="yes">
        <source>alphabet of %n letters</source>
        <translation>
            <numerusform>alfabet: %n litera</numerusform>
            <numerusform>alfabet: %n litery</numerusform>
            <numerusform>alfabet: %n liter</numerusform>
        </translation>
    </message>
    <message>
        <source>alphabet not known until the dictionary is first used</source>
        <translation>alfabet nieznany do pierwszego użycia słownika</translation>
    </message>
    <message>
        <source>the locale asks for %1; the search tries %2 first (%3)</source>
        <translation>ustawienia regionalne wskazują %1; wyszukiwanie najpierw próbuje %2 (%3)</translation>
    </message>
    <message>
        <source>the locale asks for %1; no dictionary of it or of en_US was found</source>
        <translation>ustawienia regionalne wskazują %1; nie znaleziono słownika ani dla tego języka, ani dla en_US</translation>
    </message>
    <message>
        <source>the locale names no language (American English); the search tries %1 first (%2)</source>
        <translation>ustawienia regionalne nie wskazują języka (amerykański angielski); wyszukiwanie najpierw próbuje %1 (%2)</translation>
    </message>
    <message>
        <source>the locale names no language (American English); no dictionary of it or of en_US was found</source>
        <translation>ustawienia regionalne nie wskazują języka (amerykański angielski); nie znaleziono słownika ani dla niego, ani dla en_US</translation>
    </message>
</context>
<context>
    <name>ExitStatus</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Polecenie „%1 --help” poda więcej informacji.</translation>
    </message>
</context>
<context>
    <name>GameOptions</name>
    <message>
        <source>List the words made of some of the letters, each used at most as often as given; &quot;?&quot; is a blank for any letter.</source>
        <translation>Wypisz słowa ułożone z części liter, każdej użytej najwyżej tyle razy, ile podano; „?” to blank zastępujący dowolną literę.</translation>
    </message>
    <message>
        <source>List the phrases of up to N words (1 to %1; %2 when N is left out) that use all the letters and blanks.</source>
        <translation>Wypisz wyrażenia złożone z najwyżej N słów (od 1 do %1; %2, gdy pominięto N), które używają wszystkich liter i blanków.</translation>
    </message>
    <message>
        <source>With --some or --phrases: only words (phrases with a word) that hold the letters of W.</source>
        <translation>Z --some lub --phrases: tylko słowa (wyrażenia ze słowem) zawierające litery W.</translation>
    </message>
    <message>
        <source>--some and --phrases cannot be given together.</source>
        <translation>Nie można podać jednocześnie --some i --phrases.</translation>
    </message>
    <message>
        <source>The letters are refused: %1.</source>
        <translation>Litery zostały odrzucone: %1.</translation>
    </message>
    <message>
        <source>--phrases takes a number of words from 1 to %1.</source>
        <translation>--phrases przyjmuje liczbę słów od 1 do %1.</translation>
    </message>
    <message>
        <source>--min-length takes a number of letters from 1 to %1.</source>
        <translation>--min-length przyjmuje liczbę liter od 1 do %1.</translation>
    </message>
    <message>
        <source>--limit takes a number of results from 1 on.</source>
        <translation>--limit przyjmuje liczbę wyników od 1 wzwyż.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot;: %2.</source>
        <translation>--pattern „%1”: %2.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has spaces between words: it fits phrases (--phrases), not words.</source>
        <translation>--pattern „%1” ma spacje między słowami: pasuje do wyrażeń (--phrases), nie do słów.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 words, more than --phrases %3.</source>
        <translation>--pattern „%1” ma słowa w liczbie %2, więcej niż --phrases %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has a word of %2 letters, shorter than --min-length %3.</source>
        <translation>--pattern „%1” ma słowo o długości %2 liter, krótsze niż --min-length %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 letters, but %3 letters and blanks were given.</source>
        <translation>--pattern „%1” ma liter: %2, a podano liter i blanków: %3.</translation>
    </message>
    <message>
        <source>Only words that fit P, one character per letter: &quot;?&quot; any letter, a letter itself, [abc] one of these, [^abc] none of these, a space between words. Without --some or --phrases, and without letters: every word of the dictionary that fits.</source>
        <translation>Tylko słowa pasujące do P, jeden znak na literę: „?” dowolna litera, litera oznacza samą siebie, [abc] jedna z tych liter, [^abc] żadna z nich, spacja między słowami. Bez --some i --phrases oraz bez liter: każde pasujące słowo ze słownika.</translation>
    </message>
    <message>
        <source>In a game: leave out the words with any of these letters.</source>
        <translation>W grze: pominąć słowa z którąkolwiek z tych liter.</translation>
    </message>
    <message>
        <source>With --some or --pattern: keep only the words with all of these letters.</source>
        <translation>Z --some lub --pattern: zostawić tylko słowa ze wszystkimi tymi literami.</translation>
    </message>
    <message>
        <source>With --phrases: only the phrases one of whose words is W.</source>
        <translation>Z --phrases: tylko frazy, których jednym ze słów jest W.</translation>
    </message>
    <message>
        <source>In a game: leave out the words spelt all in capitals (abbreviations).</source>
        <translation>W grze: pominąć słowa pisane w całości wielkimi literami (skróty).</translation>
    </message>
    <message>
        <source>In a game: leave out the words the dictionary spells only with a capital (names). In German, where every noun has a capital, only those spelt all in capitals.</source>
        <translation>W grze: pominąć słowa, które słownik zapisuje tylko z wielkiej litery (nazwy własne). W niemieckim, gdzie każdy rzeczownik pisze się wielką literą, tylko słowa pisane w całości wielkimi literami.</translation>
    </message>
    <message>
        <source>In a game: only the words the dictionary lists, with their affixes; none that its rules for compounds make.</source>
        <translation>W grze: tylko słowa, które słownik wymienia, z ich afiksami; żadnych tworzonych przez jego reguły złożeń.</translation>
    </message>
    <message>
        <source>In a game: print each word&apos;s value with the tiles of the dictionary&apos;s language, a blank worth 0.</source>
        <translation>W grze: wypisać wartość każdego słowa według płytek języka słownika; blank jest wart 0.</translation>
    </message>
    <message>
        <source>%1 takes letters A to Z.</source>
        <translation>%1 przyjmuje litery od A do Z.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together.</source>
        <translation>%1 i %2 nie mogą być podane razem.</translation>
    </message>
    <message>
        <source>--sort takes score, length or alpha.</source>
        <translation>--sort przyjmuje score, length lub alpha.</translation>
    </message>
    <message>
        <source>--sort score needs --scores.</source>
        <translation>--sort score wymaga --scores.</translation>
    </message>
    <message>
        <source>%1 %2: the letters given do not hold its letters.</source>
        <translation>%1 %2: podane litery nie zawierają jego liter.</translation>
    </message>
    <message>
        <source>%1 needs --phrases.</source>
        <translation>%1 wymaga --phrases.</translation>
    </message>
    <message>
        <source>In a game: leave out the words of fewer than N letters (default 2); in a phrase, each of its words.</source>
        <translation>W grze: pominąć słowa krótsze niż N liter (domyślnie 2); w wyrażeniu każde z jego słów.</translation>
    </message>
    <message>
        <source>In a game: print no more than N results, and say on standard error when some were left out (default: every word, the first %1 phrases).</source>
        <translation>W grze: wypisać co najwyżej N wyników i zgłosić na standardowym wyjściu błędów, jeśli jakieś pominięto (domyślnie: wszystkie słowa, pierwsze %1 wyrażeń).</translation>
    </message>
    <message>
        <source>In a game: print the results as one JSON array instead of a line each; per result its &quot;words&quot;, its number of &quot;letters&quot;, in each word the positions of the letters &quot;blanks&quot; stand for, and with --scores its &quot;score&quot;.</source>
        <translation>W grze: wypisać wyniki jako jedną tablicę JSON zamiast wiersza na wynik; dla każdego wyniku jego słowa &quot;words&quot;, liczbę liter &quot;letters&quot;, w każdym słowie pozycje liter, za które stoją blanki &quot;blanks&quot;, a z --scores jego wartość &quot;score&quot;.</translation>
    </message>
    <message>
        <source>%1 takes letters of the dictionary&apos;s alphabet.</source>
        <translation>%1 przyjmuje litery alfabetu słownika.</translation>
    </message>
    <message>
        <source>With --some or --pattern: the order of the words, score (highest first), length (longest first, the default) or alpha (alphabetical, as the dictionary&apos;s language sorts).</source>
        <translation>Z --some lub --pattern: kolejność słów, score (najwyższa wartość najpierw), length (najdłuższe najpierw, domyślnie) lub alpha (alfabetycznie, tak jak sortuje język słownika).</translation>
    </message>
    <message>
        <source>In a game: the words of this list (one a line, UTF-8, # comments, any alphabet) instead of the dictionary&apos;s, matched as the games match the letters of the dictionary&apos;s language; the spelling checker is not asked.</source>
        <translation>W grze: słowa z tej listy (jedno w wierszu, UTF-8, # dla komentarzy, w dowolnym alfabecie) zamiast słów ze słownika, porównywane tak, jak gry porównują litery języka słownika; moduł sprawdzania pisowni nie jest pytany.</translation>
    </message>
</context>
<context>
    <name>GameOutput</name>
    <message>
        <source>stopped after %1 of %2 words, the limit (--limit)</source>
        <translation>zatrzymano po %1 z %2 słów, na limicie (--limit)</translation>
    </message>
    <message>
        <source>stopped early: %1; the list is not complete</source>
        <translation>zatrzymano przedwcześnie: %1; lista nie jest kompletna</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n słowo; słowa kandydujące: %1, pytania do modułu sprawdzania pisowni: %2, %3 s</numerusform>
            <numerusform>%n słowa; słowa kandydujące: %1, pytania do modułu sprawdzania pisowni: %2, %3 s</numerusform>
            <numerusform>%n słów; słowa kandydujące: %1, pytania do modułu sprawdzania pisowni: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n wyrażenie; słowa kandydujące: %1, pytania do modułu sprawdzania pisowni: %2, %3 s</numerusform>
            <numerusform>%n wyrażenia; słowa kandydujące: %1, pytania do modułu sprawdzania pisowni: %2, %3 s</numerusform>
            <numerusform>%n wyrażeń; słowa kandydujące: %1, pytania do modułu sprawdzania pisowni: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped after %n phrase(s), the limit (--limit); there are more</source>
        <translation>
            <numerusform>zatrzymano po %n wyrażeniu, na limicie (--limit); jest ich więcej</numerusform>
            <numerusform>zatrzymano po %n wyrażeniach, na limicie (--limit); jest ich więcej</numerusform>
            <numerusform>zatrzymano po %n wyrażeniach, na limicie (--limit); jest ich więcej</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n słowo; słowa kandydujące: %1, %2 s</numerusform>
            <numerusform>%n słowa; słowa kandydujące: %1, %2 s</numerusform>
            <numerusform>%n słów; słowa kandydujące: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n wyrażenie; słowa kandydujące: %1, %2 s</numerusform>
            <numerusform>%n wyrażenia; słowa kandydujące: %1, %2 s</numerusform>
            <numerusform>%n wyrażeń; słowa kandydujące: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n candidate word(s) left out</source>
        <translation>
            <numerusform>pominięto co najmniej %n słowo kandydujące</numerusform>
            <numerusform>pominięto co najmniej %n słowa kandydujące</numerusform>
            <numerusform>pominięto co najmniej %n słów kandydujących</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n candidate word(s) left out</source>
        <translation>
            <numerusform>pominięto %n słowo kandydujące</numerusform>
            <numerusform>pominięto %n słowa kandydujące</numerusform>
            <numerusform>pominięto %n słów kandydujących</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameTool</name>
    <message>
        <source>--some and --phrases need the word index of the dictionary, which cannot serve it: %1</source>
        <translation>--some i --phrases wymagają indeksu słów słownika, a ten słownik nie może go udostępnić: %1</translation>
    </message>
    <message>
        <source>--scores: the language of the dictionary %1 has no tile set here; these have one: %2.</source>
        <translation>--scores: język słownika %1 nie ma tu zestawu płytek; mają go te: %2.</translation>
    </message>
    <message>
        <source>--wordlist %1: %2.</source>
        <translation>--wordlist %1: %2.</translation>
    </message>
    <message>
        <source>The tile [%1] is not one of the tile set of the language of the dictionary %2.</source>
        <translation>Płytki [%1] nie ma w zestawie płytek języka słownika %2.</translation>
    </message>
    <message numerus="yes">
        <source>the words of the list %1: %n word(s), %2 left out for characters that are no letters; the spelling checker was not asked</source>
        <translation>
            <numerusform>słowa z listy %1: %n słowo, pominięte z powodu znaków, które nie są literami: %2; moduł sprawdzania pisowni nie był pytany</numerusform>
            <numerusform>słowa z listy %1: %n słowa, pominięte z powodu znaków, które nie są literami: %2; moduł sprawdzania pisowni nie był pytany</numerusform>
            <numerusform>słowa z listy %1: %n słów, pominięte z powodu znaków, które nie są literami: %2; moduł sprawdzania pisowni nie był pytany</numerusform>
        </translation>
    </message>
    <message>
        <source>--pattern needs the word index of the dictionary, which cannot serve it: %1</source>
        <translation>--pattern wymaga indeksu słów słownika, a ten słownik nie może go udostępnić: %1</translation>
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
        <translation>Naprzód</translation>
    </message>
    <message>
        <source>it names no start page</source>
        <translation>nie wskazuje strony startowej</translation>
    </message>
    <message>
        <source>(The rest is left out: more than %1 lines.)</source>
        <translation>(Pominięto resztę: ponad %1 wierszy.)</translation>
    </message>
</context>
<context>
    <name>IndexLoading</name>
    <message>
        <source>the kept word index of %1 is not used: %2</source>
        <translation>zapisany indeks słów %1 nie jest używany: %2</translation>
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
    <name>KeptDictionary</name>
    <message>
        <source>the cache in %1 is not written: %2</source>
        <translation>pamięć podręczna w %1 nie jest zapisywana: %2</translation>
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
    <message>
        <source>You entered an invalid character: %1.  Please only enter letters (no spaces, punctuation marks, numbers or symbols).</source>
        <translation>Wpisano nieprawidłowy znak: %1. Wpisuj tylko litery (bez spacji, znaków interpunkcyjnych, cyfr i symboli).</translation>
    </message>
    <message>
        <source>The letter %1 is not in the alphabet of the dictionary %2.  Please only enter letters of that alphabet.</source>
        <translation>Litera %1 nie należy do alfabetu słownika %2. Wpisuj tylko litery tego alfabetu.</translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>Strona przekracza limit %1 KB.</translation>
    </message>
    <message>
        <source>The page has more elements than the limit of %1.</source>
        <translation>Strona ma więcej elementów niż limit %1.</translation>
    </message>
    <message>
        <source>The page has more table cells than the limit of %1.</source>
        <translation>Strona ma więcej komórek tabeli niż limit %1.</translation>
    </message>
    <message>
        <source>The page nests its elements deeper than the limit of %1 levels.</source>
        <translation>Strona zagnieżdża elementy głębiej, niż pozwala limit zagnieżdżenia (%1).</translation>
    </message>
    <message>
        <source>The page nests tables deeper than the limit of %1 levels.</source>
        <translation>Strona zagnieżdża tabele głębiej, niż pozwala limit zagnieżdżenia (%1).</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>line %1 has a NUL byte: this is no text file</source>
        <translation>wiersz %1 zawiera bajt NUL: to nie jest plik tekstowy</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>wiersz %1 jest dłuższy niż %2 bajtów</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text</source>
        <translation>wiersz %1 nie jest tekstem UTF-8</translation>
    </message>
    <message>
        <source>it holds no word</source>
        <translation>nie zawiera żadnego słowa</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message numerus="yes">
        <source>about %n second(s) left</source>
        <translation>
            <numerusform>pozostało około %n sekundy</numerusform>
            <numerusform>pozostało około %n sekund</numerusform>
            <numerusform>pozostało około %n sekund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s) left</source>
        <translation>
            <numerusform>pozostało około %n minuty</numerusform>
            <numerusform>pozostało około %n minut</numerusform>
            <numerusform>pozostało około %n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hour(s) left</source>
        <translation>
            <numerusform>pozostało około %n godziny</numerusform>
            <numerusform>pozostało około %n godzin</numerusform>
            <numerusform>pozostało około %n godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n day(s) left</source>
        <translation>
            <numerusform>pozostało około %n dnia</numerusform>
            <numerusform>pozostało około %n dni</numerusform>
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
    <name>ProgressLine</name>
    <message>
        <source>%1 of %2 %3, %4/s, about %5 s left</source>
        <translation>%3: %1 z %2, %4/s, pozostało około %5 s</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%3: %1 z %2</translation>
    </message>
    <message>
        <source>%1, about %2 s left</source>
        <translation>%1, pozostało około %2 s</translation>
    </message>
    <message>
        <source>first words of phrases tried</source>
        <translation>sprawdzone pierwsze słowa wyrażeń</translation>
    </message>
    <message>
        <source>candidate words judged</source>
        <translation>ocenione słowa kandydujące</translation>
    </message>
    <message>
        <source>building the dictionary&apos;s word index</source>
        <translation>budowanie indeksu słów słownika</translation>
    </message>
    <message>
        <source>arrangements tried</source>
        <translation>ułożeń sprawdzono</translation>
    </message>
    <message>
        <source>compounds named (of a bound)</source>
        <translation>złożeń wskazanych (z górnej granicy)</translation>
    </message>
    <message>
        <source>candidates confirmed</source>
        <translation>kandydatów potwierdzonych</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Sposób użycia: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opcje]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumenty:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Wyświetla pomoc łącznie z opcjami właściwymi dla Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Wyświetla informacje o wersji.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nieznana opcja „%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nieznane opcje: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Brak wartości po „%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Nieoczekiwana wartość po „%1”.</translation>
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
    <name>QueryLines</name>
    <message>
        <source>Line %1 is longer than %2 bytes and is not answered.</source>
        <translation>Wiersz %1 jest dłuższy niż %2 bajtów i nie dostaje odpowiedzi.</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>the checker reads no dictionary file</source>
        <translation>moduł sprawdzania pisowni nie czyta żadnego pliku słownika</translation>
    </message>
    <message>
        <source>the letters are too many to count their arrangements exactly</source>
        <translation>liter jest zbyt wiele, by dokładnie policzyć ich ułożenia</translation>
    </message>
    <message>
        <source>the index names more arrangements than trying them all is worth</source>
        <translation>indeks wskazuje tyle ułożeń, że lepiej sprawdzić wszystkie</translation>
    </message>
    <message>
        <source>asked to (--exhaustive)</source>
        <translation>na żądanie (--exhaustive)</translation>
    </message>
    <message>
        <source>the word index is still being built or read, and trying every arrangement is quicker</source>
        <translation>indeks słów jest jeszcze budowany lub wczytywany, a sprawdzenie wszystkich ułożeń jest szybsze</translation>
    </message>
    <message>
        <source>its files cannot be read</source>
        <translation>nie można odczytać plików słownika</translation>
    </message>
    <message>
        <source>the word index is of another dictionary</source>
        <translation>indeks słów należy do innego słownika</translation>
    </message>
    <message>
        <source>the index was not finished</source>
        <translation>indeks nie został ukończony</translation>
    </message>
    <message>
        <source>no process could be started to try it</source>
        <translation>nie udało się uruchomić procesu, by go wypróbować</translation>
    </message>
    <message>
        <source>the trying was cut short</source>
        <translation>próba została przerwana</translation>
    </message>
    <message>
        <source>it takes longer than any dictionary should to load</source>
        <translation>wczytywanie trwa dłużej, niż powinno trwać dla jakiegokolwiek słownika</translation>
    </message>
    <message>
        <source>it takes more processor time than any dictionary should to load</source>
        <translation>wczytywanie zajmuje więcej czasu procesora, niż powinno dla jakiegokolwiek słownika</translation>
    </message>
    <message>
        <source>it fails loading it</source>
        <translation>wczytywanie kończy się błędem</translation>
    </message>
    <message>
        <source>a question to it fails</source>
        <translation>zapytanie do niego kończy się błędem</translation>
    </message>
    <message>
        <source>it dies loading it (signal %1)</source>
        <translation>ulega awarii podczas wczytywania (sygnał %1)</translation>
    </message>
    <message>
        <source>the helper program %1 cannot be started</source>
        <translation>nie można uruchomić programu pomocniczego %1</translation>
    </message>
    <message>
        <source>it accepts none of &quot;%1&quot; and the other first entries of its own word list</source>
        <translation>nie akceptuje ani „%1”, ani pozostałych pierwszych haseł własnej listy słów</translation>
    </message>
    <message>
        <source>it accepts &quot;%1&quot;, which is no word: it accepts any string of Latin letters</source>
        <translation>akceptuje „%1”, co nie jest słowem: akceptuje dowolny ciąg liter łacińskich</translation>
    </message>
    <message>
        <source>the search for compounds took longer than its budget</source>
        <translation>wyszukiwanie wyrazów złożonych trwało dłużej, niż przewidziano</translation>
    </message>
    <message>
        <source>the search for compounds was stopped</source>
        <translation>wyszukiwanie wyrazów złożonych zostało przerwane</translation>
    </message>
    <message>
        <source>the affix file has too many rules</source>
        <translation>plik afiksów ma za dużo reguł</translation>
    </message>
    <message>
        <source>COMPLEXPREFIXES turns the affix rules around</source>
        <translation>COMPLEXPREFIXES odwraca reguły afiksów</translation>
    </message>
    <message>
        <source>IGNORE removes letters before the check</source>
        <translation>IGNORE usuwa litery przed sprawdzeniem</translation>
    </message>
    <message>
        <source>BREAK splits words at letters</source>
        <translation>BREAK dzieli wyrazy na literach</translation>
    </message>
    <message>
        <source>ICONV converts letters before the check</source>
        <translation>ICONV zamienia litery przed sprawdzeniem</translation>
    </message>
    <message>
        <source>COMPOUNDRULE with an open group</source>
        <translation>COMPOUNDRULE z niezamkniętą grupą</translation>
    </message>
    <message>
        <source>an affix line is too short</source>
        <translation>wiersz afiksu jest za krótki</translation>
    </message>
    <message>
        <source>an affix header is malformed</source>
        <translation>nagłówek afiksu jest nieprawidłowy</translation>
    </message>
    <message>
        <source>an affix header names no flag</source>
        <translation>nagłówek afiksu nie podaje żadnej flagi</translation>
    </message>
    <message>
        <source>an affix condition is malformed</source>
        <translation>warunek afiksu jest nieprawidłowy</translation>
    </message>
    <message>
        <source>the affix file names more than one encoding</source>
        <translation>plik afiksów podaje więcej niż jedno kodowanie</translation>
    </message>
    <message>
        <source>FLAG comes after lines that use flags</source>
        <translation>FLAG występuje po wierszach, które używają flag</translation>
    </message>
    <message>
        <source>the affix file has a line that is too long</source>
        <translation>plik afiksów ma za długi wiersz</translation>
    </message>
    <message>
        <source>the dictionary has too many words</source>
        <translation>słownik ma za dużo słów</translation>
    </message>
    <message>
        <source>the dictionary has a line that is too long</source>
        <translation>słownik ma za długi wiersz</translation>
    </message>
    <message>
        <source>the search for compounds took more steps than its budget of %1</source>
        <translation>wyszukiwanie wyrazów złożonych przekroczyło limit kroków (%1)</translation>
    </message>
    <message>
        <source>the search for compounds named more than %1 candidates, its budget</source>
        <translation>wyszukiwanie wyrazów złożonych przekroczyło limit kandydatów (%1)</translation>
    </message>
    <message>
        <source>the dictionary files cannot be read: %1</source>
        <translation>nie można odczytać plików słownika: %1</translation>
    </message>
    <message>
        <source>its affix file cannot be read: %1</source>
        <translation>nie można odczytać jego pliku afiksów: %1</translation>
    </message>
    <message>
        <source>the index of stems does not read back: %1</source>
        <translation>nie można ponownie odczytać indeksu rdzeni: %1</translation>
    </message>
    <message>
        <source>more than %1 letters and blanks</source>
        <translation>za dużo liter i blanków (ponad %1)</translation>
    </message>
    <message>
        <source>the encoding %1 is not known</source>
        <translation>kodowanie %1 jest nieznane</translation>
    </message>
    <message>
        <source>%1 has no count</source>
        <translation>%1 nie podaje liczby wierszy</translation>
    </message>
    <message>
        <source>%1 line without a value</source>
        <translation>wiersz %1 bez wartości</translation>
    </message>
    <message>
        <source>it reports: %1</source>
        <translation>zgłasza: %1</translation>
    </message>
    <message>
        <source>the affix rules take too long to apply</source>
        <translation>stosowanie reguł afiksów trwa za długo</translation>
    </message>
    <message>
        <source>a dictionary word has too many forms</source>
        <translation>słowo ze słownika ma za dużo form</translation>
    </message>
    <message>
        <source>a dictionary word has too many spellings in letters</source>
        <translation>słowo ze słownika można zapisać literami na za dużo sposobów</translation>
    </message>
    <message>
        <source>the dictionary has too many forms</source>
        <translation>słownik ma za dużo form</translation>
    </message>
    <message>
        <source>no letters were given</source>
        <translation>nie podano żadnych liter</translation>
    </message>
    <message>
        <source>the affix file cannot be read</source>
        <translation>nie można odczytać pliku afiksów</translation>
    </message>
    <message>
        <source>it is not an index of stems of this version</source>
        <translation>to nie jest indeks rdzeni tej wersji</translation>
    </message>
    <message>
        <source>its stems do not fit together</source>
        <translation>jego rdzenie do siebie nie pasują</translation>
    </message>
    <message>
        <source>its affix file cannot be read</source>
        <translation>nie można odczytać jego pliku afiksów</translation>
    </message>
    <message>
        <source>the search for the forms was stopped</source>
        <translation>wyszukiwanie form zostało przerwane</translation>
    </message>
    <message>
        <source>the letters have too many forms</source>
        <translation>litery dają za dużo form</translation>
    </message>
    <message>
        <source>it is not a word index of this version</source>
        <translation>to nie jest indeks słów tej wersji</translation>
    </message>
    <message>
        <source>its compound settings are damaged</source>
        <translation>jego ustawienia wyrazów złożonych są uszkodzone</translation>
    </message>
    <message>
        <source>its sections do not agree</source>
        <translation>jego sekcje nie są ze sobą zgodne</translation>
    </message>
    <message>
        <source>its tree of keys is damaged</source>
        <translation>jego drzewo kluczy jest uszkodzone</translation>
    </message>
    <message>
        <source>its keys do not match their forms</source>
        <translation>jego klucze nie pasują do swoich form</translation>
    </message>
    <message>
        <source>a form holds other characters than letters</source>
        <translation>forma zawiera znaki inne niż litery</translation>
    </message>
    <message>
        <source>a form is not made of its key&apos;s letters</source>
        <translation>forma nie składa się z liter swojego klucza</translation>
    </message>
    <message>
        <source>its compound rule flags are damaged</source>
        <translation>jego flagi reguł wyrazów złożonych są uszkodzone</translation>
    </message>
    <message>
        <source>no letters were typed</source>
        <translation>nie wpisano żadnych liter</translation>
    </message>
    <message>
        <source>more than 255 different letters were typed</source>
        <translation>wpisano ponad 255 różnych liter</translation>
    </message>
    <message>
        <source>a letter typed is no letter a word is spelt with</source>
        <translation>wpisana litera nie występuje w żadnym słowie</translation>
    </message>
    <message>
        <source>the letters typed spread in too many ways</source>
        <translation>wpisane litery można rozmieścić na zbyt wiele sposobów</translation>
    </message>
    <message>
        <source>the dictionary has more compounding rules than the search follows</source>
        <translation>słownik ma więcej reguł wyrazów złożonych, niż wyszukiwanie uwzględnia</translation>
    </message>
    <message>
        <source>a letter typed stands for letters the word index files apart</source>
        <translation>wpisana litera oznacza litery, które indeks słów przechowuje osobno</translation>
    </message>
    <message>
        <source>only letters, &quot;?&quot; for a blank, a tile of several letters in [ ] and spaces can be given</source>
        <translation>można podać tylko litery, „?” jako blank, płytkę z kilkoma literami w [ ] i spacje</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; %3 more were left out</source>
        <translation>moduł sprawdzania pisowni ocenił %1 kandydatów, wyrazów złożonych najwyżej %2 (limit); pominięto jeszcze %3</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; at least %3 more were left out</source>
        <translation>moduł sprawdzania pisowni ocenił %1 kandydatów, wyrazów złożonych najwyżej %2 (limit); pominięto jeszcze co najmniej %3</translation>
    </message>
    <message>
        <source>a word found had more than %1 spellings in the letters of the pattern</source>
        <translation>znalezione słowo miało w literach wzorca ponad %1 pisowni</translation>
    </message>
    <message>
        <source>the search took longer than its budget; %1 candidates were left out unjudged</source>
        <translation>wyszukiwanie trwało dłużej, niż przewidziano; pominięto %1 kandydatów bez oceny</translation>
    </message>
    <message>
        <source>the search took longer than its budget</source>
        <translation>wyszukiwanie trwało dłużej, niż przewidziano</translation>
    </message>
    <message>
        <source>the phrase search took more steps than its budget of %1</source>
        <translation>wyszukiwanie wyrażeń przekroczyło limit kroków (%1)</translation>
    </message>
    <message>
        <source>the phrases passed their budget of %1</source>
        <translation>wyrażenia przekroczyły swój limit (%1)</translation>
    </message>
    <message>
        <source>the search was stopped</source>
        <translation>wyszukiwanie zostało zatrzymane</translation>
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
    <message>
        <source>Letters matched loosely: case does not matter, nor a mark that is no letter of its own in the dictionary&apos;s language</source>
        <translation>Litery dopasowane luźno: nie ma znaczenia wielkość liter ani znak diakrytyczny, który w języku słownika nie tworzy osobnej litery</translation>
    </message>
</context>
<context>
    <name>SearchCommandLine</name>
    <message>
        <source>Ask the spelling checker from N threads (1: one question after another; default: one per core).</source>
        <translation>Pytaj moduł sprawdzania pisowni z N wątków (1: pytanie po pytaniu; domyślnie: jeden na rdzeń).</translation>
    </message>
    <message>
        <source>List the dictionaries found, and which one the locale picks.</source>
        <translation>Wypisz znalezione słowniki i to, który wybierają ustawienia regionalne.</translation>
    </message>
    <message>
        <source>Lists every word made of all the given letters, as the Quorvel window does; with --some or --phrases, the words made of some of them or the phrases made of all of them.</source>
        <translation>Wypisuje każde słowo ułożone ze wszystkich podanych liter, tak jak okno programu Quorvel; z --some lub --phrases słowa ułożone z części liter lub wyrażenia ułożone ze wszystkich.</translation>
    </message>
    <message>
        <source>%1 needs --some or --phrases.</source>
        <translation>%1 wymaga --some lub --phrases.</translation>
    </message>
    <message>
        <source>--threads and --exhaustive belong to the search for words of all the letters, not to --some or --phrases.</source>
        <translation>--threads i --exhaustive dotyczą wyszukiwania słów ze wszystkich liter, nie --some ani --phrases.</translation>
    </message>
    <message>
        <source>--threads takes a number from 1 to %1</source>
        <translation>--threads przyjmuje liczbę od 1 do %1</translation>
    </message>
    <message>
        <source>Give the letters as one argument.</source>
        <translation>Podaj litery jako jeden argument.</translation>
    </message>
    <message>
        <source>The letters given are not UTF-8 text.</source>
        <translation>Podane litery nie są tekstem UTF-8.</translation>
    </message>
    <message>
        <source>Answer one query per line of standard input, the dictionary loaded once, each as soon as it is read (the letters are not given as an argument).</source>
        <translation>Odpowiadać na jedno zapytanie w każdym wierszu standardowego wejścia, na każde zaraz po wczytaniu, ze słownikiem wczytanym raz (litery nie są podawane jako argument).</translation>
    </message>
    <message>
        <source>--pattern without --some or --phrases lists the dictionary&apos;s words that fit it, and takes no letters.</source>
        <translation>--pattern bez --some i --phrases wypisuje pasujące do niego słowa ze słownika i nie przyjmuje liter.</translation>
    </message>
    <message>
        <source>With --stdin the letters come from standard input, not as an argument.</source>
        <translation>Z --stdin litery przychodzą ze standardowego wejścia, nie jako argument.</translation>
    </message>
    <message>
        <source>Match the letters loosely, as word-game players count them: case does not matter, nor a mark the dictionary&apos;s language has no letter of its own for (in French &quot;ete&quot; finds &quot;été&quot;; in Spanish &quot;n&quot; never stands for &quot;ñ&quot;). The word games (--some, --phrases, --pattern) always match so; with them it changes nothing.</source>
        <translation>Dopasowuj litery luźno, tak jak liczą je gracze w gry słowne: nie ma znaczenia wielkość liter ani znak diakrytyczny, dla którego język słownika nie ma osobnej litery (po francusku „ete” znajduje „été”; po hiszpańsku „n” nigdy nie zastępuje „ñ”). Gry słowne (--some, --phrases, --pattern) zawsze dopasowują w ten sposób; z nimi ta opcja niczego nie zmienia.</translation>
    </message>
    <message>
        <source>The jumbled letters (of any alphabet, in either case); with --some or --phrases matched loosely, &quot;?&quot; is a blank tile and [ch] a tile of several letters.</source>
        <translation>Pomieszane litery (dowolnego alfabetu, wielkie lub małe); z --some lub --phrases dopasowywane luźno, „?” to blank, a [ch] to płytka z kilkoma literami.</translation>
    </message>
</context>
<context>
    <name>SearchTool</name>
    <message>
        <source>Letters: </source>
        <translation>Litery: </translation>
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
    <name>ToolIo</name>
    <message>
        <source>dictionary %1 (%2), engine %3</source>
        <translation>słownik %1 (%2), silnik %3</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>it is larger than %1 MB, the most a word list may be</source>
        <translation>jest większa niż %1 MB, najwięcej, ile może mieć lista słów</translation>
    </message>
    <message>
        <source>its words have too many different letters</source>
        <translation>jej słowa mają zbyt wiele różnych liter</translation>
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
        <translation>Pomoc programu &amp;Quorvel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>The words found appear here when an analysis ends</source>
        <translation>Znalezione słowa pojawią się tutaj po zakończeniu analizy</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Match Letters &amp;Loosely</source>
        <translation>&amp;Luźne dopasowanie liter</translation>
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
</context>
</TS>
