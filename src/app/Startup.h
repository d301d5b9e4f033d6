#pragma once

// The application's start-up: creates App with its menu bar and its two
// Help handlers, then the main window, whose Open loads the settings.
void Startup();
