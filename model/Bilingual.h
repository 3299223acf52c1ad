// A text in both interface languages, as the model hands its messages and captions to the window.
#pragma once

#include <string>

// The window shows the Italian text when its language is "IT", the English one otherwise.
struct TBilingual {
  std::string italian;
  std::string english;
  bool operator==(const TBilingual&) const = default;
};
