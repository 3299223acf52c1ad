#include "FontWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

TFontWarmUp::TFontWarmUp() {
  try {
    FThread = std::thread([] { FcInit(); });
  } catch (const std::system_error&) {
    // No thread to be had: Qt reads the configuration in line, as it would without us.
  }
}

TFontWarmUp::~TFontWarmUp() {
  Wait();
}

void TFontWarmUp::Wait() {
  if (FThread.joinable()) FThread.join();
}
