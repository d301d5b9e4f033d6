#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "FolderItem.h"
#include "IOException.h"

class TestFiles : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void childIsAPlainNameOnly() {
        const FolderItem folder(dir.path());
        QCOMPARE(folder.Child("a.plist")->NativePath(), dir.path() + "/a.plist");
        for (const QString& bad : QStringList{"", ".", "..", "a/b", "/abs", QString("a") + QChar(0)})
            QVERIFY2(!folder.Child(bad), qPrintable(bad));
    }

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

    void refusalsNameThePathAndTheReason() {
        const FolderItem folderAsFile = *FolderItem(dir.path()).Child("folder");
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        try {
            folderAsFile.OpenAsTextFile();
            QFAIL("a folder opened as a text file");
        } catch (const IOException& e) {
            QCOMPARE(e.Path(), folderAsFile.NativePath());
            QVERIFY(!e.Reason().isEmpty());
        }
        try {
            FolderItem(dir.path() + "/missing.txt").OpenAsTextFile();
            QFAIL("a missing file opened");
        } catch (const IOException& e) {
            QVERIFY(e.Reason().contains("No such file"));
        }
        QVERIFY_THROWS_EXCEPTION(IOException, folderAsFile.CreateTextFile().Close());
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
