#include "winMain.h"

#include <algorithm>

#include "App.h"
#include "MenuBar1.h"
#include "ScreensaverUtilities.h"
#include "system/Runtime.h"
#include "system/Timer.h"
#include "text/Numbers.h"
#include "ui/Canvas.h"
#include "ui/MenuBar.h"

winMain::winMain() = default;

void winMain::Layout() {
    SetMenuBar(&TheMenuBar1());
    SetWidth(450);
    SetHeight(150);
    SetMinimumSize(450, 100);
    SetMaximumSize(32000, 32000);
    SetBackColor(RGB(0x9F, 0x9F, 0x9F));
    SetTitle(QStringLiteral("Quendle"));
    SetVisible(true);
    SetMenuBarVisible(true);
    SetResizeable(true);
    SetTitleButtons(true, true, true);
}

void winMain::CreateControls() {
    CreateControls0();
}

void winMain::CreateControls0() {
    auto& timer1 = AddControl<Timer>(QStringLiteral("Timer1"));
    timer1.SetMode(Timer::Multiple);
    timer1.SetPeriod(250);
    timer1.Action = [this] { Timer1_Action(); };

    auto& cvTime = AddControl<Canvas>(QStringLiteral("cvTime"));
    cvTime.SetBounds(0, 0, 450, 150);
    cvTime.LockLeft = cvTime.LockTop = cvTime.LockRight = cvTime.LockBottom = true;
    cvTime.TabIndex = 1;
    cvTime.SetAcceptFocus(false);
    cvTime.Paint = [this](Graphics& g) { cvTime_Paint(g); };
    cvTime.MouseMove = [this](int x, int y) { cvTime_MouseMove(x, y); };
    cvTime.MouseDown = [this](int x, int y) { return cvTime_MouseDown(x, y); };

    auto& timerDone = AddControl<Timer>(QStringLiteral("TimerDone"));
    timerDone.SetMode(Timer::Off);
    timerDone.SetPeriod(1000);
    timerDone.Action = [this] { TimerDone_Action(); };
}

void winMain::AddMenuHandlers() {
    AddMenuHandler(QStringLiteral("HelpAbout"), [this] { return HelpAbout_Action(); });
    AddMenuHandler(QStringLiteral("HelpHelp"), [this] { return HelpHelp_Action(); });
    AddMenuHandler(QStringLiteral("ViewToggleFullscreen"),
                   [this] { return ViewToggleFullscreen_Action(); });
    AddMenuHandler(QStringLiteral("TimerStart"), [this] { return TimerStart_Action(); });
    AddMenuHandler(QStringLiteral("TimerSet"), [this] { return TimerSet_Action(); });
    AddMenuHandler(QStringLiteral("FilePreferences"), [this] { return FilePreferences_Action(); });
}

void winMain::Event_Open() {
    ReadPrefs();
    Stop();
}

void winMain::Event_Close() {
    Quit(0);
}

void winMain::RepaintTime() {
    Find<Canvas>(QStringLiteral("cvTime")).Refresh(false);
}

// The remaining time is always measured from the instant of the last
// Start, never counted in ticks: a late or skipped tick only delays the
// repaint, and the next one shows the right time at once.
void winMain::Timer1_Action() {
    if (IsRunning) {
        if (TheApp().Pref_SuspendScreensaver)
            ScreensaverUtilities::DelayScreensaverMac();
        const double now = Microseconds();
        const std::int64_t elapsedMicro = ToInt64(now - static_cast<double>(StartMicroSeconds));
        const std::int32_t elapsed = ToInt32(static_cast<double>(elapsedMicro) / 1000000.0);
        const std::int64_t remaining = std::int64_t{StartSeconds} - elapsed;
        CurrentSeconds =
            static_cast<std::int32_t>(std::clamp<std::int64_t>(remaining, 0, INT32_MAX));
        RepaintTime();
        if (CurrentSeconds == 0) {
            Stop();
            Done();
        }
    }
    RepaintTime();
}

void winMain::TimerDone_Action() {
    Beep();
}

void winMain::Start() {
    StartSeconds = CurrentSeconds;
    StartMicroSeconds = ToInt64(Microseconds());
    if (StartSeconds >= 1) {
        IsRunning = true;
        Find<Timer>(QStringLiteral("Timer1")).SetMode(Timer::Multiple);
        if (TheApp().Pref_SuspendScreensaver)
            ScreensaverUtilities::DisableScreensaverWin();
        RepaintTime();
    }
}

void winMain::Stop() {
    IsRunning = false;
    if (TheApp().Pref_SuspendScreensaver)
        ScreensaverUtilities::EnableScreensaverWin();
    RepaintTime();
}

void winMain::Done() {
    IsDone = true;
    Find<Timer>(QStringLiteral("TimerDone")).SetMode(Timer::Multiple);
    RepaintTime();
}

void winMain::Dismiss() {
    Find<Timer>(QStringLiteral("TimerDone")).SetMode(Timer::Off);
    IsDone = false;
    RepaintTime();
}

void winMain::ToggleTimer() {
    if (IsDone)
        Dismiss();
    else if (IsRunning)
        Stop();
    else
        Start();
}

MenuItem* winMain::MenuItemNamed(const char* name) const {
    MenuBar* bar = WindowMenuBar();
    return bar ? bar->FindItem(QString::fromLatin1(name)) : nullptr;
}

MenuItem* winMain::HelpMenu() const {
    return MenuItemNamed("HelpMenu");
}
MenuItem* winMain::HelpAbout() const {
    return MenuItemNamed("HelpAbout");
}
MenuItem* winMain::UntitledSeparator0() const {
    return MenuItemNamed("UntitledSeparator0");
}
MenuItem* winMain::HelpVisitWebsite() const {
    return MenuItemNamed("HelpVisitWebsite");
}
MenuItem* winMain::HelpDonate() const {
    return MenuItemNamed("HelpDonate");
}
MenuItem* winMain::UntitledSeparator() const {
    return MenuItemNamed("UntitledSeparator");
}
MenuItem* winMain::HelpHelp() const {
    return MenuItemNamed("HelpHelp");
}
MenuItem* winMain::ViewMenu() const {
    return MenuItemNamed("ViewMenu");
}
MenuItem* winMain::ViewToggleFullscreen() const {
    return MenuItemNamed("ViewToggleFullscreen");
}
MenuItem* winMain::TimerMenu() const {
    return MenuItemNamed("TimerMenu");
}
MenuItem* winMain::TimerStart() const {
    return MenuItemNamed("TimerStart");
}
MenuItem* winMain::TimerSet() const {
    return MenuItemNamed("TimerSet");
}
MenuItem* winMain::EditMenu() const {
    return MenuItemNamed("EditMenu");
}
MenuItem* winMain::EditSelectAll() const {
    return MenuItemNamed("EditSelectAll");
}
MenuItem* winMain::UntitledMenu0() const {
    return MenuItemNamed("UntitledMenu0");
}
MenuItem* winMain::EditClear() const {
    return MenuItemNamed("EditClear");
}
MenuItem* winMain::EditPaste() const {
    return MenuItemNamed("EditPaste");
}
MenuItem* winMain::EditCopy() const {
    return MenuItemNamed("EditCopy");
}
MenuItem* winMain::EditCut() const {
    return MenuItemNamed("EditCut");
}
MenuItem* winMain::UntitledMenu1() const {
    return MenuItemNamed("UntitledMenu1");
}
MenuItem* winMain::EditUndo() const {
    return MenuItemNamed("EditUndo");
}
MenuItem* winMain::FileMenu() const {
    return MenuItemNamed("FileMenu");
}
MenuItem* winMain::FileQuit() const {
    return MenuItemNamed("FileQuit");
}
MenuItem* winMain::FilePreferences() const {
    return MenuItemNamed("FilePreferences");
}
