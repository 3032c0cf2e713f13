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

# Each stage prints one line; what the tools say goes to $(BUILD)/build.log (tools/build).
STAGES = @tools/build $(BUILD) $(JOBS)

bootstrap:
	$(STAGES) bootstrap

cross:
	$(STAGES) bootstrap cross

native:
	$(STAGES) bootstrap native

build:
	$(STAGES) bootstrap cross native

prefix:
	$(STAGES) bootstrap prefix

test:
	$(STAGES) bootstrap cross native prefix
	$(dist-zip)
	@tools/wine-run $(PREFIX) ctest --test-dir $(BUILD) --output-on-failure
	@tools/fuzz $(NATIVE) $(BUILD)/fuzz $(FUZZ_SHORT_SECONDS) $(FUZZ)
	@ctest --test-dir $(NATIVE) --output-on-failure

# Every text parser under libFuzzer (AddressSanitizer, UndefinedBehaviorSanitizer):
# briefly in every test run, at length with `make fuzz` (FUZZ=name... picks some).
# Corpora and findings stay in the build.
fuzz-short: native
	@tools/fuzz $(NATIVE) $(BUILD)/fuzz $(FUZZ_SHORT_SECONDS) $(FUZZ)

fuzz: native
	@tools/fuzz $(NATIVE) $(BUILD)/fuzz $(FUZZ_SECONDS) $(FUZZ)

# The demo needs only the Windows binaries and the prefix.
demo:
	$(STAGES) bootstrap cross prefix
	@tools/wine-run $(PREFIX) tools/demo $(BUILD)

# The extender against direct message loops, build/bench.md. The process and its Wine
# server share one CPU where taskset exists, so the two sides meet the same machine.
bench:
	$(STAGES) bootstrap cross prefix
	@pin=$$(command -v taskset >/dev/null && echo "taskset -c 0"); \
		$$pin tools/wine-run $(PREFIX) wine $(BUILD)/bench.exe --out $(BUILD)/bench.md

# The release archive: the DLL and the console (stripped), the README, the reference
# and the samples. `make test` makes it too and checks its members.
define dist-zip
	@rm -f $(DIST_ZIP) && mkdir -p $(dir $(DIST_ZIP))
	@cd $(BUILD) && zip -q -X $(DIST_ZIP) korvanet.dll zubhost.exe
	@zip -q -X -r $(DIST_ZIP) README.md samples $(wildcard docs)
	@echo "dist: $(DIST_ZIP)"
endef

dist:
	$(STAGES) bootstrap cross
	$(dist-zip)

# Pictures under their own Xvfb, in a Wine prefix with the X11 driver. Without SCRIPT:
# the reference's, docs/images/<page>.png from samples/<page>.zub for every family page
# with a sample of its name, and the tour's, docs/images/tour.png. With SCRIPT: that
# script's, in SHOT or $(BUILD)/<script's name>.png.
PICTURED := $(filter $(basename $(notdir $(wildcard samples/*.zub))),$(basename $(notdir $(wildcard docs/*.md))))

shots:
	$(STAGES) bootstrap cross
ifdef SCRIPT
	@tools/shots $(BUILD) $(SCRIPT) $(or $(SHOT),$(BUILD)/$(basename $(notdir $(SCRIPT))).png)
else
	@tools/shots $(BUILD) samples/tour.zub docs/images/tour.png \
		$(foreach page,$(PICTURED),samples/$(page).zub docs/images/$(page).png)
endif

clean:
	rm -rf $(BUILD)
