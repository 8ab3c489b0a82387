# The test programs' own font configuration: links in the test build to the
# DejaVu fonts of fonts-dejavu-core and the mono obliques of fonts-dejavu-extra,
# and a fonts.conf that sees only them, so that the tests measure and draw the
# same on every machine.
set(CORVANE_TEST_FONT_DIR ${PROJECT_BINARY_DIR}/tests/fonts)
set(CORVANE_TEST_FONT_CACHE ${PROJECT_BINARY_DIR}/tests/fonts-cache)
set(CORVANE_TEST_FONTCONFIG ${CORVANE_TEST_FONT_DIR}/fonts.conf)
file(MAKE_DIRECTORY ${CORVANE_TEST_FONT_DIR} ${CORVANE_TEST_FONT_CACHE})
foreach(font DejaVuSans DejaVuSans-Bold DejaVuSansMono DejaVuSansMono-Bold DejaVuSansMono-Oblique
             DejaVuSansMono-BoldOblique DejaVuSerif DejaVuSerif-Bold)
  find_file(CORVANE_TEST_FONT_${font} ${font}.ttf
    PATHS /usr/share/fonts PATH_SUFFIXES truetype/dejavu NO_DEFAULT_PATH)
  if(NOT CORVANE_TEST_FONT_${font})
    message(FATAL_ERROR "The test font ${font}.ttf is missing: install fonts-dejavu-core and fonts-dejavu-extra")
  endif()
  file(CREATE_LINK ${CORVANE_TEST_FONT_${font}} ${CORVANE_TEST_FONT_DIR}/${font}.ttf SYMBOLIC)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/tests/support/fonts/fonts.conf.in ${CORVANE_TEST_FONTCONFIG} @ONLY)
