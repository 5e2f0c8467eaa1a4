#include "tests/skin_binding/BindingSkin.h"

#include "tests/support/FixtureSkins.h"

namespace {

const char* kOptions =
    "[GLOBALINFO]\nVERSION=14.01\nMASTERBITMAP=MASTER.PNG\n"
    "[THREESTATE]\nSTATES=3\nCOLOR=255\nHOTCOLOR=65280\nCOLOR2=16711680\n"
    "[TWOSTATE]\nSTATES=2\nCOLOR=255\nHOTCOLOR=65280\nCOLOR2=16711680\n"
    "[ONESTATE]\nSTATES=1\nCOLOR=255\nHOTCOLOR=65280\nCOLOR2=16711680\n"
    "[BLACK]\nCOLOR=0\n"
    "[WHITE]\nCOLOR=16777215\n"
    "[HALF]\nCOLOR=0\nTRANSPARENCY=50\n"
    "[CLEAR]\nCOLOR=255\nTRANSPARENCY=100\n"
    "[CLEARBORDER]\nCOLOR=255\nTRANSPARENCY=100\nBORDERSMASK=^0000^0000^0012^0008^0002^0002^0002^0002^3^0^1\n"
    "[BORDERED]\nCOLOR=65280\nBORDERSMASK=^0000^0000^0012^0008^0003^0001^0002^0004^3^0^1\n"
    "[GRADIENT]\nGRADIENTPERCENT=100\nGRADIENTDATA=15066597;12632256;97;0;0;12632256;12632256;0;0;0\n"
    "[SPEEDBUTTON]\nCOLOR=8421504\n";

std::vector<uint8_t> Package(const char* options) { return SmallSkin(options).Pack(); }

}  // namespace

BindingSkin::BindingSkin(const char* options) : manager(std::make_unique<TsSkinManager>(host)) {
  TsStoredSkin& item = manager->InternalSkins().Add();
  item.Name = "Binding";
  item.PackedData = Package(options ? options : kOptions);
  manager->SetSkinName("Binding");
}
