#pragma once

#include <QString>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class Window;

// One entry of a menu tree: a menu (once it has children), a command or a
// separator (text "-"). Commands reach the program by the item's name.
class MenuItem {
  public:
    MenuItem();
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    // Items the system would place itself elsewhere on other platforms.
    enum class Role { Plain, Preferences, Quit, About };
    virtual Role ItemRole() const { return Role::Plain; }

    QString Name;
    // Whether the framework enables the item by itself when a handler or
    // the framework's own behaviour can act on it.
    bool AutoEnable = true;

    QString Text() const { return mText; }
    // "&" stands before the mnemonic letter; "-" alone makes a separator.
    void SetText(const QString& text);
    QString KeyboardShortcut() const { return mShortcut; }
    // "Cmd+T" style; Cmd means Ctrl on this platform.
    void SetKeyboardShortcut(const QString& shortcut);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void Enable() { SetEnabled(true); }

    void Append(std::unique_ptr<MenuItem> item);
    int Count() const { return static_cast<int>(mChildren.size()); }
    MenuItem* Item(int index) const;
    // A direct child by name, or nullptr.
    MenuItem* Child(const QString& name) const;
    // An item by name anywhere below this one, or nullptr.
    MenuItem* FindItem(const QString& name) const;
    MenuItem* Parent() const { return mParent; }
    bool IsSeparator() const { return mText == QLatin1String("-"); }

    // The toolkit objects, for the framework and for tests.
    QAction* Action() const;
    QMenu* Menu() const { return mMenu.get(); }

  protected:
    // The menu bar this item belongs to, or nullptr.
    class MenuBar* Bar();

  private:
    void Triggered();
    void AfterAppend(MenuItem& child);

    QString mText;
    QString mShortcut;
    MenuItem* mParent = nullptr;
    std::unique_ptr<QAction> mAction;
    std::unique_ptr<QMenu> mMenu;
    std::vector<std::unique_ptr<MenuItem>> mChildren;
};

class PrefsMenuItem : public MenuItem {
  public:
    Role ItemRole() const override { return Role::Preferences; }
};

class QuitMenuItem : public MenuItem {
  public:
    Role ItemRole() const override { return Role::Quit; }
};

class AppleMenuItem : public MenuItem {
  public:
    Role ItemRole() const override { return Role::About; }
};

// The root of a menu tree. One bar can serve the application and a window
// at once; each window it is attached to shows it in a menu bar widget of
// its own.
class MenuBar : public MenuItem {
  public:
    MenuBar();
    ~MenuBar() override;

    void Attach(Window& window);
    void Detach(Window& window);
    QMenuBar* WidgetFor(const Window& window) const;

    // Enables every command by the automatic rule: an item with AutoEnable
    // is enabled when a handler of `window` or of the application, or the
    // framework's own behaviour, can act on it; every other item is disabled
    // until the program enables it.
    void ApplyAutoEnable(Window* window);

    // Runs the command of `item`: the window's handler, else the
    // application's, else the framework's own behaviour.
    void Dispatch(MenuItem& item);

    // The window whose menus act now.
    Window* TargetWindow() const;

  private:
    friend class MenuItem;
    void MenuAdded(QMenu* menu, bool onBar);

    struct Attachment {
        Window* window;
        QMenuBar* widget;
    };
    std::vector<Attachment> mAttached;
};
