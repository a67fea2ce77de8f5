# Everything a fresh machine needs: `make run` and `make test`.
MAKEFLAGS += --no-print-directory
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
SAMPLE ?= data/ldt/sample_street_isym0.ldt

SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
TSAN_DIR ?= build-tsan
TSAN_FLAGS = -fsanitize=thread -fno-omit-frame-pointer
# The tests that run work on several threads: the parallel sweep loop, the
# sweeps cancelled from another thread, the command-line sweeps and details
# on two threads, the Masterplan run on any thread count.
TSAN_TESTS = SweepParallelo|OttimizzaStrada|OttimizzaCli|DettaglioSoluzione|CalcolaMasterplan

.PHONY: deps configure build run test bench golden sanitize tsan screenshots clean catalogue-sample report-references package

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

# The Debian package: $(BUILD_DIR)/nottaro_<version>_<arch>.deb
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@bash bench/run.sh $(BUILD_DIR)

# Rewrites the sample luminaire catalogue of data/ from the photometric fixtures.
catalogue-sample: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target catalogue-sample
	@$(BUILD_DIR)/tools/catalogue-sample/catalogue-sample tests/fixtures/photometry data

# Writes the reference pictures of the report's visual test again (only for an
# intended change of the printed page; look at them before committing).
report-references: build
	@bash tests/report/riferimenti.sh $(BUILD_DIR)/cli/nottaro-cli tests/fixtures/report

# Writes tests/fixtures/golden again from this build (only for an intended change of figures).
golden: build
	@bash tests/golden/aggiorna.sh $(BUILD_DIR)

# The readers and writers under AddressSanitizer and UndefinedBehaviorSanitizer,
# in a build folder of their own (one vector width, see NOTTARO_UN_SOLO_VETTORE),
# fed their damaged and hostile inputs: the tests of the programs named in
# SANITIZE_TESTS (ctest labels; each test_<label> program and nottaro-cli are
# built). SANITIZE_TESTS=. runs every test after a full build. Not part of
# `make test`.
SANITIZE_TESTS ?= core|store|masterplan|catalogue|cli
sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNOTTARO_UN_SOLO_VETTORE=ON \
		-DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" >/dev/null
	@if [ "$(SANITIZE_TESTS)" = "." ]; then cmake --build $(SANITIZE_DIR) -j $(JOBS); \
	else cmake --build $(SANITIZE_DIR) -j $(JOBS) --target nottaro-cli \
		$$(echo "$(SANITIZE_TESTS)" | tr '|' '\n' | sed 's/^/test_/'); fi
	@cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS) \
		$(if $(filter .,$(SANITIZE_TESTS)),,-L '^($(SANITIZE_TESTS))$$')

# The threaded tests under ThreadSanitizer, in a build folder of their own
# (one vector width, as for `make sanitize`); any race reported fails them,
# but for the C++ library's own ones listed, with why, in tests/tsan.supp.
tsan: deps
	@cmake -S . -B $(TSAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNOTTARO_UN_SOLO_VETTORE=ON \
		-DCMAKE_CXX_FLAGS="$(TSAN_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(TSAN_FLAGS)" >/dev/null
	@cmake --build $(TSAN_DIR) -j $(JOBS) --target test_sweep test_masterplan nottaro-cli
	@cd $(TSAN_DIR) && TSAN_OPTIONS=halt_on_error=1:exitcode=66:suppressions=$(CURDIR)/tests/tsan.supp \
		ctest --output-on-failure -j $(JOBS) -R '$(TSAN_TESTS)'

clean:
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(TSAN_DIR)
