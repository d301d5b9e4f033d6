#pragma once

#include <QWidget>

class Canvas;

class CanvasWidget : public QWidget {
  public:
    CanvasWidget();
    void SetOwner(Canvas* owner) { mOwner = owner; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    Canvas* mOwner = nullptr;
    bool mTracking = false; // a press was taken: drags and the release follow
};
