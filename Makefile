# Two commands do everything: `make run` and `make test` (see README.md).
# Both install missing Debian packages first, configure into build/ and build.

BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc)
# The reader and renderer tests again under AddressSanitizer and UBSan.
ASAN_BUILD ?= build-asan
# make fuzz: libFuzzer targets built with clang, each run FUZZ_SECONDS.
FUZZ_BUILD   ?= build-fuzz
# A cups-pdf queue for the print-queue test; without one that test skips.
PRINT_QUEUE  ?= PDF
FUZZ_SECONDS ?= 60

# Debian packages the build, the program and the tests need.
PACKAGES := g++ cmake ninja-build pkg-config \
            qt6-base-dev qt6-svg-dev qt6-qpa-plugins qt6-image-formats-plugins \
            libgl-dev fonts-ipafont libgtest-dev libgmock-dev libbenchmark-dev \
            libwmf-dev libexpat1-dev libjpeg-dev libemf2svg-dev fonts-urw-base35 \
            qt6-translations-l10n qt6-l10n-tools poppler-utils ccache glabels-data libcsv-dev libzint-dev libzxing-dev
FUZZ_PACKAGES := clang libclang-rt-dev
# make package: building the .deb and checking it.
PACKAGE_BUILD ?= build-package
PACKAGE_TOOLS := dpkg-dev fakeroot file lintian appstream desktop-file-utils librsvg2-bin shared-mime-info \
                 libglib2.0-bin libxml2-utils man-db
# make package-test also installs it, starts it under Xvfb and removes it.
PACKAGE_TEST_TOOLS := xvfb xauth imagemagick xdotool x11-utils
PACKAGE_SHOT ?=

SANITIZER_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

.PHONY: all deps configure build run test test-sanitized print-queue bench fuzz package package-test translations \
        guide-screenshots clean

all: build

define install_missing
	@missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update -qq && \
	  $$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

configure: deps
	@if [ ! -f $(BUILD)/build.ninja ]; then \
	  cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE); \
	fi

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/porkane

test: build test-sanitized print-queue
	PORKANE_TEST_PRINT_QUEUE=$$(cat $(BUILD)/print-queue 2>/dev/null) \
	  ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The queue test runs only when the queue could be set up here.
print-queue: configure
	@rm -f $(BUILD)/print-queue
	-tests/print/start-cups-pdf.sh $(PRINT_QUEUE) && echo $(PRINT_QUEUE) > $(BUILD)/print-queue

test-sanitized: deps
	@if [ ! -f $(ASAN_BUILD)/build.ninja ]; then \
	  cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DCMAKE_CXX_FLAGS="$(SANITIZER_FLAGS) -O1" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZER_FLAGS)"; \
	fi
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target sanitized_tests
	ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer-suppressions.txt \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) -L sanitized

# New tr() texts of src/ into resources/translations/porkane_*.ts, to be
# translated there (Qt Linguist or an editor); the test fails until they are.
translations: configure
	cmake --build $(BUILD) --target update-translations

# The user guide's pictures, taken again from the program under Xvfb.
guide-screenshots: build
	$(call install_missing,$(PACKAGE_TEST_TOOLS) pngquant)
	tools/guide-screenshots.sh $(BUILD)

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b --benchmark_min_time=1 || exit 1; done

fuzz: deps
	$(call install_missing,$(FUZZ_PACKAGES))
	@if [ ! -f $(FUZZ_BUILD)/build.ninja ]; then \
	  CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPORKANE_FUZZ=ON \
	    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"; \
	fi
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	@mkdir -p $(FUZZ_BUILD)/artifacts
	@for target in $(FUZZ_BUILD)/bin/fuzz_*; do \
	  reader=$${target##*/fuzz_}; \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$reader; \
	  echo "== fuzzing $$reader for $(FUZZ_SECONDS) s"; \
	  $$target -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=256 \
	    -artifact_prefix=$(FUZZ_BUILD)/artifacts/$$reader- -print_final_stats=1 \
	    $(FUZZ_BUILD)/corpus/$$reader tests/fuzz/corpus/$$reader 2>&1 | grep -E '^(#|stat::|==|SUMMARY|Done)' | tail -n 8 \
	    || exit 1; \
	done

# porkane_<version>_<arch>.deb in $(PACKAGE_BUILD)/: the program alone (no tests,
# no benchmarks), with Debian's hardening flags, stripped, its library
# dependencies found by dpkg-shlibdeps; then checked (lintian among others).
package: deps
	$(call install_missing,$(PACKAGE_TOOLS))
	@if [ ! -f $(PACKAGE_BUILD)/build.ninja ]; then \
	  export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	  CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	  LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	  cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	    -DBUILD_TESTING=OFF -DPORKANE_BENCHMARKS=OFF; \
	fi
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	rm -f $(PACKAGE_BUILD)/porkane_*.deb
	cd $(PACKAGE_BUILD) && cpack -G DEB
	tests/package/check-package.sh $(PACKAGE_BUILD)/porkane_*.deb

# Installs the package on this machine, starts it, purges it: for a machine
# that may be changed (a fresh one). PACKAGE_SHOT=file.png keeps a screenshot.
package-test: package
	$(call install_missing,$(PACKAGE_TEST_TOOLS))
	tests/package/check-package.sh --install $(if $(PACKAGE_SHOT),--screenshot $(PACKAGE_SHOT)) $(PACKAGE_BUILD)/porkane_*.deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(PACKAGE_BUILD)
