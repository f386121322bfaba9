#include "uitesting.h"

#include "base/terrain.h"
#include "map/placebox.h"
#include "model/colony.h"
#include "ui/journalform.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The texts of the listed entries, top first.
QStringList Listed(const QTableView& table) {
    QStringList texts;
    for (int row = 0; row < table.model()->rowCount(); ++row)
        texts << table.model()->index(row, 2).data().toString();
    return texts;
}

TEST(Journal, TheWindowListsNewestFirstFiltersAndShowsAnEntrysCell) {
    TGameWindow w;
    TMainForm& f = w.Form;
    TColony& colony = f.Colony();
    const QList<QAction*> actions = f.findChildren<QAction*>();
    const auto open = std::ranges::find(actions, QString::fromUtf8("&Журнал"), &QAction::text);
    ASSERT_NE(open, actions.end());
    EXPECT_EQ((*open)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_J));
    (*open)->trigger();
    auto* form = f.findChild<TJournalForm*>();
    ASSERT_NE(form, nullptr);
    auto* table = form->findChild<QTableView*>(QStringLiteral("Entries"));
    auto* kind = form->findChild<QComboBox*>(QStringLiteral("Kind"));
    auto* search = form->findChild<QLineEdit*>(QStringLiteral("Search"));

    // An error on a cell far from the colony, then a turn into summer: the
    // open window follows both.
    const QPoint far(150, 140);
    colony.SelectCell(far.x(), far.y());
    colony.Build(colony.Catalogue()[1]);
    colony.Game().Date = {1890, 5, 31};
    {
        TDialogAnswerer answerer([](QDialog& d) { PressEnter(d); });
        colony.NewDay();
    }
    QStringList newest;
    for (const TJournalEntry& entry : colony.Journal().Entries())
        newest.prepend(entry.Text);
    ASSERT_GE(newest.size(), 2);
    EXPECT_EQ(Listed(*table), newest);

    kind->setCurrentIndex(kind->findText(QString::fromUtf8("Ошибка")));
    const QStringList errors = Listed(*table);
    ASSERT_EQ(errors.size(), 1);
    kind->setCurrentIndex(0);
    search->setText(QString::fromUtf8("ЛЕТО"));
    EXPECT_EQ(Listed(*table), QStringList({QString::fromUtf8("Наступило Лето")}));
    search->setText(errors[0].left(6).toLower());
    EXPECT_EQ(Listed(*table), errors);

    // Enter on the error centres the map on its cell and selects it.
    colony.SelectCell(far.x() - 60, far.y() - 60);
    table->setCurrentIndex(table->model()->index(0, 0));
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(QPoint(colony.SelectedColumn(), colony.SelectedRow()), far);
    const QRect screen = f.pb1->ScreenRect();
    EXPECT_LE(
        (screen.center() - (far * CellSize + QPoint(CellSize, CellSize) / 2)).manhattanLength(), 2);
}

} // namespace
