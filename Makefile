# Halyard: the two commands of the README.
#   make run    builds the Windows program and starts it under Wine
#   make test   builds the three builds and runs every test
#   make bench  builds the benchmarks and runs them, natively and under Wine
# All first install what is missing (Debian 12, apt-get).
.PHONY: run test bench setup

run: setup
	@tools/run-halyard

test: setup
	@tools/test-all

bench: setup
	@tools/bench

setup:
	@tools/setup
