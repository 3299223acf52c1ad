// Makes the pictures compiled into the static resource library reachable under ":/tessamond/".
#pragma once

// Safe to call more than once; call it before the first picture is loaded.
void TsdInitResources();
