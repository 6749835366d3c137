# The two commands of the README: `make run` and `make test`.
BUILD      ?= build
TEST_BUILD ?= build-test
FUZZ_BUILD ?= build-fuzz
ARGS       ?=

CMAKE_GEN := -G Ninja

.PHONY: setup build run test unit fuzz bench clean

setup:
	@scripts/setup

build: setup
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVH_TESTS=OFF -DVH_BENCH=OFF
	cmake --build $(BUILD)

run: build
	cd $(BUILD)/game && ../vormholt $(ARGS)

# Unit, integration and boundary tests under ASan/UBSan, then a short run of
# every fuzz target.
test: unit fuzz

unit: setup
	cmake -S . -B $(TEST_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVH_SANITIZE=ON -DVH_BENCH=OFF
	cmake --build $(TEST_BUILD)
	ctest --test-dir $(TEST_BUILD) --output-on-failure -j2

fuzz: setup
	cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DVH_FUZZ=ON -DVH_SANITIZE=ON
	cmake --build $(FUZZ_BUILD)
	scripts/fuzz-smoke $(FUZZ_BUILD)

BENCH_BUILD ?= build-bench

bench: setup
	cmake -S . -B $(BENCH_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DVH_TESTS=OFF -DVH_BENCH=ON
	cmake --build $(BENCH_BUILD)
	scripts/bench $(BENCH_BUILD)

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD)
