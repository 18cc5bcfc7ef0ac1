# make run  — set up, build and start the calculator
# make test — set up, build and run every test headless
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# make install PREFIX=/usr DESTDIR=/tmp/stage
PREFIX ?= /usr/local
DESTDIR ?=

.PHONY: all programs build run test install uninstall package bench clean

all: programs

# A first configure leaves the tests and benchmarks out, so that make run compiles only what
# it runs; make test turns them on in the same build directory.
$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) -DANGLARIX_TESTS=OFF -DANGLARIX_BENCH=OFF

programs:
	@tools/setup-debian.sh run
	@$(MAKE) --no-print-directory $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target programs

build:
	@tools/setup-debian.sh test
	@$(MAKE) --no-print-directory $(BUILD)/build.ninja
	@grep -q '^ANGLARIX_TESTS:BOOL=ON' $(BUILD)/CMakeCache.txt && grep -q '^ANGLARIX_BENCH:BOOL=ON' $(BUILD)/CMakeCache.txt || \
	  cmake -S . -B $(BUILD) -DANGLARIX_TESTS=ON -DANGLARIX_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)

run: programs
	@if [ -x $(BUILD)/app/anglarix ]; then $(BUILD)/app/anglarix; \
	else echo "anglarix: the window program is not built yet; everything else is."; fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# CMake's own manifest leaves DESTDIR out and is rewritten by every install, the packaging
# tests' included, so the list uninstall reads is kept apart.
install: programs
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)" --strip
	sed 's|^|$(DESTDIR)|' $(BUILD)/install_manifest.txt > $(BUILD)/installed-files.txt

uninstall:
	@test -f $(BUILD)/installed-files.txt || { echo "uninstall: nothing installed from $(BUILD)"; exit 1; }
	xargs -d '\n' rm -f -- < $(BUILD)/installed-files.txt
	rm $(BUILD)/installed-files.txt

# The Debian package, written into $(BUILD)/.
package: programs
	@tools/setup-debian.sh package
	cmake --build $(BUILD) --target package

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD)
