# make run  — set up, build and start the calculator
# make test — set up, build and run every test headless
# make web  — the page (WebAssembly) in build-web/page, and the single file anglarix.html; make web-run serves it
# make windows — the Windows programs, installer and portable zip in build-win/
BUILD ?= build
WEB_BUILD ?= build-web
WIN_BUILD ?= build-win
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# make install PREFIX=/usr DESTDIR=/tmp/stage
PREFIX ?= /usr/local
DESTDIR ?=

.PHONY: all programs build run test install uninstall package bench clean web web-run web-build web-test \
  windows win-build win-test

all: programs

# A first configure leaves the tests and benchmarks out, so that make run compiles only what
# it runs; make test turns them on in the same build directory.
$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) -DANGLARIX_TESTS=OFF -DANGLARIX_BENCH=OFF

programs:
	@tools/setup-debian.sh run
	@$(MAKE) --no-print-directory $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target programs

# The desktop build's ctest runs the WebAssembly and Windows builds' tests too, so that one
# summary ends make test.
build:
	@tools/setup-debian.sh test
	@$(MAKE) --no-print-directory $(BUILD)/build.ninja
	@grep -q '^ANGLARIX_TESTS:BOOL=ON' $(BUILD)/CMakeCache.txt && grep -q '^ANGLARIX_BENCH:BOOL=ON' $(BUILD)/CMakeCache.txt && \
	  grep -qx 'ANGLARIX_WEB_BUILD:PATH=$(abspath $(WEB_BUILD))' $(BUILD)/CMakeCache.txt && \
	  grep -qx 'ANGLARIX_WIN_BUILD:PATH=$(abspath $(WIN_BUILD))' $(BUILD)/CMakeCache.txt || \
	  cmake -S . -B $(BUILD) -DANGLARIX_TESTS=ON -DANGLARIX_BENCH=ON -DANGLARIX_WEB_BUILD=$(abspath $(WEB_BUILD)) \
	    -DANGLARIX_WIN_BUILD=$(abspath $(WIN_BUILD))
	cmake --build $(BUILD) -j $(JOBS)

run: programs
	@if [ -x $(BUILD)/faces/qt/app/anglarix ]; then $(BUILD)/faces/qt/app/anglarix; \
	else echo "anglarix: the window program is not built yet; everything else is."; fi

test: build web-build win-build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Debian's emscripten finds acorn only through NODE_PATH. emcmake is left out: it hands node a
# flag that node 20 refuses, so the toolchain file is named directly.
EMSCRIPTEN_TOOLCHAIN = /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
WEB_ENV = NODE_PATH=/usr/share/nodejs

$(WEB_BUILD)/build.ninja:
	$(WEB_ENV) cmake -S faces/web -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(EMSCRIPTEN_TOOLCHAIN) -DCMAKE_CROSSCOMPILING_EMULATOR=$$(command -v node)

web-build:
	@tools/setup-debian.sh web
	@$(MAKE) --no-print-directory $(WEB_BUILD)/build.ninja
	$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS)

# The page alone: build-web/page holds everything a static host needs.
web:
	@tools/setup-debian.sh web
	@$(MAKE) --no-print-directory $(WEB_BUILD)/build.ninja
	$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS) --target page

WEB_PORT ?= 8936
web-run: web
	@echo "Anglarix: http://localhost:$(WEB_PORT)/ (Ctrl+C stops the server)"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(WEB_BUILD)/page

# The WebAssembly build's tests alone, under node.
web-test: web-build
	cd $(WEB_BUILD) && ctest --output-on-failure -j $(JOBS)

# Cross-built with Debian's mingw-w64; the tests run under Wine.
$(WIN_BUILD)/build.ninja:
	cmake -S faces/win -B $(WIN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(abspath cmake/MingwW64.cmake)

# anglarix-calc.exe, anglarix-<version>-setup.exe and anglarix-<version>-win64.zip.
windows:
	@tools/setup-debian.sh windows
	@$(MAKE) --no-print-directory $(WIN_BUILD)/build.ninja
	cmake --build $(WIN_BUILD) -j $(JOBS) --target windows_packages

win-build:
	@tools/setup-debian.sh windows
	@$(MAKE) --no-print-directory $(WIN_BUILD)/build.ninja
	cmake --build $(WIN_BUILD) -j $(JOBS)

# The Windows build's tests alone, under Wine.
win-test: win-build
	cd $(WIN_BUILD) && ctest --output-on-failure -j $(JOBS)

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
	@if [ -f $(WEB_BUILD)/page/anglarix.wasm ]; then python3 bench/page_bench.py $(WEB_BUILD)/page; fi

clean:
	rm -rf $(BUILD) $(WEB_BUILD) $(WIN_BUILD)
