<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Aus den Buchstaben „tca“ werden die Wörter „cat“ und „act“</translation>
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
        <translation>Vor</translation>
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
    <name>InterfaceLanguage</name>
    <message>
        <source>--language: there is no translation for &apos;%1&apos;; the languages are: %2.</source>
        <translation>--language: Für „%1“ gibt es keine Übersetzung; verfügbare Sprachen: %2.</translation>
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
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
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
        <translation>Besuchen Sie uns: </translation>
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

Ihre Adresse lautet %1</translation>
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
    <message>
        <source>--dictionary: %1.</source>
        <translation>--dictionary: %1.</translation>
    </message>
    <message>
        <source>Try &apos;quorvel --help&apos; for more information.</source>
        <translation>„quorvel --help“ gibt weitere Informationen.</translation>
    </message>
    <message>
        <source>Try every arrangement, even where the dictionary&apos;s word index could answer.</source>
        <translation>Jede Anordnung ausprobieren, auch wo der Wortindex des Wörterbuchs antworten könnte.</translation>
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
        <source>NAME_OR_PATH</source>
        <translation>NAME_ODER_PFAD</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR; en for English) instead of the one the locale names. The dictionary is chosen apart from it.</source>
        <translation>In dieser Sprache sprechen (de, fr, pt_BR; en für Englisch) statt in der, die die Locale nennt. Das Wörterbuch wird unabhängig davon gewählt.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>SPRACHE</translation>
    </message>
</context>
</TS>
