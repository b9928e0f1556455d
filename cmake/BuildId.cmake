# Writes KadroBuild.h with the release and the commit being built. Run at every build, it
# rewrites the header only when the commit changed, so nothing else is rebuilt.
find_package(Git QUIET)
set(build "unknown")
if(GIT_FOUND AND EXISTS "${SOURCE_DIR}/.git")
    execute_process(COMMAND "${GIT_EXECUTABLE}" -C "${SOURCE_DIR}" describe --always --dirty
                    OUTPUT_VARIABLE described OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE failed ERROR_QUIET)
    if(NOT failed AND described)
        set(build "${described}")
    endif()
endif()
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT [[
#pragma once
inline constexpr const char* kadroVersion = "@VERSION@";
inline constexpr const char* kadroBuild = "@build@";
]] @ONLY)
