#pragma once

#include <functional>

#include "ui/Control.h"

class QPushButton;

// A push button. The default button answers Return and the cancel button
// Escape anywhere in its sheet. As on this desktop, it takes the keyboard
// focus, by Tab in the order of TabIndex or by a click, and Space presses
// the focused button; Return stays the default button's.
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
