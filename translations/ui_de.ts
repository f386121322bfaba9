<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="ru_RU">
<context>
    <name>EditorToolHelp</name>
    <message>
        <source>рисует выбранную землю, круглая или квадратная, от 1 до 32 клеток (&lt;kbd&gt;[&lt;/kbd&gt; и &lt;kbd&gt;]&lt;/kbd&gt;)</source>
        <translation>malt den gewählten Boden, rund oder eckig, 1 bis 32 Felder breit (&lt;kbd&gt;[&lt;/kbd&gt; und &lt;kbd&gt;]&lt;/kbd&gt;)</translation>
    </message>
    <message>
        <source>меняет всю связную область одной земли</source>
        <translation>ändert eine ganze zusammenhängende Fläche eines Bodens</translation>
    </message>
    <message>
        <source>поднимает из моря остров, который игра строит по номеру, в выбранном размере, и до щелчка видно, где он ляжет</source>
        <translation>hebt die Insel, die das Spiel aus einer Nummer baut, in der gewählten Größe aus dem Meer und zeigt vor dem Klick, wo sie liegen wird</translation>
    </message>
    <message>
        <source>переносит место высадки</source>
        <translation>verlegt den Landeplatz</translation>
    </message>
    <message>
        <source>пишет, меняет или убирает название на карте</source>
        <translation>schreibt, ändert oder entfernt eine Beschriftung auf der Karte</translation>
    </message>
    <message>
        <source>берет землю с клетки</source>
        <translation>nimmt den Boden eines Feldes auf</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Папка:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Имя файла:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Тип файлов:</source>
        <translation>Dateityp:</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Laden</translation>
    </message>
</context>
<context>
    <name>MenuHelp</name>
    <message>
        <source>новая игра на карте «01»</source>
        <translation>ein neues Spiel auf der Karte „01“</translation>
    </message>
    <message>
        <source>новая игра на другом острове: на карте из папки MAPS или на случайном острове по его номеру</source>
        <translation>ein neues Spiel auf einer anderen Insel: auf einer Karte aus dem Ordner MAPS oder auf einer zufälligen Insel nach ihrer Nummer</translation>
    </message>
    <message>
        <source>новая игра по сценарию: колония с целью, которую надо достичь к сроку; выбор сложности и лучший результат каждого сценария</source>
        <translation>ein neues Spiel nach einem Szenario: eine Kolonie mit einem Ziel, das bis zu einer Frist zu erreichen ist; die Wahl der Stufe und das beste Ergebnis jedes Szenarios</translation>
    </message>
    <message>
        <source>загрузить сохраненную игру</source>
        <translation>einen Spielstand laden</translation>
    </message>
    <message>
        <source>сохранить игру в ее файл; у новой игры файл спрашивается</source>
        <translation>das Spiel in seine Datei speichern; bei einem neuen Spiel wird nach der Datei gefragt</translation>
    </message>
    <message>
        <source>сохранить игру в другой файл</source>
        <translation>das Spiel in eine andere Datei speichern</translation>
    </message>
    <message>
        <source>отменить последнюю команду, которая изменила игру (до 100 команд)</source>
        <translation>den letzten Befehl zurücknehmen, der das Spiel verändert hat (bis zu 100 Befehle)</translation>
    </message>
    <message>
        <source>повторить отмененную команду</source>
        <translation>den zurückgenommenen Befehl wiederholen</translation>
    </message>
    <message>
        <source>выйти из игры</source>
        <translation>das Spiel beenden</translation>
    </message>
    <message>
        <source>карта без раскраски</source>
        <translation>die Karte ohne Einfärbung</translation>
    </message>
    <message>
        <source>строения раскрашены по работе: работает, строится, заблокировано, не его сезон, нет ресурсов, нет рабочих</source>
        <translation>Gebäude nach ihrer Arbeit eingefärbt: arbeitet, im Bau, blockiert, außer Saison, keine Waren, keine Arbeiter</translation>
    </message>
    <message>
        <source>улучшенная земля отмечена желтым</source>
        <translation>verbesserter Boden gelb markiert</translation>
    </message>
    <message>
        <source>включить или выключить звуки</source>
        <translation>Geräusche ein- oder ausschalten</translation>
    </message>
    <message>
        <source>включить или выключить музыку</source>
        <translation>Musik ein- oder ausschalten</translation>
    </message>
    <message>
        <source>полный экран или окно</source>
        <translation>Vollbild oder Fenster</translation>
    </message>
    <message>
        <source>окно статистики: графики и счет денег колонии</source>
        <translation>das Statistikfenster: Kurven und das Konto der Kolonie</translation>
    </message>
    <message>
        <source>окно целей сценария: что выполнено, что осталось и к какому сроку</source>
        <translation>das Fenster der Szenarioziele: was erfüllt ist, was noch fehlt und bis wann</translation>
    </message>
    <message>
        <source>журнал игры: все сообщения с датами, выбор вида и поиск; запись о клетке показывает ее на карте</source>
        <translation>das Tagebuch des Spiels: alle Nachrichten mit Datum, Auswahl nach Art und Suche; ein Eintrag zu einem Feld zeigt es auf der Karte</translation>
    </message>
    <message>
        <source>громкость звуков и музыки, автосохранение, вопрос перед закрытием игры, полный экран при запуске, язык игры</source>
        <translation>Lautstärke von Geräuschen und Musik, automatisches Speichern, die Frage vor dem Schließen, Vollbild beim Start, die Sprache des Spiels</translation>
    </message>
    <message>
        <source>эта помощь</source>
        <translation>diese Hilfe</translation>
    </message>
    <message>
        <source>название, версия и авторы игры</source>
        <translation>Name, Version und Autoren des Spiels</translation>
    </message>
    <message>
        <source>редактор островов: нарисовать свою землю, проверить ее, сохранить и начать на ней колонию</source>
        <translation>der Inseleditor: eigenes Land zeichnen, prüfen, speichern und darauf eine Kolonie gründen</translation>
    </message>
    <message>
        <source>карта крупнее, до двойного размера; так же колесо мыши от себя</source>
        <translation>die Karte größer, bis zur doppelten Größe; ebenso das Mausrad nach vorn</translation>
    </message>
    <message>
        <source>карта мельче, до всего острова на экране; так же колесо мыши к себе</source>
        <translation>die Karte kleiner, bis die ganze Insel auf dem Bildschirm ist; ebenso das Mausrad nach hinten</translation>
    </message>
    <message>
        <source>карта в своем обычном размере</source>
        <translation>die Karte in ihrer üblichen Größe</translation>
    </message>
    <message>
        <source>строения раскрашены по оставшемуся сроку службы: от темно-красного (до 60 дней) к желтому, чем дольше, тем светлее; вечные почти белые</source>
        <translation>Gebäude nach ihrer restlichen Lebensdauer eingefärbt: von Dunkelrot (bis 60 Tage) zu Gelb, je länger, desto heller; ewige fast weiß</translation>
    </message>
    <message>
        <source>до чего и как быстро играет кнопка «Играть дальше», и играть с этим сразу</source>
        <translation>wie weit und wie schnell der Knopf «Weiterspielen» spielt, und gleich so spielen</translation>
    </message>
    <message>
        <source>постоянные заказы: для каждого ресурса нижняя и верхняя граница; после каждого дня лишнее продается, недостающее покупается</source>
        <translation>Daueraufträge: für jede Ware eine Unter- und eine Obergrenze; nach jedem Tag wird der Überschuss verkauft und das Fehlende gekauft</translation>
    </message>
    <message>
        <source>советник: что скоро потребует внимания (деньги к налогу, товары, работа, жилье, здоровье); предупреждение показывает, о чем оно</source>
        <translation>der Berater: was bald Ihre Aufmerksamkeit braucht (Geld für die Steuer, Waren, Arbeit, Wohnraum, Gesundheit); eine Warnung zeigt, worum es geht</translation>
    </message>
    <message>
        <source>колония растет снова с первого дня на отдельной карте, со скоростью «Играть дальше»; ползунок ведет к любой дате, игра остается как есть</source>
        <translation>die Kolonie wächst noch einmal vom ersten Tag an auf einer eigenen Karte, im Tempo von «Weiterspielen»; der Regler führt zu jedem Datum, das Spiel bleibt, wie es ist</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>И&amp;гра</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>Н&amp;овая</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Новая на &amp;другом острове...</source>
        <translation>Neu auf &amp;anderer Insel...</translation>
    </message>
    <message>
        <source>Новая по &amp;сценарию...</source>
        <translation>Neues S&amp;zenario...</translation>
    </message>
    <message>
        <source>З&amp;агрузить</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Сохра&amp;нить</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Сохранить &amp;как...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Отм&amp;енить</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Повторить</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Обычный вид</source>
        <translation>&amp;Normale Ansicht</translation>
    </message>
    <message>
        <source>&amp;Износ</source>
        <translation>&amp;Verschleiß</translation>
    </message>
    <message>
        <source>&amp;Работа</source>
        <translation>&amp;Arbeit</translation>
    </message>
    <message>
        <source>&amp;Улучшенная земля</source>
        <translation>Verbesserter &amp;Boden</translation>
    </message>
    <message>
        <source>С&amp;ервис</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>З&amp;вук</source>
        <translation>&amp;Geräusche</translation>
    </message>
    <message>
        <source>М&amp;узыка</source>
        <translation>&amp;Musik</translation>
    </message>
    <message>
        <source>Полный экран</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>С&amp;татистика</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>Ц&amp;ели</source>
        <translation>&amp;Ziele</translation>
    </message>
    <message>
        <source>&amp;Журнал</source>
        <translation>&amp;Tagebuch</translation>
    </message>
    <message>
        <source>П&amp;араметры...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>П&amp;омощь</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>О &amp;программе...</source>
        <translation>Ü&amp;ber das Spiel...</translation>
    </message>
    <message>
        <source>Редактор &amp;островов...</source>
        <translation>&amp;Inseleditor...</translation>
    </message>
    <message>
        <source>&amp;Крупнее</source>
        <translation>&amp;Größer</translation>
    </message>
    <message>
        <source>&amp;Мельче</source>
        <translation>&amp;Kleiner</translation>
    </message>
    <message>
        <source>&amp;Настоящий размер</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Играть дальше...</source>
        <translation>Wei&amp;terspielen...</translation>
    </message>
    <message>
        <source>&amp;Заказы на рынке...</source>
        <translation>Dauer&amp;aufträge...</translation>
    </message>
    <message>
        <source>&amp;Советник</source>
        <translation>&amp;Berater</translation>
    </message>
    <message>
        <source>&amp;Повтор игры...</source>
        <translation>&amp;Wiederholung...</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>янв</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>фев</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>мар</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>апр</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>май</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>июн</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>июл</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>авг</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>сен</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>окт</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>ноя</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>дек</source>
        <translation>Dez</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>до 60 дней</source>
        <translation>bis 60 Tage</translation>
    </message>
    <message>
        <source>до года</source>
        <translation>bis 1 Jahr</translation>
    </message>
    <message>
        <source>до 5 лет</source>
        <translation>bis 5 Jahre</translation>
    </message>
    <message>
        <source>больше 5 лет</source>
        <translation>über 5 Jahre</translation>
    </message>
    <message>
        <source>вечно</source>
        <translation>ewig</translation>
    </message>
    <message>
        <source>работает</source>
        <translation>arbeitet</translation>
    </message>
    <message>
        <source>строится</source>
        <translation>im Bau</translation>
    </message>
    <message>
        <source>заблокировано</source>
        <translation>blockiert</translation>
    </message>
    <message>
        <source>не его сезон</source>
        <translation>außer Saison</translation>
    </message>
    <message>
        <source>нет ресурсов</source>
        <translation>keine Waren</translation>
    </message>
    <message>
        <source>нет рабочих</source>
        <translation>keine Arbeiter</translation>
    </message>
    <message>
        <source>улучшенная земля</source>
        <translation>verbesserter Boden</translation>
    </message>
</context>
<context>
    <name>PlayOn</name>
    <message>
        <source>Игра идёт. Любая клавиша или щелчок останавливают её.</source>
        <translation>Das Spiel läuft. Jede Taste oder jeder Klick hält es an.</translation>
    </message>
    <message>
        <source>Как можно быстрее</source>
        <translation>So schnell wie möglich</translation>
    </message>
    <message numerus="yes">
        <source>%n дней в секунду</source>
        <translation>
            <numerusform>%n Tag pro Sekunde</numerusform>
            <numerusform>%n Tage pro Sekunde</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Карта</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Строка статуса</source>
        <translation>Statuszeile</translation>
    </message>
    <message>
        <source>Обзорная карта</source>
        <translation>Übersichtskarte</translation>
    </message>
    <message>
        <source>Здоровье</source>
        <translation>Gesundheit</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>О программе</source>
        <translation>Über das Spiel</translation>
    </message>
    <message>
        <source>Тарвения</source>
        <translation>Tarvenia</translation>
    </message>
    <message>
        <source>Экономическая стратегия: колония на острове, с %1 года, день за днём.</source>
        <translation>Ein Wirtschaftsspiel: eine Kolonie auf einer Insel, ab %1, Tag für Tag.</translation>
    </message>
    <message>
        <source>Авторы: команда разработчиков «Тарвении».</source>
        <translation>Autoren: die Entwickler von „Tarvenia“.</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>TAdvisorForm</name>
    <message>
        <source>Советник</source>
        <translation>Berater</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Останавливать игру при новом предупреждении</source>
        <translation>Spiel bei einer neuen Warnung anhalten</translation>
    </message>
    <message>
        <source>Двойной щелчок или Enter: показать</source>
        <translation>Doppelklick oder Enter: zeigen</translation>
    </message>
    <message>
        <source>Предупреждений нет.</source>
        <translation>Keine Warnungen.</translation>
    </message>
    <message>
        <source>Деньги взвешены прогнозом от %1 до следующего налога.</source>
        <translation>Das Geld ist an der Prognose vom %1 bis zur nächsten Steuer gemessen.</translation>
    </message>
    <message>
        <source>Прогноз денег до следующего налога еще считается.</source>
        <translation>Die Geldprognose bis zur nächsten Steuer wird noch berechnet.</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Тарвения</source>
        <translation>Tarvenia</translation>
    </message>
    <message>
        <source>Неизвестная ошибка</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>TGameDialog</name>
    <message>
        <source>Отмена</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TGoalsForm</name>
    <message>
        <source>Цели</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>Дополнительные цели</source>
        <translation>Weitere Ziele</translation>
    </message>
    <message>
        <source>Чего не допустить</source>
        <translation>Zu vermeiden</translation>
    </message>
    <message>
        <source>открыта</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>миновала</source>
        <translation>abgewendet</translation>
    </message>
    <message>
        <source>выполнена</source>
        <translation>erfüllt</translation>
    </message>
    <message>
        <source>случилась</source>
        <translation>eingetreten</translation>
    </message>
    <message>
        <source>провалена</source>
        <translation>verfehlt</translation>
    </message>
    <message>
        <source>идёт</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>выигран</source>
        <translation>gewonnen</translation>
    </message>
    <message>
        <source>проигран</source>
        <translation>verloren</translation>
    </message>
    <message>
        <source>с </source>
        <translation>ab </translation>
    </message>
    <message>
        <source>до </source>
        <translation>bis </translation>
    </message>
    <message>
        <source>без срока</source>
        <translation>ohne Frist</translation>
    </message>
    <message>
        <source>дни подряд: %1 из %2</source>
        <translation>Tage in Folge: %1 von %2</translation>
    </message>
    <message>
        <source>%1; беда: %2</source>
        <translation>%1; Gefahr: %2</translation>
    </message>
    <message>
        <source>%1 из %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1; нужно %2</source>
        <translation>%1; nötig: %2</translation>
    </message>
    <message>
        <source>меньше</source>
        <translation>weniger als</translation>
    </message>
    <message>
        <source>не больше</source>
        <translation>höchstens</translation>
    </message>
    <message>
        <source>ровно</source>
        <translation>genau</translation>
    </message>
    <message>
        <source>не меньше</source>
        <translation>mindestens</translation>
    </message>
    <message>
        <source>больше</source>
        <translation>mehr als</translation>
    </message>
    <message>
        <source>Свободная игра: целей нет</source>
        <translation>Freies Spiel: keine Ziele</translation>
    </message>
    <message>
        <source>Сложность: %1. Сценарий %2.
Выполнено обязательных целей: %3 из %4</source>
        <translation>Stufe: %1. Szenario %2.
Pflichtziele erfüllt: %3 von %4</translation>
    </message>
    <message>
        <source>не случилась</source>
        <translation>ist nicht eingetreten</translation>
    </message>
</context>
<context>
    <name>THelloForm</name>
    <message>
        <source>Тарвения</source>
        <translation>Tarvenia</translation>
    </message>
    <message>
        <source>Начать новую игру</source>
        <translation>Neues Spiel beginnen</translation>
    </message>
    <message>
        <source>Загрузить сохранение</source>
        <translation>Spielstand laden</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>колония за морем, 1890 год</source>
        <translation>eine Kolonie in Übersee, 1890</translation>
    </message>
    <message>
        <source>Обучение</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Сценарии</source>
        <translation>Szenarien</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Тарвения - помощь</source>
        <translation>Tarvenia - Hilfe</translation>
    </message>
    <message>
        <source>Файл помощи не найден: %1</source>
        <translation>Hilfedatei nicht gefunden: %1</translation>
    </message>
</context>
<context>
    <name>TInfoForm</name>
    <message>
        <source>Сообщение</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TIslandEditorForm</name>
    <message>
        <source>&amp;Кисть</source>
        <translation>&amp;Pinsel</translation>
    </message>
    <message>
        <source>Рисовать выбранную землю кистью</source>
        <translation>Den gewählten Boden mit dem Pinsel malen</translation>
    </message>
    <message>
        <source>&amp;Заливка</source>
        <translation>&amp;Füllen</translation>
    </message>
    <message>
        <source>Залить выбранной землей связную область</source>
        <translation>Eine zusammenhängende Fläche mit dem gewählten Boden füllen</translation>
    </message>
    <message>
        <source>&amp;Остров</source>
        <translation>&amp;Insel</translation>
    </message>
    <message>
        <source>Поднять из моря остров по его номеру</source>
        <translation>Eine Insel nach ihrer Nummer aus dem Meer heben</translation>
    </message>
    <message>
        <source>&amp;Начало</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Перенести клетку, где начнется колония</source>
        <translation>Das Feld versetzen, auf dem die Kolonie beginnt</translation>
    </message>
    <message>
        <source>Н&amp;адпись</source>
        <translation>&amp;Beschriftung</translation>
    </message>
    <message>
        <source>Написать, изменить или убрать название на карте</source>
        <translation>Eine Beschriftung der Karte schreiben, ändern oder entfernen</translation>
    </message>
    <message>
        <source>&amp;Пипетка</source>
        <translation>Pip&amp;ette</translation>
    </message>
    <message>
        <source>Взять землю с клетки карты</source>
        <translation>Den Boden eines Kartenfeldes aufnehmen</translation>
    </message>
    <message>
        <source>Остров</source>
        <translation>Insel</translation>
    </message>
    <message>
        <source>Место</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Вода</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Надпись на карте</source>
        <translation>Beschriftung der Karte</translation>
    </message>
    <message>
        <source>Название:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Шрифт:</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>Убрать</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Новый остров</source>
        <translation>Neue Insel</translation>
    </message>
    <message>
        <source>&amp;Карта</source>
        <translation>&amp;Karte</translation>
    </message>
    <message>
        <source>&amp;Новая...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>&amp;Открыть файл...</source>
        <translation>Datei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Сохранить &amp;черновик</source>
        <translation>Als &amp;Entwurf speichern</translation>
    </message>
    <message>
        <source>&amp;Играть</source>
        <translation>Sp&amp;ielen</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Инструменты</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>Кисть &amp;больше</source>
        <translation>Pinsel &amp;größer</translation>
    </message>
    <message>
        <source>Кисть &amp;меньше</source>
        <translation>Pinsel &amp;kleiner</translation>
    </message>
    <message>
        <source>Имя карты:</source>
        <translation>Kartenname:</translation>
    </message>
    <message>
        <source>Инструмент</source>
        <translation>Werkzeug</translation>
    </message>
    <message>
        <source>Земля</source>
        <translation>Boden</translation>
    </message>
    <message>
        <source>Берег ложится сам там, где земля встречает море.</source>
        <translation>Die Küste entsteht von selbst, wo Land an das Meer stößt.</translation>
    </message>
    <message>
        <source>Кисть</source>
        <translation>Pinsel</translation>
    </message>
    <message>
        <source>Круглая</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>Квадратная</source>
        <translation>Quadratisch</translation>
    </message>
    <message>
        <source>Форма:</source>
        <translation>Form:</translation>
    </message>
    <message>
        <source>Размер:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Номер:</source>
        <translation>Nummer:</translation>
    </message>
    <message>
        <source>Проверка:</source>
        <translation>Prüfung:</translation>
    </message>
    <message>
        <source>Сохранить изменения карты «%1»?</source>
        <translation>Änderungen an der Karte „%1“ speichern?</translation>
    </message>
    <message>
        <source>Открыть карту</source>
        <translation>Karte öffnen</translation>
    </message>
    <message>
        <source>Карты (*.LTS *.lts)</source>
        <translation>Karten (*.LTS *.lts)</translation>
    </message>
    <message>
        <source>«%1» не годится в имя карты: нужно от 1 до 40 букв, без знаков / \ : * ? &quot; &lt; &gt; |.</source>
        <translation>„%1“ taugt nicht als Kartenname: nötig sind 1 bis 40 Zeichen, ohne / \ : * ? &quot; &lt; &gt; |.</translation>
    </message>
    <message>
        <source>Карта сохранена: %1</source>
        <translation>Karte gespeichert: %1</translation>
    </message>
    <message>
        <source>На карте есть ошибки, играть на ней нельзя. Сохранить ее как черновик?</source>
        <translation>Die Karte hat Fehler, auf ihr kann man nicht spielen. Als Entwurf speichern?</translation>
    </message>
    <message>
        <source>Карта «%1» уже есть в игре. Дайте своей карте другое имя.</source>
        <translation>Die Karte „%1“ gibt es im Spiel schon. Geben Sie Ihrer Karte einen anderen Namen.</translation>
    </message>
    <message>
        <source>Редактор островов — %1%2</source>
        <translation>Inseleditor — %1%2</translation>
    </message>
    <message>
        <source>Карта готова к игре.</source>
        <translation>Die Karte ist spielbereit.</translation>
    </message>
    <message>
        <source>Клетка %1, %2: %3</source>
        <translation>Feld %1, %2: %3</translation>
    </message>
    <message>
        <source>Нет номера</source>
        <translation>Keine Nummer</translation>
    </message>
    <message>
        <source>Карта «%1» уже есть. Заменить ее?</source>
        <translation>Die Karte „%1“ gibt es schon. Ersetzen?</translation>
    </message>
    <message>
        <source>кисть</source>
        <translation>Pinsel</translation>
    </message>
    <message>
        <source>заливка</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>начало</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>остров</source>
        <translation>Insel</translation>
    </message>
    <message>
        <source>надпись</source>
        <translation>Beschriftung</translation>
    </message>
</context>
<context>
    <name>TJournalForm</name>
    <message>
        <source>Двойной щелчок или Enter: показать на карте</source>
        <translation>Doppelklick oder Enter: auf der Karte zeigen</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Запись</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation>Tagebuch</translation>
    </message>
    <message>
        <source>Все записи</source>
        <translation>Alle Einträge</translation>
    </message>
    <message>
        <source>слова из текста</source>
        <translation>Wörter aus dem Text</translation>
    </message>
    <message>
        <source>Показать:</source>
        <translation>Zeigen:</translation>
    </message>
    <message>
        <source>Найти:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Записей: %1 из %2</source>
        <translation>Einträge: %1 von %2</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Да</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Тарвения</source>
        <translation>Tarvenia</translation>
    </message>
    <message>
        <source>В файле %1 нет ни одного типа строений.</source>
        <translation>Die Datei %1 enthält keine einzige Gebäudeart.</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Строка статуса</source>
        <translation>Statuszeile</translation>
    </message>
    <message>
        <source>Получить новейшую версию</source>
        <translation>Die neueste Version holen</translation>
    </message>
    <message>
        <source>Деньги</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Количество людей</source>
        <translation>Anzahl der Siedler</translation>
    </message>
    <message>
        <source>Жилье</source>
        <translation>Wohnungen</translation>
    </message>
    <message>
        <source>Рабочие места</source>
        <translation>Arbeitsplätze</translation>
    </message>
    <message>
        <source>Количество рабочих мест</source>
        <translation>Anzahl der Arbeitsplätze</translation>
    </message>
    <message>
        <source>Не работают</source>
        <translation>Ohne Arbeit</translation>
    </message>
    <message>
        <source>Количество незанятых людей</source>
        <translation>Anzahl der Siedler ohne Arbeit</translation>
    </message>
    <message>
        <source>Игра загружена</source>
        <translation>Spiel geladen</translation>
    </message>
    <message>
        <source>Сохранить игру</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Сохранённые игры (*.dat)</source>
        <translation>Spielstände (*.dat)</translation>
    </message>
    <message>
        <source>Настройки не сохранятся: файл %1 не записывается</source>
        <translation>Die Einstellungen bleiben nicht erhalten: Datei %1 ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>Среднее здоровье населения - %1 из %2</source>
        <translation>Mittlere Gesundheit der Siedler - %1 von %2</translation>
    </message>
    <message>
        <source>Обучение, шаг %1 из %2
%3</source>
        <translation>Einführung, Schritt %1 von %2
%3</translation>
    </message>
    <message>
        <source>Рекорд не сохранится: файл %1 не записывается</source>
        <translation>Der Rekord bleibt nicht erhalten: Datei %1 ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>Сохранить текущую игру?</source>
        <translation>Das laufende Spiel speichern?</translation>
    </message>
    <message>
        <source>продано на %1</source>
        <translation>verkauft für %1</translation>
    </message>
    <message>
        <source>куплено на %1</source>
        <translation>gekauft für %1</translation>
    </message>
    <message>
        <source>По заказам: %1.</source>
        <translation>Per Dauerauftrag: %1.</translation>
    </message>
    <message>
        <source>Советник: что скоро потребует внимания. Щелчок открывает его</source>
        <translation>Berater: was bald Ihre Aufmerksamkeit braucht. Ein Klick öffnet ihn</translation>
    </message>
    <message>
        <source>Советник</source>
        <translation>Berater</translation>
    </message>
    <message>
        <source>Советов нет</source>
        <translation>Keine Warnungen</translation>
    </message>
    <message>
        <source>Советов: %1</source>
        <translation>Warnungen: %1</translation>
    </message>
    <message>
        <source>В прошлый раз игра прервалась из-за сбоя. Загрузить колонию, какой она была перед сбоем?

Чтобы сообщить о сбое, приложите к письму два файла:
%1
%2</source>
        <translation>Beim letzten Mal brach das Spiel wegen eines Absturzes ab. Die Kolonie laden, wie sie vor dem Absturz war?

Um den Absturz zu melden, hängen Sie diese zwei Dateien an Ihre Nachricht an:
%1
%2</translation>
    </message>
</context>
<context>
    <name>TMarketForm</name>
    <message>
        <source>Цена</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Количество</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Сумма</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Все</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Заказы...</source>
        <translation>Aufträge...</translation>
    </message>
    <message>
        <source>Постоянные заказы: после каждого дня лишнее продается, недостающее покупается</source>
        <translation>Daueraufträge: nach jedem Tag wird der Überschuss verkauft und das Fehlende gekauft</translation>
    </message>
</context>
<context>
    <name>TNalogForm</name>
    <message>
        <source>Да</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Налоги</source>
        <translation>Steuern</translation>
    </message>
    <message>
        <source>Сегодня следует уплатить налоги за прошедший год:</source>
        <translation>Heute sind die Steuern für das vergangene Jahr fällig:</translation>
    </message>
    <message>
        <source>На землю</source>
        <translation>Auf Grund und Boden</translation>
    </message>
    <message>
        <source>На покупку ресурсов</source>
        <translation>Auf gekaufte Waren</translation>
    </message>
    <message>
        <source>На продажу ресурсов</source>
        <translation>Auf verkaufte Waren</translation>
    </message>
    <message>
        <source>В экологический фонд</source>
        <translation>An den Umweltfonds</translation>
    </message>
    <message>
        <source>В различные социальные фонды</source>
        <translation>An verschiedene Sozialkassen</translation>
    </message>
    <message>
        <source>На пользование природными ресурсами</source>
        <translation>Für die Nutzung der Bodenschätze</translation>
    </message>
    <message>
        <source>Итого</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Вы готовы уплатить налоги прямо сейчас?</source>
        <translation>Wollen Sie die Steuern jetzt gleich bezahlen?</translation>
    </message>
    <message>
        <source>Откажетесь — сценарий будет проигран.</source>
        <translation>Wenn Sie ablehnen, ist das Szenario verloren.</translation>
    </message>
</context>
<context>
    <name>TNalogMainForm</name>
    <message>
        <source>Главный налог</source>
        <translation>Hauptsteuer</translation>
    </message>
    <message>
        <source>Сегодня следует уплатить Главный налог. Налог выплачивается каждые 10 лет. На сегодня сумма налога составляет:</source>
        <translation>Heute ist die Hauptsteuer fällig. Sie wird alle 10 Jahre gezahlt. Heute beträgt sie:</translation>
    </message>
    <message>
        <source>Вы готовы уплатить Главный налог прямо сейчас?</source>
        <translation>Wollen Sie die Hauptsteuer jetzt gleich bezahlen?</translation>
    </message>
</context>
<context>
    <name>TNewIslandForm</name>
    <message>
        <source>Новая игра</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Где начать колонию:</source>
        <translation>Ort der Kolonie:</translation>
    </message>
    <message>
        <source>Карта «%1»</source>
        <translation>Karte „%1“</translation>
    </message>
    <message>
        <source>Случайный остров</source>
        <translation>Zufällige Insel</translation>
    </message>
    <message>
        <source>Номер острова:</source>
        <translation>Inselnummer:</translation>
    </message>
    <message>
        <source>Начать</source>
        <translation>Beginnen</translation>
    </message>
    <message>
        <source>Эту карту не удаётся прочитать.</source>
        <translation>Diese Karte lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>Введите номер острова от 0 до %1.</source>
        <translation>Geben Sie eine Inselnummer von 0 bis %1 ein.</translation>
    </message>
    <message>
        <source>Новая карта</source>
        <translation>Neue Karte</translation>
    </message>
    <message>
        <source>С чего начать карту:</source>
        <translation>Die Karte beginnt mit:</translation>
    </message>
    <message>
        <source>Пустое море</source>
        <translation>Leeres Meer</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>TOrdersForm</name>
    <message>
        <source>Заказы на рынке</source>
        <translation>Daueraufträge</translation>
    </message>
    <message>
        <source>После каждого дня лишнее сверх верхней границы продается, недостающее до нижней покупается по ценам рынка.</source>
        <translation>Nach jedem Tag wird der Bestand über der Obergrenze verkauft und das Fehlende unter der Untergrenze gekauft, zu den Preisen des Markts.</translation>
    </message>
    <message>
        <source>Есть</source>
        <translation>Vorrat</translation>
    </message>
    <message>
        <source>Не меньше</source>
        <translation>Mindestens</translation>
    </message>
    <message>
        <source>Не больше</source>
        <translation>Höchstens</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TPlayOnForm</name>
    <message>
        <source>Играть дальше</source>
        <translation>Weiterspielen</translation>
    </message>
    <message>
        <source>Играть день за днём:</source>
        <translation>Tag für Tag spielen:</translation>
    </message>
    <message>
        <source>Скорость:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Игра остановится и раньше: налог, цель, сообщение в окне. Любая клавиша или щелчок тоже останавливают её.</source>
        <translation>Das Spiel hält auch früher an: eine Steuer, ein Ziel, eine Meldung im Fenster. Jede Taste oder jeder Klick hält es ebenfalls an.</translation>
    </message>
    <message>
        <source>Играть</source>
        <translation>Spielen</translation>
    </message>
</context>
<context>
    <name>TReplayForm</name>
    <message>
        <source>Повтор игры</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Смотреть</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Деньги: %1   Люди: %2</source>
        <translation>Geld: %1   Siedler: %2</translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation>Tempo</translation>
    </message>
</context>
<context>
    <name>TScenarioEndForm</name>
    <message>
        <source>Причина: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>Не выполнена цель: %1</source>
        <translation>Ziel nicht erfüllt: %1</translation>
    </message>
    <message>
        <source>Сценарий «%1» проигран.</source>
        <translation>Szenario „%1“ verloren.</translation>
    </message>
    <message>
        <source>Сценарий «%1» выполнен!</source>
        <translation>Szenario „%1“ gewonnen!</translation>
    </message>
    <message>
        <source>Это ваш новый рекорд.</source>
        <translation>Das ist Ihr neuer Rekord.</translation>
    </message>
    <message>
        <source>Сценарий выполнен</source>
        <translation>Szenario gewonnen</translation>
    </message>
    <message>
        <source>Сценарий проигран</source>
        <translation>Szenario verloren</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TScenarioForm</name>
    <message>
        <source>Новая игра по сценарию</source>
        <translation>Neues Spiel nach Szenario</translation>
    </message>
    <message>
        <source>Сценарии:</source>
        <translation>Szenarien:</translation>
    </message>
    <message>
        <source>%1 (не читается)</source>
        <translation>%1 (unlesbar)</translation>
    </message>
    <message>
        <source>Сложность:</source>
        <translation>Stufe:</translation>
    </message>
    <message>
        <source>Начать</source>
        <translation>Beginnen</translation>
    </message>
    <message>
        <source>Сценариев нет.</source>
        <translation>Keine Szenarien.</translation>
    </message>
    <message>
        <source>Этот сценарий не удаётся прочитать.</source>
        <translation>Dieses Szenario lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>Сложность: %1</source>
        <translation>Stufe: %1</translation>
    </message>
    <message>
        <source>, другой нет</source>
        <translation>, keine andere</translation>
    </message>
    <message>
        <source>Эту карту не удаётся прочитать.</source>
        <translation>Diese Karte lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>Лучший результат:
%1
%2</source>
        <translation>Bestes Ergebnis:
%1
%2</translation>
    </message>
    <message>
        <source>На этой сложности ещё не пройден.</source>
        <translation>Auf dieser Stufe noch nicht gewonnen.</translation>
    </message>
</context>
<context>
    <name>TSeasonForm</name>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TSettingsForm</name>
    <message>
        <source>Громкость</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Geräusche</translation>
    </message>
    <message>
        <source>Музыка</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Сохранять игру в начале каждого месяца</source>
        <translation>Das Spiel zu Beginn jedes Monats speichern</translation>
    </message>
    <message>
        <source>Предлагать сохранить игру, прежде чем её закрыть</source>
        <translation>Vor dem Schließen anbieten, das Spiel zu speichern</translation>
    </message>
    <message>
        <source>Полный экран при запуске</source>
        <translation>Vollbild beim Start</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Системный</source>
        <translation>Wie im System</translation>
    </message>
    <message>
        <source>Язык сменится при следующем запуске игры.</source>
        <translation>Die Sprache wechselt beim nächsten Spielstart.</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Без окна, строкой внизу:</source>
        <translation>Ohne Fenster, als Zeile unten:</translation>
    </message>
</context>
<context>
    <name>TSoundPlayer</name>
    <message>
        <source>Нет звука «%1».</source>
        <translation>Geräusch „%1“ fehlt.</translation>
    </message>
    <message>
        <source>Звук «%1» не читается.</source>
        <translation>Geräusch „%1“ lässt sich nicht lesen.</translation>
    </message>
</context>
<context>
    <name>TStatisticsForm</name>
    <message>
        <source>Деньги</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>деньги</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Люди</source>
        <translation>Siedler</translation>
    </message>
    <message>
        <source>человек</source>
        <translation>Siedler</translation>
    </message>
    <message>
        <source>Здоровье</source>
        <translation>Gesundheit</translation>
    </message>
    <message>
        <source>здоровье, из %1</source>
        <translation>Gesundheit, von %1</translation>
    </message>
    <message>
        <source>Ниже %1 рождений нет</source>
        <translation>Unter %1 keine Geburten</translation>
    </message>
    <message>
        <source>Товары</source>
        <translation>Waren</translation>
    </message>
    <message>
        <source>штук</source>
        <translation>Stück</translation>
    </message>
    <message>
        <source>Торговля</source>
        <translation>Handel</translation>
    </message>
    <message>
        <source>деньги за месяц</source>
        <translation>Geld im Monat</translation>
    </message>
    <message>
        <source>Продано за месяц</source>
        <translation>Im Monat verkauft</translation>
    </message>
    <message>
        <source>Продано</source>
        <translation>Verkauft</translation>
    </message>
    <message>
        <source>Куплено за месяц</source>
        <translation>Im Monat gekauft</translation>
    </message>
    <message>
        <source>Куплено</source>
        <translation>Gekauft</translation>
    </message>
    <message>
        <source>Счёт</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>П&amp;рогноз</source>
        <translation>&amp;Prognose</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Последний год</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>Последние 10 лет</source>
        <translation>Letzte 10 Jahre</translation>
    </message>
    <message>
        <source>Вся история</source>
        <translation>Ganzer Verlauf</translation>
    </message>
    <message>
        <source>История в CSV...</source>
        <translation>Verlauf als CSV...</translation>
    </message>
    <message>
        <source>Счёт в CSV...</source>
        <translation>Konto als CSV...</translation>
    </message>
    <message>
        <source>Период:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>месяц</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>дата</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Беда: %1</source>
        <translation>Gefahr: %1</translation>
    </message>
    <message>
        <source>Цель: %1</source>
        <translation>Ziel: %1</translation>
    </message>
    <message>
        <source>До ежегодного налога</source>
        <translation>Bis zur Jahressteuer</translation>
    </message>
    <message>
        <source>До Главного налога</source>
        <translation>Bis zur Hauptsteuer</translation>
    </message>
    <message>
        <source>30 дней</source>
        <translation>30 Tage</translation>
    </message>
    <message>
        <source>365 дней</source>
        <translation>365 Tage</translation>
    </message>
    <message>
        <source>Срок:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>Считается…</source>
        <translation>Wird berechnet…</translation>
    </message>
    <message>
        <source>Исходов: %1, от %2. Линия - середина исходов, полоса - 8 исходов из 10.</source>
        <translation>Ausgänge: %1, ab %2. Die Linie ist der mittlere Ausgang, das Band 8 von 10 Ausgängen.</translation>
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
        <source>Всего доходов</source>
        <translation>Einnahmen gesamt</translation>
    </message>
    <message>
        <source>Всего расходов</source>
        <translation>Ausgaben gesamt</translation>
    </message>
    <message>
        <source>На конец года</source>
        <translation>Am Jahresende</translation>
    </message>
    <message>
        <source>Всего</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Сохранить счёт</source>
        <translation>Konto speichern</translation>
    </message>
    <message>
        <source>Сохранить историю</source>
        <translation>Verlauf speichern</translation>
    </message>
    <message>
        <source>Таблицы CSV (*.csv)</source>
        <translation>CSV-Tabellen (*.csv)</translation>
    </message>
    <message>
        <source>Счёт.csv</source>
        <translation>Konto.csv</translation>
    </message>
    <message>
        <source>История.csv</source>
        <translation>Verlauf.csv</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл %1: %2.</source>
        <translation>Die Datei %1 ließ sich nicht speichern: %2.</translation>
    </message>
</context>
<context>
    <name>TZoomBadge</name>
    <message>
        <source>Настоящий размер: Ctrl+0</source>
        <translation>Originalgröße: Strg+0</translation>
    </message>
    <message>
        <source>Масштаб %1 %</source>
        <translation>Maßstab %1 %</translation>
    </message>
</context>
</TS>
