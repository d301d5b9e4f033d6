#include "MenuBar1.h"

#include "system/Application.h"

MenuBar1::MenuBar1() {
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
    Untitled4();
}

void MenuBar1::AppendMenu(const QString& name, const QString& text) {
    auto menu = std::make_unique<MenuItem>();
    menu->Name = name;
    menu->AutoEnable = true;
    menu->SetText(text);
    menu->SetKeyboardShortcut(QString());
    Append(std::move(menu));
}

template <class Item>
void MenuBar1::AppendItem(const QString& menu, const QString& name, bool autoEnable,
                          const QString& text, const QString& shortcut) {
    auto item = std::make_unique<Item>();
    item->Name = name;
    item->AutoEnable = autoEnable;
    item->SetText(text);
    item->SetKeyboardShortcut(shortcut);
    Child(menu)->Append(std::move(item));
}

void MenuBar1::AppendSeparator(const QString& menu, const QString& name) {
    auto item = std::make_unique<MenuItem>();
    item->Name = name;
    item->AutoEnable = true;
    item->SetText(QStringLiteral("-"));
    Child(menu)->Append(std::move(item));
}

void MenuBar1::Untitled0() {
    AppendMenu("FileMenu", "&File");
    AppendItem<PrefsMenuItem>("FileMenu", "FilePreferences", false, "&Preferences...", "Cmd+,");
    AppendItem<QuitMenuItem>("FileMenu", "FileQuit", true, "&Quit", "Cmd+Q");
}

void MenuBar1::Untitled1() {
    AppendMenu("EditMenu", "&Edit");
    AppendItem("EditMenu", "EditUndo", true, "&Undo", "Cmd+Z");
    AppendSeparator("EditMenu", "UntitledMenu1");
    AppendItem("EditMenu", "EditCut", true, "Cu&t", "Cmd+X");
    AppendItem("EditMenu", "EditCopy", true, "&Copy", "Cmd+C");
    AppendItem("EditMenu", "EditPaste", true, "&Paste", "Cmd+V");
    AppendItem("EditMenu", "EditClear", true, "&Delete", "");
    AppendSeparator("EditMenu", "UntitledMenu0");
    AppendItem("EditMenu", "EditSelectAll", true, "Select &All", "Cmd+A");
}

void MenuBar1::Untitled2() {
    AppendMenu("TimerMenu", "&Timer");
    AppendItem("TimerMenu", "TimerSet", false, "S&et...", "Cmd+T");
    AppendItem("TimerMenu", "TimerStart", true, "S&tart", "Cmd+R");
}

void MenuBar1::Untitled3() {
    AppendMenu("ViewMenu", "&View");
    AppendItem("ViewMenu", "ViewToggleFullscreen", true, "Toggle &Fullscreen", "Cmd+F");
}

void MenuBar1::Untitled4() {
    AppendMenu("HelpMenu", "&Help");
    AppendItem("HelpMenu", "HelpHelp", true, "&Help...", "");
    AppendSeparator("HelpMenu", "UntitledSeparator");
    AppendItem("HelpMenu", "HelpDonate", true, "&Donate...", "");
    AppendItem("HelpMenu", "HelpVisitWebsite", true, "&Visit Website...", "");
    AppendSeparator("HelpMenu", "UntitledSeparator0");
    AppendItem<AppleMenuItem>("HelpMenu", "HelpAbout", true, "&About Quendle...", "");
}

MenuBar1& TheMenuBar1() {
    static MenuBar1* instance = nullptr;
    if (!instance) {
        instance = new MenuBar1;
        // Released with the application, while the toolkit still exists.
        Application::AtShutdown([] {
            delete instance;
            instance = nullptr;
        });
    }
    return *instance;
}
