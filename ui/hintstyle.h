#pragma once

#include <QProxyStyle>

// The application's style with the game's hint timing: hints appear 55 ms
// after the mouse stops over a control. The overflow button that every menu
// bar makes gets its pictures only when it is first painted: the game's
// window is wide enough for its menu, so reading them at start-up is wasted.
class THintStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                       const QWidget* widget) const override;
};
