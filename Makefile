# Entry points for newcomers, CI and maintainers. Every target installs what it is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CTEST_ENV   = QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

.PHONY: all deps build run test package asan-test fuzz kill-test data media clean

all: build

deps:
	./scripts/install-deps.sh build

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./scripts/install-deps.sh run
	cd $(BUILD) && ./tavrel

test: build
	cd $(BUILD) && $(CTEST_ENV) ctest --output-on-failure -j$(JOBS)

# The Debian package of the program, written into the build folder.
package: build
	cd $(BUILD) && cpack -G DEB

# The whole suite again with address and undefined-behaviour sanitizers; any report fails it.
asan-test: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTAVREL_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && $(CTEST_ENV) \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j$(JOBS)

# Every reader of outside files under libFuzzer (clang), FUZZ_SECONDS each; not part of test.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz:
	./scripts/install-deps.sh fuzz
	JOBS=$(JOBS) ./scripts/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Every writer killed at random moments, KILL_RUNS times each; what is on disk is checked after.
KILL_RUNS ?= 200
kill-test: build
	$(BUILD)/tests/kill_writers $(KILL_RUNS)

# Maintainers: regenerate the committed teaching data and media under data/.
data: build
	./scripts/install-deps.sh data
	./scripts/make-data.sh $(BUILD)

media: build
	./scripts/install-deps.sh media
	./scripts/make-media.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
