# Cindrel: one-command set-up, build, run, test and benchmark.
#   make run             install what is missing, build, start Cindrel
#   make test            install what is missing, build, run every test
#   make test SANITIZE=1 the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   make bench           build in release mode and print the benchmark figures
#   make package         build the Debian package, build/cindrel_<version>_<arch>.deb

SANITIZE ?= 0
JOBS ?= $(shell nproc)

ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-sanitize
BUILD_TYPE ?= Debug
else
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
endif

FUZZ_SECONDS ?= 60

.PHONY: all deps deps-bench configure build run test bench fuzz install package format clean

all: build

deps:
	@bash scripts/install-deps

deps-bench:
	@bash scripts/install-deps bench

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCINDREL_SANITIZE=$(SANITIZE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Under PREFIX (default /usr/local) and DESTDIR: lib/cindrel, bin/cindrel, and the desktop
# entry, AppStream metadata and icon under share.
install: build
	@DESTDIR=$(DESTDIR) cmake --install $(BUILD_DIR) $(if $(PREFIX),--prefix $(PREFIX))

# Built from the same tree as make install, with /usr as its prefix; see scripts/make-package.
package: build
	@bash scripts/make-package $(BUILD_DIR)

run: build
	@$(BUILD_DIR)/Cindrel/cindrel

test: build
	@bash scripts/run-tests $(BUILD_DIR)

bench: deps-bench
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@bash scripts/run-bench build-bench

# The RTF reader under libFuzzer, seeded with the test corpus; new inputs stay in build-fuzz.
fuzz: deps
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DPAGORA_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzz_rtf_reader
	@mkdir -p build-fuzz/corpus
	@QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 build-fuzz/tests/fuzz_rtf_reader -max_total_time=$(FUZZ_SECONDS) \
		-max_len=65536 -timeout=10 -rss_limit_mb=4096 build-fuzz/corpus tests/component/rtf/corpus

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-sanitize build-bench build-fuzz
