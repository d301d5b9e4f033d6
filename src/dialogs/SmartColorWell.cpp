#include "SmartColorWell.h"

#include <algorithm>
#include <cstdlib>

#include "ColorHexText.h"
#include "graphics/Graphics.h"
#include "graphics/Picture.h"
#include "system/Keyboard.h"
#include "system/Services.h"
#include "text/Numbers.h"
#include "ui/DragItem.h"

namespace {

// How far the pressed look darkens the frame and the colour.
constexpr double pressedDarkening = 0.44;
// The pointer must move further than this, on one axis, to start a drag.
constexpr int dragThreshold = 3;
// The size of the dragged swatch, centred on the pointer.
constexpr int dragSize = 12;

Color Grey(double value) {
    return HSV(0, 0, value);
}

// The same hue and saturation, `amount` darker, never below black.
Color Darker(Color c, double amount) {
    return HSV(c.Hue(), c.Saturation(), std::max(0.0, c.HSVValue() - amount));
}

struct Band {
    double top; // fraction of the height
    double grey;
};
constexpr Band bands[] = {{0, 0.87}, {0.2, 0.90}, {0.4, 0.93}, {0.6, 0.96}, {0.8, 1.0}};

} // namespace

SmartColorWell::SmartColorWell(Window& owner, const QString& name) : Canvas(owner, name) {
    Canvas::DropObject = [this](DragItem& obj, int action) { Event_DropObject(obj, action); };
    Canvas::MouseUp = [this](int x, int y) { Event_MouseUp(x, y); };
    Canvas::MouseDrag = [this](int x, int y) { Event_MouseDrag(x, y); };
    Canvas::Open = [this] { Event_Open(); };
    Canvas::MouseDown = [this](int x, int y) { return Event_MouseDown(x, y); };
    Canvas::Paint = [this](::Graphics& g) { Event_Paint(g); };
}

void SmartColorWell::Event_DropObject(DragItem& obj, int) {
    if (obj.TextAvailable())
        setColorFromHexString(obj.Text());
}

void SmartColorWell::Event_MouseUp(int x, int y) {
    mouseDownAndWithin = false;
    draw();
    // The release point decides: a press that wandered off and came back
    // still picks, and no drag may end in the picker.
    if (!draggedColorBox && withinControl(x, y))
        pickColor();
    if (MouseUp)
        MouseUp(x, y);
}

void SmartColorWell::Event_MouseDrag(int x, int y) {
    if (mouseDownWithinColorBox) {
        if (draggedColorBox)
            return;
        if (std::abs(mouseDownX - x) > dragThreshold || std::abs(mouseDownY - y) > dragThreshold) {
            mouseDownAndWithin = false;
            draw();
            draggedColorBox = true;
            startDrag(x, y);
        }
        return;
    }
    const bool within = withinControl(x, y);
    if (within != mouseDownAndWithin) {
        mouseDownAndWithin = within;
        draw();
    }
}

void SmartColorWell::Event_Open() {
    if (Margin == 0)
        Margin = Height() < 20 ? 2 : 5;
    Margin = std::max(0, Margin);
    PickerPromptText = QStringLiteral("Pick a color:");
    AcceptTextDrop();
    if (Open)
        Open();
}

bool SmartColorWell::Event_MouseDown(int x, int y) {
    mouseDownX = x;
    mouseDownY = y;
    draggedColorBox = false;
    mouseDownAndWithin = true;
    draw();
    // Ctrl and Alt are read now, not from the press: a key let go since
    // the press counts as up.
    mouseDownWithinColorBox =
        withinColorBox(x, y) &&
        (EnableColorDrag || Keyboard::AsyncCommandKey() || Keyboard::AsyncOptionKey());
    if (MouseDown)
        MouseDown(x, y);
    return true;
}

void SmartColorWell::Event_Paint(::Graphics& g) {
    draw();
    if (Paint)
        Paint(g);
}

void SmartColorWell::setColor(Color c) {
    if (c == ColorSelected)
        return;
    ColorSelected = c;
    lastColorAsHexString = QStringLiteral("?");
    draw();
    if (ColorChange)
        ColorChange(c);
}

bool SmartColorWell::dimmed() const {
    if (pickingColor)
        return false;
    return !Enabled() || !Active() || (Parent() && !Parent()->Enabled());
}

void SmartColorWell::draw() {
    const int W = Width();
    const int H = Height();
    const int M = Margin;
    // A fresh picture each time: nothing of an earlier look can linger.
    auto picture = NewPicture(W, H, 32);
    drawFace(picture->Graphics(), W, H, M);
    if (dimmed()) {
        // Grey in the mask lets about half of the background through.
        ::Graphics& mask = picture->Mask()->Graphics();
        mask.SetForeColor(RGB(128, 128, 128));
        mask.FillRect(0, 0, W, H);
        if (Active() && !AlsoDimColor) {
            mask.SetForeColor(RGB(0, 0, 0));
            mask.FillRect(M, M, W - 2 * M, H - 2 * M);
        }
    }
    ::Graphics& g = Graphics();
    g.ClearRect(0, 0, W, H);
    g.DrawPicture(picture.get(), 0, 0);
}

void SmartColorWell::drawFace(::Graphics& g, int W, int H, int M) const {
    const double d = mouseDownAndWithin ? pressedDarkening : 0.0;
    const int bandHeight = ToInt32(0.4 * H);
    for (const Band& band : bands) {
        g.SetForeColor(Grey(band.grey - d));
        g.FillRect(0, ToInt32(band.top * H), W, bandHeight);
    }

    g.SetForeColor(Grey(0.5 - d / 2));
    g.DrawRect(0, 0, W, H);
    g.SetForeColor(Grey(0.85 - d));
    g.DrawRect(1, 1, W - 2, H - 2);
    g.SetForeColor(Grey(0.99 - d));
    g.DrawLine(1, 1, W - 2, 1);
    g.SetForeColor(Grey(0.93 - d));
    g.DrawLine(2, 2, W - 3, 2);
    g.SetForeColor(Grey(0.95 - d));
    g.DrawLine(2, H - 2, W - 3, H - 2);

    Color c = ColorSelected;
    if (mouseDownAndWithin)
        c = Darker(c, pressedDarkening);
    g.SetForeColor(c);
    g.FillRect(M, M, W - 2 * M, H - 2 * M);
    // The inner outline's bottom row lies under the outer outline's.
    const Color c1 = Darker(c, 0.1);
    g.SetForeColor(c1);
    g.DrawRect(M + 1, M + 1, W - 2 * M - 2, H - 2 * M - 1);
    g.SetForeColor(Darker(c1, 0.1));
    g.DrawRect(M, M, W - 2 * M, H - 2 * M);
}

Color SmartColorWell::getColor() const {
    return ColorSelected;
}

void SmartColorWell::pickColor() {
    Color c = ColorSelected;
    pickingColor = true;
    draw();
    const bool confirmed = TheServices().SelectColor(c, PickerPromptText);
    pickingColor = false;
    ColorSelected = c;
    if (confirmed) {
        lastColorAsHexString = QStringLiteral("?");
        // Even an unchanged colour: the user chose it.
        if (ColorChange)
            ColorChange(c);
    }
    draw();
}

Color SmartColorWell::integer2Color(std::int32_t value) const {
    return ColorOfValue(value);
}

QString SmartColorWell::getColorAsHexString() const {
    return ColorHexText(ColorSelected);
}

void SmartColorWell::setColorFromHexString(const QString& text) {
    if (text == lastColorAsHexString)
        return;
    lastColorAsHexString = text;
    const Color before = ColorSelected;
    ColorSelected = integer2Color(ColorHexTextValue(text));
    if (ColorSelected != before) {
        draw();
        if (ColorChange)
            ColorChange(ColorSelected);
    }
}

bool SmartColorWell::withinColorBox(int x, int y) const {
    const int W = Width(), H = Height(), M = Margin;
    return M <= x && x <= W - M && M <= y && y <= H - M;
}

bool SmartColorWell::withinControl(int x, int y) const {
    return 0 <= x && x < Width() && 0 <= y && y < Height();
}

void SmartColorWell::startDrag(int x, int y) {
    auto item =
        NewDragItem(Left() + x - dragSize / 2, Top() + y - dragSize / 2, dragSize, dragSize);
    item->SetText(getColorAsHexString());
    // The pointer carries a swatch of the colour.
    auto swatch = NewPicture(dragSize, dragSize, 32);
    ::Graphics& g = swatch->Graphics();
    g.SetForeColor(ColorSelected);
    g.FillRect(0, 0, dragSize, dragSize);
    g.SetForeColor(Darker(ColorSelected, 0.2));
    g.DrawRect(0, 0, dragSize, dragSize);
    item->DragPicture = swatch.get();
    item->Drag();
}
