# The front doors: `make run` starts the optimised Lexidor on the sample card box, `make test`
# runs every test, `make deb` builds the Debian package with debhelper, `make install` installs
# it. `make bench` and `make fuzz` measure and shake the core library.
#
# build/       the optimised program users start (Release, no sanitizers, no tests)
# build-test/  the tests, built with address and undefined-behaviour sanitizers
BUILD := build
TEST_BUILD := build-test
SAMPLE := $(BUILD)/Beispiel.vkd
PREFIX := /usr/local
# Debian's hardening flags, all of them, as the package gets them: the program users start is
# built no weaker than the one a distribution ships (its debug information it does without).
buildflag = $(filter-out -g,$(shell DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get $(1)))
HAERTUNG := -DCMAKE_CXX_FLAGS="$(call buildflag,CPPFLAGS) $(call buildflag,CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(call buildflag,LDFLAGS)"

.PHONY: deps build test run deb install bench fuzz clean

deps:
	bash scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DLEXIDOR_SANITIZE=OFF -DLEXIDOR_TESTS=OFF \
	  $(HAERTUNG)
	cmake --build $(BUILD) -j$$(nproc)

# The end-to-end tests run once more against the optimised program in $(BUILD).
test: build
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEXIDOR_SANITIZE=ON \
	  -DLEXIDOR_OPTIMIERT=$(abspath $(BUILD))
	cmake --build $(TEST_BUILD) -j$$(nproc)
	cd $(TEST_BUILD) && ctest --output-on-failure -j$$(nproc)

# Not installed, the program keeps its files beside its binary. A first start finds an
# empty key mapping instead of greeting with a loading error.
run: build
	@test -f $(SAMPLE) || cp data/Beispiel.vkd $(SAMPLE)
	@test -f $(BUILD)/sonderzeichen.ini || cp data/sonderzeichen.ini $(BUILD)/sonderzeichen.ini
	$(BUILD)/lexidor $(SAMPLE)

# The package is built the Debian way from a copy of the source, so that dpkg-buildpackage's
# work files and its results (it writes them beside the source folder) stay in $(BUILD).
DEB_QUELLE := $(BUILD)/deb/lexidor-$(shell dpkg-parsechangelog -S Version | sed 's/-[^-]*$$//')

deb: deps
	rm -rf $(BUILD)/deb && mkdir -p $(DEB_QUELLE)
	tar -c --exclude-vcs --exclude='./build*' --exclude='./obj-*' . | tar -x -C $(DEB_QUELLE)
	cd $(DEB_QUELLE) && dpkg-buildpackage -b -us -uc -jauto
	cp $(BUILD)/deb/lexidor_*.deb $(BUILD)/

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

# The core at the card limit, then the whole program (its windows offscreen) on such a box: one
# in code page 1252, one of Russian and Greek cards in UTF-8; then a word list of as many rows
# imported through the dialog into an empty box.
bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLEXIDOR_BENCH=ON -DLEXIDOR_TESTS=OFF \
	  -DLEXIDOR_APP=ON
	cmake --build build-bench -j$$(nproc) --target lexidor_bench lexidor_programm_bench \
	  lexidor_import_bench
	mkdir -p $(BUILD)
	build-bench/bench/lexidor_bench --benchmark_out=$(BUILD)/bench.json \
	  --benchmark_out_format=json
	build-bench/bench/lexidor_programm_bench $(BUILD)/bench-programm.json
	build-bench/bench/lexidor_programm_bench $(BUILD)/bench-programm-kyrillisch.json kyrillisch
	build-bench/bench/lexidor_import_bench

# Every fuzz target that is built, FUZZ_TIME seconds each, seeded from the fixture files in
# tests/data; the corpus each one grows stays in build-fuzz for the next run.
FUZZ_TIME := 60

fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DLEXIDOR_FUZZ=ON -DLEXIDOR_TESTS=OFF -DLEXIDOR_APP=OFF
	cmake --build build-fuzz -j$$(nproc)
	@set -e; for ziel in build-fuzz/fuzz/fuzz_*; do \
	  [ -f "$$ziel" ] && [ -x "$$ziel" ] || continue; \
	  name=$$(basename "$$ziel"); \
	  mkdir -p build-fuzz/korpus/$$name build-fuzz/funde; \
	  echo "fuzz: $$name, $(FUZZ_TIME) s"; \
	  "$$ziel" -max_total_time=$(FUZZ_TIME) -max_len=4096 -print_final_stats=1 \
	    -artifact_prefix=build-fuzz/funde/$$name- build-fuzz/korpus/$$name tests/data; \
	done

clean:
	rm -rf $(BUILD) $(TEST_BUILD) build-bench build-fuzz
