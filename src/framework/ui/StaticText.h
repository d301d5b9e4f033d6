#pragma once

#include "ui/Control.h"

class QLabel;

// A one-line label in the desktop's small font; it never takes the focus.
class StaticText : public RectControl {
  public:
    StaticText(Window& owner, const QString& name);

    QString Text() const;
    void SetText(const QString& text);
    void SetTextFont(const QString& name);

  private:
    QLabel* mLabel;
};
