#pragma once

#include "ui/Window.h"

class EditField;

// The Help window: one read-only, styled, scrolling field that fills the
// window, one pixel past each edge so that its border does not show. The
// help text is written with tags and styled when the field opens, once per
// window: showing an open window again leaves it as the user left it.
class winHelp : public Window {
  public:
    EditField* EditField1 = nullptr;

    void EditField1_Open();

    // The tagged help text, as built into the program.
    static QString HelpText();

  protected:
    void Layout() override;
    void CreateControls() override;
    void CreateControls0();
};
