# hollowlight_warnings(target): the project's warning set, applied to every target of ours
# (never to GLFW, which has its own).
function(hollowlight_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()
