#pragma once

#include <QRect>
#include <QString>
#include <memory>

class Picture;
class RectControl;

// One thing being dragged: out of a control (made with the control's
// NewDragItem, then Drag), or into one (handed to its DropObject). Only
// text travels; it goes as the plain-text type, so any program that takes
// text can take it, and any text from another program arrives here.
class DragItem {
  public:
    // An item to drag out of `source`; `bounds` is in its window's coordinates.
    DragItem(RectControl& source, const QRect& bounds);
    // An item that arrived, with its text or without any.
    DragItem(bool textAvailable, const QString& text);
    ~DragItem();
    DragItem(const DragItem&) = delete;
    DragItem& operator=(const DragItem&) = delete;

    QString Text() const { return mText; }
    void SetText(const QString& text);
    bool TextAvailable() const { return mTextAvailable; }
    // What the pointer carries while the drag lasts, shown at the item's
    // bounds; nothing when there is none. Not owned.
    Picture* DragPicture = nullptr;

    // Starts the drag and returns when it has ended, dropped or not.
    void Drag();

  private:
    RectControl* mSource = nullptr;
    QRect mBounds;
    QString mText;
    bool mTextAvailable = false;
};
