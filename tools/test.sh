#!/usr/bin/env bash
# Installs what is missing, builds trailcam-setup and runs the whole test suite headless.
#   tools/test.sh             the normal build, in build-test
#   tools/test.sh --sanitize  the same suite under AddressSanitizer, with its leak check, and
#                             UndefinedBehaviorSanitizer, in build-sanitize
# Every option is set here, so nothing cached by another build changes what is tested, and a run
# that finds no test fails.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh"

build="$root/build-test"
options=(-DCMAKE_BUILD_TYPE=Debug -DTRAILCAM_TESTS=ON -DTRAILCAM_SANITIZE=OFF)
if [ "${1:-}" = "--sanitize" ]; then
    build="$root/build-sanitize"
    options=(-DCMAKE_BUILD_TYPE=Debug -DTRAILCAM_TESTS=ON -DTRAILCAM_SANITIZE=ON)
    # Memory still reachable at exit is not a leak; anything unreachable fails the test that
    # left it.
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

cmake -S "$root" -B "$build" -G Ninja "${options[@]}"
cmake --build "$build"
cd "$build"
status=0
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error || status=$?
# Every test that did not run, by why: the line after "Skipped" in the output of a test that CTest
# counts as skipped ("Test Pass Reason:" ends its record). A test program that runs many cases,
# some of which stand aside on its screen or scale, has run and is not counted.
awk '/^[0-9]+\/[0-9]+ Testing: / { split("", here); m = 0 }
     /: Skipped$/ { getline; here[++m] = $0 }
     /^Test Pass Reason:$/ { for (i = 1; i <= m; i++) { why[here[i]]++; n++ } }
     END { if (n) { print n " tests were skipped, each for a reason of this machine or user:";
                    for (w in why) print "  " why[w] " x " w } }' \
    Testing/Temporary/LastTest.log
exit "$status"
