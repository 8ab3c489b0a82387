# cmake -DINPUT=file -DOUTPUT=file.cpp -DNAME=Symbol -DHEADER=include -P EmbedBytes.cmake
# Writes the bytes of INPUT as a C++ array NAME and its size NAME##Size.
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT}.\n#include \"${HEADER}\"\n\nconst uint8_t ${NAME}[] = {\n${bytes}\n};\nconst size_t ${NAME}Size = sizeof(${NAME});\n")
