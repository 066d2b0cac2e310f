# make play: set up this machine, build, and play.   make test: set up, build, and run every test.
BUILD ?= build
WEB_BUILD ?= build-web
WINDOWS_BUILD ?= build-windows
JOBS ?= $(shell nproc)

.PHONY: play test check mutants setup build bench soak clean package screenshot world-map web web-serve windows

setup:
	@tools/bootstrap test

# The configurations are CMakePresets.json's; $(BUILD) takes the place of their build/.
build: setup
	cmake --preset default -B $(BUILD) -DCAVERN_WEB_SITE=$(abspath $(WEB_BUILD))/site
	cmake --build $(BUILD) -j $(JOBS)

# Only what the game needs, and only the game. It reads data/ from its working
# folder, the repository root; SDL's compatibility library scales the picture
# to the screen, sharp with nearest-neighbour sampling, and shows every pad it
# knows with the button layout the game reads.
play:
	@tools/bootstrap play
	cmake --preset play -B $(BUILD)
	cmake --build $(BUILD) -j $(JOBS) --target cavern
	SDL12COMPAT_SCALE_METHOD=$${SDL12COMPAT_SCALE_METHOD:-nearest} \
	SDL12COMPAT_USE_GAME_CONTROLLERS=$${SDL12COMPAT_USE_GAME_CONTROLLERS:-1} ./$(BUILD)/cavern

test: build web windows
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The unit tier alone: what it needs built, then its tests (labels: unit, content, style, system,
# e2e, fuzz, soak, install; ctest -L picks one).
check: setup
	cmake --preset default -B $(BUILD)
	cmake --build $(BUILD) -j $(JOBS) --target unit_tests
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) -L unit

# Faults planted one at a time (tools/mutants/mutations.txt), each against the unit tier,
# in a copy of the tree built in build-mutants/.
mutants: setup
	python3 tools/mutants/run_mutants.py build-mutants

# Every benchmark beside its floor and its target, in one table; needs Xvfb.
bench: build web
	python3 bench/run_bench.py $(BUILD) $(WEB_BUILD)/site

clean:
	rm -rf $(BUILD) $(WEB_BUILD) $(WINDOWS_BUILD)

# The browser build: a static site in $(WEB_BUILD)/site/ that any static file host can serve.
# Emscripten's optimiser needs Debian's acorn, which a Node from outside Debian does not look for.
web: export NODE_PATH := /usr/share/nodejs:$(NODE_PATH)
web:
	@tools/bootstrap web
	emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WEB_BUILD) -j $(JOBS)

# The Windows build: $(WINDOWS_BUILD)/cavern-VERSION-windows-x86_64.zip, cross-built with
# MinGW-w64 on SDL and SDL_mixer built from Debian's own sources, kept in
# $(WINDOWS_BUILD)/libraries so that only the first run builds them.
windows:
	@tools/bootstrap windows
	tools/windows/build_libraries.sh $(WINDOWS_BUILD)/libraries
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/MingwToolchain.cmake \
		-DCMAKE_BUILD_TYPE=Release -DCAVERN_TOOLS=OFF -DBUILD_TESTING=OFF \
		-DCAVERN_WINDOWS_LIBRARIES=$(abspath $(WINDOWS_BUILD))/libraries/prefix
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# The site at http://127.0.0.1:8000/ (PORT=... for another), for this machine only.
web-serve: web
	python3 -m http.server --bind 127.0.0.1 --directory $(WEB_BUILD)/site $${PORT:-8000}

# The Debian package, made in $(BUILD)/.
package: build
	cd $(BUILD) && cpack

# The README's picture of the game at a fixed pass, the same on every run.
screenshot: build
	./$(BUILD)/tools/screenshot docs/screenshot.png

# The fifty rooms as the game builds them, in one picture: $(BUILD)/world-map.png.
world-map: build
	./$(BUILD)/tools/world-map . $(BUILD)/world-map.png

# The long soak: 100,000 passes of random play, half of it travelling the maze, under the address, undefined-behaviour
# and leak sanitizers, built with the soak preset in build/soak-asan. make test runs a short one.
soak: setup
	tests/soak/run_soak.sh . 100000
