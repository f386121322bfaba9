// The island editor's window: a stroke shows before the scene catches up, is
// checked and undone exactly; a land is saved to be played, or as a draft
// while it has errors, and a game begins on it.

#include "uitesting.h"

#include "island/islandgen.h"
#include "map/placebox.h"
#include "ui/islandeditor.h"
#include "ui/newislandform.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QByteArray GridBytes(const TIslandEditorForm& editor) {
    return QByteArray(editor.Edit().Land().Grid.Bytes(), TTerrainGrid::ByteSize);
}

bool HasError(const TIslandEditorForm& editor) {
    return std::ranges::any_of(editor.Problems(), &TMapProblem::Error);
}

} // namespace

TEST(IslandEditor, AStrokeShowsAtOnceIsCheckedAndIsUndoneExactly) {
    TGameWindow w(QStringLiteral(TARVENIA_GAME_DATA));
    TIslandEditorForm& editor = w.Form.OpenEditor(TMapSource::Random(5));
    const QByteArray before = GridBytes(editor);
    ASSERT_FALSE(HasError(editor));
    const TCellPoint start = editor.Edit().Land().Start;
    editor.pb1->CenterPoint(start.X * CellSize, start.Y * CellSize);
    const QPoint at = QPoint(start.X, start.Y) * CellSize + QPoint(12, 12) - editor.pb1->Screen();

    editor.SetTool(TIslandEditorForm::etBrush);
    editor.SetKind(ekUnknown);
    editor.edSize->setValue(9);
    QTest::mousePress(editor.pb1, Qt::LeftButton, {}, at);
    QTest::mouseMove(editor.pb1, at + QPoint(3 * CellSize, 0));
    // Before the release the new ground shows in its colour over the old scene.
    const QImage shown = editor.pb1->grab().toImage();
    EXPECT_EQ(shown.pixel(at + QPoint(2 * CellSize, 0)), TEditMarks::KindColour(ekUnknown).rgb());
    QTest::mouseRelease(editor.pb1, Qt::LeftButton, {}, at + QPoint(3 * CellSize, 0));

    EXPECT_EQ(editor.Edit().Land().Grid.EarthKind(start.X + 3, start.Y), ekUnknown);
    ASSERT_TRUE(HasError(editor));
    EXPECT_EQ(editor.lbProblems->item(0)->text(), editor.Problems().front().Text);
    EXPECT_TRUE(editor.Modified());

    editor.miUndo->trigger();
    EXPECT_TRUE(GridBytes(editor) == before);
    EXPECT_FALSE(HasError(editor));
    EXPECT_FALSE(editor.miUndo->isEnabled());
    EXPECT_TRUE(editor.miRedo->isEnabled());
}

TEST(IslandEditor, SavesAPlayableLandForTheNewGameAndALandWithErrorsAsADraft) {
    TGameWindow w(QStringLiteral(TARVENIA_GAME_DATA));
    TIslandEditorForm& editor = w.Form.OpenEditor(TMapSource::Random(5));
    editor.edName->setText(QStringLiteral("Мой остров"));
    ASSERT_TRUE(editor.Save());
    EXPECT_FALSE(editor.Modified());
    TNewIslandForm form(&w.Form, w.Form, w.Form.MapFolders(), 1);
    EXPECT_EQ(form.lbMaps->item(1)->text(), QStringLiteral("Карта «Мой остров»"));

    editor.Play();
    EXPECT_EQ(w.Form.Earth().Source(), TMapSource::Named(QStringLiteral("Мой остров")));
    EXPECT_EQ(w.Form.Earth().Files().Grid, editor.Edit().Files().Grid);
    EXPECT_FALSE(editor.isVisible());

    // A blank sea has errors: saving offers a draft, kept out of the game's list.
    editor.SetLand(TIslandEditorForm::BlankSea(), QStringLiteral("Черновик"));
    {
        const TDialogAnswerer yes([](QDialog& dialog) { PressEnter(dialog); });
        EXPECT_TRUE(editor.Save());
    }
    EXPECT_TRUE(
        QFileInfo::exists(TEarth::MapFilePath(w.SaveDir.path() + QStringLiteral("/DRAFTS"),
                                              QStringLiteral("Черновик"), QStringLiteral(".LTS"))));
    EXPECT_FALSE(MapNames(w.Form.MapFolders()).contains(QStringLiteral("Черновик")));

    // Another land saved under a map's name replaces it only when the player says so.
    // Nor does "Играть" start a game on that other map in its place.
    editor.SetLand(GenerateIslandLand(6), QStringLiteral("Мой остров"));
    editor.show();
    {
        const TDialogAnswerer no([](QDialog& dialog) { PressEscape(dialog); });
        EXPECT_FALSE(editor.Save());
        editor.Play();
        EXPECT_EQ(no.Titles.size(), 2);
    }
    EXPECT_TRUE(editor.isVisible());
}
