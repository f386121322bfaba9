#include "resources/imagelist.h"
#include "ui/smallcontrols.h"

#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>
#include <optional>

namespace {

// What a control paints over a known ground, without any background of its own.
QImage Render(QWidget& widget, QColor ground = Qt::magenta) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(ground);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

void Enter(QWidget& widget) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&widget, &enter);
}

void Leave(QWidget& widget) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&widget, &leave);
}

// Three 4 x 3 pictures in plain red, green and blue.
TImageList Colours() {
    TImageList list(4, 3, 3);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < 3; ++i) {
        list.Edit(i).fill(colours[i]);
    }
    return list;
}

} // namespace

TEST(Pic, ShowsItsPictureAndAnotherUnderTheMouse) {
    const TImageList list = Colours();
    TvtPic pic;
    EXPECT_EQ(pic.size(), QSize(32, 32));
    EXPECT_EQ(Render(pic).pixelColor(5, 5), QColor(Qt::magenta)); // no list: nothing
    pic.SetImages(&list);
    EXPECT_EQ(pic.size(), QSize(4, 3));
    pic.SetImageIndex(1);
    pic.SetHoverImageIndex(2);
    EXPECT_EQ(Render(pic).pixelColor(0, 0), QColor(Qt::green));
    Enter(pic);
    EXPECT_EQ(Render(pic).pixelColor(3, 2), QColor(Qt::blue));
    Leave(pic);
    EXPECT_EQ(Render(pic).pixelColor(0, 0), QColor(Qt::green));
    pic.SetImageIndex(7);
    EXPECT_EQ(Render(pic).pixelColor(0, 0), QColor(Qt::magenta)); // outside the list
    pic.SetImageIndex(-2);
    EXPECT_EQ(Render(pic).pixelColor(0, 0), QColor(Qt::magenta));
}

TEST(Pic, ReportsHoverEvenWithoutAHoverPicture) {
    TvtPic pic;
    int hovers = 0;
    pic.OnMouseHover = [&] { hovers += pic.Hover() ? 1 : 10; };
    Enter(pic);
    Enter(pic);
    Leave(pic);
    EXPECT_EQ(hovers, 11);
    int clicks = 0;
    pic.OnClick = [&] { ++clicks; };
    QTest::mouseClick(&pic, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseClick(&pic, Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_EQ(clicks, 1);
}

// A hint made on demand is composed once, when the mouse first rests on the
// control; a control with a fixed tooltip keeps it.
TEST(Pic, ComposesAHintOnceWhenFirstWanted) {
    TvtPic lazy;
    TvtPic fixed;
    fixed.setToolTip("fixed");
    int composed = 0;
    lazy.OnHint = [&composed] {
        ++composed;
        return QStringLiteral("hint");
    };
    EXPECT_TRUE(lazy.toolTip().isEmpty());
    for (int rest = 0; rest < 2; ++rest)
        for (TvtPic* pic : {&lazy, &fixed}) {
            QHelpEvent event(QEvent::ToolTip, QPoint(4, 4), pic->mapToGlobal(QPoint(4, 4)));
            QApplication::sendEvent(pic, &event);
        }
    QToolTip::hideText();
    EXPECT_EQ(composed, 1);
    EXPECT_EQ(lazy.toolTip(), "hint");
    EXPECT_EQ(fixed.toolTip(), "fixed");
}

TEST(Button, KeysAndClicksGiveTheModalResults) {
    struct {
        bool isDefault, isCancel, manualClose;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::optional<QDialog::DialogCode> result; // none: the dialog stays open
        int clicks;
    } const cases[] = {
        {true, true, false, Qt::Key_Return, Qt::NoModifier, QDialog::Accepted, 1},
        {true, true, false, Qt::Key_Escape, Qt::NoModifier, QDialog::Accepted, 1},
        {true, true, false, Qt::Key_Enter, Qt::KeypadModifier, QDialog::Accepted, 1},
        {true, true, false, Qt::Key_Return, Qt::ShiftModifier, std::nullopt, 0},
        {true, true, false, Qt::Key_Escape, Qt::ControlModifier, std::nullopt, 0},
        {false, true, false, Qt::Key_Escape, Qt::NoModifier, QDialog::Rejected, 1},
        {false, true, false, Qt::Key_Return, Qt::NoModifier, std::nullopt, 0},
        {true, false, false, Qt::Key_Return, Qt::NoModifier, QDialog::Accepted, 1},
        {true, false, true, Qt::Key_Return, Qt::NoModifier, std::nullopt, 1},
    };
    for (const auto& c : cases) {
        QDialog dialog;
        auto* button = new TvtButton(QStringLiteral("ОК"), &dialog);
        button->Default = c.isDefault;
        button->Cancel = c.isCancel;
        button->ManualClose = c.manualClose;
        int clicks = 0;
        button->OnClick = [&] { ++clicks; };
        dialog.show();
        QTest::keyClick(&dialog, c.key, c.modifiers);
        EXPECT_EQ(dialog.isVisible(), !c.result) << c.key << " " << c.modifiers;
        if (c.result) {
            EXPECT_EQ(dialog.result(), *c.result) << c.key;
        }
        EXPECT_EQ(clicks, c.clicks) << c.key;
    }
}

TEST(Button, MouseClickClosesTheDialogUnlessManual) {
    QDialog dialog;
    auto* button = new TvtButton(QStringLiteral("OK"), &dialog);
    button->Cancel = true;
    dialog.show();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    button->ManualClose = true;
    dialog.setResult(QDialog::Accepted); // what a rejecting click would change
    dialog.show();
    bool clicked = false;
    button->OnClick = [&] { clicked = true; };
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(Button, FaceAndOutlineFollowDefaultAndHover) {
    TvtButton button;
    EXPECT_EQ(button.size(), QSize(73, 21));
    EXPECT_EQ(button.cursor().shape(), Qt::PointingHandCursor);
    struct {
        bool isDefault, hover;
        QColor face, outline;
    } const cases[] = {
        {false, false, QColor(0xC0, 0xC0, 0xC0), QColor(0x59, 0x59, 0x59)},
        {true, false, QColor(0xAE, 0xAE, 0xAE), QColor(0x59, 0x59, 0x59)},
        {false, true, QColor(0xA0, 0xA0, 0xA0), QColor(Qt::black)},
        {true, true, QColor(0x8E, 0x8E, 0x8E), QColor(Qt::black)},
    };
    for (const auto& c : cases) {
        button.Default = c.isDefault;
        c.hover ? Enter(button) : Leave(button);
        const QImage shot = Render(button);
        EXPECT_EQ(shot.pixelColor(36, 10), c.face);
        EXPECT_EQ(shot.pixelColor(36, 0), c.outline);
        EXPECT_EQ(shot.pixelColor(36, 20), c.outline);
        EXPECT_EQ(shot.pixelColor(0, 10), c.outline);
        EXPECT_EQ(shot.pixelColor(72, 10), c.outline);
    }
}

TEST(Narw, LinesOutlinesAndBars) {
    struct {
        QSize size;
        TNarwStyle style;
        // Whether a pixel is painted.
        bool (*painted)(int x, int y, int w, int h);
    } const cases[] = {
        {{770, 1}, nsLine, [](int, int, int, int) { return true; }},
        {{1, 30}, nsLine, [](int, int, int, int) { return true; }},
        {{10, 10},
         nsLine,
         [](int x, int y, int w, int h) { return x == 0 || y == 0 || x == w - 1 || y == h - 1; }},
        {{2, 2}, nsLine, [](int, int, int, int) { return true; }},
        {{10, 6}, nsFill, [](int, int, int, int) { return true; }},
        {{10, 6}, nsSpace, [](int, int, int, int) { return false; }},
        {{770, 1}, nsSpace, [](int, int, int, int) { return false; }},
    };
    for (const auto& c : cases) {
        TvtNarw narw;
        EXPECT_EQ(narw.Color(), QColor(Qt::black));
        narw.resize(c.size);
        narw.SetStyle(c.style);
        narw.SetColor(Qt::blue);
        const QImage shot = Render(narw);
        for (int y = 0; y < c.size.height(); ++y) {
            for (int x = 0; x < c.size.width(); ++x) {
                const QColor expected =
                    c.painted(x, y, c.size.width(), c.size.height()) ? Qt::blue : Qt::magenta;
                ASSERT_EQ(shot.pixelColor(x, y), expected)
                    << c.size.width() << "x" << c.size.height() << " at " << x << "," << y;
            }
        }
    }
}

TEST(GyperLabel, UnderlinesUnderTheMouseAndClicks) {
    TvtGyperLabel label(QStringLiteral("Выход"));
    QFont bold = label.font();
    bold.setBold(true);
    label.setFont(bold);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    Enter(label);
    EXPECT_TRUE(label.font().underline());
    EXPECT_FALSE(label.font().bold());
    Leave(label);
    EXPECT_FALSE(label.font().underline());
    int clicks = 0;
    label.OnClick = [&] { ++clicks; };
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(2, 900)); // released outside
    EXPECT_EQ(clicks, 1);
}
