#include "ui/Canvas.h"

#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>
#include <cstring>

#include "ui/CanvasWidget.h"
#include "ui/DragItem.h"
#include "graphics/ImageGraphics.h"
#include "graphics/PainterGraphics.h"
#include "system/Runtime.h"

Canvas::Canvas(Window& owner, const QString& name)
    : RectControl(owner, name, new CanvasWidget), mWidget(static_cast<CanvasWidget*>(Widget())) {
    mWidget->SetOwner(this);
}

Canvas::~Canvas() {
    // The widget outlives the canvas by a moment (its control deletes it)
    // and may still get events then.
    if (Widget())
        mWidget->SetOwner(nullptr);
}

void Canvas::FitSurface() {
    const qreal ratio = mWidget->devicePixelRatioF();
    const QSize size = (mWidget->size() * ratio).expandedTo(QSize(1, 1));
    if (mSurface.size() == size && mSurface.devicePixelRatio() == ratio)
        return;
    QImage surface(size, QImage::Format_ARGB32_Premultiplied);
    surface.setDevicePixelRatio(ratio);
    surface.fill(Qt::transparent);
    if (!mSurface.isNull()) {
        QPainter painter(&surface);
        painter.drawImage(0, 0, mSurface);
    }
    mSurface = surface;
    mShown = QImage();
    mStale = true;
}

void Canvas::AcceptTextDrop() { mWidget->setAcceptDrops(true); }

void Canvas::RaiseOpen() {
    if (Open)
        Guarded([&] { Open(); });
}

Graphics& Canvas::Graphics() {
    if (mPaintGraphics)
        return *mPaintGraphics;
    FitSurface();
    if (!mSurfaceGraphics)
        mSurfaceGraphics = std::make_unique<ImageGraphics>(mSurface);
    // Whatever is drawn now shows whole at the next turn of the event loop.
    mShown = QImage();
    mWidget->update();
    return *mSurfaceGraphics;
}

void Canvas::Refresh(bool) {
    if (mRenderQueued)
        return;
    mRenderQueued = true;
    QMetaObject::invokeMethod(mWidget, [this] { Render(); }, Qt::QueuedConnection);
}

QRect Canvas::RenderSurface() {
    FitSurface();
    if (Paint) {
        PaintScope scope;
        QPainter painter(&mSurface);
        PainterGraphics g(painter, mWidget->width(), mWidget->height());
        mPaintGraphics = &g;
        Guarded([&] { Paint(g); });
        mPaintGraphics = nullptr;
        ++mPaints;
    }
    mStale = false;
    return ChangedRows();
}

void Canvas::Render() {
    mRenderQueued = false;
    // A window that is not on the screen paints when it comes back.
    const QWidget* top = mWidget->window();
    if (!mWidget->isVisible() || !top->windowHandle() || !top->windowHandle()->isExposed()) {
        mStale = true;
        return;
    }
    const QRect changed = RenderSurface();
    if (changed.isEmpty())
        return;
    ++mChangedPaints;
    const qreal ratio = mSurface.devicePixelRatio();
    mWidget->update(QRectF(QPointF(changed.topLeft()) / ratio, QSizeF(changed.size()) / ratio)
                        .toAlignedRect());
}

QRect Canvas::ChangedRows() {
    if (mShown.size() != mSurface.size()) {
        mShown = mSurface.copy();
        return mSurface.rect();
    }
    const auto bytes = static_cast<size_t>(mSurface.bytesPerLine());
    int first = -1, last = -1;
    for (int y = 0; y < mSurface.height(); ++y) {
        const uchar* now = mSurface.constScanLine(y);
        if (std::memcmp(now, mShown.constScanLine(y), bytes) != 0) {
            std::memcpy(mShown.scanLine(y), now, bytes);
            if (first < 0)
                first = y;
            last = y;
        }
    }
    if (first < 0)
        return {};
    return QRect(0, first, mSurface.width(), last - first + 1);
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
    mOwner->FitSurface();
    if (mOwner->mStale)
        mOwner->RenderSurface();
    // What Paint left transparent (ClearRect) shows the window's background.
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, palette().window());
    const qreal ratio = mOwner->mSurface.devicePixelRatio();
    painter.drawImage(area, mOwner->mSurface,
                      QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
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

void CanvasWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
}

void CanvasWidget::dropEvent(QDropEvent* event) {
    if (!mOwner || !mOwner->DropObject)
        return;
    const QMimeData* data = event->mimeData();
    DragItem item(data->hasText(), data->text());
    event->acceptProposedAction();
    Guarded([&] { mOwner->DropObject(item, static_cast<int>(event->dropAction())); });
}
