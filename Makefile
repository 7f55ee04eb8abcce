# make run   builds the program and starts it under Wine
# make test  builds every target and runs every test
# make fuzz  runs every fuzz target for FUZZ_SECONDS each
# Each installs what is missing first (Debian packages).

PRESETS := native windows-x64 windows-x86 fuzz
JOBS ?= 2
FUZZ_SECONDS ?= 180

.PHONY: all deps build run test fuzz bench clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@set -e; for p in $(PRESETS); do \
	  cmake --preset $$p >build-$$p.log 2>&1 || { cat build-$$p.log; exit 1; }; \
	  cmake --build --preset $$p -j$(JOBS); \
	done; rm -f build-*.log

# One ctest over every build, so the run ends with one summary.
test: build
	@for p in $(PRESETS); do printf 'subdirs("%s")\n' $$p; done >build/CTestTestfile.cmake
	cd build && ctest --output-on-failure -j$(JOBS) --timeout 600

run: deps
	@cmake --preset windows-x64 >/dev/null
	@cmake --build --preset windows-x64 -j$(JOBS) --target plimsett
	@scripts/run.sh build/windows-x64

fuzz: deps
	@cmake --preset fuzz >build-fuzz.log 2>&1 || { cat build-fuzz.log; exit 1; }; rm -f build-fuzz.log
	@cmake --build --preset fuzz -j$(JOBS)
	@fuzz/run-fuzzers.sh build/fuzz $(FUZZ_SECONDS)

# The conversions against memcpy, a fresh filled output and the literal
# composition; then bytesettext against python3 one-liners.
bench: deps
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j$(JOBS) --target conversion_bench bytesettext
	build/native/bench/conversion_bench
	bench/cli-vs-python.sh build/native/cli/bytesettext

clean:
	rm -rf build
