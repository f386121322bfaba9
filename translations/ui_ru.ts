<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
<context>
    <name>PlayOn</name>
    <message numerus="yes">
        <source>%n дней в секунду</source>
        <translation>
            <numerusform>%n день в секунду</numerusform>
            <numerusform>%n дня в секунду</numerusform>
            <numerusform>%n дней в секунду</numerusform>
        </translation>
    </message>
</context>
</TS>
