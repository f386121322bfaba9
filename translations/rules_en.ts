<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Account</name>
    <message>
        <source>Продажа товаров</source>
        <translation>Sales of goods</translation>
    </message>
    <message>
        <source>Разбор строений</source>
        <translation>Demolition</translation>
    </message>
    <message>
        <source>Подарок</source>
        <translation>Gift</translation>
    </message>
    <message>
        <source>Покупка товаров</source>
        <translation>Purchases of goods</translation>
    </message>
    <message>
        <source>Содержание людей</source>
        <translation>Upkeep of people</translation>
    </message>
    <message>
        <source>Забота о здоровье</source>
        <translation>Health care</translation>
    </message>
    <message>
        <source>Строительство</source>
        <translation>Construction</translation>
    </message>
    <message>
        <source>Улучшение земли</source>
        <translation>Land improvement</translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation>Restoration</translation>
    </message>
    <message>
        <source>Ежегодные налоги</source>
        <translation>Yearly taxes</translation>
    </message>
    <message>
        <source>Главный налог</source>
        <translation>Main tax</translation>
    </message>
    <message>
        <source>Потеря главного здания</source>
        <translation>Loss of the main building</translation>
    </message>
    <message>
        <source>Год</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>На начало года</source>
        <translation>At year start</translation>
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
        <source>На конец года</source>
        <translation>At year end</translation>
    </message>
</context>
<context>
    <name>Advisor</name>
    <message>
        <source>Деньги</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>Товары</source>
        <translation>Goods</translation>
    </message>
    <message>
        <source>Работа</source>
        <translation>Work</translation>
    </message>
    <message>
        <source>Жилье</source>
        <translation>Homes</translation>
    </message>
    <message>
        <source>Здоровье</source>
        <translation>Health</translation>
    </message>
    <message>
        <source>Здоровье %1, ниже %2: никто не рождается, люди уходят</source>
        <translation>Health %1, below %2: no one is born, people leave</translation>
    </message>
    <message>
        <source>Здоровье падает: %1, ниже %2 станет около %3</source>
        <translation>Health is falling: %1, below %2 around %3</translation>
    </message>
    <message numerus="yes">
        <source>Не хватает рабочих: стоят %n зданий, свободных мест — %1</source>
        <translation>
            <numerusform>Short of workers: %n building stands idle, %1 places free</numerusform>
            <numerusform>Short of workers: %n buildings stand idle, %1 places free</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Без работы %n человек: рабочих мест не хватает</source>
        <translation>
            <numerusform>%n person without work: too few work places</numerusform>
            <numerusform>%n people without work: too few work places</numerusform>
        </translation>
    </message>
    <message>
        <source>Все места в домах заняты (%1): родившимся негде жить</source>
        <translation>Every place in the homes is taken (%1): the newborn have nowhere to live</translation>
    </message>
    <message>
        <source>Главный налог %1 (%2): хватит в %3 % исходов</source>
        <translation>Main tax %1 (%2): paid in %3 % of futures</translation>
    </message>
    <message>
        <source>Налог %1 (%2): хватит в %3 % исходов</source>
        <translation>Tax %1 (%2): paid in %3 % of futures</translation>
    </message>
    <message>
        <source>В среднем исходе деньги кончатся %1: нечем платить содержание</source>
        <translation>In the median future the money runs out on %1: nothing to pay the upkeep with</translation>
    </message>
    <message>
        <source>В худших исходах деньги кончатся %1: нечем платить содержание</source>
        <translation>In the worst futures the money runs out on %1: nothing to pay the upkeep with</translation>
    </message>
    <message numerus="yes">
        <source>%1: стоят %n зданий, нужно %2 в день</source>
        <translation>
            <numerusform>%1: %n building stands idle, needs %2 a day</numerusform>
            <numerusform>%1: %n buildings stand idle, need %2 a day</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Colony</name>
    <message>
        <source>Строение %1 не может стоять на клетке %2, %3.</source>
        <translation>Building %1 cannot stand on cell %2, %3.</translation>
    </message>
    <message>
        <source>Цель достигнута: %1.</source>
        <translation>Goal reached: %1.</translation>
    </message>
    <message>
        <source>Беда: %1.</source>
        <translation>Disaster: %1.</translation>
    </message>
    <message>
        <source>Цель не достигнута: %1.</source>
        <translation>Goal missed: %1.</translation>
    </message>
    <message>
        <source>Предупреждение. Через месяц надо будет выплатить ежегодные налоги.</source>
        <translation>Warning. The yearly taxes are due in a month.</translation>
    </message>
    <message>
        <source>Ежегодные налоги: %1</source>
        <translation>Yearly taxes: %1</translation>
    </message>
    <message>
        <source>Предупреждение. Через месяц надо будет выплатить Главный налог.</source>
        <translation>Warning. The Main tax is due in a month.</translation>
    </message>
    <message>
        <source>Главный налог: %1</source>
        <translation>Main tax: %1</translation>
    </message>
    <message>
        <source>Налог уплачен: %1</source>
        <translation>Tax paid: %1</translation>
    </message>
    <message>
        <source>Налог не уплачен: %1</source>
        <translation>Tax not paid: %1</translation>
    </message>
    <message>
        <source>Одно или несколько строений было разрушено.</source>
        <translation>One or more buildings were destroyed.</translation>
    </message>
    <message numerus="yes">
        <source>Родилось: %n человек.</source>
        <translation>
            <numerusform>Born: %n person.</numerusform>
            <numerusform>Born: %n people.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ушло: %n человек.</source>
        <translation>
            <numerusform>Left: %n person.</numerusform>
            <numerusform>Left: %n people.</numerusform>
        </translation>
    </message>
    <message>
        <source>Люди уходят, потому что им недостаточно мест в домах.</source>
        <translation>People are leaving: there are not enough homes.</translation>
    </message>
    <message>
        <source>В каталоге строений (BASES.INI) нет ни одного типа.</source>
        <translation>The building catalogue (BASES.INI) has no types.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>строительство</source>
        <translation>construction</translation>
    </message>
    <message>
        <source>деньги</source>
        <translation>money</translation>
    </message>
    <message>
        <source>Новая неделя</source>
        <translation>New week</translation>
    </message>
    <message>
        <source>прожить семь дней (останавливается, если налог не уплачен)</source>
        <translation>live seven days (stops if a tax is not paid)</translation>
    </message>
    <message>
        <source>новая неделя</source>
        <translation>new week</translation>
    </message>
    <message>
        <source>Новый день</source>
        <translation>New day</translation>
    </message>
    <message>
        <source>прожить один день</source>
        <translation>live one day</translation>
    </message>
    <message>
        <source>новый день</source>
        <translation>new day</translation>
    </message>
    <message>
        <source>Продать ресурсы</source>
        <translation>Sell goods</translation>
    </message>
    <message>
        <source>открыть рынок для продажи</source>
        <translation>open the market to sell</translation>
    </message>
    <message>
        <source>продажа</source>
        <translation>sale</translation>
    </message>
    <message>
        <source>Купить ресурсы</source>
        <translation>Buy goods</translation>
    </message>
    <message>
        <source>открыть рынок для покупки</source>
        <translation>open the market to buy</translation>
    </message>
    <message>
        <source>покупка</source>
        <translation>purchase</translation>
    </message>
    <message>
        <source>Улучшить землю за %1</source>
        <translation>Improve land for %1</translation>
    </message>
    <message>
        <source>строения на улучшенной земле строятся вдвое быстрее и меньше изнашиваются</source>
        <translation>buildings on improved land go up twice as fast and wear less</translation>
    </message>
    <message>
        <source>улучшение земли</source>
        <translation>land improvement</translation>
    </message>
    <message>
        <source>Поиск слабейшего строения</source>
        <translation>Find the weakest building</translation>
    </message>
    <message>
        <source>выбрать строение, которому осталось служить меньше всех</source>
        <translation>select the building with the shortest life left</translation>
    </message>
    <message>
        <source>Восстановление</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>продлить срок службы строения на выбранной клетке, сколько хватит денег</source>
        <translation>extend the life of the building on the selected cell as far as the money goes</translation>
    </message>
    <message>
        <source>восстановление</source>
        <translation>restoration</translation>
    </message>
    <message>
        <source>Восстановление для всех</source>
        <translation>Restore all</translation>
    </message>
    <message>
        <source>восстановить все поврежденные строения</source>
        <translation>restore every worn building</translation>
    </message>
    <message>
        <source>восстановление для всех</source>
        <translation>restoration of all</translation>
    </message>
    <message>
        <source>Разобрать строение - вернется %1% от стоимости</source>
        <translation>Demolish a building - %1% of its price back</translation>
    </message>
    <message>
        <source>снести строение</source>
        <translation>pull a building down</translation>
    </message>
    <message>
        <source>разбор строения</source>
        <translation>demolition</translation>
    </message>
    <message>
        <source>Блокировка</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>остановить строение или запустить снова (заблокированное строение не работает, но изнашивается)</source>
        <translation>stop a building or start it again (a blocked building does not work but still wears)</translation>
    </message>
    <message>
        <source>блокировка</source>
        <translation>block</translation>
    </message>
    <message numerus="yes">
        <source>%n дней</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message>
        <source>Играть дальше</source>
        <translation>Play on</translation>
    </message>
    <message>
        <source>проживать день за днём, пока колонии не понадобится игрок, до выбранного предела (любая клавиша или щелчок останавливает)</source>
        <translation>live day after day until the colony needs the player, up to the chosen limit (any key or click stops it)</translation>
    </message>
    <message>
        <source>заказы на рынке</source>
        <translation>standing orders</translation>
    </message>
</context>
<context>
    <name>Describe</name>
    <message numerus="yes">
        <source>%n год</source>
        <translation>
            <numerusform>%n year</numerusform>
            <numerusform>%n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n года</source>
        <translation>
            <numerusform>%n year</numerusform>
            <numerusform>%n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n лет</source>
        <translation>
            <numerusform>%n year</numerusform>
            <numerusform>%n years</numerusform>
        </translation>
    </message>
    <message>
        <source>на земле</source>
        <translation>on land</translation>
    </message>
    <message>
        <source>на воде</source>
        <translation>on water</translation>
    </message>
    <message>
        <source>в лесу</source>
        <translation>in a forest</translation>
    </message>
    <message>
        <source>на угле</source>
        <translation>on coal</translation>
    </message>
    <message>
        <source>на залежах руды</source>
        <translation>on ore</translation>
    </message>
    <message>
        <source>на нефтяных месторождениях</source>
        <translation>on oil fields</translation>
    </message>
    <message>
        <source>на месторождениях золота</source>
        <translation>on gold fields</translation>
    </message>
    <message>
        <source>на любом типе почвы</source>
        <translation>on any ground</translation>
    </message>
    <message>
        <source>%1 - около %2</source>
        <translation>%1 - about %2</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>None</translation>
    </message>
    <message>
        <source> (можно далеко от других строений)</source>
        <translation> (may stand far from others)</translation>
    </message>
    <message>
        <source>вечно</source>
        <translation>forever</translation>
    </message>
    <message>
        <source> (%1). Рабочих: %2
Расход: %3
Прибыль: %4</source>
        <translation> (%1). Workers: %2
Uses: %3
Makes: %4</translation>
    </message>
    <message numerus="yes">
        <source>. Дает жилье на %n мест</source>
        <translation>
            <numerusform>. Homes for %n person</numerusform>
            <numerusform>. Homes for %n people</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Строится %1 %n дней. Прослужит %2</source>
        <translation>
            <numerusform>Built %1 in %n day. Lasts %2</numerusform>
            <numerusform>Built %1 in %n days. Lasts %2</numerusform>
        </translation>
    </message>
    <message>
        <source>, строится, %1</source>
        <translation>, building, %1</translation>
    </message>
    <message>
        <source>, прослужит %1</source>
        <translation>, lasts %1</translation>
    </message>
    <message>
        <source>, восстановление за %1</source>
        <translation>, restore for %1</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Не найдены файлы игры: BASES.INI нет ни в одной из папок:</source>
        <translation>The game files are missing: BASES.INI is in none of these folders:</translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1: %2.</source>
        <translation>Cannot open file %1: %2.</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл %1: %2.</source>
        <translation>Could not save the file %1: %2.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1: %2.</source>
        <translation>Cannot read file %1: %2.</translation>
    </message>
</context>
<context>
    <name>Forecast</name>
    <message>
        <source>%1 %2 (%3): хватит в %4 % исходов</source>
        <translation>%1 %2 (%3): paid in %4 % of futures</translation>
    </message>
    <message>
        <source>Главный налог</source>
        <translation>Main tax</translation>
    </message>
    <message>
        <source>налог</source>
        <translation>tax</translation>
    </message>
    <message>
        <source>растет</source>
        <translation>rising</translation>
    </message>
    <message>
        <source>падает</source>
        <translation>falling</translation>
    </message>
    <message>
        <source>держится</source>
        <translation>steady</translation>
    </message>
    <message>
        <source>здоровье %1: %2 → %3</source>
        <translation>health %1: %2 → %3</translation>
    </message>
    <message>
        <source>в среднем исходе еда кончится %1</source>
        <translation>in the median future food runs out on %1</translation>
    </message>
    <message>
        <source>еды хватит на весь прогноз</source>
        <translation>food lasts the whole forecast</translation>
    </message>
</context>
<context>
    <name>Goals</name>
    <message>
        <source>Строений «%1»</source>
        <translation>“%1” buildings</translation>
    </message>
    <message>
        <source>%1 за год</source>
        <translation>%1 this year</translation>
    </message>
    <message>
        <source>%1 за прошлый год</source>
        <translation>%1 last year</translation>
    </message>
    <message>
        <source>Итог года</source>
        <translation>Balance of the year</translation>
    </message>
    <message>
        <source>Итог прошлого года</source>
        <translation>Balance of last year</translation>
    </message>
    <message>
        <source>Уплачено ежегодных налогов</source>
        <translation>Yearly taxes paid</translation>
    </message>
    <message>
        <source>Уплачено Главных налогов</source>
        <translation>Main taxes paid</translation>
    </message>
    <message>
        <source>Отказов платить налог</source>
        <translation>Taxes refused</translation>
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
        <translation>Food</translation>
    </message>
    <message>
        <source>Уголь</source>
        <translation>Coal</translation>
    </message>
    <message>
        <source>Железо</source>
        <translation>Iron</translation>
    </message>
    <message>
        <source>Нефть</source>
        <translation>Oil</translation>
    </message>
    <message>
        <source>Камень</source>
        <translation>Stone</translation>
    </message>
    <message>
        <source>Вода</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Дерево</source>
        <translation>Wood</translation>
    </message>
    <message>
        <source>Электричество</source>
        <translation>Power</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Деньги</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>Люди</source>
        <translation>People</translation>
    </message>
    <message>
        <source>Здоровье</source>
        <translation>Health</translation>
    </message>
    <message>
        <source>Заняты</source>
        <translation>Employed</translation>
    </message>
    <message>
        <source>Места в домах</source>
        <translation>Homes</translation>
    </message>
    <message>
        <source>Рабочие места</source>
        <translation>Jobs</translation>
    </message>
    <message>
        <source>Строения</source>
        <translation>Buildings</translation>
    </message>
    <message>
        <source>Продано с начала</source>
        <translation>Sold in all</translation>
    </message>
    <message>
        <source>Куплено с начала</source>
        <translation>Bought in all</translation>
    </message>
</context>
<context>
    <name>Idle</name>
    <message>
        <source> — заблокировано</source>
        <translation> — blocked</translation>
    </message>
    <message>
        <source> — не его сезон</source>
        <translation> — out of season</translation>
    </message>
    <message>
        <source> — не хватало ресурсов</source>
        <translation> — goods ran short</translation>
    </message>
    <message>
        <source> — не хватает: </source>
        <translation> — short of: </translation>
    </message>
    <message>
        <source> — не хватает рабочих: нужно %1, свободно %2</source>
        <translation> — short of workers: needs %1, free %2</translation>
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
        <translation>Event</translation>
    </message>
    <message>
        <source>Налог</source>
        <translation>Tax</translation>
    </message>
    <message>
        <source>Время года</source>
        <translation>Season</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Цель</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>Торговля</source>
        <translation>Trade</translation>
    </message>
</context>
<context>
    <name>Land</name>
    <message>
        <source>неизвестная карта «%1»</source>
        <translation>unknown map “%1”</translation>
    </message>
    <message>
        <source>карта «%1» не читается (%2)</source>
        <translation>map “%1” cannot be read (%2)</translation>
    </message>
    <message>
        <source>карта «%1» изменилась с тех пор, как игра была сохранена</source>
        <translation>map “%1” has changed since the game was saved</translation>
    </message>
    <message>
        <source>Остров %1</source>
        <translation>Island %1</translation>
    </message>
    <message>
        <source>Сценарий «%1» не найден.</source>
        <translation>Scenario “%1” not found.</translation>
    </message>
    <message>
        <source>Сценарий «%1» не читается: %2</source>
        <translation>Scenario “%1” cannot be read: %2</translation>
    </message>
    <message>
        <source>Земля сценария «%1» не читается.</source>
        <translation>The land of scenario “%1” cannot be read.</translation>
    </message>
    <message>
        <source>файл «%1» не читается</source>
        <translation>file “%1” cannot be read</translation>
    </message>
    <message numerus="yes">
        <source>Карта обрезана: в ней меньше %n байт.</source>
        <translation>
            <numerusform>The map is cut short: it has less than %n byte.</numerusform>
            <numerusform>The map is cut short: it has less than %n bytes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Карта «%1» обрезана: в ней меньше %n байт.</source>
        <translation>
            <numerusform>Map “%1” is cut short: it has less than %n byte.</numerusform>
            <numerusform>Map “%1” is cut short: it has less than %n bytes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Файл карты %1 обрезан: в нём меньше %n байт.</source>
        <translation>
            <numerusform>Map file %1 is cut short: it has less than %n byte.</numerusform>
            <numerusform>Map file %1 is cut short: it has less than %n bytes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MapCheck</name>
    <message>
        <source>На начальной клетке %1, %2 («%3») не построить «%4».</source>
        <translation>The start cell %1, %2 (%3) cannot take the %4.</translation>
    </message>
    <message>
        <source>У начала мало земли под дома: места для %1 из %2 поселенцев.</source>
        <translation>Too little land for houses near the start: room for %1 of %2 settlers.</translation>
    </message>
    <message>
        <source>На карте нет клеток «%1»: «%2» не построить, %3 не получить.</source>
        <translation>The map has no %1: no %2 can be built, and no %3 can be made.</translation>
    </message>
    <message>
        <source>«%1» далеко от начала: до ближайшей клетки %2.</source>
        <translation>%1 is far from the start: the nearest cell is %2 away.</translation>
    </message>
    <message>
        <source>Крошечных островов без пользы: %1, первый у клетки %2, %3.</source>
        <translation>Tiny islands of no use: %1, the first at cell %2, %3.</translation>
    </message>
</context>
<context>
    <name>Market</name>
    <message>
        <source>Продать</source>
        <translation>Sell</translation>
    </message>
    <message>
        <source>Купить</source>
        <translation>Buy</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>!Недостаточно денег</source>
        <translation>!Not enough money</translation>
    </message>
    <message>
        <source>!Это место занято</source>
        <translation>!This place is taken</translation>
    </message>
    <message>
        <source>!Основа почвы не подходит для этого строения</source>
        <translation>!The ground does not suit this building</translation>
    </message>
    <message>
        <source>!Это уже улучшенная территория</source>
        <translation>!This land is already improved</translation>
    </message>
    <message>
        <source>!Там нет постройки</source>
        <translation>!There is no building there</translation>
    </message>
    <message>
        <source>!Восстановление не требуется</source>
        <translation>!No restoration needed</translation>
    </message>
    <message>
        <source>!Нет указанных ресурсов для продажи</source>
        <translation>!You have none of these goods to sell</translation>
    </message>
    <message>
        <source>!Нет поврежденных строений</source>
        <translation>!No worn buildings</translation>
    </message>
    <message>
        <source>!Можно строить только рядом с другими строениями</source>
        <translation>!You can build only next to other buildings</translation>
    </message>
    <message>
        <source>!В этом сценарии такое строение не строят</source>
        <translation>!This scenario does not allow this building</translation>
    </message>
    <message>
        <source>!Нельзя блокировать %1</source>
        <translation>!Cannot block %1</translation>
    </message>
    <message>
        <source>«%1» нельзя построить снова, а без этого строения колония каждый день теряет деньги и ресурсы. Разобрать?</source>
        <translation>“%1” cannot be built again, and without it the colony loses money and goods every day. Demolish it?</translation>
    </message>
    <message>
        <source>Отменено: %1</source>
        <translation>Undone: %1</translation>
    </message>
    <message>
        <source>Повторено: %1</source>
        <translation>Redone: %1</translation>
    </message>
    <message>
        <source>!Нечего отменять</source>
        <translation>!Nothing to undo</translation>
    </message>
    <message>
        <source>!Нечего повторять</source>
        <translation>!Nothing to redo</translation>
    </message>
    <message>
        <source>События</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Разрушения</source>
        <translation>Buildings destroyed</translation>
    </message>
    <message>
        <source>Рождения</source>
        <translation>Births</translation>
    </message>
    <message>
        <source>Уход людей</source>
        <translation>People leaving</translation>
    </message>
    <message>
        <source>Нехватка жилья</source>
        <translation>Too few homes</translation>
    </message>
    <message>
        <source>Новое время года</source>
        <translation>A new season</translation>
    </message>
    <message>
        <source>Предупреждения о налогах</source>
        <translation>Tax warnings</translation>
    </message>
    <message>
        <source>Цели</source>
        <translation>Goals</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>января</source>
        <translation>January</translation>
    </message>
    <message>
        <source>февраля</source>
        <translation>February</translation>
    </message>
    <message>
        <source>марта</source>
        <translation>March</translation>
    </message>
    <message>
        <source>апреля</source>
        <translation>April</translation>
    </message>
    <message>
        <source>мая</source>
        <translation>May</translation>
    </message>
    <message>
        <source>июня</source>
        <translation>June</translation>
    </message>
    <message>
        <source>июля</source>
        <translation>July</translation>
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
        <translation>October</translation>
    </message>
    <message>
        <source>ноября</source>
        <translation>November</translation>
    </message>
    <message>
        <source>декабря</source>
        <translation>December</translation>
    </message>
</context>
<context>
    <name>Orders</name>
    <message>
        <source>!Заказ бывает от 0 до %1.</source>
        <translation>!An order is from 0 to %1.</translation>
    </message>
    <message>
        <source>!Нижняя граница заказа выше верхней.</source>
        <translation>!The order&apos;s floor is above its ceiling.</translation>
    </message>
    <message>
        <source>Продано по заказу: %1, %2 на %3.</source>
        <translation>Sold by order: %1, %2 for %3.</translation>
    </message>
    <message>
        <source>Куплено по заказу: %1, %2 на %3.</source>
        <translation>Bought by order: %1, %2 for %3.</translation>
    </message>
</context>
<context>
    <name>PlaceName</name>
    <message>
        <source>о. Чаячий</source>
        <translation>Gull Island</translation>
    </message>
    <message>
        <source>о. Медвежий</source>
        <translation>Bear Island</translation>
    </message>
    <message>
        <source>о. Дальний</source>
        <translation>Far Island</translation>
    </message>
    <message>
        <source>о. Каменный</source>
        <translation>Stone Island</translation>
    </message>
    <message>
        <source>о. Рыбачий</source>
        <translation>Fishers&apos; Island</translation>
    </message>
    <message>
        <source>о. Лисий</source>
        <translation>Fox Island</translation>
    </message>
    <message>
        <source>о. Туманный</source>
        <translation>Misty Island</translation>
    </message>
    <message>
        <source>о. Сосновый</source>
        <translation>Pine Island</translation>
    </message>
    <message>
        <source>о. Кривой</source>
        <translation>Crooked Island</translation>
    </message>
    <message>
        <source>о. Белый</source>
        <translation>White Island</translation>
    </message>
    <message>
        <source>о. Высокий</source>
        <translation>High Island</translation>
    </message>
    <message>
        <source>о. Крутой</source>
        <translation>Steep Island</translation>
    </message>
    <message>
        <source>о. Песчаный</source>
        <translation>Sand Island</translation>
    </message>
    <message>
        <source>о. Ветреный</source>
        <translation>Windy Island</translation>
    </message>
    <message>
        <source>о. Гусиный</source>
        <translation>Goose Island</translation>
    </message>
    <message>
        <source>о. Тюлений</source>
        <translation>Seal Island</translation>
    </message>
    <message>
        <source>о. Моржовый</source>
        <translation>Walrus Island</translation>
    </message>
    <message>
        <source>о. Утиный</source>
        <translation>Duck Island</translation>
    </message>
    <message>
        <source>о. Заячий</source>
        <translation>Hare Island</translation>
    </message>
    <message>
        <source>о. Волчий</source>
        <translation>Wolf Island</translation>
    </message>
    <message>
        <source>о. Соколиный</source>
        <translation>Falcon Island</translation>
    </message>
    <message>
        <source>о. Кедровый</source>
        <translation>Cedar Island</translation>
    </message>
    <message>
        <source>о. Берёзовый</source>
        <translation>Birch Island</translation>
    </message>
    <message>
        <source>о. Янтарный</source>
        <translation>Amber Island</translation>
    </message>
    <message>
        <source>о. Малый</source>
        <translation>Little Island</translation>
    </message>
    <message>
        <source>о. Круглый</source>
        <translation>Round Island</translation>
    </message>
    <message>
        <source>о. Длинный</source>
        <translation>Long Island</translation>
    </message>
    <message>
        <source>о. Тихий</source>
        <translation>Quiet Island</translation>
    </message>
    <message>
        <source>о. Скалистый</source>
        <translation>Rocky Island</translation>
    </message>
    <message>
        <source>о. Орлиный</source>
        <translation>Eagle Island</translation>
    </message>
    <message>
        <source>о. Пустой</source>
        <translation>Barren Island</translation>
    </message>
    <message>
        <source>о. Горелый</source>
        <translation>Burnt Island</translation>
    </message>
    <message>
        <source>о. Рябиновый</source>
        <translation>Rowan Island</translation>
    </message>
    <message>
        <source>о. Смоляной</source>
        <translation>Resin Island</translation>
    </message>
    <message>
        <source>о. Безымянный</source>
        <translation>Nameless Island</translation>
    </message>
    <message>
        <source>Северное море</source>
        <translation>North Sea</translation>
    </message>
    <message>
        <source>Южное море</source>
        <translation>South Sea</translation>
    </message>
    <message>
        <source>Студёное море</source>
        <translation>Cold Sea</translation>
    </message>
    <message>
        <source>Тихое море</source>
        <translation>Calm Sea</translation>
    </message>
    <message>
        <source>Серое море</source>
        <translation>Grey Sea</translation>
    </message>
    <message>
        <source>Ветреное море</source>
        <translation>Windy Sea</translation>
    </message>
    <message>
        <source>Туманное море</source>
        <translation>Misty Sea</translation>
    </message>
    <message>
        <source>Белое море</source>
        <translation>White Sea</translation>
    </message>
    <message>
        <source>Янтарное море</source>
        <translation>Amber Sea</translation>
    </message>
    <message>
        <source>Холодное море</source>
        <translation>Frigid Sea</translation>
    </message>
    <message>
        <source>Бурное море</source>
        <translation>Stormy Sea</translation>
    </message>
    <message>
        <source>Светлое море</source>
        <translation>Bright Sea</translation>
    </message>
    <message>
        <source>Полночное море</source>
        <translation>Midnight Sea</translation>
    </message>
    <message>
        <source>Западное море</source>
        <translation>West Sea</translation>
    </message>
    <message>
        <source>Восточное море</source>
        <translation>East Sea</translation>
    </message>
    <message>
        <source>Залив Надежды</source>
        <translation>Bay of Hope</translation>
    </message>
    <message>
        <source>Залив Удачи</source>
        <translation>Bay of Luck</translation>
    </message>
    <message>
        <source>Залив Тишины</source>
        <translation>Bay of Silence</translation>
    </message>
    <message>
        <source>Залив Ветров</source>
        <translation>Bay of Winds</translation>
    </message>
    <message>
        <source>Залив Туманов</source>
        <translation>Bay of Mists</translation>
    </message>
    <message>
        <source>Залив Чаек</source>
        <translation>Bay of Gulls</translation>
    </message>
    <message>
        <source>Залив Рыбаков</source>
        <translation>Fishers&apos; Bay</translation>
    </message>
    <message>
        <source>Залив Покоя</source>
        <translation>Bay of Peace</translation>
    </message>
    <message>
        <source>Залив Встреч</source>
        <translation>Bay of Meetings</translation>
    </message>
    <message>
        <source>Залив Семи Ветров</source>
        <translation>Bay of Seven Winds</translation>
    </message>
    <message>
        <source>Залив Первопроходцев</source>
        <translation>Pioneers&apos; Bay</translation>
    </message>
    <message>
        <source>Залив Доброй Вести</source>
        <translation>Bay of Good Tidings</translation>
    </message>
    <message>
        <source>Залив Штормов</source>
        <translation>Bay of Storms</translation>
    </message>
    <message>
        <source>Залив Якорей</source>
        <translation>Bay of Anchors</translation>
    </message>
    <message>
        <source>Залив Мечты</source>
        <translation>Bay of Dreams</translation>
    </message>
</context>
<context>
    <name>PlayOn</name>
    <message>
        <source>До ежегодного налога</source>
        <translation>To the yearly tax</translation>
    </message>
    <message>
        <source>30 дней</source>
        <translation>30 days</translation>
    </message>
    <message>
        <source>Год</source>
        <translation>A year</translation>
    </message>
    <message>
        <source>До даты</source>
        <translation>To a date</translation>
    </message>
    <message numerus="yes">
        <source>Прошло %n дней.</source>
        <translation>
            <numerusform>%n day passed.</numerusform>
            <numerusform>%n days passed.</numerusform>
        </translation>
    </message>
    <message>
        <source>Следующий день — ежегодный налог.</source>
        <translation>The next day brings the yearly tax.</translation>
    </message>
    <message>
        <source>Предел игры достигнут.</source>
        <translation>The limit is reached.</translation>
    </message>
    <message>
        <source>Налог не уплачен.</source>
        <translation>The tax was not paid.</translation>
    </message>
    <message>
        <source>Налог уплачен.</source>
        <translation>The tax was paid.</translation>
    </message>
    <message>
        <source>Цель выполнена или провалена.</source>
        <translation>A goal was met or failed.</translation>
    </message>
    <message>
        <source>Сообщение: %1.</source>
        <translation>Message: %1.</translation>
    </message>
    <message>
        <source>Вы остановили игру.</source>
        <translation>You stopped the game.</translation>
    </message>
    <message>
        <source>У советника новое предупреждение: %1.</source>
        <translation>The advisor has a new warning: %1.</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Дата: %1
Дней: %2
Деньги: %3
Людей: %4</source>
        <translation>Date: %1
Days: %2
Money: %3
People: %4</translation>
    </message>
    <message>
        <source>с отменой ходов</source>
        <translation>with moves undone</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>недопустимое значение (%1)</source>
        <translation>invalid value (%1)</translation>
    </message>
    <message>
        <source>карта</source>
        <translation>map</translation>
    </message>
    <message>
        <source>дата</source>
        <translation>date</translation>
    </message>
    <message>
        <source>история</source>
        <translation>history</translation>
    </message>
    <message>
        <source>игра</source>
        <translation>game</translation>
    </message>
    <message>
        <source>в каталоге строений (BASES.INI) нет типа «%1»</source>
        <translation>the building catalogue (BASES.INI) has no type “%1”</translation>
    </message>
    <message>
        <source>время года</source>
        <translation>season</translation>
    </message>
    <message>
        <source>деньги</source>
        <translation>money</translation>
    </message>
    <message>
        <source>люди</source>
        <translation>people</translation>
    </message>
    <message>
        <source>здоровье</source>
        <translation>health</translation>
    </message>
    <message>
        <source>занятые</source>
        <translation>employed</translation>
    </message>
    <message>
        <source>содержание</source>
        <translation>upkeep</translation>
    </message>
    <message>
        <source>покупки</source>
        <translation>purchases</translation>
    </message>
    <message>
        <source>продажи</source>
        <translation>sales</translation>
    </message>
    <message>
        <source>клетка</source>
        <translation>cell</translation>
    </message>
    <message>
        <source>число строений</source>
        <translation>number of buildings</translation>
    </message>
    <message>
        <source>строение</source>
        <translation>building</translation>
    </message>
    <message>
        <source>случайные числа</source>
        <translation>random numbers</translation>
    </message>
    <message>
        <source>выбранная клетка</source>
        <translation>selected cell</translation>
    </message>
    <message>
        <source>вид карты</source>
        <translation>map view</translation>
    </message>
    <message>
        <source>счёт</source>
        <translation>account</translation>
    </message>
    <message>
        <source>сценарий</source>
        <translation>scenario</translation>
    </message>
    <message>
        <source>сценарий игры не читается: %1</source>
        <translation>the game&apos;s scenario cannot be read: %1</translation>
    </message>
    <message>
        <source>цели</source>
        <translation>goals</translation>
    </message>
    <message>
        <source>журнал</source>
        <translation>journal</translation>
    </message>
    <message>
        <source>история игры слишком длинна для сохранения</source>
        <translation>the game&apos;s history is too long to save</translation>
    </message>
    <message>
        <source>не хватило памяти для сжатия</source>
        <translation>not enough memory to compress</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>это не сохранённая игра</source>
        <translation>this is not a saved game</translation>
    </message>
    <message>
        <source>файл записан более новой версией игры</source>
        <translation>the file was written by a newer version of the game</translation>
    </message>
    <message>
        <source>файл обрезан</source>
        <translation>the file is cut short</translation>
    </message>
    <message>
        <source>размер</source>
        <translation>size</translation>
    </message>
    <message>
        <source>файл повреждён или обрезан: данные не распаковываются</source>
        <translation>the file is damaged or cut short: its data do not unpack</translation>
    </message>
    <message>
        <source>файл повреждён: не сходится контрольная сумма</source>
        <translation>the file is damaged: its checksum does not match</translation>
    </message>
    <message>
        <source>файл повреждён: данных меньше, чем нужно</source>
        <translation>the file is damaged: too little data</translation>
    </message>
    <message>
        <source>файл повреждён: лишние данные в конце</source>
        <translation>the file is damaged: extra data at the end</translation>
    </message>
    <message>
        <source>Не удалось сохранить игру в файл %1: %2.</source>
        <translation>Cannot save the game to file %1: %2.</translation>
    </message>
    <message>
        <source>не удалось создать папку %1</source>
        <translation>cannot create folder %1</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>файл не открывается для записи (%1)</source>
        <translation>the file cannot be opened for writing (%1)</translation>
    </message>
    <message>
        <source>запись не удалась (%1)</source>
        <translation>writing failed (%1)</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру из файла %1: %2.</source>
        <translation>Cannot load the game from file %1: %2.</translation>
    </message>
    <message>
        <source>нет доступа к папке %1</source>
        <translation>no access to folder %1</translation>
    </message>
    <message>
        <source>файла нет</source>
        <translation>there is no such file</translation>
    </message>
    <message>
        <source>файл не читается (%1)</source>
        <translation>the file cannot be read (%1)</translation>
    </message>
    <message>
        <source>заказы</source>
        <translation>orders</translation>
    </message>
    <message>
        <source>журнал команд</source>
        <translation>command log</translation>
    </message>
    <message>
        <source>журнал команд обрезан</source>
        <translation>the command log is cut short</translation>
    </message>
</context>
<context>
    <name>Scenario</name>
    <message>
        <source>Лёгкая</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Трудная</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>Обычная</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>золотая медаль</source>
        <translation>gold medal</translation>
    </message>
    <message>
        <source>серебряная медаль</source>
        <translation>silver medal</translation>
    </message>
    <message>
        <source>бронзовая медаль</source>
        <translation>bronze medal</translation>
    </message>
    <message>
        <source>без медали</source>
        <translation>no medal</translation>
    </message>
    <message>
        <source>раздел повторяется</source>
        <translation>the section is repeated</translation>
    </message>
    <message>
        <source>неизвестный раздел</source>
        <translation>unknown section</translation>
    </message>
    <message>
        <source>нет значения</source>
        <translation>no value</translation>
    </message>
    <message>
        <source>неверное число %1</source>
        <translation>bad number %1</translation>
    </message>
    <message>
        <source>неверная дата %1</source>
        <translation>bad date %1</translation>
    </message>
    <message>
        <source>не позже начала %1</source>
        <translation>not after the start %1</translation>
    </message>
    <message>
        <source>неизвестное строение %1</source>
        <translation>unknown building %1</translation>
    </message>
    <message>
        <source>нет названия</source>
        <translation>no title</translation>
    </message>
    <message>
        <source>раньше %1</source>
        <translation>before %1</translation>
    </message>
    <message>
        <source>неизвестная сложность %1</source>
        <translation>unknown difficulty %1</translation>
    </message>
    <message>
        <source>ожидается yes или no, а не %1</source>
        <translation>expected yes or no, not %1</translation>
    </message>
    <message>
        <source>ожидается &quot;ТИП столбец,строка&quot;, а не %1</source>
        <translation>expected &quot;TYPE column,row&quot;, not %1</translation>
    </message>
    <message>
        <source>клетка %1 вне карты</source>
        <translation>cell %1 is off the map</translation>
    </message>
    <message>
        <source>клетка %1 уже занята</source>
        <translation>cell %1 is already taken</translation>
    </message>
    <message>
        <source>раньше, чем %1</source>
        <translation>earlier than %1</translation>
    </message>
    <message>
        <source>неизвестный товар %1</source>
        <translation>unknown good %1</translation>
    </message>
    <message>
        <source>неизвестный показатель %1</source>
        <translation>unknown figure %1</translation>
    </message>
    <message>
        <source>нет текста</source>
        <translation>no text</translation>
    </message>
    <message>
        <source>нет показателя</source>
        <translation>no figure</translation>
    </message>
    <message>
        <source>цель недостижима: %1 бывает только от %2 до %3</source>
        <translation>the goal cannot be reached: %1 is only ever from %2 to %3</translation>
    </message>
    <message>
        <source>неизвестное сравнение %1</source>
        <translation>unknown comparison %1</translation>
    </message>
    <message>
        <source>позже срока By</source>
        <translation>after the By date</translation>
    </message>
    <message>
        <source>дольше, чем ходов до срока (%1)</source>
        <translation>longer than the turns until the date (%1)</translation>
    </message>
    <message>
        <source>неизвестное действие %1</source>
        <translation>unknown action %1</translation>
    </message>
    <message>
        <source>нет обязательной цели [Goal1]</source>
        <translation>no required goal [Goal1]</translation>
    </message>
    <message>
        <source>неизвестное событие %1</source>
        <translation>unknown event %1</translation>
    </message>
</context>
<context>
    <name>Seasons</name>
    <message>
        <source>Лето</source>
        <translation>Summer</translation>
    </message>
    <message>
        <source>Осень</source>
        <translation>Autumn</translation>
    </message>
    <message>
        <source>Зима</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Весна</source>
        <translation>Spring</translation>
    </message>
    <message>
        <source>Наступило Лето</source>
        <translation>Summer has come</translation>
    </message>
    <message>
        <source>Наступила Осень</source>
        <translation>Autumn has come</translation>
    </message>
    <message>
        <source>Пришла Зима</source>
        <translation>Winter has come</translation>
    </message>
    <message>
        <source>Наступила Весна</source>
        <translation>Spring has come</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Игра сохранена в файл «%1»</source>
        <translation>Game saved to “%1”</translation>
    </message>
    <message>
        <source>В файле «%1» сохранена другая колония (%2). Заменить её?</source>
        <translation>File “%1” holds another colony (%2). Replace it?</translation>
    </message>
    <message>
        <source>Файл «%1» не читается как сохранённая игра. Заменить его?</source>
        <translation>File “%1” is not a saved game. Replace it?</translation>
    </message>
    <message>
        <source>Имя «%1» занято автосохранениями: выберите другое.</source>
        <translation>The name “%1” is kept for autosaves: choose another.</translation>
    </message>
    <message>
        <source>не читается</source>
        <translation>unreadable</translation>
    </message>
    <message>
        <source>Имя «%1» занято сохранением при сбое: выберите другое.</source>
        <translation>The name “%1” is kept for the crash save: choose another.</translation>
    </message>
</context>
<context>
    <name>Taxes</name>
    <message>
        <source>%1% от %2 = %3</source>
        <translation>%1% of %2 = %3</translation>
    </message>
</context>
<context>
    <name>Terrain</name>
    <message>
        <source>Море</source>
        <translation>Sea</translation>
    </message>
    <message>
        <source>Берег</source>
        <translation>Shore</translation>
    </message>
    <message>
        <source>Земля</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Вода</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Лес</source>
        <translation>Forest</translation>
    </message>
    <message>
        <source>Уголь</source>
        <translation>Coal</translation>
    </message>
    <message>
        <source>Залежи руды</source>
        <translation>Ore</translation>
    </message>
    <message>
        <source>Нефтяное месторождение</source>
        <translation>Oil field</translation>
    </message>
    <message>
        <source>Месторождение золота</source>
        <translation>Gold field</translation>
    </message>
    <message>
        <source>Неизвестный объект</source>
        <translation>Unknown object</translation>
    </message>
</context>
</TS>
