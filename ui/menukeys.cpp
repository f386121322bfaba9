#include "menukeys.h"

#include "model/keyletter.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace {

// The letter of an action's mnemonic, upper case; none without one.
QChar Mnemonic(const QAction& action) {
    const QKeySequence mnemonic = QKeySequence::mnemonic(action.text());
    return mnemonic.isEmpty() ? QChar() : QChar(mnemonic[0].key() & 0xffff).toUpper();
}

bool HasMnemonic(const QList<QAction*>& actions, QChar letter) {
    for (const QAction* action : actions)
        if (Mnemonic(*action) == letter)
            return true;
    return false;
}

// Hands an open menu the letter of its own layout in place of a letter that
// chooses none of its items but whose key's twin does.
class TMenuTwinKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* menu = qobject_cast<QMenu*>(watched);
        if (!menu || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->text().size() != 1)
            return false;
        const QChar typed = key->text().front().toUpper();
        const QChar twin = KeyTwin(typed);
        if (twin == typed || HasMnemonic(menu->actions(), typed) ||
            !HasMnemonic(menu->actions(), twin))
            return false;
        QKeyEvent translated(QEvent::KeyPress, twin.unicode(), key->modifiers(),
                             QString(twin.toLower()));
        QCoreApplication::sendEvent(menu, &translated);
        return true;
    }
};

} // namespace

void AnswerMnemonicsOnEitherLayout(QMenuBar& bar) {
    auto* twins = new TMenuTwinKeys(&bar);
    const QList<QAction*> tops = bar.actions();
    for (QAction* top : tops) {
        QMenu* menu = top->menu();
        if (!menu)
            continue;
        menu->installEventFilter(twins);
        const QChar letter = Mnemonic(*top);
        const QChar twin = KeyTwin(letter);
        if (letter.isNull() || twin == letter || HasMnemonic(tops, twin))
            continue;
        auto* open = new QShortcut(QKeySequence(Qt::ALT | twin.unicode()), bar.window());
        QObject::connect(open, &QShortcut::activated, top,
                         [&bar, top] { bar.setActiveAction(top); });
    }
}
