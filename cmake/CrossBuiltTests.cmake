# The value and engine tests that a build for another platform compiles and runs there (the
# WebAssembly build under node, the Windows build under Wine), with GoogleTest from the sources
# Debian ships built the same way. The including list first defines
#   anglarix_cross_test(folder name libs)
# which builds tests/<folder>/<name>.cpp against libs and registers it as that build runs it.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest googletest EXCLUDE_FROM_ALL)
foreach(name ConversionVectorsTest ToTextTest TextToNumberTest ToTextReferenceTest MathCommandsTest TextCommandsTest
             GbkTest)
  anglarix_cross_test(values ${name} values)
endforeach()
foreach(name EvaluateExpressionTest ResolveParenthesesTest ReduceOperatorsTest AngleRatiosTest SideLengthsTest
             EngineAgreementTest ReasonsTest LargeInputTest)
  anglarix_cross_test(calc ${name} calc)
endforeach()
