#include "uitesting.h"

#include "map/placebox.h"
#include "model/game.h"
#include "model/playercommands.h"
#include "ui/smallcontrols.h"
#include "ui/statuswidgets.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

// Screen readers find every command and every building type as a push button
// named by its action or type, and the health as a value.
TEST(ScreenReader, NamesTheButtonsAndReadsTheHealth) {
    TGameWindow w;
    TMainForm& f = w.Form;
    const auto expectButton = [](QWidget* control, const QString& name) {
        ASSERT_NE(control, nullptr);
        SCOPED_TRACE(name.toStdString());
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(reader, nullptr);
        EXPECT_EQ(reader->role(), QAccessible::Button);
        EXPECT_FALSE(name.isEmpty());
        EXPECT_EQ(reader->text(QAccessible::Name), name);
        EXPECT_FALSE(reader->text(QAccessible::Description).isEmpty());
    };
    for (const TPlayerCommand& command : PlayerCommands())
        expectButton(f.pnClient->findChild<QWidget*>(QString::fromLatin1(command.Name)),
                     command.Caption());
    ASSERT_EQ(f.paletteButtons.size(), f.Colony().Catalogue().size());
    for (size_t i = 0; i < f.paletteButtons.size(); ++i)
        expectButton(f.paletteButtons[i], f.Colony().Catalogue()[i].Caption);

    QAccessibleInterface* health = QAccessible::queryAccessibleInterface(f.pbHealth);
    ASSERT_NE(health, nullptr);
    EXPECT_EQ(health->role(), QAccessible::ProgressBar);
    ASSERT_NE(health->valueInterface(), nullptr);
    EXPECT_EQ(health->valueInterface()->maximumValue().toInt(), TGame::MaxHealth);
    for (const int value : {f.Colony().Game().Health, 321}) {
        f.pbHealth->SetHealth(value);
        EXPECT_EQ(health->valueInterface()->currentValue().toInt(), value);
    }
}

// With the keyboard alone: Tab leaves the map for the palette, an arrow moves
// to the next type, Enter builds it on the selected cell, Escape goes back to
// the map, and the palette is one stop of the Tab chain.
TEST(Keyboard, TheKeyboardAloneBuildsFromThePalette) {
    TGameWindow w;
    TMainForm& f = w.Form;
    f.show();
    QApplication::setActiveWindow(&f);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.Colony().SelectCell(106, 105);
    f.pb1->setFocus();
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    // Each stop the keyboard reaches shows its hint, as the mouse would.
    const auto shownHint = [] {
        auto* control = static_cast<TvtGraphicControl*>(QApplication::focusWidget());
        QApplication::processEvents();
        return QToolTip::isVisible() ? QToolTip::text() == control->Hint() : false;
    };
    press(Qt::Key_Tab);
    EXPECT_TRUE(shownHint());
    press(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), f.paletteButtons[1]);
    EXPECT_TRUE(shownHint());
    press(Qt::Key_Return);
    const TBase* built = f.Colony().Game().BaseAt(106, 105);
    ASSERT_NE(built, nullptr);
    EXPECT_EQ(built->Kind, &f.Colony().Catalogue()[1]);
    press(Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), f.pb1);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.paletteButtons[1]) << "the palette's last type";
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(),
              QString::fromLatin1(PlayerCommands().front().Name));
    EXPECT_TRUE(shownHint());
}
