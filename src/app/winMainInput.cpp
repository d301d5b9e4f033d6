// The main window's keys, pointer, menu commands and full screen.
#include "AboutWindow.h"
#include "App.h"
#include "text/TextFunctions.h"
#include "ui/Canvas.h"
#include "ui/MenuBar.h"
#include "winHelp.h"
#include "winMain.h"
#include "winPrefs.h"
#include "winSet.h"

namespace {
// The state icon's square, both edges included: 17 x 17 pixels at 10, 10.
constexpr int IconFirst = 10;
constexpr int IconLast = 26;
// In full screen the menu bar shows while the pointer is this low or higher.
constexpr int MenuBarRevealRows = 10;
} // namespace

bool winMain::OnStateIcon(int x, int y) {
    return x >= IconFirst && x <= IconLast && y >= IconFirst && y <= IconLast;
}

void winMain::cvTime_MouseMove(int x, int y) {
    TheApp().SetMouseCursor(OnStateIcon(x, y) ? MouseCursor::FingerPointer
                                              : MouseCursor::StandardPointer);
}

bool winMain::cvTime_MouseDown(int x, int y) {
    if (OnStateIcon(x, y))
        ToggleTimer();
    return false;
}

bool winMain::Event_KeyDown(const QString& key) {
    if (key == Chr(13) || key == Chr(3) || key == Chr(32)) {
        ToggleTimer();
        return true;
    }
    return false;
}

void winMain::Event_EnableMenuItems() {
    if (IsDone) {
        TimerStart()->SetText(QStringLiteral("Dismiss"));
    } else if (IsRunning) {
        TimerStart()->SetText(QStringLiteral("Stop"));
    } else {
        TimerStart()->SetText(QStringLiteral("Start"));
        TimerSet()->Enable();
        FilePreferences()->Enable();
    }
}

void winMain::Event_Resizing() {
    RepaintTime();
}

void winMain::Event_Resized() {
    RepaintTime();
}

void winMain::Event_MouseMove(int, int y) {
    if (!FullScreen())
        return;
    SetMenuBarVisible(y <= MenuBarRevealRows);
    SetFocus();
}

bool winMain::HelpAbout_Action() {
    Implicit<AboutWindow>().Show(true);
    return true;
}

bool winMain::HelpHelp_Action() {
    Implicit<winHelp>().Show();
    return true;
}

bool winMain::TimerStart_Action() {
    ToggleTimer();
    return true;
}

bool winMain::TimerSet_Action() {
    Implicit<winSet>().ShowWithin(*this, -1);
    return true;
}

bool winMain::FilePreferences_Action() {
    Implicit<winPrefs>().ShowWithin(*this, -1);
    return true;
}

bool winMain::ViewToggleFullscreen_Action() {
    if (!FullScreen()) {
        mTop = Top();
        mLeft = Left();
        mWidth = Width();
        mHeight = Height();
        Maximize();
        ToggleFullscreen(true);
    } else {
        ToggleFullscreen(false);
        SetTop(mTop);
        SetLeft(mLeft);
        SetWidth(mWidth);
        SetHeight(mHeight);
    }
    Refresh(true);
    return true;
}

void winMain::ToggleFullscreen(bool on) {
    SetFullScreen(on);
    SetMenuBarVisible(!on);
    Refresh(true);
}
