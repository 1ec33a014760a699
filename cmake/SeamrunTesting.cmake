# Every test runs through tests/isolated.sh: its own HOME, XDG folders, runtime
# folder and TMPDIR, headless Qt, removed afterwards. Tests can then run in
# parallel and never touch the real user's settings or files.
set(SEAMRUN_ISOLATED ${CMAKE_SOURCE_DIR}/tests/isolated.sh)

# EMULATOR: the test talks to the emulated switch (tools/switch-emulator),
# preloaded in front of hidapi, never to a real device.
# PRELOAD LIBRARY: the test runs with another library of its own preloaded.
# UMOCKDEV: the test runs programs under umockdev-wrapper (tests/hidraw), whose
# preload library comes before the sanitizer runtime.
function(seamrun_add_test name)
    cmake_parse_arguments(ARG "EMULATOR;UMOCKDEV" "TIMEOUT;PRELOAD" "COMMAND;ENVIRONMENT;LABELS" ${ARGN})
    add_test(NAME ${name} COMMAND ${SEAMRUN_ISOLATED} ${ARG_COMMAND})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set(env ${ARG_ENVIRONMENT})
    set(asan_options "detect_leaks=0:abort_on_error=0")
    if(ARG_EMULATOR)
        set(ARG_PRELOAD $<TARGET_FILE:switch_emulator>)
    endif()
    if(ARG_PRELOAD)
        list(APPEND env "LD_PRELOAD=${ARG_PRELOAD}")
        # A preloaded library comes before the sanitizer runtime; that order is
        # intended here.
        string(APPEND asan_options ":verify_asan_link_order=0")
    elseif(ARG_UMOCKDEV)
        # umockdev's preload library intercepts open(2) and ioctl(2) and hands
        # on to the next definition, the sanitizer's interceptors: an order
        # that works, but that the runtime's start-up check refuses.
        string(APPEND asan_options ":verify_asan_link_order=0")
    endif()
    if(SEAMRUN_SANITIZE)
        # Qt and fontconfig keep caches alive until exit; leak reports from them
        # would drown ours.
        list(APPEND env "ASAN_OPTIONS=${asan_options}"
                        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} ENVIRONMENT "${env}")
    if(ARG_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    endif()
endfunction()

# A QtTest executable linked against the core library, registered as one test.
function(seamrun_add_qtest name)
    cmake_parse_arguments(ARG "EMULATOR;UMOCKDEV" "TIMEOUT" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LIBS})
    set(emulator)
    if(ARG_EMULATOR)
        set(emulator EMULATOR)
        add_dependencies(${name} switch_emulator)
    elseif(ARG_UMOCKDEV)
        set(emulator UMOCKDEV)
    endif()
    seamrun_add_test(${name} COMMAND $<TARGET_FILE:${name}> TIMEOUT ${ARG_TIMEOUT}
                     ENVIRONMENT ${ARG_ENVIRONMENT} ${emulator})
endfunction()
