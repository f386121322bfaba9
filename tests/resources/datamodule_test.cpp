#include "resources/datamodule.h"

#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

namespace {

// A strip of pictures on a ground, each marked in its top-left pixel.
QImage Strip(int width, int height, int count, QColor colour, QColor ground = Qt::transparent) {
    QImage strip(width * count, height, QImage::Format_ARGB32);
    strip.fill(ground);
    for (int i = 0; i < count; ++i) {
        strip.setPixelColor(i * width, 0, colour);
    }
    return strip;
}

} // namespace

TEST(ImageList, CutsAStripAndDrawsOnlyIndexesInside) {
    TImageList list(3, 2, 4);
    EXPECT_FALSE(list.LoadStrip(QImage()));
    EXPECT_FALSE(list.LoadStrip(Strip(3, 2, 5, Qt::red)));
    EXPECT_FALSE(list.LoadStrip(Strip(3, 3, 4, Qt::red)));
    EXPECT_EQ(qAlpha(list.Picture(0).pixel(0, 0)), 0) << "a refused strip changes nothing";

    QImage strip = Strip(3, 2, 4, Qt::red);
    strip.setPixelColor(2 * 3 + 1, 1, Qt::blue);
    ASSERT_TRUE(list.LoadStrip(strip));
    EXPECT_EQ(list.Picture(2).pixelColor(1, 1), QColor(Qt::blue));
    EXPECT_TRUE(list.Picture(4).isNull());
    EXPECT_TRUE(list.Picture(-1).isNull());

    QImage target(3, 2, QImage::Format_RGB32);
    const int indexes[] = {-1, 4, 1000};
    for (int index : indexes) {
        target.fill(Qt::green);
        QPainter painter(&target);
        list.Draw(painter, 0, 0, index);
        painter.end();
        EXPECT_EQ(target.pixelColor(0, 0), QColor(Qt::green)) << index;
    }
    // Transparent pixels leave what was there.
    target.fill(Qt::green);
    QPainter painter(&target);
    list.Draw(painter, 0, 0, 2);
    painter.end();
    EXPECT_EQ(target.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(1, 0), QColor(Qt::green));
    EXPECT_EQ(target.pixelColor(1, 1), QColor(Qt::blue));
}

TEST(DataModule, ListsHaveTheirSizesAndCountsWhateverTheFiles) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    Strip(25, 25, 22, Qt::red).save(folder.filePath("imlBases.png"));
    Strip(25, 25, 3, Qt::red).save(folder.filePath("imlTools.png")); // too few
    QImage(10, 10, QImage::Format_RGB32).save(folder.filePath("imlIcons.png"));
    QFile garbage(folder.filePath("imlEarth.png"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a picture at all");
    garbage.close();

    const TDM dm(folder.path());
    struct {
        const TImageList& list;
        int width, height, count;
    } const lists[] = {
        {dm.imlTools, 25, 25, TDM::ToolPictures},
        {dm.imlBases, 25, 25, 22},
        {dm.imlEarth, 25, 25, 70},
        {dm.imlIcons, 14, 14, 7},
        {dm.imlSeasons, 121, 57, 4},
        {dm.imlSelectSea, 25, 25, 12},
        {dm.imlSelectCoast, 25, 25, 12},
        {dm.imlSelectEarth, 25, 25, 12},
        {dm.imlMarketItem, 197, 16, 1},
    };
    for (const auto& l : lists) {
        EXPECT_EQ(l.list.Width(), l.width);
        EXPECT_EQ(l.list.Height(), l.height);
        EXPECT_EQ(l.list.Count(), l.count);
        for (int i = 0; i < l.count; ++i) {
            EXPECT_EQ(l.list.Picture(i).size(), QSize(l.width, l.height));
        }
    }
    // The strip of the right size is used as drawn.
    EXPECT_EQ(dm.imlBases.Picture(21).pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(qAlpha(dm.imlBases.Picture(21).pixel(1, 0)), 0);
    // Stand-ins can be told apart, and buildings are opaque.
    std::set<QRgb> colours;
    for (int i = 0; i < dm.imlTools.Count(); ++i) {
        colours.insert(dm.imlTools.Picture(i).pixel(12, 12));
        EXPECT_EQ(qAlpha(dm.imlTools.Picture(i).pixel(0, 0)), 255);
    }
    EXPECT_EQ(colours.size(), static_cast<size_t>(dm.imlTools.Count()));
    EXPECT_EQ(qAlpha(dm.imlEarth.Picture(64).pixel(0, 0)), 0);
}

TEST(DataModule, SelectionFramesRunAroundTheBorder) {
    const TDM dm(QStringLiteral("/nonexistent"));
    // The walk covers each border pixel once, clockwise from the top-left corner.
    std::set<std::pair<int, int>> walked;
    for (int k = 0; k < TDM::SelectionBorderLength; ++k) {
        const QPoint p = TDM::SelectionBorderPixel(k);
        walked.insert({p.x(), p.y()});
        EXPECT_TRUE(p.x() == 0 || p.y() == 0 || p.x() == 24 || p.y() == 24);
    }
    EXPECT_EQ(walked.size(), 96u);
    EXPECT_EQ(TDM::SelectionBorderPixel(1), QPoint(1, 0));
    EXPECT_EQ(TDM::SelectionBorderPixel(25), QPoint(24, 1));
    EXPECT_EQ(TDM::SelectionBorderPixel(95), QPoint(0, 1));

    const struct {
        const TImageList& list;
        QColor colour;
    } lists[] = {{dm.imlSelectSea, Qt::cyan},
                 {dm.imlSelectCoast, Qt::white},
                 {dm.imlSelectEarth, Qt::yellow}};
    for (const auto& l : lists) {
        for (int f = 0; f < 12; ++f) {
            const QImage frame = l.list.Picture(f);
            int opaque = 0, black = 0;
            for (int y = 0; y < 25; ++y) {
                for (int x = 0; x < 25; ++x) {
                    if (qAlpha(frame.pixel(x, y)) == 255) {
                        ++opaque;
                        black += frame.pixelColor(x, y) == QColor(Qt::black);
                    } else {
                        ASSERT_EQ(qAlpha(frame.pixel(x, y)), 0);
                    }
                }
            }
            EXPECT_EQ(opaque, 96);
            EXPECT_EQ(black, 4 * 13);
            // Each frame is the one before moved two pixels clockwise.
            const QImage next = l.list.Picture((f + 1) % 12);
            for (int k = 0; k < 96; ++k) {
                EXPECT_EQ(next.pixel(TDM::SelectionBorderPixel(k + 2)),
                          frame.pixel(TDM::SelectionBorderPixel(k)));
            }
        }
        const QImage first = l.list.Picture(0);
        EXPECT_EQ(first.pixelColor(12, 0), QColor(Qt::black));
        EXPECT_EQ(first.pixelColor(13, 0), l.colour);
        EXPECT_EQ(first.pixelColor(23, 0), l.colour);
        EXPECT_EQ(first.pixelColor(24, 0), QColor(Qt::black));
    }
}

TEST(DataModule, SelectionStripWithPaintedInsideIsNotUsed) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    Strip(25, 25, 12, Qt::red, Qt::red).save(folder.filePath("imlSelectSea.png"));
    const TDM dm(folder.path());
    EXPECT_EQ(qAlpha(dm.imlSelectSea.Picture(0).pixel(12, 12)), 0);
    EXPECT_EQ(dm.imlSelectSea.Picture(0).pixelColor(13, 0), QColor(Qt::cyan));
}

TEST(DataModule, ReadsTheSharpStripsOnlyOnAHiDpiScreen) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    Strip(25, 25, TDM::ToolPictures, Qt::red, Qt::red).save(folder.filePath("imlTools.png"));
    // Each sharp picture is blue with one green device pixel at (1, 1), which
    // a 1x picture could not hold apart from its neighbours.
    QImage sharp(50 * TDM::ToolPictures, 50, QImage::Format_ARGB32);
    sharp.fill(Qt::blue);
    for (int i = 0; i < TDM::ToolPictures; ++i)
        sharp.setPixelColor(i * 50 + 1, 1, Qt::green);
    sharp.save(folder.filePath("imlTools@2x.png"));
    QImage(10, 10, QImage::Format_ARGB32).save(folder.filePath("imlBases@2x.png")); // wrong size

    const TDM plainDm(folder.path(), 1);
    EXPECT_EQ(plainDm.imlTools.Ratio(), 1);
    EXPECT_EQ(plainDm.imlTools.Picture(3).pixelColor(1, 1), QColor(Qt::red));

    const TDM dm(folder.path(), 2);
    EXPECT_EQ(dm.imlTools.Width(), 25);
    EXPECT_EQ(dm.imlTools.Ratio(), 2);
    EXPECT_EQ(dm.imlBases.Ratio(), 1) << "a wrong sharp strip falls back to the plain one";
    EXPECT_EQ(dm.imlBases.Picture(0).size(), QSize(25, 25));

    // Drawn at logical (10, 0) on a canvas of ratio 2: every device pixel of
    // the sharp picture lands where it belongs, none of the plain one.
    QImage canvas(100, 100, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(2);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    dm.imlTools.Draw(painter, 10, 0, 3);
    painter.end();
    EXPECT_EQ(canvas.pixelColor(21, 1), QColor(Qt::green));
    EXPECT_EQ(canvas.pixelColor(20, 1), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(69, 49), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(70, 49), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(19, 1), QColor(Qt::white));
}

TEST(DataModule, BuiltInPicturesHaveTheirSharpVersions) {
    const TDM dm(QStringLiteral(":/images"), 2);
    for (const TImageList* list :
         {&dm.imlTools, &dm.imlBases, &dm.imlEarth, &dm.imlIcons, &dm.imlSeasons, &dm.imlMarketItem,
          &dm.imlSelectSea, &dm.imlSelectCoast, &dm.imlSelectEarth}) {
        EXPECT_EQ(list->Ratio(), 2) << list->Width() << "x" << list->Height();
    }
    const QPixmap title = TDM::LoadPicture(QStringLiteral(":/images/title.png"), 2);
    EXPECT_EQ(title.deviceIndependentSize(), QSizeF(447, 251));
    EXPECT_EQ(title.devicePixelRatio(), 2);
    EXPECT_EQ(TDM::LoadPicture(QStringLiteral(":/images/title.png"), 1).devicePixelRatio(), 1);
}
