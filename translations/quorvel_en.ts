<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AnalysisTool</name>
    <message numerus="yes">
        <source>%1 of %n candidate(s) settled by the dictionary&apos;s rules, without the checker</source>
        <translation>
            <numerusform>%1 of %n candidate settled by the dictionary&apos;s rules, without the checker</numerusform>
            <numerusform>%1 of %n candidates settled by the dictionary&apos;s rules, without the checker</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n spelling(s) settled by the dictionary&apos;s rules, %1 asked of the checker</source>
        <translation>
            <numerusform>%n spelling settled by the dictionary&apos;s rules, %1 asked of the checker</numerusform>
            <numerusform>%n spellings settled by the dictionary&apos;s rules, %1 asked of the checker</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DictionaryOption</name>
    <message numerus="yes">
        <source>alphabet of %n letters</source>
        <translation>
            <numerusform>alphabet of %n letter</numerusform>
            <numerusform>alphabet of %n letters</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameOutput</name>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n word; candidate words: %1, %2 s</numerusform>
            <numerusform>%n words; candidate words: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, %2 s</source>
        <translation>
            <numerusform>%n phrase; candidate words: %1, %2 s</numerusform>
            <numerusform>%n phrases; candidate words: %1, %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n word; candidate words: %1, questions to the checker: %2, %3 s</numerusform>
            <numerusform>%n words; candidate words: %1, questions to the checker: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phrase(s); candidate words: %1, questions to the checker: %2, %3 s</source>
        <translation>
            <numerusform>%n phrase; candidate words: %1, questions to the checker: %2, %3 s</numerusform>
            <numerusform>%n phrases; candidate words: %1, questions to the checker: %2, %3 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped after %n phrase(s), the limit (--limit); there are more</source>
        <translation>
            <numerusform>stopped after %n phrase, the limit (--limit); there are more</numerusform>
            <numerusform>stopped after %n phrases, the limit (--limit); there are more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at least %n candidate word(s) left out</source>
        <translation>
            <numerusform>at least %n candidate word left out</numerusform>
            <numerusform>at least %n candidate words left out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n candidate word(s) left out</source>
        <translation>
            <numerusform>%n candidate word left out</numerusform>
            <numerusform>%n candidate words left out</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameTool</name>
    <message numerus="yes">
        <source>the words of the list %1: %n word(s), %2 left out for characters that are no letters; the spelling checker was not asked</source>
        <translation>
            <numerusform>the words of the list %1: %n word, %2 left out for characters that are no letters; the spelling checker was not asked</numerusform>
            <numerusform>the words of the list %1: %n words, %2 left out for characters that are no letters; the spelling checker was not asked</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message numerus="yes">
        <source>You entered %n letters to analyze.  It could take a significant amount of time.  Do you want to continue?</source>
        <translation>
            <numerusform>You entered %n letters to analyze.  It could take a significant amount of time.  Do you want to continue?</numerusform>
            <numerusform>You entered %n letters to analyze.  It could take a significant amount of time.  Do you want to continue?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Done - Found %n words: </source>
        <translation>
            <numerusform>Done - Found %n words: </numerusform>
            <numerusform>Done - Found %n words: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message numerus="yes">
        <source>about %n second(s) left</source>
        <translation>
            <numerusform>about %n second left</numerusform>
            <numerusform>about %n seconds left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n minute(s) left</source>
        <translation>
            <numerusform>about %n minute left</numerusform>
            <numerusform>about %n minutes left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n hour(s) left</source>
        <translation>
            <numerusform>about %n hour left</numerusform>
            <numerusform>about %n hours left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n day(s) left</source>
        <translation>
            <numerusform>about %n day left</numerusform>
            <numerusform>about %n days left</numerusform>
        </translation>
    </message>
</context>
</TS>
