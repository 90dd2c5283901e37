#!/usr/bin/env bash
# Installs what is missing, builds, then starts Sarvento ("run") or runs every test ("test").
# "asan" builds into build-asan with the address and undefined-behaviour sanitizers and runs
# every test with leak detection; "fuzz [seconds]" builds the fuzz programs with clang into
# build-fuzz and runs each for the given time (60 s unless told). "coverage" builds into
# build-coverage with gcc's line counting, runs every test and prints the line coverage of each
# folder; the lines no test runs go to build-coverage/uncovered.txt.
set -euo pipefail
cd "$(dirname "$0")"

mode="${1:-run}"
case "$mode" in
run | test | asan | fuzz | coverage) ;;
*) echo "usage: $0 [run|test|asan|fuzz [seconds]|coverage]" >&2; exit 2 ;;
esac

packages=(cmake g++ make qt6-base-dev qt6-qpa-plugins qt6-translations-l10n qt6-charts-dev
          libgl-dev libxkbcommon-dev poppler-utils)
[ "$mode" != fuzz ] || packages+=(clang libclang-rt-14-dev)
[ "$mode" != coverage ] || packages+=(gcovr)
tools/install-missing.sh "${packages[@]}"

case "$mode" in
run | test)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build -j"$(nproc)"
    ;;
esac

case "$mode" in
run) exec build/sarvento ;;
test) cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" ;;
asan)
    sanitize="-fsanitize=address,undefined"
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS="$sanitize -fno-omit-frame-pointer -fno-sanitize-recover=undefined" \
        -DCMAKE_EXE_LINKER_FLAGS="$sanitize" >/dev/null
    cmake --build build-asan -j"$(nproc)"
    export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    # The checks make the long printing runs several times slower.
    export QTEST_FUNCTION_TIMEOUT=1800000
    cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
fuzz)
    seconds="${2:-60}"
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DSARVENTO_FUZZ=ON >/dev/null
    cmake --build build-fuzz -j"$(nproc)" --target fuzz
    # New inputs go to build-fuzz/corpus; the checked-in seeds under tests/fuzz/corpus are read
    # only. A failing input is kept in build-fuzz/crashes.
    for source in tests/fuzz/fuzz_*.cpp; do
        name="$(basename "$source" .cpp)"
        name="${name#fuzz_}"
        mkdir -p "build-fuzz/corpus/$name" "build-fuzz/crashes/$name"
        log="build-fuzz/fuzz-$name.log"
        echo "fuzz $name for $seconds s"
        if ! LC_ALL=C.UTF-8 "build-fuzz/tests/fuzz/fuzz_$name" "build-fuzz/corpus/$name" \
            "tests/fuzz/corpus/$name" -max_total_time="$seconds" \
            -artifact_prefix="build-fuzz/crashes/$name/" -print_final_stats=1 >"$log" 2>&1; then
            tail -n 40 "$log" >&2
            exit 1
        fi
        grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$log"
    done
    ;;
coverage)
    cmake -S . -B build-coverage -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=--coverage \
        -DCMAKE_EXE_LINKER_FLAGS=--coverage >/dev/null
    cmake --build build-coverage -j"$(nproc)"
    # Counts left from an earlier run would be added to this one's.
    find build-coverage -name '*.gcda' -delete
    # Every test runs even when one fails; the failure is told after the figures.
    tests_ok=true
    (cd build-coverage && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)") ||
        tests_ok=false
    folders=(core files compare net games settings print ui)
    filters=()
    for folder in "${folders[@]}"; do filters+=(--filter "$folder/"); done
    # Only the program's own folders count: not the tests, the benchmarks, main.cpp or the
    # moc and uic files generated into the build.
    # One thread: gcovr 5 hangs when a worker thread fails, e.g. on notes older than a source.
    gcovr --root . "${filters[@]}" \
        --exclude 'tests/' --exclude 'bench/' --exclude '.*_autogen/' --exclude 'main\.cpp' \
        --gcov-ignore-parse-errors --json build-coverage/coverage.json build-coverage
    echo
    tools/coverage-report.py build-coverage/coverage.json build-coverage/uncovered.txt \
        "${folders[@]}"
    echo
    head -n 25 build-coverage/uncovered.txt
    echo "... all of them in build-coverage/uncovered.txt"
    if [ "$tests_ok" != true ]; then
        echo "coverage: some tests failed (see above); the figures count what ran" >&2
        exit 1
    fi
    ;;
esac
