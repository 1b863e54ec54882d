# The two commands a user needs are `make run` and `make test`; both install
# what is missing first. The rest serve development and CI.
.PHONY: deps build run test test-sanitize fuzz windows windows-test bench screenshot install clean

FUZZ_SECONDS ?= 30

deps:
	@scripts/install-deps

build: deps
	cmake --preset default
	cmake --build --preset default

run: build
	./build/default/src/ui/wrenlink3config

test: build
	ctest --preset default

test-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	scripts/run-fuzzers build/fuzz $(FUZZ_SECONDS)

windows: deps
	cmake --preset windows
	cmake --build --preset windows

# The Windows build under Wine, against the simulated tracker built for this machine.
windows-test: windows
	cmake --preset default
	cmake --build --preset default --target tracker-sim
	scripts/wine-tests build/windows build/default

bench: build
	scripts/run-benchmarks build/default

screenshot: build
	scripts/screenshot build/default docs/screenshot.png

install: build
	cmake --install build/default

clean:
	rm -rf build
