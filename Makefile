# The two commands a fresh Debian 12 machine needs: `make run` and `make test`.
# Each installs what is missing first (scripts/setup).

.PHONY: setup run test dist bench format

# Where scripts/setup keeps the Windows builds of the dependencies; CMake reads the same.
export CLAVIRA_DEPS ?= $(or $(HOME),/root)/.cache/clavira

setup:
	scripts/setup

run: setup
	cmake --preset win64 >/dev/null
	cmake --build --preset win64
	scripts/run

test: setup
	scripts/test

dist: setup
	cmake --preset win64 >/dev/null
	cmake --build --preset win64 --target dist

bench: setup
	cmake --preset bench >/dev/null
	cmake --build --preset bench
	for b in build/bench/benchmarks/*_bench; do $$b; done
	cmake --preset win64 >/dev/null
	cmake --build --preset win64
	scripts/wine-session --virtual sh -c 'for b in build/win64/benchmarks/*.exe; do "$$CLAVIRA_WINE" "$$b"; done; \
	  cd build/win64/tests/emulated && "$$CLAVIRA_WINE" worker_latency.exe'

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
