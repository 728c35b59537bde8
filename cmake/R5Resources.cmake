# SPDX-License-Identifier: MIT
# Generates one .qrc holding every QML file under modules/qml, DevInfo.ini and the
# factory data files, so new pages are picked up without editing a resource list by hand.
file(GLOB_RECURSE R5_QML_FILES CONFIGURE_DEPENDS
     RELATIVE ${CMAKE_SOURCE_DIR}
     ${CMAKE_SOURCE_DIR}/modules/qml/*.qml ${CMAKE_SOURCE_DIR}/modules/qml/*.js
     ${CMAKE_SOURCE_DIR}/modules/qml/qmldir ${CMAKE_SOURCE_DIR}/modules/qml/*/qmldir)
set(_qrc "<RCC>\n  <qresource prefix=\"/\">\n")
foreach(f ${R5_QML_FILES})
  string(APPEND _qrc "    <file alias=\"${f}\">${CMAKE_SOURCE_DIR}/${f}</file>\n")
endforeach()
string(APPEND _qrc "  </qresource>\n</RCC>\n")
set(R5_QRC ${CMAKE_BINARY_DIR}/r5_resources.qrc)
file(GENERATE OUTPUT ${R5_QRC} CONTENT "${_qrc}")
set(R5_QRC ${R5_QRC} CACHE INTERNAL "")

# What a program without a window reads too: the device catalogue and the factory files.
set(_qrc "<RCC>\n  <qresource prefix=\"/\">\n")
string(APPEND _qrc "    <file alias=\"DevInfo.ini\">${CMAKE_SOURCE_DIR}/device/DevInfo.ini</file>\n")
# The shipped settings, recoil and language files, from which damaged or missing working
# files are rebuilt when the copies on disk are gone too.
file(GLOB R5_FACTORY_FILES CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/modules
     ${CMAKE_SOURCE_DIR}/modules/setting/*D.bin ${CMAKE_SOURCE_DIR}/modules/gun/*.bin
     ${CMAKE_SOURCE_DIR}/modules/i18n/lang_*.ini)
foreach(f ${R5_FACTORY_FILES})
  string(APPEND _qrc "    <file alias=\"factory/${f}\">${CMAKE_SOURCE_DIR}/modules/${f}</file>\n")
endforeach()
string(APPEND _qrc "  </qresource>\n</RCC>\n")
set(R5_CORE_QRC ${CMAKE_BINARY_DIR}/r5_core_resources.qrc)
file(GENERATE OUTPUT ${R5_CORE_QRC} CONTENT "${_qrc}")
set(R5_CORE_QRC ${R5_CORE_QRC} CACHE INTERNAL "")

# Adds the compiled-in resources of the window (pages and the core's files) to a program or test.
function(r5_add_resources target)
  target_sources(${target} PRIVATE ${R5_QRC} ${R5_CORE_QRC})
  set_source_files_properties(${R5_QRC} ${R5_CORE_QRC} PROPERTIES GENERATED TRUE)
endfunction()

# Adds only the core's files: a program without a window.
function(r5_add_core_resources target)
  target_sources(${target} PRIVATE ${R5_CORE_QRC})
  set_source_files_properties(${R5_CORE_QRC} PROPERTIES GENERATED TRUE)
endfunction()
