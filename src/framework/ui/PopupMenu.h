#pragma once

#include <functional>

#include "ui/Control.h"

class QComboBox;

// A pop-up list of rows. Rows are only ever added; ListIndex is the chosen
// row, -1 for none. Change follows every change of ListIndex, by the user
// or from code; adding rows never changes it.
class PopupMenu : public RectControl {
  public:
    PopupMenu(Window& owner, const QString& name);

    void AddRow(const QString& text);
    int ListCount() const;
    QString List(int row) const;
    int ListIndex() const;
    // An index outside the rows chooses none.
    void SetListIndex(int index);
    // The chosen row's text; with no row chosen, the text set below.
    QString Text() const;
    // What the popup shows, and Text gives, while no row is chosen.
    void SetTextWhenNoRow(const QString& text);
    void SetTextFont(const QString& name);

    std::function<void()> Change;

  private:
    QComboBox* mCombo;
};
