#include "ui/Canvas.h"

#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include "graphics/CallLog.h"
#include "graphics/DisplayList.h"
#include "graphics/DisplayListGraphics.h"
#include "system/Runtime.h"
#include "ui/CanvasWidget.h"
#include "ui/DragItem.h"

Canvas::Canvas(Window& owner, const QString& name)
    : RectControl(owner, name, new CanvasWidget), mWidget(static_cast<CanvasWidget*>(Widget())),
      mShown(std::make_unique<DisplayList>()), mLog(std::make_unique<CallLog>()),
      mSpareLog(std::make_unique<CallLog>()) {
    mWidget->SetOwner(this);
}

Canvas::~Canvas() {
    // The widget outlives the canvas by a moment (its control deletes it)
    // and may still get events then.
    if (Widget())
        mWidget->SetOwner(nullptr);
}

bool Canvas::Outgrown() const {
    return mShownSize != mWidget->size() || mShownScale != mWidget->devicePixelRatioF();
}

QRect Canvas::Logical(const QRect& device) const {
    const qreal scale = mWidget->devicePixelRatioF();
    return QRectF(QPointF(device.topLeft()) / scale, QSizeF(device.size()) / scale).toAlignedRect();
}

void Canvas::AcceptTextDrop() {
    mWidget->setAcceptDrops(true);
}

void Canvas::RaiseOpen() {
    if (Open)
        Guarded([&] { Open(); });
}

Graphics& Canvas::Graphics() {
    if (mPaintGraphics)
        return *mPaintGraphics;
    const qreal scale = mWidget->devicePixelRatioF();
    if (!mOutside) {
        mOutside = std::make_unique<DisplayListGraphics>(*mShown, mWidget->width(),
                                                         mWidget->height(), scale);
        mOutside->Drawn = [this](const QRect& device) {
            // What is shown is no longer the last Paint alone.
            mLog->calls.clear();
            mWidget->update(Logical(device));
        };
    }
    mOutside->Resize(mWidget->width(), mWidget->height(), scale);
    return *mOutside;
}

void Canvas::Refresh(bool) {
    if (mRenderQueued || RefreshBatch::Defer(this))
        return;
    mRenderQueued = true;
    QMetaObject::invokeMethod(mWidget, [this] { Render(); }, Qt::QueuedConnection);
}

bool Canvas::Record(DisplayList* before, bool whole) {
    mShownSize = mWidget->size();
    mShownScale = mWidget->devicePixelRatioF();
    mStale = false;
    // Without a Paint, what was drawn from outside stays.
    if (!Paint)
        return false;
    if (whole)
        mLog->calls.clear();
    DisplayList list;
    // The spare log keeps the room its calls took last time.
    CallLogGraphics g(*mLog, *mSpareLog, list, mShownSize.width(), mShownSize.height(),
                      mShownScale);
    {
        PaintScope scope;
        mPaintGraphics = &g;
        Guarded([&] { Paint(g); });
        mPaintGraphics = nullptr;
    }
    const bool repeated = g.Finish();
    std::swap(mLog, mSpareLog);
    if (repeated)
        return false;
    if (before)
        *before = std::move(*mShown);
    *mShown = std::move(list);
    return true;
}

void Canvas::Render() {
    mRenderQueued = false;
    // A window that is not on the screen paints when it comes back.
    const QWidget* top = mWidget->window();
    if (!mWidget->isVisible() || !top->windowHandle() || !top->windowHandle()->isExposed()) {
        mStale = true;
        return;
    }
    if (mStale || Outgrown()) {
        Record(nullptr, true);
        mWidget->update();
        return;
    }
    DisplayList before;
    if (!Record(&before))
        return;
    const QRegion changed = mShown->Difference(before);
    if (changed.isEmpty())
        return;
    // One rectangle: the parts that change together (a digit, its shadow,
    // the digit beside it) lie close, and each rectangle of a region costs
    // the window system a request of its own.
    // Painted now, not on a later turn of the event loop: a queued update
    // would wake the program once more for it.
    mWidget->repaint(Logical(changed.boundingRect()));
}

CanvasWidget::CanvasWidget() {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    if (!mOwner)
        return;
    // A new size, or a window coming back on the screen: paint first.
    if (mOwner->mStale || mOwner->Outgrown())
        mOwner->Record(nullptr, true);
    const qreal scale = devicePixelRatioF();
    QRegion device;
    for (const QRect& rect : event->region())
        device +=
            QRectF(QPointF(rect.topLeft()) * scale, QSizeF(rect.size()) * scale).toAlignedRect();
    QPainter painter(this);
    // What Paint did not draw on, or cleared, shows the window's background.
    mOwner->mShown->Replay(painter, device, scale, palette().window().color().rgb());
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !mOwner || !mOwner->MouseDown) {
        event->ignore();
        return;
    }
    const QPoint p = event->position().toPoint();
    mTracking = Guarded([&] { return mOwner->MouseDown(p.x(), p.y()); });
    event->accept();
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (mTracking && (event->buttons() & Qt::LeftButton)) {
        if (mOwner && mOwner->MouseDrag)
            Guarded([&] { mOwner->MouseDrag(p.x(), p.y()); });
    } else if (mOwner && mOwner->MouseMove) {
        Guarded([&] { mOwner->MouseMove(p.x(), p.y()); });
    }
    event->accept();
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (mTracking && event->button() == Qt::LeftButton) {
        mTracking = false;
        const QPoint p = event->position().toPoint();
        if (mOwner && mOwner->MouseUp)
            Guarded([&] { mOwner->MouseUp(p.x(), p.y()); });
    }
    event->accept();
}

void CanvasWidget::leaveEvent(QEvent*) {
    if (mOwner && mOwner->MouseExit)
        Guarded([&] { mOwner->MouseExit(); });
}

bool CanvasWidget::event(QEvent* event) {
    // A canvas may look different in an inactive window or when disabled
    // (the colour well dims): it gets a Paint to show it. The toolkit hands
    // a window's (de)activation on to every widget in it.
    switch (event->type()) {
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::EnabledChange:
        if (mOwner)
            mOwner->Refresh(false);
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

// A canvas only reads what is dropped on it: the drop is a copy, whatever
// the source proposes. Accepted as a move, it would have a text editor
// delete the text that was dragged out of it.
static bool AcceptAsCopy(QDropEvent* event) {
    if (!event->mimeData()->hasText() || !(event->possibleActions() & Qt::CopyAction))
        return false;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

void CanvasWidget::dragEnterEvent(QDragEnterEvent* event) {
    AcceptAsCopy(event);
}

void CanvasWidget::dragMoveEvent(QDragMoveEvent* event) {
    AcceptAsCopy(event);
}

void CanvasWidget::dropEvent(QDropEvent* event) {
    if (!mOwner || !mOwner->DropObject || !AcceptAsCopy(event))
        return;
    const QMimeData* data = event->mimeData();
    DragItem item(data->hasText(), data->text());
    Guarded([&] { mOwner->DropObject(item, static_cast<int>(event->dropAction())); });
}
