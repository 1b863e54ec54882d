# The two commands a user needs are `make run` and `make test`; both install what is
# missing first. `make run` builds the programs alone (build/run), so it needs none of the
# test tools; `make test` builds everything with the tests (build/default), which is also
# the build the Debian package is made from. The rest serve packaging, development and CI.
# Each step names the builds it needs, so that `make -j` (as CI runs it) makes each build
# once and runs steps side by side.
.PHONY: deps run test build test-busy build-sanitize test-sanitize build-fuzz fuzz analyse \
	windows windows-test bench screenshot screenshot-windows package check-package install \
	clean package-arm64 package-armhf arm64-test armhf-test check-package-arm64 \
	check-package-armhf build-arm64 build-armhf simulator

FUZZ_SECONDS ?= 30
# A command that the steps which only compute (the builds, the analysers) run under: CI gives
# them a lower priority than the tests beside them, which wait on the 4800-baud lines.
LOW_PRIORITY ?=
# The builds that CI makes one after another, in this order, while the checks of those
# made before run beside them (.ci/run); unset, make takes them in any order. Each build
# named waits for the one before it.
BUILD_ORDER ?=
rest = $(wordlist 2,$(words $(1)),$(1))
order_builds = $(if $(word 2,$(1)),$(eval $(word 2,$(1)): | $(firstword $(1)))$(call order_builds,$(call rest,$(1))))
$(call order_builds,$(BUILD_ORDER))

deps:
	@scripts/install-deps all

run:
	@scripts/install-deps
	cmake --preset run
	cmake --build --preset run
	./build/run/src/ui/wrenlink3config

# With the package's hardening flags and PNG icons, since the package is made from it.
build:
	@scripts/install-deps test package
	cmake --preset default
	$(LOW_PRIORITY) cmake --build --preset default

test: build
	ctest --preset default

# The tests that talk to a simulated tracker, three times in a row while stress-ng keeps
# every core busy (four workers a core): timing that holds only on an idle machine fails
# here.
test-busy: build
	scripts/stress-tracker-tests build/default 3

build-sanitize:
	@scripts/install-deps test
	cmake --preset sanitize
	$(LOW_PRIORITY) cmake --build --preset sanitize

test-sanitize: build-sanitize
	ctest --preset sanitize

build-fuzz:
	@scripts/install-deps fuzz
	cmake --preset fuzz
	$(LOW_PRIORITY) cmake --build --preset fuzz

fuzz: build-fuzz
	scripts/run-fuzzers build/fuzz $(FUZZ_SECONDS)

# Over the default build's compile database, with its generated files in place.
analyse: build
	@scripts/install-deps analyse
	$(LOW_PRIORITY) scripts/run-analysers build/default

# wl3.exe, the window and the installer for Windows. The window needs Qt for Windows, which
# scripts/build-qt-windows unpacks from a shared cache's prebuilt archive or else builds
# from Debian's sources the first time (about 45 minutes), and keeps outside the clone;
# wl3's CSV library comes as Debian's source the same way.
windows:
	@scripts/install-deps windows
	$(LOW_PRIORITY) scripts/build-qt-windows
	scripts/fetch-libcsv
	cmake --preset windows -DCMAKE_PREFIX_PATH="$$(scripts/build-qt-windows --print-prefix)" \
		-DWL3_LIBCSV_SOURCE_DIR="$$(scripts/fetch-libcsv --print-dir)"
	$(LOW_PRIORITY) cmake --build --preset windows
	cpack --preset windows

# The simulated tracker built for this machine, which the Windows build and the Pi's package
# are tried against: the default build's when this run makes that build or it is there
# already, else one built with the programs alone (build/run), which costs far less.
DEFAULT_BUILD_GOALS := build test analyse bench screenshot package check-package \
	check-package-arm64 check-package-armhf
ifneq ($(filter $(DEFAULT_BUILD_GOALS),$(MAKECMDGOALS))$(wildcard build/default/build.ninja),)
SIMULATOR_BUILD := build/default
simulator: build
else
SIMULATOR_BUILD := build/run
simulator:
	cmake --preset run
	$(LOW_PRIORITY) cmake --build --preset run --target tracker-sim
endif

# The Windows build under Wine: the test programs, wl3.exe and the window against the
# simulated tracker, then the installer's round trip.
windows-test: windows simulator
	scripts/wine-tests build/windows $(SIMULATOR_BUILD)
	scripts/wine-install-test build/windows

bench: build
	scripts/run-benchmarks build/default

screenshot: build
	@scripts/install-deps screenshot
	scripts/screenshot build/default docs/screenshot.png docs/screenshot-reading.png

screenshot-windows: windows
	scripts/screenshot-windows build/windows docs/screenshot-windows.png

# From the default build: its programs, stripped.
package: build
	cpack --preset package

# Checks the package, installs it, tries the installed programs and removes it again.
check-package: package
	@scripts/install-deps check
	scripts/check-package "$$(ls -t build/default/wrenlink3config_*.deb | head -n 1)"

# For the Raspberry Pi: the package for its 64-bit (arm64) or 32-bit (armhf) systems, built
# with Debian's cross compilers against Debian's packages of that architecture, which
# scripts/sysroot fetches the first time and keeps outside the clone. The same build holds
# the tests, which ARCH-test runs under qemu.
ARM_ARCHES := arm64 armhf

$(ARM_ARCHES:%=build-%): build-%:
	@scripts/install-deps arm
	scripts/sysroot $*
	cmake --preset $*
	$(LOW_PRIORITY) cmake --build --preset $*

$(ARM_ARCHES:%=package-%): package-%: build-%
	cpack --preset $*

$(ARM_ARCHES:%=%-test): %-test: build-%
	ctest --preset $*

# Checks the package for the Pi with lintian and apt's resolver, its Depends against this
# machine's package, and for arm64 runs the packaged programs under qemu against the
# simulated tracker built for this machine.
$(ARM_ARCHES:%=check-package-%): check-package-%: package-% package simulator
	scripts/check-arm-package $* "$$(ls -t build/$*/wrenlink3config_*_$*.deb | head -n 1)" \
		$(SIMULATOR_BUILD)/tools/tracker-sim/tracker-sim \
		"$$(ls -t build/default/wrenlink3config_*.deb | head -n 1)"

install:
	@scripts/install-deps
	cmake --preset run
	cmake --build --preset run
	cmake --install build/run

clean:
	rm -rf build
