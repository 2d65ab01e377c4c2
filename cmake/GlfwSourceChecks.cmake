# glfw_source_expect(<wrapper> <file> <signature> <what> <fragment>...): the function of GLFW's
# sources (src/<file>) that starts with <signature> holds the fragments, in this order;
# otherwise configuring stops, saying what the host window wrapping in <wrapper> relies on.
#
# The wrappings are compiled against GLFW's internal headers, so a change to a record or a
# signature already stops the build. What they also rely on is behaviour, which no compiler
# sees; these checks refuse a GLFW that behaves otherwise.
function(glfw_source_expect wrapper file signature what)
    file(READ ${HOLLOWLIGHT_GLFW_SOURCE}/src/${file} text)
    string(FIND "${text}" "${signature}" start)
    if(NOT start EQUAL -1)
        string(SUBSTRING "${text}" ${start} -1 text)
        string(FIND "${text}" "\n}" end)
        string(SUBSTRING "${text}" 0 ${end} text)
    endif()
    foreach(fragment IN ITEMS "${signature}" ${ARGN})
        string(FIND "${text}" "${fragment}" found)
        if(found EQUAL -1)
            message(FATAL_ERROR
                "The GLFW sources in ${HOLLOWLIGHT_GLFW_SOURCE} do not work the way the host "
                "window wrapping (${wrapper}) relies on: ${what} ('${fragment}' not found where "
                "expected in ${file}). Use GLFW 3.3.8 as released, or adapt the wrapping to this "
                "GLFW and this check with it.")
        endif()
        string(LENGTH "${fragment}" length)
        math(EXPR found "${found} + ${length}")
        string(SUBSTRING "${text}" ${found} -1 text)
    endforeach()
endfunction()
