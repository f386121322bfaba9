<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>ScreenReader</name>
    <message>
        <source>Карта</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Строка статуса</source>
        <translation>Status line</translation>
    </message>
    <message>
        <source>Обзорная карта</source>
        <translation>Overview map</translation>
    </message>
    <message>
        <source>Здоровье</source>
        <translation>Health</translation>
    </message>
</context>
</TS>
