# The entry points: `make run` sets up, builds and starts the game; `make test` sets up, builds and
# runs the whole suite headless. `make sanitize` runs the suite once more under the address and
# undefined-behaviour sanitizers; `make fuzz` fuzzes the file readers (tools/fuzz.sh SECONDS);
# `make package` builds the Debian package.
.PHONY: run test sanitize fuzz package

run:
	@tools/setup.sh
	@tools/run-game.sh

test:
	@tools/setup.sh
	@QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2

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
