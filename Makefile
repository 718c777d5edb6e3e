# Set-up, build, run and test on a fresh Debian 12 machine.
#   make run    installs what is missing, builds and starts the program
#   make test   installs what is missing, builds and runs every test (GUI tests offscreen)
#   make bench  builds and runs the benchmarks, each figure beside its bare Qt anchor
#   make sanitize  builds the model tests with ASan/UBSan and runs them (part of make test)

BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES = cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libgtest-dev libgmock-dev libbenchmark-dev time
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build run test bench sanitize clean

deps:
	@missing=""; for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/ferrolith

test: build
	$(MAKE) --no-print-directory sanitize
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	bench/start.sh $(BUILD)
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/ferrolith_bench
	FERROLITH_WALK_STEPS=200000 ./$(BUILD)/unit_tests --gtest_filter='RandomWalk*'

# The model tests, the random walks among them, under AddressSanitizer and
# UndefinedBehaviorSanitizer; any finding fails the run.
sanitize: deps
	cmake -S . -B build-asan -DFERROLITH_SANITIZE=ON -DFERROLITH_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug >/dev/null
	cmake --build build-asan -j $(JOBS) --target unit_tests
	ASAN_OPTIONS=detect_leaks=1 ./build-asan/unit_tests --gtest_brief=1

clean:
	rm -rf $(BUILD) build-asan
