#include "files/SystemFolders.h"

#include "files/IOException.h"
#include "system/Services.h"

FolderItem SpecialFolder::Preferences() {
    const QString path = TheServices().PreferencesFolder();
    if (path.isEmpty())
        throw IOException(QStringLiteral("(preferences folder)"),
                          QStringLiteral("the system names no preferences folder"));
    return FolderItem(path);
}
