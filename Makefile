# The two README commands: `make run` builds and starts the game, `make test` builds and runs every test.
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test deps build build-asan install clean

deps:
	@sh tools/install-deps.sh

build: deps
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build build -j $(JOBS)

build-asan: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELVANE_SANITIZE=ON -DKELVANE_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build build-asan -j $(JOBS)

run: build
	@echo "The game window is not built yet: run 'make test' for the engine."

test: build build-asan
	cd build && ctest --output-on-failure -j $(JOBS)
	cd build-asan && ctest --output-on-failure -j $(JOBS)

install: build
	cmake --install build $(if $(PREFIX),--prefix $(PREFIX))

clean:
	rm -rf build build-asan
