# SPDX-License-Identifier: GPL-3.0-or-later
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${GENERATOR} ${WORK} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "make_clips failed")
endif()
foreach(clip A_Logo.avi Yellow.avi A_Logo@2x.avi Yellow@2x.avi)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${clip} ${RESOURCES}/${clip}
                    RESULT_VARIABLE differs)
    if(differs)
        message(FATAL_ERROR "${clip} differs from what tools/make_clips makes now")
    endif()
endforeach()
