#pragma once
// Where the update check and the product links point. The values are fixed when the
// program is built (CMake cache variables MARV_UPDATE_URL, MARV_PROBE_URL and
// MARV_PRODUCT_URL, see UpdateAddresses.cmake).
//
// UpdateAddresses.cpp, which defines them, is linked into the shipped program alone: the
// program's library leaves them out, and every test program links addresses on this
// machine instead (tests/update/TestServerAddresses.cpp), so no test reaches the Internet.
#include <string>

// The update descriptor, plain HTTP, path /updates/marvolena.txt.
std::wstring UpdateDescriptorAddress();
// The page whose server the connection probe tries to reach.
std::wstring NetworkProbeAddress();
// The product page, HTTPS, path /3505.html.
std::wstring ProductPageAddress();
