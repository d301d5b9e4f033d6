#pragma once

#include <QString>
#include <functional>
#include <stdexcept>
#include <type_traits>

// The system services as the application calls them; each one goes through
// the replaceable services object (Services.h).

double Microseconds();
void Beep();
void ShowURL(const QString& url);
void MsgBox(const QString& text);
// Ends the application's event loop; the process exits with `exitCode`.
void Quit(int exitCode = 0);
// The number of installed font families, and the plain name of the one at
// a 0-based index (empty outside 0 to FontCount() - 1).
int FontCount();
QString Font(int index);
// Lets the event loop deliver pending events inside a long loop. Never runs
// while a paint is under way: a yield from inside a paint does nothing.
void YieldToEventLoop();

// Marks a paint under way for its lifetime (see YieldToEventLoop).
class PaintScope {
  public:
    PaintScope();
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
};

// Raised when an object that is needed is missing: a control looked up by a
// name that finds none, a file that cannot be made.
class NilObjectException : public std::runtime_error {
  public:
    explicit NilObjectException(const QString& what);
};

// Marks a handler of the program under way for its lifetime. A handler
// that yields to the event loop, or shows a message box, lets other events
// run before it returns; what they close must not be deleted under it.
class HandlerScope {
  public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

    // Whether any handler is under way, however deep.
    static bool Any();
    // Runs `then` as the last handler under way returns (once).
    static void WhenNoneRuns(std::function<void()> then);
};

// Runs `fn`; an exception that escapes it is reported once through
// MsgBox and ends the application with exit code 1, as nothing in the
// application catches one. Every event the framework delivers runs inside.
template <class Fn> auto Guarded(Fn&& fn) -> decltype(fn());
void ReportUnhandledException(const char* what);

template <class Fn> auto Guarded(Fn&& fn) -> decltype(fn()) {
    HandlerScope scope;
    try {
        return fn();
    } catch (const std::exception& e) {
        ReportUnhandledException(e.what());
    } catch (...) {
        ReportUnhandledException("unknown exception");
    }
    if constexpr (!std::is_void_v<decltype(fn())>)
        return decltype(fn()){};
}
