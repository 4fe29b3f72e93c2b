#!/usr/bin/env bash
# Builds, tests and runs Sorvel. On a fresh Debian 12 machine it first installs
# what is missing (with apt-get; as root, or through sudo).
#
#   ./dev.sh run            install, build and start Sorvel
#   ./dev.sh test           install, build and run every test
#   ./dev.sh asan           the tests again, built with AddressSanitizer and UBSan
#   ./dev.sh headless       the core and sorvel-convert built and tested without Qt
#   ./dev.sh bench          build and run the benchmarks
#   ./dev.sh fuzz [SECONDS] build the fuzz targets with clang and run each one
#   ./dev.sh package [DIR]  build the Debian package (Release, or from the
#                           already built DIR) and print its path
#   ./dev.sh deps           only install what is missing
set -euo pipefail
cd "$(dirname "$0")"

JOBS=${JOBS:-$(nproc)}
PACKAGES=(
  cmake ninja-build g++ ccache pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  qt6-base-dev libx11-dev libqt6svg6
  libgsf-1-dev libreoffice-writer-nogui python3-olefile
  python3 librsvg2-bin desktop-file-utils appstream dpkg-dev
  xvfb openbox xdotool xclip imagemagick python3-fonttools fonts-dejavu-core
  teckit
  fonts-liberation2 fontconfig poppler-utils
)
# The compound-file library at least at the version with the OLE2 security fixes.
GSF_MIN_VERSION=1.14.50-1+deb12u1

deps() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  local gsf
  gsf=$(dpkg-query -W -f='${Version}' libgsf-1-dev 2>/dev/null || true)
  if [ -n "$gsf" ] && dpkg --compare-versions "$gsf" lt "$GSF_MIN_VERSION"; then
    missing+=(libgsf-1-dev libgsf-1-114)
  fi
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" < /dev/null
}

configure() {  # build-dir, extra cmake arguments...
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja -DSORVEL_WERROR=ON "$@" > /dev/null
}

build() {  # build-dir
  cmake --build "$1" -j "$JOBS"
}

run_tests() {  # build-dir, extra ctest arguments...
  local dir=$1
  shift
  ctest --test-dir "$dir" -j "$JOBS" --output-on-failure --timeout 300 "$@"
}

case "${1:-help}" in
  deps)
    deps
    ;;
  run)
    deps
    configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    build build
    exec ./build/src/app/sorvel "${@:2}"
    ;;
  test)
    deps
    configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    build build
    run_tests build
    ;;
  asan)
    deps
    configure build-asan -DCMAKE_BUILD_TYPE=Debug -DSORVEL_SANITIZE=ON
    build build-asan
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp run_tests build-asan -LE e2e
    ;;
  headless)
    deps
    # As on a machine without Qt: the build must not even look for it.
    configure build-headless -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORVEL_GUI=OFF \
      -DSORVEL_TESTS=ON -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON
    build build-headless
    run_tests build-headless -LE interop
    ;;
  bench)
    deps
    configure build-bench -DCMAKE_BUILD_TYPE=Release -DSORVEL_BENCH=ON -DSORVEL_TESTS=OFF
    build build-bench
    # Every benchmark runs, also after one that fails; the status says so.
    failed=()
    for b in build-bench/bench/bench_*; do
      "$b" "${@:2}" || failed+=("$(basename "$b")")
    done
    if [ ${#failed[@]} -gt 0 ]; then
      echo "failed: ${failed[*]}"
      exit 1
    fi
    ;;
  fuzz)
    deps
    seconds=${2:-60}
    configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORVEL_FUZZ=ON -DSORVEL_TESTS=OFF -DSORVEL_GUI=OFF \
      -DCMAKE_CXX_COMPILER=clang++
    build build-fuzz
    for f in build-fuzz/fuzz/fuzz_*; do
      name=$(basename "$f")
      mkdir -p "fuzz-corpus/$name"
      seeds=()
      [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
      echo "== $name for ${seconds}s"
      # Full stack unwinding, so that a leak inside a system library built
      # without frame pointers is seen there and matched by the suppressions.
      if ! ASAN_OPTIONS=fast_unwind_on_malloc=0 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
          "$f" -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=4096 \
          -artifact_prefix=build-fuzz/ "fuzz-corpus/$name" "${seeds[@]}" \
          > "build-fuzz/$name.log" 2>&1; then
        tail -40 "build-fuzz/$name.log"
        echo "$name failed"
        exit 1
      fi
      grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "build-fuzz/$name.log" || true
    done
    ;;
  package)
    deps
    dir=${2:-build-package}
    if [ $# -lt 2 ]; then
      configure "$dir" -DCMAKE_BUILD_TYPE=Release -DSORVEL_TESTS=OFF
    fi
    build "$dir"
    rm -f "$dir"/sorvel_*.deb
    if ! cpack -G DEB -B "$dir" --config "$dir/CPackConfig.cmake" > "$dir/cpack.log" 2>&1; then
      cat "$dir/cpack.log"
      exit 1
    fi
    ls "$PWD/$dir"/sorvel_*.deb
    ;;
  *)
    sed -n '2,/^set /{/^#/s/^# \{0,1\}//p}' "$0"
    ;;
esac
