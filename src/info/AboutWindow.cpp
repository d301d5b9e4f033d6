#include "AboutWindow.h"

#include "App.h"
#include "BuildInfo.h"
#include "BuiltInText.h"
#include "Pictures.h"
#include "TaggedText.h"
#include "graphics/Graphics.h"
#include "graphics/Picture.h"
#include "system/Runtime.h"
#include "text/TextFunctions.h"
#include "ui/Canvas.h"
#include "ui/EditField.h"
#include "ui/StaticText.h"

namespace {

constexpr int IconSize = 64;
constexpr int BadgeWidth = 216;
constexpr int BadgeHeight = 30;

// Takes the mask picture into the picture's mask afresh, so that the mask
// always matches the file; without a mask picture the mask stays opaque.
void RefreshMask(Picture& picture, const Picture* maskPicture) {
    picture.Mask(true)->Graphics().DrawPicture(maskPicture, 0, 0);
}

} // namespace

void AboutWindow::Layout() {
    SetTitle(QString());
    SetWidth(284);
    SetHeight(366);
    SetMinimumSize(64, 64);
    SetMaximumSize(32000, 32000);
    SetVisible(true);
    SetTitleButtons(true, false, false);
    SetResizeable(false);
}

void AboutWindow::CreateControls() {
    CreateControls0();
}

void AboutWindow::CreateControls0() {
    AppIconCanvas = &AddControl<Canvas>(QStringLiteral("AppIconCanvas"));
    AppIconCanvas->SetBounds(110, 8, IconSize, IconSize);
    AppIconCanvas->TabIndex = 0;
    AppIconCanvas->SetAcceptFocus(false);
    AppIconCanvas->Paint = [this](Graphics& g) { AppIconCanvas_Paint(g); };

    StatAppName = &AddLabel(QStringLiteral("StatAppName"), 86, 16, 14, 1);
    StatAppName->SetBold(true);
    StatAppVersion = &AddLabel(QStringLiteral("StatAppVersion"), 112, 12, 10, 2);

    EditAppCredits =
        &AddControl<EditField>(QStringLiteral("EditAppCredits"), EditField::Kind::Styled);
    EditAppCredits->SetBounds(0, 132, 284, 140);
    EditAppCredits->LockLeft = EditAppCredits->LockTop = true;
    EditAppCredits->LockRight = EditAppCredits->LockBottom = true;
    EditAppCredits->TabIndex = 3;
    EditAppCredits->SetTextFont(QStringLiteral("System"));
    EditAppCredits->SetTextSize(12);

    StatAppCopyright = &AddLabel(QStringLiteral("StatAppCopyright"), 280, 32, 10, 4);
    StatAppCopyright->SetMultiline(true);

    QxIconCanvas = &AddControl<Canvas>(QStringLiteral("QxIconCanvas"));
    QxIconCanvas->SetBounds(34, 324, BadgeWidth, BadgeHeight);
    QxIconCanvas->TabIndex = 5;
    QxIconCanvas->SetAcceptFocus(false);
    QxIconCanvas->MouseDown = [this](int x, int y) { return QxIconCanvas_MouseDown(x, y); };
    QxIconCanvas->Paint = [this](Graphics& g) { QxIconCanvas_Paint(g); };
}

StaticText& AboutWindow::AddLabel(const QString& name, int top, int height, int size,
                                  int tabIndex) {
    auto& label = AddControl<StaticText>(name);
    label.SetBounds(20, top, 244, height);
    label.SetTextFont(QStringLiteral("System"));
    label.SetTextSize(size);
    label.SetTextAlign(1);
    label.TabIndex = tabIndex;
    return label;
}

// Both canvases erase their background before each paint: the pictures'
// masks leave parts of them see-through.
void AboutWindow::AppIconCanvas_Paint(Graphics& g) {
    g.ClearRect(0, 0, g.Width(), g.Height());
    Picture* icon = AboutIcon();
    if (!icon)
        return;
    RefreshMask(*icon, AboutMask());
    g.DrawPicture(icon, 0, 0, IconSize, IconSize, 0, 0, icon->Width(), icon->Height());
}

void AboutWindow::QxIconCanvas_Paint(Graphics& g) {
    g.ClearRect(0, 0, g.Width(), g.Height());
    Picture* badge = VaZeDoZi();
    if (!badge)
        return;
    RefreshMask(*badge, VaZeDoZiMask());
    g.DrawPicture(badge, 0, 0, BadgeWidth, BadgeHeight, 0, 0, BadgeWidth, BadgeHeight);
}

// The page opens on the press itself; the canvas does not take the press.
bool AboutWindow::QxIconCanvas_MouseDown(int, int) {
    ShowURL(ToolMakerURL());
    return false;
}

void AboutWindow::Show(bool useCredits) {
    UseCredits = useCredits;
    SetupWindow();
    Window::Show();
}

void AboutWindow::SetupWindow() {
    StatAppName->SetText(QStringLiteral("Quendle"));
    StatAppVersion->SetText(QStringLiteral("Version ") + VersionString());
    StatAppCopyright->SetText(RightsNotice());
    if (UseCredits) {
        SetCreditsFieldText(CreditsText(), true);
        StatAppCopyright->SetTop(280);
        EditAppCredits->SetVisible(true);
        SetHeight(366);
        QxIconCanvas->SetTop(324);
    } else {
        EditAppCredits->SetVisible(false);
        StatAppCopyright->SetTop(132);
        SetHeight(218);
        QxIconCanvas->SetTop(176);
    }
}

void AboutWindow::SetCreditsFieldText(const QString& text, bool parseTags) {
    EditAppCredits->SetText(text);
    if (parseTags)
        StyleTaggedText(*EditAppCredits);
}

QString AboutWindow::VersionString() const {
    const App& app = TheApp();
    const auto str = [](std::int32_t n) { return Str(static_cast<long long>(n)); };
    const QString v = str(app.MajorVersion) + QStringLiteral(".") + str(app.MinorVersion) +
                      QStringLiteral(".") + str(app.BugVersion);
    const QString n = str(app.NonReleaseVersion);
    switch (app.StageCode) {
    case 0:
        return v + QStringLiteral(" (Dev. ") + n + QStringLiteral(")");
    case 1:
        return v + QStringLiteral("a (") + n + QStringLiteral(")");
    case 2:
        return v + QStringLiteral("b (") + n + QStringLiteral(")");
    case 3:
        return v + QStringLiteral(" (") + n + QStringLiteral(")");
    default:
        return v;
    }
}

QString AboutWindow::CreditsText() {
    return BuiltInText(QStringLiteral("Credits.txt"));
}

QString AboutWindow::RightsNotice() {
    return QStringLiteral("Copyright \u00A9 %1 The Quendle Authors.\nAll rights reserved.")
        .arg(QUENDLE_BUILD_YEAR);
}
