# cmake -DSOURCE=file -DDESTINATION=file -P CopyIfMissing.cmake
# Copies SOURCE to DESTINATION unless DESTINATION already exists (whatever it holds).
if(NOT SOURCE OR NOT DESTINATION)
  message(FATAL_ERROR "CopyIfMissing.cmake needs SOURCE and DESTINATION")
endif()
if(EXISTS "${DESTINATION}" OR IS_SYMLINK "${DESTINATION}")
  return()
endif()
get_filename_component(folder "${DESTINATION}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
file(COPY_FILE "${SOURCE}" "${DESTINATION}" ONLY_IF_DIFFERENT)
message(STATUS "Installed the first-access password file ${DESTINATION}")
