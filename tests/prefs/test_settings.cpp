// The ten display settings through the real main window: loaded at start-up,
// saved by WritePrefs, and what happens when the file or folder misbehaves.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "App.h"
#include "FakeServices.h"
#include "Startup.h"
#include "winMain.h"

namespace {

const QString kFile = QStringLiteral("Quendle_Prefs.plist");

using Pairs = QList<QPair<QByteArray, QByteArray>>;

QByteArray Plist(const Pairs& pairs) {
    QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<!DOCTYPE plist PUBLIC \"-//Apple Computer//DTD PLIST 1.0//EN\" "
                      "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                      "<plist version=\"1.0\">\n"
                      "<dict>";
    for (const auto& [key, value] : pairs)
        text += "\n\t<key>" + key + "</key>\n\t\n\t<string>" + value + "</string>\n\t";
    return text + "</dict>\n</plist>\n\n";
}

const Pairs kDefaults{{"Font", "System"},
                      {"Bold", "True"},
                      {"Italic", "False"},
                      {"SuspendScreensaver", "False"},
                      {"Color_Background", "0x9F9F9F"},
                      {"Color_Font", "0x000000"},
                      {"Color_Shadow", "0xFFFFFF"},
                      {"Color_LastMin", "0xCF0000"},
                      {"Color_Last10Sec", "0xFF0000"},
                      {"UseShadow", "True"}};

// The ten settings of App as one comparable text.
QString Snapshot(const App& app) {
    const auto c = [](Color color) { return QString::number(color.Value(), 16); };
    return QStringList{app.Pref_Font,
                       app.Pref_Bold ? "B" : "-",
                       app.Pref_Italic ? "I" : "-",
                       app.Pref_SuspendScreensaver ? "S" : "-",
                       app.Pref_UseShadow ? "U" : "-",
                       c(app.Color_Background),
                       c(app.Color_Font),
                       c(app.Color_Shadow),
                       c(app.Color_LastMin),
                       c(app.Color_Last10Sec)}
        .join('|');
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeServices> fake;

    QString FilePath() const { return fake->prefsFolder + '/' + kFile; }

    void PutFile(const QByteArray& bytes) {
        QVERIFY(QDir().mkpath(fake->prefsFolder));
        QFile file(FilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QByteArray FileBytes(const QString& name = kFile) const {
        QFile file(fake->prefsFolder + '/' + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    winMain& Start() {
        Startup();
        return Implicit<winMain>();
    }

    void Restart() {
        Application::Shutdown();
        Startup();
    }

    // The plain file that stands where the preferences folder should be, so
    // that the folder cannot be made, even by root.
    void BlockPrefsFolder() {
        QFile blocker(fake->tempDir.path() + "/blocker");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        fake->prefsFolder = blocker.fileName() + "/prefs";
    }

    // Makes a folder or a file refuse changes (a folder new files), or allow
    // them again: by its mode, or for root, whom the mode does not stop, by
    // the immutable flag.
    static bool RefuseChanges(const QString& path, bool refuse) {
        if (geteuid() != 0) {
            const QFile::Permissions kept =
                QFileInfo(path).isDir() ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner;
            return QFile::setPermissions(
                path, kept | (refuse ? QFile::Permissions() : QFile::WriteOwner));
        }
        const int fd = open(QFile::encodeName(path).constData(), O_RDONLY);
        int flags = 0;
        bool done = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = refuse ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        if (fd >= 0)
            close(fd);
        return done;
    }

  private slots:
    void init() { fake = std::make_unique<FakeServices>(); }
    void cleanup() {
        Application::Shutdown();
        fake.reset();
    }

    void firstRunWritesTheTenDefaults() {
        Start();
        QCOMPARE(Snapshot(TheApp()), QString("System|B|-|-|U|9f9f9f|0|ffffff|cf0000|ff0000"));
        const QByteArray bytes = FileBytes();
        QCOMPARE(bytes, Plist(kDefaults));
        QCOMPARE(bytes.count('\n'), 46); // 45 lines and the stream's line end
        QVERIFY(fake->messages.isEmpty());
    }

    void fileOfAllTenIsReadAndLeftAlone() {
        // Written by another property-list writer: spaces, its own order.
        const QByteArray text = "<plist version=\"1.0\">\n<dict>\n"
                                "  <key>UseShadow</key> <string>False</string>\n"
                                "  <key>Color_Last10Sec</key> <string>0x00FF01</string>\n"
                                "  <key>Color_LastMin</key> <string>0x0000fe</string>\n"
                                "  <key>Color_Shadow</key> <string>0x123456</string>\n"
                                "  <key>Color_Font</key> <string>0xFFFFFF</string>\n"
                                "  <key>Color_Background</key> <string>0x000000</string>\n"
                                "  <key>SuspendScreensaver</key> <string>True</string>\n"
                                "  <key>Italic</key> <string>True</string>\n"
                                "  <key>Bold</key> <string>False</string>\n"
                                "  <key>Font</key> <string>DejaVu Serif</string>\n"
                                "</dict>\n</plist>\n";
        PutFile(text);
        Start();
        QCOMPARE(Snapshot(TheApp()), QString("DejaVu Serif|-|I|S|-|0|ffffff|123456|fe|ff01"));
        QCOMPARE(FileBytes(), text);
        QVERIFY(fake->messages.isEmpty());
    }

    void partialFileFillsInDefaultsAndStaysAsItWas() {
        const QByteArray text = Plist({{"Italic", "True"}, {"Color_Font", "0x0A0B0C"}});
        PutFile(text);
        Start();
        QCOMPARE(Snapshot(TheApp()), QString("System|B|I|-|U|9f9f9f|a0b0c|ffffff|cf0000|ff0000"));
        QCOMPARE(FileBytes(), text);
    }

    void unreadableTextIsKeptAsideAndReplacedByDefaults_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty: a first run") << QByteArray();
        QTest::newRow("no key") << QByteArray("<plist><dict/></plist>");
        QTest::newRow("key never closed") << QByteArray("<key>Font<string>Courier</string>");
        const QString utf16 = "\uFEFF<plist><dict><key>Font</key><string>Courier</string>";
        QTest::newRow("UTF-16") << QByteArray(reinterpret_cast<const char*>(utf16.utf16()),
                                              utf16.size() * 2);
        QTest::newRow("binary") << QByteArray("bplist00\xd1\x01\x02TFontWCourier\x08\x0b", 22);
    }
    void unreadableTextIsKeptAsideAndReplacedByDefaults() {
        QFETCH(QByteArray, text);
        PutFile(text);
        Start();
        QCOMPARE(Snapshot(TheApp()), QString("System|B|-|-|U|9f9f9f|0|ffffff|cf0000|ff0000"));
        QCOMPARE(FileBytes(), Plist(kDefaults));
        const QStringList files = QDir(fake->prefsFolder).entryList(QDir::Files);
        if (text.isEmpty()) {
            QVERIFY(fake->messages.isEmpty());
            QCOMPARE(files, QStringList{kFile});
            return;
        }
        const QString kept = "Quendle_Prefs.unreadable.plist";
        QCOMPARE(files, (QStringList{kFile, kept}));
        QCOMPARE(FileBytes(kept), text);
        QCOMPARE(fake->messages,
                 QStringList{"Quendle could not read its settings.\n\n\"" + FilePath() +
                             "\": no setting in it can be read\n\n"
                             "The default settings are used; the old file was "
                             "kept as \"" +
                             fake->prefsFolder + '/' + kept + "\"."});

        // A later one is kept beside it, never in its place.
        Application::Shutdown();
        PutFile(text + '2');
        Startup();
        QCOMPARE(FileBytes(kept), text);
        QCOMPARE(FileBytes("Quendle_Prefs.unreadable-2.plist"), text + '2');
        QCOMPARE(FileBytes(), Plist(kDefaults));
    }

    void textsThatAreNoValueTakeTheDefault() {
        PutFile(Plist({{"Bold", "yes"},
                       {"Italic", "1"},
                       {"Color_Font", "#FF0000"},
                       {"Color_Shadow", "&hFF0000"},
                       {"Font", ""}}));
        Start();
        QCOMPARE(Snapshot(TheApp()), QString("|B|-|-|U|9f9f9f|0|ffffff|cf0000|ff0000"));
    }

    void savedSettingsComeBackExactly_data() {
        QTest::addColumn<QString>("font");
        QTest::addColumn<bool>("flags");
        QTest::addColumn<quint32>("base");
        QTest::newRow("all on, odd colours")
            << QString::fromUtf8("Zapf & Co – Ü 🕒") << true << quint32(0x010203);
        QTest::newRow("all off, extremes") << QString() << false << quint32(0xFFFFFF);
        QTest::newRow("near black") << QString("  spaced  ") << true << quint32(0);
    }
    void savedSettingsComeBackExactly() {
        QFETCH(QString, font);
        QFETCH(bool, flags);
        QFETCH(quint32, base);
        winMain& w = Start();
        App& app = TheApp();
        app.Pref_Font = font;
        app.Pref_Bold = flags;
        app.Pref_Italic = flags;
        app.Pref_SuspendScreensaver = flags;
        app.Pref_UseShadow = flags;
        app.Color_Background = Color::FromValue(base);
        app.Color_Font = Color::FromValue(base ^ 0xFFFFFF);
        app.Color_Shadow = Color::FromValue(base ^ 0x800080);
        app.Color_LastMin = Color::FromValue(base ^ 0x7F7F7F);
        app.Color_Last10Sec = Color::FromValue(base ^ 0x00FF00);
        const QString saved = Snapshot(app);
        w.WritePrefs();

        Restart();
        QCOMPARE(Snapshot(TheApp()), saved);
        QVERIFY(fake->messages.isEmpty());
    }

    void saveWritesExactlyTheTenKeys() {
        PutFile(Plist({{"Extra", "kept until saved"}, {"UseShadow", "False"}}));
        winMain& w = Start();
        TheApp().Color_LastMin = RGB(1, 2, 3);
        w.WritePrefs();
        Pairs expected = kDefaults;
        expected[7].second = "0x010203";
        expected[9].second = "False";
        QCOMPARE(FileBytes(), Plist(expected));
    }

    void unwritableFolderKeepsTheSettingsInMemory() {
        BlockPrefsFolder();
        winMain& w = Start();
        QCOMPARE(fake->messages.size(), 1);
        QVERIFY(fake->messages[0].contains(fake->prefsFolder));
        QVERIFY(fake->messages[0].contains("Not a directory"));
        QCOMPARE(Snapshot(TheApp()), QString("System|B|-|-|U|9f9f9f|0|ffffff|cf0000|ff0000"));

        TheApp().Pref_Font = "Courier";
        w.WritePrefs(); // the OK of the preferences sheet
        QCOMPARE(fake->messages.size(), 2);
        QVERIFY(fake->messages[1].contains(fake->prefsFolder));
        QCOMPARE(TheApp().Pref_Font, QString("Courier"));
        QVERIFY(!w.IsClosed());
        QVERIFY(fake->quitCodes.isEmpty());
    }

    void folderThatAllowsNoNewFilesIsNamed() {
        winMain& w = Start();
        if (!RefuseChanges(fake->prefsFolder, true))
            QSKIP("this system cannot make a folder refuse new files");
        const auto undo = qScopeGuard([&] { RefuseChanges(fake->prefsFolder, false); });
        TheApp().Pref_Font = "Courier";
        w.WritePrefs(); // the file itself is writable
        QCOMPARE(fake->messages,
                 QStringList{"Quendle could not save its settings.\n\n\"" + fake->prefsFolder +
                             "\": the folder does not allow new files, which saving needs\n\n"
                             "The settings stay in effect until Quendle quits."});
        QCOMPARE(FileBytes(), Plist(kDefaults));
    }

    // The reason is said once, in words: the path is in the message already.
    void fileThatMayNotBeChangedIsNamedOnce() {
        winMain& w = Start();
        if (!RefuseChanges(FilePath(), true))
            QSKIP("this system cannot make a file refuse changes");
        const auto undo = qScopeGuard([&] { RefuseChanges(FilePath(), false); });
        TheApp().Pref_Font = "Courier";
        w.WritePrefs();
        QCOMPARE(fake->messages,
                 QStringList{"Quendle could not save its settings.\n\n\"" + FilePath() +
                             "\": the file is read-only\n\n"
                             "The settings stay in effect until Quendle quits."});
        QCOMPARE(FileBytes(), Plist(kDefaults));
    }

    void fileThatCannotBeReadIsReportedAndKept_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("named pipe") << "pipe"; // would hold the open for ever
        QTest::newRow("link to a named pipe") << "link to pipe";
        QTest::newRow("link to a device") << "device";
        QTest::newRow("larger than the limit") << "large";
    }
    void fileThatCannotBeReadIsReportedAndKept() {
        QFETCH(QString, kind);
        QVERIFY(QDir().mkpath(fake->prefsFolder));
        const QByteArray path = QFile::encodeName(FilePath());
        const QByteArray large = Plist(kDefaults) + QByteArray(256 * 1024, ' ');
        if (kind == "folder")
            QVERIFY(QDir().mkpath(FilePath()));
        else if (kind == "pipe")
            QCOMPARE(mkfifo(path.constData(), 0600), 0);
        else if (kind == "link to pipe")
            QVERIFY(mkfifo(QFile::encodeName(fake->tempDir.path() + "/pipe").constData(), 0600) ==
                        0 &&
                    QFile::link(fake->tempDir.path() + "/pipe", FilePath()));
        else if (kind == "device")
            QVERIFY(QFile::link("/dev/zero", FilePath()));
        else
            PutFile(large);
        const QFileInfo before(FilePath());

        winMain& w = Start();
        QCOMPARE(fake->messages.size(), 1);
        QVERIFY(fake->messages[0].startsWith("Quendle could not read its settings."));
        QVERIFY(fake->messages[0].contains(FilePath()));
        QCOMPARE(Snapshot(TheApp()), QString("System|B|-|-|U|9f9f9f|0|ffffff|cf0000|ff0000"));
        // Saving (the Preferences sheet's OK) writes only over a regular
        // file. Never tried on the device, which a fault here would replace.
        if (kind != "device" && kind != "large") {
            w.WritePrefs();
            QCOMPARE(fake->messages.size(), 2);
            QCOMPARE(fake->messages[1], "Quendle could not save its settings.\n\n\"" + FilePath() +
                                            "\": not a regular file\n\n"
                                            "The settings stay in effect until Quendle quits.");
        }
        const QFileInfo after(FilePath());
        QCOMPARE(after.isDir(), before.isDir());
        QCOMPARE(after.isSymLink(), before.isSymLink());
        QCOMPARE(after.isFile(), before.isFile());
        if (kind == "large")
            QCOMPARE(FileBytes(), large);
        QCOMPARE(
            QDir(fake->prefsFolder)
                .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{kFile}); // nothing written beside it
        QVERIFY(fake->quitCodes.isEmpty());
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
