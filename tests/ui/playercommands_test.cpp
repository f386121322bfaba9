#include "uitesting.h"

#include "map/placebox.h"
#include "model/playercommands.h"
#include "ui/smallcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// A command is one row: a row that lacks its button, a key, its hint, its
// line in the help or its simulator word, or shares one with another row,
// fails here. A command that changes nothing has no undo step to name.
TEST(PlayerCommands, EachRowHasItsOwnButtonKeysHintHelpAndWord) {
    TGameWindow w;
    QSet<QString> taken;
    const auto own = [&taken](const char* what, const QString& value) {
        EXPECT_FALSE(value.isEmpty()) << what;
        EXPECT_FALSE(taken.contains(what + value)) << what << ' ' << value.toStdString();
        taken.insert(what + value);
    };
    QList<QRect> places;
    for (const TPlayerCommand& command : PlayerCommands()) {
        SCOPED_TRACE(command.Hint ? command.Hint : "?");
        own("name", QString::fromLatin1(command.Name));
        own("key", command.Letter ? QString(QChar(command.Letter)) : QString());
        if (command.OtherLetter)
            own("key", QString(QChar(command.OtherLetter)));
        own("hint", command.Caption());
        own("help", QString::fromUtf8(command.Description));
        own("verb", QString::fromLatin1(command.Verb));
        if (command.UndoName)
            own("undo", QString::fromUtf8(command.UndoName));
        EXPECT_NE(command.Run, nullptr);

        const QList<TvtPic*> buttons = w.Form.findChildren<TvtPic*>(command.Name);
        ASSERT_EQ(buttons.size(), 1);
        QTextDocument shown;
        shown.setHtml(ShownHint(*buttons[0]));
        EXPECT_EQ(shown.toPlainText(), command.HintText());
        EXPECT_TRUE(w.Images.imlTools.Contains(command.Picture));
        const QRect place = buttons[0]->geometry();
        EXPECT_TRUE(w.Form.pnClient->rect().contains(place));
        for (const QRect& other : places)
            EXPECT_FALSE(other.intersects(place));
        places << place;
    }
}

} // namespace

// Play on goes to the limit chosen in its dialog, or stops at the player's
// first key, which does nothing else; either way the status line says why
// and the run is one step of undo.
TEST(PlayOn, GoesToItsLimitOrStopsAtAKeyThatDoesNothingElse) {
    TGameWindow w;
    TMainForm& f = w.Form;
    const auto choose = [&f](const char* limit, int pace) {
        TDialogAnswerer answerer([limit, pace](QDialog& d) {
            d.findChild<QRadioButton*>(QStringLiteral("rbLimit_") + limit)->setChecked(true);
            auto* paces = d.findChild<QComboBox*>("cbPace");
            paces->setCurrentIndex(paces->findData(pace));
            d.findChild<TvtButton*>("btOk")->Click();
        });
        f.miPlayOnClick();
    };
    choose("month", 0);
    EXPECT_EQ(f.Colony().Game().Date, DaysAfter(TGameDate{}, 30));
    EXPECT_EQ(f.lbStatus->text(), "Прошло 30 дней. Предел игры достигнут.");
    EXPECT_EQ(f.Colony().UndoSteps().NextUndo(), "30 дней");
    EXPECT_EQ(TSettings::Load().RunLimit, TRunLimit::Month);

    // Two days a second: the key comes while the run waits for its second
    // day. A new day would have passed, had the key gone on to the map.
    const TGameDate before = f.Colony().Game().Date;
    QTimer::singleShot(200, [&f] { QTest::keyClick(f.pb1, Qt::Key_N); });
    choose("year", 2);
    EXPECT_EQ(f.Colony().Game().Date, DaysAfter(before, 1));
    EXPECT_EQ(f.lbStatus->text(), "Прошёл 1 день. Вы остановили игру.");
    EXPECT_EQ(f.findChild<TvtPic*>("pcPlayOn")->ImageIndex(),
              PlayerCommands()[TPlayerCommand::pcPlayOn].Picture);
    f.miUndoClick();
    EXPECT_EQ(f.Colony().Game().Date, before);
    TSettings{}.Save();
}

// The limits count the days to the date the colony shows when it stops.
TEST(PlayOn, LimitsCountTheirDays) {
    const TGameDate founding;
    EXPECT_EQ(DaysOfLimit(TRunLimit::Tax, founding, {}), 365);
    EXPECT_EQ(DaysOfLimit(TRunLimit::Tax, TGameDate{1891, 3, 1}, {}), 366);
    EXPECT_EQ(DaysOfLimit(TRunLimit::Year, TGameDate{1892, 2, 29}, {}), 366);
    EXPECT_EQ(DaysOfLimit(TRunLimit::Date, founding, TGameDate{1890, 3, 31}), 30);
    EXPECT_EQ(DaysOfLimit(TRunLimit::Date, founding, founding), std::nullopt);
}

// The orders' dialog sets every good's order as one step of undo; a floor
// raised above the ceiling takes the ceiling with it.
TEST(OrdersForm, SetsTheOrdersAsOneStep) {
    TGameWindow w;
    TMainForm& f = w.Form;
    TDialogAnswerer answerer([](QDialog& d) {
        for (const char* good : {"1", "7"})
            d.findChild<QCheckBox*>(QStringLiteral("cbOrder_") + good)->setChecked(true);
        d.findChild<QSpinBox*>("edCeiling_1")->setValue(200);
        d.findChild<QSpinBox*>("edFloor_1")->setValue(100);
        d.findChild<QSpinBox*>("edFloor_7")->setValue(30);
        d.findChild<TvtButton*>("btOk")->Click();
    });
    f.miOrdersClick();
    const TStandingOrders& orders = f.Colony().Game().Orders;
    EXPECT_EQ(orders[1], (TStandingOrder{100, 200}));
    EXPECT_EQ(orders[7], (TStandingOrder{30, 30}));
    EXPECT_EQ(std::ranges::count_if(orders, [](const auto& o) { return o.has_value(); }), 2);
    EXPECT_EQ(f.Colony().UndoSteps().UndoCount(), 1U);
}

// The market's own button leaves the market as its cancel does and opens
// the orders once the market's command is over.
TEST(OrdersForm, OpensFromTheMarket) {
    TGameWindow w;
    TMainForm& f = w.Form;
    QStringList opened;
    TDialogAnswerer answerer([&opened](QDialog& d) {
        if (auto* orders = d.findChild<TvtButton*>("btOrders")) {
            opened << "market";
            orders->Click();
        } else {
            opened << (d.findChild<QCheckBox*>("cbOrder_0") ? "orders" : d.windowTitle());
            PressEscape(d);
        }
    });
    f.Colony().Market(true);
    EXPECT_EQ(f.Colony().UndoSteps().UndoCount(), 0U);
    EXPECT_TRUE(QTest::qWaitFor([&opened] { return opened.size() == 2; }, 5000));
    EXPECT_EQ(opened, QStringList({"market", "orders"}));
}
