# The two commands: `make demo` and `make test`. Everything else is a step of these.
BUILD    ?= build
NATIVE   := $(BUILD)/native
PREFIX   := $(abspath $(BUILD))/wineprefix
JOBS     ?= 2
FUZZ_SECONDS ?= 300
FUZZ_SHORT_SECONDS ?= 20
MASK_FUZZER := $(NATIVE)/tests/masks/mask_fuzzer
MASK_FUZZ_DIR := $(BUILD)/fuzz/masks

.PHONY: all bootstrap build cross native prefix test test-windows test-native demo fuzz fuzz-short shots clean

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
	@tools/wine-run $(PREFIX) ctest --test-dir $(BUILD) --output-on-failure
	$(call fuzz-masks,$(FUZZ_SHORT_SECONDS))
	@ctest --test-dir $(NATIVE) --output-on-failure

# The mask engine under libFuzzer (AddressSanitizer, UndefinedBehaviorSanitizer):
# briefly in every test run, at length with `make fuzz`. Corpus and findings stay in the build.
define fuzz-masks
	@test -x $(MASK_FUZZER) || { echo "fuzz: $(MASK_FUZZER) is missing (the native build needs clang)"; exit 1; }
	@mkdir -p $(MASK_FUZZ_DIR)/corpus $(MASK_FUZZ_DIR)/artifacts
	@echo "fuzz: mask engine, $(1) s"
	@$(MASK_FUZZER) -max_total_time=$(1) -timeout=10 -dict=tests/masks/mask.dict \
		-artifact_prefix=$(abspath $(MASK_FUZZ_DIR))/artifacts/ $(MASK_FUZZ_DIR)/corpus \
		>$(MASK_FUZZ_DIR)/last-run.log 2>&1 || { tail -n 40 $(MASK_FUZZ_DIR)/last-run.log; exit 1; }
	@grep -h '^Done' $(MASK_FUZZ_DIR)/last-run.log
endef

fuzz-short: native
	$(call fuzz-masks,$(FUZZ_SHORT_SECONDS))

fuzz: native
	$(call fuzz-masks,$(FUZZ_SECONDS))

# The demo needs only the Windows binaries and the prefix.
demo:
	$(STAGES) bootstrap cross prefix
	@tools/wine-run $(PREFIX) tools/demo $(BUILD)

# A script's picture (the tour's by default), under its own Xvfb in a Wine prefix with the
# X11 driver: make shots [SCRIPT=path/to/script.zub] [SHOT=picture.png]; the picture goes
# to $(BUILD)/<script's name>.png unless SHOT names it.
SCRIPT ?= samples/tour.zub
SHOT   ?= $(BUILD)/$(basename $(notdir $(SCRIPT))).png

shots:
	$(STAGES) bootstrap cross
	@tools/shots $(BUILD) $(SCRIPT) $(SHOT)

clean:
	rm -rf $(BUILD)
