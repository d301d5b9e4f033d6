#pragma once

#include "ui/Window.h"

class EditField;
class PushButton;
class StaticText;
class UpDownArrows;

// The "Set Timer" sheet: hours, minutes and seconds, each a two-digit field
// with a pair of arrows, read from the main window when the sheet opens and
// stored back on Set. The time being edited lives only in the three fields.
//
// Set stores what each field reads as, with no range test. A field can
// hold any number of digits (typed at the caret or pasted), so a value past
// the 32-bit range is stored as the nearest 32-bit value and the total in
// seconds is summed with saturation: it stops at 2147483647 (or at the
// negative end, for pasted signs) rather than wrapping around.
class winSet : public Window {
  public:
    winSet();

    // The controls, in the order they are created.
    PushButton* btnCancel = nullptr;
    StaticText* StaticText1 = nullptr;
    StaticText* StaticText2 = nullptr;
    UpDownArrows* aHr = nullptr;
    EditField* eHr = nullptr;
    UpDownArrows* aMin = nullptr;
    EditField* eMin = nullptr;
    UpDownArrows* aSec = nullptr;
    EditField* eSec = nullptr;
    PushButton* btnOk = nullptr;
    StaticText* StaticText3 = nullptr;

    void btnCancel_Action();
    void aHr_Down();
    void aHr_Up();
    bool eHr_KeyDown(const QString& key);
    void eHr_LostFocus();
    void aMin_Up();
    void aMin_Down();
    bool eMin_KeyDown(const QString& key);
    void eMin_LostFocus();
    void aSec_Down();
    void aSec_Up();
    bool eSec_KeyDown(const QString& key);
    void eSec_LostFocus();
    void btnOk_Action();

    void Event_Open() override;

  protected:
    void Layout() override;
    void CreateControls() override;
    void CreateControls0();

  private:
    // The three rows differ only in their field and their limit.
    static void StepUp(EditField& field, int limit);
    static void StepDown(EditField& field, int limit);
    static bool FilterDigit(EditField& field, const QString& key, double limit);
    static void ShowTwoDigits(EditField& field);

    EditField& AddTimeField(const QString& name, int left, int tabIndex);
    UpDownArrows& AddArrows(const QString& name, int left, int tabIndex);
    StaticText& AddLabel(const QString& name, int left, const QString& text, int tabIndex);
};
