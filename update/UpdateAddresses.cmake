# Build-time addresses of the update check (see update/UpdateAddresses.h).
set(MARV_UPDATE_URL "http://www.marvolena.com/updates/marvolena.txt" CACHE STRING
  "Address of the update descriptor (plain HTTP)")
set(MARV_PROBE_URL "http://www.microsoft.com/" CACHE STRING
  "Page whose server the start-up connection probe tries to reach")
set(MARV_PRODUCT_URL "https://www.marvolena.com/3505.html" CACHE STRING
  "Product page opened by the About window and the main window's link")
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/UpdateAddresses.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  "MARV_UPDATE_URL=\"${MARV_UPDATE_URL}\""
  "MARV_PROBE_URL=\"${MARV_PROBE_URL}\""
  "MARV_PRODUCT_URL=\"${MARV_PRODUCT_URL}\"")
