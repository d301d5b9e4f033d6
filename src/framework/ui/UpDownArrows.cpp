#include "ui/UpDownArrows.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

#include "system/Runtime.h"

namespace {

QToolButton* makeArrow(QWidget* parent, Qt::ArrowType type, const QString& name) {
    auto* arrow = new QToolButton(parent);
    arrow->setObjectName(name);
    arrow->setArrowType(type);
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return arrow;
}

} // namespace

UpDownArrows::UpDownArrows(Window& owner, const QString& name)
    : RectControl(owner, name, new QWidget) {
    QWidget* box = Widget();
    box->setFocusPolicy(Qt::NoFocus);
    QToolButton* up = makeArrow(box, Qt::UpArrow, QStringLiteral("up"));
    QToolButton* down = makeArrow(box, Qt::DownArrow, QStringLiteral("down"));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up);
    layout->addWidget(down);
    QObject::connect(up, &QToolButton::clicked, [this] {
        if (Up)
            Guarded([this] { Up(); });
    });
    QObject::connect(down, &QToolButton::clicked, [this] {
        if (Down)
            Guarded([this] { Down(); });
    });
}
