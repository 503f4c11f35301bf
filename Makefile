# make run: install what is missing, build and start the editor from the repository root.
# make test: install what is missing, build and run every test.
BUILD ?= build
WERROR ?= OFF
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory

.PHONY: deps configure build run test bench clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DDRAWLET_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/src/drawlet ]; then exec $(BUILD)/src/drawlet; \
	else echo "The editor window is not built yet: only drawlet-cli ($(BUILD)/src/cli/drawlet-cli) exists so far."; exit 1; fi

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DDRAWLET_BENCH=ON >/dev/null
	@cmake --build build-release -j $(JOBS) --target drawlet_bench_io drawlet_bench_render drawlet_bench_tools drawlet_bench_panels drawlet_bench_history drawlet-cli
	@build-release/bench/drawlet_bench_io
	@build-release/bench/drawlet_bench_render
	@build-release/bench/drawlet_bench_tools
	@build-release/bench/drawlet_bench_panels
	@build-release/bench/drawlet_bench_history

clean:
	@rm -rf $(BUILD) build-release
