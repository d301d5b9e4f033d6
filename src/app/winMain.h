#pragma once

#include <cstdint>

#include "ui/Window.h"

class Canvas;
class Graphics;
class MenuItem;
class Timer;

// The main window: the time display, the count-down engine and its state,
// the window's keys, clicks, menus and full screen.
//
// The count-down is three states: paused (neither flag), running
// (IsRunning) and alert (IsDone); never both flags at once.
class winMain : public Window {
  public:
    winMain();

    bool IsRunning = false;
    std::int32_t StartSeconds = 0;
    std::int64_t StartMicroSeconds = 0;
    std::int32_t SetHours = 0;
    std::int32_t SetMinutes = 0;
    std::int32_t SetSeconds = 0;
    std::int32_t CurrentSeconds = 0;
    bool IsDone = false;

    // Handlers of the controls.
    void Timer1_Action();
    void cvTime_Paint(Graphics& g);
    void cvTime_MouseMove(int x, int y);
    bool cvTime_MouseDown(int x, int y);
    void TimerDone_Action();

    // The menu bar's items, by name.
    MenuItem* HelpMenu() const;
    MenuItem* HelpAbout() const;
    MenuItem* UntitledSeparator0() const;
    MenuItem* HelpVisitWebsite() const;
    MenuItem* HelpDonate() const;
    MenuItem* UntitledSeparator() const;
    MenuItem* HelpHelp() const;
    MenuItem* ViewMenu() const;
    MenuItem* ViewToggleFullscreen() const;
    MenuItem* TimerMenu() const;
    MenuItem* TimerStart() const;
    MenuItem* TimerSet() const;
    MenuItem* EditMenu() const;
    MenuItem* EditSelectAll() const;
    MenuItem* UntitledMenu0() const;
    MenuItem* EditClear() const;
    MenuItem* EditPaste() const;
    MenuItem* EditCopy() const;
    MenuItem* EditCut() const;
    MenuItem* UntitledMenu1() const;
    MenuItem* EditUndo() const;
    MenuItem* FileMenu() const;
    MenuItem* FileQuit() const;
    MenuItem* FilePreferences() const;

    // Window events.
    void Event_Open() override;
    void Event_Close() override;
    void Event_EnableMenuItems() override;
    void Event_MouseMove(int x, int y) override;
    void Event_Resizing() override;
    void Event_Resized() override;
    bool Event_KeyDown(const QString& key) override;

    // Menu commands; each returns true: handled.
    bool HelpAbout_Action();
    bool HelpHelp_Action();
    bool ViewToggleFullscreen_Action();
    bool TimerStart_Action();
    bool TimerSet_Action();
    bool FilePreferences_Action();

    // The count-down engine.
    void Start();
    void Stop();
    void Done();
    void Dismiss();
    void ToggleTimer();

    // Settings, to and from the preferences file.
    void ReadPrefs();
    void WritePrefs();

    void ToggleFullscreen(bool on);

    // Draws the whole time display for `secs` seconds (a negative count
    // stands for CurrentSeconds) into `g`, or into the canvas when null.
    void Redraw(Graphics* g, std::int32_t secs, bool preview);
    // The text size at which `text` fits within maxWidth x maxHeight.
    std::int32_t GetTextSize(Graphics& g, const QString& text, std::int32_t maxWidth,
                             std::int32_t maxHeight);

  protected:
    void Layout() override;
    void CreateControls() override;
    void CreateControls0();
    void AddMenuHandlers() override;

  private:
    // The state icon's square, shared by pointing and pressing.
    static bool OnStateIcon(int x, int y);
    void RepaintTime();
    MenuItem* MenuItemNamed(const char* name) const;

    std::int32_t mLeft = 0;
    std::int32_t mHeight = 0;
    std::int32_t mTop = 0;
    std::int32_t mWidth = 0;
};
