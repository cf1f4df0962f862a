# Everyday commands. Each one installs what is missing first, so they work on
# a fresh Debian machine.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test run package bench screenshots fuzz clean

all: build

deps:
	./scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

run: build
	./scripts/run-tenrix $(BUILD_DIR)/bin/tenrix

# A Debian package of the installed files: build/tenrix_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD_DIR) --target package

bench: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target tenrix-bench tenrix-gui-bench tenrix-batch-bench
	$(BUILD_DIR)/bin/tenrix-bench
	$(BUILD_DIR)/bin/tenrix-batch-bench 1000
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/tenrix-gui-bench

# Pictures of every window, its lists and dialogs, on the offscreen platform.
screenshots: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target tenrix-screenshots
	$(BUILD_DIR)/bin/tenrix-screenshots $(BUILD_DIR)/screenshots

fuzz:
	./scripts/install-deps clang-14 libclang-rt-14-dev
	./scripts/run-fuzzers

clean:
	rm -rf $(BUILD_DIR)
