# Thin wrapper: `make run` starts the program, `make test` runs every test.
# Both install the Debian packages the build needs when they are missing.

BUILD_DIR ?= build
PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins \
            libgl-dev libvulkan-dev libgtest-dev fonts-dejavu-core
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j$$(nproc)

run: build
	cd $(BUILD_DIR) && ./brimsota

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure

clean:
	rm -rf $(BUILD_DIR)
