# Convenience targets; the scripts under scripts/ do the work.
.PHONY: all build test run test-asan test-tsan bench clean

all: build

build:
	scripts/build.sh

test:
	scripts/run-tests.sh

run:
	scripts/run-main.sh

test-asan:
	BUILD_DIR=build-asan SANITIZE=address scripts/run-tests.sh

test-tsan:
	BUILD_DIR=build-tsan SANITIZE=thread TSAN_OPTIONS=second_deadlock_stack=1 scripts/run-tests.sh

bench:
	BUILD_DIR=build-bench scripts/build.sh
	for b in build-bench/bin/bench_*; do $$b; done

clean:
	rm -rf build build-asan build-tsan build-bench out
