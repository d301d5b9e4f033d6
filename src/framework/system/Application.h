#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "system/MenuHandlers.h"

class MenuBar;
class Window;

// The pointer shapes the application sets.
enum class MouseCursor { StandardPointer, FingerPointer };

// The application object: the one menu bar, the application-level menu
// handlers and the list of open windows. Exactly one is registered at a
// time; the application's start-up creates and registers it.
class Application : public MenuHandlers {
  public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The registered application object, or nullptr before start-up.
    static Application* Instance();
    // Registers `app` (taking ownership) as the application object.
    static void Register(std::unique_ptr<Application> app);
    // Closes every window and releases the application object: what
    // happens after the event loop returns. Tests call it between cases.
    static void Shutdown();
    // Runs `release` at Shutdown, after the windows are gone: for objects
    // that live as long as the application (the menu bar).
    static void AtShutdown(std::function<void()> release);

    MenuBar* AppMenuBar() const { return mMenuBar; }
    void SetMenuBar(MenuBar* bar) { mMenuBar = bar; }

    // The application's pointer, over all of its windows.
    MouseCursor CurrentMouseCursor() const { return mCursor; }
    void SetMouseCursor(MouseCursor cursor);

    // Open windows in the order they were opened.
    const std::vector<Window*>& Windows() const { return mWindows; }

    // The version record, as the build set it: the project's version, the
    // release stage (0 development, 1 alpha, 2 beta, 3 final, anything
    // else a release) and the build number.
    std::int32_t MajorVersion;
    std::int32_t MinorVersion;
    std::int32_t BugVersion;
    std::int32_t StageCode;
    std::int32_t NonReleaseVersion;

  private:
    friend class Window;
    void WindowOpened(Window* w);
    // A window closed by the user: off the list, deleted on the next turn
    // of the event loop.
    void WindowClosed(Window* w);
    // A window being deleted: off every list.
    void WindowGone(Window* w);

    MenuBar* mMenuBar = nullptr;
    MouseCursor mCursor = MouseCursor::StandardPointer;
    std::vector<Window*> mWindows;
};

// Runs the application: creates the toolkit, runs `startup` once, then the
// event loop until Quit. Returns the exit code given to Quit.
int RunApplication(int argc, char** argv, const std::function<void()>& startup);
