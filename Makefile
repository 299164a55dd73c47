# make run   builds and starts the program
# make test  builds and runs every test: a warnings-as-errors build, then a sanitizer build
.PHONY: run test build deps bench fuzz clean

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake --preset normal >/dev/null
	@cmake --build --preset normal

run: build
	./build/normal/vemtarix

test: deps
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
