#pragma once

#include <functional>

#include "ui/Control.h"

class QCheckBox;

// A check box with its caption beside it. Action follows every change of
// Value, by a click or from code.
class CheckBox : public RectControl {
  public:
    CheckBox(Window& owner, const QString& name);

    QString Caption() const;
    void SetCaption(const QString& caption);
    bool Value() const;
    void SetValue(bool value);
    void SetTextFont(const QString& name);

    std::function<void()> Action;

  private:
    QCheckBox* mBox;
};
