# The two commands of the README, plus the benchmarks. Each installs what is missing,
# configures and builds before it does its work.
JOBS ?= $(shell nproc)
export XDG_RUNTIME_DIR ?= $(shell d=/tmp/vantrel-runtime-$$(id -u); mkdir -p $$d; chmod 700 $$d; echo $$d)

.PHONY: run test bench deps build-release build-test clean

deps:
	@scripts/install-deps.sh

build-release: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)

build-test: deps
	@cmake --preset test >/dev/null
	@cmake --build --preset test -j $(JOBS)

run: build-release
	build/release/vantrel

test: build-test
	ctest --preset test -j $(JOBS)

bench: build-release
	@for b in build/release/bench/bench_*; do if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" || exit 1; fi; done

clean:
	rm -rf build
