# Asks a program for its usage and version, and gives it an unknown option, as a shell without a
# display would; each must be answered at once, before any window could be made. Called by CTest as
#   cmake -DPROGRAM=<executable> -DNAME=<trochix|trochix-batch> -DVERSION=<x.y> -P command_line.cmake

if(NOT PROGRAM OR NOT NAME OR NOT VERSION)
    message(FATAL_ERROR "PROGRAM, NAME and VERSION must be given")
endif()

# What the usage text must show besides its first line.
if(NAME STREQUAL "trochix")
    set(words --help --version FILE.cam --example --open --plot --layout --style --segment --draw
              --screen --out)
else()
    set(words --help --version --example --open --recalc --step --units --fft --fft-out --table
              --table-out --save --export-all)
endif()

function(expect what actual expected)
    if(NOT "${actual}" STREQUAL "${expected}")
        message(FATAL_ERROR "${what}: expected [${expected}], got [${actual}]")
    endif()
endfunction()

# A program that opens a window waits for ever: the timeout turns that into a failure.
function(run out_rc out_stdout out_stderr)
    execute_process(COMMAND "${PROGRAM}" ${ARGN} TIMEOUT 30
        RESULT_VARIABLE rc OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
    set(${out_rc} "${rc}" PARENT_SCOPE)
    set(${out_stdout} "${stdout}" PARENT_SCOPE)
    set(${out_stderr} "${stderr}" PARENT_SCOPE)
endfunction()

unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
# Once with no display at all, once with the offscreen platform, on which a window would open.
foreach(platform "" offscreen)
    if(platform)
        set(ENV{QT_QPA_PLATFORM} "${platform}")
    else()
        unset(ENV{QT_QPA_PLATFORM})
    endif()
    set(where "${NAME} (platform '${platform}')")

    foreach(help --help -h)
        run(rc out err ${help})
        expect("exit status of ${where} ${help}" "${rc}" 0)
        expect("standard error of ${where} ${help}" "${err}" "")
        if(NOT out MATCHES "^usage: ${NAME} ")
            message(FATAL_ERROR "${where} ${help} printed no usage: ${out}")
        endif()
        foreach(word IN LISTS words)
            string(FIND "${out}" "${word}" at)
            if(at EQUAL -1)
                message(FATAL_ERROR "the usage of ${where} does not show ${word}:\n${out}")
            endif()
        endforeach()
    endforeach()

    run(rc out err --version)
    expect("exit status of ${where} --version" "${rc}" 0)
    expect("output of ${where} --version" "${out}" "${NAME} ${VERSION}\n")
    expect("standard error of ${where} --version" "${err}" "")

    foreach(bogus --bogus -x)
        run(rc out err ${bogus})
        expect("exit status of ${where} ${bogus}" "${rc}" 2)
        expect("standard output of ${where} ${bogus}" "${out}" "")
        if(NOT err MATCHES "^${NAME}: [^\n]*${bogus}\n\nusage: ${NAME} ")
            message(FATAL_ERROR "${where} ${bogus}: no reason and usage on standard error: ${err}")
        endif()
    endforeach()
endforeach()
