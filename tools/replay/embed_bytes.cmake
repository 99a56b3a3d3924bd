# Writes a C++ source that holds a file's bytes as an array, so that a tool
# carries the file inside itself and never looks for it at run time.
#   cmake -DINPUT=file -DOUTPUT=source.cpp -DNAME=identifier -DHEADER=name.h -P embed_bytes.cmake
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
get_filename_component(source_name ${INPUT} NAME)
file(WRITE ${OUTPUT} "// Generated at build time from ${source_name}; not edited by hand.
#include \"${HEADER}\"

const std::uint8_t ${NAME}[${size}] = {
    ${bytes}
};
const std::size_t ${NAME}Size = ${size};
")
