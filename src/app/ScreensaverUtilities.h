#pragma once

// Keeping the screensaver and display sleep away while a count runs.
namespace ScreensaverUtilities {
// Tells the desktop that the user is active; called on every tick of a
// running count while the option is on.
void DelayScreensaverMac();
// Kept for the engine's calls at start and stop; the activity calls alone
// do the work here.
void DisableScreensaverWin();
void EnableScreensaverWin();
} // namespace ScreensaverUtilities
