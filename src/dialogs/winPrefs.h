#pragma once

#include <cstdint>

#include "text/Color.h"
#include "ui/Window.h"

class Canvas;
class CheckBox;
class Graphics;
class GroupBox;
class PopupMenu;
class PushButton;
class SmartColorWell;
class StaticText;
class Timer;

// The "Preferences" sheet: the ten display settings of the application
// object, edited live. Every edit but the screensaver option goes into the
// application object at once and the main window shows it at its next
// repaint; OK saves the settings as they then stand, Cancel puts back the
// ones the sheet found when it opened. A preview steps through three sample
// times so that each of the three digit colours shows in turn.
class winPrefs : public Window {
  public:
    winPrefs();

    // The time the preview shows, in seconds; nothing to do with the main
    // window's count.
    std::int32_t CurrentSeconds = 45296;

    // The controls, in the order they are created.
    GroupBox* gSource = nullptr;
    StaticText* StaticText1 = nullptr;
    PopupMenu* pFont = nullptr;
    CheckBox* cBold = nullptr;
    CheckBox* cItalic = nullptr;
    PushButton* bCancel = nullptr;
    PushButton* bOK = nullptr;
    GroupBox* GroupBox1 = nullptr;
    CheckBox* cSuspend = nullptr;
    GroupBox* GroupBox2 = nullptr;
    SmartColorWell* cBackground = nullptr;
    StaticText* StaticText4 = nullptr;
    SmartColorWell* cFont = nullptr;
    StaticText* StaticText3 = nullptr;
    SmartColorWell* cDropshadow = nullptr;
    StaticText* StaticText2 = nullptr;
    CheckBox* cShadow = nullptr;
    StaticText* StaticText5 = nullptr;
    SmartColorWell* cLast10Sec = nullptr;
    StaticText* StaticText6 = nullptr;
    SmartColorWell* cLastMin = nullptr;
    PushButton* bDefaults = nullptr;
    Timer* Timer1 = nullptr;
    GroupBox* GroupBox3 = nullptr;
    Canvas* cvTime = nullptr;

    void pFont_Change();
    void cBold_Action();
    void cItalic_Action();
    void bCancel_Action();
    void bOK_Action();
    void cBackground_ColorChange(Color c);
    void cFont_ColorChange(Color c);
    void cDropshadow_ColorChange(Color c);
    void cShadow_Action();
    void cLast10Sec_ColorChange(Color c);
    void cLastMin_ColorChange(Color c);
    void bDefaults_Action();
    void Timer1_Action();
    void cvTime_Paint(Graphics& g);
    void Event_Open() override;
    void Event_Resized() override;
    void Event_Resizing() override;
    void SetButtons();

  protected:
    void Layout() override;
    void CreateControls() override;
    void CreateControls0();

  private:
    void RepaintPreview();
    GroupBox& AddGroup(const QString& name, QRect bounds, const QString& caption, int tabIndex);
    StaticText& AddLabel(const QString& name, GroupBox* parent, QRect bounds, const QString& text,
                         int tabIndex);
    CheckBox& AddCheckBox(const QString& name, GroupBox* parent, QRect bounds,
                          const QString& caption, int tabIndex, bool value);
    PushButton& AddButton(const QString& name, GroupBox* parent, QRect bounds,
                          const QString& caption, int tabIndex);
    SmartColorWell& AddWell(const QString& name, QPoint topLeft, int tabIndex);

    // The settings as they stood when the sheet opened, for Cancel.
    bool mBold = false;
    bool mItalic = false;
    bool mUseShadow = false;
    bool mSuspend = false;
    QString mFont;
    Color mColorBackground;
    Color mColorFont;
    Color mColorShadow;
    Color mColorLastMin;
    Color mColorLast10Sec;
};
