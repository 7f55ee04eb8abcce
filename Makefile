# make run   builds the program and starts it under Wine
# make test  builds every target and runs every test
# Each installs what is missing first (Debian packages).

PRESETS := native windows-x64 windows-x86
JOBS ?= 2

.PHONY: all deps build run test clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@set -e; for p in $(PRESETS); do \
	  cmake --preset $$p >build-$$p.log 2>&1 || { cat build-$$p.log; exit 1; }; \
	  cmake --build --preset $$p -j$(JOBS); \
	done; rm -f build-*.log

# One ctest over both runnable builds, so the run ends with one summary.
test: build
	@printf 'subdirs("native")\nsubdirs("windows-x64")\nsubdirs("windows-x86")\n' >build/CTestTestfile.cmake
	cd build && ctest --output-on-failure -j$(JOBS) --timeout 600

run: deps
	@cmake --preset windows-x64 >/dev/null
	@cmake --build --preset windows-x64 -j$(JOBS) --target plimsett
	@scripts/run.sh build/windows-x64

clean:
	rm -rf build
