#include "winSet.h"

#include "text/Numbers.h"
#include "text/TextFunctions.h"
#include "ui/EditField.h"
#include "ui/PushButton.h"
#include "ui/StaticText.h"
#include "ui/UpDownArrows.h"
#include "winMain.h"

namespace {

const QString twoDigits = QStringLiteral("00");

// Each field's text as the whole number it reads as; a run of digits past
// the 32-bit range reads as the nearest end of that range.
std::int32_t ValueOf(const EditField& field) {
    return ToInt32(Val(field.Text()));
}

} // namespace

winSet::winSet() : Window(Window::Sheet) {}

void winSet::Layout() {
    SetTitle(QStringLiteral("Set Timer"));
    SetWidth(350);
    SetHeight(74);
    SetMinimumSize(64, 64);
    SetMaximumSize(32000, 32000);
    SetVisible(true);
    SetResizeable(true);
    SetTitleButtons(true, true, false);
}

void winSet::CreateControls() {
    CreateControls0();
}

void winSet::CreateControls0() {
    btnCancel = &AddControl<PushButton>(QStringLiteral("btnCancel"));
    btnCancel->SetBounds(198, 31, 60, 20);
    btnCancel->SetCaption(QStringLiteral("Cancel"));
    btnCancel->SetTextFont(QStringLiteral("System"));
    btnCancel->TabIndex = 4;
    btnCancel->SetCancel(true);
    btnCancel->SetDefault(false);
    btnCancel->Action = [this] { btnCancel_Action(); };

    StaticText1 = &AddLabel(QStringLiteral("StaticText1"), 73, QStringLiteral("Min"), 9);
    StaticText2 = &AddLabel(QStringLiteral("StaticText2"), 126, QStringLiteral("Sec"), 10);

    aHr = &AddArrows(QStringLiteral("aHr"), 50, 12);
    aHr->Down = [this] { aHr_Down(); };
    aHr->Up = [this] { aHr_Up(); };
    eHr = &AddTimeField(QStringLiteral("eHr"), 20, 13);
    eHr->KeyDown = [this](const QString& key) { return eHr_KeyDown(key); };
    eHr->LostFocus = [this] { eHr_LostFocus(); };

    aMin = &AddArrows(QStringLiteral("aMin"), 104, 14);
    aMin->Up = [this] { aMin_Up(); };
    aMin->Down = [this] { aMin_Down(); };
    eMin = &AddTimeField(QStringLiteral("eMin"), 73, 15);
    eMin->KeyDown = [this](const QString& key) { return eMin_KeyDown(key); };
    eMin->LostFocus = [this] { eMin_LostFocus(); };

    aSec = &AddArrows(QStringLiteral("aSec"), 157, 16);
    aSec->Down = [this] { aSec_Down(); };
    aSec->Up = [this] { aSec_Up(); };
    eSec = &AddTimeField(QStringLiteral("eSec"), 126, 17);
    eSec->KeyDown = [this](const QString& key) { return eSec_KeyDown(key); };
    eSec->LostFocus = [this] { eSec_LostFocus(); };

    btnOk = &AddControl<PushButton>(QStringLiteral("btnOk"));
    btnOk->SetBounds(270, 31, 60, 20);
    btnOk->SetCaption(QStringLiteral("Set"));
    btnOk->SetTextFont(QStringLiteral("System"));
    btnOk->LockLeft = btnOk->LockBottom = true;
    btnOk->TabIndex = 18;
    btnOk->SetDefault(true);
    btnOk->SetCancel(false);
    btnOk->Action = [this] { btnOk_Action(); };

    StaticText3 = &AddLabel(QStringLiteral("StaticText3"), 20, QStringLiteral("Hrs"), 19);
}

EditField& winSet::AddTimeField(const QString& name, int left, int tabIndex) {
    auto& field = AddControl<EditField>(name);
    field.SetBounds(left, 31, 25, 22);
    field.SetText(twoDigits);
    field.SetTextFont(QStringLiteral("System"));
    field.SetTextSize(0);
    field.SetAlignment(2);
    field.LockLeft = field.LockBottom = true;
    field.TabIndex = tabIndex;
    return field;
}

UpDownArrows& winSet::AddArrows(const QString& name, int left, int tabIndex) {
    auto& arrows = AddControl<UpDownArrows>(name);
    arrows.SetBounds(left, 31, 13, 23);
    arrows.LockLeft = arrows.LockBottom = true;
    arrows.TabIndex = tabIndex;
    arrows.SetAcceptFocus(false);
    return arrows;
}

StaticText& winSet::AddLabel(const QString& name, int left, const QString& text, int tabIndex) {
    auto& label = AddControl<StaticText>(name);
    label.SetBounds(left, 14, 26, 16);
    label.SetText(text);
    label.SetTextFont(QStringLiteral("SmallSystem"));
    label.TabIndex = tabIndex;
    return label;
}

void winSet::Event_Open() {
    const winMain& main = Implicit<winMain>();
    eHr->SetText(Format(static_cast<double>(main.SetHours), twoDigits));
    eMin->SetText(Format(static_cast<double>(main.SetMinutes), twoDigits));
    eSec->SetText(Format(static_cast<double>(main.SetSeconds), twoDigits));
}

// The arrows step by one and wrap only when the step crosses an end, then
// hand the focus to the row's field, as the arrows never keep it.
void winSet::StepUp(EditField& field, int limit) {
    std::int32_t n = SaturatingAdd(ValueOf(field), 1);
    if (n > limit)
        n = 0;
    field.SetText(Format(static_cast<double>(n), twoDigits));
    field.SetFocus();
}

void winSet::StepDown(EditField& field, int limit) {
    std::int32_t n = SaturatingAdd(ValueOf(field), -1);
    if (n < 0)
        n = limit;
    field.SetText(Format(static_cast<double>(n), twoDigits));
    field.SetFocus();
}

void winSet::aHr_Up() {
    StepUp(*eHr, 99);
}
void winSet::aHr_Down() {
    StepDown(*eHr, 99);
}
void winSet::aMin_Up() {
    StepUp(*eMin, 59);
}
void winSet::aMin_Down() {
    StepDown(*eMin, 59);
}
void winSet::aSec_Up() {
    StepUp(*eSec, 59);
}
void winSet::aSec_Down() {
    StepDown(*eSec, 59);
}

// Control characters and everything beyond ASCII pass; other non-digits are
// swallowed. A digit is judged as if appended to the text left once the
// selection is gone, although the field then inserts it at the caret: so a
// digit typed in front of others is judged on another number than it makes.
bool winSet::FilterDigit(EditField& field, const QString& key, double limit) {
    if (key < QStringLiteral(" ") || key > QStringLiteral("~"))
        return false;
    if (key < QStringLiteral("0") || key > QStringLiteral("9"))
        return true;
    const QString old = field.Text();
    field.SetSelText(QString());
    const double candidate = Val(field.Text() + key);
    if (candidate > limit || candidate < 0) {
        field.SetText(old);
        return true;
    }
    return false;
}

bool winSet::eHr_KeyDown(const QString& key) {
    return FilterDigit(*eHr, key, 99);
}
bool winSet::eMin_KeyDown(const QString& key) {
    return FilterDigit(*eMin, key, 59);
}
bool winSet::eSec_KeyDown(const QString& key) {
    return FilterDigit(*eSec, key, 59);
}

// The number is formatted straight from Val, so 105 stays 105 and an
// empty field shows 00.
void winSet::ShowTwoDigits(EditField& field) {
    field.SetText(Format(Val(field.Text()), twoDigits));
}

void winSet::eHr_LostFocus() {
    ShowTwoDigits(*eHr);
}
void winSet::eMin_LostFocus() {
    ShowTwoDigits(*eMin);
}
void winSet::eSec_LostFocus() {
    ShowTwoDigits(*eSec);
}

// Stores the fields as they read, never starting the count: the main window
// shows the new time at its next tick.
void winSet::btnOk_Action() {
    winMain& main = Implicit<winMain>();
    main.SetHours = ValueOf(*eHr);
    main.SetMinutes = ValueOf(*eMin);
    main.SetSeconds = ValueOf(*eSec);
    main.CurrentSeconds = SaturatingAdd(
        SaturatingAdd(SaturatingMul(main.SetHours, 3600), SaturatingMul(main.SetMinutes, 60)),
        main.SetSeconds);
    Close();
}

void winSet::btnCancel_Action() {
    Close();
}
