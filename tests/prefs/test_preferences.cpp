#include <QDir>
#include <QFile>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/resource.h>

#include "FakeServices.h"
#include "PlistText.h"
#include "Preferences.h"
#include "files/IOException.h"

namespace {

const QByteArray kHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<!DOCTYPE plist PUBLIC \"-//Apple Computer//DTD PLIST 1.0//EN\" "
                           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                           "<plist version=\"1.0\">\n"
                           "<dict>";

QByteArray Entry(const QByteArray& key, const QByteArray& value) {
    return "\n\t<key>" + key + "</key>\n\t\n\t<string>" + value + "</string>\n\t";
}

QByteArray Plist(const QByteArray& entries) {
    return kHeader + entries + "</dict>\n</plist>\n\n";
}

// A store as the application uses it: a fresh one, with its file name set.
std::unique_ptr<Preferences> Store(const QString& filename = QStringLiteral("test.plist")) {
    auto store = std::make_unique<Preferences>();
    store->Filename = filename;
    return store;
}

// Remembers every pair that reaches Put, as a subclass of the store may.
class RecordingPreferences : public Preferences {
  public:
    void Put(const QString& key, const Variant& value) override {
        puts << key + QLatin1Char('=') + value.StringValue();
        Preferences::Put(key, value);
    }
    QStringList puts;
};

} // namespace

class TestPreferences : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeServices> services;

    QString PathOf(const QString& name) const { return services->prefsFolder + '/' + name; }

    void PutFile(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(services->prefsFolder);
        QFile file(PathOf(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QByteArray FileBytes(const QString& name) const {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The key=value pairs a fresh store reads from `bytes`, in its order.
    QStringList ReadPairs(const QByteArray& bytes, bool* ok = nullptr) {
        PutFile("read.plist", bytes);
        RecordingPreferences store;
        store.Filename = "read.plist";
        const bool result = store.ReadFile();
        if (ok)
            *ok = result;
        return store.puts;
    }

  private slots:
    void init() { services = std::make_unique<FakeServices>(); }
    void cleanup() { services.reset(); }

    void writesOneEntryAsNineLines() {
        auto store = Store();
        store->Put("Font", Variant("System"));
        store->WriteFile();

        const QByteArray bytes = FileBytes("test.plist");
        QCOMPARE(bytes, Plist(Entry("Font", "System")));
        QCOMPARE(bytes.count('\n'), 10); // nine lines and the stream's line end
        QVERIFY(services->messages.isEmpty());
    }

    void writesEntriesInTheOrderFirstStored() {
        auto store = Store();
        store->Put("b", Variant("1"));
        store->Put("a", Variant(true));
        store->Put("c", Variant(Color{1, 2, 254}));
        store->Put("b", Variant("2")); // keeps its place
        store->WriteFile();
        QCOMPARE(FileBytes("test.plist"),
                 Plist(Entry("b", "2") + Entry("a", "True") + Entry("c", "0x0102FE")));
    }

    void writesKeysAndValuesUnescaped() {
        auto store = Store();
        store->Put("", Variant(""));
        store->Put("A&B", Variant("x < y & z > w"));
        store->Put(QString::fromUtf8("Schrift"), Variant(QString::fromUtf8("Zapf – Ünï 🕒")));
        store->WriteFile();
        QCOMPARE(FileBytes("test.plist"), Plist(Entry("", "") + Entry("A&B", "x < y & z > w") +
                                                Entry("Schrift", "Zapf – Ünï 🕒")));

        auto back = Store();
        QVERIFY(back->ReadFile());
        QCOMPARE(back->Get("", "none").StringValue(), QString());
        QCOMPARE(back->Get("A&B", "none").StringValue(), QString("x < y & z > w"));
        QCOMPARE(back->Get("Schrift", "none").StringValue(), QString::fromUtf8("Zapf – Ünï 🕒"));
    }

    void readsBackWhatItWroteAsText() {
        auto store = Store();
        store->Put("Font", Variant("System"));
        store->Put("Bold", Variant(true));
        store->Put("Color", Variant(Color{159, 0, 255}));
        store->WriteFile();

        auto back = Store();
        QVERIFY(back->ReadFile());
        const Variant bold = back->Get("Bold", false);
        QCOMPARE(bold.VarType(), Variant::Type::String);
        QCOMPARE(bold.StringValue(), QString("True"));
        QCOMPARE(bold.BooleanValue(), true);
        QCOMPARE(back->Get("Color", Color{}).ColorValue(), (Color{159, 0, 255}));
        QCOMPARE(back->Get("Font", "").StringValue(), QString("System"));
    }

    void readsEntriesInAnyOrderAndLayout_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("own layout, reversed")
            << Plist(Entry("Italic", "False") + Entry("Font", "Courier") + Entry("Bold", "True"));
        QTest::newRow("CR LF, no indentation, no declaration")
            << QByteArray("<plist version=\"1.0\">\r\n<dict>\r\n<key>Bold</key>\r\n"
                          "<string>True</string>\r\n<key>Font</key>\r\n<string>Courier</string>"
                          "\r\n<key>Italic</key>\r\n<string>False</string>\r\n</dict>\r\n"
                          "</plist>\r\n");
        QTest::newRow("CR only, bare pairs")
            << QByteArray("<key>Font</key>\r<string>Courier</string>\r<key>Bold</key>\r"
                          "<string>True</string>\r<key>Italic</key><string>False</string>");
        QTest::newRow("another writer: spaces, other order, other elements")
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                          "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                          "<plist version=\"1.0\">\n<dict>\n"
                          "  <key>Bold</key>\n  <string>True</string>\n"
                          "  <key>Italic</key>\n  <string>False</string>\n"
                          "  <key>Font</key>\n  <string>Courier</string>\n"
                          "</dict>\n</plist>\n");
    }
    void readsEntriesInAnyOrderAndLayout() {
        QFETCH(QByteArray, text);
        PutFile("test.plist", text);
        auto store = Store();
        QVERIFY(store->ReadFile());
        QCOMPARE(store->Get("Font", "").StringValue(), QString("Courier"));
        QCOMPARE(store->Get("Bold", "").StringValue(), QString("True"));
        QCOMPARE(store->Get("Italic", "").StringValue(), QString("False"));
        QVERIFY(services->messages.isEmpty());
    }

    void readsEmptyKeyWithEmptyValue() {
        QCOMPARE(ReadPairs(Plist(Entry("", "") + Entry("a", "1"))), (QStringList{"=", "a=1"}));
    }

    void laterOfTwinKeysWins() {
        PutFile("test.plist",
                Plist(Entry("Font", "One") + Entry("Bold", "True") + Entry("Font", "Two")));
        auto store = Store();
        QVERIFY(store->ReadFile());
        QCOMPARE(store->Get("Font", "").StringValue(), QString("Two"));
    }

    void keyWithoutStringTakesTheNextString() {
        // "Bold" holds a property-list Boolean element, which is no string:
        // it takes the next string's text and "Font" itself is never read.
        const QByteArray text = "<dict>\n<key>Bold</key>\n<true/>\n<key>Font</key>\n"
                                "<string>Courier</string>\n<key>Italic</key>\n"
                                "<string>False</string>\n</dict>";
        QCOMPARE(ReadPairs(text), (QStringList{"Bold=Courier", "Italic=False"}));
    }

    void valueTextIsSearchedForKeys() {
        // The next key is looked for from the previous value's second
        // character on: a key tag inside a value's text is found, ...
        const QByteArray text = "<key>a</key><string>x<key>b</key><string>y</string>"
                                "<key>c</key><string>z</string>";
        QCOMPARE(ReadPairs(text), (QStringList{"a=x<key>b</key><string>y", "b=y", "c=z"}));
        // ... and one at its very start is not.
        QCOMPARE(ReadPairs("<key>a</key><string><key>b</key><string>y</string>"),
                 QStringList{"a=<key>b</key><string>y"});
    }

    void readAddsToWhatTheStoreHolds() {
        PutFile("test.plist", Plist(Entry("Font", "Courier")));
        auto store = Store();
        store->Put("Kept", Variant(true));
        store->Put("Font", Variant("System"));
        QVERIFY(store->ReadFile());
        QCOMPARE(store->Get("Kept", false).VarType(), Variant::Type::Boolean);
        QCOMPARE(store->Get("Font", "").StringValue(), QString("Courier"));
    }

    void textWithoutAKeyIsNoFile_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no key") << QByteArray("<plist><dict><string>a</string></dict></plist>");
        QTest::newRow("key never closed") << QByteArray("<dict><key>Font<string>a</string>");
        QTest::newRow("closing tag only before") << QByteArray("</key><key>Font");
        QTest::newRow("upper-case tags") << QByteArray("<KEY>Font</KEY><STRING>a</STRING>");
    }
    void textWithoutAKeyIsNoFile() {
        QFETCH(QByteArray, text);
        bool ok = true;
        QCOMPARE(ReadPairs(text, &ok), QStringList());
        QVERIFY(!ok);
        QVERIFY(services->messages.isEmpty());
    }

    void missingFileIsNoFile() {
        auto store = Store("absent.plist");
        QVERIFY(!store->ReadFile());
        QVERIFY(services->messages.isEmpty());
        QVERIFY(!QDir(services->prefsFolder).exists()); // reading makes nothing
        store->Put("a", Variant("1"));
        QCOMPARE(store->Get("a", "").StringValue(), QString("1"));
    }

    void brokenTailsEndTheScan_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("pairs");
        const QByteArray good = "<key>a</key><string>1</string>";
        QTest::newRow("key tag at the very end") << good + "<key>" << QStringList{"a=1"};
        QTest::newRow("key without its close") << good + "<key>b" << QStringList{"a=1"};
        QTest::newRow("key without a string") << good + "<key>b</key>" << QStringList{"a=1"};
        QTest::newRow("string tag at the very end")
            << good + "<key>b</key><string>" << QStringList{"a=1"};
        QTest::newRow("string without its close")
            << good + "<key>b</key><string>2" << QStringList{"a=1"};
        QTest::newRow("string before the key's close")
            << QByteArray("<key>a<string>1</string></key>") << QStringList();
        QTest::newRow("only the first key whole")
            << QByteArray("<key>a</key><key>b") << QStringList();
    }
    void brokenTailsEndTheScan() {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, pairs);
        bool ok = false;
        QCOMPARE(ReadPairs(text, &ok), pairs);
        QVERIFY(ok); // it holds a "<key>" with a "</key>" after it
    }

    void bytesThatAreNotUtf8BecomeReplacementCharacters() {
        const QByteArray text =
            Entry("Font", "Caf\xe9 \xff\xfe!") + Entry("Name", "Caf\xc3\xa9"); // valid UTF-8 stays
        QCOMPARE(ReadPairs(text), (QStringList{QString::fromUtf8("Font=Caf\uFFFD \uFFFD\uFFFD!"),
                                               QString::fromUtf8("Name=Café")}));
    }

    void filesUpToTheLimitAreReadAndLargerOnesRefused() {
        QByteArray entries;
        for (int i = 0; i < 1000; ++i)
            entries += Entry("k" + QByteArray::number(i), QByteArray(200, 'v'));
        QByteArray text = Plist(entries);
        QVERIFY(text.size() < PlistText::kMaxFileBytes);
        text.append(PlistText::kMaxFileBytes - text.size(), '\n');
        PutFile("big.plist", text);
        RecordingPreferences store;
        store.Filename = "big.plist";
        QVERIFY(store.ReadFile());
        QCOMPARE(store.puts.size(), 1000);

        PutFile("big.plist", text + '\n');
        try {
            store.ReadFile();
            QFAIL("a file beyond the limit was read");
        } catch (const IOException& e) {
            QCOMPARE(e.Path(), PathOf("big.plist"));
            QCOMPARE(e.Reason(), QString("the file is larger than 256\u00A0kB"));
        }
    }

    void overlappingValuesStopAtTheTextsLength() {
        // Every key's value runs on to the one "</string>" at the end: all
        // of them together would take the square of the text's length.
        const QByteArray open = "<key>a</key><string>-";
        QCOMPARE(ReadPairs(open.repeated(4) + "x</string>"),
                 QStringList{"a=-" + open.repeated(3) + "x"});
        QCOMPARE(ReadPairs(open.repeated(3) + "x</string>").size(), 3); // 69 of 73 characters
    }

    void getStoresTheDefaultOnlyWhenMissing() {
        auto store = Store();
        QCOMPARE(store->Get("Bold", true).BooleanValue(), true);
        QCOMPARE(store->Get("Bold", false).BooleanValue(), true); // now present: kept
        store->Put("Bold", Variant(false));
        QCOMPARE(store->Get("Bold", true).BooleanValue(), false);
        store->Get("Font", "System");
        store->WriteFile(); // both keys, the defaulted one included
        QCOMPARE(FileBytes("test.plist"), Plist(Entry("Bold", "False") + Entry("Font", "System")));
        store->Clear();
        QCOMPARE(store->Get("Bold", "gone").StringValue(), QString("gone"));
    }

    void writeReplacesTheFileWhole() {
        auto first = Store();
        first->Put("Old", Variant("1"));
        first->Put("Font", Variant("A"));
        first->WriteFile();
        auto second = Store();
        second->Put("Font", Variant("B"));
        second->WriteFile();
        QCOMPARE(FileBytes("test.plist"), Plist(Entry("Font", "B")));
        // Nothing but the file itself is left in the folder.
        QCOMPARE(QDir(services->prefsFolder).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"test.plist"});
    }

    void failuresShowTheirMessages() {
        auto unnamed = Store("");
        QVERIFY(!unnamed->ReadFile());
        unnamed->Put("a", Variant("1"));
        unnamed->WriteFile();

        PutFile("test.plist", "old");
        auto empty = Store();
        empty->WriteFile();
        QCOMPARE(FileBytes("test.plist"), QByteArray("old"));

        auto badName = Store("sub/test.plist");
        badName->Put("a", Variant("1"));
        badName->WriteFile();

        Preferences page;
        page.WritePagePrefsFile("text");
        QCOMPARE(page.ReadPagePrefsFile(), QString());
        page.PagePrefsFilename = "..";
        page.WritePagePrefsFile("text");

        QCOMPARE(services->messages,
                 (QStringList{"Can't read preferences because no filename has been set",
                              "can't write preferences because no filename has been set",
                              "can't write preferences because none have been set",
                              "couldn't write preferences File",
                              "can't write page preferences because no filename has been set",
                              "Can't read preferences because no filename has been set",
                              "couldn't write page preferences File"}));
        QCOMPARE(QDir(services->prefsFolder).entryList(QDir::Files), QStringList{"test.plist"});
    }

    void readerRaisesForANameThatCannotBeAFile() {
        auto store = Store("../escape.plist");
        QVERIFY_THROWS_EXCEPTION(IOException, store->ReadFile());
        Preferences page;
        page.PagePrefsFilename = "a/b";
        QVERIFY_THROWS_EXCEPTION(IOException, page.ReadPagePrefsFile());
        QVERIFY(services->messages.isEmpty());
    }

    void pageTextRoundTrips() {
        Preferences page;
        page.PagePrefsFilename = "page.txt";
        QCOMPARE(page.ReadPagePrefsFile(), QString()); // missing: empty, no message
        page.WritePagePrefsFile(QString::fromUtf8("line 1\r\nline ü <2> & 3"));
        QCOMPARE(FileBytes("page.txt"), QByteArray("line 1\r\nline \xc3\xbc <2> & 3\n"));
        QCOMPARE(page.ReadPagePrefsFile(), QString::fromUtf8("line 1\r\nline ü <2> & 3\n"));
        QVERIFY(services->messages.isEmpty());
    }

    void folderThatCannotBeMadeRaisesWithPathAndReason() {
        // A plain file where the folder should be: refused even to root.
        QFile blocker(services->tempDir.path() + "/blocker");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        services->prefsFolder = blocker.fileName() + "/prefs";
        auto store = Store();
        store->Put("a", Variant("1"));
        try {
            store->WriteFile();
            QFAIL("the write did not fail");
        } catch (const IOException& e) {
            QCOMPARE(e.Path(), services->prefsFolder);
            QCOMPARE(e.Reason(), QString("Not a directory"));
        }
        QVERIFY(services->messages.isEmpty());
    }

    void writeThatFailsHalfWayLeavesTheOldFile() {
        auto first = Store();
        first->Put("Font", Variant("Old"));
        first->WriteFile();
        const QByteArray old = FileBytes("test.plist");

        // Files may grow to 4 KB at most: the new text fails part-way, as on
        // a full disk. The signal would otherwise end the test.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 4096;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        auto second = Store();
        second->Put("Font", Variant(QString(100000, 'x')));
        bool raised = false;
        try {
            second->WriteFile();
        } catch (const IOException& e) {
            raised = true;
            QCOMPARE(e.Path(), PathOf("test.plist"));
        }
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(raised);
        QCOMPARE(FileBytes("test.plist"), old);
        QCOMPARE(QDir(services->prefsFolder).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"test.plist"});
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "test_preferences.moc"
