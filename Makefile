# Everything a fresh machine needs: `make run` and `make test`.
MAKEFLAGS += --no-print-directory
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
SAMPLE ?= data/ldt/sample_street_isym0.ldt

.PHONY: deps configure build run test bench screenshots clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# The desktop program runs in data/, its program folder; without a display the
# command-line sample runs instead.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		cd data && ../$(BUILD_DIR)/app/nottaro; \
	else \
		echo "no display: running the command-line sample"; \
		$(BUILD_DIR)/cli/nottaro-cli info $(SAMPLE); \
	fi

# Every window in the five languages, drawn offscreen: $(BUILD_DIR)/screenshots/<window>-<lang>.png
screenshots: build
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/app/nottaro-screenshots $(BUILD_DIR)/screenshots data
	@echo "screenshots in $(BUILD_DIR)/screenshots"

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@bash bench/run.sh $(BUILD_DIR)

clean:
	@rm -rf $(BUILD_DIR)
