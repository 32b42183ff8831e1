# Shared by the scripts: the repository root, ccache and the configure/build steps.
OV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export CCACHE_BASEDIR="$OV_ROOT"
export CCACHE_NOHASHDIR=1
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-5G}
OV_JOBS=${OV_JOBS:-$(nproc)}

# ov_build DIR [cmake -D options...]: configure DIR (once) and build everything in it.
ov_build() {
    local dir=$1
    shift
    "$OV_ROOT/scripts/install-deps"
    cmake -S "$OV_ROOT" -B "$dir" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "$@" >/dev/null
    cmake --build "$dir" -j "$OV_JOBS"
}
