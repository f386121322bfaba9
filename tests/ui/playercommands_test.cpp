#include "uitesting.h"

#include "model/playercommands.h"
#include "ui/smallcontrols.h"

#include <QSet>
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
