# make run   builds and starts the program
# make test  builds and runs every test: a warnings-as-errors build, then a sanitizer build
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

test: deps
	bash scripts/check-format.sh
	cmake --preset ci
	cmake --build --preset ci
	ctest --preset ci
	cmake --preset sanitize
	cmake --build --preset sanitize
	ASAN_OPTIONS=detect_leaks=0 ctest --preset sanitize

bench: build
	@for b in build/normal/bench/*_bench; do echo "== $$b"; $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

clean:
	rm -rf build
