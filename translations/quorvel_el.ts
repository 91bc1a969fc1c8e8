<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>AnalysisTool</name>
    <message>
        <source>every arrangement tried: %1</source>
        <translation>δοκιμάστηκαν όλες οι διατάξεις: %1</translation>
    </message>
    <message>
        <source>answered by the word index, %1 s</source>
        <translation>απάντησε το ευρετήριο λέξεων, %1 s</translation>
    </message>
    <message>
        <source>%1 arrangements, %2 s, %3 arrangements/s</source>
        <translation>διατάξεις: %1, %2 s, %3 διατάξεις/s</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n candidate(s) settled by the dictionary&apos;s rules, without the checker</source>
        <translation>
            <numerusform>υποψήφια λέξη κρίθηκε από τους κανόνες του λεξικού, χωρίς τον ορθογράφο: %1 από %n</numerusform>
            <numerusform>υποψήφιες λέξεις κρίθηκαν από τους κανόνες του λεξικού, χωρίς τον ορθογράφο: %1 από %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n spelling(s) settled by the dictionary&apos;s rules, %1 asked of the checker</source>
        <translation>
            <numerusform>γραφή κρίθηκε από τους κανόνες του λεξικού: %n· ερωτήσεις στον ορθογράφο: %1</numerusform>
            <numerusform>γραφές κρίθηκαν από τους κανόνες του λεξικού: %n· ερωτήσεις στον ορθογράφο: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CacheFile</name>
    <message>
        <source>it cannot be created: %1</source>
        <translation>δεν είναι δυνατή η δημιουργία του αρχείου: %1</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>δεν είναι δυνατή η εγγραφή του αρχείου: %1</translation>
    </message>
</context>
<context>
    <name>ChmArchive</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>είναι μεγαλύτερο από %1 MB</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>δεν μπορεί να ανοιχτεί</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>δεν είναι κανονικό αρχείο</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>δεν μπορεί να διαβαστεί</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>η ανάγνωσή του ακυρώθηκε</translation>
    </message>
    <message>
        <source>the decompressor cannot be started</source>
        <translation>δεν είναι δυνατή η εκκίνηση του αποσυμπιεστή</translation>
    </message>
    <message>
        <source>its headers are not those of a compiled help file</source>
        <translation>οι κεφαλίδες του δεν είναι αυτές ενός μεταγλωττισμένου αρχείου βοήθειας</translation>
    </message>
    <message>
        <source>its directory has no chunks</source>
        <translation>ο κατάλογός του δεν έχει τμήματα</translation>
    </message>
    <message>
        <source>its directory runs past the end of the file</source>
        <translation>ο κατάλογός του εκτείνεται πέρα από το τέλος του αρχείου</translation>
    </message>
    <message>
        <source>its directory links to chunk %1, which does not exist</source>
        <translation>ο κατάλογός του παραπέμπει στο τμήμα %1, το οποίο δεν υπάρχει</translation>
    </message>
    <message>
        <source>its directory links back to chunk %1</source>
        <translation>ο κατάλογός του παραπέμπει ξανά στο τμήμα %1</translation>
    </message>
    <message>
        <source>its directory chunk %1 is not a listing</source>
        <translation>το τμήμα %1 του καταλόγου του δεν είναι λίστα</translation>
    </message>
    <message>
        <source>its directory chunk %1 is damaged</source>
        <translation>το τμήμα %1 του καταλόγου του είναι κατεστραμμένο</translation>
    </message>
    <message>
        <source>it lists more than %L1 files</source>
        <translation>περιέχει περισσότερα από %L1 αρχεία</translation>
    </message>
</context>
<context>
    <name>ChmBrowser</name>
    <message>
        <source>This page cannot be shown</source>
        <translation>Δεν είναι δυνατή η εμφάνιση αυτής της σελίδας</translation>
    </message>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>Η σελίδα υπερβαίνει το όριο των %1 KB.</translation>
    </message>
    <message>
        <source>The page %1 is not in this help file, or cannot be read from it.</source>
        <translation>Η σελίδα %1 δεν υπάρχει σε αυτό το αρχείο βοήθειας ή δεν μπορεί να διαβαστεί από αυτό.</translation>
    </message>
    <message>
        <source>The page %1 has nothing to show.</source>
        <translation>Η σελίδα %1 δεν έχει τίποτα να εμφανίσει.</translation>
    </message>
</context>
<context>
    <name>CommonOptions</name>
    <message>
        <source>Try every arrangement, even where the dictionary&apos;s word index could answer at once.</source>
        <translation>Δοκιμή κάθε διάταξης, ακόμη κι όπου το ευρετήριο λέξεων του λεξικού θα μπορούσε να απαντήσει αμέσως.</translation>
    </message>
    <message>
        <source>Neither read nor write the dictionary cache (~/.cache/quorvel).</source>
        <translation>Να μην διαβάζεται ούτε να γράφεται η κρυφή μνήμη λεξικών (~/.cache/quorvel).</translation>
    </message>
    <message>
        <source>Use the dictionary of this language (de_DE) or at this path (a .dic file, or its path without the extension).</source>
        <translation>Χρήση του λεξικού αυτής της γλώσσας (de_DE) ή αυτής της διαδρομής (ένα αρχείο .dic ή η διαδρομή του χωρίς την κατάληξη).</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR; en for English) instead of the one the environment names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). The dictionary is chosen apart from it.</source>
        <translation>Χρήση αυτής της γλώσσας (de, fr, pt_BR· en για αγγλικά) αντί αυτής που ορίζει το περιβάλλον (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Το λεξικό επιλέγεται ανεξάρτητα.</translation>
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
        <translation>Επίλυση αναγραμματισμών</translation>
    </message>
    <message>
        <source>Find every word that can be made from all of a set of jumbled letters</source>
        <translation>Βρείτε κάθε λέξη που σχηματίζεται από όλα τα γράμματα ενός ανακατεμένου συνόλου</translation>
    </message>
    <message>
        <source>anagram;jumble;word;puzzle;</source>
        <translation>αναγραμματισμός;γράμματα;λέξη;γρίφος;σπαζοκεφαλιά;</translation>
    </message>
    <message>
        <source>Quorvel solves letter jumbles. Type the jumbled letters and it lists every word made of all of them, each once. Most dictionaries answer at once, however many letters are typed.</source>
        <translation>Το Quorvel λύνει ανακατεμένα γράμματα. Πληκτρολογήστε τα ανακατεμένα γράμματα και το πρόγραμμα εμφανίζει κάθε λέξη που σχηματίζεται από όλα, με το καθένα από μία φορά. Τα περισσότερα λεξικά απαντούν αμέσως, όσα γράμματα κι αν πληκτρολογηθούν.</translation>
    </message>
    <message>
        <source>It carries no word list of its own: it uses the Hunspell dictionary of your language and the letter case you type, so a capital finds the names and nouns that are written with one.</source>
        <translation>Δεν έχει δικό του κατάλογο λέξεων: χρησιμοποιεί το λεξικό Hunspell της γλώσσας σας και τηρεί τα κεφαλαία και πεζά όπως τα πληκτρολογείτε, ώστε ένα κεφαλαίο να βρίσκει τα κύρια ονόματα και τα ουσιαστικά που γράφονται με κεφαλαίο.</translation>
    </message>
    <message>
        <source>The letters tca give the words cat and act</source>
        <translation>Τα γράμματα «tca» δίνουν τις λέξεις «cat» και «act»</translation>
    </message>
</context>
<context>
    <name>DictionaryCheck</name>
    <message>
        <source>it cannot be read</source>
        <translation>το αρχείο δεν μπορεί να διαβαστεί</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>το αρχείο δεν υπάρχει</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>δεν είναι δυνατό το άνοιγμα του αρχείου</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>δεν είναι κανονικό αρχείο</translation>
    </message>
    <message>
        <source>it is larger than the program reads</source>
        <translation>το αρχείο είναι μεγαλύτερο από όσο διαβάζει το πρόγραμμα</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>η ανάγνωση ακυρώθηκε</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1.dic is larger than the program reads</source>
        <translation>το %1.dic είναι μεγαλύτερο από όσο διαβάζει το πρόγραμμα</translation>
    </message>
    <message>
        <source>SET %1 names an encoding that cannot be converted</source>
        <translation>το SET %1 ορίζει κωδικοποίηση που δεν μπορεί να μετατραπεί</translation>
    </message>
    <message>
        <source>SET %1 is no encoding a dictionary file can be in</source>
        <translation>το SET %1 δεν είναι κωδικοποίηση στην οποία μπορεί να είναι γραμμένο ένα αρχείο λεξικού</translation>
    </message>
</context>
<context>
    <name>DictionaryChooser</name>
    <message>
        <source>%1 refused %2: %3</source>
        <translation>Το %1 απέρριψε το %2: %3</translation>
    </message>
    <message>
        <source>Nuspell and Hunspell refused %1: %2</source>
        <translation>Το Nuspell και το Hunspell απέρριψαν το %1: %2</translation>
    </message>
</context>
<context>
    <name>DictionaryOption</name>
    <message>
        <source>there is no %1.aff with a %1.dic beside it</source>
        <translation>δεν υπάρχει %1.aff με ένα %1.dic δίπλα του</translation>
    </message>
    <message>
        <source>no dictionary %1 was found in %2</source>
        <translation>δεν βρέθηκε λεξικό %1 στο %2</translation>
    </message>
    <message numerus="yes">
        <source>alphabet of %n letters</source>
        <translation>
            <numerusform>αλφάβητο %n γράμματος</numerusform>
            <numerusform>αλφάβητο %n γραμμάτων</numerusform>
        </translation>
    </message>
    <message>
        <source>alphabet not known until the dictionary is first used</source>
        <translation>το αλφάβητο δεν είναι γνωστό πριν από την πρώτη χρήση του λεξικού</translation>
    </message>
    <message>
        <source>the locale asks for %1; the search tries %2 first (%3)</source>
        <translation>οι τοπικές ρυθμίσεις ζητούν %1· η αναζήτηση δοκιμάζει πρώτα το %2 (%3)</translation>
    </message>
    <message>
        <source>the locale asks for %1; no dictionary of it or of en_US was found</source>
        <translation>οι τοπικές ρυθμίσεις ζητούν %1· δεν βρέθηκε λεξικό ούτε γι’ αυτό ούτε για en_US</translation>
    </message>
    <message>
        <source>the locale names no language (American English); the search tries %1 first (%2)</source>
        <translation>οι τοπικές ρυθμίσεις δεν ορίζουν γλώσσα (αμερικανικά αγγλικά)· η αναζήτηση δοκιμάζει πρώτα το %1 (%2)</translation>
    </message>
    <message>
        <source>the locale names no language (American English); no dictionary of it or of en_US was found</source>
        <translation>οι τοπικές ρυθμίσεις δεν ορίζουν γλώσσα (αμερικανικά αγγλικά)· δεν βρέθηκε λεξικό ούτε γι’ αυτά ούτε για en_US</translation>
    </message>
</context>
<context>
    <name>ExitStatus</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Δοκιμάστε «%1 --help» για περισσότερες πληροφορίες.</translation>
    </message>
</context>
<context>
    <name>GameOptions</name>
    <message>
        <source>List the words made of some of the letters, each used at most as often as given; &quot;?&quot; is a blank for any letter.</source>
        <translation>Εμφάνιση των λέξεων που σχηματίζονται από μέρος των γραμμάτων, το καθένα το πολύ όσες φορές δόθηκε· το «?» είναι μπαλαντέρ για οποιοδήποτε γράμμα.</translation>
    </message>
    <message>
        <source>List the phrases of up to N words (1 to %1; %2 when N is left out) that use all the letters and blanks.</source>
        <translation>Εμφάνιση των φράσεων έως N λέξεων (1 έως %1· %2 αν παραλειφθεί το N) που χρησιμοποιούν όλα τα γράμματα και τους μπαλαντέρ.</translation>
    </message>
    <message>
        <source>With --some or --phrases: only words (phrases with a word) that hold the letters of W.</source>
        <translation>Με --some ή --phrases: μόνο λέξεις (φράσεις με λέξη) που περιέχουν τα γράμματα του W.</translation>
    </message>
    <message>
        <source>--some and --phrases cannot be given together.</source>
        <translation>Τα --some και --phrases δεν μπορούν να δοθούν μαζί.</translation>
    </message>
    <message>
        <source>The letters are refused: %1.</source>
        <translation>Τα γράμματα απορρίφθηκαν: %1.</translation>
    </message>
    <message>
        <source>--phrases takes a number of words from 1 to %1.</source>
        <translation>Το --phrases δέχεται αριθμό λέξεων από 1 έως %1.</translation>
    </message>
    <message>
        <source>--min-length takes a number of letters from 1 to %1.</source>
        <translation>Το --min-length δέχεται αριθμό γραμμάτων από 1 έως %1.</translation>
    </message>
    <message>
        <source>--limit takes a number of results from 1 on.</source>
        <translation>Το --limit δέχεται αριθμό αποτελεσμάτων από 1 και πάνω.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot;: %2.</source>
        <translation>--pattern «%1»: %2.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has spaces between words: it fits phrases (--phrases), not words.</source>
        <translation>Το --pattern «%1» έχει κενά ανάμεσα σε λέξεις: ταιριάζει σε φράσεις (--phrases), όχι σε λέξεις.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 words, more than --phrases %3.</source>
        <translation>Το --pattern «%1» έχει λέξεις: %2, περισσότερες από --phrases %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has a word of %2 letters, shorter than --min-length %3.</source>
        <translation>Το --pattern «%1» έχει λέξη %2 γραμμάτων, μικρότερη από --min-length %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 letters, but %3 letters and blanks were given.</source>
        <translation>Το --pattern «%1» έχει γράμματα: %2, αλλά δόθηκαν γράμματα και μπαλαντέρ: %3.</translation>
    </message>
    <message>
        <source>Only words that fit P, one character per letter: &quot;?&quot; any letter, a letter itself, [abc] one of these, [^abc] none of these, a space between words. Without --some or --phrases, and without letters: every word of the dictionary that fits.</source>
        <translation>Μόνο λέξεις που ταιριάζουν στο P, ένας χαρακτήρας ανά γράμμα: «?» οποιοδήποτε γράμμα, ένα γράμμα τον εαυτό του, [abc] ένα από αυτά τα γράμματα, [^abc] κανένα από αυτά, ένα κενό ανάμεσα σε λέξεις. Χωρίς --some ή --phrases και χωρίς γράμματα: κάθε λέξη του λεξικού που ταιριάζει.</translation>
    </message>
    <message>
        <source>In a game: leave out the words with any of these letters.</source>
        <translation>Σε παιχνίδι: παράλειψη των λέξεων με οποιοδήποτε από αυτά τα γράμματα.</translation>
    </message>
    <message>
        <source>With --some or --pattern: keep only the words with all of these letters.</source>
        <translation>Με --some ή --pattern: μόνο οι λέξεις με όλα αυτά τα γράμματα.</translation>
    </message>
    <message>
        <source>With --phrases: only the phrases one of whose words is W.</source>
        <translation>Με --phrases: μόνο οι φράσεις που μία από τις λέξεις τους είναι η W.</translation>
    </message>
    <message>
        <source>In a game: leave out the words spelt all in capitals (abbreviations).</source>
        <translation>Σε παιχνίδι: παράλειψη των λέξεων που γράφονται όλες με κεφαλαία (συντομογραφίες).</translation>
    </message>
    <message>
        <source>In a game: leave out the words the dictionary spells only with a capital (names). In German, where every noun has a capital, only those spelt all in capitals.</source>
        <translation>Σε παιχνίδι: παράλειψη των λέξεων που το λεξικό γράφει μόνο με κεφαλαίο αρχικό (κύρια ονόματα). Στα γερμανικά, όπου κάθε ουσιαστικό έχει κεφαλαίο, μόνο όσων γράφονται όλες με κεφαλαία.</translation>
    </message>
    <message>
        <source>In a game: only the words the dictionary lists, with their affixes; none that its rules for compounds make.</source>
        <translation>Σε παιχνίδι: μόνο οι λέξεις που περιέχει το λεξικό, με τα προσφύματά τους· καμία που σχηματίζουν οι κανόνες του για σύνθετες λέξεις.</translation>
    </message>
    <message>
        <source>In a game: print each word&apos;s value with the tiles of the dictionary&apos;s language, a blank worth 0.</source>
        <translation>Σε παιχνίδι: εμφάνιση της αξίας κάθε λέξης με τα πλακίδια της γλώσσας του λεξικού· ένας μπαλαντέρ μετρά 0.</translation>
    </message>
    <message>
        <source>%1 takes letters A to Z.</source>
        <translation>Το %1 δέχεται γράμματα από A έως Z.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together.</source>
        <translation>Τα %1 και %2 δεν μπορούν να δοθούν μαζί.</translation>
    </message>
    <message>
        <source>--sort takes score, length or alpha.</source>
        <translation>Το --sort δέχεται score, length ή alpha.</translation>
    </message>
    <message>
        <source>--sort score needs --scores.</source>
        <translation>Το --sort score χρειάζεται το --scores.</translation>
    </message>
    <message>
        <source>%1 %2: the letters given do not hold its letters.</source>
        <translation>%1 %2: τα γράμματα που δόθηκαν δεν περιέχουν τα γράμματά του.</translation>
    </message>
    <message>
        <source>%1 needs --phrases.</source>
        <translation>Το %1 χρειάζεται το --phrases.</translation>
    </message>
    <message>
        <source>In a game: leave out the words of fewer than N letters (default 2); in a phrase, each of its words.</source>
        <translation>Σε παιχνίδι: παράλειψη των λέξεων με λιγότερα από N γράμματα (προεπιλογή 2)· σε φράση, καθεμιάς από τις λέξεις της.</translation>
    </message>
    <message>
        <source>In a game: print no more than N results, and say on standard error when some were left out (default: every word, the first %1 phrases).</source>
        <translation>Σε παιχνίδι: εμφάνιση το πολύ N αποτελεσμάτων, με ένδειξη στην τυπική έξοδο σφαλμάτων όταν παραλείφθηκαν κάποια (προεπιλογή: όλες οι λέξεις, οι πρώτες %1 φράσεις).</translation>
    </message>
    <message>
        <source>In a game: print the results as one JSON array instead of a line each; per result its &quot;words&quot;, its number of &quot;letters&quot;, in each word the positions of the letters &quot;blanks&quot; stand for, and with --scores its &quot;score&quot;.</source>
        <translation>Σε παιχνίδι: εμφάνιση των αποτελεσμάτων ως έναν πίνακα JSON αντί για μία γραμμή το καθένα· για κάθε αποτέλεσμα οι λέξεις του &quot;words&quot;, ο αριθμός των γραμμάτων του &quot;letters&quot;, σε κάθε λέξη οι θέσεις των γραμμάτων που αντιπροσωπεύονται από μπαλαντέρ &quot;blanks&quot;, και με --scores η αξία του &quot;score&quot;.</translation>
    </message>
    <message>
        <source>%1 takes letters of the dictionary&apos;s alphabet.</source>
        <translation>Το %1 δέχεται γράμματα του αλφαβήτου του λεξικού.</translation>
    </message>
    <message>
        <source>With --some or --pattern: the order of the words, score (highest first), length (longest first, the default) or alpha (alphabetical, as the dictionary&apos;s language sorts).</source>
        <translation>Με --some ή --pattern: η σειρά των λέξεων, score (πρώτα η μεγαλύτερη αξία), length (πρώτα η μακρύτερη, η προεπιλογή) ή alpha (αλφαβητικά, όπως ταξινομεί η γλώσσα του λεξικού).</translation>
    </message>
    <message>
        <source>In a game: the words of this list (one a line, UTF-8, # comments, any alphabet) instead of the dictionary&apos;s, matched as the games match the letters of the dictionary&apos;s language; the spelling checker is not asked.</source>
        <translation>Σε παιχνίδι: οι λέξεις αυτής της λίστας (μία ανά γραμμή, UTF-8, # για σχόλια, σε οποιοδήποτε αλφάβητο) αντί για του λεξικού, συγκρινόμενες όπως τα παιχνίδια συγκρίνουν τα γράμματα της γλώσσας του λεξικού· ο ορθογραφικός έλεγχος δεν ερωτάται.</translation>
    </message>
</context>
<context>
    <name>GameOutput</name>
    <message>
        <source>stopped after %1 of %2 words, the limit (--limit)</source>
        <translation>διακοπή μετά από %1 από τις %2 λέξεις, στο όριο (--limit)</translation>
    </message>
    <message>
        <source>stopped early: %1; the list is not complete</source>
        <translation>πρόωρη διακοπή: %1· η λίστα δεν είναι πλήρης</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n λέξη· υποψήφιες λέξεις: %1, ερωτήσεις στον ορθογραφικό έλεγχο: %2, %3 s</numerusform>
            <numerusform>%n λέξεις· υποψήφιες λέξεις: %1, ερωτήσεις στον ορθογραφικό έλεγχο: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n φράση· υποψήφιες λέξεις: %1, ερωτήσεις στον ορθογραφικό έλεγχο: %2, %3 s</numerusform>
            <numerusform>%n φράσεις· υποψήφιες λέξεις: %1, ερωτήσεις στον ορθογραφικό έλεγχο: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped after %n phrase(s), the limit (--limit); there are more</source>
        <translation>
            <numerusform>διακοπή μετά από %n φράση, στο όριο (--limit)· υπάρχουν κι άλλες</numerusform>
            <numerusform>διακοπή μετά από %n φράσεις, στο όριο (--limit)· υπάρχουν κι άλλες</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n λέξη· υποψήφιες λέξεις: %1, %2 s</numerusform>
            <numerusform>%n λέξεις· υποψήφιες λέξεις: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n φράση· υποψήφιες λέξεις: %1, %2 s</numerusform>
            <numerusform>%n φράσεις· υποψήφιες λέξεις: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n candidate word(s) left out</source>
        <translation>
            <numerusform>παραλείφθηκε τουλάχιστον %n υποψήφια λέξη</numerusform>
            <numerusform>παραλείφθηκαν τουλάχιστον %n υποψήφιες λέξεις</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n candidate word(s) left out</source>
        <translation>
            <numerusform>παραλείφθηκε %n υποψήφια λέξη</numerusform>
            <numerusform>παραλείφθηκαν %n υποψήφιες λέξεις</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameTool</name>
    <message>
        <source>--some and --phrases need the word index of the dictionary, which cannot serve it: %1</source>
        <translation>Τα --some και --phrases χρειάζονται το ευρετήριο λέξεων του λεξικού, το οποίο αυτό το λεξικό δεν μπορεί να παράσχει: %1</translation>
    </message>
    <message>
        <source>--scores: the language of the dictionary %1 has no tile set here; these have one: %2.</source>
        <translation>--scores: η γλώσσα του λεξικού %1 δεν έχει εδώ σετ πλακιδίων· έχουν αυτές: %2.</translation>
    </message>
    <message>
        <source>--wordlist %1: %2.</source>
        <translation>--wordlist %1: %2.</translation>
    </message>
    <message>
        <source>The tile [%1] is not one of the tile set of the language of the dictionary %2.</source>
        <translation>Το πλακίδιο [%1] δεν ανήκει στο σετ πλακιδίων της γλώσσας του λεξικού %2.</translation>
    </message>
    <message numerus="yes">
        <source>the words of the list %1: %n word(s), %2 left out for characters that are no letters; the spelling checker was not asked</source>
        <translation>
            <numerusform>οι λέξεις της λίστας %1: %n λέξη, παραλείφθηκαν λόγω χαρακτήρων που δεν είναι γράμματα: %2· ο ορθογραφικός έλεγχος δεν ερωτήθηκε</numerusform>
            <numerusform>οι λέξεις της λίστας %1: %n λέξεις, παραλείφθηκαν λόγω χαρακτήρων που δεν είναι γράμματα: %2· ο ορθογραφικός έλεγχος δεν ερωτήθηκε</numerusform>
        </translation>
    </message>
    <message>
        <source>--pattern needs the word index of the dictionary, which cannot serve it: %1</source>
        <translation>Το --pattern χρειάζεται το ευρετήριο λέξεων του λεξικού, το οποίο αυτό το λεξικό δεν μπορεί να παράσχει: %1</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Help file (qv.chm) not found:</source>
        <translation>Το αρχείο βοήθειας (qv.chm) δεν βρέθηκε:</translation>
    </message>
    <message>
        <source>The help file you chose does not exist.</source>
        <translation>Το αρχείο βοήθειας που επιλέξατε δεν υπάρχει.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <source>Error occurred: </source>
        <translation>Παρουσιάστηκε σφάλμα: </translation>
    </message>
    <message>
        <source>Help File (*.chm)|*.chm</source>
        <translation>Αρχείο βοήθειας (*.chm)|*.chm</translation>
    </message>
    <message>
        <source>The help file could not be found.  This could be caused by the Quorvel program file being copied or moved away from the location where it was initially installed.  If you would like to view the help file then please specify its location.  The name of the file is qv.chm and the default location is in the directory where the Quorvel program was initially installed.</source>
        <translation>Το αρχείο βοήθειας δεν βρέθηκε. Ίσως το αρχείο του προγράμματος Quorvel αντιγράφηκε ή μετακινήθηκε από τη θέση όπου εγκαταστάθηκε αρχικά. Αν θέλετε να δείτε τη βοήθεια, υποδείξτε πού βρίσκεται. Το αρχείο ονομάζεται qv.chm και από προεπιλογή βρίσκεται στον φάκελο όπου εγκαταστάθηκε αρχικά το Quorvel.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>This help file cannot be shown</source>
        <translation>Δεν είναι δυνατή η εμφάνιση αυτού του αρχείου βοήθειας</translation>
    </message>
    <message>
        <source>%1 is not a readable compiled help (CHM) file: %2.</source>
        <translation>Το %1 δεν είναι αναγνώσιμο μεταγλωττισμένο αρχείο βοήθειας (CHM): %2.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>δεν μπορεί να διαβαστεί</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Πλοήγηση</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Εμπρός</translation>
    </message>
    <message>
        <source>it names no start page</source>
        <translation>δεν ορίζει αρχική σελίδα</translation>
    </message>
    <message>
        <source>(The rest is left out: more than %1 lines.)</source>
        <translation>(Τα υπόλοιπα παραλείπονται: περισσότερες από %1 γραμμές.)</translation>
    </message>
</context>
<context>
    <name>IndexLoading</name>
    <message>
        <source>the kept word index of %1 is not used: %2</source>
        <translation>το αποθηκευμένο ευρετήριο λέξεων του %1 δεν χρησιμοποιείται: %2</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>--language: there is no translation for &apos;%1&apos;; the languages are: %2.</source>
        <translation>--language: δεν υπάρχει μετάφραση για «%1»· διαθέσιμες γλώσσες: %2.</translation>
    </message>
</context>
<context>
    <name>KeptDictionary</name>
    <message>
        <source>the cache in %1 is not written: %2</source>
        <translation>η κρυφή μνήμη στο %1 δεν γράφεται: %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>PROBLEM</source>
        <translation>ΠΡΟΒΛΗΜΑ</translation>
    </message>
    <message>
        <source>You entered at least one invalid character.  Please only enter letter (no spaces, punctuation marks, numbers or symbols).</source>
        <translation>Πληκτρολογήσατε τουλάχιστον έναν μη έγκυρο χαρακτήρα. Πληκτρολογήστε μόνο γράμματα (χωρίς κενά, σημεία στίξης, αριθμούς ή σύμβολα).</translation>
    </message>
    <message>
        <source>You didn&apos;t enter any letters.  Please enter your jumbled letters, then press the button to analyze.</source>
        <translation>Δεν πληκτρολογήσατε κανένα γράμμα. Πληκτρολογήστε τα ανακατεμένα γράμματα και πατήστε το κουμπί για ανάλυση.</translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <translation>Επιβεβαίωση</translation>
    </message>
    <message numerus="yes">
        <source>You entered %n letters to analyze.  It could take a significant amount of time.  Do you want to continue?</source>
        <translation>
            <numerusform>Πληκτρολογήσατε %n γράμμα για ανάλυση. Αυτό μπορεί να πάρει πολύ χρόνο. Θέλετε να συνεχίσετε;</numerusform>
            <numerusform>Πληκτρολογήσατε %n γράμματα για ανάλυση. Αυτό μπορεί να πάρει πολύ χρόνο. Θέλετε να συνεχίσετε;</numerusform>
        </translation>
    </message>
    <message>
        <source>You need to have a Hunspell dictionary for your language or for American English (Debian package hunspell-en-us) installed on your PC for this program to run.  Neither was found on your computer.  This program can not continue.</source>
        <translation>Για να λειτουργήσει αυτό το πρόγραμμα, πρέπει να είναι εγκατεστημένο στον υπολογιστή σας ένα λεξικό Hunspell για τη γλώσσα σας ή για αμερικανικά αγγλικά (πακέτο Debian hunspell-en-us). Δεν βρέθηκε κανένα από τα δύο. Το πρόγραμμα δεν μπορεί να συνεχίσει.</translation>
    </message>
    <message>
        <source>You don&apos;t seem to have a new enough version of Nuspell or Hunspell for this program to run. This program can not continue.</source>
        <translation>Η έκδοση του Nuspell ή του Hunspell που έχετε δεν φαίνεται αρκετά νέα για αυτό το πρόγραμμα. Το πρόγραμμα δεν μπορεί να συνεχίσει.</translation>
    </message>
    <message>
        <source>Done - No words found</source>
        <translation>Ολοκληρώθηκε – δεν βρέθηκαν λέξεις</translation>
    </message>
    <message numerus="yes">
        <source>Done - Found %n words: </source>
        <translation>
            <numerusform>Ολοκληρώθηκε – βρέθηκε %n λέξη: </numerusform>
            <numerusform>Ολοκληρώθηκε – βρέθηκαν %n λέξεις: </numerusform>
        </translation>
    </message>
    <message>
        <source>You entered an invalid character: %1.  Please only enter letters (no spaces, punctuation marks, numbers or symbols).</source>
        <translation>Πληκτρολογήσατε μη έγκυρο χαρακτήρα: %1. Πληκτρολογήστε μόνο γράμματα (χωρίς κενά, σημεία στίξης, αριθμούς ή σύμβολα).</translation>
    </message>
    <message>
        <source>The letter %1 is not in the alphabet of the dictionary %2.  Please only enter letters of that alphabet.</source>
        <translation>Το γράμμα %1 δεν ανήκει στο αλφάβητο του λεξικού %2. Πληκτρολογήστε μόνο γράμματα αυτού του αλφαβήτου.</translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>Η σελίδα υπερβαίνει το όριο των %1 KB.</translation>
    </message>
    <message>
        <source>The page has more elements than the limit of %1.</source>
        <translation>Η σελίδα έχει περισσότερα στοιχεία από το όριο των %1.</translation>
    </message>
    <message>
        <source>The page has more table cells than the limit of %1.</source>
        <translation>Η σελίδα έχει περισσότερα κελιά πίνακα από το όριο των %1.</translation>
    </message>
    <message>
        <source>The page nests its elements deeper than the limit of %1 levels.</source>
        <translation>Η σελίδα εμφωλεύει τα στοιχεία της βαθύτερα από το όριο των %1 επιπέδων.</translation>
    </message>
    <message>
        <source>The page nests tables deeper than the limit of %1 levels.</source>
        <translation>Η σελίδα εμφωλεύει πίνακες βαθύτερα από το όριο των %1 επιπέδων.</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>line %1 has a NUL byte: this is no text file</source>
        <translation>η γραμμή %1 περιέχει ένα byte NUL: αυτό δεν είναι αρχείο κειμένου</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>η γραμμή %1 είναι μεγαλύτερη από %2 byte</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text</source>
        <translation>η γραμμή %1 δεν είναι κείμενο UTF-8</translation>
    </message>
    <message>
        <source>it holds no word</source>
        <translation>δεν περιέχει καμία λέξη</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message numerus="yes">
        <source>about %n second(s) left</source>
        <translation>
            <numerusform>απομένει περίπου %n δευτερόλεπτο</numerusform>
            <numerusform>απομένουν περίπου %n δευτερόλεπτα</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s) left</source>
        <translation>
            <numerusform>απομένει περίπου %n λεπτό</numerusform>
            <numerusform>απομένουν περίπου %n λεπτά</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hour(s) left</source>
        <translation>
            <numerusform>απομένει περίπου %n ώρα</numerusform>
            <numerusform>απομένουν περίπου %n ώρες</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n day(s) left</source>
        <translation>
            <numerusform>απομένει περίπου %n ημέρα</numerusform>
            <numerusform>απομένουν περίπου %n ημέρες</numerusform>
        </translation>
    </message>
    <message>
        <source>years left</source>
        <translation>απομένουν χρόνια</translation>
    </message>
    <message>
        <source>No analysis is running.</source>
        <translation>Δεν εκτελείται καμία ανάλυση.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 από %2</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>%1 of %2 %3, %4/s, about %5 s left</source>
        <translation>%3: %1 από %2, %4/s, απομένουν περίπου %5 s</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%3: %1 από %2</translation>
    </message>
    <message>
        <source>%1, about %2 s left</source>
        <translation>%1, απομένουν περίπου %2 s</translation>
    </message>
    <message>
        <source>first words of phrases tried</source>
        <translation>πρώτες λέξεις φράσεων που δοκιμάστηκαν</translation>
    </message>
    <message>
        <source>candidate words judged</source>
        <translation>υποψήφιες λέξεις που κρίθηκαν</translation>
    </message>
    <message>
        <source>building the dictionary&apos;s word index</source>
        <translation>δημιουργία του ευρετηρίου λέξεων του λεξικού</translation>
    </message>
    <message>
        <source>arrangements tried</source>
        <translation>διατάξεις δοκιμάστηκαν</translation>
    </message>
    <message>
        <source>compounds named (of a bound)</source>
        <translation>σύνθετες λέξεις (από ένα ανώτατο όριο)</translation>
    </message>
    <message>
        <source>candidates confirmed</source>
        <translation>υποψήφιες λέξεις επιβεβαιώθηκαν</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Χρήση: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[επιλογές]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Επιλογές:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Ορίσματα:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Εμφανίζει βοήθεια για τις επιλογές της γραμμής εντολών.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Εμφανίζει βοήθεια μαζί με τις επιλογές που αφορούν το Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Εμφανίζει πληροφορίες έκδοσης.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Άγνωστη επιλογή «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Άγνωστες επιλογές: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Λείπει τιμή μετά το «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Μη αναμενόμενη τιμή μετά το «%1».</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Ακύρωση α&amp;ναίρεσης</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Απο&amp;κοπή</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Αντι&amp;γραφή</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Επικόλληση</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>Ό&amp;χι</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>Αντι&amp;γραφή</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Αντιγραφή θέσης &amp;συνδέσμου</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
</context>
<context>
    <name>QtOpenFileDialog</name>
    <message>
        <source>Permission denied: %1</source>
        <translation>Δεν επιτρέπεται η πρόσβαση: %1</translation>
    </message>
</context>
<context>
    <name>QueryLines</name>
    <message>
        <source>Line %1 is longer than %2 bytes and is not answered.</source>
        <translation>Η γραμμή %1 είναι μεγαλύτερη από %2 byte και δεν απαντάται.</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>the checker reads no dictionary file</source>
        <translation>ο ορθογραφικός έλεγχος δεν διαβάζει αρχείο λεξικού</translation>
    </message>
    <message>
        <source>the letters are too many to count their arrangements exactly</source>
        <translation>τα γράμματα είναι πάρα πολλά για να μετρηθούν ακριβώς οι διατάξεις τους</translation>
    </message>
    <message>
        <source>the index names more arrangements than trying them all is worth</source>
        <translation>το ευρετήριο προτείνει τόσες διατάξεις που συμφέρει να δοκιμαστούν όλες</translation>
    </message>
    <message>
        <source>asked to (--exhaustive)</source>
        <translation>κατόπιν αιτήματος (--exhaustive)</translation>
    </message>
    <message>
        <source>the word index is still being built or read, and trying every arrangement is quicker</source>
        <translation>το ευρετήριο λέξεων ακόμη δημιουργείται ή διαβάζεται, και η δοκιμή κάθε διάταξης είναι ταχύτερη</translation>
    </message>
    <message>
        <source>its files cannot be read</source>
        <translation>τα αρχεία του λεξικού δεν μπορούν να διαβαστούν</translation>
    </message>
    <message>
        <source>the word index is of another dictionary</source>
        <translation>το ευρετήριο λέξεων ανήκει σε άλλο λεξικό</translation>
    </message>
    <message>
        <source>the index was not finished</source>
        <translation>το ευρετήριο δεν ολοκληρώθηκε</translation>
    </message>
    <message>
        <source>no process could be started to try it</source>
        <translation>δεν ήταν δυνατή η εκκίνηση διεργασίας για τη δοκιμή του</translation>
    </message>
    <message>
        <source>the trying was cut short</source>
        <translation>η δοκιμή διακόπηκε</translation>
    </message>
    <message>
        <source>it takes longer than any dictionary should to load</source>
        <translation>η φόρτωση διαρκεί περισσότερο απ&apos; όσο θα έπρεπε για οποιοδήποτε λεξικό</translation>
    </message>
    <message>
        <source>it takes more processor time than any dictionary should to load</source>
        <translation>η φόρτωση απαιτεί περισσότερο χρόνο επεξεργαστή απ&apos; όσο θα έπρεπε για οποιοδήποτε λεξικό</translation>
    </message>
    <message>
        <source>it fails loading it</source>
        <translation>η φόρτωση αποτυγχάνει</translation>
    </message>
    <message>
        <source>a question to it fails</source>
        <translation>ένα ερώτημα προς αυτό αποτυγχάνει</translation>
    </message>
    <message>
        <source>it dies loading it (signal %1)</source>
        <translation>τερματίζεται απρόσμενα κατά τη φόρτωση (σήμα %1)</translation>
    </message>
    <message>
        <source>the helper program %1 cannot be started</source>
        <translation>δεν είναι δυνατή η εκκίνηση του βοηθητικού προγράμματος %1</translation>
    </message>
    <message>
        <source>it accepts none of &quot;%1&quot; and the other first entries of its own word list</source>
        <translation>δεν δέχεται ούτε το «%1» ούτε τις άλλες πρώτες καταχωρίσεις του δικού του καταλόγου λέξεων</translation>
    </message>
    <message>
        <source>it accepts &quot;%1&quot;, which is no word: it accepts any string of Latin letters</source>
        <translation>δέχεται το «%1», που δεν είναι λέξη: δέχεται οποιαδήποτε σειρά λατινικών γραμμάτων</translation>
    </message>
    <message>
        <source>the search for compounds took longer than its budget</source>
        <translation>η αναζήτηση σύνθετων λέξεων διήρκεσε περισσότερο από το προβλεπόμενο</translation>
    </message>
    <message>
        <source>the search for compounds was stopped</source>
        <translation>η αναζήτηση σύνθετων λέξεων διακόπηκε</translation>
    </message>
    <message>
        <source>the affix file has too many rules</source>
        <translation>το αρχείο προσφυμάτων έχει πάρα πολλούς κανόνες</translation>
    </message>
    <message>
        <source>COMPLEXPREFIXES turns the affix rules around</source>
        <translation>το COMPLEXPREFIXES αντιστρέφει τους κανόνες προσφυμάτων</translation>
    </message>
    <message>
        <source>IGNORE removes letters before the check</source>
        <translation>το IGNORE αφαιρεί γράμματα πριν από τον έλεγχο</translation>
    </message>
    <message>
        <source>BREAK splits words at letters</source>
        <translation>το BREAK χωρίζει τις λέξεις όπου υπάρχουν ορισμένα γράμματα</translation>
    </message>
    <message>
        <source>ICONV converts letters before the check</source>
        <translation>το ICONV μετατρέπει γράμματα πριν από τον έλεγχο</translation>
    </message>
    <message>
        <source>COMPOUNDRULE with an open group</source>
        <translation>COMPOUNDRULE με ομάδα που δεν κλείνει</translation>
    </message>
    <message>
        <source>an affix line is too short</source>
        <translation>μια γραμμή προσφύματος είναι πολύ σύντομη</translation>
    </message>
    <message>
        <source>an affix header is malformed</source>
        <translation>μια κεφαλίδα προσφύματος είναι κακοσχηματισμένη</translation>
    </message>
    <message>
        <source>an affix header names no flag</source>
        <translation>μια κεφαλίδα προσφύματος δεν ορίζει σημαία</translation>
    </message>
    <message>
        <source>an affix condition is malformed</source>
        <translation>μια συνθήκη προσφύματος είναι κακοσχηματισμένη</translation>
    </message>
    <message>
        <source>the affix file names more than one encoding</source>
        <translation>το αρχείο προσφυμάτων ορίζει περισσότερες από μία κωδικοποιήσεις</translation>
    </message>
    <message>
        <source>FLAG comes after lines that use flags</source>
        <translation>το FLAG βρίσκεται μετά από γραμμές που χρησιμοποιούν σημαίες</translation>
    </message>
    <message>
        <source>the affix file has a line that is too long</source>
        <translation>το αρχείο προσφυμάτων έχει πολύ μεγάλη γραμμή</translation>
    </message>
    <message>
        <source>the dictionary has too many words</source>
        <translation>το λεξικό έχει πάρα πολλές λέξεις</translation>
    </message>
    <message>
        <source>the dictionary has a line that is too long</source>
        <translation>το λεξικό έχει πολύ μεγάλη γραμμή</translation>
    </message>
    <message>
        <source>the search for compounds took more steps than its budget of %1</source>
        <translation>η αναζήτηση σύνθετων λέξεων ξεπέρασε το όριο βημάτων (%1)</translation>
    </message>
    <message>
        <source>the search for compounds named more than %1 candidates, its budget</source>
        <translation>η αναζήτηση σύνθετων λέξεων ξεπέρασε το όριο υποψηφίων (%1)</translation>
    </message>
    <message>
        <source>the dictionary files cannot be read: %1</source>
        <translation>τα αρχεία του λεξικού δεν μπορούν να διαβαστούν: %1</translation>
    </message>
    <message>
        <source>its affix file cannot be read: %1</source>
        <translation>το αρχείο προσφυμάτων του δεν μπορεί να διαβαστεί: %1</translation>
    </message>
    <message>
        <source>the index of stems does not read back: %1</source>
        <translation>το ευρετήριο θεμάτων δεν μπορεί να ξαναδιαβαστεί: %1</translation>
    </message>
    <message>
        <source>more than %1 letters and blanks</source>
        <translation>περισσότερα από %1 γράμματα και μπαλαντέρ</translation>
    </message>
    <message>
        <source>the encoding %1 is not known</source>
        <translation>η κωδικοποίηση %1 είναι άγνωστη</translation>
    </message>
    <message>
        <source>%1 has no count</source>
        <translation>το %1 δεν ορίζει πλήθος γραμμών</translation>
    </message>
    <message>
        <source>%1 line without a value</source>
        <translation>γραμμή %1 χωρίς τιμή</translation>
    </message>
    <message>
        <source>it reports: %1</source>
        <translation>μήνυμα: %1</translation>
    </message>
    <message>
        <source>the affix rules take too long to apply</source>
        <translation>η εφαρμογή των κανόνων προσφυμάτων διαρκεί πολύ</translation>
    </message>
    <message>
        <source>a dictionary word has too many forms</source>
        <translation>μια λέξη του λεξικού έχει πάρα πολλές μορφές</translation>
    </message>
    <message>
        <source>a dictionary word has too many spellings in letters</source>
        <translation>μια λέξη του λεξικού γράφεται με γράμματα με πάρα πολλούς τρόπους</translation>
    </message>
    <message>
        <source>the dictionary has too many forms</source>
        <translation>το λεξικό έχει πάρα πολλές μορφές</translation>
    </message>
    <message>
        <source>no letters were given</source>
        <translation>δεν δόθηκαν γράμματα</translation>
    </message>
    <message>
        <source>the affix file cannot be read</source>
        <translation>το αρχείο προσφυμάτων δεν μπορεί να διαβαστεί</translation>
    </message>
    <message>
        <source>it is not an index of stems of this version</source>
        <translation>δεν είναι ευρετήριο θεμάτων αυτής της έκδοσης</translation>
    </message>
    <message>
        <source>its stems do not fit together</source>
        <translation>τα θέματά του δεν ταιριάζουν μεταξύ τους</translation>
    </message>
    <message>
        <source>its affix file cannot be read</source>
        <translation>το αρχείο προσφυμάτων του δεν μπορεί να διαβαστεί</translation>
    </message>
    <message>
        <source>the search for the forms was stopped</source>
        <translation>η αναζήτηση των μορφών διακόπηκε</translation>
    </message>
    <message>
        <source>the letters have too many forms</source>
        <translation>τα γράμματα δίνουν πάρα πολλές μορφές</translation>
    </message>
    <message>
        <source>it is not a word index of this version</source>
        <translation>δεν είναι ευρετήριο λέξεων αυτής της έκδοσης</translation>
    </message>
    <message>
        <source>its compound settings are damaged</source>
        <translation>οι ρυθμίσεις σύνθετων λέξεων του είναι κατεστραμμένες</translation>
    </message>
    <message>
        <source>its sections do not agree</source>
        <translation>οι ενότητές του δεν συμφωνούν</translation>
    </message>
    <message>
        <source>its tree of keys is damaged</source>
        <translation>το δέντρο κλειδιών του είναι κατεστραμμένο</translation>
    </message>
    <message>
        <source>its keys do not match their forms</source>
        <translation>τα κλειδιά του δεν αντιστοιχούν στις μορφές τους</translation>
    </message>
    <message>
        <source>a form holds other characters than letters</source>
        <translation>μια μορφή περιέχει χαρακτήρες που δεν είναι γράμματα</translation>
    </message>
    <message>
        <source>a form is not made of its key&apos;s letters</source>
        <translation>μια μορφή δεν αποτελείται από τα γράμματα του κλειδιού της</translation>
    </message>
    <message>
        <source>its compound rule flags are damaged</source>
        <translation>οι σημαίες κανόνων σύνθετων λέξεων του είναι κατεστραμμένες</translation>
    </message>
    <message>
        <source>no letters were typed</source>
        <translation>δεν πληκτρολογήθηκαν γράμματα</translation>
    </message>
    <message>
        <source>more than 255 different letters were typed</source>
        <translation>πληκτρολογήθηκαν περισσότερα από 255 διαφορετικά γράμματα</translation>
    </message>
    <message>
        <source>a letter typed is no letter a word is spelt with</source>
        <translation>ένα πληκτρολογημένο γράμμα δεν χρησιμοποιείται σε καμία λέξη</translation>
    </message>
    <message>
        <source>the letters typed spread in too many ways</source>
        <translation>τα γράμματα που πληκτρολογήθηκαν κατανέμονται με πάρα πολλούς τρόπους</translation>
    </message>
    <message>
        <source>the dictionary has more compounding rules than the search follows</source>
        <translation>το λεξικό έχει περισσότερους κανόνες σύνθετων λέξεων από όσους ακολουθεί η αναζήτηση</translation>
    </message>
    <message>
        <source>a letter typed stands for letters the word index files apart</source>
        <translation>ένα πληκτρολογημένο γράμμα αντιστοιχεί σε γράμματα που το ευρετήριο λέξεων καταχωρίζει χωριστά</translation>
    </message>
    <message>
        <source>only letters, &quot;?&quot; for a blank, a tile of several letters in [ ] and spaces can be given</source>
        <translation>μπορούν να δοθούν μόνο γράμματα, το «?» για μπαλαντέρ, πλακίδιο πολλών γραμμάτων σε [ ] και κενά</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; %3 more were left out</source>
        <translation>ο ορθογραφικός έλεγχος έκρινε %1 υποψήφιες, από τις σύνθετες το πολύ %2 (το όριο)· παραλείφθηκαν άλλες %3</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; at least %3 more were left out</source>
        <translation>ο ορθογραφικός έλεγχος έκρινε %1 υποψήφιες, από τις σύνθετες το πολύ %2 (το όριο)· παραλείφθηκαν τουλάχιστον άλλες %3</translation>
    </message>
    <message>
        <source>a word found had more than %1 spellings in the letters of the pattern</source>
        <translation>μια λέξη που βρέθηκε είχε περισσότερες από %1 γραφές στα γράμματα του μοτίβου</translation>
    </message>
    <message>
        <source>the search took longer than its budget; %1 candidates were left out unjudged</source>
        <translation>η αναζήτηση διήρκεσε περισσότερο από το προβλεπόμενο· %1 υποψήφιες παραλείφθηκαν χωρίς κρίση</translation>
    </message>
    <message>
        <source>the search took longer than its budget</source>
        <translation>η αναζήτηση διήρκεσε περισσότερο από το προβλεπόμενο</translation>
    </message>
    <message>
        <source>the phrase search took more steps than its budget of %1</source>
        <translation>η αναζήτηση φράσεων ξεπέρασε το όριο βημάτων (%1)</translation>
    </message>
    <message>
        <source>the phrases passed their budget of %1</source>
        <translation>οι φράσεις ξεπέρασαν το όριό τους (%1)</translation>
    </message>
    <message>
        <source>the search was stopped</source>
        <translation>η αναζήτηση σταμάτησε</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Dictionary: %1 (%2)</source>
        <translation>Λεξικό: %1 (%2)</translation>
    </message>
    <message>
        <source>Spelling checker: %1</source>
        <translation>Ορθογραφικός έλεγχος: %1</translation>
    </message>
    <message>
        <source>Found through the word index, each word confirmed by the checker</source>
        <translation>Βρέθηκαν μέσω του ευρετηρίου λέξεων, κάθε λέξη επιβεβαιωμένη από τον ορθογραφικό έλεγχο</translation>
    </message>
    <message>
        <source>Every arrangement tried: %1</source>
        <translation>Δοκιμάστηκαν όλες οι διατάξεις: %1</translation>
    </message>
    <message>
        <source>Every arrangement tried</source>
        <translation>Δοκιμάστηκαν όλες οι διατάξεις</translation>
    </message>
    <message>
        <source>Time: %1 s</source>
        <translation>Χρόνος: %1 s</translation>
    </message>
    <message>
        <source>No dictionary for your language (%1) is installed, so the %2 dictionary answered. Install the Hunspell dictionary of your language (a package named like hunspell-%3) to search in it.</source>
        <translation>Δεν είναι εγκατεστημένο λεξικό για τη γλώσσα σας (%1), οπότε απάντησε το λεξικό %2. Εγκαταστήστε το λεξικό Hunspell της γλώσσας σας (ένα πακέτο με όνομα όπως hunspell-%3) για να κάνετε αναζήτηση σε αυτό.</translation>
    </message>
    <message>
        <source>Letters matched loosely: case does not matter, nor a mark that is no letter of its own in the dictionary&apos;s language</source>
        <translation>Χαλαρή αντιστοίχιση γραμμάτων: δεν έχει σημασία η διάκριση πεζών και κεφαλαίων ούτε ένα διακριτικό σημείο που δεν αποτελεί ξεχωριστό γράμμα στη γλώσσα του λεξικού</translation>
    </message>
</context>
<context>
    <name>SearchCommandLine</name>
    <message>
        <source>Ask the spelling checker from N threads (1: one question after another; default: one per core).</source>
        <translation>Ερωτήσεις στον ορθογραφικό έλεγχο από N νήματα (1: η μία ερώτηση μετά την άλλη· προεπιλογή: ένα ανά πυρήνα).</translation>
    </message>
    <message>
        <source>List the dictionaries found, and which one the locale picks.</source>
        <translation>Εμφάνιση των λεξικών που βρέθηκαν και ποιο επιλέγουν οι τοπικές ρυθμίσεις.</translation>
    </message>
    <message>
        <source>Lists every word made of all the given letters, as the Quorvel window does; with --some or --phrases, the words made of some of them or the phrases made of all of them.</source>
        <translation>Εμφανίζει κάθε λέξη που σχηματίζεται από όλα τα γράμματα που δόθηκαν, όπως το παράθυρο του Quorvel· με --some ή --phrases, τις λέξεις από μέρος τους ή τις φράσεις από όλα.</translation>
    </message>
    <message>
        <source>%1 needs --some or --phrases.</source>
        <translation>Το %1 χρειάζεται --some ή --phrases.</translation>
    </message>
    <message>
        <source>--threads and --exhaustive belong to the search for words of all the letters, not to --some or --phrases.</source>
        <translation>Τα --threads και --exhaustive αφορούν την αναζήτηση λέξεων από όλα τα γράμματα, όχι τα --some ή --phrases.</translation>
    </message>
    <message>
        <source>--threads takes a number from 1 to %1</source>
        <translation>Το --threads δέχεται αριθμό από 1 έως %1</translation>
    </message>
    <message>
        <source>Give the letters as one argument.</source>
        <translation>Δώστε τα γράμματα ως ένα όρισμα.</translation>
    </message>
    <message>
        <source>The letters given are not UTF-8 text.</source>
        <translation>Τα γράμματα που δόθηκαν δεν είναι κείμενο UTF-8.</translation>
    </message>
    <message>
        <source>Answer one query per line of standard input, the dictionary loaded once, each as soon as it is read (the letters are not given as an argument).</source>
        <translation>Απάντηση σε ένα ερώτημα ανά γραμμή της τυπικής εισόδου, στο καθένα μόλις διαβαστεί, με το λεξικό φορτωμένο μία φορά (τα γράμματα δεν δίνονται ως όρισμα).</translation>
    </message>
    <message>
        <source>--pattern without --some or --phrases lists the dictionary&apos;s words that fit it, and takes no letters.</source>
        <translation>Το --pattern χωρίς --some ή --phrases παραθέτει τις λέξεις του λεξικού που ταιριάζουν και δεν δέχεται γράμματα.</translation>
    </message>
    <message>
        <source>With --stdin the letters come from standard input, not as an argument.</source>
        <translation>Με το --stdin τα γράμματα έρχονται από την τυπική είσοδο, όχι ως όρισμα.</translation>
    </message>
    <message>
        <source>Match the letters loosely, as word-game players count them: case does not matter, nor a mark the dictionary&apos;s language has no letter of its own for (in French &quot;ete&quot; finds &quot;été&quot;; in Spanish &quot;n&quot; never stands for &quot;ñ&quot;). The word games (--some, --phrases, --pattern) always match so; with them it changes nothing.</source>
        <translation>Χαλαρή αντιστοίχιση των γραμμάτων, όπως τα μετρούν οι παίκτες παιχνιδιών λέξεων: δεν έχει σημασία η διάκριση πεζών και κεφαλαίων ούτε ένα διακριτικό σημείο για το οποίο η γλώσσα του λεξικού δεν έχει ξεχωριστό γράμμα (στα γαλλικά το «ete» βρίσκει το «été»· στα ισπανικά το «n» δεν αντιστοιχεί ποτέ στο «ñ»). Τα παιχνίδια λέξεων (--some, --phrases, --pattern) αντιστοιχίζουν πάντα έτσι· μαζί τους η επιλογή αυτή δεν αλλάζει τίποτα.</translation>
    </message>
    <message>
        <source>The jumbled letters (of any alphabet, in either case); with --some or --phrases matched loosely, &quot;?&quot; is a blank tile and [ch] a tile of several letters.</source>
        <translation>Τα ανακατεμένα γράμματα (οποιουδήποτε αλφαβήτου, κεφαλαία ή πεζά)· με --some ή --phrases αντιστοιχίζονται χαλαρά, το «?» είναι μπαλαντέρ και το [ch] πλακίδιο πολλών γραμμάτων.</translation>
    </message>
</context>
<context>
    <name>SearchTool</name>
    <message>
        <source>Letters: </source>
        <translation>Γράμματα: </translation>
    </message>
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Οι πληροφορίες συστήματος δεν είναι διαθέσιμες αυτή τη στιγμή</translation>
    </message>
</context>
<context>
    <name>ToolIo</name>
    <message>
        <source>dictionary %1 (%2), engine %3</source>
        <translation>λεξικό %1 (%2), μηχανή %3</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>it is larger than %1 MB, the most a word list may be</source>
        <translation>είναι μεγαλύτερη από %1 MB, το μέγιστο μέγεθος μιας λίστας λέξεων</translation>
    </message>
    <message>
        <source>its words have too many different letters</source>
        <translation>οι λέξεις της έχουν πάρα πολλά διαφορετικά γράμματα</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>This application takes a jumbled set of letters and lists all valid words that can be made from all those letters.  It uses the spelling dictionaries of Nuspell and/or Hunspell in part of the analysis.</source>
        <translation>Αυτή η εφαρμογή παίρνει ένα σύνολο ανακατεμένων γραμμάτων και εμφανίζει όλες τις έγκυρες λέξεις που σχηματίζονται από όλα αυτά τα γράμματα. Για μέρος της ανάλυσης χρησιμοποιεί τα ορθογραφικά λεξικά του Nuspell ή/και του Hunspell.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Πληροφορίες &amp;συστήματος…</translation>
    </message>
    <message>
        <source>Visit us at: </source>
        <translation>Επισκεφθείτε μας: </translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Σχετικά με το %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Έκδοση %1.%2.%3</translation>
    </message>
    <message>
        <source>The home page could not be opened in a web browser.

Its address is %1</source>
        <translation>Δεν ήταν δυνατό να ανοίξει η αρχική σελίδα σε πρόγραμμα περιήγησης.

Η διεύθυνσή της είναι %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The program&apos;s banner</source>
        <translation>Η εικόνα κεφαλίδας του προγράμματος</translation>
    </message>
    <message>
        <source>4 Easy steps: </source>
        <translation>4 εύκολα βήματα: </translation>
    </message>
    <message>
        <source>Type the letters, analyze them, wait, then read the words found</source>
        <translation>Πληκτρολογήστε τα γράμματα, αναλύστε τα, περιμένετε και διαβάστε τις λέξεις που βρέθηκαν</translation>
    </message>
    <message>
        <source>(1) Type the jumbled letters here:</source>
        <translation>(1) Πληκτρολογήστε εδώ τα ανακατεμένα γράμματα:</translation>
    </message>
    <message>
        <source>Letters A to Z only; Enter starts the analysis</source>
        <translation>Μόνο γράμματα από A έως Z· το Enter ξεκινά την ανάλυση</translation>
    </message>
    <message>
        <source>(2) Click Here:</source>
        <translation>(2) Κάντε κλικ εδώ:</translation>
    </message>
    <message>
        <source>Analyze letters</source>
        <translation>Ανάλυση γραμμάτων</translation>
    </message>
    <message>
        <source>Finds every word made of all the letters typed</source>
        <translation>Βρίσκει κάθε λέξη που σχηματίζεται από όλα τα γράμματα που πληκτρολογήσατε</translation>
    </message>
    <message>
        <source>(3) Wait for analysis:</source>
        <translation>(3) Περιμένετε την ανάλυση:</translation>
    </message>
    <message>
        <source>cancel analysis</source>
        <translation>ακύρωση ανάλυσης</translation>
    </message>
    <message>
        <source>Stops the analysis under way</source>
        <translation>Διακόπτει την ανάλυση σε εξέλιξη</translation>
    </message>
    <message>
        <source>(4) Read results below here:</source>
        <translation>(4) Διαβάστε τα αποτελέσματα παρακάτω:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>Opens the help, as Help &gt; Quorvel Help does</source>
        <translation>Ανοίγει τη βοήθεια, όπως το Βοήθεια &gt; Βοήθεια του Quorvel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Τερματίζει το πρόγραμμα</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>Quorvel H&amp;elp</source>
        <translation>Βοή&amp;θεια του Quorvel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Σ&amp;χετικά</translation>
    </message>
    <message>
        <source>The words found appear here when an analysis ends</source>
        <translation>Οι λέξεις που βρέθηκαν εμφανίζονται εδώ όταν τελειώσει μια ανάλυση</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Επιλογές</translation>
    </message>
    <message>
        <source>Match Letters &amp;Loosely</source>
        <translation>&amp;Χαλαρή αντιστοίχιση γραμμάτων</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>Lists every word made of all the letters typed, in a window. See quorvel(1).</source>
        <translation>Εμφανίζει σε ένα παράθυρο κάθε λέξη που σχηματίζεται από όλα τα γράμματα που πληκτρολογούνται. Δείτε quorvel(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the letters are typed in the window (quorvel-search takes them here).</source>
        <translation>Μη αναμενόμενο όρισμα «%1»: τα γράμματα πληκτρολογούνται στο παράθυρο (το quorvel-search τα δέχεται εδώ).</translation>
    </message>
</context>
</TS>
