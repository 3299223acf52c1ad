// What the kept game's loader is given and what it is not allowed to pass: harmless variants of
// the text made readable first, and afterwards games no player could have left refused.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Bilingual.h"
#include "SavedGame.h"

// The longest time a kept game can have been played: a year. More is a damaged or a made-up file.
inline constexpr std::int64_t MaxPlausibleElapsedMs = 366LL * 24 * 3600 * 1000;

// The bytes with the variants an editor or another system makes of a kept file undone: a UTF-8
// byte-order mark at the start, and "\r\n" ending every line. A file where only some lines end
// with "\r\n", or with a "\r" anywhere else, is left as it is, for the loader to refuse.
std::string NormaliseSavedGameText(std::string_view bytes);

// Why a game the loader accepted cannot be one a player left: the givens allow another solution
// than the stored one, or its time is longer than a year. None when it is plausible.
std::optional<TBilingual> ImplausibleSavedGame(const TSavedGame& game);

// The whole check of a kept file: normalised, read field by field, then judged plausible.
TSavedGameRead LoadKeptGame(std::string_view bytes);
