# The two commands of the README. Both install what is missing first.
BUILD := build
JOBS ?= 2
# The native build of the platform-free logic: host (g++) or host-clang.
HOST ?= host
export JOBS HOST

.PHONY: demo test bench docs build deps configure contact-sheet clean

deps:
	@tools/install-deps.sh

configure: deps
	@for preset in win32 win64 $(HOST); do \
	  [ -f $(BUILD)/$$preset/CMakeCache.txt ] || cmake --preset $$preset >/dev/null || exit 1; \
	done

build: configure
	@cmake --build --preset win32 -j $(JOBS)
	@cmake --build --preset win64 -j $(JOBS)
	@cmake --build --preset $(HOST) -j $(JOBS)

# The 32-bit program where this machine runs 32-bit programs, else the 64-bit one.
demo: deps
	@arch=$$(tools/runnable-arch.sh) && \
	  { [ -f $(BUILD)/$$arch/CMakeCache.txt ] || cmake --preset $$arch >/dev/null; } && \
	  cmake --build --preset $$arch -j $(JOBS) --target VoDemo && \
	  echo "starting the $$arch build of the demonstration program" && \
	  tools/run-demo.sh $(BUILD)/$$arch/bin/VoDemo.exe

test: build
	@tools/run-tests.sh

# Our controls against the system controls, in the build that runs here.
bench: deps
	@arch=$$(tools/runnable-arch.sh) && \
	  { [ -f $(BUILD)/$$arch/CMakeCache.txt ] || cmake --preset $$arch >/dev/null; } && \
	  cmake --build --preset $$arch -j $(JOBS) --target vo_bench >/dev/null && \
	  tools/wine-run.sh $(BUILD)/$$arch/bin/vo_bench.exe

# The pictures of the documentation pages (docs/*.md), one per control family,
# drawn by the build that runs here on the private display.
docs: deps
	@arch=$$(tools/runnable-arch.sh) && \
	  { [ -f $(BUILD)/$$arch/CMakeCache.txt ] || cmake --preset $$arch >/dev/null; } && \
	  cmake --build --preset $$arch -j $(JOBS) --target vo_docs >/dev/null && \
	  mkdir -p docs/images && \
	  tools/wine-run.sh $(BUILD)/$$arch/bin/vo_docs.exe "Z:$(CURDIR)/docs/images"

contact-sheet: configure
	@cmake --build --preset win32 --target vo_skins
	@python3 tools/skingen/contact_sheet.py --skins $(BUILD)/win32/skins --out $(BUILD)/contact-sheet.png

clean:
	rm -rf $(BUILD)
