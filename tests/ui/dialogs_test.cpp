#include "uitesting.h"

#include "model/game.h"
#include "model/market.h"
#include "model/playercommands.h"
#include "model/taxes.h"
#include "ui/helloform.h"
#include "ui/infoform.h"
#include "ui/marketform.h"
#include "ui/nalogform.h"
#include "ui/seasonform.h"
#include "ui/settings.h"
#include "ui/smallcontrols.h"
#include "ui/statuswidgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <span>
#include <type_traits>
#include <variant>

namespace {

QString LabelText(QWidget& dialog, const char* name) {
    auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<none>");
}

TEST(HelloForm, EnterStartsEscapeLeavesAndLoadingNeedsASaveAndTakesTheLatest) {
    TGameWindow w;
    TMainForm& f = w.Form;
    const auto loadVisible = [](QDialog& d) {
        return d.findChild<QLabel*>("lb2")->isVisibleTo(&d);
    };
    {
        TDialogAnswerer answerer([&](QDialog& d) {
            EXPECT_FALSE(loadVisible(d)); // the save folder is empty
            PressEnter(d);
        });
        EXPECT_TRUE(f.ShowHello());
    }
    EXPECT_EQ(w.Heard.last(), "Button");

    const QDir folder(w.SaveDir.path());
    f.Colony().Game().Money = 111;
    ASSERT_TRUE(f.Session().SaveTo(folder.filePath("Older.dat")));
    f.Colony().Game().Money = 222;
    ASSERT_TRUE(f.Session().SaveTo(folder.filePath("Newer.dat")));
    QFile older(folder.filePath("Older.dat"));
    older.open(QIODevice::ReadWrite);
    older.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
    f.Colony().Game().Money = 5;
    {
        TDialogAnswerer answerer([&](QDialog& d) {
            EXPECT_TRUE(loadVisible(d));
            EXPECT_EQ(LabelText(d, "lbSave"), QString::fromUtf8("Newer.dat\n1 марта 1890"));
            PressEscape(d);
        });
        EXPECT_FALSE(f.ShowHello());
    }
    {
        TDialogAnswerer answerer([](QDialog& d) { d.findChild<TvtGyperLabel*>("lb2")->OnClick(); });
        EXPECT_TRUE(f.ShowHello());
    }
    EXPECT_EQ(f.Colony().Game().Money, 222);
    EXPECT_EQ(f.Session().CurrentFile(), folder.filePath("Newer.dat"));
}

// The start screen shows the ways in: the tutorial while it is there and not
// won, which begins it, and the scenarios; the save it offers is never one
// of a scenario already lost.
TEST(HelloForm, OffersTheTutorialAndTheScenariosAndNoSaveOfALostScenario) {
    TGameWindow w;
    TMainForm& f = w.Form;
    const QDir folder(w.SaveDir.path());
    const auto visible = [](QDialog& d, const char* name) {
        return d.findChild<QLabel*>(QString::fromLatin1(name))->isVisibleTo(&d);
    };
    {
        TDialogAnswerer answerer([&](QDialog& d) {
            EXPECT_FALSE(visible(d, "lbTutorial")); // no tutorial in these folders
            EXPECT_TRUE(visible(d, "lbScenario"));
            PressEnter(d);
        });
        EXPECT_TRUE(f.ShowHello());
    }
    ASSERT_TRUE(f.Session().SaveTo(folder.filePath("Played.dat")));
    // A tutorial whose failure comes on its first day.
    ASSERT_TRUE(folder.mkpath(QStringLiteral("SCENARIOS")));
    QFile file(folder.filePath(QStringLiteral("SCENARIOS/tutorial.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Scenario]\nTitle=Обучение\n[Goal1]\nText=Год\nFigure=money\nValue=999999999\n"
               "[Failure1]\nText=Сразу\nFigure=people\nIs=>=\nValue=0\n");
    file.close();
    {
        TDialogAnswerer answerer([&](QDialog& d) {
            EXPECT_TRUE(visible(d, "lbTutorial"));
            d.findChild<TvtGyperLabel*>("lbTutorial")->OnClick();
        });
        EXPECT_TRUE(f.ShowHello());
    }
    ASSERT_NE(f.Colony().Scenario(), nullptr);
    EXPECT_EQ(f.Colony().Scenario()->Name, TutorialName);
    {
        TDialogAnswerer answerer([](QDialog& d) { PressEnter(d); });
        f.Colony().NewDay();
    }
    ASSERT_EQ(f.Colony().ScenarioState(), TScenarioState::Lost);
    ASSERT_TRUE(f.Session().SaveTo(folder.filePath("Lost.dat")));
    QFile played(folder.filePath("Played.dat"));
    played.open(QIODevice::ReadWrite);
    played.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                       QFileDevice::FileModificationTime);
    EXPECT_EQ(f.Session().LatestPlayable(folder.path()), folder.filePath("Played.dat"));
    {
        TDialogAnswerer answerer([&](QDialog& d) {
            EXPECT_TRUE(LabelText(d, "lbSave").startsWith(QStringLiteral("Played.dat")));
            PressEscape(d);
        });
        EXPECT_FALSE(f.ShowHello());
    }
}

// After a crash the start tells of it once, names the two files for a
// report and loads the colony as it was; the start screen never offers the
// crash save.
TEST(HelloForm, TellsOfACrashOnceAndLoadsTheColonyAsItWas) {
    TGameWindow w;
    TMainForm& f = w.Form;
    const QDir folder(w.SaveDir.path());
    f.Colony().Game().Money = 4321;
    WriteSaveFile(folder.filePath("Crash.dat"),
                  SavedGameOf(f.Colony(), f.Earth().SavedLand(), {}, true));
    QFile log(folder.filePath("Crash.log"));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write("cause: signal SIGSEGV\n");
    log.close();
    f.Colony().Game().Money = 5;
    {
        TDialogAnswerer answerer([&](QDialog& d) {
            EXPECT_EQ(LabelText(d, "qt_msgbox_label").section('\n', -2),
                      folder.filePath("Crash.dat") + '\n' + folder.filePath("Crash.log"));
            PressEnter(d);
        });
        EXPECT_TRUE(f.ShowHello());
    }
    EXPECT_EQ(f.Colony().Game().Money, 4321);
    EXPECT_EQ(f.Session().CurrentFile(), QString());
    {
        TDialogAnswerer answerer([&](QDialog& d) {
            EXPECT_FALSE(d.findChild<QLabel*>("lb2")->isVisibleTo(&d));
            PressEscape(d);
        });
        EXPECT_FALSE(f.ShowHello());
    }
}

TEST(SettingsForm, ChosenSettingsActAndAreKeptAcrossRestartsAndCancelKeepsThem) {
    {
        TGameWindow w;
        TMainForm& f = w.Form;
        EXPECT_EQ(f.Settings(), TSettings());
        TDialogAnswerer answerer([](QDialog& d) {
            d.findChild<QCheckBox*>("cbMusic")->setChecked(false);
            EXPECT_EQ(LabelText(d, "tbSoundValue"), "100 %");
            d.findChild<QSlider*>("tbSound")->setValue(30);
            EXPECT_EQ(LabelText(d, "tbSoundValue"), "30 %");
            d.findChild<QCheckBox*>("cbAutosave")->setChecked(false);
            QComboBox* language = d.findChild<QComboBox*>("cbLanguage");
            language->setCurrentIndex(language->findText("English"));
            d.findChild<TvtButton*>("btOk")->Click();
        });
        f.miParametersClick();
        EXPECT_FALSE(f.miMusic->isChecked());
        f.miSound->trigger(); // the menu's switch is the same setting
        // The turn that begins April writes no autosave now.
        f.Colony().Game().Date = {1890, 3, 31};
        f.Colony().NewDay();
        EXPECT_TRUE(QDir(w.SaveDir.path()).entryList({"Autosave*"}).isEmpty());
    }
    TGameWindow restarted;
    TMainForm& f = restarted.Form;
    EXPECT_FALSE(f.miMusic->isChecked());
    EXPECT_FALSE(f.miSound->isChecked());
    EXPECT_EQ(f.Settings().SoundVolume, 30);
    EXPECT_FALSE(f.Settings().Autosave);
    EXPECT_EQ(f.Settings().Language, TLanguage::English);
    const TSettings kept = f.Settings();
    TDialogAnswerer answerer([](QDialog& d) {
        d.findChild<QCheckBox*>("cbFullScreen")->setChecked(true);
        PressEscape(d);
    });
    f.miParametersClick();
    EXPECT_EQ(f.Settings(), kept);
    TSettings{}.Save(); // the next tests start from the defaults
}

TEST(Settings, ADamagedFileKeepsTheDefaultsOfWhatItSpoils) {
    const QString path =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "tarvenia", "tarvenia").fileName();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "\xff\xfe garbage\n[sound]\non=false\nvolume=500\n[music]\nvolume=loud\n"
        "[window]\nfullScreen=maybe\nsize=0,600\nat=10\n[playon]\nlimit=week\nuntil=31.2.1900\n"
        "[advice]\nstop=\"goods, rain,health\"\n[game\nautosave=0\n");
    file.close();
    TSettings expected;
    expected.Sound = false;
    expected.SoundVolume = TSettings::MaxVolume;
    expected.AdviceStops.Set(TAdviceKind::Goods, true);
    expected.AdviceStops.Set(TAdviceKind::Health, true);
    EXPECT_EQ(TSettings::Load(), expected);
    TSettings{}.Save();
}

// How many fields an aggregate has: as many values as its braces take.
struct TAnyValue {
    template <class T> operator T() const;
};
template <class T, class... Values> constexpr size_t FieldCount(Values... values) {
    if constexpr (requires { T{values..., TAnyValue()}; })
        return FieldCount<T>(values..., TAnyValue());
    else
        return sizeof...(Values);
}

// Each field of the settings has a row of its own, under a key of its own,
// and keeps a value other than its default across restarts.
TEST(Settings, EveryFieldIsKeptUnderItsOwnKey) {
    const std::span<const TStoredSetting> rows = StoredSettings();
    EXPECT_EQ(rows.size(), FieldCount<TSettings>());
    TSettings changed;
    for (size_t i = 0; i < rows.size(); ++i) {
        for (size_t j = i + 1; j < rows.size(); ++j) {
            EXPECT_NE(rows[i].Field, rows[j].Field) << rows[j].Key;
            EXPECT_STRNE(rows[i].Key, rows[j].Key);
        }
        std::visit(
            [&](auto field) {
                auto& value = changed.*field;
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, bool>)
                    value = !value;
                else if constexpr (std::is_same_v<std::decay_t<decltype(value)>, TLanguage>)
                    value = TLanguage::English;
                else if constexpr (std::is_same_v<std::decay_t<decltype(value)>, TRunLimit>)
                    value = TRunLimit::Date;
                else if constexpr (std::is_same_v<std::decay_t<decltype(value)>,
                                                  std::optional<TGameDate>>)
                    value = TGameDate{1907, 2, 28};
                else if constexpr (std::is_same_v<std::decay_t<decltype(value)>,
                                                  std::optional<QPoint>>)
                    value = QPoint(-40 - static_cast<int>(i), 1200);
                else if constexpr (std::is_same_v<std::decay_t<decltype(value)>,
                                                  std::optional<QSize>>)
                    value = QSize(1900, 1000 + static_cast<int>(i));
                else if constexpr (std::is_same_v<std::decay_t<decltype(value)>, TQuietMessages>) {
                    value.Set(TMessageKind::Births, true);
                    value.Set(TMessageKind::Season, true);
                } else if constexpr (std::is_same_v<std::decay_t<decltype(value)>, TAdviceStops>) {
                    value.Set(TAdviceKind::Money, true);
                    value.Set(TAdviceKind::Health, true);
                } else if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QString>)
                    value = QStringLiteral("2026-12-10T00:30:00.000Z");
                else
                    value = value == rows[i].Min ? rows[i].Max : rows[i].Min;
            },
            rows[i].Field);
    }
    ASSERT_TRUE(changed.Save());
    EXPECT_EQ(TSettings::Load(), changed);
    TSettings{}.Save();
}

// Quiet kinds show no window: the day's quiet messages are one line of the
// status line, over the cell's info, and the journal keeps each.
TEST(SettingsForm, QuietMessagesMakeTheDaysLineAndNoWindow) {
    TSettings placed;
    placed.JournalAt = QPoint(5, 6);
    ASSERT_TRUE(placed.Save());
    TGameWindow w;
    TMainForm& f = w.Form;
    QStringList windows;
    TDialogAnswerer answerer([&windows](QDialog& d) {
        if (auto* departures = d.findChild<QCheckBox*>("cbQuiet_departures")) {
            departures->setChecked(true);
            d.findChild<QCheckBox*>("cbQuiet_housing")->setChecked(true);
            d.findChild<TvtButton*>("btOk")->Click();
        } else {
            windows << d.windowTitle();
            PressEscape(d);
        }
    });
    f.miParametersClick();
    EXPECT_TRUE(TSettings::Load().QuietMessages[TMessageKind::Housing]);
    EXPECT_EQ(TSettings::Load().JournalAt, QPoint(5, 6)) << "what the dialog does not show stays";
    const size_t kept = f.Colony().Journal().Entries().size();
    f.Colony().Game().Random.Seed(1);
    f.Colony().Game().People = 100;
    f.Colony().NewDay();
    EXPECT_TRUE(windows.isEmpty()) << windows.join(", ").toStdString();
    EXPECT_EQ(f.lbStatus->text(),
              QString::fromUtf8("Ушло: 60 человек.  ·  Люди уходят, потому что им недостаточно "
                                "мест в домах."));
    EXPECT_EQ(f.Colony().Journal().Entries().size(), kept + 2);
    const QString line = f.lbStatus->text();
    f.Colony().NewDay();
    EXPECT_EQ(f.lbStatus->text(), line) << "kept while the days pass";
    f.Colony().MouseDown(true, 0, 0);
    f.Colony().MouseUp();
    EXPECT_EQ(f.lbStatus->text(), QString::fromUtf8("Море")) << "until the player acts";
    TSettings{}.Save();
}

// Each language is offered in its own words and kept across restarts.
TEST(Settings, EveryLanguageIsOfferedAndKept) {
    TGameWindow w;
    TDialogAnswerer answerer([](QDialog& d) {
        const QComboBox* box = d.findChild<QComboBox*>("cbLanguage");
        EXPECT_EQ(box->count(), static_cast<int>(Languages().size()) + 1);
        for (const TLanguageRow& row : Languages()) {
            const int item = box->findData(static_cast<int>(row.Language));
            ASSERT_GE(item, 0) << row.Code;
            EXPECT_EQ(box->itemText(item), QString::fromUtf8(row.NativeName));
        }
        PressEscape(d);
    });
    w.Form.miParametersClick();
    for (const TLanguageRow& row : Languages()) {
        TSettings chosen;
        chosen.Language = row.Language;
        ASSERT_TRUE(chosen.Save());
        EXPECT_EQ(TSettings::Load().Language, row.Language) << row.Code;
    }
    TSettings{}.Save();
}

TEST(HelloForm, GreetsOnceAfterItOpens) {
    TGameWindow w;
    THelloForm hello(nullptr, w.Form);
    TDialogAnswerer answerer([&w](QDialog& d) {
        if (w.Heard.contains("Hello"))
            PressEnter(d);
    });
    hello.ShowHello();
    EXPECT_EQ(w.Heard, QStringList({"Hello", "Button"}));
}

TEST(SmallDialogs, MessageAndSeasonPlayTheirSoundsAndCloseOnEnterOrEscape) {
    TGameWindow w;
    {
        TInfoForm info(&w.Form, w.Form, TSound::Destroy, QString::fromUtf8("<b>Текст</b> %1"));
        TDialogAnswerer answerer([](QDialog& d) { PressEscape(d); });
        info.ShowModal();
        EXPECT_EQ(info.result(), QDialog::Accepted); // its one button is both default and cancel
        EXPECT_EQ(LabelText(info, "lb1"), QString::fromUtf8("<b>Текст</b> %1"));
        EXPECT_EQ(info.findChild<QLabel*>("lb1")->textFormat(), Qt::PlainText);
        EXPECT_EQ(info.windowTitle(), QString::fromUtf8("Сообщение"));
    }
    EXPECT_EQ(w.Heard, QStringList({"Destroy", "Button"}));
    w.Heard.clear();
    {
        TSeasonForm season(&w.Form, w.Form, w.Images, ssWinter);
        TDialogAnswerer answerer([](QDialog& d) { PressEnter(d); });
        season.ShowModal();
        EXPECT_EQ(season.result(), QDialog::Accepted);
        EXPECT_EQ(season.windowTitle(), QString::fromUtf8("Зима"));
        EXPECT_EQ(LabelText(season, "lb1"), QString::fromUtf8("Пришла Зима"));
        EXPECT_EQ(season.findChild<TvtPic*>("pc1")->ImageIndex(), ssWinter);
    }
    EXPECT_EQ(w.Heard, QStringList({"Season", "Button"}));
}

TEST(NalogForm, ShowsTheLinesOfTwentyFarmsAndTheirTurnover) {
    TGameWindow w;
    TGame& game = w.Form.Colony().Game();
    const TBaseType& farm = w.Form.Colony().Catalogue()[1];
    for (int i = 0; i < 20; ++i)
        game.AddBase(farm, 110 + i, 110, true);
    game.Purchases = 3908711;
    game.Sales = 1000000;
    TTaxDialog taxes = TTaxDialog::Yearly(w.Form.Colony());
    TNalogForm form(&w.Form, w.Form, taxes);
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Налоги"));
    EXPECT_EQ(LabelText(form, "lbEarth"), QString::fromUtf8("21 * 420 = 8 820"));
    EXPECT_EQ(LabelText(form, "lbBuy"), QString::fromUtf8("1% от 3 908 711 = 39 087"));
    EXPECT_EQ(LabelText(form, "lbSale"), QString::fromUtf8("2% от 1 000 000 = 20 000"));
    EXPECT_EQ(LabelText(form, "lbEcology"), "509");
    EXPECT_EQ(LabelText(form, "lbSocial"), QString::fromUtf8("1 220"));
    EXPECT_EQ(LabelText(form, "lbRes"), QString::fromUtf8("2 957"));
    EXPECT_EQ(LabelText(form, "lbItog"), QString::fromUtf8("72 593"));
}

TEST(NalogForm, YesWithoutTheMoneyKeepsTheDialogOpenAndUnpaid) {
    TGameWindow w;
    TGame& game = w.Form.Colony().Game();
    game.Money = 100;
    TTaxDialog taxes = TTaxDialog::Yearly(w.Form.Colony());
    TNalogForm form(&w.Form, w.Form, taxes);
    int presses = 0;
    {
        TDialogAnswerer answerer([&presses](QDialog& d) {
            // Enter twice ("Да" cannot pay), then Escape ("Нет").
            if (++presses <= 2)
                PressEnter(d);
            else
                PressEscape(d);
        });
        form.ShowModal();
    }
    EXPECT_EQ(presses, 3);
    EXPECT_FALSE(taxes.Paid());
    EXPECT_EQ(game.Money, 100);
    EXPECT_EQ(w.Heard, QStringList({"Nalog", "Error", "Error"}));
    EXPECT_EQ(w.Form.lbStatus->text(), QString::fromUtf8("Недостаточно денег"));

    TTaxDialog again = TTaxDialog::Yearly(w.Form.Colony());
    game.Money = static_cast<int32_t>(again.Amount()) + 5;
    TNalogForm paying(&w.Form, w.Form, again);
    TDialogAnswerer payer([](QDialog& d) { PressEnter(d); });
    paying.ShowModal();
    EXPECT_TRUE(again.Paid());
    EXPECT_EQ(paying.result(), QDialog::Accepted);
    EXPECT_EQ(game.Money, 5);
}

TEST(MarketForm, CaptionAndSumsFollowTheFields) {
    TGameWindow w;
    TMarketDialog market(w.Form.Colony(), false);
    TMarketForm form(&w.Form, market, w.Images);
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Купить - 0"));
    EXPECT_FALSE(form.AllButton()->isVisibleTo(&form));
    EXPECT_EQ(form.OkButton()->Caption(), QString::fromUtf8("Купить"));

    QTest::keyClicks(form.Field(gdFood), "10");
    EXPECT_EQ(form.SumLabel(gdFood)->text(), "20");
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Купить - 20"));
    QTest::keyClicks(form.Field(gdGold), "1000");
    EXPECT_EQ(form.SumLabel(gdGold)->text(), QString::fromUtf8("1 000 000"));
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Купить - 1 000 020"));
    QTest::keyClicks(form.Field(gdCoal), "x");
    EXPECT_EQ(form.SumLabel(gdCoal)->text(), "?");
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Купить"));
    QTest::keyClick(form.Field(gdCoal), Qt::Key_Backspace);
    QTest::keyClicks(form.Field(gdCoal), "0000120"); // six characters at most
    EXPECT_EQ(form.Field(gdCoal)->text(), "000012");
    EXPECT_EQ(form.SumLabel(gdCoal)->text(), "384");

    // In a purchase the letter a fills every field with "-", which is not
    // valid there; its key does the same with a Russian layout active.
    QKeyEvent russianA(QEvent::KeyPress, 0x0444, Qt::NoModifier, QString::fromUtf8("ф"));
    QApplication::sendEvent(form.Field(gdWood), &russianA);
    EXPECT_EQ(form.Field(gdOil)->text(), "-");
    EXPECT_EQ(form.SumLabel(gdOil)->text(), "?");
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Купить"));
}

TEST(MarketForm, ASaleOfEverythingCompletesOnEnter) {
    TGameWindow w;
    TGame& game = w.Form.Colony().Game();
    game.Stock[gdFood] = 10;
    game.Stock[gdCoal] = 3;
    TMarketDialog market(w.Form.Colony(), true);
    TMarketForm form(&w.Form, market, w.Images);
    EXPECT_TRUE(form.AllButton()->isVisibleTo(&form));
    form.AllButton()->Click();
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Продать - 100"));
    TDialogAnswerer answerer([&form](QDialog&) { PressEnter(*form.Field(gdGold)); });
    form.exec();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(game.Money, 82100);
    EXPECT_EQ(game.Sales, 100);
    EXPECT_EQ(game.Stock[gdFood], 0);
    EXPECT_EQ(w.Form.lbMoney->text(), QString::fromUtf8("82 100"));
    EXPECT_EQ(w.Heard, QStringList({"Button", "Button"}));
}

} // namespace

TEST(Settings, AFileThatCannotBeWrittenIsToldOnceAndTheGameGoesOn) {
    TGameWindow w;
    TMainForm& f = w.Form;
    const QString config = QFileInfo(TSettings::FileName()).absolutePath();
    // A file where the configuration's folder should be: nothing can be
    // made under it.
    QFile blocker(QDir(w.SaveDir.path()).filePath("config"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker.fileName());
    EXPECT_FALSE(TSettings{}.Save());
    f.miSound->trigger();
    EXPECT_TRUE(f.lbStatus->text().startsWith(QString::fromUtf8("Настройки не сохранятся")))
        << f.lbStatus->text().toStdString();
    f.ShowStatus("x");
    f.miSound->trigger();
    EXPECT_EQ(f.lbStatus->text(), "x") << "told once";
    EXPECT_TRUE(f.miSound->isChecked()) << "the switch still works";
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QFileInfo(config).absolutePath());
    EXPECT_EQ(QFileInfo(TSettings::FileName()).absolutePath(), config);
}

namespace {

// A free cell of the land where a building of the type may stand, beside a
// building, the nearest to the cell given first; one improved when asked.
QPoint FreeCellNear(const TColony& colony, QPoint from, const TBaseType* type, bool improved) {
    const TGame& game = colony.Game();
    for (int ring = 1; ring < 12; ++ring)
        for (int col = from.x() - ring; col <= from.x() + ring; ++col)
            for (int row = from.y() - ring; row <= from.y() + ring; ++row) {
                if (game.BaseAt(col, row) || (game.Cell(col, row).Improved != 0) != improved)
                    continue;
                const int earth = colony.Terrain().EarthKind(col, row);
                if (type ? !type->AcceptsEarth(earth) : earth != ekLand)
                    continue;
                if (game.BaseAt(col - 1, row) || game.BaseAt(col + 1, row) ||
                    game.BaseAt(col, row - 1) || game.BaseAt(col, row + 1))
                    return {col, row};
            }
    return {-1, -1};
}

} // namespace

// The shipped tutorial played step by step, each step done as its own text
// says, from the first click to the yearly tax: the colony it leaves works
// (its farms never ran dry of water, its surplus sold by the order), and the
// tutorial is won.
TEST(Tutorial, PlaysToAWorkingColonyByItsOwnSteps) {
    TSettings fast;
    fast.RunPace = 0;
    ASSERT_TRUE(fast.Save());
    TGameWindow w(QStringLiteral(TARVENIA_GAME_DATA));
    TMainForm& f = w.Form;
    {
        TDialogAnswerer answerer(
            [](QDialog& d) { d.findChild<TvtGyperLabel*>("lbTutorial")->OnClick(); });
        ASSERT_TRUE(f.ShowHello());
    }
    TColony& colony = f.Colony();
    ASSERT_EQ(colony.Scenario()->Name, TutorialName);
    // 200 food sold, at most 500 food by order, the tax paid, a message read.
    TDialogAnswerer answerer([](QDialog& d) {
        if (auto* food = d.findChild<QLineEdit*>("ed01")) {
            food->setText("200");
            d.findChild<TvtButton*>("btOK")->Click();
        } else if (auto* order = d.findChild<QCheckBox*>("cbOrder_1")) {
            order->setChecked(true);
            d.findChild<QSpinBox*>("edCeiling_1")->setValue(500);
            d.findChild<TvtButton*>("btOk")->Click();
        } else if (auto* yes = d.findChild<TvtButton*>("bt1")) {
            yes->Click();
        } else {
            PressEnter(d);
        }
    });
    const QPoint founding(colony.SelectedColumn(), colony.SelectedRow());
    const auto select = [&colony](QPoint cell) { colony.SelectCell(cell.x(), cell.y()); };
    for (int done = 0; const TTutorialStep* step = colony.TutorialStep(); ++done) {
        ASSERT_LT(done, 100) << step->Text.toStdString();
        const uint32_t index = colony.TutorialIndex();
        switch (step->Action) {
        case TTutorialStep::TAction::Select: {
            // The building the text names, or a free cell beside the colony.
            QPoint cell = FreeCellNear(colony, founding, nullptr, false);
            for (const auto& base : colony.Game().Buildings())
                if (step->Text.contains(base->Kind->Caption, Qt::CaseInsensitive))
                    cell = QPoint(base->Column, base->Row);
            select(cell);
            break;
        }
        case TTutorialStep::TAction::Build: {
            const TBaseType& type = *std::ranges::find_if(colony.Catalogue(), [&](const auto& t) {
                return t.Id.compare(step->Type, Qt::CaseInsensitive) == 0;
            });
            const bool improved = step->Text.contains(QStringLiteral("улучшенн"));
            select(FreeCellNear(colony, founding, &type, improved));
            colony.Build(type);
            break;
        }
        case TTutorialStep::TAction::Command:
            if (step->Command == TPlayerCommand::pcGoodEarth)
                select(FreeCellNear(colony, founding, nullptr, false));
            PlayerCommands()[step->Command].Run(colony);
            break;
        case TTutorialStep::TAction::Orders:
            f.miOrdersClick();
            break;
        case TTutorialStep::TAction::PayTax:
            // Played on until the tax, each run stopped by a message or the tax.
            colony.PlayOnCommand();
            continue;
        }
        ASSERT_EQ(colony.TutorialIndex(), index + 1) << step->Text.toStdString();
    }
    EXPECT_EQ(colony.ScenarioState(), TScenarioState::Won);
    const std::span<const THistoryDay> days = colony.History().Days();
    EXPECT_GT(days.size(), 360U);
    EXPECT_TRUE(
        std::ranges::all_of(days, [](const THistoryDay& d) { return d.Stock[gdWater] > 0; }));
    EXPECT_TRUE(std::ranges::none_of(
        colony.Advice(), [](const TAdvice& a) { return a.Kind == TAdviceKind::Goods; }));
    EXPECT_GT(days.back().Sold, 5000) << "the order sold the farms' surplus";
    EXPECT_EQ(colony.Game().Orders[gdFood], (TStandingOrder{0, 500}));
    TSettings{}.Save();
}
