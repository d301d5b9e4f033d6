#include "ScreensaverUtilities.h"

#include "system/Services.h"

namespace ScreensaverUtilities {

void DelayScreensaverMac() {
    TheServices().UserActivity();
}

void DisableScreensaverWin() {}

void EnableScreensaverWin() {}

} // namespace ScreensaverUtilities
