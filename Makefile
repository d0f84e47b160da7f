# Skiff: convenience wrapper around CMake.
#   make         build into build/
#   make test    install what is missing, build, run every test
#   make demo    install what is missing, build, run the client against the demo server
#   make bench   build and run the benchmarks

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BUILD_TYPE ?= RelWithDebInfo

.PHONY: all build configure test demo bench bootstrap clean

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

clean:
	rm -rf $(BUILD)
