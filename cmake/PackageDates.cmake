# Read by cpack before it packs: the files in the portable ZIP carry the time of the commit they
# were built from, not the time of the build, so that the same commit packs into the same ZIP.
# (CPack's archives take their files' dates from SOURCE_DATE_EPOCH; one already set is kept.) A
# ZIP's dates are local times: they are written in UTC, so that the time zone changes nothing.
set(ENV{TZ} "UTC")
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git -C "${CPACK_KVIZAR_SOURCE_DIR}" log -1 --format=%ct
                    OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
    if(NOT failed AND commit_time)
        set(ENV{SOURCE_DATE_EPOCH} "${commit_time}")
    endif()
endif()
