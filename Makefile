# make run: install what is missing, build, start the program on its demo service.
# make test: install what is missing, build, run every test headless (normal and sanitizer builds).
# make bench: install what is missing, build, measure start-up under Xvfb and print one table
#   (BENCH_RUNS=n runs per measure, default 5; BENCH_CONTACTS=n for the large address book).
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
BENCH_RUNS ?= 5
BENCH_CONTACTS ?= 10000
# A desktop session has a session bus, and Qt's accessibility bridge looks for
# one while the first window is built: without it Qt tries to launch a bus and
# the start waits. The benchmark runs inside a bus of its own, as on a desktop;
# BENCH_SESSION= (empty) measures without one.
BENCH_SESSION ?= dbus-run-session --
FUZZ_BUILD ?= build-fuzz
# Seconds each fuzz target runs: short in CI (fuzz-ci), longer by hand (fuzz).
FUZZ_CI_SECONDS ?= 15
FUZZ_SECONDS ?= 600

.PHONY: all deps lint build build-asan run test test-normal test-asan bench bench-search bench-chat bench-calls clean fuzz fuzz-ci fuzz-build

all: build

deps:
	@scripts/install-deps

# The format of every tracked C++ file (.clang-format) and clazy's checks over
# our sources (a moc-only build folder, build-lint); CI runs it before the tests.
lint: deps
	@JOBS=$(JOBS) scripts/lint

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZENT_SANITIZE=ON

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

build-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j$(JOBS)

run: build
	cd $(BUILD)/dist && ./zent

test-normal: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

test-asan: build-asan
	cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS)

test: test-normal test-asan

# The start-up table ends with the search, chat transcript and call rows
# (tools/bench/search, tools/bench/chat, tools/bench/calls).
bench: build
	$(BENCH_SESSION) xvfb-run -a -s "-screen 0 1280x800x24" $(BUILD)/tools/bench/zent-bench \
	  --program $(BUILD)/dist/zent --runs $(BENCH_RUNS) --contacts $(BENCH_CONTACTS)

# Search and scrolling alone, with BENCH_CONTACTS contacts: a keystroke until the
# own-contacts filter is updated (target 10 ms) and painted, and every frame of
# scrolling the list (target 16 ms).
bench-search: build
	ZENT_DEMO_CONTACTS=$(BENCH_CONTACTS) xvfb-run -a -s "-screen 0 1280x800x24" \
	  $(BUILD)/tools/bench/search/zent-bench-search --runs $(BENCH_RUNS)

# Chat transcript alone: open 5,000 messages to a painted page (target 200 ms)
# and append one (target 5 ms); medians of BENCH_RUNS runs.
bench-chat: build
	$(BUILD)/tools/bench/chat/zent-bench-chat --runs $(BENCH_RUNS)

# Calls alone: a click on a contact's Call until the call window is painted
# (target 100 ms), an incoming call until its popup is painted (50 ms), and the
# memory growth over 50 calls placed and ended (5 MB).
bench-calls: build
	xvfb-run -a -s "-screen 0 1280x800x24" \
	  $(BUILD)/tools/bench/calls/zent-bench-calls --runs $(BENCH_RUNS)

# libFuzzer targets (clang with the sanitizers): text to HTML, product links,
# configuration files, style files, ring-signal lists, verification status,
# the demo service's store (tests/fuzz lists them all).
# A crash or sanitizer report fails; the input is kept in $(FUZZ_BUILD)/tests/fuzz.
# Zero warnings is the gcc builds' gate: clang's own warnings do not stop it.
fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENT_FUZZ=ON \
	  -DZENT_FUZZ_SECONDS=$(SECONDS_FOR_RUN) -DZENT_WARNINGS_AS_ERRORS=OFF
	cmake --build $(FUZZ_BUILD) --target zent_fuzz -j$(JOBS)

fuzz-ci: SECONDS_FOR_RUN = $(FUZZ_CI_SECONDS)
fuzz-ci: fuzz-build
	cd $(FUZZ_BUILD) && ctest -L fuzz --output-on-failure -j$(JOBS)

fuzz: SECONDS_FOR_RUN = $(FUZZ_SECONDS)
fuzz: fuzz-build
	cd $(FUZZ_BUILD) && ctest -L fuzz --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
