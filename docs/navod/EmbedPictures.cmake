# Writes the guide as one self-contained page: every picture that navod.html takes from
# docs/images (src="../images/NAME.png") goes into the page as a data: URL, so that the page needs
# no other file. The bytes are percent-encoded, which CMake does in one pass (it has no base64).
#   cmake -DSOURCE=navod.html -DOUTPUT=Navod.html -P EmbedPictures.cmake
file(READ "${SOURCE}" page)
get_filename_component(source_dir "${SOURCE}" DIRECTORY)
string(REGEX MATCHALL "src=\"\\.\\./images/[^\"]+\\.png\"" pictures "${page}")
list(REMOVE_DUPLICATES pictures)
foreach(picture IN LISTS pictures)
    string(REGEX REPLACE "^src=\"(.*)\"$" "\\1" path "${picture}")
    file(READ "${source_dir}/${path}" bytes HEX)
    string(REGEX REPLACE "(..)" "%\\1" bytes "${bytes}")
    string(REPLACE "${picture}" "src=\"data:image/png,${bytes}\"" page "${page}")
endforeach()
file(WRITE "${OUTPUT}" "${page}")
