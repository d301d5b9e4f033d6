#include "winPrefs.h"

#include <QStringList>

#include "App.h"
#include "SmartColorWell.h"
#include "system/FontFamilies.h"
#include "system/Runtime.h"
#include "system/Timer.h"
#include "text/StringOrder.h"
#include "ui/Canvas.h"
#include "ui/CheckBox.h"
#include "ui/GroupBox.h"
#include "ui/PopupMenu.h"
#include "ui/PushButton.h"
#include "ui/StaticText.h"
#include "winMain.h"

namespace {

const QString systemFont = QStringLiteral("System");
// The framework's names for its own interface fonts, offered beside the
// installed ones.
const QString smallSystemFont = QStringLiteral("SmallSystem");

// The preview's three sample times: one for each digit colour.
constexpr std::int32_t sampleTime = 45296; // 12:34:56
constexpr std::int32_t sampleLastMinute = 55;
constexpr std::int32_t sampleLastTenSeconds = 5;
constexpr int previewPeriod = 2000;

constexpr int wellSize = 32;

} // namespace

winPrefs::winPrefs() : Window(Window::Sheet) {}

void winPrefs::Layout() {
    SetTitle(QStringLiteral("Preferences"));
    SetWidth(445);
    SetHeight(609);
    SetMinimumSize(320, 230);
    SetMaximumSize(32000, 32000);
    SetVisible(true);
    SetTitleButtons(false, false, false);
    SetResizeable(false);
}

void winPrefs::CreateControls() {
    CreateControls0();
}

void winPrefs::CreateControls0() {
    gSource =
        &AddGroup(QStringLiteral("gSource"), {20, 14, 405, 90}, QStringLiteral("Font Options"), 0);
    gSource->LockLeft = gSource->LockTop = gSource->LockRight = true;
    StaticText1 = &AddLabel(QStringLiteral("StaticText1"), gSource, {35, 42, 45, 20},
                            QStringLiteral("Font:"), 3);
    pFont = &AddControl<PopupMenu>(QStringLiteral("pFont"));
    pFont->SetParent(gSource);
    pFont->SetBounds(92, 42, 210, 20);
    pFont->SetTextFont(systemFont);
    pFont->TabIndex = 4;
    pFont->SetListIndex(0); // no rows yet: chooses none
    pFont->Change = [this] { pFont_Change(); };
    cBold = &AddCheckBox(QStringLiteral("cBold"), gSource, {34, 74, 70, 20}, QStringLiteral("Bold"),
                         8, false);
    cBold->Action = [this] { cBold_Action(); };
    cItalic = &AddCheckBox(QStringLiteral("cItalic"), gSource, {116, 74, 70, 20},
                           QStringLiteral("Italic"), 9, false);
    cItalic->Action = [this] { cItalic_Action(); };

    bCancel = &AddButton(QStringLiteral("bCancel"), nullptr, {253, 567, 80, 22},
                         QStringLiteral("Cancel"), 2);
    bCancel->LockRight = bCancel->LockBottom = true;
    bCancel->SetCancel(true);
    bCancel->Action = [this] { bCancel_Action(); };
    bOK = &AddButton(QStringLiteral("bOK"), nullptr, {345, 567, 80, 22}, QStringLiteral("OK"), 3);
    bOK->LockRight = bOK->LockBottom = true;
    bOK->SetDefault(true);
    bOK->Action = [this] { bOK_Action(); };

    GroupBox1 = &AddGroup(QStringLiteral("GroupBox1"), {20, 504, 405, 51},
                          QStringLiteral("Other Options"), 4);
    GroupBox1->LockLeft = GroupBox1->LockRight = GroupBox1->LockBottom = true;
    cSuspend = &AddCheckBox(QStringLiteral("cSuspend"), GroupBox1, {35, 528, 377, 20},
                            QStringLiteral("Suspend Screensaver while timer is running"), 0, false);

    GroupBox2 = &AddGroup(QStringLiteral("GroupBox2"), {20, 116, 405, 187},
                          QStringLiteral("Color Options"), 6);
    GroupBox2->LockLeft = GroupBox2->LockTop = GroupBox2->LockRight = GroupBox2->LockBottom = true;
    cBackground = &AddWell(QStringLiteral("cBackground"), {35, 146}, 1);
    cBackground->ColorChange = [this](Color c) { cBackground_ColorChange(c); };
    StaticText4 = &AddLabel(QStringLiteral("StaticText4"), GroupBox2, {101, 149, 95, 20},
                            QStringLiteral("Background"), 2);
    cFont = &AddWell(QStringLiteral("cFont"), {202, 146}, 3);
    cFont->ColorChange = [this](Color c) { cFont_ColorChange(c); };
    StaticText3 = &AddLabel(QStringLiteral("StaticText3"), GroupBox2, {268, 149, 95, 20},
                            QStringLiteral("Font"), 4);
    cDropshadow = &AddWell(QStringLiteral("cDropshadow"), {202, 222}, 5);
    cDropshadow->ColorChange = [this](Color c) { cDropshadow_ColorChange(c); };
    StaticText2 = &AddLabel(QStringLiteral("StaticText2"), GroupBox2, {268, 229, 95, 20},
                            QStringLiteral("Drop Shadow"), 6);
    cShadow = &AddCheckBox(QStringLiteral("cShadow"), GroupBox2, {35, 229, 151, 20},
                           QStringLiteral("Use Drop Shadow"), 7, true);
    cShadow->Action = [this] { cShadow_Action(); };
    StaticText5 = &AddLabel(QStringLiteral("StaticText5"), GroupBox2, {268, 187, 130, 20},
                            QStringLiteral("Last 10 Seconds"), 8);
    cLast10Sec = &AddWell(QStringLiteral("cLast10Sec"), {202, 184}, 9);
    cLast10Sec->ColorChange = [this](Color c) { cLast10Sec_ColorChange(c); };
    StaticText6 = &AddLabel(QStringLiteral("StaticText6"), GroupBox2, {101, 187, 95, 20},
                            QStringLiteral("Last Minute"), 10);
    cLastMin = &AddWell(QStringLiteral("cLastMin"), {35, 184}, 11);
    cLastMin->ColorChange = [this](Color c) { cLastMin_ColorChange(c); };
    bDefaults = &AddButton(QStringLiteral("bDefaults"), GroupBox2, {35, 266, 103, 22},
                           QStringLiteral("Use Defaults"), 12);
    bDefaults->Action = [this] { bDefaults_Action(); };

    Timer1 = &AddControl<Timer>(QStringLiteral("Timer1"));
    Timer1->SetMode(Timer::Multiple);
    Timer1->SetPeriod(previewPeriod);
    Timer1->Action = [this] { Timer1_Action(); };

    GroupBox3 =
        &AddGroup(QStringLiteral("GroupBox3"), {20, 315, 405, 177}, QStringLiteral("Preview"), 7);
    GroupBox3->LockLeft = GroupBox3->LockRight = GroupBox3->LockBottom = true;
    cvTime = &AddControl<Canvas>(QStringLiteral("cvTime"));
    cvTime->SetParent(GroupBox3);
    cvTime->SetBounds(35, 339, 375, 138);
    cvTime->LockLeft = cvTime->LockTop = cvTime->LockRight = cvTime->LockBottom = true;
    cvTime->TabIndex = 0;
    cvTime->SetAcceptFocus(false);
    cvTime->Paint = [this](Graphics& g) { cvTime_Paint(g); };
}

GroupBox& winPrefs::AddGroup(const QString& name, QRect bounds, const QString& caption,
                             int tabIndex) {
    auto& group = AddControl<GroupBox>(name);
    group.SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    group.SetCaption(caption);
    group.SetTextFont(systemFont);
    group.TabIndex = tabIndex;
    return group;
}

StaticText& winPrefs::AddLabel(const QString& name, GroupBox* parent, QRect bounds,
                               const QString& text, int tabIndex) {
    auto& label = AddControl<StaticText>(name);
    label.SetParent(parent);
    label.SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    label.SetText(text);
    label.SetTextFont(systemFont);
    label.TabIndex = tabIndex;
    return label;
}

CheckBox& winPrefs::AddCheckBox(const QString& name, GroupBox* parent, QRect bounds,
                                const QString& caption, int tabIndex, bool value) {
    auto& box = AddControl<CheckBox>(name);
    box.SetParent(parent);
    box.SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    box.SetCaption(caption);
    box.SetTextFont(systemFont);
    box.TabIndex = tabIndex;
    box.SetValue(value);
    return box;
}

PushButton& winPrefs::AddButton(const QString& name, GroupBox* parent, QRect bounds,
                                const QString& caption, int tabIndex) {
    auto& button = AddControl<PushButton>(name);
    button.SetParent(parent);
    button.SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    button.SetCaption(caption);
    button.SetTextFont(systemFont);
    button.TabIndex = tabIndex;
    button.SetDefault(false);
    button.SetCancel(false);
    return button;
}

// Every well lies in the colour group, black until the sheet opens, with
// no drag unless Ctrl or Alt is held.
SmartColorWell& winPrefs::AddWell(const QString& name, QPoint topLeft, int tabIndex) {
    auto& well = AddControl<SmartColorWell>(name);
    well.SetParent(GroupBox2);
    well.SetBounds(topLeft.x(), topLeft.y(), wellSize, wellSize);
    well.TabIndex = tabIndex;
    well.SetAcceptFocus(false);
    well.ColorSelected = RGB(0, 0, 0);
    well.Margin = 0;
    well.AlsoDimColor = false;
    well.EnableColorDrag = false;
    return well;
}

void winPrefs::Event_Open() {
    // 1. The snapshot is whole before any control is touched: the controls'
    // events write into the application object from here on.
    const App& app = TheApp();
    mFont = app.Pref_Font;
    mBold = app.Pref_Bold;
    mItalic = app.Pref_Italic;
    mSuspend = app.Pref_SuspendScreensaver;
    mUseShadow = app.Pref_UseShadow;
    mColorFont = app.Color_Font;
    mColorBackground = app.Color_Background;
    mColorShadow = app.Color_Shadow;
    mColorLastMin = app.Color_LastMin;
    mColorLast10Sec = app.Color_Last10Sec;

    // 2. The installed fonts, then the framework's two, in one order.
    // Thousands of fonts must not freeze the program, so each pass yields;
    // the count is read afresh, as fonts may come and go meanwhile.
    QStringList names;
    for (int i = 0; i <= FontCount() - 1; ++i) {
        names.append(Font(i));
        YieldToEventLoop();
    }
    names.append(smallSystemFont);
    names.append(systemFont);
    SortAscending(names);

    // 3. Fill and match with the same comparison as the sort, so a name
    // taken from the list finds its own row; of equal rows the last wins.
    int found = -1;
    for (int i = 0; i < names.size(); ++i) {
        pFont->AddRow(names[i]);
        if (CompareText(names[i], TheApp().Pref_Font) == 0)
            found = i;
        YieldToEventLoop();
    }

    // A name stored with the foundry that the font database once added to
    // it ("Nimbus Sans [URW ]") finds its family's row.
    if (found < 0) {
        const QString family = PlainFamily(TheApp().Pref_Font);
        for (int i = 0; i < names.size(); ++i)
            if (CompareText(names[i], family) == 0)
                found = i;
    }

    // 4. Choosing the row and ticking the boxes may raise their events,
    // which write back what was just read.
    // A stored font that is not installed now (a package removed, a
    // settings file from another machine) still shows, and OK keeps it
    // rather than storing an empty name.
    if (found >= 0)
        pFont->SetListIndex(found);
    else
        pFont->SetTextWhenNoRow(TheApp().Pref_Font);
    cBold->SetValue(TheApp().Pref_Bold);
    cItalic->SetValue(TheApp().Pref_Italic);
    cSuspend->SetValue(TheApp().Pref_SuspendScreensaver);
    cShadow->SetValue(TheApp().Pref_UseShadow);

    SetButtons();
    RepaintPreview();
}

void winPrefs::SetButtons() {
    const App& app = TheApp();
    cBackground->setColor(app.Color_Background);
    cFont->setColor(app.Color_Font);
    cDropshadow->setColor(app.Color_Shadow);
    cLastMin->setColor(app.Color_LastMin);
    cLast10Sec->setColor(app.Color_Last10Sec);
}

void winPrefs::RepaintPreview() {
    cvTime->Refresh(false);
}

// The live edits: each goes into the application object at once. The main
// window shows it at its next tick; the sheet only repaints its preview.
void winPrefs::pFont_Change() {
    TheApp().Pref_Font = pFont->Text();
    RepaintPreview();
}

void winPrefs::cBold_Action() {
    TheApp().Pref_Bold = cBold->Value();
    RepaintPreview();
}

void winPrefs::cItalic_Action() {
    TheApp().Pref_Italic = cItalic->Value();
    RepaintPreview();
}

void winPrefs::cShadow_Action() {
    TheApp().Pref_UseShadow = cShadow->Value();
    RepaintPreview();
}

// The wells' handlers take the colour from the well, not from the event.
void winPrefs::cBackground_ColorChange(Color) {
    TheApp().Color_Background = cBackground->getColor();
    RepaintPreview();
}

void winPrefs::cFont_ColorChange(Color) {
    TheApp().Color_Font = cFont->getColor();
    RepaintPreview();
}

void winPrefs::cDropshadow_ColorChange(Color) {
    TheApp().Color_Shadow = cDropshadow->getColor();
    RepaintPreview();
}

void winPrefs::cLastMin_ColorChange(Color) {
    TheApp().Color_LastMin = cLastMin->getColor();
    RepaintPreview();
}

void winPrefs::cLast10Sec_ColorChange(Color) {
    TheApp().Color_Last10Sec = cLast10Sec->getColor();
    RepaintPreview();
}

// The same five colours as a first run's; font and styles stay.
void winPrefs::bDefaults_Action() {
    App& app = TheApp();
    app.Color_Background = App::Default_Background;
    app.Color_Font = App::Default_Font;
    app.Color_Shadow = App::Default_Shadow;
    app.Color_LastMin = App::Default_LastMin;
    app.Color_Last10Sec = App::Default_Last10Sec;
    SetButtons();
    RepaintPreview();
}

// The colours are in the application object already; the screensaver
// option reaches it only here.
void winPrefs::bOK_Action() {
    App& app = TheApp();
    app.Pref_Font = pFont->Text();
    app.Pref_Bold = cBold->Value();
    app.Pref_Italic = cItalic->Value();
    app.Pref_SuspendScreensaver = cSuspend->Value();
    app.Pref_UseShadow = cShadow->Value();
    Implicit<winMain>().WritePrefs();
    Close();
}

// Nothing is written and nothing repainted: the main window shows the
// settings put back at its next tick.
void winPrefs::bCancel_Action() {
    App& app = TheApp();
    app.Pref_Font = mFont;
    app.Pref_Bold = mBold;
    app.Pref_Italic = mItalic;
    app.Pref_SuspendScreensaver = mSuspend;
    app.Pref_UseShadow = mUseShadow;
    app.Color_Font = mColorFont;
    app.Color_Background = mColorBackground;
    app.Color_Shadow = mColorShadow;
    app.Color_LastMin = mColorLastMin;
    app.Color_Last10Sec = mColorLast10Sec;
    Close();
}

void winPrefs::Timer1_Action() {
    if (CurrentSeconds == sampleLastMinute)
        CurrentSeconds = sampleLastTenSeconds;
    else if (CurrentSeconds == sampleTime)
        CurrentSeconds = sampleLastMinute;
    else
        CurrentSeconds = sampleTime;
    RepaintPreview();
}

void winPrefs::cvTime_Paint(Graphics& g) {
    Implicit<winMain>().Redraw(&g, CurrentSeconds, true);
}

void winPrefs::Event_Resized() {
    RepaintPreview();
}

void winPrefs::Event_Resizing() {
    RepaintPreview();
}
