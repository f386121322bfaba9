#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <array>

class QLabel;
class QWidget;

// The tutorial's guide on the main window: the step's text in a note over
// the map view's top left corner, and a coloured frame around the control
// the step needs, until the step is done. Neither takes the mouse: the
// player clicks through them, and the window's layout does not move.
class TGuide : public QObject {
public:
    // Both are drawn on the panel that holds the map view and the controls.
    TGuide(QWidget& panel, QWidget& mapView);

    // Shows the text and outlines the control, which may be none; an empty
    // text takes the guide away.
    void Show(const QString& text, QWidget* control);
    // The panel's rectangle the frame is drawn around; empty when none is.
    QRect Outline() const;

    static constexpr int Width = 3; // of the frame's lines
    // The frame's colour: orange, seen at once on the green map and the tools.
    static constexpr QColor Color{255, 128, 0};

protected:
    // The guide follows the map view and the control as the window's
    // layout moves them (in full screen, say).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();

    QWidget& panel_;
    QWidget& mapView_;
    QLabel* note_ = nullptr;
    std::array<QWidget*, 4> lines_{};
    QPointer<QWidget> control_;
};
