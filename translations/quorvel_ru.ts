<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AnalysisTool</name>
    <message>
        <source>every arrangement tried: %1</source>
        <translation>перебраны все перестановки: %1</translation>
    </message>
    <message>
        <source>answered by the word index, %1 s</source>
        <translation>ответ дан по индексу слов, %1 с</translation>
    </message>
    <message>
        <source>%1 arrangements, %2 s, %3 arrangements/s</source>
        <translation>перестановок: %1, %2 с, %3 перестановок/с</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n candidate(s) settled by the dictionary&apos;s rules, without the checker</source>
        <translation>
            <numerusform>кандидат решён правилами словаря, без проверки орфографии: %1 из %n</numerusform>
            <numerusform>кандидаты решены правилами словаря, без проверки орфографии: %1 из %n</numerusform>
            <numerusform>кандидаты решены правилами словаря, без проверки орфографии: %1 из %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n spelling(s) settled by the dictionary&apos;s rules, %1 asked of the checker</source>
        <translation>
            <numerusform>написание решено правилами словаря: %n; вопросов к проверке орфографии: %1</numerusform>
            <numerusform>написания решены правилами словаря: %n; вопросов к проверке орфографии: %1</numerusform>
            <numerusform>написания решены правилами словаря: %n; вопросов к проверке орфографии: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CacheFile</name>
    <message>
        <source>it cannot be created: %1</source>
        <translation>не удаётся создать файл: %1</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>не удаётся записать файл: %1</translation>
    </message>
</context>
<context>
    <name>ChmArchive</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>он больше %1 МБ</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>его не удаётся открыть</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>его не удаётся прочитать</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>его чтение было отменено</translation>
    </message>
    <message>
        <source>the decompressor cannot be started</source>
        <translation>не удаётся запустить распаковщик</translation>
    </message>
    <message>
        <source>its headers are not those of a compiled help file</source>
        <translation>его заголовки не соответствуют файлу скомпилированной справки</translation>
    </message>
    <message>
        <source>its directory has no chunks</source>
        <translation>в его каталоге нет блоков</translation>
    </message>
    <message>
        <source>its directory runs past the end of the file</source>
        <translation>его каталог выходит за конец файла</translation>
    </message>
    <message>
        <source>its directory links to chunk %1, which does not exist</source>
        <translation>его каталог ссылается на блок %1, которого нет</translation>
    </message>
    <message>
        <source>its directory links back to chunk %1</source>
        <translation>его каталог снова ссылается на блок %1</translation>
    </message>
    <message>
        <source>its directory chunk %1 is not a listing</source>
        <translation>блок %1 его каталога не является списком</translation>
    </message>
    <message>
        <source>its directory chunk %1 is damaged</source>
        <translation>блок %1 его каталога повреждён</translation>
    </message>
    <message>
        <source>it lists more than %L1 files</source>
        <translation>в нём более %L1 файлов</translation>
    </message>
</context>
<context>
    <name>ChmBrowser</name>
    <message>
        <source>This page cannot be shown</source>
        <translation>Не удаётся показать эту страницу</translation>
    </message>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>Страница превышает ограничение в %1 КБ.</translation>
    </message>
    <message>
        <source>The page %1 is not in this help file, or cannot be read from it.</source>
        <translation>Страницы %1 нет в этом файле справки, или её не удаётся прочитать.</translation>
    </message>
    <message>
        <source>The page %1 has nothing to show.</source>
        <translation>На странице %1 нечего показать.</translation>
    </message>
</context>
<context>
    <name>CommonOptions</name>
    <message>
        <source>Try every arrangement, even where the dictionary&apos;s word index could answer at once.</source>
        <translation>Перебирать все перестановки, даже там, где индекс слов словаря мог бы ответить сразу.</translation>
    </message>
    <message>
        <source>Neither read nor write the dictionary cache (~/.cache/quorvel).</source>
        <translation>Не читать и не записывать кэш словарей (~/.cache/quorvel).</translation>
    </message>
    <message>
        <source>Use the dictionary of this language (de_DE) or at this path (a .dic file, or its path without the extension).</source>
        <translation>Использовать словарь этого языка (de_DE) или по этому пути (файл .dic или путь к нему без расширения).</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR; en for English) instead of the one the environment names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). The dictionary is chosen apart from it.</source>
        <translation>Использовать этот язык (de, fr, pt_BR; en — английский) вместо указанного окружением (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Словарь выбирается независимо.</translation>
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
        <translation>Решение анаграмм</translation>
    </message>
    <message>
        <source>Find every word that can be made from all of a set of jumbled letters</source>
        <translation>Находит все слова, которые можно составить из всех букв перемешанного набора</translation>
    </message>
    <message>
        <source>anagram;jumble;word;puzzle;</source>
        <translation>анаграмма;буквы;слово;головоломка;загадка;</translation>
    </message>
    <message>
        <source>Quorvel solves letter jumbles. Type the jumbled letters and it lists every word made of all of them, each once. Most dictionaries answer at once, however many letters are typed.</source>
        <translation>Quorvel решает задачи с перемешанными буквами. Введите буквы, и программа покажет каждое слово, составленное из всех этих букв, причём каждая буква используется один раз. Большинство словарей отвечают сразу, сколько бы букв ни было введено.</translation>
    </message>
    <message>
        <source>It carries no word list of its own: it uses the Hunspell dictionary of your language and the letter case you type, so a capital finds the names and nouns that are written with one.</source>
        <translation>У программы нет собственного списка слов: она использует словарь Hunspell вашего языка и учитывает регистр вводимых букв, так что заглавная буква находит имена собственные и существительные, которые пишутся с заглавной.</translation>
    </message>
    <message>
        <source>The letters tca give the words cat and act</source>
        <translation>Из букв «tca» получаются слова «cat» и «act»</translation>
    </message>
</context>
<context>
    <name>DictionaryCheck</name>
    <message>
        <source>it cannot be read</source>
        <translation>не удаётся прочитать файл</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>файл не существует</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>не удаётся открыть файл</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is larger than the program reads</source>
        <translation>файл больше, чем программа может прочитать</translation>
    </message>
    <message>
        <source>its reading was cancelled</source>
        <translation>чтение было отменено</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1.dic is larger than the program reads</source>
        <translation>%1.dic больше, чем программа может прочитать</translation>
    </message>
    <message>
        <source>SET %1 names an encoding that cannot be converted</source>
        <translation>SET %1 указывает кодировку, которую невозможно преобразовать</translation>
    </message>
    <message>
        <source>SET %1 is no encoding a dictionary file can be in</source>
        <translation>SET %1 — не та кодировка, в которой может быть записан файл словаря</translation>
    </message>
</context>
<context>
    <name>DictionaryChooser</name>
    <message>
        <source>%1 refused %2: %3</source>
        <translation>%1 отклонил %2: %3</translation>
    </message>
    <message>
        <source>Nuspell and Hunspell refused %1: %2</source>
        <translation>Nuspell и Hunspell отклонили %1: %2</translation>
    </message>
</context>
<context>
    <name>DictionaryOption</name>
    <message>
        <source>there is no %1.aff with a %1.dic beside it</source>
        <translation>нет файла %1.aff рядом с файлом %1.dic</translation>
    </message>
    <message>
        <source>no dictionary %1 was found in %2</source>
        <translation>словарь %1 не найден в %2</translation>
    </message>
    <message numerus="yes">
        <source>alphabet of %n letters</source>
        <translation>
            <numerusform>алфавит: %n буква</numerusform>
            <numerusform>алфавит: %n буквы</numerusform>
            <numerusform>алфавит: %n букв</numerusform>
        </translation>
    </message>
    <message>
        <source>alphabet not known until the dictionary is first used</source>
        <translation>алфавит неизвестен до первого использования словаря</translation>
    </message>
    <message>
        <source>the locale asks for %1; the search tries %2 first (%3)</source>
        <translation>локаль запрашивает %1; поиск сначала пробует %2 (%3)</translation>
    </message>
    <message>
        <source>the locale asks for %1; no dictionary of it or of en_US was found</source>
        <translation>локаль запрашивает %1; не найден словарь ни для него, ни для en_US</translation>
    </message>
    <message>
        <source>the locale names no language (American English); the search tries %1 first (%2)</source>
        <translation>локаль не указывает язык (американский английский); поиск сначала пробует %1 (%2)</translation>
    </message>
    <message>
        <source>the locale names no language (American English); no dictionary of it or of en_US was found</source>
        <translation>локаль не указывает язык (американский английский); не найден словарь ни для него, ни для en_US</translation>
    </message>
</context>
<context>
    <name>ExitStatus</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Подробности: «%1 --help».</translation>
    </message>
</context>
<context>
    <name>GameOptions</name>
    <message>
        <source>List the words made of some of the letters, each used at most as often as given; &quot;?&quot; is a blank for any letter.</source>
        <translation>Вывести слова, составленные из части букв, причём каждая буква используется не больше раз, чем дана; «?» — пустая фишка, заменяющая любую букву.</translation>
    </message>
    <message>
        <source>List the phrases of up to N words (1 to %1; %2 when N is left out) that use all the letters and blanks.</source>
        <translation>Вывести фразы не более чем из N слов (от 1 до %1; %2, если N не указано), в которых использованы все буквы и пустые фишки.</translation>
    </message>
    <message>
        <source>With --some or --phrases: only words (phrases with a word) that hold the letters of W.</source>
        <translation>С --some или --phrases: только слова (фразы со словом), содержащие буквы W.</translation>
    </message>
    <message>
        <source>--some and --phrases cannot be given together.</source>
        <translation>--some и --phrases нельзя указывать вместе.</translation>
    </message>
    <message>
        <source>The letters are refused: %1.</source>
        <translation>Буквы отклонены: %1.</translation>
    </message>
    <message>
        <source>--phrases takes a number of words from 1 to %1.</source>
        <translation>--phrases принимает число слов от 1 до %1.</translation>
    </message>
    <message>
        <source>--min-length takes a number of letters from 1 to %1.</source>
        <translation>--min-length принимает число букв от 1 до %1.</translation>
    </message>
    <message>
        <source>--limit takes a number of results from 1 on.</source>
        <translation>--limit принимает число результатов от 1.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot;: %2.</source>
        <translation>--pattern «%1»: %2.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has spaces between words: it fits phrases (--phrases), not words.</source>
        <translation>В --pattern «%1» есть пробелы между словами: он подходит для фраз (--phrases), а не для слов.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 words, more than --phrases %3.</source>
        <translation>В --pattern «%1» слов: %2, больше, чем --phrases %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has a word of %2 letters, shorter than --min-length %3.</source>
        <translation>В --pattern «%1» есть слово из %2 букв, короче, чем --min-length %3.</translation>
    </message>
    <message>
        <source>--pattern &quot;%1&quot; has %2 letters, but %3 letters and blanks were given.</source>
        <translation>В --pattern «%1» букв: %2, а дано букв и пустых фишек: %3.</translation>
    </message>
    <message>
        <source>Only words that fit P, one character per letter: &quot;?&quot; any letter, a letter itself, [abc] one of these, [^abc] none of these, a space between words. Without --some or --phrases, and without letters: every word of the dictionary that fits.</source>
        <translation>Только слова, подходящие под P, по символу на букву: «?» — любая буква, буква — сама эта буква, [abc] — одна из этих букв, [^abc] — ни одна из них, пробел — между словами. Без --some и --phrases и без букв: все подходящие слова словаря.</translation>
    </message>
    <message>
        <source>In a game: leave out the words with any of these letters.</source>
        <translation>В игре: пропускать слова с любой из этих букв.</translation>
    </message>
    <message>
        <source>With --some or --pattern: keep only the words with all of these letters.</source>
        <translation>С --some или --pattern: оставлять только слова со всеми этими буквами.</translation>
    </message>
    <message>
        <source>With --phrases: only the phrases one of whose words is W.</source>
        <translation>С --phrases: только фразы, одно из слов которых — W.</translation>
    </message>
    <message>
        <source>In a game: leave out the words spelt all in capitals (abbreviations).</source>
        <translation>В игре: пропускать слова, написанные целиком заглавными буквами (сокращения).</translation>
    </message>
    <message>
        <source>In a game: leave out the words the dictionary spells only with a capital (names). In German, where every noun has a capital, only those spelt all in capitals.</source>
        <translation>В игре: пропускать слова, которые словарь пишет только с заглавной буквы (имена собственные). В немецком, где каждое существительное пишется с заглавной, — только слова, написанные целиком заглавными.</translation>
    </message>
    <message>
        <source>In a game: only the words the dictionary lists, with their affixes; none that its rules for compounds make.</source>
        <translation>В игре: только слова, которые перечисляет словарь, с их аффиксами; никаких, образованных его правилами словосложения.</translation>
    </message>
    <message>
        <source>In a game: print each word&apos;s value with the tiles of the dictionary&apos;s language, a blank worth 0.</source>
        <translation>В игре: выводить стоимость каждого слова по фишкам языка словаря; пустая фишка стоит 0.</translation>
    </message>
    <message>
        <source>%1 takes letters A to Z.</source>
        <translation>%1 принимает буквы от A до Z.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together.</source>
        <translation>%1 и %2 нельзя указывать вместе.</translation>
    </message>
    <message>
        <source>--sort takes score, length or alpha.</source>
        <translation>--sort принимает score, length или alpha.</translation>
    </message>
    <message>
        <source>--sort score needs --scores.</source>
        <translation>--sort score требует --scores.</translation>
    </message>
    <message>
        <source>%1 %2: the letters given do not hold its letters.</source>
        <translation>%1 %2: указанные буквы не содержат его букв.</translation>
    </message>
    <message>
        <source>%1 needs --phrases.</source>
        <translation>%1 требует --phrases.</translation>
    </message>
    <message>
        <source>In a game: leave out the words of fewer than N letters (default 2); in a phrase, each of its words.</source>
        <translation>В игре: пропускать слова короче N букв (по умолчанию 2); во фразе — каждое из её слов.</translation>
    </message>
    <message>
        <source>In a game: print no more than N results, and say on standard error when some were left out (default: every word, the first %1 phrases).</source>
        <translation>В игре: выводить не больше N результатов и сообщать в стандартный поток ошибок, если какие-то из них пропущены (по умолчанию: все слова, первые %1 фраз).</translation>
    </message>
    <message>
        <source>In a game: print the results as one JSON array instead of a line each; per result its &quot;words&quot;, its number of &quot;letters&quot;, in each word the positions of the letters &quot;blanks&quot; stand for, and with --scores its &quot;score&quot;.</source>
        <translation>В игре: выводить результаты одним массивом JSON вместо строки на каждый; для каждого результата его слова &quot;words&quot;, число букв &quot;letters&quot;, в каждом слове позиции букв, вместо которых стоят пустые фишки &quot;blanks&quot;, и с --scores его стоимость &quot;score&quot;.</translation>
    </message>
    <message>
        <source>%1 takes letters of the dictionary&apos;s alphabet.</source>
        <translation>%1 принимает буквы алфавита словаря.</translation>
    </message>
    <message>
        <source>With --some or --pattern: the order of the words, score (highest first), length (longest first, the default) or alpha (alphabetical, as the dictionary&apos;s language sorts).</source>
        <translation>С --some или --pattern: порядок слов — score (сначала самые ценные), length (сначала самые длинные, по умолчанию) или alpha (по алфавиту, как сортирует язык словаря).</translation>
    </message>
    <message>
        <source>In a game: the words of this list (one a line, UTF-8, # comments, any alphabet) instead of the dictionary&apos;s, matched as the games match the letters of the dictionary&apos;s language; the spelling checker is not asked.</source>
        <translation>В игре: слова из этого списка (по одному в строке, UTF-8, # для комментариев, в любом алфавите) вместо слов словаря, сравниваемые так, как игры сравнивают буквы языка словаря; проверка орфографии не опрашивается.</translation>
    </message>
</context>
<context>
    <name>GameOutput</name>
    <message>
        <source>stopped after %1 of %2 words, the limit (--limit)</source>
        <translation>остановлено после %1 из %2 слов, по ограничению (--limit)</translation>
    </message>
    <message>
        <source>stopped early: %1; the list is not complete</source>
        <translation>остановлено досрочно: %1; список неполный</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n слово; кандидатов: %1, запросов к проверке орфографии: %2, %3 с</numerusform>
            <numerusform>%n слова; кандидатов: %1, запросов к проверке орфографии: %2, %3 с</numerusform>
            <numerusform>%n слов; кандидатов: %1, запросов к проверке орфографии: %2, %3 с</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n фраза; кандидатов: %1, запросов к проверке орфографии: %2, %3 с</numerusform>
            <numerusform>%n фразы; кандидатов: %1, запросов к проверке орфографии: %2, %3 с</numerusform>
            <numerusform>%n фраз; кандидатов: %1, запросов к проверке орфографии: %2, %3 с</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped after %n phrase(s), the limit (--limit); there are more</source>
        <translation>
            <numerusform>остановлено после %n фразы, по ограничению (--limit); есть ещё</numerusform>
            <numerusform>остановлено после %n фраз, по ограничению (--limit); есть ещё</numerusform>
            <numerusform>остановлено после %n фраз, по ограничению (--limit); есть ещё</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n слово; кандидатов: %1, %2 с</numerusform>
            <numerusform>%n слова; кандидатов: %1, %2 с</numerusform>
            <numerusform>%n слов; кандидатов: %1, %2 с</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n фраза; кандидатов: %1, %2 с</numerusform>
            <numerusform>%n фразы; кандидатов: %1, %2 с</numerusform>
            <numerusform>%n фраз; кандидатов: %1, %2 с</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n candidate word(s) left out</source>
        <translation>
            <numerusform>пропущено не менее %n кандидата</numerusform>
            <numerusform>пропущено не менее %n кандидатов</numerusform>
            <numerusform>пропущено не менее %n кандидатов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n candidate word(s) left out</source>
        <translation>
            <numerusform>пропущен %n кандидат</numerusform>
            <numerusform>пропущено %n кандидата</numerusform>
            <numerusform>пропущено %n кандидатов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameTool</name>
    <message>
        <source>--some and --phrases need the word index of the dictionary, which cannot serve it: %1</source>
        <translation>Для --some и --phrases нужен индекс слов словаря, а этот словарь не может его предоставить: %1</translation>
    </message>
    <message>
        <source>--scores: the language of the dictionary %1 has no tile set here; these have one: %2.</source>
        <translation>--scores: для языка словаря %1 здесь нет набора фишек; он есть у этих: %2.</translation>
    </message>
    <message>
        <source>--wordlist %1: %2.</source>
        <translation>--wordlist %1: %2.</translation>
    </message>
    <message>
        <source>The tile [%1] is not one of the tile set of the language of the dictionary %2.</source>
        <translation>Фишки [%1] нет в наборе фишек языка словаря %2.</translation>
    </message>
    <message numerus="yes">
        <source>the words of the list %1: %n word(s), %2 left out for characters that are no letters; the spelling checker was not asked</source>
        <translation>
            <numerusform>слова из списка %1: %n слово, пропущено из-за символов, которые не являются буквами: %2; проверка орфографии не опрашивалась</numerusform>
            <numerusform>слова из списка %1: %n слова, пропущено из-за символов, которые не являются буквами: %2; проверка орфографии не опрашивалась</numerusform>
            <numerusform>слова из списка %1: %n слов, пропущено из-за символов, которые не являются буквами: %2; проверка орфографии не опрашивалась</numerusform>
        </translation>
    </message>
    <message>
        <source>--pattern needs the word index of the dictionary, which cannot serve it: %1</source>
        <translation>Для --pattern нужен индекс слов словаря, а этот словарь не может его предоставить: %1</translation>
    </message>
</context>
<context>
    <name>HelpCommand</name>
    <message>
        <source>Help file (qv.chm) not found:</source>
        <translation>Файл справки (qv.chm) не найден:</translation>
    </message>
    <message>
        <source>The help file you chose does not exist.</source>
        <translation>Выбранный файл справки не существует.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Error occurred: </source>
        <translation>Произошла ошибка: </translation>
    </message>
    <message>
        <source>Help File (*.chm)|*.chm</source>
        <translation>Файл справки (*.chm)|*.chm</translation>
    </message>
    <message>
        <source>The help file could not be found.  This could be caused by the Quorvel program file being copied or moved away from the location where it was initially installed.  If you would like to view the help file then please specify its location.  The name of the file is qv.chm and the default location is in the directory where the Quorvel program was initially installed.</source>
        <translation>Не удалось найти файл справки. Возможно, файл программы Quorvel был скопирован или перемещён из того места, куда он был установлен. Если вы хотите открыть справку, укажите, где она находится. Файл называется qv.chm и по умолчанию находится в каталоге, куда была установлена программа Quorvel.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>This help file cannot be shown</source>
        <translation>Не удаётся показать этот файл справки</translation>
    </message>
    <message>
        <source>%1 is not a readable compiled help (CHM) file: %2.</source>
        <translation>%1 не является читаемым файлом скомпилированной справки (CHM): %2.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>его не удаётся прочитать</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Навигация</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>it names no start page</source>
        <translation>в нём не указана начальная страница</translation>
    </message>
    <message>
        <source>(The rest is left out: more than %1 lines.)</source>
        <translation>(Остальное опущено: больше %1 строк.)</translation>
    </message>
</context>
<context>
    <name>IndexLoading</name>
    <message>
        <source>the kept word index of %1 is not used: %2</source>
        <translation>сохранённый индекс слов %1 не используется: %2</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>--language: there is no translation for &apos;%1&apos;; the languages are: %2.</source>
        <translation>--language: перевода для «%1» нет; доступные языки: %2.</translation>
    </message>
</context>
<context>
    <name>KeptDictionary</name>
    <message>
        <source>the cache in %1 is not written: %2</source>
        <translation>кэш в %1 не записывается: %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>PROBLEM</source>
        <translation>ПРОБЛЕМА</translation>
    </message>
    <message>
        <source>You entered at least one invalid character.  Please only enter letter (no spaces, punctuation marks, numbers or symbols).</source>
        <translation>Вы ввели хотя бы один недопустимый символ. Вводите только буквы (без пробелов, знаков препинания, цифр и символов).</translation>
    </message>
    <message>
        <source>You didn&apos;t enter any letters.  Please enter your jumbled letters, then press the button to analyze.</source>
        <translation>Вы не ввели ни одной буквы. Введите перемешанные буквы, а затем нажмите кнопку, чтобы начать анализ.</translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <translation>Подтвердите</translation>
    </message>
    <message numerus="yes">
        <source>You entered %n letters to analyze.  It could take a significant amount of time.  Do you want to continue?</source>
        <translation>
            <numerusform>Вы ввели для анализа %n букву. Это может занять очень много времени. Продолжить?</numerusform>
            <numerusform>Вы ввели для анализа %n буквы. Это может занять очень много времени. Продолжить?</numerusform>
            <numerusform>Вы ввели для анализа %n букв. Это может занять очень много времени. Продолжить?</numerusform>
        </translation>
    </message>
    <message>
        <source>You need to have a Hunspell dictionary for your language or for American English (Debian package hunspell-en-us) installed on your PC for this program to run.  Neither was found on your computer.  This program can not continue.</source>
        <translation>Для работы программы на компьютере должен быть установлен словарь Hunspell для вашего языка или для американского английского (пакет Debian hunspell-en-us). Ни один из них не найден. Программа не может продолжить работу.</translation>
    </message>
    <message>
        <source>You don&apos;t seem to have a new enough version of Nuspell or Hunspell for this program to run. This program can not continue.</source>
        <translation>Похоже, ваша версия Nuspell или Hunspell слишком старая для этой программы. Программа не может продолжить работу.</translation>
    </message>
    <message>
        <source>Done - No words found</source>
        <translation>Готово — слов не найдено</translation>
    </message>
    <message numerus="yes">
        <source>Done - Found %n words: </source>
        <translation>
            <numerusform>Готово — найдено %n слово: </numerusform>
            <numerusform>Готово — найдено %n слова: </numerusform>
            <numerusform>Готово — найдено %n слов: </numerusform>
        </translation>
    </message>
    <message>
        <source>You entered an invalid character: %1.  Please only enter letters (no spaces, punctuation marks, numbers or symbols).</source>
        <translation>Вы ввели недопустимый символ: %1. Вводите только буквы (без пробелов, знаков препинания, цифр и символов).</translation>
    </message>
    <message>
        <source>The letter %1 is not in the alphabet of the dictionary %2.  Please only enter letters of that alphabet.</source>
        <translation>Буква %1 не входит в алфавит словаря %2. Вводите только буквы этого алфавита.</translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>The page is larger than the limit of %1 KB.</source>
        <translation>Страница превышает ограничение в %1 КБ.</translation>
    </message>
    <message>
        <source>The page has more elements than the limit of %1.</source>
        <translation>На странице больше элементов, чем допускает ограничение (%1).</translation>
    </message>
    <message>
        <source>The page has more table cells than the limit of %1.</source>
        <translation>На странице больше ячеек таблиц, чем допускает ограничение (%1).</translation>
    </message>
    <message>
        <source>The page nests its elements deeper than the limit of %1 levels.</source>
        <translation>Элементы на странице вложены глубже, чем допускает ограничение вложенности (%1).</translation>
    </message>
    <message>
        <source>The page nests tables deeper than the limit of %1 levels.</source>
        <translation>Таблицы на странице вложены глубже, чем допускает ограничение вложенности (%1).</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>line %1 has a NUL byte: this is no text file</source>
        <translation>строка %1 содержит байт NUL: это не текстовый файл</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>строка %1 длиннее %2 байт</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text</source>
        <translation>строка %1 — не текст в UTF-8</translation>
    </message>
    <message>
        <source>it holds no word</source>
        <translation>в нём нет ни одного слова</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message numerus="yes">
        <source>about %n second(s) left</source>
        <translation>
            <numerusform>осталась примерно %n секунда</numerusform>
            <numerusform>осталось примерно %n секунды</numerusform>
            <numerusform>осталось примерно %n секунд</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s) left</source>
        <translation>
            <numerusform>осталась примерно %n минута</numerusform>
            <numerusform>осталось примерно %n минуты</numerusform>
            <numerusform>осталось примерно %n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hour(s) left</source>
        <translation>
            <numerusform>остался примерно %n час</numerusform>
            <numerusform>осталось примерно %n часа</numerusform>
            <numerusform>осталось примерно %n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n day(s) left</source>
        <translation>
            <numerusform>остался примерно %n день</numerusform>
            <numerusform>осталось примерно %n дня</numerusform>
            <numerusform>осталось примерно %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>years left</source>
        <translation>осталось несколько лет</translation>
    </message>
    <message>
        <source>No analysis is running.</source>
        <translation>Анализ не выполняется.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>%1 of %2 %3, %4/s, about %5 s left</source>
        <translation>%3: %1 из %2, %4/с, осталось около %5 с</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%3: %1 из %2</translation>
    </message>
    <message>
        <source>%1, about %2 s left</source>
        <translation>%1, осталось около %2 с</translation>
    </message>
    <message>
        <source>first words of phrases tried</source>
        <translation>опробовано первых слов фраз</translation>
    </message>
    <message>
        <source>candidate words judged</source>
        <translation>проверено кандидатов</translation>
    </message>
    <message>
        <source>building the dictionary&apos;s word index</source>
        <translation>построение индекса слов словаря</translation>
    </message>
    <message>
        <source>arrangements tried</source>
        <translation>перестановок проверено</translation>
    </message>
    <message>
        <source>compounds named (of a bound)</source>
        <translation>составных слов названо (из верхней границы)</translation>
    </message>
    <message>
        <source>candidates confirmed</source>
        <translation>кандидатов проверено</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Использование: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[параметры]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Аргументы:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показывает справку по параметрам командной строки.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Показывает справку, включая параметры Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Показывает сведения о версии.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Неизвестный параметр «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Неизвестные параметры: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Отсутствует значение после «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Неожиданное значение после «%1».</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить действие</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить действие</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>В&amp;ставить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Скопировать &amp;адрес ссылки</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
</context>
<context>
    <name>QtOpenFileDialog</name>
    <message>
        <source>Permission denied: %1</source>
        <translation>Доступ запрещён: %1</translation>
    </message>
</context>
<context>
    <name>QueryLines</name>
    <message>
        <source>Line %1 is longer than %2 bytes and is not answered.</source>
        <translation>Строка %1 длиннее %2 байт, ответа на неё нет.</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>the checker reads no dictionary file</source>
        <translation>проверка орфографии не читает файл словаря</translation>
    </message>
    <message>
        <source>the letters are too many to count their arrangements exactly</source>
        <translation>букв слишком много, чтобы точно сосчитать их перестановки</translation>
    </message>
    <message>
        <source>the index names more arrangements than trying them all is worth</source>
        <translation>индекс предлагает столько перестановок, что выгоднее перебрать все</translation>
    </message>
    <message>
        <source>asked to (--exhaustive)</source>
        <translation>по запросу (--exhaustive)</translation>
    </message>
    <message>
        <source>the word index is still being built or read, and trying every arrangement is quicker</source>
        <translation>индекс слов ещё строится или читается, а перебрать все перестановки быстрее</translation>
    </message>
    <message>
        <source>its files cannot be read</source>
        <translation>не удаётся прочитать файлы словаря</translation>
    </message>
    <message>
        <source>the word index is of another dictionary</source>
        <translation>индекс слов относится к другому словарю</translation>
    </message>
    <message>
        <source>the index was not finished</source>
        <translation>индекс не был достроен</translation>
    </message>
    <message>
        <source>no process could be started to try it</source>
        <translation>не удалось запустить процесс для его проверки</translation>
    </message>
    <message>
        <source>the trying was cut short</source>
        <translation>проверка была прервана</translation>
    </message>
    <message>
        <source>it takes longer than any dictionary should to load</source>
        <translation>загрузка длится дольше, чем должна длиться для любого словаря</translation>
    </message>
    <message>
        <source>it takes more processor time than any dictionary should to load</source>
        <translation>загрузка занимает больше процессорного времени, чем должна для любого словаря</translation>
    </message>
    <message>
        <source>it fails loading it</source>
        <translation>загрузка завершается ошибкой</translation>
    </message>
    <message>
        <source>a question to it fails</source>
        <translation>запрос к нему завершается ошибкой</translation>
    </message>
    <message>
        <source>it dies loading it (signal %1)</source>
        <translation>аварийно завершается при загрузке (сигнал %1)</translation>
    </message>
    <message>
        <source>the helper program %1 cannot be started</source>
        <translation>не удаётся запустить вспомогательную программу %1</translation>
    </message>
    <message>
        <source>it accepts none of &quot;%1&quot; and the other first entries of its own word list</source>
        <translation>не принимает ни «%1», ни другие первые записи собственного списка слов</translation>
    </message>
    <message>
        <source>it accepts &quot;%1&quot;, which is no word: it accepts any string of Latin letters</source>
        <translation>принимает «%1», хотя это не слово: принимает любую последовательность латинских букв</translation>
    </message>
    <message>
        <source>the search for compounds took longer than its budget</source>
        <translation>поиск составных слов занял больше времени, чем предусмотрено</translation>
    </message>
    <message>
        <source>the search for compounds was stopped</source>
        <translation>поиск составных слов был прерван</translation>
    </message>
    <message>
        <source>the affix file has too many rules</source>
        <translation>в файле аффиксов слишком много правил</translation>
    </message>
    <message>
        <source>COMPLEXPREFIXES turns the affix rules around</source>
        <translation>COMPLEXPREFIXES переворачивает правила аффиксов</translation>
    </message>
    <message>
        <source>IGNORE removes letters before the check</source>
        <translation>IGNORE удаляет буквы перед проверкой</translation>
    </message>
    <message>
        <source>BREAK splits words at letters</source>
        <translation>BREAK разбивает слова по некоторым буквам</translation>
    </message>
    <message>
        <source>ICONV converts letters before the check</source>
        <translation>ICONV преобразует буквы перед проверкой</translation>
    </message>
    <message>
        <source>COMPOUNDRULE with an open group</source>
        <translation>COMPOUNDRULE с незакрытой группой</translation>
    </message>
    <message>
        <source>an affix line is too short</source>
        <translation>строка аффикса слишком короткая</translation>
    </message>
    <message>
        <source>an affix header is malformed</source>
        <translation>заголовок аффикса имеет неверный формат</translation>
    </message>
    <message>
        <source>an affix header names no flag</source>
        <translation>в заголовке аффикса не указан флаг</translation>
    </message>
    <message>
        <source>an affix condition is malformed</source>
        <translation>условие аффикса имеет неверный формат</translation>
    </message>
    <message>
        <source>the affix file names more than one encoding</source>
        <translation>в файле аффиксов указано больше одной кодировки</translation>
    </message>
    <message>
        <source>FLAG comes after lines that use flags</source>
        <translation>FLAG стоит после строк, в которых используются флаги</translation>
    </message>
    <message>
        <source>the affix file has a line that is too long</source>
        <translation>в файле аффиксов есть слишком длинная строка</translation>
    </message>
    <message>
        <source>the dictionary has too many words</source>
        <translation>в словаре слишком много слов</translation>
    </message>
    <message>
        <source>the dictionary has a line that is too long</source>
        <translation>в словаре есть слишком длинная строка</translation>
    </message>
    <message>
        <source>the search for compounds took more steps than its budget of %1</source>
        <translation>поиск составных слов превысил лимит шагов (%1)</translation>
    </message>
    <message>
        <source>the search for compounds named more than %1 candidates, its budget</source>
        <translation>поиск составных слов превысил лимит кандидатов (%1)</translation>
    </message>
    <message>
        <source>the dictionary files cannot be read: %1</source>
        <translation>не удаётся прочитать файлы словаря: %1</translation>
    </message>
    <message>
        <source>its affix file cannot be read: %1</source>
        <translation>не удаётся прочитать его файл аффиксов: %1</translation>
    </message>
    <message>
        <source>the index of stems does not read back: %1</source>
        <translation>не удаётся заново прочитать индекс основ: %1</translation>
    </message>
    <message>
        <source>more than %1 letters and blanks</source>
        <translation>слишком много букв и пустых фишек (больше %1)</translation>
    </message>
    <message>
        <source>the encoding %1 is not known</source>
        <translation>кодировка %1 неизвестна</translation>
    </message>
    <message>
        <source>%1 has no count</source>
        <translation>для %1 не указано число строк</translation>
    </message>
    <message>
        <source>%1 line without a value</source>
        <translation>строка %1 без значения</translation>
    </message>
    <message>
        <source>it reports: %1</source>
        <translation>сообщение: %1</translation>
    </message>
    <message>
        <source>the affix rules take too long to apply</source>
        <translation>применение правил аффиксов занимает слишком много времени</translation>
    </message>
    <message>
        <source>a dictionary word has too many forms</source>
        <translation>у слова из словаря слишком много форм</translation>
    </message>
    <message>
        <source>a dictionary word has too many spellings in letters</source>
        <translation>слово из словаря записывается буквами слишком многими способами</translation>
    </message>
    <message>
        <source>the dictionary has too many forms</source>
        <translation>в словаре слишком много форм</translation>
    </message>
    <message>
        <source>no letters were given</source>
        <translation>буквы не заданы</translation>
    </message>
    <message>
        <source>the affix file cannot be read</source>
        <translation>не удаётся прочитать файл аффиксов</translation>
    </message>
    <message>
        <source>it is not an index of stems of this version</source>
        <translation>это не индекс основ этой версии</translation>
    </message>
    <message>
        <source>its stems do not fit together</source>
        <translation>его основы не согласуются друг с другом</translation>
    </message>
    <message>
        <source>its affix file cannot be read</source>
        <translation>не удаётся прочитать его файл аффиксов</translation>
    </message>
    <message>
        <source>the search for the forms was stopped</source>
        <translation>поиск форм был прерван</translation>
    </message>
    <message>
        <source>the letters have too many forms</source>
        <translation>буквы дают слишком много форм</translation>
    </message>
    <message>
        <source>it is not a word index of this version</source>
        <translation>это не индекс слов этой версии</translation>
    </message>
    <message>
        <source>its compound settings are damaged</source>
        <translation>его настройки составных слов повреждены</translation>
    </message>
    <message>
        <source>its sections do not agree</source>
        <translation>его разделы не согласуются</translation>
    </message>
    <message>
        <source>its tree of keys is damaged</source>
        <translation>его дерево ключей повреждено</translation>
    </message>
    <message>
        <source>its keys do not match their forms</source>
        <translation>его ключи не соответствуют своим формам</translation>
    </message>
    <message>
        <source>a form holds other characters than letters</source>
        <translation>форма содержит символы, отличные от букв</translation>
    </message>
    <message>
        <source>a form is not made of its key&apos;s letters</source>
        <translation>форма не состоит из букв своего ключа</translation>
    </message>
    <message>
        <source>its compound rule flags are damaged</source>
        <translation>его флаги правил составных слов повреждены</translation>
    </message>
    <message>
        <source>no letters were typed</source>
        <translation>не введено ни одной буквы</translation>
    </message>
    <message>
        <source>more than 255 different letters were typed</source>
        <translation>введено более 255 различных букв</translation>
    </message>
    <message>
        <source>a letter typed is no letter a word is spelt with</source>
        <translation>введённая буква не встречается ни в одном слове</translation>
    </message>
    <message>
        <source>the letters typed spread in too many ways</source>
        <translation>введённые буквы распределяются слишком многими способами</translation>
    </message>
    <message>
        <source>the dictionary has more compounding rules than the search follows</source>
        <translation>в словаре больше правил составных слов, чем учитывает поиск</translation>
    </message>
    <message>
        <source>a letter typed stands for letters the word index files apart</source>
        <translation>введённая буква заменяет буквы, которые указатель слов хранит отдельно</translation>
    </message>
    <message>
        <source>only letters, &quot;?&quot; for a blank, a tile of several letters in [ ] and spaces can be given</source>
        <translation>можно вводить только буквы, «?» для пустой фишки, фишку из нескольких букв в [ ] и пробелы</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; %3 more were left out</source>
        <translation>проверка орфографии оценила кандидатов: %1, из составных слов не больше лимита (%2); пропущено ещё %3</translation>
    </message>
    <message>
        <source>the checker judged %1 candidates, of compounds at most the budget&apos;s %2; at least %3 more were left out</source>
        <translation>проверка орфографии оценила кандидатов: %1, из составных слов не больше лимита (%2); пропущено ещё не меньше %3</translation>
    </message>
    <message>
        <source>a word found had more than %1 spellings in the letters of the pattern</source>
        <translation>у найденного слова больше %1 написаний в буквах шаблона</translation>
    </message>
    <message>
        <source>the search took longer than its budget; %1 candidates were left out unjudged</source>
        <translation>поиск занял больше времени, чем предусмотрено; пропущено без оценки кандидатов: %1</translation>
    </message>
    <message>
        <source>the search took longer than its budget</source>
        <translation>поиск занял больше времени, чем предусмотрено</translation>
    </message>
    <message>
        <source>the phrase search took more steps than its budget of %1</source>
        <translation>поиск фраз превысил лимит шагов (%1)</translation>
    </message>
    <message>
        <source>the phrases passed their budget of %1</source>
        <translation>фразы превысили свой лимит (%1)</translation>
    </message>
    <message>
        <source>the search was stopped</source>
        <translation>поиск был остановлен</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Dictionary: %1 (%2)</source>
        <translation>Словарь: %1 (%2)</translation>
    </message>
    <message>
        <source>Spelling checker: %1</source>
        <translation>Проверка орфографии: %1</translation>
    </message>
    <message>
        <source>Found through the word index, each word confirmed by the checker</source>
        <translation>Найдено по индексу слов, каждое слово подтверждено проверкой орфографии</translation>
    </message>
    <message>
        <source>Every arrangement tried: %1</source>
        <translation>Перебраны все перестановки: %1</translation>
    </message>
    <message>
        <source>Every arrangement tried</source>
        <translation>Перебраны все перестановки</translation>
    </message>
    <message>
        <source>Time: %1 s</source>
        <translation>Время: %1 с</translation>
    </message>
    <message>
        <source>No dictionary for your language (%1) is installed, so the %2 dictionary answered. Install the Hunspell dictionary of your language (a package named like hunspell-%3) to search in it.</source>
        <translation>Словарь для вашего языка (%1) не установлен, поэтому ответил словарь %2. Установите словарь Hunspell для своего языка (пакет с названием вроде hunspell-%3), чтобы искать по нему.</translation>
    </message>
    <message>
        <source>Letters matched loosely: case does not matter, nor a mark that is no letter of its own in the dictionary&apos;s language</source>
        <translation>Буквы сравниваются нестрого: регистр не важен, как и диакритический знак, который в языке словаря не образует отдельной буквы</translation>
    </message>
</context>
<context>
    <name>SearchCommandLine</name>
    <message>
        <source>Ask the spelling checker from N threads (1: one question after another; default: one per core).</source>
        <translation>Опрашивать проверку орфографии из N потоков (1 — запросы по очереди; по умолчанию — по потоку на ядро).</translation>
    </message>
    <message>
        <source>List the dictionaries found, and which one the locale picks.</source>
        <translation>Вывести найденные словари и тот, который выбирает локаль.</translation>
    </message>
    <message>
        <source>Lists every word made of all the given letters, as the Quorvel window does; with --some or --phrases, the words made of some of them or the phrases made of all of them.</source>
        <translation>Выводит все слова, составленные из всех данных букв, как окно Quorvel; с --some или --phrases — слова из части букв или фразы из всех букв.</translation>
    </message>
    <message>
        <source>%1 needs --some or --phrases.</source>
        <translation>%1 требует --some или --phrases.</translation>
    </message>
    <message>
        <source>--threads and --exhaustive belong to the search for words of all the letters, not to --some or --phrases.</source>
        <translation>--threads и --exhaustive относятся к поиску слов из всех букв, а не к --some или --phrases.</translation>
    </message>
    <message>
        <source>--threads takes a number from 1 to %1</source>
        <translation>--threads принимает число от 1 до %1</translation>
    </message>
    <message>
        <source>Give the letters as one argument.</source>
        <translation>Укажите буквы одним аргументом.</translation>
    </message>
    <message>
        <source>The letters given are not UTF-8 text.</source>
        <translation>Указанные буквы — не текст в UTF-8.</translation>
    </message>
    <message>
        <source>Answer one query per line of standard input, the dictionary loaded once, each as soon as it is read (the letters are not given as an argument).</source>
        <translation>Отвечать на один запрос в каждой строке стандартного ввода, на каждый сразу после чтения, загрузив словарь один раз (буквы не передаются аргументом).</translation>
    </message>
    <message>
        <source>--pattern without --some or --phrases lists the dictionary&apos;s words that fit it, and takes no letters.</source>
        <translation>--pattern без --some и --phrases выводит подходящие под него слова словаря и не принимает букв.</translation>
    </message>
    <message>
        <source>With --stdin the letters come from standard input, not as an argument.</source>
        <translation>С --stdin буквы поступают со стандартного ввода, а не аргументом.</translation>
    </message>
    <message>
        <source>Match the letters loosely, as word-game players count them: case does not matter, nor a mark the dictionary&apos;s language has no letter of its own for (in French &quot;ete&quot; finds &quot;été&quot;; in Spanish &quot;n&quot; never stands for &quot;ñ&quot;). The word games (--some, --phrases, --pattern) always match so; with them it changes nothing.</source>
        <translation>Сравнивать буквы нестрого, как их считают игроки в словесные игры: регистр не важен, как и диакритический знак, для которого в языке словаря нет отдельной буквы (во французском «ete» находит «été»; в испанском «n» никогда не заменяет «ñ»). Словесные игры (--some, --phrases, --pattern) всегда сравнивают так; с ними этот параметр ничего не меняет.</translation>
    </message>
    <message>
        <source>The jumbled letters (of any alphabet, in either case); with --some or --phrases matched loosely, &quot;?&quot; is a blank tile and [ch] a tile of several letters.</source>
        <translation>Перемешанные буквы (любого алфавита, в любом регистре); с --some или --phrases сравниваются нестрого, «?» — пустая фишка, а [ch] — фишка из нескольких букв.</translation>
    </message>
</context>
<context>
    <name>SearchTool</name>
    <message>
        <source>Letters: </source>
        <translation>Буквы: </translation>
    </message>
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Сведения о системе сейчас недоступны</translation>
    </message>
</context>
<context>
    <name>ToolIo</name>
    <message>
        <source>dictionary %1 (%2), engine %3</source>
        <translation>словарь %1 (%2), движок %3</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>it is larger than %1 MB, the most a word list may be</source>
        <translation>он больше %1 МБ — это предел для списка слов</translation>
    </message>
    <message>
        <source>its words have too many different letters</source>
        <translation>в его словах слишком много разных букв</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>This application takes a jumbled set of letters and lists all valid words that can be made from all those letters.  It uses the spelling dictionaries of Nuspell and/or Hunspell in part of the analysis.</source>
        <translation>Эта программа принимает набор перемешанных букв и показывает все допустимые слова, которые можно составить из всех этих букв. Для части анализа она использует орфографические словари Nuspell и/или Hunspell.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Сведения о &amp;системе…</translation>
    </message>
    <message>
        <source>Visit us at: </source>
        <translation>Наш сайт: </translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Версия %1.%2.%3</translation>
    </message>
    <message>
        <source>The home page could not be opened in a web browser.

Its address is %1</source>
        <translation>Не удалось открыть домашнюю страницу в веб-браузере.

Её адрес: %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The program&apos;s banner</source>
        <translation>Баннер программы</translation>
    </message>
    <message>
        <source>4 Easy steps: </source>
        <translation>4 простых шага: </translation>
    </message>
    <message>
        <source>Type the letters, analyze them, wait, then read the words found</source>
        <translation>Введите буквы, запустите анализ, подождите и прочитайте найденные слова</translation>
    </message>
    <message>
        <source>(1) Type the jumbled letters here:</source>
        <translation>(1) Введите перемешанные буквы здесь:</translation>
    </message>
    <message>
        <source>Letters A to Z only; Enter starts the analysis</source>
        <translation>Только буквы от A до Z; Enter запускает анализ</translation>
    </message>
    <message>
        <source>(2) Click Here:</source>
        <translation>(2) Нажмите здесь:</translation>
    </message>
    <message>
        <source>Analyze letters</source>
        <translation>Анализировать буквы</translation>
    </message>
    <message>
        <source>Finds every word made of all the letters typed</source>
        <translation>Находит все слова, составленные из всех введённых букв</translation>
    </message>
    <message>
        <source>(3) Wait for analysis:</source>
        <translation>(3) Дождитесь анализа:</translation>
    </message>
    <message>
        <source>cancel analysis</source>
        <translation>отменить анализ</translation>
    </message>
    <message>
        <source>Stops the analysis under way</source>
        <translation>Останавливает текущий анализ</translation>
    </message>
    <message>
        <source>(4) Read results below here:</source>
        <translation>(4) Смотрите результаты ниже:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Opens the help, as Help &gt; Quorvel Help does</source>
        <translation>Открывает справку, как Справка &gt; Справка Quorvel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Завершает программу</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Quorvel H&amp;elp</source>
        <translation>Сп&amp;равка Quorvel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>The words found appear here when an analysis ends</source>
        <translation>Найденные слова появятся здесь после окончания анализа</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>Match Letters &amp;Loosely</source>
        <translation>&amp;Нестрогое сравнение букв</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>Lists every word made of all the letters typed, in a window. See quorvel(1).</source>
        <translation>Показывает в окне все слова, составленные из всех введённых букв. См. quorvel(1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;: the letters are typed in the window (quorvel-search takes them here).</source>
        <translation>Неожиданный аргумент «%1»: буквы вводятся в окне (их принимает здесь quorvel-search).</translation>
    </message>
</context>
</TS>
