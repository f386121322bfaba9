#include "ui/guide.h"

#include <QEvent>
#include <QLabel>

namespace {

constexpr int NoteWidth = 280;

void Paint(QWidget& widget, const QColor& back, const QColor& text = Qt::black) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::WindowText, text);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
    widget.setAttribute(Qt::WA_TransparentForMouseEvents);
}

} // namespace

TGuide::TGuide(QWidget& panel, QWidget& mapView)
    : QObject(&panel), panel_(panel), mapView_(mapView) {
    mapView_.installEventFilter(this);
}

void TGuide::Show(const QString& text, QWidget* control) {
    if (control_ && control_ != control)
        control_->removeEventFilter(this);
    control_ = control;
    if (control_)
        control_->installEventFilter(this);
    // Made for a tutorial only: the free game's window has no widget over
    // another.
    if (text.isEmpty()) {
        delete note_;
        note_ = nullptr;
        for (QWidget*& line : lines_) {
            delete line;
            line = nullptr;
        }
        return;
    }
    if (!note_) {
        note_ = new QLabel(&panel_);
        note_->setObjectName(QStringLiteral("lbGuide"));
        note_->setTextFormat(Qt::PlainText);
        note_->setWordWrap(true);
        note_->setFrameShape(QFrame::Box);
        note_->setMargin(4);
        Paint(*note_, QColor(255, 250, 205));
        for (QWidget*& line : lines_) {
            line = new QWidget(&panel_);
            Paint(*line, Color);
        }
    }
    note_->setText(text);
    Place();
}

QRect TGuide::Outline() const {
    return note_ && !lines_[0]->isHidden() ? lines_[0]->geometry().united(lines_[3]->geometry())
                                           : QRect();
}

bool TGuide::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        Place();
    return QObject::eventFilter(watched, event);
}

void TGuide::Place() {
    if (!note_)
        return;
    note_->setGeometry(QRect(mapView_.geometry().topLeft() + QPoint(6, 6),
                             QSize(NoteWidth, note_->heightForWidth(NoteWidth))));
    note_->show();
    note_->raise();
    // The frame lies around the control, within the panel: around the map
    // view it covers the view's own edge where the panel ends.
    const bool outlined = control_;
    const QRect around = outlined ? QRect(control_->mapTo(&panel_, QPoint()), control_->size())
                                        .adjusted(-Width, -Width, Width, Width)
                                        .intersected(panel_.rect())
                                  : QRect();
    const QRect lines[] = {
        {around.left(), around.top(), around.width(), Width},
        {around.left(), around.top(), Width, around.height()},
        {around.right() + 1 - Width, around.top(), Width, around.height()},
        {around.left(), around.bottom() + 1 - Width, around.width(), Width},
    };
    for (size_t i = 0; i < lines_.size(); ++i) {
        lines_[i]->setGeometry(lines[i]);
        lines_[i]->setVisible(outlined);
        lines_[i]->raise();
    }
}
