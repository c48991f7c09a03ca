# lumo_embed_text(TARGET NAME FILE): compiles FILE into TARGET as
#   extern const std::string_view NAME;   (namespace lumo::embedded)
# so that texts held in the program need no file at run time.
function(lumo_embed_text target name file)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded_${name}.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${file} -DOUT=${out} -DNAME=${name}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedTextScript.cmake
    DEPENDS ${file} ${PROJECT_SOURCE_DIR}/cmake/EmbedTextScript.cmake
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
