#include "Canvas.h"

#include <QMouseEvent>
#include <QPainter>

#include "CanvasWidget.h"
#include "ImageGraphics.h"
#include "PainterGraphics.h"
#include "Runtime.h"

Canvas::Canvas(Window& owner, const QString& name)
    : RectControl(owner, name, new CanvasWidget), mWidget(static_cast<CanvasWidget*>(Widget())) {
    mWidget->SetOwner(this);
}

Canvas::~Canvas() = default;

void Canvas::FitSurface() {
    const qreal ratio = mWidget->devicePixelRatioF();
    const QSize size = mWidget->size() * ratio;
    if (mSurface.size() == size)
        return;
    QImage surface(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    surface.setDevicePixelRatio(ratio);
    surface.fill(Qt::transparent);
    if (!mSurface.isNull()) {
        QPainter painter(&surface);
        painter.drawImage(0, 0, mSurface);
    }
    mSurface = surface;
}

Graphics& Canvas::Graphics() {
    FitSurface();
    if (!mSurfaceGraphics)
        mSurfaceGraphics = std::make_unique<ImageGraphics>(mSurface);
    mWidget->update();
    return *mSurfaceGraphics;
}

CanvasWidget::CanvasWidget() {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    if (!mOwner || !mOwner->Paint)
        return;
    PaintScope scope;
    if (!mOwner->mSurfaceGraphics) {
        QPainter painter(this);
        PainterGraphics g(painter, width(), height());
        Guarded([&] { mOwner->Paint(g); });
        return;
    }
    // Drawn into the retained surface, which then shows over the window's
    // background where it was cleared.
    mOwner->FitSurface();
    {
        QPainter painter(&mOwner->mSurface);
        PainterGraphics g(painter, width(), height());
        Guarded([&] { mOwner->Paint(g); });
    }
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(0, 0, mOwner->mSurface);
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
