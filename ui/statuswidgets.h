#pragma once

#include <QRect>
#include <QWidget>
#include <vector>

class QPainter;
class TImageList;

// The health bar: the filled part, lime from 500 on and red below, over gray.
class THealthBar : public QWidget {
public:
    explicit THealthBar(QWidget* parent = nullptr);

    void SetHealth(int health);
    int Health() const { return health_; }
    // Paints a bar of the box's size for a health of 0..1000.
    static void PaintHealth(QPainter& painter, const QRect& box, int health);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int health_ = 0;
};

// How a child keeps its place when its panel is resized.
enum TAnchors {
    akTopLeft,    // stays where it is
    akTopRight,   // keeps its distance from the right edge
    akBottomLeft, // keeps its distance from the bottom edge
    akAll,        // grows with the panel
};

// A panel whose children follow their anchors when it is resized.
class TAnchorPanel : public QWidget {
public:
    explicit TAnchorPanel(QWidget* parent = nullptr) : QWidget(parent) {}

    // Anchors a child as it stands now, in a panel of the size it has now.
    void Anchor(QWidget* child, TAnchors anchors);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct TAnchored {
        QWidget* Child;
        TAnchors Anchors;
        QRect Bounds; // the child's bounds in a panel of PanelSize
        QSize PanelSize;
    };
    std::vector<TAnchored> anchored_;
};

// A panel that shows fixed pictures of image lists itself, each with its hint,
// instead of a control for each picture. Hints stay up for the panel's
// toolTipDuration().
class TPicturePanel : public QWidget {
public:
    explicit TPicturePanel(QWidget* parent = nullptr) : QWidget(parent) {}

    // A picture with its top-left corner at a place of the panel; the hint is
    // a tooltip's text. The list must outlive the panel.
    void AddPicture(QPoint at, const TImageList& images, int index, const QString& hint);
    // The hint of the picture at a place of the panel, or none.
    QString HintAt(QPoint at) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct TPicture {
        QRect Bounds;
        const TImageList* Images;
        int Index;
        QString Hint;
    };
    const TPicture* PictureAt(QPoint at) const;

    std::vector<TPicture> pictures_;
};
