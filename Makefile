# Developer entry points. `make test` and `make demo` work on a fresh Debian 12 machine: each
# first installs the packages the project needs (scripts/install-deps.sh, idempotent).

SANITIZE_BUILD := build/sanitize
RELEASE_BUILD := build/release
THREAD_BUILD := build/thread
# The tests whose code runs on more than one thread: the file search, its command and its places
# in the window, and the runs that fetch ahead while the loopback server answers on its own
# threads.
THREADED_TESTS := ^(FindFileThreads|FindFile|FindCommand|Prefetch|FileSearchPlaceTest)\.
JOBS ?= $(shell nproc)

.PHONY: all deps test demo run bench fuzz format lint clean

all: test

deps:
	@scripts/install-deps.sh

# The gate, repeatable on two cores: every test built with the address and undefined-behaviour
# sanitizers (the fuzz targets replay their corpora among them, the desktop program's tests run
# on Qt's offscreen platform, and its screenshot test under xvfb-run); the threaded tests again
# under the thread sanitizer; then the format and clang-tidy checks. Timed fuzzing is `make
# fuzz`, apart, since a new random input must not turn the gate red.
test: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELLUCOR_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS) -LE screen
	cd $(SANITIZE_BUILD) && xvfb-run -a ctest --output-on-failure -L screen
	cmake -S . -B $(THREAD_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DPELLUCOR_THREAD_SANITIZE=ON
	cmake --build $(THREAD_BUILD) -j $(JOBS) --target files_tests cli_tests download_tests explorer_tests
	cd $(THREAD_BUILD) && ctest --output-on-failure -j $(JOBS) -R '$(THREADED_TESTS)'
	scripts/lint.sh $(SANITIZE_BUILD)

$(RELEASE_BUILD)/build.ninja:
	cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELLUCOR_BUILD_BENCH=ON

# Serves the bundled sample site on 127.0.0.1 and downloads it into ./pellucor-demo/ with every
# frame, so that the offline check after the run finds everything saved; with a display, the
# saved page then opens in the HTML viewer.
demo: deps $(RELEASE_BUILD)/build.ninja
	cmake --build $(RELEASE_BUILD) -j $(JOBS) --target pellucor-cli
	$(RELEASE_BUILD)/src/cli/pellucor-cli download --demo --frames all
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] && command -v xdg-open > /dev/null; then \
	  xdg-open pellucor-demo/index.html; fi

# Builds the desktop program and starts it (it needs a display) with the bundled sample site
# served on loopback and shown on the download tab: its download button saves it into
# ./pellucor-demo/.
run: deps $(RELEASE_BUILD)/build.ninja
	cmake --build $(RELEASE_BUILD) -j $(JOBS) --target pellucor
	$(RELEASE_BUILD)/app/pellucor --demo

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
	bench/compare_download.sh $(RELEASE_BUILD)
	bench/run_startup.sh $(RELEASE_BUILD)
	$(RELEASE_BUILD)/bench/view_bench
	QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu $(RELEASE_BUILD)/bench/highlight_bench
	bench/compare_highlight.sh $(RELEASE_BUILD)
	bench/compare_find.sh $(RELEASE_BUILD)
	$(RELEASE_BUILD)/bench/search_tab_bench /usr '*.h'

# The libFuzzer targets, each for FUZZ_SECONDS (default 75, ten minutes in all) on its seed
# corpus.
fuzz: deps
	scripts/fuzz.sh

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

lint:
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELLUCOR_SANITIZE=ON
	scripts/lint.sh $(SANITIZE_BUILD)

clean:
	rm -rf build out pellucor-demo
