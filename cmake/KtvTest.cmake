# ktv_add_test(<name> LIBS <lib>...): builds tst_<name>.cpp of the calling folder into a
# test executable and registers it with CTest on the offscreen platform.
function(ktv_add_test name)
    cmake_parse_arguments(ARG "" "" "LIBS;SOURCES" ${ARGN})
    add_executable(tst_${name} tst_${name}.cpp ${ARG_SOURCES})
    target_link_libraries(tst_${name} PRIVATE Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND tst_${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
