# The sanitizer build instruments everything, GLFW included, so that a fault anywhere in the
# process is reported where it happens.
if(HOLLOWLIGHT_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
