#include "system/Runtime.h"

#include <QCoreApplication>
#include <cstdio>
#include <utility>
#include <vector>

#include "system/Services.h"

namespace {
int gPaintDepth = 0;
int gHandlerDepth = 0;
std::vector<std::function<void()>> gWhenNoneRuns;
bool gReporting = false;
} // namespace

double Microseconds() {
    return TheServices().Microseconds();
}
void Beep() {
    TheServices().Beep();
}
void ShowURL(const QString& url) {
    TheServices().ShowURL(url);
}
void MsgBox(const QString& text) {
    TheServices().MsgBox(text);
}
void Quit(int exitCode) {
    TheServices().Quit(exitCode);
}
int FontCount() {
    return TheServices().FontCount();
}
QString Font(int index) {
    return TheServices().Font(index);
}

PaintScope::PaintScope() {
    ++gPaintDepth;
}
PaintScope::~PaintScope() {
    --gPaintDepth;
}

HandlerScope::HandlerScope() {
    ++gHandlerDepth;
}

HandlerScope::~HandlerScope() {
    if (--gHandlerDepth > 0 || gWhenNoneRuns.empty())
        return;
    for (auto& then : std::exchange(gWhenNoneRuns, {}))
        then();
}

bool HandlerScope::Any() {
    return gHandlerDepth > 0;
}

void HandlerScope::WhenNoneRuns(std::function<void()> then) {
    gWhenNoneRuns.push_back(std::move(then));
}

void YieldToEventLoop() {
    // A paint must finish before anything else is painted: a yield from
    // inside one would let a nested paint start.
    if (gPaintDepth > 0 || !QCoreApplication::instance())
        return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

NilObjectException::NilObjectException(const QString& what)
    : std::runtime_error(what.toStdString()) {}

void ReportUnhandledException(const char* what) {
    std::fprintf(stderr, "Quendle: unhandled exception: %s\n", what);
    if (gReporting)
        return;
    gReporting = true;
    MsgBox(QStringLiteral("An exception was not handled and Quendle must quit.\n\n") +
           QString::fromUtf8(what));
    gReporting = false;
    Quit(1);
}
