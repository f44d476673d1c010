# Everything a fresh Debian 12 machine needs goes through scripts/install-deps.sh.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test run screenshot bench clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "No display to show the window on; 'make screenshot' runs it under Xvfb instead."; \
	  exit 1; \
	fi
	$(BUILD)/app/quorvex

# Runs the program under Xvfb through a small example and saves docs/screenshot.png.
screenshot: build
	xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
	  $(BUILD)/app/quorvex-screenshot docs/screenshot.png

# Speed and memory against an awk + sort pipeline; see the README's Performance section.
bench: build
	@bash scripts/install-deps.sh bench
	@bash bench/run.sh $(BUILD)

clean:
	rm -rf $(BUILD)
