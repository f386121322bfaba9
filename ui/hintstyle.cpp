#include "hintstyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <functional>
#include <optional>

namespace {

// An icon made when it is first wanted: painted, measured or asked for a
// picture.
class TLazyIconEngine : public QIconEngine {
public:
    explicit TLazyIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    bool isNull() override { return Icon().isNull(); }
    QIconEngine* clone() const override { return new TLazyIconEngine(*this); }

private:
    QIcon& Icon() {
        if (!icon_)
            icon_ = make_();
        return *icon_;
    }

    std::function<QIcon()> make_;
    std::optional<QIcon> icon_;
};

} // namespace

int THintStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returnData) const {
    if (hint == QStyle::SH_ToolTip_WakeUpDelay)
        return 55;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon THintStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                               const QWidget* widget) const {
    const bool overflow = standardIcon == SP_ToolBarHorizontalExtensionButton ||
                          standardIcon == SP_ToolBarVerticalExtensionButton;
    if (!overflow || option)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    const QPointer<QStyle> base = baseStyle();
    return QIcon(new TLazyIconEngine(
        [base, standardIcon] { return base ? base->standardIcon(standardIcon) : QIcon(); }));
}
