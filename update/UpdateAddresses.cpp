#include "update/UpdateAddresses.h"

std::wstring UpdateDescriptorAddress() { return L"" MARV_UPDATE_URL; }
std::wstring NetworkProbeAddress() { return L"" MARV_PROBE_URL; }
std::wstring ProductPageAddress() { return L"" MARV_PRODUCT_URL; }
