# Skiff: convenience wrapper around CMake.
#   make         build into build/
#   make test    install what is missing, build, run every test
#   make demo    install what is missing, build, run the client against the demo server
#   make bench   build and run the benchmarks
#   make fuzz    build the libFuzzer targets with clang into build-fuzz/ and run
#                each for FUZZ_SECONDS (default 30)

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BUILD_TYPE ?= RelWithDebInfo
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30
FUZZ_CXX ?= /usr/bin/clang++
FUZZ_CC ?= /usr/bin/clang

.PHONY: all build configure test demo bench bootstrap clean fuzz fuzz-build

all: build

bootstrap:
	@scripts/bootstrap

configure:
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: bootstrap
	@$(MAKE) --no-print-directory build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300

demo: bootstrap
	@$(MAKE) --no-print-directory build
	@scripts/demo $(BUILD)

bench: bootstrap
	@$(MAKE) --no-print-directory build
	@cmake --build $(BUILD) --target benches -j $(JOBS)
	@scripts/run_benches $(BUILD)

# The fuzz targets are a project of their own (fuzz/CMakeLists.txt), so the
# normal build never needs clang; clang and libFuzzer's runtime
# (libclang-rt-14-dev on Debian 12) are installed for this job only.
fuzz-build:
	@scripts/bootstrap clang libclang-rt-14-dev
	@command -v $(FUZZ_CXX) >/dev/null 2>&1 || \
	    { echo "make fuzz: $(FUZZ_CXX) not found; on Debian 12 install clang and libclang-rt-14-dev" >&2; exit 1; }
	@cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=$(FUZZ_CXX) -DCMAKE_C_COMPILER=$(FUZZ_CC) >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz: fuzz-build
	@scripts/run_fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD)
