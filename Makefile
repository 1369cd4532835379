# SPDX-FileCopyrightText: 2026 The discone developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The newcomer's entry points. Each target first installs what is missing.
#   make run     build and start the program
#   make test    build and run every test, then the WebAssembly build's
#   make bench   build with optimisation and run the benchmarks
#   make fuzz    fuzz the number reader, both units, the command line and the
#                Touchstone reader (FUZZ_SECONDS)
#   make check-asan   every test under AddressSanitizer and UBSan
#   make check-wasm   the WebAssembly build: the plain libraries' tests under
#                     Node, and the web page's tests (Node, headless Chromium)
#   make package      a .deb in build-release/, checked by lintian
#   make web          the web page, one folder of static files: build-wasm/site/
#   make web-run      the web page served on localhost (WEB_PORT)
#   make check-web    the web page's tests only

# The builds are CMake's presets (CMakePresets.json), so an IDE that reads
# them makes the same ones: development (build/), release (build-release/),
# sanitizers (build-asan/), fuzzing (build-fuzz/) and wasm (build-wasm/, the
# libraries' tests and the web page alike).

FUZZ_SECONDS ?= 120
WEB_PORT ?= 8000
JOBS ?= $(shell nproc)

.PHONY: all deps deps-fuzz deps-package deps-wasm deps-web configure build run test \
        build-release bench fuzz check-asan check-wasm package clean format web web-run check-web

# $(call configure,DIR,PRESET): configures DIR with the preset only when it
# has no build tree yet (Ninja re-runs CMake itself when a build file
# changes), and shows CMake's output only when configuring fails.
define configure
@[ -f $(1)/build.ninja ] || { mkdir -p $(1) && cmake --preset $(2) >$(1)/configure.log 2>&1; } || \
    { cat $(1)/configure.log; rm -f $(1)/build.ninja; exit 1; }
endef

all: build

deps:
	@scripts/install-deps

deps-fuzz:
	@scripts/install-deps fuzz

deps-package:
	@scripts/install-deps package

deps-wasm:
	@scripts/install-deps wasm
deps-web:
	@scripts/install-deps web

configure: deps
	$(call configure,build,development)

build: configure
	@cmake --build --preset development -j $(JOBS)

run: build
	build/app/discone

test: build
	ctest --preset development -j $(JOBS)
	@$(MAKE) --no-print-directory check-wasm

build-release: deps
	$(call configure,build-release,release)
	@cmake --build --preset release -j $(JOBS)

bench: build-release
	build-release/bench/bench_calc
	build-release/bench/bench_nec
	build-release/bench/bench_startup
	build-release/bench/bench_prediction

fuzz: deps-fuzz
	$(call configure,build-fuzz,fuzzing)
	@cmake --build --preset fuzzing -j $(JOBS)
	@mkdir -p build-fuzz/corpus
	build-fuzz/fuzz/fuzz_calc -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -artifact_prefix=build-fuzz/ \
	    build-fuzz/corpus fuzz/corpus

check-asan: deps
	$(call configure,build-asan,sanitizers)
	@cmake --build --preset sanitizers -j $(JOBS)
	ctest --preset sanitizers -j $(JOBS)

check-wasm: deps-wasm
	$(call configure,build-wasm,wasm)
	@cmake --build --preset wasm -j $(JOBS)
	ctest --preset wasm -j $(JOBS)

package: deps-package build-release
	cd build-release && cpack -G DEB
	lintian --fail-on error,warning --pedantic -I build-release/discone_*.deb

# The web page is the wasm preset's web_site target: build-wasm/site/.
web: deps-web
	$(call configure,build-wasm,wasm)
	@cmake --build --preset wasm -j $(JOBS) --target web_site

web-run: web
	@echo "The web page: http://localhost:$(WEB_PORT)/ (Ctrl-C stops the server)"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory build-wasm/site

# The page's tests: its engine under Node.js and the page in headless
# Chromium, whose comparisons need the desktop program (make build).
check-web: deps-web
	$(call configure,build-wasm,wasm)
	@cmake --build --preset wasm -j $(JOBS)
	ctest --preset wasm -R '^web_' -j $(JOBS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-release build-fuzz build-asan build-wasm build-web
