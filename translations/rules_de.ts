<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="ru_RU">
<context>
    <name>Account</name>
    <message>
        <source>Продажа товаров</source>
        <translation>Warenverkauf</translation>
    </message>
    <message>
        <source>Разбор строений</source>
        <translation>Abriss von Gebäuden</translation>
    </message>
    <message>
        <source>Подарок</source>
        <translation>Geschenk</translation>
    </message>
    <message>
        <source>Покупка товаров</source>
        <translation>Wareneinkauf</translation>
    </message>
    <message>
        <source>Содержание людей</source>
        <translation>Unterhalt der Siedler</translation>
    </message>
    <message>
        <source>Забота о здоровье</source>
        <translation>Gesundheitspflege</translation>
    </message>
    <message>
        <source>Строительство</source>
        <translation>Bau</translation>
    </message>
    <message>
        <source>Улучшение земли</source>
        <translation>Bodenverbesserung</translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation>Ausbesserung</translation>
    </message>
    <message>
        <source>Ежегодные налоги</source>
        <translation>Jahressteuern</translation>
    </message>
    <message>
        <source>Главный налог</source>
        <translation>Hauptsteuer</translation>
    </message>
    <message>
        <source>Потеря главного здания</source>
        <translation>Verlust des Hauptgebäudes</translation>
    </message>
    <message>
        <source>Год</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>На начало года</source>
        <translation>Am Jahresanfang</translation>
    </message>
    <message>
        <source>Доходы</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Расходы</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>На конец года</source>
        <translation>Am Jahresende</translation>
    </message>
</context>
<context>
    <name>Advisor</name>
    <message>
        <source>Деньги</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Товары</source>
        <translation>Waren</translation>
    </message>
    <message>
        <source>Работа</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>Жилье</source>
        <translation>Wohnraum</translation>
    </message>
    <message>
        <source>Здоровье</source>
        <translation>Gesundheit</translation>
    </message>
    <message>
        <source>Здоровье %1, ниже %2: никто не рождается, люди уходят</source>
        <translation>Gesundheit %1, unter %2: niemand wird geboren, Leute ziehen fort</translation>
    </message>
    <message>
        <source>Здоровье падает: %1, ниже %2 станет около %3</source>
        <translation>Gesundheit sinkt: %1, unter %2 etwa am %3</translation>
    </message>
    <message numerus="yes">
        <source>Не хватает рабочих: стоят %n зданий, свободных мест — %1</source>
        <translation>
            <numerusform>Arbeiter fehlen: %n Gebäude steht still, %1 Plätze frei</numerusform>
            <numerusform>Arbeiter fehlen: %n Gebäude stehen still, %1 Plätze frei</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Без работы %n человек: рабочих мест не хватает</source>
        <translation>
            <numerusform>%n Mensch ohne Arbeit: zu wenige Arbeitsplätze</numerusform>
            <numerusform>%n Menschen ohne Arbeit: zu wenige Arbeitsplätze</numerusform>
        </translation>
    </message>
    <message>
        <source>Все места в домах заняты (%1): родившимся негде жить</source>
        <translation>Alle Plätze in den Häusern belegt (%1): Neugeborene finden keine Wohnung</translation>
    </message>
    <message>
        <source>Главный налог %1 (%2): хватит в %3 % исходов</source>
        <translation>Hauptsteuer %1 (%2): reicht in %3 % der Ausgänge</translation>
    </message>
    <message>
        <source>Налог %1 (%2): хватит в %3 % исходов</source>
        <translation>Steuer %1 (%2): reicht in %3 % der Ausgänge</translation>
    </message>
    <message>
        <source>В среднем исходе деньги кончатся %1: нечем платить содержание</source>
        <translation>Im mittleren Verlauf geht das Geld am %1 aus: nichts für den Unterhalt</translation>
    </message>
    <message>
        <source>В худших исходах деньги кончатся %1: нечем платить содержание</source>
        <translation>In den schlechtesten Verläufen geht das Geld am %1 aus: nichts für den Unterhalt</translation>
    </message>
    <message numerus="yes">
        <source>%1: стоят %n зданий, нужно %2 в день</source>
        <translation>
            <numerusform>%1: %n Gebäude steht still, braucht %2 am Tag</numerusform>
            <numerusform>%1: %n Gebäude stehen still, brauchen %2 am Tag</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Colony</name>
    <message>
        <source>Строение %1 не может стоять на клетке %2, %3.</source>
        <translation>Gebäude %1 kann nicht auf Feld %2, %3 stehen.</translation>
    </message>
    <message>
        <source>Цель достигнута: %1.</source>
        <translation>Ziel erreicht: %1.</translation>
    </message>
    <message>
        <source>Беда: %1.</source>
        <translation>Gefahr: %1.</translation>
    </message>
    <message>
        <source>Цель не достигнута: %1.</source>
        <translation>Ziel verfehlt: %1.</translation>
    </message>
    <message>
        <source>Предупреждение. Через месяц надо будет выплатить ежегодные налоги.</source>
        <translation>Warnung. In einem Monat sind die Jahressteuern zu zahlen.</translation>
    </message>
    <message>
        <source>Ежегодные налоги: %1</source>
        <translation>Jahressteuern: %1</translation>
    </message>
    <message>
        <source>Предупреждение. Через месяц надо будет выплатить Главный налог.</source>
        <translation>Warnung. In einem Monat ist die Hauptsteuer zu zahlen.</translation>
    </message>
    <message>
        <source>Главный налог: %1</source>
        <translation>Hauptsteuer: %1</translation>
    </message>
    <message>
        <source>Налог уплачен: %1</source>
        <translation>Steuer bezahlt: %1</translation>
    </message>
    <message>
        <source>Налог не уплачен: %1</source>
        <translation>Steuer nicht bezahlt: %1</translation>
    </message>
    <message>
        <source>Одно или несколько строений было разрушено.</source>
        <translation>Ein oder mehrere Gebäude sind zerfallen.</translation>
    </message>
    <message numerus="yes">
        <source>Родилось: %n человек.</source>
        <translation>
            <numerusform>Es wurde %n Kind geboren.</numerusform>
            <numerusform>Es wurden %n Kinder geboren.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ушло: %n человек.</source>
        <translation>
            <numerusform>Es ist %n Siedler fortgezogen.</numerusform>
            <numerusform>Es sind %n Siedler fortgezogen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Люди уходят, потому что им недостаточно мест в домах.</source>
        <translation>Die Siedler ziehen fort, weil es nicht genug Wohnungen gibt.</translation>
    </message>
    <message>
        <source>В каталоге строений (BASES.INI) нет ни одного типа.</source>
        <translation>Im Gebäudekatalog (BASES.INI) gibt es keinen einzigen Typ.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>строительство</source>
        <translation>Bau</translation>
    </message>
    <message>
        <source>деньги</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Новая неделя</source>
        <translation>Neue Woche</translation>
    </message>
    <message>
        <source>прожить семь дней (останавливается, если налог не уплачен)</source>
        <translation>sieben Tage leben (hält an, wenn eine Steuer nicht bezahlt ist)</translation>
    </message>
    <message>
        <source>новая неделя</source>
        <translation>neue Woche</translation>
    </message>
    <message>
        <source>Новый день</source>
        <translation>Neuer Tag</translation>
    </message>
    <message>
        <source>прожить один день</source>
        <translation>einen Tag leben</translation>
    </message>
    <message>
        <source>новый день</source>
        <translation>neuer Tag</translation>
    </message>
    <message>
        <source>Продать ресурсы</source>
        <translation>Waren verkaufen</translation>
    </message>
    <message>
        <source>открыть рынок для продажи</source>
        <translation>den Markt zum Verkaufen öffnen</translation>
    </message>
    <message>
        <source>продажа</source>
        <translation>Verkauf</translation>
    </message>
    <message>
        <source>Купить ресурсы</source>
        <translation>Waren kaufen</translation>
    </message>
    <message>
        <source>открыть рынок для покупки</source>
        <translation>den Markt zum Kaufen öffnen</translation>
    </message>
    <message>
        <source>покупка</source>
        <translation>Einkauf</translation>
    </message>
    <message>
        <source>Улучшить землю за %1</source>
        <translation>Boden verbessern für %1</translation>
    </message>
    <message>
        <source>строения на улучшенной земле строятся вдвое быстрее и меньше изнашиваются</source>
        <translation>Gebäude auf verbessertem Boden werden doppelt so schnell gebaut und nutzen sich weniger ab</translation>
    </message>
    <message>
        <source>улучшение земли</source>
        <translation>Bodenverbesserung</translation>
    </message>
    <message>
        <source>Поиск слабейшего строения</source>
        <translation>Schwächstes Gebäude suchen</translation>
    </message>
    <message>
        <source>выбрать строение, которому осталось служить меньше всех</source>
        <translation>das Gebäude wählen, das am kürzesten noch hält</translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation>Ausbessern</translation>
    </message>
    <message>
        <source>продлить срок службы строения на выбранной клетке, сколько хватит денег</source>
        <translation>die Lebensdauer des Gebäudes auf dem gewählten Feld verlängern, so weit das Geld reicht</translation>
    </message>
    <message>
        <source>восстановление</source>
        <translation>Ausbesserung</translation>
    </message>
    <message>
        <source>Восстановление для всех</source>
        <translation>Alle ausbessern</translation>
    </message>
    <message>
        <source>восстановить все поврежденные строения</source>
        <translation>alle abgenutzten Gebäude ausbessern</translation>
    </message>
    <message>
        <source>восстановление для всех</source>
        <translation>Ausbesserung aller Gebäude</translation>
    </message>
    <message>
        <source>Разобрать строение - вернется %1% от стоимости</source>
        <translation>Gebäude abreißen - %1% des Preises zurück</translation>
    </message>
    <message>
        <source>снести строение</source>
        <translation>ein Gebäude abreißen</translation>
    </message>
    <message>
        <source>разбор строения</source>
        <translation>Abriss</translation>
    </message>
    <message>
        <source>Блокировка</source>
        <translation>Blockieren</translation>
    </message>
    <message>
        <source>остановить строение или запустить снова (заблокированное строение не работает, но изнашивается)</source>
        <translation>ein Gebäude anhalten oder wieder anlaufen lassen (ein blockiertes Gebäude arbeitet nicht, nutzt sich aber ab)</translation>
    </message>
    <message>
        <source>блокировка</source>
        <translation>Blockieren</translation>
    </message>
    <message numerus="yes">
        <source>%n дней</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Играть дальше</source>
        <translation>Weiterspielen</translation>
    </message>
    <message>
        <source>проживать день за днём, пока колонии не понадобится игрок, до выбранного предела (любая клавиша или щелчок останавливает)</source>
        <translation>Tag für Tag leben, bis die Kolonie den Spieler braucht, bis zur gewählten Grenze (jede Taste oder jeder Klick hält an)</translation>
    </message>
    <message>
        <source>заказы на рынке</source>
        <translation>Daueraufträge</translation>
    </message>
</context>
<context>
    <name>Describe</name>
    <message numerus="yes">
        <source>%n год</source>
        <translation>
            <numerusform>%n Jahr</numerusform>
            <numerusform>%n Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n года</source>
        <translation>
            <numerusform>%n Jahr</numerusform>
            <numerusform>%n Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n лет</source>
        <translation>
            <numerusform>%n Jahr</numerusform>
            <numerusform>%n Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>на земле</source>
        <translation>auf Land</translation>
    </message>
    <message>
        <source>на воде</source>
        <translation>auf Wasser</translation>
    </message>
    <message>
        <source>в лесу</source>
        <translation>im Wald</translation>
    </message>
    <message>
        <source>на угле</source>
        <translation>auf Kohle</translation>
    </message>
    <message>
        <source>на залежах руды</source>
        <translation>auf Erzlagern</translation>
    </message>
    <message>
        <source>на нефтяных месторождениях</source>
        <translation>auf Ölfeldern</translation>
    </message>
    <message>
        <source>на месторождениях золота</source>
        <translation>auf Goldfeldern</translation>
    </message>
    <message>
        <source>на любом типе почвы</source>
        <translation>auf jedem Boden</translation>
    </message>
    <message>
        <source>%1 - около %2</source>
        <translation>%1 - etwa %2</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source> (можно далеко от других строений)</source>
        <translation> (auch fern von anderen Gebäuden)</translation>
    </message>
    <message>
        <source>вечно</source>
        <translation>ewig</translation>
    </message>
    <message>
        <source> (%1). Рабочих: %2
Расход: %3
Прибыль: %4</source>
        <translation> (%1). Arbeiter: %2
Verbrauch: %3
Ertrag: %4</translation>
    </message>
    <message numerus="yes">
        <source>. Дает жилье на %n мест</source>
        <translation>
            <numerusform>. Wohnung für %n Siedler</numerusform>
            <numerusform>. Wohnungen für %n Siedler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Строится %1 %n дней. Прослужит %2</source>
        <translation>
            <numerusform>Wird %1 in %n Tag gebaut. Hält %2</numerusform>
            <numerusform>Wird %1 in %n Tagen gebaut. Hält %2</numerusform>
        </translation>
    </message>
    <message>
        <source>, строится, %1</source>
        <translation>, im Bau, %1</translation>
    </message>
    <message>
        <source>, прослужит %1</source>
        <translation>, hält noch %1</translation>
    </message>
    <message>
        <source>, восстановление за %1</source>
        <translation>, Ausbesserung für %1</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Не найдены файлы игры: BASES.INI нет ни в одной из папок:</source>
        <translation>Die Spieldateien fehlen: BASES.INI ist in keinem dieser Ordner:</translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1: %2.</source>
        <translation>Datei %1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл %1: %2.</source>
        <translation>Datei %1 ließ sich nicht speichern: %2.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1: %2.</source>
        <translation>Datei %1 lässt sich nicht lesen: %2.</translation>
    </message>
</context>
<context>
    <name>Forecast</name>
    <message>
        <source>%1 %2 (%3): хватит в %4 % исходов</source>
        <translation>%1 %2 (%3): reicht in %4 % der Ausgänge</translation>
    </message>
    <message>
        <source>Главный налог</source>
        <translation>Hauptsteuer</translation>
    </message>
    <message>
        <source>налог</source>
        <translation>Steuer</translation>
    </message>
    <message>
        <source>растет</source>
        <translation>steigt</translation>
    </message>
    <message>
        <source>падает</source>
        <translation>sinkt</translation>
    </message>
    <message>
        <source>держится</source>
        <translation>hält sich</translation>
    </message>
    <message>
        <source>здоровье %1: %2 → %3</source>
        <translation>Gesundheit %1: %2 → %3</translation>
    </message>
    <message>
        <source>в среднем исходе еда кончится %1</source>
        <translation>im mittleren Verlauf geht die Nahrung am %1 aus</translation>
    </message>
    <message>
        <source>еды хватит на весь прогноз</source>
        <translation>die Nahrung reicht für die ganze Prognose</translation>
    </message>
</context>
<context>
    <name>Goals</name>
    <message>
        <source>Строений «%1»</source>
        <translation>Gebäude „%1“</translation>
    </message>
    <message>
        <source>%1 за год</source>
        <translation>%1 in diesem Jahr</translation>
    </message>
    <message>
        <source>%1 за прошлый год</source>
        <translation>%1 im letzten Jahr</translation>
    </message>
    <message>
        <source>Итог года</source>
        <translation>Bilanz des Jahres</translation>
    </message>
    <message>
        <source>Итог прошлого года</source>
        <translation>Bilanz des letzten Jahres</translation>
    </message>
    <message>
        <source>Уплачено ежегодных налогов</source>
        <translation>Gezahlte Jahressteuern</translation>
    </message>
    <message>
        <source>Уплачено Главных налогов</source>
        <translation>Gezahlte Hauptsteuern</translation>
    </message>
    <message>
        <source>Отказов платить налог</source>
        <translation>Verweigerte Steuern</translation>
    </message>
</context>
<context>
    <name>Goods</name>
    <message>
        <source>Золото</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Продовольствие</source>
        <translation>Nahrung</translation>
    </message>
    <message>
        <source>Уголь</source>
        <translation>Kohle</translation>
    </message>
    <message>
        <source>Железо</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>Нефть</source>
        <translation>Öl</translation>
    </message>
    <message>
        <source>Камень</source>
        <translation>Stein</translation>
    </message>
    <message>
        <source>Вода</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Дерево</source>
        <translation>Holz</translation>
    </message>
    <message>
        <source>Электричество</source>
        <translation>Strom</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Дата</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Деньги</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Люди</source>
        <translation>Siedler</translation>
    </message>
    <message>
        <source>Здоровье</source>
        <translation>Gesundheit</translation>
    </message>
    <message>
        <source>Заняты</source>
        <translation>Beschäftigte</translation>
    </message>
    <message>
        <source>Места в домах</source>
        <translation>Wohnungen</translation>
    </message>
    <message>
        <source>Рабочие места</source>
        <translation>Arbeitsplätze</translation>
    </message>
    <message>
        <source>Строения</source>
        <translation>Gebäude</translation>
    </message>
    <message>
        <source>Продано с начала</source>
        <translation>Verkauft insgesamt</translation>
    </message>
    <message>
        <source>Куплено с начала</source>
        <translation>Gekauft insgesamt</translation>
    </message>
</context>
<context>
    <name>Idle</name>
    <message>
        <source> — заблокировано</source>
        <translation> — blockiert</translation>
    </message>
    <message>
        <source> — не его сезон</source>
        <translation> — außer Saison</translation>
    </message>
    <message>
        <source> — не хватало ресурсов</source>
        <translation> — Waren fehlten</translation>
    </message>
    <message>
        <source> — не хватает: </source>
        <translation> — es fehlt: </translation>
    </message>
    <message>
        <source> — не хватает рабочих: нужно %1, свободно %2</source>
        <translation> — zu wenig Arbeiter: nötig %1, frei %2</translation>
    </message>
</context>
<context>
    <name>IslandName</name>
    <message>
        <source>Тар</source>
        <translation>Tar</translation>
    </message>
    <message>
        <source>Вел</source>
        <translation>Vel</translation>
    </message>
    <message>
        <source>Сар</source>
        <translation>Sar</translation>
    </message>
    <message>
        <source>Бор</source>
        <translation>Bor</translation>
    </message>
    <message>
        <source>Мир</source>
        <translation>Mir</translation>
    </message>
    <message>
        <source>Лад</source>
        <translation>Lad</translation>
    </message>
    <message>
        <source>Зар</source>
        <translation>Zar</translation>
    </message>
    <message>
        <source>Вар</source>
        <translation>Var</translation>
    </message>
    <message>
        <source>Кар</source>
        <translation>Kar</translation>
    </message>
    <message>
        <source>Сел</source>
        <translation>Sel</translation>
    </message>
    <message>
        <source>Яр</source>
        <translation>Yar</translation>
    </message>
    <message>
        <source>Дал</source>
        <translation>Dal</translation>
    </message>
    <message>
        <source>Ост</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>Сев</source>
        <translation>Sev</translation>
    </message>
    <message>
        <source>Бел</source>
        <translation>Bel</translation>
    </message>
    <message>
        <source>Гор</source>
        <translation>Gor</translation>
    </message>
    <message>
        <source>Вол</source>
        <translation>Vol</translation>
    </message>
    <message>
        <source>Тур</source>
        <translation>Tur</translation>
    </message>
    <message>
        <source>Дор</source>
        <translation>Dor</translation>
    </message>
    <message>
        <source>Рос</source>
        <translation>Ros</translation>
    </message>
    <message>
        <source>Сол</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Вер</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Мор</source>
        <translation>Mor</translation>
    </message>
    <message>
        <source>Кам</source>
        <translation>Kam</translation>
    </message>
    <message>
        <source>вен</source>
        <translation>ven</translation>
    </message>
    <message>
        <source>дар</source>
        <translation>dar</translation>
    </message>
    <message>
        <source>мор</source>
        <translation>mor</translation>
    </message>
    <message>
        <source>лав</source>
        <translation>lav</translation>
    </message>
    <message>
        <source>рос</source>
        <translation>ros</translation>
    </message>
    <message>
        <source>син</source>
        <translation>sin</translation>
    </message>
    <message>
        <source>тов</source>
        <translation>tov</translation>
    </message>
    <message>
        <source>гор</source>
        <translation>gor</translation>
    </message>
    <message>
        <source>нел</source>
        <translation>nel</translation>
    </message>
    <message>
        <source>бер</source>
        <translation>ber</translation>
    </message>
    <message>
        <source>лен</source>
        <translation>len</translation>
    </message>
    <message>
        <source>дон</source>
        <translation>don</translation>
    </message>
    <message>
        <source>вар</source>
        <translation>var</translation>
    </message>
    <message>
        <source>мир</source>
        <translation>mir</translation>
    </message>
    <message>
        <source>гар</source>
        <translation>gar</translation>
    </message>
    <message>
        <source>тен</source>
        <translation>ten</translation>
    </message>
    <message>
        <source>ия</source>
        <translation>ia</translation>
    </message>
    <message>
        <source>ья</source>
        <translation>ia</translation>
    </message>
    <message>
        <source>а</source>
        <translation>a</translation>
    </message>
    <message>
        <source>ея</source>
        <translation>ea</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Событие</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Налог</source>
        <translation>Steuer</translation>
    </message>
    <message>
        <source>Время года</source>
        <translation>Jahreszeit</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Цель</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Торговля</source>
        <translation>Handel</translation>
    </message>
</context>
<context>
    <name>Land</name>
    <message>
        <source>неизвестная карта «%1»</source>
        <translation>unbekannte Karte „%1“</translation>
    </message>
    <message>
        <source>карта «%1» не читается (%2)</source>
        <translation>Karte „%1“ lässt sich nicht lesen (%2)</translation>
    </message>
    <message>
        <source>карта «%1» изменилась с тех пор, как игра была сохранена</source>
        <translation>Karte „%1“ hat sich geändert, seit das Spiel gespeichert wurde</translation>
    </message>
    <message>
        <source>Остров %1</source>
        <translation>Insel %1</translation>
    </message>
    <message>
        <source>Сценарий «%1» не найден.</source>
        <translation>Szenario „%1“ nicht gefunden.</translation>
    </message>
    <message>
        <source>Сценарий «%1» не читается: %2</source>
        <translation>Szenario „%1“ lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>Земля сценария «%1» не читается.</source>
        <translation>Das Land des Szenarios „%1“ lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>файл «%1» не читается</source>
        <translation>Datei „%1“ lässt sich nicht lesen</translation>
    </message>
    <message numerus="yes">
        <source>Карта обрезана: в ней меньше %n байт.</source>
        <translation>
            <numerusform>Die Karte ist abgeschnitten: sie hat weniger als %n Byte.</numerusform>
            <numerusform>Die Karte ist abgeschnitten: sie hat weniger als %n Bytes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Карта «%1» обрезана: в ней меньше %n байт.</source>
        <translation>
            <numerusform>Karte „%1“ ist abgeschnitten: sie hat weniger als %n Byte.</numerusform>
            <numerusform>Karte „%1“ ist abgeschnitten: sie hat weniger als %n Bytes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Файл карты %1 обрезан: в нём меньше %n байт.</source>
        <translation>
            <numerusform>Kartendatei %1 ist abgeschnitten: sie hat weniger als %n Byte.</numerusform>
            <numerusform>Kartendatei %1 ist abgeschnitten: sie hat weniger als %n Bytes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MapCheck</name>
    <message>
        <source>На начальной клетке %1, %2 («%3») не построить «%4».</source>
        <translation>Auf dem Startfeld %1, %2 („%3“) lässt sich „%4“ nicht bauen.</translation>
    </message>
    <message>
        <source>У начала мало земли под дома: места для %1 из %2 поселенцев.</source>
        <translation>Am Start ist zu wenig Land für Häuser: Platz für %1 von %2 Siedlern.</translation>
    </message>
    <message>
        <source>На карте нет клеток «%1»: «%2» не построить, %3 не получить.</source>
        <translation>Auf der Karte gibt es keine Felder „%1“: „%2“ lässt sich nicht bauen, %3 nicht gewinnen.</translation>
    </message>
    <message>
        <source>«%1» далеко от начала: до ближайшей клетки %2.</source>
        <translation>„%1“ liegt weit vom Start: bis zum nächsten Feld sind es %2.</translation>
    </message>
    <message>
        <source>Крошечных островов без пользы: %1, первый у клетки %2, %3.</source>
        <translation>Winzige Inseln ohne Nutzen: %1, die erste beim Feld %2, %3.</translation>
    </message>
</context>
<context>
    <name>Market</name>
    <message>
        <source>Продать</source>
        <translation>Verkaufen</translation>
    </message>
    <message>
        <source>Купить</source>
        <translation>Kaufen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>!Недостаточно денег</source>
        <translation>!Nicht genug Geld</translation>
    </message>
    <message>
        <source>!Это место занято</source>
        <translation>!Dieser Bauplatz ist belegt</translation>
    </message>
    <message>
        <source>!Основа почвы не подходит для этого строения</source>
        <translation>!Der Boden passt nicht zu diesem Gebäude</translation>
    </message>
    <message>
        <source>!Это уже улучшенная территория</source>
        <translation>!Dieser Boden ist schon verbessert</translation>
    </message>
    <message>
        <source>!Там нет постройки</source>
        <translation>!Dort steht kein Gebäude</translation>
    </message>
    <message>
        <source>!Восстановление не требуется</source>
        <translation>!Keine Ausbesserung nötig</translation>
    </message>
    <message>
        <source>!Нет указанных ресурсов для продажи</source>
        <translation>!Von diesen Waren ist nichts zum Verkaufen da</translation>
    </message>
    <message>
        <source>!Нет поврежденных строений</source>
        <translation>!Keine abgenutzten Gebäude</translation>
    </message>
    <message>
        <source>!Можно строить только рядом с другими строениями</source>
        <translation>!Gebaut werden kann nur neben anderen Gebäuden</translation>
    </message>
    <message>
        <source>!В этом сценарии такое строение не строят</source>
        <translation>!In diesem Szenario wird dieses Gebäude nicht gebaut</translation>
    </message>
    <message>
        <source>!Нельзя блокировать %1</source>
        <translation>!%1 kann nicht blockiert werden</translation>
    </message>
    <message>
        <source>«%1» нельзя построить снова, а без этого строения колония каждый день теряет деньги и ресурсы. Разобрать?</source>
        <translation>„%1“ kann nicht wieder gebaut werden, und ohne dieses Gebäude verliert die Kolonie jeden Tag Geld und Waren. Abreißen?</translation>
    </message>
    <message>
        <source>Отменено: %1</source>
        <translation>Zurückgenommen: %1</translation>
    </message>
    <message>
        <source>Повторено: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>!Нечего отменять</source>
        <translation>!Nichts zurückzunehmen</translation>
    </message>
    <message>
        <source>!Нечего повторять</source>
        <translation>!Nichts zu wiederholen</translation>
    </message>
    <message>
        <source>События</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Разрушения</source>
        <translation>Zerstörte Gebäude</translation>
    </message>
    <message>
        <source>Рождения</source>
        <translation>Geburten</translation>
    </message>
    <message>
        <source>Уход людей</source>
        <translation>Abwanderung</translation>
    </message>
    <message>
        <source>Нехватка жилья</source>
        <translation>Zu wenig Wohnungen</translation>
    </message>
    <message>
        <source>Новое время года</source>
        <translation>Neue Jahreszeit</translation>
    </message>
    <message>
        <source>Предупреждения о налогах</source>
        <translation>Steuerwarnungen</translation>
    </message>
    <message>
        <source>Цели</source>
        <translation>Ziele</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>января</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>февраля</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>марта</source>
        <translation>März</translation>
    </message>
    <message>
        <source>апреля</source>
        <translation>April</translation>
    </message>
    <message>
        <source>мая</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>июня</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>июля</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>августа</source>
        <translation>August</translation>
    </message>
    <message>
        <source>сентября</source>
        <translation>September</translation>
    </message>
    <message>
        <source>октября</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>ноября</source>
        <translation>November</translation>
    </message>
    <message>
        <source>декабря</source>
        <translation>Dezember</translation>
    </message>
</context>
<context>
    <name>Orders</name>
    <message>
        <source>!Заказ бывает от 0 до %1.</source>
        <translation>!Ein Auftrag reicht von 0 bis %1.</translation>
    </message>
    <message>
        <source>!Нижняя граница заказа выше верхней.</source>
        <translation>!Die Untergrenze des Auftrags liegt über der Obergrenze.</translation>
    </message>
    <message>
        <source>Продано по заказу: %1, %2 на %3.</source>
        <translation>Per Auftrag verkauft: %1, %2 für %3.</translation>
    </message>
    <message>
        <source>Куплено по заказу: %1, %2 на %3.</source>
        <translation>Per Auftrag gekauft: %1, %2 für %3.</translation>
    </message>
</context>
<context>
    <name>PlaceName</name>
    <message>
        <source>о. Чаячий</source>
        <translation>Möweninsel</translation>
    </message>
    <message>
        <source>о. Медвежий</source>
        <translation>Bäreninsel</translation>
    </message>
    <message>
        <source>о. Дальний</source>
        <translation>Ferninsel</translation>
    </message>
    <message>
        <source>о. Каменный</source>
        <translation>Steininsel</translation>
    </message>
    <message>
        <source>о. Рыбачий</source>
        <translation>Fischerinsel</translation>
    </message>
    <message>
        <source>о. Лисий</source>
        <translation>Fuchsinsel</translation>
    </message>
    <message>
        <source>о. Туманный</source>
        <translation>Nebelinsel</translation>
    </message>
    <message>
        <source>о. Сосновый</source>
        <translation>Kieferninsel</translation>
    </message>
    <message>
        <source>о. Кривой</source>
        <translation>Krumme Insel</translation>
    </message>
    <message>
        <source>о. Белый</source>
        <translation>Weiße Insel</translation>
    </message>
    <message>
        <source>о. Высокий</source>
        <translation>Hohe Insel</translation>
    </message>
    <message>
        <source>о. Крутой</source>
        <translation>Steile Insel</translation>
    </message>
    <message>
        <source>о. Песчаный</source>
        <translation>Sandinsel</translation>
    </message>
    <message>
        <source>о. Ветреный</source>
        <translation>Windinsel</translation>
    </message>
    <message>
        <source>о. Гусиный</source>
        <translation>Gänseinsel</translation>
    </message>
    <message>
        <source>о. Тюлений</source>
        <translation>Robbeninsel</translation>
    </message>
    <message>
        <source>о. Моржовый</source>
        <translation>Walrossinsel</translation>
    </message>
    <message>
        <source>о. Утиный</source>
        <translation>Enteninsel</translation>
    </message>
    <message>
        <source>о. Заячий</source>
        <translation>Haseninsel</translation>
    </message>
    <message>
        <source>о. Волчий</source>
        <translation>Wolfsinsel</translation>
    </message>
    <message>
        <source>о. Соколиный</source>
        <translation>Falkeninsel</translation>
    </message>
    <message>
        <source>о. Кедровый</source>
        <translation>Zederninsel</translation>
    </message>
    <message>
        <source>о. Берёзовый</source>
        <translation>Birkeninsel</translation>
    </message>
    <message>
        <source>о. Янтарный</source>
        <translation>Bernsteininsel</translation>
    </message>
    <message>
        <source>о. Малый</source>
        <translation>Kleine Insel</translation>
    </message>
    <message>
        <source>о. Круглый</source>
        <translation>Runde Insel</translation>
    </message>
    <message>
        <source>о. Длинный</source>
        <translation>Lange Insel</translation>
    </message>
    <message>
        <source>о. Тихий</source>
        <translation>Stille Insel</translation>
    </message>
    <message>
        <source>о. Скалистый</source>
        <translation>Felseninsel</translation>
    </message>
    <message>
        <source>о. Орлиный</source>
        <translation>Adlerinsel</translation>
    </message>
    <message>
        <source>о. Пустой</source>
        <translation>Öde Insel</translation>
    </message>
    <message>
        <source>о. Горелый</source>
        <translation>Brandinsel</translation>
    </message>
    <message>
        <source>о. Рябиновый</source>
        <translation>Eberescheninsel</translation>
    </message>
    <message>
        <source>о. Смоляной</source>
        <translation>Harzinsel</translation>
    </message>
    <message>
        <source>о. Безымянный</source>
        <translation>Namenlose Insel</translation>
    </message>
    <message>
        <source>Северное море</source>
        <translation>Nordsee</translation>
    </message>
    <message>
        <source>Южное море</source>
        <translation>Südsee</translation>
    </message>
    <message>
        <source>Студёное море</source>
        <translation>Kalte See</translation>
    </message>
    <message>
        <source>Тихое море</source>
        <translation>Stille See</translation>
    </message>
    <message>
        <source>Серое море</source>
        <translation>Graue See</translation>
    </message>
    <message>
        <source>Ветреное море</source>
        <translation>Windige See</translation>
    </message>
    <message>
        <source>Туманное море</source>
        <translation>Nebelsee</translation>
    </message>
    <message>
        <source>Белое море</source>
        <translation>Weiße See</translation>
    </message>
    <message>
        <source>Янтарное море</source>
        <translation>Bernsteinsee</translation>
    </message>
    <message>
        <source>Холодное море</source>
        <translation>Eissee</translation>
    </message>
    <message>
        <source>Бурное море</source>
        <translation>Stürmische See</translation>
    </message>
    <message>
        <source>Светлое море</source>
        <translation>Helle See</translation>
    </message>
    <message>
        <source>Полночное море</source>
        <translation>Mitternachtssee</translation>
    </message>
    <message>
        <source>Западное море</source>
        <translation>Westsee</translation>
    </message>
    <message>
        <source>Восточное море</source>
        <translation>Ostsee</translation>
    </message>
    <message>
        <source>Залив Надежды</source>
        <translation>Bucht der Hoffnung</translation>
    </message>
    <message>
        <source>Залив Удачи</source>
        <translation>Glücksbucht</translation>
    </message>
    <message>
        <source>Залив Тишины</source>
        <translation>Bucht der Stille</translation>
    </message>
    <message>
        <source>Залив Ветров</source>
        <translation>Bucht der Winde</translation>
    </message>
    <message>
        <source>Залив Туманов</source>
        <translation>Nebelbucht</translation>
    </message>
    <message>
        <source>Залив Чаек</source>
        <translation>Möwenbucht</translation>
    </message>
    <message>
        <source>Залив Рыбаков</source>
        <translation>Fischerbucht</translation>
    </message>
    <message>
        <source>Залив Покоя</source>
        <translation>Friedensbucht</translation>
    </message>
    <message>
        <source>Залив Встреч</source>
        <translation>Bucht der Begegnungen</translation>
    </message>
    <message>
        <source>Залив Семи Ветров</source>
        <translation>Bucht der Sieben Winde</translation>
    </message>
    <message>
        <source>Залив Первопроходцев</source>
        <translation>Pionierbucht</translation>
    </message>
    <message>
        <source>Залив Доброй Вести</source>
        <translation>Bucht der Guten Nachricht</translation>
    </message>
    <message>
        <source>Залив Штормов</source>
        <translation>Sturmbucht</translation>
    </message>
    <message>
        <source>Залив Якорей</source>
        <translation>Ankerbucht</translation>
    </message>
    <message>
        <source>Залив Мечты</source>
        <translation>Traumbucht</translation>
    </message>
</context>
<context>
    <name>PlayOn</name>
    <message>
        <source>До ежегодного налога</source>
        <translation>Bis zur Jahressteuer</translation>
    </message>
    <message>
        <source>30 дней</source>
        <translation>30 Tage</translation>
    </message>
    <message>
        <source>Год</source>
        <translation>Ein Jahr</translation>
    </message>
    <message>
        <source>До даты</source>
        <translation>Bis zu einem Datum</translation>
    </message>
    <message numerus="yes">
        <source>Прошло %n дней.</source>
        <translation>
            <numerusform>%n Tag ist vergangen.</numerusform>
            <numerusform>%n Tage sind vergangen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Следующий день — ежегодный налог.</source>
        <translation>Der nächste Tag bringt die Jahressteuer.</translation>
    </message>
    <message>
        <source>Предел игры достигнут.</source>
        <translation>Die Grenze ist erreicht.</translation>
    </message>
    <message>
        <source>Налог не уплачен.</source>
        <translation>Die Steuer wurde nicht bezahlt.</translation>
    </message>
    <message>
        <source>Налог уплачен.</source>
        <translation>Die Steuer wurde bezahlt.</translation>
    </message>
    <message>
        <source>Цель выполнена или провалена.</source>
        <translation>Ein Ziel wurde erreicht oder verfehlt.</translation>
    </message>
    <message>
        <source>Сообщение: %1.</source>
        <translation>Meldung: %1.</translation>
    </message>
    <message>
        <source>Вы остановили игру.</source>
        <translation>Sie haben das Spiel angehalten.</translation>
    </message>
    <message>
        <source>У советника новое предупреждение: %1.</source>
        <translation>Der Berater hat eine neue Warnung: %1.</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Дата: %1
Дней: %2
Деньги: %3
Людей: %4</source>
        <translation>Datum: %1
Tage: %2
Geld: %3
Siedler: %4</translation>
    </message>
    <message>
        <source>с отменой ходов</source>
        <translation>mit zurückgenommenen Zügen</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>недопустимое значение (%1)</source>
        <translation>unzulässiger Wert (%1)</translation>
    </message>
    <message>
        <source>карта</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>дата</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>история</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>игра</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>в каталоге строений (BASES.INI) нет типа «%1»</source>
        <translation>im Gebäudekatalog (BASES.INI) gibt es keinen Typ „%1“</translation>
    </message>
    <message>
        <source>время года</source>
        <translation>Jahreszeit</translation>
    </message>
    <message>
        <source>деньги</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>люди</source>
        <translation>Siedler</translation>
    </message>
    <message>
        <source>здоровье</source>
        <translation>Gesundheit</translation>
    </message>
    <message>
        <source>занятые</source>
        <translation>Beschäftigte</translation>
    </message>
    <message>
        <source>содержание</source>
        <translation>Unterhalt</translation>
    </message>
    <message>
        <source>покупки</source>
        <translation>Einkäufe</translation>
    </message>
    <message>
        <source>продажи</source>
        <translation>Verkäufe</translation>
    </message>
    <message>
        <source>клетка</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>число строений</source>
        <translation>Zahl der Gebäude</translation>
    </message>
    <message>
        <source>строение</source>
        <translation>Gebäude</translation>
    </message>
    <message>
        <source>случайные числа</source>
        <translation>Zufallszahlen</translation>
    </message>
    <message>
        <source>выбранная клетка</source>
        <translation>gewähltes Feld</translation>
    </message>
    <message>
        <source>вид карты</source>
        <translation>Kartenansicht</translation>
    </message>
    <message>
        <source>счёт</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>сценарий</source>
        <translation>Szenario</translation>
    </message>
    <message>
        <source>сценарий игры не читается: %1</source>
        <translation>das Szenario des Spiels lässt sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>цели</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>журнал</source>
        <translation>Tagebuch</translation>
    </message>
    <message>
        <source>история игры слишком длинна для сохранения</source>
        <translation>der Verlauf des Spiels ist zu lang zum Speichern</translation>
    </message>
    <message>
        <source>не хватило памяти для сжатия</source>
        <translation>zu wenig Speicher zum Packen</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>это не сохранённая игра</source>
        <translation>das ist kein gespeichertes Spiel</translation>
    </message>
    <message>
        <source>файл записан более новой версией игры</source>
        <translation>die Datei stammt von einer neueren Version des Spiels</translation>
    </message>
    <message>
        <source>файл обрезан</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>размер</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>файл повреждён или обрезан: данные не распаковываются</source>
        <translation>die Datei ist beschädigt oder abgeschnitten: die Daten lassen sich nicht entpacken</translation>
    </message>
    <message>
        <source>файл повреждён: не сходится контрольная сумма</source>
        <translation>die Datei ist beschädigt: die Prüfsumme stimmt nicht</translation>
    </message>
    <message>
        <source>файл повреждён: данных меньше, чем нужно</source>
        <translation>die Datei ist beschädigt: zu wenig Daten</translation>
    </message>
    <message>
        <source>файл повреждён: лишние данные в конце</source>
        <translation>die Datei ist beschädigt: überzählige Daten am Ende</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1: %2.</source>
        <translation>Das Spiel ließ sich nicht in Datei %1 speichern: %2.</translation>
    </message>
    <message>
        <source>не удалось создать папку %1</source>
        <translation>Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>файл не открывается для записи (%1)</source>
        <translation>die Datei lässt sich nicht zum Schreiben öffnen (%1)</translation>
    </message>
    <message>
        <source>запись не удалась (%1)</source>
        <translation>Schreiben fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру из файла %1: %2.</source>
        <translation>Das Spiel ließ sich nicht aus Datei %1 laden: %2.</translation>
    </message>
    <message>
        <source>нет доступа к папке %1</source>
        <translation>kein Zugriff auf Ordner %1</translation>
    </message>
    <message>
        <source>файла нет</source>
        <translation>die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>файл не читается (%1)</source>
        <translation>die Datei lässt sich nicht lesen (%1)</translation>
    </message>
    <message>
        <source>заказы</source>
        <translation>Aufträge</translation>
    </message>
    <message>
        <source>журнал команд</source>
        <translation>Befehlsprotokoll</translation>
    </message>
    <message>
        <source>журнал команд обрезан</source>
        <translation>das Befehlsprotokoll ist abgeschnitten</translation>
    </message>
</context>
<context>
    <name>Scenario</name>
    <message>
        <source>Лёгкая</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Трудная</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Обычная</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>золотая медаль</source>
        <translation>Goldmedaille</translation>
    </message>
    <message>
        <source>серебряная медаль</source>
        <translation>Silbermedaille</translation>
    </message>
    <message>
        <source>бронзовая медаль</source>
        <translation>Bronzemedaille</translation>
    </message>
    <message>
        <source>без медали</source>
        <translation>ohne Medaille</translation>
    </message>
    <message>
        <source>раздел повторяется</source>
        <translation>der Abschnitt kommt doppelt vor</translation>
    </message>
    <message>
        <source>неизвестный раздел</source>
        <translation>unbekannter Abschnitt</translation>
    </message>
    <message>
        <source>нет значения</source>
        <translation>kein Wert</translation>
    </message>
    <message>
        <source>неверное число %1</source>
        <translation>falsche Zahl %1</translation>
    </message>
    <message>
        <source>неверная дата %1</source>
        <translation>falsches Datum %1</translation>
    </message>
    <message>
        <source>не позже начала %1</source>
        <translation>nicht nach dem Beginn %1</translation>
    </message>
    <message>
        <source>неизвестное строение %1</source>
        <translation>unbekanntes Gebäude %1</translation>
    </message>
    <message>
        <source>нет названия</source>
        <translation>kein Titel</translation>
    </message>
    <message>
        <source>раньше %1</source>
        <translation>vor %1</translation>
    </message>
    <message>
        <source>неизвестная сложность %1</source>
        <translation>unbekannte Stufe %1</translation>
    </message>
    <message>
        <source>ожидается yes или no, а не %1</source>
        <translation>erwartet wird yes oder no, nicht %1</translation>
    </message>
    <message>
        <source>ожидается &quot;ТИП столбец,строка&quot;, а не %1</source>
        <translation>erwartet wird &quot;TYP Spalte,Zeile&quot;, nicht %1</translation>
    </message>
    <message>
        <source>клетка %1 вне карты</source>
        <translation>Feld %1 liegt außerhalb der Karte</translation>
    </message>
    <message>
        <source>клетка %1 уже занята</source>
        <translation>Feld %1 ist schon belegt</translation>
    </message>
    <message>
        <source>раньше, чем %1</source>
        <translation>früher als %1</translation>
    </message>
    <message>
        <source>неизвестный товар %1</source>
        <translation>unbekannte Ware %1</translation>
    </message>
    <message>
        <source>неизвестный показатель %1</source>
        <translation>unbekannte Kennzahl %1</translation>
    </message>
    <message>
        <source>нет текста</source>
        <translation>kein Text</translation>
    </message>
    <message>
        <source>нет показателя</source>
        <translation>keine Kennzahl</translation>
    </message>
    <message>
        <source>цель недостижима: %1 бывает только от %2 до %3</source>
        <translation>das Ziel ist unerreichbar: %1 liegt immer zwischen %2 und %3</translation>
    </message>
    <message>
        <source>неизвестное сравнение %1</source>
        <translation>unbekannter Vergleich %1</translation>
    </message>
    <message>
        <source>позже срока By</source>
        <translation>nach der Frist By</translation>
    </message>
    <message>
        <source>дольше, чем ходов до срока (%1)</source>
        <translation>länger als die Züge bis zur Frist (%1)</translation>
    </message>
    <message>
        <source>неизвестное действие %1</source>
        <translation>unbekannte Aktion %1</translation>
    </message>
    <message>
        <source>нет обязательной цели [Goal1]</source>
        <translation>kein Pflichtziel [Goal1]</translation>
    </message>
    <message>
        <source>неизвестное событие %1</source>
        <translation>unbekanntes Ereignis %1</translation>
    </message>
</context>
<context>
    <name>Seasons</name>
    <message>
        <source>Лето</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <source>Осень</source>
        <translation>Herbst</translation>
    </message>
    <message>
        <source>Зима</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Весна</source>
        <translation>Frühling</translation>
    </message>
    <message>
        <source>Наступило Лето</source>
        <translation>Der Sommer ist gekommen</translation>
    </message>
    <message>
        <source>Наступила Осень</source>
        <translation>Der Herbst ist gekommen</translation>
    </message>
    <message>
        <source>Пришла Зима</source>
        <translation>Der Winter ist gekommen</translation>
    </message>
    <message>
        <source>Наступила Весна</source>
        <translation>Der Frühling ist gekommen</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Игра сохранена в файл «%1»</source>
        <translation>Spiel in „%1“ gespeichert</translation>
    </message>
    <message>
        <source>В файле «%1» сохранена другая колония (%2). Заменить её?</source>
        <translation>In der Datei „%1“ ist eine andere Kolonie gespeichert (%2). Ersetzen?</translation>
    </message>
    <message>
        <source>Файл «%1» не читается как сохранённая игра. Заменить его?</source>
        <translation>Die Datei „%1“ ist kein gespeichertes Spiel. Ersetzen?</translation>
    </message>
    <message>
        <source>Имя «%1» занято автосохранениями: выберите другое.</source>
        <translation>Der Name „%1“ gehört den automatischen Spielständen: wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>не читается</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>Имя «%1» занято сохранением при сбое: выберите другое.</source>
        <translation>Der Name „%1“ gehört dem Spielstand nach einem Absturz: wählen Sie einen anderen.</translation>
    </message>
</context>
<context>
    <name>Taxes</name>
    <message>
        <source>%1% от %2 = %3</source>
        <translation>%1% von %2 = %3</translation>
    </message>
</context>
<context>
    <name>Terrain</name>
    <message>
        <source>Море</source>
        <translation>Meer</translation>
    </message>
    <message>
        <source>Берег</source>
        <translation>Küste</translation>
    </message>
    <message>
        <source>Земля</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Вода</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Лес</source>
        <translation>Wald</translation>
    </message>
    <message>
        <source>Уголь</source>
        <translation>Kohle</translation>
    </message>
    <message>
        <source>Залежи руды</source>
        <translation>Erzlager</translation>
    </message>
    <message>
        <source>Нефтяное месторождение</source>
        <translation>Ölfeld</translation>
    </message>
    <message>
        <source>Месторождение золота</source>
        <translation>Goldfeld</translation>
    </message>
    <message>
        <source>Неизвестный объект</source>
        <translation>Unbekanntes Objekt</translation>
    </message>
</context>
</TS>
