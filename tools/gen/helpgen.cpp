// Writes the players' help, HELP.html, into the data folder. The rules'
// numbers come from the game's own code and the building table from the
// catalogue BASES.INI in that folder, so the help never tells a stale figure.
// The page in another language is the same page with that language's
// catalogues of a build's translations/ installed: the game's texts, the
// data's, and the help's own (its blocks and words, in the data catalogue's
// HELP.html); it is written under the language's own page name.
//
//   tarvenia-gen-help DATADIR                       the Russian page
//   tarvenia-gen-help --lang CODE TRANSLATIONS DATADIR   the page in the
//       language of that code (en, de)
//   tarvenia-gen-help --ts FILE DATADIR             brings a data catalogue
//       (translations/data_en.ts) up to the data's and the help's texts

#include "base/language.h"
#include "land/maptexts.h"
#include "model/basetype.h"
#include "model/colony.h"
#include "model/datatexts.h"
#include "model/describe.h"
#include "model/game.h"
#include "model/gamedate.h"
#include "model/goods.h"
#include "model/playercommands.h"
#include "model/scenario.h"
#include "model/taxes.h"
#include "tsfile.h"
#include "ui/islandeditor.h"
#include "ui/menus.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cstdio>

namespace {

// The Russian page, whose name is also the catalogue's context of the help's texts.
const QString HelpPage = QLatin1String(Languages().front().HelpPage);

// The help's own texts in the order the page used them, for the catalogue.
std::vector<QString> HelpTexts;

// A text of the help itself in the language of the installed catalogues.
QString Help(const QString& text) {
    HelpTexts.push_back(text);
    return TranslatedDataText(HelpPage, text, QString());
}

QString Esc(const QString& text) {
    return text.toHtmlEscaped();
}

QString Goods(const TResources& amounts, const TResources* ranges) {
    QString list;
    for (int g = 0; g < GoodsCount; ++g)
        if (amounts[g] != 0)
            AddToList(list, QStringLiteral("%1 %2%3")
                                .arg(GoodName(g))
                                .arg(ranges && (*ranges)[g] != 0 ? QStringLiteral("≈") : QString())
                                .arg(amounts[g]));
    return list.isEmpty() ? QStringLiteral("—") : list;
}

QString BuildingRows(const TBaseTypeList& types) {
    QStringList rows;
    for (const TBaseType& t : types) {
        QString seasons;
        for (int s = 0; s < 4; ++s)
            if (t.WorksIn(s))
                AddToList(seasons, SeasonName(s));
        QString ground = EarthPhrase(t.NeedEarth);
        if (t.HasStyle(bsNoNearBase))
            ground += Help(QStringLiteral("; можно далеко от других строений"));
        QStringList notes;
        if (t.HasStyle(bsNoPreserve))
            notes << Help(QStringLiteral("нельзя блокировать"));
        if (t.HasStyle(bsNoOccupy))
            notes << Help(QStringLiteral("без налога на землю"));
        if (t.HasStyle(bsPlan))
            notes << Help(QStringLiteral("видно на обзорной карте"));
        rows << QStringLiteral(
                    "<tr><td><b>%1</b>%2</td><td class=n>%3</td><td>%4</td><td class=n>%5</td>"
                    "<td>%6</td><td class=n>%7</td><td class=n>%8</td><td>%9</td>"
                    "<td>%10</td><td>%11</td></tr>")
                    .arg(Esc(t.Caption),
                         notes.isEmpty() ? QString()
                                         : QStringLiteral("<br><small>%1</small>")
                                               .arg(notes.join(QStringLiteral(", "))),
                         NumToStr(t.Price), Esc(ground), QString::number(t.BuildTime),
                         t.LiveYears ? YearsToStr(t.LiveYears) : Help(QStringLiteral("вечно")),
                         QString::number(t.NeedWorkers),
                         t.HomePlaces ? QString::number(t.HomePlaces) : QStringLiteral("—"),
                         seasons.isEmpty() ? QStringLiteral("—") : seasons,
                         Goods(t.Consume, nullptr), Goods(t.Profit, &t.ProfitRange));
    }
    return rows.join(QLatin1Char('\n'));
}

QString PriceRows() {
    QStringList rows;
    for (int g = 0; g < GoodsCount; ++g)
        rows << QStringLiteral("<tr><td>%1</td><td class=n>%2</td><td class=n>%3</td></tr>")
                    .arg(GoodName(g), NumToStr(BuyPrices[g]), NumToStr(SellPrices[g]));
    return rows.join(QLatin1Char('\n'));
}

// A row for each command: its keys, its button's hint and what it does.
QString CommandRows() {
    const auto key = [](char16_t letter) {
        return QStringLiteral("<kbd>") + QChar(letter) + QStringLiteral("</kbd>");
    };
    QStringList rows;
    for (const TPlayerCommand& command : PlayerCommands()) {
        QString keys = key(command.Letter);
        if (command.OtherLetter)
            keys += Help(QStringLiteral(" или ")) + key(command.OtherLetter);
        rows << QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                    .arg(keys, Esc(command.Caption()),
                         QCoreApplication::translate("Commands", command.Description));
    }
    return rows.join(QLatin1Char('\n'));
}

// A row for each item of the window's menus: its keys, where it is and
// what it does.
QString MenuRows() {
    QStringList rows;
    for (const TMenuEntry& entry : MenuEntries) {
        const QString shortcut = QString::fromLatin1(entry.Shortcut);
        const QString place = QCoreApplication::translate("Menus", entry.Menu).remove(u'&') +
                              QStringLiteral(" → ") +
                              QCoreApplication::translate("Menus", entry.Caption).remove(u'&');
        rows << QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                    .arg(shortcut.isEmpty()
                             ? QString()
                             : QStringLiteral("<kbd>") + shortcut + QStringLiteral("</kbd>"),
                         Esc(place), Esc(QCoreApplication::translate("MenuHelp", entry.Help)));
    }
    return rows.join(QLatin1Char('\n'));
}

// The island editor's tools, each with its key and what it does.
QString ToolList() {
    const QString format = Help(QStringLiteral("%1 (<kbd>%2</kbd>) %3"));
    QStringList tools;
    for (const TIslandEditorForm::TToolRow& tool : TIslandEditorForm::Tools())
        tools << format.arg(
            QCoreApplication::translate("TIslandEditorForm", tool.Caption).remove(u'&').toLower(),
            QString::fromLatin1(tool.Key),
            QCoreApplication::translate("EditorToolHelp", tool.Help));
    return tools.join(QStringLiteral(";\n"));
}

// The page with each {name} in it replaced by its text.
QString Filled(QString page, std::initializer_list<std::pair<const char*, QString>> fields) {
    for (const auto& [name, text] : fields)
        page.replace(QLatin1Char('{') + QLatin1String(name) + QLatin1Char('}'), text);
    return page;
}

QString Page(const TBaseTypeList& types) {
    const int64_t fixedTaxes =
        TYearlyTaxes::Ecology + TYearlyTaxes::Social + TYearlyTaxes::NaturalResources;
    QString page = QStringLiteral(R"(<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<title>Тарвения — помощь</title>
<style>
body { font-family: "Liberation Serif", "Times New Roman", serif; max-width: 60em; margin: 1em auto; color: #2a1e10; background: #fbf7ec; }
h1, h2 { color: #5a3a10; }
table { border-collapse: collapse; margin: 0.5em 0; }
td, th { border: 1px solid #c8b890; padding: 2px 6px; vertical-align: top; }
th { background: #eadfc0; }
td.n { text-align: right; white-space: nowrap; }
kbd { border: 1px solid #a09070; border-radius: 3px; padding: 0 4px; background: #fff; }
</style>
</head>
<body>

<a name="10" id="10"></a>
<h1>Тарвения</h1>
<p>{founding} года на берег острова сходят первые поселенцы: {people} человек и {money} денег в кассе.
На месте высадки уже стоит первое строение колонии — {founder}. Ваша задача — построить
процветающую колонию: дать людям жилье и работу, добывать и продавать ресурсы и вовремя платить
налоги метрополии. Каждый ход — один день.</p>
<p>Колония разоряется, если ей нечем платить: без денег люди болеют и уходят, а пока налог не
уплачен, календарь стоит на месте. Если разрушится последнее строение «{founder}», колония
каждый день теряет все деньги и ресурсы.</p>

<h2>Карта и клетки</h2>
<p>Карта — 280 × 280 клеток. Выберите клетку мышью или стрелками; <kbd>Ctrl</kbd> со стрелками
и перетаскивание мышью прокручивают карту, щелчок по обзорной карте справа переносит вид. Колесо мыши меняет масштаб вокруг указателя (<kbd>Shift</kbd> с колесом прокручивает вбок), как и <kbd>Ctrl</kbd>+<kbd>=</kbd>, <kbd>Ctrl</kbd>+<kbd>-</kbd> и <kbd>Ctrl</kbd>+<kbd>0</kbd>: от всего острова, где клетка — цветная точка, до двойного размера. Пока карта не в своем размере, в ее углу справа вверху виден масштаб; щелчок по нему возвращает настоящий размер. Окно игры растягивается и разворачивается; карта занимает все место, а игра помнит размер и место окна.
Строка статуса внизу говорит, что находится на выбранной клетке. Строить можно на земле, воде
(озерах), в лесу и на месторождениях угля, руды, нефти и золота; на море, берегу и неизвестных
объектах строить нельзя.</p>

<h2>Команды</h2>
<table>
<tr><th>Клавиша</th><th>Кнопка</th><th>Что делает</th></tr>
{commands}
<tr><td></td><td>Палитра строений</td><td>построить выбранное строение на выбранной клетке; подсказка кнопки показывает его цену, условия и доход</td></tr>
</table>

<h2>Играть дальше</h2>
<p>Кнопка «Играть дальше» (<kbd>O</kbd>) проживает день за днём и показывает каждый: дату, цифры
и карту. Она останавливается сама, когда колонии нужен игрок: налог, цель выполнена или
провалена, сообщение, которое показывается в окне (какие сообщения идут без окна, выбирается в
параметрах), или предел игры. Строка статуса говорит, что игра идёт и почему она остановилась.
Любая клавиша или щелчок останавливают игру и больше ничего не делают; колесо мыши и
прокрутка карты работают и во время игры. «Игра» → «Играть дальше...» выбирает предел: до
ежегодного налога (игра встает накануне, чтобы вы успели приготовить деньги), 30 дней, год
или до даты, и скорость: от 2 дней в секунду до как можно быстрее. Все дни одной игры
отменяются одной командой «Отменить».</p>

<h2>Без мыши</h2>
<p>В игру можно играть одной клавиатурой. <kbd>Tab</kbd> переводит ввод с карты на палитру
строений, оттуда на кнопки команд и обратно; <kbd>Shift</kbd>+<kbd>Tab</kbd> — в обратном
порядке. Стрелки ходят по палитре и по кнопкам, <kbd>Пробел</kbd> или <kbd>Enter</kbd>
строит выбранное строение на выбранной клетке или нажимает кнопку, <kbd>Esc</kbd> возвращает
на карту. Кнопка, на которой стоит ввод, обведена рамкой. В окнах <kbd>Tab</kbd> ходит по
кнопкам и полям, <kbd>Enter</kbd> нажимает кнопку по умолчанию, <kbd>Esc</kbd> — отмену;
окна статистики, целей и журнала закрываются по <kbd>Esc</kbd>. Программы чтения с экрана
называют кнопки, строения с их подсказками, цифры панели, здоровье и строку статуса.</p>
<p>Кнопка палитры или команды, до которой дошла клавиатура, показывает свою подсказку, как под
мышью. <kbd>Alt</kbd> или <kbd>Ctrl</kbd> с буквой никогда не выполняет команду: эти клавиши
для меню, и буквы меню действуют при русской и при латинской раскладке. Окна статистики, целей и журнала открываются рядом с игрой, не закрывая ни ее, ни
друг друга, а потом там, куда вы их поставили.</p>

<h2>Меню</h2>
<table>
<tr><th>Клавиши</th><th>Пункт</th><th>Что делает</th></tr>
{menus}
</table>

<h2>Люди</h2>
<p>Каждый человек обходится колонии в {upkeep} деньгу в день. Пока здоровье ниже максимального, колония
тратит на людей вдвое больше, и здоровье растет. Если денег не хватает, здоровье падает, люди
перестают рождаться и начинают уходить. Люди живут только там, где есть места в домах:
лишние уходят сразу. Рабочие места заполняются от новых строений к старым.</p>

<h2>Строительство и износ</h2>
<p>Новое строение можно поставить только рядом (по стороне клетки) с уже стоящим, если в таблице
не сказано иное. Строение работает в свои сезоны, если ему хватает рабочих и сырья; иначе на
нем появляется значок. Зимой строения изнашиваются сильнее. Восстановление всего срока службы
стоит около трех четвертей цены строения. Отслужившее строение разрушается, на его месте
остаются руины.</p>

<h2>Почему строение стоит</h2>
<p>Если выбранное строение сегодня не работает, строка статуса после его описания говорит почему:
сколько дней еще строиться, заблокировано, не его сезон, каких ресурсов и сколько не хватает на
день работы, сколько рабочих ему нужно и сколько было свободно, когда до него дошла очередь.
Меню «Вид» раскрашивает карту и обзорную карту: «Износ» — по оставшемуся сроку службы,
«Работа» — работает ли строение и почему стоит, «Улучшенная земля» — где земля улучшена.
Что значит каждый цвет, написано в левом нижнем углу карты. Цвета различимы и без цветового зрения: каждый шаг светлее или темнее других. «Обычный вид» убирает раскраску.</p>

<h2>Налоги</h2>
<p>Каждый год 1 марта, начиная с {firstYearly} года, колония платит налоги за прошедший год:
{landRate} за каждое строение на земле (кроме строений «без налога на землю»), {buying}% от суммы покупок,
{selling}% от суммы продаж и {funds} в фонды. Раз в {period} лет, 1 ноября, начиная с {firstMain} года, платится
Главный налог: {firstMainTax} в {firstMain} году, {secondMainTax} в {secondMain} году, и дальше он удваивается каждые {period} лет. За
месяц до налога приходит предупреждение. Пока налог не уплачен, следующий день не наступит.</p>

<h2>Сохранение</h2>
<p><kbd>Ctrl+S</kbd> сохраняет игру, <kbd>Ctrl+Shift+S</kbd> — под другим именем, <kbd>Ctrl+O</kbd>
загружает сохраненную. Для новой игры, у которой еще нет файла, игра предложит имя по острову и
дате («Остров 01, 8 марта 1890.dat»). Если в выбранном файле сохранена другая колония, игра
сначала спросит, заменить ли ее. В начале каждого месяца игра сохраняется сама, по очереди в
трех файлах (Autosave1.dat, Autosave2.dat, Autosave3.dat), так что последние три месяца всегда
можно вернуть. Загрузка игры не меняет настроек: звук останется таким, как вы его выбрали.</p>

<p>Если игра прервется из-за сбоя, она успеет записать рядом с сохранениями два файла: Crash.dat,
колонию после последней команды, и Crash.log, что случилось. При следующем запуске игра скажет о
сбое и предложит загрузить колонию, какой она была. Чтобы сообщить о сбое, приложите к письму оба
файла. Под именем Crash.dat свою игру сохранить нельзя.</p>

<h2>Отмена</h2>
<p><kbd>Ctrl+Z</kbd> отменяет последнюю команду, которая изменила игру: строительство, улучшение
земли, восстановление, разбор, блокировку, сделку на рынке, день или неделю (до 100 команд подряд).
<kbd>Ctrl+Y</kbd> повторяет отмененное. В меню «Игра» видно, что будет отменено или повторено.
Отмененный день при повторе проходит так же: случай в нем тот же. Если отменить все до
сохраненного состояния, игра снова считается сохраненной.</p>

<h2>Статистика</h2>
<p><kbd>Ctrl+T</kbd> открывает окно статистики рядом с окном игры; оно следит за каждым ходом.
Графики показывают деньги, людей рядом с местами в домах и на работе, здоровье (с чертой 500,
ниже которой люди не рождаются), запасы ресурсов и продажи и покупки на рынке по месяцам — за
последний год, десять лет или всю игру. Указатель мыши над графиком показывает день и его числа.
Страница «Счёт» показывает каждое изменение денег по видам (продажи, содержание, строительство,
налоги и другие) за каждый из последних десяти лет и за всю игру. Графики и счет можно
сохранить в файл CSV.</p>
<p>Страница «Прогноз» показывает, что ждет колонию, если ничего не делать: игра проживает
64 возможных будущих до ежегодного налога, до Главного налога, на 30 или на 365 дней вперед.
Линия на каждом графике — середина этих будущих, полоса — где лежат 8 из 10. Строка над
графиками говорит, хватит ли денег на налог, когда кончится продовольствие и куда идет
здоровье. Прогноз считается заново после каждого хода и каждой команды, пока страница открыта;
саму игру он не меняет.</p>

<h2>Журнал</h2>
<p>«Сервис» → «Журнал» (<kbd>Ctrl+J</kbd>) открывает рядом с игрой журнал: все сообщения игры с
их датами, новые сверху. Там события, налоги (предупреждение, сумма, уплачен налог или нет),
времена года, ошибки из строки состояния и цели сценария. Можно показать записи одного вида и
найти запись по словам из ее текста. Запись о строении или клетке написана синим: двойной щелчок
или <kbd>Enter</kbd> по ней показывает эту клетку в середине карты и выбирает ее. Отмененная
команда уносит свои записи, повтор возвращает их. Журнал хранится в сохраненной игре.</p>

<h2>Другие острова</h2>
<p>«Игра» → «Новая на другом острове...» (<kbd>Ctrl+Shift+N</kbd>) начинает новую игру на другой
земле: на карте «01», на любой карте из папки MAPS игры или из папки MAPS рядом с сохранениями,
или на случайном острове, который игра строит по его номеру (от 0 до 4 294 967 295). Номер
каждый раз выбирается заново; введите другой, чтобы вернуться на знакомый остров или сыграть
на острове, о котором рассказал друг. Справа видна карта острова с местом высадки. Сохраненная
игра помнит свой остров: загрузка возвращает его.</p>

<a name="editor" id="editor"></a>
<h2>Редактор островов</h2>
<p>«Сервис» → «Редактор островов...» (<kbd>Ctrl+E</kbd>) открывает в своем окне редактор, где
рисуют свою землю; <code>tarvenia --edit</code> открывает его сразу, <code>tarvenia --edit random:7</code>
— на острове номер 7. «Карта» → «Новая...» начинает с пустого моря, с острова по номеру или с
любой карты игры, «Открыть файл...» — с любой карты (файла .LTS) или черновика.</p>

<p>Инструменты, в скобках клавиша: {tools}. Берег ложится сам там, где земля встречает море, а море,
отрезанное от открытого моря, становится озером. После каждого штриха карта рисуется заново, как
у острова, построенного игрой. <kbd>Ctrl+Z</kbd> отменяет штрих, заливку, остров, перенос или
надпись целиком (до 100 шагов), <kbd>Ctrl+Y</kbd> повторяет. Масштаб меняют колесо мыши и меню «Вид», как в игре. Названия, которые дала игра, на другом
языке пишутся на нем, а свои видны так, как написаны.</p>

<p>Справа — проверка: ошибки (на месте высадки не поставить первое строение, у начала мало земли
под дома первых поселенцев, на карте нет земли, без которой не получить какой-то ресурс) и
предупреждения (нужная земля далеко от начала, крошечные острова без пользы). Выбранная строка
показывает на карте, о каких клетках речь. «Сохранить» (<kbd>Ctrl+S</kbd>) записывает карту под ее
именем в папку MAPS рядом с сохранениями, и она сразу появляется в списке новой игры; карту с
ошибками можно сохранить только черновиком, в папку DRAFTS. «Играть» (<kbd>F5</kbd>) сохраняет
карту и начинает на ней новую игру. Ту же проверку делает <code>tarvenia-sim --check-map</code>.</p>

<h2>Сценарии</h2>
<p>«Игра» → «Новая по сценарию...» начинает колонию с целью: накопить денег, построить город,
дожить до срока. В списке у каждого сценария видны его сложность, описание, карта с местом
высадки и ваш лучший результат на выбранной сложности. Сложность можно выбрать, если сценарий
не задаёт свою: на лёгкой {easyMoney}% денег сценария и {easyTax}% каждого налога, на обычной
всё как в свободной игре, на трудной {hardMoney}% денег и {hardTax}% налогов.</p>
<p>«Сервис» → «Цели» (<kbd>Ctrl+G</kbd>) открывает окно целей рядом с игрой: обязательные цели,
дополнительные и то, чего нельзя допустить, у каждой полоса хода, срок и состояние. Цели
проверяются в конце каждого хода. «До 1 марта 1895» значит, что цель, достигнутая в конце хода
1 марта 1895 года, выполнена; «дни подряд» считают ходы, в конце которых условие держалось.
Выполненная или проваленная цель объявляется сообщением. Сценарий выигран, когда выполнены все
обязательные цели, и проигран, когда случилась беда или обязательная цель не успела к сроку.
На графиках статистики цель видна линией.</p>
<p>Выигранный сценарий приносит золотую, серебряную или бронзовую медаль, если выигран к дате
медали. Лучший результат — тот, что без отмены ходов, потом быстрее, потом с большими деньгами;
рекорды хранятся в файле records.ini рядом с сохранениями. Отменять ходы можно, но результат
тогда отмечен «с отменой ходов». Сохранённая игра помнит свой сценарий, его сложность и цели.</p>
<p>Строения, которые сценарий строить не дает, в палитре бледные, а их подсказка говорит почему.
Если отказ от налога проигрывает сценарий, окно налога пишет об этом красным. Первый экран
игры предлагает «Обучение», пока оно не пройдено, и «Сценарии», а из сохранений — последнее, в
которое еще можно играть.</p>
<p>Сценарий «Обучение» шаг за шагом ведёт от первого щелчка до первого ежегодного налога: дом,
фермы и вода для них, продажа вручную и постоянный заказ, «Играть дальше» до налога и советник.
Над картой написано, что сделать, а нужная кнопка обведена рамкой, пока ею не воспользуются.
Свои сценарии кладите в папку SCENARIOS рядом с сохранениями; как их писать, сказано в
docs/scenarios.md.</p>

<h2>Параметры и музыка</h2>
<p>«Сервис» → «Параметры...» (<kbd>Ctrl+P</kbd>): громкость звуков и музыки, автосохранение в начале
месяца, вопрос «Сохранить текущую игру?» перед тем, как игра будет закрыта, и полный экран при
запуске. Звук (<kbd>Ctrl+D</kbd>) и музыку (<kbd>Ctrl+M</kbd>) можно включать и выключать и из меню.
Музыка меняется с временем года: вальс зимой, марш летом, народная песня весной и осенью.
Там же выбирается язык игры: «Системный», «Русский», «English» или «Deutsch»; он меняется при следующем запуске.
Справа выбирается, какие сообщения показывать без окна: события, разрушения, рождения, уход людей,
нехватка жилья, новое время года, предупреждения о налогах, цели. Такое сообщение звучит, как обычно,
и пишется строкой внизу окна, а игра не останавливается; сообщения одного дня идут одной строкой.
В журнал попадают все сообщения.
Параметры хранятся отдельно от игр: загрузка игры их не меняет.</p>

<h2>Рынок</h2>
<p>Введите количество каждого ресурса и нажмите «Купить» или «Продать». При продаже «-» в поле
(или кнопка «Все», или клавиша <kbd>a</kbd>) означает весь запас ресурса. Сделка проходит
целиком или не проходит вовсе.</p>
<table>
<tr><th>Ресурс</th><th>Покупка</th><th>Продажа</th></tr>
{prices}
</table>

<h2>Заказы на рынке</h2>
<p>«Сервис» → «Заказы на рынке...» (<kbd>Ctrl+R</kbd>) или кнопка «Заказы...» окна рынка
задает для любого ресурса нижнюю и верхнюю границу. После каждого дня то, что сверх верхней границы, продается, а чего не хватает
до нижней, покупается: по ценам рынка и по его правилам, каждая сделка целиком или никак
(не хватает денег — покупки нет). Каждая сделка пишется в журнал как «Торговля», а строка
внизу окна говорит, на сколько продано и куплено за день. Заказы хранятся в сохраненной игре,
а отмена дня отменяет и его сделки.</p>

<h2>Советник</h2>
<p>«Сервис» → «Советник» (<kbd>Ctrl+A</kbd>) или щелчок по знаку под числом незанятых людей
открывает окно советника. Он смотрит на колонию после каждого дня и предупреждает о том, что
скоро потребует внимания: деньги — налог, на который по прогнозу до него хватит меньше чем в
девяти исходах из десяти, или день, когда кончатся деньги на содержание; товары — строения,
которые стоят без ресурса, и сколько его нужно в день; работа — строения без рабочих или
люди без рабочих мест; жилье — все места в домах заняты; здоровье — ниже 500 или падает к
500. Прогноз для денег считается в стороне от игры и догоняет ее, пока идут дни. Двойной
щелчок или <kbd>Enter</kbd> на предупреждении показывает строение на карте или страницу
статистики. Галочки внизу окна выбирают, при каком новом предупреждении останавливается
«Играть дальше».</p>

<h2>Повтор игры</h2>
<p>«Сервис» → «Повтор игры...» (<kbd>Ctrl+L</kbd>) показывает, как росла колония: с первого
дня игры, на отдельной карте, со скоростью «Играть дальше», которая выбирается внизу окна.
Ползунок ведет к любой дате, <kbd>Пробел</kbd> или кнопка «Смотреть» пускает и
останавливает показ, рядом видны дата, деньги и люди того дня. Игра в это время ждет и
остается как есть.</p>

<h2>События</h2>
<p>С работающими строениями изредка что-то случается: находки ресурсов, пожары и аварии,
сокращающие срок службы, приезд переселенцев или потери среди людей.</p>

<h2>Строения</h2>
<p>«≈» — количество в среднем, оно меняется день ото дня.</p>
<table>
<tr><th>Строение</th><th>Цена</th><th>Где строится</th><th>Дней стройки</th><th>Служит</th>
<th>Рабочих</th><th>Жилье</th><th>Сезоны</th><th>Расход в день</th><th>Доход в день</th></tr>
{buildings}
</table>
</body>
</html>
)");
    // Each block between blank lines is one text of the catalogue.
    QStringList blocks = page.split(QStringLiteral("\n\n"));
    for (QString& block : blocks)
        block = Help(block);
    page = blocks.join(QStringLiteral("\n\n"));
    const TGame start(types, 0, 0);
    const int secondMain = FirstMainTaxYear + MainTaxPeriod;
    return Filled(page, {{"founding", DateText(start.Date)},
                         {"people", QString::number(start.People)},
                         {"money", NumToStr(start.Money)},
                         {"founder", Esc(types.front().Caption)},
                         {"commands", CommandRows()},
                         {"menus", MenuRows()},
                         {"tools", ToolList()},
                         {"upkeep", QString::number(start.Upkeep)},
                         {"firstYearly", QString::number(FoundingYear + 1)},
                         {"landRate", NumToStr(TYearlyTaxes::LandRate)},
                         {"buying", QString::number(TYearlyTaxes::BuyingPercent)},
                         {"selling", QString::number(TYearlyTaxes::SellingPercent)},
                         {"funds", NumToStr(fixedTaxes)},
                         {"period", QString::number(MainTaxPeriod)},
                         {"firstMain", QString::number(FirstMainTaxYear)},
                         {"firstMainTax", NumToStr(MainTaxAmount(FirstMainTaxYear))},
                         {"secondMain", QString::number(secondMain)},
                         {"secondMainTax", NumToStr(MainTaxAmount(secondMain))},
                         {"prices", PriceRows()},
                         {"easyMoney", QString::number(RulesOf(TDifficulty::Easy).MoneyPercent)},
                         {"easyTax", QString::number(RulesOf(TDifficulty::Easy).TaxPercent)},
                         {"hardMoney", QString::number(RulesOf(TDifficulty::Hard).MoneyPercent)},
                         {"hardTax", QString::number(RulesOf(TDifficulty::Hard).TaxPercent)},
                         {"buildings", BuildingRows(types)}});
}

// Brings the data catalogue up to the data folder's texts and the help's.
int UpdateCatalogue(const QString& path, const QString& dir, const TBaseTypeList& types) {
    std::vector<TDataEntry> texts = DataFolderTexts(dir);
    Page(types);
    for (const QString& text : HelpTexts)
        texts.push_back({HelpPage, QString(), text});
    if (!UpdateTsFile(path, texts)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}

// The language other than the source's whose code is given.
const TLanguageRow* TranslatedLanguage(const QString& code) {
    for (const TLanguageRow& row : Languages())
        if (!IsSourceLanguage(row) && code == QLatin1String(row.Code))
            return &row;
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const TLanguageRow* language =
        args.size() == 4 && args[0] == u"--lang" ? TranslatedLanguage(args[1]) : nullptr;
    const bool catalogue = args.size() == 3 && args[0] == u"--ts";
    if (args.size() != 1 && !language && !catalogue) {
        std::fprintf(stderr, "usage: tarvenia-gen-help [--lang CODE TRANSLATIONS | --ts FILE] "
                             "DATADIR\n");
        return 2;
    }
    const QString& dir = args.back();
    TBaseTypeList types;
    LoadBaseTypes(types, dir);
    if (types.empty()) {
        std::fprintf(stderr, "no building types in %s/BASES.INI\n", qPrintable(dir));
        return 1;
    }
    if (catalogue)
        return UpdateCatalogue(args[1], dir, types);
    TTranslations translations;
    QString page = HelpPage;
    if (language) {
        translations.Install(language->Language, args[2]);
        // Without a catalogue its texts would come out in Russian on the
        // other language's page.
        for (const QString& name : CatalogueNames(*language))
            if (!translations.Installed().contains(name)) {
                std::fprintf(stderr, "no %s.qm in %s\n", qPrintable(name), qPrintable(args[2]));
                return 1;
            }
        TranslateDataTexts(DataTexts(types));
        page = QLatin1String(language->HelpPage);
    }
    const QString path = dir + QLatin1Char('/') + page;
    QFile file(path);
    const QByteArray html = Page(types).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(html) != html.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
