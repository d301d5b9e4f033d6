#pragma once

#include "ui/EditField.h"
#include "ui/Window.h"

// A hidden window holding one styled field at 12 pixels, for driving the
// styled text through a real field.
class StyledFieldSheet : public Window {
  public:
    EditField* field = nullptr;

  protected:
    void Layout() override {
        SetWidth(300);
        SetHeight(200);
        SetVisible(false);
    }
    void CreateControls() override {
        field = &AddControl<EditField>(QStringLiteral("field"), EditField::Kind::Styled);
        field->SetBounds(0, 0, 300, 200);
        field->SetTextSize(12);
    }
};
