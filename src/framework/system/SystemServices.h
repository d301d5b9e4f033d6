#pragma once

#include "system/ActivityInhibitor.h"
#include "system/Services.h"

// The real services: the desktop's clock, sound, browser, dialogs, folders
// and screensaver.
class SystemServices : public Services {
  public:
    double Microseconds() override;
    void Beep() override;
    void ShowURL(const QString& url) override;
    void MsgBox(const QString& text) override;
    void UserActivity() override;
    void Quit(int exitCode) override;
    QString PreferencesFolder() override;
    QString ResourcesFolder() override;
    bool SelectColor(Color& color, const QString& prompt) override;
    void Drag(QWidget* source, const QRect& rect, const QString& text,
              const QImage& image) override;
    int FontCount() override;
    QString Font(int index) override;

  private:
    // The families as last read; emptied, to be read again, when the
    // desktop's fonts change.
    const QStringList& Families();
    QStringList mFamilies;
    bool mWatchingFonts = false;

    // Made at the first call: it needs the toolkit to exist.
    std::unique_ptr<ActivityInhibitor> mInhibitor;
};
