#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

#include "system/Services.h"

// A recording stand-in for everything that leaves the process. Installed
// for its lifetime; the real services come back when it goes.
class FakeServices : public Services {
  public:
    FakeServices();
    ~FakeServices() override;

    double Microseconds() override { return now; }
    void Beep() override { ++beeps; }
    void ShowURL(const QString& url) override { urls << url; }
    void MsgBox(const QString& text) override { messages << text; }
    void UserActivity() override { ++activityCalls; }
    void Quit(int exitCode) override { quitCodes << exitCode; }
    QString PreferencesFolder() override { return prefsFolder; }
    QString ResourcesFolder() override { return resourcesFolder; }
    bool SelectColor(Color& color, const QString& prompt) override;
    void Drag(QWidget* source, const QRect& rect, const QString& text,
              const QImage& image) override;
    int FontCount() override { return static_cast<int>(fonts.size()); }
    QString Font(int index) override { return fonts.value(index); }
    bool TimersRunThemselves() override { return false; }

    void advanceSeconds(double seconds) { now += seconds * 1e6; }

    double now = 1e9; // an arbitrary start: only differences count
    int beeps = 0;
    int activityCalls = 0;
    QStringList urls;
    QStringList messages;
    QList<int> quitCodes;
    QTemporaryDir tempDir; // a private preferences folder per fake
    QString prefsFolder;
    QString resourcesFolder;
    QStringList fonts{"System", "DejaVu Sans", "DejaVu Serif"};
    // What the colour picker answers: the colour, and whether it was confirmed.
    Color pickerColor;
    bool pickerConfirms = false;
    QStringList colorPrompts;
    // Runs while the picker is "open", before it answers.
    std::function<void()> whilePicking;
    // Every drag started, in order; each returns at once, dropped nowhere.
    struct DragRecord {
        QWidget* source;
        QRect rect; // in the source's coordinates
        QString text;
        QImage image;
    };
    QList<DragRecord> drags;
};
