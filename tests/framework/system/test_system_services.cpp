// The real services, the ones the program runs with (no fake installed),
// on the offscreen platform.
#include <QFile>
#include <QFontDatabase>
#include <QTest>
#include <QtEndian>

#include "system/Runtime.h"

namespace {

// A TrueType font as another foundry's: fontconfig names the foundry after
// the vendor in the OS/2 table (4 bytes at offset 58). Empty without one.
QByteArray WithVendor(QByteArray font, const QByteArray& vendor) {
    const qsizetype tables = font.size() < 6 ? 0 : qFromBigEndian<quint16>(font.constData() + 4);
    for (qsizetype entry = 12; entry < 12 + 16 * tables && entry + 16 <= font.size(); entry += 16) {
        const char* table = font.constData() + entry;
        const qsizetype vendorAt = qFromBigEndian<quint32>(table + 8) + 58;
        if (QByteArrayView(table, 4) == "OS/2" && vendorAt + 4 <= font.size())
            return font.replace(vendorAt, 4, vendor);
    }
    return {};
}

} // namespace

class SystemServicesTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // As with Debian's URW fonts, one family comes from two foundries: a
    // copy of DejaVu Sans gets a vendor of its own, and the font database
    // lists "DejaVu Sans [PfEd]" and "DejaVu Sans [Copy]". The program's
    // list names the family once, plainly. The fonts go in before anything
    // reads that list (the services keep it once read).
    void aFamilyFromTwoFoundriesIsListedOnceByItsPlainName() {
        QFile file(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray font = file.readAll();
        QVERIFY(QFontDatabase::addApplicationFontFromData(font) >= 0);
        QVERIFY(QFontDatabase::addApplicationFontFromData(WithVendor(font, "Copy")) >= 0);
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("DejaVu Sans [Copy]")));

        QStringList listed;
        for (int i = 0; i < FontCount(); ++i)
            listed.append(Font(i));
        QVERIFY(listed.contains(QStringLiteral("DejaVu Sans")));
        QCOMPARE(listed.removeDuplicates(), 0);
        for (const QString& family : std::as_const(listed))
            QVERIFY2(!(family.contains(QLatin1String(" [")) && family.endsWith(QLatin1Char(']'))),
                     qPrintable(family));
    }
};

QTEST_MAIN(SystemServicesTest)
#include "test_system_services.moc"
