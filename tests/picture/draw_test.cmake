# Runs `trochix --draw` as a script would. Called by CTest as
#   cmake -DTROCHIX=<trochix> -DWORK=<scratch folder> -P draw_test.cmake

if(NOT TROCHIX OR NOT WORK)
    message(FATAL_ERROR "TROCHIX and WORK must be given")
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(expect what actual expected)
    if(NOT "${actual}" STREQUAL "${expected}")
        message(FATAL_ERROR "${what}: expected ${expected}, got ${actual}")
    endif()
endfunction()

# ---- every example in every format: exit 0 and a whole file of that kind
foreach(n 1 2 3 4 5)
    foreach(ext png svg pdf)
        set(out "${WORK}/example${n}.${ext}")
        execute_process(COMMAND "${TROCHIX}" --example ${n} --draw --out "${out}"
                        RESULT_VARIABLE rc OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
        expect("exit status of example ${n} as ${ext} (stderr: ${stderr})" "${rc}" 0)
        if(NOT EXISTS "${out}")
            message(FATAL_ERROR "${out} was not written")
        endif()
        file(READ "${out}" head LIMIT 5 HEX)
        if(ext STREQUAL "png")
            expect("PNG signature of example ${n}" "${head}" "89504e470d")
        elseif(ext STREQUAL "pdf")
            expect("PDF header of example ${n}" "${head}" "255044462d") # %PDF-
        else()
            file(READ "${out}" svg)
            if(NOT svg MATCHES "<svg width=\"[0-9.]+mm\"" OR NOT svg MATCHES "</svg>")
                message(FATAL_ERROR "${out} is no whole SVG drawing with its size in mm")
            endif()
        endif()
    endforeach()
endforeach()

# ---- a folder that does not exist: exit 1, nothing written
execute_process(COMMAND "${TROCHIX}" --example 1 --draw --out "${WORK}/no/such/folder/cam.svg"
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE stderr)
expect("exit status for an unwritable file" "${rc}" 1)
if(NOT stderr MATCHES "cannot write")
    message(FATAL_ERROR "no reason given for the unwritable file: ${stderr}")
endif()

# ---- a drawing without a file: a usage error, exit 2
execute_process(COMMAND "${TROCHIX}" --example 1 --draw
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
expect("exit status without --out" "${rc}" 2)
