// Reads the system's font configuration on a second thread while Qt connects to the display.
#pragma once

#include <thread>

// Qt reads the font configuration (dozens of XML files and the font caches, several milliseconds)
// the first time a control measures its text, which is after the connection to the display is
// made and before the first window can be shown. Reading it ahead, while the main thread waits on
// the display, takes that time out of start-up; fontconfig keeps one configuration per process and
// creates it safely from any thread, so Qt finds it ready and uses it as its own.
class TFontWarmUp {
 public:
  TFontWarmUp();
  ~TFontWarmUp();
  TFontWarmUp(const TFontWarmUp&) = delete;
  TFontWarmUp& operator=(const TFontWarmUp&) = delete;

  // Returns once the configuration is read (at once when it already is, or when the thread could
  // not be started and Qt will read it itself).
  void Wait();

 private:
  std::thread FThread;
};
