# Developer entry points. `make test` and `make demo` work on a fresh Debian 12 machine: each
# first installs the packages the project needs (scripts/install-deps.sh, idempotent).

SANITIZE_BUILD := build/sanitize
RELEASE_BUILD := build/release
JOBS ?= $(shell nproc)

.PHONY: all deps test demo bench fuzz format clean

all: test

deps:
	@scripts/install-deps.sh

# Every test, built with the address and undefined-behaviour sanitizers; then the runs against
# hostile servers in the release build, where the 50 MiB page takes seconds instead of minutes;
# then each fuzz target for 20 seconds on its seed corpus.
test: deps $(RELEASE_BUILD)/build.ninja
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELLUCOR_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS)
	cmake --build $(RELEASE_BUILD) -j $(JOBS) --target download_tests
	$(RELEASE_BUILD)/tests/download/download_tests --gtest_filter='HostileRun.*'
	FUZZ_SECONDS=20 scripts/fuzz.sh

$(RELEASE_BUILD)/build.ninja:
	cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELLUCOR_BUILD_BENCH=ON

# Serves the bundled sample site on 127.0.0.1 and downloads it into ./pellucor-demo/.
demo: deps $(RELEASE_BUILD)/build.ninja
	cmake --build $(RELEASE_BUILD) -j $(JOBS) --target pellucor-cli
	$(RELEASE_BUILD)/src/cli/pellucor-cli download --demo

# Google Benchmark programs and the whole-process comparisons, on a release build.
bench: deps $(RELEASE_BUILD)/build.ninja
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
	$(RELEASE_BUILD)/bench/text_bench
	$(RELEASE_BUILD)/bench/syntax_bench
	$(RELEASE_BUILD)/bench/fetch_bench
	bench/compare_iconv.sh $(RELEASE_BUILD)
	bench/compare_tidy.sh $(RELEASE_BUILD)
	bench/run_sites.sh $(RELEASE_BUILD)
	bench/run_big_page.sh $(RELEASE_BUILD)
	bench/compare_highlight.sh $(RELEASE_BUILD)
	bench/compare_find.sh $(RELEASE_BUILD)

# The libFuzzer targets, each for FUZZ_SECONDS (default 75, ten minutes in all) on its seed
# corpus.
fuzz: deps
	scripts/fuzz.sh

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build out pellucor-demo
