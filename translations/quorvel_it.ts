<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
        <translation>Quorvel risolve le lettere rimescolate. Digita le lettere e mostra ogni parola formata con tutte, una volta sola. La maggior parte dei dizionari risponde subito, per quante lettere si digitino.</translation>
    </message>
    <message>
        <source>It carries no word list of its own: it uses the Hunspell dictionary of your language and the letter case you type, so a capital finds the names and nouns that are written with one.</source>
        <translation>Non ha un elenco di parole proprio: usa il dizionario Hunspell della tua lingua e rispetta maiuscole e minuscole come le digiti, così una maiuscola trova i nomi che si scrivono con essa.</translation>
    </message>
    <message>
        <source>The letters tca give the words cat and act</source>
        <translation>Le lettere «tca» danno le parole «cat» e «act»</translation>
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
    <name>InterfaceLanguage</name>
    <message>
        <source>--language: there is no translation for &apos;%1&apos;; the languages are: %2.</source>
        <translation>--language: non esiste una traduzione per «%1»; le lingue disponibili sono: %2.</translation>
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
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono al momento disponibili</translation>
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
    <message>
        <source>--dictionary: %1.</source>
        <translation>--dictionary: %1.</translation>
    </message>
    <message>
        <source>Try &apos;quorvel --help&apos; for more information.</source>
        <translation>Prova «quorvel --help» per maggiori informazioni.</translation>
    </message>
    <message>
        <source>Try every arrangement, even where the dictionary&apos;s word index could answer.</source>
        <translation>Prova tutte le combinazioni, anche dove l&apos;indice delle parole del dizionario potrebbe rispondere.</translation>
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
        <source>NAME_OR_PATH</source>
        <translation>NOME_O_PERCORSO</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR; en for English) instead of the one the locale names. The dictionary is chosen apart from it.</source>
        <translation>Usa questa lingua (de, fr, pt_BR; en per l&apos;inglese) invece di quella indicata dalla localizzazione. Il dizionario viene scelto a parte.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>LINGUA</translation>
    </message>
</context>
</TS>
