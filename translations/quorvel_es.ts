<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AnalysisTool</name>
    <message>
        <source>every arrangement tried: %1</source>
        <translation>se probaron todas las combinaciones: %1</translation>
    </message>
    <message>
        <source>answered by the word index, %1 s</source>
        <translation>respondido por el índice de palabras, %1 s</translation>
    </message>
    <message>
        <source>%1 arrangements, %2 s, %3 arrangements/s</source>
        <translation>combinaciones: %1, %2 s, %3 combinaciones/s</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n candidate(s) settled by the dictionary&apos;s rules, without the checker</source>
        <translation>
            <numerusform>candidato resuelto por las reglas del diccionario, sin el corrector: %1 de %n</numerusform>
            <numerusform>candidatos resueltos por las reglas del diccionario, sin el corrector: %1 de %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n spelling(s) settled by the dictionary&apos;s rules, %1 asked of the checker</source>
        <translation>
            <numerusform>grafía resuelta por las reglas del diccionario: %n; consultas al corrector: %1</numerusform>
            <numerusform>grafías resueltas por las reglas del diccionario: %n; consultas al corrector: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CacheFile</name>
    <message>
        <source>it cannot be created: %1</source>
        <translation>no se puede crear el archivo: %1</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>no se puede escribir el archivo: %1</translation>
    </message>
</context>
<context>
    <name>ChmArchive</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>se canceló su lectura</translation>
    </message>
    <message>
        <source>the decompressor cannot be started</source>
        <translation>no se puede iniciar el descompresor</translation>
    </message>
    <message>
        <source>its headers are not those of a compiled help file</source>
        <translation>sus cabeceras no son las de un archivo de ayuda compilado</translation>
    </message>
    <message>
        <source>its directory has no chunks</source>
        <translation>su directorio no tiene bloques</translation>
    </message>
    <message>
        <source>its directory runs past the end of the file</source>
        <translation>su directorio sobrepasa el final del archivo</translation>
    </message>
    <message>
        <source>its directory links to chunk %1, which does not exist</source>
        <translation>su directorio remite al bloque %1, que no existe</translation>
    </message>
    <message>
        <source>its directory links back to chunk %1</source>
        <translation>su directorio vuelve a remitir al bloque %1</translation>
    </message>
    <message>
        <source>its directory chunk %1 is not a listing</source>
        <translation>el bloque %1 de su directorio no es un listado</translation>
    </message>
    <message>
        <source>its directory chunk %1 is damaged</source>
        <translation>el bloque %1 de su directorio está dañado</translation>
    </message>
    <message>
        <source>it lists more than %L1 files</source>
        <translation>enumera más de %L1 archivos</translation>
    </message>
</context>
<context>
    <name>ChmBrowser</name>
    <message>
        <source>This page cannot be shown</source>
        <translation>No se puede mostrar esta página</translation>
    </message>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>La página supera el límite de %1 KB.</translation>
    </message>
    <message>
        <source>The page %1 is not in this help file, or cannot be read from it.</source>
        <translation>La página %1 no está en este archivo de ayuda o no se puede leer de él.</translation>
    </message>
    <message>
        <source>The page %1 has nothing to show.</source>
        <translation>La página %1 no tiene nada que mostrar.</translation>
    </message>
</context>
<context>
    <name>CommonOptions</name>
    <message>
        <source>Try every arrangement, even where the dictionary&apos;s word index could answer at once.</source>
        <translation>Probar todas las combinaciones, incluso donde el índice de palabras del diccionario podría responder al instante.</translation>
    </message>
    <message>
        <source>Neither read nor write the dictionary cache (~/.cache/quorvel).</source>
        <translation>No leer ni escribir la caché de diccionarios (~/.cache/quorvel).</translation>
    </message>
    <message>
        <source>Use the dictionary of this language (de_DE) or at this path (a .dic file, or its path without the extension).</source>
        <translation>Usar el diccionario de este idioma (de_DE) o de esta ruta (un archivo .dic, o su ruta sin la extensión).</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR; en for English) instead of the one the environment names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). The dictionary is chosen apart from it.</source>
        <translation>Usar este idioma (de, fr, pt_BR; en para inglés) en lugar del que indica el entorno (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). El diccionario se elige por separado.</translation>
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
        <translation>Solucionador de letras revueltas</translation>
    </message>
    <message>
        <source>Find every word that can be made from all of a set of jumbled letters</source>
        <translation>Encuentre todas las palabras que se pueden formar con todas las letras de un conjunto revuelto</translation>
    </message>
    <message>
        <source>anagram;jumble;word;puzzle;</source>
        <translation>anagrama;letras revueltas;palabra;pasatiempo;acertijo;</translation>
    </message>
    <message>
        <source>Quorvel solves letter jumbles. Type the jumbled letters and it lists every word made of all of them, each once. Most dictionaries answer at once, however many letters are typed.</source>
        <translation>Quorvel resuelve letras revueltas. Escriba las letras desordenadas y mostrará cada palabra formada con todas ellas, usando cada letra una sola vez. La mayoría de los diccionarios responden al instante, sin importar cuántas letras se escriban.</translation>
    </message>
    <message>
        <source>It carries no word list of its own: it uses the Hunspell dictionary of your language and the letter case you type, so a capital finds the names and nouns that are written with one.</source>
        <translation>No lleva ninguna lista de palabras propia: usa el diccionario Hunspell de su idioma y respeta las mayúsculas y minúsculas que escriba, de modo que una mayúscula encuentra los nombres propios y los sustantivos que se escriben con ella.</translation>
    </message>
    <message>
        <source>The letters tca give the words cat and act</source>
        <translation>Las letras «tca» dan las palabras «cat» y «act»</translation>
    </message>
</context>
<context>
    <name>DictionaryCheck</name>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>no se puede abrir el archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than the program reads</source>
        <translation>el archivo es más grande de lo que el programa lee</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>se canceló la lectura</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1.dic is larger than the program reads</source>
        <translation>%1.dic es más grande de lo que el programa lee</translation>
    </message>
    <message>
        <source>SET %1 names an encoding that cannot be converted</source>
        <translation>SET %1 indica una codificación que no se puede convertir</translation>
    </message>
    <message>
        <source>SET %1 is no encoding a dictionary file can be in</source>
        <translation>SET %1 no es una codificación posible para un archivo de diccionario</translation>
    </message>
</context>
<context>
    <name>DictionaryChooser</name>
    <message>
        <source>%1 refused %2: %3</source>
        <translation>%1 rechazó %2: %3</translation>
    </message>
    <message>
        <source>Nuspell and Hunspell refused %1: %2</source>
        <translation>Nuspell y Hunspell rechazaron %1: %2</translation>
    </message>
</context>
<context>
    <name>DictionaryOption</name>
    <message>
        <source>there is no %1.aff with a %1.dic beside it</source>
        <translation>no hay ningún %1.aff con un %1.dic al lado</translation>
    </message>
    <message>
        <source>no dictionary %1 was found in %2</source>
        <translation>no se encontró ningún diccionario %1 en %2</translation>
    </message>
    <message numerus="yes">
        <source>alphabet of %n letters</source>
        <translation>
            <numerusform>alfabeto de %n letra</numerusform>
            <numerusform>alfabeto de %n letras</numerusform>
        </translation>
    </message>
    <message>
        <source>alphabet not known until the dictionary is first used</source>
        <translation>alfabeto desconocido hasta que se use el diccionario por primera vez</translation>
    </message>
    <message>
        <source>the locale asks for %1; the search tries %2 first (%3)</source>
        <translation>la configuración regional pide %1; la búsqueda prueba primero %2 (%3)</translation>
    </message>
    <message>
        <source>the locale asks for %1; no dictionary of it or of en_US was found</source>
        <translation>la configuración regional pide %1; no se encontró ningún diccionario de ese idioma ni de en_US</translation>
    </message>
    <message>
        <source>the locale names no language (American English); the search tries %1 first (%2)</source>
        <translation>la configuración regional no indica ningún idioma (inglés estadounidense); la búsqueda prueba primero %1 (%2)</translation>
    </message>
    <message>
        <source>the locale names no language (American English); no dictionary of it or of en_US was found</source>
        <translation>la configuración regional no indica ningún idioma (inglés estadounidense); no se encontró ningún diccionario de ese idioma ni de en_US</translation>
    </message>
</context>
<context>
    <name>ExitStatus</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Pruebe «%1 --help» para más información.</translation>
    </message>
</context>
<context>
    <name>GameOptions</name>
    <message>
        <source>List the words made of some of the letters, each used at most as often as given; &quot;?&quot; is a blank for any letter.</source>
        <translation>Mostrar las palabras formadas con parte de las letras, cada una usada como mucho tantas veces como se indique; «?» es un comodín para cualquier letra.</translation>
    </message>
    <message>
        <source>List the phrases of up to N words (1 to %1; %2 when N is left out) that use all the letters and blanks.</source>
        <translation>Mostrar las frases de hasta N palabras (de 1 a %1; %2 si se omite N) que usan todas las letras y comodines.</translation>
    </message>
    <message>
        <source>With --some or --phrases: only words (phrases with a word) that hold the letters of W.</source>
        <translation>Con --some o --phrases: solo las palabras (frases con una palabra) que contienen las letras de W.</translation>
    </message>
    <message>
        <source>--some and --phrases cannot be given together.</source>
        <translation>--some y --phrases no pueden indicarse juntos.</translation>
    </message>
    <message>
        <source>The letters are refused: %1.</source>
        <translation>Se rechazan las letras: %1.</translation>
    </message>
    <message>
        <source>--phrases takes a number of words from 1 to %1.</source>
        <translation>--phrases acepta un número de palabras de 1 a %1.</translation>
    </message>
    <message>
        <source>--min-length takes a number of letters from 1 to %1.</source>
        <translation>--min-length acepta un número de letras de 1 a %1.</translation>
    </message>
    <message>
        <source>--limit takes a number of results from 1 on.</source>
        <translation>--limit acepta un número de resultados a partir de 1.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot;: %2.</source>
        <translation>--pattern «%1»: %2.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has spaces between words: it fits phrases (--phrases), not words.</source>
        <translation>--pattern «%1» tiene espacios entre palabras: sirve para frases (--phrases), no para palabras.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 words, more than --phrases %3.</source>
        <translation>--pattern «%1» tiene %2 palabras, más que --phrases %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has a word of %2 letters, shorter than --min-length %3.</source>
        <translation>--pattern «%1» tiene una palabra de %2 letras, más corta que --min-length %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 letters, but %3 letters and blanks were given.</source>
        <translation>--pattern «%1» tiene %2 letras, pero se indicaron %3 letras y comodines.</translation>
    </message>
    <message>
        <source>Only words that fit P, one character per letter: &quot;?&quot; any letter, a letter itself, [abc] one of these, [^abc] none of these, a space between words. Without --some or --phrases, and without letters: every word of the dictionary that fits.</source>
        <translation>Solo las palabras que encajan en P, un carácter por letra: «?» representa cualquier letra; una letra, a sí misma; [abc], una de estas letras; [^abc], ninguna de ellas; un espacio, la separación entre palabras. Sin --some ni --phrases, y sin letras: cada palabra del diccionario que encaja.</translation>
    </message>
    <message>
        <source>In a game: leave out the words with any of these letters.</source>
        <translation>En un juego: omitir las palabras con cualquiera de estas letras.</translation>
    </message>
    <message>
        <source>With --some or --pattern: keep only the words with all of these letters.</source>
        <translation>Con --some o --pattern: conservar solo las palabras con todas estas letras.</translation>
    </message>
    <message>
        <source>With --phrases: only the phrases one of whose words is W.</source>
        <translation>Con --phrases: solo las frases una de cuyas palabras es W.</translation>
    </message>
    <message>
        <source>In a game: leave out the words spelt all in capitals (abbreviations).</source>
        <translation>En un juego: omitir las palabras escritas todas en mayúsculas (abreviaturas).</translation>
    </message>
    <message>
        <source>In a game: leave out the words the dictionary spells only with a capital (names). In German, where every noun has a capital, only those spelt all in capitals.</source>
        <translation>En un juego: omitir las palabras que el diccionario escribe solo con mayúscula inicial (nombres propios). En alemán, donde todo sustantivo lleva mayúscula, solo las escritas todas en mayúsculas.</translation>
    </message>
    <message>
        <source>In a game: only the words the dictionary lists, with their affixes; none that its rules for compounds make.</source>
        <translation>En un juego: solo las palabras que el diccionario incluye, con sus afijos; ninguna que formen sus reglas de compuestos.</translation>
    </message>
    <message>
        <source>In a game: print each word&apos;s value with the tiles of the dictionary&apos;s language, a blank worth 0.</source>
        <translation>En un juego: mostrar el valor de cada palabra con las fichas del idioma del diccionario; un comodín vale 0.</translation>
    </message>
    <message>
        <source>%1 takes letters A to Z.</source>
        <translation>%1 acepta letras de la A a la Z.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together.</source>
        <translation>%1 y %2 no pueden indicarse juntos.</translation>
    </message>
    <message>
        <source>--sort takes score, length or alpha.</source>
        <translation>--sort acepta score, length o alpha.</translation>
    </message>
    <message>
        <source>--sort score needs --scores.</source>
        <translation>--sort score necesita --scores.</translation>
    </message>
    <message>
        <source>%1 %2: the letters given do not hold its letters.</source>
        <translation>%1 %2: las letras indicadas no contienen sus letras.</translation>
    </message>
    <message>
        <source>%1 needs --phrases.</source>
        <translation>%1 necesita --phrases.</translation>
    </message>
    <message>
        <source>In a game: leave out the words of fewer than N letters (default 2); in a phrase, each of its words.</source>
        <translation>En un juego: omitir las palabras de menos de N letras (2 por defecto); en una frase, cada una de sus palabras.</translation>
    </message>
    <message>
        <source>In a game: print no more than N results, and say on standard error when some were left out (default: every word, the first %1 phrases).</source>
        <translation>En un juego: mostrar como mucho N resultados, e indicar en la salida de errores estándar si se omitieron algunos (por defecto: todas las palabras, las primeras %1 frases).</translation>
    </message>
    <message>
        <source>In a game: print the results as one JSON array instead of a line each; per result its &quot;words&quot;, its number of &quot;letters&quot;, in each word the positions of the letters &quot;blanks&quot; stand for, and with --scores its &quot;score&quot;.</source>
        <translation>En un juego: mostrar los resultados como una sola matriz JSON en lugar de una línea cada uno; por resultado sus palabras &quot;words&quot;, su número de letras &quot;letters&quot;, en cada palabra las posiciones de las letras representadas por comodines &quot;blanks&quot;, y con --scores su valor &quot;score&quot;.</translation>
    </message>
    <message>
        <source>%1 takes letters of the dictionary&apos;s alphabet.</source>
        <translation>%1 acepta letras del alfabeto del diccionario.</translation>
    </message>
    <message>
        <source>With --some or --pattern: the order of the words, score (highest first), length (longest first, the default) or alpha (alphabetical, as the dictionary&apos;s language sorts).</source>
        <translation>Con --some o --pattern: el orden de las palabras, score (mayor valor primero), length (la más larga primero, el predeterminado) o alpha (alfabético, como ordena el idioma del diccionario).</translation>
    </message>
    <message>
        <source>In a game: the words of this list (one a line, UTF-8, # comments, any alphabet) instead of the dictionary&apos;s, matched as the games match the letters of the dictionary&apos;s language; the spelling checker is not asked.</source>
        <translation>En un juego: las palabras de esta lista (una por línea, UTF-8, # para comentarios, en cualquier alfabeto) en lugar de las del diccionario, comparadas como los juegos comparan las letras del idioma del diccionario; no se consulta al corrector ortográfico.</translation>
    </message>
</context>
<context>
    <name>GameOutput</name>
    <message>
        <source>stopped after %1 of %2 words, the limit (--limit)</source>
        <translation>detenido tras %1 de %2 palabras, el límite (--limit)</translation>
    </message>
    <message>
        <source>stopped early: %1; the list is not complete</source>
        <translation>detenido antes de tiempo: %1; la lista no está completa</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n palabra; candidatas: %1, preguntas al corrector: %2, %3 s</numerusform>
            <numerusform>%n palabras; candidatas: %1, preguntas al corrector: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n frase; candidatas: %1, preguntas al corrector: %2, %3 s</numerusform>
            <numerusform>%n frases; candidatas: %1, preguntas al corrector: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped after %n phrase(s), the limit (--limit); there are more</source>
        <translation>
            <numerusform>detenido tras %n frase, el límite (--limit); hay más</numerusform>
            <numerusform>detenido tras %n frases, el límite (--limit); hay más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n palabra; candidatas: %1, %2 s</numerusform>
            <numerusform>%n palabras; candidatas: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n frase; candidatas: %1, %2 s</numerusform>
            <numerusform>%n frases; candidatas: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n candidate word(s) left out</source>
        <translation>
            <numerusform>al menos %n palabra candidata omitida</numerusform>
            <numerusform>al menos %n palabras candidatas omitidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n candidate word(s) left out</source>
        <translation>
            <numerusform>%n palabra candidata omitida</numerusform>
            <numerusform>%n palabras candidatas omitidas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameTool</name>
    <message>
        <source>--some and --phrases need the word index of the dictionary, which cannot serve it: %1</source>
        <translation>--some y --phrases necesitan el índice de palabras del diccionario, que no puede servir aquí: %1</translation>
    </message>
    <message>
        <source>--scores: the language of the dictionary %1 has no tile set here; these have one: %2.</source>
        <translation>--scores: el idioma del diccionario %1 no tiene aquí un juego de fichas; estos lo tienen: %2.</translation>
    </message>
    <message>
        <source>--wordlist %1: %2.</source>
        <translation>--wordlist %1: %2.</translation>
    </message>
    <message>
        <source>The tile [%1] is not one of the tile set of the language of the dictionary %2.</source>
        <translation>La ficha [%1] no forma parte del juego de fichas del idioma del diccionario %2.</translation>
    </message>
    <message numerus="yes">
        <source>the words of the list %1: %n word(s), %2 left out for characters that are no letters; the spelling checker was not asked</source>
        <translation>
            <numerusform>las palabras de la lista %1: %n palabra, omitidas por caracteres que no son letras: %2; no se consultó al corrector ortográfico</numerusform>
            <numerusform>las palabras de la lista %1: %n palabras, omitidas por caracteres que no son letras: %2; no se consultó al corrector ortográfico</numerusform>
        </translation>
    </message>
    <message>
        <source>--pattern needs the word index of the dictionary, which cannot serve it: %1</source>
        <translation>--pattern necesita el índice de palabras del diccionario, que no puede servir aquí: %1</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Help file (qv.chm) not found:</source>
        <translation>No se encontró el archivo de ayuda (qv.chm):</translation>
    </message>
    <message>
        <source>The help file you chose does not exist.</source>
        <translation>El archivo de ayuda elegido no existe.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error occurred: </source>
        <translation>Se produjo un error: </translation>
    </message>
    <message>
        <source>Help File (*.chm)|*.chm</source>
        <translation>Archivo de ayuda (*.chm)|*.chm</translation>
    </message>
    <message>
        <source>The help file could not be found.  This could be caused by the Quorvel program file being copied or moved away from the location where it was initially installed.  If you would like to view the help file then please specify its location.  The name of the file is qv.chm and the default location is in the directory where the Quorvel program was initially installed.</source>
        <translation>No se encontró el archivo de ayuda. Puede deberse a que el archivo del programa Quorvel se copió o se movió fuera del lugar donde se instaló. Si desea ver la ayuda, indique dónde se encuentra. El archivo se llama qv.chm y de forma predeterminada está en la carpeta donde se instaló Quorvel.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>This help file cannot be shown</source>
        <translation>No se puede mostrar este archivo de ayuda</translation>
    </message>
    <message>
        <source>%1 is not a readable compiled help (CHM) file: %2.</source>
        <translation>%1 no es un archivo de ayuda compilado (CHM) legible: %2.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>it names no start page</source>
        <translation>no indica ninguna página de inicio</translation>
    </message>
    <message>
        <source>(The rest is left out: more than %1 lines.)</source>
        <translation>(Se omite el resto: más de %1 líneas).</translation>
    </message>
</context>
<context>
    <name>IndexLoading</name>
    <message>
        <source>the kept word index of %1 is not used: %2</source>
        <translation>no se usa el índice de palabras guardado de %1: %2</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>--language: there is no translation for &apos;%1&apos;; the languages are: %2.</source>
        <translation>--language: no hay traducción para «%1»; los idiomas disponibles son: %2.</translation>
    </message>
</context>
<context>
    <name>KeptDictionary</name>
    <message>
        <source>the cache in %1 is not written: %2</source>
        <translation>la caché en %1 no se escribe: %2</translation>
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
        <translation>Ha escrito al menos un carácter no válido. Escriba solo letras (sin espacios, signos de puntuación, números ni símbolos).</translation>
    </message>
    <message>
        <source>You didn&apos;t enter any letters.  Please enter your jumbled letters, then press the button to analyze.</source>
        <translation>No ha escrito ninguna letra. Escriba las letras revueltas y después pulse el botón para analizarlas.</translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <translation>Confirme, por favor</translation>
    </message>
    <message numerus="yes">
        <source>You entered %n letters to analyze.  It could take a significant amount of time.  Do you want to continue?</source>
        <translation>
            <numerusform>Ha escrito %n letra para analizar. Puede llevar mucho tiempo. ¿Desea continuar?</numerusform>
            <numerusform>Ha escrito %n letras para analizar. Puede llevar mucho tiempo. ¿Desea continuar?</numerusform>
        </translation>
    </message>
    <message>
        <source>You need to have a Hunspell dictionary for your language or for American English (Debian package hunspell-en-us) installed on your PC for this program to run.  Neither was found on your computer.  This program can not continue.</source>
        <translation>Para que este programa funcione, debe tener instalado en su equipo un diccionario Hunspell de su idioma o de inglés estadounidense (paquete de Debian hunspell-en-us). No se encontró ninguno de los dos. El programa no puede continuar.</translation>
    </message>
    <message>
        <source>You don&apos;t seem to have a new enough version of Nuspell or Hunspell for this program to run. This program can not continue.</source>
        <translation>Parece que su versión de Nuspell o Hunspell no es lo bastante reciente para este programa. El programa no puede continuar.</translation>
    </message>
    <message>
        <source>Done - No words found</source>
        <translation>Terminado: no se encontró ninguna palabra</translation>
    </message>
    <message numerus="yes">
        <source>Done - Found %n words: </source>
        <translation>
            <numerusform>Terminado: se encontró %n palabra: </numerusform>
            <numerusform>Terminado: se encontraron %n palabras: </numerusform>
        </translation>
    </message>
    <message>
        <source>You entered an invalid character: %1.  Please only enter letters (no spaces, punctuation marks, numbers or symbols).</source>
        <translation>Ha escrito un carácter no válido: %1. Escriba solo letras (sin espacios, signos de puntuación, números ni símbolos).</translation>
    </message>
    <message>
        <source>The letter %1 is not in the alphabet of the dictionary %2.  Please only enter letters of that alphabet.</source>
        <translation>La letra %1 no pertenece al alfabeto del diccionario %2. Escriba solo letras de ese alfabeto.</translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>La página supera el límite de %1 KB.</translation>
    </message>
    <message>
        <source>The page has more elements than the limit of %1.</source>
        <translation>La página tiene más elementos que el límite de %1.</translation>
    </message>
    <message>
        <source>The page has more table cells than the limit of %1.</source>
        <translation>La página tiene más celdas de tabla que el límite de %1.</translation>
    </message>
    <message>
        <source>The page nests its elements deeper than the limit of %1 levels.</source>
        <translation>La página anida sus elementos a más profundidad que el límite de %1 niveles.</translation>
    </message>
    <message>
        <source>The page nests tables deeper than the limit of %1 levels.</source>
        <translation>La página anida tablas a más profundidad que el límite de %1 niveles.</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>line %1 has a NUL byte: this is no text file</source>
        <translation>la línea %1 contiene un byte NUL: no es un archivo de texto</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>la línea %1 tiene más de %2 bytes</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text</source>
        <translation>la línea %1 no es texto UTF-8</translation>
    </message>
    <message>
        <source>it holds no word</source>
        <translation>no contiene ninguna palabra</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message numerus="yes">
        <source>about %n second(s) left</source>
        <translation>
            <numerusform>queda aproximadamente %n segundo</numerusform>
            <numerusform>quedan aproximadamente %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s) left</source>
        <translation>
            <numerusform>queda aproximadamente %n minuto</numerusform>
            <numerusform>quedan aproximadamente %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hour(s) left</source>
        <translation>
            <numerusform>queda aproximadamente %n hora</numerusform>
            <numerusform>quedan aproximadamente %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n day(s) left</source>
        <translation>
            <numerusform>queda aproximadamente %n día</numerusform>
            <numerusform>quedan aproximadamente %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>years left</source>
        <translation>quedan años</translation>
    </message>
    <message>
        <source>No analysis is running.</source>
        <translation>No hay ningún análisis en curso.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>%1 of %2 %3, %4/s, about %5 s left</source>
        <translation>%3: %1 de %2, %4/s, quedan unos %5 s</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%3: %1 de %2</translation>
    </message>
    <message>
        <source>%1, about %2 s left</source>
        <translation>%1, quedan unos %2 s</translation>
    </message>
    <message>
        <source>first words of phrases tried</source>
        <translation>primeras palabras de frases probadas</translation>
    </message>
    <message>
        <source>candidate words judged</source>
        <translation>candidatas evaluadas</translation>
    </message>
    <message>
        <source>building the dictionary&apos;s word index</source>
        <translation>creando el índice de palabras del diccionario</translation>
    </message>
    <message>
        <source>arrangements tried</source>
        <translation>combinaciones probadas</translation>
    </message>
    <message>
        <source>compounds named (of a bound)</source>
        <translation>compuestos nombrados (de un tope)</translation>
    </message>
    <message>
        <source>candidates confirmed</source>
        <translation>candidatas confirmadas</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opciones]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de versión.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor tras «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado tras «%1».</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
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
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copiar la ubicación del en&amp;lace</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QtOpenFileDialog</name>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permiso denegado: %1</translation>
    </message>
</context>
<context>
    <name>QueryLines</name>
    <message>
        <source>Line %1 is longer than %2 bytes and is not answered.</source>
        <translation>La línea %1 tiene más de %2 bytes y no se responde.</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>the checker reads no dictionary file</source>
        <translation>el corrector no lee ningún archivo de diccionario</translation>
    </message>
    <message>
        <source>the letters are too many to count their arrangements exactly</source>
        <translation>hay demasiadas letras para contar sus combinaciones con exactitud</translation>
    </message>
    <message>
        <source>the index names more arrangements than trying them all is worth</source>
        <translation>el índice propone tantas combinaciones que conviene más probarlas todas</translation>
    </message>
    <message>
        <source>asked to (--exhaustive)</source>
        <translation>a petición (--exhaustive)</translation>
    </message>
    <message>
        <source>the word index is still being built or read, and trying every arrangement is quicker</source>
        <translation>el índice de palabras aún se está creando o leyendo, y probar todas las combinaciones es más rápido</translation>
    </message>
    <message>
        <source>its files cannot be read</source>
        <translation>no se pueden leer los archivos del diccionario</translation>
    </message>
    <message>
        <source>the word index is of another dictionary</source>
        <translation>el índice de palabras es de otro diccionario</translation>
    </message>
    <message>
        <source>the index was not finished</source>
        <translation>el índice no se terminó</translation>
    </message>
    <message>
        <source>no process could be started to try it</source>
        <translation>no se pudo iniciar ningún proceso para probarlo</translation>
    </message>
    <message>
        <source>the trying was cut short</source>
        <translation>la prueba se interrumpió</translation>
    </message>
    <message>
        <source>it takes longer than any dictionary should to load</source>
        <translation>tarda en cargarse más de lo que debería tardar cualquier diccionario</translation>
    </message>
    <message>
        <source>it takes more processor time than any dictionary should to load</source>
        <translation>cargarlo consume más tiempo de procesador del que debería necesitar cualquier diccionario</translation>
    </message>
    <message>
        <source>it fails loading it</source>
        <translation>falla al cargarlo</translation>
    </message>
    <message>
        <source>a question to it fails</source>
        <translation>falla una consulta que se le hace</translation>
    </message>
    <message>
        <source>it dies loading it (signal %1)</source>
        <translation>termina de forma inesperada al cargarlo (señal %1)</translation>
    </message>
    <message>
        <source>the helper program %1 cannot be started</source>
        <translation>no se puede iniciar el programa auxiliar %1</translation>
    </message>
    <message>
        <source>it accepts none of &quot;%1&quot; and the other first entries of its own word list</source>
        <translation>no acepta «%1» ni las demás primeras entradas de su propia lista de palabras</translation>
    </message>
    <message>
        <source>it accepts &quot;%1&quot;, which is no word: it accepts any string of Latin letters</source>
        <translation>acepta «%1», que no es ninguna palabra: acepta cualquier secuencia de letras latinas</translation>
    </message>
    <message>
        <source>the search for compounds took longer than its budget</source>
        <translation>la búsqueda de palabras compuestas tardó más de lo previsto</translation>
    </message>
    <message>
        <source>the search for compounds was stopped</source>
        <translation>la búsqueda de palabras compuestas se detuvo</translation>
    </message>
    <message>
        <source>the affix file has too many rules</source>
        <translation>el archivo de afijos tiene demasiadas reglas</translation>
    </message>
    <message>
        <source>COMPLEXPREFIXES turns the affix rules around</source>
        <translation>COMPLEXPREFIXES invierte las reglas de afijos</translation>
    </message>
    <message>
        <source>IGNORE removes letters before the check</source>
        <translation>IGNORE elimina letras antes de la comprobación</translation>
    </message>
    <message>
        <source>BREAK splits words at letters</source>
        <translation>BREAK divide las palabras donde aparecen ciertas letras</translation>
    </message>
    <message>
        <source>ICONV converts letters before the check</source>
        <translation>ICONV convierte letras antes de la comprobación</translation>
    </message>
    <message>
        <source>COMPOUNDRULE with an open group</source>
        <translation>COMPOUNDRULE con un grupo sin cerrar</translation>
    </message>
    <message>
        <source>an affix line is too short</source>
        <translation>una línea de afijo es demasiado corta</translation>
    </message>
    <message>
        <source>an affix header is malformed</source>
        <translation>una cabecera de afijo está mal formada</translation>
    </message>
    <message>
        <source>an affix header names no flag</source>
        <translation>una cabecera de afijo no indica ninguna marca</translation>
    </message>
    <message>
        <source>an affix condition is malformed</source>
        <translation>una condición de afijo está mal formada</translation>
    </message>
    <message>
        <source>the affix file names more than one encoding</source>
        <translation>el archivo de afijos indica más de una codificación</translation>
    </message>
    <message>
        <source>FLAG comes after lines that use flags</source>
        <translation>FLAG aparece después de líneas que usan marcas</translation>
    </message>
    <message>
        <source>the affix file has a line that is too long</source>
        <translation>el archivo de afijos tiene una línea demasiado larga</translation>
    </message>
    <message>
        <source>the dictionary has too many words</source>
        <translation>el diccionario tiene demasiadas palabras</translation>
    </message>
    <message>
        <source>the dictionary has a line that is too long</source>
        <translation>el diccionario tiene una línea demasiado larga</translation>
    </message>
    <message>
        <source>the search for compounds took more steps than its budget of %1</source>
        <translation>la búsqueda de palabras compuestas necesitó más pasos que su límite de %1</translation>
    </message>
    <message>
        <source>the search for compounds named more than %1 candidates, its budget</source>
        <translation>la búsqueda de palabras compuestas propuso más candidatos que su límite de %1</translation>
    </message>
    <message>
        <source>the dictionary files cannot be read: %1</source>
        <translation>no se pueden leer los archivos del diccionario: %1</translation>
    </message>
    <message>
        <source>its affix file cannot be read: %1</source>
        <translation>no se puede leer su archivo de afijos: %1</translation>
    </message>
    <message>
        <source>the index of stems does not read back: %1</source>
        <translation>el índice de raíces no se puede volver a leer: %1</translation>
    </message>
    <message>
        <source>more than %1 letters and blanks</source>
        <translation>más de %1 letras y comodines</translation>
    </message>
    <message>
        <source>the encoding %1 is not known</source>
        <translation>la codificación %1 es desconocida</translation>
    </message>
    <message>
        <source>%1 has no count</source>
        <translation>%1 no indica el número de líneas</translation>
    </message>
    <message>
        <source>%1 line without a value</source>
        <translation>línea %1 sin valor</translation>
    </message>
    <message>
        <source>it reports: %1</source>
        <translation>informa: %1</translation>
    </message>
    <message>
        <source>the affix rules take too long to apply</source>
        <translation>aplicar las reglas de afijos lleva demasiado tiempo</translation>
    </message>
    <message>
        <source>a dictionary word has too many forms</source>
        <translation>una palabra del diccionario tiene demasiadas formas</translation>
    </message>
    <message>
        <source>a dictionary word has too many spellings in letters</source>
        <translation>una palabra del diccionario se escribe en letras de demasiadas maneras</translation>
    </message>
    <message>
        <source>the dictionary has too many forms</source>
        <translation>el diccionario tiene demasiadas formas</translation>
    </message>
    <message>
        <source>no letters were given</source>
        <translation>no se indicó ninguna letra</translation>
    </message>
    <message>
        <source>the affix file cannot be read</source>
        <translation>no se puede leer el archivo de afijos</translation>
    </message>
    <message>
        <source>it is not an index of stems of this version</source>
        <translation>no es un índice de raíces de esta versión</translation>
    </message>
    <message>
        <source>its stems do not fit together</source>
        <translation>sus raíces no encajan entre sí</translation>
    </message>
    <message>
        <source>its affix file cannot be read</source>
        <translation>no se puede leer su archivo de afijos</translation>
    </message>
    <message>
        <source>the search for the forms was stopped</source>
        <translation>la búsqueda de las formas se detuvo</translation>
    </message>
    <message>
        <source>the letters have too many forms</source>
        <translation>las letras dan demasiadas formas</translation>
    </message>
    <message>
        <source>it is not a word index of this version</source>
        <translation>no es un índice de palabras de esta versión</translation>
    </message>
    <message>
        <source>its compound settings are damaged</source>
        <translation>su configuración de palabras compuestas está dañada</translation>
    </message>
    <message>
        <source>its sections do not agree</source>
        <translation>sus secciones no concuerdan</translation>
    </message>
    <message>
        <source>its tree of keys is damaged</source>
        <translation>su árbol de claves está dañado</translation>
    </message>
    <message>
        <source>its keys do not match their forms</source>
        <translation>sus claves no coinciden con sus formas</translation>
    </message>
    <message>
        <source>a form holds other characters than letters</source>
        <translation>una forma contiene caracteres que no son letras</translation>
    </message>
    <message>
        <source>a form is not made of its key&apos;s letters</source>
        <translation>una forma no está hecha de las letras de su clave</translation>
    </message>
    <message>
        <source>its compound rule flags are damaged</source>
        <translation>sus marcas de reglas de palabras compuestas están dañadas</translation>
    </message>
    <message>
        <source>no letters were typed</source>
        <translation>no se escribió ninguna letra</translation>
    </message>
    <message>
        <source>more than 255 different letters were typed</source>
        <translation>se escribieron más de 255 letras distintas</translation>
    </message>
    <message>
        <source>a letter typed is no letter a word is spelt with</source>
        <translation>una de las letras escritas no aparece en ninguna palabra</translation>
    </message>
    <message>
        <source>the letters typed spread in too many ways</source>
        <translation>las letras escritas se reparten de demasiadas maneras</translation>
    </message>
    <message>
        <source>the dictionary has more compounding rules than the search follows</source>
        <translation>el diccionario tiene más reglas de palabras compuestas de las que sigue la búsqueda</translation>
    </message>
    <message>
        <source>a letter typed stands for letters the word index files apart</source>
        <translation>una letra escrita representa letras que el índice de palabras archiva por separado</translation>
    </message>
    <message>
        <source>only letters, &quot;?&quot; for a blank, a tile of several letters in [ ] and spaces can be given</source>
        <translation>solo se pueden indicar letras, «?» como comodín, una ficha de varias letras entre [ ] y espacios</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; %3 more were left out</source>
        <translation>el corrector juzgó %1 candidatas, de las compuestas como mucho las %2 del límite; se dejaron fuera %3 más</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; at least %3 more were left out</source>
        <translation>el corrector juzgó %1 candidatas, de las compuestas como mucho las %2 del límite; se dejaron fuera al menos %3 más</translation>
    </message>
    <message>
        <source>a word found had more than %1 spellings in the letters of the pattern</source>
        <translation>una palabra hallada tenía más de %1 grafías en las letras del patrón</translation>
    </message>
    <message>
        <source>the search took longer than its budget; %1 candidates were left out unjudged</source>
        <translation>la búsqueda tardó más de lo previsto; se dejaron fuera %1 candidatas sin juzgar</translation>
    </message>
    <message>
        <source>the search took longer than its budget</source>
        <translation>la búsqueda tardó más de lo previsto</translation>
    </message>
    <message>
        <source>the phrase search took more steps than its budget of %1</source>
        <translation>la búsqueda de frases necesitó más pasos que su límite de %1</translation>
    </message>
    <message>
        <source>the phrases passed their budget of %1</source>
        <translation>las frases superaron su límite de %1</translation>
    </message>
    <message>
        <source>the search was stopped</source>
        <translation>la búsqueda se detuvo</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Dictionary: %1 (%2)</source>
        <translation>Diccionario: %1 (%2)</translation>
    </message>
    <message>
        <source>Spelling checker: %1</source>
        <translation>Corrector ortográfico: %1</translation>
    </message>
    <message>
        <source>Found through the word index, each word confirmed by the checker</source>
        <translation>Encontrado mediante el índice de palabras; cada palabra confirmada por el corrector</translation>
    </message>
    <message>
        <source>Every arrangement tried: %1</source>
        <translation>Se probaron todas las combinaciones: %1</translation>
    </message>
    <message>
        <source>Every arrangement tried</source>
        <translation>Se probaron todas las combinaciones</translation>
    </message>
    <message>
        <source>Time: %1 s</source>
        <translation>Tiempo: %1 s</translation>
    </message>
    <message>
        <source>No dictionary for your language (%1) is installed, so the %2 dictionary answered. Install the Hunspell dictionary of your language (a package named like hunspell-%3) to search in it.</source>
        <translation>No hay ningún diccionario instalado para su idioma (%1), así que respondió el diccionario %2. Instale el diccionario Hunspell de su idioma (un paquete con un nombre como hunspell-%3) para buscar en él.</translation>
    </message>
    <message>
        <source>Letters matched loosely: case does not matter, nor a mark that is no letter of its own in the dictionary&apos;s language</source>
        <translation>Letras comparadas de forma flexible: no importan las mayúsculas ni un signo diacrítico que en el idioma del diccionario no forma una letra propia</translation>
    </message>
</context>
<context>
    <name>SearchCommandLine</name>
    <message>
        <source>Ask the spelling checker from N threads (1: one question after another; default: one per core).</source>
        <translation>Consultar el corrector ortográfico con N hilos (1: una pregunta tras otra; de forma predeterminada: uno por núcleo).</translation>
    </message>
    <message>
        <source>List the dictionaries found, and which one the locale picks.</source>
        <translation>Mostrar los diccionarios encontrados y cuál elige la configuración regional.</translation>
    </message>
    <message>
        <source>Lists every word made of all the given letters, as the Quorvel window does; with --some or --phrases, the words made of some of them or the phrases made of all of them.</source>
        <translation>Muestra cada palabra formada con todas las letras dadas, como la ventana de Quorvel; con --some o --phrases, las palabras formadas con parte de ellas o las frases formadas con todas.</translation>
    </message>
    <message>
        <source>%1 needs --some or --phrases.</source>
        <translation>%1 necesita --some o --phrases.</translation>
    </message>
    <message>
        <source>--threads and --exhaustive belong to the search for words of all the letters, not to --some or --phrases.</source>
        <translation>--threads y --exhaustive corresponden a la búsqueda de palabras con todas las letras, no a --some ni a --phrases.</translation>
    </message>
    <message>
        <source>--threads takes a number from 1 to %1</source>
        <translation>--threads acepta un número de 1 a %1</translation>
    </message>
    <message>
        <source>Give the letters as one argument.</source>
        <translation>Indique las letras como un solo argumento.</translation>
    </message>
    <message>
        <source>The letters given are not UTF-8 text.</source>
        <translation>Las letras dadas no son texto UTF-8.</translation>
    </message>
    <message>
        <source>Answer one query per line of standard input, the dictionary loaded once, each as soon as it is read (the letters are not given as an argument).</source>
        <translation>Responder a una consulta por línea de la entrada estándar, a cada una en cuanto se lee, con el diccionario cargado una sola vez (las letras no se dan como argumento).</translation>
    </message>
    <message>
        <source>--pattern without --some or --phrases lists the dictionary&apos;s words that fit it, and takes no letters.</source>
        <translation>--pattern sin --some ni --phrases lista las palabras del diccionario que encajan en él y no acepta letras.</translation>
    </message>
    <message>
        <source>With --stdin the letters come from standard input, not as an argument.</source>
        <translation>Con --stdin las letras llegan por la entrada estándar, no como argumento.</translation>
    </message>
    <message>
        <source>Match the letters loosely, as word-game players count them: case does not matter, nor a mark the dictionary&apos;s language has no letter of its own for (in French &quot;ete&quot; finds &quot;été&quot;; in Spanish &quot;n&quot; never stands for &quot;ñ&quot;). The word games (--some, --phrases, --pattern) always match so; with them it changes nothing.</source>
        <translation>Comparar las letras de forma flexible, como las cuentan los jugadores de juegos de palabras: no importan las mayúsculas ni un signo diacrítico para el que el idioma del diccionario no tiene una letra propia (en francés «ete» encuentra «été»; en español la «n» nunca sustituye a la «ñ»). Los juegos de palabras (--some, --phrases, --pattern) siempre comparan así; con ellos, esta opción no cambia nada.</translation>
    </message>
    <message>
        <source>The jumbled letters (of any alphabet, in either case); with --some or --phrases matched loosely, &quot;?&quot; is a blank tile and [ch] a tile of several letters.</source>
        <translation>Las letras revueltas (de cualquier alfabeto, mayúsculas o minúsculas); con --some o --phrases se comparan de forma flexible, «?» es un comodín y [ch] una ficha de varias letras.</translation>
    </message>
</context>
<context>
    <name>SearchTool</name>
    <message>
        <source>Letters: </source>
        <translation>Letras: </translation>
    </message>
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>ToolIo</name>
    <message>
        <source>dictionary %1 (%2), engine %3</source>
        <translation>diccionario %1 (%2), motor %3</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>it is larger than %1 MB, the most a word list may be</source>
        <translation>ocupa más de %1 MB, el máximo para una lista de palabras</translation>
    </message>
    <message>
        <source>its words have too many different letters</source>
        <translation>sus palabras tienen demasiadas letras distintas</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>This application takes a jumbled set of letters and lists all valid words that can be made from all those letters.  It uses the spelling dictionaries of Nuspell and/or Hunspell in part of the analysis.</source>
        <translation>Este programa toma un conjunto de letras revueltas y muestra todas las palabras válidas que se pueden formar con todas ellas. Para parte del análisis utiliza los diccionarios ortográficos de Nuspell o Hunspell.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Información del &amp;sistema…</translation>
    </message>
    <message>
        <source>Visit us at: </source>
        <translation>Visítenos en: </translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>The home page could not be opened in a web browser.

Its address is %1</source>
        <translation>No se pudo abrir la página principal en un navegador web.

Su dirección es %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The program&apos;s banner</source>
        <translation>El banner del programa</translation>
    </message>
    <message>
        <source>4 Easy steps: </source>
        <translation>4 pasos sencillos: </translation>
    </message>
    <message>
        <source>Type the letters, analyze them, wait, then read the words found</source>
        <translation>Escriba las letras, analícelas, espere y lea las palabras encontradas</translation>
    </message>
    <message>
        <source>(1) Type the jumbled letters here:</source>
        <translation>(1) Escriba aquí las letras revueltas:</translation>
    </message>
    <message>
        <source>Letters A to Z only; Enter starts the analysis</source>
        <translation>Solo letras de la A a la Z; Intro inicia el análisis</translation>
    </message>
    <message>
        <source>(2) Click Here:</source>
        <translation>(2) Pulse aquí:</translation>
    </message>
    <message>
        <source>Analyze letters</source>
        <translation>Analizar letras</translation>
    </message>
    <message>
        <source>Finds every word made of all the letters typed</source>
        <translation>Encuentra cada palabra formada con todas las letras escritas</translation>
    </message>
    <message>
        <source>(3) Wait for analysis:</source>
        <translation>(3) Espere al análisis:</translation>
    </message>
    <message>
        <source>cancel analysis</source>
        <translation>cancelar análisis</translation>
    </message>
    <message>
        <source>Stops the analysis under way</source>
        <translation>Detiene el análisis en curso</translation>
    </message>
    <message>
        <source>(4) Read results below here:</source>
        <translation>(4) Lea los resultados aquí abajo:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Opens the help, as Help &gt; Quorvel Help does</source>
        <translation>Abre la ayuda, como Ayuda &gt; Ayuda de Quorvel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Cierra el programa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Quorvel H&amp;elp</source>
        <translation>Ayuda de &amp;Quorvel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>The words found appear here when an analysis ends</source>
        <translation>Las palabras encontradas aparecen aquí cuando termina un análisis</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Match Letters &amp;Loosely</source>
        <translation>Coincidencia &amp;flexible de letras</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>Lists every word made of all the letters typed, in a window. See quorvel(1).</source>
        <translation>Muestra en una ventana cada palabra formada con todas las letras escritas. Véase quorvel(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the letters are typed in the window (quorvel-search takes them here).</source>
        <translation>Argumento inesperado «%1»: las letras se escriben en la ventana (quorvel-search sí las acepta aquí).</translation>
    </message>
</context>
</TS>
