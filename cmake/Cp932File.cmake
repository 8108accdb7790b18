# Writes DESTINATION as the CP932 form of the UTF-8 text file SOURCE, each LF turned into CR LF:
#   cmake -DKOR_ICONV=/usr/bin/iconv -DSOURCE=<file> -DDESTINATION=<file> -P Cp932File.cmake
# Fails (and leaves no DESTINATION) when the source cannot be converted without loss.
foreach(var KOR_ICONV SOURCE DESTINATION)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "Cp932File: -D${var}=... is missing")
    endif()
endforeach()

file(READ "${SOURCE}" text)
if(text STREQUAL "")
    message(FATAL_ERROR "${SOURCE}: the file is empty")
endif()
# file(READ) drops CR bytes, so look for them in the bytes themselves.
file(READ "${SOURCE}" hex HEX)
if(hex MATCHES "^(..)*0d")
    message(FATAL_ERROR "${SOURCE}: holds a CR; keep LF line ends, CR LF is written here")
endif()
if(NOT text MATCHES "\n$")
    message(FATAL_ERROR "${SOURCE}: the last line has no line end")
endif()

# These characters convert, but Windows reads their CP932 bytes back as another character;
# the source must use the form that CP932 means.
set(jis_forms "〜" "‖" "−" "¢" "£" "¬")
set(cp932_forms "～ (U+FF5E)" "∥ (U+2225)" "－ (U+FF0D)" "￠ (U+FFE0)" "￡ (U+FFE1)" "￢ (U+FFE2)")
foreach(i RANGE 5)
    list(GET jis_forms ${i} jis)
    string(FIND "${text}" "${jis}" at)
    if(NOT at EQUAL -1)
        list(GET cp932_forms ${i} cp932)
        message(FATAL_ERROR "${SOURCE}: write \"${jis}\" as ${cp932}")
    endif()
endforeach()

string(REPLACE "\n" "\r\n" crlf "${text}")
get_filename_component(out_dir "${DESTINATION}" DIRECTORY)
file(MAKE_DIRECTORY "${out_dir}")
set(staged "${DESTINATION}.utf8-crlf")
file(WRITE "${staged}" "${crlf}")
execute_process(COMMAND "${KOR_ICONV}" -f UTF-8 -t CP932
    INPUT_FILE "${staged}" OUTPUT_FILE "${DESTINATION}.tmp"
    RESULT_VARIABLE rc ERROR_VARIABLE err)
file(REMOVE "${staged}")
if(NOT rc EQUAL 0)
    file(REMOVE "${DESTINATION}.tmp" "${DESTINATION}")
    set(where "")
    if(err MATCHES "position ([0-9]+)")
        string(SUBSTRING "${crlf}" 0 ${CMAKE_MATCH_1} before)
        string(REGEX MATCHALL "\n" breaks "${before}")
        list(LENGTH breaks line)
        math(EXPR line "${line} + 1")
        set(where " (line ${line})")
    endif()
    string(STRIP "${err}" err)
    message(FATAL_ERROR "${SOURCE}${where}: not convertible to CP932: ${err}")
endif()
file(RENAME "${DESTINATION}.tmp" "${DESTINATION}")
