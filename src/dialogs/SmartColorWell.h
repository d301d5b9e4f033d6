#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "text/Color.h"
#include "ui/Canvas.h"

// A well that shows one colour and lets the user change it: a click opens
// the desktop's colour picker; the colour can be dragged out of its box as
// text ("#RRGGBB") with Ctrl (or Alt) held, or always when EnableColorDrag
// is set, and text dropped on a well sets its colour. The host learns of
// every change through ColorChange. Many window managers move the window on
// a press with Alt held, so Ctrl is the key to rely on.
//
// The well handles the canvas's own events itself and passes Paint, Open,
// MouseDown and MouseUp on to the host as its own events of the same names,
// which hide the canvas's.
class SmartColorWell : public Canvas {
  public:
    SmartColorWell(Window& owner, const QString& name);

    // Properties, in the design's order. The host sets the public ones from
    // its design before the window opens; each is read afresh at every use.
    Color ColorSelected;

  protected:
    // The pressed look.
    bool mouseDownAndWithin = false;

  public:
    QString PickerPromptText;

  protected:
    // The press point, in the well's coordinates.
    std::int32_t mouseDownX = 0;
    std::int32_t mouseDownY = 0;

  public:
    // Inset of the colour box from each edge; 0 at opening lets the well
    // choose one for its height.
    std::int32_t Margin = 0;

  protected:
    // The drag is armed for this press; a drag has started during it.
    bool mouseDownWithinColorBox = false;
    bool draggedColorBox = false;

  public:
    // When dimmed in the active window, dim the colour box as well.
    bool AlsoDimColor = false;
    // A press in the colour box arms a drag without Ctrl or Alt.
    bool EnableColorDrag = false;

  protected:
    // The text last taken by setColorFromHexString; "?" once the colour has
    // changed by other means, so that the same text applies again.
    QString lastColorAsHexString;
    bool pickingColor = false;

  public:
    // Events raised to the host.
    std::function<void(::Graphics& g)> Paint;
    std::function<void()> Open;
    std::function<void(Color c)> ColorChange;
    std::function<void(int x, int y)> MouseDown;
    std::function<void(int x, int y)> MouseUp;

  protected:
    // The canvas's events, as the well handles them.
    void Event_DropObject(DragItem& obj, int action);
    void Event_MouseUp(int x, int y);
    void Event_MouseDrag(int x, int y);
    void Event_Open();
    bool Event_MouseDown(int x, int y);
    void Event_Paint(::Graphics& g);

  public:
    void setColor(Color c);

  protected:
    void draw();

  public:
    Color getColor() const;
    void pickColor();

  protected:
    Color integer2Color(std::int32_t value) const;

  public:
    QString getColorAsHexString() const;
    void setColorFromHexString(const QString& text);

  protected:
    bool withinColorBox(int x, int y) const;
    bool withinControl(int x, int y) const;

    // The bands, the frame, the colour box and its outlines, into `g`.
    void drawFace(::Graphics& g, int W, int H, int M) const;

  private:
    bool dimmed() const;
    void startDrag(int x, int y);
};
