# make play: set up this machine, build, and play.   make test: set up, build, and run every test.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: play test setup build bench soak clean package screenshot world-map

setup:
	@tools/bootstrap

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# The game reads data/ from its working folder: the repository root. Unscaled,
# SDL's compatibility library shows the picture whole on a larger screen.
play: build
	SDL12COMPAT_OPENGL_SCALING=$${SDL12COMPAT_OPENGL_SCALING:-0} ./$(BUILD)/cavern

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Every benchmark beside its floor and its target, in one table; needs Xvfb.
bench: build
	python3 bench/run_bench.py $(BUILD)

clean:
	rm -rf $(BUILD)

# The Debian package, made in $(BUILD)/.
package: build
	cd $(BUILD) && cpack

# The README's picture of the running game, under a private X server.
screenshot: build
	CAVERN_GRAB_TOOL=$(BUILD)/tests/e2e/grab_screen python3 packaging/screenshot.py $(BUILD)/cavern docs/screenshot.png

# The fifty rooms as the game builds them, in one picture: $(BUILD)/world-map.png.
world-map: build
	./$(BUILD)/tools/world-map . $(BUILD)/world-map.png

# The long soak: 100,000 passes of random play, half of it travelling the maze, under the address, undefined-behaviour
# and leak sanitizers, built in $(BUILD)/soak-asan. make test runs a short one.
soak: setup
	tests/soak/run_soak.sh . $(BUILD)/soak-asan 100000
