# make run  — install what is needed, build, start the program
# make test — install what is needed, build, run every test
# make package — the Debian package quillon_<version>_<arch>.deb in the build folder
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build test run bench package clean

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# The desktop program: its main window, in the no-menu state.
run: build
	$(BUILD_DIR)/bin/quillon

package: build
	cd $(BUILD_DIR) && cpack -G DEB

bench: build
	bash bench/run.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
