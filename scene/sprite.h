#pragma once

#include "base/numbers.h"
#include "scene/styles.h"

#include <QRect>
#include <QSize>
#include <cstdint>

class QPainter;
class TWall;

enum TSpriteStyle : uint8_t {
    ssPlan,             // also painted on the overview map
    ssList,             // kept and written only
    ssEmpty,            // kept and written only
    ssAutoSize,         // takes its size from its content
    ssAutoSizeProperty, // the kind can size itself
    ssNoPosProperty,    // "left" and "top" are not read nor written
    ssNoSizeProperty,   // "width" and "height" are not read nor written
    ssClosed,           // a closed point shape
};

// A set of TSpriteStyle flags, one bit each.
class TSpriteStyles {
public:
    bool Has(TSpriteStyle s) const { return (bits_ >> s) & 1u; }
    void Include(TSpriteStyle s) { bits_ = static_cast<uint8_t>(bits_ | (1u << s)); }
    void Exclude(TSpriteStyle s) { bits_ = static_cast<uint8_t>(bits_ & ~(1u << s)); }

private:
    uint8_t bits_ = 0;
};

// A scene length at a zoom in percent, truncated toward zero.
inline int32_t ZoomedBy(int64_t value, int32_t zoom) {
    return ClampToInt32(value * zoom / 100);
}

// A value moved to the nearest multiple of a positive step.
int32_t SnapValue(int32_t value, int32_t step);

// Paint modes: normal, selected, outline with the painter's own pen and
// brush, and the overview map.
enum TPaintMode { pmNormal = 0, pmSelected = 1, pmOutline = 2, pmPlan = 3 };

// A shape of a scene, placed in scene units (pixels at zoom 100) and painted
// at its scene's zoom.
class TSprite : public TKlop {
public:
    explicit TSprite(TWall* parent) : Parent(parent) {}

    TWall* const Parent;
    int32_t Group = -1; // index in the scene's group list
    QString Hint;
    QString Link;
    TSpriteStyles Style;
    int32_t Left = 0;
    int32_t Top = 0;

    // The size in scene units. A shape that takes its size from content it
    // has to measure (a text) measures it when the size is next read, not
    // when the content changes: loading a scene measures none of its texts.
    int32_t Width() const {
        MeasureIfStale();
        return width_;
    }
    int32_t Height() const {
        MeasureIfStale();
        return height_;
    }
    void SetWidth(int32_t width);
    void SetHeight(int32_t height);

    void ReadProps(const TPropList& props) override;
    void WriteProps(QString& text) const override;
    void ReadStyleWords(const TStyleWords& words) override;
    void WriteStyleWords(QStringList& words) const override;

    virtual void AutoSize() {}
    virtual void StyleChanged(TBoomer* /*style*/) {}
    virtual void StyleRemoved(TBoomer* /*style*/) {}
    // Resize handles: 0 top-left, then clockwise to 7 left-middle.
    virtual void MoveHandle(int handle, int32_t x, int32_t y);
    virtual int HandleAt(int x, int y, int tolerance) const;
    virtual void Resolve() {}
    virtual void MoveBy(int32_t dx, int32_t dy);
    virtual bool HitTest(int x, int y) const;
    virtual void Paint(QPainter& painter, TPaintMode mode) const;
    virtual void PaintHandles(QPainter& painter, int size) const;
    virtual void SnapToGrid(int32_t step);
    virtual void ZoomChanged() {}

    int32_t Zoom() const;
    // A scene length at the scene's zoom, truncated toward zero.
    int32_t Zoomed(int64_t value) const;
    // The shape's rectangle at the scene's zoom; right and bottom excluded.
    void ScreenRect(int& l, int& t, int& r, int& b) const;
    QRect ScreenRect() const;
    bool Intersects(const QRect& clip) const;

protected:
    bool InScreenRect(int x, int y) const;
    // The size is measured from the content before it is next read.
    void MarkSizeStale() { sizeStale_ = true; }
    // The content's size in scene units, for a shape that marks its size stale.
    virtual QSize MeasureContent() const { return {width_, height_}; }

private:
    void MeasureIfStale() const {
        if (sizeStale_)
            StoreMeasuredSize();
    }
    void StoreMeasuredSize() const;

    // Measured on first read: the cache of a const question.
    mutable int32_t width_ = 100;
    mutable int32_t height_ = 100;
    mutable bool sizeStale_ = false;

    struct THandlePoint {
        int Handle;
        QPoint At;
    };
    // The handle points in the order they are tested.
    std::vector<THandlePoint> HandlePoints(int size) const;
};
