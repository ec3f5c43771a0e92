# Real readers check the files the drawings write: a sample writer puts every drawing into
# one folder, then ezdxf audits the DXF files, xmllint parses the SVG files and the Open
# CASCADE IGES reader loads the IGES files. Each check is added only when its reader is there.
set(BXR_SAMPLE_DIR ${CMAKE_BINARY_DIR}/graphics_samples)
file(GLOB sample_writer_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/tools/*.cpp)
add_executable(graphics_write_samples ${sample_writer_sources})
target_link_libraries(graphics_write_samples PRIVATE bxrcore)
target_compile_definitions(graphics_write_samples PRIVATE BXR_SOURCE_DATA_DIR="${CMAKE_SOURCE_DIR}/data")
add_test(NAME graphics_write_samples COMMAND graphics_write_samples ${BXR_SAMPLE_DIR})
set_tests_properties(graphics_write_samples PROPERTIES FIXTURES_SETUP graphics_samples)

find_program(BXR_SYSTEM_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(BXR_SYSTEM_PYTHON)
  execute_process(COMMAND ${BXR_SYSTEM_PYTHON} -c "import ezdxf"
                  RESULT_VARIABLE ezdxf_missing OUTPUT_QUIET ERROR_QUIET)
  add_test(NAME graphics_iges_fixed_columns
           COMMAND ${BXR_SYSTEM_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/iges_columns.py ${BXR_SAMPLE_DIR})
  set_tests_properties(graphics_iges_fixed_columns PROPERTIES FIXTURES_REQUIRED graphics_samples)
  if(NOT ezdxf_missing)
    add_test(NAME graphics_dxf_ezdxf_audit
             COMMAND ${BXR_SYSTEM_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/dxf_audit.py ${BXR_SAMPLE_DIR})
    set_tests_properties(graphics_dxf_ezdxf_audit PROPERTIES FIXTURES_REQUIRED graphics_samples)
    add_test(NAME graphics_dxf_texts_read_back
             COMMAND ${BXR_SYSTEM_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/dxf_texts.py ${BXR_SAMPLE_DIR})
    set_tests_properties(graphics_dxf_texts_read_back PROPERTIES FIXTURES_REQUIRED graphics_samples)
  endif()
endif()

find_program(BXR_XMLLINT xmllint)
if(BXR_XMLLINT)
  add_test(NAME graphics_svg_well_formed
           COMMAND sh -c "ls \"$1\"/*.svg >/dev/null && \"$0\" --noout \"$1\"/*.svg"
                   ${BXR_XMLLINT} ${BXR_SAMPLE_DIR})
  set_tests_properties(graphics_svg_well_formed PROPERTIES FIXTURES_REQUIRED graphics_samples)
endif()

# The reader's libraries directly: the packaged CMake targets drag in optional dependencies
# (TBB and others) whose development files need not be installed.
find_path(BXR_OCCT_INCLUDE IGESControl_Reader.hxx PATH_SUFFIXES opencascade)
set(BXR_OCCT_LIBRARIES)
foreach(lib TKIGES TKXSBase TKernel TKMath)
  find_library(BXR_OCCT_${lib} ${lib})
  if(BXR_OCCT_${lib})
    list(APPEND BXR_OCCT_LIBRARIES ${BXR_OCCT_${lib}})
  endif()
endforeach()
list(LENGTH BXR_OCCT_LIBRARIES occt_found)
if(BXR_OCCT_INCLUDE AND occt_found EQUAL 4)
  add_executable(iges_occt_check ${CMAKE_CURRENT_LIST_DIR}/iges_occt_check.cpp)
  target_include_directories(iges_occt_check SYSTEM PRIVATE ${BXR_OCCT_INCLUDE})
  target_compile_options(iges_occt_check PRIVATE -w)
  target_link_libraries(iges_occt_check PRIVATE ${BXR_OCCT_LIBRARIES})
  add_test(NAME graphics_iges_occt_read COMMAND iges_occt_check ${BXR_SAMPLE_DIR})
  # The reader library keeps some of its allocations until exit; those are not ours to find.
  set_tests_properties(graphics_iges_occt_read PROPERTIES FIXTURES_REQUIRED graphics_samples
                       ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
endif()
