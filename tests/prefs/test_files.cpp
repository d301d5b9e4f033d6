#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "files/FolderItem.h"

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
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
