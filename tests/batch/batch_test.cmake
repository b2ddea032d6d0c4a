# Runs trochix-batch as a script would. Called by CTest as
#   cmake -DBATCH=<trochix-batch> -DWORK=<scratch folder> -P batch_test.cmake

if(NOT BATCH OR NOT WORK)
    message(FATAL_ERROR "BATCH and WORK must be given")
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

# Numbers of CR LF pairs and of line feeds in a file.
function(line_ends path crlf_out lf_out)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "${path} was not written")
    endif()
    file(READ "${path}" text HEX)
    # Count by the bytes: 0a line feeds, 0d0a CR LF pairs (the files are ASCII, so "0d0a" in
    # the hex text can only be such a pair).
    string(LENGTH "${text}" hex_len)
    string(REPLACE "0d0a" "" without_crlf "${text}")
    string(LENGTH "${without_crlf}" rest_len)
    math(EXPR n_crlf "(${hex_len} - ${rest_len}) / 4")
    set(n_lf 0)
    string(REGEX MATCHALL "([0-9a-f][0-9a-f])" bytes "${text}")
    foreach(b IN LISTS bytes)
        if(b STREQUAL "0a")
            math(EXPR n_lf "${n_lf} + 1")
        endif()
    endforeach()
    set(${crlf_out} ${n_crlf} PARENT_SCOPE)
    set(${lf_out} ${n_lf} PARENT_SCOPE)
endfunction()

# Number of CR LF lines of a file; fails when a line ends otherwise.
function(crlf_lines path out)
    line_ends("${path}" n_crlf n_lf)
    if(NOT n_lf EQUAL n_crlf)
        message(FATAL_ERROR "${path}: ${n_lf} lines but ${n_crlf} end in CR LF")
    endif()
    set(${out} ${n_crlf} PARENT_SCOPE)
endfunction()

function(expect what actual expected)
    if(NOT "${actual}" STREQUAL "${expected}")
        message(FATAL_ERROR "${what}: expected ${expected}, got ${actual}")
    endif()
endfunction()

# Fails with `what` and the text unless the text matches the regular expression.
function(expect_match what text regex)
    if(NOT text MATCHES "${regex}")
        message(FATAL_ERROR "${what}: ${text}")
    endif()
endfunction()

# Fails with `what` when the file exists.
function(expect_absent what path)
    if(EXISTS "${path}")
        message(FATAL_ERROR "${what}: ${path}")
    endif()
endfunction()

# ---- an example, every output at once (options deliberately out of their carrying-out order)
execute_process(
    COMMAND "${BATCH}" --fft-out "${WORK}/single.fft" --save "${WORK}/single.cam"
            --export-all "${WORK}/single.txt" --export-cadkey "${WORK}/single.cad"
            --fft 1 --continuity --example 1
    WORKING_DIRECTORY "${WORK}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect("exit status of the example run (stderr: ${err})" "${rc}" 0)

# Model file at a step of 1 degree: 16 header lines, 16 slots of 204, 17 result rows of 361
# points, 27 closing lines.
crlf_lines("${WORK}/single.cam" n)
math(EXPR cam_lines "16 + 16 * 204 + 17 * 361 + 27")
expect("model file lines" "${n}" "${cam_lines}")
# All data: 6 header lines and points 0..360.
crlf_lines("${WORK}/single.txt" n)
expect("all-data lines" "${n}" 367)
# Cadkey: points 0..360, two rounded numbers each, no header.
crlf_lines("${WORK}/single.cad" n)
expect("Cadkey lines" "${n}" 361)
# Spectrum of 360 samples: harmonics 0..180, six items each.
crlf_lines("${WORK}/single.fft" n)
expect("spectrum lines" "${n}" 181)
file(STRINGS "${WORK}/single.fft" first LIMIT_COUNT 1)
string(REGEX MATCHALL "\t" tabs "${first}")
list(LENGTH tabs n)
expect("spectrum columns" "${n}" 6)
# Harmonic 0 is twice the mean of S. A double-harmonic segment, S = h/2 [(1 - cos pi x) -
# (1 - cos 2 pi x)/4], averages 3h/8; rise and fall take 180 of the 360 degrees, so the mean
# is .1875 and harmonic 0 is .375 (real part and magnitude).
expect_match("harmonic 0 line" "${first}" "^ 0 \t \\.375 \t 0 \t \\.375 \t")

# The continuity table, then the verdict as the last line; the save said so on stderr.
expect_match("no continuity table on stdout" "${out}"
    "Resulting Boundary Values at Segment Interfaces")
expect_match("no continuity verdict" "${out}" "ContinuityOK=True\n")
expect_match("the save message is missing from stderr" "${err}"
    "Information: File was successfully written to  / ")

# ---- the saved model reopened, recomputed at a finer step
execute_process(
    COMMAND "${BATCH}" --open "${WORK}/single.cam" --recalc --step 0.5 --export-all "${WORK}/half.txt"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect("exit status of the reopened run (stderr: ${err})" "${rc}" 0)
crlf_lines("${WORK}/half.txt" n)
expect("all-data lines at half a degree" "${n}" 727)

# ---- outputs to standard output: "-" and /dev/stdout (a pipe here) are written through
execute_process(
    COMMAND "${BATCH}" --example 1 --fft 1 --fft-out - --export-profile /dev/stdout
    COMMAND cat
    WORKING_DIRECTORY "${WORK}"
    RESULTS_VARIABLE rcs OUTPUT_FILE "${WORK}/stdout.txt" ERROR_VARIABLE err)
expect("exit status of the run to standard output (stderr: ${err})" "${rcs}" "0;0")
# The harmonic sums, then the spectrum's 181 lines, then the profile's 6 + 361 lines.
line_ends("${WORK}/stdout.txt" n_crlf n_lf)
expect("CR LF and LF lines on standard output" "${n_crlf} ${n_lf}" "548 549")
file(READ "${WORK}/stdout.txt" out)
expect_match("standard output out of order" "${out}"
    "^HarmonicSum=[^\n]*\n 0 \t \\.375 \t.*X-coord\tY-coord\t")
expect_absent("a file named - was written" "${WORK}/-")

# ---- a usage error: status 2 and the usage text
execute_process(COMMAND "${BATCH}" --example 1 --units 9
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect("exit status of a usage error" "${rc}" 2)
expect_match("no usage text" "${err}" "usage: trochix-batch")
execute_process(COMMAND "${BATCH}" --fft 1 --example 1
    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
expect("exit status of --fft without --fft-out" "${rc}" 2)

# A forgotten value and a step without --recalc are usage errors: nothing is written.
foreach(args IN ITEMS "--save;--recalc" "--step;inf;--recalc" "--step;0.5")
    execute_process(COMMAND "${BATCH}" --example 1 ${args}
        WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
    expect("exit status of --example 1 ${args}" "${rc}" 2)
endforeach()
expect_absent("an option was taken as the name of the file to save" "${WORK}/--recalc")

# ---- a missing model file: status 1, the program's message, nothing written
execute_process(COMMAND "${BATCH}" --open "${WORK}/missing.cam" --save "${WORK}/never.cam"
    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
expect("exit status of a missing file" "${rc}" 1)
expect_match("no file message" "${err}"
    "There are no files with your chosen name in the selected directory")
expect_absent("a refused run wrote its save file" "${WORK}/never.cam")

# ---- a table to standard output: the same bytes as to a file, apart from the time stamp
execute_process(
    COMMAND "${BATCH}" --example 1 --table "DI VE AC JE" --every 10 --decimals 0,1,2,3
            --table-out -
    RESULT_VARIABLE rc OUTPUT_VARIABLE piped ERROR_VARIABLE err)
expect("exit status of a table to standard output (stderr: ${err})" "${rc}" 0)
execute_process(
    COMMAND "${BATCH}" --example 1 --table "DI VE AC JE" --every 10 --decimals 0,1,2,3
            --table-out "${WORK}/table.txt"
    RESULT_VARIABLE rc ERROR_VARIABLE err)
expect("exit status of a table to a file (stderr: ${err})" "${rc}" 0)
crlf_lines("${WORK}/table.txt" n)
expect("table lines: 6 header lines, 0..360 every 10 degrees" "${n}" 43)
file(READ "${WORK}/table.txt" written)
# The second line holds the date and time of each run.
foreach(var IN ITEMS piped written)
    string(REGEX REPLACE "^([^\n]*\n)[^\n]*\n" "\\1" ${var} "${${var}}")
endforeach()
expect("the table on standard output differs from the file" "${piped}" "${written}")
expect_absent("a file named - was written" "${WORK}/-")

# ---- refused tables: status 1 and the reason; usage errors: status 2
foreach(case IN ITEMS
        "1|--table;DI ZZ|unknown code \"ZZ\""
        "1|--table;DI - AC|column 2 is empty: leave no gaps between columns"
        "1|--table;MA|stage not computed for \"MA\": compute a Fourier transform first"
        "2|--table;DI;--segment;4|--segment takes all or 1 to 3 for this model, not 4"
        "2|--table;DI;--every;7|--every takes 1, 2, 3, 4, 5 or 10, not 7"
        "2|--table;DI;--decimals;9|--decimals takes 0 to 6 places"
        "2|--every;5|--table-out, --every, --decimals and --segment go with --table")
    string(REPLACE "|" ";" parts "${case}")
    list(GET parts 0 status)
    list(LENGTH parts n)
    math(EXPR n_args "${n} - 2")
    list(GET parts -1 message)
    list(SUBLIST parts 1 ${n_args} args)
    execute_process(COMMAND "${BATCH}" --example 1 ${args} --table-out "${WORK}/refused.txt"
        RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
    expect("exit status of ${args} (stderr: ${err})" "${rc}" "${status}")
    string(FIND "${err}" "${message}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${args}: no \"${message}\" in ${err}")
    endif()
    expect_absent("a refused table was written" "${WORK}/refused.txt")
endforeach()
