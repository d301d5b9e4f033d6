#include "ui/DragItem.h"

#include <QImage>
#include <QWidget>

#include "graphics/Picture.h"
#include "system/Services.h"
#include "ui/Control.h"

DragItem::DragItem(RectControl& source, const QRect& bounds) : mSource(&source), mBounds(bounds) {}

DragItem::DragItem(bool textAvailable, const QString& text)
    : mText(text), mTextAvailable(textAvailable) {}

DragItem::~DragItem() = default;

void DragItem::SetText(const QString& text) {
    mText = text;
    mTextAvailable = true;
}

void DragItem::Drag() {
    if (!mSource)
        return;
    // The bounds are in window coordinates; the toolkit wants the source's.
    const QRect local = mBounds.translated(-mSource->Left(), -mSource->Top());
    TheServices().Drag(mSource->Widget(), local, mText,
                       DragPicture ? DragPicture->Composed() : QImage());
}
