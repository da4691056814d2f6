#!/usr/bin/env bash
# Installs what Quillbox needs on Debian, builds it, and runs it or its tests.
#   ./quillbox.sh run        build, then start the program in the current directory
#   ./quillbox.sh test       build, then run every test
#   ./quillbox.sh sanitize   build with ASan and UBSan, then run every test
#   ./quillbox.sh bench      build, then run the benchmarks
#   ./quillbox.sh fuzz [s] [card|settings|import]
#                            build the fuzzers with clang and run one s seconds
#   ./quillbox.sh format     check that every C++ source is formatted (clang-format)
#                            and that every source carries its SPDX licence line
#   ./quillbox.sh screenshot build, then take the metainfo's screenshot under Xvfb
#   ./quillbox.sh icons      draw the PNG icons from the SVG
#   ./quillbox.sh deb        build the Debian package into build-deb/ and check it with lintian
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
command=${1:-run}

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-tools-dev qt6-l10n-tools
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  clang libclang-rt-dev clang-format
  python3-vobject python3-gi gir1.2-ebookcontacts-1.2 appstream desktop-file-utils groff-base
  cups printer-driver-cups-pdf poppler-utils
  libcups2-dev
  radicale vdirsyncer khard
)

install_packages() {
  local missing=() p
  for p in "${packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

build() {
  local dir=$1; shift
  cmake -S "$here" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir"
}

run_tests() {
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure -j "$(nproc)"
}

case "$command" in
  screenshot) install_packages xvfb imagemagick ;;
  icons) install_packages librsvg2-bin ;;
  deb) install_packages dpkg-dev debhelper lintian ;;
  *) install_packages ;;
esac
case "$command" in
  run)
    build "$here/build"
    exec "$here/build/src/quillbox" "${@:2}"
    ;;
  test)
    build "$here/build"
    run_tests "$here/build"
    ;;
  sanitize)
    build "$here/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DQUILLBOX_SANITIZE=ON -DQUILLBOX_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1 \
    LSAN_OPTIONS=suppressions="$here/.ci/lsan.supp":print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      run_tests "$here/build-sanitize"
    ;;
  bench)
    build "$here/build"
    "$here/build/bench/quillbox_bench" "${@:2}"
    ;;
  fuzz)
    build "$here/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DQUILLBOX_CORE_ONLY=ON -DQUILLBOX_FUZZ=ON \
      -DQUILLBOX_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
    case "${3:-card}" in
      card) target=card_file_fuzz seeds=corpus max_len=70000 ;;
      settings) target=settings_fuzz seeds=settings_corpus max_len=8192 ;;
      import) target=import_fuzz seeds=import_corpus max_len=16384 ;;
      *) echo "unknown fuzz target: $3 (card, settings or import)" >&2; exit 2 ;;
    esac
    mkdir -p "$here/build-fuzz/$seeds"
    "$here/build-fuzz/tests/fuzz/$target" -max_total_time="${2:-60}" -max_len="$max_len" \
      -artifact_prefix="$here/build-fuzz/$target-" "$here/build-fuzz/$seeds" "$here/tests/fuzz/$seeds"
    ;;
  format)
    cd "$here"
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
    # Every source states its licence.
    unlicensed=$(git ls-files '*.cpp' '*.h' '*.h.in' '*.py' '*.sh' | xargs grep -L 'SPDX-License-Identifier' || true)
    if [ -n "$unlicensed" ]; then
      echo "no SPDX-License-Identifier line in:" >&2
      echo "$unlicensed" >&2
      exit 1
    fi
    ;;
  screenshot)
    build "$here/build"
    "$here/tools/take_screenshot.sh" "$here/build/src/quillbox" "${@:2}"
    ;;
  icons)
    "$here/tools/make_icons.sh"
    ;;
  deb)
    # Built from a copy of the sources (what git tracks, and new files it
    # does not ignore), so that the tree stays clean and the package files
    # land in build-deb/ rather than beside the checkout.
    out="$here/build-deb"
    rm -rf "$out" && mkdir -p "$out/quillbox"
    git -C "$here" ls-files -z --cached --others --exclude-standard |
      tar -C "$here" --null --files-from=- --ignore-failed-read -cf - 2>/dev/null | tar -C "$out/quillbox" -xf -
    (cd "$out/quillbox" && dpkg-buildpackage -us -uc -b)
    lintian --fail-on error,warning --display-info "$out"/quillbox_*.changes
    ls "$out"/*.deb
    ;;
  *)
    echo "usage: $0 run|test|sanitize|bench|fuzz [seconds] [card|settings|import]|format|screenshot|icons|deb" >&2
    exit 2
    ;;
esac
