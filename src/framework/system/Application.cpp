#include "system/Application.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QObject>
#include <QPixmap>
#include <algorithm>

#include "BuildInfo.h"
#include "system/Runtime.h"
#include "system/Services.h"
// An arrow from system up to ui: the application owns the open windows
// and deletes them, which needs their whole type.
#include "ui/Window.h"

namespace {
std::vector<std::function<void()>>& Releases() {
    static std::vector<std::function<void()>> releases;
    return releases;
}

std::unique_ptr<Application>& Registered() {
    static std::unique_ptr<Application> app;
    return app;
}
} // namespace

class WindowCollector;

static WindowCollector*& Collector() {
    static WindowCollector* collector = nullptr;
    return collector;
}

// Windows closed by the user are deleted on a later turn of the event loop,
// never from inside their own close event, and never while a handler is
// under way: one that yields (OK saving the settings) may have had its
// window closed meanwhile by another (a Cancel pressed during the save),
// and still uses it when it carries on.
class WindowCollector : public QObject {
  public:
    std::vector<Window*> pending;
    void Schedule(Window* w) {
        pending.push_back(w);
        Post();
    }
    void Post() {
        QMetaObject::invokeMethod(this, [this] { Collect(); }, Qt::QueuedConnection);
    }
    void Collect() {
        if (HandlerScope::Any()) {
            if (!mWaiting) {
                mWaiting = true;
                HandlerScope::WhenNoneRuns([] {
                    if (WindowCollector* collector = Collector()) {
                        collector->mWaiting = false;
                        collector->Post();
                    }
                });
            }
            return;
        }
        DeleteAll();
    }
    void DeleteAll() {
        auto doomed = std::move(pending);
        pending.clear();
        for (Window* w : doomed)
            delete w;
    }
    ~WindowCollector() override { DeleteAll(); }

  private:
    bool mWaiting = false;
};

// The largest size given to the windows. Window managers draw a window's
// icon at 16 to 64 pixels (128 on a doubled screen), and every size it has
// is kept by the program and sent to the X server with every window it
// opens: the 256-pixel picture alone is a quarter of a megabyte each time.
// Launchers and docks take the bigger sizes from the icon theme themselves.
constexpr int LargestWindowIcon = 128;

// The icon files installed beside the program, read directly: a copy in any
// prefix finds its own, and the icon theme's lookup, which needs the hicolor
// theme's index, is only the fallback.
static QIcon ApplicationIcon() {
    const QString name = QStringLiteral(QUENDLE_APP_ID ".png");
    const QDir hicolor(QCoreApplication::applicationDirPath() +
                       QStringLiteral("/../share/icons/hicolor"));
    QIcon icon;
    for (const QString& size : hicolor.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        // The theme's folders are named by size, "48x48".
        if (size.section(QLatin1Char('x'), 0, 0).toInt() > LargestWindowIcon)
            continue;
        const QString file = hicolor.filePath(size + QStringLiteral("/apps/") + name);
        // Read as PNG outright: left to guess the format, the reader loads
        // every image plugin to ask it.
        QImageReader reader(file, "png");
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    if (icon.isNull() && QIcon::hasThemeIcon(QStringLiteral(QUENDLE_APP_ID)))
        icon = QIcon::fromTheme(QStringLiteral(QUENDLE_APP_ID));
    return icon;
}

namespace {
// Watches for the first paint; the icon is set once it is on the screen.
// Finding and decoding the icon's sizes takes milliseconds that the first
// frame does not need, and window managers take a window's new icon at any
// time.
class FirstFrameWatch : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            qApp->removeEventFilter(this);
            // Queued: the frame being painted reaches the screen first.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    const QIcon icon = ApplicationIcon();
                    if (!icon.isNull())
                        QApplication::setWindowIcon(icon);
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

void SetIconAfterFirstFrame() {
    qApp->installEventFilter(new FirstFrameWatch(qApp));
}
} // namespace

Application::Application()
    : MajorVersion(QUENDLE_VERSION_MAJOR), MinorVersion(QUENDLE_VERSION_MINOR),
      BugVersion(QUENDLE_VERSION_PATCH), StageCode(QUENDLE_STAGE_CODE),
      NonReleaseVersion(QUENDLE_BUILD_NUMBER) {}

Application::~Application() = default;

Application* Application::Instance() {
    return Registered().get();
}

void Application::Register(std::unique_ptr<Application> app) {
    Registered() = std::move(app);
    if (!Collector())
        Collector() = new WindowCollector;
}

void Application::AtShutdown(std::function<void()> release) {
    Releases().push_back(std::move(release));
}

void Application::Shutdown() {
    Application* app = Instance();
    if (!app)
        return;
    app->SetMouseCursor(MouseCursor::StandardPointer);
    // Closed windows go first: a closed sheet's widgets still hang from its
    // parent window's, which deleting the parent would take with it.
    Collector()->DeleteAll();
    // Releases the windows without raising their Close events, newest first.
    while (!app->mWindows.empty()) {
        Window* w = app->mWindows.back();
        app->mWindows.pop_back();
        delete w;
    }
    delete Collector();
    Collector() = nullptr;
    app->mMenuBar = nullptr;
    auto releases = std::move(Releases());
    Releases().clear();
    for (auto it = releases.rbegin(); it != releases.rend(); ++it)
        (*it)();
    Registered().reset();
}

void Application::SetMouseCursor(MouseCursor cursor) {
    if (cursor == mCursor)
        return;
    mCursor = cursor;
    if (cursor == MouseCursor::FingerPointer)
        QApplication::setOverrideCursor(Qt::PointingHandCursor);
    else
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
}

void Application::WindowOpened(Window* w) {
    mWindows.push_back(w);
}

void Application::WindowGone(Window* w) {
    std::erase(mWindows, w);
    if (Collector())
        std::erase(Collector()->pending, w);
}

void Application::WindowClosed(Window* w) {
    auto it = std::find(mWindows.begin(), mWindows.end(), w);
    if (it == mWindows.end())
        return;
    mWindows.erase(it);
    if (Collector())
        Collector()->Schedule(w);
}

int RunApplication(int argc, char** argv, const std::function<void()>& startup) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendle"));
    QApplication::setDesktopFileName(QStringLiteral(QUENDLE_APP_ID));
    // Wayland takes the icon from the desktop entry named above; X11 window
    // managers and task bars take it from each window.
    SetIconAfterFirstFrame();
    // The main window's Close decides when the application ends.
    QApplication::setQuitOnLastWindowClosed(false);
    Guarded([&] { startup(); });
    const int code = QApplication::exec();
    Application::Shutdown();
    return code;
}
