cmake_minimum_required(VERSION 3.25)

# Runs a sample generator into OUTPUT and fails when a file it writes under Data/<KIND>/ differs
# from the one committed under examples/, or when a committed file of a generated library has no
# source; for the tools, also when a fuzz seed taken from a sample file has drifted from it.
#   cmake -DGENERATOR=<make_sample_tools or make_sample_turrets> -DKIND=<Tools or Turrets>
#         -DSOURCE_DIR=<repository> -DOUTPUT=<folder>
#         [-DEMULATOR=<what runs the generator when it is built for another system>] -P <this>

file(REMOVE_RECURSE "${OUTPUT}")
execute_process(COMMAND ${EMULATOR} "${GENERATOR}" "${SOURCE_DIR}/examples" "${OUTPUT}"
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${GENERATOR} failed (${status})")
endif()

set(compared 0)
function(expect_same expected actual)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${expected}" "${actual}"
        RESULT_VARIABLE differ)
    if(NOT differ EQUAL 0)
        message(SEND_ERROR "${actual} differs from ${expected}")
    endif()
endfunction()

file(GLOB machines LIST_DIRECTORIES true "${OUTPUT}/Data/${KIND}/*")
foreach(machine ${machines})
    get_filename_component(folder "${machine}" NAME)
    set(committed "${SOURCE_DIR}/examples/Data/${KIND}/${folder}")
    file(GLOB written RELATIVE "${machine}" "${machine}/*")
    foreach(name ${written})
        expect_same("${machine}/${name}" "${committed}/${name}")
        math(EXPR compared "${compared} + 1")
    endforeach()
    # Every committed file of a generated library ("<library>.*") was written.
    file(GLOB indexes RELATIVE "${machine}" "${machine}/*.lkp")
    foreach(index ${indexes})
        string(REGEX REPLACE "lkp$" "" prefix "${index}")
        file(GLOB kept RELATIVE "${committed}" "${committed}/${prefix}*")
        foreach(name ${kept})
            if(NOT name IN_LIST written)
                message(SEND_ERROR "${committed}/${name} has no source in examples/source")
            endif()
        endforeach()
    endforeach()
endforeach()
if(compared EQUAL 0)
    message(FATAL_ERROR "${GENERATOR} wrote no file")
endif()
if(NOT KIND STREQUAL "Tools")
    message(STATUS "${compared} sample files match their sources")
    return()
endif()

set(corpus "${SOURCE_DIR}/tests/fuzz/corpus")
set(samples "${OUTPUT}/Data/Tools/Kestrel20")
expect_same("${samples}/Shop Standard.A" "${corpus}/toolfile/shop-standard-diameters")
expect_same("${samples}/Shop Standard.K" "${corpus}/toolfile/shop-standard-keyways")
expect_same("${samples}/Shop Standard.S" "${corpus}/toolfile/shop-standard-specials")
expect_same("${samples}/Shop Standard.lkp" "${corpus}/drawingindex/shop-standard")
expect_same("${samples}/Shop Standard.1" "${corpus}/drawingextents/flange-notch")
message(STATUS "${compared} sample files and 5 fuzz seeds match their sources")
