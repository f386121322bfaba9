#pragma once

#include <QColor>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>

class QPainter;

class TImageList;

// A light drawn control that knows whether the mouse is over it and reports
// clicks: a left press and release inside it, or Space or Enter while it has
// the keyboard (it takes the keyboard only when given a focus policy), and
// shows its hint when the keyboard reaches it. Screen
// readers see a control that can be clicked as a push button, any other as a
// picture, named by its hint unless it has an accessible name of its own.
class TvtGraphicControl : public QWidget {
public:
    explicit TvtGraphicControl(QWidget* parent = nullptr);

    std::function<void()> OnClick;
    // The mouse has come over the control or left it.
    std::function<void()> OnMouseHover;
    // Composes the tooltip when it is first wanted, for hints that cost
    // something to make; until then the control's toolTip() is empty.
    std::function<QString()> OnHint;

    bool Hover() const { return hover_; }
    // A control of something the game does not allow now: drawn faded, and
    // read by screen readers as unavailable; it still answers clicks.
    bool Unavailable() const { return unavailable_; }
    void SetUnavailable(bool unavailable);
    virtual void Click();
    // The hint as its tooltip shows it, composed now if it waited for OnHint.
    QString Hint();

protected:
    // Called whenever the hover flag changes; descendants repaint here.
    virtual void MouseHover();
    // A frame inside the box, black and white so that it shows on any
    // picture, while the control has the keyboard.
    void PaintFocus(QPainter& painter, const QRect& box) const;

    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetHover(bool hover);

    bool hover_ = false;
    bool pressed_ = false;
    bool unavailable_ = false;
};

// A picture from an image list, with another one while the mouse is over it.
class TvtPic : public TvtGraphicControl {
public:
    explicit TvtPic(QWidget* parent = nullptr);

    // The list must outlive the control; none draws nothing.
    void SetImages(const TImageList* images);
    const TImageList* Images() const { return images_; }
    void SetImageIndex(int32_t index);
    int32_t ImageIndex() const { return imageIndex_; }
    // -1: the same picture under the mouse.
    void SetHoverImageIndex(int32_t index);

protected:
    void MouseHover() override;
    void paintEvent(QPaintEvent* event) override;

private:
    const TImageList* images_ = nullptr;
    int32_t imageIndex_ = 0;
    int32_t hoverImageIndex_ = -1;
};

// A flat drawn push button, reached by Tab. Default presses it with Enter and
// accepts the dialog, Cancel with Escape and rejects it; ManualClose leaves
// the dialog's result to the click handler.
class TvtButton : public TvtGraphicControl {
public:
    explicit TvtButton(const QString& caption = QString(), QWidget* parent = nullptr);
    ~TvtButton() override;

    bool Default = false;
    bool Cancel = false;
    bool ManualClose = false;

    QString Caption() const { return caption_; }

    void Click() override;

    static QColor FaceColor(bool isDefault, bool hover);
    static QColor OutlineColor(bool hover);

protected:
    void MouseHover() override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    // Enter and Escape offered to the window before its focused control.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WatchWindow();

    QString caption_;
    QPointer<QWidget> watched_;
};

enum TNarwStyle { nsSpace, nsLine, nsFill };

// A thin line, an outline or a filled bar in one colour.
class TvtNarw : public TvtGraphicControl {
public:
    explicit TvtNarw(QWidget* parent = nullptr);

    void SetStyle(TNarwStyle style);
    TNarwStyle Style() const { return style_; }
    void SetColor(QColor colour);
    QColor Color() const { return color_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TNarwStyle style_ = nsLine;
    QColor color_ = Qt::black;
};

// A blue text label that underlines itself under the mouse or while it has
// the keyboard, used as a link: Tab reaches it, Space or Enter follows it.
class TvtGyperLabel : public QLabel {
public:
    explicit TvtGyperLabel(const QString& text = QString(), QWidget* parent = nullptr);

    std::function<void()> OnClick;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetUnderline(bool underline);

    bool pressed_ = false;
};
