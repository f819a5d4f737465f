# Third-party libraries as Clavira::<name> targets: Debian's -dev packages on Linux, the Windows
# builds made by scripts/build-win64-deps when cross-compiling.

if(WIN32)
  set(deps ${CLAVIRA_WIN64_DEPS})
  if(NOT EXISTS ${deps}/.stamp)
    message(FATAL_ERROR "Windows dependencies missing in ${deps}: run scripts/setup")
  endif()

  function(clavira_static_dep name file)
    add_library(Clavira::${name} STATIC IMPORTED GLOBAL)
    set_target_properties(Clavira::${name} PROPERTIES
      IMPORTED_LOCATION ${deps}/lib/${file}
      INTERFACE_INCLUDE_DIRECTORIES ${deps}/include)
  endfunction()
  clavira_static_dep(pugixml libpugixml.a)
  clavira_static_dep(sqlite3 libsqlite3.a)
  clavira_static_dep(minizip libminizip.a)
  clavira_static_dep(kissfft libkissfft-float.a)
  set_property(TARGET Clavira::minizip PROPERTY INTERFACE_LINK_LIBRARIES z)

  add_library(Clavira::hidapi SHARED IMPORTED GLOBAL)
  set_target_properties(Clavira::hidapi PROPERTIES
    IMPORTED_LOCATION ${deps}/bin/hidapi.dll
    IMPORTED_IMPLIB ${deps}/lib/libhidapi.dll.a
    INTERFACE_INCLUDE_DIRECTORIES ${deps}/include)

  find_package(GTest CONFIG REQUIRED PATHS ${deps} NO_DEFAULT_PATH)
else()
  find_package(pugixml CONFIG REQUIRED)
  add_library(Clavira::pugixml ALIAS pugixml::pugixml)
  find_package(SQLite3 REQUIRED)
  add_library(Clavira::sqlite3 ALIAS SQLite::SQLite3)
  find_library(MINIZIP_LIBRARY minizip REQUIRED)
  add_library(Clavira::minizip UNKNOWN IMPORTED)
  set_target_properties(Clavira::minizip PROPERTIES
    IMPORTED_LOCATION ${MINIZIP_LIBRARY}
    INTERFACE_LINK_LIBRARIES z)
  if(NOT CLAVIRA_FUZZ)
    find_package(GTest REQUIRED)
  endif()
  if(CLAVIRA_BENCH)
    find_package(benchmark REQUIRED)
  endif()
endif()
