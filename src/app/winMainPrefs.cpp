// The ten display settings, to and from the preferences file.
#include <QString>
#include <array>
#include <optional>
#include <variant>

#include "App.h"
#include "Preferences.h"
#include "files/FolderItem.h"
#include "files/IOException.h"
#include "files/SystemFolders.h"
#include "system/Runtime.h"
#include "winMain.h"

namespace {

const QString kPrefsFilename = QStringLiteral("Quendle_Prefs.plist");
const QString kKeptBaseName = QStringLiteral("Quendle_Prefs.unreadable");
constexpr int kMaxKeptFiles = 1000;

// One row per setting, in the order both directions handle them.
struct Setting {
    QString key;
    Variant defaultValue;
    std::variant<QString App::*, bool App::*, Color App::*> property;
};

const std::array<Setting, 10>& Settings() {
    static const std::array<Setting, 10> settings{{
        {QStringLiteral("Font"), Variant("System"), &App::Pref_Font},
        {QStringLiteral("Bold"), Variant(true), &App::Pref_Bold},
        {QStringLiteral("Italic"), Variant(false), &App::Pref_Italic},
        {QStringLiteral("SuspendScreensaver"), Variant(false), &App::Pref_SuspendScreensaver},
        {QStringLiteral("Color_Background"), Variant(App::Default_Background),
         &App::Color_Background},
        {QStringLiteral("Color_Font"), Variant(App::Default_Font), &App::Color_Font},
        {QStringLiteral("Color_Shadow"), Variant(App::Default_Shadow), &App::Color_Shadow},
        {QStringLiteral("Color_LastMin"), Variant(App::Default_LastMin), &App::Color_LastMin},
        {QStringLiteral("Color_Last10Sec"), Variant(App::Default_Last10Sec), &App::Color_Last10Sec},
        {QStringLiteral("UseShadow"), Variant(true), &App::Pref_UseShadow},
    }};
    return settings;
}

// A stored text that is no Boolean or Color form (a hand-edited file, say)
// gives the setting's default rather than False or black.
void Assign(QString& property, const Variant& value, const Variant&) {
    property = value.StringValue();
}
void Assign(bool& property, const Variant& value, const Variant& fallback) {
    property = value.ToBoolean().value_or(fallback.BooleanValue());
}
void Assign(Color& property, const Variant& value, const Variant& fallback) {
    property = value.ToColor().value_or(fallback.ColorValue());
}

// A preferences folder or file that the system refuses must not cost the
// user the running program: say where and why, and carry on with the
// settings in memory.
void ReportUnreadable(const IOException& e) {
    MsgBox(QStringLiteral("Quendle could not read its settings.\n\n\"%1\": %2\n\n"
                          "The default settings are used.")
               .arg(e.Path(), e.Reason()));
}

void ReportKept(const QString& path, const QString& keptAs) {
    MsgBox(QStringLiteral("Quendle could not read its settings.\n\n\"%1\": no setting in it "
                          "can be read\n\nThe default settings are used; the old file was "
                          "kept as \"%2\".")
               .arg(path, keptAs));
}

void ReportUnwritable(const IOException& e) {
    MsgBox(QStringLiteral("Quendle could not save its settings.\n\n\"%1\": %2\n\n"
                          "The settings stay in effect until Quendle quits.")
               .arg(e.Path(), e.Reason()));
}

// A file in which the reader found no setting may still be the user's
// settings as another program wrote them (a binary or UTF-16 property
// list, say), so it is moved aside under a name of its own, which no later
// one takes, before the defaults are written in its place. A missing or
// empty file is a first run and has nothing to keep.
void KeepUnreadFile() {
    const FolderItem folder = SpecialFolder::Preferences();
    const std::optional<FolderItem> file = folder.Child(kPrefsFilename);
    if (!file || file->Length() == 0)
        return;
    for (int n = 1; n <= kMaxKeptFiles; ++n) {
        const QString name = kKeptBaseName + (n == 1 ? QString() : QStringLiteral("-%1").arg(n)) +
                             QStringLiteral(".plist");
        if (file->MoveToNewName(name)) {
            ReportKept(file->NativePath(), folder.Child(name)->NativePath());
            return;
        }
    }
    throw IOException(file->NativePath(), QStringLiteral("every name to keep it under is taken"));
}

} // namespace

void winMain::ReadPrefs() {
    Preferences prefs;
    prefs.Filename = kPrefsFilename;
    bool ok = false;
    bool refused = false;
    try {
        ok = prefs.ReadFile();
    } catch (const IOException& e) {
        ReportUnreadable(e);
        refused = true;
    }

    App& app = TheApp();
    for (const Setting& setting : Settings()) {
        const Variant value = prefs.Get(setting.key, setting.defaultValue);
        std::visit([&](auto member) { Assign(app.*member, value, setting.defaultValue); },
                   setting.property);
    }

    // A file that could not be read at all may still hold the user's
    // settings, so only a missing or key-less one is replaced by defaults.
    if (ok || refused)
        return;
    try {
        KeepUnreadFile();
        prefs.WriteFile();
    } catch (const IOException& e) {
        ReportUnwritable(e);
    }
}

void winMain::WritePrefs() {
    Preferences prefs;
    prefs.Filename = kPrefsFilename;
    const App& app = TheApp();
    for (const Setting& setting : Settings())
        std::visit([&](auto member) { prefs.Put(setting.key, Variant(app.*member)); },
                   setting.property);
    try {
        prefs.WriteFile();
    } catch (const IOException& e) {
        ReportUnwritable(e);
    }
}
