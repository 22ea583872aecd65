# Quillon: the two commands of the README, and the rest of the chores.
#   make gallery   build everything, run the gallery (screenshots without a DISPLAY)
#   make test      build everything, run every test (native and under Wine)
# Every target installs the Debian packages it is missing first.

SHELL := /bin/bash
ROOT  := $(CURDIR)
JOBS  ?= $(shell nproc)
FUZZ_SECONDS ?= 30
GALLERY_DIR ?= $(ROOT)/build/gallery
WINE  := $(ROOT)/scripts/wine-run.sh --prefix $(ROOT)/build/mingw64/wineprefix
BIN64 := $(ROOT)/build/mingw64/bin
# The Wine benchmarks run against an optimised library: a Release build of
# their own, next to the Debug one that the tests use.
BINREL := $(ROOT)/build/mingw64-release/bin

.PHONY: all deps build native mingw32 test test-native test-wine check-docs gallery bench fuzz mutate format clean

all: build

deps:
	@$(ROOT)/scripts/setup-deps.sh

build/mingw64/build.ninja: | deps
	cmake --preset mingw64 >/dev/null
build/native/build.ninja: | deps
	cmake --preset native >/dev/null
build/mingw64-release/build.ninja: | deps
	cmake --preset mingw64-release >/dev/null
build/mingw32/build.ninja: | deps
	cmake --preset mingw32 >/dev/null

build: deps build/mingw64/build.ninja
	cmake --build --preset mingw64 -j $(JOBS)

native: deps build/native/build.ninja
	cmake --build --preset native -j $(JOBS)

mingw32: deps build/mingw32/build.ninja
	cmake --build --preset mingw32 -j $(JOBS)

test-native: native
	cd build/native && ctest --output-on-failure -j $(JOBS)

test-wine: build
	@$(ROOT)/scripts/wineserver.sh start $(ROOT)/build/mingw64/wineprefix
	@cd build/mingw64 && ctest --output-on-failure -j $(JOBS); rc=$$?; \
	  $(ROOT)/scripts/wineserver.sh stop $(ROOT)/build/mingw64/wineprefix; exit $$rc

# The native cores first, then the Windows suites: ctest's summary of the
# Windows run is the last thing printed.
test: check-docs test-native test-wine

# The README's copies of the example host's files are the files themselves.
check-docs:
	@$(ROOT)/scripts/readme-check.sh files

gallery: build
	@if [ -n "$(SCREENSHOTS)" ]; then $(ROOT)/scripts/gallery.sh $(ROOT)/build/mingw64 --screenshots $(GALLERY_DIR); \
	 else $(ROOT)/scripts/gallery.sh $(ROOT)/build/mingw64; fi

bench: native build/mingw64-release/build.ninja
	@for b in build/native/bin/bench_*; do [ -x "$$b" ] && "$$b"; done; true
	cmake --build build/mingw64-release -j $(JOBS) --target wine_benches
	@$(ROOT)/scripts/wineserver.sh start $(ROOT)/build/mingw64/wineprefix
	@for b in $(BINREL)/bench_*.exe; do [ -f "$$b" ] && $(WINE) "$$b" | tr -d '\r'; done; \
	  $(ROOT)/scripts/wineserver.sh stop $(ROOT)/build/mingw64/wineprefix

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DQUILLON_NATIVE=ON -DQUILLON_FUZZ=ON \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build/fuzz -j $(JOBS)
	@for f in build/fuzz/bin/fuzz_*; do \
	  [ -x "$$f" ] || continue; echo "== $$f ($(FUZZ_SECONDS) s)"; \
	  mkdir -p build/fuzz/corpus/$$(basename $$f); \
	  "$$f" -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 build/fuzz/corpus/$$(basename $$f) 2>&1 | tail -n 12 || exit 1; \
	done

# Mutation testing of the window-free cores against the native tests
# (MUTATE_ARGS, e.g. "--per-file 60 --seed 2"). It writes each mutant over the
# source and puts the original back: leave the tree alone while it runs.
mutate: native
	@command -v python3 >/dev/null 2>&1 || { apt-get update; DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends python3; }
	python3 $(ROOT)/scripts/mutate.py $(MUTATE_ARGS)

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i

clean:
	rm -rf build
