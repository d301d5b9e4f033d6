#include "ui/Control.h"

#include <QThread>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "ui/DragItem.h"
#include "ui/Window.h"

Control::Control(Window& owner, const QString& name) : mOwner(owner), mName(name) {}

Control::~Control() = default;

namespace {
RefreshBatch* gInnermostBatch = nullptr;
} // namespace

RefreshBatch::RefreshBatch()
    : mOuter(gInnermostBatch), mLoopLevel(QThread::currentThread()->loopLevel()) {
    gInnermostBatch = this;
}

RefreshBatch::~RefreshBatch() {
    // A refresh done here that asks for another has it queued as usual; one
    // that closes a window takes that window's controls off the list (Forget
    // still finds this batch).
    mEnding = true;
    while (!mDeferred.empty()) {
        RectControl* control = mDeferred.front();
        mDeferred.erase(mDeferred.begin());
        control->RefreshNow();
    }
    gInnermostBatch = mOuter;
}

bool RefreshBatch::Defer(RectControl* control) {
    // A modal window's event loop, run from inside the batch, repaints as it
    // goes: it does not wait for the batch.
    RefreshBatch* batch = gInnermostBatch;
    if (!batch || batch->mEnding || batch->mLoopLevel != QThread::currentThread()->loopLevel())
        return false;
    if (std::find(batch->mDeferred.begin(), batch->mDeferred.end(), control) ==
        batch->mDeferred.end())
        batch->mDeferred.push_back(control);
    return true;
}

void RefreshBatch::Forget(RectControl* control) {
    for (RefreshBatch* batch = gInnermostBatch; batch; batch = batch->mOuter)
        std::erase(batch->mDeferred, control);
}

RectControl::RectControl(Window& owner, const QString& name, QWidget* widget)
    : Control(owner, name), mWidget(widget), mWidgetAlive(widget) {
    mWidget->setParent(owner.Content());
    mWidget->setObjectName(name);
    mWidget->show();
}

RectControl::~RectControl() {
    RefreshBatch::Forget(this);
    delete mWidgetAlive.data();
}

int RectControl::Left() const {
    return mWidget->mapTo(Owner().Content(), QPoint(0, 0)).x();
}
int RectControl::Top() const {
    return mWidget->mapTo(Owner().Content(), QPoint(0, 0)).y();
}
int RectControl::Width() const {
    return mWidget->width();
}
int RectControl::Height() const {
    return mWidget->height();
}

void RectControl::SetBounds(int left, int top, int width, int height) {
    mDesign = QRect(left, top, width, height);
    mDesignWindowWidth = Owner().Width();
    mDesignWindowHeight = Owner().Height();
    Place(mDesign, mParent ? QPoint(mParent->Left(), mParent->Top()) : QPoint());
}

// The toolkit places a child in its parent's coordinates; the design gives
// window coordinates, so the parent's place in the window comes off.
void RectControl::SetParent(RectControl* parent) {
    mParent = parent;
    const bool hidden = mWidget->isHidden();
    mWidget->setParent(parent ? parent->Widget() : Owner().Content());
    mWidget->setVisible(!hidden);
    Place(mDesign, parent ? QPoint(parent->Left(), parent->Top()) : QPoint());
}

void RectControl::Place(const QRect& inWindow, const QPoint& parentOrigin) {
    mWidget->setGeometry(inWindow.translated(-parentOrigin));
}

// Each control works out its parent's place itself, so the order in which
// the controls follow a resize does not matter.
void RectControl::ApplyLocks(int windowWidth, int windowHeight) {
    const QRect bounds = LockedBounds(windowWidth, windowHeight);
    Place(bounds, mParent ? mParent->LockedBounds(windowWidth, windowHeight).topLeft() : QPoint());
}

// The locks hold to the edges of the parent: a group box's controls move
// with it, and a locked one follows the box's own change of size.
QRect RectControl::LockedBounds(int windowWidth, int windowHeight) const {
    QRect within(0, 0, mDesignWindowWidth, mDesignWindowHeight);
    QRect now(0, 0, windowWidth, windowHeight);
    if (mParent) {
        within = mParent->mDesign;
        now = mParent->LockedBounds(windowWidth, windowHeight);
    }
    const int dw = now.width() - within.width();
    const int dh = now.height() - within.height();
    int left = mDesign.left() - within.left() + now.left(), width = mDesign.width();
    if (LockRight && LockLeft)
        width += dw;
    else if (LockRight)
        left += dw;
    int top = mDesign.top() - within.top() + now.top(), height = mDesign.height();
    if (LockBottom && LockTop)
        height += dh;
    else if (LockBottom)
        top += dh;
    return QRect(left, top, std::max(0, width), std::max(0, height));
}

bool RectControl::Visible() const {
    return !mWidget->isHidden();
}
void RectControl::SetVisible(bool visible) {
    mWidget->setVisible(visible);
}
bool RectControl::Enabled() const {
    return mWidget->isEnabled();
}
void RectControl::SetEnabled(bool enabled) {
    mWidget->setEnabled(enabled);
}

bool RectControl::Active() const {
    return mWidget->isActiveWindow();
}

std::unique_ptr<DragItem> RectControl::NewDragItem(int left, int top, int width, int height) {
    return std::make_unique<DragItem>(*this, QRect(left, top, width, height));
}

void RectControl::SetAcceptFocus(bool accept) {
    mWidget->setFocusPolicy(accept ? Qt::StrongFocus : Qt::NoFocus);
}

void RectControl::Refresh(bool) {
    mWidget->update();
}
void RectControl::SetFocus() {
    mWidget->setFocus(Qt::OtherFocusReason);
}
bool RectControl::HasFocus() const {
    return mWidget->hasFocus();
}
