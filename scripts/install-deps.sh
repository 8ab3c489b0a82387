#!/bin/sh
# Installs the missing Debian packages: the runtime set (what the IDE needs to
# build and run) and, with --tests or --benchmarks, that set on top of it.
#   scripts/install-deps.sh               # the IDE only
#   scripts/install-deps.sh --tests       # the IDE, its tests and benchmarks
#   scripts/install-deps.sh --benchmarks  # the IDE and its benchmarks
set -e
RUNTIME="
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libjpeg-dev
  ecj
"
# GoogleTest and Google Benchmark; an X server, its tools and Qt's X
# platform plug-in for the display tests; the test fonts; PCRE2 and perl for
# the regular-expression benchmark and differential test; PDF text for the
# printing tests; the Java runtime sources and unzip for the tests that read
# them.
TESTS="
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool qt6-qpa-plugins
  fonts-dejavu-core fonts-dejavu-extra
  libpcre2-dev perl
  poppler-utils
  openjdk-17-source unzip
"
# Google Benchmark, PCRE2 for the regular-expression peer, the Java runtime
# sources and unzip for the texts, the fonts the editor benchmarks draw with.
BENCHMARKS="
  libbenchmark-dev
  libpcre2-dev
  openjdk-17-source unzip
  fonts-dejavu-core
"
case "$1" in
  "") PACKAGES="$RUNTIME" ;;
  --tests) PACKAGES="$RUNTIME $TESTS" ;;
  --benchmarks) PACKAGES="$RUNTIME $BENCHMARKS" ;;
  *) echo "usage: $0 [--tests|--benchmarks]" >&2; exit 2 ;;
esac
missing=""
for p in $PACKAGES; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing:$missing"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
