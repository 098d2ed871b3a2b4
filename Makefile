# The entry points: `make run` sets up, builds and starts the game; `make test` sets up, builds and
# runs the whole suite headless (the clock's thread under ThreadSanitizer, the game once in a real X
# window), then the suite again under the address and undefined-behaviour sanitizers (`make sanitize`
# alone), then each fuzz target for 30 s (`make fuzz`: 10 minutes each). `make package` builds the
# Debian package.
.PHONY: run test sanitize fuzz package

run:
	@tools/setup.sh
	@tools/run-game.sh

test:
	@tools/setup.sh
	@QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
	@tools/sanitize.sh
	@tools/fuzz.sh 30

sanitize:
	@tools/setup.sh
	@tools/sanitize.sh

fuzz:
	@tools/setup.sh
	@tools/fuzz.sh 600

# The Debian package build/kastenzahl_<version>_<arch>.deb (see README).
package:
	@tools/setup.sh
	@cd build && cpack -G DEB
