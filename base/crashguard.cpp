#include "crashguard.h"

#include "paths.h"

#include <QDir>
#include <QFile>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <exception>
#include <execinfo.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace CrashGuard {
namespace {

// The handler reads only what lies here, made before any crash: fixed
// buffers, and the bytes of the last command.
constexpr size_t PathSize = 4096;
struct TPaths {
    char Folder[PathSize] = {};
    char Save[PathSize] = {};
    char SavePart[PathSize] = {};
    char Log[PathSize] = {};
    char LogPart[PathSize] = {};
};
TPaths paths;
char version[64] = {};

struct TPrepared {
    QByteArray Save;
    QByteArray Journal;
};
std::atomic<TPrepared*> current{nullptr};
// The last few handed over, so that a crash on another thread never reads
// bytes freed under it.
std::array<std::unique_ptr<TPrepared>, 3> kept;
size_t nextKept = 0;

// Set by the first crash: a second one, or the abort that follows an
// uncaught exception's report, writes nothing over it.
std::atomic<bool> writing{false};

constexpr std::array CaughtSignals = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
std::array<struct sigaction, CaughtSignals.size()> previousActions{};
std::terminate_handler previousTerminate = nullptr;
QtMessageHandler previousMessages = nullptr;
// The handler's own stack, for a crash that ran out of the thread's.
alignas(16) char signalStack[64 * 1024];
char causeText[1024] = {};

bool Copy(char (&to)[PathSize], const QByteArray& from) {
    if (from.size() >= static_cast<qsizetype>(PathSize)) {
        to[0] = '\0';
        return false;
    }
    std::memcpy(to, from.constData(), static_cast<size_t>(from.size()) + 1);
    return true;
}

// Writes to a file descriptor and remembers whether every byte went.
class TOut {
public:
    explicit TOut(int fd) : fd_(fd), ok_(fd >= 0) {}
    void Put(const char* data, size_t size) {
        while (ok_ && size > 0) {
            const ssize_t written = ::write(fd_, data, size);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                ok_ = false;
                return;
            }
            data += written;
            size -= static_cast<size_t>(written);
        }
    }
    void Put(const char* text) { Put(text, std::strlen(text)); }
    void Number(uint64_t value, int width = 1) {
        char digits[24];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value > 0 || count < width);
        while (count > 0)
            Put(&digits[--count], 1);
    }
    // Flushes and closes: true when everything reached the disk.
    bool Close() {
        if (fd_ < 0)
            return false;
        ok_ = ::fsync(fd_) == 0 && ok_;
        ok_ = ::close(fd_) == 0 && ok_;
        fd_ = -1;
        return ok_;
    }
    int Descriptor() const { return fd_; }

private:
    int fd_;
    bool ok_;
};

int OpenPart(const char* path) {
    return ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

// The time as "2026-12-10 00:12:34 UTC", from the seconds since 1970 by the
// civil calendar, without the C library's locale or time zone.
void PutTime(TOut& out, int64_t seconds) {
    const int64_t days = seconds / 86400;
    const int64_t inDay = seconds % 86400;
    const int64_t shifted = days + 719468;
    const int64_t era = shifted / 146097;
    const int64_t dayOfEra = shifted - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const int64_t day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    out.Number(static_cast<uint64_t>(year), 4);
    out.Put("-");
    out.Number(static_cast<uint64_t>(month), 2);
    out.Put("-");
    out.Number(static_cast<uint64_t>(day), 2);
    out.Put(" ");
    out.Number(static_cast<uint64_t>(inDay / 3600), 2);
    out.Put(":");
    out.Number(static_cast<uint64_t>(inDay / 60 % 60), 2);
    out.Put(":");
    out.Number(static_cast<uint64_t>(inDay % 60), 2);
    out.Put(" UTC");
}

bool WriteLog(const char* cause, const TPrepared& prepared) {
    TOut out(OpenPart(paths.LogPart));
    out.Put("Tarvenia ");
    out.Put(version);
    out.Put("\ntime: ");
    PutTime(out, static_cast<int64_t>(::time(nullptr)));
    out.Put("\ncause: ");
    out.Put(cause);
    out.Put("\n\nbacktrace:\n");
    if (out.Descriptor() >= 0) {
        void* frames[64];
        ::backtrace_symbols_fd(frames, ::backtrace(frames, 64), out.Descriptor());
    }
    out.Put("\nlast messages of the journal:\n");
    out.Put(prepared.Journal.constData(), static_cast<size_t>(prepared.Journal.size()));
    return out.Close();
}

bool WritePair(const char* cause) {
    const TPrepared* prepared = current.load();
    if (!prepared || paths.Save[0] == '\0')
        return false;
    ::mkdir(paths.Folder, 0755);
    TOut save(OpenPart(paths.SavePart));
    save.Put(prepared->Save.constData(), static_cast<size_t>(prepared->Save.size()));
    const bool written = save.Close() && WriteLog(cause, *prepared);
    if (written && ::rename(paths.SavePart, paths.Save) == 0 &&
        ::rename(paths.LogPart, paths.Log) == 0)
        return true;
    ::unlink(paths.SavePart);
    ::unlink(paths.LogPart);
    return false;
}

const char* SignalName(int signal) {
    switch (signal) {
    case SIGSEGV:
        return "signal SIGSEGV";
    case SIGBUS:
        return "signal SIGBUS";
    case SIGFPE:
        return "signal SIGFPE";
    case SIGILL:
        return "signal SIGILL";
    default:
        return "signal SIGABRT";
    }
}

void OnSignal(int signal) {
    if (!writing.exchange(true))
        WritePair(SignalName(signal));
    // What the signal did before, the system's end of the process or a
    // sanitizer's report: taken when the handler returns.
    for (size_t index = 0; index < CaughtSignals.size(); ++index)
        if (CaughtSignals[index] == signal)
            ::sigaction(signal, &previousActions[index], nullptr);
    ::raise(signal);
}

// Outside a signal handler: an uncaught exception, a Qt fatal message.
void SetCause(const char* prefix, const char* text) {
    std::snprintf(causeText, sizeof(causeText), "%s%s", prefix, text);
}

void OnTerminate() {
    if (!writing.exchange(true)) {
        SetCause("uncaught exception", "");
        if (const std::exception_ptr exception = std::current_exception()) {
            try {
                std::rethrow_exception(exception);
            } catch (const std::exception& e) {
                SetCause("uncaught exception: ", e.what());
            } catch (...) {
            }
        }
        WritePair(causeText);
    }
    if (previousTerminate)
        previousTerminate();
    std::abort();
}

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && !writing.exchange(true)) {
        SetCause("Qt fatal message: ", text.toUtf8().constData());
        WritePair(causeText);
    }
    if (previousMessages)
        previousMessages(type, context, text);
}

void InstallHandlers() {
    // backtrace() loads the unwinder on its first call, which a handler
    // must not be the one to do.
    void* frame = nullptr;
    ::backtrace(&frame, 1);
    stack_t stack{};
    stack.ss_sp = signalStack;
    stack.ss_size = sizeof(signalStack);
    ::sigaltstack(&stack, nullptr);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    action.sa_flags = SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (size_t index = 0; index < CaughtSignals.size(); ++index)
        ::sigaction(CaughtSignals[index], &action, &previousActions[index]);
    previousTerminate = std::set_terminate(OnTerminate);
    previousMessages = qInstallMessageHandler(OnMessage);
}

} // namespace

void Install(const QString& folder) {
    static const bool installed = [] {
        InstallHandlers();
        return true;
    }();
    (void)installed;
    const QDir dir(folder);
    dir.mkpath(QStringLiteral("."));
    std::strncpy(version, ProgramVersion().toUtf8().constData(), sizeof(version) - 1);
    const auto path = [&dir](const char* name, const char* suffix) {
        return QFile::encodeName(
            dir.absoluteFilePath(QString::fromLatin1(name) + QLatin1String(suffix)));
    };
    const bool fits = Copy(paths.Folder, QFile::encodeName(dir.absolutePath())) &&
                      Copy(paths.SavePart, path(SaveName, ".part")) &&
                      Copy(paths.LogPart, path(LogName, ".part")) &&
                      Copy(paths.Log, path(LogName, "")) && Copy(paths.Save, path(SaveName, ""));
    // A folder too deep for the buffers: no crash is written.
    if (!fits)
        paths.Save[0] = '\0';
}

void Prepare(QByteArray save, QByteArray journal) {
    std::unique_ptr<TPrepared>& slot = kept[nextKept];
    nextKept = (nextKept + 1) % kept.size();
    // The slot's bytes were handed over two commands ago; a crash reads the
    // newest only.
    slot = std::make_unique<TPrepared>(TPrepared{std::move(save), std::move(journal)});
    current.store(slot.get());
}

bool WriteNow(const char* cause) {
    if (writing.exchange(true))
        return false;
    const bool written = WritePair(cause);
    writing.store(false);
    return written;
}

} // namespace CrashGuard
