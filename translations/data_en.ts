<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>BASES.INI</name>
    <message>
        <source>Управа колонии</source>
        <comment>Colony/Caption</comment>
        <translation>Colony hall</translation>
    </message>
    <message>
        <source>Бревенчатая изба</source>
        <comment>Hut/Caption</comment>
        <translation>Log hut</translation>
    </message>
    <message>
        <source>Жилой дом</source>
        <comment>House/Caption</comment>
        <translation>House</translation>
    </message>
    <message>
        <source>Доходный дом</source>
        <comment>Tenement/Caption</comment>
        <translation>Tenement</translation>
    </message>
    <message>
        <source>Рабочий барак</source>
        <comment>Barracks/Caption</comment>
        <translation>Workers&apos; barracks</translation>
    </message>
    <message>
        <source>Ферма</source>
        <comment>Farm/Caption</comment>
        <translation>Farm</translation>
    </message>
    <message>
        <source>Рыболовецкая артель</source>
        <comment>Fishery/Caption</comment>
        <translation>Fishery</translation>
    </message>
    <message>
        <source>Колодец</source>
        <comment>Well/Caption</comment>
        <translation>Well</translation>
    </message>
    <message>
        <source>Паровая водокачка</source>
        <comment>WaterWorks/Caption</comment>
        <translation>Steam pump house</translation>
    </message>
    <message>
        <source>Лесопилка</source>
        <comment>Sawmill/Caption</comment>
        <translation>Sawmill</translation>
    </message>
    <message>
        <source>Углежогная печь</source>
        <comment>Kiln/Caption</comment>
        <translation>Charcoal kiln</translation>
    </message>
    <message>
        <source>Угольная шахта</source>
        <comment>CoalMine/Caption</comment>
        <translation>Coal mine</translation>
    </message>
    <message>
        <source>Железный рудник</source>
        <comment>IronMine/Caption</comment>
        <translation>Iron mine</translation>
    </message>
    <message>
        <source>Нефтяная вышка</source>
        <comment>OilWell/Caption</comment>
        <translation>Oil derrick</translation>
    </message>
    <message>
        <source>Золотой прииск</source>
        <comment>GoldMine/Caption</comment>
        <translation>Gold diggings</translation>
    </message>
    <message>
        <source>Каменоломня</source>
        <comment>Quarry/Caption</comment>
        <translation>Quarry</translation>
    </message>
    <message>
        <source>Угольная электростанция</source>
        <comment>CoalPower/Caption</comment>
        <translation>Coal power plant</translation>
    </message>
    <message>
        <source>Нефтяная электростанция</source>
        <comment>OilPower/Caption</comment>
        <translation>Oil power plant</translation>
    </message>
    <message>
        <source>Кирпичный завод</source>
        <comment>Brickworks/Caption</comment>
        <translation>Brickworks</translation>
    </message>
    <message>
        <source>Оранжерея</source>
        <comment>Greenhouse/Caption</comment>
        <translation>Greenhouse</translation>
    </message>
    <message>
        <source>Лесничество</source>
        <comment>Forestry/Caption</comment>
        <translation>Forestry</translation>
    </message>
    <message>
        <source>Гидроэлектростанция</source>
        <comment>Hydro/Caption</comment>
        <translation>Hydro power plant</translation>
    </message>
</context>
<context>
    <name>EVENTS.INI</name>
    <message>
        <source>Из метрополии пришел пароход с переселенцами. Колония растет!</source>
        <comment>Steamer/Message</comment>
        <translation>A steamer with settlers has come from home. The colony grows!</translation>
    </message>
    <message>
        <source>В колонии вспыхнула эпидемия тифа. Есть погибшие.</source>
        <comment>Typhus/Message</comment>
        <translation>Typhus has broken out in the colony. Some have died.</translation>
    </message>
    <message>
        <source>Губернатор прислал из казны ссуду: золото и провиант.</source>
        <comment>Treasury/Message</comment>
        <translation>The governor has sent a loan from the treasury: gold and provisions.</translation>
    </message>
    <message>
        <source>От печи загорелась бревенчатая изба. Жильцы спаслись, но дом сильно обгорел.</source>
        <comment>HutFire/Message</comment>
        <translation>A stove set a log hut on fire. The people got out, but the hut is badly burnt.</translation>
    </message>
    <message>
        <source>В жилой дом въехала большая семья из соседней губернии.</source>
        <comment>BigFamily/Message</comment>
        <translation>A big family from the next province has moved into a house.</translation>
    </message>
    <message>
        <source>Объявления в газетах привлекли в колонию новых жильцов.</source>
        <comment>Settlers/Message</comment>
        <translation>Newspaper notices have brought new tenants to the colony.</translation>
    </message>
    <message>
        <source>Небывалый урожай! Амбары полны зерна.</source>
        <comment>Harvest/Message</comment>
        <translation>A record harvest! The barns are full of grain.</translation>
    </message>
    <message>
        <source>На поля налетела саранча. Часть запасов продовольствия погибла.</source>
        <comment>Locusts/Message</comment>
        <translation>Locusts have swarmed over the fields. Some of the food is lost.</translation>
    </message>
    <message>
        <source>К берегу подошел большой косяк сельди. Улов превзошел ожидания.</source>
        <comment>Herring/Message</comment>
        <translation>A big shoal of herring came to the shore. The catch beat all hopes.</translation>
    </message>
    <message>
        <source>Шторм разбил лодки рыболовецкой артели. Двое рыбаков не вернулись.</source>
        <comment>StormBoat/Message</comment>
        <translation>A storm wrecked the fishery&apos;s boats. Two fishermen did not come back.</translation>
    </message>
    <message>
        <source>Колодец обмелел, его пришлось углублять.</source>
        <comment>DryWell/Message</comment>
        <translation>The well ran low and had to be dug deeper.</translation>
    </message>
    <message>
        <source>Пожар на лесопилке! Сгорел запас досок.</source>
        <comment>SawmillFire/Message</comment>
        <translation>Fire at the sawmill! The stock of boards has burnt.</translation>
    </message>
    <message>
        <source>Шахтеры вскрыли богатый угольный пласт.</source>
        <comment>CoalSeam/Message</comment>
        <translation>The miners have opened a rich coal seam.</translation>
    </message>
    <message>
        <source>Взрыв рудничного газа в угольной шахте! Есть погибшие, крепь разрушена.</source>
        <comment>Firedamp/Message</comment>
        <translation>Firedamp explosion in the coal mine! Some have died, the props are down.</translation>
    </message>
    <message>
        <source>В руднике найдена богатая железная жила.</source>
        <comment>IronVein/Message</comment>
        <translation>A rich vein of iron has been found in the mine.</translation>
    </message>
    <message>
        <source>Обвал в руднике. Штольню придется долго восстанавливать.</source>
        <comment>Collapse/Message</comment>
        <translation>A cave-in at the mine. The gallery will take long to repair.</translation>
    </message>
    <message>
        <source>Нефтяной фонтан! Собрано много нефти.</source>
        <comment>Gusher/Message</comment>
        <translation>An oil gusher! A lot of oil has been gathered.</translation>
    </message>
    <message>
        <source>Пожар на нефтяной вышке. Огонь удалось потушить только через неделю.</source>
        <comment>RigFire/Message</comment>
        <translation>Fire on the oil derrick. It took a week to put it out.</translation>
    </message>
    <message>
        <source>Старатели нашли крупный самородок!</source>
        <comment>Nugget/Message</comment>
        <translation>The diggers have found a big nugget!</translation>
    </message>
    <message>
        <source>Слухи о золоте привлекли в колонию старателей.</source>
        <comment>GoldRush/Message</comment>
        <translation>Rumours of gold have brought diggers to the colony.</translation>
    </message>
    <message>
        <source>В каменоломне нашли золотоносную жилу.</source>
        <comment>QuarryGold/Message</comment>
        <translation>A vein of gold has been found in the quarry.</translation>
    </message>
    <message>
        <source>Авария котла на угольной электростанции. Ремонт сократит срок ее службы.</source>
        <comment>Boiler/Message</comment>
        <translation>A boiler failed at the coal power plant. The repair will shorten its life.</translation>
    </message>
    <message>
        <source>Весенний паводок повредил плотину гидроэлектростанции.</source>
        <comment>Flood/Message</comment>
        <translation>The spring flood has damaged the dam of the hydro power plant.</translation>
    </message>
    <message>
        <source>Ночные заморозки погубили часть рассады в оранжерее.</source>
        <comment>Frost/Message</comment>
        <translation>Night frost has killed some of the seedlings in the greenhouse.</translation>
    </message>
    <message>
        <source>Лесничие вырастили крепкий молодой лес. Заготовлено много дерева.</source>
        <comment>Saplings/Message</comment>
        <translation>The foresters have grown a strong young forest. Much wood is cut.</translation>
    </message>
</context>
<context>
    <name>SCENARIOS/artel.ini</name>
    <message>
        <source>Артель</source>
        <comment>Scenario/Title</comment>
        <translation>The artel</translation>
    </message>
    <message>
        <source>Шестнадцать переселенцев, изба, ферма и колодец.
Без шахт и заводов: только земля, лес и море.</source>
        <comment>Scenario/Description</comment>
        <translation>Sixteen settlers, a hut, a farm and a well.
No mines or works: only land, forest and sea.</translation>
    </message>
    <message>
        <source>Казна в 80 000 к весне 1896 года</source>
        <comment>Goal1/Text</comment>
        <translation>80 000 in the treasury by spring 1896</translation>
    </message>
    <message>
        <source>Продать за прошлый год товаров на 12 000</source>
        <comment>Goal2/Text</comment>
        <translation>Sell goods for 12 000 in the last year</translation>
    </message>
    <message>
        <source>Колония не заплатила налог</source>
        <comment>Failure1/Text</comment>
        <translation>The colony did not pay a tax</translation>
    </message>
    <message>
        <source>В артели не осталось людей</source>
        <comment>Failure2/Text</comment>
        <translation>No people are left in the artel</translation>
    </message>
    <message>
        <source>Людей мало, и новые не едут. Берегите каждого: без работников встанут и лесопилки, и каменоломни.</source>
        <comment>Message1/Text</comment>
        <translation>Few people, and no new ones coming. Keep every one: without workers the sawmills and the quarries stand still.</translation>
    </message>
</context>
<context>
    <name>SCENARIOS/coal.ini</name>
    <message>
        <source>Угольный край</source>
        <comment>Scenario/Title</comment>
        <translation>Coal country</translation>
    </message>
    <message>
        <source>Под островом лежит уголь.
Постройте шахты и электростанцию и торгуйте углем.</source>
        <comment>Scenario/Description</comment>
        <translation>There is coal under the island.
Build mines and a power plant and trade in coal.</translation>
    </message>
    <message>
        <source>Две угольные шахты</source>
        <comment>Goal1/Text</comment>
        <translation>Two coal mines</translation>
    </message>
    <message>
        <source>Угольная электростанция</source>
        <comment>Goal2/Text</comment>
        <translation>A coal power plant</translation>
    </message>
    <message>
        <source>Продать за прошлый год товаров на 100 000</source>
        <comment>Goal3/Text</comment>
        <translation>Sell goods for 100 000 in the last year</translation>
    </message>
    <message>
        <source>Казна в 400 000 к 1900 году</source>
        <comment>Goal4/Text</comment>
        <translation>400 000 in the treasury by 1900</translation>
    </message>
    <message>
        <source>Железный рудник</source>
        <comment>OptionalIron/Text</comment>
        <translation>An iron mine</translation>
    </message>
    <message>
        <source>Колония не заплатила налог</source>
        <comment>Failure1/Text</comment>
        <translation>The colony did not pay a tax</translation>
    </message>
    <message>
        <source>Шахтам нужны еда и дерево, электростанции - уголь и вода.</source>
        <comment>MessageCoal/Text</comment>
        <translation>Mines need food and wood; a power plant needs coal and water.</translation>
    </message>
</context>
<context>
    <name>SCENARIOS/famine.ini</name>
    <message>
        <source>Голодный год</source>
        <comment>Scenario/Title</comment>
        <translation>The hungry year</translation>
    </message>
    <message>
        <source>Переселенцев много, а денег на их содержание мало.
До весны 1892 года сохраните людей и соберите запас еды.</source>
        <comment>Scenario/Description</comment>
        <translation>Many settlers, little money to keep them.
Until spring 1892, keep the people and gather a stock of food.</translation>
    </message>
    <message>
        <source>Запас еды 3 000 к весне 1892 года</source>
        <comment>Goal1/Text</comment>
        <translation>3 000 food in stock by spring 1892</translation>
    </message>
    <message>
        <source>С осени 1891 года в колонии не меньше 30 человек</source>
        <comment>Goal2/Text</comment>
        <translation>From autumn 1891, at least 30 people in the colony</translation>
    </message>
    <message>
        <source>Колония не заплатила налог</source>
        <comment>Failure1/Text</comment>
        <translation>The colony did not pay a tax</translation>
    </message>
    <message>
        <source>В колонии не осталось людей</source>
        <comment>Failure2/Text</comment>
        <translation>No people are left in the colony</translation>
    </message>
    <message>
        <source>Здоровье ниже 300 два месяца подряд</source>
        <comment>Failure3/Text</comment>
        <translation>Health below 300 for two months in a row</translation>
    </message>
    <message>
        <source>Каждый человек стоит денег каждый день: без них люди болеют. Сразу ставьте колодец и фермы и продавайте лишнее.</source>
        <comment>Message1/Text</comment>
        <translation>Every person costs money every day: without it people fall ill. Build a well and farms at once and sell what is left over.</translation>
    </message>
    <message>
        <source>Еда кончилась: лесопилки, каменоломни и шахты стоят. Купите еды на рынке.</source>
        <comment>MessageHunger/Text</comment>
        <translation>The food is gone: the sawmills, quarries and mines stand still. Buy food at the market.</translation>
    </message>
</context>
<context>
    <name>SCENARIOS/island.ini</name>
    <message>
        <source>Новый остров</source>
        <comment>Scenario/Title</comment>
        <translation>A new island</translation>
    </message>
    <message>
        <source>Неизвестный остров в океане.
Заселите его и наладьте промысел, пока метрополия ждет.</source>
        <comment>Scenario/Description</comment>
        <translation>An unknown island in the ocean.
Settle it and get trade going while the home country waits.</translation>
    </message>
    <message>
        <source>Сто двадцать колонистов к весне 1900 года</source>
        <comment>Goal1/Text</comment>
        <translation>A hundred and twenty colonists by spring 1900</translation>
    </message>
    <message>
        <source>Две рыболовецкие артели</source>
        <comment>Goal2/Text</comment>
        <translation>Two fisheries</translation>
    </message>
    <message>
        <source>Казна в 500 000 к весне 1900 года</source>
        <comment>Goal3/Text</comment>
        <translation>500 000 in the treasury by spring 1900</translation>
    </message>
    <message>
        <source>Продать за год товаров на 50 000</source>
        <comment>OptionalTrade/Text</comment>
        <translation>Sell goods for 50 000 in a year</translation>
    </message>
    <message>
        <source>Колония не заплатила налог</source>
        <comment>Failure1/Text</comment>
        <translation>The colony did not pay a tax</translation>
    </message>
    <message>
        <source>Остров дикий и далекий. Стройте жилье раньше, чем приедут люди.</source>
        <comment>Message1/Text</comment>
        <translation>The island is wild and far away. Build homes before the people arrive.</translation>
    </message>
</context>
<context>
    <name>SCENARIOS/sustainable.ini</name>
    <message>
        <source>Устойчивая колония</source>
        <comment>Scenario/Title</comment>
        <translation>A lasting colony</translation>
    </message>
    <message>
        <source>Колония на двадцать лет.
Платите налоги, берегите здоровье людей и заканчивайте годы с прибылью.</source>
        <comment>Scenario/Description</comment>
        <translation>A colony for twenty years.
Pay the taxes, keep people healthy and end the years with a profit.</translation>
    </message>
    <message>
        <source>Заплатить главные налоги 1900 и 1910 годов</source>
        <comment>Goal1/Text</comment>
        <translation>Pay the main taxes of 1900 and 1910</translation>
    </message>
    <message>
        <source>Здоровье колонии не ниже 800 два года подряд</source>
        <comment>Goal2/Text</comment>
        <translation>Colony health at 800 or more for two years in a row</translation>
    </message>
    <message>
        <source>Три года подряд с прибылью</source>
        <comment>Goal3/Text</comment>
        <translation>Three years in a row with a profit</translation>
    </message>
    <message>
        <source>Казна в 1 600 000</source>
        <comment>Goal4/Text</comment>
        <translation>1 600 000 in the treasury</translation>
    </message>
    <message>
        <source>Колония не заплатила налог</source>
        <comment>Failure1/Text</comment>
        <translation>The colony did not pay a tax</translation>
    </message>
    <message>
        <source>Через десять лет от основания казна потребует главный налог: 125 000 на «Обычной» сложности, меньше на «Лёгкой» и больше на «Трудной». Копите заранее.</source>
        <comment>Message1/Text</comment>
        <translation>Ten years after the founding the main tax is due: 125 000 at «Normal», less at «Easy» and more at «Hard». Save up early.</translation>
    </message>
    <message>
        <source>Главный налог 1910 года вдвое больше, чем 1900-го.</source>
        <comment>Message2/Text</comment>
        <translation>The main tax of 1910 is twice that of 1900.</translation>
    </message>
</context>
<context>
    <name>SCENARIOS/tutorial.ini</name>
    <message>
        <source>Обучение</source>
        <comment>Scenario/Title</comment>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Первый год колонии, шаг за шагом.
Подсказки над картой скажут, что делать и какую кнопку нажать.</source>
        <comment>Scenario/Description</comment>
        <translation>The colony&apos;s first year, step by step.
Tips above the map tell what to do and which button to press.</translation>
    </message>
    <message>
        <source>Заплатить первый годовой налог</source>
        <comment>Goal1/Text</comment>
        <translation>Pay the first yearly tax</translation>
    </message>
    <message>
        <source>Первого февраля придет предупреждение, а первого марта - годовой налог. Берегите на него деньги.</source>
        <comment>Message1/Text</comment>
        <translation>A warning comes on the first of February, and the yearly tax on the first of March. Keep money for it.</translation>
    </message>
    <message>
        <source>Щелкните мышью по свободной клетке рядом с управой колонии: строят только рядом с другими строениями.</source>
        <comment>Step1/Text</comment>
        <translation>Click a free cell next to the colony hall: you can only build next to other buildings.</translation>
    </message>
    <message>
        <source>Нажмите на палитре картинку «Жилой дом» (подсказка всплывает под мышью): дом встанет на выбранную клетку.</source>
        <comment>Step2/Text</comment>
        <translation>Click the «House» picture on the palette (its hint shows under the mouse): the house goes on the selected cell.</translation>
    </message>
    <message>
        <source>Ферма дает еду: ее берут лесопилки, каменоломни и шахты, а лишнюю продают. Выберите клетку рядом с домом или управой и нажмите на палитре «Ферма».</source>
        <comment>Step3/Text</comment>
        <translation>A farm gives food: the sawmills, quarries and mines take it, and what is left over is sold. Select a cell next to the house or the hall and click «Farm» on the palette.</translation>
    </message>
    <message>
        <source>Выберите пустую клетку рядом с постройками и нажмите «Улучшить землю за 10999» (G): на улучшенной земле строят вдвое быстрее.</source>
        <comment>Step4/Text</comment>
        <translation>Select an empty cell next to the buildings and press «Improve land for 10999» (G): on improved land building goes twice as fast.</translation>
    </message>
    <message>
        <source>Поставьте на улучшенную клетку вторую ферму: нажмите на палитре «Ферма».</source>
        <comment>Step5/Text</comment>
        <translation>Put a second farm on the improved cell: click «Farm» on the palette.</translation>
    </message>
    <message>
        <source>Фермы пьют воду, по 1 в день, а запаса хватит ненадолго. Воду дает колодец: его ставят на воду. У озера справа внизу у колонии уже есть колодец — щелкните по нему, строка внизу назовет его и срок его службы.</source>
        <comment>Step6/Text</comment>
        <translation>Farms drink water, 1 a day each, and the stock will not last long. Water comes from a well, which stands on water. By the lake to the lower right the colony already has a well: click it, and the line at the bottom names it and how long it will serve.</translation>
    </message>
    <message>
        <source>Продайте часть еды: нажмите «Продать ресурсы» (S), впишите 200 в поле еды и нажмите «Продать».</source>
        <comment>Step7/Text</comment>
        <translation>Sell some food: press «Sell goods» (S), type 200 in the food box and press «Sell».</translation>
    </message>
    <message>
        <source>Чтобы не продавать вручную каждый месяц, дайте рынку заказ: «Сервис» → «Заказы на рынке...» (Ctrl+R), отметьте «Продовольствие», задайте «Не больше» 500 и нажмите «ОК». Лишняя еда будет продаваться сама после каждого дня.</source>
        <comment>Step8/Text</comment>
        <translation>So as not to sell by hand every month, give the market an order: «Tools» → «Standing orders...» (Ctrl+R), tick «Food», set «At most» to 500 and press «OK». Surplus food will then sell by itself after each day.</translation>
    </message>
    <message>
        <source>Нажмите «Новая неделя» (W): колония проживет семь дней.</source>
        <comment>Step9/Text</comment>
        <translation>Press «New week» (W): the colony lives seven days.</translation>
    </message>
    <message>
        <source>Строения изнашиваются. Нажмите «Поиск слабейшего строения» (F): оно будет выбрано на карте.</source>
        <comment>Step10/Text</comment>
        <translation>Buildings wear out. Press «Find the weakest building» (F): it gets selected on the map.</translation>
    </message>
    <message>
        <source>Нажмите «Восстановление» (R): выбранное строение прослужит дольше.</source>
        <comment>Step11/Text</comment>
        <translation>Press «Restore» (R): the selected building will serve longer.</translation>
    </message>
    <message>
        <source>Знак справа внизу — советник (Ctrl+A): он предупредит, если не хватит денег к налогу, воды, рабочих или жилья. Нажмите «Играть дальше» (O): дни пойдут сами до дня налога, 1 марта. Любая клавиша остановит игру, а O пустит ее снова.</source>
        <comment>Step12/Text</comment>
        <translation>The sign at the lower right is the advisor (Ctrl+A): it warns when money for the tax, water, workers or homes will run short. Press «Play on» (O): the days pass by themselves until the day of the tax, 1 March. Any key stops the game, and O starts it again.</translation>
    </message>
    <message>
        <source>Когда придет налог, нажмите в его окне «Да».</source>
        <comment>Step13/Text</comment>
        <translation>When the tax comes, press «Yes» in its window.</translation>
    </message>
</context>
<context>
    <name>MAPS/01.WLL</name>
    <message>
        <source>Тарвения</source>
        <comment>TEXT/value</comment>
        <translation>Tarvenia</translation>
    </message>
    <message>
        <source>о. Чаячий</source>
        <comment>TEXT/value</comment>
        <translation>Gull Island</translation>
    </message>
    <message>
        <source>о. Медвежий</source>
        <comment>TEXT/value</comment>
        <translation>Bear Island</translation>
    </message>
    <message>
        <source>о. Дальний</source>
        <comment>TEXT/value</comment>
        <translation>Far Island</translation>
    </message>
    <message>
        <source>о. Каменный</source>
        <comment>TEXT/value</comment>
        <translation>Stone Island</translation>
    </message>
    <message>
        <source>о. Рыбачий</source>
        <comment>TEXT/value</comment>
        <translation>Fishers&apos; Island</translation>
    </message>
    <message>
        <source>Северное море</source>
        <comment>TEXT/value</comment>
        <translation>North Sea</translation>
    </message>
    <message>
        <source>Южное море</source>
        <comment>TEXT/value</comment>
        <translation>South Sea</translation>
    </message>
    <message>
        <source>Залив Надежды</source>
        <comment>TEXT/value</comment>
        <translation>Gulf of Hope</translation>
    </message>
</context>
<context>
    <name>HELP.html</name>
    <message>
        <source>&lt;!DOCTYPE html&gt;
&lt;html lang=&quot;ru&quot;&gt;
&lt;head&gt;
&lt;meta charset=&quot;utf-8&quot;&gt;
&lt;title&gt;Тарвения — помощь&lt;/title&gt;
&lt;style&gt;
body { font-family: &quot;Liberation Serif&quot;, &quot;Times New Roman&quot;, serif; max-width: 60em; margin: 1em auto; color: #2a1e10; background: #fbf7ec; }
h1, h2 { color: #5a3a10; }
table { border-collapse: collapse; margin: 0.5em 0; }
td, th { border: 1px solid #c8b890; padding: 2px 6px; vertical-align: top; }
th { background: #eadfc0; }
td.n { text-align: right; white-space: nowrap; }
kbd { border: 1px solid #a09070; border-radius: 3px; padding: 0 4px; background: #fff; }
&lt;/style&gt;
&lt;/head&gt;
&lt;body&gt;</source>
        <translation>&lt;!DOCTYPE html&gt;
&lt;html lang=&quot;en&quot;&gt;
&lt;head&gt;
&lt;meta charset=&quot;utf-8&quot;&gt;
&lt;title&gt;Тарвения — help&lt;/title&gt;
&lt;style&gt;
body { font-family: &quot;Liberation Serif&quot;, &quot;Times New Roman&quot;, serif; max-width: 60em; margin: 1em auto; color: #2a1e10; background: #fbf7ec; }
h1, h2 { color: #5a3a10; }
table { border-collapse: collapse; margin: 0.5em 0; }
td, th { border: 1px solid #c8b890; padding: 2px 6px; vertical-align: top; }
th { background: #eadfc0; }
td.n { text-align: right; white-space: nowrap; }
kbd { border: 1px solid #a09070; border-radius: 3px; padding: 0 4px; background: #fff; }
&lt;/style&gt;
&lt;/head&gt;
&lt;body&gt;</translation>
    </message>
    <message>
        <source>&lt;a name=&quot;10&quot; id=&quot;10&quot;&gt;&lt;/a&gt;
&lt;h1&gt;Тарвения&lt;/h1&gt;
&lt;p&gt;{founding} года на берег острова сходят первые поселенцы: {people} человек и {money} денег в кассе.
На месте высадки уже стоит первое строение колонии — {founder}. Ваша задача — построить
процветающую колонию: дать людям жилье и работу, добывать и продавать ресурсы и вовремя платить
налоги метрополии. Каждый ход — один день.&lt;/p&gt;
&lt;p&gt;Колония разоряется, если ей нечем платить: без денег люди болеют и уходят, а пока налог не
уплачен, календарь стоит на месте. Если разрушится последнее строение «{founder}», колония
каждый день теряет все деньги и ресурсы.&lt;/p&gt;</source>
        <translation>&lt;a name=&quot;10&quot; id=&quot;10&quot;&gt;&lt;/a&gt;
&lt;h1&gt;Тарвения&lt;/h1&gt;
&lt;p&gt;On {founding} the first settlers step ashore on the island: {people} people with {money} in the treasury.
The colony&apos;s first building, the {founder}, already stands at the landing place. Your task is to build
a thriving colony: give people homes and work, produce and sell goods, and pay the home country&apos;s
taxes on time. Each turn is one day.&lt;/p&gt;
&lt;p&gt;The colony goes broke when it cannot pay: without money people fall ill and leave, and while a tax
is unpaid, the calendar stands still. If the last «{founder}» falls down, the colony
loses all its money and goods every day.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Карта и клетки&lt;/h2&gt;
&lt;p&gt;Карта — 280 × 280 клеток. Выберите клетку мышью или стрелками; &lt;kbd&gt;Ctrl&lt;/kbd&gt; со стрелками
и перетаскивание мышью прокручивают карту, щелчок по обзорной карте справа переносит вид. Колесо мыши меняет масштаб вокруг указателя (&lt;kbd&gt;Shift&lt;/kbd&gt; с колесом прокручивает вбок), как и &lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;=&lt;/kbd&gt;, &lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;-&lt;/kbd&gt; и &lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;0&lt;/kbd&gt;: от всего острова, где клетка — цветная точка, до двойного размера. Пока карта не в своем размере, в ее углу справа вверху виден масштаб; щелчок по нему возвращает настоящий размер. Окно игры растягивается и разворачивается; карта занимает все место, а игра помнит размер и место окна.
Строка статуса внизу говорит, что находится на выбранной клетке. Строить можно на земле, воде
(озерах), в лесу и на месторождениях угля, руды, нефти и золота; на море, берегу и неизвестных
объектах строить нельзя.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Map and cells&lt;/h2&gt;
&lt;p&gt;The map is 280 × 280 cells. Select a cell with the mouse or the arrow keys; &lt;kbd&gt;Ctrl&lt;/kbd&gt; with the arrows
and dragging with the mouse scroll the map, and a click on the overview map on the right moves the view. The mouse wheel zooms about the pointer (&lt;kbd&gt;Shift&lt;/kbd&gt; with the wheel scrolls sideways), and so do &lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;=&lt;/kbd&gt;, &lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;-&lt;/kbd&gt; and &lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;0&lt;/kbd&gt;: from the whole island, each cell a dot of colour, to twice the size. While the map is not at its actual size, the zoom shows at its top-right corner; a click on it brings the actual size back. The game&apos;s window can be resized and maximised; the map takes the room, and the game remembers the window&apos;s size and place.
The status line at the bottom tells what is on the selected cell. You can build on land, water
(lakes), in forest and on deposits of coal, ore, oil and gold; you cannot build on the sea, the shore or
unknown objects.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Команды&lt;/h2&gt;
&lt;table&gt;
&lt;tr&gt;&lt;th&gt;Клавиша&lt;/th&gt;&lt;th&gt;Кнопка&lt;/th&gt;&lt;th&gt;Что делает&lt;/th&gt;&lt;/tr&gt;
{commands}
&lt;tr&gt;&lt;td&gt;&lt;/td&gt;&lt;td&gt;Палитра строений&lt;/td&gt;&lt;td&gt;построить выбранное строение на выбранной клетке; подсказка кнопки показывает его цену, условия и доход&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;</source>
        <translation>&lt;h2&gt;Commands&lt;/h2&gt;
&lt;table&gt;
&lt;tr&gt;&lt;th&gt;Key&lt;/th&gt;&lt;th&gt;Button&lt;/th&gt;&lt;th&gt;What it does&lt;/th&gt;&lt;/tr&gt;
{commands}
&lt;tr&gt;&lt;td&gt;&lt;/td&gt;&lt;td&gt;Building palette&lt;/td&gt;&lt;td&gt;builds the chosen building on the selected cell; the button&apos;s hint shows its price, needs and income&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Играть дальше&lt;/h2&gt;
&lt;p&gt;Кнопка «Играть дальше» (&lt;kbd&gt;O&lt;/kbd&gt;) проживает день за днём и показывает каждый: дату, цифры
и карту. Она останавливается сама, когда колонии нужен игрок: налог, цель выполнена или
провалена, сообщение, которое показывается в окне (какие сообщения идут без окна, выбирается в
параметрах), или предел игры. Строка статуса говорит, что игра идёт и почему она остановилась.
Любая клавиша или щелчок останавливают игру и больше ничего не делают; колесо мыши и
прокрутка карты работают и во время игры. «Игра» → «Играть дальше...» выбирает предел: до
ежегодного налога (игра встает накануне, чтобы вы успели приготовить деньги), 30 дней, год
или до даты, и скорость: от 2 дней в секунду до как можно быстрее. Все дни одной игры
отменяются одной командой «Отменить».&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Play on&lt;/h2&gt;
&lt;p&gt;The «Play on» button (&lt;kbd&gt;O&lt;/kbd&gt;) lives day after day and shows each: the date, the figures
and the map. It stops by itself when the colony needs the player: a tax, a goal met or failed, a
message shown in a window (which messages come without a window is chosen in the settings), or
the limit of the run. The status line tells that the game is playing and why it stopped. Any key
or click stops the game and does nothing else; the mouse wheel and scrolling the map work while
it plays. «Game» → «Play on...» chooses the limit: to the yearly tax (the game stops the day
before, so that you can get the money ready), 30 days, a year or to a date, and the speed: from
2 days a second to as fast as possible. All the days of one run are taken back by one «Undo».&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Без мыши&lt;/h2&gt;
&lt;p&gt;В игру можно играть одной клавиатурой. &lt;kbd&gt;Tab&lt;/kbd&gt; переводит ввод с карты на палитру
строений, оттуда на кнопки команд и обратно; &lt;kbd&gt;Shift&lt;/kbd&gt;+&lt;kbd&gt;Tab&lt;/kbd&gt; — в обратном
порядке. Стрелки ходят по палитре и по кнопкам, &lt;kbd&gt;Пробел&lt;/kbd&gt; или &lt;kbd&gt;Enter&lt;/kbd&gt;
строит выбранное строение на выбранной клетке или нажимает кнопку, &lt;kbd&gt;Esc&lt;/kbd&gt; возвращает
на карту. Кнопка, на которой стоит ввод, обведена рамкой. В окнах &lt;kbd&gt;Tab&lt;/kbd&gt; ходит по
кнопкам и полям, &lt;kbd&gt;Enter&lt;/kbd&gt; нажимает кнопку по умолчанию, &lt;kbd&gt;Esc&lt;/kbd&gt; — отмену;
окна статистики, целей и журнала закрываются по &lt;kbd&gt;Esc&lt;/kbd&gt;. Программы чтения с экрана
называют кнопки, строения с их подсказками, цифры панели, здоровье и строку статуса.&lt;/p&gt;
&lt;p&gt;Кнопка палитры или команды, до которой дошла клавиатура, показывает свою подсказку, как под
мышью. &lt;kbd&gt;Alt&lt;/kbd&gt; или &lt;kbd&gt;Ctrl&lt;/kbd&gt; с буквой никогда не выполняет команду: эти клавиши
для меню, и буквы меню действуют при русской и при латинской раскладке. Окна статистики, целей и журнала открываются рядом с игрой, не закрывая ни ее, ни
друг друга, а потом там, куда вы их поставили.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Without a mouse&lt;/h2&gt;
&lt;p&gt;The game can be played with the keyboard alone. &lt;kbd&gt;Tab&lt;/kbd&gt; moves the input from the map to the building
palette, from there to the command buttons and back; &lt;kbd&gt;Shift&lt;/kbd&gt;+&lt;kbd&gt;Tab&lt;/kbd&gt; goes the other
way. The arrows move along the palette and the buttons, &lt;kbd&gt;Space&lt;/kbd&gt; or &lt;kbd&gt;Enter&lt;/kbd&gt;
builds the chosen building on the selected cell or presses the button, &lt;kbd&gt;Esc&lt;/kbd&gt; goes back
to the map. The button that has the input is framed. In windows &lt;kbd&gt;Tab&lt;/kbd&gt; moves between
buttons and fields, &lt;kbd&gt;Enter&lt;/kbd&gt; presses the default button, &lt;kbd&gt;Esc&lt;/kbd&gt; cancels;
the statistics, goals and journal windows close with &lt;kbd&gt;Esc&lt;/kbd&gt;. Screen readers
name the buttons, the buildings with their hints, the panel&apos;s figures, the health and the status line.&lt;/p&gt;
&lt;p&gt;A palette or command button the keyboard reaches shows its hint, as under the mouse.
&lt;kbd&gt;Alt&lt;/kbd&gt; or &lt;kbd&gt;Ctrl&lt;/kbd&gt; with a letter never runs a command: those keys are for the
menus, and the menus&apos; letters work on the Russian and the Latin layout alike. The statistics, goals and journal windows open beside the game, covering neither it nor
each other, and later where you put them.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Меню&lt;/h2&gt;
&lt;table&gt;
&lt;tr&gt;&lt;th&gt;Клавиши&lt;/th&gt;&lt;th&gt;Пункт&lt;/th&gt;&lt;th&gt;Что делает&lt;/th&gt;&lt;/tr&gt;
{menus}
&lt;/table&gt;</source>
        <translation>&lt;h2&gt;Menus&lt;/h2&gt;
&lt;table&gt;
&lt;tr&gt;&lt;th&gt;Keys&lt;/th&gt;&lt;th&gt;Item&lt;/th&gt;&lt;th&gt;What it does&lt;/th&gt;&lt;/tr&gt;
{menus}
&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Люди&lt;/h2&gt;
&lt;p&gt;Каждый человек обходится колонии в {upkeep} деньгу в день. Пока здоровье ниже максимального, колония
тратит на людей вдвое больше, и здоровье растет. Если денег не хватает, здоровье падает, люди
перестают рождаться и начинают уходить. Люди живут только там, где есть места в домах:
лишние уходят сразу. Рабочие места заполняются от новых строений к старым.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;People&lt;/h2&gt;
&lt;p&gt;Each person costs the colony {upkeep} a day. While health is below its best, the colony
spends twice as much on people, and health grows. When money runs short, health falls, no more
children are born and people start to leave. People live only where there are places in homes:
the rest leave at once. Jobs are filled from the newest buildings to the oldest.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Строительство и износ&lt;/h2&gt;
&lt;p&gt;Новое строение можно поставить только рядом (по стороне клетки) с уже стоящим, если в таблице
не сказано иное. Строение работает в свои сезоны, если ему хватает рабочих и сырья; иначе на
нем появляется значок. Зимой строения изнашиваются сильнее. Восстановление всего срока службы
стоит около трех четвертей цены строения. Отслужившее строение разрушается, на его месте
остаются руины.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Building and wear&lt;/h2&gt;
&lt;p&gt;A new building can only go next to (on a side of a cell) one that already stands, unless the table
says otherwise. A building works in its seasons if it has enough workers and materials; if not,
a sign shows on it. Buildings wear out faster in winter. Restoring the whole service life
costs about three quarters of the building&apos;s price. A building whose life is over falls down and
leaves ruins.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Почему строение стоит&lt;/h2&gt;
&lt;p&gt;Если выбранное строение сегодня не работает, строка статуса после его описания говорит почему:
сколько дней еще строиться, заблокировано, не его сезон, каких ресурсов и сколько не хватает на
день работы, сколько рабочих ему нужно и сколько было свободно, когда до него дошла очередь.
Меню «Вид» раскрашивает карту и обзорную карту: «Износ» — по оставшемуся сроку службы,
«Работа» — работает ли строение и почему стоит, «Улучшенная земля» — где земля улучшена.
Что значит каждый цвет, написано в левом нижнем углу карты. Цвета различимы и без цветового зрения: каждый шаг светлее или темнее других. «Обычный вид» убирает раскраску.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Why a building stands idle&lt;/h2&gt;
&lt;p&gt;If the selected building does not work today, the status line says why after its description:
how many days of building are left, blocked, not its season, which goods it lacks and how much for
a day&apos;s work, how many workers it needs and how many were free when its turn came.
The «View» menu tints the map and the overview: «Wear» by the service life left,
«Work» by whether a building works and why it stands, «Improved land» where the land is improved.
What each colour means is written in the lower left corner of the map. The colours can be told apart without colour vision: each step is lighter or darker than the others. «Plain view» takes the tints away.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Налоги&lt;/h2&gt;
&lt;p&gt;Каждый год 1 марта, начиная с {firstYearly} года, колония платит налоги за прошедший год:
{landRate} за каждое строение на земле (кроме строений «без налога на землю»), {buying}% от суммы покупок,
{selling}% от суммы продаж и {funds} в фонды. Раз в {period} лет, 1 ноября, начиная с {firstMain} года, платится
Главный налог: {firstMainTax} в {firstMain} году, {secondMainTax} в {secondMain} году, и дальше он удваивается каждые {period} лет. За
месяц до налога приходит предупреждение. Пока налог не уплачен, следующий день не наступит.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Taxes&lt;/h2&gt;
&lt;p&gt;Every year on 1 March, from {firstYearly} on, the colony pays taxes for the past year:
{landRate} for each building on land (except those with «no land tax»), {buying}% of its purchases,
{selling}% of its sales and {funds} to the funds. Once in {period} years, on 1 November, from {firstMain} on, the
Main tax is due: {firstMainTax} in {firstMain}, {secondMainTax} in {secondMain}, and then it doubles every {period} years. A
warning comes a month before a tax. While a tax is unpaid, the next day does not come.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Сохранение&lt;/h2&gt;
&lt;p&gt;&lt;kbd&gt;Ctrl+S&lt;/kbd&gt; сохраняет игру, &lt;kbd&gt;Ctrl+Shift+S&lt;/kbd&gt; — под другим именем, &lt;kbd&gt;Ctrl+O&lt;/kbd&gt;
загружает сохраненную. Для новой игры, у которой еще нет файла, игра предложит имя по острову и
дате («Остров 01, 8 марта 1890.dat»). Если в выбранном файле сохранена другая колония, игра
сначала спросит, заменить ли ее. В начале каждого месяца игра сохраняется сама, по очереди в
трех файлах (Autosave1.dat, Autosave2.dat, Autosave3.dat), так что последние три месяца всегда
можно вернуть. Загрузка игры не меняет настроек: звук останется таким, как вы его выбрали.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Saving&lt;/h2&gt;
&lt;p&gt;&lt;kbd&gt;Ctrl+S&lt;/kbd&gt; saves the game, &lt;kbd&gt;Ctrl+Shift+S&lt;/kbd&gt; under another name, &lt;kbd&gt;Ctrl+O&lt;/kbd&gt;
loads a saved one. For a new game that has no file yet, the game offers a name from the island and
the date («Остров 01, 8 марта 1890.dat»). If the chosen file holds another colony, the game
first asks whether to replace it. At the start of each month the game saves itself, in turn into
three files (Autosave1.dat, Autosave2.dat, Autosave3.dat), so the last three months can always
be brought back. Loading a game does not change the settings: the sound stays as you set it.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Если игра прервется из-за сбоя, она успеет записать рядом с сохранениями два файла: Crash.dat,
колонию после последней команды, и Crash.log, что случилось. При следующем запуске игра скажет о
сбое и предложит загрузить колонию, какой она была. Чтобы сообщить о сбое, приложите к письму оба
файла. Под именем Crash.dat свою игру сохранить нельзя.&lt;/p&gt;</source>
        <translation>&lt;p&gt;If the game stops because of a crash, it still writes two files beside the saves: Crash.dat,
the colony after the last command, and Crash.log, what happened. At the next start the game tells
of the crash and offers to load the colony as it was. To report the crash, attach both files to
your message. You cannot save your own game under the name Crash.dat.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Отмена&lt;/h2&gt;
&lt;p&gt;&lt;kbd&gt;Ctrl+Z&lt;/kbd&gt; отменяет последнюю команду, которая изменила игру: строительство, улучшение
земли, восстановление, разбор, блокировку, сделку на рынке, день или неделю (до 100 команд подряд).
&lt;kbd&gt;Ctrl+Y&lt;/kbd&gt; повторяет отмененное. В меню «Игра» видно, что будет отменено или повторено.
Отмененный день при повторе проходит так же: случай в нем тот же. Если отменить все до
сохраненного состояния, игра снова считается сохраненной.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Undo&lt;/h2&gt;
&lt;p&gt;&lt;kbd&gt;Ctrl+Z&lt;/kbd&gt; takes back the last command that changed the game: building, improving
land, restoring, pulling down, blocking, a market deal, a day or a week (up to 100 commands in a row).
&lt;kbd&gt;Ctrl+Y&lt;/kbd&gt; does again what was taken back. The «Game» menu shows what will be undone or redone.
A day taken back plays the same when redone: its chance is the same. If you undo everything back to
the saved state, the game counts as saved again.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Статистика&lt;/h2&gt;
&lt;p&gt;&lt;kbd&gt;Ctrl+T&lt;/kbd&gt; открывает окно статистики рядом с окном игры; оно следит за каждым ходом.
Графики показывают деньги, людей рядом с местами в домах и на работе, здоровье (с чертой 500,
ниже которой люди не рождаются), запасы ресурсов и продажи и покупки на рынке по месяцам — за
последний год, десять лет или всю игру. Указатель мыши над графиком показывает день и его числа.
Страница «Счёт» показывает каждое изменение денег по видам (продажи, содержание, строительство,
налоги и другие) за каждый из последних десяти лет и за всю игру. Графики и счет можно
сохранить в файл CSV.&lt;/p&gt;
&lt;p&gt;Страница «Прогноз» показывает, что ждет колонию, если ничего не делать: игра проживает
64 возможных будущих до ежегодного налога, до Главного налога, на 30 или на 365 дней вперед.
Линия на каждом графике — середина этих будущих, полоса — где лежат 8 из 10. Строка над
графиками говорит, хватит ли денег на налог, когда кончится продовольствие и куда идет
здоровье. Прогноз считается заново после каждого хода и каждой команды, пока страница открыта;
саму игру он не меняет.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Statistics&lt;/h2&gt;
&lt;p&gt;&lt;kbd&gt;Ctrl+T&lt;/kbd&gt; opens the statistics window beside the game window; it follows every turn.
The charts show money, people beside the places in homes and at work, health (with a line at 500,
below which no children are born), the stock of goods, and market sales and purchases by month, for
the last year, ten years or the whole game. The mouse pointer over a chart shows a day and its figures.
The «Account» page shows every change of money by kind (sales, upkeep, building,
taxes and others) for each of the last ten years and for the whole game. The charts and the account can
be saved to a CSV file.&lt;/p&gt;
&lt;p&gt;The «Forecast» page shows what lies ahead for the colony if you do nothing: the game lives
64 possible futures up to the yearly tax, up to the Main tax, or 30 or 365 days ahead.
The line on each chart is the middle of those futures, the band is where 8 in 10 lie. The line above
the charts tells whether the money will cover the tax, when the food runs out and where
health is going. The forecast is made again after each turn and each command while the page is open;
it never changes the game itself.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Журнал&lt;/h2&gt;
&lt;p&gt;«Сервис» → «Журнал» (&lt;kbd&gt;Ctrl+J&lt;/kbd&gt;) открывает рядом с игрой журнал: все сообщения игры с
их датами, новые сверху. Там события, налоги (предупреждение, сумма, уплачен налог или нет),
времена года, ошибки из строки состояния и цели сценария. Можно показать записи одного вида и
найти запись по словам из ее текста. Запись о строении или клетке написана синим: двойной щелчок
или &lt;kbd&gt;Enter&lt;/kbd&gt; по ней показывает эту клетку в середине карты и выбирает ее. Отмененная
команда уносит свои записи, повтор возвращает их. Журнал хранится в сохраненной игре.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Journal&lt;/h2&gt;
&lt;p&gt;«Tools» → «Journal» (&lt;kbd&gt;Ctrl+J&lt;/kbd&gt;) opens the journal beside the game: every message of the game with
its date, newest on top. It holds events, taxes (the warning, the sum, whether it was paid),
seasons, errors from the status line and the scenario&apos;s goals. You can show entries of one kind and
find an entry by words from its text. An entry about a building or a cell is written in blue: a double click
or &lt;kbd&gt;Enter&lt;/kbd&gt; on it shows that cell in the middle of the map and selects it. A command
taken back takes its entries with it, and redoing it brings them back. The journal is kept in the saved game.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Другие острова&lt;/h2&gt;
&lt;p&gt;«Игра» → «Новая на другом острове...» (&lt;kbd&gt;Ctrl+Shift+N&lt;/kbd&gt;) начинает новую игру на другой
земле: на карте «01», на любой карте из папки MAPS игры или из папки MAPS рядом с сохранениями,
или на случайном острове, который игра строит по его номеру (от 0 до 4 294 967 295). Номер
каждый раз выбирается заново; введите другой, чтобы вернуться на знакомый остров или сыграть
на острове, о котором рассказал друг. Справа видна карта острова с местом высадки. Сохраненная
игра помнит свой остров: загрузка возвращает его.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Other islands&lt;/h2&gt;
&lt;p&gt;«Game» → «New on another island...» (&lt;kbd&gt;Ctrl+Shift+N&lt;/kbd&gt;) starts a new game on other
land: on map «01», on any map from the MAPS folder of the game or from the MAPS folder beside the saves,
or on a random island that the game builds from its number (from 0 to 4 294 967 295). The number
is chosen anew each time; type another to go back to an island you know or to play
on an island a friend told you about. The island&apos;s map with the landing place is shown on the right. A saved
game remembers its island: loading brings it back.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;a name=&quot;editor&quot; id=&quot;editor&quot;&gt;&lt;/a&gt;
&lt;h2&gt;Редактор островов&lt;/h2&gt;
&lt;p&gt;«Сервис» → «Редактор островов...» (&lt;kbd&gt;Ctrl+E&lt;/kbd&gt;) открывает в своем окне редактор, где
рисуют свою землю; &lt;code&gt;tarvenia --edit&lt;/code&gt; открывает его сразу, &lt;code&gt;tarvenia --edit random:7&lt;/code&gt;
— на острове номер 7. «Карта» → «Новая...» начинает с пустого моря, с острова по номеру или с
любой карты игры, «Открыть файл...» — с любой карты (файла .LTS) или черновика.&lt;/p&gt;</source>
        <translation>&lt;a name=&quot;editor&quot; id=&quot;editor&quot;&gt;&lt;/a&gt;
&lt;h2&gt;Island editor&lt;/h2&gt;
&lt;p&gt;«Tools» → «Island editor...» (&lt;kbd&gt;Ctrl+E&lt;/kbd&gt;) opens the editor in a window of its own, where
you paint a land of your own; &lt;code&gt;tarvenia --edit&lt;/code&gt; opens it at once, &lt;code&gt;tarvenia --edit random:7&lt;/code&gt;
on the island number 7. «Map» → «New...» starts from a blank sea, from the island of a number or
from any map of the game, «Open file...» from any map (a .LTS file) or draft.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Инструменты, в скобках клавиша: {tools}. Берег ложится сам там, где земля встречает море, а море,
отрезанное от открытого моря, становится озером. После каждого штриха карта рисуется заново, как
у острова, построенного игрой. &lt;kbd&gt;Ctrl+Z&lt;/kbd&gt; отменяет штрих, заливку, остров, перенос или
надпись целиком (до 100 шагов), &lt;kbd&gt;Ctrl+Y&lt;/kbd&gt; повторяет. Масштаб меняют колесо мыши и меню «Вид», как в игре. Названия, которые дала игра, на другом
языке пишутся на нем, а свои видны так, как написаны.&lt;/p&gt;</source>
        <translation>&lt;p&gt;The tools, with their keys: {tools}. The coast lies by itself
where land meets the sea, and sea cut off from the open sea becomes a lake. After every stroke the
map is drawn again, as an island the game makes is. &lt;kbd&gt;Ctrl+Z&lt;/kbd&gt; takes back a whole stroke,
fill, island, move or name (up to 100 steps), &lt;kbd&gt;Ctrl+Y&lt;/kbd&gt; redoes it. The mouse wheel and the View menu zoom the map as in the game. The names the game
gave are written in the game&apos;s language; names of your own show as you wrote them.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Справа — проверка: ошибки (на месте высадки не поставить первое строение, у начала мало земли
под дома первых поселенцев, на карте нет земли, без которой не получить какой-то ресурс) и
предупреждения (нужная земля далеко от начала, крошечные острова без пользы). Выбранная строка
показывает на карте, о каких клетках речь. «Сохранить» (&lt;kbd&gt;Ctrl+S&lt;/kbd&gt;) записывает карту под ее
именем в папку MAPS рядом с сохранениями, и она сразу появляется в списке новой игры; карту с
ошибками можно сохранить только черновиком, в папку DRAFTS. «Играть» (&lt;kbd&gt;F5&lt;/kbd&gt;) сохраняет
карту и начинает на ней новую игру. Ту же проверку делает &lt;code&gt;tarvenia-sim --check-map&lt;/code&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;On the right is the check: errors (the first building cannot stand on the landing place, too
little land near the start for the first settlers&apos; houses, the map lacks a ground without which
some good cannot be made) and warnings (a needed ground far from the start, tiny islands of no
use). The line chosen shows on the map which cells it means. «Save» (&lt;kbd&gt;Ctrl+S&lt;/kbd&gt;) writes the
map under its name into the MAPS folder beside the saves, and the new game&apos;s list shows it at
once; a map with errors can only be saved as a draft, into the DRAFTS folder. «Play»
(&lt;kbd&gt;F5&lt;/kbd&gt;) saves the map and starts a new game on it. &lt;code&gt;tarvenia-sim --check-map&lt;/code&gt;
makes the same check.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Сценарии&lt;/h2&gt;
&lt;p&gt;«Игра» → «Новая по сценарию...» начинает колонию с целью: накопить денег, построить город,
дожить до срока. В списке у каждого сценария видны его сложность, описание, карта с местом
высадки и ваш лучший результат на выбранной сложности. Сложность можно выбрать, если сценарий
не задаёт свою: на лёгкой {easyMoney}% денег сценария и {easyTax}% каждого налога, на обычной
всё как в свободной игре, на трудной {hardMoney}% денег и {hardTax}% налогов.&lt;/p&gt;
&lt;p&gt;«Сервис» → «Цели» (&lt;kbd&gt;Ctrl+G&lt;/kbd&gt;) открывает окно целей рядом с игрой: обязательные цели,
дополнительные и то, чего нельзя допустить, у каждой полоса хода, срок и состояние. Цели
проверяются в конце каждого хода. «До 1 марта 1895» значит, что цель, достигнутая в конце хода
1 марта 1895 года, выполнена; «дни подряд» считают ходы, в конце которых условие держалось.
Выполненная или проваленная цель объявляется сообщением. Сценарий выигран, когда выполнены все
обязательные цели, и проигран, когда случилась беда или обязательная цель не успела к сроку.
На графиках статистики цель видна линией.&lt;/p&gt;
&lt;p&gt;Выигранный сценарий приносит золотую, серебряную или бронзовую медаль, если выигран к дате
медали. Лучший результат — тот, что без отмены ходов, потом быстрее, потом с большими деньгами;
рекорды хранятся в файле records.ini рядом с сохранениями. Отменять ходы можно, но результат
тогда отмечен «с отменой ходов». Сохранённая игра помнит свой сценарий, его сложность и цели.&lt;/p&gt;
&lt;p&gt;Строения, которые сценарий строить не дает, в палитре бледные, а их подсказка говорит почему.
Если отказ от налога проигрывает сценарий, окно налога пишет об этом красным. Первый экран
игры предлагает «Обучение», пока оно не пройдено, и «Сценарии», а из сохранений — последнее, в
которое еще можно играть.&lt;/p&gt;
&lt;p&gt;Сценарий «Обучение» шаг за шагом ведёт от первого щелчка до первого ежегодного налога: дом,
фермы и вода для них, продажа вручную и постоянный заказ, «Играть дальше» до налога и советник.
Над картой написано, что сделать, а нужная кнопка обведена рамкой, пока ею не воспользуются.
Свои сценарии кладите в папку SCENARIOS рядом с сохранениями; как их писать, сказано в
docs/scenarios.md.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Scenarios&lt;/h2&gt;
&lt;p&gt;«Game» → «New scenario...» starts a colony with a goal: save up money, build a town,
last until a date. The list shows each scenario&apos;s difficulty, description, map with the landing
place and your best result at the chosen difficulty. You can choose the difficulty unless the scenario
sets its own: on easy {easyMoney}% of the scenario&apos;s money and {easyTax}% of each tax, on normal
everything as in the free game, on hard {hardMoney}% of the money and {hardTax}% of the taxes.&lt;/p&gt;
&lt;p&gt;«Tools» → «Goals» (&lt;kbd&gt;Ctrl+G&lt;/kbd&gt;) opens the goals window beside the game: required goals,
optional ones and what must not happen, each with a progress bar, a date and a state. Goals
are checked at the end of each turn. «By 1 March 1895» means that a goal met at the end of the turn
of 1 March 1895 is done; «days in a row» counts the turns at whose end the condition held.
A goal done or failed is announced by a message. The scenario is won when all the
required goals are done, and lost when a disaster happens or a required goal misses its date.
On the statistics charts a goal shows as a line.&lt;/p&gt;
&lt;p&gt;A scenario won brings a gold, silver or bronze medal if it is won by the medal&apos;s
date. The best result is the one without undone turns, then the faster one, then the one with more money;
the records are kept in the file records.ini beside the saves. You may undo turns, but the result
is then marked «with undone turns». A saved game remembers its scenario, its difficulty and its goals.&lt;/p&gt;
&lt;p&gt;The buildings a scenario does not allow are faded in the palette, and their hint says why.
Where refusing a tax loses the scenario, the tax window says so in red. The game&apos;s first screen
offers «Tutorial» until it is finished, and «Scenarios», and of the saves the latest that can still
be played on.&lt;/p&gt;
&lt;p&gt;The «Tutorial» scenario leads you step by step from the first click to the first yearly tax: a house,
farms and their water, a sale by hand and a standing order, «Play on» to the tax and the advisor.
Above the map it says what to do, and the button to use has a frame around it until you use it.
Put your own scenarios in the SCENARIOS folder beside the saves; how to write them is told in
docs/scenarios.md.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Параметры и музыка&lt;/h2&gt;
&lt;p&gt;«Сервис» → «Параметры...» (&lt;kbd&gt;Ctrl+P&lt;/kbd&gt;): громкость звуков и музыки, автосохранение в начале
месяца, вопрос «Сохранить текущую игру?» перед тем, как игра будет закрыта, и полный экран при
запуске. Звук (&lt;kbd&gt;Ctrl+D&lt;/kbd&gt;) и музыку (&lt;kbd&gt;Ctrl+M&lt;/kbd&gt;) можно включать и выключать и из меню.
Музыка меняется с временем года: вальс зимой, марш летом, народная песня весной и осенью.
Там же выбирается язык игры: «Системный», «Русский», «English» или «Deutsch»; он меняется при следующем запуске.
Справа выбирается, какие сообщения показывать без окна: события, разрушения, рождения, уход людей,
нехватка жилья, новое время года, предупреждения о налогах, цели. Такое сообщение звучит, как обычно,
и пишется строкой внизу окна, а игра не останавливается; сообщения одного дня идут одной строкой.
В журнал попадают все сообщения.
Параметры хранятся отдельно от игр: загрузка игры их не меняет.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Settings and music&lt;/h2&gt;
&lt;p&gt;«Tools» → «Settings...» (&lt;kbd&gt;Ctrl+P&lt;/kbd&gt;): the volume of sounds and music, autosave at the start
of the month, the question «Save the current game?» before the game is closed, and full screen at
start. Sound (&lt;kbd&gt;Ctrl+D&lt;/kbd&gt;) and music (&lt;kbd&gt;Ctrl+M&lt;/kbd&gt;) can also be turned on and off from the menu.
The music changes with the season: a waltz in winter, a march in summer, a folk song in spring and autumn.
The game&apos;s language is chosen there too: «System», «Русский», «English» or «Deutsch»; it changes at the next start.
On the right you choose which messages show without a window: events, buildings destroyed, births, people leaving,
too few homes, a new season, tax warnings, goals. Such a message sounds as usual and is written as a line at the
bottom of the window, and the game does not stop; the messages of one day make one line.
The journal keeps every message.
The settings are kept apart from the games: loading a game does not change them.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Рынок&lt;/h2&gt;
&lt;p&gt;Введите количество каждого ресурса и нажмите «Купить» или «Продать». При продаже «-» в поле
(или кнопка «Все», или клавиша &lt;kbd&gt;a&lt;/kbd&gt;) означает весь запас ресурса. Сделка проходит
целиком или не проходит вовсе.&lt;/p&gt;
&lt;table&gt;
&lt;tr&gt;&lt;th&gt;Ресурс&lt;/th&gt;&lt;th&gt;Покупка&lt;/th&gt;&lt;th&gt;Продажа&lt;/th&gt;&lt;/tr&gt;
{prices}
&lt;/table&gt;</source>
        <translation>&lt;h2&gt;Market&lt;/h2&gt;
&lt;p&gt;Type the amount of each good and press «Buy» or «Sell». When selling, «-» in a box
(or the «All» button, or the &lt;kbd&gt;a&lt;/kbd&gt; key) means the whole stock of that good. A deal goes through
whole or not at all.&lt;/p&gt;
&lt;table&gt;
&lt;tr&gt;&lt;th&gt;Good&lt;/th&gt;&lt;th&gt;Buy&lt;/th&gt;&lt;th&gt;Sell&lt;/th&gt;&lt;/tr&gt;
{prices}
&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Заказы на рынке&lt;/h2&gt;
&lt;p&gt;«Сервис» → «Заказы на рынке...» (&lt;kbd&gt;Ctrl+R&lt;/kbd&gt;) или кнопка «Заказы...» окна рынка
задает для любого ресурса нижнюю и верхнюю границу. После каждого дня то, что сверх верхней границы, продается, а чего не хватает
до нижней, покупается: по ценам рынка и по его правилам, каждая сделка целиком или никак
(не хватает денег — покупки нет). Каждая сделка пишется в журнал как «Торговля», а строка
внизу окна говорит, на сколько продано и куплено за день. Заказы хранятся в сохраненной игре,
а отмена дня отменяет и его сделки.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Standing orders&lt;/h2&gt;
&lt;p&gt;«Tools» → «Standing orders...» (&lt;kbd&gt;Ctrl+R&lt;/kbd&gt;), or the «Orders...» button of the market
dialog, sets a floor and a ceiling for any good.
After each day what is above the ceiling is sold and what is missing below the floor is
bought: at the market&apos;s prices and by its rules, each deal whole or not at all (without the
money there is no purchase). Each deal is written into the journal as «Trade», and the line
at the bottom of the window tells how much was sold and bought that day. The orders are kept
in the saved game, and taking a day back takes its deals back too.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Советник&lt;/h2&gt;
&lt;p&gt;«Сервис» → «Советник» (&lt;kbd&gt;Ctrl+A&lt;/kbd&gt;) или щелчок по знаку под числом незанятых людей
открывает окно советника. Он смотрит на колонию после каждого дня и предупреждает о том, что
скоро потребует внимания: деньги — налог, на который по прогнозу до него хватит меньше чем в
девяти исходах из десяти, или день, когда кончатся деньги на содержание; товары — строения,
которые стоят без ресурса, и сколько его нужно в день; работа — строения без рабочих или
люди без рабочих мест; жилье — все места в домах заняты; здоровье — ниже 500 или падает к
500. Прогноз для денег считается в стороне от игры и догоняет ее, пока идут дни. Двойной
щелчок или &lt;kbd&gt;Enter&lt;/kbd&gt; на предупреждении показывает строение на карте или страницу
статистики. Галочки внизу окна выбирают, при каком новом предупреждении останавливается
«Играть дальше».&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Advisor&lt;/h2&gt;
&lt;p&gt;«Tools» → «Advisor» (&lt;kbd&gt;Ctrl+A&lt;/kbd&gt;), or a click on the sign below the number of idle
people, opens the advisor&apos;s window. It looks at the colony after each day and warns of what
will soon need you: money — a tax that the forecast finds paid in fewer than nine futures in
ten, or the day the money for the upkeep runs out; goods — buildings standing idle for want
of a good, and how much of it they need a day; work — buildings without workers, or people
without work places; homes — every place in the homes taken; health — below 500 or falling
towards it. The money&apos;s forecast plays apart from the game and catches up with it as the
days pass. A double click or &lt;kbd&gt;Enter&lt;/kbd&gt; on a warning shows the building on the map or
the page of the statistics. The ticks at the bottom of the window choose which new warnings
stop «Play on».&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Повтор игры&lt;/h2&gt;
&lt;p&gt;«Сервис» → «Повтор игры...» (&lt;kbd&gt;Ctrl+L&lt;/kbd&gt;) показывает, как росла колония: с первого
дня игры, на отдельной карте, со скоростью «Играть дальше», которая выбирается внизу окна.
Ползунок ведет к любой дате, &lt;kbd&gt;Пробел&lt;/kbd&gt; или кнопка «Смотреть» пускает и
останавливает показ, рядом видны дата, деньги и люди того дня. Игра в это время ждет и
остается как есть.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Replay&lt;/h2&gt;
&lt;p&gt;«Tools» → «Replay...» (&lt;kbd&gt;Ctrl+L&lt;/kbd&gt;) shows how the colony grew: from the game's first
day, on a map of its own, at the speed of «Play on», chosen at the bottom of the window.
The slider goes to any date, &lt;kbd&gt;Space&lt;/kbd&gt; or the «Watch» button starts and stops
the show, and beside it stand the date, the money and the people of that day. The game waits
meanwhile and stays as it is.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;События&lt;/h2&gt;
&lt;p&gt;С работающими строениями изредка что-то случается: находки ресурсов, пожары и аварии,
сокращающие срок службы, приезд переселенцев или потери среди людей.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Events&lt;/h2&gt;
&lt;p&gt;Now and then something happens at working buildings: finds of goods, fires and accidents
that shorten the service life, newcomers arriving or people lost.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Строения&lt;/h2&gt;
&lt;p&gt;«≈» — количество в среднем, оно меняется день ото дня.&lt;/p&gt;
&lt;table&gt;
&lt;tr&gt;&lt;th&gt;Строение&lt;/th&gt;&lt;th&gt;Цена&lt;/th&gt;&lt;th&gt;Где строится&lt;/th&gt;&lt;th&gt;Дней стройки&lt;/th&gt;&lt;th&gt;Служит&lt;/th&gt;
&lt;th&gt;Рабочих&lt;/th&gt;&lt;th&gt;Жилье&lt;/th&gt;&lt;th&gt;Сезоны&lt;/th&gt;&lt;th&gt;Расход в день&lt;/th&gt;&lt;th&gt;Доход в день&lt;/th&gt;&lt;/tr&gt;
{buildings}
&lt;/table&gt;
&lt;/body&gt;
&lt;/html&gt;
</source>
        <translation>&lt;h2&gt;Buildings&lt;/h2&gt;
&lt;p&gt;«≈» is an amount on average; it changes from day to day.&lt;/p&gt;
&lt;table&gt;
&lt;tr&gt;&lt;th&gt;Building&lt;/th&gt;&lt;th&gt;Price&lt;/th&gt;&lt;th&gt;Where it stands&lt;/th&gt;&lt;th&gt;Days to build&lt;/th&gt;&lt;th&gt;Serves&lt;/th&gt;
&lt;th&gt;Workers&lt;/th&gt;&lt;th&gt;Homes&lt;/th&gt;&lt;th&gt;Seasons&lt;/th&gt;&lt;th&gt;Uses a day&lt;/th&gt;&lt;th&gt;Yields a day&lt;/th&gt;&lt;/tr&gt;
{buildings}
&lt;/table&gt;
&lt;/body&gt;
&lt;/html&gt;
</translation>
    </message>
    <message>
        <source> или </source>
        <translation> or </translation>
    </message>
    <message>
        <source>%1 (&lt;kbd&gt;%2&lt;/kbd&gt;) %3</source>
        <translation>the %1 (&lt;kbd&gt;%2&lt;/kbd&gt;) %3</translation>
    </message>
    <message>
        <source>нельзя блокировать</source>
        <translation>cannot be blocked</translation>
    </message>
    <message>
        <source>видно на обзорной карте</source>
        <translation>shown on the overview map</translation>
    </message>
    <message>
        <source>; можно далеко от других строений</source>
        <translation>; may stand away from other buildings</translation>
    </message>
    <message>
        <source>без налога на землю</source>
        <translation>no land tax</translation>
    </message>
</context>
</TS>
