#include "statuswidgets.h"

#include "model/game.h"
#include "model/nextday.h"
#include "resources/imagelist.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTextDocumentFragment>
#include <QToolTip>

void THealthBar::SetHealth(int health) {
    if (health == health_)
        return;
    health_ = health;
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent change(this, health_);
        QAccessible::updateAccessibility(&change);
    }
}

void THealthBar::PaintHealth(QPainter& painter, const QRect& box, int health) {
    const int filled = static_cast<int>(static_cast<int64_t>(box.width()) *
                                        std::clamp(health, 0, TGame::MaxHealth) / TGame::MaxHealth);
    painter.fillRect(box, QColor(128, 128, 128));
    painter.fillRect(QRect(box.left(), box.top(), filled, box.height()),
                     health >= HealthForBirths ? QColor(0, 255, 0) : QColor(255, 0, 0));
}

void THealthBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintHealth(painter, rect(), health_);
}

void TAnchorPanel::Anchor(QWidget* child, TAnchors anchors) {
    anchored_.push_back({child, anchors, child->geometry(), size()});
}

void TAnchorPanel::resizeEvent(QResizeEvent* event) {
    for (const TAnchored& a : anchored_) {
        const int dw = width() - a.PanelSize.width();
        const int dh = height() - a.PanelSize.height();
        QRect r = a.Bounds;
        switch (a.Anchors) {
        case akTopLeft:
            break;
        case akTopRight:
            r.translate(dw, 0);
            break;
        case akBottomLeft:
            r.translate(0, dh);
            break;
        case akAll:
            r.setSize(QSize(std::max(r.width() + dw, 0), std::max(r.height() + dh, 0)));
            break;
        }
        a.Child->setGeometry(r);
    }
    QWidget::resizeEvent(event);
}

// ---- TStatusPanel

TPanelText::TPanelText(TStatusPanel& panel, const QRect& bounds, Qt::Alignment alignment,
                       const QString& hint)
    : panel_(panel), bounds_(bounds), alignment_(alignment), hint_(hint) {}

void TPanelText::setText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    panel_.update(bounds_);
    if (QAccessible::isActive())
        panel_.Announce(*this);
}

namespace {

// The health bar as screen readers see it: a progress bar from 0 to full
// health, its hint the description.
class THealthBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit THealthBarAccessible(THealthBar* bar)
        : QAccessibleWidget(bar, QAccessible::ProgressBar), bar_(*bar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && bar_.accessibleName().isEmpty())
            return QCoreApplication::translate("ScreenReader", "Здоровье");
        if (t == QAccessible::Value)
            return QString::number(bar_.Health());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return bar_.Health(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return TGame::MaxHealth; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    THealthBar& bar_;
};

// One text of the status panel as screen readers see it: a static text with
// the figure as its name and the hint, without its markup, as description.
class TPanelTextAccessible : public QAccessibleInterface {
public:
    TPanelTextAccessible(TStatusPanel& panel, int index) : panel_(panel), index_(index) {}

    bool isValid() const override { return index_ < static_cast<int>(panel_.Texts().size()); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return panel_.window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(&panel_);
    }
    int Index() const { return index_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        const TPanelText& text = *panel_.Texts()[static_cast<size_t>(index_)];
        if (t == QAccessible::Name)
            return text.text();
        if (t == QAccessible::Description)
            return QTextDocumentFragment::fromHtml(text.Hint()).toPlainText();
        return QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect bounds = panel_.Texts()[static_cast<size_t>(index_)]->Bounds();
        return QRect(panel_.mapToGlobal(bounds.topLeft()), bounds.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !panel_.isVisible();
        return state;
    }

private:
    TStatusPanel& panel_;
    int index_;
};

// The panel, with its controls and then its texts as its children.
class TStatusPanelAccessible : public QAccessibleWidget {
public:
    explicit TStatusPanelAccessible(TStatusPanel* panel)
        : QAccessibleWidget(panel, QAccessible::Pane), panel_(*panel) {}
    ~TStatusPanelAccessible() override {
        for (QAccessible::Id id : children_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override {
        return QAccessibleWidget::childCount() + static_cast<int>(panel_.Texts().size());
    }
    QAccessibleInterface* child(int index) const override {
        const int controls = QAccessibleWidget::childCount();
        if (index < controls)
            return QAccessibleWidget::child(index);
        return Text(index - controls);
    }
    // The interface of the panel's text of an index, or none.
    QAccessibleInterface* Text(int index) const {
        if (index < 0 || index >= static_cast<int>(panel_.Texts().size()))
            return nullptr;
        while (static_cast<int>(children_.size()) <= index)
            children_.push_back(QAccessible::registerAccessibleInterface(
                new TPanelTextAccessible(panel_, static_cast<int>(children_.size()))));
        return QAccessible::accessibleInterface(children_[static_cast<size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (const auto* text = dynamic_cast<const TPanelTextAccessible*>(child))
            return text->parent() == this ? QAccessibleWidget::childCount() + text->Index() : -1;
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    TStatusPanel& panel_;
    mutable std::vector<QAccessible::Id> children_;
};

QAccessibleInterface* StatusPanelAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("TStatusPanel") && object && object->isWidgetType())
        return new TStatusPanelAccessible(static_cast<TStatusPanel*>(object));
    // The health bar has no class of its own for Qt: it is found by type.
    if (className == QLatin1String("QWidget"))
        if (auto* bar = dynamic_cast<THealthBar*>(object))
            return new THealthBarAccessible(bar);
    return nullptr;
}

// Screen readers learn the panel's and the health bar's interfaces here, once.
void InstallStatusAccessibles() {
    static const bool installed = [] {
        QAccessible::installFactory(StatusPanelAccessible);
        return true;
    }();
    (void)installed;
}

} // namespace

THealthBar::THealthBar(QWidget* parent) : QWidget(parent) {
    InstallStatusAccessibles();
}

TStatusPanel::TStatusPanel(QWidget* parent) : QWidget(parent) {
    InstallStatusAccessibles();
}

void TStatusPanel::Announce(const TPanelText& text) {
    const auto found = std::find_if(texts_.begin(), texts_.end(),
                                    [&text](const auto& t) { return t.get() == &text; });
    auto* panel =
        dynamic_cast<TStatusPanelAccessible*>(QAccessible::queryAccessibleInterface(this));
    if (found == texts_.end() || !panel)
        return;
    QAccessibleEvent change(panel->Text(static_cast<int>(found - texts_.begin())),
                            QAccessible::NameChanged);
    QAccessible::updateAccessibility(&change);
}

void TStatusPanel::AddPicture(QPoint at, const TImageList& images, int index, const QString& hint) {
    pictures_.push_back({QRect(at, QSize(images.Width(), images.Height())), &images, index, hint});
    update(pictures_.back().Bounds);
}

TPanelText* TStatusPanel::AddText(const QRect& bounds, Qt::Alignment alignment,
                                  const QString& hint) {
    texts_.push_back(std::make_unique<TPanelText>(*this, bounds, alignment, hint));
    return texts_.back().get();
}

std::optional<std::pair<QRect, QString>> TStatusPanel::HintPlaceAt(QPoint at) const {
    for (const TPicture& picture : pictures_)
        if (picture.Bounds.contains(at))
            return std::pair(picture.Bounds, picture.Hint);
    for (const auto& text : texts_)
        if (text->Bounds().contains(at))
            return std::pair(text->Bounds(), text->Hint());
    return std::nullopt;
}

QString TStatusPanel::HintAt(QPoint at) const {
    const auto place = HintPlaceAt(at);
    return place ? place->second : QString();
}

void TStatusPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const TPicture& picture : pictures_)
        if (event->rect().intersects(picture.Bounds))
            picture.Images->Draw(painter, picture.Bounds.x(), picture.Bounds.y(), picture.Index);
    // As a label paints its plain text: in the text colour, clipped to its box.
    painter.setPen(palette().color(foregroundRole()));
    for (const auto& text : texts_)
        if (!text->text().isEmpty() && event->rect().intersects(text->Bounds()))
            painter.drawText(text->Bounds(), text->Alignment() | Qt::TextForceLeftToRight,
                             text->text());
}

bool TStatusPanel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const auto place = HintPlaceAt(help->pos());
        if (place && !place->second.isEmpty()) {
            // The hint goes when the mouse leaves its place, as a control's would.
            QToolTip::showText(help->globalPos(), place->second, this, place->first,
                               toolTipDuration());
            return true;
        }
    }
    return QWidget::event(event);
}
