#include "ui/Control.h"

#include <QWidget>

#include "ui/DragItem.h"
#include "ui/Window.h"

Control::Control(Window& owner, const QString& name) : mOwner(owner), mName(name) {}

Control::~Control() = default;

RectControl::RectControl(Window& owner, const QString& name, QWidget* widget)
    : Control(owner, name), mWidget(widget) {
    mWidget->setParent(owner.Content());
    mWidget->setObjectName(name);
    mWidget->show();
}

RectControl::~RectControl() { delete mWidget; }

int RectControl::Left() const { return mWidget->x(); }
int RectControl::Top() const { return mWidget->y(); }
int RectControl::Width() const { return mWidget->width(); }
int RectControl::Height() const { return mWidget->height(); }

void RectControl::SetBounds(int left, int top, int width, int height) {
    mDesign = QRect(left, top, width, height);
    mDesignWindowWidth = Owner().Width();
    mDesignWindowHeight = Owner().Height();
    mWidget->setGeometry(mDesign);
}

void RectControl::ApplyLocks(int windowWidth, int windowHeight) {
    const int dw = windowWidth - mDesignWindowWidth;
    const int dh = windowHeight - mDesignWindowHeight;
    int left = mDesign.left(), width = mDesign.width();
    if (LockRight && LockLeft)
        width += dw;
    else if (LockRight)
        left += dw;
    int top = mDesign.top(), height = mDesign.height();
    if (LockBottom && LockTop)
        height += dh;
    else if (LockBottom)
        top += dh;
    mWidget->setGeometry(left, top, std::max(0, width), std::max(0, height));
}

bool RectControl::Visible() const { return !mWidget->isHidden(); }
void RectControl::SetVisible(bool visible) { mWidget->setVisible(visible); }
bool RectControl::Enabled() const { return mWidget->isEnabled(); }
void RectControl::SetEnabled(bool enabled) { mWidget->setEnabled(enabled); }

bool RectControl::Active() const { return mWidget->isActiveWindow(); }

std::unique_ptr<DragItem> RectControl::NewDragItem(int left, int top, int width, int height) {
    return std::make_unique<DragItem>(*this, QRect(left, top, width, height));
}

void RectControl::SetAcceptFocus(bool accept) {
    mWidget->setFocusPolicy(accept ? Qt::StrongFocus : Qt::NoFocus);
}

void RectControl::Refresh(bool) { mWidget->update(); }
void RectControl::SetFocus() { mWidget->setFocus(Qt::OtherFocusReason); }
bool RectControl::HasFocus() const { return mWidget->hasFocus(); }
