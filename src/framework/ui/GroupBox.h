#pragma once

#include "ui/Control.h"

class QGroupBox;

// A captioned frame. The controls placed inside it (SetParent) move,
// hide and disable with it; their bounds stay in window coordinates.
class GroupBox : public RectControl {
  public:
    GroupBox(Window& owner, const QString& name);

    QString Caption() const;
    void SetCaption(const QString& caption);
    void SetTextFont(const QString& name);

  private:
    QGroupBox* mBox;
};
