// What a new game is made from: the box size, the level and where the puzzle comes from. A value
// the model holds, the kept game stores and the window's radio groups show. Plain C++, no Qt.
#pragma once

#include <cstdint>

// Where the puzzle of a game came from: an entry of the built-in catalogue, or one the player
// brought (typed, pasted or opened).
enum class TPuzzleOrigin : std::uint8_t { Catalogue, Own };

struct TGameParams {
  std::int32_t boxSize = 3;  // 3, 4 or 5: a 9×9, 16×16 or 25×25 grid
  // The catalogue's level letter: 'E' simple, 'M' medium, 'A' high; '\0' while none is chosen.
  char level = 'E';
  TPuzzleOrigin source = TPuzzleOrigin::Catalogue;
  bool operator==(const TGameParams&) const = default;
};
