# Thin wrapper: `make run` starts the program, `make test` runs every test.
# Both install the Debian packages the build needs when they are missing.
# `make fuzz-short` runs each fuzz target for a few seconds under the address
# and undefined-behaviour sanitizers (installing clang first); it is not part
# of `make test`.

BUILD_DIR ?= build
PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins \
            libgl-dev libvulkan-dev libgtest-dev fonts-dejavu-core
FUZZ_PACKAGES := clang libclang-rt-14-dev pkg-config
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps fuzz-deps configure build run test fuzz-short clean

all: build

# Installs whichever of $(1) is missing.
define install-missing
	@missing=""; for p in $(1); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))

fuzz-deps:
	$(call install-missing,$(FUZZ_PACKAGES))

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j$$(nproc)

run: build
	cd $(BUILD_DIR) && ./brimsota

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure

fuzz-short: fuzz-deps
	bash fuzz/run.sh --short

clean:
	rm -rf $(BUILD_DIR)
