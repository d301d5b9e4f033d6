// The five windows' designs as the toolkit holds them once each is open:
// sheet or window, whether the user can resize it and within which sizes,
// and the title bar's buttons.
#include <QtTest>

#include "AboutWindow.h"
#include "ProgramUnderTest.h"
#include "winHelp.h"
#include "winMain.h"
#include "winPrefs.h"
#include "winSet.h"

namespace {

// The design as one line. Sizes are the content's: the menu bar that sits
// inside a window is not counted.
QString designOf(const Window& window) {
    const QWidget* host = window.Host();
    QStringList parts{host->windowModality() == Qt::WindowModal ? "sheet" : "window"};
    if (host->minimumSize() == host->maximumSize()) {
        parts << "fixed";
    } else {
        const int bar = host->height() - window.Height();
        parts << QString("resizable %1x%2 to %3x%4")
                     .arg(host->minimumWidth())
                     .arg(host->minimumHeight() - bar)
                     .arg(host->maximumWidth())
                     .arg(host->maximumHeight());
    }
    const Qt::WindowFlags flags = host->windowFlags();
    if (flags & Qt::WindowCloseButtonHint)
        parts << "close";
    if (flags & Qt::WindowMinimizeButtonHint)
        parts << "minimize";
    if (flags & Qt::WindowMaximizeButtonHint)
        parts << "maximize";
    return parts.join(' ');
}

} // namespace

class WindowDesignsTest : public QObject {
    Q_OBJECT

  private slots:
    void eachWindowOpensAsDesigned() {
        ProgramUnderTest program;
        winMain& w = program.Main();
        w.HelpHelp_Action();
        w.HelpAbout_Action();
        w.TimerSet_Action();
        const QString sheet = designOf(Implicit<winSet>());
        Implicit<winSet>().Close();
        w.FilePreferences_Action();

        QCOMPARE(designOf(w), QString("window resizable 450x100 to 32000x32000 close minimize "
                                      "maximize"));
        QCOMPARE(sheet, QString("sheet resizable 64x64 to 32000x32000 close minimize"));
        QCOMPARE(designOf(Implicit<winPrefs>()), QString("sheet fixed"));
        QCOMPARE(designOf(Implicit<winHelp>()),
                 QString("window resizable 64x64 to 32000x32000 close minimize"));
        QCOMPARE(designOf(Implicit<AboutWindow>()), QString("window fixed close"));
    }
};

QTEST_MAIN(WindowDesignsTest)
#include "test_window_designs.moc"
