#pragma once

#include "scene/shapes.h"

#include <QHash>
#include <QRect>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

enum class TItemKind;

// A named group of shapes; only shapes of shown groups are painted.
struct TSpriteGroup {
    QString Name;
    int Shown = 1;
};

// The union of shape rectangles in scene units, right and bottom excluded.
struct TSceneBounds {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
};

// A scene: its styles, shapes and groups, a background colour and a zoom. It
// owns every item in its lists and its two default styles.
class TWall final : public TSamline {
public:
    TWall();
    ~TWall() override;

    TBrushBoomer DefaultBrush;
    TFontBoomer DefaultFont;
    TBoomerList Boomers;
    TSpriteList Sprites;
    std::vector<TSpriteGroup> Groups;
    TColor Color = clWhite;
    int32_t Zoom = 100;
    // Whether texts that size themselves are measured. A scene that is never
    // painted or hit-tested, as in the simulator, can leave them unmeasured:
    // the first measurement brings up the font database, which is most of
    // such a program's start-up.
    bool MeasureTexts = true;

    void ReadProps(const TPropList& props) override;
    void WriteProps(QString& text) const override;

    // Destroys every shape and style and forgets the groups; the zoom and the
    // default styles stay.
    void Clear();
    // Replaces the scene by the one in a file; throws TGameError naming the
    // path when the file cannot be read, leaving the scene as it was.
    void LoadFromFile(const QString& fileName);
    // Adds the items of a scene text.
    void ParseText(QStringView text);
    // The keyword of an item's kind; the prefix of its generated names.
    static QString TagOf(const TSamline* item);
    void SetZoom(int32_t percent);

    // The index of a group by name ignoring letter case, added when new.
    int32_t GroupIndex(QStringView name);
    // A style name as shapes give it, in one text shared by every shape of
    // the scene that gives it alike: thousands of shapes name a few styles.
    QString SharedStyleName(QStringView name);
    bool GroupShown(int32_t index) const;

    // Paints the shapes in list order. With a clip rectangle (screen pixels)
    // shapes outside it are skipped without being asked to draw; mode 3
    // paints only the shapes marked for the overview map.
    void PaintSprites(const TSpriteList& sprites, QPainter& painter,
                      const std::optional<QRect>& clip, TPaintMode mode) const;
    static TSceneBounds SpritesBounds(const TSpriteList& sprites);
    // Moves every shape; false, and nothing moves, when both offsets are 0.
    static bool MoveSprites(const TSpriteList& sprites, int32_t dx, int32_t dy);

    // Moves the shapes so that their bounds sit in the middle of a square of
    // the given edge, offsets truncated toward zero.
    void CenterSprites(int32_t edge);

    TSprite* Sprite(int index) const { return static_cast<TSprite*>(Sprites.At(index)); }
    TBoomer* Boomer(int index) const { return static_cast<TBoomer*>(Boomers.At(index)); }

private:
    TSprite* CreateSprite(TItemKind kind);
    TBoomer* CreateStyle(TItemKind kind);

    QHash<QString, int32_t> groupIndex_; // case-folded name -> index in Groups
    size_t lastGroup_ = SIZE_MAX;        // the group found last: the next shape's, mostly
    std::vector<QString> styleNames_;    // the style names given so far, a handful
};
