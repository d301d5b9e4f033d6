#include "FakeServices.h"

#include <QDir>

FakeServices::FakeServices() {
    prefsFolder = tempDir.path() + "/prefs";
    // The build tree's own pictures, unless a test points elsewhere.
    resourcesFolder = QStringLiteral(QUENDLE_BUILD_RESOURCES);
    SetServices(this);
}

FakeServices::~FakeServices() {
    SetServices(nullptr);
}

bool FakeServices::SelectColor(Color& color, const QString& prompt) {
    colorPrompts << prompt;
    if (whilePicking)
        whilePicking();
    if (pickerConfirms)
        color = pickerColor;
    return pickerConfirms;
}

void FakeServices::Drag(QWidget* source, const QRect& rect, const QString& text,
                        const QImage& image) {
    drags << DragRecord{source, rect, text, image};
}
