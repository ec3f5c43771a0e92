# Front door: every target installs what is missing, configures and builds first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
GENERATOR  := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
JOBS       ?= $(shell nproc)

.PHONY: all deps build test test-fast test-asan run bench package clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

test: test-fast test-asan

test-fast: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DBXR_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The program window with the gear-shaft example when there is a display; without one the
# results report of the example runs as a batch, written beside the build and printed here.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  cd $(BUILD) && ./wbxr ../data/getriebewelle.bxr; \
	else \
	  cd $(BUILD) && ./wbxr ../data/getriebewelle.bxr /I /NOGUI && cat getriebewelle.txt && \
	  echo "(no display: the window starts with  $(BUILD)/wbxr data/getriebewelle.bxr  on a desktop)"; \
	fi

bench: build
	./$(BUILD)/bxr_bench
	bench/report_batch.sh 1000
	bench/report_batch.sh 50 bench/allround_shaft.bxr
	bench/batch_speed.sh 1000

# The Debian package bxr_<version>_<arch>.deb in $(BUILD), checked by lintian.
package: build
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error $(BUILD)/bxr_*.deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
