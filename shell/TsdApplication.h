// What the program sets on its application object before any window exists.
#pragma once

// The title shown on the task bar, the desktop entry the window belongs to, and the game's icon
// for task bars and switchers that find no desktop entry.
void TsdSetUpApplication();
