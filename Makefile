# make run: install what is missing, build the game alone and open it.
# make test: install, build and run every test, also under AddressSanitizer + UBSan.
# make package: build tarolas_<version>_amd64.deb here.

JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
LSAN_SUPP = $(CURDIR)/tests/lsan.supp

.PHONY: run test deps configure game package build build-asan test-plain test-asan clean

deps:
	@./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DTAROLAS_WERROR=ON

game: configure
	cmake --build $(BUILD) -j $(JOBS) --target tarolas

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The sanitizer tree runs the tests only; benchmarks measure the plain build.
build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTAROLAS_WERROR=ON -DTAROLAS_SANITIZE=ON -DTAROLAS_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: game
	./$(BUILD)/tarolas

package: game
	cmake --build $(BUILD) -j $(JOBS) --target tarolas_docs
	cd $(BUILD) && cpack -G DEB
	cp $(BUILD)/tarolas_*.deb .

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		LSAN_OPTIONS=suppressions=$(LSAN_SUPP) ctest --output-on-failure -j $(JOBS)

test: test-plain test-asan

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
