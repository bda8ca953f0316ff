# The two commands of the README: `make run` and `make test`.
# `make test SANITIZE=1` builds with -fsanitize=address,undefined and runs the same suite.

BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-sanitize
CMAKE_FLAGS += -DSTAMPIX_SANITIZE=ON
else
BUILD_DIR ?= build
endif

.PHONY: demo all deps configure build test run bench fuzz fuzz-check format clean package

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

# Test discovery runs the test programs during the build; they need no display.
build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS) --timeout 300

# Debian packages of the programs and of the library, into $(BUILD_DIR)/packages.
package: build
	cd $(BUILD_DIR) && cpack -B packages

run: build
	./scripts/run.sh $(BUILD_DIR)

demo: build
	$(BUILD_DIR)/editctl/demo/wextl-demo

bench: build
	./scripts/run-benchmarks.sh $(BUILD_DIR)

fuzz: deps
	CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTAMPIX_FUZZ=ON -DSTAMPIX_SANITIZE=ON -DSTAMPIX_BENCH=OFF
	cmake --build build-fuzz -j $(JOBS) --target fuzzers

# Each fuzz target a few seconds from its seeds: fails if one reaches less than its floor.
fuzz-check: fuzz
	./scripts/fuzz-coverage.py build-fuzz 5

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-sanitize build-fuzz
