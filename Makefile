# make run: install what is missing, build, start the program on its demo service.
# make test: install what is missing, build, run every test headless (normal and sanitizer builds).
# make bench: install what is missing, build, measure start-up under Xvfb and print one table
#   (BENCH_RUNS=n runs per measure, default 5; BENCH_CONTACTS=n for the large address book).
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
BENCH_RUNS ?= 5
BENCH_CONTACTS ?= 5000

.PHONY: all deps build build-asan run test test-normal test-asan bench clean

all: build

deps:
	@scripts/install-deps

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

bench: build
	xvfb-run -a -s "-screen 0 1280x800x24" $(BUILD)/tools/bench/zent-bench \
	  --program $(BUILD)/dist/zent --runs $(BENCH_RUNS) --contacts $(BENCH_CONTACTS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
