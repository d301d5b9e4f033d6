#include "ScreensaverUtilities.h"

#include "Services.h"

namespace ScreensaverUtilities {

void DelayScreensaverMac() { TheServices().UserActivity(); }

void DisableScreensaverWin() {}

void EnableScreensaverWin() {}

} // namespace ScreensaverUtilities
