// The game's files as the player meets them: a new game is saved under a name
// of its own, a file of another colony is written over only when the player
// says so, autosaves take turns in their own files, and a changed game is
// offered to be saved before it is thrown away.
#include "rules_fixture.h"

#include "model/savefile.h"
#include "model/session.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Answers the session's questions as the test tells it, and notes each.
class TScriptedDialogs : public TSessionDialogs {
public:
    TKeep Keep = TKeep::Stay;
    QString Chosen; // the name chosen in the file dialog; empty cancels
    bool Yes = false;
    QStringList Asked;

    TKeep AskToKeep() override {
        Asked << "keep?";
        return Keep;
    }
    QString ChooseSaveFile(const QString& folder, const QString& proposedName) override {
        Asked << "file? " + proposedName;
        return Chosen.isEmpty() ? QString() : QDir(folder).filePath(Chosen);
    }
    bool Confirm(const QString& question) override {
        Asked << question;
        return Yes;
    }
    void ShowError(const QString& text) override { Asked << "error " + text; }
    void ShowStatus(const QString& text) override { Asked << "status " + text; }
};

class Session : public ::testing::Test, public TRulesFixture {
protected:
    QTemporaryDir Folder;
    TScriptedDialogs Dialogs;
    TSession Files{Colony,
                   [this] { return SavedGameOf(Colony, TSavedLand::Named("01"), {}, true); },
                   [] { return QStringLiteral("Остров 01"); }, Dialogs, Folder.path()};

    QString PathOf(const QString& name) const { return QDir(Folder.path()).filePath(name); }
    int32_t MoneyIn(const QString& name) const {
        return ReadSaveFile(PathOf(name), Catalogue, Events).Colony.Money;
    }
    // What the dialogs were asked since the last look.
    QStringList Asked() { return std::exchange(Dialogs.Asked, {}); }
};

TEST_F(Session, ANewGameNeverWritesOverAnotherColonyUnasked) {
    // A colony of years, saved under the name proposed for it.
    Colony.MoneyGesture(true, true);
    EXPECT_TRUE(Files.Changed()) << "a change since the game began";
    Dialogs.Chosen = "Остров 01, 1 марта 1890.dat";
    ASSERT_TRUE(Files.Save());
    EXPECT_EQ(Asked(), QStringList({"file? Остров 01, 1 марта 1890.dat",
                                    "status Игра сохранена в файл «Остров 01, 1 марта 1890.dat»"}));
    EXPECT_FALSE(Files.Changed());
    // Its own file is written again without a word.
    Colony.MoneyGesture(true, true);
    ASSERT_TRUE(Files.Save());
    EXPECT_EQ(Asked(), QStringList({"status Игра сохранена в файл «Остров 01, 1 марта 1890.dat»"}));
    const int32_t years = Game().Money;

    // A new game has no file: saving asks for one, proposing a free name.
    Colony.NewGame(10, 10);
    Files.Began();
    EXPECT_EQ(Files.ProposedName(), "Остров 01, 1 марта 1890 (2).dat");
    Colony.NewDay();
    Dialogs.Chosen.clear();
    EXPECT_FALSE(Files.Save());
    EXPECT_EQ(Asked(), QStringList({"file? Остров 01, 2 марта 1890.dat"}));

    // Choosing the old colony's file asks, by any path; "Нет" keeps it.
    Dialogs.Chosen = "Остров 01, 1 марта 1890.dat";
    const QString question = "В файле «Остров 01, 1 марта 1890.dat» сохранена другая колония "
                             "(1 марта 1890). Заменить её?";
    EXPECT_FALSE(Files.SaveAs());
    Dialogs.Keep = TSessionDialogs::TKeep::Save;
    EXPECT_FALSE(Files.KeepGame()) << "leaving with «Да» stays when the save was refused";
    EXPECT_EQ(Asked(), QStringList({"file? Остров 01, 2 марта 1890.dat", question, "keep?",
                                    "file? Остров 01, 2 марта 1890.dat", question}));
    EXPECT_EQ(MoneyIn("Остров 01, 1 марта 1890.dat"), years);
    EXPECT_TRUE(Files.CurrentFile().isEmpty());

    // "Да" writes over it, and the file is this game's from then on.
    Dialogs.Yes = true;
    EXPECT_TRUE(Files.KeepGame());
    EXPECT_EQ(Files.CurrentFile(), PathOf("Остров 01, 1 марта 1890.dat"));
    EXPECT_EQ(MoneyIn("Остров 01, 1 марта 1890.dat"), Game().Money);

    // A file that is no save at all asks too, naming it.
    QFile other(PathOf("notes.dat"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("my notes");
    other.close();
    Dialogs.Yes = false;
    EXPECT_FALSE(Files.SaveTo(PathOf("notes.dat")));
    EXPECT_EQ(Asked().last(), "Файл «notes.dat» не читается как сохранённая игра. Заменить его?");
}

TEST_F(Session, AutosavesAndTheCrashSaveAreNoFileOfThePlayers) {
    const TGameDate months[] = {{1890, 4, 1}, {1890, 5, 1}, {1890, 6, 1}, {1890, 7, 1}};
    for (const TGameDate& month : months) {
        Game().Date = month;
        Game().Season = SeasonOfMonth(month.Month);
        Game().Money = month.Month;
        Files.Autosave();
    }
    const QStringList autosaves = QDir(Folder.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(autosaves, QStringList({"Autosave1.dat", "Autosave2.dat", "Autosave3.dat"}));
    QList<int32_t> kept;
    for (const QString& name : autosaves)
        kept << MoneyIn(name);
    std::ranges::sort(kept);
    EXPECT_EQ(kept, QList<int32_t>({5, 6, 7})) << "the last three months";

    // Loaded, an autosave is not the file "Сохранить" writes; the player's
    // save never takes an autosave's name.
    Files.Loaded(PathOf("Autosave2.dat"));
    EXPECT_TRUE(Files.CurrentFile().isEmpty());
    EXPECT_TRUE(TSession::IsAutosave(PathOf("autosave.DAT")));
    EXPECT_FALSE(TSession::IsAutosave(PathOf("Autosave4.dat")));
    Dialogs.Chosen = "Autosave3.dat";
    EXPECT_FALSE(Files.Save());
    EXPECT_TRUE(Asked().last().startsWith("error Имя «Autosave3.dat» занято автосохранениями"));
    // Nor the crash save's, which the start offers on its own.
    Files.Loaded(PathOf("Crash.dat"));
    EXPECT_TRUE(Files.CurrentFile().isEmpty());
    Dialogs.Chosen = "crash.DAT";
    EXPECT_FALSE(Files.Save());
    EXPECT_TRUE(Asked().last().startsWith("error Имя «crash.DAT» занято сохранением при сбое"));
    QFile::copy(PathOf("Autosave2.dat"), PathOf("Crash.dat"));
    QFile crash(PathOf("Crash.dat"));
    crash.open(QIODevice::ReadWrite);
    crash.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    EXPECT_NE(QFileInfo(Files.LatestPlayable(Folder.path())).fileName(), "Crash.dat");

    Files.Options.Autosave = false;
    QFile::remove(PathOf("Autosave1.dat"));
    Files.Autosave();
    EXPECT_FALSE(QFile::exists(PathOf("Autosave1.dat")));
}

TEST_F(Session, AChangedGameIsOfferedToBeSavedBeforeItIsThrownAway) {
    EXPECT_TRUE(Files.KeepGame());
    EXPECT_TRUE(Asked().isEmpty()) << "nothing to save in a game just begun";
    Colony.NewDay();
    const struct {
        TSessionDialogs::TKeep answer;
        bool ask;
        bool kept;
    } cases[] = {
        {TSessionDialogs::TKeep::Stay, true, false},
        {TSessionDialogs::TKeep::Discard, true, true},
        {TSessionDialogs::TKeep::Save, true, false}, // the file dialog is cancelled
        {TSessionDialogs::TKeep::Stay, false, true},
    };
    for (const auto& c : cases) {
        Dialogs.Keep = c.answer;
        Files.Options.AskBeforeDiscard = c.ask;
        EXPECT_EQ(Files.KeepGame(), c.kept) << static_cast<int>(c.answer) << c.ask;
    }
    EXPECT_TRUE(Files.Changed());

    // Taken back to the state it was saved in, the game is as saved again.
    Dialogs.Chosen = "game.dat";
    ASSERT_TRUE(Files.Save());
    Colony.NewWeek();
    EXPECT_TRUE(Files.Changed());
    Colony.Undo();
    EXPECT_FALSE(Files.Changed());
    Colony.Undo();
    EXPECT_TRUE(Files.Changed());
    Colony.Redo();
    EXPECT_FALSE(Files.Changed());
}

} // namespace
