# The two commands of the README. Both install what is missing first.
BUILD := build
JOBS ?= 2

.PHONY: demo test build deps configure contact-sheet clean

deps:
	@tools/install-deps.sh

configure: deps
	@[ -f $(BUILD)/win32/CMakeCache.txt ] || cmake --preset win32 >/dev/null
	@[ -f $(BUILD)/host/CMakeCache.txt ] || cmake --preset host >/dev/null

build: configure
	@cmake --build --preset win32 -j $(JOBS)
	@cmake --build --preset host -j $(JOBS)

demo: deps configure
	@cmake --build --preset win32 -j $(JOBS) --target VoDemo
	@tools/run-demo.sh $(BUILD)/win32/bin/VoDemo.exe

test: build
	@cp tools/CTestTestfile.cmake $(BUILD)/CTestTestfile.cmake
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

contact-sheet: configure
	@cmake --build --preset win32 --target vo_skins
	@python3 tools/skingen/contact_sheet.py --skins $(BUILD)/win32/skins --out $(BUILD)/contact-sheet.png

clean:
	rm -rf $(BUILD)
