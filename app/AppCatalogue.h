#pragma once
// The apps the main window offers, by short name. An app button's tag is its app's
// index here; the name is the package pattern of the uninstall command and the name of
// the install script.
inline constexpr wchar_t kAppCatalogueText[] =
    L"3dbuilder,ScreenSketch,photos,windowsmaps,getstarted,bingweather,soundrecorder,"
    L"bingfinance,bingnews,people,onenote,xboxapp,windowsalarms,zunevideo,"
    L"windowscommunicationsapps,officehub,windowsstore,solitairecollection,windowscamera,"
    L"windowscalculator,zunemusic,gethelp,Messaging,Microsoft3DViewer,MicrosoftStickyNotes,"
    L"MSPaint,OneConnect,Print3D,SkypeApp,Wallet,FeedbackHub,MixedReality,YourPhone";
