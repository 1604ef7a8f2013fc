# Runs the tooling-cli executable on a copy of the sample installation: started in the program
# folder, it lists a shape, writes a turret sheet as a PDF (and with --illustration a page more
# with the turret drawn) and refuses a wrong command line.
# -DCLI=<tooling-cli> -DSOURCE_DIR=<repository> -DWORK=<scratch folder>
# With -DWINE=<wine> the Windows build runs under Wine on an installation whose configuration
# names its folders as Windows does (Wine's drive Z: is the root folder, "\" the separator);
# it has no PDF printing.

file(REMOVE_RECURSE "${WORK}")
file(COPY "${SOURCE_DIR}/examples/" DESTINATION "${WORK}"
    PATTERN generator EXCLUDE PATTERN source EXCLUDE PATTERN standins EXCLUDE)
set(root "${WORK}/")
set(separator "/")
if(WINE)
    string(REPLACE "/" "\\" root "Z:${WORK}/")
    set(separator "\\")
endif()
file(WRITE "${WORK}/Program/Ostrevan.cfg"
    "${root}Program${separator}\r\n${root}Data${separator}\r\n${root}Users${separator}\r\n"
    " 1 \r\nOstrevan\r\n******\r\n")
set(turret "1,B,Square,10,10,0,0,45,2\r\n")
foreach(station RANGE 2 20)
    string(APPEND turret "${station}, , , 0, 0, 0, 0, , 0\r\n")
endforeach()
file(WRITE "${WORK}/Data/Turrets/Kestrel20/Shop Standard.1" "${turret}******\r\n")
file(WRITE "${WORK}/Data/Turrets/Kestrel20/Shop Standard.lkp" "FRONT, 1 \r\n******\r\n")

function(run expected_status)
    execute_process(COMMAND ${WINE} "${CLI}" ${ARGN}
        WORKING_DIRECTORY "${WORK}/Program"
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    string(REPLACE "\r\n" "\n" out "${out}")
    if(NOT status STREQUAL expected_status)
        message(FATAL_ERROR "tooling-cli ${ARGN}: status ${status}, not ${expected_status}\n${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

run(0 list --shape K)
set(expected "Keyway\n  10x9.5w6              A 12.7mm  |  0, 90, 180, 270\n"
    "  20x22w4               B 31.7mm  |  0, 90, 180, 270\n")
string(JOIN "" expected ${expected})
if(NOT out STREQUAL expected)
    message(FATAL_ERROR "list --shape K wrote\n${out}\ninstead of\n${expected}")
endif()

run(2 no-such-command)
run(1 print-list --shape K --pdf "${WORK}/no such folder/k.pdf")
run(1 --library "No Such Library" list)

if(WINE)
    file(REMOVE_RECURSE "${WORK}")
    return()
endif()
run(0 print-turret front --pdf "${WORK}/front.pdf")
file(READ "${WORK}/front.pdf" head LIMIT 5)
if(NOT head MATCHES "^%PDF-")
    message(FATAL_ERROR "print-turret wrote no PDF file")
endif()
find_program(PDFTOTEXT pdftotext)
if(PDFTOTEXT)
    execute_process(COMMAND "${PDFTOTEXT}" -layout "${WORK}/front.pdf" -
        OUTPUT_VARIABLE text RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT text MATCHES "^FRONT\n" OR
       NOT text MATCHES "\n1 +Square +10 +45\n")
        message(FATAL_ERROR "the turret sheet's PDF reads\n${text}")
    endif()

    run(0 print-turret front --illustration --pdf "${WORK}/drawn.pdf")
    string(ASCII 12 page_end)
    string(REGEX MATCHALL "${page_end}" sheet_pages "${text}")
    list(LENGTH sheet_pages sheet_pages)
    math(EXPR last "${sheet_pages} + 1")
    execute_process(COMMAND "${PDFTOTEXT}" "${WORK}/drawn.pdf" - OUTPUT_VARIABLE drawn)
    string(REGEX MATCHALL "${page_end}" pages "${drawn}")
    list(LENGTH pages pages)
    execute_process(COMMAND "${PDFTOTEXT}" -f ${last} -l ${last} "${WORK}/drawn.pdf" -
        OUTPUT_VARIABLE text)
    set(expected "FRONT" "Library : Shop Standard" "Machine : Kestrel TP-20 Punch Press")
    foreach(station RANGE 1 20)
        list(APPEND expected "T${station}")
    endforeach()
    foreach(word IN LISTS expected)
        if(NOT pages EQUAL last OR NOT text MATCHES "(^|[ \n])${word}([ \n]|$)")
            message(FATAL_ERROR "print-turret --illustration wrote ${pages} pages, not ${last}, "
                "or no \"${word}\" on the last:\n${text}")
        endif()
    endforeach()
endif()
file(REMOVE_RECURSE "${WORK}")
