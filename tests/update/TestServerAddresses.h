#pragma once
// Test programs that link TestServerAddresses.cpp point the update check at servers the
// test starts on 127.0.0.1. Each variable holds a server's root address
// ("http://127.0.0.1:<port>"); unset, nothing answers.
inline constexpr wchar_t kTestServerVariable[] = L"MARV_TEST_SERVER";
// When set, the descriptor comes from this server instead: lets a test fail the download
// alone.
inline constexpr wchar_t kDescriptorServerVariable[] = L"MARV_TEST_DESCRIPTOR_SERVER";
// Where the descriptor lies below the server's root folder.
inline constexpr wchar_t kDescriptorFile[] = L"updates\\marvolena.txt";
// The product page of test programs: a web address on this machine that only the browser
// double ever sees.
inline constexpr wchar_t kTestProductPage[] = L"https://127.0.0.1/3505.html";
