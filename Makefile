# The entry points: `make run` sets up, builds and starts the game; `make test` sets up, builds and
# runs the whole suite headless, then fuzzes each target briefly; `make fuzz` fuzzes each for longer.
.PHONY: run test fuzz

run:
	@tools/setup.sh
	@tools/run-game.sh

test:
	@tools/setup.sh
	@QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
	@tools/fuzz.sh 30

fuzz:
	@tools/setup.sh
	@tools/fuzz.sh 600
