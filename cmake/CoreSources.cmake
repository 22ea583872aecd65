# The window-free cores: built into the Windows library and, with the same
# sources, natively for sanitizers, fuzzers and benchmarks.
# afxlite's value and collection classes are portable, so the cores can use
# CString and the collections in both builds.
set(AFXLITE_CORE_SOURCES
  afxlite/src/object.cpp
  afxlite/src/string.cpp
  afxlite/src/coll.cpp
  afxlite/src/assert.cpp
)
set(QUILLON_CORE_SOURCES
  src/masked/MaskData.cpp
  src/masked/MaskModel.cpp
  src/position/PosFormat.cpp
  src/frame/PathUtil.cpp
  src/slider/SliderGeometry.cpp
)
# Tests of the cores: compiled into the subsystem's Wine test executable and
# into a native test executable of the same name.
set(QUILLON_CORE_TESTS
  tests/afxlite/ObjectTest.cpp
  tests/afxlite/StringTest.cpp
  tests/afxlite/CollTest.cpp
  tests/masked/MaskModelTest.cpp
  tests/position/PosFormatTest.cpp
  tests/frame/PathUtilTest.cpp
  tests/slider/SliderGeometryTest.cpp
)
# libFuzzer targets (LLVMFuzzerTestOneInput) over the cores.
set(QUILLON_CORE_FUZZERS
  fuzz/fuzz_mask.cpp
  fuzz/fuzz_posentry.cpp
)
# Native benchmarks (each prints ratios against a baseline measured in the same run).
set(QUILLON_CORE_BENCHES
  bench/bench_mask.cpp
  bench/bench_posformat.cpp
)
