# The two commands: `make demo` and `make test`. Everything else is a step of these.
BUILD    ?= build
NATIVE   := $(BUILD)/native
PREFIX   := $(abspath $(BUILD))/wineprefix
JOBS     ?= 2
FUZZ_SECONDS ?= 300
FUZZ_SHORT_SECONDS ?= 3
VERSION  := $(shell sed -n 's/^FILEVERSION \([0-9]*\),.*/\1/p' resources/korvanet.rc)
DIST_ZIP := $(abspath $(BUILD))/dist/korvanet-$(VERSION).zip

.PHONY: all bootstrap build cross native prefix test test-windows test-native demo fuzz fuzz-short shots bench dist clean

all: build

bootstrap:
	@tools/bootstrap

cross: bootstrap
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

native: bootstrap
	@test -f $(NATIVE)/CMakeCache.txt || CC=clang CXX=clang++ cmake -S . -B $(NATIVE) >/dev/null
	@cmake --build $(NATIVE) -j$(JOBS)

build: cross native

prefix: bootstrap
	@tools/wine-prefix $(PREFIX)

test: build prefix dist
	@tools/wine-run $(PREFIX) ctest --test-dir $(BUILD) --output-on-failure
	@$(MAKE) --no-print-directory fuzz-short
	@ctest --test-dir $(NATIVE) --output-on-failure

# Every text parser under libFuzzer (AddressSanitizer, UndefinedBehaviorSanitizer):
# briefly in every test run, at length with `make fuzz` (FUZZ=name... picks some).
# Corpora and findings stay in the build.
fuzz-short: native
	@tools/fuzz $(NATIVE) $(BUILD)/fuzz $(FUZZ_SHORT_SECONDS) $(FUZZ)

fuzz: native
	@tools/fuzz $(NATIVE) $(BUILD)/fuzz $(FUZZ_SECONDS) $(FUZZ)

demo: build prefix
	@tools/wine-run $(PREFIX) tools/demo $(BUILD)

# The extender against direct message loops, build/bench.md. The process and its Wine
# server share one CPU where taskset exists, so the two sides meet the same machine.
bench: build prefix
	@pin=$$(command -v taskset >/dev/null && echo "taskset -c 0"); \
		$$pin tools/wine-run $(PREFIX) wine $(BUILD)/bench.exe --out $(BUILD)/bench.md

# The release archive: the DLL and the console (stripped), the README, the reference
# and the samples.
dist: cross
	@rm -f $(DIST_ZIP) && mkdir -p $(dir $(DIST_ZIP))
	@cd $(BUILD) && zip -q -X $(DIST_ZIP) korvanet.dll zubhost.exe
	@zip -q -X -r $(DIST_ZIP) README.md samples $(wildcard docs)
	@echo "dist: $(DIST_ZIP)"

# The tour's picture, build/tour.png: its own Xvfb and a Wine prefix with the X11 driver.
shots: build
	@tools/shots $(BUILD)

clean:
	rm -rf $(BUILD)
