#pragma once

#include <functional>

#include "ui/Control.h"

class QPushButton;

// A push button. The default button answers Return and the cancel button
// Escape anywhere in its sheet. Like the buttons of the original desktop,
// it is not in the Tab order, so a sheet's keyboard focus starts in and
// stays among its fields; clicking it does not take the focus either.
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
