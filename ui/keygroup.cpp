#include "ui/keygroup.h"

#include <QKeyEvent>
#include <QWidget>
#include <cstdlib>
#include <limits>

TKeyGroup::TKeyGroup(std::vector<QWidget*> controls, QWidget& escapeTo, QObject* parent)
    : QObject(parent), controls_(std::move(controls)), escapeTo_(escapeTo) {
    for (QWidget* control : controls_) {
        control->setFocusPolicy(Qt::NoFocus);
        control->installEventFilter(this);
    }
    if (!controls_.empty())
        MakeCurrent(controls_.front());
}

void TKeyGroup::MakeCurrent(QWidget* control) {
    if (control == current_)
        return;
    control->setFocusPolicy(Qt::TabFocus);
    if (current_)
        current_->setFocusPolicy(Qt::NoFocus);
    current_ = control;
}

QWidget* TKeyGroup::Neighbour(const QWidget& from, int key) const {
    const QPoint origin = from.geometry().center();
    const QPoint axis = key == Qt::Key_Left    ? QPoint(-1, 0)
                        : key == Qt::Key_Right ? QPoint(1, 0)
                        : key == Qt::Key_Up    ? QPoint(0, -1)
                                               : QPoint(0, 1);
    QWidget* nearest = nullptr;
    int best = std::numeric_limits<int>::max();
    for (QWidget* control : controls_) {
        if (control == &from || !control->isVisible() || !control->isEnabled())
            continue;
        const QPoint d = control->geometry().center() - origin;
        // The distance along the arrow, which must be ahead; a step aside
        // counts thrice, so that a row is kept while it goes on.
        const int ahead = d.x() * axis.x() + d.y() * axis.y();
        const int aside = std::abs(d.x() * axis.y() - d.y() * axis.x());
        const int score = ahead + 3 * aside;
        if (ahead > 0 && score < best) {
            best = score;
            nearest = control;
        }
    }
    return nearest;
}

bool TKeyGroup::eventFilter(QObject* watched, QEvent* event) {
    auto* control = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::FocusIn) {
        MakeCurrent(control);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Escape:
        escapeTo_.setFocus(Qt::ShortcutFocusReason);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (QWidget* next = Neighbour(*control, key->key())) {
            MakeCurrent(next);
            next->setFocus(Qt::TabFocusReason);
        }
        return true;
    default:
        return false;
    }
}
