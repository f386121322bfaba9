#pragma once

#include <QProxyStyle>

// The application's style with the game's hint timing: hints appear 55 ms
// after the mouse stops over a control.
class THintStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};
