#include "uitesting.h"

#include "island/islandgen.h"
#include "map/placebox.h"
#include "ui/newislandform.h"
#include "ui/smallcontrols.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QThreadPool>
#include <gtest/gtest.h>

namespace {

// The save folder's MAPS with a copy of the test island and a map whose grid
// is cut short.
void AddPlayerMaps(const QString& saveFolder) {
    ASSERT_TRUE(QDir(saveFolder).mkpath(QStringLiteral("MAPS")));
    for (const char* ext : {".LTS", ".WLL", ".INI"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(TARVENIA_TEST_DATA "/sim/MAPS/01") + ext,
                                saveFolder + QStringLiteral("/MAPS/mine") + ext));
    QFile broken(saveFolder + QStringLiteral("/MAPS/broken.LTS"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(1000, '\2'));
}

// Holds every thread of the pool that draws the overviews while it lives,
// so that a drawing asked for meanwhile waits in the pool's queue.
class THeldPool {
public:
    THeldPool() {
        for (int i = 0; i < threads_; ++i)
            QThreadPool::globalInstance()->reserveThread();
    }
    ~THeldPool() {
        for (int i = 0; i < threads_; ++i)
            QThreadPool::globalInstance()->releaseThread();
    }

private:
    const int threads_ = QThreadPool::globalInstance()->maxThreadCount();
};

bool OneColour(const QImage& picture) {
    for (int x = 0; x < picture.width(); ++x)
        for (int y = 0; y < picture.height(); ++y)
            if (picture.pixel(x, y) != picture.pixel(0, 0))
                return false;
    return true;
}

} // namespace

TEST(NewIslandForm, OffersEveryMapAndTheIslandOfANumberWithItsOverview) {
    TGameWindow w;
    AddPlayerMaps(w.SaveDir.path());
    TNewIslandForm form(&w.Form, w.Form, w.Form.MapFolders(), 7);
    QStringList shown;
    for (int i = 0; i < form.lbMaps->count(); ++i)
        shown << form.lbMaps->item(i)->text();
    EXPECT_EQ(shown,
              QStringList({"Карта «01»", "Карта «broken»", "Карта «mine»", "Случайный остров"}));

    struct TCase {
        int Row;
        const char* Seed;
        std::optional<TMapSource> Choice;
        bool Drawn;
    };
    const TCase cases[] = {
        {0, "7", TMapSource::Named("01"), true},
        {1, "7", TMapSource::Named("broken"), false},
        {3, "7", TMapSource::Random(7), true},
        {3, "4294967295", TMapSource::Random(4294967295u), true},
        {3, "4294967296", std::nullopt, false},
        {3, "", std::nullopt, false},
    };
    QImage before;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Seed);
        form.lbMaps->setCurrentRow(c.Row);
        form.edSeed->setText(QString::fromLatin1(c.Seed));
        EXPECT_EQ(form.Choice(), c.Choice) << c.Row;
        EXPECT_EQ(form.btOk->isEnabled(), c.Choice.has_value());
        EXPECT_EQ(form.edSeed->isEnabled(), c.Row == 3);
        const QImage preview = form.Preview();
        ASSERT_EQ(!preview.isNull(), c.Drawn) << c.Row;
        if (c.Drawn) {
            // Every land looks different, and none is a plain sea.
            EXPECT_FALSE(OneColour(preview));
            EXPECT_NE(preview, before);
            before = preview;
        } else {
            EXPECT_FALSE(form.pcPreview->text().isEmpty());
        }
    }
}

TEST(NewIslandForm, ShowsTheLastChoiceWhenTheChoiceChangesWhileAnOverviewIsDrawn) {
    TGameWindow w;
    TNewIslandForm island8(&w.Form, w.Form, w.Form.MapFolders(), 8);
    island8.lbMaps->setCurrentRow(island8.lbMaps->count() - 1);
    const QImage drawn8 = island8.Preview();
    ASSERT_FALSE(drawn8.isNull());

    const struct {
        const char* Seed; // typed last, the random island chosen
        const QImage& Shown;
        const char* Text;
    } cases[] = {{"8", drawn8, ""}, {"", QImage(), "Введите номер острова от 0 до 4 294 967 295."}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Seed);
        std::optional<THeldPool> held(std::in_place);
        // The map "01" is drawn first, and the player chooses twice before
        // that drawing can even begin.
        TNewIslandForm form(&w.Form, w.Form, w.Form.MapFolders(), 7);
        form.lbMaps->setCurrentRow(form.lbMaps->count() - 1);
        form.edSeed->setText(QString::fromLatin1(c.Seed));
        held.reset();
        EXPECT_EQ(form.Preview(), c.Shown);
        EXPECT_EQ(form.pcPreview->text(), QString::fromUtf8(c.Text));
    }
}

TEST(NewIslandForm, TheMenuBeginsAGameOnTheIslandChosenWhichItsSaveKeeps) {
    TGameWindow w;
    TMainForm& f = w.Form;
    QAction* item = nullptr;
    for (QAction* action : f.menuBar()->actions().front()->menu()->actions())
        if (action->text() == QStringLiteral("Новая на &другом острове..."))
            item = action;
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+N")));
    {
        TDialogAnswerer answerer([](QDialog& dialog) {
            auto& form = dynamic_cast<TNewIslandForm&>(dialog);
            form.lbMaps->setCurrentRow(form.lbMaps->count() - 1);
            form.edSeed->setText(QStringLiteral("11"));
            PressEnter(form);
        });
        item->trigger();
    }
    const TEarth& earth = f.Earth();
    EXPECT_EQ(earth.Source(), TMapSource::Random(11));
    EXPECT_EQ(earth.Files().Grid, GenerateIsland(11).Grid);
    EXPECT_EQ(f.Colony().SelectedColumn(), earth.StartCell.x());
    EXPECT_EQ(f.pb1->Screen(), earth.StartScreen);
    EXPECT_EQ(f.Colony().Game().Buildings().size(), 1u);

    // Saved there, a new game goes back to map "01", and the save brings the
    // island back.
    const QString save = QDir(w.SaveDir.path()).filePath("island.dat");
    ASSERT_TRUE(f.Session().SaveTo(save));
    f.miNewClick();
    EXPECT_EQ(earth.Source(), TMapSource::Named("01"));
    EXPECT_EQ(f.Colony().SelectedRow(), earth.StartCell.y());
    ASSERT_TRUE(f.LoadFrom(save));
    EXPECT_EQ(earth.Source(), TMapSource::Random(11));
    EXPECT_EQ(earth.Files().Grid, GenerateIsland(11).Grid);

    // A map that cannot be read is explained, and the game goes on as it was.
    TDialogAnswerer answerer([](QDialog& dialog) { PressEnter(dialog); });
    EXPECT_FALSE(f.NewGameOn(TMapSource::Named("nosuch")));
    EXPECT_EQ(answerer.Titles.size(), 1);
    EXPECT_EQ(earth.Source(), TMapSource::Random(11));
}
