// Shapes: reading, binding, bounds, painted pixels, hit tests and editing.
#include "scene/gdi.h"
#include "scene/wall.h"

#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr QRgb Background = 0xFFFFFFFF;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Blue = 0xFF0000FF;

QImage Paint(const TWall& wall, int width = 80, int height = 80, TPaintMode mode = pmNormal) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Background);
    QPainter painter(&image);
    wall.PaintSprites(wall.Sprites, painter, std::nullopt, mode);
    return image;
}

// The pixels of one row from x0 to x1 as colour letters: r, b, . (background)
// and ? for anything else.
std::string Row(const QImage& image, int y, int x0, int x1) {
    std::string row;
    for (int x = x0; x <= x1; ++x) {
        const QRgb c = image.pixel(x, y);
        row += c == Red ? 'r' : c == Blue ? 'b' : c == Background ? '.' : '?';
    }
    return row;
}

const char* Styles = "<BRUSH name=rb fill=red line=blue><BRUSH name=r fill=red>"
                     "<BRUSH name=wide fill=red line=blue size=3><BRUSH name=b line=blue>";

std::unique_ptr<TWall> Scene(const QString& shapes, int32_t zoom = 100) {
    auto wall = std::make_unique<TWall>();
    wall->ParseText(QString::fromUtf8(Styles) + shapes);
    wall->SetZoom(zoom);
    return wall;
}

TEST(SpritePixels, RectanglesAtZoom100And3) {
    struct TCase {
        const char* Shape;
        int32_t Zoom;
        int Y;
        int X0, X1;
        const char* Pixels;
    };
    const TCase cases[] = {
        // Outline on the first and last column, right column excluded.
        {"<RECT left=10 top=10 width=10 height=10 brush=rb>", 100, 15, 9, 20, ".brrrrrrrrb."},
        {"<RECT left=10 top=10 width=10 height=10 brush=rb>", 100, 10, 9, 20, ".bbbbbbbbbb."},
        {"<RECT left=10 top=10 width=10 height=10 brush=rb>", 100, 20, 9, 20, "............"},
        // Without an outline the fill is one pixel smaller.
        {"<RECT left=10 top=10 width=10 height=10 brush=r>", 100, 15, 9, 20, ".rrrrrrrrr.."},
        // A wide line lies inside the frame.
        {"<RECT left=10 top=10 width=10 height=10 brush=wide>", 100, 15, 9, 20, ".bbbrrrrbbb."},
        {"<RECT left=100 top=100 width=100 height=100 brush=rb>", 3, 4, 2, 6, ".brb."},
        {"<RECT left=100 top=100 width=100 height=100 brush=wide>", 3, 4, 2, 6, ".brb."},
        {"<RECT left=100 top=100 width=40 height=100 brush=rb>", 3, 4, 2, 4, ".b."},
        {"<RECT left=100 top=100 width=30 height=100 brush=rb>", 3, 4, 2, 4, "..."},
        // Rounded corners cut the corner pixel; at zoom 3 the corners are square.
        {"<RECT left=10 top=10 width=20 height=20 round=10 brush=rb>", 100, 10, 10, 10, "."},
        {"<RECT left=100 top=100 width=100 height=100 round=10 brush=rb>", 3, 3, 3, 3, "b"},
        {"<CIRCLE left=10 top=10 width=21 height=21 brush=rb>", 100, 20, 9, 31,
         ".brrrrrrrrrrrrrrrrrrrb."},
        {"<CIRCLE left=10 top=10 width=21 height=21 brush=rb>", 100, 10, 10, 12, "..."},
        {"<CIRCLE left=100 top=100 width=100 height=100 brush=rb>", 3, 4, 2, 6, ".brb."},
        // Default brush: white fill, black line; only the line shows as "?".
        {"<CIRCLE left=10 top=10 width=21 height=21>", 100, 20, 9, 11, ".?."},
        {"<PLACE brush=r points=10:10,+10:+0,+0:+10,-10:+0>", 100, 15, 9, 21, ".rrrrrrrrrr.."},
        {"<PLACE brush=rb points=10:10,+10:+0,+0:+10,-10:+0>", 100, 15, 9, 21, ".brrrrrrrrrb."},
        {"<PLACE brush=rb points=100:100,+100:+0,+0:+100,-100:+0>", 3, 4, 2, 7, ".brrb."},
        // A five-pointed star keeps its centre empty under the alternate rule.
        {"<PLACE brush=r points=40:10,58:66,10:30,70:30,22:66>", 100, 38, 40, 40, "."},
        {"<PLACE brush=r points=40:10,58:66,10:30,70:30,22:66>", 100, 20, 40, 40, "r"},
        {"<LINE brush=b points=10:10,30:10>", 100, 10, 11, 29, "bbbbbbbbbbbbbbbbbbb"},
        {"<LINE brush=b points=10:10,30:10>", 100, 11, 11, 29, "..................."},
        {"<LINE brush=b points=100:100,1000:100>", 3, 3, 4, 29, "bbbbbbbbbbbbbbbbbbbbbbbbbb"},
        {"<LINE brush=r points=10:10,30:10>", 100, 10, 11, 29, "..................."},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Shape + std::string(" at zoom ") + std::to_string(c.Zoom));
        const auto wall = Scene(QString::fromUtf8(c.Shape), c.Zoom);
        EXPECT_EQ(Row(Paint(*wall), c.Y, c.X0, c.X1), c.Pixels);
    }
}

TEST(SpritePixels, OutlineModeUsesThePaintersOwnStyle) {
    const auto wall = Scene("<RECT left=10 top=10 width=10 height=10 brush=rb>"
                            "<TEXT left=30 top=10 width=10 height=10 value=x>");
    QImage image(50, 30, QImage::Format_RGB32);
    image.fill(Background);
    QPainter painter(&image);
    painter.setPen(QPen(QColor(Red), 0));
    painter.setBrush(Qt::NoBrush);
    wall->PaintSprites(wall->Sprites, painter, std::nullopt, pmOutline);
    painter.end();
    EXPECT_EQ(Row(image, 15, 9, 20), ".r........r.");
    EXPECT_EQ(Row(image, 15, 29, 40), ".r........r.");
}

TEST(SpritePixels, TextIsMeasuredDrawnAndWrapped) {
    const auto wall = Scene("<FONT name=f face=\"Liberation Sans\" size=12 color=red>"
                            "<TEXT left=10 top=10 font=f value=\"Ab Cd\">"
                            "<TEXT left=10 top=40 width=1 font=f value=\"Ab Cd\">"
                            "<TEXT left=10 top=60 width=30 height=60 font=f value=\"Ab Cd\">"
                            "<TEXT>");
    const auto* text = static_cast<TTextSprite*>(wall->Sprite(0));
    const QFontMetrics metrics(text->Font->FontHandle);
    const QRect oneLine = metrics.boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, "Ab Cd");
    EXPECT_EQ(text->Width(), oneLine.width());
    EXPECT_EQ(text->Height(), oneLine.height());
    // A width without a height still sizes itself and does not wrap.
    EXPECT_TRUE(wall->Sprite(1)->Style.Has(ssAutoSize));
    EXPECT_EQ(wall->Sprite(1)->Width(), oneLine.width());
    EXPECT_FALSE(wall->Sprite(2)->Style.Has(ssAutoSize));
    // A text with neither name nor value shows its generated name.
    EXPECT_EQ(static_cast<TTextSprite*>(wall->Sprite(3))->Value, "TEXT04");

    const QImage image = Paint(*wall, 120, 140);
    auto redIn = [&](const QRect& area) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (area.contains(x, y) && qRed(image.pixel(x, y)) > 200 &&
                    qGreen(image.pixel(x, y)) < 100)
                    ++count;
        return count;
    };
    EXPECT_GT(redIn(wall->Sprite(0)->ScreenRect()), 0);
    // The fixed-size text wraps its second word onto a second line.
    const QRect fixed = wall->Sprite(2)->ScreenRect();
    const int lineHeight = metrics.height();
    EXPECT_GT(redIn(QRect(fixed.left(), fixed.top() + lineHeight, 30, lineHeight)), 0);
    EXPECT_EQ(redIn(QRect(0, 0, 120, 140)), redIn(wall->Sprite(0)->ScreenRect()) +
                                                redIn(wall->Sprite(1)->ScreenRect()) +
                                                redIn(fixed));

    // At zoom 3 the text is measured again with its one-point font.
    const int32_t width = text->Width();
    wall->SetZoom(3);
    EXPECT_NE(text->Width(), width);
    wall->SetZoom(100);
    EXPECT_EQ(text->Width(), width);
}

TEST(SpritePixels, TextIsMeasuredWhenItsSizeIsRead) {
    const auto wall = Scene("<FONT name=f face=\"Liberation Sans\" size=12>"
                            "<TEXT left=10 top=10 font=f>");
    auto* text = static_cast<TTextSprite*>(wall->Sprite(0));
    const QFontMetrics metrics(text->Font->FontHandle);
    const auto measured = [&](const QString& value) {
        return metrics.boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, value);
    };
    // The text shows its generated name; a new name is measured when read.
    EXPECT_EQ(text->Width(), measured("TEXT01").width());
    text->SetName("A much longer name");
    EXPECT_EQ(text->Width(), measured("A much longer name").width());
    EXPECT_EQ(wall->SpritesBounds(wall->Sprites).Right,
              10 + measured("A much longer name").width());
    // Setting one edge of a text not measured since its change keeps the
    // other edge as measured.
    text->SetName("W");
    text->SetWidth(7);
    EXPECT_EQ(text->Width(), 7);
    EXPECT_EQ(text->Height(), measured("W").height());
    // A style change is measured too.
    text->Font->SetZoom(300);
    text->StyleChanged(text->Font);
    EXPECT_GT(text->Width(), measured("W").width());
}

QString WriteBmp(const QString& folder, const QString& name) {
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Red);
    image.setPixel(0, 0, Blue);
    const QString path = folder + u'/' + name;
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
}

TEST(SpritePixels, ImagesLoadSizeAndStretch) {
    QTemporaryDir dir;
    const QString path = WriteBmp(dir.path(), "flag.bmp");
    // A picture that claims to be 9000 pixels wide is not read.
    QByteArray header(54, '\0');
    header[0] = 'B';
    header[1] = 'M';
    auto put32 = [&](int at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            header[at + i] = static_cast<char>(v >> (8 * i) & 0xFF);
    };
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, 9000);
    put32(22, 2);
    header[26] = 1;
    header[28] = 24;
    QFile huge(dir.path() + "/huge.bmp");
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(header);
    huge.close();

    const auto wall = Scene(QStringLiteral("<IMAGE left=10 top=10 src=\"%1\">"
                                           "<IMAGE left=20 top=10 width=8 height=4 src=\"%1\">"
                                           "<IMAGE left=40 top=10 src=\"%2\">"
                                           "<IMAGE left=50 top=10 src=missing.bmp>")
                                .arg(path, dir.path() + "/huge.bmp"));
    const auto* small = static_cast<TImageSprite*>(wall->Sprite(0));
    EXPECT_EQ(small->Width(), 4);
    EXPECT_EQ(small->Height(), 2);
    EXPECT_TRUE(static_cast<TImageSprite*>(wall->Sprite(2))->Bitmap.isNull());
    EXPECT_EQ(wall->Sprite(2)->Width(), 100);
    EXPECT_EQ(wall->Sprite(3)->Width(), 100);
    const QImage image = Paint(*wall, 160, 120);
    EXPECT_EQ(Row(image, 10, 9, 14), ".brrr.");
    EXPECT_EQ(Row(image, 10, 19, 28), ".bbrrrrrr.");
    EXPECT_EQ(Row(image, 13, 19, 28), ".rrrrrrrr.");
    EXPECT_EQ(Row(image, 20, 40, 60), std::string(21, '.'));
    // The written path is kept as written.
    QString written;
    wall->Sprite(3)->WriteProps(written);
    EXPECT_TRUE(written.endsWith(" src=missing.bmp"));
}

// The map view fills a polygon and strokes its wide outline only near what
// it shows; the pixels must be those of the whole polygon, wherever the
// window lies, whatever clip the painter has, however the outline crosses
// the window, with any outline or none.
TEST(SpritePixels, PolygonsNearTheWindowPaintAsTheWholePolygon) {
    QRandomGenerator random(1890);
    for (int round = 0; round < 200; ++round) {
        QPolygon points;
        const int count = 3 + random.bounded(80);
        for (int i = 0; i < count; ++i)
            points.append(QPoint(random.bounded(-50, 650), random.bounded(-50, 650)));
        const int width = 2 + random.bounded(7);
        QPen pen(QColor(Blue), width, Qt::SolidLine, round % 2 ? Qt::RoundCap : Qt::SquareCap,
                 round % 3 ? Qt::RoundJoin : Qt::BevelJoin);
        if (round % 5 == 1)
            pen = QPen(Qt::NoPen);
        else if (round % 5 == 2)
            pen = QPen(QColor(Blue), round % 2);
        else if (round % 5 == 3)
            pen.setJoinStyle(Qt::MiterJoin);
        const QPoint window(random.bounded(-100, 600), random.bounded(-100, 600));
        const QRect clip(random.bounded(0, 100), random.bounded(0, 70), 40, 30);
        QImage expected(120, 90, QImage::Format_RGB32);
        QImage actual(120, 90, QImage::Format_RGB32);
        for (QImage* image : {&expected, &actual}) {
            image->fill(Background);
            QPainter painter(image);
            painter.translate(-window);
            if (round % 4 == 0)
                painter.setClipRect(clip.translated(window));
            painter.setPen(pen);
            painter.setBrush(QColor(Red));
            if (image == &expected)
                painter.drawPolygon(points, Qt::OddEvenFill);
            else
                DrawPolygonShape(painter, points);
        }
        ASSERT_EQ(actual, expected) << "round " << round;
    }
}

// Coasts drawn small, as the overview map draws them: staircases of cell
// corners, where many points repeat the one before or lie on a straight run.
TEST(SpritePixels, SmallStaircasePolygonsPaintAsTheWholePolygon) {
    QRandomGenerator random(1892);
    for (int round = 0; round < 300; ++round) {
        const int zoom = round % 3 == 0 ? 10 : 3;
        QPolygon points;
        QPoint corner(random.bounded(0, 40) * 25, random.bounded(0, 40) * 25);
        const int count = 3 + random.bounded(150);
        for (int i = 0; i < count; ++i) {
            (i % 2 ? corner.rx() : corner.ry()) += 25 * random.bounded(-3, 4);
            points.append(corner * zoom / 100);
        }
        QPen pen(QColor(Blue), 0);
        if (round % 7 == 1)
            pen = QPen(Qt::NoPen);
        else if (round % 7 == 2)
            pen = QPen(QColor(Blue), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        else if (round % 7 == 3)
            pen.setStyle(Qt::DashLine);
        QImage expected(120, 90, QImage::Format_RGB32);
        QImage actual(120, 90, QImage::Format_RGB32);
        for (QImage* image : {&expected, &actual}) {
            image->fill(Background);
            QPainter painter(image);
            painter.setPen(pen);
            painter.setBrush(round % 5 == 4 ? QBrush(Qt::NoBrush) : QBrush(QColor(Red)));
            if (image == &expected)
                painter.drawPolygon(points, Qt::OddEvenFill);
            else
                DrawPolygonShape(painter, points);
        }
        ASSERT_EQ(actual, expected) << "round " << round;
    }
}

// Paints one polygon as the map view paints its shapes: moved, in a paint event.
class TPolygonWidget final : public QWidget {
public:
    QPolygon Points;
    QPen Pen;
    QPoint Window;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.translate(-Window);
        painter.setPen(Pen);
        painter.setBrush(QColor(Red));
        DrawPolygonShape(painter, Points);
    }
};

// A paint event that repaints a strip reaches only the strip; the pixels it
// paints there must be those of the whole polygon, wherever the widget is
// drawn on its surface.
TEST(SpritePixels, PolygonsInAStripRepaintPaintAsTheWholePolygon) {
    QRandomGenerator random(1891);
    TPolygonWidget widget;
    widget.resize(120, 90);
    const QPoint offset(31, 23);
    for (int round = 0; round < 80; ++round) {
        widget.Points.clear();
        const int count = 3 + random.bounded(80);
        for (int i = 0; i < count; ++i)
            widget.Points.append(QPoint(random.bounded(-50, 650), random.bounded(-50, 650)));
        widget.Pen = round % 3 == 0   ? QPen(Qt::NoPen)
                     : round % 3 == 1 ? QPen(QColor(Blue), 0)
                                      : QPen(QColor(Blue), 2 + random.bounded(7), Qt::SolidLine,
                                             Qt::RoundCap, Qt::RoundJoin);
        widget.Window = QPoint(random.bounded(-100, 600), random.bounded(-100, 600));
        const QRect strip = round % 2 ? QRect(random.bounded(0, 108), 0, 12, 90)
                                      : QRect(0, random.bounded(0, 78), 120, 12);
        QImage expected(180, 130, QImage::Format_RGB32);
        QImage actual(180, 130, QImage::Format_RGB32);
        expected.fill(Background);
        actual.fill(Background);
        widget.render(&actual, offset, QRegion(strip), QWidget::RenderFlags());
        // The strip's corner lands on the offset.
        const QPoint shift = offset - strip.topLeft();
        QPainter painter(&expected);
        painter.setClipRect(strip.translated(shift));
        painter.translate(shift - widget.Window);
        painter.setPen(widget.Pen);
        painter.setBrush(QColor(Red));
        painter.drawPolygon(widget.Points, Qt::OddEvenFill);
        painter.end();
        ASSERT_EQ(actual, expected) << "round " << round;
    }
}

TEST(Sprites, ReadBindAndBound) {
    const auto wall = Scene("<RECT brush=label left=5 top=6 width=7 height=8>"
                            "<FONT name=label>"
                            "<PLACE left=50 brush=RB points=100:100,+200:+0,+0:+150,-200:+0>"
                            "<LINE brush=nothing points=10:10>"
                            "<RECT left=99999999999 top=x width=-3>");
    const auto* rect = static_cast<TRectSprite*>(wall->Sprite(0));
    EXPECT_EQ(rect->Brush, &wall->DefaultBrush);
    EXPECT_TRUE(rect->BrushName.isEmpty());
    const auto* place = static_cast<TPolygonSprite*>(wall->Sprite(1));
    EXPECT_EQ(place->Brush, FindByName(wall->Boomers, "rb"));
    EXPECT_EQ(place->Left, 100);
    EXPECT_EQ(place->Top, 100);
    EXPECT_EQ(place->Width(), 201);
    EXPECT_EQ(place->Height(), 151);
    const auto* line = static_cast<TPolylineSprite*>(wall->Sprite(2));
    EXPECT_EQ(line->PointCount(), 1);
    EXPECT_EQ(line->Brush, &wall->DefaultBrush);
    const TSprite* odd = wall->Sprite(3);
    EXPECT_EQ(odd->Left, 0);
    EXPECT_EQ(odd->Top, 0);
    EXPECT_EQ(odd->Width(), -3);

    QString written;
    place->WriteProps(written);
    EXPECT_EQ(written, " name=PLACE01 brush=rb points=100:100,300:100,300:250,100:250");
    written.clear();
    rect->WriteProps(written);
    EXPECT_EQ(written, " name=RECT01 left=5 top=6 width=7 height=8");
    // Default points of the point shapes.
    TWall empty;
    empty.ParseText(QStringLiteral("<PLACE><LINE>"));
    EXPECT_EQ(static_cast<TPolySprite*>(empty.Sprite(0))->Points,
              (std::vector<QPoint>{{0, 0}, {100, 0}, {0, 100}}));
    EXPECT_EQ(static_cast<TPolySprite*>(empty.Sprite(1))->Points,
              (std::vector<QPoint>{{0, 0}, {100, 0}}));
}

TEST(Sprites, ScreenRectsAndMovesStayInRange) {
    const auto wall = Scene("<RECT left=2147483647 top=-2147483648 width=2147483647 height=-5>"
                            "<LINE points=2147483600:10,+100:+0>");
    int l, t, r, b;
    wall->Sprite(0)->ScreenRect(l, t, r, b);
    EXPECT_EQ(r, 2147483647);
    EXPECT_EQ(b, -2147483647 - 1);
    wall->Sprite(0)->MoveBy(10, -10);
    EXPECT_EQ(wall->Sprite(0)->Left, 2147483647);
    const auto* line = static_cast<TPolySprite*>(wall->Sprite(1));
    EXPECT_EQ(line->Points[1].x(), 2147483647);
    wall->SetZoom(3);
    EXPECT_EQ(line->ScreenPoints[1].x(), 64424509);
    Paint(*wall); // far-away shapes paint without harm
}

TEST(Sprites, LineMovesItsPointsAndBounds) {
    const auto wall = Scene("<LINE points=10:10,+20:+30>", 50);
    auto* line = static_cast<TPolylineSprite*>(wall->Sprite(0));
    wall->MoveSprites(wall->Sprites, 10, -5);
    EXPECT_EQ(line->Points, (std::vector<QPoint>{{20, 5}, {40, 35}}));
    EXPECT_EQ(line->Left, 20);
    EXPECT_EQ(line->Top, 5);
    EXPECT_EQ(line->ScreenPoints, QPolygon({QPoint(10, 2), QPoint(20, 17)}));
    EXPECT_FALSE(wall->MoveSprites(wall->Sprites, 0, 0));
}

TEST(Sprites, HitTests) {
    const auto wall = Scene("<RECT left=10 top=10 width=10 height=10>"
                            "<RECT left=30 top=10 width=20 height=20 round=10>"
                            "<CIRCLE left=60 top=10 width=20 height=20>"
                            "<PLACE points=10:40,+10:+0,+0:+10,-10:+0>"
                            "<LINE points=30:40,40:40,40:50,50:60>");
    struct TCase {
        int Sprite, X, Y;
        bool Hit;
    };
    const TCase cases[] = {
        {0, 10, 10, true},  {0, 19, 19, true},  {0, 20, 15, false}, {0, 15, 20, false},
        {1, 30, 10, false}, {1, 40, 20, true},  {1, 49, 20, true},  {2, 60, 10, false},
        {2, 70, 20, true},  {2, 60, 20, true},  {3, 10, 40, true},  {3, 19, 49, true},
        {3, 20, 45, false}, {4, 35, 40, true},  {4, 35, 41, false}, {4, 40, 45, true},
        {4, 45, 55, true},  {4, 47, 55, false}, {4, 46, 55, true},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(wall->Sprite(c.Sprite)->HitTest(c.X, c.Y), c.Hit)
            << c.Sprite << " at " << c.X << "," << c.Y;
}

TEST(Sprites, HandlesResizeAndPointEdits) {
    const auto wall = Scene("<RECT left=10 top=10 width=100 height=50>"
                            "<RECT left=10 top=10 width=8 height=8>"
                            "<LINE points=10:10,50:50>");
    TSprite* big = wall->Sprite(0);
    struct TCase {
        int X, Y, Handle;
    };
    const TCase cases[] = {{10, 10, 0},  {60, 10, 1},  {109, 10, 2}, {109, 35, 3},
                           {109, 59, 4}, {60, 59, 5},  {10, 59, 6},  {10, 35, 7},
                           {12, 12, 0},  {13, 13, -1}, {40, 35, -1}};
    for (const TCase& c : cases)
        EXPECT_EQ(big->HandleAt(c.X, c.Y, 2), c.Handle) << c.X << "," << c.Y;
    // A small shape has no middle handles.
    EXPECT_EQ(wall->Sprite(1)->HandleAt(14, 10, 1), -1);

    big->MoveHandle(0, 200, 5);
    EXPECT_EQ(big->Left, 109);
    EXPECT_EQ(big->Width(), 1);
    EXPECT_EQ(big->Top, 5);
    EXPECT_EQ(big->Height(), 55);
    big->MoveHandle(4, 0, 0);
    EXPECT_EQ(big->Width(), 1);
    EXPECT_EQ(big->Height(), 1);

    auto* line = static_cast<TPolySprite*>(wall->Sprite(2));
    EXPECT_EQ(line->HandleAt(51, 49, 1), 1);
    line->MoveHandle(1, 70, 5);
    EXPECT_EQ(line->Top, 5);
    EXPECT_EQ(line->Width(), 61);
    line->MoveHandle(7, 0, 0); // no such point
    line->SnapToGrid(25);
    EXPECT_EQ(line->Points, (std::vector<QPoint>{{0, 0}, {75, 0}}));
}

} // namespace
