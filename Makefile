# What people type: make run, make test, make bench, make asan. Each target installs missing packages first.
PRESET ?= ci
BUILD_DIR := build/$(PRESET)
# The game to play is built without -Werror: a new compiler's new warning must not stop a player.
RUN_PRESET ?= dev
GAME := build/$(RUN_PRESET)/shell/tessamond

.PHONY: all deps build run test soak bench asan print-samples clean format fuzz memcheck package bench-peers

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET)

run: deps
	@cmake --preset $(RUN_PRESET) >/dev/null
	@cmake --build --preset $(RUN_PRESET) --target tessamond tessamond_help
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found. To play on a virtual display, run:"; \
	  echo "  Xvfb :99 -screen 0 1280x1024x24 & DISPLAY=:99 $(GAME)"; \
	  echo "or, to look at it headless: QT_QPA_PLATFORM=offscreen $(GAME)"; \
	else \
	  "$(GAME)"; \
	fi

# The suite includes the game under the real Orca, which needs its own packages.
test: build
	@bash scripts/install-deps.sh orca
	@ctest --preset $(PRESET)

# The monkey test with fresh random seeds for SOAK_SECONDS (default 600), each seed printed before
# it runs; a failure names the seed and the action, and TESSAMOND_MONKEY_SEED=<seed> replays it.
# Then the kill-9 soak: SOAK_KILLS (default 300) kills of the real window while it types into a
# kept game; `kill_soak <kills> <seed>` replays a run.
SOAK_SECONDS ?= 600
SOAK_KILLS ?= 300
soak: build
	@QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu \
	  TESSAMOND_MONKEY_SECONDS=$(SOAK_SECONDS) \
	  $(BUILD_DIR)/tests/window/window_test_monkey randomActionsKeepThePromises
	@QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu \
	  $(BUILD_DIR)/soak/kill_soak $(SOAK_KILLS)


# The release preset turns the benchmarks on; no other build compiles them.
bench:
	@bash scripts/install-deps.sh bench
	@cmake --preset release >/dev/null
	@cmake --build --preset release
	@for b in $$(find build/release/bench -type f -executable -name 'bench_*' | sort); do \
	  echo "== $$b"; "$$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || exit 1; \
	done

# One printed page per size, a game in play with its marks, as PDFs in the build folder.
print-samples: build
	@cmake --build --preset $(PRESET) --target print-samples

asan:
	@bash scripts/install-deps.sh asan
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

# Fuzzes the engine, then the saved-game loader, for FUZZ_SECONDS each (default 600) with clang's
# libFuzzer. The committed seeds in fuzz/corpus and fuzz/corpus-saved-game stay as they are; what a
# run learns goes to build/fuzz/corpus and build/fuzz/corpus-saved-game, a crash to
# build/fuzz/artifacts, and the run then fails.
FUZZ_SECONDS ?= 600
fuzz:
	@bash scripts/install-deps.sh fuzz
	@cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTESSAMOND_FUZZ=ON >/dev/null
	@cmake --build build/fuzz --target fuzz_engine fuzz_saved_game
	@mkdir -p build/fuzz/corpus build/fuzz/corpus-saved-game build/fuzz/artifacts
	@build/fuzz/fuzz/fuzz_engine -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -print_final_stats=1 \
	  -artifact_prefix=build/fuzz/artifacts/ build/fuzz/corpus fuzz/corpus
	@build/fuzz/fuzz/fuzz_saved_game -max_total_time=$(FUZZ_SECONDS) -max_len=20000 \
	  -print_final_stats=1 -artifact_prefix=build/fuzz/artifacts/ build/fuzz/corpus-saved-game \
	  fuzz/corpus-saved-game

# The Debian package: a Release build of the game alone (no tests), then CPack. The .deb lands in
# build/package.
package:
	@bash scripts/install-deps.sh package
	@cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
	@cmake --build build/package --target tessamond tessamond_help
	@cd build/package && cpack -G DEB >/dev/null
	@ls build/package/*.deb

# Tessamond and the floor (a bare Qt window) beside the Debian Sudoku games (installed here, only
# for this) in one sitting.
bench-peers:
	@bash scripts/install-deps.sh bench-peers
	@bash scripts/install-peers.sh
	@cmake --preset release >/dev/null
	@cmake --build --preset release --target tessamond tessamond_help tessamond-floor bench_newgame
	@bash bench/peers/run.sh build/release

# A scripted offscreen session (every size generated, played, printed to PDF, quit) under valgrind:
# fails on a memory error or a definite leak.
memcheck: build
	@bash scripts/install-deps.sh memcheck
	@bash scripts/memcheck.sh $(BUILD_DIR)

format:
	@bash scripts/install-deps.sh format
	@git ls-files '*.cpp' '*.h' | grep -v '^catalogue/data/' | xargs clang-format -i

clean:
	@rm -rf build
