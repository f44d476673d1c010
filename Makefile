# Everything a fresh Debian 12 machine needs goes through scripts/install-deps.sh.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
