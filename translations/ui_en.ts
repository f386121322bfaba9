<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>EditorToolHelp</name>
    <message>
        <source>рисует выбранную землю, круглая или квадратная, от 1 до 32 клеток (&lt;kbd&gt;[&lt;/kbd&gt; и &lt;kbd&gt;]&lt;/kbd&gt;)</source>
        <translation>paints the chosen ground, round or square, 1 to 32 cells across (&lt;kbd&gt;[&lt;/kbd&gt; and &lt;kbd&gt;]&lt;/kbd&gt;)</translation>
    </message>
    <message>
        <source>меняет всю связную область одной земли</source>
        <translation>changes a whole connected area of one ground</translation>
    </message>
    <message>
        <source>поднимает из моря остров, который игра строит по номеру, в выбранном размере, и до щелчка видно, где он ляжет</source>
        <translation>raises out of the sea the island the game makes from a number, at the size chosen, and shows where it will lie before the click</translation>
    </message>
    <message>
        <source>переносит место высадки</source>
        <translation>moves the landing place</translation>
    </message>
    <message>
        <source>пишет, меняет или убирает название на карте</source>
        <translation>writes, changes or removes a name on the map</translation>
    </message>
    <message>
        <source>берет землю с клетки</source>
        <translation>takes the ground of a cell</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Папка:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Имя файла:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Тип файлов:</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
</context>
<context>
    <name>MenuHelp</name>
    <message>
        <source>новая игра на карте «01»</source>
        <translation>a new game on the map «01»</translation>
    </message>
    <message>
        <source>новая игра на другом острове: на карте из папки MAPS или на случайном острове по его номеру</source>
        <translation>a new game on another island: on a map of the MAPS folder or on a random island by its number</translation>
    </message>
    <message>
        <source>новая игра по сценарию: колония с целью, которую надо достичь к сроку; выбор сложности и лучший результат каждого сценария</source>
        <translation>a new game from a scenario: a colony with an aim to reach by a date; the choice of level and each scenario&apos;s best result</translation>
    </message>
    <message>
        <source>загрузить сохраненную игру</source>
        <translation>load a saved game</translation>
    </message>
    <message>
        <source>сохранить игру в ее файл; у новой игры файл спрашивается</source>
        <translation>save the game to its file; a new game asks for a file</translation>
    </message>
    <message>
        <source>сохранить игру в другой файл</source>
        <translation>save the game to another file</translation>
    </message>
    <message>
        <source>отменить последнюю команду, которая изменила игру (до 100 команд)</source>
        <translation>undo the last command that changed the game (up to 100 commands)</translation>
    </message>
    <message>
        <source>повторить отмененную команду</source>
        <translation>redo the undone command</translation>
    </message>
    <message>
        <source>выйти из игры</source>
        <translation>quit the game</translation>
    </message>
    <message>
        <source>карта без раскраски</source>
        <translation>the map without tints</translation>
    </message>
    <message>
        <source>строения раскрашены по работе: работает, строится, заблокировано, не его сезон, нет ресурсов, нет рабочих</source>
        <translation>buildings tinted by their work: working, being built, blocked, out of season, no goods, no workers</translation>
    </message>
    <message>
        <source>улучшенная земля отмечена желтым</source>
        <translation>improved land marked yellow</translation>
    </message>
    <message>
        <source>включить или выключить звуки</source>
        <translation>turn sounds on or off</translation>
    </message>
    <message>
        <source>включить или выключить музыку</source>
        <translation>turn music on or off</translation>
    </message>
    <message>
        <source>полный экран или окно</source>
        <translation>full screen or a window</translation>
    </message>
    <message>
        <source>окно статистики: графики и счет денег колонии</source>
        <translation>the statistics window: charts and the colony&apos;s account</translation>
    </message>
    <message>
        <source>окно целей сценария: что выполнено, что осталось и к какому сроку</source>
        <translation>the scenario&apos;s goals window: what is done, what is left and by when</translation>
    </message>
    <message>
        <source>журнал игры: все сообщения с датами, выбор вида и поиск; запись о клетке показывает ее на карте</source>
        <translation>the game&apos;s journal: every message with its date, a choice of kind and a search; an entry about a cell shows it on the map</translation>
    </message>
    <message>
        <source>громкость звуков и музыки, автосохранение, вопрос перед закрытием игры, полный экран при запуске, язык игры</source>
        <translation>the volume of sounds and music, autosave, the question before closing the game, full screen at start, the game&apos;s language</translation>
    </message>
    <message>
        <source>эта помощь</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>название, версия и авторы игры</source>
        <translation>the game&apos;s name, version and authors</translation>
    </message>
    <message>
        <source>редактор островов: нарисовать свою землю, проверить ее, сохранить и начать на ней колонию</source>
        <translation>island editor: paint a land of your own, check it, save it and found a colony on it</translation>
    </message>
    <message>
        <source>карта крупнее, до двойного размера; так же колесо мыши от себя</source>
        <translation>the map larger, up to twice its size; the mouse wheel turned away does the same</translation>
    </message>
    <message>
        <source>карта мельче, до всего острова на экране; так же колесо мыши к себе</source>
        <translation>the map smaller, down to the whole island on the screen; the mouse wheel turned back does the same</translation>
    </message>
    <message>
        <source>карта в своем обычном размере</source>
        <translation>the map at its usual size</translation>
    </message>
    <message>
        <source>строения раскрашены по оставшемуся сроку службы: от темно-красного (до 60 дней) к желтому, чем дольше, тем светлее; вечные почти белые</source>
        <translation>buildings tinted by the service life left: from dark red (up to 60 days) to yellow, lighter the longer; everlasting ones nearly white</translation>
    </message>
    <message>
        <source>до чего и как быстро играет кнопка «Играть дальше», и играть с этим сразу</source>
        <translation>how far and how fast the «Play on» button plays, and play so at once</translation>
    </message>
    <message>
        <source>постоянные заказы: для каждого ресурса нижняя и верхняя граница; после каждого дня лишнее продается, недостающее покупается</source>
        <translation>standing orders: a floor and a ceiling for each good; after each day the surplus is sold and what is missing is bought</translation>
    </message>
    <message>
        <source>советник: что скоро потребует внимания (деньги к налогу, товары, работа, жилье, здоровье); предупреждение показывает, о чем оно</source>
        <translation>the advisor: what will soon need you (money for the tax, goods, work, homes, health); a warning shows what it is about</translation>
    </message>
    <message>
        <source>колония растет снова с первого дня на отдельной карте, со скоростью «Играть дальше»; ползунок ведет к любой дате, игра остается как есть</source>
        <translation>the colony grows again from its first day on a map of its own, at the speed of «Play on»; the slider goes to any date, the game stays as it is</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>И&amp;гра</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>Н&amp;овая</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Новая на &amp;другом острове...</source>
        <translation>New on an&amp;other island...</translation>
    </message>
    <message>
        <source>Новая по &amp;сценарию...</source>
        <translation>New s&amp;cenario...</translation>
    </message>
    <message>
        <source>З&amp;агрузить</source>
        <translation>&amp;Load</translation>
    </message>
    <message>
        <source>Сохра&amp;нить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Сохранить &amp;как...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>Отм&amp;енить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Повторить</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Обычный вид</source>
        <translation>&amp;Plain view</translation>
    </message>
    <message>
        <source>&amp;Износ</source>
        <translation>&amp;Wear</translation>
    </message>
    <message>
        <source>&amp;Работа</source>
        <translation>W&amp;ork</translation>
    </message>
    <message>
        <source>&amp;Улучшенная земля</source>
        <translation>&amp;Improved land</translation>
    </message>
    <message>
        <source>С&amp;ервис</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>З&amp;вук</source>
        <translation>&amp;Sound</translation>
    </message>
    <message>
        <source>М&amp;узыка</source>
        <translation>&amp;Music</translation>
    </message>
    <message>
        <source>Полный экран</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>С&amp;татистика</source>
        <translation>S&amp;tatistics</translation>
    </message>
    <message>
        <source>Ц&amp;ели</source>
        <translation>&amp;Goals</translation>
    </message>
    <message>
        <source>&amp;Журнал</source>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>П&amp;араметры...</source>
        <translation>S&amp;ettings...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>П&amp;омощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>О &amp;программе...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Редактор &amp;островов...</source>
        <translation>&amp;Island editor...</translation>
    </message>
    <message>
        <source>&amp;Крупнее</source>
        <translation>Zoom i&amp;n</translation>
    </message>
    <message>
        <source>&amp;Мельче</source>
        <translation>Zoom o&amp;ut</translation>
    </message>
    <message>
        <source>&amp;Настоящий размер</source>
        <translation>&amp;Actual size</translation>
    </message>
    <message>
        <source>&amp;Играть дальше...</source>
        <translation>&amp;Play on...</translation>
    </message>
    <message>
        <source>&amp;Заказы на рынке...</source>
        <translation>Standing &amp;orders...</translation>
    </message>
    <message>
        <source>&amp;Советник</source>
        <translation>&amp;Advisor</translation>
    </message>
    <message>
        <source>&amp;Повтор игры...</source>
        <translation>&amp;Replay...</translation>
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
        <translation>Mar</translation>
    </message>
    <message>
        <source>апр</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>май</source>
        <translation>May</translation>
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
        <translation>Oct</translation>
    </message>
    <message>
        <source>ноя</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>дек</source>
        <translation>Dec</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>до 60 дней</source>
        <translation>under 60 days</translation>
    </message>
    <message>
        <source>до года</source>
        <translation>under a year</translation>
    </message>
    <message>
        <source>до 5 лет</source>
        <translation>under 5 years</translation>
    </message>
    <message>
        <source>больше 5 лет</source>
        <translation>over 5 years</translation>
    </message>
    <message>
        <source>вечно</source>
        <translation>forever</translation>
    </message>
    <message>
        <source>работает</source>
        <translation>working</translation>
    </message>
    <message>
        <source>строится</source>
        <translation>being built</translation>
    </message>
    <message>
        <source>заблокировано</source>
        <translation>blocked</translation>
    </message>
    <message>
        <source>не его сезон</source>
        <translation>out of season</translation>
    </message>
    <message>
        <source>нет ресурсов</source>
        <translation>no goods</translation>
    </message>
    <message>
        <source>нет рабочих</source>
        <translation>no workers</translation>
    </message>
    <message>
        <source>улучшенная земля</source>
        <translation>improved land</translation>
    </message>
</context>
<context>
    <name>PlayOn</name>
    <message>
        <source>Игра идёт. Любая клавиша или щелчок останавливают её.</source>
        <translation>The game is playing. Any key or click stops it.</translation>
    </message>
    <message>
        <source>Как можно быстрее</source>
        <translation>As fast as possible</translation>
    </message>
    <message numerus="yes">
        <source>%n дней в секунду</source>
        <translation>
            <numerusform>%n day a second</numerusform>
            <numerusform>%n days a second</numerusform>
        </translation>
    </message>
</context>
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
<context>
    <name>TAboutForm</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Тарвения</source>
        <translation>Tarvenia</translation>
    </message>
    <message>
        <source>Экономическая стратегия: колония на острове, с %1 года, день за днём.</source>
        <translation>An economic strategy game: a colony on an island, from %1, day by day.</translation>
    </message>
    <message>
        <source>Авторы: команда разработчиков «Тарвении».</source>
        <translation>Authors: the Tarvenia team.</translation>
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
        <translation>Advisor</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Останавливать игру при новом предупреждении</source>
        <translation>Stop the game on a new warning</translation>
    </message>
    <message>
        <source>Двойной щелчок или Enter: показать</source>
        <translation>Double click or Enter: show it</translation>
    </message>
    <message>
        <source>Предупреждений нет.</source>
        <translation>No warnings.</translation>
    </message>
    <message>
        <source>Деньги взвешены прогнозом от %1 до следующего налога.</source>
        <translation>The money is weighed by the forecast from %1 to the next tax.</translation>
    </message>
    <message>
        <source>Прогноз денег до следующего налога еще считается.</source>
        <translation>The money&apos;s forecast to the next tax is still being played.</translation>
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
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>TGameDialog</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TGoalsForm</name>
    <message>
        <source>Цели</source>
        <translation>Goals</translation>
    </message>
    <message>
        <source>Дополнительные цели</source>
        <translation>Extra goals</translation>
    </message>
    <message>
        <source>Чего не допустить</source>
        <translation>What to avoid</translation>
    </message>
    <message>
        <source>открыта</source>
        <translation>open</translation>
    </message>
    <message>
        <source>миновала</source>
        <translation>avoided</translation>
    </message>
    <message>
        <source>выполнена</source>
        <translation>done</translation>
    </message>
    <message>
        <source>случилась</source>
        <translation>happened</translation>
    </message>
    <message>
        <source>провалена</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>идёт</source>
        <translation>in play</translation>
    </message>
    <message>
        <source>выигран</source>
        <translation>won</translation>
    </message>
    <message>
        <source>проигран</source>
        <translation>lost</translation>
    </message>
    <message>
        <source>с </source>
        <translation>from </translation>
    </message>
    <message>
        <source>до </source>
        <translation>by </translation>
    </message>
    <message>
        <source>без срока</source>
        <translation>no deadline</translation>
    </message>
    <message>
        <source>дни подряд: %1 из %2</source>
        <translation>days in a row: %1 of %2</translation>
    </message>
    <message>
        <source>%1; беда: %2</source>
        <translation>%1; danger: %2</translation>
    </message>
    <message>
        <source>%1 из %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1; нужно %2</source>
        <translation>%1; needed: %2</translation>
    </message>
    <message>
        <source>меньше</source>
        <translation>less than</translation>
    </message>
    <message>
        <source>не больше</source>
        <translation>at most</translation>
    </message>
    <message>
        <source>ровно</source>
        <translation>exactly</translation>
    </message>
    <message>
        <source>не меньше</source>
        <translation>at least</translation>
    </message>
    <message>
        <source>больше</source>
        <translation>more than</translation>
    </message>
    <message>
        <source>Свободная игра: целей нет</source>
        <translation>Free play: no goals</translation>
    </message>
    <message>
        <source>Сложность: %1. Сценарий %2.
Выполнено обязательных целей: %3 из %4</source>
        <translation>Difficulty: %1. Scenario %2.
Required goals met: %3 of %4</translation>
    </message>
    <message>
        <source>не случилась</source>
        <translation>has not happened</translation>
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
        <translation>Start a new game</translation>
    </message>
    <message>
        <source>Загрузить сохранение</source>
        <translation>Load the saved game</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>колония за морем, 1890 год</source>
        <translation>a colony across the sea, 1890</translation>
    </message>
    <message>
        <source>Обучение</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Сценарии</source>
        <translation>Scenarios</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Тарвения - помощь</source>
        <translation>Tarvenia - help</translation>
    </message>
    <message>
        <source>Файл помощи не найден: %1</source>
        <translation>Help file not found: %1</translation>
    </message>
</context>
<context>
    <name>TInfoForm</name>
    <message>
        <source>Сообщение</source>
        <translation>Message</translation>
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
        <translation>&amp;Brush</translation>
    </message>
    <message>
        <source>Рисовать выбранную землю кистью</source>
        <translation>Paint the chosen ground with the brush</translation>
    </message>
    <message>
        <source>&amp;Заливка</source>
        <translation>&amp;Fill</translation>
    </message>
    <message>
        <source>Залить выбранной землей связную область</source>
        <translation>Fill a connected area with the chosen ground</translation>
    </message>
    <message>
        <source>&amp;Остров</source>
        <translation>&amp;Island</translation>
    </message>
    <message>
        <source>Поднять из моря остров по его номеру</source>
        <translation>Raise the island of a number out of the sea</translation>
    </message>
    <message>
        <source>&amp;Начало</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Перенести клетку, где начнется колония</source>
        <translation>Move the cell where the colony starts</translation>
    </message>
    <message>
        <source>Н&amp;адпись</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Написать, изменить или убрать название на карте</source>
        <translation>Write, change or remove a name on the map</translation>
    </message>
    <message>
        <source>&amp;Пипетка</source>
        <translation>Pic&amp;ker</translation>
    </message>
    <message>
        <source>Взять землю с клетки карты</source>
        <translation>Take the ground of a cell of the map</translation>
    </message>
    <message>
        <source>Остров</source>
        <translation>Island</translation>
    </message>
    <message>
        <source>Место</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Вода</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Надпись на карте</source>
        <translation>Name on the map</translation>
    </message>
    <message>
        <source>Название:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Шрифт:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>Убрать</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Новый остров</source>
        <translation>New island</translation>
    </message>
    <message>
        <source>&amp;Карта</source>
        <translation>&amp;Map</translation>
    </message>
    <message>
        <source>&amp;Новая...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <source>&amp;Открыть файл...</source>
        <translation>&amp;Open file...</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Сохранить &amp;черновик</source>
        <translation>Save as &amp;draft</translation>
    </message>
    <message>
        <source>&amp;Играть</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Инструменты</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>Кисть &amp;больше</source>
        <translation>&amp;Larger brush</translation>
    </message>
    <message>
        <source>Кисть &amp;меньше</source>
        <translation>S&amp;maller brush</translation>
    </message>
    <message>
        <source>Имя карты:</source>
        <translation>Map name:</translation>
    </message>
    <message>
        <source>Инструмент</source>
        <translation>Tool</translation>
    </message>
    <message>
        <source>Земля</source>
        <translation>Ground</translation>
    </message>
    <message>
        <source>Берег ложится сам там, где земля встречает море.</source>
        <translation>The coast lies by itself where land meets the sea.</translation>
    </message>
    <message>
        <source>Кисть</source>
        <translation>Brush</translation>
    </message>
    <message>
        <source>Круглая</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>Квадратная</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>Форма:</source>
        <translation>Shape:</translation>
    </message>
    <message>
        <source>Размер:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Номер:</source>
        <translation>Number:</translation>
    </message>
    <message>
        <source>Проверка:</source>
        <translation>Check:</translation>
    </message>
    <message>
        <source>Сохранить изменения карты «%1»?</source>
        <translation>Save the changes of the map «%1»?</translation>
    </message>
    <message>
        <source>Открыть карту</source>
        <translation>Open a map</translation>
    </message>
    <message>
        <source>Карты (*.LTS *.lts)</source>
        <translation>Maps (*.LTS *.lts)</translation>
    </message>
    <message>
        <source>«%1» не годится в имя карты: нужно от 1 до 40 букв, без знаков / \ : * ? &quot; &lt; &gt; |.</source>
        <translation>«%1» cannot name a map: it needs 1 to 40 characters, without / \ : * ? &quot; &lt; &gt; |.</translation>
    </message>
    <message>
        <source>Карта сохранена: %1</source>
        <translation>Map saved: %1</translation>
    </message>
    <message>
        <source>На карте есть ошибки, играть на ней нельзя. Сохранить ее как черновик?</source>
        <translation>The map has errors and cannot be played. Save it as a draft?</translation>
    </message>
    <message>
        <source>Карта «%1» уже есть в игре. Дайте своей карте другое имя.</source>
        <translation>The game has a map «%1» already. Give your map another name.</translation>
    </message>
    <message>
        <source>Редактор островов — %1%2</source>
        <translation>Island editor — %1%2</translation>
    </message>
    <message>
        <source>Карта готова к игре.</source>
        <translation>The map is ready to play.</translation>
    </message>
    <message>
        <source>Клетка %1, %2: %3</source>
        <translation>Cell %1, %2: %3</translation>
    </message>
    <message>
        <source>Нет номера</source>
        <translation>No number</translation>
    </message>
    <message>
        <source>Карта «%1» уже есть. Заменить ее?</source>
        <translation>There is a map «%1» already. Replace it?</translation>
    </message>
    <message>
        <source>кисть</source>
        <translation>brush</translation>
    </message>
    <message>
        <source>заливка</source>
        <translation>fill</translation>
    </message>
    <message>
        <source>начало</source>
        <translation>start</translation>
    </message>
    <message>
        <source>остров</source>
        <translation>island</translation>
    </message>
    <message>
        <source>надпись</source>
        <translation>name</translation>
    </message>
</context>
<context>
    <name>TJournalForm</name>
    <message>
        <source>Двойной щелчок или Enter: показать на карте</source>
        <translation>Double-click or Enter: show on the map</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Запись</source>
        <translation>Entry</translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Все записи</source>
        <translation>All entries</translation>
    </message>
    <message>
        <source>слова из текста</source>
        <translation>words of the text</translation>
    </message>
    <message>
        <source>Показать:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>Найти:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>Записей: %1 из %2</source>
        <translation>Entries: %1 of %2</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Тарвения</source>
        <translation>Tarvenia</translation>
    </message>
    <message>
        <source>В файле %1 нет ни одного типа строений.</source>
        <translation>The file %1 has no building types.</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Строка статуса</source>
        <translation>Status line</translation>
    </message>
    <message>
        <source>Получить новейшую версию</source>
        <translation>Get the latest version</translation>
    </message>
    <message>
        <source>Деньги</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>Количество людей</source>
        <translation>Number of people</translation>
    </message>
    <message>
        <source>Жилье</source>
        <translation>Homes</translation>
    </message>
    <message>
        <source>Рабочие места</source>
        <translation>Jobs</translation>
    </message>
    <message>
        <source>Количество рабочих мест</source>
        <translation>Number of jobs</translation>
    </message>
    <message>
        <source>Не работают</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>Количество незанятых людей</source>
        <translation>Number of idle people</translation>
    </message>
    <message>
        <source>Игра загружена</source>
        <translation>Game loaded</translation>
    </message>
    <message>
        <source>Сохранить игру</source>
        <translation>Save game</translation>
    </message>
    <message>
        <source>Загрузить игру</source>
        <translation>Load game</translation>
    </message>
    <message>
        <source>Сохранённые игры (*.dat)</source>
        <translation>Saved games (*.dat)</translation>
    </message>
    <message>
        <source>Настройки не сохранятся: файл %1 не записывается</source>
        <translation>Settings will not be kept: cannot write %1</translation>
    </message>
    <message>
        <source>Среднее здоровье населения - %1 из %2</source>
        <translation>Average health of the people: %1 of %2</translation>
    </message>
    <message>
        <source>Обучение, шаг %1 из %2
%3</source>
        <translation>Tutorial, step %1 of %2
%3</translation>
    </message>
    <message>
        <source>Рекорд не сохранится: файл %1 не записывается</source>
        <translation>The record will not be kept: cannot write %1</translation>
    </message>
    <message>
        <source>Сохранить текущую игру?</source>
        <translation>Save the current game?</translation>
    </message>
    <message>
        <source>продано на %1</source>
        <translation>sold for %1</translation>
    </message>
    <message>
        <source>куплено на %1</source>
        <translation>bought for %1</translation>
    </message>
    <message>
        <source>По заказам: %1.</source>
        <translation>By standing orders: %1.</translation>
    </message>
    <message>
        <source>Советник: что скоро потребует внимания. Щелчок открывает его</source>
        <translation>Advisor: what will soon need you. A click opens it</translation>
    </message>
    <message>
        <source>Советник</source>
        <translation>Advisor</translation>
    </message>
    <message>
        <source>Советов нет</source>
        <translation>No warnings</translation>
    </message>
    <message>
        <source>Советов: %1</source>
        <translation>Warnings: %1</translation>
    </message>
    <message>
        <source>В прошлый раз игра прервалась из-за сбоя. Загрузить колонию, какой она была перед сбоем?

Чтобы сообщить о сбое, приложите к письму два файла:
%1
%2</source>
        <translation>Last time the game stopped because of a crash. Load the colony as it was before the crash?

To report the crash, attach these two files to your message:
%1
%2</translation>
    </message>
</context>
<context>
    <name>TMarketForm</name>
    <message>
        <source>Цена</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Количество</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Сумма</source>
        <translation>Sum</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Все</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Заказы...</source>
        <translation>Orders...</translation>
    </message>
    <message>
        <source>Постоянные заказы: после каждого дня лишнее продается, недостающее покупается</source>
        <translation>Standing orders: after each day the surplus is sold and what is missing is bought</translation>
    </message>
</context>
<context>
    <name>TNalogForm</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Налоги</source>
        <translation>Taxes</translation>
    </message>
    <message>
        <source>Сегодня следует уплатить налоги за прошедший год:</source>
        <translation>Today the taxes for the past year are due:</translation>
    </message>
    <message>
        <source>На землю</source>
        <translation>On land</translation>
    </message>
    <message>
        <source>На покупку ресурсов</source>
        <translation>On goods bought</translation>
    </message>
    <message>
        <source>На продажу ресурсов</source>
        <translation>On goods sold</translation>
    </message>
    <message>
        <source>В экологический фонд</source>
        <translation>To the ecology fund</translation>
    </message>
    <message>
        <source>В различные социальные фонды</source>
        <translation>To social funds</translation>
    </message>
    <message>
        <source>На пользование природными ресурсами</source>
        <translation>For use of natural resources</translation>
    </message>
    <message>
        <source>Итого</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Вы готовы уплатить налоги прямо сейчас?</source>
        <translation>Will you pay the taxes now?</translation>
    </message>
    <message>
        <source>Откажетесь — сценарий будет проигран.</source>
        <translation>If you refuse, the scenario is lost.</translation>
    </message>
</context>
<context>
    <name>TNalogMainForm</name>
    <message>
        <source>Главный налог</source>
        <translation>Main tax</translation>
    </message>
    <message>
        <source>Сегодня следует уплатить Главный налог. Налог выплачивается каждые 10 лет. На сегодня сумма налога составляет:</source>
        <translation>Today the Main tax is due. It is paid every 10 years. Today the tax comes to:</translation>
    </message>
    <message>
        <source>Вы готовы уплатить Главный налог прямо сейчас?</source>
        <translation>Will you pay the Main tax now?</translation>
    </message>
</context>
<context>
    <name>TNewIslandForm</name>
    <message>
        <source>Новая игра</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Где начать колонию:</source>
        <translation>Where to found the colony:</translation>
    </message>
    <message>
        <source>Карта «%1»</source>
        <translation>Map &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Случайный остров</source>
        <translation>Random island</translation>
    </message>
    <message>
        <source>Номер острова:</source>
        <translation>Island number:</translation>
    </message>
    <message>
        <source>Начать</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Эту карту не удаётся прочитать.</source>
        <translation>This map cannot be read.</translation>
    </message>
    <message>
        <source>Введите номер острова от 0 до %1.</source>
        <translation>Enter an island number from 0 to %1.</translation>
    </message>
    <message>
        <source>Новая карта</source>
        <translation>New map</translation>
    </message>
    <message>
        <source>С чего начать карту:</source>
        <translation>Start the map from:</translation>
    </message>
    <message>
        <source>Пустое море</source>
        <translation>Blank sea</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>TOrdersForm</name>
    <message>
        <source>Заказы на рынке</source>
        <translation>Standing orders</translation>
    </message>
    <message>
        <source>После каждого дня лишнее сверх верхней границы продается, недостающее до нижней покупается по ценам рынка.</source>
        <translation>After each day the stock above the ceiling is sold and what is missing below the floor is bought, at the market&apos;s prices.</translation>
    </message>
    <message>
        <source>Есть</source>
        <translation>In stock</translation>
    </message>
    <message>
        <source>Не меньше</source>
        <translation>At least</translation>
    </message>
    <message>
        <source>Не больше</source>
        <translation>At most</translation>
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
        <translation>Play on</translation>
    </message>
    <message>
        <source>Играть день за днём:</source>
        <translation>Play day after day:</translation>
    </message>
    <message>
        <source>Скорость:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Игра остановится и раньше: налог, цель, сообщение в окне. Любая клавиша или щелчок тоже останавливают её.</source>
        <translation>The game stops earlier too: a tax, a goal, a message in a window. Any key or click stops it as well.</translation>
    </message>
    <message>
        <source>Играть</source>
        <translation>Play</translation>
    </message>
</context>
<context>
    <name>TReplayForm</name>
    <message>
        <source>Повтор игры</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Смотреть</source>
        <translation>Watch</translation>
    </message>
    <message>
        <source>Деньги: %1   Люди: %2</source>
        <translation>Money: %1   People: %2</translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation>Speed</translation>
    </message>
</context>
<context>
    <name>TScenarioEndForm</name>
    <message>
        <source>Причина: %1</source>
        <translation>Cause: %1</translation>
    </message>
    <message>
        <source>Не выполнена цель: %1</source>
        <translation>Goal not met: %1</translation>
    </message>
    <message>
        <source>Сценарий «%1» проигран.</source>
        <translation>Scenario &quot;%1&quot; lost.</translation>
    </message>
    <message>
        <source>Сценарий «%1» выполнен!</source>
        <translation>Scenario &quot;%1&quot; won!</translation>
    </message>
    <message>
        <source>Это ваш новый рекорд.</source>
        <translation>This is your new record.</translation>
    </message>
    <message>
        <source>Сценарий выполнен</source>
        <translation>Scenario won</translation>
    </message>
    <message>
        <source>Сценарий проигран</source>
        <translation>Scenario lost</translation>
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
        <translation>New scenario game</translation>
    </message>
    <message>
        <source>Сценарии:</source>
        <translation>Scenarios:</translation>
    </message>
    <message>
        <source>%1 (не читается)</source>
        <translation>%1 (unreadable)</translation>
    </message>
    <message>
        <source>Сложность:</source>
        <translation>Difficulty:</translation>
    </message>
    <message>
        <source>Начать</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Сценариев нет.</source>
        <translation>No scenarios.</translation>
    </message>
    <message>
        <source>Этот сценарий не удаётся прочитать.</source>
        <translation>This scenario cannot be read.</translation>
    </message>
    <message>
        <source>Сложность: %1</source>
        <translation>Difficulty: %1</translation>
    </message>
    <message>
        <source>, другой нет</source>
        <translation>, the only one</translation>
    </message>
    <message>
        <source>Эту карту не удаётся прочитать.</source>
        <translation>This map cannot be read.</translation>
    </message>
    <message>
        <source>Лучший результат:
%1
%2</source>
        <translation>Best result:
%1
%2</translation>
    </message>
    <message>
        <source>На этой сложности ещё не пройден.</source>
        <translation>Not yet won at this difficulty.</translation>
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
        <translation>Volume</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Музыка</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>Сохранять игру в начале каждого месяца</source>
        <translation>Save the game at the start of each month</translation>
    </message>
    <message>
        <source>Предлагать сохранить игру, прежде чем её закрыть</source>
        <translation>Offer to save the game before closing it</translation>
    </message>
    <message>
        <source>Полный экран при запуске</source>
        <translation>Full screen at start</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Системный</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Язык сменится при следующем запуске игры.</source>
        <translation>The language changes at the next start.</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Без окна, строкой внизу:</source>
        <translation>No window, a line at the bottom:</translation>
    </message>
</context>
<context>
    <name>TSoundPlayer</name>
    <message>
        <source>Нет звука «%1».</source>
        <translation>No sound &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Звук «%1» не читается.</source>
        <translation>Sound &quot;%1&quot; cannot be read.</translation>
    </message>
</context>
<context>
    <name>TStatisticsForm</name>
    <message>
        <source>Деньги</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>деньги</source>
        <translation>money</translation>
    </message>
    <message>
        <source>Люди</source>
        <translation>People</translation>
    </message>
    <message>
        <source>человек</source>
        <translation>people</translation>
    </message>
    <message>
        <source>Здоровье</source>
        <translation>Health</translation>
    </message>
    <message>
        <source>здоровье, из %1</source>
        <translation>health, of %1</translation>
    </message>
    <message>
        <source>Ниже %1 рождений нет</source>
        <translation>No births below %1</translation>
    </message>
    <message>
        <source>Товары</source>
        <translation>Goods</translation>
    </message>
    <message>
        <source>штук</source>
        <translation>units</translation>
    </message>
    <message>
        <source>Торговля</source>
        <translation>Trade</translation>
    </message>
    <message>
        <source>деньги за месяц</source>
        <translation>money a month</translation>
    </message>
    <message>
        <source>Продано за месяц</source>
        <translation>Sold in the month</translation>
    </message>
    <message>
        <source>Продано</source>
        <translation>Sold</translation>
    </message>
    <message>
        <source>Куплено за месяц</source>
        <translation>Bought in the month</translation>
    </message>
    <message>
        <source>Куплено</source>
        <translation>Bought</translation>
    </message>
    <message>
        <source>Счёт</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>П&amp;рогноз</source>
        <translation>Fo&amp;recast</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Последний год</source>
        <translation>Last year</translation>
    </message>
    <message>
        <source>Последние 10 лет</source>
        <translation>Last 10 years</translation>
    </message>
    <message>
        <source>Вся история</source>
        <translation>All history</translation>
    </message>
    <message>
        <source>История в CSV...</source>
        <translation>History to CSV...</translation>
    </message>
    <message>
        <source>Счёт в CSV...</source>
        <translation>Account to CSV...</translation>
    </message>
    <message>
        <source>Период:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>месяц</source>
        <translation>month</translation>
    </message>
    <message>
        <source>дата</source>
        <translation>date</translation>
    </message>
    <message>
        <source>Беда: %1</source>
        <translation>Danger: %1</translation>
    </message>
    <message>
        <source>Цель: %1</source>
        <translation>Goal: %1</translation>
    </message>
    <message>
        <source>До ежегодного налога</source>
        <translation>Until the yearly tax</translation>
    </message>
    <message>
        <source>До Главного налога</source>
        <translation>Until the Main tax</translation>
    </message>
    <message>
        <source>30 дней</source>
        <translation>30 days</translation>
    </message>
    <message>
        <source>365 дней</source>
        <translation>365 days</translation>
    </message>
    <message>
        <source>Срок:</source>
        <translation>Horizon:</translation>
    </message>
    <message>
        <source>Считается…</source>
        <translation>Working…</translation>
    </message>
    <message>
        <source>Исходов: %1, от %2. Линия - середина исходов, полоса - 8 исходов из 10.</source>
        <translation>Outcomes: %1, from %2. The line is the middle outcome, the band 8 outcomes in 10.</translation>
    </message>
    <message>
        <source>На начало года</source>
        <translation>At the start of the year</translation>
    </message>
    <message>
        <source>Доходы</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>Расходы</source>
        <translation>Spending</translation>
    </message>
    <message>
        <source>Всего доходов</source>
        <translation>Total income</translation>
    </message>
    <message>
        <source>Всего расходов</source>
        <translation>Total spending</translation>
    </message>
    <message>
        <source>На конец года</source>
        <translation>At the end of the year</translation>
    </message>
    <message>
        <source>Всего</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Сохранить счёт</source>
        <translation>Save the account</translation>
    </message>
    <message>
        <source>Сохранить историю</source>
        <translation>Save the history</translation>
    </message>
    <message>
        <source>Таблицы CSV (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>Счёт.csv</source>
        <translation>Account.csv</translation>
    </message>
    <message>
        <source>История.csv</source>
        <translation>History.csv</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл %1: %2.</source>
        <translation>Could not save the file %1: %2.</translation>
    </message>
</context>
<context>
    <name>TZoomBadge</name>
    <message>
        <source>Настоящий размер: Ctrl+0</source>
        <translation>Actual size: Ctrl+0</translation>
    </message>
    <message>
        <source>Масштаб %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
</context>
</TS>
