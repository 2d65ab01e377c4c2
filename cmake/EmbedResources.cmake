# hollowlight_embed_resources(script output): reads the TEXTFILE and BITMAP lines of a resource
# script ("<id> <TYPE> "<file>"") and writes a C++ source that embeds each file byte for byte
# (with the assembler's .incbin, so even the large bitmaps cost no compile time) and lists them
# for resources::embeddedResources().
function(hollowlight_embed_resources script output)
    get_filename_component(script_dir ${script} DIRECTORY)
    file(STRINGS ${script} lines REGEX "^[0-9]+[ \t]+(TEXTFILE|BITMAP)[ \t]+\"[^\"]+\"")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${script})

    set(blobs "")
    set(table "")
    set(files "")
    foreach(line IN LISTS lines)
        string(REGEX MATCH "^([0-9]+)[ \t]+([A-Z]+)[ \t]+\"([^\"]+)\"" _ "${line}")
        set(id ${CMAKE_MATCH_1})
        set(type ${CMAKE_MATCH_2})
        get_filename_component(file "${script_dir}/${CMAKE_MATCH_3}" ABSOLUTE)
        if(NOT EXISTS ${file})
            message(FATAL_ERROR "The resource script names ${file}, which does not exist.")
        endif()
        set(symbol hl_resource_${type}_${id})
        string(APPEND blobs
            "__asm__(\".section .rodata\\n.global ${symbol}\\n.balign 16\\n${symbol}:\\n"
            ".incbin \\\"${file}\\\"\\n.global ${symbol}_end\\n${symbol}_end:\\n"
            ".previous\\n\");\n"
            "extern \"C\" const std::uint8_t ${symbol}[];\n"
            "extern \"C\" const std::uint8_t ${symbol}_end[];\n")
        string(APPEND table "    {\"${type}\", ${id}, ${symbol}, ${symbol}_end},\n")
        list(APPEND files ${file})
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
    set_source_files_properties(${output} PROPERTIES OBJECT_DEPENDS "${files}")
endfunction()
