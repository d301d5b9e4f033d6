#pragma once

#include "files/FolderItem.h"

// The folders the system assigns to the application.
class SpecialFolder {
  public:
    // The user's preferences folder (the XDG config folder). It may not
    // exist yet; it is made when a file is first created in it. Raises
    // IOException when the system names none.
    static FolderItem Preferences();
};
