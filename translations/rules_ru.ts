<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
<context>
    <name>Advisor</name>
    <message numerus="yes">
        <source>Не хватает рабочих: стоят %n зданий, свободных мест — %1</source>
        <translation>
            <numerusform>Не хватает рабочих: стоит %n здание, свободных мест — %1</numerusform>
            <numerusform>Не хватает рабочих: стоят %n здания, свободных мест — %1</numerusform>
            <numerusform>Не хватает рабочих: стоят %n зданий, свободных мест — %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Без работы %n человек: рабочих мест не хватает</source>
        <translation>
            <numerusform>Без работы %n человек: рабочих мест не хватает</numerusform>
            <numerusform>Без работы %n человека: рабочих мест не хватает</numerusform>
            <numerusform>Без работы %n человек: рабочих мест не хватает</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: стоят %n зданий, нужно %2 в день</source>
        <translation>
            <numerusform>%1: стоит %n здание, нужно %2 в день</numerusform>
            <numerusform>%1: стоят %n здания, нужно %2 в день</numerusform>
            <numerusform>%1: стоят %n зданий, нужно %2 в день</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Colony</name>
    <message numerus="yes">
        <source>Родилось: %n человек.</source>
        <translation>
            <numerusform>Родилось: %n человек.</numerusform>
            <numerusform>Родилось: %n человека.</numerusform>
            <numerusform>Родилось: %n человек.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ушло: %n человек.</source>
        <translation>
            <numerusform>Ушло: %n человек.</numerusform>
            <numerusform>Ушло: %n человека.</numerusform>
            <numerusform>Ушло: %n человек.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message numerus="yes">
        <source>%n дней</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Describe</name>
    <message numerus="yes">
        <source>%n год</source>
        <translation>
            <numerusform>%n год</numerusform>
            <numerusform>%n года</numerusform>
            <numerusform>%n лет</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n года</source>
        <translation>
            <numerusform>%n год</numerusform>
            <numerusform>%n года</numerusform>
            <numerusform>%n лет</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n лет</source>
        <translation>
            <numerusform>%n год</numerusform>
            <numerusform>%n года</numerusform>
            <numerusform>%n лет</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>. Дает жилье на %n мест</source>
        <translation>
            <numerusform>. Дает жилье на %n место</numerusform>
            <numerusform>. Дает жилье на %n места</numerusform>
            <numerusform>. Дает жилье на %n мест</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Строится %1 %n дней. Прослужит %2</source>
        <translation>
            <numerusform>Строится %1 %n день. Прослужит %2</numerusform>
            <numerusform>Строится %1 %n дня. Прослужит %2</numerusform>
            <numerusform>Строится %1 %n дней. Прослужит %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Land</name>
    <message numerus="yes">
        <source>Карта обрезана: в ней меньше %n байт.</source>
        <translation>
            <numerusform>Карта обрезана: в ней меньше %n байта.</numerusform>
            <numerusform>Карта обрезана: в ней меньше %n байт.</numerusform>
            <numerusform>Карта обрезана: в ней меньше %n байт.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Карта «%1» обрезана: в ней меньше %n байт.</source>
        <translation>
            <numerusform>Карта «%1» обрезана: в ней меньше %n байта.</numerusform>
            <numerusform>Карта «%1» обрезана: в ней меньше %n байт.</numerusform>
            <numerusform>Карта «%1» обрезана: в ней меньше %n байт.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Файл карты %1 обрезан: в нём меньше %n байт.</source>
        <translation>
            <numerusform>Файл карты %1 обрезан: в нём меньше %n байта.</numerusform>
            <numerusform>Файл карты %1 обрезан: в нём меньше %n байт.</numerusform>
            <numerusform>Файл карты %1 обрезан: в нём меньше %n байт.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayOn</name>
    <message numerus="yes">
        <source>Прошло %n дней.</source>
        <translation>
            <numerusform>Прошёл %n день.</numerusform>
            <numerusform>Прошло %n дня.</numerusform>
            <numerusform>Прошло %n дней.</numerusform>
        </translation>
    </message>
</context>
</TS>
