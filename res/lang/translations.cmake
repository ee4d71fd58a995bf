# The interface translations, kept by area in res/lang/<area>/<name>.ts (the data model's words,
# the program's window, its widgets, dialogs and pages): all areas of one language become
# <name>.qm through the host's lrelease (a build tool, so the same one serves the Windows trees),
# compiled in as ":/res/lang/<name>.qm".
find_program(QZ_LRELEASE NAMES lrelease lrelease-qt5 HINTS /usr/lib/qt5/bin NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(qz_languages en zh_CN zh_TW fr de it ja ko ru es pt)
set(qz_lang_output ${CMAKE_CURRENT_BINARY_DIR}/lang)
set(qz_lang_qrc ${qz_lang_output}/translations.qrc)
set(qz_lang_files)
set(qz_lang_entries)
foreach(language ${qz_languages})
  file(GLOB ts CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*/${language}.ts)
  set(qm ${qz_lang_output}/${language}.qm)
  add_custom_command(OUTPUT ${qm}
                     COMMAND ${QZ_LRELEASE} -silent ${ts} -qm ${qm}
                     DEPENDS ${ts}
                     COMMENT "lrelease ${language}.ts"
                     VERBATIM)
  list(APPEND qz_lang_files ${qm})
  string(APPEND qz_lang_entries "    <file>${language}.qm</file>\n")
endforeach()

file(MAKE_DIRECTORY ${qz_lang_output})
file(CONFIGURE OUTPUT ${qz_lang_qrc} CONTENT
"<RCC>\n  <qresource prefix=\"/res/lang\">\n${qz_lang_entries}  </qresource>\n</RCC>\n")
# The .qm files are sources too, so their rules run before rcc reads them.
target_sources(qz_resources PRIVATE ${qz_lang_qrc} ${qz_lang_files})
