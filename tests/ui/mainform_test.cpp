#include "uitesting.h"

#include "map/overlaylegend.h"
#include "map/placebox.h"
#include "model/describe.h"
#include "model/game.h"
#include "model/savefile.h"
#include "ui/hintstyle.h"
#include "ui/journalform.h"
#include "ui/menus.h"
#include "ui/replayform.h"
#include "ui/sidewindow.h"
#include "ui/smallcontrols.h"
#include "ui/statuswidgets.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QSlider>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

// Every control of a panel is shown inside it and clear of the others, and so on within.
void ExpectControlsApartAndInside(const QWidget& panel) {
    const QList<QWidget*> controls = panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect at = controls[i]->geometry();
        SCOPED_TRACE(testing::Message() << "the control at " << at.x() << "," << at.y());
        EXPECT_TRUE(controls[i]->isVisibleTo(&panel) && panel.rect().contains(at));
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(at.intersects(controls[j]->geometry()));
        ExpectControlsApartAndInside(*controls[i]);
    }
}

// A new game, at the start or later, begins as the first; the switches stay.
TEST(MainForm, StartsANewGameAndLaterOneKeepingTheSwitches) {
    TGameWindow w;
    TMainForm& f = w.Form;
    const auto expectTheStart = [&f] {
        EXPECT_EQ(f.lbDate->text(), QString::fromUtf8("1 марта 1890"));
        EXPECT_EQ(f.lbMoney->text(), QString::fromUtf8("82 000"));
        EXPECT_EQ(f.lbPeople->text(), "28");
        EXPECT_EQ(f.lbFreePeople->text(), "28");
        EXPECT_EQ(f.lbStatus->text(), QString::fromUtf8("Поселение, прослужит 21840"));
        EXPECT_EQ(f.Colony().SelectedColumn(), 105);
        EXPECT_EQ(f.pb1->Screen(), QPoint(2500, 2500));
    };
    expectTheStart();
    EXPECT_FALSE(f.miFullScreen->isChecked());
    f.miSound->trigger(); // off
    f.Colony().SelectCell(10, 10);
    f.pb1->SetScreen(0, 0);
    f.Colony().Game().Money = 5;
    f.miNewClick();
    EXPECT_FALSE(f.miSound->isChecked());
    expectTheStart();
    TSettings{}.Save(); // the next tests start from the defaults
}

// One-pixel lines frame the client panel: gray at the top and left, white at
// the bottom and right, the top-right and bottom-left corners taken by the
// right and left lines.
TEST(MainForm, TheFrameIsGrayAboveAndLeftAndWhiteBelowAndRight) {
    TGameWindow w;
    QWidget* central = w.Form.centralWidget();
    const QImage shot = central->grab().toImage();
    const int r = central->width() - 1;
    const int b = central->height() - 1;
    const struct {
        QPoint at;
        QColor colour;
    } cases[] = {
        {{0, 0}, Qt::gray},          {{300, 0}, Qt::gray},  {{r, 0}, Qt::white},
        {{r, 200}, Qt::white},       {{r, b}, Qt::white},   {{300, b}, Qt::white},
        {{0, b}, Qt::gray},          {{0, 200}, Qt::gray},  {{1, 1}, Qt::black},
        {{r - 1, b - 1}, Qt::black}, {{4, 200}, Qt::black},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shot.pixelColor(c.at), c.colour) << c.at.x() << "," << c.at.y();
}

TEST(MainForm, StatusPanelGroupsMoneyAndGoodsButNotPeople) {
    TGameWindow w;
    TGame& game = w.Form.Colony().Game();
    game.Money = 9888555;
    game.Stock[gdCoal] = 1234567;
    game.Stock[gdFood] = -1234;
    game.People = 12345;
    game.Employed = 20000; // more employed than living: no one is shown idle
    game.Health = 499;
    w.Form.ShowGameState();
    EXPECT_EQ(w.Form.lbMoney->text(), QString::fromUtf8("9 888 555"));
    EXPECT_EQ(w.Form.lbGoods[gdCoal]->text(), QString::fromUtf8("1 234 567"));
    EXPECT_EQ(w.Form.lbGoods[gdFood]->text(), QString::fromUtf8("-1 234"));
    EXPECT_EQ(w.Form.lbPeople->text(), "12345");
    EXPECT_EQ(w.Form.lbFreePeople->text(), "0");
    EXPECT_EQ(w.Form.pbHealth->Health(), 499);
    EXPECT_TRUE(w.Form.pbHealth->toolTip().contains(
        QString::fromUtf8("Среднее здоровье населения - 499 из 1000")));
}

TEST(MainForm, HealthBarIsLimeFromFiveHundredAndRedBelow) {
    const QColor lime(0, 255, 0), red(255, 0, 0), gray(128, 128, 128);
    const struct {
        int health;
        int filled;
        QColor colour;
    } cases[] = {
        {0, 0, gray}, {499, 60, red}, {500, 61, lime}, {999, 121, lime}, {1000, 122, lime}};
    for (const auto& c : cases) {
        QImage image(122, 6, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        THealthBar::PaintHealth(painter, image.rect(), c.health);
        painter.end();
        for (int x = 0; x < 122; ++x) {
            const QColor expected = x < c.filled ? c.colour : gray;
            ASSERT_EQ(image.pixelColor(x, 3), expected) << c.health << " at " << x;
        }
    }
}

TEST(MainForm, KeyNPlaysOneDayOnAnyLayoutButNotWithAltOrCtrlAndZDoesNothing) {
    TGameWindow w;
    TMainForm& f = w.Form;
    TDialogAnswerer answerer([](QDialog& d) { PressEnter(d); }); // a birth, say
    QTest::keyClick(f.pb1, Qt::Key_N);
    EXPECT_EQ(f.lbDate->text(), QString::fromUtf8("2 марта 1890"));
    EXPECT_EQ(w.Heard.first(), "NewDay");
    // The same key with a Russian layout active types "т".
    QKeyEvent russianN(QEvent::KeyPress, 0x0442, Qt::NoModifier, QString::fromUtf8("т"));
    QApplication::sendEvent(f.pb1, &russianN);
    EXPECT_EQ(f.lbDate->text(), QString::fromUtf8("3 марта 1890"));

    // With Alt or Ctrl the letter belongs to the menus, on either layout.
    for (const Qt::KeyboardModifier held : {Qt::AltModifier, Qt::ControlModifier}) {
        QKeyEvent latin(QEvent::KeyPress, Qt::Key_N, held, QStringLiteral("n"));
        QKeyEvent russian(QEvent::KeyPress, 0x0442, held, QString::fromUtf8("т"));
        QApplication::sendEvent(f.pb1, &latin);
        QApplication::sendEvent(f.pb1, &russian);
    }
    EXPECT_EQ(f.lbDate->text(), QString::fromUtf8("3 марта 1890"));

    const QString status = f.lbStatus->text();
    w.Heard.clear();
    QTest::keyClick(f.pb1, Qt::Key_Z);
    EXPECT_EQ(f.lbDate->text(), QString::fromUtf8("3 марта 1890"));
    EXPECT_EQ(f.lbStatus->text(), status);
    EXPECT_TRUE(w.Heard.isEmpty());
}

TEST(MainForm, TheMenusAnswerTheirLettersKeysOnTheOtherLayout) {
    TGameWindow w;
    TMainForm& f = w.Form;
    f.show();
    QApplication::setActiveWindow(&f);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QMenuBar* bar = f.menuBar();
    // Alt and the key of «г» with a Latin layout active open «Игра».
    QTest::keyClick(f.pb1, Qt::Key_U, Qt::AltModifier);
    ASSERT_NE(bar->activeAction(), nullptr);
    EXPECT_EQ(bar->activeAction()->text(), QString::fromUtf8("И&гра"));
    // In the open View menu the key of «и» chooses «Износ».
    QMenu* view = nullptr;
    for (QAction* top : bar->actions())
        if (top->text() == QString::fromUtf8("&Вид"))
            view = top->menu();
    ASSERT_NE(view, nullptr);
    QAction* wear = nullptr;
    for (QAction* item : view->actions())
        if (item->text() == QString::fromUtf8("&Износ"))
            wear = item;
    ASSERT_NE(wear, nullptr);
    view->popup(QPoint());
    QTest::keyClick(view, Qt::Key_B);
    EXPECT_TRUE(wear->isChecked());
}

TEST(MainForm, KeyWStopsAtARefusedTax) {
    TGameWindow w;
    TMainForm& f = w.Form;
    TGame& game = f.Colony().Game();
    game.Date = TGameDate{1891, 2, 25};
    game.Season = ssWinter;
    TDialogAnswerer answerer([](QDialog& dialog) {
        // The turn is busy, but a dialog waits for the player with the plain pointer.
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        // Refuse the taxes; close every other dialog with its button.
        if (dialog.windowTitle() == QString::fromUtf8("Налоги"))
            PressEscape(dialog);
        else
            PressEnter(dialog);
    });
    QTest::keyClick(f.pb1, Qt::Key_W);
    EXPECT_EQ(f.lbDate->text(), QString::fromUtf8("1 марта 1891"));
    EXPECT_EQ(answerer.Titles.count(QString::fromUtf8("Налоги")), 1);
    EXPECT_EQ(w.Heard.count("NewDay"), 5); // 25, 26, 27, 28 February and the refused 1 March
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(MainForm, ArrowsAndMouseMoveTheSelection) {
    TGameWindow w;
    TMainForm& f = w.Form;
    QTest::keyClick(f.pb1, Qt::Key_Right);
    QTest::keyClick(f.pb1, Qt::Key_Down);
    EXPECT_EQ(f.Colony().SelectedColumn(), 106);
    EXPECT_EQ(f.Colony().SelectedRow(), 106);
    // A click 30 pixels right and 55 down of the view's corner is on cell (101, 102).
    QTest::mouseClick(f.pb1, Qt::LeftButton, Qt::NoModifier, QPoint(30, 55));
    EXPECT_EQ(f.Colony().SelectedColumn(), 101);
    EXPECT_EQ(f.Colony().SelectedRow(), 102);
}

TEST(MainForm, TheHiddenGestureNeedsCtrlAndTheRightButton) {
    TGameWindow w;
    TMainForm& f = w.Form;
    QTest::mouseClick(f.pc1, Qt::RightButton);
    QTest::mouseClick(f.pc1, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(f.Colony().Game().Money, 82000);
    QTest::mouseClick(f.pc1, Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(f.Colony().Game().Money, 1082000);
    EXPECT_TRUE(w.Heard.isEmpty());
}

TEST(MainForm, BuildingFromThePaletteAndTheSoundSwitch) {
    TGameWindow w;
    TMainForm& f = w.Form;
    f.Colony().SelectCell(106, 105);
    w.Heard.clear();
    f.paletteButtons[1]->Click(); // a farm beside the settlement
    EXPECT_EQ(w.Heard, QStringList({"Base"}));
    EXPECT_EQ(f.lbMoney->text(), QString::fromUtf8("77 000"));
    EXPECT_NE(f.Colony().Game().BaseAt(106, 105), nullptr);

    f.miSound->trigger(); // off
    w.Heard.clear();
    f.Colony().SelectCell(0, 0);
    f.paletteButtons[1]->Click(); // fails: nothing to be heard now
    EXPECT_TRUE(w.Heard.isEmpty());
    EXPECT_EQ(f.lbStatus->text(),
              QString::fromUtf8("Можно строить только рядом с другими строениями"));
    TSettings{}.Save(); // the switch is kept: the next tests start from the defaults
}

TEST(MainForm, UndoAndRedoNameTheirStepAndAreEnabledOnlyWithOne) {
    TGameWindow w;
    TMainForm& f = w.Form;
    const auto menu = [&f] {
        return QStringList({f.miUndo->isEnabled() ? f.miUndo->text() : "-",
                            f.miRedo->isEnabled() ? f.miRedo->text() : "-"});
    };
    EXPECT_EQ(menu(), QStringList({"-", "-"}));
    f.Colony().SelectCell(106, 105);
    f.paletteButtons[1]->Click();
    EXPECT_EQ(menu(), QStringList({QString::fromUtf8("Отм&енить: строительство"), "-"}));
    f.miUndo->trigger();
    EXPECT_EQ(menu(), QStringList({"-", QString::fromUtf8("&Повторить: строительство")}));
    f.miNewClick();
    EXPECT_EQ(menu(), QStringList({"-", "-"}));
}

// The replay shows the colony from its first day, plays it to today at the
// fastest pace and goes back to any day on the slider; the game in play
// stays as it was.
TEST(MainForm, TheReplayGrowsTheColonyAgainFromItsFirstDayAndLeavesTheGameAsItIs) {
    TGameWindow w;
    TMainForm& f = w.Form;
    f.Colony().SelectCell(106, 105);
    f.paletteButtons[1]->Click();
    TDialogAnswerer births([](QDialog& d) { PressEnter(d); });
    QTest::keyClick(f.pb1, Qt::Key_W);
    QTest::keyClick(f.pb1, Qt::Key_W);
    const uint64_t revision = f.Colony().Revision();
    const QString today = f.lbDate->text();
    const int32_t money = f.Colony().Game().Money;
    const THistoryDay secondDay = f.Colony().History().Days()[1];

    QStringList seen;
    int ticks = 0;
    TDialogAnswerer watch([&](QDialog& d) {
        auto* replay = dynamic_cast<TReplayForm*>(&d);
        if (!replay) {
            PressEnter(d);
            return;
        }
        if (++ticks > 200000) { // never reached the end
            replay->reject();
        } else if (ticks == 1) {
            seen << replay->lbDate->text() << (replay->Playing() ? "playing" : "still");
            replay->cbPace->setCurrentIndex(replay->cbPace->count() - 1); // the fastest
        } else if (!replay->Playing()) {
            seen << replay->lbDate->text()
                 << QString::number(replay->Replayer().Game().Money == money);
            replay->slDate->setValue(2);
            seen << replay->lbDate->text()
                 << QString::number(replay->Replayer().Game().Money == secondDay.Money);
            // A click on the groove goes there, not a page on to the end.
            QTest::mouseClick(
                replay->slDate, Qt::LeftButton, {},
                QPoint(replay->slDate->width() * 3 / 10, replay->slDate->height() / 2));
            seen << QString::number(replay->Replayer().Day() > 2 &&
                                    replay->Replayer().Day() < replay->Replayer().Days() / 2);
            replay->accept();
        }
    });
    for (QAction* action : f.menuBar()->findChildren<QAction*>())
        if (action->text() == QString::fromUtf8("&Повтор игры..."))
            action->trigger();
    EXPECT_EQ(seen, QStringList({QString::fromUtf8("1 марта 1890"), "playing", today, "1",
                                 QString::fromUtf8("3 марта 1890"), "1", "1"}));
    EXPECT_EQ(f.Colony().Revision(), revision);
    EXPECT_EQ(f.lbDate->text(), today);
}

// Side windows open beside the game, each clear of the game and of those open
// already, within the screen wherever the game stands; with no room they at
// least keep off each other's corners. A window the player moves comes back
// where it was put.
TEST(SideWindows, OpenBesideTheGameClearOfEachOtherAndComeBackWhereThePlayerPutThem) {
    const QRect screen(0, 0, 1920, 1080);
    const QSize sizes[] = {{560, 420}, {420, 360}, {520, 400}};
    for (const QPoint game : {QPoint(40, 30), QPoint(1140, 30), QPoint(575, 280), QPoint(0, 560)}) {
        const QRect window(game, QSize(770, 520));
        std::vector<QRect> taken;
        for (const QSize size : sizes) {
            const QRect box(PlaceBeside(size, window, screen, taken), size);
            EXPECT_TRUE(screen.contains(box)) << game.x() << ',' << game.y();
            EXPECT_FALSE(box.intersects(window)) << game.x() << ',' << game.y();
            for (const QRect& other : taken)
                EXPECT_FALSE(box.intersects(other)) << game.x() << ',' << game.y();
            taken.push_back(box);
        }
    }
    // Windows too large to clear each other still keep off the game, and
    // hide little of each other.
    {
        const QRect window(0, 0, 770, 520);
        std::vector<QRect> taken;
        for (const QSize size : {QSize(900, 660), QSize(430, 420), QSize(600, 460)}) {
            const QRect box(PlaceBeside(size, window, screen, taken), size);
            EXPECT_TRUE(screen.contains(box));
            EXPECT_FALSE(box.intersects(window)) << box.x() << ',' << box.y();
            for (const QRect& other : taken) {
                const QRect both = box.intersected(other);
                EXPECT_LT(both.width() * both.height(), size.width() * size.height() / 8);
            }
            taken.push_back(box);
        }
    }
    const QRect small(0, 0, 800, 600);
    const QRect full(0, 0, 770, 520);
    std::vector<QRect> taken;
    for (const QSize size : sizes) {
        const QRect box(PlaceBeside(size, full, small, taken), size);
        EXPECT_TRUE(small.contains(box));
        for (const QRect& other : taken)
            EXPECT_NE(box.topLeft(), other.topLeft());
        taken.push_back(box);
    }

    TGameWindow w;
    TMainForm& f = w.Form;
    TJournalForm& journal = f.OpenJournal();
    const QPoint put = journal.pos() + QPoint(-7, 5);
    journal.move(put);
    journal.close();
    EXPECT_EQ(f.Settings().JournalAt, put);
    EXPECT_EQ(f.Settings().GoalsAt, std::nullopt);
    TSettings{}.Save();
}

// The window grows as the player likes: the map view takes the room and the
// panels keep their places at its edges, inside it and clear of each other.
// It comes back as large as it was left, on a screen present.
TEST(MainForm, TheWindowResizesAndComesBackOnAScreenPresent) {
    TSettings kept;
    kept.WindowAt = QPoint(-5000, 40);
    kept.WindowSize = QSize(1500, 900);
    ASSERT_TRUE(kept.Save());
    TGameWindow w;
    TMainForm& f = w.Form;
    f.ShowGame();
    const QRect screen = f.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(f.frameGeometry()));
    EXPECT_EQ(f.frameGeometry().size(), screen.size()) << "as large as the screen allows";
    const QSize least = f.minimumSize();
    for (const QSize size : {least, QSize(1920, 1040), QSize(3840, 2100)}) {
        f.resize(size);
        QApplication::processEvents();
        SCOPED_TRACE(size.width());
        const QRect client = f.pnClient->rect();
        std::vector<const QWidget*> parts;
        for (const QWidget* part : f.pnClient->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (part->isVisible())
                parts.push_back(part);
        for (size_t i = 0; i < parts.size(); ++i) {
            EXPECT_TRUE(client.contains(parts[i]->geometry()))
                << parts[i]->objectName().toStdString();
            for (size_t j = i + 1; j < parts.size(); ++j)
                EXPECT_FALSE(parts[i]->geometry().intersects(parts[j]->geometry()))
                    << parts[i]->objectName().toStdString() << " "
                    << parts[j]->objectName().toStdString();
        }
        EXPECT_EQ(f.pnRight->size(), QSize(210, 441));
        // Today's 537-pixel view in a 754-pixel client panel grows with it.
        EXPECT_EQ(f.pb1->width(), client.width() - (754 - 537)) << "the map view takes the room";
    }
    f.close();
    EXPECT_EQ(f.Settings().WindowSize, f.size());
    TSettings{}.Save();
}

// An overlay is one row: each has its item in the View menu with a key of
// its own and its line in the help page, and the item shows it with its
// legend; the menu's overlay items have rows. Only the plain view has no
// colours.
TEST(MainForm, EachOverlayRowHasItsViewItemKeyLegendAndHelpLine) {
    TGameWindow w;
    TMainForm& f = w.Form;
    QFile page(QStringLiteral(TARVENIA_GAME_DATA "/HELP.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(page.readAll());
    QStringList keys;
    for (const TMenuEntry& entry : MenuEntries)
        keys << QString::fromLatin1(entry.Shortcut);
    QList<QAction*> items;
    for (QAction* menu : f.menuBar()->actions())
        if (menu->text() == QCoreApplication::translate("Menus", "&Вид"))
            for (QAction* item : menu->menu()->actions())
                if (item->actionGroup())
                    items << item;
    EXPECT_EQ(items.size(), std::ssize(Overlays));
    for (const TOverlayRow& row : Overlays) {
        SCOPED_TRACE(row.Shortcut);
        const bool plain = row.Overlay == TOverlay::None;
        EXPECT_EQ(row.Legend.empty(), plain);
        EXPECT_EQ(row.Step == nullptr, plain);
        EXPECT_EQ(keys.count(QString::fromLatin1(row.Shortcut)), 1);
        const QString line = QCoreApplication::translate("MenuHelp", row.Help);
        EXPECT_TRUE(!line.isEmpty() && help.contains(line.toHtmlEscaped()));
        const auto item = std::ranges::find_if(items, [&row](const QAction* action) {
            return action->text() == QCoreApplication::translate("Menus", row.Caption);
        });
        ASSERT_NE(item, items.end());
        EXPECT_EQ((*item)->shortcut(), QKeySequence(QString::fromLatin1(row.Shortcut)));
        (*item)->trigger();
        EXPECT_TRUE((*item)->isChecked());
        EXPECT_EQ(f.Legend ? f.Legend->Overlay() : TOverlay::None, row.Overlay);
        EXPECT_EQ(f.Legend == nullptr, plain);
    }
}

// No control hides another, windowed or in full screen; the palette is a grid.
TEST(MainForm, NoControlHidesAnotherWindowedOrInFullScreen) {
    TGameWindow w(QStringLiteral(TARVENIA_GAME_DATA));
    TMainForm& f = w.Form;
    const std::vector<TvtPic*>& palette = f.paletteButtons;
    ASSERT_EQ(palette.size(), f.Colony().Catalogue().size());
    for (int i = 1, column = 0, row = 0; i < static_cast<int>(palette.size()); ++i) {
        palette[i]->y() == palette[i - 1]->y() ? ++column : (column = 0, ++row);
        const int step = palette[1]->x() - palette[0]->x();
        EXPECT_EQ(palette[i]->pos(), palette[0]->pos() + QPoint(column, row) * step) << i;
    }
    ExpectControlsApartAndInside(*f.centralWidget());
    f.show();
    f.move(40, 30);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const QRect before = f.geometry();
    const QSize viewBefore = f.pb1->size();
    // The status panel keeps its distance from the right edge in full screen.
    const int margin = f.width() - f.pnRight->mapTo(&f, QPoint()).x();

    f.miFullScreen->trigger();
    EXPECT_EQ(f.geometry().size(), f.screen()->geometry().size());
    EXPECT_GT(f.pb1->width(), viewBefore.width());
    ExpectControlsApartAndInside(*f.centralWidget());
    EXPECT_EQ(f.width() - f.pnRight->mapTo(&f, QPoint()).x(), margin);

    f.miFullScreen->trigger();
    EXPECT_EQ(f.geometry(), before);
    EXPECT_EQ(f.pb1->size(), viewBefore);
}

// Hints are rich text: HTML-escaped, each line end a line break, and no
// other: the shown hint is as wide as its longest line.
TEST(MainForm, HintsShowTheirTextEscapedWithTheirLineBreaksOnly) {
    TGameWindow w;
    TMainForm& f = w.Form;
    // What the tooltip shows is the hint's own text, markup characters and
    // all, broken at its line ends.
    const auto shownText = [](QWidget& widget) {
        QTextDocument document;
        document.setHtml(ShownHint(widget));
        return document.toPlainText();
    };
    ASSERT_FALSE(f.paletteButtons.empty());
    for (size_t i = 0; i < f.paletteButtons.size(); ++i)
        EXPECT_EQ(shownText(*f.paletteButtons[i]), BaseHint(f.Colony().Catalogue()[i]));
    const QString hint = BaseHint(f.Colony().Catalogue()[0]);
    QToolTip::showText(QPoint(0, 0), ShownHint(*f.paletteButtons[0]), f.paletteButtons[0]);
    QWidget* shown = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible())
            shown = widget;
    ASSERT_NE(shown, nullptr);
    int longest = 0;
    for (const QString& line : hint.split(u'\n'))
        longest = std::max(longest, shown->fontMetrics().horizontalAdvance(line));
    EXPECT_GE(shown->width(), longest);
    EXPECT_LT(shown->height(), shown->fontMetrics().lineSpacing() * (hint.count(u'\n') + 3));
    QToolTip::hideText();
    EXPECT_EQ(f.findChild<QWidget*>("pcDestroy")->toolTip(),
              QString::fromUtf8("Разобрать строение - вернется 10% от стоимости (D)"));
}

TEST(SoundPlayer, FindsTheBuiltInClipsByNameInAnyCase) {
    const TSoundPlayer player;
    const struct {
        const char* name;
        bool found;
    } cases[] = {
        {"Error", true},
        {"error", true},
        {"NEWDAY", true},
        {"Hello", true},
        {"", false},
        {"NoSuchClip", false},
        {"../sounds/Error", false},
        {"sounds/ERROR", false},
        {"Error.wav", false},
        {"\\Error", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(player.HasSound(c.name), c.found) << c.name;
    // Every sound the game can ask for has its clip.
    for (int sound = 0; sound < SoundCount; ++sound)
        EXPECT_TRUE(player.HasSound(SoundName(static_cast<TSound>(sound)))) << sound;
}

// The game's style gives the menu bar's overflow button the base style's
// pictures, made when asked for; other pictures come straight from the base.
TEST(HintStyle, TheMenuOverflowPicturesAreTheBaseStyles) {
    THintStyle style;
    for (const QStyle::StandardPixmap kind :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_DialogOkButton}) {
        const QIcon ours = style.standardIcon(kind, nullptr, nullptr);
        const QIcon base = style.baseStyle()->standardIcon(kind);
        EXPECT_FALSE(ours.isNull()) << kind;
        EXPECT_EQ(ours.availableSizes(), base.availableSizes()) << kind;
        for (const int edge : {12, 16, 32})
            EXPECT_EQ(ours.pixmap(edge).toImage(), base.pixmap(edge).toImage()) << kind << edge;
    }
    EXPECT_EQ(style.styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, nullptr, nullptr), 55);
}

// The status panel paints the goods' and the people's pictures and the
// figures itself and gives each place's hint.
TEST(MainForm, TheStatusPanelShowsThePicturesAndTheirHints) {
    TGameWindow w;
    auto* panel = dynamic_cast<TStatusPanel*>(w.Form.pnRight);
    ASSERT_NE(panel, nullptr);
    const QImage shot = panel->grab().toImage();
    const struct {
        QPoint at;
        QPoint corner; // of the picture there
        int picture;   // in the tools list; -1: none there
        const char* hint;
    } cases[] = {
        {{0, 216}, {0, 216}, gdGold, "Золото"},
        {{24, 240}, {0, 216}, gdGold, "Золото"},
        {{12, 428}, {0, 416}, gdEnergy, "Электричество"},
        {{100, 320}, {88, 305}, 18, "Количество людей"},
        {{30, 230}, {}, -1, "Золото"}, // the gold figure
        {{150, 290}, {}, -1, "Деньги"},
        {{100, 372}, {}, -1, "Количество рабочих мест"},
        {{80, 230}, {}, -1, ""},
        {{12, 443}, {}, -1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hint);
        EXPECT_EQ(panel->HintAt(c.at), QString::fromUtf8(c.hint));
        if (c.picture < 0)
            continue;
        const QImage picture = w.Images.imlTools.Picture(c.picture);
        int differing = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (qAlpha(picture.pixel(x, y)) == 255 &&
                    shot.pixel(c.corner + QPoint(x, y)) != picture.pixel(x, y))
                    ++differing;
        EXPECT_EQ(differing, 0);
    }
    const QPoint coal(12, 216 + 25 * gdCoal + 12);
    QHelpEvent rest(QEvent::ToolTip, coal, panel->mapToGlobal(coal));
    QApplication::sendEvent(panel, &rest);
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("Уголь"));
    QToolTip::hideText();

    // Screen readers find the panel's controls, then each figure with its hint.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(panel);
    ASSERT_NE(reader, nullptr);
    const int controls = reader->childCount() - static_cast<int>(panel->Texts().size());
    QStringList figures;
    bool health = false;
    for (int i = 0; i < reader->childCount(); ++i) {
        QAccessibleInterface* figure = reader->child(i);
        EXPECT_EQ(figure->role() == QAccessible::StaticText, i >= controls) << i;
        health = health || figure->role() == QAccessible::ProgressBar;
        EXPECT_EQ(figure->parent(), reader);
        EXPECT_EQ(reader->indexOfChild(figure), i);
        figures << figure->text(QAccessible::Description) + ": " + figure->text(QAccessible::Name);
    }
    EXPECT_TRUE(figures.contains(QString::fromUtf8("Деньги: 82 000")))
        << figures.join(u'|').toStdString();
    EXPECT_TRUE(figures.contains(QString::fromUtf8("Уголь: 0")));
    EXPECT_TRUE(health);
}

// A figure painted by the panel looks as a label in its place would, clipped
// to its box when too long for it.
TEST(MainForm, TheStatusPanelPaintsItsFiguresAsLabelsWould) {
    TGameWindow w;
    QWidget* panel = w.Form.pnRight;
    w.Form.lbMoney->setText(QString::fromUtf8("-1 234 567 890 123"));
    for (TPanelText* figure : {w.Form.lbMoney, w.Form.lbGoods[gdFood], w.Form.lbFreePeople}) {
        const QString text = figure->text();
        SCOPED_TRACE(text.toStdString());
        ASSERT_FALSE(text.isEmpty());
        const QImage painted = panel->grab(figure->Bounds()).toImage();
        figure->setText(QString());
        EXPECT_NE(painted, panel->grab(figure->Bounds()).toImage()) << "nothing painted";
        QLabel label(text, panel);
        label.setTextFormat(Qt::PlainText);
        label.setAlignment(figure->Alignment());
        label.setGeometry(figure->Bounds());
        label.show();
        EXPECT_EQ(painted, panel->grab(figure->Bounds()).toImage());
    }
}

// Presses the button of a question box that carries the text.
void PressButton(QDialog& dialog, const char* text) {
    for (auto* button : dialog.findChildren<QAbstractButton*>())
        if (button->text() == QString::fromUtf8(text))
            return button->click();
    ADD_FAILURE() << "no button " << text;
}

// The player's first evening: a colony saved under the name proposed for
// it, an autosave, a load that keeps the sound as the player set it, and a
// new game that may not write over the first colony unasked.
// Zoomed far out the view starts before the world's edge: a save made so
// keeps a view its file allows, and loads.
TEST(MainForm, ASaveMadeZoomedFarOutLoads) {
    TGameWindow w;
    TMainForm& f = w.Form;
    TDialogAnswerer answerer([](QDialog& d) {
        if (auto* files = qobject_cast<QFileDialog*>(&d))
            QMetaObject::invokeMethod(files, "accept");
        else
            PressEnter(d);
    });
    f.pb1->resize(1000, 1000);
    f.pb1->SetZoom(TvtPlaceBox::MinZoom, {});
    ASSERT_LT(f.pb1->Screen().x(), 0);
    f.miSaveClick();
    const TSavedGame saved =
        ReadSaveFile(f.Session().CurrentFile(), f.Colony().Catalogue(), f.Colony().Events());
    EXPECT_EQ(saved.View, QPoint(0, 0));
}

TEST(MainForm, SavesAskForANameLoadsKeepTheSettingsAndNoColonyIsLostUnasked) {
    TGameWindow w;
    TMainForm& f = w.Form;
    const QDir folder(w.SaveDir.path());
    const QString first = folder.filePath(QString::fromUtf8("Остров 01, 1 марта 1890.dat"));
    std::function<void(QDialog&)> answer;
    TDialogAnswerer answerer([&answer](QDialog& d) { answer(d); });
    QStringList questions;
    // The file dialog takes the name it proposes, or the file given;
    // questions are noted and answered with the button given.
    const auto answering = [&questions](const char* button, const QString& file = QString()) {
        return [&questions, button, file](QDialog& d) {
            if (auto* files = qobject_cast<QFileDialog*>(&d)) {
                if (!file.isEmpty())
                    files->selectFile(file);
                QMetaObject::invokeMethod(files, "accept");
            } else if (auto* box = qobject_cast<QMessageBox*>(&d)) {
                questions << box->text();
                PressButton(d, button);
            } else {
                PressEnter(d); // a birth, say
            }
        };
    };
    answer = answering("Отмена");
    f.Colony().SelectCell(106, 105);
    f.paletteButtons[1]->Click();
    f.miNewClick(); // stays in the game
    ASSERT_NE(f.Colony().Game().BaseAt(106, 105), nullptr);

    f.miSound->setChecked(true);
    f.miSaveClick();
    EXPECT_EQ(f.Session().CurrentFile(), first);
    EXPECT_EQ(f.lbStatus->text(),
              QString::fromUtf8("Игра сохранена в файл «Остров 01, 1 марта 1890.dat»"));
    EXPECT_FALSE(f.Session().Changed());
    const QPoint view = f.pb1->Screen();

    // The last day of March: the turn writes that month's autosave.
    f.Colony().Game().Date = {1890, 3, 31};
    QTest::keyClick(f.pb1, Qt::Key_N);
    EXPECT_TRUE(folder.exists(TSession::AutosaveName({1890, 4, 1})));
    EXPECT_TRUE(f.Session().Changed());
    f.pb1->SetScreen(0, 0);

    // The player turns the sound off; loading asks first, "Нет" throws the
    // day away, and the game saved with the sound on leaves it off.
    f.miSound->setChecked(false);
    answer = answering("Нет", first);
    f.miLoadClick();
    EXPECT_EQ(f.lbMoney->text(), QString::fromUtf8("77 000"));
    EXPECT_EQ(f.pb1->Screen(), view);
    EXPECT_FALSE(f.miSound->isChecked());
    EXPECT_FALSE(f.Settings().Sound);
    EXPECT_FALSE(f.Session().Changed());

    // A new game and a day; leaving with "Да" proposes a name of its own, and
    // choosing the first colony's file asks. "Нет" keeps it and the window.
    f.miNewClick();
    QTest::keyClick(f.pb1, Qt::Key_N);
    questions.clear();
    answer = [&](QDialog& d) {
        auto* box = qobject_cast<QMessageBox*>(&d);
        const bool toSave = box && box->text() == QString::fromUtf8("Сохранить текущую игру?");
        answering(toSave ? "Да" : "Нет", first)(d);
    };
    EXPECT_FALSE(f.close());
    EXPECT_EQ(questions,
              QStringList({QString::fromUtf8("Сохранить текущую игру?"),
                           QString::fromUtf8("В файле «Остров 01, 1 марта 1890.dat» сохранена "
                                             "другая колония (1 марта 1890). Заменить её?")}));
    EXPECT_EQ(ReadSaveFile(first, f.Colony().Catalogue(), f.Colony().Events()).Colony.Money, 77000);
    EXPECT_TRUE(f.Session().CurrentFile().isEmpty());
    TSettings{}.Save(); // the next tests start from the defaults
}

TEST(SoundPlayer, AClipThatCannotBePlayedIsReportedOnceAndTheGameGoesOn) {
    QTemporaryDir folder;
    QFile broken(folder.filePath("BROKEN.wav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("RIFF, but not a sound");
    broken.close();
    TSoundPlayer player(nullptr, folder.path());
    QStringList problems;
    player.OnProblem = [&problems](const QString& text) { problems << text; };
    const auto playAll = [&player] {
        for (const char* name : {"NoSuchClip", "Broken", "nosuchclip"})
            EXPECT_NO_THROW(player.PlayResSound(name)) << name;
    };
    playAll();
    // A clip is decoded in the background: its failure comes later.
    EXPECT_TRUE(QTest::qWaitFor([&problems] { return problems.size() >= 2; }, 60000));
    playAll();
    QCoreApplication::processEvents();
    EXPECT_EQ(problems, QStringList({QString::fromUtf8("Нет звука «NoSuchClip»."),
                                     QString::fromUtf8("Звук «Broken» не читается.")}));
}

// With no clip to play, a building bought stays bought, and the status line
// tells of the missing sound once the command has shown its own.
TEST(MainForm, AMissingSoundTakesNoCommandBack) {
    TGameWindow w;
    TMainForm& f = w.Form;
    QTemporaryDir noClips;
    f.SetSoundPlayer(std::make_unique<TSoundPlayer>(nullptr, noClips.path()));
    const int32_t money = f.Colony().Game().Money;
    f.Colony().SelectCell(106, 105);
    f.paletteButtons[1]->Click();
    EXPECT_NE(f.Colony().Game().BaseAt(106, 105), nullptr);
    EXPECT_LT(f.Colony().Game().Money, money);
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.lbStatus->text().startsWith(QString::fromUtf8("Нет звука")))
        << f.lbStatus->text().toStdString();
}

// An error no command handles is shown in the error box once the event that
// failed is over, and the program goes on.
TEST(Application, AnErrorNoCommandHandlesIsShownAndTheGameGoesOn) {
    class TFailing : public QWidget {
    protected:
        bool event(QEvent* e) override {
            if (e->type() == QEvent::User)
                throw TGameError(QStringLiteral("Нет файла звука"));
            return QWidget::event(e);
        }
    } failing;
    QStringList boxes;
    TDialogAnswerer answerer([&boxes](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            boxes << box->windowTitle() + ": " + box->text();
        PressEnter(dialog);
    });
    QEvent fails(QEvent::User);
    EXPECT_TRUE(QApplication::sendEvent(&failing, &fails));
    EXPECT_TRUE(boxes.isEmpty()); // not inside the failed event
    QTest::qWait(50);
    EXPECT_EQ(boxes, QStringList(QString::fromUtf8("Тарвения: Нет файла звука")));
}

} // namespace
