# Convenience entry points; CMake does the real work.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
TEST_ENV = QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu

.PHONY: all deps configure build test package run bench asan fuzz clean

all: build

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && $(TEST_ENV) ctest --output-on-failure -j $(JOBS)

# The Debian package, tidrel_<version>_<arch>.deb in the build folder.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

run: build
	./scripts/run.sh $(BUILD_DIR)

bench: build
	./scripts/bench.sh $(BUILD_DIR)

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
# Chromium inside QtWebEngine frees some of its own objects through a base
# type, which ASan reports as a new/delete size mismatch in Qt's library, not
# in ours; that one check is off. Leaks are Qt's and Chromium's caches.
asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTIDREL_SANITIZE=ON -DTIDREL_BUILD_BENCH=OFF
	cmake --build build-asan -j $(JOBS)
	cd build-asan && $(TEST_ENV) ASAN_OPTIONS=detect_leaks=0:new_delete_type_mismatch=0 ctest --output-on-failure -j $(JOBS)

# The fuzz targets with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer,
# each run for FUZZ_SECONDS (e.g. FUZZ_SECONDS=600 make fuzz); FUZZ_JOBS runs
# several at once. `make test` replays their seeds in the normal build.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIDREL_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzz_all
	./scripts/fuzz.sh build-fuzz

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz
