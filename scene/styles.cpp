#include "scene/styles.h"

#include "base/numbers.h"

#include <QPainter>
#include <algorithm>

QColor ToQColor(TColor color) {
    return QColor(color & 0xFF, color >> 8 & 0xFF, color >> 16 & 0xFF);
}

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    if (c == 0)
        return -1;
    const int64_t product = static_cast<int64_t>(a) * b;
    const int64_t divisor = c < 0 ? -int64_t{c} : int64_t{c};
    const int64_t magnitude = ((product < 0 ? -product : product) + divisor / 2) / divisor;
    return ClampToInt32((product < 0) != (c < 0) ? -magnitude : magnitude);
}

void TBoomer::SetZoom(int32_t) {}

namespace {

// The widest pen a style makes, in screen pixels.
constexpr double MaxPenWidth = 1 << 20;

} // namespace

void TBrushBoomer::ReadProps(const TPropList& props) {
    TBoomer::ReadProps(props);
    if (!ReadColorProp(props, u"fill", Fill))
        BrushStyle = bsNull;
    if (!ReadColorProp(props, u"line", LineColor))
        PenStyle = psNull;
    float size = Size;
    // A negative line width is no width at all.
    if (ReadFloatProp(props, u"size", size) && size >= 0)
        Size = size;
}

void TBrushBoomer::WriteProps(QString& text) const {
    TBoomer::WriteProps(text);
    if (BrushStyle != bsNull)
        WriteColorProp(text, u"fill", Fill);
    if (PenStyle != psNull) {
        WriteColorProp(text, u"line", LineColor);
        if (Size != 1.0f)
            WriteFloatProp(text, u"size", Size);
    }
}

void TBrushBoomer::ReadStyleWords(const TStyleWords& words) {
    if (HasWord(words, u"nozoom"))
        NoZoom = true;
}

void TBrushBoomer::WriteStyleWords(QStringList& words) const {
    if (NoZoom)
        words.append(QStringLiteral("nozoom"));
}

void TBrushBoomer::SetZoom(int32_t percent) {
    BrushHandle = BrushStyle == bsNull ? QBrush(Qt::NoBrush) : QBrush(ToQColor(Fill));
    const double width = NoZoom ? Size : percent * static_cast<double>(Size) * 0.01;
    PenWidth = static_cast<int32_t>(std::clamp(width, 0.0, MaxPenWidth));
    if (PenStyle == psNull) {
        PenHandle = QPen(Qt::NoPen);
        return;
    }
    // Width 0 and 1 are the one-pixel cosmetic line; wider lines have the
    // round ends and joins of the Windows pens the scenes were drawn with.
    PenHandle = QPen(ToQColor(LineColor), PenWidth > 1 ? PenWidth : 0, Qt::SolidLine,
                     PenWidth > 1 ? Qt::RoundCap : Qt::SquareCap,
                     PenWidth > 1 ? Qt::RoundJoin : Qt::BevelJoin);
}

TBrushSelection::TBrushSelection(QPainter& painter, const TBrushBoomer* style) {
    if (!style)
        return;
    painter_ = &painter;
    brush_ = painter.brush();
    pen_ = painter.pen();
    painter.setBrush(style->BrushHandle);
    painter.setPen(style->PenHandle);
}

TBrushSelection::~TBrushSelection() {
    if (!painter_)
        return;
    painter_->setBrush(brush_);
    painter_->setPen(pen_);
}

void TFontBoomer::ReadProps(const TPropList& props) {
    TBoomer::ReadProps(props);
    ReadStringProp(props, u"face", Face);
    int32_t size = 0;
    if (ReadIntProp(props, u"size", size))
        Size = static_cast<uint8_t>(size & 0xFF);
    ReadColorProp(props, u"color", Color);
}

void TFontBoomer::WriteProps(QString& text) const {
    TBoomer::WriteProps(text);
    WriteStringProp(text, u"face", Face);
    WriteIntProp(text, u"size", Size);
    if (Color != clBlack)
        WriteColorProp(text, u"color", Color);
}

void TFontBoomer::ReadStyleWords(const TStyleWords& words) {
    if (HasWord(words, u"bold"))
        FontStyle |= fsBold;
    if (HasWord(words, u"italic"))
        FontStyle |= fsItalic;
    if (HasWord(words, u"underline"))
        FontStyle |= fsUnderline;
}

void TFontBoomer::WriteStyleWords(QStringList& words) const {
    if (FontStyle & fsBold)
        words.append(QStringLiteral("bold"));
    if (FontStyle & fsItalic)
        words.append(QStringLiteral("italic"));
    if (FontStyle & fsUnderline)
        words.append(QStringLiteral("underline"));
}

void TFontBoomer::SetZoom(int32_t percent) {
    int32_t points = static_cast<int32_t>(int64_t{Size} * percent / 100);
    if (points < 2)
        points = 1;
    // The faces are those of the desktop the scenes were made on; a scene
    // without a face gets the one the default font names.
    const QString face = Face.isEmpty() ? QStringLiteral("Times New Roman") : Face.left(20);
    QFont font(face);
    // Scene fonts are sized for 96 pixels per inch whatever the screen says.
    font.setPixelSize(MulDiv(points, 96, 72));
    font.setWeight((FontStyle & fsBold) ? QFont::Bold : QFont::Normal);
    font.setItalic(FontStyle & fsItalic);
    font.setUnderline(FontStyle & fsUnderline);
    FontHandle = font;
}
