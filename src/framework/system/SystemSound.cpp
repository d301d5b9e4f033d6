#include "system/SystemSound.h"

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>

#include <canberra.h>

namespace {

// Opening the sound driver is the slow part of a sound, so the context is
// made at the first beep and kept. It is never destroyed: a sound may still
// be playing on libcanberra's own thread while the process exits.
ca_context* SoundContext() {
    static ca_context* const context = [] {
        ca_context* created = nullptr;
        if (ca_context_create(&created) != CA_SUCCESS)
            return static_cast<ca_context*>(nullptr);
        const QByteArray name = QCoreApplication::applicationName().toUtf8();
        ca_context_change_props(created, CA_PROP_APPLICATION_NAME, name.constData(), nullptr);
        return created;
    }();
    return context;
}

bool PlayThemeBell() {
    ca_context* context = SoundContext();
    if (context == nullptr)
        return false;
    // The alert repeats every second, so the sound server may keep the
    // decoded sample instead of reading the file again each time.
    return ca_context_play(context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                           "Count-down finished", CA_PROP_CANBERRA_CACHE_CONTROL, "permanent",
                           nullptr) == CA_SUCCESS;
}

} // namespace

void PlayAlertSound() {
    if (PlayThemeBell())
        return;
    // Without a sound driver the X bell is what is left; it is silent under
    // many window managers and on Wayland, which is why it comes second.
    // QApplication::beep needs the platform, which a GUI-less process lacks
    // (qGuiApp only casts, so it is no test for that).
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
        QApplication::beep();
}
