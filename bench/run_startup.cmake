# Runs the start-up comparison on the offscreen platform and on X11: on the
# display of this session when there is one, else on a virtual one started
# by xvfb-run. Called by the target bench with DRIVER, RUNS and the three
# probes KURSWAAGE, BARE and FORM.
set(probes ${KURSWAAGE} ${BARE} ${FORM})

function(run_driver)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "start-up benchmark failed: ${result}")
    endif()
endfunction()

run_driver(${DRIVER} --platform offscreen --runs ${RUNS} --label "the offscreen platform" ${probes})

# Wider than the window, so that no probe is cut at the screen's edge.
set(screen "1920x1080x24")
find_program(XVFB_RUN xvfb-run)
if(DEFINED ENV{DISPLAY} AND NOT "$ENV{DISPLAY}" STREQUAL "")
    run_driver(${DRIVER} --platform xcb --runs ${RUNS} --label "X11, display $ENV{DISPLAY} of this session" ${probes})
elseif(XVFB_RUN)
    run_driver(${XVFB_RUN} -a -s "-screen 0 ${screen}"
               ${DRIVER} --platform xcb --runs ${RUNS} --label "X11, Xvfb ${screen} through xvfb-run" ${probes})
else()
    message(WARNING "No display and no xvfb-run (Debian package xvfb): X11 is NOT measured, "
                    "only the offscreen platform above.")
endif()
