# Two commands on a fresh Debian 12 machine: `make run` and `make test`. Each
# installs what is missing, configures, builds, and runs under Wine.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CTEST_ARGS ?=

BUILD := $(abspath $(BUILD_DIR))
PREFIX := $(BUILD)/wineprefix
APP := $(BUILD)/app/WeVote.exe
WORKBENCH := $(BUILD)/workbench/Workbench.exe
TOOLS := $(CURDIR)/tools

PACKAGES := \
	g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev \
	binutils-mingw-w64-x86-64 cmake ninja-build googletest \
	wine wine64 xvfb xauth fonts-arphic-uming imagemagick xdotool x11-utils python3 clang-format

.PHONY: all setup build run workbench test screenshot clean

all: build

setup:
	@$(TOOLS)/install-packages $(PACKAGES)

build: setup
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
		-DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	@flock --close $(BUILD)/.build-lock cmake --build $(BUILD)

# With no $DISPLAY the program runs on a virtual display (see `make screenshot`).
run: build
	@test -f $(APP) || { echo "$(APP) was not built" >&2; exit 1; }
	$(TOOLS)/wine-run $(PREFIX) $(APP)

# The control workbench: the gallery, or FILE=path/to/form.design.
workbench: build
	@test -f $(WORKBENCH) || { echo "$(WORKBENCH) was not built" >&2; exit 1; }
	$(TOOLS)/wine-run $(PREFIX) $(WORKBENCH) $(FILE)

# One virtual display and one wineserver for the whole run.
test: build
	$(TOOLS)/wine-session $(PREFIX) -- ctest --test-dir $(BUILD) --output-on-failure $(CTEST_ARGS)

screenshot: build
	@test -f $(APP) || { echo "$(APP) was not built" >&2; exit 1; }
	$(TOOLS)/wine-session $(PREFIX) -- $(TOOLS)/capture-window $(BUILD)/screenshot.png $(PREFIX) $(APP)

clean:
	rm -rf $(BUILD)
