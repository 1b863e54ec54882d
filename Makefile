# The two commands a user needs are `make run` and `make test`; both install what is
# missing first. `make run` builds the programs alone (build/run), so it needs none of the
# test tools; `make test` builds everything with the tests (build/default). The rest serve
# packaging, development and CI.
.PHONY: deps run test build test-busy test-sanitize fuzz analyse windows windows-test bench \
	screenshot screenshot-windows package check-package install clean package-arm64 package-armhf \
	arm64-test armhf-test check-package-arm64 check-package-armhf build-arm64 build-armhf

FUZZ_SECONDS ?= 30

deps:
	@scripts/install-deps all

run:
	@scripts/install-deps
	cmake --preset run
	cmake --build --preset run
	./build/run/src/ui/wrenlink3config

build:
	@scripts/install-deps test
	cmake --preset default
	cmake --build --preset default

test: build
	ctest --preset default

# The tests that talk to a simulated tracker, three times in a row while stress-ng keeps
# every core busy (four workers a core): timing that holds only on an idle machine fails
# here.
test-busy: build
	scripts/stress-tracker-tests build/default 3

test-sanitize:
	@scripts/install-deps test
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

fuzz:
	@scripts/install-deps fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz
	scripts/run-fuzzers build/fuzz $(FUZZ_SECONDS)

# Over the default build's compile database, with its generated files in place.
analyse: build
	@scripts/install-deps analyse
	scripts/run-analysers build/default

# wl3.exe, the window and the installer for Windows. The window needs Qt for Windows, which
# scripts/build-qt-windows builds from Debian's sources the first time (about 45 minutes)
# and keeps outside the clone; wl3's CSV library comes as Debian's source the same way.
windows:
	@scripts/install-deps windows
	scripts/build-qt-windows
	scripts/fetch-libcsv
	cmake --preset windows -DCMAKE_PREFIX_PATH="$$(scripts/build-qt-windows --print-prefix)" \
		-DWL3_LIBCSV_SOURCE_DIR="$$(scripts/fetch-libcsv --print-dir)"
	cmake --build --preset windows
	cpack --preset windows

# The Windows build under Wine: the test programs, wl3.exe and the window against the
# simulated tracker built for this machine, then the installer's round trip.
windows-test: windows
	cmake --preset run
	cmake --build --preset run --target tracker-sim
	scripts/wine-tests build/windows build/run
	scripts/wine-install-test build/windows

bench: build
	scripts/run-benchmarks build/default

screenshot: build
	@scripts/install-deps screenshot
	scripts/screenshot build/default docs/screenshot.png docs/screenshot-reading.png

screenshot-windows: windows
	scripts/screenshot-windows build/windows docs/screenshot-windows.png

package:
	@scripts/install-deps package
	cmake --preset package
	cmake --build --preset package
	cpack --preset package

# Checks the package, installs it, tries the installed programs and removes it again.
check-package: package
	@scripts/install-deps check
	scripts/check-package "$$(ls -t build/package/wrenlink3config_*.deb | head -n 1)"

# For the Raspberry Pi: the package for its 64-bit (arm64) or 32-bit (armhf) systems, built
# with Debian's cross compilers against Debian's packages of that architecture, which
# scripts/sysroot fetches the first time and keeps outside the clone. The same build holds
# the tests, which ARCH-test runs under qemu.
ARM_ARCHES := arm64 armhf

$(ARM_ARCHES:%=build-%): build-%:
	@scripts/install-deps arm
	scripts/sysroot $*
	cmake --preset $*
	cmake --build --preset $*

$(ARM_ARCHES:%=package-%): package-%: build-%
	cpack --preset $*

$(ARM_ARCHES:%=%-test): %-test: build-%
	ctest --preset $*

# Checks the package for the Pi with lintian and apt's resolver, its Depends against this
# machine's package, and for arm64 runs the packaged programs under qemu against the
# simulated tracker built for this machine.
$(ARM_ARCHES:%=check-package-%): check-package-%: package-% package
	cmake --preset run
	cmake --build --preset run --target tracker-sim
	scripts/check-arm-package $* "$$(ls -t build/$*/wrenlink3config_*_$*.deb | head -n 1)" \
		build/run/tools/tracker-sim/tracker-sim \
		"$$(ls -t build/package/wrenlink3config_*.deb | head -n 1)"

install:
	@scripts/install-deps
	cmake --preset run
	cmake --build --preset run
	cmake --install build/run

clean:
	rm -rf build
