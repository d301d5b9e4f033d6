#include "system/SystemSound.h"

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>

#include <canberra.h>
#include <dlfcn.h>

namespace {

// libcanberra is opened at the first beep, not as the program starts: with
// the codec libraries it brings along it cost start-up time and memory for
// a sound that many runs never make.
struct Canberra {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_play) play = nullptr;
};

template <class Fn> void Find(void* library, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(dlsym(library, name));
}

// Null when the library or one of its calls is missing.
const Canberra* Library() {
    static const Canberra library = [] {
        Canberra found;
        // Never closed: its thread may be playing while the process exits.
        if (void* handle = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL)) {
            Find(handle, "ca_context_create", found.create);
            Find(handle, "ca_context_change_props", found.changeProps);
            Find(handle, "ca_context_play", found.play);
        }
        return found;
    }();
    const bool complete = library.create && library.changeProps && library.play;
    return complete ? &library : nullptr;
}

// Opening the sound driver is the slow part of a sound, so the context is
// made at the first beep and kept. It is never destroyed: a sound may still
// be playing on libcanberra's own thread while the process exits.
ca_context* SoundContext(const Canberra& library) {
    static ca_context* const context = [&library] {
        ca_context* created = nullptr;
        if (library.create(&created) != CA_SUCCESS)
            return static_cast<ca_context*>(nullptr);
        const QByteArray name = QCoreApplication::applicationName().toUtf8();
        library.changeProps(created, CA_PROP_APPLICATION_NAME, name.constData(), nullptr);
        return created;
    }();
    return context;
}

bool PlayThemeBell() {
    const Canberra* library = Library();
    ca_context* context = library ? SoundContext(*library) : nullptr;
    if (context == nullptr)
        return false;
    // The alert repeats every second, so the sound server may keep the
    // decoded sample instead of reading the file again each time.
    return library->play(context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
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
