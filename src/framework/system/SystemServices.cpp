#include "system/SystemServices.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QDrag>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QStandardPaths>
#include <QUrl>
#include <time.h>

#include "system/FontFamilies.h"
#include "system/SystemSound.h"

double SystemServices::Microseconds() {
    // CLOCK_BOOTTIME keeps counting while the machine sleeps, so a count
    // set for ten minutes ends ten minutes later, lid closed or not.
    timespec ts{};
    clock_gettime(CLOCK_BOOTTIME, &ts);
    return static_cast<double>(ts.tv_sec) * 1e6 + static_cast<double>(ts.tv_nsec) / 1e3;
}

void SystemServices::Beep() {
    PlayAlertSound();
}

void SystemServices::ShowURL(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}

void SystemServices::MsgBox(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void SystemServices::UserActivity() {
    if (!mInhibitor)
        mInhibitor = std::make_unique<ActivityInhibitor>();
    mInhibitor->Ping();
}

void SystemServices::Quit(int exitCode) {
    // Queued, so that a Quit before the event loop has started still ends it.
    QMetaObject::invokeMethod(
        qApp, [exitCode] { QCoreApplication::exit(exitCode); }, Qt::QueuedConnection);
}

QString SystemServices::PreferencesFolder() {
    // The XDG rules ignore a relative XDG_CONFIG_HOME, which would make the
    // settings depend on the folder the program was started in; the
    // toolkit here takes it as it stands.
    if (QDir::isRelativePath(qEnvironmentVariable("XDG_CONFIG_HOME", QStringLiteral("/"))))
        return QDir::homePath() + QStringLiteral("/.config");
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString SystemServices::ResourcesFolder() {
    // <exe>/../Resources in the build tree, <prefix>/share/quendle/Resources
    // when installed.
    const QDir exeDir(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {exeDir.filePath(QStringLiteral("../Resources")),
          exeDir.filePath(QStringLiteral("../share/quendle/Resources"))}) {
        const QFileInfo info(candidate);
        if (info.isDir())
            return info.canonicalFilePath();
    }
    return {};
}

bool SystemServices::SelectColor(Color& color, const QString& prompt) {
    const QColor chosen = QColorDialog::getColor(QColor(color.Red, color.Green, color.Blue),
                                                 QApplication::activeWindow(), prompt);
    if (!chosen.isValid())
        return false;
    color = RGB(chosen.red(), chosen.green(), chosen.blue());
    return true;
}

void SystemServices::Drag(QWidget* source, const QRect& rect, const QString& text,
                          const QImage& image) {
    // Owned by the source from here on; the toolkit deletes it after the drop.
    auto* drag = new QDrag(source);
    auto* data = new QMimeData;
    data->setText(text);
    drag->setMimeData(data);
    if (!image.isNull()) {
        drag->setPixmap(QPixmap::fromImage(image.scaled(rect.size())));
        drag->setHotSpot(source->mapFromGlobal(QCursor::pos()) - rect.topLeft());
    }
    drag->exec(Qt::CopyAction);
    // The drag took the button's release for the drop; the press that
    // started it is still owed one.
    const QPoint global = QCursor::pos();
    QMouseEvent release(QEvent::MouseButtonRelease, source->mapFromGlobal(global), global,
                        Qt::LeftButton, Qt::NoButton, QGuiApplication::keyboardModifiers());
    QCoreApplication::sendEvent(source, &release);
}

// Asking the font database builds a new list every time; a caller that
// walks the fonts by index would pay for it once per font.
const QStringList& SystemServices::Families() {
    if (!mWatchingFonts && qGuiApp) {
        QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged,
                         [this] { mFamilies.clear(); });
        mWatchingFonts = true;
    }
    // A system without fonts is asked again each time, which costs nothing.
    if (mFamilies.isEmpty())
        mFamilies = PlainFamilies(QFontDatabase::families());
    return mFamilies;
}

int SystemServices::FontCount() {
    return static_cast<int>(Families().size());
}

QString SystemServices::Font(int index) {
    return Families().value(index);
}
