#include "scene/shapes.h"

#include "base/numbers.h"
#include "base/paths.h"
#include "scene/gdi.h"
#include "scene/wall.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <typeinfo>

namespace {

// The style a shape names, when the first style of that name ignoring case is
// of exactly the wanted kind.
template <typename TStyle> TStyle* FindStyle(const TWall& wall, const QString& name) {
    TKlop* found = FindByName(wall.Boomers, name);
    return found && typeid(*found) == typeid(TStyle) ? static_cast<TStyle*>(found) : nullptr;
}

} // namespace

TBrushedSprite::TBrushedSprite(TWall* parent) : TSprite(parent), Brush(&parent->DefaultBrush) {}

void TBrushedSprite::ReadProps(const TPropList& props) {
    TSprite::ReadProps(props);
    BrushName = Parent->SharedStyleName(props.Value(u"brush"));
}

void TBrushedSprite::WriteProps(QString& text) const {
    TSprite::WriteProps(text);
    if (Brush != &Parent->DefaultBrush)
        WriteStringProp(text, u"brush", Brush->Name);
}

void TBrushedSprite::Resolve() {
    if (BrushName.isEmpty())
        return;
    if (auto* brush = FindStyle<TBrushBoomer>(*Parent, BrushName))
        Brush = brush;
    BrushName.clear();
}

void TBrushedSprite::StyleRemoved(TBoomer* style) {
    if (style != Brush)
        return;
    Brush = &Parent->DefaultBrush;
    StyleChanged(Brush);
}

TBrushSelection TBrushedSprite::SelectBrush(QPainter& painter, TPaintMode mode) const {
    return TBrushSelection(painter, mode != pmOutline ? Brush : nullptr);
}

void TRectSprite::ReadProps(const TPropList& props) {
    TBrushedSprite::ReadProps(props);
    ReadIntProp(props, u"round", Round);
}

void TRectSprite::WriteProps(QString& text) const {
    TBrushedSprite::WriteProps(text);
    if (Round != 0)
        WriteIntProp(text, u"round", Round);
}

bool TRectSprite::HitTest(int x, int y) const {
    if (!InScreenRect(x, y))
        return false;
    const int corner = Zoomed(Round);
    if (corner == 0)
        return true;
    int l, t, r, b;
    ScreenRect(l, t, r, b);
    QPainterPath region;
    region.addRoundedRect(QRectF(l, t, double(r) + 1 - l, double(b) + 1 - t), corner / 2.0,
                          corner / 2.0);
    return region.contains(QPointF(x + 0.5, y + 0.5));
}

void TRectSprite::Paint(QPainter& painter, TPaintMode mode) const {
    int l, t, r, b;
    ScreenRect(l, t, r, b);
    const int corner = Zoomed(Round);
    const TBrushSelection selected = SelectBrush(painter, mode);
    DrawBox(painter, corner != 0 ? TBoxShape::RoundRect : TBoxShape::Rect, l, t, r, b, corner);
}

bool TCircleSprite::HitTest(int x, int y) const {
    if (!InScreenRect(x, y))
        return false;
    // The ellipse inscribed in (l, t, r + 1, b + 1), tested at pixel centres.
    int l, t, r, b;
    ScreenRect(l, t, r, b);
    const double rx = (double(r) + 1 - l) / 2;
    const double ry = (double(b) + 1 - t) / 2;
    const double nx = (x + 0.5 - (l + rx)) / rx;
    const double ny = (y + 0.5 - (t + ry)) / ry;
    return nx * nx + ny * ny <= 1.0;
}

void TCircleSprite::Paint(QPainter& painter, TPaintMode mode) const {
    int l, t, r, b;
    ScreenRect(l, t, r, b);
    const TBrushSelection selected = SelectBrush(painter, mode);
    DrawBox(painter, TBoxShape::Ellipse, l, t, r, b);
}

TPolySprite::TPolySprite(TWall* parent) : TBrushedSprite(parent) {
    Style.Include(ssNoPosProperty);
    Style.Include(ssNoSizeProperty);
    Points = {QPoint(0, 0), QPoint(100, 0)};
}

void TPolySprite::UpdateBounds() {
    if (Points.empty()) {
        Left = Top = 0;
        SetWidth(0);
        SetHeight(0);
        return;
    }
    int32_t minX = Points.front().x(), maxX = minX;
    int32_t minY = Points.front().y(), maxY = minY;
    for (const QPoint& p : Points) {
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    Left = minX;
    Top = minY;
    SetWidth(ClampToInt32(int64_t{maxX} - minX + 1));
    SetHeight(ClampToInt32(int64_t{maxY} - minY + 1));
}

void TPolySprite::UpdateScreenPoints() {
    ScreenPoints.resize(PointCount());
    // Scenes are read at their natural size, where every point stays.
    const int32_t zoom = Zoom();
    if (zoom == 100) {
        std::copy(Points.begin(), Points.end(), ScreenPoints.begin());
        return;
    }
    std::transform(Points.begin(), Points.end(), ScreenPoints.begin(), [zoom](const QPoint& p) {
        return QPoint(ZoomedBy(p.x(), zoom), ZoomedBy(p.y(), zoom));
    });
}

void TPolySprite::ReadProps(const TPropList& props) {
    TBrushedSprite::ReadProps(props);
    const QStringView text = props.Value(u"points");
    if (text.isEmpty())
        return;
    std::vector<QPoint> points = TextToPoints(text);
    if (points.size() > static_cast<size_t>(MaxPointCount))
        points.resize(static_cast<size_t>(MaxPointCount));
    // Taken over rather than copied; the screen points keep the count, their
    // places follow when the shape is resolved after loading.
    Points = std::move(points);
    ScreenPoints.resize(PointCount());
}

void TPolySprite::WriteProps(QString& text) const {
    TBrushedSprite::WriteProps(text);
    WriteRawProp(text, u"points", PointsToText(Points));
}

void TPolySprite::Resolve() {
    TBrushedSprite::Resolve();
    UpdateBounds();
    UpdateScreenPoints();
}

void TPolySprite::MoveHandle(int handle, int32_t x, int32_t y) {
    if (handle < 0 || handle >= PointCount())
        return;
    Points[static_cast<size_t>(handle)] = QPoint(x, y);
    ScreenPoints[handle] = QPoint(Zoomed(x), Zoomed(y));
    UpdateBounds();
}

int TPolySprite::HandleAt(int x, int y, int tolerance) const {
    for (int i = 0; i < ScreenPoints.size(); ++i) {
        const QPoint& p = ScreenPoints[i];
        if (std::abs(int64_t{x} - p.x()) <= tolerance && std::abs(int64_t{y} - p.y()) <= tolerance)
            return i;
    }
    return -1;
}

void TPolySprite::MoveBy(int32_t dx, int32_t dy) {
    TSprite::MoveBy(dx, dy);
    for (QPoint& p : Points)
        p = QPoint(SaturatingAdd(p.x(), dx), SaturatingAdd(p.y(), dy));
    // Points held at the edge of the range keep the bounds true to them.
    if (!Points.empty())
        UpdateBounds();
    UpdateScreenPoints();
}

void TPolySprite::PaintHandles(QPainter& painter, int size) const {
    for (const QPoint& p : ScreenPoints)
        DrawHandle(painter, p, size);
}

void TPolySprite::SnapToGrid(int32_t step) {
    if (step <= 0)
        return;
    for (QPoint& p : Points)
        p = QPoint(SnapValue(p.x(), step), SnapValue(p.y(), step));
    UpdateBounds();
    UpdateScreenPoints();
}

bool TPolylineSprite::HitTest(int x, int y) const {
    if (!InScreenRect(x, y))
        return false;
    for (int i = 1; i < ScreenPoints.size(); ++i) {
        const int64_t x0 = ScreenPoints[i - 1].x(), y0 = ScreenPoints[i - 1].y();
        const int64_t x1 = ScreenPoints[i].x(), y1 = ScreenPoints[i].y();
        const bool betweenX = std::min(x0, x1) <= x && x <= std::max(x0, x1);
        const bool betweenY = std::min(y0, y1) <= y && y <= std::max(y0, y1);
        if (y0 == y1) {
            if (y == y0 && betweenX)
                return true;
        } else if (x0 == x1) {
            if (x == x0 && betweenY)
                return true;
        } else if (betweenX && betweenY) {
            // Both differences may span the whole 32-bit range, so their
            // product needs more than 64 bits.
            const auto step =
                static_cast<int64_t>(static_cast<__int128>(y - y0) * (x1 - x0) / (y1 - y0));
            const int64_t onSegment = x0 + step;
            if (std::abs(x - onSegment) <= 1)
                return true;
        }
    }
    return false;
}

void TPolylineSprite::Paint(QPainter& painter, TPaintMode mode) const {
    const TBrushSelection selected = SelectBrush(painter, mode);
    DrawPolylineShape(painter, ScreenPoints);
}

TPolygonSprite::TPolygonSprite(TWall* parent) : TPolySprite(parent) {
    Style.Include(ssClosed);
    Points.push_back(QPoint(0, 100));
}

bool TPolygonSprite::HitTest(int x, int y) const {
    return InScreenRect(x, y) && ScreenPoints.containsPoint(QPoint(x, y), Qt::OddEvenFill);
}

void TPolygonSprite::Paint(QPainter& painter, TPaintMode mode) const {
    const TBrushSelection selected = SelectBrush(painter, mode);
    DrawPolygonShape(painter, ScreenPoints);
}

TTextSprite::TTextSprite(TWall* parent) : TSprite(parent), Font(&parent->DefaultFont) {
    Style.Include(ssAutoSizeProperty);
    Style.Include(ssAutoSize);
}

void TTextSprite::ReadProps(const TPropList& props) {
    TSprite::ReadProps(props);
    FontName = Parent->SharedStyleName(props.Value(u"font"));
    const QStringView align = props.Value(u"align");
    if (align.compare(u"center", Qt::CaseInsensitive) == 0)
        Align = taCenter;
    else if (align.compare(u"right", Qt::CaseInsensitive) == 0)
        Align = taRight;
    ReadStringProp(props, u"value", Value);
}

void TTextSprite::WriteProps(QString& text) const {
    TSprite::WriteProps(text);
    if (Font != &Parent->DefaultFont)
        WriteStringProp(text, u"font", Font->Name);
    if (Align == taCenter)
        WriteRawProp(text, u"align", u"center");
    else if (Align == taRight)
        WriteRawProp(text, u"align", u"right");
    WriteStringProp(text, u"value", Value);
}

void TTextSprite::SetName(const QString& name) {
    // A text that shows its own name goes on showing it.
    const bool follows = Value == Name;
    Name = name;
    if (!follows)
        return;
    Value = name;
    if (Style.Has(ssAutoSize))
        AutoSize();
}

void TTextSprite::AutoSize() {
    if (Parent->MeasureTexts)
        MarkSizeStale();
}

QSize TTextSprite::MeasureContent() const {
    const QRect measured =
        QFontMetrics(Font->FontHandle)
            .boundingRect(QRect(0, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, Value);
    return {ClampToInt32(int64_t{measured.width()} * 100 / Zoom()),
            ClampToInt32(int64_t{measured.height()} * 100 / Zoom())};
}

void TTextSprite::StyleChanged(TBoomer* style) {
    if (style == Font && Style.Has(ssAutoSize))
        AutoSize();
}

void TTextSprite::StyleRemoved(TBoomer* style) {
    if (style != Font)
        return;
    Font = &Parent->DefaultFont;
    StyleChanged(Font);
}

void TTextSprite::Resolve() {
    if (!FontName.isEmpty()) {
        if (auto* font = FindStyle<TFontBoomer>(*Parent, FontName))
            Font = font;
        FontName.clear();
    }
    if (Style.Has(ssAutoSize))
        AutoSize();
}

void TTextSprite::ZoomChanged() {
    if (Style.Has(ssAutoSize))
        AutoSize();
}

void TTextSprite::Paint(QPainter& painter, TPaintMode mode) const {
    int l, t, r, b;
    ScreenRect(l, t, r, b);
    if (mode == pmOutline) {
        DrawBox(painter, TBoxShape::Rect, l, t, r, b);
        return;
    }
    // A map drawn far out leaves out the names too small to read.
    constexpr double ReadablePixels = 7;
    if (mode == pmNormal && painter.transform().m22() < 1 &&
        QFontMetricsF(Font->FontHandle).height() * painter.transform().m22() < ReadablePixels)
        return;
    const QFont oldFont = painter.font();
    const QPen oldPen = painter.pen();
    painter.setFont(Font->FontHandle);
    painter.setPen(ToQColor(Font->Color));
    if (mode == pmSelected)
        DrawFocusRect(painter, l, t, r, b);
    int flags = Qt::AlignTop;
    if (!Style.Has(ssAutoSize))
        flags |= Qt::TextWordWrap;
    flags |= Align == taCenter  ? Qt::AlignHCenter
             : Align == taRight ? Qt::AlignRight
                                : Qt::AlignLeft;
    const QRect box = BoxRect(l, t, r, b);
    if (box.width() > 0 && box.height() > 0)
        painter.drawText(box, flags, Value);
    painter.setFont(oldFont);
    painter.setPen(oldPen);
}

TImageSprite::TImageSprite(TWall* parent) : TSprite(parent) {
    Style.Include(ssAutoSizeProperty);
    Style.Include(ssAutoSize);
}

void TImageSprite::ReadProps(const TPropList& props) {
    TSprite::ReadProps(props);
    if (ReadStringProp(props, u"src", Src))
        Bitmap = LoadSceneBitmap(Src);
}

void TImageSprite::WriteProps(QString& text) const {
    TSprite::WriteProps(text);
    WriteStringProp(text, u"src", Src);
}

void TImageSprite::AutoSize() {
    if (Bitmap.isNull())
        return;
    SetWidth(Bitmap.width());
    SetHeight(Bitmap.height());
}

void TImageSprite::Resolve() {
    if (Style.Has(ssAutoSize))
        AutoSize();
}

void TImageSprite::Paint(QPainter& painter, TPaintMode mode) const {
    int l, t, r, b;
    ScreenRect(l, t, r, b);
    if (mode == pmOutline) {
        DrawBox(painter, TBoxShape::Rect, l, t, r, b);
        return;
    }
    if (Bitmap.isNull())
        return;
    const QRect target = BoxRect(l, t, r, b);
    if (target.width() > 0 && target.height() > 0)
        painter.drawImage(target, Bitmap, Bitmap.rect());
    if (mode == pmSelected)
        DrawFocusRect(painter, l, t, r, b);
}

QImage LoadSceneBitmap(const QString& src) {
    const QString path = LocalPath(src);
    QString found;
    if (QFileInfo::exists(path))
        found = path;
    else if (QDir::isRelativePath(path) && QFileInfo::exists(ProgramFolder() + u'/' + path))
        found = ProgramFolder() + u'/' + path;
    if (found.isEmpty())
        return {};
    QImageReader reader(found);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > TImageSprite::MaxBitmapSize ||
        size.height() > TImageSprite::MaxBitmapSize)
        return {};
    QImage image = reader.read();
    // Pictures are copied opaque, whatever alpha the file carries.
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}
