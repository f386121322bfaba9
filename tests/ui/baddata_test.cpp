// A start-up on data that cannot make a game: the main window refuses to be
// made, with the error text the player will see, and leaves nothing behind;
// data that is merely odd still starts a game.

#include "model/describe.h"
#include "model/game.h"
#include "resources/datamodule.h"
#include "ui/mainform.h"
#include "ui/smallcontrols.h"
#include "uitesting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QString Fixture = QStringLiteral(TARVENIA_TEST_DATA "/sim/");

// Which files of the test island a data folder gets, and what replaces some.
struct TFolder {
    bool Grid = true;
    std::optional<QByteArray> GridBytes = std::nullopt;
    bool Scene = true;
    bool Start = true;
    std::optional<QByteArray> Bases = std::nullopt;
    bool Events = true;
};

void Fill(const QString& folder, const TFolder& files) {
    QDir(folder).mkpath(QStringLiteral("MAPS"));
    const auto put = [&](const QString& name, bool wanted, const std::optional<QByteArray>& bytes) {
        if (!wanted)
            return;
        if (!bytes) {
            ASSERT_TRUE(QFile::copy(Fixture + name, folder + u'/' + name)) << name.toStdString();
            return;
        }
        QFile file(folder + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(*bytes);
    };
    put(QStringLiteral("MAPS/01.LTS"), files.Grid, files.GridBytes);
    put(QStringLiteral("MAPS/01.WLL"), files.Scene, std::nullopt);
    put(QStringLiteral("MAPS/01.INI"), files.Start, std::nullopt);
    put(QStringLiteral("BASES.INI"), true, files.Bases);
    put(QStringLiteral("EVENTS.INI"), files.Events, std::nullopt);
}

TEST(StartUpData, AGameThatCannotRunIsRefusedWithAClearText) {
    const struct {
        const char* Name;
        TFolder Files;
        const char* Text; // empty: the game starts
    } cases[] = {
        {"no grid", {.Grid = false}, "Не удалось открыть файл"},
        {"short grid", {.GridBytes = QByteArray(1000, '\2')}, "обрезан: в нём меньше 313600 байт."},
        {"no scene", {.Scene = false}, "MAPS/01.WLL"},
        {"empty catalogue", {.Bases = QByteArray()}, "нет ни одного типа строений"},
        {"catalogue without sections",
         {.Bases = QByteArray("; none\nPrice=5\n[\n")},
         "нет ни одного типа строений"},
        {"odd but playable",
         {.GridBytes = QByteArray(313600, '\x7f'),
          .Start = false,
          .Bases = QByteArray("[X]\nImageIndex=99999\nLiveYears=2000000000\nNeedEarth=266\n"),
          .Events = false},
         ""},
    };
    const TDM images;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QTemporaryDir folder;
        Fill(folder.path(), c.Files);
        try {
            TMainForm form(images, folder.path());
            EXPECT_STREQ(c.Text, "") << "the game started";
            form.grab(); // a started game paints
        } catch (const TGameError& error) {
            EXPECT_TRUE(error.Text().contains(QString::fromUtf8(c.Text))) << error.what();
            EXPECT_STRNE(c.Text, "");
        }
    }
}

// A catalogue's caption is text, also where it holds the characters of
// markup: its hint shows them as they are, one line a line.
TEST(StartUpData, ACaptionWithMarkupCharactersShowsAsTextInItsHint) {
    QTemporaryDir folder;
    Fill(folder.path(), {.Bases = QByteArray("[X]\nCaption=<b>\"A&B\"</b> > 1\nPrice=5\n")});
    const TDM images;
    TMainForm form(images, folder.path());
    ASSERT_EQ(form.paletteButtons.size(), 1u);
    const QString hint = BaseHint(form.Colony().Catalogue()[0]);
    const QStringList lines = hint.split(u'\n');
    ASSERT_GT(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(QString::fromUtf8("<b>\"A&B\"</b> > 1"))) << hint.toStdString();
    QTextDocument shown;
    shown.setHtml(ShownHint(*form.paletteButtons[0]));
    EXPECT_EQ(shown.toPlainText(), hint);
    EXPECT_EQ(shown.blockCount(), 1); // one paragraph, broken only at the line ends
}

} // namespace
