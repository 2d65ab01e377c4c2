# hollowlight_read_resource_script(script ids types files): the resource script's file lines
# ("<id> <TYPE> "<file>""), as three lists in step, with absolute file paths. The script becomes
# a dependency of the configuration.
function(hollowlight_read_resource_script script ids types files)
    get_filename_component(script_dir ${script} DIRECTORY)
    file(STRINGS ${script} lines REGEX "^[0-9]+[ \t]+[A-Z]+[ \t]+\"[^\"]+\"")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${script})
    set(id_list "")
    set(type_list "")
    set(file_list "")
    foreach(line IN LISTS lines)
        string(REGEX MATCH "^([0-9]+)[ \t]+([A-Z]+)[ \t]+\"([^\"]+)\"" _ "${line}")
        get_filename_component(file "${script_dir}/${CMAKE_MATCH_3}" ABSOLUTE)
        if(NOT EXISTS ${file})
            message(FATAL_ERROR "The resource script names ${file}, which does not exist.")
        endif()
        list(APPEND id_list ${CMAKE_MATCH_1})
        list(APPEND type_list ${CMAKE_MATCH_2})
        list(APPEND file_list ${file})
    endforeach()
    set(${ids} ${id_list} PARENT_SCOPE)
    set(${types} ${type_list} PARENT_SCOPE)
    set(${files} ${file_list} PARENT_SCOPE)
endfunction()

# hollowlight_embed_resources(script output): writes a C++ source that embeds the TEXTFILE and
# BITMAP files of a resource script byte for byte (with the assembler's .incbin, so even the
# large bitmaps cost no compile time) and lists them for resources::embeddedResources().
function(hollowlight_embed_resources script output)
    hollowlight_read_resource_script(${script} ids types files)
    set(blobs "")
    set(table "")
    set(embedded "")
    foreach(id type file IN ZIP_LISTS ids types files)
        if(NOT type MATCHES "^(TEXTFILE|BITMAP)$")
            continue()
        endif()
        set(symbol hl_resource_${type}_${id})
        string(APPEND blobs
            "__asm__(\".section .rodata\\n.global ${symbol}\\n.balign 16\\n${symbol}:\\n"
            ".incbin \\\"${file}\\\"\\n.global ${symbol}_end\\n${symbol}_end:\\n"
            ".previous\\n\");\n"
            "extern \"C\" const std::uint8_t ${symbol}[];\n"
            "extern \"C\" const std::uint8_t ${symbol}_end[];\n")
        string(APPEND table "    {\"${type}\", ${id}, ${symbol}, ${symbol}_end},\n")
        list(APPEND embedded ${file})
    endforeach()

    file(GENERATE OUTPUT ${output} CONTENT
"// Generated from ${script} by hollowlight_embed_resources: do not edit.
#include \"resources/embedded_resources.h\"

${blobs}
namespace resources {
namespace {
const EmbeddedResource kResources[] = {
${table}};
} // namespace

std::span<const EmbeddedResource> embeddedResources() { return kResources; }

} // namespace resources
")
    set_source_files_properties(${output} PROPERTIES OBJECT_DEPENDS "${embedded}")
endfunction()
