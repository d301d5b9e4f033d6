#pragma once

#include <QString>
#include <QStringList>

#include "text/Color.h"

class QImage;
class QRect;
class QWidget;

// Everything that leaves the process or depends on the wall clock goes
// through one replaceable object, so tests can put a recording fake in its
// place and drive real windows without sound, browsers or modal boxes.
class Services {
  public:
    virtual ~Services() = default;

    // A monotonic microsecond counter that keeps counting through suspend.
    virtual double Microseconds() = 0;
    // One audible alert sound.
    virtual void Beep() = 0;
    // Opens a web address in the desktop's default browser.
    virtual void ShowURL(const QString& url) = 0;
    // A modal message with one OK button.
    virtual void MsgBox(const QString& text) = 0;
    // Tells the desktop that the user is active: keeps the screensaver and
    // display sleep away while the calls keep coming.
    virtual void UserActivity() = 0;
    // Ends the event loop; the process exits with this code.
    virtual void Quit(int exitCode) = 0;
    // The user's preferences folder (absolute path, may not exist yet).
    virtual QString PreferencesFolder() = 0;
    // The bundle's Resources folder, or an empty string when there is none.
    virtual QString ResourcesFolder() = 0;
    // The system colour picker: true and the chosen colour when confirmed.
    virtual bool SelectColor(Color& color, const QString& prompt) = 0;
    // Drags `text` out of `source` to whatever takes text, in this program
    // or another, showing `image` over `rect` (in the source's coordinates)
    // under the pointer; returns when it has been dropped or given up.
    virtual void Drag(QWidget* source, const QRect& rect, const QString& text,
                      const QImage& image) = 0;
    // The installed font families, each once by its plain name, as a list
    // read by index: how many there are now, and the name at a 0-based
    // index (empty past the end).
    virtual int FontCount() = 0;
    virtual QString Font(int index) = 0;
    // Whether timers run by themselves; a test fake fires them by hand.
    virtual bool TimersRunThemselves() { return true; }
};

// The services in force. Until a test installs its own, the real ones.
Services& TheServices();
// Installs `services` (not owned); nullptr puts the real ones back.
void SetServices(Services* services);
