# Halyard: the two commands of the README.
#   make run    builds the Windows program and starts it under Wine
#   make test   builds the three builds and runs every test
# Both first install what is missing (Debian 12, apt-get).
.PHONY: run test setup

run: setup
	@tools/run-halyard

test: setup
	@tools/test-all

setup:
	@tools/setup
