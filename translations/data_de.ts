<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="ru_RU">
<context>
    <name>BASES.INI</name>
    <message>
        <source>Управа колонии</source>
        <comment>Colony/Caption</comment>
        <translation>Kolonieamt</translation>
    </message>
    <message>
        <source>Бревенчатая изба</source>
        <comment>Hut/Caption</comment>
        <translation>Blockhütte</translation>
    </message>
    <message>
        <source>Жилой дом</source>
        <comment>House/Caption</comment>
        <translation>Wohnhaus</translation>
    </message>
    <message>
        <source>Доходный дом</source>
        <comment>Tenement/Caption</comment>
        <translation>Mietshaus</translation>
    </message>
    <message>
        <source>Рабочий барак</source>
        <comment>Barracks/Caption</comment>
        <translation>Arbeiterbaracke</translation>
    </message>
    <message>
        <source>Ферма</source>
        <comment>Farm/Caption</comment>
        <translation>Bauernhof</translation>
    </message>
    <message>
        <source>Рыболовецкая артель</source>
        <comment>Fishery/Caption</comment>
        <translation>Fischerei</translation>
    </message>
    <message>
        <source>Колодец</source>
        <comment>Well/Caption</comment>
        <translation>Brunnen</translation>
    </message>
    <message>
        <source>Паровая водокачка</source>
        <comment>WaterWorks/Caption</comment>
        <translation>Dampfpumpwerk</translation>
    </message>
    <message>
        <source>Лесопилка</source>
        <comment>Sawmill/Caption</comment>
        <translation>Sägewerk</translation>
    </message>
    <message>
        <source>Углежогная печь</source>
        <comment>Kiln/Caption</comment>
        <translation>Köhlerei</translation>
    </message>
    <message>
        <source>Угольная шахта</source>
        <comment>CoalMine/Caption</comment>
        <translation>Kohlenzeche</translation>
    </message>
    <message>
        <source>Железный рудник</source>
        <comment>IronMine/Caption</comment>
        <translation>Eisenerzgrube</translation>
    </message>
    <message>
        <source>Нефтяная вышка</source>
        <comment>OilWell/Caption</comment>
        <translation>Ölbohrturm</translation>
    </message>
    <message>
        <source>Золотой прииск</source>
        <comment>GoldMine/Caption</comment>
        <translation>Goldgräberei</translation>
    </message>
    <message>
        <source>Каменоломня</source>
        <comment>Quarry/Caption</comment>
        <translation>Steinbruch</translation>
    </message>
    <message>
        <source>Угольная электростанция</source>
        <comment>CoalPower/Caption</comment>
        <translation>Kohlekraftwerk</translation>
    </message>
    <message>
        <source>Нефтяная электростанция</source>
        <comment>OilPower/Caption</comment>
        <translation>Ölkraftwerk</translation>
    </message>
    <message>
        <source>Кирпичный завод</source>
        <comment>Brickworks/Caption</comment>
        <translation>Ziegelei</translation>
    </message>
    <message>
        <source>Оранжерея</source>
        <comment>Greenhouse/Caption</comment>
        <translation>Gewächshaus</translation>
    </message>
    <message>
        <source>Лесничество</source>
        <comment>Forestry/Caption</comment>
        <translation>Försterei</translation>
    </message>
    <message>
        <source>Гидроэлектростанция</source>
        <comment>Hydro/Caption</comment>
        <translation>Wasserkraftwerk</translation>
    </message>
</context>
<context>
    <name>EVENTS.INI</name>
    <message>
        <source>Из метрополии пришел пароход с переселенцами. Колония растет!</source>
        <comment>Steamer/Message</comment>
        <translation>Aus dem Mutterland ist ein Dampfer mit Siedlern gekommen. Die Kolonie wächst!</translation>
    </message>
    <message>
        <source>В колонии вспыхнула эпидемия тифа. Есть погибшие.</source>
        <comment>Typhus/Message</comment>
        <translation>In der Kolonie ist der Typhus ausgebrochen. Es gibt Tote.</translation>
    </message>
    <message>
        <source>Губернатор прислал из казны ссуду: золото и провиант.</source>
        <comment>Treasury/Message</comment>
        <translation>Der Gouverneur hat aus der Staatskasse ein Darlehen geschickt: Gold und Nahrung.</translation>
    </message>
    <message>
        <source>От печи загорелась бревенчатая изба. Жильцы спаслись, но дом сильно обгорел.</source>
        <comment>HutFire/Message</comment>
        <translation>Ein Ofen hat eine Blockhütte in Brand gesetzt. Die Bewohner haben sich gerettet, aber die Hütte ist schwer verbrannt.</translation>
    </message>
    <message>
        <source>В жилой дом въехала большая семья из соседней губернии.</source>
        <comment>BigFamily/Message</comment>
        <translation>Eine große Familie aus der Nachbarprovinz ist in ein Wohnhaus eingezogen.</translation>
    </message>
    <message>
        <source>Объявления в газетах привлекли в колонию новых жильцов.</source>
        <comment>Settlers/Message</comment>
        <translation>Anzeigen in den Zeitungen haben neue Bewohner in die Kolonie gelockt.</translation>
    </message>
    <message>
        <source>Небывалый урожай! Амбары полны зерна.</source>
        <comment>Harvest/Message</comment>
        <translation>Eine Rekordernte! Die Scheunen sind voller Korn.</translation>
    </message>
    <message>
        <source>На поля налетела саранча. Часть запасов продовольствия погибла.</source>
        <comment>Locusts/Message</comment>
        <translation>Heuschrecken sind über die Felder hergefallen. Ein Teil der Nahrung ist verloren.</translation>
    </message>
    <message>
        <source>К берегу подошел большой косяк сельди. Улов превзошел ожидания.</source>
        <comment>Herring/Message</comment>
        <translation>Ein großer Heringsschwarm ist an die Küste gekommen. Der Fang übertrifft alle Erwartungen.</translation>
    </message>
    <message>
        <source>Шторм разбил лодки рыболовецкой артели. Двое рыбаков не вернулись.</source>
        <comment>StormBoat/Message</comment>
        <translation>Ein Sturm hat die Boote der Fischerei zerschlagen. Zwei Fischer sind nicht zurückgekehrt.</translation>
    </message>
    <message>
        <source>Колодец обмелел, его пришлось углублять.</source>
        <comment>DryWell/Message</comment>
        <translation>Der Brunnen war fast trocken und musste tiefer gegraben werden.</translation>
    </message>
    <message>
        <source>Пожар на лесопилке! Сгорел запас досок.</source>
        <comment>SawmillFire/Message</comment>
        <translation>Feuer im Sägewerk! Der Vorrat an Brettern ist verbrannt.</translation>
    </message>
    <message>
        <source>Шахтеры вскрыли богатый угольный пласт.</source>
        <comment>CoalSeam/Message</comment>
        <translation>Die Bergleute haben ein reiches Kohlenflöz angeschlagen.</translation>
    </message>
    <message>
        <source>Взрыв рудничного газа в угольной шахте! Есть погибшие, крепь разрушена.</source>
        <comment>Firedamp/Message</comment>
        <translation>Schlagwetter in der Kohlenzeche! Es gibt Tote, der Ausbau ist zerstört.</translation>
    </message>
    <message>
        <source>В руднике найдена богатая железная жила.</source>
        <comment>IronVein/Message</comment>
        <translation>In der Grube wurde eine reiche Eisenader gefunden.</translation>
    </message>
    <message>
        <source>Обвал в руднике. Штольню придется долго восстанавливать.</source>
        <comment>Collapse/Message</comment>
        <translation>Einsturz in der Grube. Es wird lange dauern, den Stollen wieder herzurichten.</translation>
    </message>
    <message>
        <source>Нефтяной фонтан! Собрано много нефти.</source>
        <comment>Gusher/Message</comment>
        <translation>Eine Ölfontäne! Es wurde viel Öl gesammelt.</translation>
    </message>
    <message>
        <source>Пожар на нефтяной вышке. Огонь удалось потушить только через неделю.</source>
        <comment>RigFire/Message</comment>
        <translation>Feuer am Ölbohrturm. Erst nach einer Woche war es gelöscht.</translation>
    </message>
    <message>
        <source>Старатели нашли крупный самородок!</source>
        <comment>Nugget/Message</comment>
        <translation>Die Goldgräber haben einen großen Goldklumpen gefunden!</translation>
    </message>
    <message>
        <source>Слухи о золоте привлекли в колонию старателей.</source>
        <comment>GoldRush/Message</comment>
        <translation>Gerüchte von Gold haben Goldgräber in die Kolonie gelockt.</translation>
    </message>
    <message>
        <source>В каменоломне нашли золотоносную жилу.</source>
        <comment>QuarryGold/Message</comment>
        <translation>Im Steinbruch wurde eine goldhaltige Ader gefunden.</translation>
    </message>
    <message>
        <source>Авария котла на угольной электростанции. Ремонт сократит срок ее службы.</source>
        <comment>Boiler/Message</comment>
        <translation>Kesselschaden im Kohlekraftwerk. Die Reparatur verkürzt seine Lebensdauer.</translation>
    </message>
    <message>
        <source>Весенний паводок повредил плотину гидроэлектростанции.</source>
        <comment>Flood/Message</comment>
        <translation>Das Frühjahrshochwasser hat den Damm des Wasserkraftwerks beschädigt.</translation>
    </message>
    <message>
        <source>Ночные заморозки погубили часть рассады в оранжерее.</source>
        <comment>Frost/Message</comment>
        <translation>Nachtfrost hat einen Teil der Setzlinge im Gewächshaus vernichtet.</translation>
    </message>
    <message>
        <source>Лесничие вырастили крепкий молодой лес. Заготовлено много дерева.</source>
        <comment>Saplings/Message</comment>
        <translation>Die Förster haben einen kräftigen jungen Wald herangezogen. Es wurde viel Holz geschlagen.</translation>
    </message>
</context>
<context>
    <name>SCENARIOS/artel.ini</name>
    <message>
        <source>Артель</source>
        <comment>Scenario/Title</comment>
        <translation>Die Genossenschaft</translation>
    </message>
    <message>
        <source>Шестнадцать переселенцев, изба, ферма и колодец.
Без шахт и заводов: только земля, лес и море.</source>
        <comment>Scenario/Description</comment>
        <translation>Sechzehn Siedler, eine Blockhütte, ein Bauernhof und ein Brunnen.
Keine Gruben und Fabriken: nur Land, Wald und Meer.</translation>
    </message>
    <message>
        <source>Казна в 80 000 к весне 1896 года</source>
        <comment>Goal1/Text</comment>
        <translation>80 000 in der Kasse bis zum Frühling 1896</translation>
    </message>
    <message>
        <source>Продать за прошлый год товаров на 12 000</source>
        <comment>Goal2/Text</comment>
        <translation>Im vergangenen Jahr Waren für 12 000 verkaufen</translation>
    </message>
    <message>
        <source>Колония не заплатила налог</source>
        <comment>Failure1/Text</comment>
        <translation>Die Kolonie hat eine Steuer nicht bezahlt</translation>
    </message>
    <message>
        <source>В артели не осталось людей</source>
        <comment>Failure2/Text</comment>
        <translation>In der Genossenschaft sind keine Siedler mehr</translation>
    </message>
    <message>
        <source>Людей мало, и новые не едут. Берегите каждого: без работников встанут и лесопилки, и каменоломни.</source>
        <comment>Message1/Text</comment>
        <translation>Es gibt wenige Siedler, und neue kommen nicht. Schonen Sie jeden: Ohne Arbeiter stehen die Sägewerke und die Steinbrüche still.</translation>
    </message>
</context>
<context>
    <name>SCENARIOS/coal.ini</name>
    <message>
        <source>Угольный край</source>
        <comment>Scenario/Title</comment>
        <translation>Das Kohlenrevier</translation>
    </message>
    <message>
        <source>Под островом лежит уголь.
Постройте шахты и электростанцию и торгуйте углем.</source>
        <comment>Scenario/Description</comment>
        <translation>Unter der Insel liegt Kohle.
Bauen Sie Zechen und ein Kraftwerk und handeln Sie mit Kohle.</translation>
    </message>
    <message>
        <source>Две угольные шахты</source>
        <comment>Goal1/Text</comment>
        <translation>Zwei Kohlenzechen</translation>
    </message>
    <message>
        <source>Угольная электростанция</source>
        <comment>Goal2/Text</comment>
        <translation>Ein Kohlekraftwerk</translation>
    </message>
    <message>
        <source>Продать за прошлый год товаров на 100 000</source>
        <comment>Goal3/Text</comment>
        <translation>Im vergangenen Jahr Waren für 100 000 verkaufen</translation>
    </message>
    <message>
        <source>Казна в 400 000 к 1900 году</source>
        <comment>Goal4/Text</comment>
        <translation>400 000 in der Kasse bis 1900</translation>
    </message>
    <message>
        <source>Железный рудник</source>
        <comment>OptionalIron/Text</comment>
        <translation>Eine Eisenerzgrube</translation>
    </message>
    <message>
        <source>Колония не заплатила налог</source>
        <comment>Failure1/Text</comment>
        <translation>Die Kolonie hat eine Steuer nicht bezahlt</translation>
    </message>
    <message>
        <source>Шахтам нужны еда и дерево, электростанции - уголь и вода.</source>
        <comment>MessageCoal/Text</comment>
        <translation>Zechen brauchen Nahrung und Holz, ein Kraftwerk braucht Kohle und Wasser.</translation>
    </message>
</context>
<context>
    <name>SCENARIOS/famine.ini</name>
    <message>
        <source>Голодный год</source>
        <comment>Scenario/Title</comment>
        <translation>Das Hungerjahr</translation>
    </message>
    <message>
        <source>Переселенцев много, а денег на их содержание мало.
До весны 1892 года сохраните людей и соберите запас еды.</source>
        <comment>Scenario/Description</comment>
        <translation>Viele Siedler, wenig Geld für ihren Unterhalt.
Halten Sie die Siedler bis zum Frühling 1892 und legen Sie einen Vorrat an Nahrung an.</translation>
    </message>
    <message>
        <source>Запас еды 3 000 к весне 1892 года</source>
        <comment>Goal1/Text</comment>
        <translation>3 000 Nahrung auf Vorrat bis zum Frühling 1892</translation>
    </message>
    <message>
        <source>С осени 1891 года в колонии не меньше 30 человек</source>
        <comment>Goal2/Text</comment>
        <translation>Ab Herbst 1891 mindestens 30 Siedler in der Kolonie</translation>
    </message>
    <message>
        <source>Колония не заплатила налог</source>
        <comment>Failure1/Text</comment>
        <translation>Die Kolonie hat eine Steuer nicht bezahlt</translation>
    </message>
    <message>
        <source>В колонии не осталось людей</source>
        <comment>Failure2/Text</comment>
        <translation>In der Kolonie sind keine Siedler mehr</translation>
    </message>
    <message>
        <source>Здоровье ниже 300 два месяца подряд</source>
        <comment>Failure3/Text</comment>
        <translation>Gesundheit zwei Monate in Folge unter 300</translation>
    </message>
    <message>
        <source>Каждый человек стоит денег каждый день: без них люди болеют. Сразу ставьте колодец и фермы и продавайте лишнее.</source>
        <comment>Message1/Text</comment>
        <translation>Jeder Siedler kostet jeden Tag Geld: Ohne es werden die Siedler krank. Bauen Sie gleich einen Brunnen und Bauernhöfe und verkaufen Sie, was übrig ist.</translation>
    </message>
    <message>
        <source>Еда кончилась: лесопилки, каменоломни и шахты стоят. Купите еды на рынке.</source>
        <comment>MessageHunger/Text</comment>
        <translation>Die Nahrung ist aus: Die Sägewerke, Steinbrüche und Bergwerke stehen still. Kaufen Sie Nahrung auf dem Markt.</translation>
    </message>
</context>
<context>
    <name>SCENARIOS/island.ini</name>
    <message>
        <source>Новый остров</source>
        <comment>Scenario/Title</comment>
        <translation>Eine neue Insel</translation>
    </message>
    <message>
        <source>Неизвестный остров в океане.
Заселите его и наладьте промысел, пока метрополия ждет.</source>
        <comment>Scenario/Description</comment>
        <translation>Eine unbekannte Insel im Ozean.
Besiedeln Sie sie und bringen Sie den Handel in Gang, während das Mutterland wartet.</translation>
    </message>
    <message>
        <source>Сто двадцать колонистов к весне 1900 года</source>
        <comment>Goal1/Text</comment>
        <translation>Hundertzwanzig Siedler bis zum Frühling 1900</translation>
    </message>
    <message>
        <source>Две рыболовецкие артели</source>
        <comment>Goal2/Text</comment>
        <translation>Zwei Fischereien</translation>
    </message>
    <message>
        <source>Казна в 500 000 к весне 1900 года</source>
        <comment>Goal3/Text</comment>
        <translation>500 000 in der Kasse bis zum Frühling 1900</translation>
    </message>
    <message>
        <source>Продать за год товаров на 50 000</source>
        <comment>OptionalTrade/Text</comment>
        <translation>In einem Jahr Waren für 50 000 verkaufen</translation>
    </message>
    <message>
        <source>Колония не заплатила налог</source>
        <comment>Failure1/Text</comment>
        <translation>Die Kolonie hat eine Steuer nicht bezahlt</translation>
    </message>
    <message>
        <source>Остров дикий и далекий. Стройте жилье раньше, чем приедут люди.</source>
        <comment>Message1/Text</comment>
        <translation>Die Insel ist wild und fern. Bauen Sie Wohnungen, bevor die Siedler kommen.</translation>
    </message>
</context>
<context>
    <name>SCENARIOS/sustainable.ini</name>
    <message>
        <source>Устойчивая колония</source>
        <comment>Scenario/Title</comment>
        <translation>Eine beständige Kolonie</translation>
    </message>
    <message>
        <source>Колония на двадцать лет.
Платите налоги, берегите здоровье людей и заканчивайте годы с прибылью.</source>
        <comment>Scenario/Description</comment>
        <translation>Eine Kolonie für zwanzig Jahre.
Zahlen Sie die Steuern, achten Sie auf die Gesundheit der Siedler und schließen Sie die Jahre mit Gewinn ab.</translation>
    </message>
    <message>
        <source>Заплатить главные налоги 1900 и 1910 годов</source>
        <comment>Goal1/Text</comment>
        <translation>Die Hauptsteuern von 1900 und 1910 zahlen</translation>
    </message>
    <message>
        <source>Здоровье колонии не ниже 800 два года подряд</source>
        <comment>Goal2/Text</comment>
        <translation>Gesundheit der Kolonie zwei Jahre in Folge nicht unter 800</translation>
    </message>
    <message>
        <source>Три года подряд с прибылью</source>
        <comment>Goal3/Text</comment>
        <translation>Drei Jahre in Folge mit Gewinn</translation>
    </message>
    <message>
        <source>Казна в 1 600 000</source>
        <comment>Goal4/Text</comment>
        <translation>1 600 000 in der Kasse</translation>
    </message>
    <message>
        <source>Колония не заплатила налог</source>
        <comment>Failure1/Text</comment>
        <translation>Die Kolonie hat eine Steuer nicht bezahlt</translation>
    </message>
    <message>
        <source>Через десять лет от основания казна потребует главный налог: 125 000 на «Обычной» сложности, меньше на «Лёгкой» и больше на «Трудной». Копите заранее.</source>
        <comment>Message1/Text</comment>
        <translation>Zehn Jahre nach der Gründung wird die Hauptsteuer fällig: 125 000 auf der Stufe „Normal“, weniger auf „Leicht“ und mehr auf „Schwer“. Sparen Sie beizeiten.</translation>
    </message>
    <message>
        <source>Главный налог 1910 года вдвое больше, чем 1900-го.</source>
        <comment>Message2/Text</comment>
        <translation>Die Hauptsteuer von 1910 ist doppelt so hoch wie die von 1900.</translation>
    </message>
</context>
<context>
    <name>SCENARIOS/tutorial.ini</name>
    <message>
        <source>Обучение</source>
        <comment>Scenario/Title</comment>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Первый год колонии, шаг за шагом.
Подсказки над картой скажут, что делать и какую кнопку нажать.</source>
        <comment>Scenario/Description</comment>
        <translation>Das erste Jahr der Kolonie, Schritt für Schritt.
Hinweise über der Karte sagen, was zu tun ist und welchen Knopf Sie drücken.</translation>
    </message>
    <message>
        <source>Заплатить первый годовой налог</source>
        <comment>Goal1/Text</comment>
        <translation>Die erste Jahressteuer zahlen</translation>
    </message>
    <message>
        <source>Первого февраля придет предупреждение, а первого марта - годовой налог. Берегите на него деньги.</source>
        <comment>Message1/Text</comment>
        <translation>Am ersten Februar kommt eine Warnung, am ersten März die Jahressteuer. Heben Sie Geld dafür auf.</translation>
    </message>
    <message>
        <source>Щелкните мышью по свободной клетке рядом с управой колонии: строят только рядом с другими строениями.</source>
        <comment>Step1/Text</comment>
        <translation>Klicken Sie mit der Maus auf ein freies Feld neben dem Kolonieamt: gebaut wird nur neben anderen Gebäuden.</translation>
    </message>
    <message>
        <source>Нажмите на палитре картинку «Жилой дом» (подсказка всплывает под мышью): дом встанет на выбранную клетку.</source>
        <comment>Step2/Text</comment>
        <translation>Klicken Sie in der Palette auf das Bild „Wohnhaus“ (der Hinweis erscheint unter der Maus): das Haus kommt auf das gewählte Feld.</translation>
    </message>
    <message>
        <source>Ферма дает еду: ее берут лесопилки, каменоломни и шахты, а лишнюю продают. Выберите клетку рядом с домом или управой и нажмите на палитре «Ферма».</source>
        <comment>Step3/Text</comment>
        <translation>Ein Bauernhof liefert Nahrung: Die Sägewerke, Steinbrüche und Bergwerke verbrauchen sie, und was übrig ist, wird verkauft. Wählen Sie ein Feld neben dem Haus oder dem Kolonieamt und klicken Sie in der Palette auf „Bauernhof“.</translation>
    </message>
    <message>
        <source>Выберите пустую клетку рядом с постройками и нажмите «Улучшить землю за 10999» (G): на улучшенной земле строят вдвое быстрее.</source>
        <comment>Step4/Text</comment>
        <translation>Wählen Sie ein leeres Feld neben den Gebäuden und drücken Sie „Boden verbessern für 10999“ (G): auf verbessertem Boden wird doppelt so schnell gebaut.</translation>
    </message>
    <message>
        <source>Поставьте на улучшенную клетку вторую ферму: нажмите на палитре «Ферма».</source>
        <comment>Step5/Text</comment>
        <translation>Stellen Sie einen zweiten Bauernhof auf das verbesserte Feld: klicken Sie in der Palette auf „Bauernhof“.</translation>
    </message>
    <message>
        <source>Фермы пьют воду, по 1 в день, а запаса хватит ненадолго. Воду дает колодец: его ставят на воду. У озера справа внизу у колонии уже есть колодец — щелкните по нему, строка внизу назовет его и срок его службы.</source>
        <comment>Step6/Text</comment>
        <translation>Farmen trinken Wasser, je 1 am Tag, und der Vorrat reicht nicht lange. Wasser gibt ein Brunnen, der auf dem Wasser steht. Am See unten rechts hat die Kolonie schon einen Brunnen: klicken Sie ihn an, und die Zeile unten nennt ihn und wie lange er dient.</translation>
    </message>
    <message>
        <source>Продайте часть еды: нажмите «Продать ресурсы» (S), впишите 200 в поле еды и нажмите «Продать».</source>
        <comment>Step7/Text</comment>
        <translation>Verkaufen Sie einen Teil der Nahrung: drücken Sie „Waren verkaufen“ (S), tragen Sie bei Nahrung 200 ein und drücken Sie „Verkaufen“.</translation>
    </message>
    <message>
        <source>Чтобы не продавать вручную каждый месяц, дайте рынку заказ: «Сервис» → «Заказы на рынке...» (Ctrl+R), отметьте «Продовольствие», задайте «Не больше» 500 и нажмите «ОК». Лишняя еда будет продаваться сама после каждого дня.</source>
        <comment>Step8/Text</comment>
        <translation>Damit Sie nicht jeden Monat von Hand verkaufen, geben Sie dem Markt einen Auftrag: „Extras“ → „Daueraufträge...“ (Strg+R), haken Sie „Nahrung“ an, setzen Sie „Höchstens“ auf 500 und drücken Sie „OK“. Überschüssige Nahrung verkauft sich dann nach jedem Tag von selbst.</translation>
    </message>
    <message>
        <source>Нажмите «Новая неделя» (W): колония проживет семь дней.</source>
        <comment>Step9/Text</comment>
        <translation>Drücken Sie „Neue Woche“ (W): die Kolonie lebt sieben Tage.</translation>
    </message>
    <message>
        <source>Строения изнашиваются. Нажмите «Поиск слабейшего строения» (F): оно будет выбрано на карте.</source>
        <comment>Step10/Text</comment>
        <translation>Gebäude nutzen sich ab. Drücken Sie „Schwächstes Gebäude suchen“ (F): es wird auf der Karte gewählt.</translation>
    </message>
    <message>
        <source>Нажмите «Восстановление» (R): выбранное строение прослужит дольше.</source>
        <comment>Step11/Text</comment>
        <translation>Drücken Sie „Ausbessern“ (R): das gewählte Gebäude hält länger.</translation>
    </message>
    <message>
        <source>Знак справа внизу — советник (Ctrl+A): он предупредит, если не хватит денег к налогу, воды, рабочих или жилья. Нажмите «Играть дальше» (O): дни пойдут сами до дня налога, 1 марта. Любая клавиша остановит игру, а O пустит ее снова.</source>
        <comment>Step12/Text</comment>
        <translation>Das Zeichen unten rechts ist der Berater (Strg+A): er warnt, wenn Geld für die Steuer, Wasser, Arbeiter oder Wohnraum knapp werden. Drücken Sie „Weiterspielen“ (O): die Tage vergehen von selbst bis zum Tag der Steuer, dem 1. März. Jede Taste hält das Spiel an, und O lässt es weiterlaufen.</translation>
    </message>
    <message>
        <source>Когда придет налог, нажмите в его окне «Да».</source>
        <comment>Step13/Text</comment>
        <translation>Wenn die Steuer kommt, drücken Sie in ihrem Fenster „Ja“.</translation>
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
        <translation>Möweninsel</translation>
    </message>
    <message>
        <source>о. Медвежий</source>
        <comment>TEXT/value</comment>
        <translation>Bäreninsel</translation>
    </message>
    <message>
        <source>о. Дальний</source>
        <comment>TEXT/value</comment>
        <translation>Ferninsel</translation>
    </message>
    <message>
        <source>о. Каменный</source>
        <comment>TEXT/value</comment>
        <translation>Steininsel</translation>
    </message>
    <message>
        <source>о. Рыбачий</source>
        <comment>TEXT/value</comment>
        <translation>Fischerinsel</translation>
    </message>
    <message>
        <source>Северное море</source>
        <comment>TEXT/value</comment>
        <translation>Nordsee</translation>
    </message>
    <message>
        <source>Южное море</source>
        <comment>TEXT/value</comment>
        <translation>Südsee</translation>
    </message>
    <message>
        <source>Залив Надежды</source>
        <comment>TEXT/value</comment>
        <translation>Bucht der Hoffnung</translation>
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
&lt;html lang=&quot;de&quot;&gt;
&lt;head&gt;
&lt;meta charset=&quot;utf-8&quot;&gt;
&lt;title&gt;Tarvenia — Hilfe&lt;/title&gt;
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
&lt;h1&gt;Tarvenia&lt;/h1&gt;
&lt;p&gt;Am {founding} gehen die ersten Siedler auf der Insel an Land: {people} an der Zahl, mit {money} Geld in der Kasse.
Am Landeplatz steht schon das erste Gebäude der Kolonie: {founder}. Ihre Aufgabe ist es, eine
blühende Kolonie aufzubauen: den Siedlern Wohnung und Arbeit zu geben, Waren zu gewinnen und zu verkaufen und
die Steuern des Mutterlands pünktlich zu zahlen. Jeder Zug ist ein Tag.&lt;/p&gt;
&lt;p&gt;Die Kolonie geht zugrunde, wenn sie nicht zahlen kann: ohne Geld werden die Siedler krank und ziehen fort, und solange eine Steuer
nicht bezahlt ist, steht der Kalender still. Zerfällt das letzte Gebäude „{founder}“, verliert die Kolonie
jeden Tag all ihr Geld und alle Waren.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Карта и клетки&lt;/h2&gt;
&lt;p&gt;Карта — 280 × 280 клеток. Выберите клетку мышью или стрелками; &lt;kbd&gt;Ctrl&lt;/kbd&gt; со стрелками
и перетаскивание мышью прокручивают карту, щелчок по обзорной карте справа переносит вид. Колесо мыши меняет масштаб вокруг указателя (&lt;kbd&gt;Shift&lt;/kbd&gt; с колесом прокручивает вбок), как и &lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;=&lt;/kbd&gt;, &lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;-&lt;/kbd&gt; и &lt;kbd&gt;Ctrl&lt;/kbd&gt;+&lt;kbd&gt;0&lt;/kbd&gt;: от всего острова, где клетка — цветная точка, до двойного размера. Пока карта не в своем размере, в ее углу справа вверху виден масштаб; щелчок по нему возвращает настоящий размер. Окно игры растягивается и разворачивается; карта занимает все место, а игра помнит размер и место окна.
Строка статуса внизу говорит, что находится на выбранной клетке. Строить можно на земле, воде
(озерах), в лесу и на месторождениях угля, руды, нефти и золота; на море, берегу и неизвестных
объектах строить нельзя.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Karte und Felder&lt;/h2&gt;
&lt;p&gt;Die Karte hat 280 × 280 Felder. Wählen Sie ein Feld mit der Maus oder den Pfeiltasten; &lt;kbd&gt;Strg&lt;/kbd&gt; mit den Pfeiltasten
und Ziehen mit der Maus verschieben die Karte, ein Klick auf die Übersichtskarte rechts versetzt die Ansicht. Das Mausrad ändert den Maßstab um den Zeiger (&lt;kbd&gt;Umschalt&lt;/kbd&gt; mit dem Rad rollt seitwärts), ebenso &lt;kbd&gt;Strg&lt;/kbd&gt;+&lt;kbd&gt;=&lt;/kbd&gt;, &lt;kbd&gt;Strg&lt;/kbd&gt;+&lt;kbd&gt;-&lt;/kbd&gt; und &lt;kbd&gt;Strg&lt;/kbd&gt;+&lt;kbd&gt;0&lt;/kbd&gt;: von der ganzen Insel, jedes Feld ein Farbpunkt, bis zur doppelten Größe. Solange die Karte nicht in Originalgröße ist, steht der Maßstab in ihrer Ecke oben rechts; ein Klick darauf stellt die Originalgröße wieder her. Das Spielfenster lässt sich vergrößern und maximieren; die Karte nimmt den Platz ein, und das Spiel merkt sich Größe und Ort des Fensters.
Die Statuszeile unten sagt, was auf dem gewählten Feld ist. Bauen kann man auf Land, auf Wasser
(Seen), im Wald und auf Lagern von Kohle, Erz, Öl und Gold; auf dem Meer, an der Küste und auf unbekannten
Objekten kann man nicht bauen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Команды&lt;/h2&gt;
&lt;table&gt;
&lt;tr&gt;&lt;th&gt;Клавиша&lt;/th&gt;&lt;th&gt;Кнопка&lt;/th&gt;&lt;th&gt;Что делает&lt;/th&gt;&lt;/tr&gt;
{commands}
&lt;tr&gt;&lt;td&gt;&lt;/td&gt;&lt;td&gt;Палитра строений&lt;/td&gt;&lt;td&gt;построить выбранное строение на выбранной клетке; подсказка кнопки показывает его цену, условия и доход&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;</source>
        <translation>&lt;h2&gt;Befehle&lt;/h2&gt;
&lt;table&gt;
&lt;tr&gt;&lt;th&gt;Taste&lt;/th&gt;&lt;th&gt;Knopf&lt;/th&gt;&lt;th&gt;Was er tut&lt;/th&gt;&lt;/tr&gt;
{commands}
&lt;tr&gt;&lt;td&gt;&lt;/td&gt;&lt;td&gt;Gebäudepalette&lt;/td&gt;&lt;td&gt;baut das gewählte Gebäude auf dem gewählten Feld; der Hinweis des Knopfes zeigt Preis, Bedingungen und Ertrag&lt;/td&gt;&lt;/tr&gt;
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
        <translation>&lt;h2&gt;Weiterspielen&lt;/h2&gt;
&lt;p&gt;Der Knopf «Weiterspielen» (&lt;kbd&gt;O&lt;/kbd&gt;) lebt Tag für Tag und zeigt jeden: das Datum, die
Zahlen und die Karte. Er hält von selbst an, wenn die Kolonie den Spieler braucht: eine Steuer,
ein Ziel erreicht oder verfehlt, eine Meldung im Fenster (welche Meldungen ohne Fenster kommen,
wird in den Einstellungen gewählt) oder die Grenze des Laufs. Die Statuszeile sagt, dass das
Spiel läuft und warum es angehalten hat. Jede Taste oder jeder Klick hält das Spiel an und tut
sonst nichts; Mausrad und Bildlauf der Karte wirken auch während des Spiels. «Spiel» →
«Weiterspielen...» wählt die Grenze: bis zur Jahressteuer (das Spiel hält am Tag davor an, damit
Sie das Geld bereitlegen können), 30 Tage, ein Jahr oder bis zu einem Datum, und das Tempo: von
2 Tagen pro Sekunde bis so schnell wie möglich. Alle Tage eines Laufs nimmt ein einziges
«Rückgängig» zurück.&lt;/p&gt;</translation>
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
        <translation>&lt;h2&gt;Ohne Maus&lt;/h2&gt;
&lt;p&gt;Das Spiel lässt sich allein mit der Tastatur spielen. &lt;kbd&gt;Tab&lt;/kbd&gt; bringt die Eingabe von der Karte zur Palette
der Gebäude, von dort zu den Befehlsknöpfen und zurück; &lt;kbd&gt;Umschalt&lt;/kbd&gt;+&lt;kbd&gt;Tab&lt;/kbd&gt; geht in umgekehrter
Reihenfolge. Die Pfeiltasten bewegen sich durch die Palette und die Knöpfe, &lt;kbd&gt;Leertaste&lt;/kbd&gt; oder &lt;kbd&gt;Eingabe&lt;/kbd&gt;
baut das gewählte Gebäude auf dem gewählten Feld oder drückt den Knopf, &lt;kbd&gt;Esc&lt;/kbd&gt; führt zurück
zur Karte. Der Knopf, der die Eingabe hat, ist umrahmt. In Fenstern geht &lt;kbd&gt;Tab&lt;/kbd&gt; durch
Knöpfe und Felder, &lt;kbd&gt;Eingabe&lt;/kbd&gt; drückt den Standardknopf, &lt;kbd&gt;Esc&lt;/kbd&gt; bricht ab;
die Fenster Statistik, Ziele und Tagebuch schließen mit &lt;kbd&gt;Esc&lt;/kbd&gt;. Bildschirmleser
nennen die Knöpfe, die Gebäude mit ihren Hinweisen, die Zahlen der Leiste, die Gesundheit und die Statuszeile.&lt;/p&gt;
&lt;p&gt;Ein Knopf der Palette oder der Befehle, den die Tastatur erreicht, zeigt seinen Hinweis wie unter der
Maus. &lt;kbd&gt;Alt&lt;/kbd&gt; oder &lt;kbd&gt;Strg&lt;/kbd&gt; mit einem Buchstaben führt nie einen Befehl aus: Diese Tasten
gehören den Menüs, und deren Buchstaben wirken auf russischer wie auf lateinischer Belegung. Die Fenster Statistik, Ziele und Tagebuch öffnen sich neben dem Spiel, ohne es oder
einander zu verdecken, und später dort, wo Sie sie hingestellt haben.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Меню&lt;/h2&gt;
&lt;table&gt;
&lt;tr&gt;&lt;th&gt;Клавиши&lt;/th&gt;&lt;th&gt;Пункт&lt;/th&gt;&lt;th&gt;Что делает&lt;/th&gt;&lt;/tr&gt;
{menus}
&lt;/table&gt;</source>
        <translation>&lt;h2&gt;Menüs&lt;/h2&gt;
&lt;table&gt;
&lt;tr&gt;&lt;th&gt;Tasten&lt;/th&gt;&lt;th&gt;Eintrag&lt;/th&gt;&lt;th&gt;Was er tut&lt;/th&gt;&lt;/tr&gt;
{menus}
&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Люди&lt;/h2&gt;
&lt;p&gt;Каждый человек обходится колонии в {upkeep} деньгу в день. Пока здоровье ниже максимального, колония
тратит на людей вдвое больше, и здоровье растет. Если денег не хватает, здоровье падает, люди
перестают рождаться и начинают уходить. Люди живут только там, где есть места в домах:
лишние уходят сразу. Рабочие места заполняются от новых строений к старым.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Siedler&lt;/h2&gt;
&lt;p&gt;Jeder Siedler kostet die Kolonie {upkeep} Geld am Tag. Solange die Gesundheit unter dem Höchstwert liegt, gibt die Kolonie
doppelt so viel für die Siedler aus, und die Gesundheit steigt. Reicht das Geld nicht, sinkt die Gesundheit, es werden
keine Kinder mehr geboren, und die Siedler ziehen fort. Siedler leben nur, wo es Platz in Wohnungen gibt:
die übrigen ziehen sofort fort. Die Arbeitsplätze werden von den neuesten Gebäuden zu den ältesten besetzt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Строительство и износ&lt;/h2&gt;
&lt;p&gt;Новое строение можно поставить только рядом (по стороне клетки) с уже стоящим, если в таблице
не сказано иное. Строение работает в свои сезоны, если ему хватает рабочих и сырья; иначе на
нем появляется значок. Зимой строения изнашиваются сильнее. Восстановление всего срока службы
стоит около трех четвертей цены строения. Отслужившее строение разрушается, на его месте
остаются руины.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Bauen und Verschleiß&lt;/h2&gt;
&lt;p&gt;Ein neues Gebäude lässt sich nur direkt neben einem schon stehenden bauen (an einer Seite seines Feldes), wenn die Tabelle
nichts anderes sagt. Ein Gebäude arbeitet in seinen Jahreszeiten, wenn es genug Arbeiter und Waren hat; sonst
erscheint ein Zeichen darauf. Im Winter nutzen sich die Gebäude stärker ab. Die ganze Lebensdauer auszubessern
kostet etwa drei Viertel des Gebäudepreises. Ein Gebäude, dessen Lebensdauer um ist, zerfällt; an seiner Stelle
bleiben Ruinen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Почему строение стоит&lt;/h2&gt;
&lt;p&gt;Если выбранное строение сегодня не работает, строка статуса после его описания говорит почему:
сколько дней еще строиться, заблокировано, не его сезон, каких ресурсов и сколько не хватает на
день работы, сколько рабочих ему нужно и сколько было свободно, когда до него дошла очередь.
Меню «Вид» раскрашивает карту и обзорную карту: «Износ» — по оставшемуся сроку службы,
«Работа» — работает ли строение и почему стоит, «Улучшенная земля» — где земля улучшена.
Что значит каждый цвет, написано в левом нижнем углу карты. Цвета различимы и без цветового зрения: каждый шаг светлее или темнее других. «Обычный вид» убирает раскраску.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Warum ein Gebäude stillsteht&lt;/h2&gt;
&lt;p&gt;Arbeitet das gewählte Gebäude heute nicht, sagt die Statuszeile nach seiner Beschreibung, warum:
wie viele Tage es noch gebaut wird, blockiert, außer Saison, welche Waren und wie viel davon für
einen Arbeitstag fehlen, wie viele Arbeiter es braucht und wie viele frei waren, als es an die Reihe kam.
Das Menü „Ansicht“ färbt die Karte und die Übersichtskarte: „Verschleiß“ nach der verbleibenden Lebensdauer,
„Arbeit“ danach, ob ein Gebäude arbeitet und warum es stillsteht, „Verbesserter Boden“ danach, wo der Boden verbessert ist.
Was jede Farbe bedeutet, steht in der linken unteren Ecke der Karte. Die Farben lassen sich auch ohne Farbsehen unterscheiden: Jede Stufe ist heller oder dunkler als die anderen. „Normale Ansicht“ nimmt die Farben wieder weg.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Налоги&lt;/h2&gt;
&lt;p&gt;Каждый год 1 марта, начиная с {firstYearly} года, колония платит налоги за прошедший год:
{landRate} за каждое строение на земле (кроме строений «без налога на землю»), {buying}% от суммы покупок,
{selling}% от суммы продаж и {funds} в фонды. Раз в {period} лет, 1 ноября, начиная с {firstMain} года, платится
Главный налог: {firstMainTax} в {firstMain} году, {secondMainTax} в {secondMain} году, и дальше он удваивается каждые {period} лет. За
месяц до налога приходит предупреждение. Пока налог не уплачен, следующий день не наступит.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Steuern&lt;/h2&gt;
&lt;p&gt;Jedes Jahr am 1. März, ab {firstYearly}, zahlt die Kolonie die Steuern für das vergangene Jahr:
{landRate} für jedes Gebäude auf Land (außer den Gebäuden „ohne Grundsteuer“), {buying}% der Einkäufe,
{selling}% der Verkäufe und {funds} an die Fonds. Alle {period} Jahre, am 1. November, ab {firstMain}, wird
die Hauptsteuer fällig: {firstMainTax} im Jahr {firstMain}, {secondMainTax} im Jahr {secondMain}, und danach verdoppelt sie sich alle {period} Jahre. Einen
Monat vor einer Steuer kommt eine Warnung. Solange eine Steuer nicht bezahlt ist, kommt der nächste Tag nicht.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Сохранение&lt;/h2&gt;
&lt;p&gt;&lt;kbd&gt;Ctrl+S&lt;/kbd&gt; сохраняет игру, &lt;kbd&gt;Ctrl+Shift+S&lt;/kbd&gt; — под другим именем, &lt;kbd&gt;Ctrl+O&lt;/kbd&gt;
загружает сохраненную. Для новой игры, у которой еще нет файла, игра предложит имя по острову и
дате («Остров 01, 8 марта 1890.dat»). Если в выбранном файле сохранена другая колония, игра
сначала спросит, заменить ли ее. В начале каждого месяца игра сохраняется сама, по очереди в
трех файлах (Autosave1.dat, Autosave2.dat, Autosave3.dat), так что последние три месяца всегда
можно вернуть. Загрузка игры не меняет настроек: звук останется таким, как вы его выбрали.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Speichern&lt;/h2&gt;
&lt;p&gt;&lt;kbd&gt;Strg+S&lt;/kbd&gt; speichert das Spiel, &lt;kbd&gt;Strg+Umschalt+S&lt;/kbd&gt; unter einem anderen Namen, &lt;kbd&gt;Strg+O&lt;/kbd&gt;
lädt ein gespeichertes. Für ein neues Spiel, das noch keine Datei hat, schlägt das Spiel einen Namen aus Insel und
Datum vor („Insel 01, 8 März 1890.dat“). Ist in der gewählten Datei eine andere Kolonie gespeichert, fragt das Spiel
zuerst, ob sie ersetzt werden soll. Zu Beginn jedes Monats speichert sich das Spiel selbst, der Reihe nach in
drei Dateien (Autosave1.dat, Autosave2.dat, Autosave3.dat), so dass sich die letzten drei Monate immer
zurückholen lassen. Das Laden eines Spiels ändert die Einstellungen nicht: die Geräusche bleiben, wie Sie sie gewählt haben.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Если игра прервется из-за сбоя, она успеет записать рядом с сохранениями два файла: Crash.dat,
колонию после последней команды, и Crash.log, что случилось. При следующем запуске игра скажет о
сбое и предложит загрузить колонию, какой она была. Чтобы сообщить о сбое, приложите к письму оба
файла. Под именем Crash.dat свою игру сохранить нельзя.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Bricht das Spiel wegen eines Absturzes ab, schreibt es noch zwei Dateien neben die Spielstände:
Crash.dat, die Kolonie nach dem letzten Befehl, und Crash.log, was geschehen ist. Beim nächsten
Start meldet das Spiel den Absturz und bietet an, die Kolonie zu laden, wie sie war. Um den
Absturz zu melden, hängen Sie beide Dateien an Ihre Nachricht an. Unter dem Namen Crash.dat
können Sie kein eigenes Spiel speichern.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Отмена&lt;/h2&gt;
&lt;p&gt;&lt;kbd&gt;Ctrl+Z&lt;/kbd&gt; отменяет последнюю команду, которая изменила игру: строительство, улучшение
земли, восстановление, разбор, блокировку, сделку на рынке, день или неделю (до 100 команд подряд).
&lt;kbd&gt;Ctrl+Y&lt;/kbd&gt; повторяет отмененное. В меню «Игра» видно, что будет отменено или повторено.
Отмененный день при повторе проходит так же: случай в нем тот же. Если отменить все до
сохраненного состояния, игра снова считается сохраненной.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Rückgängig&lt;/h2&gt;
&lt;p&gt;&lt;kbd&gt;Strg+Z&lt;/kbd&gt; nimmt den letzten Befehl zurück, der das Spiel verändert hat: Bau, Bodenverbesserung,
Ausbesserung, Abriss, Blockieren, ein Geschäft auf dem Markt, einen Tag oder eine Woche (bis zu 100 Befehle in Folge).
&lt;kbd&gt;Strg+Y&lt;/kbd&gt; wiederholt das Zurückgenommene. Im Menü „Spiel“ steht, was zurückgenommen oder wiederholt wird.
Ein zurückgenommener Tag verläuft bei der Wiederholung genauso: der Zufall in ihm ist derselbe. Nehmen Sie alles bis zum
gespeicherten Stand zurück, gilt das Spiel wieder als gespeichert.&lt;/p&gt;</translation>
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
        <translation>&lt;h2&gt;Statistik&lt;/h2&gt;
&lt;p&gt;&lt;kbd&gt;Strg+T&lt;/kbd&gt; öffnet das Statistikfenster neben dem Spielfenster; es folgt jedem Zug.
Die Kurven zeigen das Geld, die Siedler neben den Plätzen in Wohnungen und bei der Arbeit, die Gesundheit (mit einem Strich bei 500,
unter dem keine Kinder geboren werden), die Vorräte an Waren sowie Verkäufe und Einkäufe auf dem Markt nach Monaten — für
das letzte Jahr, zehn Jahre oder das ganze Spiel. Der Mauszeiger über einer Kurve zeigt einen Tag und seine Zahlen.
Die Seite „Konto“ zeigt jede Änderung des Geldes nach Art (Verkäufe, Unterhalt, Bau,
Steuern und andere) für jedes der letzten zehn Jahre und für das ganze Spiel. Kurven und Konto lassen sich
in eine CSV-Datei speichern.&lt;/p&gt;
&lt;p&gt;Die Seite „Prognose“ zeigt, was die Kolonie erwartet, wenn Sie nichts tun: das Spiel durchlebt
64 mögliche Zukünfte bis zur Jahressteuer, bis zur Hauptsteuer, 30 oder 365 Tage voraus.
Die Linie in jeder Kurve ist die Mitte dieser Zukünfte, das Band zeigt, wo 8 von 10 liegen. Die Zeile über
den Kurven sagt, ob das Geld für die Steuer reicht, wann die Nahrung ausgeht und wohin die
Gesundheit geht. Die Prognose wird nach jedem Zug und jedem Befehl neu berechnet, solange die Seite offen ist;
das Spiel selbst ändert sie nicht.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Журнал&lt;/h2&gt;
&lt;p&gt;«Сервис» → «Журнал» (&lt;kbd&gt;Ctrl+J&lt;/kbd&gt;) открывает рядом с игрой журнал: все сообщения игры с
их датами, новые сверху. Там события, налоги (предупреждение, сумма, уплачен налог или нет),
времена года, ошибки из строки состояния и цели сценария. Можно показать записи одного вида и
найти запись по словам из ее текста. Запись о строении или клетке написана синим: двойной щелчок
или &lt;kbd&gt;Enter&lt;/kbd&gt; по ней показывает эту клетку в середине карты и выбирает ее. Отмененная
команда уносит свои записи, повтор возвращает их. Журнал хранится в сохраненной игре.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Tagebuch&lt;/h2&gt;
&lt;p&gt;„Extras“ → „Tagebuch“ (&lt;kbd&gt;Strg+J&lt;/kbd&gt;) öffnet neben dem Spiel das Tagebuch: alle Nachrichten des Spiels mit
ihrem Datum, die neuesten oben. Dort stehen Ereignisse, Steuern (die Warnung, die Summe, ob die Steuer bezahlt wurde),
Jahreszeiten, Fehler aus der Statuszeile und die Ziele des Szenarios. Man kann die Einträge einer Art zeigen und
einen Eintrag nach Wörtern aus seinem Text suchen. Ein Eintrag über ein Gebäude oder ein Feld steht in Blau: ein Doppelklick
oder &lt;kbd&gt;Enter&lt;/kbd&gt; darauf zeigt dieses Feld in der Mitte der Karte und wählt es. Ein zurückgenommener
Befehl nimmt seine Einträge mit, die Wiederholung bringt sie zurück. Das Tagebuch wird im gespeicherten Spiel aufbewahrt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Другие острова&lt;/h2&gt;
&lt;p&gt;«Игра» → «Новая на другом острове...» (&lt;kbd&gt;Ctrl+Shift+N&lt;/kbd&gt;) начинает новую игру на другой
земле: на карте «01», на любой карте из папки MAPS игры или из папки MAPS рядом с сохранениями,
или на случайном острове, который игра строит по его номеру (от 0 до 4 294 967 295). Номер
каждый раз выбирается заново; введите другой, чтобы вернуться на знакомый остров или сыграть
на острове, о котором рассказал друг. Справа видна карта острова с местом высадки. Сохраненная
игра помнит свой остров: загрузка возвращает его.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Andere Inseln&lt;/h2&gt;
&lt;p&gt;„Spiel“ → „Neu auf anderer Insel...“ (&lt;kbd&gt;Strg+Umschalt+N&lt;/kbd&gt;) beginnt ein neues Spiel auf anderem
Land: auf der Karte „01“, auf jeder Karte aus dem Ordner MAPS des Spiels oder aus dem Ordner MAPS neben den Spielständen
oder auf einer zufälligen Insel, die das Spiel aus ihrer Nummer baut (von 0 bis 4 294 967 295). Die Nummer
wird jedes Mal neu gewählt; geben Sie eine andere ein, um auf eine bekannte Insel zurückzukehren oder auf
einer Insel zu spielen, von der ein Freund erzählt hat. Rechts ist die Karte der Insel mit dem Landeplatz zu sehen. Ein gespeichertes
Spiel merkt sich seine Insel: das Laden bringt sie zurück.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;a name=&quot;editor&quot; id=&quot;editor&quot;&gt;&lt;/a&gt;
&lt;h2&gt;Редактор островов&lt;/h2&gt;
&lt;p&gt;«Сервис» → «Редактор островов...» (&lt;kbd&gt;Ctrl+E&lt;/kbd&gt;) открывает в своем окне редактор, где
рисуют свою землю; &lt;code&gt;tarvenia --edit&lt;/code&gt; открывает его сразу, &lt;code&gt;tarvenia --edit random:7&lt;/code&gt;
— на острове номер 7. «Карта» → «Новая...» начинает с пустого моря, с острова по номеру или с
любой карты игры, «Открыть файл...» — с любой карты (файла .LTS) или черновика.&lt;/p&gt;</source>
        <translation>&lt;a name=&quot;editor&quot; id=&quot;editor&quot;&gt;&lt;/a&gt;
&lt;h2&gt;Inseleditor&lt;/h2&gt;
&lt;p&gt;„Extras“ → „Inseleditor...“ (&lt;kbd&gt;Strg+E&lt;/kbd&gt;) öffnet in einem eigenen Fenster den Editor, in dem
man eigenes Land zeichnet; &lt;code&gt;tarvenia --edit&lt;/code&gt; öffnet ihn gleich, &lt;code&gt;tarvenia --edit random:7&lt;/code&gt;
— auf der Insel Nummer 7. „Karte“ → „Neu...“ beginnt mit leerem Meer, mit einer Insel nach Nummer oder mit
einer beliebigen Karte des Spiels, „Datei öffnen...“ — mit einer beliebigen Karte (einer .LTS-Datei) oder einem Entwurf.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Инструменты, в скобках клавиша: {tools}. Берег ложится сам там, где земля встречает море, а море,
отрезанное от открытого моря, становится озером. После каждого штриха карта рисуется заново, как
у острова, построенного игрой. &lt;kbd&gt;Ctrl+Z&lt;/kbd&gt; отменяет штрих, заливку, остров, перенос или
надпись целиком (до 100 шагов), &lt;kbd&gt;Ctrl+Y&lt;/kbd&gt; повторяет. Масштаб меняют колесо мыши и меню «Вид», как в игре. Названия, которые дала игра, на другом
языке пишутся на нем, а свои видны так, как написаны.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Werkzeuge, in Klammern die Taste: {tools}. Die Küste legt sich von selbst dorthin, wo Land auf das Meer trifft,
und Meer, das vom offenen Meer abgeschnitten ist, wird zum See. Nach jedem Strich wird die Karte neu gezeichnet, wie
bei einer Insel, die das Spiel baut. &lt;kbd&gt;Strg+Z&lt;/kbd&gt; nimmt einen Strich, ein Füllen, eine Insel, ein Verlegen oder
eine Beschriftung ganz zurück (bis zu 100 Schritte), &lt;kbd&gt;Strg+Y&lt;/kbd&gt; wiederholt. Mausrad und Menü „Ansicht“ ändern den Maßstab wie im Spiel. Beschriftungen, die das Spiel vergeben hat,
erscheinen in einer anderen Sprache in dieser, eigene so, wie sie geschrieben wurden.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Справа — проверка: ошибки (на месте высадки не поставить первое строение, у начала мало земли
под дома первых поселенцев, на карте нет земли, без которой не получить какой-то ресурс) и
предупреждения (нужная земля далеко от начала, крошечные острова без пользы). Выбранная строка
показывает на карте, о каких клетках речь. «Сохранить» (&lt;kbd&gt;Ctrl+S&lt;/kbd&gt;) записывает карту под ее
именем в папку MAPS рядом с сохранениями, и она сразу появляется в списке новой игры; карту с
ошибками можно сохранить только черновиком, в папку DRAFTS. «Играть» (&lt;kbd&gt;F5&lt;/kbd&gt;) сохраняет
карту и начинает на ней новую игру. Ту же проверку делает &lt;code&gt;tarvenia-sim --check-map&lt;/code&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Rechts steht die Prüfung: Fehler (auf dem Landeplatz lässt sich das erste Gebäude nicht bauen, am Start ist zu wenig Land
für die Häuser der ersten Siedler, auf der Karte fehlt eine Bodenart, ohne die sich eine Ware nicht gewinnen lässt) und
Warnungen (eine nötige Bodenart liegt weit vom Start, winzige Inseln ohne Nutzen). Die gewählte Zeile
zeigt auf der Karte, um welche Felder es geht. „Speichern“ (&lt;kbd&gt;Strg+S&lt;/kbd&gt;) schreibt die Karte unter ihrem
Namen in den Ordner MAPS neben den Spielständen, und sie erscheint sofort in der Liste für ein neues Spiel; eine Karte mit
Fehlern lässt sich nur als Entwurf speichern, in den Ordner DRAFTS. „Spielen“ (&lt;kbd&gt;F5&lt;/kbd&gt;) speichert die
Karte und beginnt auf ihr ein neues Spiel. Dieselbe Prüfung macht &lt;code&gt;tarvenia-sim --check-map&lt;/code&gt;.&lt;/p&gt;</translation>
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
        <translation>&lt;h2&gt;Szenarien&lt;/h2&gt;
&lt;p&gt;„Spiel“ → „Neues Szenario...“ beginnt eine Kolonie mit einem Ziel: Geld ansparen, eine Stadt bauen,
bis zu einer Frist durchhalten. In der Liste zeigt jedes Szenario seine Stufe, seine Beschreibung, die Karte mit dem
Landeplatz und Ihr bestes Ergebnis auf der gewählten Stufe. Die Stufe lässt sich wählen, wenn das Szenario
keine eigene vorgibt: auf Leicht {easyMoney}% des Geldes des Szenarios und {easyTax}% jeder Steuer, auf Normal
alles wie im freien Spiel, auf Schwer {hardMoney}% des Geldes und {hardTax}% der Steuern.&lt;/p&gt;
&lt;p&gt;„Extras“ → „Ziele“ (&lt;kbd&gt;Strg+G&lt;/kbd&gt;) öffnet das Fenster der Ziele neben dem Spiel: Pflichtziele,
zusätzliche Ziele und das, was nicht geschehen darf, jedes mit Fortschrittsbalken, Frist und Zustand. Die Ziele
werden am Ende jedes Zuges geprüft. „Bis 1. März 1895“ heißt, dass ein Ziel, das am Ende des Zuges
vom 1. März 1895 erreicht ist, erfüllt ist; „Tage in Folge“ zählt die Züge, an deren Ende die Bedingung galt.
Ein erfülltes oder verfehltes Ziel wird durch eine Meldung verkündet. Das Szenario ist gewonnen, wenn alle
Pflichtziele erfüllt sind, und verloren, wenn eine Gefahr eingetreten ist oder ein Pflichtziel seine Frist verpasst hat.
In den Diagrammen der Statistik ist ein Ziel als Linie zu sehen.&lt;/p&gt;
&lt;p&gt;Ein gewonnenes Szenario bringt eine Gold-, Silber- oder Bronzemedaille, wenn es bis zum Datum der
Medaille gewonnen ist. Das beste Ergebnis ist das ohne zurückgenommene Züge, dann das schnellere, dann das mit mehr Geld;
die Bestwerte liegen in der Datei records.ini neben den Spielständen. Züge dürfen zurückgenommen werden, aber das Ergebnis
ist dann „mit zurückgenommenen Zügen“ vermerkt. Ein gespeichertes Spiel kennt sein Szenario, seine Stufe und seine Ziele.&lt;/p&gt;
&lt;p&gt;Gebäude, die ein Szenario nicht zu bauen erlaubt, sind in der Palette blass, und ihr Hinweis sagt, warum.
Wenn das Ablehnen einer Steuer das Szenario verliert, sagt das Fenster der Steuer es in Rot. Der erste Bildschirm
des Spiels bietet die „Einführung“ an, bis sie abgeschlossen ist, und die „Szenarien“, und von den Spielständen den letzten, der
sich noch weiterspielen lässt.&lt;/p&gt;
&lt;p&gt;Das Szenario „Einführung“ führt Sie Schritt für Schritt vom ersten Klick bis zur ersten Jahressteuer: ein Haus,
Farmen und ihr Wasser, ein Verkauf von Hand und ein Dauerauftrag, „Weiterspielen“ bis zur Steuer und der
Berater. Über der Karte steht, was zu tun ist, und der nötige Knopf ist umrahmt, bis Sie ihn benutzen.
Eigene Szenarien legen Sie in den Ordner SCENARIOS neben den Spielständen; wie man sie schreibt, steht in
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
        <translation>&lt;h2&gt;Einstellungen und Musik&lt;/h2&gt;
&lt;p&gt;„Extras“ → „Einstellungen...“ (&lt;kbd&gt;Strg+P&lt;/kbd&gt;): die Lautstärke von Geräuschen und Musik, das automatische Speichern zu Beginn
des Monats, die Frage „Das laufende Spiel speichern?“, bevor das Spiel geschlossen wird, und Vollbild beim
Start. Geräusche (&lt;kbd&gt;Strg+D&lt;/kbd&gt;) und Musik (&lt;kbd&gt;Strg+M&lt;/kbd&gt;) lassen sich auch im Menü ein- und ausschalten.
Die Musik wechselt mit der Jahreszeit: ein Walzer im Winter, ein Marsch im Sommer, ein Volkslied im Frühling und im Herbst.
Dort wählt man auch die Sprache des Spiels: „Wie im System“, „Русский“, „English“ oder „Deutsch“; sie wechselt beim nächsten Start.
Rechts wählt man, welche Meldungen ohne Fenster erscheinen: Ereignisse, zerstörte Gebäude, Geburten, Abwanderung,
zu wenig Wohnungen, neue Jahreszeit, Steuerwarnungen, Ziele. Eine solche Meldung klingt wie sonst und steht als Zeile
unten im Fenster, und das Spiel hält nicht an; die Meldungen eines Tages bilden eine Zeile.
Das Journal hält jede Meldung fest.
Die Einstellungen werden getrennt von den Spielen aufbewahrt: das Laden eines Spiels ändert sie nicht.&lt;/p&gt;</translation>
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
        <translation>&lt;h2&gt;Markt&lt;/h2&gt;
&lt;p&gt;Geben Sie die Menge jeder Ware ein und drücken Sie „Kaufen“ oder „Verkaufen“. Beim Verkauf bedeutet „-“ im Eingabefeld
(oder der Knopf „Alle“ oder die Taste &lt;kbd&gt;a&lt;/kbd&gt;) den ganzen Vorrat der Ware. Ein Geschäft geht
ganz durch oder gar nicht.&lt;/p&gt;
&lt;table&gt;
&lt;tr&gt;&lt;th&gt;Ware&lt;/th&gt;&lt;th&gt;Kauf&lt;/th&gt;&lt;th&gt;Verkauf&lt;/th&gt;&lt;/tr&gt;
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
        <translation>&lt;h2&gt;Daueraufträge&lt;/h2&gt;
&lt;p&gt;«Extras» → «Daueraufträge...» (&lt;kbd&gt;Ctrl+R&lt;/kbd&gt;) oder der Knopf «Aufträge...» im Fenster des
Markts legt für jede Ware eine Unter- und eine
Obergrenze fest. Nach jedem Tag wird verkauft, was über der Obergrenze liegt, und gekauft, was
unter der Untergrenze fehlt: zu den Preisen des Markts und nach seinen Regeln, jedes Geschäft
ganz oder gar nicht (ohne das Geld kein Kauf). Jedes Geschäft steht im Tagebuch als «Handel»,
und die Zeile unten im Fenster sagt, für wie viel an dem Tag verkauft und gekauft wurde. Die
Aufträge bleiben im gespeicherten Spiel, und wer einen Tag zurücknimmt, nimmt auch seine
Geschäfte zurück.&lt;/p&gt;</translation>
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
        <translation>&lt;h2&gt;Berater&lt;/h2&gt;
&lt;p&gt;«Extras» → «Berater» (&lt;kbd&gt;Ctrl+A&lt;/kbd&gt;) oder ein Klick auf das Zeichen unter der Zahl der
Leute ohne Arbeit öffnet das Fenster des Beraters. Er sieht sich die Kolonie nach jedem Tag an
und warnt vor dem, was bald Ihre Aufmerksamkeit braucht: Geld — eine Steuer, die nach der
Prognose in weniger als neun von zehn Verläufen gezahlt wird, oder der Tag, an dem das Geld
für den Unterhalt ausgeht; Waren — Gebäude, die mangels einer Ware stillstehen, und wie viel
davon sie am Tag brauchen; Arbeit — Gebäude ohne Arbeiter oder Leute ohne Arbeitsplatz;
Wohnraum — alle Plätze in den Häusern belegt; Gesundheit — unter 500 oder auf dem Weg dorthin.
Die Geldprognose läuft abseits des Spiels und holt es ein, während die Tage vergehen. Ein
Doppelklick oder &lt;kbd&gt;Enter&lt;/kbd&gt; auf einer Warnung zeigt das Gebäude auf der Karte oder die
Seite der Statistik. Die Häkchen unten im Fenster wählen, bei welcher neuen Warnung
«Weiterspielen» anhält.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Повтор игры&lt;/h2&gt;
&lt;p&gt;«Сервис» → «Повтор игры...» (&lt;kbd&gt;Ctrl+L&lt;/kbd&gt;) показывает, как росла колония: с первого
дня игры, на отдельной карте, со скоростью «Играть дальше», которая выбирается внизу окна.
Ползунок ведет к любой дате, &lt;kbd&gt;Пробел&lt;/kbd&gt; или кнопка «Смотреть» пускает и
останавливает показ, рядом видны дата, деньги и люди того дня. Игра в это время ждет и
остается как есть.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Wiederholung&lt;/h2&gt;
&lt;p&gt;«Extras» → «Wiederholung...» (&lt;kbd&gt;Ctrl+L&lt;/kbd&gt;) zeigt, wie die Kolonie gewachsen ist: vom
ersten Tag des Spiels an, auf einer eigenen Karte, im Tempo von «Weiterspielen», das unten im
Fenster gewählt wird. Der Regler führt zu jedem Datum, die &lt;kbd&gt;Leertaste&lt;/kbd&gt; oder der
Knopf «Ansehen» startet und hält die Wiedergabe an, daneben stehen Datum, Geld und Siedler
jenes Tages. Das Spiel wartet derweil und bleibt, wie es ist.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;События&lt;/h2&gt;
&lt;p&gt;С работающими строениями изредка что-то случается: находки ресурсов, пожары и аварии,
сокращающие срок службы, приезд переселенцев или потери среди людей.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Ereignisse&lt;/h2&gt;
&lt;p&gt;Bei arbeitenden Gebäuden geschieht ab und zu etwas: Funde von Waren, Brände und Unfälle,
die die Lebensdauer verkürzen, die Ankunft neuer Siedler oder Verluste unter ihnen.&lt;/p&gt;</translation>
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
        <translation>&lt;h2&gt;Gebäude&lt;/h2&gt;
&lt;p&gt;„≈“ ist eine Menge im Durchschnitt, sie ändert sich von Tag zu Tag.&lt;/p&gt;
&lt;table&gt;
&lt;tr&gt;&lt;th&gt;Gebäude&lt;/th&gt;&lt;th&gt;Preis&lt;/th&gt;&lt;th&gt;Wo es steht&lt;/th&gt;&lt;th&gt;Bautage&lt;/th&gt;&lt;th&gt;Hält&lt;/th&gt;
&lt;th&gt;Arbeiter&lt;/th&gt;&lt;th&gt;Wohnungen&lt;/th&gt;&lt;th&gt;Jahreszeiten&lt;/th&gt;&lt;th&gt;Verbrauch am Tag&lt;/th&gt;&lt;th&gt;Ertrag am Tag&lt;/th&gt;&lt;/tr&gt;
{buildings}
&lt;/table&gt;
&lt;/body&gt;
&lt;/html&gt;
</translation>
    </message>
    <message>
        <source> или </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>%1 (&lt;kbd&gt;%2&lt;/kbd&gt;) %3</source>
        <translation>%1 (&lt;kbd&gt;%2&lt;/kbd&gt;) %3</translation>
    </message>
    <message>
        <source>нельзя блокировать</source>
        <translation>nicht zu blockieren</translation>
    </message>
    <message>
        <source>видно на обзорной карте</source>
        <translation>auf der Übersichtskarte zu sehen</translation>
    </message>
    <message>
        <source>; можно далеко от других строений</source>
        <translation>; auch fern von anderen Gebäuden</translation>
    </message>
    <message>
        <source>без налога на землю</source>
        <translation>ohne Grundsteuer</translation>
    </message>
</context>
</TS>
