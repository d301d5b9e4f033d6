#include "ui/MenuBar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <algorithm>

#include "system/Application.h"
#include "system/Runtime.h"
#include "ui/Window.h"

namespace {

// The Edit commands act on the focused text field, as everywhere on the
// desktop; they need no handler of the program's.
enum class EditCommand { None, Undo, Cut, Copy, Paste, Clear, SelectAll };

EditCommand EditCommandOf(const QString& name) {
    if (name == QLatin1String("EditUndo"))
        return EditCommand::Undo;
    if (name == QLatin1String("EditCut"))
        return EditCommand::Cut;
    if (name == QLatin1String("EditCopy"))
        return EditCommand::Copy;
    if (name == QLatin1String("EditPaste"))
        return EditCommand::Paste;
    if (name == QLatin1String("EditClear"))
        return EditCommand::Clear;
    if (name == QLatin1String("EditSelectAll"))
        return EditCommand::SelectAll;
    return EditCommand::None;
}

bool ClipboardHasText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard && !clipboard->text().isEmpty();
}

// Whether the command can act on `w`, and, when `run`, acts.
bool EditOn(QWidget* w, EditCommand command, bool run) {
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        const bool editable = !line->isReadOnly();
        const bool selected = line->hasSelectedText();
        switch (command) {
        case EditCommand::Undo:
            if (run)
                line->undo();
            return editable && line->isUndoAvailable();
        case EditCommand::Cut:
            if (run)
                line->cut();
            return editable && selected;
        case EditCommand::Copy:
            if (run)
                line->copy();
            return selected;
        case EditCommand::Paste:
            if (run)
                line->paste();
            return editable && ClipboardHasText();
        case EditCommand::Clear:
            if (run)
                line->del();
            return editable && selected;
        case EditCommand::SelectAll:
            if (run)
                line->selectAll();
            return !line->text().isEmpty();
        case EditCommand::None:
            return false;
        }
    }
    if (auto* text = qobject_cast<QTextEdit*>(w)) {
        const bool editable = !text->isReadOnly();
        const bool selected = text->textCursor().hasSelection();
        switch (command) {
        case EditCommand::Undo:
            if (run)
                text->undo();
            return editable && text->document()->isUndoAvailable();
        case EditCommand::Cut:
            if (run)
                text->cut();
            return editable && selected;
        case EditCommand::Copy:
            if (run)
                text->copy();
            return selected;
        case EditCommand::Paste:
            if (run)
                text->paste();
            return editable && ClipboardHasText();
        case EditCommand::Clear:
            if (run)
                text->textCursor().removeSelectedText();
            return editable && selected;
        case EditCommand::SelectAll:
            if (run)
                text->selectAll();
            return !text->document()->isEmpty();
        case EditCommand::None:
            return false;
        }
    }
    return false;
}

bool CanEdit(EditCommand command) {
    return command != EditCommand::None && EditOn(QApplication::focusWidget(), command, false);
}

QString ShortcutForToolkit(const QString& shortcut) {
    QString s = shortcut;
    s.replace(QLatin1String("Cmd+"), QLatin1String("Ctrl+"));
    s.replace(QLatin1String("Option+"), QLatin1String("Alt+"));
    return s;
}

// Quitting closes every window first, each with its Close event; the main
// window's Close ends the application. Without windows it ends here.
void QuitApplication() {
    Application* app = Application::Instance();
    if (!app || app->Windows().empty()) {
        Quit(0);
        return;
    }
    const auto windows = app->Windows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        (*it)->Close();
}

} // namespace

MenuItem::MenuItem() : mAction(std::make_unique<QAction>()) {
    mAction->setMenuRole(QAction::NoRole);
    // One menu bar serves the whole program, as on a desktop whose menu bar
    // is the screen's: its shortcuts act from every window (the Help window
    // too), unless a sheet or a message box holds the window they are on.
    mAction->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(mAction.get(), &QAction::triggered, [this] { Triggered(); });
}

MenuItem::~MenuItem() {
    // Children first: their actions sit in this item's menu.
    mChildren.clear();
}

QAction* MenuItem::Action() const {
    return mMenu ? mMenu->menuAction() : mAction.get();
}

void MenuItem::SetText(const QString& text) {
    mText = text;
    QAction* action = Action();
    action->setSeparator(IsSeparator());
    if (!IsSeparator())
        action->setText(text);
    if (mMenu)
        mMenu->setTitle(text);
}

void MenuItem::SetKeyboardShortcut(const QString& shortcut) {
    mShortcut = shortcut;
    mAction->setShortcut(QKeySequence(ShortcutForToolkit(shortcut)));
}

bool MenuItem::Enabled() const {
    return Action()->isEnabled();
}
void MenuItem::SetEnabled(bool enabled) {
    Action()->setEnabled(enabled);
}

MenuItem* MenuItem::Item(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return mChildren[static_cast<size_t>(index)].get();
}

MenuItem* MenuItem::Child(const QString& name) const {
    for (auto& child : mChildren)
        if (child->Name == name)
            return child.get();
    return nullptr;
}

MenuItem* MenuItem::FindItem(const QString& name) const {
    for (auto& child : mChildren) {
        if (child->Name == name)
            return child.get();
        if (MenuItem* found = child->FindItem(name))
            return found;
    }
    return nullptr;
}

MenuBar* MenuItem::Bar() {
    MenuItem* item = this;
    while (item->mParent)
        item = item->mParent;
    return dynamic_cast<MenuBar*>(item);
}

void MenuItem::Append(std::unique_ptr<MenuItem> item) {
    MenuItem& child = *item;
    child.mParent = this;
    mChildren.push_back(std::move(item));
    AfterAppend(child);
}

void MenuItem::AfterAppend(MenuItem& child) {
    auto* bar = dynamic_cast<MenuBar*>(this);
    if (bar) {
        // A menu on the bar: its entries live in a menu of their own.
        if (!child.mMenu) {
            child.mMenu = std::make_unique<QMenu>();
            child.mMenu->setTitle(child.mText);
            child.mMenu->menuAction()->setEnabled(child.mAction->isEnabled());
        }
        bar->MenuAdded(child.mMenu.get(), true);
        return;
    }
    if (!mMenu) {
        mMenu = std::make_unique<QMenu>();
        mMenu->setTitle(mText);
        // A command that became a submenu shows as the submenu from now on.
        if (mParent && mParent->mMenu) {
            mParent->mMenu->insertAction(mAction.get(), mMenu->menuAction());
            mParent->mMenu->removeAction(mAction.get());
        }
        if (MenuBar* root = Bar())
            root->MenuAdded(mMenu.get(), false);
    }
    mMenu->addAction(child.Action());
    if (MenuBar* root = Bar())
        for (auto& attachment : root->mAttached)
            attachment.window->Host()->addAction(child.Action());
}

void MenuItem::Triggered() {
    if (MenuBar* bar = Bar())
        Guarded([&] { bar->Dispatch(*this); });
}

MenuBar::MenuBar() = default;

MenuBar::~MenuBar() {
    const auto attached = mAttached;
    for (auto& attachment : attached)
        attachment.window->SetMenuBar(nullptr);
}

void MenuBar::MenuAdded(QMenu* menu, bool onBar) {
    // Enabling runs before any menu opens.
    QObject::connect(menu, &QMenu::aboutToShow, [this] {
        if (Window* w = TargetWindow())
            Guarded([w] { w->PrepareMenus(); });
    });
    if (onBar)
        for (auto& attachment : mAttached)
            attachment.widget->addMenu(menu);
}

// Adds every command of the tree to `host` as well, so their shortcuts act
// while the bar itself is hidden (full screen).
static void AddActionsTo(QWidget* host, const MenuItem& item) {
    for (int i = 0; i < item.Count(); ++i) {
        MenuItem* child = item.Item(i);
        if (child->Count() == 0 && !child->IsSeparator())
            host->addAction(child->Action());
        AddActionsTo(host, *child);
    }
}

void MenuBar::Attach(Window& window) {
    auto* widget = new QMenuBar(window.Host());
    widget->setNativeMenuBar(false);
    for (int i = 0; i < Count(); ++i)
        if (QMenu* menu = Item(i)->Menu())
            widget->addMenu(menu);
    AddActionsTo(window.Host(), *this);
    mAttached.push_back({&window, widget});
}

void MenuBar::Detach(Window& window) {
    auto it = std::find_if(mAttached.begin(), mAttached.end(),
                           [&](const Attachment& a) { return a.window == &window; });
    if (it == mAttached.end())
        return;
    delete it->widget;
    mAttached.erase(it);
}

QMenuBar* MenuBar::WidgetFor(const Window& window) const {
    for (auto& attachment : mAttached)
        if (attachment.window == &window)
            return attachment.widget;
    return nullptr;
}

Window* MenuBar::TargetWindow() const {
    for (auto& attachment : mAttached)
        if (attachment.window->Host()->isActiveWindow())
            return attachment.window;
    return mAttached.empty() ? nullptr : mAttached.front().window;
}

static void ForEachCommand(MenuItem& item, const std::function<void(MenuItem&)>& fn) {
    for (int i = 0; i < item.Count(); ++i) {
        MenuItem& child = *item.Item(i);
        if (child.Count() == 0) {
            if (!child.IsSeparator())
                fn(child);
        } else {
            ForEachCommand(child, fn);
        }
    }
}

void MenuBar::ApplyAutoEnable(Window* window) {
    Application* app = Application::Instance();
    ForEachCommand(*this, [&](MenuItem& item) {
        bool enabled = false;
        if (item.AutoEnable) {
            enabled = (window && window->HasMenuHandler(item.Name)) ||
                      (app && app->HasMenuHandler(item.Name)) || item.ItemRole() == Role::Quit ||
                      CanEdit(EditCommandOf(item.Name));
        }
        item.SetEnabled(enabled);
    });
}

void MenuBar::Dispatch(MenuItem& item) {
    Window* window = TargetWindow();
    if (window && window->HasMenuHandler(item.Name)) {
        window->HandleMenu(item.Name);
        return;
    }
    Application* app = Application::Instance();
    if (app && app->HasMenuHandler(item.Name)) {
        app->HandleMenu(item.Name);
        return;
    }
    if (item.ItemRole() == Role::Quit) {
        QuitApplication();
        return;
    }
    if (const EditCommand command = EditCommandOf(item.Name); command != EditCommand::None)
        EditOn(QApplication::focusWidget(), command, true);
}
