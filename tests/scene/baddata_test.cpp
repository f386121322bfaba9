// Scene texts that no editor would write: shapes at the ends of the
// coordinate space, enormous point lists, fonts of size 0 and pictures found
// by relative paths read, measure and paint without leaving their arrays or
// the 32-bit range.

#include "base/paths.h"
#include "scene/shapes.h"
#include "scene/styles.h"
#include "scene/wall.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QImage PaintAll(const TWall& wall) {
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (TPaintMode mode : {pmNormal, pmSelected, pmOutline, pmPlan})
        wall.PaintSprites(wall.Sprites, painter, std::nullopt, mode);
    return image;
}

} // namespace

TEST(SceneBadData, ScreenRectanglesHoldAnyShape) {
    struct TCase {
        const char* Shape;
        int32_t Zoom;
        QRect Expected; // null: only needs to be in range
    };
    const TCase cases[] = {
        {"<RECT left=10 top=20 width=30 height=40>", 100, QRect(10, 20, 30, 40)},
        {"<RECT left=10 top=20 width=30 height=40>", 50, QRect(5, 10, 15, 20)},
        {"<RECT left=-2147483648 top=-2147483648 width=0 height=0>", 100, {}},
        {"<RECT left=2147483647 top=2147483647 width=2147483647 height=2147483647>", 100000, {}},
        {"<RECT left=-2147483648 top=0 width=2147483647 height=-2147483648>", 100000, {}},
        {"<LINE points=-2147483648:-2147483648,+2147483647:+2147483647>", 100000, {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Shape);
        TWall wall;
        wall.ParseText(QString::fromLatin1(c.Shape));
        wall.SetZoom(c.Zoom);
        ASSERT_EQ(wall.Sprites.Count(), 1);
        const QRect rect = wall.Sprite(0)->ScreenRect();
        if (!c.Expected.isNull()) {
            EXPECT_EQ(rect, c.Expected);
        }
        // Qt works the size and the far edges back out of the rectangle; they
        // keep the sign of the shape's own extent.
        int l, t, r, b;
        wall.Sprite(0)->ScreenRect(l, t, r, b);
        EXPECT_EQ(rect.width() > 0, r > l);
        EXPECT_EQ(rect.height() > 0, b > t);
        (void)rect.center();
        (void)rect.intersects(QRect(0, 0, 48, 48));
        PaintAll(wall);
    }
}

TEST(SceneBadData, AMillionPointsReadAsTheyStand) {
    QString points = QStringLiteral("0:0");
    points.reserve(4'000'010);
    for (int i = 1; i < 1'000'000; ++i)
        points += (i % 2) ? QStringLiteral(",+1:+0") : QStringLiteral(",+0:+1");
    TWall wall;
    wall.ParseText(QStringLiteral("<LINE points=") + points + QStringLiteral(">"));
    ASSERT_EQ(wall.Sprites.Count(), 1);
    const auto* line = static_cast<const TPolySprite*>(wall.Sprite(0));
    ASSERT_EQ(line->Points.size(), 1'000'000u);
    EXPECT_EQ(line->Points.back(), QPoint(500'000, 499'999));
    wall.SetZoom(1);
    EXPECT_EQ(line->ScreenPoints.back(), QPoint(5'000, 4'999));
    // A count in the text alone reserves nothing.
    TWall counted;
    counted.ParseText(QStringLiteral("<PLACE points=1000000000>"));
    ASSERT_EQ(counted.Sprites.Count(), 1);
    EXPECT_TRUE(static_cast<const TPolySprite*>(counted.Sprite(0))->Points.empty());
    PaintAll(counted);
}

TEST(SceneBadData, FontsOfAnySizeMeasureAndPaint) {
    for (const char* size : {"0", "-5", "255", "256", "99999999999", "x"}) {
        SCOPED_TRACE(size);
        TWall wall;
        wall.ParseText(QStringLiteral("<FONT name=f face=Arial size=%1>"
                                      "<TEXT left=2 top=2 font=f value=\"Ж %1 <b>\">")
                           .arg(QLatin1String(size)));
        ASSERT_EQ(wall.Sprites.Count(), 1);
        for (int32_t zoom : {1, 100, 100000}) {
            wall.SetZoom(zoom);
            const auto* font = static_cast<const TFontBoomer*>(wall.Boomer(0));
            EXPECT_GE(font->FontHandle.pixelSize(), 1);
            PaintAll(wall);
        }
    }
}

TEST(SceneBadData, PicturePathsTryTheCurrentFolderThenTheProgramFolder) {
    // The same relative path under the program's folder and under another
    // folder that becomes the current one, with pictures of different sizes.
    QTemporaryDir underProgram(ProgramFolder() + QStringLiteral("/pictures-XXXXXX"));
    QTemporaryDir current;
    ASSERT_TRUE(underProgram.isValid() && current.isValid());
    const QString folder = QFileInfo(underProgram.path()).fileName();
    ASSERT_TRUE(QDir(current.path()).mkpath(folder));
    ASSERT_TRUE(QImage(4, 2, QImage::Format_RGB32).save(underProgram.path() + "/flag.bmp"));
    const QString written = folder + QStringLiteral("\\flag.bmp");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(current.path()));

    const auto picture = [&] {
        TWall wall;
        wall.ParseText(QStringLiteral("<IMAGE src=\"%1\">").arg(written));
        return static_cast<const TImageSprite*>(wall.Sprite(0))->Bitmap.size();
    };
    EXPECT_EQ(picture(), QSize(4, 2)); // found beside the program
    ASSERT_TRUE(
        QImage(6, 3, QImage::Format_RGB32).save(current.path() + u'/' + folder + "/flag.bmp"));
    EXPECT_EQ(picture(), QSize(6, 3)); // the current folder comes first
    QDir::setCurrent(before);
}
