BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build test demo clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The demo needs the tool and the two developer tools it runs, not the tests.
demo: configure
	@cmake --build $(BUILD) -j $(JOBS) --target kontobok make-example bokinspect
	@scripts/demo $(BUILD)

clean:
	rm -rf $(BUILD) build-asan demo-output
