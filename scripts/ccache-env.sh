# Sourced by the test and fuzz commands: builds go through ccache, so the
# three builds and the fuzz build of a clone reuse the objects of earlier
# runs on this machine. Paths are hashed relative to the clone, so a clone
# in another folder hits the cache too. CMake takes the launcher from the
# environment when a build folder is configured for the first time.
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
  CCACHE_BASEDIR="$(pwd)"
  export CCACHE_BASEDIR CCACHE_NOHASHDIR=1
fi
