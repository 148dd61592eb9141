# SPDX-License-Identifier: GPL-3.0-or-later
# The two README commands: `make run` builds and starts the game, `make test` builds and runs every test.
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# Our own builds hold every warning as an error; a plain cmake build does not.
CMAKE_FLAGS += -DKELVANE_WERROR=ON
# Rebuilds across worktrees and clean clones reuse compiled objects where ccache is installed:
# paths inside the clone are hashed relative to it, so another clone of the same sources hits.
# Looked up when a recipe runs, after `deps` has installed it: looked up when make starts, a new
# machine would configure build/ without it and the later sub-makes would rebuild it all with it.
CCACHE = $(shell command -v ccache 2>/dev/null)
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
CMAKE_FLAGS += $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE))

.PHONY: run test deps build build-asan build-fuzz fuzz coverage install package check-package clean \
  web web-tests serve-web

deps:
	@sh tools/install-deps.sh

build: deps
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build build -j $(JOBS)

build-asan: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELVANE_SANITIZE=ON -DKELVANE_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build build-asan -j $(JOBS)

# The parsers' fuzz targets, built with clang in their own folder.
FUZZ_TIME ?= 20
FUZZ_TARGETS = figure_text_fuzz ini_reader_fuzz puzzle_text_fuzz

build-fuzz: deps
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DKELVANE_FUZZ=ON -DKELVANE_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build build-fuzz -j $(JOBS) --target kelvane_fuzz

# A short run of each target, seeded from the committed corpora; new finds stay in build-fuzz.
# Each run's chatter goes to its log, shown only when the target finds a fault.
fuzz: build-fuzz
	for t in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$t && \
	  if build-fuzz/tests/fuzz/$$t -max_total_time=$(FUZZ_TIME) -print_final_stats=1 \
	      build-fuzz/corpus/$$t tests/fuzz/corpus/$$t > build-fuzz/$$t.log 2>&1; then \
	    echo "fuzz $$t: $$(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' build-fuzz/$$t.log | tr -s ' ') no fault"; \
	  else tail -n 60 build-fuzz/$$t.log; echo "fuzz $$t: FAULT FOUND"; exit 1; fi; \
	done

# The web page: the core compiled with Debian's emscripten into the static site build-web/site.
# Its scripts search Debian's node modules, which a node from elsewhere does not.
web: deps
	NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DKELVANE_WERROR=ON
	NODE_PATH=/usr/share/nodejs cmake --build build-web -j $(JOBS)

# The core's tests compiled for node, in the web build's folder; `make test` runs them.
web-tests: web
	NODE_PATH=/usr/share/nodejs cmake --build build-web -j $(JOBS) --target kelvane_core_tests

# Serves the site on this machine only; any plain static host serves it as well.
WEB_PORT ?= 8080
serve-web: web
	@echo "Open http://127.0.0.1:$(WEB_PORT)/ in a browser"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory build-web/site

# The game reads and writes every file relative to its working folder, build/run.
run: build
	cd build/run && ../src/shell/kelvane

# The fuzz run comes first; the test-to-code line ratio closes the output and fails the run only
# above TEST_RATIO_LIMIT per cent.
TEST_RATIO_LIMIT ?= 40
test: build build-asan web-tests
	@sh tools/check_spdx.sh
	$(MAKE) fuzz
	$(MAKE) check-package
	cd build && ctest --output-on-failure -j $(JOBS)
	cd build-asan && ctest --output-on-failure -j $(JOBS)
	@sh tools/test_ratio.sh $(TEST_RATIO_LIMIT)

# Line and branch coverage of src/ and of the core alone, from every test over a --coverage Debug
# build in its own folder; the per-file tables are left in build-coverage/*.txt.
GCOVR = gcovr -r . --object-directory build-coverage --exclude-unreachable-branches \
  --exclude-throw-branches --print-summary
CORE_DIRS = model analysis creation storage render

coverage: deps
	cmake -S . -B build-coverage -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELVANE_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS=--coverage $(CMAKE_FLAGS)
	cmake --build build-coverage -j $(JOBS)
	find build-coverage -name '*.gcda' -delete
	cd build-coverage && ctest --output-on-failure -j $(JOBS)
	@echo "coverage of src/:"
	@$(GCOVR) -f src/ --txt build-coverage/coverage-src.txt
	@echo "coverage of the core:"
	@$(GCOVR) $(foreach d,$(CORE_DIRS),-f src/$(d)/) --txt build-coverage/coverage-core.txt

install: build
	cmake --install build $(if $(PREFIX),--prefix $(PREFIX))

# The Debian package, build/kelvane_<version>-1_<arch>.deb.
package: build
	cd build && cpack -G DEB

# What a distribution's reviewer runs: lintian on the .deb, and the desktop entry, metainfo and
# manual pages as `make install` lays them out.
check-package: package
	sh tools/check_package.sh build

clean:
	rm -rf build build-asan build-fuzz build-coverage build-web
