#pragma once

#include <QHash>
#include <QString>
#include <functional>

// Menu commands bound by item name. The application and every window keep
// such a table; a window's handlers come before the application's.
class MenuHandlers {
  public:
    // Binds `itemName` to a handler that returns true when it handled the
    // command.
    void AddMenuHandler(const QString& itemName, std::function<bool()> handler) {
        mHandlers.insert(itemName, std::move(handler));
    }
    bool HasMenuHandler(const QString& itemName) const { return mHandlers.contains(itemName); }
    // Runs the handler bound to `itemName`; false when there is none.
    bool HandleMenu(const QString& itemName) {
        const auto it = mHandlers.constFind(itemName);
        return it != mHandlers.constEnd() && it.value()();
    }

  private:
    QHash<QString, std::function<bool()>> mHandlers;
};
