# The two commands: `make demo` and `make test`. Everything else is a step of these.
# Two builds of the same sources: the i686 one in $(BUILD) is the product; the x86-64 one
# in $(BUILD)/x86_64 runs under wine64 on every machine, also where 32-bit code cannot run
# (tools/lanes finds out which run here).
BUILD    ?= build
NATIVE   := $(BUILD)/native
JOBS     ?= 2
FUZZ_SECONDS ?= 300
FUZZ_SHORT_SECONDS ?= 3
VERSION  := $(shell sed -n 's/^FILEVERSION \([0-9]*\),.*/\1/p' resources/korvanet.rc)

.PHONY: all bootstrap build cross native test test-i686 demo fuzz fuzz-short shots bench dist dist-zip clean

all: build

# Each stage prints one line; what the tools say goes to $(BUILD)/build.log (tools/build).
STAGES = @tools/build $(BUILD) $(JOBS)

bootstrap:
	$(STAGES) bootstrap

cross:
	$(STAGES) bootstrap cross:i686 cross:x86_64

native:
	$(STAGES) bootstrap native

build:
	$(STAGES) bootstrap cross:i686 cross:x86_64 native

# Every lane this machine can run, then one line that says which ran (tools/test). Where
# the machine runs no 32-bit code, the product's test programs run in an emulated machine
# (EMULATED=quick: a selection of them; EMULATED=0: none).
test:
	@EMULATED=$(EMULATED) tools/test $(BUILD) $(JOBS) $(FUZZ_SHORT_SECONDS) $(FUZZ)

# Every i686 test program against the product in an emulated x86-64 machine (QEMU, no
# KVM) whose Debian runs wine32: for machines that cannot run 32-bit code (tools/guest).
# Its image is made once and kept in $(BUILD)/guest.
test-i686:
	@tools/build $(BUILD) $(JOBS) bootstrap cross:i686
	@tools/guest test $(BUILD)

# Every text parser under libFuzzer (AddressSanitizer, UndefinedBehaviorSanitizer):
# briefly in every test run, at length with `make fuzz` (FUZZ=name... picks some).
# Corpora and findings stay in the build.
fuzz-short: native
	@tools/fuzz $(NATIVE) $(BUILD)/fuzz $(FUZZ_SHORT_SECONDS) $(FUZZ)

fuzz: native
	@tools/fuzz $(NATIVE) $(BUILD)/fuzz $(FUZZ_SECONDS) $(FUZZ)

# The demo builds only the extender and the console of the build it runs, and the prefix.
demo:
	@tools/demo $(BUILD) $(JOBS)

# The extender against direct message loops, in the build this machine runs, into
# that build's bench.md. The process and its Wine server share one CPU where taskset
# exists, so the two sides meet the same machine.
bench:
	@tools/bench $(BUILD) $(JOBS)

# The release's archives from the i686 build (tools/dist): what a user downloads (the DLL
# and console, stripped, the README also as README.txt, the reference as HTML, the samples
# and the runtime's licences) and the conformance kit, $(BUILD)/dist/korvanet-$(VERSION)-tests.zip.
# `make test` makes them too and checks their members and the reference's links.
dist-zip:
	@tools/dist $(BUILD) $(VERSION)

dist:
	$(STAGES) bootstrap cross:i686
	@$(MAKE) -s dist-zip BUILD=$(BUILD)

# Pictures under their own Xvfb, in a Wine prefix with the X11 driver, by the build this
# machine runs. Without SCRIPT: the reference's, docs/images/<page>.png from
# samples/<page>.zub for every family page with a sample of its name, and the tour's,
# docs/images/tour.png. With SCRIPT: that script's, in SHOT or $(BUILD)/<script's name>.png.
PICTURED := $(filter $(basename $(notdir $(wildcard samples/*.zub))),$(basename $(notdir $(wildcard docs/*.md))))

shots:
ifdef SCRIPT
	@tools/shots $(BUILD) $(JOBS) $(SCRIPT) $(or $(SHOT),$(BUILD)/$(basename $(notdir $(SCRIPT))).png)
else
	@tools/shots $(BUILD) $(JOBS) samples/tour.zub docs/images/tour.png \
		$(foreach page,$(PICTURED),samples/$(page).zub docs/images/$(page).png)
endif

clean:
	rm -rf $(BUILD)
