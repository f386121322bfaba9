#pragma once

#include <QRect>
#include <QWidget>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QPainter;
class TImageList;

// The health bar: the filled part, lime from 500 on and red below, over gray.
// Screen readers see a progress bar whose value is the health, told when it
// changes.
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

class TStatusPanel;

// A line of text that the status panel paints, where a label control would
// stand: the panel's dozen and a half figures and captions cost it no control
// each.
class TPanelText {
public:
    TPanelText(TStatusPanel& panel, const QRect& bounds, Qt::Alignment alignment,
               const QString& hint);

    const QString& text() const { return text_; }
    // Repaints the text's place when the text changes, and tells screen
    // readers.
    void setText(const QString& text);

    const QRect& Bounds() const { return bounds_; }
    Qt::Alignment Alignment() const { return alignment_; }
    const QString& Hint() const { return hint_; }

private:
    TStatusPanel& panel_;
    QRect bounds_;
    Qt::Alignment alignment_;
    QString hint_;
    QString text_;
};

// A panel that shows fixed pictures of image lists and lines of text itself,
// each with its hint, instead of a control for each. Texts are drawn as a
// label draws them, in the panel's font and text colour; hints stay up for
// the panel's toolTipDuration().
// Screen readers see the panel's controls and then each text as a static text
// of the panel, named by its figure and described by its hint.
class TStatusPanel : public QWidget {
    Q_OBJECT

public:
    explicit TStatusPanel(QWidget* parent = nullptr);

    // A picture with its top-left corner at a place of the panel; the hint is
    // a tooltip's text. The list must outlive the panel.
    void AddPicture(QPoint at, const TImageList& images, int index, const QString& hint);
    // A line of text in a box of the panel, empty at first; the hint is a
    // tooltip's text. The panel owns it.
    TPanelText* AddText(const QRect& bounds, Qt::Alignment alignment, const QString& hint);
    // The hint of the picture or text at a place of the panel, or none.
    QString HintAt(QPoint at) const;
    // The texts in the order they were added.
    const std::vector<std::unique_ptr<TPanelText>>& Texts() const { return texts_; }
    // Tells screen readers that a text of the panel has changed.
    void Announce(const TPanelText& text);

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
    // The bounds and hint of what lies at a place of the panel.
    std::optional<std::pair<QRect, QString>> HintPlaceAt(QPoint at) const;

    std::vector<TPicture> pictures_;
    std::vector<std::unique_ptr<TPanelText>> texts_;
};
