# Kelmo: set-up, build, run and test on a Debian 12 machine.
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test
#   make bench  build and run the benchmarks
#   make fuzz   run every fuzz target for a bounded time
#   make sanitize  the tests under ASan+UBSan, then under TSan

PACKAGES      := cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libgmock-dev \
                 libbenchmark-dev libfftw3-dev libsndfile1-dev qt6-multimedia-dev \
                 qt6-l10n-tools qt6-translations-l10n
FUZZ_PACKAGES := clang libclang-rt-14-dev
SUDO          := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS          ?= $(shell nproc)
FUZZ_SECONDS  ?= 60
# Inputs up to 16 KiB (a state file of a few hundred lines, a PC-DSP file of 4000 samples) and
# 1 GiB of memory: a run that drifts to huge inputs, a leak or an allocation from a header's count
# is reported instead of slowing every later input down. A single input may take 30 s at most.
FUZZ_FLAGS    ?= -max_len=16384 -rss_limit_mb=1024 -timeout=30
BUILD         := build
# Warnings as errors where we check our own code (test, sanitize, fuzz, CI); a plain build or a
# packager's Release build only shows them.
WERROR        ?= OFF

.PHONY: all deps build run test bench fuzz sanitize clean

all: build

# Installs only the packages that are missing, so a ready machine needs no network.
deps:
	@missing=$$(for p in $(PACKAGES) $(EXTRA_PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELMO_WERROR=$(WERROR)

build: deps $(BUILD)/build.ninja
	@if [ "$(WERROR)" = ON ] && ! grep -q '^KELMO_WERROR:BOOL=ON$$' $(BUILD)/CMakeCache.txt; then \
	    cmake -S . -B $(BUILD) -DKELMO_WERROR=ON; fi
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "kelmo: no display found (DISPLAY is not set); start it from a desktop session."; \
	    exit 1; fi
	./$(BUILD)/kelmo

test: WERROR := ON
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELMO_TESTS=OFF -DKELMO_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	@for b in build-bench/bench/bench_*; do \
	    [ -f "$$b" ] && [ -x "$$b" ] || continue; echo "== $$b"; \
	    QT_QPA_PLATFORM=offscreen "$$b" || exit 1; done

fuzz:
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(FUZZ_PACKAGES)"
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DKELMO_GUI=OFF -DKELMO_TESTS=OFF -DKELMO_FUZZ=ON -DKELMO_WERROR=ON
	cmake --build build-fuzz -j $(JOBS)
	@for f in build-fuzz/fuzz/fuzz_*; do \
	    [ -f "$$f" ] && [ -x "$$f" ] || continue; name=$$(basename $$f); \
	    mkdir -p build-fuzz/corpus/$$name; \
	    echo "== $$name ($(FUZZ_SECONDS) s)"; \
	    if ! $$f -max_total_time=$(FUZZ_SECONDS) $(FUZZ_FLAGS) -print_final_stats=1 -artifact_prefix=build-fuzz/ \
	        build-fuzz/corpus/$$name fuzz/corpus/$$name > build-fuzz/$$name.log 2>&1; then \
	        tail -n 40 build-fuzz/$$name.log; echo "fuzz target $$name failed"; exit 1; fi; \
	    grep -E 'stat::number_of_executed_units|Done' build-fuzz/$$name.log | head -n 2; done

sanitize: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELMO_SANITIZE=address,undefined \
	    -DKELMO_WERROR=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELMO_SANITIZE=thread \
	    -DKELMO_WERROR=ON
	cmake --build build-tsan -j $(JOBS)
	cd build-tsan && QT_QPA_PLATFORM=offscreen TSAN_OPTIONS="suppressions=$(CURDIR)/tests/tsan.supp" \
	    ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) build-bench build-fuzz build-asan build-tsan
