#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// What the game leaves behind when it dies: Crash.dat, the game as of its
// last finished command, and Crash.log, what a report needs (the version,
// the time, the cause, a backtrace and the last lines of the journal), both
// in the save folder. The game hands over the save's bytes after each
// command; a fatal signal (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT), an
// uncaught exception or a Qt fatal message writes them out with calls that
// are safe in a signal handler and no memory taken. Each file is written
// beside its name first and renamed into place when whole, so a crash while
// writing leaves the older pair as it was. Only these two names are ever
// written.
namespace CrashGuard {

inline constexpr char SaveName[] = "Crash.dat";
inline constexpr char LogName[] = "Crash.log";

// Catches the crashes from now on, for the save folder (made when a crash
// is written, if it is not there). Once a process; a later call only
// changes the folder.
void Install(const QString& folder);

// The save's bytes and the journal's last lines (UTF-8, a line each) that a
// crash writes from now on. Costs a move; the bytes handed over before stay
// alive for the crash that may be reading them on another thread.
void Prepare(QByteArray save, QByteArray journal);

// Writes the pair now, for the cause given, as a crash would (the tests'
// and the uncaught exception's way in). False when some file could not be
// written; the older pair is then as it was.
bool WriteNow(const char* cause);

} // namespace CrashGuard
