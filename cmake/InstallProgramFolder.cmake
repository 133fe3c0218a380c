# Installs the shipped files (form files, pictures) into the program folder
# CMAKE_INSTALL_PREFIX, run by "cmake --install" after the program itself.
#
# The school edits form files in the program folder, so a shipped file
# replaces the installed one only while that one is still what the last
# install wrote; a file the school has changed is kept and named. The
# manifest ".quorv-install" in the program folder records what each install
# wrote (SHA-256 and name per line). Settings files, class files and the data
# folder are never touched.
#
# Input: QUORV_SHIPPED_DIR, the folder of the shipped files.

if(NOT QUORV_SHIPPED_DIR OR NOT IS_DIRECTORY "${QUORV_SHIPPED_DIR}")
  message(FATAL_ERROR "QUORV_SHIPPED_DIR is not a folder: ${QUORV_SHIPPED_DIR}")
endif()
set(_folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(_manifest "${_folder}/.quorv-install")
file(MAKE_DIRECTORY "${_folder}")

# What the last install wrote: _written_<name> = its checksum.
if(EXISTS "${_manifest}")
  file(STRINGS "${_manifest}" _lines)
  foreach(_line IN LISTS _lines)
    if(_line MATCHES "^([0-9a-f]+)  (.+)$")
      set("_written_${CMAKE_MATCH_2}" "${CMAKE_MATCH_1}")
    endif()
  endforeach()
endif()

set(_record "")
set(_kept "")
file(GLOB _shipped RELATIVE "${QUORV_SHIPPED_DIR}" "${QUORV_SHIPPED_DIR}/*")
list(SORT _shipped)
foreach(_name IN LISTS _shipped)
  set(_source "${QUORV_SHIPPED_DIR}/${_name}")
  if(IS_DIRECTORY "${_source}" OR _name MATCHES "^\\.")
    continue()
  endif()
  # Settings and class files belong to the school alone.
  if(_name MATCHES "\\.([Dd][Aa][Tt]|[Qq][Vv][Rr]|\\$[Vv][Rr]|[Zz][Dd][Bb]|[Ff][Dd][Bb])$")
    continue()
  endif()
  file(SHA256 "${_source}" _new)
  set(_target "${_folder}/${_name}")
  set(_install TRUE)
  if(EXISTS "${_target}")
    file(SHA256 "${_target}" _current)
    if(_current STREQUAL _new)
      set(_install FALSE)
    elseif(NOT DEFINED "_written_${_name}" OR NOT _current STREQUAL "${_written_${_name}}")
      # Changed since the last install (or never installed by one): kept.
      set(_install FALSE)
      list(APPEND _kept "${_name}")
      if(DEFINED "_written_${_name}")
        string(APPEND _record "${_written_${_name}}  ${_name}\n")
      endif()
      continue()
    endif()
  endif()
  if(_install)
    message(STATUS "Installing: ${_target}")
    file(COPY_FILE "${_source}" "${_target}")
  else()
    message(STATUS "Up-to-date: ${_target}")
  endif()
  string(APPEND _record "${_new}  ${_name}\n")
endforeach()

file(WRITE "${_manifest}" "${_record}")
foreach(_name IN LISTS _kept)
  message(STATUS "quorv: ${_name} wurde im Programmordner geändert und bleibt erhalten "
                 "(die neue Fassung wurde nicht installiert).")
endforeach()
