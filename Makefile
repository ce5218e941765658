# Halyard: the commands of the README.
#   make run    builds the Windows program and starts it under Wine
#   make test   builds the three builds and runs every test
#   make bench  builds the benchmarks and runs them, natively and under Wine
#   make dist   builds the Release programs and writes the release zips
#               and their checksums to dist/
# All first install what is missing (Debian 12, apt-get).
.PHONY: run test bench dist setup

run: setup
	@tools/run-halyard

test: setup
	@tools/test-all

bench: setup
	@tools/bench

dist: setup
	@tools/dist

setup:
	@tools/setup
