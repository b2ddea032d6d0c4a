# Runs `trochix --plot` as a script would: every layout and style in every picture format.
# Called by CTest as
#   cmake -DTROCHIX=<trochix> -DWORK=<scratch folder> -P plot_pictures.cmake

if(NOT TROCHIX OR NOT WORK)
    message(FATAL_ERROR "TROCHIX and WORK must be given")
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(ENV{QT_QPA_PLATFORM} offscreen)

function(expect what actual expected)
    if(NOT "${actual}" STREQUAL "${expected}")
        message(FATAL_ERROR "${what}: expected ${expected}, got ${actual}")
    endif()
endfunction()

# Width and height of a PNG file, from its header.
function(png_size path out_w out_h)
    file(READ "${path}" head LIMIT 24 HEX)
    string(SUBSTRING "${head}" 0 16 magic)
    expect("PNG signature of ${path}" "${magic}" "89504e470d0a1a0a")
    string(SUBSTRING "${head}" 32 8 w)
    string(SUBSTRING "${head}" 40 8 h)
    math(EXPR w "0x${w}")
    math(EXPR h "0x${h}")
    set(${out_w} ${w} PARENT_SCOPE)
    set(${out_h} ${h} PARENT_SCOPE)
endfunction()

# A picture of W x H screen pixels: PNG of that size; SVG and PDF pages of that size at 96 per
# inch (millimetres, points); SVG drawn as vectors, not as one picture of the screen.
function(check_picture path w h)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "${path} was not written")
    endif()
    file(SIZE "${path}" bytes)
    if(bytes LESS 10000)
        message(FATAL_ERROR "${path} is too small to hold a plot: ${bytes} bytes")
    endif()
    if(path MATCHES "\\.png$")
        png_size("${path}" pw ph)
        expect("PNG size of ${path}" "${pw}x${ph}" "${w}x${h}")
    elseif(path MATCHES "\\.svg$")
        file(READ "${path}" svg LIMIT 600)
        math(EXPR mm_w "${w} * 254 / 96")   # tenths of a millimetre
        math(EXPR mm_h "${h} * 254 / 96")
        if(NOT svg MATCHES "width=\"([0-9]+)\\.?([0-9]?)[0-9]*mm\" height=\"([0-9]+)\\.?([0-9]?)")
            message(FATAL_ERROR "no page size in ${path}: ${svg}")
        endif()
        expect("SVG width of ${path} (0.1 mm)" "${CMAKE_MATCH_1}${CMAKE_MATCH_2}" "${mm_w}")
        expect("SVG height of ${path} (0.1 mm)" "${CMAKE_MATCH_3}${CMAKE_MATCH_4}" "${mm_h}")
        # Curves, axes and frames as paths; the style's buttons may come as small images,
        # but the screen is no single picture.
        file(READ "${path}" all)
        string(REGEX MATCHALL "<path" paths "${all}")
        list(LENGTH paths n_paths)
        if(n_paths LESS 50)
            message(FATAL_ERROR "${path} holds ${n_paths} vector paths: drawn as a picture?")
        endif()
    else()
        file(READ "${path}" pdf LIMIT 5 HEX)
        expect("PDF signature of ${path}" "${pdf}" "255044462d") # %PDF-
        file(STRINGS "${path}" boxes REGEX "/MediaBox")
        math(EXPR pt_w "${w} * 72 / 96")
        math(EXPR pt_h "${h} * 72 / 96")
        if(NOT boxes MATCHES "/MediaBox \\[0 0 ([0-9]+)[0-9.]* ([0-9]+)")
            message(FATAL_ERROR "no page size in ${path}")
        endif()
        # Millimetre pages round to a point either way.
        foreach(pair "${CMAKE_MATCH_1};${pt_w}" "${CMAKE_MATCH_2};${pt_h}")
            list(GET pair 0 got)
            list(GET pair 1 want)
            math(EXPR diff "${got} - ${want}")
            if(diff GREATER 1 OR diff LESS -1)
                message(FATAL_ERROR "PDF page of ${path}: ${got} points where ${want} were due")
            endif()
        endforeach()
    endif()
endfunction()

# name | arguments (comma-separated) | screen width | height
set(plots
    "single|--example,1,--plot,DI VE AC JE|1040|760"
    "single_segment|--example,3,--plot,AC,--segment,1|1040|760"
    "two_annotated|--example,1,--plot,DI VE,--layout,two|1040|760"
    "two_aligned|--example,4,--plot,PH RH,--layout,two,--style,aligned|1040|720"
    "four_annotated|--example,5,--plot,DI VE AC JE,--layout,four|1040|940"
    "four_aligned|--example,3,--plot,FO TO FR FL,--layout,four,--style,aligned|1040|940"
    "four_aligned_segment|--example,5,--plot,DI VE AC JE,--layout,four,--style,aligned,--segment,3|1040|940"
    "polar|--example,2,--layout,polar|900|900"
)
foreach(plot IN LISTS plots)
    string(REPLACE "|" ";" fields "${plot}")
    list(GET fields 0 name)
    list(GET fields -2 w)
    list(GET fields -1 h)
    list(SUBLIST fields 1 -1 rest)
    list(LENGTH rest n)
    math(EXPR n "${n} - 2")
    list(SUBLIST rest 0 ${n} args)
    string(REPLACE "," ";" args "${args}")
    foreach(ext png svg pdf)
        set(out "${WORK}/${name}.${ext}")
        execute_process(COMMAND "${TROCHIX}" ${args} --out "${out}"
            RESULT_VARIABLE rc OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
        expect("exit status of ${name}.${ext} (stderr: ${stderr})" "${rc}" 0)
        check_picture("${out}" ${w} ${h})
    endforeach()
endforeach()

# ---- refusals: status 1 with the reason, no file written
set(refusals
    "--example,1,--plot,DI ZZ|unknown code"
    "--example,1,--plot,MA|compute a Fourier transform first"
    "--example,1,--plot,DI VE AC,--layout,two|two windows take 1 to 2 function codes"
    "--example,1,--plot,DI,--segment,9|no segment 9"
)
foreach(case IN LISTS refusals)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields -1 reason)
    list(REMOVE_AT fields -1)
    string(REPLACE "," ";" fields "${fields}")
    execute_process(COMMAND "${TROCHIX}" ${fields} --out "${WORK}/refused.png"
        RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE stderr)
    expect("exit status of a refused plot (${case})" "${rc}" 1)
    if(NOT stderr MATCHES "${reason}")
        message(FATAL_ERROR "no reason for the refusal (${case}): ${stderr}")
    endif()
    if(EXISTS "${WORK}/refused.png")
        message(FATAL_ERROR "a refused plot wrote its picture (${case})")
    endif()
endforeach()

# ---- a usage error: status 2
execute_process(COMMAND "${TROCHIX}" --example 1 --plot "DI" --out "${WORK}/x.gif"
    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE stderr)
expect("exit status of a usage error" "${rc}" 2)

# ---- an existing file is replaced whole or kept
file(WRITE "${WORK}/keep.png" "an older picture")
execute_process(COMMAND "${TROCHIX}" --example 1 --plot "ZZ" --out "${WORK}/keep.png"
    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
file(READ "${WORK}/keep.png" kept)
expect("a refused plot leaves the old file" "${kept}" "an older picture")
