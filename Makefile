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

# The Debian package, build/default/velmora_<version>_<arch>.deb.
.PHONY: deb
deb: build
	cd build/default && cpack
