#include "scene/wall.h"

#include "base/inifile.h"
#include "base/numbers.h"
#include "base/paths.h"

#include <QPainter>
#include <algorithm>
#include <string_view>
#include <typeinfo>

namespace {

// Zooms beyond this are no use to anyone and would only strain the arithmetic.
constexpr int32_t MaxZoom = 100000;

} // namespace

TWall::TWall() {
    Boomers.OnGetTag = &TWall::TagOf;
    Sprites.OnGetTag = &TWall::TagOf;
    DefaultBrush.SetZoom(Zoom);
    DefaultFont.SetZoom(Zoom);
}

TWall::~TWall() {
    Clear();
}

void TWall::ReadProps(const TPropList& props) {
    ReadColorProp(props, u"color", Color);
}

void TWall::WriteProps(QString& text) const {
    WriteColorProp(text, u"color", Color);
}

void TWall::Clear() {
    Color = clWhite;
    for (TSamline* sprite : Sprites)
        delete sprite;
    Sprites.Clear();
    for (TSamline* style : Boomers)
        delete style;
    Boomers.Clear();
    Groups.clear();
    groupIndex_.clear();
    styleNames_.clear();
}

void TWall::LoadFromFile(const QString& fileName) {
    const QByteArray bytes = ReadDataFile(LocalPath(fileName));
    Clear();
    ParseText(DecodeDataText(bytes));
}

// The kinds of item a scene text makes, by their tag keywords.
enum class TItemKind { None, Rect, Circle, Text, Image, Place, Line, Brush, Font, Picture };

namespace {

struct TTagKind {
    std::u16string_view Tag;
    TItemKind Kind;
};

constexpr TTagKind TagKinds[] = {
    {u"RECT", TItemKind::Rect},   {u"CIRCLE", TItemKind::Circle}, {u"TEXT", TItemKind::Text},
    {u"IMAGE", TItemKind::Image}, {u"PLACE", TItemKind::Place},   {u"LINE", TItemKind::Line},
    {u"BRUSH", TItemKind::Brush}, {u"FONT", TItemKind::Font},     {u"PICTURE", TItemKind::Picture},
};

// Every tag of a large scene is looked up here, so the comparison stays
// inline: keywords are upper-case ASCII and compared exactly.
TItemKind KindOfTag(QStringView tag) {
    for (const TTagKind& known : TagKinds)
        if (static_cast<size_t>(tag.size()) == known.Tag.size() &&
            std::equal(known.Tag.begin(), known.Tag.end(), tag.utf16()))
            return known.Kind;
    return TItemKind::None;
}

} // namespace

void TWall::ParseText(QStringView text) {
    // The items are sorted into styles and shapes as they are made, which
    // spares a type check of each item afterwards.
    std::vector<TBoomer*> styles;
    std::vector<TSprite*> sprites;
    TSamlineList items;
    items.OnCreateItem = [&](const QString& tag) -> TSamline* {
        const TItemKind kind = KindOfTag(tag);
        if (TSprite* sprite = CreateSprite(kind)) {
            sprites.push_back(sprite);
            return sprite;
        }
        if (TBoomer* style = CreateStyle(kind)) {
            styles.push_back(style);
            return style;
        }
        return kind == TItemKind::Picture ? this : nullptr;
    };
    ParseScene(items, text);
    // Styles first, so that shapes can name a style written after them.
    for (TBoomer* style : styles) {
        Boomers.Add(style);
        style->SetZoom(Zoom);
    }
    for (TSprite* sprite : sprites) {
        Sprites.Add(sprite);
        sprite->Resolve();
    }
    MakeNamesUnique(Boomers);
    MakeNamesUnique(Sprites);
}

TSprite* TWall::CreateSprite(TItemKind kind) {
    switch (kind) {
    case TItemKind::Rect:
        return new TRectSprite(this);
    case TItemKind::Circle:
        return new TCircleSprite(this);
    case TItemKind::Text:
        return new TTextSprite(this);
    case TItemKind::Image:
        return new TImageSprite(this);
    case TItemKind::Place:
        return new TPolygonSprite(this);
    case TItemKind::Line:
        return new TPolylineSprite(this);
    default:
        return nullptr;
    }
}

TBoomer* TWall::CreateStyle(TItemKind kind) {
    switch (kind) {
    case TItemKind::Brush:
        return new TBrushBoomer;
    case TItemKind::Font:
        return new TFontBoomer;
    default:
        return nullptr;
    }
}

QString TWall::TagOf(const TSamline* item) {
    if (!item)
        return {};
    // Every kind here is final, so comparing exact types finds the same kind
    // as a dynamic_cast would, at a fraction of the cost: the names of a large
    // scene's shapes are made from these tags.
    const std::type_info& type = typeid(*item);
    if (type == typeid(TRectSprite))
        return QStringLiteral("RECT");
    if (type == typeid(TCircleSprite))
        return QStringLiteral("CIRCLE");
    if (type == typeid(TTextSprite))
        return QStringLiteral("TEXT");
    if (type == typeid(TImageSprite))
        return QStringLiteral("IMAGE");
    if (type == typeid(TPolygonSprite))
        return QStringLiteral("PLACE");
    if (type == typeid(TPolylineSprite))
        return QStringLiteral("LINE");
    if (type == typeid(TBrushBoomer))
        return QStringLiteral("BRUSH");
    if (type == typeid(TFontBoomer))
        return QStringLiteral("FONT");
    if (type == typeid(TWall))
        return QStringLiteral("PICTURE");
    return {};
}

void TWall::SetZoom(int32_t percent) {
    percent = std::clamp(percent, 1, MaxZoom);
    if (percent == Zoom)
        return;
    Zoom = percent;
    DefaultBrush.SetZoom(percent);
    DefaultFont.SetZoom(percent);
    for (TSamline* style : Boomers)
        static_cast<TBoomer*>(style)->SetZoom(percent);
    for (TSamline* sprite : Sprites)
        static_cast<TSprite*>(sprite)->ZoomChanged();
}

int32_t TWall::GroupIndex(QStringView name) {
    if (lastGroup_ < Groups.size() && Groups[lastGroup_].Name == name)
        return static_cast<int32_t>(lastGroup_);
    const QString folded = name.toString().toCaseFolded();
    const auto found = groupIndex_.constFind(folded);
    if (found != groupIndex_.constEnd()) {
        lastGroup_ = static_cast<size_t>(*found);
        return *found;
    }
    lastGroup_ = Groups.size();
    Groups.push_back({name.toString(), 1});
    groupIndex_.insert(folded, static_cast<int32_t>(lastGroup_));
    return static_cast<int32_t>(lastGroup_);
}

QString TWall::SharedStyleName(QStringView name) {
    // A scene names few styles; past that many, names are simply copied.
    static constexpr size_t MaxShared = 32;
    if (name.isEmpty())
        return {};
    for (const QString& known : styleNames_)
        if (known == name)
            return known;
    QString copy = name.toString();
    if (styleNames_.size() < MaxShared)
        styleNames_.push_back(copy);
    return copy;
}

bool TWall::GroupShown(int32_t index) const {
    return index >= 0 && index < static_cast<int32_t>(Groups.size()) &&
           Groups[static_cast<size_t>(index)].Shown == 1;
}

void TWall::PaintSprites(const TSpriteList& sprites, QPainter& painter,
                         const std::optional<QRect>& clip, TPaintMode mode) const {
    painter.setBackgroundMode(Qt::TransparentMode);
    for (TSamline* item : sprites) {
        const auto* sprite = static_cast<const TSprite*>(item);
        if (mode == pmPlan && !sprite->Style.Has(ssPlan))
            continue;
        if (sprite->Group != -1 && !sprite->Parent->GroupShown(sprite->Group))
            continue;
        if (clip && !sprite->Intersects(*clip))
            continue;
        sprite->Paint(painter, mode);
    }
}

TSceneBounds TWall::SpritesBounds(const TSpriteList& sprites) {
    if (sprites.Count() == 0)
        return {};
    int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
    for (TSamline* item : sprites) {
        const auto* s = static_cast<const TSprite*>(item);
        left = std::min<int64_t>(left, s->Left);
        top = std::min<int64_t>(top, s->Top);
        right = std::max(right, int64_t{s->Left} + s->Width());
        bottom = std::max(bottom, int64_t{s->Top} + s->Height());
    }
    return {ClampToInt32(left), ClampToInt32(top), ClampToInt32(right), ClampToInt32(bottom)};
}

bool TWall::MoveSprites(const TSpriteList& sprites, int32_t dx, int32_t dy) {
    if (dx == 0 && dy == 0)
        return false;
    for (TSamline* item : sprites)
        static_cast<TSprite*>(item)->MoveBy(dx, dy);
    return true;
}

void TWall::CenterSprites(int32_t edge) {
    const TSceneBounds bounds = SpritesBounds(Sprites);
    const int64_t width = int64_t{bounds.Right} - bounds.Left;
    const int64_t height = int64_t{bounds.Bottom} - bounds.Top;
    MoveSprites(Sprites, ClampToInt32((edge - width) / 2 - bounds.Left),
                ClampToInt32((edge - height) / 2 - bounds.Top));
}
