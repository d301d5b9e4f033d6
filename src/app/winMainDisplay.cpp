// The time display.
#include "App.h"
#include "Graphics.h"
#include "TextFunctions.h"
#include "winMain.h"

void winMain::cvTime_Paint(Graphics& g) { Redraw(&g, -1, false); }

void winMain::Redraw(Graphics* g, std::int32_t secs, bool) {
    if (!g)
        return;
    const std::int32_t count = secs < 0 ? CurrentSeconds : secs;
    const std::int32_t hours = count / 3600;
    const std::int32_t minutes = (count - 3600 * hours) / 60;
    const std::int32_t seconds = count - 3600 * hours - 60 * minutes;
    const QString text = Format(hours, "00") + ":" + Format(minutes, "00") + ":" + Format(seconds, "00");
    g->SetForeColor(TheApp().Color_Background);
    g->FillRect(0, 0, g->Width(), g->Height());
    g->SetTextFont(TheApp().Pref_Font);
    g->SetTextSize(40);
    g->SetForeColor(TheApp().Color_Font);
    g->DrawString(IsDone ? QStringLiteral("Time is Up!") : text, 20, 80);
}

std::int32_t winMain::GetTextSize(Graphics&, const QString&, std::int32_t, std::int32_t) {
    return 8;
}
