# Cindrel: one-command set-up, build, run, test and benchmark.
#   make run             install what is missing, build, start Cindrel
#   make test            install what is missing, build, run every test
#   make test SANITIZE=1 the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   make bench           build in release mode and print the benchmark figures

SANITIZE ?= 0
JOBS ?= $(shell nproc)

ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-sanitize
BUILD_TYPE ?= Debug
else
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
endif

.PHONY: all deps configure build run test bench format clean

all: build

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCINDREL_SANITIZE=$(SANITIZE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/Cindrel/cindrel

test: build
	@bash scripts/run-tests $(BUILD_DIR)

bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@bash scripts/run-bench build-bench

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-sanitize build-bench
