#include "ui/smallcontrols.h"

#include "resources/imagelist.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolTip>

namespace {

// Space and Enter, neither held down nor with a modifier, press a control
// that has the keyboard.
bool IsPressKey(const QKeyEvent& event) {
    const int key = event.key();
    return !event.isAutoRepeat() && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
           (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter);
}

// A drawn control as screen readers see it: a push button that can be
// pressed, or a picture; named by its caption or hint, described by the hint
// when that says more.
class TGraphicControlAccessible : public QAccessibleWidget {
public:
    explicit TGraphicControlAccessible(TvtGraphicControl* control)
        : QAccessibleWidget(control), control_(*control) {}

    QAccessible::Role role() const override {
        return Pressable() ? QAccessible::Button : QAccessible::Graphic;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.disabled = state.disabled || control_.Unavailable();
        return state;
    }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name && t != QAccessible::Description)
            return QAccessibleWidget::text(t);
        const QString hint = QTextDocumentFragment::fromHtml(control_.Hint()).toPlainText();
        QString name = control_.accessibleName();
        if (name.isEmpty())
            if (const auto* button = dynamic_cast<const TvtButton*>(&control_))
                name = button->Caption();
        if (t == QAccessible::Name)
            return name.isEmpty() ? hint : name;
        if (!control_.accessibleDescription().isEmpty())
            return control_.accessibleDescription();
        return hint == name ? QString() : hint;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (Pressable())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            control_.Click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    bool Pressable() const { return control_.OnClick || dynamic_cast<const TvtButton*>(&control_); }

    TvtGraphicControl& control_;
};

// Drawn controls have no class of their own for Qt: they are found by type.
QAccessibleInterface* GraphicControlAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget"))
        return nullptr;
    if (auto* control = dynamic_cast<TvtGraphicControl*>(object))
        return new TGraphicControlAccessible(control);
    return nullptr;
}

// A click is a left press and a left release, both inside the control.
void TrackPress(QMouseEvent* event, bool& pressed) {
    if (event->button() == Qt::LeftButton) {
        pressed = true;
    }
}

bool IsClickRelease(const QWidget& widget, QMouseEvent* event, bool& pressed) {
    const bool click = pressed && event->button() == Qt::LeftButton &&
                       widget.rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        pressed = false;
    }
    return click;
}

} // namespace

// ---- TvtGraphicControl

TvtGraphicControl::TvtGraphicControl(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(GraphicControlAccessible);
        return true;
    }();
    (void)installed;
    setFocusPolicy(Qt::NoFocus);
}

void TvtGraphicControl::SetUnavailable(bool unavailable) {
    if (unavailable == unavailable_)
        return;
    unavailable_ = unavailable;
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
    update();
}

QString TvtGraphicControl::Hint() {
    if (OnHint) {
        setToolTip(OnHint());
        OnHint = nullptr;
    }
    return toolTip();
}

bool TvtGraphicControl::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip)
        Hint();
    return QWidget::event(event);
}

void TvtGraphicControl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // Reached by the keyboard, the control shows its hint as the mouse over
    // it would; given the keyboard by a click or a window, it stays quiet.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::MouseFocusReason || reason == Qt::ActiveWindowFocusReason ||
        reason == Qt::PopupFocusReason)
        return;
    // Shown once the focus has settled: Qt hides any hint as the focus moves.
    QTimer::singleShot(0, this, [this] {
        if (const QString hint = Hint(); hasFocus() && !hint.isEmpty())
            QToolTip::showText(mapToGlobal(QPoint(0, height())), hint, this);
    });
}

void TvtGraphicControl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (QToolTip::isVisible() && QToolTip::text() == toolTip())
        QToolTip::hideText();
}

void TvtGraphicControl::keyPressEvent(QKeyEvent* event) {
    if (IsPressKey(*event))
        Click();
    else
        QWidget::keyPressEvent(event);
}

void TvtGraphicControl::PaintFocus(QPainter& painter, const QRect& box) const {
    if (!hasFocus())
        return;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawRect(box.adjusted(1, 1, -2, -2));
}

void TvtGraphicControl::Click() {
    if (OnClick) {
        OnClick();
    }
}

void TvtGraphicControl::MouseHover() {
    if (OnMouseHover) {
        OnMouseHover();
    }
}

void TvtGraphicControl::SetHover(bool hover) {
    if (hover != hover_) {
        hover_ = hover;
        MouseHover();
    }
}

void TvtGraphicControl::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    SetHover(true);
}

void TvtGraphicControl::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    SetHover(false);
}

void TvtGraphicControl::mousePressEvent(QMouseEvent* event) {
    TrackPress(event, pressed_);
}

void TvtGraphicControl::mouseReleaseEvent(QMouseEvent* event) {
    if (IsClickRelease(*this, event, pressed_)) {
        Click();
    }
}

// ---- TvtPic

TvtPic::TvtPic(QWidget* parent) : TvtGraphicControl(parent) {
    resize(32, 32);
}

void TvtPic::SetImages(const TImageList* images) {
    images_ = images;
    if (images_) {
        resize(images_->Width(), images_->Height());
    }
    update();
}

void TvtPic::SetImageIndex(int32_t index) {
    if (index != imageIndex_) {
        imageIndex_ = index;
        update();
    }
}

void TvtPic::SetHoverImageIndex(int32_t index) {
    if (index != hoverImageIndex_) {
        hoverImageIndex_ = index;
        update();
    }
}

void TvtPic::MouseHover() {
    TvtGraphicControl::MouseHover();
    if (hoverImageIndex_ != -1) {
        update();
    }
}

void TvtPic::paintEvent(QPaintEvent*) {
    if (!images_) {
        return;
    }
    QPainter painter(this);
    if (Unavailable())
        painter.setOpacity(0.35);
    images_->Draw(painter, 0, 0,
                  Hover() && hoverImageIndex_ != -1 ? hoverImageIndex_ : imageIndex_);
    PaintFocus(painter, rect());
}

// ---- TvtButton

TvtButton::TvtButton(const QString& caption, QWidget* parent)
    : TvtGraphicControl(parent), caption_(caption) {
    resize(73, 21);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    WatchWindow();
}

TvtButton::~TvtButton() {
    if (watched_) {
        watched_->removeEventFilter(this);
    }
}

QColor TvtButton::FaceColor(bool isDefault, bool hover) {
    const int grey = (isDefault ? 0xAE : 0xC0) - (hover ? 0x20 : 0);
    return QColor(grey, grey, grey);
}

QColor TvtButton::OutlineColor(bool hover) {
    return hover ? QColor(Qt::black) : QColor(0x59, 0x59, 0x59);
}

void TvtButton::Click() {
    if (!ManualClose) {
        if (auto* dialog = qobject_cast<QDialog*>(window())) {
            if (Default) {
                dialog->accept();
            } else if (Cancel) {
                dialog->reject();
            }
        }
    }
    TvtGraphicControl::Click();
}

void TvtButton::MouseHover() {
    update();
    TvtGraphicControl::MouseHover();
}

void TvtButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor face = FaceColor(Default, Hover());
    painter.setPen(OutlineColor(Hover()));
    painter.setBrush(face);
    // A rounded rectangle with corner ellipses of 4 x 4 pixels, outline included.
    painter.drawRoundedRect(QRect(0, 0, width() - 1, height() - 1), 2, 2);
    PaintFocus(painter, rect().adjusted(2, 2, -2, -2));
    if (caption_.isEmpty()) {
        return;
    }
    const QFontMetrics metrics(font());
    const int x = (width() - metrics.horizontalAdvance(caption_)) / 2;
    const int y = (height() - metrics.height()) / 2;
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(x, y + metrics.ascent(), caption_);
}

bool TvtButton::event(QEvent* event) {
    if (event->type() == QEvent::ParentChange) {
        WatchWindow();
    }
    return TvtGraphicControl::event(event);
}

// The window sees Enter and Escape after its focused control has passed them
// on, and before a dialog turns Escape into its own rejection.
void TvtButton::WatchWindow() {
    QWidget* target = window();
    if (target == watched_) {
        return;
    }
    if (watched_) {
        watched_->removeEventFilter(this);
    }
    watched_ = target;
    if (watched_ && watched_ != this) {
        watched_->installEventFilter(this);
    }
}

bool TvtButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched != watched_.data() || event->type() != QEvent::KeyPress || !isEnabled() ||
        !isVisibleTo(watched_)) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool escape = key->key() == Qt::Key_Escape;
    const auto held =
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (held != Qt::NoModifier || !((Default && enter) || (Cancel && escape))) {
        return false;
    }
    Click();
    return true;
}

// ---- TvtNarw

TvtNarw::TvtNarw(QWidget* parent) : TvtGraphicControl(parent) {
    resize(125, 1);
}

void TvtNarw::SetStyle(TNarwStyle style) {
    if (style != style_) {
        style_ = style;
        update();
    }
}

void TvtNarw::SetColor(QColor colour) {
    if (colour != color_) {
        color_ = colour;
        update();
    }
}

void TvtNarw::paintEvent(QPaintEvent*) {
    if (style_ == nsSpace) {
        return;
    }
    QPainter painter(this);
    int w = width();
    int h = height();
    if (w > 1 && h > 1 && style_ == nsLine) {
        // The outline of the whole control, one pixel wide.
        painter.fillRect(QRect(0, 0, w, 1), color_);
        painter.fillRect(QRect(0, h - 1, w, 1), color_);
        painter.fillRect(QRect(0, 0, 1, h), color_);
        painter.fillRect(QRect(w - 1, 0, 1, h), color_);
        --w;
        --h;
    }
    // A one-pixel-thin line is filled; so is a filled bar, and the corner of
    // a two-pixel outline.
    if (w == 1 || h == 1 || style_ == nsFill) {
        painter.fillRect(QRect(0, 0, w, h), color_);
    }
}

// ---- TvtGyperLabel

TvtGyperLabel::TvtGyperLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setTextFormat(Qt::PlainText);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::blue);
    setPalette(colours);
}

void TvtGyperLabel::SetUnderline(bool underline) {
    // Under the mouse the text is underlined and nothing else; otherwise plain.
    QFont face = font();
    face.setBold(false);
    face.setItalic(false);
    face.setStrikeOut(false);
    face.setUnderline(underline);
    setFont(face);
}

void TvtGyperLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    SetUnderline(true);
}

void TvtGyperLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    SetUnderline(hasFocus());
}

void TvtGyperLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    SetUnderline(true);
}

void TvtGyperLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    SetUnderline(underMouse());
}

void TvtGyperLabel::keyPressEvent(QKeyEvent* event) {
    // Space follows a link the keyboard is on; Enter belongs to the window's
    // default button, so that a link never opens by a key meant for OK.
    if (IsPressKey(*event) && event->key() == Qt::Key_Space && OnClick)
        OnClick();
    else
        QLabel::keyPressEvent(event);
}

void TvtGyperLabel::mousePressEvent(QMouseEvent* event) {
    TrackPress(event, pressed_);
}

void TvtGyperLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (IsClickRelease(*this, event, pressed_) && OnClick) {
        OnClick();
    }
}
