<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AnalysisTool</name>
    <message>
        <source>every arrangement tried: %1</source>
        <translation>toutes les combinaisons essayées&#xa0;: %1</translation>
    </message>
    <message>
        <source>answered by the word index, %1 s</source>
        <translation>réponse de l&apos;index des mots, %1 s</translation>
    </message>
    <message>
        <source>%1 arrangements, %2 s, %3 arrangements/s</source>
        <translation>combinaisons&#xa0;: %1, %2 s, %3 combinaisons/s</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n candidate(s) settled by the dictionary&apos;s rules, without the checker</source>
        <translation>
            <numerusform>candidat tranché par les règles du dictionnaire, sans le correcteur : %1 sur %n</numerusform>
            <numerusform>candidats tranchés par les règles du dictionnaire, sans le correcteur : %1 sur %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n spelling(s) settled by the dictionary&apos;s rules, %1 asked of the checker</source>
        <translation>
            <numerusform>graphie tranchée par les règles du dictionnaire : %n ; soumises au correcteur : %1</numerusform>
            <numerusform>graphies tranchées par les règles du dictionnaire : %n ; soumises au correcteur : %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CacheFile</name>
    <message>
        <source>it cannot be created: %1</source>
        <translation>le fichier ne peut pas être créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>le fichier ne peut pas être écrit&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ChmArchive</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1&#xa0;Mo</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>il ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il est illisible</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>sa lecture a été annulée</translation>
    </message>
    <message>
        <source>the decompressor cannot be started</source>
        <translation>le décompresseur ne peut pas être lancé</translation>
    </message>
    <message>
        <source>its headers are not those of a compiled help file</source>
        <translation>ses en-têtes ne sont pas ceux d&apos;un fichier d&apos;aide compilé</translation>
    </message>
    <message>
        <source>its directory has no chunks</source>
        <translation>son répertoire ne contient aucun bloc</translation>
    </message>
    <message>
        <source>its directory runs past the end of the file</source>
        <translation>son répertoire dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>its directory links to chunk %1, which does not exist</source>
        <translation>son répertoire renvoie au bloc %1, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>its directory links back to chunk %1</source>
        <translation>son répertoire renvoie de nouveau au bloc %1</translation>
    </message>
    <message>
        <source>its directory chunk %1 is not a listing</source>
        <translation>le bloc %1 de son répertoire n&apos;est pas une liste</translation>
    </message>
    <message>
        <source>its directory chunk %1 is damaged</source>
        <translation>le bloc %1 de son répertoire est endommagé</translation>
    </message>
    <message>
        <source>it lists more than %L1 files</source>
        <translation>il répertorie plus de %L1 fichiers</translation>
    </message>
</context>
<context>
    <name>ChmBrowser</name>
    <message>
        <source>This page cannot be shown</source>
        <translation>Impossible d&apos;afficher cette page</translation>
    </message>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>La page dépasse la limite de %1 Ko.</translation>
    </message>
    <message>
        <source>The page %1 is not in this help file, or cannot be read from it.</source>
        <translation>La page %1 ne se trouve pas dans ce fichier d&apos;aide ou ne peut pas y être lue.</translation>
    </message>
    <message>
        <source>The page %1 has nothing to show.</source>
        <translation>La page %1 n&apos;a rien à afficher.</translation>
    </message>
</context>
<context>
    <name>CommonOptions</name>
    <message>
        <source>Try every arrangement, even where the dictionary&apos;s word index could answer at once.</source>
        <translation>Essayer toutes les combinaisons, même là où l&apos;index des mots du dictionnaire pourrait répondre immédiatement.</translation>
    </message>
    <message>
        <source>Neither read nor write the dictionary cache (~/.cache/quorvel).</source>
        <translation>Ne lire ni écrire le cache des dictionnaires (~/.cache/quorvel).</translation>
    </message>
    <message>
        <source>Use the dictionary of this language (de_DE) or at this path (a .dic file, or its path without the extension).</source>
        <translation>Utiliser le dictionnaire de cette langue (de_DE) ou à cet emplacement (un fichier .dic, ou son chemin sans l&apos;extension).</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR; en for English) instead of the one the environment names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). The dictionary is chosen apart from it.</source>
        <translation>Afficher les messages dans cette langue (de, fr, pt_BR&#xa0;; en pour l&apos;anglais) au lieu de celle que nomme l&apos;environnement (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Le dictionnaire est choisi indépendamment.</translation>
    </message>
    <message>
        <source>--dictionary: %1.</source>
        <translation>--dictionary&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Letter Jumble Solver</source>
        <translation>Solveur de mots mélangés</translation>
    </message>
    <message>
        <source>Find every word that can be made from all of a set of jumbled letters</source>
        <translation>Trouver tous les mots que l&apos;on peut former avec toutes les lettres d&apos;un ensemble mélangé</translation>
    </message>
    <message>
        <source>anagram;jumble;word;puzzle;</source>
        <translation>anagramme;lettres mélangées;mot;jeu de lettres;énigme;</translation>
    </message>
    <message>
        <source>Quorvel solves letter jumbles. Type the jumbled letters and it lists every word made of all of them, each once. Most dictionaries answer at once, however many letters are typed.</source>
        <translation>Quorvel résout les énigmes de lettres mélangées. Saisissez les lettres et il affiche chaque mot formé avec toutes ces lettres, une seule fois chacun. La plupart des dictionnaires répondent immédiatement, quel que soit le nombre de lettres saisies.</translation>
    </message>
    <message>
        <source>It carries no word list of its own: it uses the Hunspell dictionary of your language and the letter case you type, so a capital finds the names and nouns that are written with one.</source>
        <translation>Il n&apos;a pas de liste de mots à lui&#xa0;: il utilise le dictionnaire Hunspell de votre langue et respecte la casse que vous saisissez, si bien qu&apos;une majuscule trouve les noms qui en prennent une.</translation>
    </message>
    <message>
        <source>The letters tca give the words cat and act</source>
        <translation>Les lettres «&#xa0;tca&#xa0;» donnent les mots «&#xa0;cat&#xa0;» et «&#xa0;act&#xa0;»</translation>
    </message>
</context>
<context>
    <name>DictionaryCheck</name>
    <message>
        <source>it cannot be read</source>
        <translation>le fichier est illisible</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>le fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than the program reads</source>
        <translation>le fichier dépasse la taille que le programme accepte de lire</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>la lecture a été annulée</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1.dic is larger than the program reads</source>
        <translation>%1.dic dépasse la taille que le programme accepte de lire</translation>
    </message>
    <message>
        <source>SET %1 names an encoding that cannot be converted</source>
        <translation>SET %1 désigne un encodage qui ne peut pas être converti</translation>
    </message>
    <message>
        <source>SET %1 is no encoding a dictionary file can be in</source>
        <translation>SET %1 n&apos;est pas un encodage possible pour un fichier de dictionnaire</translation>
    </message>
</context>
<context>
    <name>DictionaryChooser</name>
    <message>
        <source>%1 refused %2: %3</source>
        <translation>%1 a refusé %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Nuspell and Hunspell refused %1: %2</source>
        <translation>Nuspell et Hunspell ont refusé %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DictionaryOption</name>
    <message>
        <source>there is no %1.aff with a %1.dic beside it</source>
        <translation>il n&apos;y a pas de %1.aff accompagné d&apos;un %1.dic</translation>
    </message>
    <message>
        <source>no dictionary %1 was found in %2</source>
        <translation>aucun dictionnaire %1 trouvé dans %2</translation>
    </message>
    <message numerus="yes">
        <source>alphabet of %n letters</source>
        <translation>
            <numerusform>alphabet de %n lettre</numerusform>
            <numerusform>alphabet de %n lettres</numerusform>
        </translation>
    </message>
    <message>
        <source>alphabet not known until the dictionary is first used</source>
        <translation>alphabet inconnu tant que le dictionnaire n&apos;a pas été utilisé</translation>
    </message>
    <message>
        <source>the locale asks for %1; the search tries %2 first (%3)</source>
        <translation>la locale demande %1&#xa0;; la recherche essaie d&apos;abord %2 (%3)</translation>
    </message>
    <message>
        <source>the locale asks for %1; no dictionary of it or of en_US was found</source>
        <translation>la locale demande %1&#xa0;; aucun dictionnaire n&apos;a été trouvé ni pour cette langue ni pour en_US</translation>
    </message>
    <message>
        <source>the locale names no language (American English); the search tries %1 first (%2)</source>
        <translation>la locale ne nomme aucune langue (anglais américain)&#xa0;; la recherche essaie d&apos;abord %1 (%2)</translation>
    </message>
    <message>
        <source>the locale names no language (American English); no dictionary of it or of en_US was found</source>
        <translation>la locale ne nomme aucune langue (anglais américain)&#xa0;; aucun dictionnaire n&apos;a été trouvé ni pour cette langue ni pour en_US</translation>
    </message>
</context>
<context>
    <name>ExitStatus</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour plus d&apos;informations.</translation>
    </message>
</context>
<context>
    <name>GameOptions</name>
    <message>
        <source>List the words made of some of the letters, each used at most as often as given; &quot;?&quot; is a blank for any letter.</source>
        <translation>Afficher les mots formés avec une partie des lettres, chacune utilisée au plus autant de fois qu&apos;elle est donnée&#xa0;; «&#xa0;?&#xa0;» est un joker pour n&apos;importe quelle lettre.</translation>
    </message>
    <message>
        <source>List the phrases of up to N words (1 to %1; %2 when N is left out) that use all the letters and blanks.</source>
        <translation>Afficher les expressions d&apos;au plus N mots (1 à %1&#xa0;; %2 si N est omis) qui utilisent toutes les lettres et tous les jokers.</translation>
    </message>
    <message>
        <source>With --some or --phrases: only words (phrases with a word) that hold the letters of W.</source>
        <translation>Avec --some ou --phrases&#xa0;: seulement les mots qui contiennent les lettres de W (pour les expressions&#xa0;: celles dont un mot les contient).</translation>
    </message>
    <message>
        <source>--some and --phrases cannot be given together.</source>
        <translation>--some et --phrases ne peuvent pas être donnés ensemble.</translation>
    </message>
    <message>
        <source>The letters are refused: %1.</source>
        <translation>Les lettres sont refusées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>--phrases takes a number of words from 1 to %1.</source>
        <translation>--phrases prend un nombre de mots de 1 à %1.</translation>
    </message>
    <message>
        <source>--min-length takes a number of letters from 1 to %1.</source>
        <translation>--min-length prend un nombre de lettres de 1 à %1.</translation>
    </message>
    <message>
        <source>--limit takes a number of results from 1 on.</source>
        <translation>--limit prend un nombre de résultats à partir de 1.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot;: %2.</source>
        <translation>--pattern «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has spaces between words: it fits phrases (--phrases), not words.</source>
        <translation>--pattern «&#xa0;%1&#xa0;» contient des espaces entre les mots&#xa0;: il convient aux expressions (--phrases), pas aux mots.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 words, more than --phrases %3.</source>
        <translation>--pattern «&#xa0;%1&#xa0;» a %2 mots, plus que --phrases %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has a word of %2 letters, shorter than --min-length %3.</source>
        <translation>--pattern «&#xa0;%1&#xa0;» a un mot de %2 lettres, plus court que --min-length %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 letters, but %3 letters and blanks were given.</source>
        <translation>--pattern «&#xa0;%1&#xa0;» a %2 lettres, mais %3 lettres et jokers ont été donnés.</translation>
    </message>
    <message>
        <source>Only words that fit P, one character per letter: &quot;?&quot; any letter, a letter itself, [abc] one of these, [^abc] none of these, a space between words. Without --some or --phrases, and without letters: every word of the dictionary that fits.</source>
        <translation>Seulement les mots conformes à P, un caractère par lettre&#xa0;: «&#xa0;?&#xa0;» pour n&apos;importe quelle lettre, une lettre pour elle-même, [abc] pour l&apos;une de ces lettres, [^abc] pour aucune d&apos;elles, une espace entre les mots. Sans --some ni --phrases, et sans lettres&#xa0;: chaque mot du dictionnaire qui convient.</translation>
    </message>
    <message>
        <source>In a game: leave out the words with any of these letters.</source>
        <translation>Dans un jeu&#xa0;: écarter les mots qui ont l&apos;une de ces lettres.</translation>
    </message>
    <message>
        <source>With --some or --pattern: keep only the words with all of these letters.</source>
        <translation>Avec --some ou --pattern&#xa0;: garder seulement les mots qui ont toutes ces lettres.</translation>
    </message>
    <message>
        <source>With --phrases: only the phrases one of whose words is W.</source>
        <translation>Avec --phrases&#xa0;: seulement les expressions dont l&apos;un des mots est W.</translation>
    </message>
    <message>
        <source>In a game: leave out the words spelt all in capitals (abbreviations).</source>
        <translation>Dans un jeu&#xa0;: écarter les mots écrits tout en capitales (abréviations).</translation>
    </message>
    <message>
        <source>In a game: leave out the words the dictionary spells only with a capital (names). In German, where every noun has a capital, only those spelt all in capitals.</source>
        <translation>Dans un jeu&#xa0;: écarter les mots que le dictionnaire n&apos;écrit qu&apos;avec une majuscule (noms propres). En allemand, où chaque nom a une majuscule, seulement ceux écrits tout en capitales.</translation>
    </message>
    <message>
        <source>In a game: only the words the dictionary lists, with their affixes; none that its rules for compounds make.</source>
        <translation>Dans un jeu&#xa0;: seulement les mots que le dictionnaire donne, avec leurs affixes&#xa0;; aucun que ses règles de composition forment.</translation>
    </message>
    <message>
        <source>In a game: print each word&apos;s value with the tiles of the dictionary&apos;s language, a blank worth 0.</source>
        <translation>Dans un jeu&#xa0;: afficher la valeur de chaque mot avec les jetons de la langue du dictionnaire, un joker valant 0.</translation>
    </message>
    <message>
        <source>%1 takes letters A to Z.</source>
        <translation>%1 prend des lettres de A à Z.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together.</source>
        <translation>%1 et %2 ne peuvent pas être donnés ensemble.</translation>
    </message>
    <message>
        <source>--sort takes score, length or alpha.</source>
        <translation>--sort prend score, length ou alpha.</translation>
    </message>
    <message>
        <source>--sort score needs --scores.</source>
        <translation>--sort score nécessite --scores.</translation>
    </message>
    <message>
        <source>%1 %2: the letters given do not hold its letters.</source>
        <translation>%1 %2&#xa0;: les lettres données ne contiennent pas ses lettres.</translation>
    </message>
    <message>
        <source>%1 needs --phrases.</source>
        <translation>%1 nécessite --phrases.</translation>
    </message>
    <message>
        <source>In a game: leave out the words of fewer than N letters (default 2); in a phrase, each of its words.</source>
        <translation>Dans un jeu&#xa0;: écarter les mots de moins de N lettres (2 par défaut)&#xa0;; dans une expression, chacun de ses mots.</translation>
    </message>
    <message>
        <source>In a game: print no more than N results, and say on standard error when some were left out (default: every word, the first %1 phrases).</source>
        <translation>Dans un jeu&#xa0;: afficher au plus N résultats, et signaler sur la sortie d&apos;erreur standard si certains ont été écartés (par défaut&#xa0;: tous les mots, les %1 premières expressions).</translation>
    </message>
    <message>
        <source>In a game: print the results as one JSON array instead of a line each; per result its &quot;words&quot;, its number of &quot;letters&quot;, in each word the positions of the letters &quot;blanks&quot; stand for, and with --scores its &quot;score&quot;.</source>
        <translation>Dans un jeu&#xa0;: afficher les résultats en un seul tableau JSON au lieu d&apos;une ligne chacun&#xa0;; pour chaque résultat ses mots &quot;words&quot;, son nombre de lettres &quot;letters&quot;, dans chaque mot les positions des lettres que remplacent les jokers &quot;blanks&quot;, et avec --scores sa valeur &quot;score&quot;.</translation>
    </message>
    <message>
        <source>%1 takes letters of the dictionary&apos;s alphabet.</source>
        <translation>%1 attend des lettres de l&apos;alphabet du dictionnaire.</translation>
    </message>
    <message>
        <source>With --some or --pattern: the order of the words, score (highest first), length (longest first, the default) or alpha (alphabetical, as the dictionary&apos;s language sorts).</source>
        <translation>Avec --some ou --pattern&#xa0;: l&apos;ordre des mots, score (la plus haute valeur d&apos;abord), length (le plus long d&apos;abord, par défaut) ou alpha (alphabétique, comme trie la langue du dictionnaire).</translation>
    </message>
    <message>
        <source>In a game: the words of this list (one a line, UTF-8, # comments, any alphabet) instead of the dictionary&apos;s, matched as the games match the letters of the dictionary&apos;s language; the spelling checker is not asked.</source>
        <translation>Dans un jeu&#xa0;: les mots de cette liste (un par ligne, UTF-8, # pour les commentaires, dans tout alphabet) au lieu de ceux du dictionnaire, comparés comme les jeux comparent les lettres de la langue du dictionnaire&#xa0;; le correcteur orthographique n&apos;est pas interrogé.</translation>
    </message>
</context>
<context>
    <name>GameOutput</name>
    <message>
        <source>stopped after %1 of %2 words, the limit (--limit)</source>
        <translation>arrêté après %1 mots sur %2&#xa0;: limite atteinte (--limit)</translation>
    </message>
    <message>
        <source>stopped early: %1; the list is not complete</source>
        <translation>arrêté avant la fin&#xa0;: %1&#xa0;; la liste est incomplète</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n mot&#xa0;; candidats&#xa0;: %1, questions au correcteur&#xa0;: %2, %3 s</numerusform>
            <numerusform>%n mots&#xa0;; candidats&#xa0;: %1, questions au correcteur&#xa0;: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n expression&#xa0;; candidats&#xa0;: %1, questions au correcteur&#xa0;: %2, %3 s</numerusform>
            <numerusform>%n expressions&#xa0;; candidats&#xa0;: %1, questions au correcteur&#xa0;: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped after %n phrase(s), the limit (--limit); there are more</source>
        <translation>
            <numerusform>arrêté après %n expression&#xa0;: limite atteinte (--limit)&#xa0;; il y en a d&apos;autres</numerusform>
            <numerusform>arrêté après %n expressions&#xa0;: limite atteinte (--limit)&#xa0;; il y en a d&apos;autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n mot&#xa0;; candidats&#xa0;: %1, %2 s</numerusform>
            <numerusform>%n mots&#xa0;; candidats&#xa0;: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n expression&#xa0;; candidats&#xa0;: %1, %2 s</numerusform>
            <numerusform>%n expressions&#xa0;; candidats&#xa0;: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n candidate word(s) left out</source>
        <translation>
            <numerusform>au moins %n mot candidat laissé de côté</numerusform>
            <numerusform>au moins %n mots candidats laissés de côté</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n candidate word(s) left out</source>
        <translation>
            <numerusform>%n mot candidat laissé de côté</numerusform>
            <numerusform>%n mots candidats laissés de côté</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameTool</name>
    <message>
        <source>--some and --phrases need the word index of the dictionary, which cannot serve it: %1</source>
        <translation>--some et --phrases ont besoin de l&apos;index des mots du dictionnaire, qui ne peut pas servir ici&#xa0;: %1</translation>
    </message>
    <message>
        <source>--scores: the language of the dictionary %1 has no tile set here; these have one: %2.</source>
        <translation>--scores&#xa0;: la langue du dictionnaire %1 n&apos;a pas de jeu de jetons ici&#xa0;; celles-ci en ont un&#xa0;: %2.</translation>
    </message>
    <message>
        <source>--wordlist %1: %2.</source>
        <translation>--wordlist %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The tile [%1] is not one of the tile set of the language of the dictionary %2.</source>
        <translation>Le jeton [%1] ne fait pas partie du jeu de jetons de la langue du dictionnaire %2.</translation>
    </message>
    <message numerus="yes">
        <source>the words of the list %1: %n word(s), %2 left out for characters that are no letters; the spelling checker was not asked</source>
        <translation>
            <numerusform>les mots de la liste %1&#xa0;: %n mot, écartés pour des caractères qui ne sont pas des lettres&#xa0;: %2&#xa0;; le correcteur orthographique n&apos;a pas été interrogé</numerusform>
            <numerusform>les mots de la liste %1&#xa0;: %n mots, écartés pour des caractères qui ne sont pas des lettres&#xa0;: %2&#xa0;; le correcteur orthographique n&apos;a pas été interrogé</numerusform>
        </translation>
    </message>
    <message>
        <source>--pattern needs the word index of the dictionary, which cannot serve it: %1</source>
        <translation>--pattern a besoin de l&apos;index des mots du dictionnaire, qui ne peut pas servir ici&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Help file (qv.chm) not found:</source>
        <translation>Fichier d&apos;aide (qv.chm) introuvable&#xa0;:</translation>
    </message>
    <message>
        <source>The help file you chose does not exist.</source>
        <translation>Le fichier d&apos;aide choisi n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error occurred: </source>
        <translation>Une erreur s&apos;est produite&#xa0;: </translation>
    </message>
    <message>
        <source>Help File (*.chm)|*.chm</source>
        <translation>Fichier d&apos;aide (*.chm)|*.chm</translation>
    </message>
    <message>
        <source>The help file could not be found.  This could be caused by the Quorvel program file being copied or moved away from the location where it was initially installed.  If you would like to view the help file then please specify its location.  The name of the file is qv.chm and the default location is in the directory where the Quorvel program was initially installed.</source>
        <translation>Le fichier d&apos;aide est introuvable. Le fichier du programme Quorvel a peut-être été copié ou déplacé hors de l&apos;emplacement où il a été installé. Si vous souhaitez consulter l&apos;aide, veuillez indiquer où elle se trouve. Le fichier s&apos;appelle qv.chm et se trouve par défaut dans le dossier où Quorvel a été installé.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>This help file cannot be shown</source>
        <translation>Impossible d&apos;afficher ce fichier d&apos;aide</translation>
    </message>
    <message>
        <source>%1 is not a readable compiled help (CHM) file: %2.</source>
        <translation>%1 n&apos;est pas un fichier d&apos;aide compilé (CHM) lisible&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il est illisible</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>it names no start page</source>
        <translation>il n&apos;indique aucune page d&apos;accueil</translation>
    </message>
    <message>
        <source>(The rest is left out: more than %1 lines.)</source>
        <translation>(La suite est omise&#xa0;: plus de %1 lignes.)</translation>
    </message>
</context>
<context>
    <name>IndexLoading</name>
    <message>
        <source>the kept word index of %1 is not used: %2</source>
        <translation>l&apos;index des mots conservé de %1 n&apos;est pas utilisé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>--language: there is no translation for &apos;%1&apos;; the languages are: %2.</source>
        <translation>--language&#xa0;: aucune traduction pour «&#xa0;%1&#xa0;»&#xa0;; langues disponibles&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>KeptDictionary</name>
    <message>
        <source>the cache in %1 is not written: %2</source>
        <translation>le cache dans %1 n&apos;est pas écrit&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>PROBLEM</source>
        <translation>PROBLÈME</translation>
    </message>
    <message>
        <source>You entered at least one invalid character.  Please only enter letter (no spaces, punctuation marks, numbers or symbols).</source>
        <translation>Vous avez saisi au moins un caractère non valide. Veuillez ne saisir que des lettres (ni espaces, ni signes de ponctuation, ni chiffres, ni symboles).</translation>
    </message>
    <message>
        <source>You didn&apos;t enter any letters.  Please enter your jumbled letters, then press the button to analyze.</source>
        <translation>Vous n&apos;avez saisi aucune lettre. Veuillez saisir vos lettres mélangées, puis cliquer sur le bouton pour les analyser.</translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <translation>Veuillez confirmer</translation>
    </message>
    <message numerus="yes">
        <source>You entered %n letters to analyze.  It could take a significant amount of time.  Do you want to continue?</source>
        <translation>
            <numerusform>Vous avez saisi %n lettre à analyser. Cela peut prendre beaucoup de temps. Voulez-vous continuer&#xa0;?</numerusform>
            <numerusform>Vous avez saisi %n lettres à analyser. Cela peut prendre beaucoup de temps. Voulez-vous continuer&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>You need to have a Hunspell dictionary for your language or for American English (Debian package hunspell-en-us) installed on your PC for this program to run.  Neither was found on your computer.  This program can not continue.</source>
        <translation>Pour que ce programme fonctionne, un dictionnaire Hunspell pour votre langue ou pour l&apos;anglais américain (paquet Debian hunspell-en-us) doit être installé sur votre ordinateur. Aucun des deux n&apos;a été trouvé. Le programme ne peut pas continuer.</translation>
    </message>
    <message>
        <source>You don&apos;t seem to have a new enough version of Nuspell or Hunspell for this program to run. This program can not continue.</source>
        <translation>Votre version de Nuspell ou de Hunspell ne semble pas assez récente pour ce programme. Le programme ne peut pas continuer.</translation>
    </message>
    <message>
        <source>Done - No words found</source>
        <translation>Terminé – aucun mot trouvé</translation>
    </message>
    <message numerus="yes">
        <source>Done - Found %n words: </source>
        <translation>
            <numerusform>Terminé – %n mot trouvé&#xa0;: </numerusform>
            <numerusform>Terminé – %n mots trouvés&#xa0;: </numerusform>
        </translation>
    </message>
    <message>
        <source>You entered an invalid character: %1.  Please only enter letters (no spaces, punctuation marks, numbers or symbols).</source>
        <translation>Vous avez saisi un caractère non valide&#xa0;: %1. Veuillez ne saisir que des lettres (ni espaces, ni signes de ponctuation, ni chiffres, ni symboles).</translation>
    </message>
    <message>
        <source>The letter %1 is not in the alphabet of the dictionary %2.  Please only enter letters of that alphabet.</source>
        <translation>La lettre %1 ne fait pas partie de l&apos;alphabet du dictionnaire %2. Veuillez ne saisir que des lettres de cet alphabet.</translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>La page dépasse la limite de %1&#xa0;Ko.</translation>
    </message>
    <message>
        <source>The page has more elements than the limit of %1.</source>
        <translation>La page contient plus d&apos;éléments que la limite de %1.</translation>
    </message>
    <message>
        <source>The page has more table cells than the limit of %1.</source>
        <translation>La page contient plus de cellules de tableau que la limite de %1.</translation>
    </message>
    <message>
        <source>The page nests its elements deeper than the limit of %1 levels.</source>
        <translation>La page imbrique ses éléments au-delà de la limite de %1 niveaux.</translation>
    </message>
    <message>
        <source>The page nests tables deeper than the limit of %1 levels.</source>
        <translation>La page imbrique des tableaux au-delà de la limite de %1 niveaux.</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>line %1 has a NUL byte: this is no text file</source>
        <translation>la ligne %1 contient un octet NUL : ce n&apos;est pas un fichier texte</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>la ligne %1 dépasse %2 octets</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text</source>
        <translation>la ligne %1 n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>it holds no word</source>
        <translation>elle ne contient aucun mot</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message numerus="yes">
        <source>about %n second(s) left</source>
        <translation>
            <numerusform>environ %n seconde restante</numerusform>
            <numerusform>environ %n secondes restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s) left</source>
        <translation>
            <numerusform>environ %n minute restante</numerusform>
            <numerusform>environ %n minutes restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hour(s) left</source>
        <translation>
            <numerusform>environ %n heure restante</numerusform>
            <numerusform>environ %n heures restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n day(s) left</source>
        <translation>
            <numerusform>environ %n jour restant</numerusform>
            <numerusform>environ %n jours restants</numerusform>
        </translation>
    </message>
    <message>
        <source>years left</source>
        <translation>des années restantes</translation>
    </message>
    <message>
        <source>No analysis is running.</source>
        <translation>Aucune analyse en cours.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>%1 of %2 %3, %4/s, about %5 s left</source>
        <translation>%3&#xa0;: %1 sur %2, %4/s, environ %5 s restantes</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%3&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>%1, about %2 s left</source>
        <translation>%1, environ %2 s restantes</translation>
    </message>
    <message>
        <source>first words of phrases tried</source>
        <translation>premiers mots d&apos;expressions essayés</translation>
    </message>
    <message>
        <source>candidate words judged</source>
        <translation>candidats examinés</translation>
    </message>
    <message>
        <source>building the dictionary&apos;s word index</source>
        <translation>construction de l&apos;index des mots du dictionnaire</translation>
    </message>
    <message>
        <source>arrangements tried</source>
        <translation>combinaisons essayées</translation>
    </message>
    <message>
        <source>compounds named (of a bound)</source>
        <translation>composés nommés (sur un plafond)</translation>
    </message>
    <message>
        <source>candidates confirmed</source>
        <translation>candidats confirmés</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments&#xa0;:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l&apos;aide, y compris les options propres à Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copier l&apos;adresse du &amp;lien</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>QtOpenFileDialog</name>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permission refusée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>QueryLines</name>
    <message>
        <source>Line %1 is longer than %2 bytes and is not answered.</source>
        <translation>La ligne %1 dépasse %2 octets et ne reçoit pas de réponse.</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>the checker reads no dictionary file</source>
        <translation>le correcteur ne lit aucun fichier de dictionnaire</translation>
    </message>
    <message>
        <source>the letters are too many to count their arrangements exactly</source>
        <translation>les lettres sont trop nombreuses pour compter exactement leurs combinaisons</translation>
    </message>
    <message>
        <source>the index names more arrangements than trying them all is worth</source>
        <translation>l&apos;index propose tant de combinaisons qu&apos;il vaut mieux toutes les essayer</translation>
    </message>
    <message>
        <source>asked to (--exhaustive)</source>
        <translation>à la demande (--exhaustive)</translation>
    </message>
    <message>
        <source>the word index is still being built or read, and trying every arrangement is quicker</source>
        <translation>l&apos;index des mots est encore en cours de construction ou de lecture, et essayer toutes les combinaisons est plus rapide</translation>
    </message>
    <message>
        <source>its files cannot be read</source>
        <translation>les fichiers du dictionnaire sont illisibles</translation>
    </message>
    <message>
        <source>the word index is of another dictionary</source>
        <translation>l&apos;index des mots est celui d&apos;un autre dictionnaire</translation>
    </message>
    <message>
        <source>the index was not finished</source>
        <translation>l&apos;index n&apos;a pas été terminé</translation>
    </message>
    <message>
        <source>no process could be started to try it</source>
        <translation>aucun processus n&apos;a pu être lancé pour l&apos;essayer</translation>
    </message>
    <message>
        <source>the trying was cut short</source>
        <translation>l&apos;essai a été interrompu</translation>
    </message>
    <message>
        <source>it takes longer than any dictionary should to load</source>
        <translation>le chargement prend plus de temps que ne devrait en prendre n&apos;importe quel dictionnaire</translation>
    </message>
    <message>
        <source>it takes more processor time than any dictionary should to load</source>
        <translation>le chargement consomme plus de temps processeur que ne devrait en demander n&apos;importe quel dictionnaire</translation>
    </message>
    <message>
        <source>it fails loading it</source>
        <translation>le chargement échoue</translation>
    </message>
    <message>
        <source>a question to it fails</source>
        <translation>une question qui lui est posée échoue</translation>
    </message>
    <message>
        <source>it dies loading it (signal %1)</source>
        <translation>il se termine brutalement au chargement (signal %1)</translation>
    </message>
    <message>
        <source>the helper program %1 cannot be started</source>
        <translation>le programme auxiliaire %1 ne peut pas être lancé</translation>
    </message>
    <message>
        <source>it accepts none of &quot;%1&quot; and the other first entries of its own word list</source>
        <translation>il n&apos;accepte ni «&#xa0;%1&#xa0;» ni les autres premières entrées de sa propre liste de mots</translation>
    </message>
    <message>
        <source>it accepts &quot;%1&quot;, which is no word: it accepts any string of Latin letters</source>
        <translation>il accepte «&#xa0;%1&#xa0;», qui n&apos;est pas un mot&#xa0;: il accepte n&apos;importe quelle suite de lettres latines</translation>
    </message>
    <message>
        <source>the search for compounds took longer than its budget</source>
        <translation>la recherche de mots composés a pris plus de temps que prévu</translation>
    </message>
    <message>
        <source>the search for compounds was stopped</source>
        <translation>la recherche de mots composés a été interrompue</translation>
    </message>
    <message>
        <source>the affix file has too many rules</source>
        <translation>le fichier d&apos;affixes contient trop de règles</translation>
    </message>
    <message>
        <source>COMPLEXPREFIXES turns the affix rules around</source>
        <translation>COMPLEXPREFIXES inverse les règles d&apos;affixes</translation>
    </message>
    <message>
        <source>IGNORE removes letters before the check</source>
        <translation>IGNORE supprime des lettres avant la vérification</translation>
    </message>
    <message>
        <source>BREAK splits words at letters</source>
        <translation>BREAK coupe les mots au niveau de certaines lettres</translation>
    </message>
    <message>
        <source>ICONV converts letters before the check</source>
        <translation>ICONV convertit des lettres avant la vérification</translation>
    </message>
    <message>
        <source>COMPOUNDRULE with an open group</source>
        <translation>COMPOUNDRULE avec un groupe non fermé</translation>
    </message>
    <message>
        <source>an affix line is too short</source>
        <translation>une ligne d&apos;affixe est trop courte</translation>
    </message>
    <message>
        <source>an affix header is malformed</source>
        <translation>un en-tête d&apos;affixe est mal formé</translation>
    </message>
    <message>
        <source>an affix header names no flag</source>
        <translation>un en-tête d&apos;affixe n&apos;indique aucun drapeau</translation>
    </message>
    <message>
        <source>an affix condition is malformed</source>
        <translation>une condition d&apos;affixe est mal formée</translation>
    </message>
    <message>
        <source>the affix file names more than one encoding</source>
        <translation>le fichier d&apos;affixes indique plus d&apos;un encodage</translation>
    </message>
    <message>
        <source>FLAG comes after lines that use flags</source>
        <translation>FLAG vient après des lignes qui utilisent des drapeaux</translation>
    </message>
    <message>
        <source>the affix file has a line that is too long</source>
        <translation>le fichier d&apos;affixes contient une ligne trop longue</translation>
    </message>
    <message>
        <source>the dictionary has too many words</source>
        <translation>le dictionnaire contient trop de mots</translation>
    </message>
    <message>
        <source>the dictionary has a line that is too long</source>
        <translation>le dictionnaire contient une ligne trop longue</translation>
    </message>
    <message>
        <source>the search for compounds took more steps than its budget of %1</source>
        <translation>la recherche de mots composés a demandé plus d&apos;étapes que sa limite de %1</translation>
    </message>
    <message>
        <source>the search for compounds named more than %1 candidates, its budget</source>
        <translation>la recherche de mots composés a proposé plus de candidats que sa limite de %1</translation>
    </message>
    <message>
        <source>the dictionary files cannot be read: %1</source>
        <translation>les fichiers du dictionnaire sont illisibles&#xa0;: %1</translation>
    </message>
    <message>
        <source>its affix file cannot be read: %1</source>
        <translation>son fichier d&apos;affixes est illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>the index of stems does not read back: %1</source>
        <translation>l&apos;index des radicaux ne peut pas être relu&#xa0;: %1</translation>
    </message>
    <message>
        <source>more than %1 letters and blanks</source>
        <translation>plus de %1 lettres et jokers</translation>
    </message>
    <message>
        <source>the encoding %1 is not known</source>
        <translation>l&apos;encodage %1 est inconnu</translation>
    </message>
    <message>
        <source>%1 has no count</source>
        <translation>%1 n&apos;indique pas le nombre de lignes</translation>
    </message>
    <message>
        <source>%1 line without a value</source>
        <translation>ligne %1 sans valeur</translation>
    </message>
    <message>
        <source>it reports: %1</source>
        <translation>il signale&#xa0;: %1</translation>
    </message>
    <message>
        <source>the affix rules take too long to apply</source>
        <translation>l&apos;application des règles d&apos;affixes prend trop de temps</translation>
    </message>
    <message>
        <source>a dictionary word has too many forms</source>
        <translation>un mot du dictionnaire a trop de formes</translation>
    </message>
    <message>
        <source>a dictionary word has too many spellings in letters</source>
        <translation>un mot du dictionnaire s&apos;écrit en lettres de trop de façons</translation>
    </message>
    <message>
        <source>the dictionary has too many forms</source>
        <translation>le dictionnaire a trop de formes</translation>
    </message>
    <message>
        <source>no letters were given</source>
        <translation>aucune lettre n&apos;a été donnée</translation>
    </message>
    <message>
        <source>the affix file cannot be read</source>
        <translation>le fichier d&apos;affixes est illisible</translation>
    </message>
    <message>
        <source>it is not an index of stems of this version</source>
        <translation>ce n&apos;est pas un index des radicaux de cette version</translation>
    </message>
    <message>
        <source>its stems do not fit together</source>
        <translation>ses radicaux ne concordent pas</translation>
    </message>
    <message>
        <source>its affix file cannot be read</source>
        <translation>son fichier d&apos;affixes est illisible</translation>
    </message>
    <message>
        <source>the search for the forms was stopped</source>
        <translation>la recherche des formes a été interrompue</translation>
    </message>
    <message>
        <source>the letters have too many forms</source>
        <translation>les lettres donnent trop de formes</translation>
    </message>
    <message>
        <source>it is not a word index of this version</source>
        <translation>ce n&apos;est pas un index des mots de cette version</translation>
    </message>
    <message>
        <source>its compound settings are damaged</source>
        <translation>ses réglages des mots composés sont endommagés</translation>
    </message>
    <message>
        <source>its sections do not agree</source>
        <translation>ses sections ne concordent pas</translation>
    </message>
    <message>
        <source>its tree of keys is damaged</source>
        <translation>son arbre de clés est endommagé</translation>
    </message>
    <message>
        <source>its keys do not match their forms</source>
        <translation>ses clés ne correspondent pas à leurs formes</translation>
    </message>
    <message>
        <source>a form holds other characters than letters</source>
        <translation>une forme contient d&apos;autres caractères que des lettres</translation>
    </message>
    <message>
        <source>a form is not made of its key&apos;s letters</source>
        <translation>une forme n&apos;est pas faite des lettres de sa clé</translation>
    </message>
    <message>
        <source>its compound rule flags are damaged</source>
        <translation>ses drapeaux des règles de mots composés sont endommagés</translation>
    </message>
    <message>
        <source>no letters were typed</source>
        <translation>aucune lettre n&apos;a été saisie</translation>
    </message>
    <message>
        <source>more than 255 different letters were typed</source>
        <translation>plus de 255 lettres différentes ont été saisies</translation>
    </message>
    <message>
        <source>a letter typed is no letter a word is spelt with</source>
        <translation>une lettre saisie n&apos;apparaît dans aucun mot</translation>
    </message>
    <message>
        <source>the letters typed spread in too many ways</source>
        <translation>les lettres saisies se répartissent de trop de façons</translation>
    </message>
    <message>
        <source>the dictionary has more compounding rules than the search follows</source>
        <translation>le dictionnaire a plus de règles de mots composés que la recherche n&apos;en suit</translation>
    </message>
    <message>
        <source>a letter typed stands for letters the word index files apart</source>
        <translation>une lettre saisie représente des lettres que l’index des mots classe à part</translation>
    </message>
    <message>
        <source>only letters, &quot;?&quot; for a blank, a tile of several letters in [ ] and spaces can be given</source>
        <translation>on ne peut indiquer que des lettres, «&#xa0;?&#xa0;» pour un joker, un jeton de plusieurs lettres entre [ ] et des espaces</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; %3 more were left out</source>
        <translation>le correcteur a jugé %1 candidats, dont au plus %2 mots composés, sa limite&#xa0;; %3 de plus ont été laissés de côté</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; at least %3 more were left out</source>
        <translation>le correcteur a jugé %1 candidats, dont au plus %2 mots composés, sa limite&#xa0;; au moins %3 de plus ont été laissés de côté</translation>
    </message>
    <message>
        <source>a word found had more than %1 spellings in the letters of the pattern</source>
        <translation>un mot trouvé avait plus de %1 graphies dans les lettres du motif</translation>
    </message>
    <message>
        <source>the search took longer than its budget; %1 candidates were left out unjudged</source>
        <translation>la recherche a pris plus de temps que prévu&#xa0;; %1 candidats ont été laissés de côté sans être jugés</translation>
    </message>
    <message>
        <source>the search took longer than its budget</source>
        <translation>la recherche a pris plus de temps que prévu</translation>
    </message>
    <message>
        <source>the search was stopped</source>
        <translation>la recherche a été arrêtée</translation>
    </message>
    <message>
        <source>the phrase search took more steps than its budget of %1</source>
        <translation>la recherche d&apos;expressions a demandé plus d&apos;étapes que sa limite de %1</translation>
    </message>
    <message>
        <source>the phrases passed their budget of %1</source>
        <translation>les expressions ont dépassé leur limite de %1</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Dictionary: %1 (%2)</source>
        <translation>Dictionnaire&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Spelling checker: %1</source>
        <translation>Correcteur orthographique&#xa0;: %1</translation>
    </message>
    <message>
        <source>Found through the word index, each word confirmed by the checker</source>
        <translation>Trouvé grâce à l&apos;index des mots, chaque mot confirmé par le correcteur</translation>
    </message>
    <message>
        <source>Every arrangement tried: %1</source>
        <translation>Toutes les combinaisons essayées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Every arrangement tried</source>
        <translation>Toutes les combinaisons essayées</translation>
    </message>
    <message>
        <source>Time: %1 s</source>
        <translation>Durée&#xa0;: %1 s</translation>
    </message>
    <message>
        <source>No dictionary for your language (%1) is installed, so the %2 dictionary answered. Install the Hunspell dictionary of your language (a package named like hunspell-%3) to search in it.</source>
        <translation>Aucun dictionnaire n&apos;est installé pour votre langue (%1)&#xa0;; c&apos;est donc le dictionnaire %2 qui a répondu. Installez le dictionnaire Hunspell de votre langue (un paquet nommé par exemple hunspell-%3) pour chercher dans celle-ci.</translation>
    </message>
    <message>
        <source>Letters matched loosely: case does not matter, nor a mark that is no letter of its own in the dictionary&apos;s language</source>
        <translation>Lettres comparées avec souplesse&#xa0;: ni la casse ni un signe diacritique qui ne forme pas une lettre à part entière dans la langue du dictionnaire ne comptent</translation>
    </message>
</context>
<context>
    <name>SearchCommandLine</name>
    <message>
        <source>Ask the spelling checker from N threads (1: one question after another; default: one per core).</source>
        <translation>Interroger le correcteur orthographique depuis N threads (1&#xa0;: une question après l&apos;autre&#xa0;; par défaut&#xa0;: un par cœur).</translation>
    </message>
    <message>
        <source>List the dictionaries found, and which one the locale picks.</source>
        <translation>Afficher les dictionnaires trouvés, et celui que choisit la locale.</translation>
    </message>
    <message>
        <source>Lists every word made of all the given letters, as the Quorvel window does; with --some or --phrases, the words made of some of them or the phrases made of all of them.</source>
        <translation>Affiche chaque mot formé avec toutes les lettres données, comme la fenêtre de Quorvel&#xa0;; avec --some ou --phrases, les mots formés avec une partie d&apos;entre elles ou les expressions formées avec toutes.</translation>
    </message>
    <message>
        <source>%1 needs --some or --phrases.</source>
        <translation>%1 nécessite --some ou --phrases.</translation>
    </message>
    <message>
        <source>--threads and --exhaustive belong to the search for words of all the letters, not to --some or --phrases.</source>
        <translation>--threads et --exhaustive s&apos;appliquent à la recherche de mots formés avec toutes les lettres, pas à --some ni à --phrases.</translation>
    </message>
    <message>
        <source>--threads takes a number from 1 to %1</source>
        <translation>--threads prend un nombre de 1 à %1</translation>
    </message>
    <message>
        <source>Give the letters as one argument.</source>
        <translation>Donnez les lettres en un seul argument.</translation>
    </message>
    <message>
        <source>The letters given are not UTF-8 text.</source>
        <translation>Les lettres données ne sont pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>Answer one query per line of standard input, the dictionary loaded once, each as soon as it is read (the letters are not given as an argument).</source>
        <translation>Répondre à une requête par ligne de l&apos;entrée standard, à chacune dès qu&apos;elle est lue, le dictionnaire chargé une seule fois (les lettres ne sont pas données en argument).</translation>
    </message>
    <message>
        <source>--pattern without --some or --phrases lists the dictionary&apos;s words that fit it, and takes no letters.</source>
        <translation>--pattern sans --some ni --phrases liste les mots du dictionnaire qui lui conviennent, et ne prend pas de lettres.</translation>
    </message>
    <message>
        <source>With --stdin the letters come from standard input, not as an argument.</source>
        <translation>Avec --stdin, les lettres viennent de l&apos;entrée standard, pas d&apos;un argument.</translation>
    </message>
    <message>
        <source>Match the letters loosely, as word-game players count them: case does not matter, nor a mark the dictionary&apos;s language has no letter of its own for (in French &quot;ete&quot; finds &quot;été&quot;; in Spanish &quot;n&quot; never stands for &quot;ñ&quot;). The word games (--some, --phrases, --pattern) always match so; with them it changes nothing.</source>
        <translation>Comparer les lettres avec souplesse, comme les comptent les joueurs de jeux de lettres&#xa0;: ni la casse ni un signe diacritique pour lequel la langue du dictionnaire n&apos;a pas de lettre à part entière ne comptent (en français «&#xa0;ete&#xa0;» trouve «&#xa0;été&#xa0;»&#xa0;; en espagnol «&#xa0;n&#xa0;» ne remplace jamais «&#xa0;ñ&#xa0;»). Les jeux de lettres (--some, --phrases, --pattern) comparent toujours ainsi&#xa0;; avec eux, cette option ne change rien.</translation>
    </message>
    <message>
        <source>The jumbled letters (of any alphabet, in either case); with --some or --phrases matched loosely, &quot;?&quot; is a blank tile and [ch] a tile of several letters.</source>
        <translation>Les lettres mélangées (de n&apos;importe quel alphabet, majuscules ou minuscules)&#xa0;; avec --some ou --phrases, comparées avec souplesse, «&#xa0;?&#xa0;» est un joker et [ch] un jeton de plusieurs lettres.</translation>
    </message>
</context>
<context>
    <name>SearchTool</name>
    <message>
        <source>Letters: </source>
        <translation>Lettres&#xa0;: </translation>
    </message>
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>ToolIo</name>
    <message>
        <source>dictionary %1 (%2), engine %3</source>
        <translation>dictionnaire %1 (%2), moteur %3</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>it is larger than %1 MB, the most a word list may be</source>
        <translation>elle dépasse %1 Mo, la taille maximale d&apos;une liste de mots</translation>
    </message>
    <message>
        <source>its words have too many different letters</source>
        <translation>ses mots comptent trop de lettres différentes</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>This application takes a jumbled set of letters and lists all valid words that can be made from all those letters.  It uses the spelling dictionaries of Nuspell and/or Hunspell in part of the analysis.</source>
        <translation>Ce programme prend un ensemble de lettres mélangées et affiche tous les mots valides que l&apos;on peut former avec toutes ces lettres. Il utilise pour une partie de l&apos;analyse les dictionnaires orthographiques de Nuspell et/ou de Hunspell.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Infos &amp;système…</translation>
    </message>
    <message>
        <source>Visit us at: </source>
        <translation>Retrouvez-nous sur&#xa0;: </translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>The home page could not be opened in a web browser.

Its address is %1</source>
        <translation>La page d&apos;accueil n&apos;a pas pu être ouverte dans un navigateur web.

Son adresse est %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The program&apos;s banner</source>
        <translation>La bannière du programme</translation>
    </message>
    <message>
        <source>4 Easy steps: </source>
        <translation>4 étapes faciles&#xa0;: </translation>
    </message>
    <message>
        <source>Type the letters, analyze them, wait, then read the words found</source>
        <translation>Saisir les lettres, les analyser, patienter, puis lire les mots trouvés</translation>
    </message>
    <message>
        <source>(1) Type the jumbled letters here:</source>
        <translation>(1) Saisissez les lettres mélangées ici&#xa0;:</translation>
    </message>
    <message>
        <source>Letters A to Z only; Enter starts the analysis</source>
        <translation>Lettres de A à Z uniquement&#xa0;; Entrée lance l&apos;analyse</translation>
    </message>
    <message>
        <source>(2) Click Here:</source>
        <translation>(2) Cliquez ici&#xa0;:</translation>
    </message>
    <message>
        <source>Analyze letters</source>
        <translation>Analyser les lettres</translation>
    </message>
    <message>
        <source>Finds every word made of all the letters typed</source>
        <translation>Trouve chaque mot formé avec toutes les lettres saisies</translation>
    </message>
    <message>
        <source>(3) Wait for analysis:</source>
        <translation>(3) Patientez pendant l&apos;analyse&#xa0;:</translation>
    </message>
    <message>
        <source>cancel analysis</source>
        <translation>Annuler l&apos;analyse</translation>
    </message>
    <message>
        <source>Stops the analysis under way</source>
        <translation>Arrête l&apos;analyse en cours</translation>
    </message>
    <message>
        <source>(4) Read results below here:</source>
        <translation>(4) Lisez les résultats ci-dessous&#xa0;:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Opens the help, as Help &gt; Quorvel Help does</source>
        <translation>Ouvre l&apos;aide, comme Aide &gt; Aide de Quorvel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Quitte le programme</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Quorvel H&amp;elp</source>
        <translation>&amp;Aide de Quorvel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>The words found appear here when an analysis ends</source>
        <translation>Les mots trouvés s&apos;affichent ici à la fin d&apos;une analyse</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Match Letters &amp;Loosely</source>
        <translation>Correspondance &amp;souple des lettres</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>Lists every word made of all the letters typed, in a window. See quorvel(1).</source>
        <translation>Affiche dans une fenêtre chaque mot formé avec toutes les lettres saisies. Voir quorvel(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the letters are typed in the window (quorvel-search takes them here).</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;»&#xa0;: les lettres se saisissent dans la fenêtre (quorvel-search, lui, les prend ici).</translation>
    </message>
</context>
</TS>
