# Everything a fresh Debian 12 machine needs goes through scripts/install-deps.sh.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test test-fast test-sanitize fuzz run screenshot bench package clean \
        windows test-windows bench-windows screenshot-windows

all: build

# The packages are looked for again only when their list changes (or after make clean).
DEPS_STAMP := $(BUILD)/.packages-installed
$(DEPS_STAMP): scripts/install-deps.sh
	@bash scripts/install-deps.sh
	@mkdir -p $(BUILD) && touch $@
deps: $(DEPS_STAMP)

# Configured once; from then on the build configures itself again when a CMakeLists.txt changes.
$(BUILD)/build.ninja: $(DEPS_STAMP)
	cmake -S . -B $(BUILD) -G Ninja
configure: $(BUILD)/build.ninja

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The engine's and the windows' tests alone: no X server, no package.
test-fast: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) -L "unit|window"

# Every test, windows included, built with AddressSanitizer and UBSan; any finding fails.
SANITIZE_BUILD ?= build-sanitize
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DQUORVEX_SANITIZE=ON
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS)

# Coverage-guided fuzzing of the engine, each target from its kept corpus for
# FUZZ_SECONDS (default 60) in turn.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= engine decode draw coverage library history games play
fuzz:
	@bash scripts/install-deps.sh fuzz
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DQUORVEX_FUZZ=ON \
	  -DQUORVEX_WINDOWS=OFF -DBUILD_TESTING=OFF
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) $(addprefix --target fuzz_,$(FUZZ_TARGETS))
	@for name in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$name; \
	  echo "fuzz_$$name:"; \
	  log=$(FUZZ_BUILD)/fuzz_$$name.log; \
	  $(FUZZ_BUILD)/tests/fuzz/fuzz_$$name -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	    -print_final_stats=1 $(FUZZ_BUILD)/corpus/$$name tests/fuzz/corpus/$$name >$$log 2>&1; \
	  status=$$?; \
	  grep -E "^(Done|stat::(number_of_executed_units|new_units_added))" $$log; \
	  grep -E "^#[0-9]+.*(DONE|pulse)" $$log | tail -1; \
	  if [ $$status -ne 0 ]; then tail -40 $$log; exit 1; fi; \
	done

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "No display to show the window on; 'make screenshot' runs it under Xvfb instead."; \
	  exit 1; \
	fi
	$(BUILD)/app/quorvex

# Runs the program under Xvfb through a small example and saves docs/screenshot.png,
# its notice, its File menu and the wheel report on a published covering kept for
# the tests; then the window at twice the scale, as on a high-DPI screen.
screenshot: build
	bash tests/app/with_xvfb.sh 1280x1024x24 env QT_QPA_PLATFORM=xcb \
	  $(BUILD)/app/quorvex-screenshot docs/screenshot.png tests/data/wheels/C_10_6_5.txt
	bash tests/app/with_xvfb.sh 2560x2048x24 env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 \
	  $(BUILD)/app/quorvex-screenshot docs/screenshot-scale2.png

# Speed and memory against an awk + sort pipeline; see the README's Performance section.
bench: build
	@bash scripts/install-deps.sh bench
	@bash bench/run.sh $(BUILD)

# A Debian package of the program, in $(BUILD)/.
package: build
	cd $(BUILD) && cpack -G DEB

# Windows, cross-built here: Qt for Windows once into a cache outside the tree (about
# 35 minutes on two cores, then reused), the programs, the zip and the installer in
# $(WINDOWS_BUILD)/, optimized as the Linux build is (-O2). The tests and the benchmark
# run them under Wine.
WINDOWS_BUILD ?= build-windows
QT_WINDOWS ?= $(HOME)/.cache/quorvex/qt-6.4.2-mingw64
WINE ?= /usr/lib/wine/wine64
WINE_ENV = WINEPREFIX=$(abspath $(WINDOWS_BUILD))/wine WINEDEBUG=-all
windows:
	@bash scripts/install-deps.sh windows
	@QUORVEX_QT_WINDOWS=$(QT_WINDOWS) JOBS=$(JOBS) bash scripts/build-qt-windows.sh
	@test -f $(WINDOWS_BUILD)/build.ninja || cmake -S . -B $(WINDOWS_BUILD) -G Ninja \
	  -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	  -DQUORVEX_QT_WINDOWS=$(QT_WINDOWS) -DQT_HOST_PATH=/usr \
	  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
	  -DCMAKE_CROSSCOMPILING_EMULATOR=$(WINE)
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	@cmake --build $(WINDOWS_BUILD) --target windows_package

# Every test of the Windows build under Wine, in one X server: the engine's, the
# windows' (on Windows' own platform), the program's window, the installer and what
# the programs import.
test-windows: windows
	$(WINE_ENV) WINE=$(WINE) INSIDE_XVFB=1 bash tests/app/with_xvfb.sh 1280x1024x24 \
	  bash tests/windows/one_wine_server.sh \
	  ctest --test-dir $(WINDOWS_BUILD) --output-on-failure -j $(JOBS)

# The engine under Wine against the same engine on Linux, side by side on one
# million-line wheel: times, their ratio, and the two outputs compared.
bench-windows: build windows
	@$(WINE_ENV) bash bench/windows_speed.sh $(BUILD) $(WINDOWS_BUILD)

# The worked example under Wine, as docs/screenshot-windows.png.
screenshot-windows: windows
	$(WINE_ENV) bash tests/app/with_xvfb.sh 1280x1024x24 $(WINE) \
	  $(WINDOWS_BUILD)/quorvex-screenshot.exe docs/screenshot-windows.png \
	  tests/data/wheels/C_10_6_5.txt

clean:
	rm -rf $(BUILD) $(WINDOWS_BUILD)
