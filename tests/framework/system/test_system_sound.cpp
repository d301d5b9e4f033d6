// The count-down beeps from its timer once a second, on the GUI thread: an
// alert sound must hand the playing off and come back, even where there is
// no sound card, no sound server and no display. (How soon is for the
// benchmarks; a beep that never came back would hit the test's time limit.)
#include <QApplication>
#include <QTest>
#include <dlfcn.h>

#include "system/SystemSound.h"

namespace {

void BeepSeveralTimes() {
    // The first call opens the sound driver, the later ones reuse it.
    for (int i = 0; i < 3; ++i)
        PlayAlertSound();
}

} // namespace

class SystemSoundTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void beepsOnTheOffscreenPlatform() { BeepSeveralTimes(); }
};

class SystemSoundWithoutGuiTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void beepsWithoutAGuiApplication() {
        QVERIFY(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr);
        // The sound library is loaded by the first beep, not with the program.
        QVERIFY(!dlopen("libcanberra.so.0", RTLD_NOW | RTLD_NOLOAD));
        BeepSeveralTimes();
        QVERIFY(dlopen("libcanberra.so.0", RTLD_NOW | RTLD_NOLOAD));
    }
};

int main(int argc, char* argv[]) {
    int failures = 0;
    {
        QCoreApplication app(argc, argv);
        SystemSoundWithoutGuiTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        QApplication app(argc, argv);
        SystemSoundTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    return failures;
}

#include "test_system_sound.moc"
