// Draws Quendle's ten pictures and writes them as BMP files into the folder
// named on the command line, and the application icon for the desktop's icon
// theme as PNG files into its icons/ folder. The files are committed, so this
// runs only when the artwork changes: cmake --build <dir> --target artwork

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QtMath>

#include <functional>

namespace {

// Every picture is painted this many times larger and averaged down, so each
// pixel's coverage is exact and the masks get smooth, true edges.
constexpr int kSupersample = 8;

// What an opaque-less pixel of a picture holds. Only a missing mask shows it,
// so it is the background the picture is most likely drawn on.
const QColor kDisplayGrey(0x9F, 0x9F, 0x9F);
const QColor kWindowGrey(0xEF, 0xEF, 0xEF);

struct Artwork {
    QImage picture;
    QImage mask;
};

using PaintFunction = std::function<void(QPainter&)>;

// Paints with `paint` (in the picture's own pixel coordinates) and splits the
// result into a picture and a mask. The picture holds each edge pixel's own
// colour, not a blend with some background, so the mask alone decides how
// much of it shows, whatever the picture is drawn on.
Artwork render(QSize size, const QColor& matte, const PaintFunction& paint) {
    QImage large(size * kSupersample, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    {
        QPainter painter(&large);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(kSupersample, kSupersample);
        paint(painter);
    }

    Artwork art{QImage(size, QImage::Format_RGB32), QImage(size, QImage::Format_RGB32)};
    constexpr int samples = kSupersample * kSupersample;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            long red = 0, green = 0, blue = 0, alpha = 0;
            for (int sy = 0; sy < kSupersample; ++sy) {
                const auto* row =
                    reinterpret_cast<const QRgb*>(large.constScanLine(y * kSupersample + sy));
                for (int sx = 0; sx < kSupersample; ++sx) {
                    const QRgb px = row[x * kSupersample + sx];
                    red += qRed(px);
                    green += qGreen(px);
                    blue += qBlue(px);
                    alpha += qAlpha(px);
                }
            }
            const int coverage = int((alpha + samples / 2) / samples);
            art.mask.setPixel(x, y, qRgb(255 - coverage, 255 - coverage, 255 - coverage));
            if (alpha == 0) {
                art.picture.setPixel(x, y, matte.rgb());
                continue;
            }
            // Premultiplied sums divided by the alpha sum: the average colour
            // of the covered samples, weighted by how much each one covers.
            const auto straight = [alpha](long sum) {
                return qBound(0, int((sum * 255 + alpha / 2) / alpha), 255);
            };
            art.picture.setPixel(x, y, qRgb(straight(red), straight(green), straight(blue)));
        }
    }
    return art;
}

// The state icons share one shape: a round button in the state's colour with
// a white symbol, so the symbol stands out on any background colour the user
// picks and the disc stands out from the digits.
void paintStateButton(QPainter& painter, const QColor& colour, const QPainterPath& symbol) {
    const QPointF centre(8.5, 8.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour.darker(180));
    painter.drawEllipse(centre, 8.5, 8.5);

    QLinearGradient face(0, 1, 0, 16);
    face.setColorAt(0, colour.lighter(125));
    face.setColorAt(1, colour.darker(111));
    painter.setBrush(face);
    painter.drawEllipse(centre, 7.5, 7.5);

    // A faint shadow under the symbol lifts it off the lighter top of the disc.
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawPath(symbol.translated(0, 0.75));
    painter.setBrush(Qt::white);
    painter.drawPath(symbol);
}

void paintPause(QPainter& painter) {
    QPainterPath bars;
    bars.addRect(QRectF(4, 4, 3, 9));
    bars.addRect(QRectF(10, 4, 3, 9));
    paintStateButton(painter, QColor(0x3E, 0x5C, 0x7E), bars);
}

void paintRun(QPainter& painter) {
    // The triangle's centroid sits on the disc's centre, where the eye
    // expects it; its flat side stays on a pixel edge to keep it sharp.
    QPainterPath triangle;
    triangle.moveTo(6, 4);
    triangle.lineTo(13.5, 8.5);
    triangle.lineTo(6, 13);
    triangle.closeSubpath();
    paintStateButton(painter, QColor(0x2E, 0x9E, 0x44), triangle);
}

void paintAlert(QPainter& painter) {
    // Whole pixels only: at this size a tapered or round mark turns to mush.
    QPainterPath mark;
    mark.addRect(QRectF(7, 3, 3, 7));
    mark.addRoundedRect(QRectF(7, 11, 3, 3), 0.75, 0.75);
    paintStateButton(painter, QColor(0xD3, 0x2F, 0x2F), mark);
}

// A point on a clock face: angle in degrees clockwise from twelve o'clock.
QPointF onDial(const QPointF& centre, qreal radius, qreal degrees) {
    const qreal rad = qDegreesToRadians(degrees);
    return centre + QPointF(radius * qSin(rad), -radius * qCos(rad));
}

// The application icon: a stopwatch whose red sector is the time still to
// run, from twelve o'clock round to the hand.
void paintStopwatch(QPainter& painter) {
    const QPointF centre(64, 74);
    const qreal body = 52;
    const qreal face = 44;
    const QColor steelLight(0x6B, 0x77, 0x85);
    const QColor steelDark(0x2C, 0x33, 0x3C);
    const QColor ink(0x25, 0x2B, 0x33);
    const QColor red(0xE5, 0x39, 0x35);

    QLinearGradient steel(0, 0, 0, 128);
    steel.setColorAt(0, steelLight);
    steel.setColorAt(1, steelDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(steel);

    // The crown on top and the reset button at half past one.
    painter.drawRoundedRect(QRectF(57, 12, 14, 14), 2, 2);
    painter.drawRoundedRect(QRectF(48, 2, 32, 12), 4, 4);
    painter.save();
    painter.translate(centre);
    painter.rotate(45);
    painter.drawRoundedRect(QRectF(-6, -body - 9, 12, 14), 3, 3);
    painter.restore();

    painter.drawEllipse(centre, body, body);

    QRadialGradient dial(centre - QPointF(14, 18), face * 1.6);
    dial.setColorAt(0, Qt::white);
    dial.setColorAt(1, QColor(0xD9, 0xDE, 0xE3));
    painter.setBrush(dial);
    painter.drawEllipse(centre, face, face);

    const qreal handDegrees = 120;
    const qreal sector = face - 7;
    QRadialGradient glow(centre, sector);
    glow.setColorAt(0, red.lighter(115));
    glow.setColorAt(1, red);
    painter.setBrush(glow);
    painter.drawPie(QRectF(centre.x() - sector, centre.y() - sector, 2 * sector, 2 * sector),
                    90 * 16, int(-handDegrees * 16));

    for (int hour = 0; hour < 12; ++hour) {
        const bool quarter = hour % 3 == 0;
        painter.setPen(QPen(ink, quarter ? 4 : 2.5, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(onDial(centre, face - (quarter ? 10 : 7), hour * 30),
                         onDial(centre, face - 2.5, hour * 30));
    }

    painter.setPen(QPen(ink, 4.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(onDial(centre, 8, handDegrees + 180), onDial(centre, face - 9, handDegrees));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(centre, 6.5, 6.5);
    painter.setBrush(red);
    painter.drawEllipse(centre, 2.5, 2.5);
}

void paintBadge(QPainter& painter) {
    const QColor qtGreen(0x41, 0xCD, 0x52);
    const QColor text(0x09, 0x10, 0x2B);
    const QRectF label(0, 0, 216, 30);

    painter.setPen(Qt::NoPen);
    painter.setBrush(qtGreen.darker(135));
    painter.drawRoundedRect(label, 7, 7);
    painter.setBrush(qtGreen);
    painter.drawRoundedRect(label.adjusted(1, 1, -1, -1), 6, 6);

    QFont regular(QStringLiteral("DejaVu Sans"));
    regular.setPixelSize(15);
    QFont bold = regular;
    bold.setBold(true);

    // Outlines rather than drawText, so the words are drawn the same way at
    // any scale and take part in the supersampling like every other shape.
    const QString lead = QStringLiteral("Built with ");
    const QString name = QStringLiteral("Qt");
    const qreal leadWidth = QFontMetricsF(regular).horizontalAdvance(lead);
    const qreal width = leadWidth + QFontMetricsF(bold).horizontalAdvance(name);
    const QFontMetricsF metrics(bold);
    const qreal baseline = label.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    const qreal left = label.center().x() - width / 2;

    QPainterPath words;
    words.addText(left, baseline, regular, lead);
    words.addText(left + leadWidth, baseline, bold, name);
    painter.setBrush(text);
    painter.drawPath(words);
}

bool save(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name + QStringLiteral(".bmp"));
    if (image.save(path, "BMP"))
        return true;
    QTextStream(stderr) << "make_artwork: cannot write " << path << '\n';
    return false;
}

// The desktop wants the icon with a real alpha channel: the picture's own
// colours with the mask's coverage as their opacity.
QImage withAlpha(const Artwork& art) {
    QImage icon = art.picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < icon.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(icon.scanLine(y));
        const auto* mask = reinterpret_cast<const QRgb*>(art.mask.constScanLine(y));
        for (int x = 0; x < icon.width(); ++x) {
            const int alpha = 255 - qGray(mask[x]);
            row[x] = alpha == 0 ? 0 : qRgba(qRed(row[x]), qGreen(row[x]), qBlue(row[x]), alpha);
        }
    }
    return icon;
}

// The stopwatch of the About window, painted afresh at each size of the icon
// theme rather than scaled from one bitmap, so small sizes stay sharp.
bool writeIcons(const QDir& folder) {
    if (!folder.mkpath(QStringLiteral("icons"))) {
        QTextStream(stderr) << "make_artwork: cannot make " << folder.filePath("icons") << '\n';
        return false;
    }
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const PaintFunction scaled = [size](QPainter& painter) {
            painter.scale(size / 128.0, size / 128.0);
            paintStopwatch(painter);
        };
        const QString path = folder.filePath(QStringLiteral("icons/quendle-%1.png").arg(size));
        if (!withAlpha(render(QSize(size, size), kWindowGrey, scaled)).save(path, "PNG")) {
            QTextStream(stderr) << "make_artwork: cannot write " << path << '\n';
            return false;
        }
    }
    return true;
}

bool write(const Artwork& art, const QDir& folder, const QString& pictureName,
           const QString& maskName) {
    return save(art.picture, folder, pictureName) && save(art.mask, folder, maskName);
}

} // namespace

int main(int argc, char* argv[]) {
    // Only images are painted, never a window, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: make_artwork <output folder>\n";
        return 2;
    }
    const QDir folder(args.at(1));
    if (!folder.exists()) {
        QTextStream(stderr) << "make_artwork: no such folder: " << args.at(1) << '\n';
        return 1;
    }

    const QSize stateIcon(17, 17);
    const bool ok =
        write(render(stateIcon, kDisplayGrey, paintPause), folder, "Pause_Icon", "Pause_Mask") &&
        write(render(stateIcon, kDisplayGrey, paintRun), folder, "Run_Icon", "Run_Mask") &&
        write(render(stateIcon, kDisplayGrey, paintAlert), folder, "Alert_Icon", "Alert_Mask") &&
        write(render(QSize(128, 128), kWindowGrey, paintStopwatch), folder, "AboutIcon",
              "AboutMask") &&
        write(render(QSize(216, 30), kWindowGrey, paintBadge), folder, "VaZeDoZi",
              "VaZeDoZiMask") &&
        writeIcons(folder);
    return ok ? 0 : 1;
}
