#pragma once

#include "scene/sprite.h"

#include <QImage>
#include <QPolygon>
#include <vector>

// A shape drawn with a brush style of its scene.
class TBrushedSprite : public TSprite {
public:
    explicit TBrushedSprite(TWall* parent);

    TBrushBoomer* Brush; // not owned
    QString BrushName;   // waiting for Resolve

    void ReadProps(const TPropList& props) override;
    void WriteProps(QString& text) const override;
    void Resolve() override;
    void StyleRemoved(TBoomer* style) override;

protected:
    // Sets the brush style on the painter while the result lives, unless the
    // outline mode uses the painter's own.
    TBrushSelection SelectBrush(QPainter& painter, TPaintMode mode) const;
};

// A rectangle, with corners rounded by an ellipse of Round scene units.
class TRectSprite final : public TBrushedSprite {
public:
    using TBrushedSprite::TBrushedSprite;
    int32_t Round = 0;

    void ReadProps(const TPropList& props) override;
    void WriteProps(QString& text) const override;
    bool HitTest(int x, int y) const override;
    void Paint(QPainter& painter, TPaintMode mode) const override;
};

// An ellipse in its rectangle.
class TCircleSprite final : public TBrushedSprite {
public:
    using TBrushedSprite::TBrushedSprite;
    bool HitTest(int x, int y) const override;
    void Paint(QPainter& painter, TPaintMode mode) const override;
};

// A shape made of points; its bounds follow the points and it keeps the
// points at the scene's zoom ready for painting.
class TPolySprite : public TBrushedSprite {
public:
    // The most points a shape may hold.
    static constexpr int32_t MaxPointCount = (1 << 27) - 1;

    explicit TPolySprite(TWall* parent);

    std::vector<QPoint> Points;
    QPolygon ScreenPoints;

    int32_t PointCount() const { return static_cast<int32_t>(Points.size()); }
    void UpdateBounds();
    void UpdateScreenPoints();

    void ReadProps(const TPropList& props) override;
    void WriteProps(QString& text) const override;
    void Resolve() override;
    void MoveHandle(int handle, int32_t x, int32_t y) override;
    int HandleAt(int x, int y, int tolerance) const override;
    void MoveBy(int32_t dx, int32_t dy) override;
    void PaintHandles(QPainter& painter, int size) const override;
    void SnapToGrid(int32_t step) override;
    void ZoomChanged() override { UpdateScreenPoints(); }
};

// An open polyline.
class TPolylineSprite final : public TPolySprite {
public:
    using TPolySprite::TPolySprite;
    bool HitTest(int x, int y) const override;
    void Paint(QPainter& painter, TPaintMode mode) const override;
};

// A closed, filled polygon.
class TPolygonSprite final : public TPolySprite {
public:
    explicit TPolygonSprite(TWall* parent);
    bool HitTest(int x, int y) const override;
    void Paint(QPainter& painter, TPaintMode mode) const override;
};

// A text in a font style of its scene. After loading, a rename, a style or a
// zoom change it is measured when its size is next read.
class TTextSprite final : public TSprite {
public:
    enum TAlign : uint8_t { taLeft, taCenter, taRight };

    explicit TTextSprite(TWall* parent);

    TFontBoomer* Font; // not owned
    QString Value;
    QString FontName; // waiting for Resolve
    uint8_t Align = taLeft;

    void ReadProps(const TPropList& props) override;
    void WriteProps(QString& text) const override;
    void SetName(const QString& name) override;
    void AutoSize() override;
    void StyleChanged(TBoomer* style) override;
    void StyleRemoved(TBoomer* style) override;
    void Resolve() override;
    void Paint(QPainter& painter, TPaintMode mode) const override;
    void ZoomChanged() override;

protected:
    QSize MeasureContent() const override;
};

// A bitmap read from a file.
class TImageSprite final : public TSprite {
public:
    // The largest bitmap edge that is loaded.
    static constexpr int MaxBitmapSize = 8192;

    explicit TImageSprite(TWall* parent);

    QString Src;   // the path as written in the scene
    QImage Bitmap; // null when the file could not be loaded

    void ReadProps(const TPropList& props) override;
    void WriteProps(QString& text) const override;
    void AutoSize() override;
    void Resolve() override;
    void Paint(QPainter& painter, TPaintMode mode) const override;
};

// Reads a bitmap by a scene path: relative to the current folder first, then
// to the program's folder. Only pictures of a sane declared size are read.
QImage LoadSceneBitmap(const QString& src);
