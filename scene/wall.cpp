#include "scene/wall.h"

#include "model/game.h"
#include "model/inifile.h"
#include "model/numbers.h"
#include "model/paths.h"

#include <QFile>
#include <QPainter>

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
}

void TWall::LoadFromFile(const QString& fileName) {
    QFile file(LocalPath(fileName));
    if (!file.open(QIODevice::ReadOnly))
        throw TGameError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TGameError(
            QStringLiteral("Cannot read file \"%1\". %2").arg(fileName, file.errorString()));
    file.close();
    Clear();
    ParseText(DecodeDataText(bytes));
}

void TWall::ParseText(QStringView text) {
    TKlopList items;
    items.OnCreateItem = [this](const QString& tag) { return CreateItem(tag); };
    ParseScene(items, text);
    // Styles first, so that shapes can name a style written after them.
    for (TSamline* item : items) {
        if (auto* style = dynamic_cast<TBoomer*>(item)) {
            Boomers.Add(style);
            style->SetZoom(Zoom);
        }
    }
    for (TSamline* item : items) {
        if (auto* sprite = dynamic_cast<TSprite*>(item)) {
            Sprites.Add(sprite);
            sprite->Resolve();
        }
    }
    MakeNamesUnique(Boomers);
    MakeNamesUnique(Sprites);
}

TSamline* TWall::CreateItem(const QString& tag) {
    if (tag == u"RECT")
        return new TRectSprite(this);
    if (tag == u"CIRCLE")
        return new TCircleSprite(this);
    if (tag == u"TEXT")
        return new TTextSprite(this);
    if (tag == u"IMAGE")
        return new TImageSprite(this);
    if (tag == u"PLACE")
        return new TPolygonSprite(this);
    if (tag == u"LINE")
        return new TPolylineSprite(this);
    if (tag == u"BRUSH")
        return new TBrushBoomer;
    if (tag == u"FONT")
        return new TFontBoomer;
    if (tag == u"PICTURE")
        return this;
    return nullptr;
}

QString TWall::TagOf(const TSamline* item) {
    if (dynamic_cast<const TRectSprite*>(item))
        return QStringLiteral("RECT");
    if (dynamic_cast<const TCircleSprite*>(item))
        return QStringLiteral("CIRCLE");
    if (dynamic_cast<const TTextSprite*>(item))
        return QStringLiteral("TEXT");
    if (dynamic_cast<const TImageSprite*>(item))
        return QStringLiteral("IMAGE");
    if (dynamic_cast<const TPolygonSprite*>(item))
        return QStringLiteral("PLACE");
    if (dynamic_cast<const TPolylineSprite*>(item))
        return QStringLiteral("LINE");
    if (dynamic_cast<const TBrushBoomer*>(item))
        return QStringLiteral("BRUSH");
    if (dynamic_cast<const TFontBoomer*>(item))
        return QStringLiteral("FONT");
    if (dynamic_cast<const TWall*>(item))
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

int32_t TWall::GroupIndex(const QString& name) {
    const QString folded = name.toCaseFolded();
    const auto found = groupIndex_.constFind(folded);
    if (found != groupIndex_.constEnd())
        return *found;
    const auto index = static_cast<int32_t>(Groups.size());
    Groups.push_back({name, 1});
    groupIndex_.insert(folded, index);
    return index;
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
        right = std::max(right, int64_t{s->Left} + s->Width);
        bottom = std::max(bottom, int64_t{s->Top} + s->Height);
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
