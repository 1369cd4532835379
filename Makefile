# The newcomer's entry points. Each target first installs what is missing.
#   make run     build and start the program
#   make test    build and run every test
#   make bench   build with optimisation and run the benchmarks
#   make fuzz    fuzz the number reader and both commands (FUZZ_SECONDS)
#   make check-asan   every test under AddressSanitizer and UBSan
#   make package      a .deb in build-release/

BUILD ?= build
GEN := -G Ninja
FUZZ_SECONDS ?= 120
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench fuzz check-asan package clean format

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDISCONE_WERROR=ON >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/ui/discone

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

build-release: deps
	@cmake -S . -B build-release $(GEN) -DCMAKE_BUILD_TYPE=Release -DDISCONE_TESTS=OFF >/dev/null
	@cmake --build build-release -j $(JOBS)

bench: build-release
	build-release/bench/bench_calc
	build-release/bench/bench_startup

fuzz: deps
	@cmake -S . -B build-fuzz $(GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DDISCONE_CALC_ONLY=ON -DDISCONE_FUZZ=ON -DDISCONE_TESTS=OFF -DDISCONE_BENCH=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@mkdir -p build-fuzz/corpus
	build-fuzz/fuzz/fuzz_calc -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -artifact_prefix=build-fuzz/ \
	    build-fuzz/corpus fuzz/corpus

check-asan: deps
	@cmake -S . -B build-asan $(GEN) -DCMAKE_BUILD_TYPE=Debug -DDISCONE_WERROR=ON \
	    -DDISCONE_SANITIZE=ON -DDISCONE_BENCH=OFF >/dev/null
	@cmake --build build-asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --test-dir build-asan --output-on-failure -j $(JOBS)

package: build-release
	cd build-release && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-release build-fuzz build-asan
