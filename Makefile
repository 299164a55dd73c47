# make run   builds and starts the program
# make test  builds and runs every test: a warnings-as-errors build, then a sanitizer build that
#            also checks for leaks
.PHONY: run test program build deps bench fuzz clean

deps:
	@bash scripts/install-deps.sh

# The program alone: tests and benchmarks are built by `make test` and `make bench`.
program: deps
	@cmake --preset normal >/dev/null
	@cmake --build --preset normal --target vemtarix

build: deps
	@cmake --preset normal >/dev/null
	@cmake --build --preset normal

run: program
	./build/normal/vemtarix

# Besides CTest's one process per test, each test binary (the engine's, and the one of the
# framework, shell and workbench) runs once as one process in a shuffled order, so that a test
# that depends on what an earlier one left behind shows. The order is new every run and its seed
# is printed; SEED=n make test runs that order again.
shuffled = seed=$${SEED:-$$(( $$(od -An -N2 -tu2 /dev/urandom) % 99999 + 1 ))}; \
	for t in $(2)/tests/engine_tests $(2)/tests/vemtarix_tests; do \
	echo "== $$t: one process, shuffled with --gtest_random_seed=$$seed"; \
	$(1) $$t --gtest_shuffle --gtest_random_seed=$$seed --gtest_brief=1 || exit 1; done

# The sanitizer run checks for leaks as well, whatever the environment says: under CTest a leak
# fails the test that made it, and the shuffled run fails when the process as a whole leaks.
sanitized = env ASAN_OPTIONS=detect_leaks=1

test: deps
	bash scripts/check-format.sh
	cmake --preset ci
	cmake --build --preset ci
	ctest --preset ci
	@$(call shuffled,,./build/ci)
	cmake --preset sanitize
	cmake --build --preset sanitize
	$(sanitized) ctest --preset sanitize
	@$(call shuffled,$(sanitized),./build/sanitize)

bench: build
	@for b in build/normal/bench/*_bench; do echo "== $$b"; $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

clean:
	rm -rf build
