#pragma once

// Plays one alert sound: the desktop sound theme's "bell", or the X bell
// where no sound can be played. Returns at once; the sound plays on its own.
void PlayAlertSound();
