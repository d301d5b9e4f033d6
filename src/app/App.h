#pragma once

#include <QString>

#include "system/Application.h"
#include "text/Color.h"

// The application object: one for the life of the process, holding the ten
// display settings. They stay at their zero values until the main window's
// Open loads them.
class App : public Application {
  public:
    QString Pref_Font;
    bool Pref_Bold = false;
    bool Pref_Italic = false;
    bool Pref_SuspendScreensaver = false;
    Color Color_Font;
    Color Color_Shadow;
    Color Color_Background;
    bool Pref_UseShadow = false;
    Color Color_Last10Sec;
    Color Color_LastMin;

    // The colours a new settings file and the preferences' Defaults button give.
    static constexpr Color Default_Background = RGB(0x9F, 0x9F, 0x9F);
    static constexpr Color Default_Font = RGB(0x00, 0x00, 0x00);
    static constexpr Color Default_Shadow = RGB(0xFF, 0xFF, 0xFF);
    static constexpr Color Default_LastMin = RGB(0xCF, 0x00, 0x00);
    static constexpr Color Default_Last10Sec = RGB(0xFF, 0x00, 0x00);

    bool HelpDonate_Action();
    bool HelpVisitWebsite_Action();

    // The addresses these two commands open.
    static QString DonationURL();
    static QString WebsiteURL();
};

// The application object registered with the framework.
App& TheApp();
