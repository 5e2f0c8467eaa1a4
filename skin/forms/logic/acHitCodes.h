#pragma once
// The non-client hit codes the skinned frames answer, as the system numbers them (the
// portable rules cannot include the system's headers).
enum TacHitCode : int {
  acHtTransparent = -1,
  acHtNowhere = 0,
  acHtClient = 1,
  acHtCaption = 2,
  acHtSysMenu = 3,
  acHtMenu = 5,
  acHtMinButton = 8,
  acHtMaxButton = 9,
  acHtLeft = 10,
  acHtRight = 11,
  acHtTop = 12,
  acHtTopLeft = 13,
  acHtTopRight = 14,
  acHtBottom = 15,
  acHtBottomLeft = 16,
  acHtBottomRight = 17,
  acHtBorder = 18,
  acHtObject = 19,  // every mouse action in a border window's frame arrives with this code
  acHtClose = 20,
  acHtHelp = 21,
};
