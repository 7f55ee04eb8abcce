# make run   builds the program and starts it under Wine
# make test  builds every target and runs every test
# make fuzz  runs every fuzz target for FUZZ_SECONDS each
# make bench times the conversions against the machine's own limits and
#            prints the table with the goals, then the command-line tool
#            against Python and a click on the window under Wine where
#            they are there (about ten minutes)
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

bench: deps
	@cmake --preset native >build-native.log 2>&1 || { cat build-native.log; exit 1; }; rm -f build-native.log
	@cmake --build --preset native -j$(JOBS)
	@build/native/bench/conversion_bench
	@if [ -x bench/cli-vs-python.sh ]; then bench/cli-vs-python.sh build/native/cli/bytesettext; fi
	@JOBS=$(JOBS) bench/window-click.sh

clean:
	rm -rf build
