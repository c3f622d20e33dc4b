# SPDX-License-Identifier: GPL-3.0-or-later
# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-serialport-dev libqt6sql6-sqlite \
            libgl-dev qt6-svg-dev qt6-charts-dev poppler-utils sqlite3 dpkg-dev \
            qt6-tools-dev qt6-l10n-tools qt6-translations-l10n file \
            libsqlite3-dev qt6-positioning-dev gpsbabel
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS := $(shell nproc 2>/dev/null || echo 2)
BUILD_TYPE ?= RelWithDebInfo

FUZZ_SECONDS ?= 60
FUZZ_PACKAGES := clang libclang-rt-14-dev
# The house style's formatter (the project's .clang-format).
FORMAT_PACKAGES := clang-format
# Instruction counts and a real X server for the benchmarks.
BENCH_PACKAGES := valgrind xvfb xauth
# Debian's own checkers of the package, its desktop entry and its AppStream metadata.
CHECK_PACKAGES := lintian appstream desktop-file-utils shared-mime-info libglib2.0-bin xdg-utils

.PHONY: translations screenshots deps deps-fuzz deps-bench deps-check build run test bench test-asan fuzz package package-check format format-check clean

# Installs those of the Debian packages $(1) that are missing.
define install-missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))

deps-fuzz: deps
	$(call install-missing,$(FUZZ_PACKAGES))

deps-bench: deps
	$(call install-missing,$(BENCH_PACKAGES))

deps-check: deps
	$(call install-missing,$(CHECK_PACKAGES))

# Every C++ file as .clang-format lays it out: `make format` applies it, `make format-check`
# fails on any file that differs.
CXX_FILES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests bench tools -name '*.cpp' -o -name '*.h')

# The translations brought up to date with the sources; new entries are left to translate.
translations: deps
	/usr/lib/qt6/bin/lupdate -silent -I src -locations none -no-obsolete src/core src/gui src/app \
	  -ts translations/orvanta_de.ts translations/orvanta_fr.ts translations/orvanta_es.ts \
	  translations/orvanta_pt_BR.ts

format:
	$(call install-missing,$(FORMAT_PACKAGES))
	clang-format -i $(CXX_FILES)

format-check:
	$(call install-missing,$(FORMAT_PACKAGES))
	clang-format --dry-run --Werror $(CXX_FILES)

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build build -j$(JOBS)

run: build
	tools/run-orvanta.sh build

test: build
	cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The README's pictures in docs/, drawn by the program on the offscreen platform.
screenshots: build
	QT_QPA_PLATFORM=offscreen build/orvanta-screenshots docs

bench: build deps-bench
	tools/run-benchmarks.sh build

test-asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DORVANTA_SANITIZE=ON
	cmake --build build-asan -j$(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j$(JOBS)

package: build
	rm -f build/orvanta_*.deb
	cd build && cpack -G DEB

# The package as Debian checks it: no lintian error or warning, valid AppStream metadata and a
# desktop entry without a remark.
package-check: deps-check package
	lintian --allow-root --fail-on error,warning build/orvanta_*.deb
	appstreamcli validate --pedantic --no-net build/packaging/org.orvanta.Orvanta.metainfo.xml
	@out=$$(desktop-file-validate packaging/org.orvanta.Orvanta.desktop); \
	if [ -n "$$out" ]; then echo "$$out"; exit 1; fi
	tools/mime-check.sh

fuzz: deps-fuzz
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANTA_FUZZ=ON -DORVANTA_BUILD_TESTS=OFF
	cmake --build build-fuzz --target fuzz_receive fuzz_session fuzz_datafile fuzz_survey fuzz_longtable fuzz_settings fuzz_portlinks fuzz_keys -j$(JOBS)
	tools/run-fuzz.sh build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build build-asan build-fuzz
