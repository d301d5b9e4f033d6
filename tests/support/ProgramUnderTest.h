#pragma once

#include <QCloseEvent>
#include <QWindow>
#include <QtTest>

#include "FakeServices.h"
#include "Startup.h"
#include "system/Application.h"
#include "winMain.h"

// The real program, started as at launch under recording services, and
// shut down again when this object goes, so each test case starts afresh.
class ProgramUnderTest {
  public:
    // Declared first: the fake is in place before start-up and outlives
    // the shutdown.
    FakeServices fake;

    ProgramUnderTest() { Startup(); }
    ~ProgramUnderTest() { Application::Shutdown(); }
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    winMain& Main() { return Implicit<winMain>(); }
    // Makes the main window the active one, as the desktop leaves it after
    // launch; keys and shortcuts need it.
    bool Activate() {
        Main().Host()->activateWindow();
        return QTest::qWaitForWindowActive(Main().Host());
    }
};

// Closes a window as the window manager's close box does: the request
// reaches the toolkit's window, not the widget.
inline void CloseFromTitleBar(const Window& window) {
    QCloseEvent close;
    QCoreApplication::sendEvent(window.Host()->windowHandle(), &close);
}
