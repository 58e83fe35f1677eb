# The two front doors: `make run` starts Lexidor on the sample card box, `make test` runs
# every test. `make bench` and `make fuzz` measure and shake the core library.
BUILD := build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEXIDOR_SANITIZE=ON
SAMPLE := $(BUILD)/Beispiel.vkd
# Qt keeps some allocations until the process ends; that is no leak of ours.
RUN_ENV := ASAN_OPTIONS=detect_leaks=0

.PHONY: deps build test run bench fuzz clean

deps:
	bash scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j$$(nproc)

test: build
	cd $(BUILD) && ctest --output-on-failure -j$$(nproc)

# A first start finds an empty key mapping instead of greeting with a loading error.
run: build
	@test -f $(SAMPLE) || cp data/Beispiel.vkd $(SAMPLE)
	@test -f $(BUILD)/sonderzeichen.ini || cp data/sonderzeichen.ini $(BUILD)/sonderzeichen.ini
	$(RUN_ENV) $(BUILD)/lexidor $(SAMPLE)

# The core at the card limit, then the whole program (its windows offscreen) on such a box.
bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLEXIDOR_BENCH=ON -DLEXIDOR_TESTS=OFF \
	  -DLEXIDOR_APP=ON
	cmake --build build-bench -j$$(nproc) --target lexidor_bench lexidor_programm_bench
	mkdir -p $(BUILD)
	build-bench/bench/lexidor_bench --benchmark_out=$(BUILD)/bench.json \
	  --benchmark_out_format=json
	build-bench/bench/lexidor_programm_bench $(BUILD)/bench-programm.json

fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DLEXIDOR_FUZZ=ON -DLEXIDOR_TESTS=OFF -DLEXIDOR_APP=OFF
	cmake --build build-fuzz -j$$(nproc)
	mkdir -p build-fuzz/korpus-kartei build-fuzz/korpus-profil
	build-fuzz/fuzz/fuzz_kartei -max_total_time=30 -max_len=4096 \
	  build-fuzz/korpus-kartei tests/data
	build-fuzz/fuzz/fuzz_profil -max_total_time=30 -max_len=4096 \
	  build-fuzz/korpus-profil tests/data

clean:
	rm -rf $(BUILD) build-bench build-fuzz
