# SPDX-License-Identifier: GPL-3.0-or-later
# The README's commands. Each one installs what is missing first, so a fresh Debian 12 or 13 machine
# needs nothing else. `make run` installs and builds only what the program needs; `make test`,
# `make package` and the rest install everything and build every target.
BUILD ?= build
PREFIX ?= /usr/local
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps run-deps configure build run test bench clean fuzz

all: build

deps:
	./scripts/install-deps

run-deps:
	./scripts/install-deps run

# Every target, the tests included.
configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DTOLMI_TESTS=ON

build: configure
	cmake --build $(BUILD) --parallel

# Builds the program alone and starts it in the current directory, so its data lands in
# ./tolmidata. The build folder keeps the tests as configured: off on a machine without GoogleTest,
# on once `make test` has run here.
run: run-deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) --parallel --target tolmishiki
	./$(BUILD)/src/tolmishiki

test: build
	cd $(BUILD) && ctest --output-on-failure --timeout 600

# Fuzzes the data-file readers and the start-up loader for FUZZ_SECONDS in a separate clang build.
# New inputs collect in $(FUZZ_BUILD)/corpus and crashes in $(FUZZ_BUILD)/crashes; the committed
# corpus and crashes are only read. Scratch files go to memory when /dev/shm exists.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TMP := $(if $(wildcard /dev/shm),/dev/shm,/tmp)

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DTOLMI_FUZZ=ON
	cmake --build $(FUZZ_BUILD) --target tolmi_fuzz
	mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/crashes
	TMPDIR=$(FUZZ_TMP) ./$(FUZZ_BUILD)/fuzz/tolmi_fuzz -max_total_time=$(FUZZ_SECONDS) \
		-max_len=8192 -timeout=10 -dict=fuzz/datafiles.dict \
		-artifact_prefix=$(FUZZ_BUILD)/crashes/ $(FUZZ_BUILD)/corpus fuzz/corpus fuzz/crashes

# The benchmark program in a separate optimised build, so that the build above stays as it is.
# BENCH_ARGS passes Google Benchmark flags, e.g. BENCH_ARGS=--benchmark_filter=read.
BENCH_BUILD ?= build-bench
bench: deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOLMI_BENCH=ON
	cmake --build $(BENCH_BUILD) --parallel --target tolmi_bench
	./$(BENCH_BUILD)/bench/tolmi_bench $(BENCH_ARGS)

clean:
	rm -rf $(BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)

.PHONY: install package

# Installs the program, its menu entry and its icons below PREFIX (default /usr/local);
# DESTDIR=... stages the install in another folder.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# Builds the Debian package $(BUILD)/tolmishiki_<version>_<architecture>.deb and checks it with
# lintian and appstreamcli (tools/checkpackage).
package: build
	cmake --build $(BUILD) --target check_package
