// The update check's addresses for tests, linked in place of update/UpdateAddresses.cpp:
// the descriptor and the probe on servers the test starts on 127.0.0.1, the product page
// on this machine too (tests only watch it being handed to the shell).
#include <windows.h>

#include <string>

#include "tests/update/TestServerAddresses.h"
#include "update/UpdateAddresses.h"

namespace {

std::wstring Variable(const wchar_t* name) {
  wchar_t value[256] = L"";
  const DWORD length = GetEnvironmentVariableW(name, value, static_cast<DWORD>(std::size(value)));
  return length < std::size(value) ? value : L"";
}

}  // namespace

std::wstring UpdateDescriptorAddress() {
  std::wstring root = Variable(kDescriptorServerVariable);
  return (root.empty() ? Variable(kTestServerVariable) : root) + L"/updates/marvolena.txt";
}
std::wstring NetworkProbeAddress() { return Variable(kTestServerVariable) + L"/"; }
std::wstring ProductPageAddress() { return kTestProductPage; }
