# The two commands: `make run` builds and starts Velmora, `make test` builds it
# and runs the whole test suite. Both install what is missing first.

JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build

run:
	@scripts/install-deps.sh run
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)
	build/default/bin/velmora

build:
	@scripts/install-deps.sh run
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)

test:
	@scripts/install-deps.sh test
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)
	ctest --preset default

# The benchmarks in bench/, built by the bench preset: `make bench` measures
# Velmora against an empty Qt window and judges the targets; `make test` runs
# each once, briefly, to prove they build and run.
.PHONY: bench bench-build bench-quick

bench-build:
	@scripts/install-deps.sh test
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench -j $(JOBS)

bench: bench-build
	/usr/bin/python3 bench/velmora-bench.py --bin build/bench/bin

bench-quick: bench-build
	ctest --preset bench

test: bench-quick
