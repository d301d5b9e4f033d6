// The time display: everything the main window shows, drawn afresh into
// any surface at every repaint.
#include <cstdlib>

#include "App.h"
#include "Pictures.h"
#include "graphics/Graphics.h"
#include "system/Runtime.h"
#include "text/Numbers.h"
#include "text/TextFunctions.h"
#include "ui/Canvas.h"
#include "winMain.h"

namespace {
const QString kTemplate = QStringLiteral("00:00:00");
const QString kAlertText = QStringLiteral("Time is Up!");
constexpr double kWidthShare = 0.9;
constexpr double kAlertWidthShare = 0.5;
constexpr int kWrapSlack = 10;
constexpr double kShadowDivisor = 100;
constexpr double kFrameDivisor = 20;
constexpr int kIconLeft = 10;
constexpr int kIconTop = 10;
constexpr std::int32_t kLastMinute = 60;
constexpr std::int32_t kLastTenSeconds = 10;
constexpr std::int32_t kFirstSize = 8;
} // namespace

void winMain::cvTime_Paint(Graphics& g) {
    Redraw(&g, -1, false);
}

void winMain::Redraw(Graphics* g, std::int32_t secs, bool preview) {
    // 1. The count serves both the text and the colour rule.
    const std::int32_t count = secs < 0 ? CurrentSeconds : secs;

    // 2. Text.
    const std::int32_t hours = count / 3600;
    const std::int32_t minutes = (count - 3600 * hours) / 60;
    const std::int32_t seconds = count - 3600 * hours - 60 * minutes;
    QString text = kTemplate;
    if (hours >= 0 && minutes >= 0 && seconds >= 0)
        text = Format(hours, QStringLiteral("00")) + ":" + Format(minutes, QStringLiteral("00")) +
               ":" + Format(seconds, QStringLiteral("00"));

    // 3. Surface.
    if (!g)
        g = &Find<Canvas>(QStringLiteral("cvTime")).Graphics();
    const int W = g->Width();
    const int H = g->Height();
    const App& app = TheApp();

    // 4. Background.
    g->SetForeColor(app.Color_Background);
    g->FillRect(0, 0, W, H);

    // 5. Limits.
    const std::int32_t widthLimit = ToInt32(W * kWidthShare);
    const std::int32_t heightLimit = H;

    // 6. Font and size: sized for the template, so the digits shown never
    // change the size.
    g->SetTextFont(app.Pref_Font);
    g->SetBold(app.Pref_Bold);
    g->SetItalic(app.Pref_Italic);
    g->SetTextSize(GetTextSize(*g, kTemplate, widthLimit, heightLimit));

    // 7. Measure the template and centre it; y is the baseline.
    const std::int32_t w = ToInt32(g->StringWidth(kTemplate));
    const std::int32_t h = g->StringHeight(kTemplate, double(w) + kWrapSlack);
    const std::int32_t x = ToInt32((W - double(w)) / 2);
    const std::int32_t y = ToInt32((H - double(h)) / 2 + g->TextAscent());

    // 8. Shadow.
    const double diagonal = Sqrt(Pow(h, 2) + Pow(w, 2));
    const std::int32_t s = ToInt32(Max(1, diagonal / kShadowDivisor));
    if (app.Pref_UseShadow) {
        g->SetForeColor(app.Color_Shadow);
        g->DrawString(text, x + s, y + s);
    }

    // 9. Digits: the thresholds only count while the count runs or in
    // a preview.
    g->SetForeColor(app.Color_Font);
    if (IsRunning || preview) {
        if (count < kLastTenSeconds)
            g->SetForeColor(app.Color_Last10Sec);
        else if (count < kLastMinute)
            g->SetForeColor(app.Color_LastMin);
        else
            g->SetForeColor(app.Color_Font);
    }
    g->DrawString(text, x, y);

    // 10. State icon, from the main window's own state even in a preview.
    Picture* icon = IsDone ? Alert_Icon() : IsRunning ? Run_Icon() : Pause_Icon();
    g->DrawPicture(icon, kIconLeft, kIconTop);

    // 11. Alert box over the middle.
    if (!IsDone)
        return;
    g->SetTextFont(QStringLiteral("System"));
    g->SetBold(false);
    g->SetItalic(false);
    g->SetTextSize(
        GetTextSize(*g, kAlertText, ToInt32(widthLimit * kAlertWidthShare), heightLimit));
    const std::int32_t aw = ToInt32(g->StringWidth(kAlertText));
    const std::int32_t ah = g->StringHeight(kAlertText, double(aw) + kWrapSlack);
    const std::int32_t b = ToInt32(Max(1, g->TextHeight() / kFrameDivisor));
    const std::int32_t boxLeft = ToInt32((W - double(aw)) / 2 - 2 * b);
    const std::int32_t boxTop = ToInt32((H - double(ah)) / 2 - 2 * b);
    const std::int32_t boxWidth = aw + 4 * b;
    const std::int32_t boxHeight = ah + 4 * b;
    g->SetForeColor(app.Color_Shadow);
    g->FillRect(boxLeft, boxTop, boxWidth, boxHeight);
    g->SetForeColor(app.Color_Last10Sec);
    g->SetPenHeight(b);
    g->SetPenWidth(b);
    g->DrawRect(boxLeft, boxTop, boxWidth, boxHeight);
    const std::int32_t tx = ToInt32((W - double(aw)) / 2);
    const std::int32_t ty = ToInt32((H - double(ah)) / 2 + g->TextAscent());
    g->SetForeColor(app.Color_Font);
    g->DrawString(kAlertText, tx, ty);
}

// Doubles while the text fits and falls back halfway toward the last size
// that fitted after a miss. A surface may refuse sizes past some bound:
// once the size it reports is not the one asked for and the text still
// fits there, nothing larger can be had and the search ends on that size.
std::int32_t winMain::GetTextSize(Graphics& g, const QString& text, std::int32_t maxWidth,
                                  std::int32_t maxHeight) {
    std::int32_t size = kFirstSize;
    std::int32_t last = kFirstSize;
    for (;;) {
        g.SetTextSize(size);
        const std::int32_t taken = g.TextSize();
        const std::int32_t w = ToInt32(g.StringWidth(text));
        const std::int32_t h = g.StringHeight(text, double(w) + kWrapSlack);
        if (w > maxWidth || h > maxHeight) {
            size = ToInt32((std::int64_t{size} + last) / 2.0);
        } else if (taken != size) {
            size = taken;
            last = taken;
        } else {
            size = SaturatingMul(size, 2);
            last = taken;
        }
        YieldToEventLoop();
        if (std::llabs(std::int64_t{size} - last) <= 1)
            break;
    }
    return size;
}
