#pragma once

#include <QObject>
#include <vector>

class QWidget;

// Controls that are one stop of the Tab chain, as the building palette or the
// command buttons: Tab enters the group on the control used last, the arrows
// move the keyboard to the nearest control in their direction, and Escape
// hands it to another widget (the map view).
class TKeyGroup : public QObject {
public:
    // The controls' Tab order is theirs to keep; the group only decides which
    // of them Tab stops at.
    TKeyGroup(std::vector<QWidget*> controls, QWidget& escapeTo, QObject* parent);

    // The control of the group that Tab stops at.
    QWidget* Current() const { return current_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MakeCurrent(QWidget* control);
    // The control nearest to one in the arrow's direction, or none.
    QWidget* Neighbour(const QWidget& from, int key) const;

    std::vector<QWidget*> controls_;
    QWidget& escapeTo_;
    QWidget* current_ = nullptr;
};
