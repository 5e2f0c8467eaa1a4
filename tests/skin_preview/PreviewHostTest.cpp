// Registering with the skin editor and answering it.
#include <gtest/gtest.h>

#include "skin/data/acPreviewHost.h"

namespace {

// An editor that is found after `missingLookups` lookups (never when negative) and
// answers 1 from its `acceptOnOffer`-th offer on (never when 0); nullopt stands for no
// answer in time.
struct FakeEditor final : IacSkinEditorLink {
  int missingLookups = -1;
  int acceptOnOffer = 0;
  int lookups = 0;
  std::vector<uintptr_t> offered;
  uintptr_t FindEditor() override {
    ++lookups;
    return missingLookups >= 0 && lookups > missingLookups ? 0xED17 : 0;
  }
  std::optional<intptr_t> OfferHost(uintptr_t editor, uintptr_t window) override {
    EXPECT_EQ(editor, 0xED17u);
    offered.push_back(window);
    if (acceptOnOffer != 0 && static_cast<int>(offered.size()) >= acceptOnOffer) return 1;
    return std::nullopt;
  }
};

}  // namespace

TEST(PreviewHost, RegistersOnceAndLooksForTheEditorAtMost101Times) {
  struct Case {
    const char* what;
    int missingLookups, acceptOnOffer;
    int lookups;
    size_t offers;
  };
  const Case cases[] = {
      {"no editor", -1, 0, 1, 0},
      {"editor takes the window at once", 0, 1, 1, 1},
      {"editor takes it at the third offer", 0, 3, 3, 3},
      {"editor never answers 1", 0, 0, 101, 101},
  };
  for (const Case& c : cases) {
    FakeEditor editor;
    editor.missingLookups = c.missingLookups;
    editor.acceptOnOffer = c.acceptOnOffer;
    TacPreviewHostState state{true, 0};
    EXPECT_EQ(RegisterPreviewHost(state, 0x1234, true, editor), c.lookups) << c.what;
    EXPECT_EQ(editor.offered.size(), c.offers) << c.what;
    EXPECT_EQ(state.RegisteredWindow, 0x1234u) << c.what;
    EXPECT_FALSE(state.PreviewMode) << c.what;
    // Never offered again, not even another window.
    EXPECT_EQ(RegisterPreviewHost(state, 0x5678, true, editor), 0) << c.what;
    EXPECT_EQ(editor.offered.size(), c.offers) << c.what;
  }
}

TEST(PreviewHost, OnlyAQualifyingWindowInPreviewModeIsRegistered) {
  FakeEditor editor;
  TacPreviewHostState notPreview{false, 0};
  EXPECT_EQ(RegisterPreviewHost(notPreview, 0x1234, true, editor), 0);
  EXPECT_EQ(notPreview.RegisteredWindow, 0u);

  TacPreviewHostState waiting{true, 0};
  EXPECT_EQ(RegisterPreviewHost(waiting, 0x1234, false, editor), 0);  // an About window, say
  EXPECT_TRUE(waiting.PreviewMode);
  EXPECT_EQ(RegisterPreviewHost(waiting, 0x9999, true, editor), 1);
  EXPECT_EQ(waiting.RegisteredWindow, 0x9999u);
  EXPECT_EQ(editor.lookups, 1);
}

TEST(PreviewHost, PreviewModeNeedsExactlyTheFirstArgument) {
  const std::pair<std::vector<std::string>, bool> cases[] = {
      {{"/acpreview"}, true}, {{"/acpreview", "x"}, true}, {{"/ACPREVIEW"}, false},
      {{"x", "/acpreview"}, false}, {{}, false}, {{"/acpreviews"}, false},
  };
  for (const auto& [arguments, expected] : cases) EXPECT_EQ(IsPreviewHostArgument(arguments), expected);
}

TEST(PreviewHost, AnswersToTheEditor) {
  EXPECT_EQ(EditorRequest(1), TacEditorRequest::CloseForm);
  EXPECT_EQ(EditorRequest(3), TacEditorRequest::PassOn);
  EXPECT_EQ(EditorRequest(4), TacEditorRequest::AnswerOne);
  EXPECT_EQ(EditorRequest(2), TacEditorRequest::PassOn);
}

TEST(PreviewHost, AnElevatedPreviewHostLetsTheEditorsTwoMessagesThrough) {
  const std::vector<uint32_t> both{0x4A, 0xA400};
  EXPECT_EQ(EditorMessagesToAllow(true, true), both);
  EXPECT_TRUE(EditorMessagesToAllow(true, false).empty());   // same rights: nothing to open
  EXPECT_TRUE(EditorMessagesToAllow(false, true).empty());   // not a preview host: stays closed
  EXPECT_TRUE(EditorMessagesToAllow(false, false).empty());
}
