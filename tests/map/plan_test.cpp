#include "map/placebox.h"
#include "map/plan.h"

#include <QPainter>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The main window's sizes: a 7000-pixel world in a 537 x 369 view, and a
// 210 x 210 plan.
struct TOverview {
    TvtPlaceBox box;
    TvtPlan plan;

    TOverview() {
        box.resize(537, 369);
        box.Initialize(280, 280, 25, 25);
        plan.resize(210, 210);
        plan.SetScreenColor(QColor(0, 0, 128));
        plan.SetPlaceBox(&box);
    }
};

QRect Corners(int l, int t, int r, int b) {
    return QRect(QPoint(l, t), QPoint(r, b));
}

} // namespace

TEST(Plan, FollowsThePlaceBoxAtScale) {
    TOverview o;
    EXPECT_EQ(o.plan.ScreenRectOnPlan(), Corners(0, 0, 0, 0));
    o.box.SetScreen(2500, 1000);
    EXPECT_EQ(o.plan.ScreenRectOnPlan(), Corners(75, 30, 91, 41));
    o.box.SetScreen(9999, 9999);
    EXPECT_EQ(o.plan.ScreenRectOnPlan(), Corners(193, 198, 209, 209));
    EXPECT_EQ(o.plan.WorldToPlan(QPoint(101 * 25, 7 * 25)), QPoint(75, 5));
}

// A resized view keeps its centre, a zoomed one the point it zooms about,
// and the plan's frame shows what the view shows.
TEST(Plan, FollowsAResizeAndAZoomOfTheView) {
    TOverview o;
    o.box.SetScreen(2500, 1000);
    o.box.show();
    o.box.resize(1000, 700);
    QTest::qWait(1);
    EXPECT_EQ(o.box.Screen(), QPoint(2500 - 231, 1000 - 165));
    EXPECT_EQ(o.plan.ScreenRectOnPlan(), Corners(68, 25, 98, 46));
    o.box.SetZoom(0.5, QPointF(500, 350));
    EXPECT_EQ(o.box.ScreenRect(), QRect(2269 + 500 - 1000, 835 + 350 - 700, 2000, 1400));
    EXPECT_EQ(o.plan.ScreenRectOnPlan(), Corners(53, 14, 113, 56));
}

TEST(Plan, PressingCentresThePlaceBox) {
    struct {
        QPoint press;
        QPoint origin;
    } const cases[] = {
        {{105, 105}, {3232, 3316}},
        {{1, 1}, {0, 0}},
        {{209, 209}, {6463, 6631}},
        {{3, 200}, {0, 6482}},
    };
    for (const auto& c : cases) {
        TOverview o;
        o.plan.show();
        QTest::mousePress(&o.plan, Qt::LeftButton, {}, c.press);
        EXPECT_EQ(o.box.Screen(), c.origin) << c.press.x() << "," << c.press.y();
        QTest::mouseRelease(&o.plan, Qt::LeftButton, {}, c.press);
    }
}

TEST(Plan, DraggingKeepsCentringUntilRelease) {
    TOverview o;
    o.plan.show();
    QTest::mousePress(&o.plan, Qt::RightButton, {}, QPoint(105, 105));
    QTest::mouseMove(&o.plan, QPoint(60, 90));
    EXPECT_EQ(o.box.Screen(), QPoint(2000 - 268, 3000 - 184));
    // Outside the plan the point is held at its edge.
    QTest::mouseMove(&o.plan, QPoint(-40, 90));
    EXPECT_EQ(o.box.Screen(), QPoint(0, 3000 - 184));
    QTest::mouseRelease(&o.plan, Qt::RightButton, {}, QPoint(-40, 90));
    QTest::mouseMove(&o.plan, QPoint(105, 105));
    EXPECT_EQ(o.box.Screen(), QPoint(0, 3000 - 184));
}

TEST(Plan, WithoutPlaceBoxShowsOnlyTheBackgroundAndIgnoresTheMouse) {
    TvtPlan plan;
    plan.resize(50, 40);
    plan.SetColor(QColor(192, 220, 192));
    bool painted = false;
    plan.OnPaint = [&](QPainter&) { painted = true; };
    plan.show();
    QTest::mousePress(&plan, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&plan, Qt::LeftButton, {}, QPoint(10, 10));
    const QImage shot = plan.grab().toImage();
    EXPECT_FALSE(painted);
    EXPECT_EQ(shot.pixelColor(20, 20), QColor(192, 220, 192));
    EXPECT_EQ(plan.Background().size(), QSize(50, 40));
}

// The owner's picture stays until the colour or the size changes; then the
// plan is the empty frame in the colour of the moment.
TEST(Plan, ANewColourOrSizeClearsThePictureToTheEmptyFrame) {
    TvtPlan plan;
    plan.resize(50, 40);
    plan.SetColor(Qt::blue);
    EXPECT_EQ(plan.Background().pixelColor(20, 20), QColor(Qt::blue));
    int frameDots = 0;
    for (int x = 0; x < 50; ++x)
        frameDots += plan.Background().pixelColor(x, 0) == QColor(Qt::cyan) ? 1 : 0;
    EXPECT_GT(frameDots, 10); // the dotted frame
    const struct {
        const char* change;
        std::function<void()> apply;
        QColor centre;
    } cases[] = {
        {"same colour", [&] { plan.SetColor(Qt::blue); }, Qt::red},
        {"new colour", [&] { plan.SetColor(Qt::green); }, Qt::green},
        {"two colours",
         [&] {
             plan.SetColor(Qt::white);
             plan.SetColor(Qt::yellow);
         },
         Qt::yellow},
        {"new size", [&] { plan.resize(60, 40); }, Qt::yellow},
        {"screen colour", [&] { plan.SetScreenColor(Qt::black); }, Qt::red},
    };
    for (const auto& c : cases) {
        plan.Background().fill(Qt::red);
        c.apply();
        EXPECT_EQ(plan.Background().pixelColor(20, 20), c.centre) << c.change;
        EXPECT_EQ(plan.Background().size(), plan.size()) << c.change;
    }
}

// A picture the owner covers whole is of the plan's size and stays as
// painted until the size or the colour changes.
TEST(Plan, APictureToCoverKeepsTheOwnersPaintUntilAChange) {
    TvtPlan plan;
    plan.resize(30, 20);
    plan.SetColor(Qt::blue);
    QImage& picture = plan.BackgroundToCover();
    EXPECT_EQ(picture.size(), QSize(30, 20));
    picture.fill(Qt::red);
    EXPECT_EQ(plan.Background().pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(&plan.Background(), &picture);
    plan.resize(40, 20);
    EXPECT_EQ(plan.BackgroundToCover().size(), QSize(40, 20));
    plan.BackgroundToCover().fill(Qt::red);
    plan.SetColor(Qt::green);
    EXPECT_EQ(plan.Background().pixelColor(20, 10), QColor(Qt::green));
}

TEST(Plan, DrawsFourCornerMarksAndTheOwnersMarks) {
    TOverview o;
    o.plan.Background().fill(Qt::white);
    o.plan.OnPaint = [](QPainter& p) { p.fillRect(QRect(150, 150, 4, 4), Qt::red); };
    o.box.SetScreen(2500, 1000);
    const QImage shot = o.plan.grab().toImage();
    const QColor navy(0, 0, 128);
    // Each corner: two arms of four pixels from the corner inwards.
    const QPoint marked[] = {{75, 30}, {78, 30}, {75, 33}, {88, 30}, {91, 30}, {91, 33},
                             {91, 41}, {88, 41}, {91, 38}, {75, 41}, {78, 41}, {75, 38}};
    for (const QPoint& p : marked) {
        EXPECT_EQ(shot.pixelColor(p), navy) << p.x() << "," << p.y();
    }
    const QPoint open[] = {{79, 30}, {75, 34}, {87, 30}, {91, 34}, {83, 41}, {75, 37}, {83, 35}};
    for (const QPoint& p : open) {
        EXPECT_EQ(shot.pixelColor(p), QColor(Qt::white)) << p.x() << "," << p.y();
    }
    EXPECT_EQ(shot.pixelColor(151, 151), QColor(Qt::red));

    o.plan.SetScreenColor(Qt::green);
    EXPECT_EQ(o.plan.grab().toImage().pixelColor(75, 30), QColor(Qt::green));
}

TEST(Plan, OutlivesOrPrecedesItsPlaceBox) {
    auto box = std::make_unique<TvtPlaceBox>();
    {
        TvtPlan plan;
        plan.SetPlaceBox(box.get());
        ASSERT_TRUE(static_cast<bool>(box->OnScroll));
    }
    EXPECT_FALSE(static_cast<bool>(box->OnScroll));
    box->SetScreen(10, 10);

    TvtPlan plan;
    plan.SetPlaceBox(box.get());
    box.reset();
    EXPECT_EQ(plan.PlaceBox(), nullptr);
    QTest::mousePress(&plan, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&plan, Qt::LeftButton, {}, QPoint(10, 10));
}
