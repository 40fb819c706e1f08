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
	@$(MAKE) --no-print-directory test-asan
	@$(MAKE) --no-print-directory bench-quick

# The Debian package, build/default/velmora_<version>_<arch>.deb.
.PHONY: deb
deb: build
	cd build/default && cpack

# The unit, widget and random tests again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails them. Part of `test`.
.PHONY: test-asan test-random-full test-valgrind
test-asan:
	@scripts/install-deps.sh test
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	ctest --preset asan

# The random test at full length, 100,000 actions in each locale, printing
# its seeds; VELMORA_SEED=n replays a run.
test-random-full:
	@scripts/install-deps.sh test
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)
	VELMORA_ACTIONS=100000 ctest --preset default -L '^random$$' --verbose --timeout 3600

# Valgrind memcheck over the offscreen tests (1,000 random actions each);
# any error or lost block fails. Minutes long, so not part of `test`, where
# LeakSanitizer already looks for leaks.
test-valgrind:
	@scripts/install-deps.sh test
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)
	cd build/default && VELMORA_ACTIONS=1000 ctest -T memcheck -L '^(unit|random)$$' --output-on-failure \
	    --overwrite MemoryCheckCommand=/usr/bin/valgrind \
	    --overwrite "MemoryCheckCommandOptions=--leak-check=full --errors-for-leak-kinds=definite,possible --error-exitcode=1 --num-callers=40" \
	    --overwrite MemoryCheckSuppressionFile=$(CURDIR)/tests/sanitizers/valgrind.supp

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
