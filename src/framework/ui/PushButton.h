#pragma once

#include <functional>

#include "ui/Control.h"

class QPushButton;

// A push button. As in the toolkit's own dialogs, it takes the keyboard
// focus, by Tab in the order of TabIndex or by a click, and Space or Return
// presses the focused button; with the focus anywhere else, Return presses
// the sheet's default button, and Escape its cancel button.
class PushButton : public RectControl {
  public:
    PushButton(Window& owner, const QString& name);

    QString Caption() const;
    void SetCaption(const QString& caption);
    bool Default() const;
    void SetDefault(bool isDefault);
    bool Cancel() const;
    void SetCancel(bool isCancel);
    void SetTextFont(const QString& name);

    // Presses the button as a click would.
    void Push();

    std::function<void()> Action;

  private:
    QPushButton* mButton;
};
