cmake_minimum_required(VERSION 3.25)

# Runs the sample turrets' generator into OUTPUT and fails when a file it writes differs from the
# one committed under examples/, or when a committed turret file of a generated library has no
# source.
#   cmake -DGENERATOR=<make_sample_turrets> -DSOURCE_DIR=<repository> -DOUTPUT=<folder>
#         [-DEMULATOR=<what runs the generator when it is built for another system>] -P <this>

file(REMOVE_RECURSE "${OUTPUT}")
execute_process(COMMAND ${EMULATOR} "${GENERATOR}" "${SOURCE_DIR}/examples" "${OUTPUT}"
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "make_sample_turrets failed (${status})")
endif()

set(compared 0)
file(GLOB machines LIST_DIRECTORIES true "${OUTPUT}/Data/Turrets/*")
foreach(machine ${machines})
    get_filename_component(folder "${machine}" NAME)
    set(committed "${SOURCE_DIR}/examples/Data/Turrets/${folder}")
    file(GLOB written RELATIVE "${machine}" "${machine}/*")
    foreach(name ${written})
        execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${machine}/${name}"
            "${committed}/${name}" RESULT_VARIABLE differ)
        if(NOT differ EQUAL 0)
            message(SEND_ERROR "${committed}/${name} differs from ${machine}/${name}")
        endif()
        math(EXPR compared "${compared} + 1")
    endforeach()
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
    message(FATAL_ERROR "make_sample_turrets wrote no file")
endif()
message(STATUS "${compared} sample turret files match their sources")
