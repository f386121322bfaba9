// tarvenia-monkey: drives the game's real window with random clicks, drags,
// wheel turns, keys, menu items and dialog answers made from a seed, in a
// scratch home and save folder, and after every event checks that the game
// still answers, that its money account balances and that no file was
// written outside the scratch folder. Exit status 1 at the first fault, with
// the last events that led to it.
//   tarvenia-monkey [--data DIR] [--seed N] [--events K] [--load FILE]
#include "base/paths.h"
#include "map/placebox.h"
#include "model/colony.h"
#include "model/replay.h"
#include "resources/datamodule.h"
#include "tools/soak/soak.h"
#include "ui/application.h"
#include "ui/mainform.h"
#include "ui/menus.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <atomic>
#include <chrono>
#include <deque>
#include <iostream>
#include <random>
#include <sys/inotify.h>
#include <thread>
#include <unistd.h>

// The links the game opens go nowhere: a browser is no part of the game.
class TLinkCatcher : public QObject {
    Q_OBJECT
public slots:
    void Open(const QUrl&) {}
};

namespace {

// The folders a stray write would most likely land in, watched while the
// monkey plays: the real home with its folders of settings and data, the
// game's data. The game works in the scratch folder; the system's temporary
// folder is every program's.
class TWriteWatch {
public:
    explicit TWriteWatch(const QStringList& folders) : fd_(inotify_init1(IN_NONBLOCK)) {
        for (const QString& folder : folders)
            if (QDir(folder).exists())
                watched_[inotify_add_watch(fd_, QFile::encodeName(folder).constData(),
                                           IN_CREATE | IN_MODIFY | IN_MOVED_TO)] = folder;
    }
    ~TWriteWatch() { ::close(fd_); }
    TWriteWatch(const TWriteWatch&) = delete;
    TWriteWatch& operator=(const TWriteWatch&) = delete;

    // The files written since the last call, except under the scratch folder.
    QStringList Written(const QString& scratch) {
        QStringList written;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t size; (size = ::read(fd_, buffer, sizeof(buffer))) > 0;) {
            for (ssize_t at = 0; at < size;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                const QString path =
                    QDir(watched_.value(event->wd))
                        .filePath(QFile::decodeName(event->len ? event->name : ""));
                if (!path.startsWith(scratch) && !Own(path))
                    written << path;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return written;
    }

private:
    // The monkey's own output, where it was sent.
    static bool Own(const QString& path) {
        for (const char* stream : {"/proc/self/fd/1", "/proc/self/fd/2"})
            if (QFileInfo(QString::fromLatin1(stream)).canonicalFilePath() == path)
                return true;
        return false;
    }

    int fd_;
    QHash<int, QString> watched_;
};

class TMonkey {
public:
    // Watches the folders for writes outside the scratch folder.
    TMonkey(TMainForm& form, uint64_t seed, int64_t events, QString scratch,
            const QStringList& watched)
        : form_(form), random_(seed), events_(events), scratch_(std::move(scratch)),
          watch_(watched), trace_(qEnvironmentVariableIsSet("MONKEY_TRACE")) {
        for (QAction* menu : form_.menuBar()->actions())
            if (menu->menu())
                menus_.push_back(menu);
    }

    // Plays until the events are done or a fault is found: the exit status.
    int Run() {
        Next();
        QCoreApplication::exec();
        if (faults_.isEmpty())
            CheckReplay();
        return faults_.isEmpty() ? 0 : 1;
    }

    int64_t Done() const { return done_; }
    // The latest day any game of the run reached.
    TGameDate Farthest() const { return farthest_; }
    const QStringList& Faults() const { return faults_; }
    // The events before the fault, oldest first.
    const std::deque<QString>& Last() const { return last_; }
    std::atomic<int64_t> Beat{0};

private:
    int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

    // The next event comes from the event loop, also when this one opened a
    // dialog whose own loop runs inside it.
    void Next() {
        QTimer::singleShot(0, &form_, [this] { Step(); });
    }

    void Step() {
        ++Beat;
        if (!faults_.isEmpty() || done_ >= events_) {
            Finish();
            return;
        }
        // «Выход» closes the game's window: the player starts it again.
        if (!form_.isVisible())
            form_.ShowGame();
        Check();
        if (!faults_.isEmpty()) {
            Finish();
            return;
        }
        ++done_;
        Next();
        Act();
    }

    void Check() {
        farthest_ = std::max(farthest_, form_.Colony().Game().Date);
        const QStringList account = CheckAccount(form_.Colony().Game());
        for (const QString& line : account)
            faults_ << QStringLiteral("account: ") + line;
        for (const QString& path : watch_.Written(scratch_))
            faults_ << QStringLiteral("written outside the scratch folder: ") + path;
    }

    // The game in play, as its log plays it again from its start, reaches
    // the colony as it stands. Only between commands: a day's dialog or a
    // run of play on leaves the colony in the middle of one.
    void CheckReplay() {
        const TColonyState now = form_.Colony().TakeState();
        const TReplayResult replay = Replay(ReplayGameOf(form_.Colony(), now));
        if (const std::optional<TReplayDifference>& difference = replay.Difference)
            faults_ << QStringLiteral("the replay differs on %1 in %2: %3, replayed %4")
                           .arg(ShortDateText(difference->Date), difference->Field,
                                difference->Saved, difference->Replayed);
    }

    // Closes what is open, then leaves the loop.
    void Finish() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            QTest::keyClick(modal, Qt::Key_Escape);
            QTimer::singleShot(10, &form_, [this] { Finish(); });
            return;
        }
        // Not quit(), which would close the windows and let them ask.
        QCoreApplication::exit(0);
    }

    void Log(const QString& event) {
        if (trace_)
            std::cerr << "T " << DateText(form_.Colony().Game().Date).toStdString() << " | "
                      << event.toStdString() << '\n';
        last_.push_back(event);
        if (last_.size() > 40)
            last_.pop_front();
    }

    // The window an event goes to: a dialog that waits for an answer, else
    // one of the game's windows in view.
    QWidget* Target() {
        if (QWidget* modal = QApplication::activeModalWidget())
            return modal;
        if (QWidget* popup = QApplication::activePopupWidget())
            return popup;
        // The player plays in the game's window mostly, and looks at the
        // windows beside it now and then.
        std::vector<QWidget*> shown;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != &form_ && window->isVisible() && !qobject_cast<QMenu*>(window))
                shown.push_back(window);
        return shown.empty() || Below(3) != 0
                   ? &form_
                   : shown[static_cast<size_t>(Below(static_cast<int>(shown.size())))];
    }

    void Act() {
        QWidget* window = Target();
        // A file dialog is left: what the player would type there is no
        // game's rule, and a name typed could lead out of the folders.
        if (auto* files = qobject_cast<QFileDialog*>(window)) {
            Log(QStringLiteral("the file dialog cancelled"));
            files->reject();
            return;
        }
        const QPoint at(Below(std::max(window->width(), 1)), Below(std::max(window->height(), 1)));
        QWidget* child = window->childAt(at);
        QWidget* widget = child ? child : window;
        const QPoint local = widget->mapFrom(window, at);
        const QString where = QStringLiteral("%1 at %2,%3")
                                  .arg(widget->objectName().isEmpty()
                                           ? QString::fromLatin1(widget->metaObject()->className())
                                           : widget->objectName())
                                  .arg(local.x())
                                  .arg(local.y());
        const int kind = Below(100);
        if (kind < 40) {
            const Qt::MouseButton button = Below(5) == 0 ? Qt::RightButton : Qt::LeftButton;
            Log(QStringLiteral("click %1").arg(where));
            QTest::mouseClick(widget, button, {}, local);
        } else if (kind < 48) {
            const QPoint to = local + QPoint(Below(200) - 100, Below(200) - 100);
            Log(QStringLiteral("drag %1 to %2,%3").arg(where).arg(to.x()).arg(to.y()));
            QTest::mousePress(widget, Qt::LeftButton, {}, local);
            QTest::mouseMove(widget, to);
            QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
        } else if (kind < 54) {
            const int steps = (Below(2) == 0 ? -1 : 1) * 120;
            const Qt::KeyboardModifiers modifiers = Below(2) ? Qt::ControlModifier : Qt::NoModifier;
            Log(QStringLiteral("wheel %1 %2").arg(where).arg(steps));
            QWheelEvent wheel(local, widget->mapToGlobal(local), {}, {0, steps}, Qt::NoButton,
                              modifiers, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(widget, &wheel);
        } else if (kind < 84) {
            // The commands' letters come as often as the keys of the dialogs.
            static constexpr Qt::Key Keys[] = {
                Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab,   Qt::Key_Space, Qt::Key_Left,
                Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Home,  Qt::Key_End,
                Qt::Key_Delete, Qt::Key_1,      Qt::Key_5,     Qt::Key_0,     Qt::Key_A,
                Qt::Key_B,      Qt::Key_D,      Qt::Key_W,     Qt::Key_Z,     Qt::Key_Y,
                Qt::Key_R,      Qt::Key_Plus,   Qt::Key_Minus, Qt::Key_F5,    Qt::Key_Backspace,
                Qt::Key_N,      Qt::Key_N,      Qt::Key_W,     Qt::Key_S,     Qt::Key_G,
                Qt::Key_F,      Qt::Key_P,      Qt::Key_O,     Qt::Key_U,     Qt::Key_N};
            const Qt::Key key = Keys[Below(std::size(Keys))];
            // The letters of the days never go with Ctrl, which would make
            // a new game of them as often as a day: the menus start those.
            const bool day = key == Qt::Key_N || key == Qt::Key_W || key == Qt::Key_O;
            const Qt::KeyboardModifiers modifiers =
                !day && Below(4) == 0 ? Qt::ControlModifier : Qt::NoModifier;
            // On the game's window, half of them go to the map, as the
            // player's keys mostly do.
            QWidget* focus = window == &form_ && Below(2) == 0 ? static_cast<QWidget*>(form_.pb1)
                             : QApplication::focusWidget()     ? QApplication::focusWidget()
                                                               : window;
            Log(QStringLiteral("key %1%2 on %3")
                    .arg(modifiers ? QStringLiteral("Ctrl+") : QString())
                    .arg(QKeySequence(key).toString())
                    .arg(focus->metaObject()->className()));
            QTest::keyClick(focus, key, modifiers);
        } else if (window == &form_ && !menus_.empty()) {
            // As the player opens a menu: by its title, with the mouse (a
            // run of play on stops at it). The next events go to the menu.
            QAction* menu = menus_[static_cast<size_t>(Below(static_cast<int>(menus_.size())))];
            QMenuBar* bar = form_.menuBar();
            Log(QStringLiteral("menu %1").arg(menu->text()));
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu).center());
        } else if (!Answer(window)) {
            Log(QStringLiteral("enter on %1").arg(window->metaObject()->className()));
            QTest::keyClick(window, Qt::Key_Return);
        }
    }

    // A dialog answered as a player answers it: by one of its buttons, or
    // by Escape. False when the window is none.
    bool Answer(QWidget* window) {
        if (!qobject_cast<QDialog*>(window))
            return false;
        std::vector<QPushButton*> buttons;
        for (QPushButton* button : window->findChildren<QPushButton*>())
            if (button->isVisibleTo(window) && button->isEnabled())
                buttons.push_back(button);
        if (buttons.empty() || Below(4) == 0) {
            Log(QStringLiteral("escape on %1").arg(window->metaObject()->className()));
            QTest::keyClick(window, Qt::Key_Escape);
        } else {
            QPushButton* button =
                buttons[static_cast<size_t>(Below(static_cast<int>(buttons.size())))];
            Log(QStringLiteral("button «%1» of %2")
                    .arg(button->text(), window->metaObject()->className()));
            button->click();
        }
        return true;
    }

    TMainForm& form_;
    std::mt19937_64 random_;
    int64_t events_;
    int64_t done_ = 0;
    QString scratch_;
    TWriteWatch watch_;
    std::vector<QAction*> menus_;
    QStringList faults_;
    std::deque<QString> last_;
    TGameDate farthest_{};
    bool trace_; // every event told as it comes
};

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    uint64_t seed = 1;
    int64_t events = 10000;
    QString data;
    QString load;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option = argv[i];
        if (option == "--seed")
            seed = std::stoull(argv[i + 1]);
        else if (option == "--events")
            events = std::stoll(argv[i + 1]);
        else if (option == "--data")
            data = QString::fromLocal8Bit(argv[i + 1]);
        else if (option == "--load")
            load = QFileInfo(QString::fromLocal8Bit(argv[i + 1])).absoluteFilePath();
        else {
            std::cerr
                << "usage: tarvenia-monkey [--data DIR] [--seed N] [--events K] [--load FILE]\n";
            return 2;
        }
    }
    // Everything the game writes goes under the scratch folder.
    QTemporaryDir scratch;
    const QString folder = QDir(scratch.path()).absolutePath();
    const QString home = qEnvironmentVariable("HOME");
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(variable, QDir(folder).filePath(QString::fromLatin1(variable)).toUtf8());
    if (!data.isEmpty())
        data = QDir(data).absolutePath();
    QDir::setCurrent(folder);
    qputenv("TARVENIA_SAVE_DIR", QDir(folder).filePath(QStringLiteral("saves")).toUtf8());

    int noArgs = 1;
    TApplication app(noArgs, argv);
    TApplication::setQuitOnLastWindowClosed(false);
    if (data.isEmpty())
        data = DataFolder();
    TLinkCatcher links;
    for (const char* scheme : {"http", "https", "mailto", "file"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &links, "Open");
    const TDM images;
    TMainForm form(images, data);
    // The same seed plays the same game.
    form.Colony().SeedGame(seed);
    // Or a colony far on, with its own luck: a copy in the save folder,
    // which the game may save over.
    const QString copy =
        QDir(qEnvironmentVariable("TARVENIA_SAVE_DIR")).filePath(QFileInfo(load).fileName());
    if (!load.isEmpty() && (!QDir().mkpath(QFileInfo(copy).path()) || !QFile::copy(load, copy) ||
                            !QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner) ||
                            !form.LoadFrom(copy))) {
        std::cerr << "monkey: cannot load " << load.toStdString() << '\n';
        return 2;
    }
    form.GuardCrashes();
    form.ShowGame();
    // The real home is not the game's now; its data and the file it was
    // given are only read.
    QStringList watched = {
        home, home + QStringLiteral("/.config"), home + QStringLiteral("/.local/share"),
        data, data + QStringLiteral("/MAPS"),    data + QStringLiteral("/SCENARIOS")};
    if (!load.isEmpty())
        watched << QFileInfo(load).path();
    TMonkey monkey(form, seed, events, folder, watched);
    // The game answers: a step every so often, or the monkey ends it.
    std::atomic<bool> running{true};
    std::thread watchdog([&] {
        int64_t seen = -1;
        while (running) {
            for (int tick = 0; tick < 1200 && running; ++tick)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (running && monkey.Beat == seen) {
                std::cerr << "monkey: the game has not answered for two minutes, after:\n";
                for (const QString& event : monkey.Last())
                    std::cerr << "  " << event.toStdString() << '\n';
                std::abort();
            }
            seen = monkey.Beat;
        }
    });
    const int status = monkey.Run();
    running = false;
    watchdog.join();
    for (const char* scheme : {"http", "https", "mailto", "file"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    if (status == 0) {
        std::cout << "monkey ok seed=" << seed << " events=" << monkey.Done()
                  << " date=" << DateText(form.Colony().Game().Date).toStdString()
                  << " farthest=" << DateText(monkey.Farthest()).toStdString() << '\n';
        return 0;
    }
    std::cout << "monkey fault seed=" << seed << " event=" << monkey.Done() << '\n';
    for (const QString& line : monkey.Faults())
        std::cout << "  " << line.toStdString() << '\n';
    std::cout << "after:\n";
    for (const QString& event : monkey.Last())
        std::cout << "  " << event.toStdString() << '\n';
    return 1;
}

#include "main.moc"
