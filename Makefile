# make run  — set up, build and start the calculator
# make test — set up, build and run every test headless
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all setup configure build run test install bench clean

all: build

setup:
	@tools/setup-debian.sh

$(BUILD)/build.ninja:
	@$(MAKE) --no-print-directory setup
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD)/build.ninja

build: setup configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/app/anglarix ]; then $(BUILD)/app/anglarix; \
	else echo "anglarix: the window program is not built yet; everything else is."; fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

install: build
	cmake --install $(BUILD)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD)
