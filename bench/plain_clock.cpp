// The comparison for the whole-program display benchmark: the plainest way
// to show a count-down with the toolkit as it comes. A widget counts an
// hour down, asks for a repaint every 250 ms, and each paint searches the
// largest font size at which "00:00:00" fits nine tenths of the width and
// the height, then draws the digits centred with drawText. Ctrl+F toggles
// full screen, as in the program it is compared with.
#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class PlainClock : public QWidget {
  public:
    PlainClock() {
        setWindowTitle(QStringLiteral("Plain clock"));
        resize(450, 150);
        mClock.start();
        connect(&mTimer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
        mTimer.start(250);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const qint64 left = std::max<qint64>(0, 3600 - mClock.elapsed() / 1000);
        const QString text = QStringLiteral("%1:%2:%3")
                                 .arg(left / 3600, 2, 10, QLatin1Char('0'))
                                 .arg(left / 60 % 60, 2, 10, QLatin1Char('0'))
                                 .arg(left % 60, 2, 10, QLatin1Char('0'));
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x9F, 0x9F, 0x9F));
        QFont font = painter.font();
        font.setPixelSize(FittingSize(font));
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(rect(), Qt::AlignCenter, text);
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Find) ||
            (event->key() == Qt::Key_F && event->modifiers() & Qt::ControlModifier))
            setWindowState(windowState() ^ Qt::WindowFullScreen);
    }

  private:
    // The largest pixel size at which the template fits, by bisection.
    int FittingSize(QFont font) const {
        const QString sample = QStringLiteral("00:00:00");
        const int widthLimit = width() * 9 / 10;
        int low = 8, high = std::max(9, height() * 2);
        while (high - low > 1) {
            const int mid = (low + high) / 2;
            font.setPixelSize(mid);
            const QFontMetrics metrics(font);
            if (metrics.horizontalAdvance(sample) <= widthLimit && metrics.height() <= height())
                low = mid;
            else
                high = mid;
        }
        return low;
    }

    QTimer mTimer;
    QElapsedTimer mClock;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PlainClock clock;
    clock.show();
    return app.exec();
}
