// The about box: picture, name, version and authors, the two links, and OK.

#include "ui/aboutform.h"
#include "ui/smallcontrols.h"
#include "uitesting.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(AboutForm, ShowsNameVersionAuthorsAndItsTwoLinks) {
    QCoreApplication::setApplicationVersion(QStringLiteral("9.8"));
    QWidget mainWindow;
    TAboutForm about(nullptr, &mainWindow);
    QStringList texts;
    bool picture = false;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        texts << label->text();
        picture = picture || !label->pixmap().isNull();
    }
    EXPECT_TRUE(picture);
    EXPECT_TRUE(texts.contains(QStringLiteral("Тарвения")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Версия 9.8")));
    EXPECT_FALSE(texts.filter(QStringLiteral("Авторы")).isEmpty());

    const auto* mail = about.findChild<TvtGyperLabel*>(QStringLiteral("lb6"));
    const auto* web = about.findChild<TvtGyperLabel*>(QStringLiteral("lb8"));
    ASSERT_TRUE(mail && web);
    EXPECT_EQ(mail->text(), TAboutForm::MailAddress);
    EXPECT_EQ(web->text(), TAboutForm::WebAddress);
    EXPECT_TRUE(mail->OnClick && web->OnClick);
    EXPECT_LT(mail->y(), web->y());
}

// The box opens on OK, and Enter presses OK even where the keyboard is on a
// link; Space follows the link the keyboard is on.
TEST(AboutForm, EnterPressesOkAndOnlySpaceFollowsALink) {
    QWidget mainWindow;
    for (const bool onLink : {false, true}) {
        TAboutForm about(nullptr, &mainWindow);
        auto* mail = about.findChild<TvtGyperLabel*>(QStringLiteral("lb6"));
        int followed = 0;
        mail->OnClick = [&followed] { ++followed; };
        about.show();
        EXPECT_EQ(about.focusWidget(), about.findChild<QWidget*>(QStringLiteral("bt1")));
        if (onLink) {
            mail->setFocus();
            QTest::keyClick(mail, Qt::Key_Space);
            EXPECT_EQ(followed, 1);
        }
        QTest::keyClick(about.focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(about.isVisible()) << onLink;
        EXPECT_EQ(followed, onLink ? 1 : 0);
    }
}

} // namespace
