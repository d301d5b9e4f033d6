#include "Preferences.h"

#include <optional>

#include "PlistText.h"
#include "files/FolderItem.h"
#include "files/IOException.h"
#include "files/SystemFolders.h"
#include "system/Runtime.h"

namespace {

const QString kCreatorAndType = QStringLiteral("????");

// The file of `name` in the preferences folder, for a reader: a name that
// can be no file there is the caller's fault and raises.
FolderItem FileToRead(const QString& name) {
    const FolderItem folder = SpecialFolder::Preferences();
    const std::optional<FolderItem> file = folder.Child(name);
    if (!file)
        throw IOException(folder.NativePath() + QLatin1Char('/') + name,
                          QStringLiteral("not a valid file name"));
    return *file;
}

QString ReadWholeFile(const FolderItem& file, qint64 maxBytes) {
    TextInputStream in = file.OpenAsTextFile();
    const QString text = in.ReadAll(maxBytes);
    in.Close();
    return text;
}

// The new file is complete on disk before it takes the old one's place, so
// a crash or a full disk part-way leaves the old file whole.
void WriteWholeFile(const FolderItem& file, const QString& text) {
    TextOutputStream out = file.CreateTextFile();
    out.WriteLine(text);
    out.Close();
    file.SetMacCreator(kCreatorAndType);
    file.SetMacType(kCreatorAndType);
}

} // namespace

bool Preferences::ReadFile() {
    if (Filename.isEmpty()) {
        MsgBox(QStringLiteral("Can't read preferences because no filename has been set"));
        return false;
    }
    const FolderItem file = FileToRead(Filename);
    if (!file.Exists())
        return false;
    const QString text = ReadWholeFile(file, PlistText::kMaxFileBytes);
    return PlistText::Scan(text, [this](const QString& key, const QString& value) {
        Put(key, Variant(value));
        YieldToEventLoop();
    });
}

void Preferences::WriteFile() {
    const QList<Variant> keys = mDict.Keys();
    const QList<Variant> values = mDict.Values();
    if (Filename.isEmpty()) {
        MsgBox(QStringLiteral("can't write preferences because no filename has been set"));
        return;
    }
    if (keys.isEmpty()) {
        MsgBox(QStringLiteral("can't write preferences because none have been set"));
        return;
    }

    QString text = PlistText::Header();
    for (qsizetype i = 0; i < keys.size(); ++i) {
        text += PlistText::Entry(keys.at(i).StringValue(), values.at(i).StringValue());
        YieldToEventLoop();
    }
    text += PlistText::Footer();

    const std::optional<FolderItem> file = SpecialFolder::Preferences().Child(Filename);
    if (!file) {
        MsgBox(QStringLiteral("couldn't write preferences File"));
        return;
    }
    WriteWholeFile(*file, text);
}

Variant Preferences::Get(const QString& key, const Variant& defaultValue) {
    if (!mDict.HasKey(key))
        mDict.SetValue(key, defaultValue);
    return mDict.Value(key);
}

void Preferences::Put(const QString& key, const Variant& value) {
    mDict.SetValue(key, value);
}

void Preferences::Clear() {
    mDict = Dictionary();
}

void Preferences::WritePagePrefsFile(const QString& text) {
    if (PagePrefsFilename.isEmpty()) {
        MsgBox(QStringLiteral("can't write page preferences because no filename has been set"));
        return;
    }
    const std::optional<FolderItem> file = SpecialFolder::Preferences().Child(PagePrefsFilename);
    if (!file) {
        MsgBox(QStringLiteral("couldn't write page preferences File"));
        return;
    }
    WriteWholeFile(*file, text);
}

QString Preferences::ReadPagePrefsFile() {
    if (PagePrefsFilename.isEmpty()) {
        MsgBox(QStringLiteral("Can't read preferences because no filename has been set"));
        return QString();
    }
    const FolderItem file = FileToRead(PagePrefsFilename);
    if (!file.Exists())
        return QString();
    return ReadWholeFile(file, TextInputStream::kMaxBytes);
}
