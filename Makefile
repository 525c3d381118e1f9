# The two commands of the README, plus the benchmarks and the fuzzing. Each installs what is
# missing, configures and builds before it does its work.
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
export XDG_RUNTIME_DIR ?= $(shell d=/tmp/vantrel-runtime-$$(id -u); mkdir -p $$d; chmod 700 $$d; echo $$d)

.PHONY: run test bench fuzz deps build-release build-test build-fuzz format format-check clean

deps:
	@scripts/install-deps.sh

build-release: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)

build-test: deps
	@cmake --preset test >/dev/null
	@cmake --build --preset test -j $(JOBS)

build-fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)

run: build-release
	build/release/vantrel

test: format-check build-test
	ctest --preset test -j $(JOBS)

# The layout of the code: format-check fails on a file .clang-format would change, or on a
# name that breaks the rules of the README's section on the code's layout.
# Both checks run, so one run names every fault.
format-check: deps
	@status=0; scripts/check-format.sh || status=1; JOBS=$(JOBS) scripts/check-names.sh || status=1; exit $$status

format: deps
	@scripts/check-format.sh --fix

bench: build-release
	@for b in build/release/bench/bench_*; do if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" || exit 1; fi; done

# Every reader of outside input under libFuzzer for FUZZ_SECONDS, the targets side by side.
fuzz: build-fuzz
	FUZZ_JOBS=$(FUZZ_JOBS) fuzz/run.sh $(FUZZ_SECONDS)

clean:
	rm -rf build
