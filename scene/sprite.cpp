#include "scene/sprite.h"

#include "base/numbers.h"
#include "scene/gdi.h"
#include "scene/wall.h"

#include <QPainter>
#include <cmath>

namespace {

struct TFlagWord {
    const char16_t* Word;
    TSpriteStyle Flag;
};

constexpr TFlagWord FlagWords[] = {{u"list", ssList}, {u"plan", ssPlan}, {u"empty", ssEmpty}};

} // namespace

void TSprite::ReadProps(const TPropList& props) {
    TKlop::ReadProps(props);
    const QStringView group = props.Value(u"group");
    if (!group.isEmpty())
        Group = Parent->GroupIndex(group);
    ReadStringProp(props, u"hint", Hint);
    ReadStringProp(props, u"link", Link);
    if (!Style.Has(ssNoPosProperty)) {
        ReadIntProp(props, u"left", Left);
        ReadIntProp(props, u"top", Top);
    }
    if (!Style.Has(ssNoSizeProperty)) {
        int32_t widthValue = Width();
        int32_t heightValue = Height();
        const bool width = ReadIntProp(props, u"width", widthValue);
        const bool height = ReadIntProp(props, u"height", heightValue);
        SetWidth(widthValue);
        SetHeight(heightValue);
        if ((width && height) || !Style.Has(ssAutoSizeProperty))
            Style.Exclude(ssAutoSize);
        else
            Style.Include(ssAutoSize);
    }
}

void TSprite::WriteProps(QString& text) const {
    TKlop::WriteProps(text);
    if (Group >= 0 && Group < static_cast<int32_t>(Parent->Groups.size()))
        WriteStringProp(text, u"group", Parent->Groups[static_cast<size_t>(Group)].Name);
    if (!Hint.isEmpty())
        WriteStringProp(text, u"hint", Hint);
    if (!Link.isEmpty())
        WriteStringProp(text, u"link", Link);
    if (!Style.Has(ssNoPosProperty)) {
        WriteIntProp(text, u"left", Left);
        WriteIntProp(text, u"top", Top);
    }
    if (!Style.Has(ssNoSizeProperty) && !Style.Has(ssAutoSize)) {
        WriteIntProp(text, u"width", Width());
        WriteIntProp(text, u"height", Height());
    }
}

void TSprite::ReadStyleWords(const TStyleWords& words) {
    for (const TFlagWord& flag : FlagWords)
        if (HasWord(words, flag.Word))
            Style.Include(flag.Flag);
}

void TSprite::WriteStyleWords(QStringList& words) const {
    for (const TFlagWord& flag : FlagWords)
        if (Style.Has(flag.Flag))
            words.append(QString::fromUtf16(flag.Word));
}

void TSprite::SetWidth(int32_t width) {
    // The other edge keeps the size measured so far.
    MeasureIfStale();
    width_ = width;
}

void TSprite::SetHeight(int32_t height) {
    MeasureIfStale();
    height_ = height;
}

void TSprite::StoreMeasuredSize() const {
    sizeStale_ = false;
    const QSize size = MeasureContent();
    width_ = size.width();
    height_ = size.height();
}

int32_t TSprite::Zoom() const {
    return Parent->Zoom;
}

int32_t TSprite::Zoomed(int64_t value) const {
    return ZoomedBy(value, Zoom());
}

void TSprite::ScreenRect(int& l, int& t, int& r, int& b) const {
    l = Zoomed(Left);
    t = Zoomed(Top);
    r = Zoomed(int64_t{Left} + Width());
    b = Zoomed(int64_t{Top} + Height());
}

QRect TSprite::ScreenRect() const {
    int l, t, r, b;
    ScreenRect(l, t, r, b);
    // QRect keeps its right edge as left + width - 1 and works its width back
    // out of it, so it holds only rectangles well inside the 32-bit range.
    static constexpr int limit = INT32_MAX / 2;
    const auto inside = [](int value) { return std::clamp(value, -limit, limit); };
    return QRect(QPoint(inside(l), inside(t)), QPoint(inside(r) - 1, inside(b) - 1));
}

bool TSprite::Intersects(const QRect& clip) const {
    int l, t, r, b;
    ScreenRect(l, t, r, b);
    const int64_t clipRight = int64_t{clip.left()} + clip.width();
    const int64_t clipBottom = int64_t{clip.top()} + clip.height();
    return l < clipRight && t < clipBottom && r >= clip.left() && b >= clip.top();
}

bool TSprite::InScreenRect(int x, int y) const {
    int l, t, r, b;
    ScreenRect(l, t, r, b);
    return l <= x && x < r && t <= y && y < b;
}

bool TSprite::HitTest(int x, int y) const {
    return InScreenRect(x, y);
}

void TSprite::Paint(QPainter&, TPaintMode) const {}

std::vector<TSprite::THandlePoint> TSprite::HandlePoints(int size) const {
    int l, t, r, b;
    ScreenRect(l, t, r, b);
    const int midX = static_cast<int>(l + (int64_t{r} - l) / 2);
    const int midY = static_cast<int>(t + (int64_t{b} - t) / 2);
    const bool middlesX = int64_t{l} + 4 * int64_t{size} + 4 < r;
    const bool middlesY = int64_t{t} + 4 * int64_t{size} + 4 < b;
    const int right = SaturatingSub(r, 1);
    const int bottom = SaturatingSub(b, 1);
    std::vector<THandlePoint> points{{0, {l, t}}};
    if (middlesX) {
        points.push_back({1, {midX, t}});
        points.push_back({5, {midX, bottom}});
    }
    points.push_back({2, {right, t}});
    if (middlesY) {
        points.push_back({3, {right, midY}});
        points.push_back({7, {l, midY}});
    }
    points.push_back({4, {right, bottom}});
    points.push_back({6, {l, bottom}});
    return points;
}

int TSprite::HandleAt(int x, int y, int tolerance) const {
    for (const THandlePoint& h : HandlePoints(tolerance))
        if (std::abs(int64_t{x} - h.At.x()) <= tolerance &&
            std::abs(int64_t{y} - h.At.y()) <= tolerance)
            return h.Handle;
    return -1;
}

void TSprite::PaintHandles(QPainter& painter, int size) const {
    int l, t, r, b;
    ScreenRect(l, t, r, b);
    const bool wide = int64_t{l} + 1 < r;
    const bool tall = int64_t{t} + 1 < b;
    for (const THandlePoint& h : HandlePoints(size)) {
        bool shown = true;
        if (h.Handle == 2)
            shown = wide;
        else if (h.Handle == 4)
            shown = wide && tall;
        else if (h.Handle == 6)
            shown = tall;
        if (shown)
            DrawHandle(painter, h.At, size);
    }
}

void TSprite::MoveHandle(int handle, int32_t x, int32_t y) {
    if (handle == 0 || handle == 6 || handle == 7) {
        const int64_t right = int64_t{Left} + Width();
        Left = ClampToInt32(std::min<int64_t>(x, right - 1));
        SetWidth(ClampToInt32(right - Left));
    } else if (handle >= 2 && handle <= 4) {
        SetWidth(ClampToInt32(std::max<int64_t>(int64_t{x} - Left, 1)));
    }
    if (handle >= 0 && handle <= 2) {
        const int64_t bottom = int64_t{Top} + Height();
        Top = ClampToInt32(std::min<int64_t>(y, bottom - 1));
        SetHeight(ClampToInt32(bottom - Top));
    } else if (handle >= 4 && handle <= 6) {
        SetHeight(ClampToInt32(std::max<int64_t>(int64_t{y} - Top, 1)));
    }
}

void TSprite::MoveBy(int32_t dx, int32_t dy) {
    Left = SaturatingAdd(Left, dx);
    Top = SaturatingAdd(Top, dy);
}

int32_t SnapValue(int32_t value, int32_t step) {
    const double steps = std::round(static_cast<double>(value) / step);
    return ClampToInt32(static_cast<int64_t>(steps) * step);
}

void TSprite::SnapToGrid(int32_t step) {
    if (step <= 0)
        return;
    if (!Style.Has(ssNoPosProperty)) {
        Left = SnapValue(Left, step);
        Top = SnapValue(Top, step);
    }
    if (!Style.Has(ssNoSizeProperty) && !Style.Has(ssAutoSize)) {
        SetWidth(std::max(SnapValue(Width(), step), step));
        SetHeight(std::max(SnapValue(Height(), step), step));
    }
}
