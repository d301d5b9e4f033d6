#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "files/FolderItem.h"
#include "files/SystemFolders.h"

class TestFiles : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

  private slots:
    void textFileAppearsWhenClosed() {
        const FolderItem file = *FolderItem(dir.path() + "/new/deeper").Child("t.txt");
        QVERIFY(!file.Exists());
        TextOutputStream out = file.CreateTextFile(); // makes the missing folders
        out.WriteLine(QString::fromUtf8("ä\r\nb"));
        QVERIFY(!file.Exists());
        out.Close();
        out.Close();
        QVERIFY(file.Exists());
        QCOMPARE(Bytes(file.NativePath()), QByteArray("\xc3\xa4\r\nb\n"));
        TextInputStream in = file.OpenAsTextFile();
        QCOMPARE(in.ReadAll(), QString::fromUtf8("ä\r\nb\n"));
        in.Close();
        QVERIFY(file.Delete());
        QVERIFY(!file.Exists());
        QVERIFY(file.Delete()); // already gone
    }

    void streamDroppedUnclosedLeavesTheOldFile() {
        const FolderItem file = *FolderItem(dir.path()).Child("keep.txt");
        TextOutputStream first = file.CreateTextFile();
        first.WriteLine("old");
        first.Close();
        {
            TextOutputStream out = file.CreateTextFile();
            out.WriteLine("never committed");
        }
        QCOMPARE(Bytes(file.NativePath()), QByteArray("old\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.txt"});
    }

    // The XDG rules ignore a relative XDG_CONFIG_HOME: the settings must not
    // depend on the folder the program was started in.
    void preferencesFolderTakesOnlyAnAbsoluteConfigHome() {
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        const auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", saved); });
        const QString fallback = QDir::homePath() + "/.config";
        qputenv("XDG_CONFIG_HOME", "relconf");
        QCOMPARE(SpecialFolder::Preferences().NativePath(), fallback);
        qputenv("XDG_CONFIG_HOME", "");
        QCOMPARE(SpecialFolder::Preferences().NativePath(), fallback);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
        QCOMPARE(SpecialFolder::Preferences().NativePath(), dir.path());
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
