<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
    <name>DesktopEntry</name>
    <message>
        <source>Letter Jumble Solver</source>
        <translation>Решатель анаграмм</translation>
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
        <translation>Quorvel разгадывает перемешанные буквы. Введите буквы, и программа покажет каждое слово, составленное из всех них, по одному разу. Большинство словарей отвечают сразу, сколько бы букв ни было введено.</translation>
    </message>
    <message>
        <source>It carries no word list of its own: it uses the Hunspell dictionary of your language and the letter case you type, so a capital finds the names and nouns that are written with one.</source>
        <translation>У программы нет собственного списка слов: она использует словарь Hunspell вашего языка и учитывает регистр вводимых букв, так что заглавная буква находит имена и названия, которые пишутся с заглавной.</translation>
    </message>
    <message>
        <source>The letters tca give the words cat and act</source>
        <translation>Из букв «tca» получаются слова «cat» и «act»</translation>
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
    <name>InterfaceLanguage</name>
    <message>
        <source>--language: there is no translation for &apos;%1&apos;; the languages are: %2.</source>
        <translation>--language: перевода для «%1» нет; доступные языки: %2.</translation>
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
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Сведения о системе сейчас недоступны</translation>
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
        <translation>(1) Введите перемешанные буквы:</translation>
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
        <translation>(4) Результаты ниже:</translation>
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
        <translation>&amp;Справка Quorvel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>The words found appear here when an analysis ends</source>
        <translation>Найденные слова появятся здесь после окончания анализа</translation>
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
    <message>
        <source>--dictionary: %1.</source>
        <translation>--dictionary: %1.</translation>
    </message>
    <message>
        <source>Try &apos;quorvel --help&apos; for more information.</source>
        <translation>Подробности: «quorvel --help».</translation>
    </message>
    <message>
        <source>Try every arrangement, even where the dictionary&apos;s word index could answer.</source>
        <translation>Перебирать все перестановки, даже там, где мог бы ответить индекс слов словаря.</translation>
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
        <source>NAME_OR_PATH</source>
        <translation>ИМЯ_ИЛИ_ПУТЬ</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR; en for English) instead of the one the locale names. The dictionary is chosen apart from it.</source>
        <translation>Использовать этот язык (de, fr, pt_BR; en — английский) вместо указанного локалью. Словарь выбирается независимо.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>ЯЗЫК</translation>
    </message>
</context>
</TS>
