# make play: set up this machine, build, and play.   make test: set up, build, and run every test.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: play test setup build bench soak clean

setup:
	@tools/bootstrap

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# The game reads data/ from its working folder: the repository root.
play: build
	./$(BUILD)/cavern

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
