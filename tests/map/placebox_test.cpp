#include "map/placebox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A place box set up like the main window's map view.
struct TMapBox {
    TvtPlaceBox box;
    int scrolls = 0;

    explicit TMapBox(QSize client = QSize(537, 369)) {
        box.resize(client);
        box.Initialize(280, 280, 25, 25);
        box.OnScroll = [this] { ++scrolls; };
    }

    // Shows the box and lets its first paint pass.
    bool Show() {
        box.show();
        const bool exposed = QTest::qWaitForWindowExposed(&box);
        QTest::qWait(20);
        return exposed;
    }
};

// Records what a paint asks of the owner.
struct TPaintLog {
    std::vector<QRect> backgrounds;
    std::vector<QPoint> cells;

    void Attach(TvtPlaceBox& box) {
        box.OnPaintBackground = [this](const QRect& r) { backgrounds.push_back(r); };
        box.OnPaintCell = [this](int c, int r) { cells.emplace_back(c, r); };
    }
    void Clear() {
        backgrounds.clear();
        cells.clear();
    }
};

} // namespace

TEST(PlaceBox, OriginStaysInsideTheWorld) {
    struct {
        QSize client;
        QPoint asked;
        QPoint expected;
    } const cases[] = {
        {{537, 369}, {9999, -5}, {6463, 0}},
        {{537, 369}, {6463, 6631}, {6463, 6631}},
        {{537, 369}, {6464, 6632}, {6463, 6631}},
        {{537, 369}, {-100, 3000}, {0, 3000}},
        {{537, 369}, {INT32_MAX, INT32_MIN}, {6463, 0}},
        {{8000, 7500}, {300, 200}, {0, 0}},
    };
    for (const auto& c : cases) {
        TMapBox map(c.client);
        map.box.SetScreen(c.asked.x(), c.asked.y());
        EXPECT_EQ(map.box.Screen(), c.expected) << c.asked.x() << "," << c.asked.y();
    }
}

TEST(PlaceBox, ScrollEventOnlyWhenTheOriginMoves) {
    TMapBox map;
    map.box.SetScreen(100, 100);
    EXPECT_EQ(map.scrolls, 1);
    map.box.SetScreen(100, 100);
    map.box.UpdateRange();
    EXPECT_EQ(map.scrolls, 1);
    map.box.SetScreen(-5, -5);
    map.box.SetScreen(0, 0);
    EXPECT_EQ(map.scrolls, 2);
}

TEST(PlaceBox, CentringAndShowingRectangles) {
    TMapBox map;
    map.box.CenterPoint(3500, 3500);
    EXPECT_EQ(map.box.Screen(), QPoint(3232, 3316));
    EXPECT_EQ(map.box.ScreenRect(), QRect(3232, 3316, 537, 369));
    EXPECT_EQ(map.box.RangeRect(), QRect(0, 0, 7000, 7000));

    struct {
        QPoint from;
        QRect shown;
        QPoint expected;
    } const cases[] = {
        {{0, 0}, {250, 250, 25, 25}, {0, 0}},           // already in view
        {{300, 0}, {250, 250, 25, 25}, {250, 0}},       // left of the view
        {{0, 300}, {250, 250, 25, 25}, {0, 250}},       // above the view
        {{0, 0}, {1000, 500, 25, 25}, {488, 156}},      // right of and below the view
        {{0, 0}, {6975, 6975, 25, 25}, {6463, 6631}},   // the last cell
        {{100, 100}, {100, 100, 537, 369}, {100, 100}}, // exactly the view
    };
    for (const auto& c : cases) {
        map.box.SetScreen(c.from.x(), c.from.y());
        map.box.ShowRect(c.shown);
        EXPECT_EQ(map.box.Screen(), c.expected) << c.shown.x() << "," << c.shown.y();
    }
}

TEST(PlaceBox, PaintsExactlyTheCellsTheRectangleTouchesColumnByColumn) {
    TMapBox map;
    map.box.Initialize(10, 10, 25, 25);
    TPaintLog log;
    log.Attach(map.box);
    struct {
        QRect world;
        std::vector<QPoint> cells;
    } const cases[] = {
        {{30, 0, 21, 26}, {{1, 0}, {1, 1}, {2, 0}, {2, 1}}},
        {{50, 50, 25, 25}, {{2, 2}}},
        {{0, 0, 1, 1}, {{0, 0}}},
        {{240, 240, 100, 100}, {{9, 9}}}, // cut at the grid's end
        {{-60, -60, 50, 50}, {}},         // wholly before the grid
        {{300, 0, 25, 25}, {}},           // wholly after it
    };
    QImage target(10, 10, QImage::Format_RGB32);
    for (const auto& c : cases) {
        log.Clear();
        QPainter painter(&target);
        map.box.DestPaint(painter, c.world);
        EXPECT_EQ(log.cells, c.cells) << c.world.x() << "," << c.world.y();
        ASSERT_EQ(log.backgrounds.size(), 1u);
        EXPECT_EQ(log.backgrounds[0], c.world);
        EXPECT_EQ(map.box.DestCanvas(), nullptr);
    }
}

TEST(PlaceBox, RepaintsAChangedCellInWorldPixels) {
    TMapBox map(QSize(200, 150));
    map.box.SetScreen(10, 10);
    ASSERT_TRUE(map.Show());
    TPaintLog log;
    log.Attach(map.box);
    map.box.UpdateCell(3, 4);
    QTest::qWait(20);
    ASSERT_EQ(log.backgrounds.size(), 1u);
    EXPECT_EQ(log.backgrounds[0], QRect(75, 100, 25, 25));
    EXPECT_EQ(log.cells, std::vector<QPoint>{QPoint(3, 4)});
}

TEST(PlaceBox, ScrollingRepaintsOnlyTheUncoveredStrip) {
    TMapBox map(QSize(200, 100));
    ASSERT_TRUE(map.Show());
    TPaintLog log;
    log.Attach(map.box);
    // Focus changes show nothing on the view and repaint nothing.
    QApplication::setActiveWindow(&map.box);
    map.box.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return map.box.hasFocus(); }));
    map.box.clearFocus();
    QTest::qWait(20);
    EXPECT_TRUE(log.backgrounds.empty());
    map.box.SetScreen(12, 0);
    QTest::qWait(20);
    ASSERT_EQ(log.backgrounds.size(), 1u);
    EXPECT_EQ(log.backgrounds[0], QRect(200, 0, 12, 100));
    // Columns 8 (pixels 200..224) only: the rest of the view was moved.
    for (const QPoint& cell : log.cells) {
        EXPECT_EQ(cell.x(), 8);
    }
}

TEST(PlaceBox, MouseEventsCarryWorldPixels) {
    TMapBox map(QSize(300, 300));
    map.box.SetScreen(100, 200);
    QPoint down, moved, up;
    map.box.OnMouseDown = [&](Qt::MouseButton, Qt::KeyboardModifiers, QPoint p) { down = p; };
    map.box.OnMouseMove = [&](Qt::MouseButtons, Qt::KeyboardModifiers, QPoint p) { moved = p; };
    map.box.OnMouseUp = [&](Qt::MouseButton, Qt::KeyboardModifiers, QPoint p) { up = p; };
    ASSERT_TRUE(map.Show());
    QTest::mousePress(&map.box, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(&map.box, QPoint(20, 30));
    QTest::mouseRelease(&map.box, Qt::LeftButton, {}, QPoint(40, 50));
    EXPECT_EQ(down, QPoint(110, 210));
    EXPECT_EQ(moved, QPoint(120, 230));
    EXPECT_EQ(up, QPoint(140, 250));
    EXPECT_FALSE(map.box.Dragging());
}

namespace {

// Sees the keys that the place box leaves unused.
class TKeyParent : public QWidget {
public:
    explicit TKeyParent(int key) : key_(key) {}
    int passedOn = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override { passedOn += event->key() == key_; }

private:
    int key_;
};

} // namespace

TEST(PlaceBox, CtrlArrowsScrollByTheInterval) {
    struct {
        int interval;
        QPoint from;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QPoint expected;
        int scrolls;
        bool consumed;
    } const cases[] = {
        {12, {5, 0}, Qt::Key_Left, Qt::ControlModifier, {0, 0}, 1, true},
        {12, {0, 0}, Qt::Key_Left, Qt::ControlModifier, {0, 0}, 0, true},
        {12, {100, 100}, Qt::Key_Up, Qt::ControlModifier, {100, 88}, 1, true},
        {12, {100, 100}, Qt::Key_Right, Qt::ControlModifier, {112, 100}, 1, true},
        {12, {100, 100}, Qt::Key_Down, Qt::ControlModifier, {100, 112}, 1, true},
        {12, {100, 100}, Qt::Key_Down, Qt::NoModifier, {100, 100}, 0, false},
        {12, {100, 100}, Qt::Key_N, Qt::ControlModifier, {100, 100}, 0, false},
        {0, {100, 100}, Qt::Key_Down, Qt::ControlModifier, {100, 100}, 0, false},
    };
    for (const auto& c : cases) {
        TKeyParent parent(c.key);
        parent.resize(600, 400);
        auto* box = new TvtPlaceBox(&parent);
        box->resize(537, 369);
        box->Initialize(280, 280, 25, 25);
        box->ArrowsDragInterval = c.interval;
        box->SetScreen(c.from.x(), c.from.y());
        int scrolls = 0;
        int keysSeen = 0;
        box->OnScroll = [&] { ++scrolls; };
        box->OnKeyDown = [&](QKeyEvent& e) { keysSeen += e.key() == c.key; };
        QTest::keyClick(box, c.key, c.modifiers);
        EXPECT_EQ(box->Screen(), c.expected) << c.key;
        EXPECT_EQ(scrolls, c.scrolls) << c.key;
        EXPECT_EQ(keysSeen, 1);
        EXPECT_EQ(parent.passedOn, c.consumed ? 0 : 1) << c.key;
    }
}

TEST(PlaceBox, RightDragPullsTheMapAndHidesTheCursorWhetherOrNotThePointerMovesBack) {
    for (const bool pointerMoves : {true, false}) {
        SCOPED_TRACE(pointerMoves);
        TMapBox map(QSize(300, 300));
        map.box.MouseDrag = true;
        map.box.SetScreen(1000, 1000);
        if (!pointerMoves)
            map.box.MovePointer = [](QPoint) { return false; };
        ASSERT_TRUE(map.Show());

        QTest::mousePress(&map.box, Qt::LeftButton, {}, QPoint(100, 100));
        EXPECT_FALSE(map.box.Dragging());
        QTest::mouseRelease(&map.box, Qt::LeftButton, {}, QPoint(100, 100));

        QTest::mousePress(&map.box, Qt::RightButton, {}, QPoint(100, 100));
        ASSERT_TRUE(map.box.Dragging());
        EXPECT_EQ(map.box.cursor().shape(), Qt::BlankCursor);
        TPaintLog log;
        log.Attach(map.box);
        // The hand moves 10 right and 5 down, then 20 left and 5 up; where
        // the pointer was put back, it starts each move from there.
        const QPoint hand = pointerMoves ? QPoint(100, 100) : QPoint(110, 105);
        QTest::mouseMove(&map.box, QPoint(110, 105));
        EXPECT_EQ(map.box.Screen(), QPoint(990, 995));
        // The uncovered strips are painted during the move itself.
        EXPECT_FALSE(log.backgrounds.empty());
        QTest::mouseMove(&map.box, hand + QPoint(-20, -5));
        EXPECT_EQ(map.box.Screen(), QPoint(1010, 1000));
        QTest::mouseRelease(&map.box, Qt::RightButton, {}, hand + QPoint(-20, -5));
        EXPECT_FALSE(map.box.Dragging());
        EXPECT_EQ(map.box.cursor().shape(), Qt::ArrowCursor);

        map.box.MouseDrag = false;
        QTest::mousePress(&map.box, Qt::RightButton, {}, QPoint(50, 50));
        EXPECT_FALSE(map.box.Dragging());
        QTest::mouseRelease(&map.box, Qt::RightButton, {}, QPoint(50, 50));
    }
}

TEST(PlaceBox, OddGridsNeverDivideByZero) {
    TMapBox map;
    map.box.Initialize(0, -3, 0, -7);
    EXPECT_EQ(map.box.CellWidth(), 1);
    EXPECT_EQ(map.box.Cols(), 0);
    EXPECT_EQ(map.box.Screen(), QPoint(0, 0));
    TPaintLog log;
    log.Attach(map.box);
    QImage target(10, 10, QImage::Format_RGB32);
    QPainter painter(&target);
    map.box.DestPaint(painter, QRect(0, 0, 100, 100));
    EXPECT_TRUE(log.cells.empty());
}

// At every zoom a press on a cell's centre or near its corners reaches that
// cell, and a zoom about a point keeps the world under it.
TEST(PlaceBox, EveryZoomFindsTheCellUnderThePointerAndZoomsAboutIt) {
    TMapBox m;
    QPoint pressed;
    m.box.OnMouseDown = [&pressed](Qt::MouseButton, Qt::KeyboardModifiers, QPoint world) {
        pressed = world;
    };
    for (const double zoom : TvtPlaceBox::ZoomLevels) {
        SCOPED_TRACE(zoom);
        m.box.SetZoom(zoom, QPointF(100, 100));
        m.box.SetScreen(1940, 2951);
        const QPoint origin = m.box.DeviceOrigin();
        // A cell takes whole pixels of the view at every level.
        const int size = static_cast<int>(std::lround(25 * zoom));
        for (const QPoint cell : {QPoint(80, 120), QPoint(84, 123)}) {
            const QPoint corner = cell * size - origin;
            for (const QPoint inside :
                 {QPoint(size / 2, size / 2), QPoint(0, 0), QPoint(size - 1, size - 1)}) {
                QTest::mousePress(&m.box, Qt::LeftButton, {}, corner + inside);
                QTest::mouseRelease(&m.box, Qt::LeftButton, {}, corner + inside);
                EXPECT_EQ(QPoint(pressed.x() / 25, pressed.y() / 25), cell) << inside.x();
            }
        }
        const QPointF anchor(300, 200);
        const QPointF before = m.box.ToWorld(anchor);
        m.box.StepZoom(zoom < 1 ? 1 : -1, anchor);
        EXPECT_NEAR(m.box.ToWorld(anchor).x(), before.x(), 1 / m.box.Zoom() + 1);
        EXPECT_NEAR(m.box.ToWorld(anchor).y(), before.y(), 1 / m.box.Zoom() + 1);
    }
    // The wheel zooms a level a notch; with Shift it scrolls sideways; a
    // pinch zooms by its own measure.
    m.box.SetZoom(1, {});
    m.box.SetScreen(2000, 2000);
    const auto turn = [&m](QPoint angle, Qt::KeyboardModifiers held) {
        QWheelEvent wheel(QPointF(10, 10), m.box.mapToGlobal(QPointF(10, 10)), QPoint(), angle,
                          Qt::NoButton, held, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&m.box, &wheel);
    };
    turn(QPoint(0, 120), Qt::NoModifier);
    EXPECT_DOUBLE_EQ(m.box.Zoom(), 1.2);
    turn(QPoint(0, -240), Qt::NoModifier);
    EXPECT_DOUBLE_EQ(m.box.Zoom(), 0.8);
    const QPoint before = m.box.Screen();
    turn(QPoint(0, -120), Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(m.box.Zoom(), 0.8);
    EXPECT_GT(m.box.Screen().x(), before.x());
    EXPECT_EQ(m.box.Screen().y(), before.y());
    QNativeGestureEvent pinch(Qt::ZoomNativeGesture, QPointingDevice::primaryPointingDevice(), 2,
                              QPointF(10, 10), QPointF(10, 10), QPointF(10, 10), 0.5, QPointF());
    QApplication::sendEvent(&m.box, &pinch);
    EXPECT_DOUBLE_EQ(m.box.Zoom(), 1.2);

    // What the selection, the journal's jump and find-weakest bring into
    // view comes into view at any zoom.
    for (const double zoom : {0.32, 2.0}) {
        m.box.SetZoom(zoom, {});
        m.box.SetScreen(0, 0);
        const QRect far(6000, 5000, 25, 25);
        m.box.ShowRect(far);
        EXPECT_TRUE(m.box.ScreenRect().contains(far)) << zoom;
        m.box.CenterPoint(3000, 3000);
        EXPECT_LE((m.box.ScreenRect().center() - QPoint(3000, 3000)).manhattanLength(), 2) << zoom;
    }

    m.box.resize(1000, 1000);
    m.box.SetZoom(0.12, QPointF());
    EXPECT_LT(m.box.Screen().x(), 0) << "a world smaller than the view stands in its middle";
}
