// The count-down beeps from its timer once a second, on the GUI thread: an
// alert sound must hand the playing off and come back at once, even where
// there is no sound card, no sound server and no display.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <dlfcn.h>

#include "system/SystemSound.h"

namespace {

// Far above what handing a sound to libcanberra costs, far below a beep
// period, so a stalled driver would show.
constexpr qint64 PromptMs = 300;

void BeepSeveralTimesPromptly() {
    // The first call opens the sound driver, the later ones reuse it.
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer clock;
        clock.start();
        PlayAlertSound();
        QVERIFY2(clock.elapsed() < PromptMs,
                 qPrintable(QStringLiteral("beep %1 took %2 ms").arg(i).arg(clock.elapsed())));
    }
}

} // namespace

class SystemSoundTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void returnsPromptlyOnTheOffscreenPlatform() { BeepSeveralTimesPromptly(); }
};

class SystemSoundWithoutGuiTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void returnsPromptlyWithoutAGuiApplication() {
        QVERIFY(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr);
        // The sound library is loaded by the first beep, not with the program.
        QVERIFY(!dlopen("libcanberra.so.0", RTLD_NOW | RTLD_NOLOAD));
        BeepSeveralTimesPromptly();
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
