#pragma once
// Where the update check and the product links point. The values are fixed when the
// program is built (CMake cache variables MARV_UPDATE_URL, MARV_PROBE_URL and
// MARV_PRODUCT_URL, see UpdateAddresses.cmake).
//
// UpdateAddresses.cpp defines exactly these three functions and nothing else, so that a
// test program can link its own definitions instead (the archive member is then never
// pulled in): see tests/update/LoopbackAddresses.cpp.
#include <string>

// The update descriptor, plain HTTP, path /updates/marvolena.txt.
std::wstring UpdateDescriptorAddress();
// The page whose server the connection probe tries to reach.
std::wstring NetworkProbeAddress();
// The product page, HTTPS, path /3505.html.
std::wstring ProductPageAddress();
