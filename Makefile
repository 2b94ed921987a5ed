# The two everyday commands: `make run` and `make test`. Everything else is CMake presets.
.PHONY: run test test-dev test-asan test-fuzz test-package package bench startup-bench format deps clean

deps:
	@scripts/install-deps

run: deps
	cmake --preset release >/dev/null
	cmake --build --preset release --target kalkora
	build/release/kalkora

test: test-dev test-asan test-fuzz test-package

test-dev: deps
	cmake --preset dev >/dev/null
	cmake --build --preset dev
	ctest --preset dev

test-asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan
	ctest --preset asan

# Every fuzz target, briefly: a fixed number of runs each (clang with libFuzzer).
test-fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	ctest --preset fuzz

# The .deb of the release build: build/release/kalkora_<version>_<arch>.deb
package: deps
	cmake --preset release >/dev/null
	cmake --build --preset release --target kalkora pixel_icons
	cd build/release && cpack

# The package unpacked into a scratch root and its installed tree checked.
test-package: package
	packaging/check-package build/release/kalkora_*.deb

bench: deps
	cmake --preset release >/dev/null
	cmake --build --preset release
	@for b in build/release/bench_*; do [ -x "$$b" ] && "$$b"; done
	bench/startup.sh build/release/kalkora
	bench/startup.sh build/release/startup_bare

startup-bench: deps
	cmake --preset release >/dev/null
	cmake --build --preset release --target kalkora startup_bare
	bench/startup.sh build/release/kalkora
	bench/startup.sh build/release/startup_bare

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
