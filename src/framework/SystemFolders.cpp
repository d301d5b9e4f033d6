#include "SystemFolders.h"

#include "IOException.h"
#include "Services.h"

FolderItem SpecialFolder::Preferences() {
    const QString path = TheServices().PreferencesFolder();
    if (path.isEmpty())
        throw IOException(QStringLiteral("(preferences folder)"),
                          QStringLiteral("the system names no preferences folder"));
    return FolderItem(path);
}
