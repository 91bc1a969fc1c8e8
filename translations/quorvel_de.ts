<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AnalysisTool</name>
    <message>
        <source>every arrangement tried: %1</source>
        <translation>jede Anordnung ausprobiert: %1</translation>
    </message>
    <message>
        <source>answered by the word index, %1 s</source>
        <translation>vom Wortindex beantwortet, %1 s</translation>
    </message>
    <message>
        <source>%1 arrangements, %2 s, %3 arrangements/s</source>
        <translation>Anordnungen: %1, %2 s, %3 Anordnungen/s</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n candidate(s) settled by the dictionary&apos;s rules, without the checker</source>
        <translation>
            <numerusform>%1 von %n Kandidat durch die Regeln des Wörterbuchs entschieden, ohne die Rechtschreibprüfung</numerusform>
            <numerusform>%1 von %n Kandidaten durch die Regeln des Wörterbuchs entschieden, ohne die Rechtschreibprüfung</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n spelling(s) settled by the dictionary&apos;s rules, %1 asked of the checker</source>
        <translation>
            <numerusform>%n Schreibweise durch die Regeln des Wörterbuchs entschieden, %1 der Rechtschreibprüfung vorgelegt</numerusform>
            <numerusform>%n Schreibweisen durch die Regeln des Wörterbuchs entschieden, %1 der Rechtschreibprüfung vorgelegt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CacheFile</name>
    <message>
        <source>it cannot be created: %1</source>
        <translation>die Datei kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>die Datei kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>ChmArchive</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>sie kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>das Lesen wurde abgebrochen</translation>
    </message>
    <message>
        <source>the decompressor cannot be started</source>
        <translation>der Dekomprimierer kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>its headers are not those of a compiled help file</source>
        <translation>ihre Kopfdaten sind nicht die einer kompilierten Hilfedatei</translation>
    </message>
    <message>
        <source>its directory has no chunks</source>
        <translation>ihr Verzeichnis hat keine Blöcke</translation>
    </message>
    <message>
        <source>its directory runs past the end of the file</source>
        <translation>ihr Verzeichnis reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>its directory links to chunk %1, which does not exist</source>
        <translation>ihr Verzeichnis verweist auf Block %1, den es nicht gibt</translation>
    </message>
    <message>
        <source>its directory links back to chunk %1</source>
        <translation>ihr Verzeichnis verweist zurück auf Block %1</translation>
    </message>
    <message>
        <source>its directory chunk %1 is not a listing</source>
        <translation>Block %1 ihres Verzeichnisses ist keine Auflistung</translation>
    </message>
    <message>
        <source>its directory chunk %1 is damaged</source>
        <translation>Block %1 ihres Verzeichnisses ist beschädigt</translation>
    </message>
    <message>
        <source>it lists more than %L1 files</source>
        <translation>sie führt mehr als %L1 Dateien auf</translation>
    </message>
</context>
<context>
    <name>ChmBrowser</name>
    <message>
        <source>This page cannot be shown</source>
        <translation>Diese Seite kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>Die Seite ist größer als die Grenze von %1 KB.</translation>
    </message>
    <message>
        <source>The page %1 is not in this help file, or cannot be read from it.</source>
        <translation>Die Seite %1 ist nicht in dieser Hilfedatei oder kann nicht aus ihr gelesen werden.</translation>
    </message>
    <message>
        <source>The page %1 has nothing to show.</source>
        <translation>Die Seite %1 hat keinen Inhalt.</translation>
    </message>
</context>
<context>
    <name>CommonOptions</name>
    <message>
        <source>Try every arrangement, even where the dictionary&apos;s word index could answer at once.</source>
        <translation>Jede Anordnung ausprobieren, auch wo der Wortindex des Wörterbuchs sofort antworten könnte.</translation>
    </message>
    <message>
        <source>Neither read nor write the dictionary cache (~/.cache/quorvel).</source>
        <translation>Den Wörterbuch-Zwischenspeicher (~/.cache/quorvel) weder lesen noch schreiben.</translation>
    </message>
    <message>
        <source>Use the dictionary of this language (de_DE) or at this path (a .dic file, or its path without the extension).</source>
        <translation>Das Wörterbuch dieser Sprache (de_DE) oder unter diesem Pfad verwenden (eine .dic-Datei oder ihr Pfad ohne Endung).</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR; en for English) instead of the one the environment names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). The dictionary is chosen apart from it.</source>
        <translation>Meldungen in dieser Sprache ausgeben (de, fr, pt_BR; en für Englisch) statt in der, die die Umgebung nennt (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Das Wörterbuch wird unabhängig davon gewählt.</translation>
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
        <translation>Buchstabensalat-Löser</translation>
    </message>
    <message>
        <source>Find every word that can be made from all of a set of jumbled letters</source>
        <translation>Jedes Wort finden, das sich aus allen Buchstaben eines Buchstabensalats bilden lässt</translation>
    </message>
    <message>
        <source>anagram;jumble;word;puzzle;</source>
        <translation>Anagramm;Buchstabensalat;Wort;Rätsel;Worträtsel;</translation>
    </message>
    <message>
        <source>Quorvel solves letter jumbles. Type the jumbled letters and it lists every word made of all of them, each once. Most dictionaries answer at once, however many letters are typed.</source>
        <translation>Quorvel löst Buchstabensalate. Geben Sie die durcheinandergewürfelten Buchstaben ein, und es listet jedes Wort auf, das aus allen gebildet wird, jedes einmal. Die meisten Wörterbücher antworten sofort, ganz gleich, wie viele Buchstaben eingegeben werden.</translation>
    </message>
    <message>
        <source>It carries no word list of its own: it uses the Hunspell dictionary of your language and the letter case you type, so a capital finds the names and nouns that are written with one.</source>
        <translation>Es bringt keine eigene Wortliste mit: Es verwendet das Hunspell-Wörterbuch Ihrer Sprache und die Groß- und Kleinschreibung Ihrer Eingabe, sodass ein Großbuchstabe auch Namen und Substantive findet, die großgeschrieben werden.</translation>
    </message>
    <message>
        <source>The letters tca give the words cat and act</source>
        <translation>Die Buchstaben „tca“ ergeben die Wörter „cat“ und „act“</translation>
    </message>
</context>
<context>
    <name>DictionaryCheck</name>
    <message>
        <source>it cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>die Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>das ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than the program reads</source>
        <translation>die Datei ist größer, als das Programm liest</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>das Lesen wurde abgebrochen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1.dic is larger than the program reads</source>
        <translation>%1.dic ist größer, als das Programm liest</translation>
    </message>
    <message>
        <source>SET %1 names an encoding that cannot be converted</source>
        <translation>SET %1 nennt eine Kodierung, die sich nicht umwandeln lässt</translation>
    </message>
    <message>
        <source>SET %1 is no encoding a dictionary file can be in</source>
        <translation>SET %1 ist keine Kodierung, in der eine Wörterbuchdatei vorliegen kann</translation>
    </message>
</context>
<context>
    <name>DictionaryChooser</name>
    <message>
        <source>%1 refused %2: %3</source>
        <translation>%1 hat %2 abgelehnt: %3</translation>
    </message>
    <message>
        <source>Nuspell and Hunspell refused %1: %2</source>
        <translation>Nuspell und Hunspell haben %1 abgelehnt: %2</translation>
    </message>
</context>
<context>
    <name>DictionaryOption</name>
    <message>
        <source>there is no %1.aff with a %1.dic beside it</source>
        <translation>es gibt keine %1.aff mit einer %1.dic daneben</translation>
    </message>
    <message>
        <source>no dictionary %1 was found in %2</source>
        <translation>kein Wörterbuch %1 in %2 gefunden</translation>
    </message>
    <message numerus="yes">
        <source>alphabet of %n letters</source>
        <translation>
            <numerusform>Alphabet mit %n Buchstaben</numerusform>
            <numerusform>Alphabet mit %n Buchstaben</numerusform>
        </translation>
    </message>
    <message>
        <source>alphabet not known until the dictionary is first used</source>
        <translation>Alphabet erst bekannt, wenn das Wörterbuch zum ersten Mal verwendet wird</translation>
    </message>
    <message>
        <source>the locale asks for %1; the search tries %2 first (%3)</source>
        <translation>die Locale verlangt %1; die Suche versucht zuerst %2 (%3)</translation>
    </message>
    <message>
        <source>the locale asks for %1; no dictionary of it or of en_US was found</source>
        <translation>die Locale verlangt %1; weder dafür noch für en_US wurde ein Wörterbuch gefunden</translation>
    </message>
    <message>
        <source>the locale names no language (American English); the search tries %1 first (%2)</source>
        <translation>die Locale nennt keine Sprache (amerikanisches Englisch); die Suche versucht zuerst %1 (%2)</translation>
    </message>
    <message>
        <source>the locale names no language (American English); no dictionary of it or of en_US was found</source>
        <translation>die Locale nennt keine Sprache (amerikanisches Englisch); weder dafür noch für en_US wurde ein Wörterbuch gefunden</translation>
    </message>
</context>
<context>
    <name>ExitStatus</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>„%1 --help“ gibt weitere Informationen.</translation>
    </message>
</context>
<context>
    <name>GameOptions</name>
    <message>
        <source>List the words made of some of the letters, each used at most as often as given; &quot;?&quot; is a blank for any letter.</source>
        <translation>Die Wörter auflisten, die sich aus einem Teil der Buchstaben bilden lassen, jeder höchstens so oft wie angegeben; „?“ ist ein Joker für einen beliebigen Buchstaben.</translation>
    </message>
    <message>
        <source>List the phrases of up to N words (1 to %1; %2 when N is left out) that use all the letters and blanks.</source>
        <translation>Die Wortgruppen aus bis zu N Wörtern auflisten (1 bis %1; %2, wenn N fehlt), die alle Buchstaben und Joker verwenden.</translation>
    </message>
    <message>
        <source>With --some or --phrases: only words (phrases with a word) that hold the letters of W.</source>
        <translation>Mit --some oder --phrases: nur Wörter, die die Buchstaben von W enthalten (bei Wortgruppen: nur solche, in denen ein Wort sie enthält).</translation>
    </message>
    <message>
        <source>--some and --phrases cannot be given together.</source>
        <translation>--some und --phrases können nicht zusammen angegeben werden.</translation>
    </message>
    <message>
        <source>The letters are refused: %1.</source>
        <translation>Die Buchstaben werden abgelehnt: %1.</translation>
    </message>
    <message>
        <source>--phrases takes a number of words from 1 to %1.</source>
        <translation>--phrases nimmt eine Anzahl Wörter von 1 bis %1.</translation>
    </message>
    <message>
        <source>--min-length takes a number of letters from 1 to %1.</source>
        <translation>--min-length nimmt eine Anzahl Buchstaben von 1 bis %1.</translation>
    </message>
    <message>
        <source>--limit takes a number of results from 1 on.</source>
        <translation>--limit nimmt eine Anzahl Ergebnisse ab 1.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot;: %2.</source>
        <translation>--pattern „%1“: %2.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has spaces between words: it fits phrases (--phrases), not words.</source>
        <translation>--pattern „%1“ hat Leerzeichen zwischen Wörtern: Es passt zu Wortgruppen (--phrases), nicht zu Wörtern.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 words, more than --phrases %3.</source>
        <translation>--pattern „%1“ hat %2 Wörter, mehr als --phrases %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has a word of %2 letters, shorter than --min-length %3.</source>
        <translation>--pattern „%1“ hat ein Wort aus %2 Buchstaben, kürzer als --min-length %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 letters, but %3 letters and blanks were given.</source>
        <translation>--pattern „%1“ hat %2 Buchstaben, angegeben wurden aber %3 Buchstaben und Joker.</translation>
    </message>
    <message>
        <source>Only words that fit P, one character per letter: &quot;?&quot; any letter, a letter itself, [abc] one of these, [^abc] none of these, a space between words. Without --some or --phrases, and without letters: every word of the dictionary that fits.</source>
        <translation>Nur Wörter, die zu P passen, ein Zeichen je Buchstabe: „?“ für einen beliebigen Buchstaben, ein Buchstabe für sich selbst, [abc] für einen dieser Buchstaben, [^abc] für keinen von ihnen, ein Leerzeichen zwischen Wörtern. Ohne --some oder --phrases und ohne Buchstaben: jedes passende Wort des Wörterbuchs.</translation>
    </message>
    <message>
        <source>In a game: leave out the words with any of these letters.</source>
        <translation>In einem Spiel: die Wörter mit einem dieser Buchstaben weglassen.</translation>
    </message>
    <message>
        <source>With --some or --pattern: keep only the words with all of these letters.</source>
        <translation>Mit --some oder --pattern: nur die Wörter mit allen diesen Buchstaben behalten.</translation>
    </message>
    <message>
        <source>With --phrases: only the phrases one of whose words is W.</source>
        <translation>Mit --phrases: nur die Wortgruppen, von denen ein Wort W ist.</translation>
    </message>
    <message>
        <source>In a game: leave out the words spelt all in capitals (abbreviations).</source>
        <translation>In einem Spiel: die Wörter weglassen, die ganz in Großbuchstaben geschrieben sind (Abkürzungen).</translation>
    </message>
    <message>
        <source>In a game: leave out the words the dictionary spells only with a capital (names). In German, where every noun has a capital, only those spelt all in capitals.</source>
        <translation>In einem Spiel: die Wörter weglassen, die das Wörterbuch nur mit großem Anfangsbuchstaben schreibt (Namen). Im Deutschen, wo jedes Substantiv groß beginnt, nur die ganz in Großbuchstaben geschriebenen.</translation>
    </message>
    <message>
        <source>In a game: only the words the dictionary lists, with their affixes; none that its rules for compounds make.</source>
        <translation>In einem Spiel: nur die Wörter, die das Wörterbuch mit ihren Affixen aufführt; keine, die seine Regeln für Zusammensetzungen bilden.</translation>
    </message>
    <message>
        <source>In a game: print each word&apos;s value with the tiles of the dictionary&apos;s language, a blank worth 0.</source>
        <translation>In einem Spiel: den Wert jedes Wortes mit den Spielsteinen der Sprache des Wörterbuchs ausgeben, ein Joker zählt 0.</translation>
    </message>
    <message>
        <source>%1 takes letters A to Z.</source>
        <translation>%1 nimmt Buchstaben von A bis Z.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together.</source>
        <translation>%1 und %2 können nicht zusammen angegeben werden.</translation>
    </message>
    <message>
        <source>--sort takes score, length or alpha.</source>
        <translation>--sort nimmt score, length oder alpha.</translation>
    </message>
    <message>
        <source>--sort score needs --scores.</source>
        <translation>--sort score braucht --scores.</translation>
    </message>
    <message>
        <source>%1 %2: the letters given do not hold its letters.</source>
        <translation>%1 %2: Die angegebenen Buchstaben enthalten dessen Buchstaben nicht.</translation>
    </message>
    <message>
        <source>%1 needs --phrases.</source>
        <translation>%1 braucht --phrases.</translation>
    </message>
    <message>
        <source>In a game: leave out the words of fewer than N letters (default 2); in a phrase, each of its words.</source>
        <translation>In einem Spiel: die Wörter aus weniger als N Buchstaben weglassen (Vorgabe 2); bei Wortgruppen jedes ihrer Wörter.</translation>
    </message>
    <message>
        <source>In a game: print no more than N results, and say on standard error when some were left out (default: every word, the first %1 phrases).</source>
        <translation>In einem Spiel: höchstens N Ergebnisse ausgeben und auf der Standardfehlerausgabe melden, wenn welche weggelassen wurden (Vorgabe: alle Wörter, die ersten %1 Wortgruppen).</translation>
    </message>
    <message>
        <source>In a game: print the results as one JSON array instead of a line each; per result its &quot;words&quot;, its number of &quot;letters&quot;, in each word the positions of the letters &quot;blanks&quot; stand for, and with --scores its &quot;score&quot;.</source>
        <translation>In einem Spiel: die Ergebnisse als ein JSON-Array statt einer Zeile je Ergebnis ausgeben; je Ergebnis seine &quot;words&quot;, seine Zahl der Buchstaben &quot;letters&quot;, in jedem Wort die Stellen der Buchstaben, für die Joker stehen (&quot;blanks&quot;), und mit --scores seinen Wert &quot;score&quot;.</translation>
    </message>
    <message>
        <source>%1 takes letters of the dictionary&apos;s alphabet.</source>
        <translation>%1 erwartet Buchstaben aus dem Alphabet des Wörterbuchs.</translation>
    </message>
    <message>
        <source>With --some or --pattern: the order of the words, score (highest first), length (longest first, the default) or alpha (alphabetical, as the dictionary&apos;s language sorts).</source>
        <translation>Mit --some oder --pattern: die Reihenfolge der Wörter, score (höchster Wert zuerst), length (längste zuerst, die Vorgabe) oder alpha (alphabetisch, wie die Sprache des Wörterbuchs sortiert).</translation>
    </message>
    <message>
        <source>In a game: the words of this list (one a line, UTF-8, # comments, any alphabet) instead of the dictionary&apos;s, matched as the games match the letters of the dictionary&apos;s language; the spelling checker is not asked.</source>
        <translation>In einem Spiel: die Wörter dieser Liste (eines je Zeile, UTF-8, # für Kommentare, in jedem Alphabet) statt der des Wörterbuchs, verglichen, wie die Spiele die Buchstaben der Sprache des Wörterbuchs vergleichen; die Rechtschreibprüfung wird nicht befragt.</translation>
    </message>
</context>
<context>
    <name>GameOutput</name>
    <message>
        <source>stopped after %1 of %2 words, the limit (--limit)</source>
        <translation>angehalten nach %1 von %2 Wörtern: Grenze erreicht (--limit)</translation>
    </message>
    <message>
        <source>stopped early: %1; the list is not complete</source>
        <translation>vorzeitig angehalten: %1; die Liste ist unvollständig</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n Wort; Kandidaten: %1, Fragen an die Rechtschreibprüfung: %2, %3 s</numerusform>
            <numerusform>%n Wörter; Kandidaten: %1, Fragen an die Rechtschreibprüfung: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n Wortgruppe; Kandidaten: %1, Fragen an die Rechtschreibprüfung: %2, %3 s</numerusform>
            <numerusform>%n Wortgruppen; Kandidaten: %1, Fragen an die Rechtschreibprüfung: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped after %n phrase(s), the limit (--limit); there are more</source>
        <translation>
            <numerusform>angehalten nach %n Wortgruppe: Grenze erreicht (--limit); es gibt weitere</numerusform>
            <numerusform>angehalten nach %n Wortgruppen: Grenze erreicht (--limit); es gibt weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n Wort; Kandidaten: %1, %2 s</numerusform>
            <numerusform>%n Wörter; Kandidaten: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n Wortgruppe; Kandidaten: %1, %2 s</numerusform>
            <numerusform>%n Wortgruppen; Kandidaten: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n candidate word(s) left out</source>
        <translation>
            <numerusform>mindestens %n Kandidat ausgelassen</numerusform>
            <numerusform>mindestens %n Kandidaten ausgelassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n candidate word(s) left out</source>
        <translation>
            <numerusform>%n Kandidat ausgelassen</numerusform>
            <numerusform>%n Kandidaten ausgelassen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameTool</name>
    <message>
        <source>--some and --phrases need the word index of the dictionary, which cannot serve it: %1</source>
        <translation>--some und --phrases brauchen den Wortindex des Wörterbuchs, der sich dafür nicht verwenden lässt: %1</translation>
    </message>
    <message>
        <source>--scores: the language of the dictionary %1 has no tile set here; these have one: %2.</source>
        <translation>--scores: Die Sprache des Wörterbuchs %1 hat hier keinen Satz Spielsteine; diese haben einen: %2.</translation>
    </message>
    <message>
        <source>--wordlist %1: %2.</source>
        <translation>--wordlist %1: %2.</translation>
    </message>
    <message>
        <source>The tile [%1] is not one of the tile set of the language of the dictionary %2.</source>
        <translation>Der Spielstein [%1] gehört nicht zum Spielsteinsatz der Sprache des Wörterbuchs %2.</translation>
    </message>
    <message numerus="yes">
        <source>the words of the list %1: %n word(s), %2 left out for characters that are no letters; the spelling checker was not asked</source>
        <translation>
            <numerusform>die Wörter der Liste %1: %n Wort, %2 wegen Zeichen, die keine Buchstaben sind, weggelassen; die Rechtschreibprüfung wurde nicht befragt</numerusform>
            <numerusform>die Wörter der Liste %1: %n Wörter, %2 wegen Zeichen, die keine Buchstaben sind, weggelassen; die Rechtschreibprüfung wurde nicht befragt</numerusform>
        </translation>
    </message>
    <message>
        <source>--pattern needs the word index of the dictionary, which cannot serve it: %1</source>
        <translation>--pattern braucht den Wortindex des Wörterbuchs, der sich dafür nicht verwenden lässt: %1</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Help file (qv.chm) not found:</source>
        <translation>Hilfedatei (qv.chm) nicht gefunden:</translation>
    </message>
    <message>
        <source>The help file you chose does not exist.</source>
        <translation>Die gewählte Hilfedatei existiert nicht.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error occurred: </source>
        <translation>Ein Fehler ist aufgetreten: </translation>
    </message>
    <message>
        <source>Help File (*.chm)|*.chm</source>
        <translation>Hilfedatei (*.chm)|*.chm</translation>
    </message>
    <message>
        <source>The help file could not be found.  This could be caused by the Quorvel program file being copied or moved away from the location where it was initially installed.  If you would like to view the help file then please specify its location.  The name of the file is qv.chm and the default location is in the directory where the Quorvel program was initially installed.</source>
        <translation>Die Hilfedatei wurde nicht gefunden. Möglicherweise wurde die Programmdatei von Quorvel von ihrem ursprünglichen Installationsort weg kopiert oder verschoben. Wenn Sie die Hilfe lesen möchten, geben Sie bitte an, wo sie liegt. Die Datei heißt qv.chm und liegt normalerweise in dem Ordner, in den Quorvel ursprünglich installiert wurde.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>This help file cannot be shown</source>
        <translation>Diese Hilfedatei kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>%1 is not a readable compiled help (CHM) file: %2.</source>
        <translation>%1 ist keine lesbare kompilierte Hilfedatei (CHM): %2.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>it names no start page</source>
        <translation>sie nennt keine Startseite</translation>
    </message>
    <message>
        <source>(The rest is left out: more than %1 lines.)</source>
        <translation>(Der Rest wird ausgelassen: mehr als %1 Zeilen.)</translation>
    </message>
</context>
<context>
    <name>IndexLoading</name>
    <message>
        <source>the kept word index of %1 is not used: %2</source>
        <translation>der gespeicherte Wortindex von %1 wird nicht verwendet: %2</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>--language: there is no translation for &apos;%1&apos;; the languages are: %2.</source>
        <translation>--language: Für „%1“ gibt es keine Übersetzung; verfügbare Sprachen: %2.</translation>
    </message>
</context>
<context>
    <name>KeptDictionary</name>
    <message>
        <source>the cache in %1 is not written: %2</source>
        <translation>der Zwischenspeicher in %1 wird nicht geschrieben: %2</translation>
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
        <translation>Sie haben mindestens ein ungültiges Zeichen eingegeben. Bitte geben Sie nur Buchstaben ein (keine Leerzeichen, Satzzeichen, Ziffern oder Symbole).</translation>
    </message>
    <message>
        <source>You didn&apos;t enter any letters.  Please enter your jumbled letters, then press the button to analyze.</source>
        <translation>Sie haben keine Buchstaben eingegeben. Bitte geben Sie die durcheinandergewürfelten Buchstaben ein und klicken Sie dann auf die Schaltfläche zum Analysieren.</translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <translation>Bitte bestätigen</translation>
    </message>
    <message numerus="yes">
        <source>You entered %n letters to analyze.  It could take a significant amount of time.  Do you want to continue?</source>
        <translation>
            <numerusform>Sie haben %n Buchstaben zum Analysieren eingegeben. Das kann sehr lange dauern. Möchten Sie fortfahren?</numerusform>
            <numerusform>Sie haben %n Buchstaben zum Analysieren eingegeben. Das kann sehr lange dauern. Möchten Sie fortfahren?</numerusform>
        </translation>
    </message>
    <message>
        <source>You need to have a Hunspell dictionary for your language or for American English (Debian package hunspell-en-us) installed on your PC for this program to run.  Neither was found on your computer.  This program can not continue.</source>
        <translation>Damit dieses Programm läuft, muss ein Hunspell-Wörterbuch für Ihre Sprache oder für amerikanisches Englisch (Debian-Paket hunspell-en-us) auf Ihrem Rechner installiert sein. Keines von beiden wurde gefunden. Das Programm kann nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>You don&apos;t seem to have a new enough version of Nuspell or Hunspell for this program to run. This program can not continue.</source>
        <translation>Ihre Version von Nuspell oder Hunspell scheint für dieses Programm nicht neu genug zu sein. Das Programm kann nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>Done - No words found</source>
        <translation>Fertig – keine Wörter gefunden</translation>
    </message>
    <message numerus="yes">
        <source>Done - Found %n words: </source>
        <translation>
            <numerusform>Fertig – %n Wort gefunden: </numerusform>
            <numerusform>Fertig – %n Wörter gefunden: </numerusform>
        </translation>
    </message>
    <message>
        <source>You entered an invalid character: %1.  Please only enter letters (no spaces, punctuation marks, numbers or symbols).</source>
        <translation>Sie haben ein ungültiges Zeichen eingegeben: %1. Bitte geben Sie nur Buchstaben ein (keine Leerzeichen, Satzzeichen, Ziffern oder Symbole).</translation>
    </message>
    <message>
        <source>The letter %1 is not in the alphabet of the dictionary %2.  Please only enter letters of that alphabet.</source>
        <translation>Der Buchstabe %1 gehört nicht zum Alphabet des Wörterbuchs %2. Bitte geben Sie nur Buchstaben dieses Alphabets ein.</translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>Die Seite ist größer als die Grenze von %1 KB.</translation>
    </message>
    <message>
        <source>The page has more elements than the limit of %1.</source>
        <translation>Die Seite hat mehr Elemente als die Grenze von %1.</translation>
    </message>
    <message>
        <source>The page has more table cells than the limit of %1.</source>
        <translation>Die Seite hat mehr Tabellenzellen als die Grenze von %1.</translation>
    </message>
    <message>
        <source>The page nests its elements deeper than the limit of %1 levels.</source>
        <translation>Die Seite verschachtelt ihre Elemente tiefer als die Grenze von %1 Ebenen.</translation>
    </message>
    <message>
        <source>The page nests tables deeper than the limit of %1 levels.</source>
        <translation>Die Seite verschachtelt Tabellen tiefer als die Grenze von %1 Ebenen.</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>line %1 has a NUL byte: this is no text file</source>
        <translation>Zeile %1 enthält ein NUL-Byte: das ist keine Textdatei</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>Zeile %1 ist länger als %2 Bytes</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text</source>
        <translation>Zeile %1 ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>it holds no word</source>
        <translation>sie enthält kein Wort</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message numerus="yes">
        <source>about %n second(s) left</source>
        <translation>
            <numerusform>noch etwa %n Sekunde</numerusform>
            <numerusform>noch etwa %n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s) left</source>
        <translation>
            <numerusform>noch etwa %n Minute</numerusform>
            <numerusform>noch etwa %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hour(s) left</source>
        <translation>
            <numerusform>noch etwa %n Stunde</numerusform>
            <numerusform>noch etwa %n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n day(s) left</source>
        <translation>
            <numerusform>noch etwa %n Tag</numerusform>
            <numerusform>noch etwa %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>years left</source>
        <translation>noch Jahre</translation>
    </message>
    <message>
        <source>No analysis is running.</source>
        <translation>Es läuft keine Analyse.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>%1 of %2 %3, %4/s, about %5 s left</source>
        <translation>%3: %1 von %2, %4/s, noch etwa %5 s</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%3: %1 von %2</translation>
    </message>
    <message>
        <source>%1, about %2 s left</source>
        <translation>%1, noch etwa %2 s</translation>
    </message>
    <message>
        <source>first words of phrases tried</source>
        <translation>erste Wörter von Wortgruppen ausprobiert</translation>
    </message>
    <message>
        <source>candidate words judged</source>
        <translation>Kandidaten geprüft</translation>
    </message>
    <message>
        <source>building the dictionary&apos;s word index</source>
        <translation>Wortindex des Wörterbuchs wird erstellt</translation>
    </message>
    <message>
        <source>arrangements tried</source>
        <translation>Anordnungen versucht</translation>
    </message>
    <message>
        <source>compounds named (of a bound)</source>
        <translation>Komposita genannt (von einer Obergrenze)</translation>
    </message>
    <message>
        <source>candidates confirmed</source>
        <translation>Kandidaten bestätigt</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt Versionsinformation an.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach „%1“ fehlt der Wert.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach „%1“.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>&amp;Link-Adresse kopieren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>QtOpenFileDialog</name>
    <message>
        <source>Permission denied: %1</source>
        <translation>Zugriff verweigert: %1</translation>
    </message>
</context>
<context>
    <name>QueryLines</name>
    <message>
        <source>Line %1 is longer than %2 bytes and is not answered.</source>
        <translation>Zeile %1 ist länger als %2 Bytes und wird nicht beantwortet.</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>the checker reads no dictionary file</source>
        <translation>die Rechtschreibprüfung liest keine Wörterbuchdatei</translation>
    </message>
    <message>
        <source>the letters are too many to count their arrangements exactly</source>
        <translation>es sind zu viele Buchstaben, um ihre Anordnungen genau zu zählen</translation>
    </message>
    <message>
        <source>the index names more arrangements than trying them all is worth</source>
        <translation>der Index nennt so viele Anordnungen, dass sich das Ausprobieren aller mehr lohnt</translation>
    </message>
    <message>
        <source>asked to (--exhaustive)</source>
        <translation>auf Wunsch (--exhaustive)</translation>
    </message>
    <message>
        <source>the word index is still being built or read, and trying every arrangement is quicker</source>
        <translation>der Wortindex wird noch erstellt oder gelesen, und jede Anordnung auszuprobieren geht schneller</translation>
    </message>
    <message>
        <source>its files cannot be read</source>
        <translation>die Dateien des Wörterbuchs können nicht gelesen werden</translation>
    </message>
    <message>
        <source>the word index is of another dictionary</source>
        <translation>der Wortindex gehört zu einem anderen Wörterbuch</translation>
    </message>
    <message>
        <source>the index was not finished</source>
        <translation>der Index wurde nicht fertiggestellt</translation>
    </message>
    <message>
        <source>no process could be started to try it</source>
        <translation>es ließ sich kein Prozess starten, um es auszuprobieren</translation>
    </message>
    <message>
        <source>the trying was cut short</source>
        <translation>das Ausprobieren wurde abgebrochen</translation>
    </message>
    <message>
        <source>it takes longer than any dictionary should to load</source>
        <translation>das Laden dauert länger, als es bei einem Wörterbuch je dauern sollte</translation>
    </message>
    <message>
        <source>it takes more processor time than any dictionary should to load</source>
        <translation>das Laden braucht mehr Prozessorzeit, als ein Wörterbuch je brauchen sollte</translation>
    </message>
    <message>
        <source>it fails loading it</source>
        <translation>das Laden schlägt fehl</translation>
    </message>
    <message>
        <source>a question to it fails</source>
        <translation>eine Abfrage an die Rechtschreibprüfung schlägt fehl</translation>
    </message>
    <message>
        <source>it dies loading it (signal %1)</source>
        <translation>es stürzt beim Laden ab (Signal %1)</translation>
    </message>
    <message>
        <source>the helper program %1 cannot be started</source>
        <translation>das Hilfsprogramm %1 kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>it accepts none of &quot;%1&quot; and the other first entries of its own word list</source>
        <translation>es akzeptiert weder „%1“ noch die anderen ersten Einträge seiner eigenen Wortliste</translation>
    </message>
    <message>
        <source>it accepts &quot;%1&quot;, which is no word: it accepts any string of Latin letters</source>
        <translation>es akzeptiert „%1“, das kein Wort ist: es akzeptiert jede Folge lateinischer Buchstaben</translation>
    </message>
    <message>
        <source>the search for compounds took longer than its budget</source>
        <translation>die Suche nach zusammengesetzten Wörtern dauerte länger als vorgesehen</translation>
    </message>
    <message>
        <source>the search for compounds was stopped</source>
        <translation>die Suche nach zusammengesetzten Wörtern wurde abgebrochen</translation>
    </message>
    <message>
        <source>the affix file has too many rules</source>
        <translation>die Affixdatei hat zu viele Regeln</translation>
    </message>
    <message>
        <source>COMPLEXPREFIXES turns the affix rules around</source>
        <translation>COMPLEXPREFIXES kehrt die Affixregeln um</translation>
    </message>
    <message>
        <source>IGNORE removes letters before the check</source>
        <translation>IGNORE entfernt vor der Prüfung Buchstaben</translation>
    </message>
    <message>
        <source>BREAK splits words at letters</source>
        <translation>BREAK trennt Wörter an Buchstaben</translation>
    </message>
    <message>
        <source>ICONV converts letters before the check</source>
        <translation>ICONV wandelt vor der Prüfung Buchstaben um</translation>
    </message>
    <message>
        <source>COMPOUNDRULE with an open group</source>
        <translation>COMPOUNDRULE mit einer nicht geschlossenen Gruppe</translation>
    </message>
    <message>
        <source>an affix line is too short</source>
        <translation>eine Affixzeile ist zu kurz</translation>
    </message>
    <message>
        <source>an affix header is malformed</source>
        <translation>ein Affixkopf ist fehlerhaft</translation>
    </message>
    <message>
        <source>an affix header names no flag</source>
        <translation>ein Affixkopf nennt kein Flag</translation>
    </message>
    <message>
        <source>an affix condition is malformed</source>
        <translation>eine Affixbedingung ist fehlerhaft</translation>
    </message>
    <message>
        <source>the affix file names more than one encoding</source>
        <translation>die Affixdatei nennt mehr als eine Kodierung</translation>
    </message>
    <message>
        <source>FLAG comes after lines that use flags</source>
        <translation>FLAG steht nach Zeilen, die Flags verwenden</translation>
    </message>
    <message>
        <source>the affix file has a line that is too long</source>
        <translation>die Affixdatei hat eine zu lange Zeile</translation>
    </message>
    <message>
        <source>the dictionary has too many words</source>
        <translation>das Wörterbuch hat zu viele Wörter</translation>
    </message>
    <message>
        <source>the dictionary has a line that is too long</source>
        <translation>das Wörterbuch hat eine zu lange Zeile</translation>
    </message>
    <message>
        <source>the search for compounds took more steps than its budget of %1</source>
        <translation>die Suche nach zusammengesetzten Wörtern brauchte mehr Schritte als die vorgesehenen %1</translation>
    </message>
    <message>
        <source>the search for compounds named more than %1 candidates, its budget</source>
        <translation>die Suche nach zusammengesetzten Wörtern nannte mehr Kandidaten als die vorgesehenen %1</translation>
    </message>
    <message>
        <source>the dictionary files cannot be read: %1</source>
        <translation>die Dateien des Wörterbuchs können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>its affix file cannot be read: %1</source>
        <translation>seine Affixdatei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the index of stems does not read back: %1</source>
        <translation>der Stammindex lässt sich nicht wieder einlesen: %1</translation>
    </message>
    <message>
        <source>more than %1 letters and blanks</source>
        <translation>mehr als %1 Buchstaben und Joker</translation>
    </message>
    <message>
        <source>the encoding %1 is not known</source>
        <translation>die Kodierung %1 ist unbekannt</translation>
    </message>
    <message>
        <source>%1 has no count</source>
        <translation>bei %1 fehlt die Anzahl der Zeilen</translation>
    </message>
    <message>
        <source>%1 line without a value</source>
        <translation>%1-Zeile ohne Wert</translation>
    </message>
    <message>
        <source>it reports: %1</source>
        <translation>die Meldung lautet: %1</translation>
    </message>
    <message>
        <source>the affix rules take too long to apply</source>
        <translation>die Anwendung der Affixregeln dauert zu lange</translation>
    </message>
    <message>
        <source>a dictionary word has too many forms</source>
        <translation>ein Wort des Wörterbuchs hat zu viele Formen</translation>
    </message>
    <message>
        <source>a dictionary word has too many spellings in letters</source>
        <translation>ein Wort des Wörterbuchs lässt sich auf zu viele Arten in Buchstaben schreiben</translation>
    </message>
    <message>
        <source>the dictionary has too many forms</source>
        <translation>das Wörterbuch hat zu viele Formen</translation>
    </message>
    <message>
        <source>no letters were given</source>
        <translation>es wurden keine Buchstaben angegeben</translation>
    </message>
    <message>
        <source>the affix file cannot be read</source>
        <translation>die Affixdatei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is not an index of stems of this version</source>
        <translation>es ist kein Stammindex dieser Version</translation>
    </message>
    <message>
        <source>its stems do not fit together</source>
        <translation>seine Stämme passen nicht zusammen</translation>
    </message>
    <message>
        <source>its affix file cannot be read</source>
        <translation>seine Affixdatei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the search for the forms was stopped</source>
        <translation>die Suche nach den Formen wurde abgebrochen</translation>
    </message>
    <message>
        <source>the letters have too many forms</source>
        <translation>die Buchstaben ergeben zu viele Formen</translation>
    </message>
    <message>
        <source>it is not a word index of this version</source>
        <translation>es ist kein Wortindex dieser Version</translation>
    </message>
    <message>
        <source>its compound settings are damaged</source>
        <translation>seine Einstellungen für zusammengesetzte Wörter sind beschädigt</translation>
    </message>
    <message>
        <source>its sections do not agree</source>
        <translation>seine Abschnitte passen nicht zueinander</translation>
    </message>
    <message>
        <source>its tree of keys is damaged</source>
        <translation>sein Schlüsselbaum ist beschädigt</translation>
    </message>
    <message>
        <source>its keys do not match their forms</source>
        <translation>seine Schlüssel passen nicht zu ihren Formen</translation>
    </message>
    <message>
        <source>a form holds other characters than letters</source>
        <translation>eine Form enthält andere Zeichen als Buchstaben</translation>
    </message>
    <message>
        <source>a form is not made of its key&apos;s letters</source>
        <translation>eine Form besteht nicht aus den Buchstaben ihres Schlüssels</translation>
    </message>
    <message>
        <source>its compound rule flags are damaged</source>
        <translation>seine Flags der Regeln für zusammengesetzte Wörter sind beschädigt</translation>
    </message>
    <message>
        <source>no letters were typed</source>
        <translation>es wurden keine Buchstaben eingegeben</translation>
    </message>
    <message>
        <source>more than 255 different letters were typed</source>
        <translation>es wurden mehr als 255 verschiedene Buchstaben eingegeben</translation>
    </message>
    <message>
        <source>a letter typed is no letter a word is spelt with</source>
        <translation>ein eingegebener Buchstabe kommt in keinem Wort vor</translation>
    </message>
    <message>
        <source>the letters typed spread in too many ways</source>
        <translation>die eingegebenen Buchstaben lassen sich auf zu viele Arten verteilen</translation>
    </message>
    <message>
        <source>the dictionary has more compounding rules than the search follows</source>
        <translation>das Wörterbuch hat mehr Regeln für zusammengesetzte Wörter, als die Suche verfolgt</translation>
    </message>
    <message>
        <source>a letter typed stands for letters the word index files apart</source>
        <translation>ein eingegebener Buchstabe steht für Buchstaben, die der Wortindex getrennt ablegt</translation>
    </message>
    <message>
        <source>only letters, &quot;?&quot; for a blank, a tile of several letters in [ ] and spaces can be given</source>
        <translation>nur Buchstaben, „?“ als Joker, ein Spielstein aus mehreren Buchstaben in [ ] und Leerzeichen sind erlaubt</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; %3 more were left out</source>
        <translation>die Rechtschreibprüfung beurteilte %1 Kandidaten, zusammengesetzte Wörter höchstens die vorgesehenen %2; %3 weitere blieben weg</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; at least %3 more were left out</source>
        <translation>die Rechtschreibprüfung beurteilte %1 Kandidaten, zusammengesetzte Wörter höchstens die vorgesehenen %2; mindestens %3 weitere blieben weg</translation>
    </message>
    <message>
        <source>a word found had more than %1 spellings in the letters of the pattern</source>
        <translation>ein gefundenes Wort hatte mehr als %1 Schreibweisen in den Buchstaben des Musters</translation>
    </message>
    <message>
        <source>the search took longer than its budget; %1 candidates were left out unjudged</source>
        <translation>die Suche dauerte länger als vorgesehen; %1 Kandidaten blieben unbeurteilt weg</translation>
    </message>
    <message>
        <source>the search took longer than its budget</source>
        <translation>die Suche dauerte länger als vorgesehen</translation>
    </message>
    <message>
        <source>the search was stopped</source>
        <translation>die Suche wurde angehalten</translation>
    </message>
    <message>
        <source>the phrase search took more steps than its budget of %1</source>
        <translation>die Suche nach Wortgruppen brauchte mehr Schritte als die vorgesehenen %1</translation>
    </message>
    <message>
        <source>the phrases passed their budget of %1</source>
        <translation>die Wortgruppen überschritten die vorgesehenen %1</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Dictionary: %1 (%2)</source>
        <translation>Wörterbuch: %1 (%2)</translation>
    </message>
    <message>
        <source>Spelling checker: %1</source>
        <translation>Rechtschreibprüfung: %1</translation>
    </message>
    <message>
        <source>Found through the word index, each word confirmed by the checker</source>
        <translation>Über den Wortindex gefunden, jedes Wort von der Rechtschreibprüfung bestätigt</translation>
    </message>
    <message>
        <source>Every arrangement tried: %1</source>
        <translation>Jede Anordnung ausprobiert: %1</translation>
    </message>
    <message>
        <source>Every arrangement tried</source>
        <translation>Jede Anordnung ausprobiert</translation>
    </message>
    <message>
        <source>Time: %1 s</source>
        <translation>Zeit: %1 s</translation>
    </message>
    <message>
        <source>No dictionary for your language (%1) is installed, so the %2 dictionary answered. Install the Hunspell dictionary of your language (a package named like hunspell-%3) to search in it.</source>
        <translation>Für Ihre Sprache (%1) ist kein Wörterbuch installiert, deshalb hat das Wörterbuch %2 geantwortet. Installieren Sie das Hunspell-Wörterbuch Ihrer Sprache (ein Paket mit einem Namen wie hunspell-%3), um darin zu suchen.</translation>
    </message>
    <message>
        <source>Letters matched loosely: case does not matter, nor a mark that is no letter of its own in the dictionary&apos;s language</source>
        <translation>Buchstaben großzügig verglichen: Groß- und Kleinschreibung zählt nicht, ebenso wenig ein diakritisches Zeichen, das in der Sprache des Wörterbuchs keinen eigenen Buchstaben bildet</translation>
    </message>
</context>
<context>
    <name>SearchCommandLine</name>
    <message>
        <source>Ask the spelling checker from N threads (1: one question after another; default: one per core).</source>
        <translation>Die Rechtschreibprüfung aus N Threads befragen (1: eine Frage nach der anderen; Vorgabe: einer je Kern).</translation>
    </message>
    <message>
        <source>List the dictionaries found, and which one the locale picks.</source>
        <translation>Die gefundenen Wörterbücher auflisten und angeben, welches die Locale wählt.</translation>
    </message>
    <message>
        <source>Lists every word made of all the given letters, as the Quorvel window does; with --some or --phrases, the words made of some of them or the phrases made of all of them.</source>
        <translation>Listet jedes Wort auf, das aus allen angegebenen Buchstaben besteht, wie das Quorvel-Fenster; mit --some oder --phrases die Wörter aus einem Teil davon oder die Wortgruppen aus allen.</translation>
    </message>
    <message>
        <source>%1 needs --some or --phrases.</source>
        <translation>%1 braucht --some oder --phrases.</translation>
    </message>
    <message>
        <source>--threads and --exhaustive belong to the search for words of all the letters, not to --some or --phrases.</source>
        <translation>--threads und --exhaustive gehören zur Suche nach Wörtern aus allen Buchstaben, nicht zu --some oder --phrases.</translation>
    </message>
    <message>
        <source>--threads takes a number from 1 to %1</source>
        <translation>--threads nimmt eine Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>Give the letters as one argument.</source>
        <translation>Geben Sie die Buchstaben als ein Argument an.</translation>
    </message>
    <message>
        <source>The letters given are not UTF-8 text.</source>
        <translation>Die angegebenen Buchstaben sind kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>Answer one query per line of standard input, the dictionary loaded once, each as soon as it is read (the letters are not given as an argument).</source>
        <translation>Eine Anfrage je Zeile der Standardeingabe beantworten, jede sobald sie gelesen ist, das Wörterbuch nur einmal geladen (die Buchstaben werden nicht als Argument angegeben).</translation>
    </message>
    <message>
        <source>--pattern without --some or --phrases lists the dictionary&apos;s words that fit it, and takes no letters.</source>
        <translation>--pattern ohne --some oder --phrases listet die passenden Wörter des Wörterbuchs und nimmt keine Buchstaben.</translation>
    </message>
    <message>
        <source>With --stdin the letters come from standard input, not as an argument.</source>
        <translation>Mit --stdin kommen die Buchstaben von der Standardeingabe, nicht als Argument.</translation>
    </message>
    <message>
        <source>Match the letters loosely, as word-game players count them: case does not matter, nor a mark the dictionary&apos;s language has no letter of its own for (in French &quot;ete&quot; finds &quot;été&quot;; in Spanish &quot;n&quot; never stands for &quot;ñ&quot;). The word games (--some, --phrases, --pattern) always match so; with them it changes nothing.</source>
        <translation>Buchstaben großzügig vergleichen, wie Spieler von Wortspielen sie zählen: Groß- und Kleinschreibung zählt nicht, ebenso wenig ein diakritisches Zeichen, für das die Sprache des Wörterbuchs keinen eigenen Buchstaben hat (im Französischen findet „ete“ „été“; im Spanischen steht „n“ nie für „ñ“). Die Wortspiele (--some, --phrases, --pattern) vergleichen immer so; mit ihnen ändert die Option nichts.</translation>
    </message>
    <message>
        <source>The jumbled letters (of any alphabet, in either case); with --some or --phrases matched loosely, &quot;?&quot; is a blank tile and [ch] a tile of several letters.</source>
        <translation>Die durcheinandergewürfelten Buchstaben (jedes Alphabets, groß oder klein); mit --some oder --phrases großzügig verglichen, „?“ ist ein Joker und [ch] ein Spielstein aus mehreren Buchstaben.</translation>
    </message>
</context>
<context>
    <name>SearchTool</name>
    <message>
        <source>Letters: </source>
        <translation>Buchstaben: </translation>
    </message>
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>ToolIo</name>
    <message>
        <source>dictionary %1 (%2), engine %3</source>
        <translation>Wörterbuch %1 (%2), Prüfprogramm %3</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>it is larger than %1 MB, the most a word list may be</source>
        <translation>sie ist größer als %1 MB, mehr darf eine Wortliste nicht haben</translation>
    </message>
    <message>
        <source>its words have too many different letters</source>
        <translation>ihre Wörter haben zu viele verschiedene Buchstaben</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>This application takes a jumbled set of letters and lists all valid words that can be made from all those letters.  It uses the spelling dictionaries of Nuspell and/or Hunspell in part of the analysis.</source>
        <translation>Dieses Programm nimmt einen Buchstabensalat und listet alle gültigen Wörter auf, die sich aus allen diesen Buchstaben bilden lassen. Für einen Teil der Analyse verwendet es die Rechtschreibwörterbücher von Nuspell und/oder Hunspell.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo …</translation>
    </message>
    <message>
        <source>Visit us at: </source>
        <translation>Besuchen Sie uns unter: </translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>The home page could not be opened in a web browser.

Its address is %1</source>
        <translation>Die Homepage konnte nicht in einem Webbrowser geöffnet werden.

Die Adresse lautet %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The program&apos;s banner</source>
        <translation>Das Banner des Programms</translation>
    </message>
    <message>
        <source>4 Easy steps: </source>
        <translation>In 4 einfachen Schritten: </translation>
    </message>
    <message>
        <source>Type the letters, analyze them, wait, then read the words found</source>
        <translation>Buchstaben eingeben, analysieren, warten, dann die gefundenen Wörter lesen</translation>
    </message>
    <message>
        <source>(1) Type the jumbled letters here:</source>
        <translation>(1) Buchstabensalat hier eingeben:</translation>
    </message>
    <message>
        <source>Letters A to Z only; Enter starts the analysis</source>
        <translation>Nur Buchstaben von A bis Z; die Eingabetaste startet die Analyse</translation>
    </message>
    <message>
        <source>(2) Click Here:</source>
        <translation>(2) Hier klicken:</translation>
    </message>
    <message>
        <source>Analyze letters</source>
        <translation>Buchstaben analysieren</translation>
    </message>
    <message>
        <source>Finds every word made of all the letters typed</source>
        <translation>Findet jedes Wort, das aus allen eingegebenen Buchstaben besteht</translation>
    </message>
    <message>
        <source>(3) Wait for analysis:</source>
        <translation>(3) Auf die Analyse warten:</translation>
    </message>
    <message>
        <source>cancel analysis</source>
        <translation>Analyse abbrechen</translation>
    </message>
    <message>
        <source>Stops the analysis under way</source>
        <translation>Bricht die laufende Analyse ab</translation>
    </message>
    <message>
        <source>(4) Read results below here:</source>
        <translation>(4) Ergebnisse hier unten lesen:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Opens the help, as Help &gt; Quorvel Help does</source>
        <translation>Öffnet die Hilfe, wie Hilfe &gt; Quorvel-Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Quorvel H&amp;elp</source>
        <translation>Quorvel-&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>The words found appear here when an analysis ends</source>
        <translation>Hier erscheinen die gefundenen Wörter, sobald eine Analyse endet</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Match Letters &amp;Loosely</source>
        <translation>Buchstaben &amp;großzügig vergleichen</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>Lists every word made of all the letters typed, in a window. See quorvel(1).</source>
        <translation>Listet in einem Fenster jedes Wort auf, das aus allen eingegebenen Buchstaben besteht. Siehe quorvel(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the letters are typed in the window (quorvel-search takes them here).</source>
        <translation>Unerwartetes Argument „%1“: Die Buchstaben werden im Fenster eingegeben (quorvel-search nimmt sie hier entgegen).</translation>
    </message>
</context>
</TS>
