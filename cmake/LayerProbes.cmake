# The layers hold: one probe per library, compiled with that library's include roots, fails the build
# when the library sees a folder it must not see (a folder above it) or misses one it must see.
function(usina_layer_probe library)
    cmake_parse_arguments(PROBE "" "" "SEES;BLIND_TO" ${ARGN})
    set(text "// What ${library} sees of the tree.\n")
    foreach(file ${PROBE_SEES})
        string(APPEND text "#if !__has_include(\"${file}\")\n#error \"${library} must see ${file}\"\n#endif\n")
    endforeach()
    foreach(file ${PROBE_BLIND_TO})
        string(APPEND text "#if __has_include(\"${file}\")\n#error \"${library} must not see ${file}\"\n#endif\n")
    endforeach()
    set(source ${CMAKE_BINARY_DIR}/layer_probes/${library}.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "${text}")
    add_library(${library}_layer_probe OBJECT ${source})
    target_link_libraries(${library}_layer_probe PRIVATE ${library})
endfunction()

usina_layer_probe(usina_value SEES platform/value/value.h BLIND_TO platform/forms/form.h core/station.h)
usina_layer_probe(usina_forms SEES platform/forms/form.h platform/value/value.h
                  BLIND_TO core/station.h plant/form_ranvikv5.h)
usina_layer_probe(usina_qt SEES platform/qt/qt_renderer.h platform/forms/form.h
                  BLIND_TO core/station.h plant/form_ranvikv5.h app/plant_pictures.h)
usina_layer_probe(usina_plantsim SEES tools/plantsim/plant_model.h plant/link/controller_protocol.h
                  BLIND_TO core/station.h plant/form_ranvikv5.h)
usina_layer_probe(usina_core SEES core/station.h platform/store/table_recordset.h
                  BLIND_TO plant/link/controller_link.h plant/controller/link.h setup/form_config.h
                           access/CMakeLists.txt plant/form_ranvikv5.h reports/CMakeLists.txt
                           app/station_windows.h)
usina_layer_probe(usina_plant_controller SEES plant/controller/link.h plant/link/controller_link.h core/station.h
                  BLIND_TO setup/form_config.h plant/form_ranvikv5.h)
usina_layer_probe(usina_setup SEES setup/form_config.h plant/controller/link.h core/station.h
                  BLIND_TO access/CMakeLists.txt plant/form_ranvikv5.h)
usina_layer_probe(usina_access SEES access/CMakeLists.txt setup/form_config.h
                  BLIND_TO plant/form_ranvikv5.h reports/CMakeLists.txt)
usina_layer_probe(usina_plant SEES plant/form_ranvikv5.h access/CMakeLists.txt setup/form_config.h
                  BLIND_TO reports/CMakeLists.txt app/station_windows.h)
usina_layer_probe(usina_reports SEES reports/CMakeLists.txt plant/form_ranvikv5.h BLIND_TO app/station_windows.h)
