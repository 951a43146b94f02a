# Entry points for a newcomer; each one installs what is missing first.
JOBS ?= $(shell nproc)
HOST := build/host
WIN := build/win
WIN64 := build/win64
ASAN := build/asan
PACKAGE := build/package
VERSION := $(shell awk '/^project/ { for (i = 1; i < NF; i++) if ($$i == "VERSION") print $$(i + 1) }' CMakeLists.txt)
# The Windows build whose programs this machine runs (tools/wine-build.sh decides), built,
# as d (its folder) and a (its Wine architecture) for the rest of a recipe.
WINE_BUILD = set -- $$(tools/wine-build.sh) && d=$$1 a=$$2 && \
  $(MAKE) --no-print-directory $$(basename $$d) >/dev/null || exit 1;
MINGW = -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=tools/toolchain-$(1)-mingw.cmake

.PHONY: all setup host win win64 test test-host test-win reproducible soak sanitize bench bench-win run pictures screenshot dist clean

all: host win

setup:
	@tools/setup.sh

$(HOST)/CMakeCache.txt:
	cmake -S . -B $(HOST) -DCMAKE_BUILD_TYPE=Release
$(WIN)/CMakeCache.txt:
	cmake -S . -B $(WIN) $(call MINGW,i686)
$(WIN64)/CMakeCache.txt:
	cmake -S . -B $(WIN64) $(call MINGW,x86_64)
$(ASAN)/CMakeCache.txt:
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

host: setup $(HOST)/CMakeCache.txt
	cmake --build $(HOST) -j $(JOBS)
# The shipped 32-bit program and its tests.
win: setup $(WIN)/CMakeCache.txt
	cmake --build $(WIN) -j $(JOBS)
win64: setup $(WIN64)/CMakeCache.txt
	cmake --build $(WIN64) -j $(JOBS)

# Every test: the host build natively, the Windows build under Wine (a kernel that
# cannot start 32-bit programs gets the same tests from the x86-64 build), and a second
# build of the shipped programs and packages that must match this one byte for byte.
test: test-host test-win reproducible
test-host: host
	ctest --test-dir $(HOST) --output-on-failure --no-tests=error
# The package tests run on packages made from the build under test.
test-win: win
	@$(WINE_BUILD) \
	if [ $$d != $(WIN) ]; then \
	  echo "This machine cannot start 32-bit programs; running the Windows tests of the x86-64 build."; \
	  ctest --test-dir $(WIN) -R 'imports|manifest|sizes' --output-on-failure --no-tests=error || exit 1; \
	fi; \
	cmake --build $$d --target packages >/dev/null && \
	tools/with-wine.sh $$d $$a ctest --test-dir $$d --output-on-failure --no-tests=error

# The shipped programs and both packages, built a second time from a copy of the sources
# in another folder without the compiler cache (about half a minute; no tests rebuilt),
# compared byte for byte with this build's; the packages land in build/package.
reproducible: setup $(WIN)/CMakeCache.txt
	tools/check-reproducible.sh $(WIN) $(PACKAGE) $(VERSION)

# The handle soak at full length: 10,000 paints and 1,000 hovers per help button (the
# test run above does 200 and 50, enough for every leaking path to repeat).
soak: win
	@$(WINE_BUILD) \
	  PLIVORA_SOAK_PAINTS=10000 PLIVORA_SOAK_HOVERS=1000 tools/with-wine.sh $$d $$a \
	    ctest --test-dir $$d -R controls_soak --output-on-failure --no-tests=error

# The host tests under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: setup $(ASAN)/CMakeCache.txt
	cmake --build $(ASAN) -j $(JOBS)
	ctest --test-dir $(ASAN) --output-on-failure --no-tests=error

bench: host
	cmake --build $(HOST) -j $(JOBS) --target plivora_bench disc_image_bench
	$(HOST)/bench/plivora_bench
	$(HOST)/bench/disc_image_bench

# Create, start-up and Make Disc Image under Wine, each against its floor of plain calls.
bench-win: win
	@$(WINE_BUILD) \
	  tools/with-wine.sh $$d $$a cmake --build $$d --target bench-win

# Builds the program and starts it from its distribution folder under Wine.
run: setup
	tools/run.sh

# Every picture of the README and the user's guide, retaken from the real program.
pictures: setup
	tools/pictures.sh docs
screenshot: pictures

# What users get: a zip of the shipped distribution folder and its installer, in
# build/package, tested under Wine (unpacked and run; installed silently, started,
# uninstalled). A kernel that cannot start 32-bit programs runs the same tests on the
# x86-64 build's packages (build/package-x64) instead, and says so.
dist: win
	cmake --build $(WIN) --target packages
	@$(WINE_BUILD) \
	if [ $$d != $(WIN) ]; then \
	  echo "This machine cannot start 32-bit programs; testing the x86-64 build's packages in their place."; \
	  cmake --build $$d --target packages >/dev/null || exit 1; \
	fi; \
	tools/with-wine.sh $$d $$a ctest --test-dir $$d -R '^package_' --output-on-failure --no-tests=error
	@ls -l $(PACKAGE)

clean:
	rm -rf build
